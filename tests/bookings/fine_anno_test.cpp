// Christmas to Epiphany across the turn of the year: a booking in the 2026
// files and the 2027 ones of the same apartment never share a night, the
// start-up check finds the other year's guests, and the page offers no
// period without a price. The clock is set to December, then to January,
// over the same data folder.
#include <gtest/gtest.h>

#include "bookings/prenotazione.h"
#include "platform/text.h"
#include "prenotazione_banco.h"
#include "support/righe.h"

namespace ga::test {
namespace {

plat::Date giorno(int g, int m, int a) { return *plat::Date::from_dmy(g, m, a); }

class FineAnno : public ::testing::Test {
protected:
    FineAnno() : b(giorno(20, 12, 2026)) {}
    void SetUp() override {
        b.prepara_dati();
        b.scrivi(dati("Vie.dat"),
                 {test::riga_via({{vie::codice, "0001"}, {vie::nome, "VIA MARE"}})});
        b.scrivi(dati("proprietari.IND"),
                 {test::riga_proprietario({{proprietario::nome, "ROSSI MARIO"},
                                           {proprietario::via, "VIA ROMA 1"},
                                           {proprietario::citta, "LECCE"},
                                           {proprietario::provincia, "LE"},
                                           {proprietario::cap, "73100"},
                                           {proprietario::telefono, "0832111"},
                                           {proprietario::codice, "0001"},
                                           {proprietario::codice_fiscale, "RSSMRA"},
                                           {proprietario::rapporto, "PROVV"},
                                           {proprietario::email, "r@x.it"}})});
        b.scrivi(dati("appartamenti.ind"),
                 {test::riga_appartamento({{appartamento::codice_proprietario, "0001"},
                                           {appartamento::codice_via, "0001"},
                                           {appartamento::civico, "12"},
                                           {appartamento::tipo, "BIL"},
                                           {appartamento::soggiorno, "1"},
                                           {appartamento::bagni, "2"},
                                           {appartamento::giardino, "SI"},
                                           {appartamento::piano, "1"},
                                           {appartamento::posti_letto, "4"},
                                           {appartamento::periodicita, "ESTIVO"},
                                           {appartamento::codice, "0012"}})});
        b.scrivi(dati("clienti.dat"), kClienti);
        // BIANCHI's booking from Christmas to Epiphany, in the 2026 files.
        b.scrivi(dati("periodi2026.ind"), {test::riga_periodo({{periodo::codice, "0012"},
                                                               {periodo::dal, "27/12/2026"},
                                                               {periodo::al, "03/01/2027"},
                                                               {periodo::prezzo, "1.000,00"},
                                                               {periodo::stato, "AFF"}})});
        b.scrivi(dati("prenotazioni2026.dat"),
                 {test::riga_prenotazione({{pren::appartamento, "0012"},
                                           {pren::cliente, "0040"},
                                           {pren::arrivo, "27/12/2026"},
                                           {pren::partenza, "03/01/2027"},
                                           {pren::affitto, "1.000,00"},
                                           {pren::acconto, "300,00"},
                                           {pren::diritti, "0,00"},
                                           {pren::pulizia, "0,00"},
                                           {pren::cauzione, "0,00"},
                                           {pren::chiusura, "0.00.00"}})});
    }
    // The program started on day `oggi`, the booking page opened from the menu.
    App& pagina(plat::Date oggi) {
        b.riavvia(oggi);
        App& app = b.app();
        app.s.primo_accesso_menu = "1";
        app.run([&] {
            app.form("MENU")->show();
            app.campo("MENU", "List1").set_list_index(0);
        });
        b.nuovi_messaggi();
        return app;
    }
    // ROSSI (an existing client) on the apartment's free period `riga`.
    void prepara(App& app, int riga = 0) {
        prenotazione& p = app.form<prenotazione>();
        app.pick(p.Combo1, 0);
        app.type(p.Text8, "rossi");
        app.leave(p.Text8);
        app.click(p.CONFERMA);
        app.pick(p.List1, riga);
        b.nuovi_messaggi();
    }
    std::string salva(App& app) {
        app.click(app.form<prenotazione>().SALVA);
        return plat::join(b.nuovi_messaggi(), "|");
    }
    std::string dati(const std::string& nome) const { return b.cartella_dati() + nome; }

