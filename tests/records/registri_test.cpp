#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/folder_lock.h"
#include "platform/number.h"
#include "records/appartamenti.h"
#include "records/archivio.h"
#include "records/banche.h"
#include "records/clienti.h"
#include "records/percorsi.h"
#include "records/proprietari.h"
#include "records/vie.h"
#include "support/banco.h"
#include "support/righe.h"

namespace ga {
namespace {

namespace fs = std::filesystem;
using Righe = std::vector<std::string>;

// The bytes of a record file holding these lines.
std::string crlf(const Righe& righe) {
    std::string out;
    for (const auto& r : righe) out += r + "\r\n";
    return out;
}

class Registri : public ::testing::Test {
protected:
    void SetUp() override { b.prepara_dati(); }

    App& app() { return b.app(); }
    std::string dati(const std::string& nome) const { return b.cartella_dati() + nome; }
    std::string box(const char* form, const char* nome) { return app().testo(form, nome); }
    void metti(const char* form, const char* nome, const std::string& testo) {
        app().imposta(form, nome, testo);
    }
    // Runs a writer as an event, returning what it returned.
    template <class F>
    bool esegui(F writer) {
        bool esito = false;
        app().run([&] { esito = writer(app()); });
        return esito;
    }

    test::Banco b;
};

// --- first start ------------------------------------------------------------

TEST_F(Registri, FirstStartCreatesEveryRegisterEmptyWithCountsZero) {
    app().run([&] {
        carica_vie(app());
        carica_proprietari(app());
        carica_appartamenti(app());
        carica_clienti(app());
    });
    for (const char* f : {"Vie.dat", "proprietari.IND", "appartamenti.ind", "clienti.dat"}) {
        ASSERT_TRUE(fs::exists(dati(f))) << f;
        EXPECT_EQ(b.byte(dati(f)), "") << f;
    }
    EXPECT_EQ(box("appartament", "Text45"), "0");
    EXPECT_EQ(box("PROPRIETARI", "Text1"), "0");
    EXPECT_EQ(box("appartament", "Text23"), "0");
    EXPECT_EQ(box("prenotazione", "Text22"), "0");
    EXPECT_TRUE(b.nuovi_messaggi().empty());
}

// --- streets ------------------------------------------------------------------

TEST_F(Registri, NewStreetIsRecordCountPlusOneWithPaddedCode) {
    b.scrivi(dati("Vie.dat"),
             {test::riga_via({{vie::codice, "0001"}, {vie::nome, "VIA MARE"}}),
              test::riga_via({{vie::codice, "0002"}, {vie::nome, "CORSO ITALIA"}}),
              test::riga_via({{vie::codice, "0003"}, {vie::nome, "PIAZZA DUOMO"}})});
    app().run([&] { carica_vie(app()); });
    ASSERT_EQ(box("appartament", "Text45"), "3");

    // The apartment card raises the count and the index before saving.
    metti("appartament", "Text45", "4");
    metti("appartament", "Text46", "4");
    metti("appartament", "Text2", "  VIA ROMA ");
    EXPECT_TRUE(esegui(registra_via));

    EXPECT_EQ(b.byte(dati("Vie.dat")),
              crlf({test::riga_via({{vie::codice, "0001"}, {vie::nome, "VIA MARE"}}),
                    test::riga_via({{vie::codice, "0002"}, {vie::nome, "CORSO ITALIA"}}),
                    test::riga_via({{vie::codice, "0003"}, {vie::nome, "PIAZZA DUOMO"}}),
                    test::riga_via({{vie::codice, "0004"}, {vie::nome, "VIA ROMA"}})}));
    EXPECT_EQ(box("appartament", "Text45"), "4");
    EXPECT_EQ(app().s.vie[4], (RigaVia{"0004", "", "VIA ROMA"}));
}

TEST_F(Registri, StreetsLoaderSkipsLinesWithoutSeparatorAndRewriteDropsOnlyTheCancelledOne) {
    b.scrivi(
        dati("Vie.dat"),
        {test::riga_via({{vie::codice, "0001"}, {vie::nome, "VIA MARE"}}), "RIGA SENZA SEPARATORE",
         test::riga_via({{vie::codice, "0003"}, {vie::nome, "VIA LAGO"}}), "0004**"});
    app().run([&] { carica_vie(app()); });
    // The line without "*" holds no street but keeps its line number.
    EXPECT_EQ(box("appartament", "Text45"), "4");
    EXPECT_EQ(app().s.vie[2], (RigaVia{}));
    EXPECT_EQ(app().s.vie[3], (RigaVia{"0003", "", "VIA LAGO"}));

    // Street 3 deleted: it vanishes and street 4 moves up; every other line
    // stays as it stood.
    metti("appartament", "Text46", "3");
    metti("appartament", "Text2", "CANC");
    EXPECT_TRUE(esegui(registra_via));
    EXPECT_EQ(b.byte(dati("Vie.dat")),
              crlf({test::riga_via({{vie::codice, "0001"}, {vie::nome, "VIA MARE"}}),
                    "RIGA SENZA SEPARATORE", "0004**"}));
    EXPECT_EQ(box("appartament", "Text45"), "3");
}

// --- owners -------------------------------------------------------------------

class RegistroProprietari : public Registri {
protected:
    void SetUp() override {
        Registri::SetUp();
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
                                           {proprietario::email, "r@x.it"}}),
                  test::riga_proprietario({{proprietario::nome, "BIANCHI ANNA"},
                                           {proprietario::via, "VIA MARE 2"},
                                           {proprietario::citta, "BARI"},
                                           {proprietario::provincia, "BA"},
                                           {proprietario::cap, "70100"},
                                           {proprietario::telefono, "080222"},
                                           {proprietario::codice, "0002"},
                                           {proprietario::codice_fiscale, "BNCNNA"},
                                           {proprietario::rapporto, "CONTR"},
                                           {proprietario::email, "b@x.it"}}),
                  test::riga_proprietario({{proprietario::nome, "VERDI LUCA"},
                                           {proprietario::via, "VIA LAGO 3"},
                                           {proprietario::citta, "OTRANTO"},
                                           {proprietario::provincia, "LE"},
                                           {proprietario::cap, "73028"},
                                           {proprietario::telefono, "0836333"},
                                           {proprietario::codice, "0003"},
                                           {proprietario::codice_fiscale, "VRDLCU"},
                                           {proprietario::rapporto, "CONTR"},
                                           {proprietario::email, "v@x.it"}})});
        app().run([&] { carica_proprietari(app()); });
    }
    void mostra(int k) {
        metti("PROPRIETARI", "Text8", std::to_string(k));
        app().run([&] { vedi_proprietario(app()); });
    }
};

