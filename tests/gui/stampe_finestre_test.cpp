// The find-booking dialog and the printing menu in their windows, each with a
// choice made, for a person to look at.
#include <gtest/gtest.h>

#include <QWidget>

#include "finestre.h"

namespace {

void dati_di_prova(gui_test::Finestre& f) {
    ga::test::Banco& b = f.banco();
    b.prepara_dati();
    f.app().s.percorso_logo = b.cartella_programma() + "ICONA.BMP";
    b.scrivi(b.cartella_dati() + "clienti.dat",
             {"0001*BIANCHI ANNA*VIA MARE 2*BARI*70100*080*BA*X*",
              "0002*VERDI LUCA*VIA LAGO 3*OTRANTO*73028*0836*LE*Y*"});
    b.scrivi(b.cartella_dati() + "prenotazioni2026.dat",
             {"0010*0001*01/07/2026*15/07/2026*1.500,00*500,00*ND*ND*0,00*0.00.00*******",
              "0020*0002*01/07/2026*15/07/2026*1.000,00*300,00*ND*ND*0,00*0.00.00*******",
              "0020*0001*01/08/2026*15/08/2026*1.000,00*300,00*ND*ND*0,00*0.00.00*******"});
    b.scrivi(b.cartella_dati() + "fatture2026.dat",
             {"02/01/2026*1*0002**AFFITTO*700,00*154,00*2**854,00",
              "03/01/2026*2*0001**AFFITTO*100,00**4**100,00"});
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