    Banco b;
};

TEST_F(FineAnno, TheNightsOfAJanuaryGuestBookedInDecemberAreNotLetAgain) {
    b.scrivi(dati("periodi2027.ind"), {test::riga_periodo({{periodo::codice, "0012"},
                                                           {periodo::dal, "01/01/2027"},
                                                           {periodo::al, "10/01/2027"},
                                                           {periodo::prezzo, "1.200,00"},
                                                           {periodo::stato, "LIB"}})});
    App& app = pagina(giorno(2, 1, 2027));
    prepara(app);
    EXPECT_EQ(salva(app),
              "I GIORNI SCELTI SONO GIA' OCCUPATI DALLA PRENOTAZIONE N. 1 DEL 2026 (DAL "
              "27/12/2026 AL 03/01/2027) !! ");
    EXPECT_TRUE(b.leggi(dati("prenotazioni2027.dat")).empty());

    // From the departure day on, the nights are free.
    app.double_click(app.form<prenotazione>().Text5);
    app.pick_date(app.form<prenotazione>().DTPicker2, giorno(3, 1, 2027));
    EXPECT_EQ(salva(app), "");
    ASSERT_EQ(b.leggi(dati("prenotazioni2027.dat")).size(), 1u);
    EXPECT_TRUE(
        b.leggi(dati("prenotazioni2027.dat"))[0].starts_with("0012*0039*03/01/2027*10/01/2027*"));

    // Back in 2026, a December booking cannot run into the January one.
    b.scrivi(dati("periodi2026.ind"), {test::riga_periodo({{periodo::codice, "0012"},
                                                           {periodo::dal, "27/12/2026"},
                                                           {periodo::al, "03/01/2027"},
                                                           {periodo::prezzo, "1.000,00"},
                                                           {periodo::stato, "AFF"}}),
                                       test::riga_periodo({{periodo::codice, "0012"},
                                                           {periodo::dal, "20/12/2026"},
                                                           {periodo::al, "27/12/2026"},
                                                           {periodo::prezzo, "500,00"},
                                                           {periodo::stato, "LIB"}}),
                                       test::riga_periodo({{periodo::codice, "0012"},
                                                           {periodo::dal, "03/01/2027"},
                                                           {periodo::al, "06/01/2027"},
                                                           {periodo::prezzo, "300,00"},
                                                           {periodo::stato, "LIB"}})});
    App& dicembre = pagina(giorno(20, 12, 2026));
    prepara(dicembre, 1);
    EXPECT_EQ(salva(dicembre),
              "I GIORNI SCELTI SONO GIA' OCCUPATI DALLA PRENOTAZIONE N. 1 DEL 2027 (DAL "
              "03/01/2027 AL 10/01/2027) !! ");
}

TEST_F(FineAnno, APeriodWithoutAPriceIsNeverOffered) {
    b.scrivi(dati("periodi2026.ind"), {test::riga_periodo({{periodo::codice, "0012"},
                                                           {periodo::dal, "01/07/2026"},
                                                           {periodo::al, "15/07/2026"},
                                                           {periodo::stato, "LIB"}}),
                                       test::riga_periodo({{periodo::codice, "0012"},
                                                           {periodo::dal, "16/07/2026"},
                                                           {periodo::al, "31/07/2026"},
                                                           {periodo::prezzo, "0,00"},
                                                           {periodo::stato, "LIB"}}),
                                       test::riga_periodo({{periodo::codice, "0012"},
                                                           {periodo::dal, "01/08/2026"},
                                                           {periodo::al, "15/08/2026"},
                                                           {periodo::prezzo, "900,00"},
                                                           {periodo::stato, "LIB"}})});
    App& app = pagina(giorno(20, 12, 2026));
    prenotazione& p = app.form<prenotazione>();
    prepara(app);
    ASSERT_EQ(p.List1.list_count(), 1);
    EXPECT_EQ(p.List1.item(0), "01/08/2026 - 15/08/2026");
    // Nor does a date in it count as free.
    app.double_click(p.Text5);
    app.pick_date(p.DTPicker2, giorno(20, 7, 2026));
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"LA DATA SCELTA NON E' COMPRESA NEI PERIODI LIBERI"});
}