TEST_F(RegistroProprietari, ShowPutsEachFieldInItsBox) {
    ASSERT_EQ(box("PROPRIETARI", "Text1"), "3");
    mostra(2);
    EXPECT_EQ(box("PROPRIETARI", "Text2"), "BIANCHI ANNA");
    EXPECT_EQ(box("PROPRIETARI", "Text3"), "VIA MARE 2");
    EXPECT_EQ(box("PROPRIETARI", "Text4"), "BARI");
    EXPECT_EQ(box("PROPRIETARI", "Text10"), "BA");
    EXPECT_EQ(box("PROPRIETARI", "Text9"), "70100");
    EXPECT_EQ(box("PROPRIETARI", "Text6"), "080222");
    EXPECT_EQ(box("PROPRIETARI", "Text7"), "0002");
    EXPECT_EQ(box("PROPRIETARI", "Text5"), "BNCNNA");
    EXPECT_EQ(box("PROPRIETARI", "Text11"), "b@x.it");
    EXPECT_EQ(app().campo("PROPRIETARI", "Option1").value(), 0);
    EXPECT_EQ(app().campo("PROPRIETARI", "Option2").value(), 1);

    mostra(1);
    EXPECT_EQ(app().campo("PROPRIETARI", "Option1").value(), 1);
    EXPECT_EQ(app().campo("PROPRIETARI", "Option2").value(), 0);

    // Position 0 (and anything outside the table) is the empty record.
    mostra(0);
    EXPECT_EQ(box("PROPRIETARI", "Text2"), "");
    EXPECT_EQ(app().campo("PROPRIETARI", "Option1").value(), 0);
    EXPECT_EQ(app().campo("PROPRIETARI", "Option2").value(), 0);
    mostra(5000);
    EXPECT_EQ(box("PROPRIETARI", "Text2"), "");
}

TEST_F(RegistroProprietari, DeletingOwnerTwoMovesOwnerThreeUp) {
    mostra(2);
    metti("PROPRIETARI", "Text2", "CANC");
    EXPECT_TRUE(esegui(registra_proprietari));
    EXPECT_EQ(b.byte(dati("proprietari.IND")),
              crlf({test::riga_proprietario({{proprietario::nome, "ROSSI MARIO"},
                                             {proprietario::via, "VIA ROMA 1"},
                                             {proprietario::citta, "LECCE"},
                                             {proprietario::provincia, "LE"},
                                             {proprietario::cap, "73100"},
                                             {proprietario::telefono, "0832111"},
                                             {proprietario::codice, "0001"},
                                             {proprietario::codice_fiscale, "RSSMRA"},
                                             {proprietario::rapporto, "PROVV"},
                                             {proprietario::email, "r@x.it"}}),
                    test::riga_proprietario({{proprietario::nome, "VERDI LUCA"},
                                             {proprietario::via, "VIA LAGO 3"},
                                             {proprietario::citta, "OTRANTO"},
                                             {proprietario::provincia, "LE"},
                                             {proprietario::cap, "73028"},
                                             {proprietario::telefono, "0836333"},
                                             {proprietario::codice, "0003"},
                                             {proprietario::codice_fiscale, "VRDLCU"},
                                             {proprietario::rapporto, "CONTR"},
                                             {proprietario::email, "v@x.it"}})}));
    EXPECT_EQ(box("PROPRIETARI", "Text1"), "2");
    EXPECT_EQ(app().s.proprietari[2][proprietario::nome], "VERDI LUCA");
}

