// The clients form: new clients and their codes, changes, deletions while
// browsing, the duplicate-name check, and the town and fiscal-code boxes.
#include <gtest/gtest.h>

#include <ostream>

#include "platform/text.h"
#include "records/clienti.h"
#include "registry/insnomi.h"
#include "support/banco.h"
#include "support/righe.h"

namespace ga::test {
namespace {

using namespace cliente;

// A client as the file holds it: the fields named, the others empty.
std::string cli(Valori<Campo> valori) { return riga_cliente(valori); }

const std::string kRossi = cli({{codice, "0001"},
                                {nome, "ROSSI MARIO"},
                                {via, "VIA ROMA 1"},
                                {cap, "00118"},
                                {citta, "ROMA"},
                                {telefono, "061234"},
                                {provincia, "RM"},
                                {codice_fiscale, "RSSMRA85T10A562S"},
                                {email, "R@X.IT"}});
std::string bianchi(const std::string& via_, const std::string& telefono_) {
    return cli({{codice, "0002"},
                {nome, "BIANCHI ANNA"},
                {via, via_},
                {cap, "20121"},
                {citta, "MILANO"},
                {telefono, telefono_},
                {provincia, "MI"},
                {codice_fiscale, "XXX"}});
}
const std::string kBianchi = bianchi("VIA PO 2", "02555");
const std::string kVerdi = cli({{codice, "0003"},
                                {nome, "VERDI LUCA"},
                                {via, "VIA TEVERE"},
                                {cap, "00118"},
                                {citta, "ROMA"},
                                {telefono, "063333"},
                                {provincia, "RM"}});

class Clienti : public ::testing::Test {
protected:
    void SetUp() override { b.prepara_dati(); }
    void apri(const std::vector<std::string>& righe) {
        b.scrivi(app.s.percorso_clienti, righe);
        app.run([&] { f().show(); });
        ASSERT_TRUE(f().is_visible());
        b.nuovi_messaggi();
    }
    insnomi& f() { return app.form<insnomi>(); }
    void scrivi(plat::Control& box, const std::string& testo) {
        app.type(box, testo);
        app.leave(box);
    }
    void scegli(const std::string& nome) {
        for (int i = 0; i < f().Combo1.list_count(); ++i)
            if (f().Combo1.item(i) == nome) return app.pick(f().Combo1, i);
        FAIL() << nome << " not in the list";
    }
    std::string file() { return b.byte(app.s.percorso_clienti); }

