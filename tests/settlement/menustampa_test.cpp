// The printing menu: one section open at a time, the two ways of choosing a
// booking to reprint, the availability month, and the exit.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "settlement/menustampa.h"
#include "support/banco.h"

namespace ga {
namespace {

using Righe = std::vector<std::string>;
constexpr long kRosso = 192, kVerde = 32768;

class MenuStampa : public ::testing::Test {
protected:
    void SetUp() override {
        b.prepara_dati();
        app.s.agenzia_nome = "MARE BLU";
        app.s.percentuale_cauzione = "20";
        app.s.deposito_minimo = "150";
        b.scrivi(dati("appartamenti.ind"), {"0001*0001*12*BIL*SI*1*NO*1*4*ESTIVO***0010",
                                            "0001*0001*14*MON*SI*1*NO*1*2*ESTIVO***0020"});
        b.scrivi(dati("clienti.dat"), {"0001*BIANCHI ANNA*VIA MARE 2*70100*BARI*080*BA*X*",
                                       "0002*VERDI LUCA*VIA LAGO 3*73028*OTRANTO*0836*LE*Y*",
                                       "0003* BIANCHI ANNA*VIA ALTRA 1*73100*LECCE*0832*LE*Z*"});
        b.scrivi(dati("prenotazioni2026.dat"),
                 {"0010*0001*01/07/2026*15/07/2026*1.500,00*500,00*ND*ND*0,00*0.00.00*******",
                  "0020*0002*01/07/2026*15/07/2026*1.000,00*300,00*ND*ND*0,00*0.00.00*******",
                  "0020*0001*01/08/2026*15/08/2026*1.000,00*300,00*ND*ND*0,00*0.00.00*******"});
        app.run([&] {
            app.form("MENU")->show();
            app.form("MENU")->set_enabled(false);
            m().show();
        });
    }
    std::string dati(const std::string& f) const { return b.cartella_dati() + f; }
    menustampa& m() { return app.form<menustampa>(); }
    Righe voci(plat::Control& lista) {
        Righe v;
        for (int i = 0; i < lista.list_count(); ++i) v.push_back(lista.item(i));
        return v;
    }
    std::string mostrati(std::initializer_list<plat::Control*> controlli) {
        std::string v;
        for (plat::Control* c : controlli)
            if (c->visible()) v += (v.empty() ? "" : " ") + c->name();
        return v;
    }
    std::string sezioni() {
        return m().Command1.caption() + "|" + m().Command6.caption() + "|" + m().Command7.caption() + "|" +
               mostrati({&m().SCELTAPRENOT, &m().STAMPDISPON, &m().SCELTA});
    }
    std::string scelta_prenotazione() {
        return mostrati({&m().Label6, &m().Label7, &m().Combo1, &m().Text1, &m().List1, &m().stampapre});
    }

    test::Banco b;
    App& app = b.app();
};

TEST_F(MenuStampa, OneSectionIsOpenAtATimeAndItsButtonClosesItAgain) {
    EXPECT_EQ(m().width(), 8040);
    EXPECT_EQ(m().Label2.caption(), " ANNO DI GESTIONE 2026");
    EXPECT_EQ(sezioni(), "|||");

    m().Command2.set_caption("_");
    app.click(m().Command1);
    EXPECT_EQ(sezioni(), "_|||SCELTAPRENOT");
    EXPECT_EQ(m().Command2.caption(), "");
    app.click(m().Command6);
    EXPECT_EQ(sezioni(), "|_||STAMPDISPON");
    app.click(m().Command7);
    EXPECT_EQ(sezioni(), "||_|SCELTA");
    app.click(m().Command7);
    EXPECT_EQ(sezioni(), "|||");

    // A caption that is neither open nor closed: the button does nothing.
    m().Command1.set_caption("?");
    app.click(m().Command1);
    EXPECT_EQ(sezioni(), "?|||");
}

TEST_F(MenuStampa, TheReprintSectionChoosesABookingByClientOrByNumber) {
    app.click(m().Command1);
    EXPECT_EQ(voci(m().List1), (Righe{"001", "002", "003"}));
    EXPECT_EQ(voci(m().Combo1), (Righe{"BIANCHI ANNA", "VERDI LUCA", " BIANCHI ANNA"}));
    EXPECT_EQ(scelta_prenotazione(), "Label6 Label7");

    app.click(m().Command5);
    EXPECT_EQ(std::make_pair(m().Command4.back_color(), m().Command5.back_color()), std::make_pair(kRosso, kVerde));
    EXPECT_EQ(scelta_prenotazione(), "Text1 List1");
    app.pick(m().List1, 2);
    EXPECT_EQ(m().Text1.text(), "003");
    EXPECT_EQ(scelta_prenotazione(), "Text1 stampapre");
    app.click(m().Command5);
    EXPECT_EQ(scelta_prenotazione(), "Label6 Label7");

    // By client: one booking is chosen at once; two are listed.
    app.click(m().Command4);
    EXPECT_EQ(std::make_pair(m().Command4.back_color(), m().Command5.back_color()), std::make_pair(kVerde, kRosso));
    EXPECT_EQ(scelta_prenotazione(), "Combo1");
    app.pick(m().Combo1, 1);
    EXPECT_EQ(m().Text1.text(), "002");
    EXPECT_EQ(scelta_prenotazione(), "Text1 stampapre");
    app.click(m().Command4);
    app.click(m().Command4);
    app.pick(m().Combo1, 0);
    EXPECT_EQ(voci(m().List1), (Righe{"001 0010", "003 0020"}));
    EXPECT_EQ(m().Text1.text(), "");
    EXPECT_EQ(scelta_prenotazione(), "Text1 List1 stampapre");

    // Typing a number offers the print.
    app.click(m().Command5);
    app.click(m().Command5);
    app.click(m().Command5);
    EXPECT_FALSE(m().stampapre.visible());
    app.type(m().Text1, "2");
    EXPECT_TRUE(m().stampapre.visible());
}

TEST_F(MenuStampa, AClientWithoutBookingsLeavesNoEarlierChoiceToPrint) {
    b.scrivi(dati("clienti.dat"), {"0001*BIANCHI ANNA*VIA MARE 2*70100*BARI*080*BA*X*",
                                   "0002*VERDI LUCA*VIA LAGO 3*73028*OTRANTO*0836*LE*Y*",
                                   "0004*NERI ADA*VIA PO 1*73100*LECCE*0832*LE*Z*"});
    app.click(m().Command1);
    app.click(m().Command4);
    app.pick(m().Combo1, 1);
    EXPECT_EQ(m().Text1.text(), "002");
    app.click(m().Command4);
    app.click(m().Command4);
    app.pick(m().Combo1, 2);
    EXPECT_EQ(m().List1.list_count(), 0);
    EXPECT_EQ(m().Text1.text(), "");
    EXPECT_TRUE(m().stampapre.visible());
    app.click(m().stampapre);
    EXPECT_TRUE(b.stampante().jobs.empty());
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"SCEGLIERE LA PRENOTAZIONE DA STAMPARE."});
}

