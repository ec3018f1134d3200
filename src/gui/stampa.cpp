#include "gui/stampa.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <iterator>
#include <thread>

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProgressDialog>
#include <QTimer>

#include "gui/coda_stampa.h"
#include "gui/convert.h"
#include "platform/record_file.h"

namespace gui {

namespace {

constexpr int kMaxColumns = 16384;
constexpr int kMaxRows = 100000;
// Room between a cell's border and its text.
constexpr double kPadXmm = 0.8, kPadYmm = 0.4;
constexpr double kFrameMm = 0.25;
// Pictures are taken at their size on a 96-dot-an-inch screen, as a
// spreadsheet inserts them.
constexpr double kPictureDpi = 96.0;

std::string upper_ascii(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

bool blank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim_view(std::string_view s) {
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && (blank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// The first word of s, and s after it and the blanks that follow.
std::pair<std::string_view, std::string_view> first_word(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && !blank(s[i])) ++i;
    std::string_view word = s.substr(0, i);
    while (i < s.size() && blank(s[i])) ++i;
    return {word, s.substr(i)};
}

std::vector<std::string_view> words(std::string_view s) {
    std::vector<std::string_view> out;
    while (!(s = trim_view(s)).empty()) {
        auto [w, rest] = first_word(s);
        out.push_back(w);
        s = rest;
    }
    return out;
}

// "4.5" or "4,5".
std::optional<double> number(std::string_view s) {
    std::string t(s);
    std::replace(t.begin(), t.end(), ',', '.');
    double v = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || end != t.data() + t.size()) return std::nullopt;
    return v;
}

// Column letters ("A", "AB") to their number.
std::optional<int> column_number(std::string_view s) {
    if (s.empty()) return std::nullopt;
    int c = 0;
    for (char ch : s) {
        if (!std::isalpha(static_cast<unsigned char>(ch))) return std::nullopt;
        c = c * 26 + (std::toupper(static_cast<unsigned char>(ch)) - 'A' + 1);
        if (c > kMaxColumns) return std::nullopt;
    }
    return c;
}

std::string column_letters(int column) {
    std::string letters;
    for (int c = column; c > 0; c = (c - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (c - 1) % 26));
    return letters;
}

QFont font_for(const PrintTemplate& tpl, const CellStyle& st) {
    QFont f(qt_text(tpl.font));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(st.points > 0 ? st.points : tpl.points);
    f.setBold(st.bold);
    f.setItalic(st.italic);
    f.setUnderline(st.underline);
    return f;
}

int text_flags(const CellStyle& st) {
    const int h = st.align == 1 ? Qt::AlignRight : st.align == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    return Qt::TextWordWrap | Qt::AlignVCenter | h;
}

std::string error_for(const plat::PrintJob& job, const std::string& reason) {
    return "MODELLO DI STAMPA " + job.template_path + ":\r" + reason;
}

}  // namespace

// --- the template ---------------------------------------------------------------

CellStyle PrintTemplate::style(int row, int column) const {
    CellStyle st;
    for (const StyleRule& r : styles) {
        if (!r.range.contains(row, column)) continue;
        if (r.points) st.points = *r.points;
        if (r.bold) st.bold = *r.bold;
        if (r.italic) st.italic = *r.italic;
        if (r.underline) st.underline = *r.underline;
        if (r.align) st.align = *r.align;
        if (r.indent_mm) st.indent_mm = *r.indent_mm;
    }
    return st;
}

const CellRange* PrintTemplate::merge_of(int row, int column) const {
    for (const CellRange& m : merges)
        if (m.contains(row, column)) return &m;
    return nullptr;
}

std::optional<std::pair<int, int>> cell_address(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i]))) ++i;
    const auto column = column_number(text.substr(0, i));
    if (!column || i == text.size()) return std::nullopt;
    long row = 0;
    for (; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
        row = row * 10 + (text[i] - '0');
        if (row > kMaxRows) return std::nullopt;
    }
    if (row == 0) return std::nullopt;
    return std::pair<int, int>{static_cast<int>(row), *column};
}

