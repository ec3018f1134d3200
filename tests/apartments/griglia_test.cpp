// The period grid of the apartment card: laying periods into rows, opening,
// closing and deleting rows, prices and states written through the periods
// register (byte-exact files), and the date rules of the rows' pickers.
#include <gtest/gtest.h>

#include <cerrno>

#include "platform/save_unit.h"
#include "scheda_banco.h"
#include "support/righe.h"

namespace ga::test {
namespace {

using plat::Answer;

class GrigliaPeriodi : public BancoScheda {
protected:
    void apri_con(Proprietario p) {
        apri();
        scegli(p);
        b.nuovi_messaggi();
    }
    // kPeriodi with line i (from 1) replaced, or with lines added.
    static std::string con_riga(int i, const std::string& riga) {
        auto righe = kPeriodi;
        righe[static_cast<std::size_t>(i - 1)] = riga;
        return crlf(righe);
    }
    static std::string con_aggiunte(std::vector<std::string> nuove) {
        auto righe = kPeriodi;
        righe.insert(righe.end(), nuove.begin(), nuove.end());
        return crlf(righe);
    }
    // The dates a row takes: start, end, then the price entered and left.
    void nuova_riga(int r, plat::Date dal, plat::Date al, const std::string& prezzo) {
        app.pick_date(dtp(2 * r - 1), dal);
        app.pick_date(dtp(2 * r), al);
        app.leave(dtp(2 * r));
        scrivi_e_lascia(c("prez" + std::to_string(r + 9)), prezzo);
    }
};

TEST_F(GrigliaPeriodi, RowsShowTheirPeriodsByStateAndFreeRowsFollow) {
    apri_con(ROSSI);
    EXPECT_EQ(c("Check1").value(), 1);
    EXPECT_EQ(dtp(1).date(), d(1, 7));
    EXPECT_EQ(c("prez10").text(), "1.500,00");
    // Rented: shown but closed to changes, its state box usable.
    EXPECT_FALSE(c("Check2").enabled());
    EXPECT_FALSE(dtp(3).enabled());
    // A zero price is not shown but takes its row; it follows the row above.
    EXPECT_EQ(c("Check3").value(), 0);
    EXPECT_EQ(dtp(5).date(), d(1, 8));
    EXPECT_EQ(c("situ31").text(), "PROP");
    for (int n = 11; n <= 32; ++n) EXPECT_EQ(dtp(n).date(), d(1, 10)) << n;
    const std::vector<std::string> righe(app.s.righe_periodo.begin() + 1,
                                         app.s.righe_periodo.begin() + 7);
    EXPECT_EQ(righe, (std::vector<std::string>{"1", "3", "4", "5", "6", "0"}));
    // Leaving a shown row's price box writes that row's own period, as it is.
    app.leave(c("prez10"));
    EXPECT_EQ(periodi(), crlf(kPeriodi));
    EXPECT_TRUE(b.nuovi_messaggi().empty());
}

TEST_F(GrigliaPeriodi, OneRowOpensAtATimeAndDeletionIsAsked) {
    apri_con(ROSSI);
    app.click(c("Check6"));
    EXPECT_EQ(f.Text42.text(), "1");
    EXPECT_EQ(f.Text40.text(), "11");
    EXPECT_EQ(c("situ33").text(), "LIB");
    app.click(c("Check7"));
    EXPECT_EQ(b.nuovi_messaggi(),
              std::vector<std::string>{"NON SI POSSONO APRIRE PIU' DI UN PERIODO ALLA VOLTA "});
    EXPECT_EQ(c("Check7").value(), 0);
    EXPECT_EQ(f.Text42.text(), "1");
    app.click(c("Check6"));
    EXPECT_EQ(f.Text42.text(), "0");
    EXPECT_TRUE(b.nuovi_messaggi().empty());

    // No keeps the row, without refusing it as a second open row.
    app.click(c("Check6"));
    b.messaggi().answer(Answer::No);
    app.click(c("Check1"));
    EXPECT_EQ(b.nuovi_messaggi(),
              std::vector<std::string>{" VUOI VERAMENTE CANCELLARE IL PERIODO N° 1 ?"});
    EXPECT_EQ(c("Check1").value(), 1);
    EXPECT_EQ(periodi(), crlf(kPeriodi));

    b.messaggi().answer(Answer::Yes);
    app.click(c("Check1"));
    auto righe = kPeriodi;
    righe.erase(righe.begin());
    EXPECT_EQ(periodi(), crlf(righe));
    EXPECT_EQ(dtp(1).date(), d(16, 7));
    EXPECT_EQ(c("situ28").text(), "AFF");
    EXPECT_EQ(app.s.righe_periodo[1], "2");
    EXPECT_EQ(f.Text26.text(), "9");
}

TEST_F(GrigliaPeriodi, NewPeriodsAreAppendedAndEachRowNamesItsPeriod) {
    apri_con(ROSSI);
    app.click(c("Check6"));
    app.pick_date(dtp(11), d(1, 10));
    EXPECT_EQ(dtp(12).date(), d(2, 10));
    app.pick_date(dtp(12), d(15, 10));
    app.leave(dtp(12));
    EXPECT_FALSE(c("prez15").locked());
    EXPECT_FALSE(dtp(1).enabled()) << "the other rows wait for the price";
    // A price that is no amount is told and not written.
    for (const char* errato : {"-700", "7e2", "99999999999"}) {
        scrivi_e_lascia(c("prez15"), errato);
        EXPECT_EQ(periodi(), crlf(kPeriodi));
    }
    EXPECT_EQ(b.nuovi_messaggi().size(), 3u);
    scrivi_e_lascia(c("prez15"), "700");
    EXPECT_EQ(periodi(), con_aggiunte({test::riga_periodo({{periodo::codice, "0007"},
                                                           {periodo::dal, "01/10/2026"},
                                                           {periodo::al, "15/10/2026"},
                                                           {periodo::prezzo, "700,00"},
                                                           {periodo::stato, "LIB"}})}));
    EXPECT_TRUE(dtp(1).enabled());
    EXPECT_FALSE(dtp(3).enabled()) << "a rented row's dates stay closed";
    EXPECT_EQ(app.s.righe_periodo[6], "11");

    // Opened below a free row: written after the others, and laid into the
    // row that names it.
    app.click(c("Check8"));
    nuova_riga(8, d(1, 11), d(15, 11), "500");
    EXPECT_EQ(periodi(), con_aggiunte({test::riga_periodo({{periodo::codice, "0007"},
                                                           {periodo::dal, "01/10/2026"},
                                                           {periodo::al, "15/10/2026"},
                                                           {periodo::prezzo, "700,00"},
                                                           {periodo::stato, "LIB"}}),
                                       test::riga_periodo({{periodo::codice, "0007"},
                                                           {periodo::dal, "01/11/2026"},
                                                           {periodo::al, "15/11/2026"},
                                                           {periodo::prezzo, "500,00"},
                                                           {periodo::stato, "LIB"}})}));
    EXPECT_EQ(c("Check7").value(), 1);
    EXPECT_EQ(dtp(13).date(), d(1, 11));
    EXPECT_EQ(c("Check8").value(), 0);
    EXPECT_EQ(app.s.righe_periodo[7], "12");
    EXPECT_TRUE(b.nuovi_messaggi().empty());
}

TEST_F(GrigliaPeriodi, ChangedDatesKeepThePeriodAndItsRememberedPrice) {
    apri_con(ROSSI);
    app.pick_date(dtp(9), d(2, 9));
    EXPECT_EQ(c("prez14").text(), "");
    EXPECT_EQ(c("prez14").tooltip(), "800,00");
    EXPECT_EQ(app.s.azione_corrente, "modifica");
    EXPECT_EQ(dtp(10).date(), d(3, 9));
    app.pick_date(dtp(10), d(29, 9));
    EXPECT_EQ(app.s.valore_salvato, "800,00") << "a second date change keeps the old price";
    EXPECT_EQ(app.s.periodi_modificati, "M");
    EXPECT_EQ(dtp(11).date(), d(30, 9));
    app.leave(dtp(10));
    app.double_click(c("prez14"));
    EXPECT_EQ(c("prez14").text(), "800,00");
    app.leave(c("prez14"));
    EXPECT_EQ(periodi(), con_riga(6, test::riga_periodo({{periodo::codice, "0007"},
                                                         {periodo::dal, "02/09/2026"},
                                                         {periodo::al, "29/09/2026"},
                                                         {periodo::prezzo, "800,00"},
                                                         {periodo::stato, "LIB"}})));
    EXPECT_EQ(app.s.valore_salvato, "0");

    // Nothing remembered: the double-click leaves the box as it is.
    app.double_click(c("prez10"));
    EXPECT_EQ(c("prez10").text(), "1.500,00");
}

TEST_F(GrigliaPeriodi, StateSwitchesBetweenFreeAndKeptByTheOwner) {
    apri_con(ROSSI);
    app.double_click(c("situ28"));
    const std::string dopo = con_riga(1, test::riga_periodo({{periodo::codice, "0007"},
                                                             {periodo::dal, "01/07/2026"},
                                                             {periodo::al, "15/07/2026"},
                                                             {periodo::stato, "PROP"}}));
    EXPECT_EQ(periodi(), dopo);
    EXPECT_EQ(c("prez10").tooltip(), "1.500,00");
    EXPECT_EQ(c("Check1").value(), 0);
    EXPECT_EQ(dtp(9).date(), d(1, 9)) << "ticked rows below a closed one keep their dates";
    EXPECT_TRUE(b.nuovi_messaggi().empty())
        << "a row kept by the owner is not offered for deletion";

    app.double_click(c("situ31"));
    EXPECT_EQ(c("situ31").text(), "LIB");
    EXPECT_TRUE(c("Check4").enabled());
    EXPECT_TRUE(dtp(7).enabled());
    EXPECT_EQ(app.s.periodi_modificati, "M");
    app.double_click(c("situ29"));
    EXPECT_EQ(c("situ29").text(), "AFF");
    EXPECT_EQ(periodi(), dopo);
}

TEST_F(GrigliaPeriodi, StartDatesCarryTheTickedBlockAndFreeRowsFollowIt) {
    apri_con(GIALLI);
    app.pick_date(dtp(1), d(3, 6));
    EXPECT_EQ(dtp(2).date(), d(15, 6)) << "row 1's start rule rests while a row is changed";

    app.pick_date(dtp(3), d(10, 6));
    EXPECT_EQ(dtp(4).date(), d(11, 6));
    EXPECT_EQ(dtp(6).date(), d(15, 7));
    EXPECT_EQ(dtp(8).date(), d(31, 7)) << "another ticked row keeps its dates";
    // The free rows after the block: the start of its last row + 1.
    for (int n = 9; n <= 32; ++n) EXPECT_EQ(dtp(n).date(), d(17, 7)) << n;
    app.leave(c("prez13"));
    EXPECT_EQ(periodi(), crlf(kPeriodi)) << "tabbing past a row writes nothing";
}

// A row is written only when the user changed it, and only with a price:
// the other rows stay blocked until it is written or closed.
TEST_F(GrigliaPeriodi, APriceWritesItsRowOnlyWhenItIsAnAmountAndTheRowChanged) {
    apri_con(GIALLI);
    app.pick_date(dtp(3), d(20, 6));
    app.leave(dtp(4));
    EXPECT_FALSE(dtp(1).enabled());
    for (const char* sbagliato : {"CENTO", "-100"}) {
        scrivi_e_lascia(c("prez11"), sbagliato);
        EXPECT_EQ(b.nuovi_messaggi(),
                  std::vector<std::string>{
                      "IL PREZZO NON E' VALIDO: SCRIVERE UN IMPORTO COME 1.500,00 !! "})
            << sbagliato;
        EXPECT_EQ(c("prez11").text(), "");
        EXPECT_FALSE(dtp(1).enabled());
    }
    EXPECT_EQ(periodi(), crlf(kPeriodi));
    // Closed, the row no longer holds the others; opened again, it is written.
    app.click(c("Check2"));
    EXPECT_TRUE(dtp(1).enabled());
    EXPECT_TRUE(b.nuovi_messaggi().empty());
    app.click(c("Check2"));
    app.pick_date(dtp(3), d(20, 6));
    app.leave(dtp(4));
    scrivi_e_lascia(c("prez11"), "250");
    const std::string scritto = con_riga(8, test::riga_periodo({{periodo::codice, "0020"},
                                                                {periodo::dal, "20/06/2026"},
                                                                {periodo::al, "21/06/2026"},
                                                                {periodo::prezzo, "250,00"},
                                                                {periodo::stato, "LIB"}}));
    EXPECT_EQ(periodi(), scritto);
    EXPECT_TRUE(dtp(1).enabled());

    app.leave(dtp(2));  // row 1's end, confirmed unchanged: its price box opens
    ASSERT_FALSE(c("prez10").locked());
    app.leave(c("prez10"));
    EXPECT_EQ(periodi(), scritto);
}

TEST_F(GrigliaPeriodi, EndDatesConfirmBlockAndCheckOverlaps) {
    apri_con(GIALLI);
    app.leave(dtp(8));  // a row with its price: nothing happens
    EXPECT_TRUE(dtp(1).enabled());
    dtp(8).set_date(d(25, 7));
    app.pick_date(dtp(6), d(14, 7));
    for (int n = 9; n <= 32; ++n) EXPECT_EQ(dtp(n).date(), d(26, 7)) << n;
    app.leave(dtp(6));
    EXPECT_FALSE(c("prez12").locked());
    EXPECT_FALSE(dtp(3).enabled());
    EXPECT_FALSE(dtp(7).enabled()) << "a ticked row below is blocked too";
    scrivi_e_lascia(c("prez12"), "300");
    EXPECT_EQ(periodi(), con_riga(9, test::riga_periodo({{periodo::codice, "0020"},
                                                         {periodo::dal, "01/07/2026"},
                                                         {periodo::al, "14/07/2026"},
                                                         {periodo::prezzo, "300,00"},
                                                         {periodo::stato, "LIB"}})));

    // A new row inside row 3's dates is refused and put on the 1st of the month.
    app.click(c("Check5"));
    app.pick_date(dtp(9), d(5, 7));
    app.leave(dtp(10));
    EXPECT_EQ(b.nuovi_messaggi(),
              std::vector<std::string>{" LA DATA SCELTA E' GIA' COMPRESA IN UN PERIODO "});
    EXPECT_EQ(dtp(9).date(), d(1, 7));
    // Nothing of a refused row is written, whatever is typed after.
    EXPECT_TRUE(c("prez14").locked());
    app.pick_date(dtp(9), d(1, 8));
    scrivi_e_lascia(c("prez14"), "500");
    EXPECT_EQ(b.nuovi_messaggi(),
              std::vector<std::string>{" LA DATA SCELTA E' GIA' COMPRESA IN UN PERIODO "});
    EXPECT_EQ(periodi(), con_riga(9, test::riga_periodo({{periodo::codice, "0020"},
                                                         {periodo::dal, "01/07/2026"},
                                                         {periodo::al, "14/07/2026"},
                                                         {periodo::prezzo, "300,00"},
                                                         {periodo::stato, "LIB"}})));
    // An "OCC" row never overlaps; a start on the end of the row above is no overlap.
    c("situ30").set_text("OCC");
    app.pick_date(dtp(9), d(5, 7));
    app.leave(dtp(10));
    c("situ30").set_text("LIB");
    app.pick_date(dtp(9), d(25, 7));
    app.leave(dtp(10));
    EXPECT_TRUE(b.nuovi_messaggi().empty());

    // Row 1's end: always confirmed, the others wait.
    app.leave(dtp(2));
    EXPECT_FALSE(c("prez10").locked());
    EXPECT_FALSE(dtp(9).enabled());
}

TEST_F(GrigliaPeriodi, SixteenRowsAtMostAndAFullBlockMovesNothing) {
    std::vector<std::string> righe = kPeriodi;
    for (int i = 0; i < 17; ++i) {
        const int mese = 1 + i / 2;
        const plat::Date dal = i % 2 ? d(16, mese) : d(1, mese);
        const plat::Date al = i % 2 ? d(plat::days_in_month(mese, 2026), mese) : d(15, mese);
        righe.push_back(test::riga_periodo({{periodo::codice, "0030"},
                                            {periodo::dal, dal.text()},
                                            {periodo::al, al.text()},
                                            {periodo::prezzo, "100,00"},
                                            {periodo::stato, "LIB"}}));
    }
    b.scrivi(app.s.percorso_periodi, righe);
    apri();
    scegli(NERI);
    EXPECT_EQ(b.nuovi_messaggi(),
              std::vector<std::string>{
                  "L'APPARTAMENTO HA 17 PERIODI NELL'ANNO: SONO MOSTRATI SOLO I PRIMI 16."});
    for (int r = 1; r <= 16; ++r) EXPECT_EQ(c("Check" + std::to_string(r)).value(), 1) << r;
    EXPECT_EQ(dtp(32).date(), d(31, 8));
    EXPECT_EQ(app.s.righe_periodo[16], "26");

    app.pick_date(dtp(10), d(20, 3));
    EXPECT_EQ(app.s.indice_calendario, "34");
    EXPECT_EQ(dtp(11).date(), d(16, 3));
    EXPECT_EQ(dtp(32).date(), d(31, 8));
}

// A new apartment whose save failed is on no register: its card writes no
// period for it, and says why.
TEST_F(GrigliaPeriodi, ANewApartmentNotSavedGetsNoPeriod) {
    apri_con(VERDI);
    scrivi_e_lascia(f.Text44, "40");
    for (auto [box, testo] : {std::pair{&f.Text2, "VIA ROMA"},
                              {&f.Text3, "4"},
                              {&f.Text4, "SI"},
                              {&f.Text5, "1"},
                              {&f.Text6, "NO"},
                              {&f.Text7, "TERRA"},
                              {&f.Text8, "2"}})
        app.type(*box, testo);
    const std::string appartamenti = b.byte(dati("appartamenti.ind"));
    plat::set_file_call_hook([](std::string_view, const std::string& percorso) {
        return percorso.find("appartamenti.ind") != std::string::npos ? EIO : 0;
    });
    app.pick(f.Combo2, 0);
    plat::set_file_call_hook({});
    ASSERT_EQ(b.byte(dati("appartamenti.ind")), appartamenti);
    b.nuovi_messaggi();

    app.click(c("Check1"));
    nuova_riga(1, d(1, 9), d(15, 9), "700");
    EXPECT_EQ(b.byte(app.s.percorso_periodi), crlf(kPeriodi));
    const auto messaggi = b.nuovi_messaggi();
    EXPECT_TRUE(!messaggi.empty() && messaggi.back().find("NON E' REGISTRATO") != std::string::npos)
        << ::testing::PrintToString(messaggi);
}

}  // namespace
}  // namespace ga::test
