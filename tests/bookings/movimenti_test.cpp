#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "records/movimenti.h"
#include "support/banco.h"
#include "support/righe.h"

namespace ga {
namespace {

using Righe = std::vector<std::string>;

std::string crlf(const Righe& righe) {
    std::string out;
    for (const auto& r : righe) out += r + "\r\n";
    return out;
}

const std::string kM1 = test::riga_movimento({{movimento::data, "01/07/2026"},
                                              {movimento::parte, "0001"},
                                              {movimento::acconto, "500,00"},
                                              {movimento::saldo, "ND"},
                                              {movimento::importo, "0"},
                                              {movimento::pulizia, "50,00"},
                                              {movimento::cauzione, "200,00"},
                                              {movimento::numero, "1"},
                                              {movimento::appartamento, "0010"}});
plat::Date oggi() { return plat::Date::from_dmy(9, 12, 2026).value(); }

class Movimenti : public ::testing::Test {
protected:
    void SetUp() override {
        b.prepara_dati();
        b.scrivi(file(), {kM1});
        app().run([&] { app().testo("prenotazione", "Text26"); });
        app().s.importo_acconto = "PRIMA";
    }
    App& app() { return b.app(); }
    std::string file() const { return b.cartella_dati() + "saldi2026.dat"; }
    void boxes(const char* form, std::vector<std::pair<const char*, std::string>> v) {
        for (auto& [nome, testo] : v) app().imposta(form, nome, testo);
    }
    bool registra(const std::string& op) {
        bool ok = false;
        app().run([&] {
            app().s.operazione = op;
            ok = registra_movimento(app());
        });
        return ok;
    }
    // The balance form as the client's bookings leave it: residual rent
    // 1.200,00, fee 100,00, cleaning 50,00, deposit "ND".
    void saldo(const std::string& versato) {
        boxes("saldoaff", {{"Text14", versato},
                           {"Text10", "1.200,00"},
                           {"Text15", "09/12/2026"},
                           {"Text16", " 0001"},
                           {"Text3", "2"},
                           {"Text17", "0011"},
                           {"Text18", "100,00"},
                           {"Text19", "50,00"},
                           {"Text20", "ND"}});
    }