std::optional<CellRange> cell_range(std::string_view text) {
    const std::size_t colon = text.find(':');
    const auto a = cell_address(text.substr(0, colon));
    const auto b = colon == std::string_view::npos ? a : cell_address(text.substr(colon + 1));
    if (!a || !b) return std::nullopt;
    CellRange r{std::min(a->first, b->first), std::min(a->second, b->second),
                std::max(a->first, b->first), std::max(a->second, b->second)};
    return r;
}

std::string address_text(int row, int column) {
    return column_letters(column) + std::to_string(row);
}

std::optional<PrintTemplate> read_template(std::string_view text, std::string* error) {
    PrintTemplate t;
    bool have_sheet = false;
    std::map<int, double> columns;
    struct Placed {
        int line;
        CellRange range;
    };
    std::vector<Placed> placed;  // everything that must lie on the grid
    int line = 0;

    auto fail = [&](int at, const std::string& why) -> std::optional<PrintTemplate> {
        if (error) *error = (at > 0 ? "LINEA " + std::to_string(at) + ": " : std::string()) + why;
        return std::nullopt;
    };

    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::vector<std::string_view> lines;
    for (std::size_t from = 0; from <= text.size();) {
        const std::size_t end = std::min(text.find('\n', from), text.size());
        lines.push_back(text.substr(from, end - from));
        from = end + 1;
    }
    for (const std::string_view raw : lines) {
        ++line;
        const std::string_view s = trim_view(raw);
        if (s.empty() || s.front() == '#') continue;
        const auto [key_view, rest] = first_word(s);
        const std::string key = upper_ascii(key_view);
        const std::vector<std::string_view> args = words(rest);

        auto numbers = [&](std::size_t from, std::size_t count, std::vector<double>& out) {
            if (args.size() < from + count) return false;
            for (std::size_t i = from; i < from + count; ++i) {
                const auto v = number(args[i]);
                if (!v || *v < 0) return false;
                out.push_back(*v);
            }
            return true;
        };
        std::vector<double> v;

        if (key == "FOGLIO") {
            if (rest.empty()) return fail(line, "MANCA IL NOME DEL FOGLIO.");
            t.sheet = std::string(trim_view(rest));
            have_sheet = true;
        } else if (key == "PAGINA") {
            if (args.size() != 2 || !numbers(0, 2, v) || v[0] <= 0 || v[1] <= 0)
                return fail(line, "PAGINA VUOLE LARGHEZZA E ALTEZZA IN MILLIMETRI.");
            t.page_width_mm = v[0];
            t.page_height_mm = v[1];
        } else if (key == "MARGINI") {
            if (args.size() != 4 || !numbers(0, 4, v))
                return fail(line, "MARGINI VUOLE SINISTRO, ALTO, DESTRO E BASSO IN MILLIMETRI.");
            t.margin_left_mm = v[0];
            t.margin_top_mm = v[1];
            t.margin_right_mm = v[2];
            t.margin_bottom_mm = v[3];
        } else if (key == "CARATTERE") {
            const auto [size, family] = first_word(rest);
            const auto p = number(size);
            if (!p || *p <= 0 || trim_view(family).empty())
                return fail(line, "CARATTERE VUOLE LA GRANDEZZA IN PUNTI E IL NOME DEL CARATTERE.");
            t.points = *p;
            t.font = std::string(trim_view(family));
        } else if (key == "COLONNA") {
            const auto c = args.empty() ? std::nullopt : column_number(args[0]);
            if (!c || args.size() != 2 || !numbers(1, 1, v) || v[0] <= 0)
                return fail(line, "COLONNA VUOLE LA LETTERA E LA LARGHEZZA IN MILLIMETRI.");
            columns[*c] = v[0];
        } else if (key == "RIGHE") {
            const auto n = args.empty() ? std::nullopt : number(args[0]);
            if (!n || *n < 1 || *n > kMaxRows || *n != static_cast<int>(*n) || args.size() != 2 ||
                !numbers(1, 1, v) || v[0] <= 0)
                return fail(line,
                            "RIGHE VUOLE IL NUMERO DELLE RIGHE E LA LORO ALTEZZA IN MILLIMETRI.");
            t.rows = static_cast<int>(*n);
            t.row_mm = v[0];
        } else if (key == "RIGA") {
            const auto r = args.empty() ? std::nullopt : number(args[0]);
            if (!r || *r < 1 || *r != static_cast<int>(*r) || args.size() != 2 ||
                !numbers(1, 1, v) || v[0] <= 0)
                return fail(line,
                            "RIGA VUOLE IL NUMERO DELLA RIGA E LA SUA ALTEZZA IN MILLIMETRI.");
            t.row_height_mm[static_cast<int>(*r)] = v[0];
            placed.push_back({line, CellRange{static_cast<int>(*r), 1, static_cast<int>(*r), 1}});
        } else if (key == "STILE") {
            const auto range = args.empty() ? std::nullopt : cell_range(args[0]);
            if (!range || args.size() < 2)
                return fail(line, "STILE VUOLE LE CELLE E IL LORO STILE.");
            PrintTemplate::StyleRule rule;
            rule.range = *range;
            for (std::size_t i = 1; i < args.size(); ++i) {
                const std::string w = upper_ascii(args[i]);
                if (w == "GRASSETTO") rule.bold = true;
                else if (w == "NORMALE")
                    rule.bold = rule.italic = rule.underline = false;
                else if (w == "CORSIVO")
                    rule.italic = true;
                else if (w == "SOTTOLINEATO")
                    rule.underline = true;
                else if (w == "SINISTRA")
                    rule.align = 0;
                else if (w == "DESTRA")
                    rule.align = 1;
                else if (w == "CENTRATO")
                    rule.align = 2;
                else if (w == "RIENTRO") {
                    const auto mm = i + 1 < args.size() ? number(args[i + 1]) : std::nullopt;
                    if (!mm || *mm < 0) return fail(line, "RIENTRO VUOLE I MILLIMETRI.");
                    rule.indent_mm = *mm;
                    ++i;
                } else if (const auto p = number(w); p && *p > 0) {
                    rule.points = *p;
                } else {
                    return fail(line, "STILE SCONOSCIUTO \"" + std::string(args[i]) + "\".");
                }
            }
            t.styles.push_back(rule);
            placed.push_back({line, *range});
        } else if (key == "UNISCI" || key == "CORNICE") {
            const auto range = args.size() == 1 ? cell_range(args[0]) : std::nullopt;
            if (!range) return fail(line, key + " VUOLE UN INTERVALLO DI CELLE, COME A1:B3.");
            if (key == "UNISCI") {
                for (const CellRange& m : t.merges)
                    if (m.row1 <= range->row2 && range->row1 <= m.row2 &&
                        m.column1 <= range->column2 && range->column1 <= m.column2)
                        return fail(line, "LE CELLE " + std::string(args[0]) +
                                              " SONO GIA' UNITE AD ALTRE.");
                t.merges.push_back(*range);
            } else {
                t.frames.push_back(*range);
            }
            placed.push_back({line, *range});
        } else if (key == "CELLA") {
            const auto [where, content] = first_word(rest);
            const auto a = cell_address(where);
            if (!a)
                return fail(line, "CELLA VUOLE L'INDIRIZZO DELLA CELLA, COME B12, E IL SUO TESTO.");
            // The text is the rest of the line as written, blanks within and
            // at its end included (only the line end is dropped).
            std::string_view body =
                raw.substr(static_cast<std::size_t>(content.data() - raw.data()));
            if (!body.empty() && body.back() == '\r') body.remove_suffix(1);
            t.texts[*a] = std::string(body);
            placed.push_back({line, CellRange{a->first, a->second, a->first, a->second}});
        } else {
            return fail(line, "PAROLA SCONOSCIUTA \"" + std::string(key_view) + "\".");
        }
    }

    if (!have_sheet || t.sheet.empty()) return fail(0, "MANCA IL FOGLIO (FOGLIO <NOME>).");
    if (columns.empty()) return fail(0, "MANCANO LE COLONNE (COLONNA A <MILLIMETRI>).");
    for (int c = 1; c <= static_cast<int>(columns.size()); ++c) {
        const auto it = columns.find(c);
        if (it == columns.end()) return fail(0, "MANCA LA COLONNA " + column_letters(c) + ".");
        t.column_mm.push_back(it->second);
    }
    if (t.rows == 0) return fail(0, "MANCANO LE RIGHE (RIGHE <NUMERO> <MILLIMETRI>).");
    if (t.margin_left_mm + t.margin_right_mm >= t.page_width_mm ||
        t.margin_top_mm + t.margin_bottom_mm >= t.page_height_mm)
        return fail(0, "I MARGINI NON LASCIANO POSTO SULLA PAGINA.");
    const int ncols = static_cast<int>(t.column_mm.size());
    for (const Placed& p : placed)
        if (p.range.row2 > t.rows || p.range.column2 > ncols)
            return fail(p.line, "LA CELLA " + address_text(p.range.row2, p.range.column2) +
                                    " E' FUORI DAL FOGLIO.");
    return t;
}

