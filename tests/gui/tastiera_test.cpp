// The clerk's hands on the real windows: Tab along the rows, the focus where
// the typing starts, lists reached by the arrows, and the data-folder
// chooser driven with the keyboard alone.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

#include "finestre.h"
#include "gui/widgets.h"
#include "platform/control.h"
#include "platform/form.h"
#include "support/righe.h"

namespace {

namespace fs = std::filesystem;

// The form shown and its window the one the keys go to.
void apri(gui_test::Finestre& f, const char* form) {
    f.app().run([&] { f.app().form(form)->show(); });
    QWidget* w = f.finestra(form);
    ASSERT_NE(w, nullptr) << form;
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w)) << form;
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), w, 2000);
}

// The control the keyboard is in now, by its name.
std::string fuoco(gui_test::Finestre& f, const char* form) {
    QWidget* w = QApplication::focusWidget();
    for (plat::Control* c : f.app().form(form)->controls())
        if (w && f.desktop().widget(*c) == w) return c->name();
    return "";
}

void tab() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }

// An owner with one apartment whose first period is 06/06/2026-20/06/2026.
void appartamento(gui_test::Finestre& f) {
    ga::test::Banco& b = f.banco();
    b.prepara_dati();
    const std::string dati = b.cartella_dati();
    b.scrivi(dati + "proprietari.IND",
             {ga::test::riga_proprietario({{ga::proprietario::nome, "ROSSI MARIO"},
                                           {ga::proprietario::via, "VIA A 1"},
                                           {ga::proprietario::citta, "ROMA"},
                                           {ga::proprietario::provincia, "RM"},
                                           {ga::proprietario::cap, "00100"},
                                           {ga::proprietario::telefono, "06 1"},
                                           {ga::proprietario::codice, "0001"},
                                           {ga::proprietario::codice_fiscale, "RSS"},
                                           {ga::proprietario::rapporto, "PROVV"}}),
              ga::test::riga_proprietario({{ga::proprietario::nome, "VERDI LUCA"},
                                           {ga::proprietario::via, "VIA B 2"},
                                           {ga::proprietario::citta, "ROMA"},
                                           {ga::proprietario::provincia, "RM"},
                                           {ga::proprietario::cap, "00100"},
                                           {ga::proprietario::telefono, "06 2"},
                                           {ga::proprietario::codice, "0002"},
                                           {ga::proprietario::codice_fiscale, "VRD"},
                                           {ga::proprietario::rapporto, "PROVV"}})});
    b.scrivi(dati + "Vie.dat",
             {ga::test::riga_via({{ga::vie::codice, "0001"}, {ga::vie::nome, "VIA DEL MARE"}})});
    b.scrivi(dati + "appartamenti.ind",
             {ga::test::riga_appartamento({{ga::appartamento::codice_proprietario, "0001"},
                                           {ga::appartamento::codice_via, "001"},
                                           {ga::appartamento::civico, "3"},
                                           {ga::appartamento::tipo, "MON"},
                                           {ga::appartamento::soggiorno, "NO"},
                                           {ga::appartamento::bagni, "1"},
                                           {ga::appartamento::giardino, "SI"},
                                           {ga::appartamento::piano, "TERRA"},
                                           {ga::appartamento::posti_letto, "2"},
                                           {ga::appartamento::periodicita, "ESTIVO"},
                                           {ga::appartamento::codice, "0001"}})});
    b.scrivi(f.app().s.percorso_periodi, {ga::test::riga_periodo({{ga::periodo::codice, "0001"},
                                                                  {ga::periodo::dal, "06/06/2026"},
                                                                  {ga::periodo::al, "20/06/2026"},
                                                                  {ga::periodo::prezzo, "1.200,00"},
                                                                  {ga::periodo::stato, "LIB"}})});
    f.app().s.modo_chiamata = "";
    apri(f, "appartament");
}

