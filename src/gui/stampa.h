// Printing a page from a template of our own: the template (a plain-text
// description of one sheet: page, margins, font, column widths, row heights,
// styles, merged cells, frames and fixed texts; see data/README.md) is read,
// the job's cells are written over it, the logo is put at its cell, and the
// page is painted with Qt into a PDF document, handed to the default printer
// or saved when there is none to use. The template file is only ever read.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <QImage>
#include <QRectF>
#include <QString>

#include "platform/services.h"

class QPainter;
class QPaintDevice;

namespace gui {

// --- the template ---------------------------------------------------------------

struct CellStyle {
    double points = 0;  // 0: the sheet's size
    bool bold = false, italic = false, underline = false;
    int align = 0;         // 0 left, 1 right, 2 centre
    double indent_mm = 0;  // room left free before the text
};

// Rows and columns from 1, both ends included.
struct CellRange {
    int row1 = 0, column1 = 0, row2 = 0, column2 = 0;
    bool contains(int row, int column) const {
        return row >= row1 && row <= row2 && column >= column1 && column <= column2;
    }
};

struct PrintTemplate {
    std::string sheet;
    double page_width_mm = 210, page_height_mm = 297;
    double margin_left_mm = 10, margin_top_mm = 10, margin_right_mm = 10, margin_bottom_mm = 10;
    std::string font = "Arial";
    double points = 8;
    std::vector<double> column_mm;  // column 1 first
    int rows = 0;
    double row_mm = 5;                                 // every row's least height
    std::map<int, double> row_height_mm;               // rows with a least height of their own
    std::map<std::pair<int, int>, std::string> texts;  // (row, column): fixed text
    // Styles in the order given; a later one for the same cell adds to it.
    struct StyleRule {
        CellRange range;
        std::optional<double> points;
        std::optional<bool> bold, italic, underline;
        std::optional<int> align;
        std::optional<double> indent_mm;
    };
    std::vector<StyleRule> styles;
    std::vector<CellRange> merges, frames;

    CellStyle style(int row, int column) const;
    // The merged range a cell belongs to, if any.
    const CellRange* merge_of(int row, int column) const;
};

// "B12" gives row 12, column 2; nullopt for anything that is not an address.
std::optional<std::pair<int, int>> cell_address(std::string_view text);
// "A1:B53" (or a single address) gives the range.
std::optional<CellRange> cell_range(std::string_view text);
std::string address_text(int row, int column);

// Reads a template's text; nullopt with the reason (upper case, with the
// line it stands on) when the text is not a valid template.
std::optional<PrintTemplate> read_template(std::string_view text, std::string* error);

// --- the page -------------------------------------------------------------------

// Where everything goes on the device, in its pixels, before the sheet is
// shrunk to the page (`scale`) and moved to the margins (`origin`).
struct PlacedText {
    QRectF rect;
    QString text;
    CellStyle style;
    int row = 0, column = 0;
};
struct PageLayout {
    QPointF origin;
    double scale = 1;                         // below 1 when the rows had to shrink to fit the page
    QSizeF sheet;                             // the whole grid, before shrinking
    std::vector<double> row_top, row_height;  // by row, index 0 unused
    std::vector<PlacedText> texts;
    std::vector<QRectF> frames;
    QImage logo;  // null when there is none
    QRectF logo_rect;
};

// Job cells replace the template's texts; a row grows where a wrapped text
// needs more than its height; a sheet longer or wider than the page is
// shrunk evenly to fit it.
PageLayout lay_out(const PrintTemplate& tpl, const plat::PrintJob& job, QPaintDevice& device);
// Paints the page on the painter's device (already begun).
void paint_page(QPainter& painter, const PrintTemplate& tpl, const plat::PrintJob& job);

// Why a job cannot be printed on this template (a cell outside the grid, a
// different sheet), or "" when it can.
std::string check_job(const PrintTemplate& tpl, const plat::PrintJob& job);

// The pages of a job, each a job of one page: the shared cells with the
// page's own written over them. A job without pages is its one page.
std::vector<plat::PrintJob> single_pages(const plat::PrintJob& job);

// The printer service of the desktop: the page is painted into a PDF
// document, which is handed to the print system's default printer
// (coda_stampa.h) or saved at the job's PDF path.
class QtPrinter final : public plat::PrinterService {
public:
    // use_printers false: never looks for a printer; every page goes to its
    // PDF (tests, and machines where printing must not happen). `server`:
    // the print service to ask ("" for the one the user's settings name).
    explicit QtPrinter(bool use_printers = true, std::string server = {})
        : use_printers_(use_printers), server_(std::move(server)) {}
    plat::PrintResult print(const plat::PrintJob& job) override;
    plat::PrintResult save_pdf(const plat::PrintJob& job) override;

private:
    plat::PrintResult deliver(const plat::PrintJob& job, bool to_printer,
                              const std::string& why_file);
    bool use_printers_;
    std::string server_;
};

}  // namespace gui
