// The owners form driven as a user drives it.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/text.h"
#include "registry/COORDBANCA.h"
#include "registry/PROPRIETARI.h"
#include "support/banco.h"
#include "support/righe.h"

namespace ga::test {
namespace {

using Righe = std::vector<std::string>;
using plat::Answer;

const Righe kTre = {riga_proprietario({{proprietario::nome, "ROSSI MARIO"},
                                       {proprietario::via, "VIA ROMA 1"},
                                       {proprietario::citta, "BARI"},
                                       {proprietario::provincia, "BA"},
                                       {proprietario::cap, "70100"},
                                       {proprietario::telefono, "080111"},
                                       {proprietario::codice, "0001"},
                                       {proprietario::codice_fiscale, "RSSMRA"},
                                       {proprietario::rapporto, "PROVV"},
                                       {proprietario::email, "r@x.it"}}),
                    riga_proprietario({{proprietario::nome, "BIANCHI ANNA"},
                                       {proprietario::via, "VIA MARE 2"},
                                       {proprietario::citta, "BARI"},
                                       {proprietario::provincia, "BA"},
                                       {proprietario::cap, "70100"},
                                       {proprietario::telefono, "080222"},
                                       {proprietario::codice, "0005"},
                                       {proprietario::codice_fiscale, "BNCNNA"},
                                       {proprietario::rapporto, "CONTR"}}),
                    riga_proprietario({{proprietario::nome, "VERDI LUCA"},
                                       {proprietario::via, "VIA SOLE 3"},
                                       {proprietario::citta, "LECCE"},
                                       {proprietario::provincia, "LE"},
                                       {proprietario::cap, "73100"},
                                       {proprietario::telefono, "0832"},
                                       {proprietario::codice, "0002"},
                                       {proprietario::rapporto, "PROVV"}})};

class Proprietari : public ::testing::Test {
protected:
    void apri(const Righe& proprietari) {
        b.prepara_dati();
        b.scrivi(file(), proprietari);
        app.form("PROPRIETARI")->show();
    }
    std::string file() const { return b.cartella_dati() + "proprietari.IND"; }
    // True when the owners file holds exactly these lines.
    bool file_uguale(const Righe& righe) const {
        std::string out;
        for (const auto& r : righe) out += r + "\r\n";
        return b.byte(file()) == out;
    }
    void scrivi(plat::Control& box, const std::string& testo) {
        app.type(box, testo);
        app.leave(box);
    }
    void sfoglia(int record) {
        app.click(p().VediForn);
        app.scroll(p().HScroll1, record);
    }
    PROPRIETARI& p() { return app.form<PROPRIETARI>(); }

