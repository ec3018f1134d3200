// Printing from a template of our own: reading the template, laying out the
// page, painting it, and the printer service saving a PDF when there is no
// printer, with the template left as it was.
#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>

#include <QColor>
#include <QImage>
#include <QPainter>

#include "gui/stampa.h"
#include "qt_app.h"
#include "support/disco_pieno.h"

namespace {

namespace fs = std::filesystem;

std::string leggi(const std::string& percorso) {
    std::ifstream in(percorso, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

const std::string kModelloSpedito = std::string(SOURCE_DATA_FOLDER) + "stampe/prenotazione.xls";

// An A4 page at 100 dots an inch, white.
QImage pagina() {
    QImage img(827, 1169, QImage::Format_RGB32);
    img.setDotsPerMeterX(3937);
    img.setDotsPerMeterY(3937);
    img.fill(Qt::white);
    return img;
}

// Dark pixels inside a rectangle of the page.
int scuri(const QImage& img, QRect r) {
    int n = 0;
    r = r.intersected(img.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(img.pixel(x, y)) < 160) ++n;
    return n;
}

TEST(ModelloStampa, CellAddressesAndRanges) {
    EXPECT_EQ(gui::cell_address("A1"), (std::pair{1, 1}));
    EXPECT_EQ(gui::cell_address("b12"), (std::pair{12, 2}));
    EXPECT_EQ(gui::cell_address("AA3"), (std::pair{3, 27}));
    for (const char* no : {"", "A", "12", "1A", "A0", "A-1", "A1 ", "Ä1"})
        EXPECT_FALSE(gui::cell_address(no)) << no;
    const auto r = gui::cell_range("B53:A1");
    ASSERT_TRUE(r);
    EXPECT_EQ(std::tie(r->row1, r->column1, r->row2, r->column2), std::make_tuple(1, 1, 53, 2));
    EXPECT_EQ(gui::address_text(12, 27), "AA12");
}

TEST(ModelloStampa, TheShippedReceiptTemplateHoldsTheSheetTheReceiptWrites) {
    std::string errore;
    const auto t = gui::read_template(leggi(kModelloSpedito), &errore);
    ASSERT_TRUE(t) << errore;
    EXPECT_EQ(t->sheet, "Foglio1");
    EXPECT_EQ(t->column_mm.size(), 2u);
    EXPECT_EQ(t->rows, 53);
    // Clauses run across both columns; the agency's lines leave room for the logo.
    EXPECT_TRUE(t->merge_of(38, 2));
    EXPECT_FALSE(t->merge_of(21, 1));
    EXPECT_GT(t->style(2, 1).indent_mm, 10);
    EXPECT_TRUE(t->style(1, 1).bold);
    EXPECT_FALSE(t->texts.at({1, 2}).empty());
}

TEST(ModelloStampa, TheShippedInvoiceTemplateHoldsTheCellsTheInvoiceWrites) {
    std::string errore;
    const auto t =
        gui::read_template(leggi(std::string(SOURCE_DATA_FOLDER) + "stampe/fattura.xls"), &errore);
    ASSERT_TRUE(t) << errore;
    EXPECT_EQ(t->sheet, "Foglio1");
    EXPECT_EQ(t->column_mm.size(), 4u);
    EXPECT_EQ(t->rows, 23);
    plat::PrintJob job;
    job.sheet = "Foglio1";
    for (auto [riga, colonna] :
         {std::pair{1, 2}, {6, 3}, {12, 1}, {14, 1}, {18, 4}, {21, 4}, {23, 1}})
        job.cells.push_back({riga, colonna, "TESTO"});
    EXPECT_EQ(gui::check_job(*t, job), "");
}

TEST(ModelloStampa, TheShippedListTemplateHoldsAFullPageOfLinesAtFullSize) {
    gui_test::qt_app();
    std::string errore;
    const auto t =
        gui::read_template(leggi(std::string(SOURCE_DATA_FOLDER) + "stampe/elenco.xls"), &errore);
    ASSERT_TRUE(t) << errore;
    EXPECT_EQ(t->sheet, "Foglio1");
    EXPECT_EQ(t->column_mm.size(), 1u);
    EXPECT_EQ(t->rows, 44);
    EXPECT_GT(t->page_width_mm, t->page_height_mm) << "landscape";
    // Title, agency, headings, 40 lines of the widest list and the page
    // number: nothing wraps and nothing shrinks.
    plat::PrintJob job;
    job.sheet = "Foglio1";
    for (int r = 1; r <= 44; ++r) job.cells.push_back({r, 1, std::string(150, 'W')});
    EXPECT_EQ(gui::check_job(*t, job), "");
    QImage img(1169, 827, QImage::Format_RGB32);
    img.setDotsPerMeterX(3937);
    img.setDotsPerMeterY(3937);
    const gui::PageLayout p = gui::lay_out(*t, job, img);
    EXPECT_DOUBLE_EQ(p.scale, 1.0);
    EXPECT_NEAR(p.row_height[20], 4 * 100 / 25.4, 0.5);
}

TEST(ModelloStampa, AFaultyTemplateIsRefusedNamingItsLine) {
    const std::string base = "FOGLIO Foglio1\nCOLONNA A 100\nRIGHE 5 5\n";
    const std::pair<std::string, std::string> casi[] = {
        {base + "CARTA 3\n", "LINEA 4: PAROLA SCONOSCIUTA \"CARTA\"."},
        {base + "# commento\n\nCELLA B1 FUORI\n", "LINEA 6: LA CELLA B1 E' FUORI DAL FOGLIO."},
        {base + "UNISCI A1:A2\nUNISCI A2:A3\n",
         "LINEA 5: LE CELLE A2:A3 SONO GIA' UNITE AD ALTRE."},
        {base + "COLONNA C 20\n", "MANCA LA COLONNA B."},
        {"COLONNA A 100\nRIGHE 5 5\n", "MANCA IL FOGLIO (FOGLIO <NOME>)."},
        {base + "RIGHE 2,5 5\n",
         "LINEA 4: RIGHE VUOLE IL NUMERO DELLE RIGHE E LA LORO ALTEZZA IN MILLIMETRI."},
    };
    for (const auto& [testo, atteso] : casi) {
        std::string errore;
        EXPECT_FALSE(gui::read_template(testo, &errore)) << testo;
        EXPECT_EQ(errore, atteso) << testo;
    }
    // A cell's text is the rest of its line, blanks inside and at the end kept.
    const auto t = gui::read_template("\xEF\xBB\xBF" + base + "CELLA A2 DUE  SPAZI \r\n", nullptr);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->texts.at({2, 1}), "DUE  SPAZI ");
}

TEST(PaginaStampa, JobCellsReplaceTheTemplateRowsGrowForTheirTextAndTheSheetFitsThePage) {
    gui_test::qt_app();
    const auto t = gui::read_template(
        "FOGLIO Foglio1\nPAGINA 210 297\nMARGINI 10 10 10 10\nCARATTERE 10 Arial\n"
        "COLONNA A 30\nCOLONNA B 60\nRIGHE 4 6\nCELLA A1 MODELLO\nCELLA B1 RESTA\n"
        "UNISCI A3:B3\nCORNICE A1:B4\n",
        nullptr);
    ASSERT_TRUE(t);
    plat::PrintJob job;
    job.cells = {
        {1, 1, "LAVORO"},
        {2, 1, "UN TESTO LUNGO CHE IN TRENTA MILLIMETRI VA A CAPO PIU' VOLTE PRIMA DI FINIRE"},
        {3, 1, "UNITA SU DUE COLONNE"}};
    QImage img = pagina();
    gui::PageLayout p = gui::lay_out(*t, job, img);

    std::map<std::pair<int, int>, QString> testi;
    for (const gui::PlacedText& x : p.texts) testi[{x.row, x.column}] = x.text;
    EXPECT_EQ(testi.at({1, 1}), "LAVORO");
    EXPECT_EQ(testi.at({1, 2}), "RESTA");
    const double mm = 100 / 25.4;
    EXPECT_NEAR(p.row_height[1], 6 * mm, 0.01);
    EXPECT_GT(p.row_height[2], 12 * mm);  // three lines or more of 10 points
    EXPECT_NEAR(p.row_height[3], 6 * mm, 0.01);
    for (const gui::PlacedText& x : p.texts) {
        if (x.row == 3) {
            EXPECT_GT(x.rect.width(), 80 * mm);  // across both columns
        }
    }
    ASSERT_EQ(p.frames.size(), 1u);
    EXPECT_NEAR(p.frames[0].width(), 90 * mm, 0.01);
    EXPECT_DOUBLE_EQ(p.scale, 1.0);

    // Far more rows than the page holds: the sheet shrinks evenly to fit.
    const auto lungo = gui::read_template("FOGLIO Foglio1\nCOLONNA A 100\nRIGHE 100 6\n", nullptr);
    ASSERT_TRUE(lungo);
    p = gui::lay_out(*lungo, plat::PrintJob{}, img);
    EXPECT_LT(p.scale, 1.0);
    EXPECT_NEAR(p.sheet.height() * p.scale, 277 * mm, 0.5);
}

TEST(PaginaStampa, TheShippedTemplatePaintsTheTextsAndTheLogoOnOnePage) {
    gui_test::qt_app();
    std::string errore;
    const auto t = gui::read_template(leggi(kModelloSpedito), &errore);
    ASSERT_TRUE(t) << errore;
    plat::PrintJob job;
    job.sheet = "Foglio1";
    job.logo_path = std::string(SOURCE_DATA_FOLDER) + "ICONA.BMP";
    job.logo_row = 2;
    job.logo_column = 1;
    job.logo_width_scale = 0.35;
    job.logo_height_scale = 0.4;
    for (int r = 1; r <= 53; ++r)
        job.cells.push_back({r, 1, "RIGA " + std::to_string(r) + " DEL CONTRATTO"});
    job.cells.push_back({3, 2, "Spett.le Signor BIANCHI ANNA"});
    QImage img = pagina();
    {
        QPainter painter(&img);
        gui::paint_page(painter, *t, job);
    }
    const gui::PageLayout p = gui::lay_out(*t, job, img);
    EXPECT_DOUBLE_EQ(p.scale, 1.0);
    ASSERT_FALSE(p.logo.isNull());
    // 120 x 90 dots at 96 an inch, scaled 0.35 x 0.4, on a 100-dot page.
    EXPECT_NEAR(p.logo_rect.width(), 120 / 96.0 * 100 * 0.35, 0.01);
    EXPECT_NEAR(p.logo_rect.height(), 90 / 96.0 * 100 * 0.4, 0.01);
    const QPointF o = p.origin;
    const QRect logo = p.logo_rect.translated(o).toRect();
    int colorati = 0;
    for (int y = logo.top() + 1; y < logo.bottom(); ++y)
        for (int x = logo.left() + 1; x < logo.right(); ++x)
            if (img.pixelColor(x, y) != QColor(Qt::white)) ++colorati;
    EXPECT_GT(colorati, logo.width() * logo.height() / 2);
    for (const gui::PlacedText& x : p.texts) {
        const QRect r = x.rect.translated(o).toRect();
        if (x.row == 3 && x.column == 2) {
            EXPECT_GT(scuri(img, r), 50);
        }
        if (x.row == 53 && x.column == 1) {
            EXPECT_GT(scuri(img, r), 20);
        }
    }
    // Nothing in the margins.
    EXPECT_EQ(scuri(img, QRect(0, 0, 827, static_cast<int>(o.y()) - 2)), 0);
    EXPECT_EQ(scuri(img, QRect(0, 1169 - 35, 827, 35)), 0);
}

class StampanteQt : public ::testing::Test {
protected:
    void SetUp() override {
        gui_test::qt_app();
        cartella = fs::temp_directory_path() / ("stampa_" + std::to_string(::getpid()));
        fs::remove_all(cartella);
        fs::create_directories(cartella / "stampe");
        modello = (cartella / "stampe" / "prenotazione.xls").string();
        fs::copy_file(kModelloSpedito, modello);
        job.template_path = modello;
        job.sheet = "Foglio1";
        job.logo_path = std::string(SOURCE_DATA_FOLDER) + "ICONA.BMP";
        job.logo_row = 2;
        job.logo_column = 1;
        job.cells = {{1, 1, "RICEVUTA PRENOTAZIONE LOCAZIONE STAGIONALE "},
                     {3, 2, "Spett.le Signor BIANCHI"}};
        job.pdf_path = (cartella / "ricevuta_007.pdf").string();
    }
    void TearDown() override { fs::remove_all(cartella); }

    fs::path cartella;
    std::string modello;
    plat::PrintJob job;
    gui::QtPrinter stampante{false};
};

TEST_F(StampanteQt, WithoutAPrinterThePageIsSavedAsAPdfAndTheTemplateIsUntouched) {
    const std::string prima = leggi(modello);
    const plat::PrintResult r = stampante.print(job);
    EXPECT_EQ(r.outcome, plat::PrintOutcome::SavedAsPdf) << r.error;
    EXPECT_EQ(r.where, job.pdf_path);
    EXPECT_TRUE(leggi(job.pdf_path).starts_with("%PDF"));
    EXPECT_EQ(leggi(modello), prima);
    EXPECT_EQ(fs::directory_iterator(cartella / "stampe")->path().filename(), "prenotazione.xls");
}

TEST_F(StampanteQt, APdfTheDiskCannotHoldWholeIsNotSavedAndLeavesNothingBehind) {
    std::ofstream(job.pdf_path) << "RICEVUTA DI IERI";
    const auto file = [&] {
        std::vector<std::string> nomi;
        for (const auto& f : fs::directory_iterator(cartella))
            // the folder's save lock, made by the first write, is the program's own
            if (f.path().extension() != ".LCK") nomi.push_back(f.path().filename().string());
        std::sort(nomi.begin(), nomi.end());
        return nomi;
    };
    const std::vector<std::string> prima = file();
    {
        // Room for a part of the page only, as on a nearly full disk.
        const ga::test::DiscoPieno disco(4096);
        const plat::PrintResult r = stampante.print(job);
        EXPECT_EQ(r.outcome, plat::PrintOutcome::Failed);
        EXPECT_EQ(r.error,
                  "NESSUNA STAMPANTE DISPONIBILE E IMPOSSIBILE SCRIVERE IL FILE\r" + job.pdf_path);
        const plat::PrintResult chiesto = stampante.save_pdf(job);
        EXPECT_EQ(chiesto.outcome, plat::PrintOutcome::Failed);
        EXPECT_EQ(chiesto.error, "IMPOSSIBILE SCRIVERE IL FILE\r" + job.pdf_path);
    }
    EXPECT_EQ(file(), prima);
    EXPECT_TRUE(leggi(job.pdf_path) == "RICEVUTA DI IERI") << "the old PDF is untouched";

    // With room, the page replaces the old one whole.
    ASSERT_EQ(stampante.save_pdf(job).outcome, plat::PrintOutcome::SavedAsPdf);
    const std::string pdf = leggi(job.pdf_path);
    EXPECT_GT(pdf.size(), 4096u);
    EXPECT_TRUE(pdf.starts_with("%PDF") && pdf.find("%%EOF", pdf.size() - 8) != std::string::npos);
    EXPECT_EQ(file(), prima);
}

TEST_F(StampanteQt, AJobOfSeveralPagesPrintsEachPageWithTheSharedCells) {
    job.pages = {{{3, 2, "Spett.le Signor VERDI"}}, {{3, 2, "Spett.le Signor NERI"}}, {}};
    const std::vector<plat::PrintJob> pagine = gui::single_pages(job);
    ASSERT_EQ(pagine.size(), 3u);
    EXPECT_EQ(pagine[1].cells.size(), 3u);
    EXPECT_EQ(pagine[1].cells.back().text, "Spett.le Signor NERI");
    EXPECT_EQ(pagine[2].cells.size(), 2u);
    const plat::PrintResult r = stampante.print(job);
    ASSERT_EQ(r.outcome, plat::PrintOutcome::SavedAsPdf) << r.error;
    const std::string pdf = leggi(job.pdf_path);
    std::size_t n = 0;
    for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos;
         at = pdf.find("/Type /Page", at + 1))
        if (pdf.compare(at, 12, "/Type /Pages") != 0) ++n;
    EXPECT_EQ(n, 3u);

    // A page's own cell outside the sheet stops the whole job.
    job.pages[2].push_back({54, 1, "OLTRE"});
    EXPECT_EQ(stampante.print(job).error,
              "MODELLO DI STAMPA " + modello + ":\rLA CELLA A54 E' FUORI DAL FOGLIO DEL MODELLO.");
}

TEST_F(StampanteQt, WhatCannotBePrintedIsToldAndNoPdfIsLeft) {
    plat::PrintJob fuori = job;
    fuori.cells.push_back({54, 1, "OLTRE"});
    plat::PrintJob altro_foglio = job;
    altro_foglio.sheet = "Foglio2";
    plat::PrintJob senza_modello = job;
    senza_modello.template_path = (cartella / "stampe" / "manca.xls").string();
    plat::PrintJob senza_cartella = job;
    senza_cartella.pdf_path = (cartella / "manca" / "ricevuta.pdf").string();

    const std::pair<const plat::PrintJob*, std::string> casi[] = {
        {&fuori,
         "MODELLO DI STAMPA " + modello + ":\rLA CELLA A54 E' FUORI DAL FOGLIO DEL MODELLO."},
        {&altro_foglio,
         "MODELLO DI STAMPA " + modello + ":\rIL MODELLO NON HA IL FOGLIO \"Foglio2\"."},
        {&senza_modello, "MODELLO DI STAMPA " + senza_modello.template_path +
                             ":\rIL FILE NON SI TROVA O NON SI PUO' LEGGERE."},
        {&senza_cartella, "NESSUNA STAMPANTE DISPONIBILE E IMPOSSIBILE SCRIVERE IL FILE\r" +
                              senza_cartella.pdf_path},
    };
    for (const auto& [lavoro, errore] : casi) {
        const plat::PrintResult r = stampante.print(*lavoro);
        EXPECT_EQ(r.outcome, plat::PrintOutcome::Failed);
        EXPECT_EQ(r.error, errore);
    }
    EXPECT_FALSE(fs::exists(job.pdf_path));

    std::ofstream(modello, std::ios::trunc)
        << "FOGLIO Foglio1\nCOLONNA A 100\nRIGHE 60 5\nCELLA Z1 X\n";
    const plat::PrintResult r = stampante.print(job);
    EXPECT_EQ(r.error,
              "MODELLO DI STAMPA " + modello + ":\rLINEA 4: LA CELLA Z1 E' FUORI DAL FOGLIO.");
}

}  // namespace
