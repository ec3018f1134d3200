#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "accounts/estratto.h"
#include "conti_banco.h"
#include "platform/number.h"
#include "platform/text.h"
#include "records/movimenti.h"
#include "support/righe.h"

namespace ga {
namespace {

using Righe = std::vector<std::string>;
std::string blank(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

const Righe kGiornale = {
    test::riga_movimento({{movimento::data, "01/07/2026"},
                          {movimento::parte, "0001"},
                          {movimento::acconto, "300,00"},
                          {movimento::saldo, "100,00"},
                          {movimento::importo, "0"},
                          {movimento::pulizia, "50,00"},
                          {movimento::cauzione, "200,00"},
                          {movimento::numero, "4"},
                          {movimento::appartamento, "0012"}}),  // advance, booking 4
    test::riga_movimento({{movimento::data, "15/07/2026"},
                          {movimento::parte, "0001"},
                          {movimento::acconto, "0"},
                          {movimento::saldo, "2000,00"},
                          {movimento::importo, "0"},
                          {movimento::pulizia, "0"},
                          {movimento::cauzione, "0"},
                          {movimento::numero, "4"},
                          {movimento::appartamento, "0012"}}),  // rent balance
    test::riga_movimento({{movimento::data, "20/07/2026"},
                          {movimento::parte, "0001"},
                          {movimento::acconto, "-300,00"},
                          {movimento::saldo, "0"},
                          {movimento::importo, "0"},
                          {movimento::numero, "5"},
                          {movimento::appartamento, "0012"}}),  // refund at a revocation
    test::riga_movimento({{movimento::data, "21/07/2026"},
                          {movimento::parte, "0002"},
                          {movimento::acconto, "500,00"},
                          {movimento::saldo, "0"},
                          {movimento::importo, "0"},
                          {movimento::pulizia, "0"},
                          {movimento::cauzione, "0"},
                          {movimento::numero, "6"},
                          {movimento::appartamento, "0020"}}),  // another owner's apartment
    test::riga_movimento({{movimento::data, "22/07/2026"},
                          {movimento::parte, "0001"},
                          {movimento::acconto, "700,00"},
                          {movimento::saldo, "0"},
                          {movimento::importo, "0"},
                          {movimento::pulizia, "0"},
                          {movimento::cauzione, "0"},
                          {movimento::numero, "7"},
                          {movimento::appartamento, "9999"}}),  // apartment nobody has
    test::riga_movimento({{movimento::data, "23/07/2026"},
                          {movimento::parte, "0001"},
                          {movimento::acconto, "700,00"},
                          {movimento::saldo, "0"},
                          {movimento::importo, "0"},
                          {movimento::pulizia, "0"},
                          {movimento::cauzione, "0"},
                          {movimento::numero, "7"},
                          {movimento::appartamento, "1000"}}),  // never listed
    test::riga_movimento({{movimento::data, "01/08/2026"},
                          {movimento::parte, "0001"},
                          {movimento::acconto, "0"},
                          {movimento::saldo, "0"},
                          {movimento::importo, "1.000,00"},
                          {movimento::pulizia, "0"},
                          {movimento::cauzione, "0"}}),  // payout
    test::riga_movimento({{movimento::data, "02/08/2026"},
                          {movimento::parte, "0001"},
                          {movimento::acconto, "0"},
                          {movimento::saldo, "0"},
                          {movimento::importo, "150,00"},
                          {movimento::pulizia, "0"},
                          {movimento::cauzione, "0"},
                          {movimento::numero, "1"},
                          {movimento::appartamento, "0012"}}),  // expense 1
    test::riga_movimento(
        {{movimento::data, "03/08/2026"},
         {movimento::parte, "0001"},
         {movimento::acconto, "0"},
         {movimento::saldo, "50,00"},
         {movimento::importo, "0"},
         {movimento::pulizia, "0"},
         {movimento::cauzione, "0"},
         {movimento::numero, "6"},
         {movimento::appartamento, "0012"}}),  // new booking: fee only, no booking 6
    test::riga_movimento({{movimento::data, "04/08/2026"},
                          {movimento::parte, "0001"},
                          {movimento::acconto, "0"},
                          {movimento::saldo, "0"},
                          {movimento::importo, "0,50"},
                          {movimento::pulizia, "0"},
                          {movimento::cauzione, "0"},
                          {movimento::numero, "2"},
                          {movimento::appartamento, "0012"}}),  // expense 2, below one euro
    test::riga_movimento({{movimento::data, "05/08/2026"},
                          {movimento::parte, "0099"},
                          {movimento::acconto, "0"},
                          {movimento::saldo, "0"},
                          {movimento::importo, "80,00"},
                          {movimento::pulizia, "0"},
                          {movimento::cauzione, "0"}}),  // payout to an unknown owner
    "",
    test::riga_movimento({{movimento::data, "06/08/2026"},
                          {movimento::parte, "0002"},
                          {movimento::acconto, "0"},
                          {movimento::saldo, "0"},
                          {movimento::importo, "650,00"},
                          {movimento::pulizia, "0"},
                          {movimento::cauzione, "0"}}),  // payout to the contract owner
};

// Every amount ends in column 85, where the separator above the total ends.
const std::string kAcconto =
    "01/07/2026  ACCONTO AFFITTO PER IL PERIODO  0012 01/08/2026 15/08/2026" + blank(9) + "300,00";
const std::string kSaldo =
    "15/07/2026  SALDO AFFITTO PER IL PERIODO    0012 01/08/2026 15/08/2026" + blank(7) +
    "2.000,00";
const std::string kRestituzione =
    "20/07/2026  RESTITUZ. ACC. PER REVOCA PER.  0012 16/08/2026 31/08/2026" + blank(8) + "-300,00";
const std::string kVersamento =
    "01/08/2026  SALDO / ACONTO AL PROPRIETARIO PER  BRENOSA " + blank(15) + blank(6) + "1.000,00";
const std::string kSpesa1 =
    "02/08/2026 RIPARAZIONE CALDAIA" + blank(36) + " 0012" + blank(8) + "150,00";
const std::string kDiritti =
    "03/08/2026  SALDO AFFITTO PER IL PERIODO    0012" + blank(32) + "50,00";
const std::string kSpesa2 = "04/08/2026 LAMPADINA" + blank(46) + " 0012" + blank(10) + "0,50";
const std::string kSeparatore = blank(73) + "------------";

class Estratto : public test::Conti, public ::testing::Test {
protected:
    void SetUp() override {
        b.scrivi(journal(), kGiornale);
        b.scrivi(expenses(), {test::riga_spesa({{voce_spesa::appartamento, "0012"},
                                                {voce_spesa::descrizione, "RIPARAZIONE CALDAIA"},
                                                {voce_spesa::movimento, "8"}}),
                              test::riga_spesa({{voce_spesa::appartamento, "0012"},
                                                {voce_spesa::descrizione, "LAMPADINA"},
                                                {voce_spesa::movimento, "10"}})});
    }
    void disegna(const std::string& nome) {
        app().run([&] { estratto_conto_proprietario(app(), nome, 0); });
    }
    Righe lista() { return righe("EstrattoContoPropr", "List1"); }
    Righe primi(std::size_t n) {
        Righe l = lista();
        l.resize(std::min(n, l.size()));
        return l;
    }
};

TEST_F(Estratto, CommissionOwnerStatementListsTheOwnersMovementsAndItsSums) {
    disegna("ROSSI MARIO");
    const std::string provvigione =
        blank(17) + "         IMPORTO PER L'AGENZIA PARI AL 10% SU 2.050,00 €      205,00";
    const std::string totale = blank(12) +
                               "T O T A L E   A  S A L D O  D E L  P R O P R I E T A R I O" +
                               blank(9) + "694,50";
    EXPECT_EQ(lista(), (Righe{kAcconto, kSaldo, kRestituzione, kVersamento, kSpesa1, kDiritti,
                              kSpesa2, provvigione, kSeparatore, totale}));

    // gross 300 + 2000 - 300 + 50; commission 10%; residue 2050 - 1000 - 150,50 - 205.
    EXPECT_EQ(box("SINTESICONTOPROP", "Text4"), "2.050,00");
    EXPECT_EQ(box("SINTESICONTOPROP", "Text5"), "150,50");
    EXPECT_EQ(box("SINTESICONTOPROP", "Text6"), "1.000,00");
    EXPECT_EQ(box("SINTESICONTOPROP", "Text7"), "205,00");
    EXPECT_EQ(box("SINTESICONTOPROP", "Text8"), "694,50");
    EXPECT_EQ(box("SaldoProprietario", "Text4"), "694,50");
    EXPECT_EQ(box("spese", "Text10"), "694,50");
    EXPECT_EQ(box("EstrattoContoPropr", "Text4"), "0001");
    EXPECT_EQ(box("SaldoProprietario", "Text8"), "0001");
    EXPECT_EQ(box("SaldoProprietario", "Text1"), "ROSSI MARIO");
    EXPECT_TRUE(b.nuovi_messaggi().empty());
}

TEST_F(Estratto, ContractOwnerPaysNoCommissionAndNoTotalLineWhenNothingIsDue) {
    disegna("ROSSI MARIO");
    disegna("BIANCHI ANNA");
    EXPECT_EQ(lista(),
              (Righe{"21/07/2026  ACCONTO AFFITTO PER IL PERIODO  0020" + blank(31) + "500,00",
                     "06/08/2026  SALDO / ACONTO AL PROPRIETARIO PER  BRENOSA " + blank(15) +
                         blank(8) + "650,00",
                     kSeparatore}));
    EXPECT_EQ(box("SINTESICONTOPROP", "Text4"), "500,00");
    EXPECT_EQ(box("SINTESICONTOPROP", "Text8"), "-150,00");
    // The summary does not keep the commission of the owner drawn before.
    EXPECT_EQ(box("SINTESICONTOPROP", "Text7"), "0,00");

    // An owner without movements: only the commission line on a gross of nothing.
    disegna("GIALLI EVA");
    EXPECT_EQ(lista(), (Righe{blank(17) + "         IMPORTO PER L'AGENZIA PARI AL 10% SU 0,00 €" +
                                  blank(12) + "0,00",
                              kSeparatore}));
    EXPECT_EQ(box("SINTESICONTOPROP", "Text8"), "0,00");
}

TEST_F(Estratto, ResidueOfRoundingErrorsIsNoResidue) {
    // 0,10 + 0,20 - 0,30 is not 0 in binary; the owner is paid in full.
    b.scrivi(journal(), {test::riga_movimento({{movimento::data, "01/07/2026"},
                                               {movimento::parte, "0002"},
                                               {movimento::acconto, "0,10"},
                                               {movimento::saldo, "0"},
                                               {movimento::importo, "0"},
                                               {movimento::pulizia, "0"},
                                               {movimento::cauzione, "0"},
                                               {movimento::numero, "1"},
                                               {movimento::appartamento, "0020"}}),
                         test::riga_movimento({{movimento::data, "02/07/2026"},
                                               {movimento::parte, "0002"},
                                               {movimento::acconto, "0,20"},
                                               {movimento::saldo, "0"},
                                               {movimento::importo, "0"},
                                               {movimento::pulizia, "0"},
                                               {movimento::cauzione, "0"},
                                               {movimento::numero, "2"},
                                               {movimento::appartamento, "0020"}}),
                         test::riga_movimento({{movimento::data, "03/07/2026"},
                                               {movimento::parte, "0002"},
                                               {movimento::acconto, "0"},
                                               {movimento::saldo, "0"},
                                               {movimento::importo, "0,30"},
                                               {movimento::pulizia, "0"},
                                               {movimento::cauzione, "0"}})});
    disegna("BIANCHI ANNA");
    EXPECT_EQ(box("SINTESICONTOPROP", "Text8"), "0,00");
    EXPECT_EQ(lista().back(), kSeparatore);
}

// Over many grosses and rates, the commission shown and the total shown add
// up to the gross shown, to the cent, in the list and in the summary.
TEST_F(Estratto, TheStatementsLinesAddUpToTheCent) {
    const char* aliquote[] = {"10", "7", "12,5", "15", "18", "20", "22,5"};
    const long long centesimi_di_aliquota[] = {1000, 700, 1250, 1500, 1800, 2000, 2250};
    std::uint32_t seme = 12345;
    auto cifre = [](const std::string& riga) {
        return static_cast<long long>(
            std::llround(plat::italian_or_zero(plat::trim(riga.substr(riga.size() - 10))) * 100));
    };
    for (int caso = 0; caso < 300; ++caso) {
        seme = seme * 1664525u + 1013904223u;
        const long long lordo = 1 + seme % 10000000;  // cents, up to 100.000,00
        const std::string aliquota = aliquote[caso % 7];
        b.scrivi(journal(),
                 {test::riga_movimento({{movimento::data, "01/07/2026"},
                                        {movimento::parte, "0001"},
                                        {movimento::acconto, "0"},
                                        {movimento::saldo, plat::format_amount(lordo / 100.0)},
                                        {movimento::importo, "0"},
                                        {movimento::numero, "4"},
                                        {movimento::appartamento, "0012"}})});
        app().run([&] {
            app().imposta("zeltra", "Text9", aliquota);
            carica_saldi(app());
        });
        disegna("ROSSI MARIO");
        const Righe l = lista();
        ASSERT_EQ(l.size(), 4u);
        const std::string nome = aliquota + "% di " + plat::format_amount(lordo / 100.0);
        EXPECT_EQ(cifre(l[1]) + cifre(l[3]), lordo) << nome;
        auto cent = [&](const char* box) {
            return cifre(plat::pad_left(this->box("SINTESICONTOPROP", box), 10));
        };
        EXPECT_EQ(cent("Text7") + cent("Text8"), lordo) << nome;
        EXPECT_EQ(cent("Text7"), cifre(l[1])) << nome;
        // Rounded once, half away from zero: within half a cent of the rate.
        const long long scarto = cifre(l[1]) * 10000 - centesimi_di_aliquota[caso % 7] * lordo;
        EXPECT_TRUE(scarto > -5000 && scarto <= 5000) << nome;
    }
}

TEST_F(Estratto, FiltersOfTheStatementFormListOneKindAtATime) {
    App& a = app();
    a.run([&] { a.form("EstrattoContoPropr")->show(); });
    plat::Control& sintesi = c("EstrattoContoPropr", "SINTESI");
    a.pick(c("EstrattoContoPropr", "Combo1"), 0);
    // Payouts only: the list closes on what it lists (no gross, a
    // commission of 0,00, nothing due)...
    a.click(c("EstrattoContoPropr", "Check4"));
    EXPECT_EQ(lista(), (Righe{kVersamento,
                              blank(17) + "         IMPORTO PER L'AGENZIA PARI AL 10% SU 0,00 €" +
                                  blank(12) + "0,00",
                              kSeparatore}));
    EXPECT_FALSE(sintesi.visible());
    // ...but the figures the other forms take stay those of the whole statement.
    for (auto [forma, nome] : {std::pair{"SINTESICONTOPROP", "Text8"},
                               {"SaldoProprietario", "Text4"},
                               {"spese", "Text10"}})
        EXPECT_EQ(box(forma, nome), "694,50") << forma;
    EXPECT_EQ(box("SINTESICONTOPROP", "Text4") + " " + box("SINTESICONTOPROP", "Text7"),
              "2.050,00 205,00");
    // Ticking the advances unticks the payouts.
    a.click(c("EstrattoContoPropr", "Check2"));
    EXPECT_EQ(c("EstrattoContoPropr", "Check4").value(), 0);
    EXPECT_FALSE(sintesi.visible());
    EXPECT_EQ(primi(2), (Righe{kAcconto, kRestituzione}));
    EXPECT_EQ(lista().size(), 4u);
    a.click(c("EstrattoContoPropr", "Check3"));
    EXPECT_EQ(primi(2), (Righe{kSpesa1, kSpesa2}));
    // Unticking the only filter gives the whole statement and the summary back.
    a.click(c("EstrattoContoPropr", "Check3"));
    EXPECT_TRUE(sintesi.visible());
    EXPECT_EQ(lista().size(), 10u);
}

// --- the expenses file --------------------------------------------------------------

TEST_F(Estratto, ExpensesLoadEveryLineAndAppendOneByteExact) {
    b.scrivi(expenses(), {test::riga_spesa({{voce_spesa::appartamento, "0012"},
                                            {voce_spesa::descrizione, "RIPARAZIONE"},
                                            {voce_spesa::movimento, "1"}}),
                          "0020*PULIZIA", "",
                          test::riga_spesa({{voce_spesa::appartamento, "0012"},
                                            {voce_spesa::descrizione, "VETRO"},
                                            {voce_spesa::movimento, "4"}})});
    app().run([&] { carica_spese(app()); });
    Tabella<Campi<3>>& t = tabella_spese(app());
    EXPECT_EQ(box("spese", "Text1"), "4");
    EXPECT_EQ(t[2], (Campi<3>{"0020", "PULIZIA", ""}));
    EXPECT_EQ(t[3], (Campi<3>{}));
    EXPECT_EQ(t[4], (Campi<3>{"0012", "VETRO", "4"}));

    auto registra = [&](const std::string& nota) {
        bool ok = false;
        app().run([&] {
            app().imposta("spese", "Text5", "0031");
            app().imposta("spese", "Text9", nota);
            app().imposta("spese", "Text2", "14");
            ok = registra_spesa(app());
        });
        return ok;
    };
    EXPECT_TRUE(registra("TINTEGGIATURA"));
    const std::string scritto = crlf({test::riga_spesa({{voce_spesa::appartamento, "0012"},
                                                        {voce_spesa::descrizione, "RIPARAZIONE"},
                                                        {voce_spesa::movimento, "1"}}),
                                      "0020*PULIZIA", "",
                                      test::riga_spesa({{voce_spesa::appartamento, "0012"},
                                                        {voce_spesa::descrizione, "VETRO"},
                                                        {voce_spesa::movimento, "4"}}),
                                      test::riga_spesa({{voce_spesa::appartamento, "0031"},
                                                        {voce_spesa::descrizione, "TINTEGGIATURA"},
                                                        {voce_spesa::movimento, "14"}})});
    EXPECT_EQ(b.byte(expenses()), scritto);
    EXPECT_EQ(c("spese", "Check2").value(), 1);
    // A separator in the description would split the line: nothing is written.
    EXPECT_FALSE(registra("VETRO * 2"));
    EXPECT_EQ(b.byte(expenses()), scritto);

    // A missing file is created empty and the program goes on.
    std::filesystem::remove(expenses());
    app().run([&] { carica_spese(app()); });
    EXPECT_FALSE(app().ended());
    EXPECT_TRUE(std::filesystem::exists(expenses()));

    // Past the hundred expenses the table was made for, the next one is
    // line 101, and loaded as expense 101.
    b.scrivi(expenses(), Righe(100, test::riga_spesa({{voce_spesa::appartamento, "0012"},
                                                      {voce_spesa::descrizione, "SPESA"},
                                                      {voce_spesa::movimento, "1"}})));
    app().run([&] { carica_spese(app()); });
    EXPECT_TRUE(registra("ALTRA"));
    app().run([&] { carica_spese(app()); });
    EXPECT_EQ(box("spese", "Text1"), "101");
    EXPECT_EQ(t[101], (Campi<3>{"0031", "ALTRA", "14"}));
    EXPECT_EQ(b.nuovi_messaggi().size(), 1u);
}

}  // namespace
}  // namespace ga