TEST_F(RegistroProprietari, EmptyNameIsDroppedAtTheRewrite) {
    mostra(1);
    metti("PROPRIETARI", "Text2", "");
    EXPECT_TRUE(esegui(registra_proprietari));
    const Righe righe = b.leggi(dati("proprietari.IND"));
    ASSERT_EQ(righe.size(), 2u);
    EXPECT_EQ(righe[0].substr(0, 12), "BIANCHI ANNA");
    EXPECT_EQ(box("PROPRIETARI", "Text1"), "2");
}

TEST_F(RegistroProprietari, RelationFollowsTheOptionsOrStaysWhenNoneIsTicked) {
    // Neither option ticked: owner 1 keeps "PROVV".
    mostra(1);
    app().campo("PROPRIETARI", "Option1").set_value(0);
    app().campo("PROPRIETARI", "Option2").set_value(0);
    metti("PROPRIETARI", "Text6", "0832999");
    EXPECT_TRUE(esegui(registra_proprietari));
    EXPECT_EQ(b.leggi(dati("proprietari.IND"))[0],
              test::riga_proprietario({{proprietario::nome, "ROSSI MARIO"},
                                       {proprietario::via, "VIA ROMA 1"},
                                       {proprietario::citta, "LECCE"},
                                       {proprietario::provincia, "LE"},
                                       {proprietario::cap, "73100"},
                                       {proprietario::telefono, "0832999"},
                                       {proprietario::codice, "0001"},
                                       {proprietario::codice_fiscale, "RSSMRA"},
                                       {proprietario::rapporto, "PROVV"},
                                       {proprietario::email, "r@x.it"}}));

    mostra(1);
    app().campo("PROPRIETARI", "Option2").set_value(1);
    EXPECT_TRUE(esegui(registra_proprietari));
    EXPECT_EQ(app().s.proprietari[1][proprietario::rapporto], "CONTR");
}

TEST_F(RegistroProprietari, NewOwnerWithNoOptionHasNoRelationEvenAfterADeletion) {
    // Owner 3 ("CONTR") deleted: the table row 3 must not lend its relation
    // to the next new owner saved at that index.
    mostra(3);
    metti("PROPRIETARI", "Text2", "CANC");
    ASSERT_TRUE(esegui(registra_proprietari));
    ASSERT_EQ(box("PROPRIETARI", "Text1"), "2");

    mostra(0);
    metti("PROPRIETARI", "Text1", "3");
    metti("PROPRIETARI", "Text8", "3");
    metti("PROPRIETARI", "Text2", "NERI PIA");
    metti("PROPRIETARI", "Text7", "0004");
    EXPECT_TRUE(esegui(registra_proprietari));
    EXPECT_EQ(b.leggi(dati("proprietari.IND"))[2],
              test::riga_proprietario(
                  {{proprietario::nome, "NERI PIA"}, {proprietario::codice, "0004"}}));
    EXPECT_EQ(box("PROPRIETARI", "Text1"), "3");
}

TEST_F(RegistroProprietari, OwnersFileLongerThanTheTableLoadsEveryOwnerWithoutAWord) {
    Righe righe;
    for (int i = 1; i <= 201; ++i) righe.push_back("P" + std::to_string(i) + "*********");
    b.scrivi(dati("proprietari.IND"), righe);
    b.nuovi_messaggi();
    app().run([&] { carica_proprietari(app()); });
    app().run([&] { carica_proprietari(app()); });
    EXPECT_EQ(box("PROPRIETARI", "Text1"), "201");
    EXPECT_EQ(app().s.proprietari[201][proprietario::nome], "P201");
    EXPECT_TRUE(b.nuovi_messaggi().empty());
    EXPECT_FALSE(app().ended());
}

// A loader reads its file to the end, past the records its table was made
// for: here a pipe, whose writer closes it only after the last line.
TEST_F(Registri, LoadersReadTheirFileToTheEnd) {
    box("prenotazione", "Text22");  // the count store's form, loaded before
    const std::string tubo = dati("clienti.dat");
    fs::remove(tubo);
    ASSERT_EQ(mkfifo(tubo.c_str(), 0600), 0);
    std::thread scrittore([&] {
        std::ofstream out(tubo, std::ios::binary);
        for (int i = 1; i <= 2001; ++i) out << i << "*CLIENTE " << i << "\r\n";
    });
    app().run([&] { carica_clienti(app()); });
    scrittore.join();
    EXPECT_EQ(box("prenotazione", "Text22"), "2001");
    EXPECT_EQ(app().s.clienti[2001][cliente::nome], "CLIENTE 2001");
    EXPECT_TRUE(b.nuovi_messaggi().empty());
}

// --- the data-folder check -------------------------------------------------------