TEST(Tastiera, TabGoesAlongAPeriodRowAndAPriceTypedThereIsThatRowsPrice) {
    gui_test::Finestre f;
    appartamento(f);
    ga::App& app = f.app();
    app.pick(app.campo("appartament", "Combo1"), 0);
    ASSERT_EQ(app.testo("appartament", "prez10"), "1.200,00");
    app.click(app.campo("appartament", "Check2"));
    // The start date of row 2, then its end, then its price: each typed
    // where Tab took the focus.
    QWidget* dal = f.widget("appartament", "DTPICKER3");
    gui_test::clic(dal, QPoint(dal->fontMetrics().horizontalAdvance("0") + 3, dal->height() / 2));
    QTest::keyClicks(QApplication::focusWidget(), "21062026");
    tab();
    EXPECT_EQ(fuoco(f, "appartament"), "DTPICKER4");
    QTest::keyClicks(QApplication::focusWidget(), "04072026");
    tab();
    EXPECT_EQ(fuoco(f, "appartament"), "prez11");
    QTest::keyClicks(QApplication::focusWidget(), "1500");
    tab();
    EXPECT_EQ(app.testo("appartament", "prez10"), "1.200,00");
    EXPECT_EQ(f.banco().leggi(app.s.percorso_periodi),
              (std::vector<std::string>{ga::test::riga_periodo({{ga::periodo::codice, "0001"},
                                                                {ga::periodo::dal, "06/06/2026"},
                                                                {ga::periodo::al, "20/06/2026"},
                                                                {ga::periodo::prezzo, "1.200,00"},
                                                                {ga::periodo::stato, "LIB"}}),
                                        ga::test::riga_periodo({{ga::periodo::codice, "0001"},
                                                                {ga::periodo::dal, "21/06/2026"},
                                                                {ga::periodo::al, "04/07/2026"},
                                                                {ga::periodo::prezzo, "1.500,00"},
                                                                {ga::periodo::stato, "LIB"}})}));
}