    Banco b;
    App& app = b.app();
};

TEST_F(Proprietari, ANewOwnerIsSavedByChoosingTheRelationAndHandedToTheCard) {
    apri({});
    app.click(p().nuovo);
    EXPECT_EQ(p().Text7.text(), "0001");
    scrivi(p().Text2, "neri piero");
    scrivi(p().Text5, "01234567890");  // a VAT number is no fiscal code, and is kept
    app.click(p().Option2);
    EXPECT_TRUE(file_uguale({riga_proprietario({{proprietario::nome, "NERI PIERO"},
                                                {proprietario::codice, "0001"},
                                                {proprietario::codice_fiscale, "01234567890"},
                                                {proprietario::rapporto, "CONTR"}})}));
    EXPECT_EQ(p().Text1.text(), "1");
    EXPECT_EQ(p().Text2.text(), "");
    EXPECT_EQ(app.testo("appartament", "Text24"), "NERI PIERO");
    EXPECT_EQ(app.testo("appartament", "Text1"), "0001");
    EXPECT_TRUE(b.nuovi_messaggi().empty());
}

TEST_F(Proprietari, TheNewCodeFollowsTheLastOwnersUnlessAnotherOwnerHoldsIt) {
    auto codice_proposto = [&](const Righe& proprietari) {
        apri(proprietari);
        app.click(p().nuovo);
        const std::string codice = p().Text7.text();
        p().unload();
        return codice;
    };
    EXPECT_EQ(codice_proposto({riga_proprietario(
                  {{proprietario::nome, "A"}, {proprietario::codice, "12345"}})}),
              "12346")
        << "a long code is not padded";
    EXPECT_EQ(codice_proposto(
                  {riga_proprietario({{proprietario::nome, "A"}, {proprietario::codice, "0003"}}),
                   riga_proprietario({{proprietario::nome, "B"}, {proprietario::codice, "0002"}})}),
              "0004");
}

TEST_F(Proprietari, RefusedSavesWriteNothingAndKeepTheCount) {
    apri(kTre);
    app.click(p().nuovo);
    scrivi(p().Text2, "ROSSI MARIO");
    EXPECT_EQ(p().Text2.text(), "") << "a duplicate name is cleared";
    scrivi(p().Text2, "GIALLI");
    app.type(p().Text7, "5");  // BIANCHI's code
    app.click(p().Option1);
    app.type(p().Text7, "0006");
    app.type(p().Text3, "VIA*ERRATA");
    app.click(p().SalvaForn);
    app.type(p().Text7, "");
    app.click(p().SalvaForn);
    const Righe messaggi = b.nuovi_messaggi();
    ASSERT_EQ(messaggi.size(), 4u);
    EXPECT_EQ(messaggi[0], "IL NOMINATIVO E' GIA' INSERITO ");
    EXPECT_EQ(messaggi[1], "IL CODICE PROPRIETARIO 5 E' GIA' ASSEGNATO A BIANCHI ANNA");
    EXPECT_EQ(messaggi[3], "IL CODICE PROPRIETARIO E' OBBLIGATORIO");
    EXPECT_TRUE(file_uguale(kTre));
    EXPECT_EQ(p().Text1.text(), "3");
}

TEST_F(Proprietari, TheOwnerCodeIsANumberAndIsStoredPadded) {
    apri({});
    app.click(p().nuovo);
    scrivi(p().Text2, "BIANCHI GIUSEPPE");
    for (const char* sbagliato : {"bianchi@example.it", "0000", "12A"}) {
        app.type(p().Text7, sbagliato);
        app.click(p().SalvaForn);
        EXPECT_EQ(b.nuovi_messaggi(),
                  Righe{"IL CODICE PROPRIETARIO DEVE ESSERE UN NUMERO (ES. 0012): \"" +
                        std::string(sbagliato) + "\" NON E' VALIDO"});
    }
    EXPECT_TRUE(file_uguale({}));
    app.type(p().Text7, "12");
    app.click(p().SalvaForn);
    EXPECT_TRUE(file_uguale({riga_proprietario(
        {{proprietario::nome, "BIANCHI GIUSEPPE"}, {proprietario::codice, "0012"}})}));
}

TEST_F(Proprietari, AChangedOwnerIsRewrittenInPlaceEvenAfterHisBankCoordinates) {
    apri(kTre);
    app.click(p().MODIFICA);
    scrivi(p().Combo1, "NESSUNO");
    EXPECT_TRUE(p().Combo1.visible()) << "a name not in the list changes nothing";
    EXPECT_EQ(p().Text2.text(), "");
    scrivi(p().Combo1, " BIANCHI ANNA ");
    scrivi(p().Text2, "BIANCHI ANNA");  // her own name is no duplicate
    EXPECT_EQ(p().Text2.text(), "BIANCHI ANNA");

    app.click(p().iconbanc);
    auto& banca = app.form<COORDBANCA>();
    EXPECT_FALSE(p().is_enabled());
    EXPECT_EQ(banca.Text2.text(), "0005");
    app.click(banca.USCITA);
    EXPECT_TRUE(p().is_enabled());

    app.type(p().Text6, "099");
    app.click(p().Option1);  // only changes the box while changing
    EXPECT_TRUE(file_uguale(kTre));
    app.click(p().SalvaForn);
    EXPECT_TRUE(file_uguale({kTre[0],
                             riga_proprietario({{proprietario::nome, "BIANCHI ANNA"},
                                                {proprietario::via, "VIA MARE 2"},
                                                {proprietario::citta, "BARI"},
                                                {proprietario::provincia, "BA"},
                                                {proprietario::cap, "70100"},
                                                {proprietario::telefono, "099"},
                                                {proprietario::codice, "0005"},
                                                {proprietario::codice_fiscale, "BNCNNA"},
                                                {proprietario::rapporto, "PROVV"}}),
                             kTre[2]}));
}

// Owners past the two hundred the table was made for: one changed far down
// the list keeps every owner on file, and a new one takes a code none holds.
TEST_F(Proprietari, OfFourHundredOwnersOneChangedKeepsThemAllAndANewOneHasAFreeCode) {
    Righe righe;
    for (int i = 1; i <= 400; ++i)
        righe.push_back(
            riga_proprietario({{proprietario::nome, "PROPR " + std::to_string(i)},
                               {proprietario::via, "VIA"},
                               {proprietario::citta, "BARI"},
                               {proprietario::provincia, "BA"},
                               {proprietario::cap, "70100"},
                               {proprietario::telefono, "080"},
                               {proprietario::codice, plat::pad_code(std::to_string(i))},
                               {proprietario::codice_fiscale, "CF"},
                               {proprietario::rapporto, "PROVV"}}));
    apri(righe);
    sfoglia(350);
    EXPECT_EQ(p().Text2.text(), "PROPR 350");
    app.click(p().MODIFICA);
    scrivi(p().Text3, "VIA NUOVA 1");
    app.click(p().SalvaForn);
    righe[349] = riga_proprietario({{proprietario::nome, "PROPR 350"},
                                    {proprietario::via, "VIA NUOVA 1"},
                                    {proprietario::citta, "BARI"},
                                    {proprietario::provincia, "BA"},
                                    {proprietario::cap, "70100"},
                                    {proprietario::telefono, "080"},
                                    {proprietario::codice, "0350"},
                                    {proprietario::codice_fiscale, "CF"},
                                    {proprietario::rapporto, "PROVV"}});
    EXPECT_TRUE(file_uguale(righe));
    EXPECT_EQ(p().Text1.text(), "400");
    app.click(p().nuovo);
    EXPECT_EQ(p().Text7.text(), "0401");
}

TEST_F(Proprietari, OfTwoOwnersWithOneNameThePickedOneIsShown) {
    apri({kTre[0], riga_proprietario({{proprietario::nome, "ROSSI MARIO"},
                                      {proprietario::via, "VIA LAGO 9"},
                                      {proprietario::citta, "LECCE"},
                                      {proprietario::provincia, "LE"},
                                      {proprietario::cap, "73100"},
                                      {proprietario::telefono, "0833"},
                                      {proprietario::codice, "0007"},
                                      {proprietario::rapporto, "PROVV"}})});
    app.click(p().MODIFICA);
    app.pick(p().Combo1, 1);
    app.leave(p().Combo1);
    EXPECT_EQ(p().Text8.text() + "|" + p().Text3.text(), "2|VIA LAGO 9");
}

TEST_F(Proprietari, DeletingAsksAndActsOnlyOnAStoredOwner) {
    apri(kTre);
    sfoglia(2);
    b.messaggi().answer(Answer::No);
    app.click(p().cancella);
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"Sei sicuro di cancellare \rBIANCHI ANNA"});
    EXPECT_TRUE(file_uguale(kTre));
    app.click(p().cancella);  // Yes
    EXPECT_TRUE(file_uguale({kTre[0], kTre[2]}));
    EXPECT_EQ(p().Text1.text(), "2");

