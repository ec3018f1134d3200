// The view of advances, balances, payouts and expenses, opened from the menu
// in its three modes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "accounts/VEDISALDI.h"
#include "platform/text.h"
#include "support/banco.h"
#include "support/righe.h"

namespace ga::test {
namespace {

using Righe = std::vector<std::string>;

// A booking: apartment, dates, rent, closing date and movement link.
std::string prenotazione(const std::string& app, const std::string& dal, const std::string& al,
                         const std::string& affitto, const std::string& chiusura,
                         const std::string& link) {
    return test::riga_prenotazione({{pren::appartamento, app},
                                    {pren::cliente, "0009"},
                                    {pren::arrivo, dal},
                                    {pren::partenza, al},
                                    {pren::affitto, affitto},
                                    {pren::acconto, "300,00"},
                                    {pren::diritti, "100,00"},
                                    {pren::pulizia, "50,00"},
                                    {pren::cauzione, "200,00"},
                                    {pren::chiusura, chiusura},
                                    {pren::movimento, link},
                                    {pren::periodo, "1"},
                                    {pren::letti, "0"},
                                    {pren::consumi, "0"},
                                    {pren::energia, "0"},
                                    {pren::lenzuola, "0"}});
}

const std::string kLungo = "DE LA CRUZ Y FERNANDEZ ANTONIO";  // 30 characters
const std::string kSpesaLunga =
    "SOSTITUZIONE COMPLETA DELLA CALDAIA A CONDENSAZIONE E DEI RADIATORI";  // 67

const Righe kGiornale = {
    test::riga_movimento({{movimento::data, "01/06/2026"},
                          {movimento::parte, "0001"},
                          {movimento::acconto, "300,00"},
                          {movimento::saldo, "100,00"},
                          {movimento::importo, "0"},
                          {movimento::pulizia, "50,00"},
                          {movimento::cauzione, "200,00"},
                          {movimento::numero, "1"},
                          {movimento::appartamento, "0012"}}),  // 1 advance, booking 1
    test::riga_movimento(
        {{movimento::data, "02/06/2026"},
         {movimento::parte, "0002"},
         {movimento::acconto, "200,00"},
         {movimento::saldo, "100,00"},
         {movimento::importo, "0"},
         {movimento::pulizia, "0"},
         {movimento::cauzione, "0"},
         {movimento::numero, "2"},
         {movimento::appartamento, "0020"}}),  // 2 advance of a booking later revoked
    test::riga_movimento({{movimento::data, "15/07/2026"},
                          {movimento::parte, "X"},
                          {movimento::acconto, "0"},
                          {movimento::saldo, "900,00"},
                          {movimento::importo, "0"},
                          {movimento::pulizia, "0"},
                          {movimento::cauzione, "0"},
                          {movimento::numero, "1"},
                          {movimento::appartamento, "0012"}}),  // 3 balance of booking 1
    test::riga_movimento({{movimento::data, "10/06/2026"},
                          {movimento::parte, "0002"},
                          {movimento::acconto, "-200,00"},
                          {movimento::saldo, "0"},
                          {movimento::importo, "0"},
                          {movimento::numero, "2"},
                          {movimento::appartamento, "0020"}}),  // 4 refund at the revocation
    test::riga_movimento(
        {{movimento::data, "03/06/2026"},
         {movimento::parte, "0001"},
         {movimento::acconto, "0"},
         {movimento::saldo, "100,00"},
         {movimento::importo, "0"},
         {movimento::pulizia, "0"},
         {movimento::cauzione, "0"},
         {movimento::numero, "3"},
         {movimento::appartamento, "0012"}}),  // 5 new booking 3: no advance, its fee
    test::riga_movimento({{movimento::data, "20/07/2026"},
                          {movimento::parte, "0001"},
                          {movimento::acconto, "0"},
                          {movimento::saldo, "0"},
                          {movimento::importo, "150,00"},
                          {movimento::pulizia, "0"},
                          {movimento::cauzione, "0"},
                          {movimento::numero, "1"},
                          {movimento::appartamento, "0012"}}),  // 6 expense 1
    test::riga_movimento({{movimento::data, "31/07/2026"},
                          {movimento::parte, "0001"},
                          {movimento::acconto, "0"},
                          {movimento::saldo, "0"},
                          {movimento::importo, "500,00"},
                          {movimento::pulizia, "0"},
                          {movimento::cauzione, "0"}}),  // 7 payout
    test::riga_movimento({{movimento::data, "31/08/2026"},
                          {movimento::parte, "X"},
                          {movimento::acconto, "0"},
                          {movimento::saldo, "800,00"},
                          {movimento::importo, "0"},
                          {movimento::pulizia, "0"},
                          {movimento::cauzione, "0"},
                          {movimento::numero, "3"},
                          {movimento::appartamento, "0012"}}),  // 8 balance of booking 3
    test::riga_movimento({{movimento::data, "01/08/2026"},
                          {movimento::parte, "0003"},
                          {movimento::acconto, "0"},
                          {movimento::saldo, "0"},
                          {movimento::importo, "1.000,00"},
                          {movimento::pulizia, "0"},
                          {movimento::cauzione, "0"}}),  // 9 payout, long name
    test::riga_movimento({{movimento::data, "05/08/2026"},
                          {movimento::parte, "0001"},
                          {movimento::acconto, "50,00"},
                          {movimento::saldo, "0"},
                          {movimento::importo, "0"},
                          {movimento::pulizia, "0"},
                          {movimento::cauzione, "0"},
                          {movimento::numero, "1"},
                          {movimento::appartamento, "1000"}}),  // 10 no apartment: never listed
    test::riga_movimento({{movimento::data, "06/08/2026"},
                          {movimento::parte, "0001"},
                          {movimento::acconto, "0"},
                          {movimento::saldo, "0"},
                          {movimento::importo, "0,50"},
                          {movimento::pulizia, "0"},
                          {movimento::cauzione, "0"}}),  // 11 payout below one euro
    test::riga_movimento({{movimento::data, "07/08/2026"},
                          {movimento::parte, "0003"},
                          {movimento::acconto, "0"},
                          {movimento::saldo, "0"},
                          {movimento::importo, "80,00"},
                          {movimento::pulizia, "0"},
                          {movimento::cauzione, "0"},
                          {movimento::numero, "2"},
                          {movimento::appartamento, "31"}}),  // 12 expense 2, long text
    test::riga_movimento({{movimento::data, "08/08/2026"},
                          {movimento::parte, "0001"},
                          {movimento::acconto, "0"},
                          {movimento::saldo, "0"},
                          {movimento::importo, "70,00"},
                          {movimento::pulizia, "0"},
                          {movimento::cauzione, "0"},
                          {movimento::numero, "1"},
                          {movimento::appartamento, "9999"}}),  // 13 apartment nobody has
};

std::string riga(const std::vector<std::string>& colonne) {
    return " | " + plat::join(colonne, " - ");
}
std::string nome(const std::string& n) { return plat::pad_right(n, 24); }
std::string euro(const std::string& a) { return plat::pad_left(a, 10); }
std::string etichetta(const std::string& e) { return plat::pad_right(e, 60); }
const std::string kAcconto = " ACCONTO AFFITTO PER IL PERIODO ";
const std::string kSaldo = " SALDO AFFITTO PER IL PERIODO   ";
const std::string kPagamento = etichetta(" SALDO / ACONTO AL PROPRIETARIO PER  BRENOSA ");

const std::string kVersamento =
    riga({"31/07/2026", nome("ROSSI MARIO"), kPagamento, euro("500,00")});
const std::string kVersamentoLungo = riga({"01/08/2026", kLungo, kPagamento, euro("1.000,00")});
const std::string kCentesimi = riga({"06/08/2026", nome("ROSSI MARIO"), kPagamento, euro("0,50")});
const std::string kSpesa =
    riga({"20/07/2026", nome("ROSSI MARIO"), etichetta("RIPARAZIONE CALDAIA"), euro("150,00")});
const std::string kSpesaLungoTesto = riga({"07/08/2026", kLungo, kSpesaLunga, euro("80,00")});
const std::string kSpesaIgnota =
    riga({"08/08/2026", nome(""), etichetta("RIPARAZIONE CALDAIA"), euro("70,00")});

class Vedisaldi : public ::testing::Test {
protected:
    void SetUp() override {
        b.prepara_dati();
        app.s.primo_accesso_menu = "1";
        b.scrivi(dati("proprietari.IND"),
                 {test::riga_proprietario({{proprietario::nome, "ROSSI MARIO"},
                                           {proprietario::via, "VIA ROMA 1"},
                                           {proprietario::citta, "BARI"},
                                           {proprietario::provincia, "BA"},
                                           {proprietario::cap, "70100"},
                                           {proprietario::telefono, "080"},
                                           {proprietario::codice, "0001"},
                                           {proprietario::rapporto, "PROVV"}}),
                  test::riga_proprietario({{proprietario::nome, "BIANCHI ANNA"},
                                           {proprietario::via, "VIA MARE 2"},
                                           {proprietario::citta, "BARI"},
                                           {proprietario::provincia, "BA"},
                                           {proprietario::cap, "70100"},
                                           {proprietario::telefono, "080"},
                                           {proprietario::codice, "0002"},
                                           {proprietario::rapporto, "CONTR"}}),
                  test::riga_proprietario({{proprietario::nome, kLungo},
                                           {proprietario::via, "VIA PO 3"},
                                           {proprietario::citta, "ROMA"},
                                           {proprietario::provincia, "RM"},
                                           {proprietario::cap, "00100"},
                                           {proprietario::telefono, "06"},
                                           {proprietario::codice, "0003"},
                                           {proprietario::rapporto, "PROVV"}})});
        b.scrivi(dati("appartamenti.ind"),
                 {test::riga_appartamento({{appartamento::codice_proprietario, "0001"},
                                           {appartamento::codice_via, "001"},
                                           {appartamento::civico, "5"},
                                           {appartamento::tipo, "BIL"},
                                           {appartamento::soggiorno, "SI"},
                                           {appartamento::bagni, "1"},
                                           {appartamento::giardino, "NO"},
                                           {appartamento::piano, "1"},
                                           {appartamento::posti_letto, "4"},
                                           {appartamento::periodicita, "ESTIVO"},
                                           {appartamento::codice, "0012"}}),
                  test::riga_appartamento({{appartamento::codice_proprietario, "0002"},
                                           {appartamento::codice_via, "001"},
                                           {appartamento::civico, "6"},
                                           {appartamento::tipo, "BIL"},
                                           {appartamento::soggiorno, "SI"},
                                           {appartamento::bagni, "1"},
                                           {appartamento::giardino, "NO"},
                                           {appartamento::piano, "1"},
                                           {appartamento::posti_letto, "4"},
                                           {appartamento::periodicita, "ESTIVO"},
                                           {appartamento::codice, "0020"}}),
                  test::riga_appartamento({{appartamento::codice_proprietario, "0003"},
                                           {appartamento::codice_via, "001"},
                                           {appartamento::civico, "7"},
                                           {appartamento::tipo, "BIL"},
                                           {appartamento::soggiorno, "SI"},
                                           {appartamento::bagni, "1"},
                                           {appartamento::giardino, "NO"},
                                           {appartamento::piano, "1"},
                                           {appartamento::posti_letto, "4"},
                                           {appartamento::periodicita, "ESTIVO"},
                                           {appartamento::codice, "0031"}})});
        b.scrivi(
            dati("prenotazioni2026.dat"),
            {prenotazione("0012", "01/07/2026", "15/07/2026", "1.200,00", "15/07/2026", "3"),
             prenotazione("0020", "01/08/2026", "15/08/2026", "0,00", "10/06/2026", "REVOC004"),
             prenotazione("0012", "16/08/2026", "31/08/2026", "900,00", "31/08/2026", "8")});
        b.scrivi(dati("spese2026.dat"),
                 {test::riga_spesa({{voce_spesa::appartamento, "0012"},
                                    {voce_spesa::descrizione, "RIPARAZIONE CALDAIA"},
                                    {voce_spesa::movimento, "6"}}),
                  test::riga_spesa({{voce_spesa::appartamento, "0031"},
                                    {voce_spesa::descrizione, kSpesaLunga},
                                    {voce_spesa::movimento, "12"}})});
        b.scrivi(dati("saldi2026.dat"), kGiornale);
    }
    std::string dati(const std::string& n) const { return b.cartella_dati() + n; }

