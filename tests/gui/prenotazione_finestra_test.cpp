// The booking page in its window, opened from the menu, with an apartment,
// a client and a period chosen, for a person to look at; the agency items
// take their defaults from a double-click of the mouse.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "finestre.h"
#include "support/righe.h"

namespace {

// What a click or a double-click puts into a box is replaced by what is
// typed next: the extra beds counted to 1 and a 2 typed are 2 beds, a fee
// proposed and an amount typed are that amount.
TEST(FinestraPrenotazione, ANumberTypedAfterAClickReplacesWhatTheClickPut) {
    gui_test::Finestre f;
    ga::App& app = f.app();
    f.banco().prepara_dati();
    app.s.primo_accesso_menu = "1";
    app.s.diritti_agenzia = "120";
    app.run([&] { app.form("prenotazione")->show(); });
    plat::Form& p = *app.form("prenotazione");
    QWidget* letti = f.desktop().widget(*p.control("Text31"));
    gui_test::clic(letti);
    ASSERT_EQ(p.control("Text31")->text(), "1");
    QTest::keyClicks(letti, "2");
    EXPECT_EQ(p.control("Text31")->text(), "2");
    gui_test::clic(letti);
    EXPECT_EQ(p.control("Text31")->text(), "3") << "a click adds one to the number typed";

    QWidget* diritti = f.desktop().widget(*p.control("Text17"));
    gui_test::doppio_clic(diritti);
    ASSERT_EQ(p.control("Text17")->text(), "120,00");
    QTest::keyClicks(diritti, "90");
    EXPECT_EQ(p.control("Text17")->text(), "90");
}

TEST(FinestraPrenotazione, ShowsABookingBeingEntered) {
    gui_test::Finestre f;
    ga::App& app = f.app();
    ga::test::Banco& b = f.banco();
    b.prepara_dati();
    app.s.percorso_logo = b.cartella_programma() + "ICONA.BMP";
    app.s.primo_accesso_menu = "1";
    app.s.percentuale_cauzione = "10";
    app.s.costo_letto = "25";
    app.s.diritti_agenzia = "120";
    app.s.pulizia_finale = "80";
    const std::string d = b.cartella_dati();
    b.scrivi(d + "Vie.dat",
             {ga::test::riga_via({{ga::vie::codice, "0001"}, {ga::vie::nome, "VIA DEL MARE"}})});
    b.scrivi(d + "proprietari.IND",
             {ga::test::riga_proprietario({{ga::proprietario::nome, "ROSSI MARIO"},
                                           {ga::proprietario::via, "VIA ROMA 1"},
                                           {ga::proprietario::citta, "LECCE"},
                                           {ga::proprietario::provincia, "LE"},
                                           {ga::proprietario::cap, "73100"},
                                           {ga::proprietario::telefono, "0832111"},
                                           {ga::proprietario::codice, "0001"},
                                           {ga::proprietario::codice_fiscale, "X"},
                                           {ga::proprietario::rapporto, "PROVV"}})});
    b.scrivi(d + "appartamenti.ind",
             {ga::test::riga_appartamento({{ga::appartamento::codice_proprietario, "0001"},
                                           {ga::appartamento::codice_via, "0001"},
                                           {ga::appartamento::civico, "12"},
                                           {ga::appartamento::tipo, "BIL"},
                                           {ga::appartamento::soggiorno, "1"},
                                           {ga::appartamento::bagni, "2"},
                                           {ga::appartamento::giardino, "SI"},
                                           {ga::appartamento::piano, "1"},
                                           {ga::appartamento::posti_letto, "4+2"},
                                           {ga::appartamento::periodicita, "ESTIVO"},
                                           {ga::appartamento::codice, "0012"}})});
    b.scrivi(d + "clienti.dat",
             {ga::test::riga_cliente({{ga::cliente::codice, "0001"},
                                      {ga::cliente::nome, "BIANCHI ANNA"},
                                      {ga::cliente::via, "VIA MARE 2"},
                                      {ga::cliente::cap, "70100"},
                                      {ga::cliente::citta, "BARI"},
                                      {ga::cliente::telefono, "080222"},
                                      {ga::cliente::provincia, "BA"},
                                      {ga::cliente::codice_fiscale, "RSSMRA85T10A562S"},
                                      {ga::cliente::email, "anna@esempio.it"}})});
    b.scrivi(app.s.percorso_periodi, {ga::test::riga_periodo({{ga::periodo::codice, "0012"},
                                                              {ga::periodo::dal, "01/07/2026"},
                                                              {ga::periodo::al, "15/07/2026"},
                                                              {ga::periodo::prezzo, "1.500,00"},
                                                              {ga::periodo::stato, "LIB"}}),
                                      ga::test::riga_periodo({{ga::periodo::codice, "0012"},
                                                              {ga::periodo::dal, "16/07/2026"},
                                                              {ga::periodo::al, "31/07/2026"},
                                                              {ga::periodo::prezzo, "1.800,00"},
                                                              {ga::periodo::stato, "LIB"}}),
                                      ga::test::riga_periodo({{ga::periodo::codice, "0012"},
                                                              {ga::periodo::dal, "01/08/2026"},
                                                              {ga::periodo::al, "31/08/2026"},
                                                              {ga::periodo::prezzo, "3.200,00"},
                                                              {ga::periodo::stato, "LIB"}})});
    app.run([&] {
        app.imposta("zeltra", "Text11", "150,00");
        app.form("MENU")->show();
        app.campo("MENU", "List1").set_list_index(0);
    });
    plat::Form& p = *app.form("prenotazione");
    app.pick(*p.control("Combo1"), 0);
    app.type(*p.control("Text8"), "bianchi");
    app.leave(*p.control("Text8"));
    app.click(*p.control("CONFERMA"));
    // Tabbing into the free periods picks none.
    f.desktop().widget(*p.control("List1"))->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(p.control("List1")->list_index(), -1);
    EXPECT_EQ(p.control("Text28")->text(), "");
    app.pick(*p.control("List1"), 1);
    app.click(*p.control("Text31"));
    app.type(*p.control("Text20"), "ARRIVO IN SERATA");
    // One click: not due; a double-click: the amount foreseen.
    gui_test::clic(f.desktop().widget(*p.control("Text17")));
    EXPECT_EQ(p.control("Text17")->text(), "ND");
    for (const char* voce : {"Text17", "Text18"})
        gui_test::doppio_clic(f.desktop().widget(*p.control(voce)));
    EXPECT_EQ(p.control("Text17")->text(), "120,00");
    EXPECT_EQ(p.control("Text18")->text(), "80,00");
    EXPECT_TRUE(f.fotografa("prenotazione"));
    EXPECT_TRUE(f.finestra("prenotazione")->isVisible());
}

}  // namespace