    // A new owner being typed is no stored one, whatever was browsed before.
    sfoglia(1);
    app.click(p().nuovo);
    scrivi(p().Text2, "NUOVO");
    b.nuovi_messaggi();
    app.click(p().cancella);
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"NESSUN NOMINATIVO SCELTO"});
    EXPECT_TRUE(file_uguale({kTre[0], kTre[2]}));
}

// An owner another register names (BIANCHI, code 0005, record 2) is not
// deleted, and is not asked about: a later owner given his code, or his
// record, would take the apartment, the money or the invoices over.
struct Nomina {
    const char* file;
    std::string riga;
    const char* messaggio;
};

// Named after its file in the test's output.
void PrintTo(const Nomina& n, std::ostream* os) { *os << n.file << ": " << n.riga; }

class ProprietarioNominato : public Proprietari, public ::testing::WithParamInterface<Nomina> {};

TEST_P(ProprietarioNominato, IsNotDeleted) {
    apri(kTre);
    b.scrivi(b.cartella_dati() + GetParam().file, {GetParam().riga});
    sfoglia(2);
    app.click(p().cancella);
    EXPECT_EQ(b.nuovi_messaggi(), Righe{GetParam().messaggio});
    EXPECT_TRUE(file_uguale(kTre));
}

INSTANTIATE_TEST_SUITE_P(
    Registri, ProprietarioNominato,
    ::testing::Values(
        Nomina{"appartamenti.ind",
               test::riga_appartamento({{appartamento::codice_proprietario, "0005"},
                                        {appartamento::codice_via, "0001"},
                                        {appartamento::civico, "12"},
                                        {appartamento::tipo, "MON"},
                                        {appartamento::soggiorno, "SI"},
                                        {appartamento::bagni, "1"},
                                        {appartamento::giardino, "NO"},
                                        {appartamento::piano, "1"},
                                        {appartamento::posti_letto, "4"},
                                        {appartamento::periodicita, "ESTIVO"},
                                        {appartamento::codice, "0007"}}),
               "IL PROPRIETARIO HA DEGLI APPARTAMENTI: NON PUO' ESSERE CANCELLATO"},
        Nomina{"saldi2025.dat",
               test::riga_movimento({{movimento::data, "01/06/2025"},
                                     {movimento::parte, "5"},
                                     {movimento::acconto, "300,00"},
                                     {movimento::saldo, "0"},
                                     {movimento::importo, "0"},
                                     {movimento::pulizia, "0"},
                                     {movimento::cauzione, "0"},
                                     {movimento::numero, "1"},
                                     {movimento::appartamento, "0007"}}),
               "IL PROPRIETARIO HA DEI MOVIMENTI DI CASSA: NON PUO' ESSERE CANCELLATO"},
        Nomina{"ContoCorr12342026.dat", "0005*BIANCHI ANNA*100,00*01/02/2026*ASSEGNO",
               "IL PROPRIETARIO HA DEI PAGAMENTI IN CONTO CORRENTE: NON PUO' ESSERE CANCELLATO"},
        Nomina{"fatture2026.dat",
               test::riga_fattura({{fatt::data, "01/02/2026"},
                                   {fatt::numero, "1"},
                                   {fatt::proprietario, "2"},
                                   {fatt::descrizione, "PROVVIGIONI"},
                                   {fatt::imponibile, "100"},
                                   {fatt::iva, "22"},
                                   {fatt::regime, "1"},
                                   {fatt::ritenuta, "0"},
                                   {fatt::totale, "122"}}),
               "IL PROPRIETARIO HA DELLE FATTURE: NON PUO' ESSERE CANCELLATO"},
        Nomina{"fatture2026.dat",
               test::riga_fattura({{fatt::data, "01/02/2026"},
                                   {fatt::numero, "1"},
                                   {fatt::proprietario, "3"},
                                   {fatt::descrizione, "PROVVIGIONI"},
                                   {fatt::imponibile, "100"},
                                   {fatt::iva, "22"},
                                   {fatt::regime, "1"},
                                   {fatt::ritenuta, "0"},
                                   {fatt::totale, "122"}}),
               "I PROPRIETARI CHE LO SEGUONO HANNO DELLE FATTURE: IL PROPRIETARIO NON PUO' "
               "ESSERE CANCELLATO"}));