    Banco b;
    App& app = b.app();
};

TEST_F(Clienti, ANewBookingPageFromTheMenuDoesNotShowTheClientLastSaved) {
    apri({kRossi});
    app.click(f().NUOVOINS);
    scrivi(f().Text1, "NERI PAOLO");
    scrivi(f().Text7, "RSSMRA85T10A562S");
    app.click(f().SALVACLI);
    ASSERT_EQ(
        file(),
        kRossi + "\r\n" +
            cli({{codice, "0002"}, {nome, "NERI PAOLO"}, {codice_fiscale, "RSSMRA85T10A562S"}}) +
            "\r\n");
    app.click(f().USCITA);
    plat::Control& comandi = app.campo("MENU", "List1");
    app.click(app.campo("MENU", "prenotazioni"));
    app.pick(comandi, 0);  // INSERISCI PRENOTAZIONE
    ASSERT_TRUE(app.form("prenotazione")->is_visible());
    for (const char* box : {"Text8", "Text9", "Text25", "Text24"})
        EXPECT_EQ(app.testo("prenotazione", box), "") << box;
}

TEST_F(Clienti, ANewClientIsAppendedAndListedOnlyAfterReopening) {
    apri({});
    app.click(f().NUOVOINS);
    EXPECT_EQ(f().Text10.text(), "0001");
    scrivi(f().Text1, "neri paolo");
    scrivi(f().Text2, "via*po");
    app.click(f().SALVACLI);
    // The separator is refused: nothing written, the typing kept, the count unchanged.
    ASSERT_EQ(b.nuovi_messaggi().size(), 1u);
    EXPECT_EQ(file(), "");
    EXPECT_EQ(f().Text1.text(), "NERI PAOLO");
    EXPECT_EQ(f().Text8.text(), "0");

    scrivi(f().Text2, "via po");
    app.click(f().SALVACLI);
    EXPECT_EQ(file(), cli({{codice, "0001"}, {nome, "NERI PAOLO"}, {via, "VIA PO"}}) + "\r\n");
    EXPECT_EQ(f().Text8.text(), "1");
    EXPECT_EQ(f().Combo1.list_count(), 0);

    app.click(f().USCITA);
    EXPECT_TRUE(app.form("MENU")->is_visible());
    EXPECT_FALSE(f().is_loaded());
    app.run([&] { f().show(); });
    EXPECT_EQ(f().Combo1.item(0), "NERI PAOLO");
}

// The clients of many seasons, past the thousand the table was made for: a
// new one takes a code no client holds and is written after all of them.
TEST_F(Clienti, ANewClientAfterTwoThousandKeepsThemAllAndTakesAFreeCode) {
    std::vector<std::string> righe;
    for (int i = 1; i <= 2000; ++i)
        righe.push_back(cli(
            {{codice, plat::pad_code(std::to_string(i))}, {nome, "CLIENTE " + std::to_string(i)}}));
    apri(righe);
    EXPECT_EQ(f().Text8.text(), "2000");
    app.click(f().NUOVOINS);
    EXPECT_EQ(f().Text10.text(), "2001");
    scrivi(f().Text1, "neri paolo");
    app.click(f().SALVACLI);
    righe.push_back(cli({{codice, "2001"}, {nome, "NERI PAOLO"}}));
    EXPECT_EQ(b.leggi(app.s.percorso_clienti), righe);
    EXPECT_EQ(f().Text8.text(), "2001");
}

TEST_F(Clienti, APastedLineBreakBecomesABlankAndNeverSplitsTheRecord) {
    apri({kRossi});
    app.click(f().NUOVOINS);
    scrivi(f().Text1, "NERI PAOLO\r\nB");
    scrivi(f().Text2, "VIA PO\r1\n2");
    EXPECT_EQ(f().Text1.text(), "NERI PAOLO B");
    EXPECT_EQ(f().Text2.text(), "VIA PO 1 2");
    app.click(f().SALVACLI);
    EXPECT_EQ(file(), kRossi + "\r\n" +
                          cli({{codice, "0002"}, {nome, "NERI PAOLO B"}, {via, "VIA PO 1 2"}}) +
                          "\r\n");
}

TEST_F(Clienti, DeletingAndNewCodes) {
    apri({kRossi, kBianchi, kVerdi});
    // After NUOVO the record number still names the client shown before.
    app.click(f().MODICLI);
    scegli("BIANCHI ANNA");
    app.click(f().NUOVOINS);
    scrivi(f().Text1, "ALTRO");
    app.click(f().CESTO);
    EXPECT_EQ(b.nuovi_messaggi().size(), 1u);

    // Browsing: the shown client's boxes are locked and not checked when left
    // ("XXX" is no valid fiscal code, but nobody typed it).
    app.click(f().VEDI);
    app.scroll(f().HScroll1, 2);
    EXPECT_EQ(f().Text1.text(), "BIANCHI ANNA");
    app.leave(f().Text7);
    EXPECT_EQ(f().Text7.text(), "XXX");
    b.messaggi().answer(plat::Answer::No);
    app.click(f().CESTO);
    EXPECT_EQ(b.nuovi_messaggi(),
              std::vector<std::string>{"Sei sicuro di cancellare \rBIANCHI ANNA"});
    EXPECT_EQ(file(), kRossi + "\r\n" + kBianchi + "\r\n" + kVerdi + "\r\n");
    app.click(f().CESTO);  // Yes
    EXPECT_EQ(file(), kRossi + "\r\n" + kVerdi + "\r\n");
    EXPECT_EQ(b.nuovi_messaggi().size(), 1u);
    EXPECT_EQ(f().Text8.text(), "2");
    app.click(f().NUOVOINS);
    EXPECT_EQ(f().Text10.text(), "0004");

    // The last record's code + 1 is taken already: the highest + 1.
    app.click(f().USCITA);
    apri({kRossi, kVerdi, kBianchi});
    app.click(f().NUOVOINS);
    EXPECT_EQ(f().Text10.text(), "0004");
}

// A client another register names, in this year's files or an older
// year's, is not deleted; nor does a new client take his code.
struct Nomina {
    const char* file;
    std::string riga;
    const char* messaggio;
};

// Named after its file in the test's output.
void PrintTo(const Nomina& n, std::ostream* os) { *os << n.file << ": " << n.riga; }

class ClienteNominato : public Clienti, public ::testing::WithParamInterface<Nomina> {};

TEST_P(ClienteNominato, IsNotDeletedAndHisCodeIsNotGivenAgain) {
    b.scrivi(b.cartella_dati() + GetParam().file, {GetParam().riga});
    apri({kRossi, kBianchi});
    app.click(f().VEDI);
    app.scroll(f().HScroll1, 2);
    app.click(f().CESTO);
    EXPECT_EQ(b.nuovi_messaggi(), std::vector<std::string>{GetParam().messaggio});
    EXPECT_EQ(file(), kRossi + "\r\n" + kBianchi + "\r\n");

    // Left by an older program without him: his code stays his bookings'.
    app.click(f().USCITA);
    apri({kRossi});
    app.click(f().NUOVOINS);
    EXPECT_EQ(f().Text10.text(), "0003");
}

INSTANTIATE_TEST_SUITE_P(
    Registri, ClienteNominato,
    ::testing::Values(Nomina{"prenotazioni2026.dat",
                             test::riga_prenotazione({{pren::appartamento, "0010"},
                                                      {pren::cliente, "0002"},
                                                      {pren::arrivo, "01/07/2026"},
                                                      {pren::partenza, "15/07/2026"},
                                                      {pren::affitto, "1.000,00"},
                                                      {pren::acconto, "300,00"},
                                                      {pren::diritti, "0,00"},
                                                      {pren::pulizia, "0,00"},
                                                      {pren::cauzione, "0,00"},
                                                      {pren::chiusura, "0.00.00"},
                                                      {pren::periodo, "1"}}),
                             "IL CLIENTE HA DELLE PRENOTAZIONI: NON PUO' ESSERE CANCELLATO"},
                      Nomina{"prenotazioni2025.dat",
                             test::riga_prenotazione({{pren::appartamento, "0010"},
                                                      {pren::cliente, "2"},
                                                      {pren::arrivo, "01/07/2025"},
                                                      {pren::partenza, "15/07/2025"},
                                                      {pren::affitto, "1.000,00"},
                                                      {pren::acconto, "300,00"},
                                                      {pren::diritti, "0,00"},
                                                      {pren::pulizia, "0,00"},
                                                      {pren::cauzione, "0,00"},
                                                      {pren::chiusura, "0.00.00"},
                                                      {pren::periodo, "1"}}),
                             "IL CLIENTE HA DELLE PRENOTAZIONI: NON PUO' ESSERE CANCELLATO"},
                      Nomina{"fatture2024.dat",
                             test::riga_fattura({{fatt::data, "01/02/2024"},
                                                 {fatt::numero, "1"},
                                                 {fatt::cliente, "0002"},
                                                 {fatt::descrizione, "AFFITTO"},
                                                 {fatt::imponibile, "100"},
                                                 {fatt::iva, "22"},
                                                 {fatt::regime, "1"},
                                                 {fatt::ritenuta, "0"},
                                                 {fatt::totale, "122"}}),
                             "IL CLIENTE HA DELLE FATTURE: NON PUO' ESSERE CANCELLATO"}));

// Codes are never cut: past 9999 a new client takes the next code whole.
TEST_F(Clienti, PastCode9999TheNextCodeIsKeptWhole) {
    apri({kRossi, cli({{codice, "9999"}, {nome, "ULTIMO"}})});
    app.click(f().NUOVOINS);
    EXPECT_EQ(f().Text10.text(), "10000");
    scrivi(f().Text1, "NERI PAOLO");
    app.click(f().SALVACLI);
    EXPECT_EQ(b.leggi(app.s.percorso_clienti).back(),
              cli({{codice, "10000"}, {nome, "NERI PAOLO"}}));
}

TEST_F(Clienti, AfterADeletionOrASaveNoClientIsWrittenOver) {
    const std::vector<std::string> rifiuto = {
        "NESSUN CLIENTE REGISTRATO E' VISUALIZZATO.\rSCEGLIERE IL CLIENTE DA MODIFICARE O PREMERE "
        "NUOVO."};
    apri({kRossi, kBianchi, kVerdi});
    app.click(f().MODICLI);
    scegli("BIANCHI ANNA");
    app.click(f().CESTO);
    EXPECT_EQ(b.nuovi_messaggi(),
              std::vector<std::string>{"Sei sicuro di cancellare \rBIANCHI ANNA"});
    EXPECT_TRUE(f().Text1.locked());
    // VERDI LUCA has moved up into the deleted line: a name typed now is
    // no change of his.
    app.click(f().MODICLI);
    scrivi(f().Text1, "NUOVO");
    app.click(f().SALVACLI);
    EXPECT_EQ(b.nuovi_messaggi(), rifiuto);
    EXPECT_EQ(file(), kRossi + "\r\n" + kVerdi + "\r\n");

    // Nor is the client just saved, once the boxes are cleared.
    app.click(f().VEDI);
    app.scroll(f().HScroll1, 1);
    app.click(f().MODICLI);
    scrivi(f().Text5, "0611");
    app.click(f().SALVACLI);
    const std::string salvato = file();
    EXPECT_NE(salvato.find("*0611*"), std::string::npos);
    app.click(f().MODICLI);
    scrivi(f().Text1, "ALTRO");
    app.click(f().SALVACLI);
    EXPECT_EQ(b.nuovi_messaggi(), rifiuto);
    EXPECT_EQ(file(), salvato);
}

TEST_F(Clienti, OfTwoClientsWithOneNameThePickedOneIsShown) {
    apri({kRossi, kBianchi,
          cli({{codice, "0003"},
               {nome, "BIANCHI ANNA"},
               {via, "VIA TEVERE"},
               {cap, "00118"},
               {citta, "ROMA"},
               {telefono, "063333"},
               {provincia, "RM"}})});
    app.click(f().MODICLI);
    app.pick(f().Combo1, 2);
    EXPECT_EQ(f().Text10.text() + "|" + f().Text2.text() + "|" + f().Text9.text(),
              "0003|VIA TEVERE|3");
}

TEST_F(Clienti, AStoredNameShowsTheStoredClientWhichASaveChanges) {
    apri({kRossi, kBianchi});
    app.click(f().NUOVOINS);
    scrivi(f().Text1, "  rossi mario ");
    EXPECT_EQ(b.nuovi_messaggi(), std::vector<std::string>{"NOMINATIVO GIA' INSERITO "});
    EXPECT_EQ(f().Text2.text(), "VIA ROMA 1");
    scrivi(f().Text5, "999");
    app.click(f().SALVACLI);
    EXPECT_EQ(b.leggi(app.s.percorso_clienti),
              (std::vector<std::string>{cli({{codice, "0001"},
                                             {nome, "ROSSI MARIO"},
                                             {via, "VIA ROMA 1"},
                                             {cap, "00118"},
                                             {citta, "ROMA"},
                                             {telefono, "999"},
                                             {provincia, "RM"},
                                             {codice_fiscale, "RSSMRA85T10A562S"},
                                             {email, "R@X.IT"}}),
                                        kBianchi}));

    // A client picked while NUOVO's mode lasts is changed, not copied; its own
    // unchanged name is no duplicate.
    app.click(f().NUOVOINS);
    app.click(f().MODICLI);
    scegli("BIANCHI ANNA");
    scrivi(f().Text2, "via po 3");
    scrivi(f().Text1, "BIANCHI ANNA");
    app.click(f().SALVACLI);
    EXPECT_TRUE(b.nuovi_messaggi().empty());
    EXPECT_EQ(b.leggi(app.s.percorso_clienti).back(), bianchi("VIA PO 3", "02555"));
}

TEST_F(Clienti, TownsAndFiscalCode) {
    b.scrivi(b.cartella_programma() + "cittaita.ind",
             {"1*ALFA*11020*AO", "2*BETA*11020*AO", "3*GAMMA*11020*AO"});
    apri({});
    app.click(f().NUOVOINS);
    scrivi(f().Text3, "11020");
    ASSERT_TRUE(f().List1.visible());
    EXPECT_EQ(f().Text4.text() + f().Text3.text() + f().Text6.text(), "");
    app.pick(f().List1, 1);
    EXPECT_EQ(f().Text4.text() + "|" + f().Text3.text() + "|" + f().Text6.text(), "BETA|11020|AO");
    EXPECT_FALSE(f().List1.visible());

    scrivi(f().Text7, "rssmra85t10a563s");
    EXPECT_EQ(b.nuovi_messaggi(), std::vector<std::string>{"CODICE FISCALE NON VALIDO"});
    EXPECT_EQ(f().Text7.text(), "");
}

TEST_F(Clienti, TheCountFollowsClientsSavedWhileTheFormWasHidden) {
    b.scrivi(app.s.percorso_clienti, {kRossi});
    EXPECT_EQ(app.testo("insnomi", "Text8"), "1");  // loads the form hidden
    app.run([&] {
        app.imposta("prenotazione", "Text24", "2");
        app.imposta("prenotazione", "Text8", "NUOVO CLIENTE");
        app.imposta("prenotazione", "Text25", "0002");
        ASSERT_TRUE(test::registra_cliente_del_blocco(app));
        // Forms reading the count here get the count of the table.
        EXPECT_EQ(f().Text8.text(), "2");
        f().show();
    });
    EXPECT_EQ(f().Text8.text(), "2");
    app.click(f().NUOVOINS);
    EXPECT_EQ(f().Text10.text(), "0003");
}

// A file edited by hand or written by an older program: a save gives back
// every line it did not write, byte for byte, and the user is told once of
// the lines the program cannot read.
TEST_F(Clienti, ASaveKeepsEveryLineItDidNotWriteAndAChangedClientItsExtraFields) {
    const std::vector<std::string> righe = {kRossi,
                                            "RIGA SENZA SEPARATORI",
                                            kBianchi + "*CAMPO 10*CAMPO 11",
                                            "",
                                            "0004*LUNGA*" + std::string(100000, 'L'),
                                            "0005*ENORME*" + std::string(50'000'000, 'E'),
                                            kVerdi};
    b.scrivi(app.s.percorso_clienti, righe);
    app.run([&] { f().show(); });
    const auto detto = b.nuovi_messaggi();
    ASSERT_EQ(detto.size(), 1u);
    EXPECT_NE(detto[0].find("clienti.dat HA 2 RIGHE CHE IL PROGRAMMA NON SA LEGGERE (LA PRIMA "
                            "E' LA RIGA 2)"),
              std::string::npos)
        << detto[0];
    const std::string prima = file();

    app.click(f().NUOVOINS);
    scrivi(f().Text1, "NERI PAOLO");
    app.click(f().SALVACLI);
    const std::string dopo = file();
    ASSERT_EQ(dopo.substr(0, prima.size()), prima);
    EXPECT_EQ(dopo.substr(prima.size()), cli({{codice, "0006"}, {nome, "NERI PAOLO"}}) + "\r\n");

    app.click(f().MODICLI);
    scegli("BIANCHI ANNA");
    scrivi(f().Text5, "0611");
    app.click(f().SALVACLI);
    std::vector<std::string> attese = righe;
    attese[2] = bianchi("VIA PO 2", "0611") + "*CAMPO 10*CAMPO 11";
    attese.push_back(cli({{codice, "0006"}, {nome, "NERI PAOLO"}}));
    EXPECT_EQ(b.leggi(app.s.percorso_clienti), attese);
    EXPECT_TRUE(b.nuovi_messaggi().empty()) << "told once, not at every load";
}

}  // namespace
}  // namespace ga::test