std::string check_job(const PrintTemplate& tpl, const plat::PrintJob& job) {
    if (!job.sheet.empty() && job.sheet != tpl.sheet)
        return "IL MODELLO NON HA IL FOGLIO \"" + job.sheet + "\".";
    const int ncols = static_cast<int>(tpl.column_mm.size());
    for (const plat::PrintJob& page : single_pages(job))
        for (const plat::Cell& c : page.cells)
            if (c.row < 1 || c.column < 1 || c.row > tpl.rows || c.column > ncols)
                return "LA CELLA " + address_text(std::max(c.row, 1), std::max(c.column, 1)) +
                       " E' FUORI DAL FOGLIO DEL MODELLO.";
    return "";
}

std::vector<plat::PrintJob> single_pages(const plat::PrintJob& job) {
    plat::PrintJob one = job;
    one.pages.clear();
    if (job.pages.empty()) return {one};
    std::vector<plat::PrintJob> out;
    for (const std::vector<plat::Cell>& own : job.pages) {
        plat::PrintJob page = one;
        page.cells.insert(page.cells.end(), own.begin(), own.end());
        out.push_back(std::move(page));
    }
    return out;
}

// --- the page -------------------------------------------------------------------

PageLayout lay_out(const PrintTemplate& tpl, const plat::PrintJob& job, QPaintDevice& device) {
    const double kx = device.logicalDpiX() / 25.4, ky = device.logicalDpiY() / 25.4;
    const int ncols = static_cast<int>(tpl.column_mm.size());
    const double pad_x = kPadXmm * kx, pad_y = kPadYmm * ky;
    PageLayout page;
    page.origin = QPointF(tpl.margin_left_mm * kx, tpl.margin_top_mm * ky);

    std::vector<double> col_left(static_cast<std::size_t>(ncols) + 2, 0.0);
    for (int c = 1; c <= ncols; ++c) col_left[c + 1] = col_left[c] + tpl.column_mm[c - 1] * kx;

    page.row_height.assign(static_cast<std::size_t>(tpl.rows) + 1, 0.0);
    for (int r = 1; r <= tpl.rows; ++r) {
        const auto it = tpl.row_height_mm.find(r);
        page.row_height[r] = (it != tpl.row_height_mm.end() ? it->second : tpl.row_mm) * ky;
    }

    // The job writes over the template.
    std::map<std::pair<int, int>, std::string> texts = tpl.texts;
    for (const plat::Cell& c : job.cells)
        if (c.row >= 1 && c.row <= tpl.rows && c.column >= 1 && c.column <= ncols)
            texts[{c.row, c.column}] = c.text;

    struct Cell {
        int row, column;
        CellRange span;
        QString text;
        CellStyle style;
        double need;  // height the wrapped text takes, padding included
    };
    std::vector<Cell> cells;
    for (const auto& [at, text] : texts) {
        if (text.empty()) continue;
        const auto [row, column] = at;
        CellRange span{row, column, row, column};
        if (const CellRange* m = tpl.merge_of(row, column)) {
            if (m->row1 != row || m->column1 != column) continue;  // covered by the merge
            span = *m;
        }
        const CellStyle st = tpl.style(row, column);
        const double width =
            col_left[span.column2 + 1] - col_left[span.column1] - 2 * pad_x - st.indent_mm * kx;
        const QFontMetricsF fm(font_for(tpl, st), &device);
        const QString q = qt_text(text);
        const double h =
            fm.boundingRect(QRectF(0, 0, std::max(width, 1.0), 1e7), text_flags(st), q).height();
        cells.push_back({row, column, span, q, st, h + 2 * pad_y});
    }
    // Rows grow to their texts: single rows first, then a merge over several
    // rows lengthens its last row if the rows together are still too short.
    for (const Cell& c : cells)
        if (c.span.row1 == c.span.row2)
            page.row_height[c.row] = std::max(page.row_height[c.row], c.need);
    for (const Cell& c : cells) {
        if (c.span.row1 == c.span.row2) continue;
        double sum = 0;
        for (int r = c.span.row1; r <= c.span.row2; ++r) sum += page.row_height[r];
        if (c.need > sum) page.row_height[c.span.row2] += c.need - sum;
    }
    page.row_top.assign(static_cast<std::size_t>(tpl.rows) + 2, 0.0);
    for (int r = 1; r <= tpl.rows; ++r) page.row_top[r + 1] = page.row_top[r] + page.row_height[r];

    auto rect_of = [&](const CellRange& s) {
        return QRectF(col_left[s.column1], page.row_top[s.row1],
                      col_left[s.column2 + 1] - col_left[s.column1],
                      page.row_top[s.row2 + 1] - page.row_top[s.row1]);
    };
    for (const Cell& c : cells) {
        const QRectF box = rect_of(c.span);
        const double indent = c.style.indent_mm * kx;
        page.texts.push_back({box.adjusted(pad_x + indent, pad_y, -pad_x, -pad_y), c.text, c.style,
                              c.row, c.column});
    }
    for (const CellRange& f : tpl.frames) page.frames.push_back(rect_of(f));

    page.sheet = QSizeF(col_left[ncols + 1], page.row_top[tpl.rows + 1]);
    const double room_w = (tpl.page_width_mm - tpl.margin_left_mm - tpl.margin_right_mm) * kx;
    const double room_h = (tpl.page_height_mm - tpl.margin_top_mm - tpl.margin_bottom_mm) * ky;
    page.scale = 1.0;
    if (page.sheet.width() > room_w) page.scale = std::min(page.scale, room_w / page.sheet.width());
    if (page.sheet.height() > room_h)
        page.scale = std::min(page.scale, room_h / page.sheet.height());

    if (!job.logo_path.empty() && job.logo_row >= 1 && job.logo_row <= tpl.rows &&
        job.logo_column >= 1 && job.logo_column <= ncols) {
        QImage logo(qt_text(job.logo_path));
        if (!logo.isNull()) {
            const double w = logo.width() / kPictureDpi * 25.4 * kx * job.logo_width_scale;
            const double h = logo.height() / kPictureDpi * 25.4 * ky * job.logo_height_scale;
            page.logo = logo;
            page.logo_rect =
                QRectF(col_left[job.logo_column] + pad_x, page.row_top[job.logo_row] + pad_y, w, h);
        }
    }
    return page;
}