TEST(Tastiera, TheStreetListIsReachedByTheArrowAndTheNoteBeforeThePeriodicitySave) {
    gui_test::Finestre f;
    appartamento(f);
    ga::App& app = f.app();
    // An owner without apartments: the card waits for a new one.
    app.pick(app.campo("appartament", "Combo1"), 1);
    f.widget("appartament", "Text44")->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(QApplication::focusWidget(), "2");
    tab();
    ASSERT_EQ(fuoco(f, "appartament"), "Text2");
    ASSERT_TRUE(app.campo("appartament", "Combo3").visible());
    QTest::keyClicks(QApplication::focusWidget(), "Viale Ceccarini");
    tab();
    EXPECT_EQ(fuoco(f, "appartament"), "Text3") << "Tab passes over the street list";
    QTest::keyClicks(QApplication::focusWidget(), "10");
    EXPECT_EQ(app.testo("appartament", "Text2"), "VIALE CECCARINI");
    EXPECT_EQ(app.testo("appartament", "Text3"), "10");
    EXPECT_EQ(
        f.banco().leggi(f.banco().cartella_dati() + "Vie.dat"),
        (std::vector<std::string>{
            ga::test::riga_via({{ga::vie::codice, "0001"}, {ga::vie::nome, "VIA DEL MARE"}}),
            ga::test::riga_via({{ga::vie::codice, "0002"}, {ga::vie::nome, "VIALE CECCARINI"}})}));
    // From the street, Down opens the list of streets.
    f.widget("appartament", "Text2")->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    auto* vie = static_cast<QComboBox*>(f.widget("appartament", "Combo3"));
    ASSERT_TRUE(vie->view()->isVisible());
    // A street taken there with Enter: the house number is typed next.
    QTest::keyClick(vie->view(), Qt::Key_Down);
    QTest::keyClick(vie->view(), Qt::Key_Return);
    EXPECT_FALSE(app.campo("appartament", "Combo3").visible());
    EXPECT_EQ(app.testo("appartament", "Text2"), vie->currentText().toStdString());
    EXPECT_EQ(fuoco(f, "appartament"), "Text3");

    // The note comes before the periodicity, and an arrow on the closed
    // periodicity opens its list without saving; Enter on a line saves.
    for (const char* box : {"Text4", "Text5", "Text6", "Text7", "Text8"})
        app.type(app.campo("appartament", box), "1");
    f.widget("appartament", "Text8")->setFocus(Qt::OtherFocusReason);
    tab();
    EXPECT_EQ(fuoco(f, "appartament"), "Text9");
    QTest::keyClicks(QApplication::focusWidget(), "VISTA MARE");
    tab();
    ASSERT_EQ(fuoco(f, "appartament"), "Combo2");
    f.banco().messaggi().forget();
    auto* periodicita = static_cast<QComboBox*>(QApplication::focusWidget());
    QWheelEvent rotella(QPointF(5, 5), periodicita->mapToGlobal(QPointF(5, 5)), QPoint(),
                        QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(periodicita, &rotella);
    QTest::keyClick(periodicita, Qt::Key_Down);
    EXPECT_TRUE(periodicita->view()->isVisible());
    EXPECT_TRUE(f.banco().messaggi().texts().empty()) << "passing over a line saves nothing";
    QTest::keyClick(periodicita->view(), Qt::Key_Down);
    QTest::keyClick(periodicita->view(), Qt::Key_Return);
    EXPECT_EQ(f.banco().messaggi().texts(),
              std::vector<std::string>{"SEI SICURO DI SALVARE IL NUOVO APPARTAMENTO ? "});
    const auto righe = f.banco().leggi(f.banco().cartella_dati() + "appartamenti.ind");
    ASSERT_EQ(righe.size(), 2u);
    EXPECT_NE(righe[1].find("*ANNUALE**VISTA MARE*0002"), std::string::npos) << righe[1];
}

TEST(Tastiera, TheFocusIsWhereTheTypingStarts) {
    gui_test::Finestre f;
    ga::test::Banco& b = f.banco();
    b.prepara_dati();
    ga::App& app = f.app();
    b.scrivi(b.cartella_dati() + "clienti.dat",
             {ga::test::riga_cliente({{ga::cliente::codice, "0001"},
                                      {ga::cliente::nome, "BIANCHI ANNA"},
                                      {ga::cliente::via, "VIA MARE 2"},
                                      {ga::cliente::cap, "70100"},
                                      {ga::cliente::citta, "BARI"},
                                      {ga::cliente::telefono, "080"},
                                      {ga::cliente::provincia, "BA"},
                                      {ga::cliente::codice_fiscale, "BNCNNA80A41A662X"}})});

    // The owners form opens on NUOVO, whose Enter moves to the name.
    apri(f, "PROPRIETARI");
    EXPECT_EQ(fuoco(f, "PROPRIETARI"), "nuovo");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(fuoco(f, "PROPRIETARI"), "Text2");
    QTest::keyClicks(QApplication::focusWidget(), "NERI");
    EXPECT_EQ(app.testo("PROPRIETARI", "Text2"), "NERI");
    EXPECT_EQ(app.testo("PROPRIETARI", "Text11"), "");
    app.run([&] { app.form("PROPRIETARI")->unload(); });

    // The clients' NUOVO moves to the name too.
    apri(f, "insnomi");
    f.widget("insnomi", "NUOVOINS")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(fuoco(f, "insnomi"), "Text1");
    app.run([&] { app.form("insnomi")->unload(); });

    // A client's bookings: the name box at every opening, after USCITA too.
    for (int volta = 1; volta <= 2; ++volta) {
        apri(f, "VisuPrenotCliente");
        EXPECT_EQ(fuoco(f, "VisuPrenotCliente"), "Text1") << "opening " << volta;
        f.widget("VisuPrenotCliente", "ESCI")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        ASSERT_FALSE(app.form("VisuPrenotCliente")->is_loaded());
    }

    // The year of the utilities: Tab goes to its OK.
    apri(f, "utilita");
    app.click(app.campo("utilita", "Command7"));
    f.widget("utilita", "Text1")->setFocus(Qt::OtherFocusReason);
    tab();
    EXPECT_EQ(fuoco(f, "utilita"), "Command8");

    // The booking page's client code is the program's: no Tab stops there.
    apri(f, "prenotazione");
    f.widget("prenotazione", "Text30")->setFocus(Qt::OtherFocusReason);
    tab();
    EXPECT_NE(fuoco(f, "prenotazione"), "Text25");
    EXPECT_TRUE(app.campo("prenotazione", "Text25").locked());
}

TEST(Tastiera, TheFolderChooserWorksWithTheKeys) {
    gui_test::Finestre f;
    f.banco().prepara_dati();
    ga::App& app = f.app();
    const fs::path radice = fs::path(f.banco().cartella_dati()).parent_path() / "scelta";
    fs::create_directories(radice / "alfa" / "interna");
    fs::create_directories(radice / "beta");
    apri(f, "CERCA_CART");
    EXPECT_EQ(fuoco(f, "CERCA_CART"), "Dir1") << "the keys start in the folders";
    app.run([&] { app.campo("CERCA_CART", "Dir1").set_path(radice.string()); });
    auto* cartelle = static_cast<gui::ProgramList*>(f.widget("CERCA_CART", "Dir1"));
    const int sopra = cartelle->count() - 2;  // the lines leading to the folder
    // Down through the lines leading to the folder and into its subfolders,
    // never back to the top.
    for (int riga = 0; riga <= sopra; ++riga) {
        QTest::keyClick(cartelle, Qt::Key_Down);
        EXPECT_EQ(cartelle->currentRow(), riga);
    }
    EXPECT_EQ(cartelle->text(cartelle->currentRow()).trimmed(), "alfa");
    QTest::keyClick(cartelle, Qt::Key_Return);
    EXPECT_EQ(fs::path(app.campo("CERCA_CART", "Dir1").path()), radice / "alfa");
    // Escape leaves as the close button does: no folder chosen, the menu back.
    QTest::keyClick(cartelle, Qt::Key_Escape);
    EXPECT_FALSE(app.form("CERCA_CART")->is_loaded());
    EXPECT_TRUE(app.form("MENU")->is_enabled());
    fs::remove_all(radice);
}

}  // namespace