// A file left by an older program: apartment 0007 still names owner 0006,
// whom nobody holds. A new owner does not take that code.
TEST_F(Proprietari, ANewOwnerTakesNoCodeAnotherRegisterStillNames) {
    b.prepara_dati();
    b.scrivi(b.cartella_dati() + "appartamenti.ind",
             {test::riga_appartamento({{appartamento::codice_proprietario, "0006"},
                                       {appartamento::codice_via, "0001"},
                                       {appartamento::civico, "12"},
                                       {appartamento::tipo, "MON"},
                                       {appartamento::soggiorno, "SI"},
                                       {appartamento::bagni, "1"},
                                       {appartamento::giardino, "NO"},
                                       {appartamento::piano, "1"},
                                       {appartamento::posti_letto, "4"},
                                       {appartamento::periodicita, "ESTIVO"},
                                       {appartamento::codice, "0007"}})});
    apri({riga_proprietario({{proprietario::nome, "A"}, {proprietario::codice, "0003"}}),
          riga_proprietario({{proprietario::nome, "B"}, {proprietario::codice, "0005"}})});
    app.click(p().nuovo);
    EXPECT_EQ(p().Text7.text(), "0007");
}

TEST_F(Proprietari, BankCoordinatesAreSavedAsAStoredRecordOrTheNextOneOnly) {
    const std::string banche = b.cartella_programma() + "BANCHE.IND";
    b.scrivi(banche, {"BANCA UNO,MARE BLU,CC 1,ABCD,RIMINI,IT60X,0000"});
    apri(kTre);
    sfoglia(2);
    app.click(p().iconbanc);
    auto& banca = app.form<COORDBANCA>();
    EXPECT_EQ(banca.Text3.text(), "2");
    app.type(banca.Text14, "BANCA DUE");
    app.type(banca.Text13, "BIANCHI ANNA");
    for (const char* numero : {"0", "1", "3", "-1", "X"}) {
        app.type(banca.Text3, numero);
        app.click(banca.SalvaForn);
    }
    const std::string dopo =
        ": DEVE ESSERE DA 2 A 2 (LA 1 E' DELL'AGENZIA).\rLA REGISTRAZIONE NON E' STATA FATTA.";
    EXPECT_EQ(b.nuovi_messaggi(), (Righe{"IL NUMERO DI REGISTRAZIONE 0 NON E' VALIDO" + dopo,
                                         "IL NUMERO DI REGISTRAZIONE 1 NON E' VALIDO" + dopo,
                                         "IL NUMERO DI REGISTRAZIONE 3 NON E' VALIDO" + dopo,
                                         "IL NUMERO DI REGISTRAZIONE -1 NON E' VALIDO" + dopo,
                                         "IL NUMERO DI REGISTRAZIONE X NON E' VALIDO" + dopo}));
    EXPECT_EQ(b.leggi(banche), Righe{"BANCA UNO,MARE BLU,CC 1,ABCD,RIMINI,IT60X,0000"});

    // The record after the last, then the one after that.
    app.type(banca.Text3, "2");
    app.click(banca.SalvaForn);
    app.type(banca.Text3, "3");
    app.type(banca.Text14, "BANCA TRE");
    app.click(banca.SalvaForn);
    EXPECT_EQ(b.leggi(banche),
              (Righe{"BANCA UNO,MARE BLU,CC 1,ABCD,RIMINI,IT60X,0000",
                     "BANCA DUE,BIANCHI ANNA,,,,,0005", "BANCA TRE,BIANCHI ANNA,,,,,0005"}));
    EXPECT_TRUE(b.nuovi_messaggi().empty());
}