TEST_F(Registri, MissingDataFolderShowsTheWarningAndEndsWithoutCreatingAnything) {
    const std::string assente = b.cartella_dati() + "non_esiste/";
    metti("MENU", "Text1", assente);
    bool dopo = false;
    app().run([&] {
        carica_proprietari(app());
        dopo = true;
    });
    EXPECT_FALSE(dopo);
    EXPECT_TRUE(app().ended());
    ASSERT_EQ(b.messaggi().shown().size(), 1u);
    const auto& m = b.messaggi().shown()[0];
    EXPECT_EQ(m.text,
              "ATTENZIONE IL PERCORSO DEI DATI NON VALIDO\r"
              "         IDENTIFICA IL PERCORSO DEI DATI  \r"
              "              -IL PROGRAMMA SARA' CHIUSO- ");
    EXPECT_EQ(m.title, "AVVISO ERRORE");
    EXPECT_EQ(m.buttons, plat::Buttons::Ok);
    EXPECT_EQ(app().s.risposta, plat::Answer::Ok);
    EXPECT_FALSE(fs::exists(assente));
    // Only the lock file of the folder used before.
    std::vector<std::string> nomi;
    for (const auto& e : fs::directory_iterator(b.cartella_dati()))
        nomi.push_back(e.path().filename());
    EXPECT_EQ(nomi, std::vector<std::string>{"IN_USO.LCK"});
}

// Two programs on one data folder would each rewrite the registers from
// their own tables and lose the other's records: the second is told who
// holds the folder and ends before writing anything.
TEST_F(Registri, OneProgramAtATimeOnADataFolder) {
    b.scrivi(dati("clienti.dat"),
             {test::riga_cliente({{cliente::codice, "0001"}, {cliente::nome, "ROSSI"}})});
    const std::string clienti = b.byte(dati("clienti.dat"));

    test::Banco secondo;
    secondo.prepara_dati();
    App& altro = secondo.app();
    bool dopo = false;
    altro.run([&] {
        altro.imposta("MENU", "Text1", b.cartella_dati());
        carica_proprietari(altro);
        dopo = true;
    });
    EXPECT_FALSE(dopo);
    EXPECT_TRUE(altro.ended());
    ASSERT_EQ(secondo.messaggi().shown().size(), 1u);
    const std::string testo = secondo.messaggi().shown()[0].text;
    for (const std::string& parte :
         std::vector<std::string>{b.cartella_dati(), "ALTRO PROGRAMMA", "UTENTE: mario",
                                  "COMPUTER: " + plat::host_name(), "SARA' CHIUSO"})
        EXPECT_NE(testo.find(parte), std::string::npos) << parte << " in " << testo;
    EXPECT_EQ(b.byte(dati("clienti.dat")), clienti);
    EXPECT_FALSE(fs::exists(dati("proprietari.IND")));

    // The first program moves to another folder: this one is free again.
    const std::string altra = b.cartella_dati() + "altra/";
    fs::create_directories(altra);
    metti("MENU", "Text1", altra);
    app().run([&] { imposta_percorsi_dati(app()); });
    test::Banco terzo;
    terzo.prepara_dati();
    terzo.app().run([&] {
        terzo.app().imposta("MENU", "Text1", b.cartella_dati());
        imposta_percorsi_dati(terzo.app());
    });
    EXPECT_FALSE(terzo.app().ended());
    EXPECT_TRUE(terzo.messaggi().shown().empty());
    // A program that ends frees its folder.
    auto prende = [&](test::Banco& banco, const std::string& cartella) {
        banco.prepara_dati();
        banco.app().run([&] {
            banco.app().imposta("MENU", "Text1", cartella);
            imposta_percorsi_dati(banco.app());
        });
        return !banco.app().ended();
    };
    const std::string breve = b.cartella_dati() + "breve/";
    fs::create_directories(breve);
    {
        test::Banco quarto;
        ASSERT_TRUE(prende(quarto, breve));
        test::Banco quinto;
        EXPECT_FALSE(prende(quinto, breve));
    }
    test::Banco sesto;
    EXPECT_TRUE(prende(sesto, breve));
}