void paint_page(QPainter& painter, const PrintTemplate& tpl, const plat::PrintJob& job) {
    QPaintDevice& device = *painter.device();
    const PageLayout page = lay_out(tpl, job, device);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.translate(page.origin);
    painter.scale(page.scale, page.scale);

    QPen pen(Qt::black);
    pen.setWidthF(kFrameMm * device.logicalDpiX() / 25.4);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (const QRectF& f : page.frames) painter.drawRect(f);

    painter.setPen(Qt::black);
    for (const PlacedText& t : page.texts) {
        painter.setFont(font_for(tpl, t.style));
        painter.drawText(t.rect, text_flags(t.style), t.text);
    }
    if (!page.logo.isNull()) painter.drawImage(page.logo_rect, page.logo);
    painter.restore();
}

// --- the printer service ------------------------------------------------------------

namespace {

QPageSize page_size(const PrintTemplate& tpl) {
    return QPageSize(QSizeF(std::min(tpl.page_width_mm, tpl.page_height_mm),
                            std::max(tpl.page_width_mm, tpl.page_height_mm)),
                     QPageSize::Millimeter);
}
QPageLayout::Orientation orientation(const PrintTemplate& tpl) {
    return tpl.page_width_mm > tpl.page_height_mm ? QPageLayout::Landscape : QPageLayout::Portrait;
}

const std::string kNoPrinter = "NESSUNA STAMPANTE DISPONIBILE";

// Every page of the job, one after the other on the device; false when the
// device would not take a further page.
bool paint_pages(QPainter& painter, QPagedPaintDevice& device, const PrintTemplate& tpl,
                 const plat::PrintJob& job) {
    bool first = true;
    for (const plat::PrintJob& page : single_pages(job)) {
        if (!first && !device.newPage()) return false;
        first = false;
        paint_page(painter, tpl, page);
    }
    return true;
}

// The template the job is printed on, checked against the job; nullopt with
// the reason when it cannot be.
std::optional<PrintTemplate> template_for(const plat::PrintJob& job, std::string& error) {
    std::ifstream in(job.template_path, std::ios::binary);
    if (job.template_path.empty() || !in) {
        error = error_for(job, "IL FILE NON SI TROVA O NON SI PUO' LEGGERE.");
        return std::nullopt;
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::string why;
    auto tpl = read_template(text, &why);
    if (tpl) why = check_job(*tpl, job);
    if (!tpl || !why.empty()) {
        error = error_for(job, why);
        return std::nullopt;
    }
    return tpl;
}

QString document_title(const plat::PrintJob& job) {
    return QFileInfo(qt_text(job.template_path)).completeBaseName().toUpper();
}

// Every page of the job as one PDF document, in memory: what goes to the
// printer and what is saved are the same bytes. False when it could not be
// painted.
bool pdf_document(const PrintTemplate& tpl, const plat::PrintJob& job, QByteArray& pdf) {
    QBuffer buffer(&pdf);
    if (!buffer.open(QIODevice::WriteOnly)) return false;
    QPdfWriter writer(&buffer);
    writer.setResolution(300);
    writer.setPageSize(page_size(tpl));
    writer.setPageOrientation(orientation(tpl));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    writer.setTitle(document_title(job));
    writer.setCreator(QStringLiteral("GESTIONE AFFITTI"));
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    const bool paged = paint_pages(painter, writer, tpl, job);
    return painter.end() && paged && !pdf.isEmpty();
}

// The document saved at the job's PDF path; `why` tells why it is not on a
// printer ("" when the user asked for the file).
plat::PrintResult save_document(const plat::PrintJob& job, const QByteArray& pdf,
                                const std::string& why) {
    plat::PrintResult result;
    const std::string cannot = (why.empty() ? "" : why + " E ") + "IMPOSSIBILE SCRIVERE IL FILE\r";
    if (job.pdf_path.empty()) {
        result.error = why.empty() ? "MANCA IL NOME DEL FILE." : why + ".";
        return result;
    }
    // Written like a register: a page cut short by a full disk is never
    // left under the name the user is told.
    if (!plat::replace_file(job.pdf_path, std::string_view(pdf.constData(),
                                                           static_cast<std::size_t>(pdf.size())))) {
        result.error = cannot + job.pdf_path;
        return result;
    }
    result.outcome = plat::PrintOutcome::SavedAsPdf;
    result.where = job.pdf_path;
    result.error = why;
    return result;
}

// How long a print may take before the window says it is waiting: a local
// service answers well within it, and a box that flashes for every print
// would only be noise.
constexpr int kQuietMs = 300;

// The document handed to the print service on a thread of its own, while
// the windows keep painting: a busy cursor at once, then a box saying what
// the program is doing, where the user can stop waiting. The windows take
// no input meanwhile (the box is modal; before it, input waits).
EsitoCoda invia_aspettando(std::string_view pdf, const std::string& title, int copies,
                           const std::string& server) {
    AttesaStampa attesa;
    std::atomic<bool> finito{false};
    EsitoCoda esito;
    std::thread lavoro([&] {
        try {
            esito = invia_alla_stampante(pdf, title, copies, server, attesa);
        } catch (...) {
            esito = EsitoCoda{};  // as if no service answered: the page is saved
        }
        finito = true;
    });
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
        QEventLoop loop;
        QTimer guarda;
        guarda.setInterval(20);
        QElapsedTimer da;
        da.start();
        QObject::connect(&guarda, &QTimer::timeout, &loop, [&] {
            if (finito || da.elapsed() >= kQuietMs) loop.quit();
        });
        guarda.start();
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        if (!finito) {
            QProgressDialog box;
            box.setWindowTitle(QStringLiteral("STAMPA"));
            box.setWindowModality(Qt::ApplicationModal);
            box.setRange(0, 0);
            box.setMinimumDuration(0);
            box.setAutoClose(false);
            box.setAutoReset(false);
            box.setCancelButtonText(QStringLiteral("NON ASPETTARE"));
            // The box stays up until the print is over, so that nothing else
            // is clicked meanwhile; giving up only shortens the wait.
            QObject::disconnect(&box, &QProgressDialog::canceled, &box, &QProgressDialog::cancel);
            QObject::connect(&box, &QProgressDialog::canceled, &box, [&] {
                attesa.rinuncia();
                box.setLabelText(QStringLiteral("STAMPA ANNULLATA: SALVATAGGIO NEL FILE …"));
            });
            QObject::disconnect(&guarda, nullptr, nullptr, nullptr);
            QObject::connect(&guarda, &QTimer::timeout, &loop, [&] {
                if (finito) {
                    loop.quit();
                    return;
                }
                if (!attesa.rinunciata()) box.setLabelText(qt_text(attesa.fase() + " …"));
            });
            box.setLabelText(qt_text(attesa.fase() + " …"));
            box.show();
            loop.exec();
        }
        QApplication::restoreOverrideCursor();
    }
    lavoro.join();
    return esito;
}

}  // namespace