    test::Banco b;
};

TEST_F(Movimenti, APaymentIsABalanceOrAFurtherAdvance) {
    // Equal to the residual: a balance, no agency items.
    saldo("1.200,00");
    ASSERT_TRUE(registra("SALDO"));
    const std::string m2 = test::riga_movimento({{movimento::data, "09/12/2026"},
                                                 {movimento::parte, " 0001"},
                                                 {movimento::acconto, "0"},
                                                 {movimento::saldo, "1200,00"},
                                                 {movimento::importo, "0"},
                                                 {movimento::pulizia, "0"},
                                                 {movimento::cauzione, "0"},
                                                 {movimento::numero, "2"},
                                                 {movimento::appartamento, "0011"}});
    EXPECT_EQ(b.byte(file()), crlf({kM1, m2}));
    EXPECT_EQ(app().s.operazione, "SALDO");
    EXPECT_EQ(app().s.importo_acconto, "PRIMA");
    EXPECT_EQ(app().testo("prenotazione", "Text26"), "2");

    // Below the residual: a further advance.
    saldo("500,00");
    ASSERT_TRUE(registra("SALDO"));
    const std::string m3 = test::riga_movimento({{movimento::data, "09/12/2026"},
                                                 {movimento::parte, " 0001"},
                                                 {movimento::acconto, "500,00"},
                                                 {movimento::saldo, "0"},
                                                 {movimento::importo, "0"},
                                                 {movimento::pulizia, "0"},
                                                 {movimento::cauzione, "0"},
                                                 {movimento::numero, "2"},
                                                 {movimento::appartamento, "0011"}});
    EXPECT_EQ(b.byte(file()), crlf({kM1, m2, m3}));
    EXPECT_EQ(app().s.operazione, "ACCON");
    EXPECT_EQ(app().s.importo_acconto, "500,00");

    // Above it: the agency items not waived, an item of no value as "0".
    // (Waiving an item clears the amount paid, so it comes first.)
    app().imposta("saldoaff", "Text12", "0,00");
    app().campo("saldoaff", "Check2").set_value(1);
    saldo("1.350,00");
    ASSERT_TRUE(registra("SALDO"));
    EXPECT_EQ(b.byte(file()), crlf({kM1, m2, m3,
                                    test::riga_movimento({{movimento::data, "09/12/2026"},
                                                          {movimento::parte, " 0001"},
                                                          {movimento::acconto, "0"},
                                                          {movimento::saldo, "1200,00"},
                                                          {movimento::importo, "100,00"},
                                                          {movimento::pulizia, "0"},
                                                          {movimento::cauzione, "0"},
                                                          {movimento::numero, "2"},
                                                          {movimento::appartamento, "0011"}})}));
    EXPECT_EQ(app().s.operazione, "SALDO");
    EXPECT_EQ(app().testo("prenotazione", "Text26"), "4");
}

TEST_F(Movimenti, APaymentShortOfTheResidualByCentsIsAFurtherAdvance) {
    boxes("saldoaff", {{"Text14", "700,40"},
                       {"Text10", "700,50"},
                       {"Text15", "09/12/2026"},
                       {"Text16", " 0001"},
                       {"Text3", "2"},
                       {"Text17", "0011"},
                       {"Text18", "ND"},
                       {"Text19", "ND"},
                       {"Text20", "ND"}});
    ASSERT_TRUE(registra("SALDO"));
    EXPECT_EQ(app().s.operazione, "ACCON") << "the booking must not close 0,10 short";
    EXPECT_EQ(app().s.importo_acconto, "700,40");
}

TEST_F(Movimenti, NewBookingAndRevocationLines) {
    boxes("prenotazione", {{"Text2", "9/12/2026"},
                           {"Text27", "0001"},
                           {"Text16", ""},
                           {"Text17", "100,00"},
                           {"Text18", "50,00"},
                           {"Text19", "ND"},
                           {"Text1", "3"},
                           {"Text7", "0012"}});
    ASSERT_TRUE(registra("PRENOTAZIONE"));
    const std::string m2 = test::riga_movimento({{movimento::data, "09/12/2026"},
                                                 {movimento::parte, "0001"},
                                                 {movimento::saldo, "100,00"},
                                                 {movimento::importo, "0"},
                                                 {movimento::pulizia, "50,00"},
                                                 {movimento::cauzione, "ND"},
                                                 {movimento::numero, "3"},
                                                 {movimento::appartamento, "0012"}});

    // Nothing to refund of cleaning and deposit: empty columns.
    boxes("REVOCAPREN", {{"Text8", "10/12/2026"},
                         {"Text11", "0001"},
                         {"Text7", "-500,00"},
                         {"Text9", "0,00"},
                         {"Text10", "ND"},
                         {"Text3", " 3"},
                         {"Text12", "0012"}});
    ASSERT_TRUE(registra("REVOCA"));
    const std::string m3 = test::riga_movimento({{movimento::data, "10/12/2026"},
                                                 {movimento::parte, "0001"},
                                                 {movimento::acconto, "-500,00"},
                                                 {movimento::saldo, "0"},
                                                 {movimento::importo, "0"},
                                                 {movimento::numero, " 3"},
                                                 {movimento::appartamento, "0012"}});
    // Refunds are written as negative short numbers.
    boxes("REVOCAPREN", {{"Text9", "15,50"}, {"Text10", "1.200,00"}});
    ASSERT_TRUE(registra("REVOCA"));
    EXPECT_EQ(b.byte(file()), crlf({kM1, m2, m3,
                                    test::riga_movimento({{movimento::data, "10/12/2026"},
                                                          {movimento::parte, "0001"},
                                                          {movimento::acconto, "-500,00"},
                                                          {movimento::saldo, "0"},
                                                          {movimento::importo, "0"},
                                                          {movimento::pulizia, "-15,5"},
                                                          {movimento::cauzione, "-1200"},
                                                          {movimento::numero, " 3"},
                                                          {movimento::appartamento, "0012"}})}));
    EXPECT_EQ(app().s.operazione, "REVOCA");
}

TEST_F(Movimenti, RefundExpenseAndPayoutLinesTickOnlyTheBookingFormsFlag) {
    boxes("RESTCAUZ", {{"Label12", "09/12/2026"},
                       {"Text4", "0001"},
                       {"Text3", "-300,00"},
                       {"Text1", "7"},
                       {"Text5", "0010"}});
    ASSERT_TRUE(registra("RESTCAUZIONE"));
    EXPECT_EQ(app().campo("prenotazione", "Check4").value(), 1);
    // The other forms' guards are theirs: a movement leaves them as they were.
    EXPECT_FALSE(app().form("SaldoProprietario")->is_loaded());
    EXPECT_EQ(app().campo("spese", "Check2").value(), 0);
    EXPECT_TRUE(app().campo("RESTCAUZ", "SALVA").enabled());

    app().campo("spese", "DTPicker1").set_date(oggi());
    boxes("spese", {{"Text4", "0001"}, {"Text8", "40,00"}, {"Text1", "4"}, {"Text5", "0010"}});
    ASSERT_TRUE(registra("SPESA"));
    app().campo("SaldoProprietario", "DTPicker1").set_date(oggi().add_days(1));
    boxes("SaldoProprietario", {{"Text8", "0001"}, {"Text5", "1.000,00"}});
    ASSERT_TRUE(registra("SALDOPROP"));
    EXPECT_EQ(b.byte(file()), crlf({kM1,
                                    test::riga_movimento({{movimento::data, "09/12/2026"},
                                                          {movimento::parte, "0001"},
                                                          {movimento::acconto, "0"},
                                                          {movimento::saldo, "0"},
                                                          {movimento::importo, "0"},
                                                          {movimento::pulizia, "0"},
                                                          {movimento::cauzione, "-300,00"},
                                                          {movimento::numero, "7"},
                                                          {movimento::appartamento, "0010"}}),
                                    test::riga_movimento({{movimento::data, "09/12/2026"},
                                                          {movimento::parte, "0001"},
                                                          {movimento::acconto, "0"},
                                                          {movimento::saldo, "0"},
                                                          {movimento::importo, "40,00"},
                                                          {movimento::pulizia, "0"},
                                                          {movimento::cauzione, "0"},
                                                          {movimento::numero, "5"},
                                                          {movimento::appartamento, "0010"}}),
                                    test::riga_movimento({{movimento::data, "10/12/2026"},
                                                          {movimento::parte, "0001"},
                                                          {movimento::acconto, "0"},
                                                          {movimento::saldo, "0"},
                                                          {movimento::importo, "1.000,00"},
                                                          {movimento::pulizia, "0"},
                                                          {movimento::cauzione, "0"}})}));
    EXPECT_EQ(app().testo("prenotazione", "Text26"), "4");
    EXPECT_EQ(app().testo("spese", "Text2"), "4");
}

TEST_F(Movimenti, RefusedMovementsWriteNothingAndLeaveTheStateAlone) {
    auto rifiutato = [&](const std::string& op, const std::string& parola) {
        SCOPED_TRACE(op + " / " + parola);
        b.nuovi_messaggi();
        EXPECT_FALSE(registra(op));
        const Righe m = b.nuovi_messaggi();
        ASSERT_EQ(m.size(), 1u);
        EXPECT_NE(m[0].find(parola), std::string::npos) << m[0];
        EXPECT_EQ(b.byte(file()), crlf({kM1}));
        EXPECT_EQ(app().s.operazione, op);
        EXPECT_EQ(app().s.importo_acconto, "PRIMA");
        EXPECT_EQ(app().campo("prenotazione", "Check4").value(), 0);
    };
    saldo("500,00");
    app().imposta("saldoaff", "Text16", "00*1");
    rifiutato("SALDO", "\"*\"");
    saldo("500,00");
    app().imposta("saldoaff", "Text15", "31/11/2026");
    rifiutato("SALDO", "NON E' VALIDA");
    rifiutato("SPESA", "NON E' STATA SCELTA");
    rifiutato("cauzion", "NON PREVISTA");

    // Past the thousand movements the table was made for, the journal
    // takes the next one and its count follows.
    b.scrivi(file(), Righe(1000, kM1));
    app().run([&] { carica_saldi(app()); });
    saldo("500,00");
    b.nuovi_messaggi();
    EXPECT_TRUE(registra("SALDO"));
    EXPECT_EQ(b.nuovi_messaggi(), Righe{});
    EXPECT_EQ(b.leggi(file()).size(), 1001u);
    EXPECT_EQ(app().testo("prenotazione", "Text26"), "1001");
}

}  // namespace
}  // namespace ga