TEST_F(Proprietari, AnOwnersBankCoordinatesAreKeptInUpperCaseAsTheAgencysAre) {
    const std::string banche = b.cartella_programma() + "BANCHE.IND";
    b.scrivi(banche, {"BANCA UNO,MARE BLU,CC 1,ABCD,RIMINI,IT60X,0000"});
    apri(kTre);
    sfoglia(2);
    app.click(p().iconbanc);
    auto& banca = app.form<COORDBANCA>();
    app.type(banca.Text14, "Banca Due");
    app.leave(banca.Text14);
    EXPECT_EQ(banca.Text14.text(), "BANCA DUE");
    // Saved at once, without leaving the boxes first.
    app.type(banca.Text13, "Bianchi Anna");
    app.type(banca.Text16, "cc 2");
    app.type(banca.Text15, "Forlì");
    app.click(banca.SalvaForn);
    EXPECT_EQ(b.leggi(banche), (Righe{"BANCA UNO,MARE BLU,CC 1,ABCD,RIMINI,IT60X,0000",
                                      "BANCA DUE,BIANCHI ANNA,CC 2,,FORLÌ,,0005"}));
}

// The bank form opened from the owners form for the owner on record `record`.
class Banche : public Proprietari {
protected:
    std::string file_banche() const { return b.cartella_programma() + "BANCHE.IND"; }
    COORDBANCA& apri_banca(int record) {
        sfoglia(record);
        app.click(p().iconbanc);
        return app.form<COORDBANCA>();
    }
    void registra(COORDBANCA& banca, const std::string& nome, const std::string& iban = "") {
        app.type(banca.Text14, nome);
        app.type(banca.Text17, iban);
        app.click(banca.SalvaForn);
        app.click(banca.USCITA);
    }
};