TEST_F(MenuStampa, WithAThousandBookingsTheLastNumberHasFourDigits) {
    b.scrivi(dati("prenotazioni2026.dat"),
             Righe(1000, "0010*0001*01/07/2026*15/07/2026*1.500,00*500,00*ND*ND*0,00*0.00.00*******"));
    app.click(m().Command1);
    ASSERT_EQ(m().List1.list_count(), 1000);
    EXPECT_EQ(m().List1.item(98), "099");
    EXPECT_EQ(m().List1.item(99), "100");
    EXPECT_EQ(m().List1.item(999), "1000");
}

TEST_F(MenuStampa, TheAvailabilityIsCompleteOrForTheMonthChosen) {
    auto disponibilita = [&] {
        return mostrati({&m().Label13, &m().Label14, &m().Combo2, &m().stampaDIS});
    };
    app.click(m().Command6);
    EXPECT_EQ(b.app().s.mese_scelto, "0");
    EXPECT_EQ(disponibilita(), "Label13 Label14");
    EXPECT_EQ(m().Combo2.list_count(), 13);

    app.click(m().XMESE);
    EXPECT_EQ(std::make_pair(m().TOTALE.back_color(), m().XMESE.back_color()), std::make_pair(kRosso, kVerde));
    EXPECT_EQ(disponibilita(), "Combo2");
    app.pick(m().Combo2, 3);
    EXPECT_EQ(m().Combo2.text(), "MARZO");
    EXPECT_EQ(b.app().s.mese_scelto, "3");
    EXPECT_EQ(disponibilita(), "Combo2 stampaDIS");
    app.pick(m().Combo2, 12);
    EXPECT_EQ(b.app().s.mese_scelto, "12");

    // "COMPLETA" after a month keeps the month; reopening the section resets it.
    app.click(m().TOTALE);
    EXPECT_EQ(std::make_pair(m().TOTALE.back_color(), m().XMESE.back_color()), std::make_pair(kVerde, kRosso));
    EXPECT_EQ(disponibilita(), "Label14 stampaDIS");
    EXPECT_EQ(b.app().s.mese_scelto, "12");
    app.click(m().TOTALE);
    EXPECT_EQ(disponibilita(), "Label13 Label14");
    app.click(m().XMESE);
    app.click(m().XMESE);
    EXPECT_EQ(disponibilita(), "Label13 Label14");
    app.click(m().Command6);
    app.click(m().Command6);
    EXPECT_EQ(b.app().s.mese_scelto, "0");
}

TEST_F(MenuStampa, PrintingTheChosenBookingAndLeaving) {
    app.click(m().Command1);
    app.click(m().Command5);
    app.pick(m().List1, 1);
    app.click(m().stampapre);
    ASSERT_EQ(b.stampante().jobs.size(), 1u);
    bool numero = false;
    for (const plat::Cell& c : b.stampante().jobs.back().cells)
        numero = numero || (c.row == 2 && c.column == 2 && c.text.find(" Ric. n°   002 / 20") != std::string::npos);
    EXPECT_TRUE(numero);
    EXPECT_EQ(app.s.cauzione_ricevuta, "200");
    EXPECT_EQ(app.campo("prenotazione", "Check5").value(), 1);

    // The second of two clients with the same name prints his own booking.
    b.scrivi(dati("prenotazioni2026.dat"),
             {"0010*0001*01/07/2026*15/07/2026*1.500,00*500,00*ND*ND*0,00*0.00.00*******",
              "0010*0003*01/09/2026*15/09/2026*900,00*300,00*ND*ND*0,00*0.00.00*******"});
    app.click(m().Command1);
    app.click(m().Command1);
    app.click(m().Command4);
    app.pick(m().Combo1, 2);
    EXPECT_EQ(m().Text1.text(), "002");
    app.click(m().stampapre);
    bool cliente = false;
    for (const plat::Cell& c : b.stampante().jobs.back().cells)
        cliente = cliente || (c.row == 5 && c.column == 2 && c.text == " Via VIA ALTRA 1");
    EXPECT_TRUE(cliente);

    app.click(m().Command3);
    EXPECT_FALSE(m().is_loaded());
    EXPECT_TRUE(app.form("MENU")->enabled());
    // Opened again, it starts as designed.
    app.run([&] { m().show(); });
    EXPECT_EQ(sezioni(), "|||");
    EXPECT_EQ(m().Command5.back_color(), kRosso);
}

}  // namespace
}  // namespace ga
