// Start-up, the agency card, the folders and the pointer file, driven through
// the start form as a user meets them.
#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "platform/text.h"
#include "program/programma.h"
#include "records/agenzia.h"
#include "records/percorsi.h"
#include "shell/MENU.h"
#include "shell/PersonalizzaAgenzia.h"
#include "shell/zeltra.h"
#include "support/banco.h"
#include "support/righe.h"

namespace ga::test {
namespace {

// An agency line of 28 fields with the given fee, postal code and town.
std::string agenzia(const std::string& nome, const std::string& diritti = "1500") {
    return nome + "*VIA DEL MARE 1*LIGNANO*0431 1234*01234567890*MARIO ROSSI*333 1234567*" +
           diritti + "*10*22*200*50*info@mare.it*30*33054*17*10*16*10*15*10*16*10*1**si*10*20";
}

class AvvioTest : public ::testing::Test {
protected:
    Banco b;
    App& app = b.app();
    zeltra& z() { return app.form<zeltra>(); }
    std::string prog(const std::string& nome) { return b.cartella_programma() + nome; }
};

TEST_F(AvvioTest, FirstStartWithoutAgencyRefusesAndOpensTheSettings) {
    avvia(app);
    EXPECT_TRUE(std::filesystem::exists(prog("AGENZIA.IND"))) << "created empty at the first load";
    EXPECT_TRUE(std::filesystem::exists(prog("BANCHE.IND")));
    EXPECT_EQ(z().UTENT.caption(), "MARIO");
    EXPECT_EQ(z().Label28.caption(), "ANNO DI GESTIONE 2026");
    EXPECT_EQ(z().Text17.text(), b.cartella_programma());

    app.click(z().AVANTI);
    ASSERT_EQ(b.nuovi_messaggi(),
              std::vector<std::string>{"L'AGENZIA NON E' STATA PERSONALIZZATA"});
    EXPECT_EQ(b.messaggi().shown().back().title, app.title);
    auto& p = app.form<PersonalizzaAgenzia>();
    EXPECT_TRUE(p.is_visible());
    EXPECT_FALSE(z().is_enabled());
    EXPECT_FALSE(z().AGEN.visible());
    EXPECT_FALSE(app.form<MENU>().is_visible());

    // Leaving the settings gives the start form back, its start-up run again;
    // the menu, loaded hidden, asks for the data folder none has chosen yet.
    app.s.anno_gestione = "2030";
    app.click(p.ESCI);
    EXPECT_FALSE(p.is_loaded());
    EXPECT_TRUE(z().is_enabled());
    EXPECT_TRUE(z().AGEN.visible());
    EXPECT_EQ(app.active_form(), app.form("CERCA_CART"));
    EXPECT_FALSE(app.form<MENU>().is_visible());
    EXPECT_EQ(app.s.anno_gestione, "2026");
    EXPECT_EQ(z().Label28.caption(), "ANNO DI GESTIONE 2026");
}

TEST_F(AvvioTest, TheCardShowsAmountsInItalianAndTheTownAfterItsCode) {
    b.scrivi(prog("AGENZIA.IND"), {agenzia("AGENZIA MARE")});
    b.scrivi(prog("BANCHE.IND"),
             {"BANCA UNO,AGENZIA MARE,CC 123,ABCD,LIGNANO,IT60X0542811101000000123456,0000"});
    avvia(app);
    EXPECT_EQ(z().Text1.text(), "AGENZIA MARE");
    EXPECT_EQ(z().Label26.caption(), "AGENZIA MARE");
    EXPECT_EQ(z().Text3.text(), "33054  LIGNANO");
    EXPECT_EQ(z().Text8.text(), "1.500,00");
    EXPECT_EQ(z().Text9.text(), "10") << "percentages show as stored";
    EXPECT_EQ(z().Text11.text(), "200,00");
    EXPECT_EQ(z().Text12.text(), "50,00");
    EXPECT_EQ(z().Text20.text(), "30");
    EXPECT_EQ(z().Text13.text(), "CC 123");
    EXPECT_EQ(z().Text14.text(), "BANCA UNO");
    EXPECT_EQ(z().Text16.text(), "IT60X0542811101000000123456");
    EXPECT_EQ(z().Text18.text(), "LIGNANO");
    EXPECT_EQ(app.testo("COORDBANCA", "Text19"), "1");
}

TEST_F(AvvioTest, AvantiOpensTheMenuWithTheAgencyHeader) {
    b.scrivi(prog("AGENZIA.IND"), {agenzia("AGENZIA MARE")});
    b.scrivi(prog("cartella.txt"), {b.cartella_dati() + ",$$"});
    avvia(app);
    // The menu's first activation runs the expired-bookings check.
    std::string flag_al_controllo = "MAI";
    app.procedure.controlla_prenotazioni_scadute = [&](App& a) {
        flag_al_controllo = a.s.primo_accesso_menu;
    };
    app.click(z().AVANTI);
    auto& m = app.form<MENU>();
    EXPECT_TRUE(m.is_visible());
    EXPECT_EQ(app.active_form(), &m);
    EXPECT_FALSE(z().is_enabled());
    EXPECT_FALSE(z().AGEN.visible());
    EXPECT_EQ(flag_al_controllo, "0");
    EXPECT_EQ(m.Label9.caption(), "AGENZIA MARE");
    EXPECT_EQ(m.Label10.caption(), "VIA DEL MARE 1 - LIGNANO");
    EXPECT_EQ(m.Label14.caption(), "0431 1234 - info@mare.it");
    EXPECT_EQ(m.Label15.caption(), " ANNO DI GESTIONE 2026");
    EXPECT_EQ(m.Label16.caption(), "09/12/2026");
    EXPECT_EQ(app.s.percorso_periodi, b.cartella_dati() + "periodi2026.ind");
    EXPECT_EQ(app.s.percorso_fatture, b.cartella_dati() + "fatture2026.dat");
    EXPECT_EQ(app.s.percorso_proprietari, b.cartella_dati() + "proprietari.IND");
    EXPECT_EQ(app.s.percorso_contocorr, b.cartella_dati() + "ContoCorr2026.dat");
    EXPECT_FALSE(app.form("CERCA_CART")->is_loaded());
}

TEST_F(AvvioTest, TheLastLineOfTheSettingsWinsAndAShortLineLeavesTheRestEmpty) {
    b.scrivi(prog("AGENZIA.IND"), {agenzia("PRIMA"), "SECONDA*VIA NUOVA"});
    avvia(app);
    EXPECT_EQ(app.s.agenzia_nome, "SECONDA");
    EXPECT_EQ(app.s.agenzia_via, "VIA NUOVA");
    EXPECT_EQ(app.s.diritti_agenzia, "");
    EXPECT_EQ(z().Text8.text(), "") << "an empty amount stays empty";
}

TEST_F(AvvioTest, ThePointerFileGivesTheLastFolderAndKeepsACommaInsideIt) {
    avvia(app);
    b.scrivi(prog("cartella.txt"), {"/dati/A/,$$", "/dati/B/,$$"});
    app.run([&] { leggi_cartella_dati(app); });
    EXPECT_EQ(app.testo("MENU", "Text1"), "/dati/B/");

    app.run([&] {
        app.imposta("MENU", "Text1", "/dati/mare, 2026/");
        scrivi_cartella_dati(app);
        app.imposta("MENU", "Text1", "");
        leggi_cartella_dati(app);
    });
    EXPECT_EQ(b.byte(prog("cartella.txt")), "/dati/mare, 2026/,$$\r\n");
    EXPECT_EQ(app.testo("MENU", "Text1"), "/dati/mare, 2026/");
}

// A pointer holding the data folder without its closing "/" (a hand edit, a
// copy from an older machine) still names the folder: the registers are read
// there, none is made beside it, and the pointer is written back whole.
TEST_F(AvvioTest, APointerWithoutItsClosingSlashStillNamesTheDataFolder) {
    const std::string d = b.cartella_dati();
    const std::filesystem::path radice = std::filesystem::path(d).parent_path().parent_path();
    b.scrivi(prog("AGENZIA.IND"), {agenzia("AGENZIA MARE")});
    b.scrivi(prog("cartella.txt"), {d.substr(0, d.size() - 1) + ",$$"});
    b.scrivi(d + "clienti.dat",
             {test::riga_cliente({{cliente::codice, "0001"}, {cliente::nome, "ROSSI MARIO"}})});
    avvia(app);
    app.click(z().AVANTI);
    EXPECT_TRUE(app.form<MENU>().is_visible());
    EXPECT_EQ(b.nuovi_messaggi(), std::vector<std::string>{});
    EXPECT_EQ(app.s.cartella_dati, d);
    EXPECT_EQ(app.s.percorso_clienti, d + "clienti.dat");
    EXPECT_EQ(app.testo("prenotazione", "Text22"), "1");
    EXPECT_EQ(b.byte(prog("cartella.txt")), d + ",$$\r\n");
    std::vector<std::string> accanto;
    for (const auto& e : std::filesystem::directory_iterator(radice))
        accanto.push_back(e.path().filename());
    std::sort(accanto.begin(), accanto.end());
    EXPECT_EQ(accanto, (std::vector<std::string>{"dati", "programma"}));
}

TEST_F(AvvioTest, WithoutAPointerFileTheMenuOpensTheFolderChooser) {
    b.scrivi(prog("AGENZIA.IND"), {agenzia("AGENZIA MARE")});
    avvia(app);
    app.click(z().AVANTI);
    EXPECT_TRUE(std::filesystem::exists(prog("cartella.txt")));
    EXPECT_TRUE(app.form("CERCA_CART")->is_visible());
    EXPECT_EQ(app.testo("MENU", "Text1"), "");
    EXPECT_EQ(app.s.percorso_periodi, "periodi2026.ind") << "paths built from an empty folder";
}

TEST_F(AvvioTest, ChoosingTheDataFolderBeforeAvantiRemembersIt) {
    avvia(app);
    app.click(z().Command1);
    plat::Form& c = *app.form("CERCA_CART");
    EXPECT_TRUE(c.is_visible());
    EXPECT_TRUE(z().is_enabled()) << "the start form stays usable";

    // The folder above, then the data folder picked in its list.
    std::string cartella = b.cartella_dati();
    cartella.pop_back();
    plat::Control& elenco = *c.control("Dir1");
    app.navigate(elenco, std::filesystem::path(cartella).parent_path().string());
    const auto& righe = elenco.state().items;
    const auto riga =
        std::find(righe.begin(), righe.end(), std::filesystem::path(cartella).filename().string());
    ASSERT_NE(riga, righe.end());
    app.pick(elenco, static_cast<int>(riga - righe.begin()));
    app.click(*c.control("OK"));
    EXPECT_FALSE(c.is_loaded());
    EXPECT_EQ(b.byte(prog("cartella.txt")), b.cartella_dati() + ",$$\r\n");
    EXPECT_TRUE(app.form<MENU>().is_loaded());
    EXPECT_FALSE(app.form<MENU>().is_visible()) << "the menu is loaded hidden";
    EXPECT_EQ(app.form<MENU>().Text1.text(), b.cartella_dati());
}

// A fresh home may hold no folder to pick: OK takes the folder shown.
TEST_F(AvvioTest, OkWithNoFolderPickedTakesTheFolderShown) {
    const char* prima = std::getenv("HOME");
    const std::string casa = prima ? prima : "";
    std::string cartella = b.cartella_dati();
    cartella.pop_back();
    setenv("HOME", cartella.c_str(), 1);
    avvia(app);
    app.click(z().Command1);
    plat::Form& c = *app.form("CERCA_CART");
    app.click(*c.control("OK"));
    if (prima) setenv("HOME", casa.c_str(), 1);
    else
        unsetenv("HOME");
    EXPECT_FALSE(c.is_loaded());
    EXPECT_EQ(b.byte(prog("cartella.txt")), b.cartella_dati() + ",$$\r\n");
}

TEST_F(AvvioTest, AvantiWithAMissingDataFolderSaysSoAndEndsWithoutCreatingIt) {
    const std::string assente = b.cartella_dati() + "non_esiste/";
    b.scrivi(prog("AGENZIA.IND"), {agenzia("AGENZIA MARE")});
    b.scrivi(prog("cartella.txt"), {assente + ",$$"});
    avvia(app);
    app.click(z().AVANTI);
    ASSERT_EQ(b.messaggi().shown().size(), 1u);
    EXPECT_EQ(b.messaggi().shown()[0].title, "AVVISO ERRORE");
    EXPECT_TRUE(
        b.messaggi().shown()[0].text.starts_with("ATTENZIONE IL PERCORSO DEI DATI NON VALIDO"));
    EXPECT_TRUE(app.ended());
    EXPECT_FALSE(std::filesystem::exists(assente));
}

TEST_F(AvvioTest, EsciEndsTheProgramAtOnce) {
    avvia(app);
    app.click(z().Command2);
    EXPECT_TRUE(app.ended());
    EXPECT_TRUE(b.messaggi().shown().empty());
}

// Registers longer than the tables were made for are loaded whole at start,
// without a word: nothing of them is out of reach of the forms or lost at
// the next save.
TEST_F(AvvioTest, RegistersLongerThanTheirTablesLoadWholeAtStartWithoutAWord) {
    auto righe = [](int n, const std::string& fine) {
        std::vector<std::string> r;
        for (int i = 1; i <= n; ++i) r.push_back(plat::pad_code(std::to_string(i)) + fine);
        return r;
    };
    const std::string d = b.cartella_dati();
    b.scrivi(prog("AGENZIA.IND"), {agenzia("AGENZIA MARE")});
    b.scrivi(prog("cartella.txt"), {d + ",$$"});
    b.scrivi(prog("BANCHE.IND"), righe(150, ",BANCA,,,,,0000"));
    b.scrivi(d + "Vie.dat", righe(600, "**VIA* $$"));
    b.scrivi(d + "proprietari.IND", righe(400, "*VIA*BARI*BA*70100*080*0001*CF*PROVV*"));
    b.scrivi(d + "appartamenti.ind", righe(600, "*001*1*MON*SI*1*NO*1*4*ESTIVO***0010"));
    b.scrivi(d + "clienti.dat", righe(2000, "*CLIENTE*VIA*70100*BARI*080*BA*CF*"));
    b.scrivi(d + "periodi2026.ind", righe(1200, "*01/07/2026*15/07/2026*500,00*LIB"));
    // Bookings paid in July: nothing expired, nobody arriving.
    b.scrivi(d + "prenotazioni2026.dat",
             righe(1200, "*0001*01/07/2026*15/07/2026*600,00*0,00*ND*ND*ND*10/07/2026**1*1****"));
    b.scrivi(d + "noteaff2026.dat", righe(1200, "*1*0010"));
    b.scrivi(d + "saldi2026.dat", righe(1200, "*0001*0*0*0*0*0*1*0010"));
    avvia(app);
    app.click(z().AVANTI);
    EXPECT_TRUE(app.form<MENU>().is_visible());
    EXPECT_EQ(b.nuovi_messaggi(), std::vector<std::string>{});
    const std::pair<const char*, const char*> conte[] = {
        {"COORDBANCA", "Text19"},   {"appartament", "Text45"},  {"PROPRIETARI", "Text1"},
        {"appartament", "Text23"},  {"prenotazione", "Text22"}, {"appartament", "Text26"},
        {"prenotazione", "Text21"}, {"prenotazione", "Text23"}, {"prenotazione", "Text26"}};
    const char* attese[] = {"150", "600", "400", "600", "2000", "1200", "1200", "1200", "1200"};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(app.testo(conte[i].first, conte[i].second), attese[i]) << conte[i].second;
}

}  // namespace
}  // namespace ga::test
