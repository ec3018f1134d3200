// The find-booking dialog and the printing menu in their windows, each with a
// choice made, for a person to look at.
#include <gtest/gtest.h>

#include <QWidget>

#include "finestre.h"
#include "support/righe.h"

namespace {

void dati_di_prova(gui_test::Finestre& f) {
    ga::test::Banco& b = f.banco();
    b.prepara_dati();
    f.app().s.percorso_logo = b.cartella_programma() + "ICONA.BMP";
    b.scrivi(b.cartella_dati() + "clienti.dat",
             {ga::test::cliente_bianchi(), ga::test::cliente_verdi()});
    b.scrivi(b.cartella_dati() + "prenotazioni2026.dat",
             {ga::test::riga_prenotazione({{ga::pren::appartamento, "0010"},
                                           {ga::pren::cliente, "0001"},
                                           {ga::pren::arrivo, "01/07/2026"},
                                           {ga::pren::partenza, "15/07/2026"},
                                           {ga::pren::affitto, "1.500,00"},
                                           {ga::pren::acconto, "500,00"},
                                           {ga::pren::diritti, "ND"},
                                           {ga::pren::pulizia, "ND"},
                                           {ga::pren::cauzione, "0,00"},
                                           {ga::pren::chiusura, "0.00.00"}}),
              ga::test::riga_prenotazione({{ga::pren::appartamento, "0020"},
                                           {ga::pren::cliente, "0002"},
                                           {ga::pren::arrivo, "01/07/2026"},
                                           {ga::pren::partenza, "15/07/2026"},
                                           {ga::pren::affitto, "1.000,00"},
                                           {ga::pren::acconto, "300,00"},
                                           {ga::pren::diritti, "ND"},
                                           {ga::pren::pulizia, "ND"},
                                           {ga::pren::cauzione, "0,00"},
                                           {ga::pren::chiusura, "0.00.00"}}),
              ga::test::riga_prenotazione({{ga::pren::appartamento, "0020"},
                                           {ga::pren::cliente, "0001"},
                                           {ga::pren::arrivo, "01/08/2026"},
                                           {ga::pren::partenza, "15/08/2026"},
                                           {ga::pren::affitto, "1.000,00"},
                                           {ga::pren::acconto, "300,00"},
                                           {ga::pren::diritti, "ND"},
                                           {ga::pren::pulizia, "ND"},
                                           {ga::pren::cauzione, "0,00"},
                                           {ga::pren::chiusura, "0.00.00"}})});
    b.scrivi(b.cartella_dati() + "fatture2026.dat",
             {ga::test::riga_fattura({{ga::fatt::data, "02/01/2026"},
                                      {ga::fatt::numero, "1"},
                                      {ga::fatt::cliente, "0002"},
                                      {ga::fatt::descrizione, "AFFITTO"},
                                      {ga::fatt::imponibile, "700,00"},
                                      {ga::fatt::iva, "154,00"},
                                      {ga::fatt::regime, "2"},
                                      {ga::fatt::totale, "854,00"}}),
              ga::test::riga_fattura({{ga::fatt::data, "03/01/2026"},
                                      {ga::fatt::numero, "2"},
                                      {ga::fatt::cliente, "0001"},
                                      {ga::fatt::descrizione, "AFFITTO"},
                                      {ga::fatt::imponibile, "100,00"},
                                      {ga::fatt::regime, "4"},
                                      {ga::fatt::totale, "100,00"}})});
}

TEST(FinestreStampe, TrovaPrenotWithAClientsBookingsListed) {
    gui_test::Finestre f;
    dati_di_prova(f);
    ga::App& app = f.app();
    app.run([&] { app.form("TROVA_PRENOT")->show(); });
    plat::Form& t = *app.form("TROVA_PRENOT");
    app.click(*t.control("Command4"));
    app.pick(*t.control("Combo1"), 0);
    EXPECT_TRUE(f.fotografa("TROVA_PRENOT"));
    EXPECT_TRUE(f.finestra("TROVA_PRENOT")->isVisible());
}

TEST(FinestreStampe, MenuStampaWithTheReprintSectionOpen) {
    gui_test::Finestre f;
    dati_di_prova(f);
    ga::App& app = f.app();
    app.run([&] { app.form("menustampa")->show(); });
    plat::Form& m = *app.form("menustampa");
    app.click(*m.control("Command1"));
    app.click(*m.control("Command5"));
    EXPECT_TRUE(f.fotografa("menustampa"));
    EXPECT_TRUE(f.finestra("menustampa")->isVisible());
}

}  // namespace

namespace {

TEST(FinestreStampe, MenuStampaWithTheInvoiceReprintOpen) {
    gui_test::Finestre f;
    dati_di_prova(f);
    ga::App& app = f.app();
    app.run([&] { app.form("menustampa")->show(); });
    plat::Form& m = *app.form("menustampa");
    app.click(*m.control("Command2"));
    app.pick(*m.control("List2"), 1);
    EXPECT_TRUE(f.fotografa("menustampa", "menustampa_fatture"));
    EXPECT_TRUE(m.control("stampafat")->visible());
}

}  // namespace