// The start-up check lists the other year's open bookings in its window,
// each with its year, and a pick on one of them says which year to open.
TEST_F(FineAnno, TheStartUpCheckFindsTheOtherYearsGuestsAndArrivals) {
    b.scrivi(dati("prenotazioni2027.dat"),
             {test::riga_prenotazione({{pren::appartamento, "0012"},
                                       {pren::cliente, "0039"},
                                       {pren::arrivo, "01/01/2027"},
                                       {pren::partenza, "04/01/2027"},
                                       {pren::affitto, "500,00"},
                                       {pren::acconto, "100,00"},
                                       {pren::diritti, "0,00"},
                                       {pren::pulizia, "0,00"},
                                       {pren::cauzione, "0,00"},
                                       {pren::chiusura, "0.00.00"}}),
              test::riga_prenotazione({{pren::appartamento, "0012"},
                                       {pren::cliente, "0039"},
                                       {pren::arrivo, "04/01/2027"},
                                       {pren::partenza, "08/01/2027"},
                                       {pren::affitto, "400,00"},
                                       {pren::acconto, "0,00"},
                                       {pren::diritti, "0,00"},
                                       {pren::pulizia, "0,00"},
                                       {pren::cauzione, "0,00"},
                                       {pren::chiusura, "0.00.00"}})});
    const auto righe = [&](plat::Date oggi) {
        b.riavvia(oggi);
        App& app = b.app();
        app.s.primo_accesso_menu = "0";
        app.run([&] { app.form("MENU")->show(); });
        std::vector<std::string> out;
        plat::Control& lista = app.campo("controlloentruscit", "List1");
        for (int i = 0; i < lista.list_count(); ++i) out.push_back(plat::trim(lista.item(i)));
        return out;
    };
    const std::string sep(125, '-');
    EXPECT_EQ(righe(giorno(28, 12, 2026)),
              (Righe{"001 * BIANCHI ANNA             * 0012 * 27/12/2026 *     700,00", sep,
                     "001 * ROSSI MARIO              * 0012 * 01/01/2027 *     400,00 * "
                     "PRENOTAZIONE DEL 2027",
                     sep}));
    EXPECT_EQ(righe(giorno(31, 12, 2026))[3],
              "002 * ROSSI MARIO              * 0012 * 04/01/2027 *     400,00 * PRENOTAZIONE "
              "DEL 2027");
    EXPECT_EQ(righe(giorno(2, 1, 2027)),
              (Righe{"001 * ROSSI MARIO              * 0012 * 01/01/2027 *     400,00",
                     "001 * BIANCHI ANNA             * 0012 * 27/12/2026 *     700,00 * "
                     "PRENOTAZIONE DEL 2026",
                     sep, "002 * ROSSI MARIO              * 0012 * 04/01/2027 *     400,00", sep}));

    App& app = b.app();
    b.nuovi_messaggi();
    app.pick(app.campo("controlloentruscit", "List1"), 1);
    EXPECT_EQ(b.nuovi_messaggi(),
              Righe{"LA PRENOTAZIONE E' NELL'ARCHIVIO DEL 2026: CAMBIARE L'ANNO DI GESTIONE IN "
                    "2026 PER VEDERLA."});

    // A booking of the year before still open is expired in January too,
    // though its guest left before the new year.
    Righe dicembre = b.leggi(dati("prenotazioni2026.dat"));
    dicembre.push_back(test::riga_prenotazione({{pren::appartamento, "0012"},
                                                {pren::cliente, "0039"},
                                                {pren::arrivo, "20/12/2026"},
                                                {pren::partenza, "27/12/2026"},
                                                {pren::affitto, "600,00"},
                                                {pren::acconto, "100,00"},
                                                {pren::chiusura, "0.00.00"}}));
    b.scrivi(dati("prenotazioni2026.dat"), dicembre);
    EXPECT_EQ(righe(giorno(2, 1, 2027))[2],
              "002 * ROSSI MARIO              * 0012 * 20/12/2026 *     500,00 * PRENOTAZIONE "
              "DEL 2026");
}

}  // namespace
}  // namespace ga::test
