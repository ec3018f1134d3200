// A change of the management year or of the data folder while the program
// runs: the forms loaded before it follow the new files, so that nothing of
// the old year or folder is shown, proposed or written after it.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bookings/prenotazione.h"
#include "program/programma.h"
#include "shell/MENU.h"
#include "shell/utilita.h"
#include "shell/zeltra.h"
#include "support/banco.h"
#include "support/righe.h"

namespace ga::test {
namespace {

using Righe = std::vector<std::string>;

std::string crlf(const Righe& righe) {
    std::string out;
    for (const auto& r : righe) out += r + "\r\n";
    return out;
}

const Righe kPeriodi2026 = {test::riga_periodo({{periodo::codice, "0012"},
                                                {periodo::dal, "01/07/2026"},
                                                {periodo::al, "15/07/2026"},
                                                {periodo::prezzo, "1.500,00"},
                                                {periodo::stato, "LIB"}})};
const Righe kPrenotazioni2026 = {test::riga_prenotazione({{pren::appartamento, "0012"},
                                                          {pren::cliente, "0039"},
                                                          {pren::arrivo, "01/06/2026"},
                                                          {pren::partenza, "15/06/2026"},
                                                          {pren::affitto, "800,00"},
                                                          {pren::acconto, "264,00"},
                                                          {pren::diritti, "0,00"},
                                                          {pren::pulizia, "0,00"},
                                                          {pren::cauzione, "0,00"},
                                                          {pren::chiusura, "0.00.00"}})};
const Righe kPeriodi2027 = {test::riga_periodo({{periodo::codice, "0012"},
                                                {periodo::dal, "01/07/2027"},
                                                {periodo::al, "15/07/2027"},
                                                {periodo::prezzo, "1.600,00"},
                                                {periodo::stato, "LIB"}}),
                            test::riga_periodo({{periodo::codice, "0012"},
                                                {periodo::dal, "16/07/2027"},
                                                {periodo::al, "31/07/2027"},
                                                {periodo::prezzo, "1.400,00"},
                                                {periodo::stato, "LIB"}})};
const Righe kPrenotazioni2027 = {test::riga_prenotazione({{pren::appartamento, "0012"},
                                                          {pren::cliente, "0039"},
                                                          {pren::arrivo, "01/06/2027"},
                                                          {pren::partenza, "15/06/2027"},
                                                          {pren::affitto, "900,00"},
                                                          {pren::acconto, "297,00"},
                                                          {pren::diritti, "0,00"},
                                                          {pren::pulizia, "0,00"},
                                                          {pren::cauzione, "0,00"},
                                                          {pren::chiusura, "0.00.00"}})};

class PercorsiTest : public ::testing::Test {
protected:
    PercorsiTest() {
        b.scrivi(b.cartella_programma() + "AGENZIA.IND",
                 {"AGENZIA MARE*VIA DEL MARE 1*LIGNANO*0431 1234*01234567890*MARIO ROSSI*333*"
                  "100*10*22*150*50*info@mare.it*10*33054*17*10*16*10*15*10*16*10*1**si*10*20"});
        b.scrivi(b.cartella_programma() + "cartella.txt", {b.cartella_dati() + ",$$"});
        anagrafe(b.cartella_dati(), "ROSSI MARIO", "VIA MARE");
        b.scrivi(dati("periodi2026.ind"), kPeriodi2026);
        b.scrivi(dati("prenotazioni2026.dat"), kPrenotazioni2026);
        b.scrivi(dati("periodi2027.ind"), kPeriodi2027);
        b.scrivi(dati("prenotazioni2027.dat"), kPrenotazioni2027);
        // Started as a user does; the first activation of the menu loads the
        // booking form hidden, with the tables of 2026.
        avvia(app);
        app.click(app.form<zeltra>().AVANTI);
        EXPECT_TRUE(p().is_loaded() && !p().is_visible());
        app.click(m().utilit);
    }
    // Street, owner, apartment 0012 and client 0039 of a data folder.
    void anagrafe(const std::string& cartella, const std::string& cliente, const std::string& via) {
        b.scrivi(cartella + "Vie.dat", {"0001**" + via + "* $$"});
        b.scrivi(cartella + "proprietari.IND",
                 {test::riga_proprietario({{proprietario::nome, "BIANCHI ANNA"},
                                           {proprietario::via, "VIA MARE 2"},
                                           {proprietario::citta, "BARI"},
                                           {proprietario::provincia, "BA"},
                                           {proprietario::cap, "70100"},
                                           {proprietario::telefono, "080222"},
                                           {proprietario::codice, "0001"},
                                           {proprietario::codice_fiscale, "BNCNNA"},
                                           {proprietario::rapporto, "CONTR"},
                                           {proprietario::email, "b@x.it"}})});
        b.scrivi(cartella + "appartamenti.ind",
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
        b.scrivi(cartella + "clienti.dat",
                 {"0039*" + cliente + "*VIA ROMA 1*73100*LECCE*0832111*LE*RSSMRA80A01E506X*"});
    }
    std::string dati(const std::string& nome) const { return b.cartella_dati() + nome; }
    MENU& m() { return app.form<MENU>(); }
    utilita& u() { return app.form<utilita>(); }
    prenotazione& p() { return app.form<prenotazione>(); }
    void scrivi(plat::Control& box, const std::string& testo) {
        app.type(box, testo);
        app.leave(box);
    }
    void apri_prenotazione() {
        app.click(m().prenotazioni);
        app.pick(m().List1, 0);
    }

    Banco b{plat::Date::from_dmy(2, 3, 2026).value()};
    App& app = b.app();
};

TEST_F(PercorsiTest, AfterAChangeOfYearTheBookingPageReadsAndWritesOnlyTheNewYearsFiles) {
    app.click(u().Command7);
    app.type(u().Text1, "2027");
    app.click(u().Command8);
    EXPECT_FALSE(p().is_visible());
    EXPECT_EQ(app.form<zeltra>().Label28.caption(), "ANNO DI GESTIONE 2027");
    EXPECT_EQ(m().Label15.caption(), " ANNO DI GESTIONE 2027");
    app.click(u().Command3);

    apri_prenotazione();
    ASSERT_TRUE(p().is_visible());
    EXPECT_EQ(p().Label1.caption() + "|" + p().Text1.text(), "PRENOTAZIONE  ANNO - 2027|2");
    app.pick(p().Combo1, 0);
    ASSERT_EQ(p().List1.list_count(), 2);
    scrivi(p().Text8, "rossi");
    b.messaggi().answer(plat::Answer::Yes);
    app.click(p().CONFERMA);
    app.pick(p().List1, 1);
    app.click(p().SALVA);

    EXPECT_EQ(b.byte(dati("prenotazioni2027.dat")),
              crlf({kPrenotazioni2027[0], test::riga_prenotazione({{pren::appartamento, "0012"},
                                                                   {pren::cliente, "0039"},
                                                                   {pren::arrivo, "16/07/2027"},
                                                                   {pren::partenza, "31/07/2027"},
                                                                   {pren::affitto, "1.400,00"},
                                                                   {pren::acconto, "462,00"},
                                                                   {pren::diritti, "0,00"},
                                                                   {pren::pulizia, "0,00"},
                                                                   {pren::cauzione, "0,00"},
                                                                   {pren::chiusura, "0.00.00"},
                                                                   {pren::periodo, "2"}})}));
    EXPECT_EQ(b.byte(dati("periodi2027.ind")),
              crlf({kPeriodi2027[0], test::riga_periodo({{periodo::codice, "0012"},
                                                         {periodo::dal, "16/07/2027"},
                                                         {periodo::al, "31/07/2027"},
                                                         {periodo::prezzo, "1.400,00"},
                                                         {periodo::stato, "AFF"}})}));
    EXPECT_EQ(b.byte(dati("prenotazioni2026.dat")), crlf(kPrenotazioni2026));
    EXPECT_EQ(b.byte(dati("periodi2026.ind")), crlf(kPeriodi2026));
}

TEST_F(PercorsiTest, AfterAChangeOfDataFolderTheBookingPageFindsOnlyThatFoldersRecords) {
    const std::filesystem::path altra =
        std::filesystem::path(b.cartella_dati()).parent_path().parent_path() / "altri";
    std::filesystem::create_directories(altra);
    anagrafe(altra.string() + "/", "VERDI LUCA", "CORSO ITALIA");
    b.scrivi(altra.string() + "/periodi2026.ind", kPeriodi2026);

    app.click(u().Command1);
    plat::Form& cerca = *app.form("CERCA_CART");
    app.navigate(*cerca.control("Dir1"), altra.string());
    app.click(*cerca.control("OK"));
    EXPECT_EQ(app.s.percorso_clienti, altra.string() + "/clienti.dat");

    apri_prenotazione();
    ASSERT_TRUE(p().is_visible());
    EXPECT_EQ(p().Text1.text(), "1");
    EXPECT_EQ(p().Combo1.item(0), "0012-CORSO ITALIA");
    app.pick(p().Combo1, 0);
    scrivi(p().Text8, "verdi");
    EXPECT_EQ(p().Text8.text() + "|" + p().Text25.text(), "VERDI LUCA|0039");
    scrivi(p().Text8, "rossi");
    EXPECT_EQ(p().Text25.text(), "0040") << "the old folder's client is a new one here";
}

}  // namespace
}  // namespace ga::test
