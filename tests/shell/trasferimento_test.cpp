// The carry-over of the rental periods of one year into another: the dates
// and states written, and the cases in which nothing may be written.
#include <gtest/gtest.h>

#include <filesystem>

#include "records/periodi.h"
#include "shell/Trasferisciper.h"
#include "support/banco.h"
#include "support/righe.h"

namespace ga::test {
namespace {

namespace fs = std::filesystem;
using Righe = std::vector<std::string>;

class TrasferimentoTest : public ::testing::Test {
protected:
    TrasferimentoTest() { b.prepara_dati(); }
    std::string periodi(const std::string& anno) {
        return b.cartella_dati() + "periodi" + anno + ".ind";
    }
    Trasferisciper& apri() {
        app.run([&] { app.form("Trasferisciper")->show(); });
        return app.form<Trasferisciper>();
    }
    void trasferisci(const std::string& da, const std::string& a) {
        Trasferisciper& t = apri();
        app.type(t.Text1, da);
        app.type(t.Text2, a);
        app.click(t.Command1);
    }

    Banco b;
    App& app = b.app();
};

TEST_F(TrasferimentoTest, PeriodsComeOverFreeWithTheirDaysMonthsPricesAndCodes) {
    b.scrivi(periodi("2026"), {test::riga_periodo({{periodo::codice, "0003"},
                                                   {periodo::dal, "15/06/2026"},
                                                   {periodo::al, "30/06/2026"},
                                                   {periodo::prezzo, "850,00"},
                                                   {periodo::stato, "AFF"}}),
                               "", "0007*5/7/2026*20/7/2026**OCC",
                               test::riga_periodo({{periodo::codice, "0012"},
                                                   {periodo::dal, "01/08/2026"},
                                                   {periodo::al, "31/08/2026"},
                                                   {periodo::prezzo, "1.200,00"},
                                                   {periodo::stato, "PROP"}}),
                               test::riga_periodo({{periodo::codice, "CANC"},
                                                   {periodo::dal, "01/09/2026"},
                                                   {periodo::al, "15/09/2026"},
                                                   {periodo::prezzo, "1"},
                                                   {periodo::stato, "LIB"}})});
    Trasferisciper& t = apri();
    EXPECT_EQ(t.Text1.text(), "2026");
    EXPECT_EQ(t.Text2.text(), "2027");
    app.click(t.Command1);
    EXPECT_TRUE(b.nuovi_messaggi().empty());
    EXPECT_EQ(b.byte(periodi("2027")), test::riga_periodo({{periodo::codice, "0003"},
                                                           {periodo::dal, "15/06/2027"},
                                                           {periodo::al, "30/06/2027"},
                                                           {periodo::prezzo, "850,00"},
                                                           {periodo::stato, "LIB"}}) +
                                           "\r\n" +
                                           test::riga_periodo({{periodo::codice, "0007"},
                                                               {periodo::dal, "05/07/2027"},
                                                               {periodo::al, "20/07/2027"},
                                                               {periodo::stato, "LIB"}}) +
                                           "\r\n" +
                                           test::riga_periodo({{periodo::codice, "0012"},
                                                               {periodo::dal, "01/08/2027"},
                                                               {periodo::al, "31/08/2027"},
                                                               {periodo::prezzo, "1.200,00"},
                                                               {periodo::stato, "PROP"}}) +
                                           "\r\n" +
                                           test::riga_periodo({{periodo::codice, "CANC"},
                                                               {periodo::dal, "01/09/2027"},
                                                               {periodo::al, "15/09/2027"},
                                                               {periodo::prezzo, "1"},
                                                               {periodo::stato, "LIB"}}) +
                                           "\r\n")
        << "the empty line is not written";
    EXPECT_EQ(b.leggi(periodi("2026")).size(), 5u) << "the source is left as it was";
    EXPECT_TRUE(t.is_visible()) << "the form stays open";
}

TEST_F(TrasferimentoTest, TwentyNinthOfFebruaryBecomesTheLastDayOfFebruary) {
    EXPECT_EQ(periodo_nel_nuovo_anno(test::riga_periodo({{periodo::codice, "0001"},
                                                         {periodo::dal, "16/02/2028"},
                                                         {periodo::al, "29/02/2028"},
                                                         {periodo::prezzo, "10"},
                                                         {periodo::stato, "AFF"}}),
                                     2028, 2029),
              test::riga_periodo({{periodo::codice, "0001"},
                                  {periodo::dal, "16/02/2029"},
                                  {periodo::al, "28/02/2029"},
                                  {periodo::prezzo, "10"},
                                  {periodo::stato, "LIB"}}));
    EXPECT_EQ(periodo_nel_nuovo_anno(test::riga_periodo({{periodo::codice, "0001"},
                                                         {periodo::dal, "29/02/2028"},
                                                         {periodo::al, "07/03/2028"},
                                                         {periodo::prezzo, "10"},
                                                         {periodo::stato, "LIB"}}),
                                     2028, 2029),
              test::riga_periodo({{periodo::codice, "0001"},
                                  {periodo::dal, "28/02/2029"},
                                  {periodo::al, "07/03/2029"},
                                  {periodo::prezzo, "10"},
                                  {periodo::stato, "LIB"}}));
    EXPECT_EQ(periodo_nel_nuovo_anno(test::riga_periodo({{periodo::codice, "0001"},
                                                         {periodo::dal, "16/02/2028"},
                                                         {periodo::al, "29/02/2028"},
                                                         {periodo::prezzo, "10"},
                                                         {periodo::stato, "AFF"}}),
                                     2028, 2032),
              test::riga_periodo({{periodo::codice, "0001"},
                                  {periodo::dal, "16/02/2032"},
                                  {periodo::al, "29/02/2032"},
                                  {periodo::prezzo, "10"},
                                  {periodo::stato, "LIB"}}));
    EXPECT_EQ(periodo_nel_nuovo_anno("0001*16/02/2028*29/02/2028*10", 2028, 2029), std::nullopt);
    EXPECT_EQ(periodo_nel_nuovo_anno(test::riga_periodo({{periodo::codice, "0001"},
                                                         {periodo::dal, "16/02/2028"},
                                                         {periodo::al, "0.00.00"},
                                                         {periodo::prezzo, "10"},
                                                         {periodo::stato, "LIB"}}),
                                     2028, 2029),
              std::nullopt);
}

// A period across the turn of the year keeps its length, and one the owner
// keeps is not offered as free (and priceless) in the new year.
TEST_F(TrasferimentoTest, EachDateMovesByTheYearsAndTheOwnersPeriodsStayHis) {
    b.scrivi(periodi("2026"), {test::riga_periodo({{periodo::codice, "0012"},
                                                   {periodo::dal, "27/12/2026"},
                                                   {periodo::al, "03/01/2027"},
                                                   {periodo::prezzo, "1.000,00"},
                                                   {periodo::stato, "AFF"}}),
                               test::riga_periodo({{periodo::codice, "0012"},
                                                   {periodo::dal, "10/08/2026"},
                                                   {periodo::al, "20/08/2026"},
                                                   {periodo::stato, "PROP"}}),
                               test::riga_periodo({{periodo::codice, "0007"},
                                                   {periodo::dal, "30/12/2027"},
                                                   {periodo::al, "02/01/2028"},
                                                   {periodo::prezzo, "5"},
                                                   {periodo::stato, "OCC"}})});
    trasferisci("2026", "2027");
    EXPECT_EQ(b.leggi(periodi("2027")), (Righe{test::riga_periodo({{periodo::codice, "0012"},
                                                                   {periodo::dal, "27/12/2027"},
                                                                   {periodo::al, "03/01/2028"},
                                                                   {periodo::prezzo, "1.000,00"},
                                                                   {periodo::stato, "LIB"}}),
                                               test::riga_periodo({{periodo::codice, "0012"},
                                                                   {periodo::dal, "10/08/2027"},
                                                                   {periodo::al, "20/08/2027"},
                                                                   {periodo::stato, "PROP"}}),
                                               test::riga_periodo({{periodo::codice, "0007"},
                                                                   {periodo::dal, "30/12/2028"},
                                                                   {periodo::al, "02/01/2029"},
                                                                   {periodo::prezzo, "5"},
                                                                   {periodo::stato, "LIB"}})}));
}

TEST_F(TrasferimentoTest, AnExistingTargetIsReplacedOnlyWhenTheUserSaysSo) {
    b.scrivi(periodi("2026"), {test::riga_periodo({{periodo::codice, "0003"},
                                                   {periodo::dal, "15/06/2026"},
                                                   {periodo::al, "30/06/2026"},
                                                   {periodo::prezzo, "850,00"},
                                                   {periodo::stato, "AFF"}})});
    b.scrivi(periodi("2027"), {test::riga_periodo({{periodo::codice, "0009"},
                                                   {periodo::dal, "01/01/2027"},
                                                   {periodo::al, "15/01/2027"},
                                                   {periodo::prezzo, "100"},
                                                   {periodo::stato, "AFF"}})});
    const std::string prima = b.byte(periodi("2027"));
    b.messaggi().answer(plat::Answer::No);
    trasferisci("2026", "2027");
    EXPECT_EQ(b.nuovi_messaggi().size(), 1u);
    EXPECT_EQ(b.byte(periodi("2027")), prima);

    b.messaggi().answer(plat::Answer::Yes);
    app.click(app.form<Trasferisciper>().Command1);
    EXPECT_EQ(b.leggi(periodi("2027")), Righe{test::riga_periodo({{periodo::codice, "0003"},
                                                                  {periodo::dal, "15/06/2027"},
                                                                  {periodo::al, "30/06/2027"},
                                                                  {periodo::prezzo, "850,00"},
                                                                  {periodo::stato, "LIB"}})});
}

TEST_F(TrasferimentoTest, NothingIsWrittenFromAMissingOrFaultySourceOrIntoTheSameYear) {
    trasferisci("2026", "2027");
    EXPECT_EQ(b.nuovi_messaggi().size(), 1u);
    EXPECT_FALSE(fs::exists(periodi("2026"))) << "a missing source is not created";
    EXPECT_FALSE(fs::exists(periodi("2027")));

    b.scrivi(periodi("2026"), {test::riga_periodo({{periodo::codice, "0003"},
                                                   {periodo::dal, "15/06/2026"},
                                                   {periodo::al, "30/06/2026"},
                                                   {periodo::prezzo, "850,00"},
                                                   {periodo::stato, "AFF"}}),
                               "0004*15/06/2026"});
    app.click(app.form<Trasferisciper>().Command1);
    EXPECT_EQ(b.nuovi_messaggi(),
              Righe{"IL FILE " + periodi("2026") +
                    " CONTIENE RIGHE CHE NON SONO PERIODI (RIGHE 2).\rNESSUN PERIODO E' STATO "
                    "TRASFERITO."});
    EXPECT_FALSE(fs::exists(periodi("2027")));

    const std::string sorgente = b.byte(periodi("2026"));
    for (auto [da, a] : {std::pair{"2026", "2026"}, {"2026", "20a7"}, {"2026", "../x"}}) {
        trasferisci(da, a);
        EXPECT_EQ(b.nuovi_messaggi().size(), 1u) << a;
        EXPECT_EQ(b.byte(periodi("2026")), sorgente) << a;
    }
    EXPECT_FALSE(fs::exists(periodi("20a7")));
}

// The target year's bookings name its periods by line, and the year before
// may have let nights of the target's January: neither is undone.
TEST_F(TrasferimentoTest, NoPeriodIsCarriedUnderABookingOrOverNightsOfTheYearBefore) {
    const auto periodo_ = [](const char* dal, const char* al, const char* stato) {
        return test::riga_periodo({{periodo::codice, "0030"},
                                   {periodo::dal, dal},
                                   {periodo::al, al},
                                   {periodo::prezzo, "700,00"},
                                   {periodo::stato, stato}});
    };
    const auto prenotazione = [](const char* chiusura, const char* movimento) {
        return test::riga_prenotazione({{pren::appartamento, "0030"},
                                        {pren::cliente, "0001"},
                                        {pren::arrivo, "28/12/2027"},
                                        {pren::partenza, "04/01/2028"},
                                        {pren::chiusura, chiusura},
                                        {pren::movimento, movimento},
                                        {pren::periodo, "1"}});
    };
    b.scrivi(periodi("2026"), {periodo_("28/12/2026", "04/01/2027", "AFF"),
                               periodo_("01/01/2026", "10/01/2026", "LIB"),
                               periodo_("25/08/2026", "05/09/2026", "LIB")});
    b.scrivi(periodi("2027"), {periodo_("28/12/2027", "04/01/2028", "AFF")});
    const std::string prenotazioni = b.cartella_dati() + "prenotazioni2027.dat";
    const std::string prima = b.byte(periodi("2027"));
    const std::string sorgente = b.byte(periodi("2026"));
    const auto rifiutato = [](const std::string& n) {
        return "NEL 2027 CI SONO GIA' DELLE PRENOTAZIONI: N. " + n +
               " (0030 DAL 28/12/2027 AL 04/01/2028).\rI PERIODI DEL 2027 NON POSSONO ESSERE "
               "SOSTITUITI.\rNESSUN PERIODO E' STATO TRASFERITO.";
    };
    const std::string gennaio =
        "QUESTI PERIODI HANNO NOTTI IN COMUNE CON UN PERIODO DELLO STESSO APPARTAMENTO "
        "DELL'ANNO VICINO:\r0030 DAL 01/01/2027 AL 10/01/2027 (PERIODO DEL 2026 DAL 28/12/2026 "
        "AL 04/01/2027)\rTRASFERIRE SOLO GLI ALTRI PERIODI?";
    // An open booking and a settled one refuse it; a revoked one holds no
    // period, and the question names the period left out. No is nothing.
    const std::vector<std::pair<Righe, Righe>> casi = {
        {{prenotazione("20/12/2027", "REVOC001"), prenotazione("0.00.00", "")}, {rifiutato("2")}},
        {{prenotazione("04/01/2028", "5")}, {rifiutato("1")}},
        {{prenotazione("20/12/2027", "REVOC001")}, {gennaio}}};
    for (const auto& [righe, messaggi] : casi) {
        b.scrivi(prenotazioni, righe);
        if (messaggi.front() == gennaio) b.messaggi().answer(plat::Answer::No);
        trasferisci("2026", "2027");
        EXPECT_EQ(b.nuovi_messaggi(), messaggi);
        EXPECT_EQ(b.byte(periodi("2027")), prima);
        EXPECT_EQ(b.byte(periodi("2026")), sorgente);
    }
    app.click(app.form<Trasferisciper>().Command1);  // Yes, and Yes to replacing
    EXPECT_EQ(b.nuovi_messaggi().size(), 2u);
    EXPECT_EQ(b.leggi(periodi("2027")), (Righe{periodo_("28/12/2027", "04/01/2028", "LIB"),
                                               periodo_("25/08/2027", "05/09/2027", "LIB")}));
}

TEST_F(TrasferimentoTest, TheManagementYearsTableIsUntouchedUnlessItsFileIsTheTarget) {
    b.scrivi(periodi("2026"), {test::riga_periodo({{periodo::codice, "0003"},
                                                   {periodo::dal, "15/06/2026"},
                                                   {periodo::al, "30/06/2026"},
                                                   {periodo::prezzo, "850,00"},
                                                   {periodo::stato, "AFF"}})});
    b.scrivi(periodi("2025"), {test::riga_periodo({{periodo::codice, "0005"},
                                                   {periodo::dal, "01/07/2025"},
                                                   {periodo::al, "15/07/2025"},
                                                   {periodo::prezzo, "700,00"},
                                                   {periodo::stato, "OCC"}})});
    app.run([&] { carica_periodi(app); });
    trasferisci("2026", "2027");
    EXPECT_EQ(app.s.periodi[1].dal, "15/06/2026");
    EXPECT_EQ(app.s.periodi[1].stato, "AFF");

    trasferisci("2025", "2026");  // answered yes
    EXPECT_EQ(b.nuovi_messaggi().size(), 1u);
    EXPECT_EQ(app.s.periodi[1].codice, "0005");
    EXPECT_EQ(app.s.periodi[1].dal, "01/07/2026");
    EXPECT_EQ(app.s.periodi[1].stato, "LIB");
}

}  // namespace
}  // namespace ga::test