// Two programs on one program folder (two windows of one user, each on its
// own data folder) would each rewrite the agency settings and the bank
// coordinates from their own tables, dropping the other's new bank records:
// the second is told who holds the folder and ends before reading them. A
// program whose data folder is its program folder holds it once.
TEST_F(Registri, OneProgramAtATimeOnAProgramFolder) {
    const std::string programma = b.cartella_programma();
    b.scrivi(programma + "BANCHE.IND",
             {"AGENZIA,BANCA,1,,IT00,,0000", "ROSSI,BANCA,2,,IT01,,0001"});
    const std::vector<std::string> files = {"BANCHE.IND", "AGENZIA.IND", "cartella.txt"};
    std::vector<std::string> prima;
    for (const std::string& f : files) prima.push_back(b.byte(programma + f));

    test::Banco secondo;
    App& altro = secondo.app();
    bool dopo = false;
    altro.run([&] {
        altro.imposta("zeltra", "Text17", programma);
        imposta_percorsi_programma(altro);
        carica_banche(altro);
        dopo = true;
    });
    EXPECT_FALSE(dopo);
    EXPECT_TRUE(altro.ended());
    ASSERT_EQ(secondo.messaggi().shown().size(), 1u);
    const std::string testo = secondo.messaggi().shown()[0].text;
    for (const std::string& parte :
         std::vector<std::string>{programma, "ALTRO PROGRAMMA", "UTENTE: mario",
                                  "COMPUTER: " + plat::host_name(), "SARA' CHIUSO"})
        EXPECT_NE(testo.find(parte), std::string::npos) << parte << " in " << testo;
    for (std::size_t i = 0; i < files.size(); ++i)
        EXPECT_EQ(b.byte(programma + files[i]), prima[i]) << files[i];

    metti("MENU", "Text1", programma);
    app().run([&] { imposta_percorsi_dati(app()); });
    EXPECT_FALSE(app().ended());
    EXPECT_TRUE(b.messaggi().shown().empty());
}

TEST_F(Registri, EmptyDataFolderCreatesNoOwnersFileInTheWorkingFolder) {
    const fs::path prima = fs::current_path();
    const fs::path qui = fs::path(b.cartella_dati()) / "lavoro";
    fs::create_directories(qui);
    fs::current_path(qui);
    metti("MENU", "Text1", "");
    app().run([&] { carica_proprietari(app()); });
    fs::current_path(prima);
    EXPECT_TRUE(app().ended());
    EXPECT_TRUE(fs::is_empty(qui));
    ASSERT_EQ(b.messaggi().shown().size(), 1u);
    EXPECT_EQ(b.messaggi().shown()[0].title, "AVVISO ERRORE");
}

TEST_F(Registri, OwnersLoadRebuildsTheDataPathsFromTheMenu) {
    const std::string altra = b.cartella_dati() + "altra/";
    fs::create_directories(altra);
    metti("MENU", "Text1", altra);
    app().run([&] { carica_proprietari(app()); });
    EXPECT_FALSE(app().ended());
    EXPECT_EQ(app().s.percorso_clienti, altra + "clienti.dat");
    EXPECT_TRUE(fs::exists(altra + "proprietari.IND"));
}

// --- apartments -------------------------------------------------------------------

class RegistroAppartamenti : public Registri {
protected:
    void SetUp() override {
        Registri::SetUp();
        b.scrivi(dati("Vie.dat"),
                 {test::riga_via({{vie::codice, "0001"}, {vie::nome, "VIA MARE"}}),
                  test::riga_via({{vie::codice, "7"}, {vie::nome, "VIA ROMA"}}),
                  test::riga_via({{vie::codice, "0003"}, {vie::nome, "VIA ROMA "}})});
        b.scrivi(dati("appartamenti.ind"),
                 {test::riga_appartamento({{appartamento::codice_proprietario, "0001"},
                                           {appartamento::codice_via, "0001"},
                                           {appartamento::civico, "12"},
                                           {appartamento::tipo, "MON"},
                                           {appartamento::soggiorno, "SI"},
                                           {appartamento::bagni, "1"},
                                           {appartamento::giardino, "NO"},
                                           {appartamento::piano, "1"},
                                           {appartamento::posti_letto, "2"},
                                           {appartamento::periodicita, "ESTIVO"},
                                           {appartamento::note, "VISTA MARE"},
                                           {appartamento::codice, "0010"}})});
        app().run([&] {
            carica_vie(app());
            carica_appartamenti(app());
        });
    }
    void nuovo(const std::string& via) {
        metti("appartament", "Text27", "2");
        metti("appartament", "Text1", "0002");
        metti("appartament", "Text2", via);
        metti("appartament", "Text3", "5");
        metti("appartament", "Text4", "SI");
        metti("appartament", "Text5", "2");
        metti("appartament", "Text6", "SI");
        metti("appartament", "Text7", "T");
        metti("appartament", "Text8", "4");
        metti("appartament", "Text9", "");
        metti("appartament", "Text44", "0020");
        app().imposta("appartament", "Combo2", "ANNUALE");
    }
};