TEST_F(Banche, TheFormOpensOnTheChosenOwnersOwnCoordinatesOrOnEmptyBoxes) {
    b.scrivi(file_banche(), {"BANCA AGENZIA,MARE BLU,CC 1,ABCD,RIMINI,,0000",
                             "BANCA ROSSI,ROSSI MARIO,CC 7,,BARI,,0001"});
    apri(kTre);
    COORDBANCA& banca = apri_banca(2);  // BIANCHI, without coordinates
    EXPECT_EQ(banca.Text2.text() + "|" + banca.Text14.text() + "|" + banca.Text16.text() + "|" +
                  banca.Text3.text(),
              "0005|||3");
    registra(banca, "BANCA BIANCHI");
    apri_banca(1);
    EXPECT_EQ(banca.Text14.text() + "|" + banca.Text16.text() + "|" + banca.Text3.text(),
              "BANCA ROSSI|CC 7|2");
    app.click(banca.USCITA);
    apri_banca(2);
    EXPECT_EQ(banca.Text14.text() + "|" + banca.Text3.text(), "BANCA BIANCHI|3");
    EXPECT_EQ(b.leggi(file_banche()).size(), 3u);
}

// Record 1 is the agency's whatever the file held: an empty agency record
// goes first when there is none, and the owners take the records after it.
class BancheDaCapo : public Banche, public ::testing::WithParamInterface<Righe> {};

TEST_P(BancheDaCapo, OwnersNeverTakeTheAgencysRecord) {
    b.scrivi(file_banche(), GetParam());
    apri(kTre);
    registra(apri_banca(1), "BANCA ROSSI");
    registra(apri_banca(2), "BANCA BIANCHI");
    const Righe banche = b.leggi(file_banche());
    ASSERT_EQ(banche.size(), 3u);
    EXPECT_EQ(banche[0], GetParam().empty() ? ",,,,,,0000" : GetParam()[0]);
    EXPECT_EQ(banche[1], "BANCA ROSSI,,,,,,0001");
    EXPECT_EQ(banche[2], "BANCA BIANCHI,,,,,,0005");
    EXPECT_TRUE(b.nuovi_messaggi().empty());
}

