// The period grid at the turn of the year: a period belongs to the year it
// starts in, and shares no night with the same apartment's periods of the
// year before or after. The clock is set to December, then to January, over
// the same data folder.
#include <gtest/gtest.h>

#include "scheda_banco.h"
#include "support/righe.h"

namespace ga::test {
namespace {

class GrigliaAnni : public BancoScheda {
protected:
    // The program of the moment: `riavvia` makes a new one.
    App& a() { return b.app(); }
    appartament& g() { return a().form<appartament>(); }
    plat::Control& k(const std::string& nome) { return *g().control(nome); }
    plat::Control& cal(int n) { return k("DTPICKER" + std::to_string(n)); }
    void apri_rossi() {
        a().run([&] {
            a().s.modo_chiamata = "";
            a().form("MENU")->hide();
            g().show();
        });
        a().pick(g().Combo1, ROSSI);
        b.nuovi_messaggi();
    }
    // Row r's dates, its end confirmed, then its price entered and left.
    void riga(int r, plat::Date dal, plat::Date al, const std::string& prezzo) {
        a().pick_date(cal(2 * r - 1), dal);
        a().pick_date(cal(2 * r), al);
        a().leave(cal(2 * r));
        a().type(k("prez" + std::to_string(r + 9)), prezzo);
        a().leave(k("prez" + std::to_string(r + 9)));
    }
    std::string file(int anno) {
        return b.cartella_dati() + "periodi" + std::to_string(anno) + ".ind";
    }
    static plat::Date g_(int giorno, int mese, int anno) {
        return *plat::Date::from_dmy(giorno, mese, anno);
    }
};

TEST_F(GrigliaAnni, APeriodStartingInAnotherYearIsRefusedAndOneRunningIntoItIsKept) {
    apri_rossi();
    a().click(k("Check6"));
    riga(6, g_(1, 1, 2027), g_(8, 1, 2027), "700");
    EXPECT_EQ(b.nuovi_messaggi(),
              std::vector<std::string>{"IL PERIODO INIZIA NEL 2027: PER INSERIRLO CAMBIARE "
                                       "L'ANNO DI GESTIONE IN 2027 !! "});
    EXPECT_EQ(b.leggi(file(2026)), kPeriodi);

    riga(6, g_(27, 12, 2026), g_(3, 1, 2027), "700");
    EXPECT_TRUE(b.nuovi_messaggi().empty());
    EXPECT_EQ(b.leggi(file(2026)).back(), test::riga_periodo({{periodo::codice, "0007"},
                                                              {periodo::dal, "27/12/2026"},
                                                              {periodo::al, "03/01/2027"},
                                                              {periodo::prezzo, "700,00"},
                                                              {periodo::stato, "LIB"}}));
}

// Christmas to Epiphany lies in the 2026 file; the 2027 grid of the same
// apartment cannot offer its January nights again, and the other way round.
TEST_F(GrigliaAnni, APeriodSharingANightWithTheNeighbouringYearsPeriodIsRefused) {
    b.scrivi(file(2026), {test::riga_periodo({{periodo::codice, "0007"},
                                              {periodo::dal, "27/12/2026"},
                                              {periodo::al, "03/01/2027"},
                                              {periodo::prezzo, "700,00"},
                                              {periodo::stato, "AFF"}}),
                          test::riga_periodo({{periodo::codice, "0008"},
                                              {periodo::dal, "27/12/2026"},
                                              {periodo::al, "10/01/2027"},
                                              {periodo::prezzo, "700,00"},
                                              {periodo::stato, "LIB"}})});  // another apartment
    b.riavvia(g_(2, 1, 2027));
    apri_rossi();
    a().click(k("Check1"));
    // Every write of the row meets the same checks: a price entered, or the
    // owner's state switched on (written at once, without a price).
    const std::string notti_del_2026 =
        " LA DATA SCELTA E' GIA' COMPRESA IN UN PERIODO DEL 2026 (DAL 27/12/2026 AL 03/01/2027) ";
    const std::string inizia_nel_2026 =
        "IL PERIODO INIZIA NEL 2026: PER INSERIRLO CAMBIARE L'ANNO DI GESTIONE IN 2026 !! ";
    for (const bool del_proprietario : {false, true})
        for (const auto& [dal, messaggio] :
             {std::pair{g_(1, 1, 2027), notti_del_2026}, {g_(30, 12, 2026), inizia_nel_2026}}) {
            if (del_proprietario) {
                a().pick_date(cal(1), dal);
                a().pick_date(cal(2), g_(10, 1, 2027));
                a().double_click(k("situ28"));
            } else {
                riga(1, dal, g_(10, 1, 2027), "900");
            }
            EXPECT_EQ(b.nuovi_messaggi(), std::vector<std::string>{messaggio});
            EXPECT_TRUE(b.leggi(file(2027)).empty());
            EXPECT_EQ(k("situ28").text(), "LIB");
        }
    riga(1, g_(3, 1, 2027), g_(10, 1, 2027), "900");
    EXPECT_EQ(b.leggi(file(2027)),
              std::vector<std::string>{test::riga_periodo({{periodo::codice, "0007"},
                                                           {periodo::dal, "03/01/2027"},
                                                           {periodo::al, "10/01/2027"},
                                                           {periodo::prezzo, "900,00"},
                                                           {periodo::stato, "LIB"}})});

    // Back in December, the 2026 grid meets the 2027 period in the same way,
    // when the end of a row is confirmed.
    b.riavvia(g_(20, 12, 2026));
    b.scrivi(file(2026), kPeriodi);
    apri_rossi();
    a().click(k("Check6"));
    a().pick_date(cal(11), g_(28, 12, 2026));
    a().pick_date(cal(12), g_(5, 1, 2027));
    a().leave(cal(12));
    EXPECT_EQ(b.nuovi_messaggi(),
              std::vector<std::string>{" LA DATA SCELTA E' GIA' COMPRESA IN UN PERIODO DEL 2027 "
                                       "(DAL 03/01/2027 AL 10/01/2027) "});
    EXPECT_EQ(cal(11).date(), g_(1, 12, 2026));
    EXPECT_EQ(b.leggi(file(2026)), kPeriodi);
}

TEST_F(GrigliaAnni, ARefusedDateGoesToTheFirstOfItsOwnMonthAndYear) {
    apri_rossi();
    a().click(k("Check6"));
    riga(6, g_(27, 12, 2026), g_(3, 1, 2027), "700");
    a().click(k("Check7"));
    a().pick_date(cal(13), g_(2, 1, 2027));
    a().pick_date(cal(14), g_(5, 1, 2027));
    a().leave(cal(14));
    EXPECT_EQ(b.nuovi_messaggi(),
              std::vector<std::string>{" LA DATA SCELTA E' GIA' COMPRESA IN UN PERIODO "});
    EXPECT_EQ(cal(13).date(), g_(1, 1, 2027));
    EXPECT_EQ(cal(14).date(), g_(1, 1, 2027));
}

}  // namespace
}  // namespace ga::test