TEST_F(RegistroAppartamenti, StreetCodeIsTheFirstMatchPaddedToThreeAndTypeFromTheOptions) {
    nuovo(" VIA ROMA");
    app().campo("appartament", "Option3").set_value(1);
    EXPECT_TRUE(esegui(registra_appartamento));
    // Streets 2 and 3 share the trimmed name: the first wins; its code "7"
    // is padded to three characters.
    EXPECT_EQ(b.byte(dati("appartamenti.ind")),
              crlf({test::riga_appartamento({{appartamento::codice_proprietario, "0001"},
                                             {appartamento::codice_via, "0001"},
                                             {appartamento::civico, "12"},
                                             {appartamento::tipo, "MON"},
                                             {appartamento::soggiorno, "SI"},
                                             {appartamento::bagni, "1"},
                                             {appartamento::giardino, "NO"},
                                             {appartamento::piano, "1"},
                                             {appartamento::posti_letto, "2"},
                                             {appartamento::periodicita, "ESTIVO"},
                                             {appartamento::note, "VISTA MARE"},
                                             {appartamento::codice, "0010"}}),
                    test::riga_appartamento({{appartamento::codice_proprietario, "0002"},
                                             {appartamento::codice_via, "007"},
                                             {appartamento::civico, "5"},
                                             {appartamento::tipo, "TRI"},
                                             {appartamento::soggiorno, "SI"},
                                             {appartamento::bagni, "2"},
                                             {appartamento::giardino, "SI"},
                                             {appartamento::piano, "T"},
                                             {appartamento::posti_letto, "4"},
                                             {appartamento::periodicita, "ANNUALE"},
                                             {appartamento::codice, "0020"}})}));
    EXPECT_EQ(box("appartament", "Text25"), "OK");
    EXPECT_EQ(box("appartament", "Text23"), "2");
}

TEST_F(RegistroAppartamenti, UnknownStreetGivesZeroCodeAndNoOptionGivesNoType) {
    nuovo("VIA CHE NON C'E'");
    for (const char* o : {"Option1", "Option2", "Option3", "Option4"})
        app().campo("appartament", o).set_value(0);
    EXPECT_TRUE(esegui(registra_appartamento));
    EXPECT_EQ(b.leggi(dati("appartamenti.ind"))[1],
              test::riga_appartamento({{appartamento::codice_proprietario, "0002"},
                                       {appartamento::codice_via, "000"},
                                       {appartamento::civico, "5"},
                                       {appartamento::soggiorno, "SI"},
                                       {appartamento::bagni, "2"},
                                       {appartamento::giardino, "SI"},
                                       {appartamento::piano, "T"},
                                       {appartamento::posti_letto, "4"},
                                       {appartamento::periodicita, "ANNUALE"},
                                       {appartamento::codice, "0020"}}));
    EXPECT_EQ(app().s.appartamenti[2][appartamento::tipo], "");
}

TEST_F(RegistroAppartamenti, ShortLineLoadsWhatItHas) {
    b.scrivi(dati("appartamenti.ind"), {test::riga_nota({{nota::testo, "0001"},
                                                         {nota::prenotazione, "0001"},
                                                         {nota::appartamento, "12"}})});
    app().run([&] { carica_appartamenti(app()); });
    EXPECT_EQ(box("appartament", "Text23"), "1");
    EXPECT_EQ(app().s.appartamenti[1][appartamento::civico], "12");
    EXPECT_EQ(app().s.appartamenti[1][appartamento::codice], "");
}

// --- clients ---------------------------------------------------------------------

class RegistroClienti : public Registri {
protected:
    void SetUp() override {
        Registri::SetUp();
        b.scrivi(dati("clienti.dat"),
                 {test::riga_cliente({{cliente::codice, "0001"},
                                      {cliente::nome, "ROSSI MARIO"},
                                      {cliente::via, "VIA ROMA 1"},
                                      {cliente::cap, "73100"},
                                      {cliente::citta, "LECCE"},
                                      {cliente::telefono, "0832"},
                                      {cliente::provincia, "LE"},
                                      {cliente::codice_fiscale, "RSSMRA80A01E506X"},
                                      {cliente::email, "r@x.it"}}),
                  test::riga_cliente({{cliente::codice, "0002"},
                                      {cliente::nome, "BIANCHI ANNA"},
                                      {cliente::via, "VIA MARE 2"},
                                      {cliente::cap, "70100"},
                                      {cliente::citta, "BARI"},
                                      {cliente::telefono, "080"},
                                      {cliente::provincia, "BA"},
                                      {cliente::codice_fiscale, "BNCNNA80A41A662X"}}),
                  test::riga_cliente({{cliente::codice, "0003"},
                                      {cliente::nome, "VERDI LUCA"},
                                      {cliente::via, "VIA LAGO 3"},
                                      {cliente::cap, "73028"},
                                      {cliente::citta, "OTRANTO"},
                                      {cliente::telefono, "0836"},
                                      {cliente::provincia, "LE"},
                                      {cliente::codice_fiscale, "VRDLCU80A01G188X"}})});
        app().run([&] { carica_clienti(app()); });
    }
    void cliente(int k, const std::string& nome) {
        metti("prenotazione", "Text24", std::to_string(k));
        metti("prenotazione", "Text25", "0004");
        metti("prenotazione", "Text8", nome);
        metti("prenotazione", "Text10", "VIA NUOVA 9");
        metti("prenotazione", "Text11", "73040");
        metti("prenotazione", "Text12", "CASTRO");
        metti("prenotazione", "Text13", "0836444");
        metti("prenotazione", "Text14", "LE");
        metti("prenotazione", "Text9", "NRENPA80A41C336X");
        metti("prenotazione", "Text30", "n@x.it");
    }
};