    // Opens the view from the menu: a line of the owners' list, or the
    // accounts button (0).
    VEDISALDI& apri(int comando) {
        app.run([&] { app.form("MENU")->show(); });
        if (comando == 0) app.click(app.campo("MENU", "contabilita"));
        else {
            app.click(app.campo("MENU", "proprietar"));
            app.pick(app.campo("MENU", "List3"), comando - 1);
        }
        return app.form<VEDISALDI>();
    }
    Righe lista(VEDISALDI& v) {
        Righe out;
        for (int i = 0; i < v.List1.list_count(); ++i) out.push_back(v.List1.item(i));
        return out;
    }

    Banco b;
    App& app = b.app();
};

TEST_F(Vedisaldi, PayoutsOfEveryOwnerOrOfTheOneChosen) {
    VEDISALDI& v = apri(4);  // "VEDI ACCONTI / SALDI"
    EXPECT_TRUE(v.is_visible());
    EXPECT_EQ(app.s.operazione, "saldiP");
    EXPECT_EQ(v.Label1.caption(), "SALDI / ACCONTI");
    EXPECT_EQ(v.Combo1.list_count(), 3);
    app.click(v.Command1);
    EXPECT_EQ(lista(v), (Righe{kVersamento, kVersamentoLungo, kCentesimi}));

    app.pick(v.Combo1, 0);
    EXPECT_EQ(lista(v), (Righe{kVersamento, kCentesimi}));
    app.pick(v.Combo1, 1);
    EXPECT_TRUE(lista(v).empty());
    EXPECT_TRUE(b.nuovi_messaggi().empty());
}

TEST_F(Vedisaldi, ExpensesUnderTheOwnerOfTheirApartment) {
    VEDISALDI& v = apri(7);  // "SPESE EFFETTUATE"
    EXPECT_EQ(v.Label1.caption(), "--- SPESE ---");
    app.click(v.Command1);
    EXPECT_EQ(lista(v), (Righe{kSpesa, kSpesaLungoTesto, kSpesaIgnota}));
    app.pick(v.Combo1, 2);
    EXPECT_EQ(lista(v), (Righe{kSpesaLungoTesto}))
        << "a movement whose owner cannot be told is nobody's";
}

TEST_F(Vedisaldi, TheAccountsViewListsAdvancesBalancesPayoutsAndExpensesInJournalOrder) {
    VEDISALDI& v = apri(0);
    EXPECT_EQ(app.s.operazione, "");
    app.pick(v.Combo1, 0);
    EXPECT_EQ(lista(v), (Righe{riga({"01/06/2026", nome("ROSSI MARIO"), kAcconto, "01/07/2026",
                                     "15/07/2026", euro("300,00")}),
                               riga({"15/07/2026", nome("ROSSI MARIO"), kSaldo, "01/07/2026",
                                     "15/07/2026", euro("900,00")}),
                               kSpesa, kVersamento,
                               riga({"31/08/2026", nome("ROSSI MARIO"), kSaldo, "16/08/2026",
                                     "31/08/2026", euro("800,00")}),
                               kCentesimi}));
    // The revoked booking's advance and its refund give no row.
    app.pick(v.Combo1, 1);
    EXPECT_TRUE(lista(v).empty());

    app.click(v.ESCI);
    EXPECT_FALSE(v.is_loaded());
    EXPECT_TRUE(app.form("MENU")->is_visible());
    EXPECT_EQ(app.s.operazione, "");
}

TEST_F(Vedisaldi, AnEmptyJournalGivesAnEmptyList) {
    b.scrivi(dati("saldi2026.dat"), {});
    VEDISALDI& v = apri(0);
    app.click(v.Command1);
    EXPECT_TRUE(lista(v).empty());
}

}  // namespace
}  // namespace ga::test
