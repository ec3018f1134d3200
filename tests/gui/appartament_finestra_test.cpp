// The apartment card in its window, an owner with two apartments chosen
// (the list of both shown) and the period grid filled (free, rented and
// owner's rows), for a person to look at; its yes/no boxes and its floor
// box under the mouse.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "finestre.h"
#include "support/righe.h"

namespace {

TEST(FinestraAppartament, ShowsTheCardAndTheGridOfAnApartment) {
    gui_test::Finestre f;
    ga::App& app = f.app();
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
                                           {ga::appartamento::periodicita, "ANNUALE"},
                                           {ga::appartamento::codice, "0005"}}),
              ga::test::riga_appartamento({{ga::appartamento::codice_proprietario, "0001"},
                                           {ga::appartamento::codice_via, "001"},
                                           {ga::appartamento::civico, "12"},
                                           {ga::appartamento::tipo, "BIL"},
                                           {ga::appartamento::soggiorno, "SI"},
                                           {ga::appartamento::bagni, "1"},
                                           {ga::appartamento::giardino, "NO"},
                                           {ga::appartamento::piano, "PRIMO"},
                                           {ga::appartamento::posti_letto, "4"},
                                           {ga::appartamento::periodicita, "ESTIVO"},
                                           {ga::appartamento::note, "VISTA MARE"},
                                           {ga::appartamento::codice, "0007"}})});
    b.scrivi(app.s.percorso_periodi, {ga::test::riga_periodo({{ga::periodo::codice, "0007"},
                                                              {ga::periodo::dal, "01/06/2026"},
                                                              {ga::periodo::al, "15/06/2026"},
                                                              {ga::periodo::prezzo, "750,00"},
                                                              {ga::periodo::stato, "LIB"}}),
                                      ga::test::riga_periodo({{ga::periodo::codice, "0007"},
                                                              {ga::periodo::dal, "16/06/2026"},
                                                              {ga::periodo::al, "30/06/2026"},
                                                              {ga::periodo::prezzo, "900,00"},
                                                              {ga::periodo::stato, "LIB"}}),
                                      ga::test::riga_periodo({{ga::periodo::codice, "0007"},
                                                              {ga::periodo::dal, "01/07/2026"},
                                                              {ga::periodo::al, "15/07/2026"},
                                                              {ga::periodo::prezzo, "1.500,00"},
                                                              {ga::periodo::stato, "AFF"}}),
                                      ga::test::riga_periodo({{ga::periodo::codice, "0007"},
                                                              {ga::periodo::dal, "16/07/2026"},
                                                              {ga::periodo::al, "31/07/2026"},
                                                              {ga::periodo::stato, "PROP"}}),
                                      ga::test::riga_periodo({{ga::periodo::codice, "0007"},
                                                              {ga::periodo::dal, "01/08/2026"},
                                                              {ga::periodo::al, "31/08/2026"},
                                                              {ga::periodo::prezzo, "12.500,00"},
                                                              {ga::periodo::stato, "OCC"}})});
    app.run([&] {
        app.s.modo_chiamata = "";
        app.form("MENU")->hide();
        app.form("appartament")->show();
    });
    app.pick(*app.form("appartament")->control("Combo1"), 0);
    // Two apartments: the last is shown, the list offers both.
    EXPECT_EQ(app.testo("appartament", "Text44"), "0007");
    EXPECT_TRUE(app.campo("appartament", "List1").visible());
    // SOGGIORNO: a click says yes, a double-click no; PIANO goes a floor up
    // at each click, and a double-click is one click.
    auto widget = [&](const char* box) {
        return f.desktop().widget(app.campo("appartament", box));
    };
    gui_test::doppio_clic(widget("Text4"));
    EXPECT_EQ(app.testo("appartament", "Text4"), "NO");
    gui_test::doppio_clic(widget("Text7"));
    EXPECT_EQ(app.testo("appartament", "Text7"), "TERRA");
    // A day typed into the end date of row 2: the date-edit bookkeeping
    // runs (the price put aside) when the box is left.
    auto* fine = widget("DTPICKER4");
    gui_test::clic(fine,
                   QPoint(fine->fontMetrics().horizontalAdvance("0") + 3, fine->height() / 2));
    QTest::keyClicks(fine, "28");
    widget("Text2")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(app.campo("appartament", "DTPICKER4").date().text(), "28/06/2026");
    EXPECT_EQ(app.testo("appartament", "prez11"), "");
    EXPECT_EQ(app.s.valore_salvato, "900,00");
    EXPECT_TRUE(f.fotografa("appartament"));
    EXPECT_TRUE(f.finestra("appartament")->isVisible());
}

}  // namespace