TEST_F(RegistroClienti, NewClientGoesAfterTheLastWithPostalCodeBeforeTownAndTicksTheForm) {
    ASSERT_EQ(box("prenotazione", "Text22"), "3");
    app().campo("prenotazione", "Check1").set_value(0);
    cliente(4, "NERI PIA");
    EXPECT_TRUE(esegui(test::registra_cliente_del_blocco));
    const Righe righe = b.leggi(dati("clienti.dat"));
    ASSERT_EQ(righe.size(), 4u);
    EXPECT_EQ(righe[3], test::riga_cliente({{cliente::codice, "0004"},
                                            {cliente::nome, "NERI PIA"},
                                            {cliente::via, "VIA NUOVA 9"},
                                            {cliente::cap, "73040"},
                                            {cliente::citta, "CASTRO"},
                                            {cliente::telefono, "0836444"},
                                            {cliente::provincia, "LE"},
                                            {cliente::codice_fiscale, "NRENPA80A41C336X"},
                                            {cliente::email, "n@x.it"}}));
    EXPECT_EQ(box("prenotazione", "Text22"), "4");
    EXPECT_EQ(app().campo("prenotazione", "Check1").value(), 1);
    EXPECT_EQ(app().s.clienti[4][cliente::cap], "73040");
    EXPECT_EQ(app().s.clienti[4][cliente::citta], "CASTRO");
}

TEST_F(RegistroClienti, CancAndEmptyNamesAreDroppedAndLaterClientsMoveUp) {
    app().s.clienti[1][cliente::nome] = "";
    cliente(2, "CANC");
    EXPECT_TRUE(esegui(test::registra_cliente_del_blocco));
    EXPECT_EQ(b.byte(dati("clienti.dat")),
              crlf({test::riga_cliente({{cliente::codice, "0003"},
                                        {cliente::nome, "VERDI LUCA"},
                                        {cliente::via, "VIA LAGO 3"},
                                        {cliente::cap, "73028"},
                                        {cliente::citta, "OTRANTO"},
                                        {cliente::telefono, "0836"},
                                        {cliente::provincia, "LE"},
                                        {cliente::codice_fiscale, "VRDLCU80A01G188X"}})}));
    EXPECT_EQ(box("prenotazione", "Text22"), "1");
    EXPECT_EQ(app().s.clienti[1][cliente::nome], "VERDI LUCA");
    // The rows the file no longer holds are empty, not left-overs.
    EXPECT_EQ(app().s.clienti[2], (RigaCliente{}));
}

// --- refusals of every writer ---------------------------------------------------------

TEST_F(RegistroClienti, ValueWithTheSeparatorIsRefusedAndNothingIsWritten) {
    const std::string prima = b.byte(dati("clienti.dat"));
    app().campo("prenotazione", "Check1").set_value(0);
    cliente(4, "NERI*PIA");
    b.nuovi_messaggi();
    EXPECT_FALSE(esegui(test::registra_cliente_del_blocco));
    EXPECT_EQ(b.byte(dati("clienti.dat")), prima);
    EXPECT_EQ(app().campo("prenotazione", "Check1").value(), 0);
    EXPECT_EQ(box("prenotazione", "Text22"), "3");
    EXPECT_EQ(app().s.clienti[4][cliente::nome], "");
    const auto messaggi = b.nuovi_messaggi();
    ASSERT_EQ(messaggi.size(), 1u);
    EXPECT_NE(messaggi[0].find("NERI*PIA"), std::string::npos);
}