plat::PrintResult QtPrinter::print(const plat::PrintJob& job) {
    return deliver(job, use_printers_, kNoPrinter);
}

plat::PrintResult QtPrinter::save_pdf(const plat::PrintJob& job) { return deliver(job, false, ""); }

plat::PrintResult QtPrinter::deliver(const plat::PrintJob& job, bool to_printer,
                                     const std::string& why_file) {
    plat::PrintResult result;
    const auto tpl = template_for(job, result.error);
    if (!tpl) return result;
    QByteArray pdf;
    if (!pdf_document(*tpl, job, pdf)) {
        result.error = error_for(job, "LA PAGINA NON SI PUO' DISEGNARE.");
        return result;
    }
    if (!to_printer) return save_document(job, pdf, why_file);

    const EsitoCoda esito =
        invia_aspettando(std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())),
                         std_text(document_title(job)), job.copies, server_);
    switch (esito.tipo) {
        case EsitoCoda::Inviata: return {plat::PrintOutcome::Printed, esito.stampante, "", ""};
        case EsitoCoda::InAttesa:
            return {plat::PrintOutcome::Held, esito.stampante, "", esito.motivo};
        case EsitoCoda::Rifiutata:
            return {plat::PrintOutcome::Refused, esito.stampante, esito.errore, esito.motivo};
        case EsitoCoda::Ignota:
            return {plat::PrintOutcome::Unknown, esito.stampante, esito.errore, esito.motivo};
        case EsitoCoda::NoServizio:
            return save_document(job, pdf, "SERVIZIO DI STAMPA NON RAGGIUNGIBILE");
        case EsitoCoda::NoPredefinita:
            return save_document(job, pdf, "NESSUNA STAMPANTE PREDEFINITA");
        case EsitoCoda::NoStampanti: break;
    }
    return save_document(job, pdf, kNoPrinter);
}

}  // namespace gui
