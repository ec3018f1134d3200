// The amounts of the booking page: rent, advance and deposit of the chosen
// period, the agency items, the extras and the period adjuster's hand-over.
#include "prenotazione_banco.h"

#include "platform/text.h"
#include "support/righe.h"

namespace ga::test {
namespace {

class PrenotazioneImporti : public PaginaPrenotazione {
protected:
    // The first period, priced `prezzo`, picked on the page.
    void periodo_a(const std::string& prezzo) {
        Righe periodi = kPeriodi;
        periodi[0] = test::riga_periodo({{periodo::codice, "0012"},
                                         {periodo::dal, "01/07/2026"},
                                         {periodo::al, "15/07/2026"},
                                         {periodo::prezzo, prezzo},
                                         {periodo::stato, "LIB"}});
        b.scrivi(app.s.percorso_periodi, periodi);
        if (p().Text7.text().empty()) return prepara_prenotazione(0);
        app.run([&] { p().cambia_Click(); });  // its button is hidden by now
        scegli_appartamento();
        app.pick(p().List1, 0);
    }
    std::string importi() {
        return p().Text15.text() + "|" + p().Text16.text() + "|" + p().Text17.text() + "|" +
               p().Text18.text() + "|" + p().Text19.text() + "|" + p().Text29.text();
    }
    void minimo(const std::string& m) {
        app.run([&] { app.imposta("zeltra", "Text11", m); });
    }
};

TEST_F(PrenotazioneImporti, APeriodGivesRentAdvanceAndTheComputedDeposit) {
    minimo("200,00");
    periodo_a("1500");
    EXPECT_EQ(importi(), "1.500,00|495,00|0,00|0,00|0,00|200,00");
    EXPECT_FALSE(p().Text15.locked() || p().Text16.locked());
    // The minimum wins only when strictly larger.
    minimo("100,00");
    app.pick(p().List1, 0);
    EXPECT_EQ(p().Text29.text(), "150,00");
    minimo("151");
    periodo_a("1.515,00");
    EXPECT_EQ(p().Text29.text(), "151,50");
    minimo("151,60");
    app.pick(p().List1, 0);
    EXPECT_EQ(p().Text29.text(), "151,60");
    // A minimum of a thousand, as the start form shows it, is a thousand.
    minimo("1.000,00");
    app.pick(p().List1, 0);
    EXPECT_EQ(p().Text29.text(), "1.000,00");
}

TEST_F(PrenotazioneImporti, EditedRentAdvanceAndAgencyItems) {
    // Before a period a click still marks an item not due and unlocks it.
    app.click(p().Text18);
    EXPECT_FALSE(p().Text18.locked());
    periodo_a("1500");
    app.double_click(p().Text19);
    scrivi(p().Text15, "2000");
    // The deposit taken into Text19 keeps its value.
    EXPECT_EQ(importi(), "2.000,00|660,00|0,00|0,00|150,00|200,00");
    // A text that is no amount is told, and nothing is computed from it.
    b.nuovi_messaggi();
    scrivi(p().Text15, "DA DEFINIRE");
    EXPECT_EQ(p().Text15.text() + "|" + p().Text16.text(), "DA DEFINIRE|660,00");
    for (const char* lasciato : {"0", "", "-5"}) {
        scrivi(p().Text16, lasciato);
        EXPECT_EQ(p().Text16.text(), lasciato);
    }
    EXPECT_EQ(b.nuovi_messaggi().size(), 2u);
    scrivi(p().Text16, "500");
    EXPECT_EQ(p().Text16.text(), "500,00");

    app.click(p().Text18);
    EXPECT_EQ(p().Text18.text() + "|" + p().Text18.tooltip(), "ND|0,00");
    app.double_click(p().Text18);
    EXPECT_EQ(p().Text18.text() + "|" + p().Text18.tooltip(), "50,00|ND");
    app.double_click(p().Text17);
    scrivi(p().Text17, "80");
    app.click(p().Text19);
    app.leave(p().Text19);
    EXPECT_EQ(importi(), "DA DEFINIRE|500,00|80,00|50,00|ND|200,00");
    // Choosing the period again resets what the user set.
    app.pick(p().List1, 0);
    EXPECT_EQ(importi(), "1.500,00|495,00|0,00|0,00|0,00|150,00");
}

TEST_F(PrenotazioneImporti, SaveTakesOnlyAmountsNotDueItemsAndAnEmptyAdvance) {
    periodo_a("1500");
    app.double_click(p().Text17);  // unlocked, with the fee of the settings
    const std::string prenotazioni = b.byte(app.s.percorso_prenotazioni);
    const std::string saldi = b.byte(app.s.percorso_saldi);
    b.nuovi_messaggi();
    for (const char* testo :
         {"abc", "1e999", "NaN", "inf", "0x10", "--5", "-1", "99999999999999999999", "1,234"}) {
        for (plat::TextBox* box : {&p().Text15, &p().Text16, &p().Text17, &p().Text33}) {
            const std::string prima = box->text();
            app.type(*box, testo);
            app.leave(*box);
            app.click(p().SALVA);
            const auto messaggi = b.nuovi_messaggi();
            // Told when the box is left, and again by SALVA, which writes nothing.
            ASSERT_EQ(messaggi.size(), 2u) << testo;
            EXPECT_NE(messaggi[1].find(testo), std::string::npos) << messaggi[1];
            app.type(*box, prima);
        }
    }
    EXPECT_EQ(b.byte(app.s.percorso_prenotazioni), prenotazioni);
    EXPECT_EQ(b.byte(app.s.percorso_saldi), saldi);
    EXPECT_EQ(p().Check3.value(), 0);

    // What the page itself stores stays accepted.
    app.click(p().Text17);
    scrivi(p().Text17, "ND");
    scrivi(p().Text16, "");
    scrivi(p().Text32, "30,5");
    app.click(p().SALVA);
    EXPECT_TRUE(b.nuovi_messaggi().empty());
    const auto campi = plat::split(b.leggi(app.s.percorso_prenotazioni).back(), "*");
    EXPECT_EQ(campi.at(4) + "|" + campi.at(5) + "|" + campi.at(6) + "|" + campi.at(14),
              "1.500,00|0,00|ND|30,5");
}

TEST_F(PrenotazioneImporti, ExtraBedsAndLinenEachCountOnFromTheNumberTheyShow) {
    scegli_appartamento();  // 4+2 bed places
    Righe cicli;
    for (int i = 0; i < 5; ++i) {
        app.click(p().Text31);
        cicli.push_back(p().Text31.text() + p().Label30.caption());
    }
    EXPECT_EQ(cicli, (Righe{"1( 25,00 € )", "2( 50,00 € )", "3( 75,00 € )", " ", "1( 25,00 € )"}));
    // A number typed replaces the count and is priced; a click adds one to it.
    app.type(p().Text31, "2");
    EXPECT_EQ(p().Label30.caption(), "( 50,00 € )");
    app.leave(p().Text31);
    app.click(p().Text31);
    EXPECT_EQ(p().Text31.text(), "3");
    // Linen counts its own persons (typed 12.50, it costs 12,50), and moves
    // the beds not at all.
    app.click(p().Text34);
    app.click(p().Text34);
    EXPECT_EQ(p().Text34.text() + p().Label34.caption(), "2( 25,00 € )");
    app.click(p().Text31);
    EXPECT_EQ(p().Text31.text(), " ");
    // A cost under one is still shown.
    app.s.costo_letto = "0,50";
    app.click(p().Text31);
    EXPECT_EQ(p().Label30.caption(), "( 0,50 € )");

    // Linen runs up to the bed places, then blank.
    app.run([&] { p().cambia_Click(); });
    scegli_appartamento(1);  // 4 bed places
    app.type(p().Text34, "");
    std::string linen;
    for (int i = 0; i < 6; ++i) {
        app.click(p().Text34);
        linen += p().Text34.text();
    }
    EXPECT_EQ(linen, "1234 1");
}

// The adjuster opened by a double-click on the list hands its dates and
// price back to the row that was double-clicked.
TEST_F(PrenotazioneImporti, ThePeriodAdjusterHandsBackItsPrice) {
    prepara_prenotazione(0);
    app.double_click_item(p().List1, 2);  // 16/08 - 31/08, period 5
    plat::Form& mp = *app.form("ModPeriodi");
    ASSERT_TRUE(mp.is_visible());
    EXPECT_EQ(app.testo("ModPeriodi", "Text2"), "ROSSI MARIO");
    app.type(*mp.control("Text10"), "2.400,00");
    app.click(*mp.control("ESCI"));
    EXPECT_EQ(p().Text28.text(), "5");
    EXPECT_EQ(importi(), "2.400,00|792,00|0,00|0,00|0,00|240,00");
}

}  // namespace
}  // namespace ga::test