INSTANTIATE_TEST_SUITE_P(Banche, BancheDaCapo,
                         ::testing::Values(Righe{},
                                           Righe{"BANCA AGENZIA,MARE BLU,CC 1,ABCD,RIMINI,,0000"}),
                         [](const auto& info) {
                             return std::string(info.param.empty() ? "FileVuoto" : "ConLAgenzia");
                         });

TEST_F(Banche, AnIbanTheCheckRefusesIsToldAndStoredOnlyIfTheClerkKeepsIt) {
    apri(kTre);
    COORDBANCA& banca = apri_banca(1);
    app.type(banca.Text14, "BANCA ROSSI");
    app.type(banca.Text17, "it60x0542811101000000123457");
    b.messaggi().answer(Answer::Ok);
    b.messaggi().answer(Answer::No);
    app.click(banca.SalvaForn);
    EXPECT_EQ(b.nuovi_messaggi(),
              (Righe{"CODICE IBAN ERRATO",
                     "REGISTRARE COMUNQUE LE COORDINATE CON QUESTO CODICE IBAN ?"}));
    EXPECT_TRUE(b.leggi(file_banche()).empty());
    app.click(banca.SalvaForn);  // Yes
    EXPECT_EQ(b.leggi(file_banche()),
              (Righe{",,,,,,0000", "BANCA ROSSI,,,,,IT60X0542811101000000123457,0001"}));
}

TEST_F(Proprietari, LeavingWhileBrowsingAsksBecauseNothingWasSaved) {
    apri(kTre);
    sfoglia(2);
    // Browsed boxes are neither checked nor looked up again.
    app.leave(p().Text5);
    app.leave(p().Text4);
    EXPECT_EQ(p().Text5.text(), "BNCNNA");
    EXPECT_EQ(p().Text9.text(), "70100");
    b.messaggi().answer(Answer::No);
    app.click(p().USCITA);
    EXPECT_TRUE(p().is_visible());
    app.click(p().USCITA);
    EXPECT_EQ(b.nuovi_messaggi(),
              Righe(2, "Il nominativo non è stato salvato \r Vuoi comunque uscire ?"));
    EXPECT_FALSE(p().is_loaded());
    EXPECT_TRUE(app.form("MENU")->is_visible());
}

TEST_F(Proprietari, ATownPickedFromTheListFillsTownCodeAndProvince) {
    apri({});
    b.scrivi(b.cartella_programma() + "cittaita.ind",
             {"1*ALFA*11020*AO", "2*GRESSONEY-LA-TRINITÉ*11020*AO", "3*BETA*11025*AO"});
    app.click(p().nuovo);
    scrivi(p().Text9, "11020");
    app.pick(p().List1, 1);
    EXPECT_EQ(p().Text4.text(), "GRESSONEY-LA-TRINITÉ");
    EXPECT_EQ(p().Text9.text(), "11020");
    EXPECT_EQ(p().Text10.text(), "AO");
    EXPECT_FALSE(p().List1.visible());
}

// A blank line, a line without separators, extra fields: a new owner leaves
// them all where they stood.
TEST_F(Proprietari, ANewOwnerKeepsEveryLineItDidNotWrite) {
    const Righe righe = {kTre[0], "", "RIGA SENZA SEPARATORI", kTre[1] + "*IN PIU*ANCORA", kTre[2]};
    apri(righe);
    const Righe detto = b.nuovi_messaggi();
    ASSERT_EQ(detto.size(), 1u);
    EXPECT_NE(detto[0].find("HA 2 RIGHE"), std::string::npos) << detto[0];
    app.click(p().nuovo);
    scrivi(p().Text2, "neri piero");
    app.click(p().Option2);
    Righe attese = righe;
    attese.push_back(riga_proprietario({{proprietario::nome, "NERI PIERO"},
                                        {proprietario::codice, "0003"},
                                        {proprietario::rapporto, "CONTR"}}));
    EXPECT_TRUE(file_uguale(attese)) << b.byte(file());
}

}  // namespace
}  // namespace ga::test