TEST_F(Registri, EveryWriterRefusesTheSeparatorAndLineBreaksBeforeWriting) {
    b.scrivi(dati("Vie.dat"), {test::riga_via({{vie::codice, "0001"}, {vie::nome, "VIA MARE"}})});
    b.scrivi(dati("proprietari.IND"), {test::riga_proprietario({{proprietario::nome, "ROSSI"}})});
    b.scrivi(dati("appartamenti.ind"),
             {test::riga_appartamento({{appartamento::codice_proprietario, "0001"},
                                       {appartamento::codice_via, "0001"},
                                       {appartamento::civico, "1"},
                                       {appartamento::codice, "0010"}})});
    b.scrivi(dati("clienti.dat"),
             {test::riga_cliente({{cliente::codice, "0001"}, {cliente::nome, "ROSSI"}})});
    app().run([&] {
        carica_vie(app());
        carica_proprietari(app());
        carica_appartamenti(app());
        carica_clienti(app());
    });
    const std::string vie = b.byte(dati("Vie.dat"));
    const std::string prop = b.byte(dati("proprietari.IND"));
    const std::string app_ = b.byte(dati("appartamenti.ind"));
    const std::string cli = b.byte(dati("clienti.dat"));
    b.nuovi_messaggi();

    // Each writer, once with the separator and once with a line break,
    // which would make a second record of what follows it.
    for (const std::string rottura : {"*", "\r\n", "\r", "\n"}) {
        metti("appartament", "Text45", "2");
        metti("appartament", "Text46", "2");
        metti("appartament", "Text2", "VIA" + rottura + "ROMA");
        EXPECT_FALSE(esegui(registra_via));

        metti("PROPRIETARI", "Text8", "1");
        metti("PROPRIETARI", "Text2", "ROSSI");
        metti("PROPRIETARI", "Text11", "a" + rottura + "b@x.it");
        EXPECT_FALSE(esegui(registra_proprietari));

        metti("appartament", "Text27", "1");
        metti("appartament", "Text2", "VIA MARE");
        metti("appartament", "Text9", "NOTE " + rottura + " VARIE");
        EXPECT_FALSE(esegui(registra_appartamento));

        metti("prenotazione", "Text24", "2");
        metti("prenotazione", "Text25", "0002");
        metti("prenotazione", "Text8", "NERI PAOLO" + rottura + "B");
        EXPECT_FALSE(esegui(test::registra_cliente_del_blocco));

        const auto messaggi = b.nuovi_messaggi();
        ASSERT_EQ(messaggi.size(), 4u) << rottura;
        const std::string motivo = rottura == "*" ? "NON PUO' ESSERE USATO" : "A CAPO";
        for (const auto& m : messaggi) EXPECT_NE(m.find(motivo), std::string::npos) << m;
    }
    EXPECT_EQ(b.byte(dati("Vie.dat")), vie);
    EXPECT_EQ(b.byte(dati("proprietari.IND")), prop);
    EXPECT_EQ(b.byte(dati("appartamenti.ind")), app_);
    EXPECT_EQ(b.byte(dati("clienti.dat")), cli);
    EXPECT_EQ(box("appartament", "Text25"), "");
    EXPECT_EQ(app().s.proprietari[1][proprietario::email], "");
    EXPECT_EQ(app().s.clienti[2][cliente::nome], "");

    // A register written as one text refuses a line break inside a line,
    // and lines that are not the count it was given.
    for (const auto& [testo, righe] : std::vector<std::pair<std::string, std::size_t>>{
             {"A\nB\r\n", 1}, {"A\rB\r\n", 1}, {"A\r\nB\r\n", 1}, {"A\r\nB", 2}}) {
        bool ok = true;
        app().run([&] { ok = scrivi_testo_registro(app(), dati("Vie.dat"), testo, righe); });
        EXPECT_FALSE(ok) << testo;
    }
    EXPECT_EQ(b.nuovi_messaggi().size(), 4u);
    EXPECT_EQ(b.byte(dati("Vie.dat")), vie);

    // A writer without values of its own (the data-folder pointer) refuses
    // the line as a whole.
    const std::string cartella = b.byte(b.cartella_programma() + "cartella.txt");
    metti("MENU", "Text1", "/tmp/a\nb/");
    app().run([&] { scrivi_cartella_dati(app()); });
    EXPECT_EQ(b.byte(b.cartella_programma() + "cartella.txt"), cartella);
    EXPECT_EQ(b.nuovi_messaggi().size(), 1u);
}

// A record number is a row of the table or the one after it: any other
// names no record, and would leave a run of empty ones before it.
TEST_F(Registri, WritersRefuseARecordNumberThatNamesNoRow) {
    b.scrivi(dati("clienti.dat"),
             {test::riga_cliente({{cliente::codice, "0001"}, {cliente::nome, "ROSSI"}})});
    app().run([&] { carica_clienti(app()); });
    const std::string prima = b.byte(dati("clienti.dat"));
    b.nuovi_messaggi();

    metti("prenotazione", "Text24", "1002");
    metti("prenotazione", "Text8", "NERI PIA");
    EXPECT_FALSE(esegui(test::registra_cliente_del_blocco));
    metti("PROPRIETARI", "Text1", "202");
    metti("PROPRIETARI", "Text8", "202");
    metti("PROPRIETARI", "Text2", "NERI PIA");
    EXPECT_FALSE(esegui(registra_proprietari));
    metti("appartament", "Text27", "502");
    EXPECT_FALSE(esegui(registra_appartamento));
    metti("appartament", "Text46", "502");
    metti("appartament", "Text2", "VIA NUOVA");
    EXPECT_FALSE(esegui(registra_via));

    const auto messaggi = b.nuovi_messaggi();
    ASSERT_EQ(messaggi.size(), 4u);
    for (const auto& m : messaggi) EXPECT_NE(m.find("NON E' VALIDO"), std::string::npos) << m;
    EXPECT_EQ(b.byte(dati("clienti.dat")), prima);
    EXPECT_EQ(b.byte(dati("Vie.dat")), "") << "the refused street is not written";
    EXPECT_EQ(app().s.appartamenti[1], (RigaAppartamento{}));
    EXPECT_FALSE(app().ended());

    // A record number of 0 (nothing chosen) is refused too, not lost.
    metti("prenotazione", "Text24", "0");
    EXPECT_FALSE(esegui(test::registra_cliente_del_blocco));
    EXPECT_EQ(b.byte(dati("clienti.dat")), prima);
}

}  // namespace
}  // namespace ga
