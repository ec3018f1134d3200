#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/prenotazioni.h"
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

const std::string kP1 = test::riga_prenotazione({{pren::appartamento, "0010"},
                                                 {pren::cliente, "0001"},
                                                 {pren::arrivo, "01/07/2026"},
                                                 {pren::partenza, "15/07/2026"},
                                                 {pren::affitto, "1.500,00"},
                                                 {pren::acconto, "500,00"},
                                                 {pren::diritti, "ND"},
                                                 {pren::pulizia, "50,00"},
                                                 {pren::cauzione, "200,00"},
                                                 {pren::chiusura, "0.00.00"},
                                                 {pren::nota, "1"},
                                                 {pren::periodo, "3"},
                                                 {pren::letti, "1"},
                                                 {pren::consumi, " "},
                                                 {pren::energia, " "},
                                                 {pren::lenzuola, " "}});
const std::string kP2 = test::riga_prenotazione({{pren::appartamento, "0011"},
                                                 {pren::cliente, "0002"},
                                                 {pren::arrivo, "01/08/2026"},
                                                 {pren::partenza, "15/08/2026"},
                                                 {pren::affitto, "1.200,00"},
                                                 {pren::acconto, "1.320,00"},
                                                 {pren::diritti, "100,00"},
                                                 {pren::pulizia, "50,00"},
                                                 {pren::cauzione, "200,00"},
                                                 {pren::chiusura, "20/08/2026"},
                                                 {pren::nota, "4"},
                                                 {pren::movimento, "12"},
                                                 {pren::periodo, "5"}});
const std::string kP3 = test::riga_prenotazione({{pren::appartamento, "0010"},
                                                 {pren::cliente, "0002"},
                                                 {pren::arrivo, "01/09/2026"},
                                                 {pren::partenza, "08/09/2026"},
                                                 {pren::affitto, "700,00"},
                                                 {pren::acconto, "200,00"},
                                                 {pren::diritti, "ND"},
                                                 {pren::pulizia, "ND"},
                                                 {pren::cauzione, "ND"},
                                                 {pren::chiusura, "0.00.00"},
                                                 {pren::periodo, "9"}});

class Prenotazioni : public ::testing::Test {
protected:
    void SetUp() override {
        b.prepara_dati();
        b.scrivi(file(), {kP1, kP2, kP3});
        app().run([&] { app().testo("prenotazione", "Text21"); });
    }
    App& app() { return b.app(); }
    std::string file() const { return b.cartella_dati() + "prenotazioni2026.dat"; }
    void box(const char* form, const char* nome, const std::string& t) {
        app().imposta(form, nome, t);
    }
    bool registra(const std::string& op) {
        bool ok = false;
        app().run([&] {
            app().s.operazione = op;
            ok = registra_prenotazioni(app());
        });
        return ok;
    }
    // The booking form as a new booking leaves it, the advance left empty.
    void nuova(const std::string& numero) {
        const char* nomi[] = {"Text1",  "Text7",  "Text25", "Text5",  "Text6",
                              "Text15", "Text16", "Text17", "Text18", "Text19",
                              "Text28", "Text31", "Text32", "Text33", "Text34"};
        const std::string testi[] = {numero,   "0012", "0003",   "1/10/2026", "08/10/2026",
                                     "600,00", "",     "100,00", "50,00",     "ND",
                                     "11",     "1",    "",       "30,00",     "2"};
        for (int i = 0; i < 15; ++i) box("prenotazione", nomi[i], testi[i]);
    }

    test::Banco b;
};

TEST_F(Prenotazioni, NewBookingIsWrittenWholeAfterTheLastOrInPlaceOfItsNumber) {
    nuova("4");
    ASSERT_TRUE(registra("PRENOTAZIONE"));
    // Empty advance: "0,00"; no note appended: fields 10 and 11 empty.
    const std::string p4 = test::riga_prenotazione({{pren::appartamento, "0012"},
                                                    {pren::cliente, "0003"},
                                                    {pren::arrivo, "01/10/2026"},
                                                    {pren::partenza, "08/10/2026"},
                                                    {pren::affitto, "600,00"},
                                                    {pren::acconto, "0,00"},
                                                    {pren::diritti, "100,00"},
                                                    {pren::pulizia, "50,00"},
                                                    {pren::cauzione, "ND"},
                                                    {pren::chiusura, "0.00.00"},
                                                    {pren::periodo, "11"},
                                                    {pren::letti, "1"},
                                                    {pren::energia, "30,00"},
                                                    {pren::lenzuola, "2"}});
    EXPECT_EQ(b.byte(file()), crlf({kP1, kP2, kP3, p4}));
    EXPECT_EQ(app().testo("prenotazione", "Text21"), "4");
    EXPECT_EQ(app().campo("prenotazione", "Check3").value(), 1);

    // With a note just appended: the number after the notes count.
    app().campo("prenotazione", "Check2").set_value(1);
    box("prenotazione", "Text23", "10");
    nuova("2");
    box("prenotazione", "Text16", "150,00");
    ASSERT_TRUE(registra("PRENOTAZIONE"));
    EXPECT_EQ(b.byte(file()), crlf({kP1,
                                    test::riga_prenotazione({{pren::appartamento, "0012"},
                                                             {pren::cliente, "0003"},
                                                             {pren::arrivo, "01/10/2026"},
                                                             {pren::partenza, "08/10/2026"},
                                                             {pren::affitto, "600,00"},
                                                             {pren::acconto, "150,00"},
                                                             {pren::diritti, "100,00"},
                                                             {pren::pulizia, "50,00"},
                                                             {pren::cauzione, "ND"},
                                                             {pren::chiusura, "0.00.00"},
                                                             {pren::nota, "11"},
                                                             {pren::periodo, "11"},
                                                             {pren::letti, "1"},
                                                             {pren::energia, "30,00"},
                                                             {pren::lenzuola, "2"}}),
                                    kP3, p4}));
}

TEST_F(Prenotazioni, FurtherAdvanceAddsThePaymentAndReopensTheBooking) {
    // Booking 2 is paid (closing date, link 12); 1.320,00 + 500,00.
    box("saldoaff", "Text3", " 2");
    app().s.importo_acconto = "500,00";
    app().s.numero_nota = "11";
    ASSERT_TRUE(registra("ACCON"));
    EXPECT_EQ(b.byte(file()), crlf({kP1,
                                    test::riga_prenotazione({{pren::appartamento, "0011"},
                                                             {pren::cliente, "0002"},
                                                             {pren::arrivo, "01/08/2026"},
                                                             {pren::partenza, "15/08/2026"},
                                                             {pren::affitto, "1.200,00"},
                                                             {pren::acconto, "1820"},
                                                             {pren::diritti, "100,00"},
                                                             {pren::pulizia, "50,00"},
                                                             {pren::cauzione, "200,00"},
                                                             {pren::chiusura, "0.00.00"},
                                                             {pren::nota, "11"},
                                                             {pren::periodo, "5"}}),
                                    kP3}));
    EXPECT_EQ(stato_prenotazione(app().s.prenotazioni[2]), StatoPrenotazione::aperta);
    // The cents of both amounts count.
    app().s.importo_acconto = "0,75";
    ASSERT_TRUE(registra("ACCON"));
    EXPECT_EQ(app().s.prenotazioni[2].campo[pren::acconto], "1820,75");
}

// Lines a hand put among the bookings keep their numbers, and so does every
// booking after them; a new booking goes after the last line.
TEST_F(Prenotazioni, LinesThatAreNoBookingsKeepTheirPlaceAndANewBookingGoesAfterTheLast) {
    const Righe file_prima = {kP1, kP2, "", "APPUNTO A MANO", kP3};
    b.scrivi(file(), file_prima);
    app().run([&] { carica_prenotazioni(app()); });
    EXPECT_EQ(app().testo("prenotazione", "Text21"), "5");
    EXPECT_EQ(app().s.prenotazioni[5].campo[pren::appartamento], "0010");
    nuova("3");
    EXPECT_FALSE(registra("PRENOTAZIONE")) << "line 3 is no booking to write over";
    EXPECT_EQ(b.leggi(file()), file_prima);
    nuova("6");
    ASSERT_TRUE(registra("PRENOTAZIONE"));
    const Righe dopo = b.leggi(file());
    ASSERT_EQ(dopo.size(), 6u);
    EXPECT_EQ(Righe(dopo.begin(), dopo.begin() + 5), file_prima);
    EXPECT_EQ(dopo[5].substr(0, 9), "0012*0003") << "the new booking is line 6";
}

TEST_F(Prenotazioni, BalanceAndRevocationCloseTheBookingWithTheirMovement) {
    box("saldoaff", "Text3", "1");
    box("saldoaff", "Text15", "09/12/2026");
    box("prenotazione", "Text26", "57");
    app().s.numero_nota = "3";
    ASSERT_TRUE(registra("SALDO"));
    const std::string p1 = test::riga_prenotazione({{pren::appartamento, "0010"},
                                                    {pren::cliente, "0001"},
                                                    {pren::arrivo, "01/07/2026"},
                                                    {pren::partenza, "15/07/2026"},
                                                    {pren::affitto, "1.500,00"},
                                                    {pren::acconto, "500,00"},
                                                    {pren::diritti, "ND"},
                                                    {pren::pulizia, "50,00"},
                                                    {pren::cauzione, "200,00"},
                                                    {pren::chiusura, "09/12/2026"},
                                                    {pren::nota, "3"},
                                                    {pren::movimento, "57"},
                                                    {pren::periodo, "3"},
                                                    {pren::letti, "1"},
                                                    {pren::consumi, " "},
                                                    {pren::energia, " "},
                                                    {pren::lenzuola, " "}});
    EXPECT_EQ(b.byte(file()), crlf({p1, kP2, kP3}));
    EXPECT_EQ(stato_prenotazione(app().s.prenotazioni[1]), StatoPrenotazione::saldata);

    box("REVOCAPREN", "Text3", " 3 ");
    box("REVOCAPREN", "Text8", "10/12/2026");
    box("prenotazione", "Text26", "7");
    ASSERT_TRUE(registra("REVOCA"));
    EXPECT_EQ(b.byte(file()), crlf({p1, kP2,
                                    test::riga_prenotazione({{pren::appartamento, "0010"},
                                                             {pren::cliente, "0002"},
                                                             {pren::arrivo, "01/09/2026"},
                                                             {pren::partenza, "08/09/2026"},
                                                             {pren::affitto, "0,00"},
                                                             {pren::acconto, "200,00"},
                                                             {pren::diritti, "ND"},
                                                             {pren::pulizia, "ND"},
                                                             {pren::cauzione, "ND"},
                                                             {pren::chiusura, "10/12/2026"},
                                                             {pren::movimento, "REVOC007"},
                                                             {pren::periodo, "9"}})}));
    EXPECT_EQ(stato_prenotazione(app().s.prenotazioni[3]), StatoPrenotazione::revocata);
    box("prenotazione", "Text26", "1000");
    ASSERT_TRUE(registra("REVOCA"));
    EXPECT_EQ(app().s.prenotazioni[3].campo[pren::movimento], "REVOC1000");
}

TEST_F(Prenotazioni, NoteAndRefundChangeOnlyTheNoteNumberAndNothingElse) {
    box("RESTCAUZ", "Text1", "3");
    app().s.numero_nota = "15";
    ASSERT_TRUE(registra("RESTCAUZIONE"));
    EXPECT_EQ(b.byte(file()), crlf({kP1, kP2,
                                    test::riga_prenotazione({{pren::appartamento, "0010"},
                                                             {pren::cliente, "0002"},
                                                             {pren::arrivo, "01/09/2026"},
                                                             {pren::partenza, "08/09/2026"},
                                                             {pren::affitto, "700,00"},
                                                             {pren::acconto, "200,00"},
                                                             {pren::diritti, "ND"},
                                                             {pren::pulizia, "ND"},
                                                             {pren::cauzione, "ND"},
                                                             {pren::chiusura, "0.00.00"},
                                                             {pren::nota, "15"},
                                                             {pren::periodo, "9"}})}));

    // Only the booking changed is written: the lines the operation did not
    // touch ("CANC", an empty field 0, a date the table could not read)
    // stay as they stood.
    b.scrivi(file(), {kP1, "CANC*0002*01/08/2026*15/08/2026*0*0*0*0*0*0.00.00*****",
                      "*0002*01/08/2026*15/08/2026*0*0*0*0*0*0.00.00*****",
                      "0013*0004*31/02/2026*1/9/2026*0*0*0*0*0*0.00.00*******"});
    app().run([&] { carica_prenotazioni(app()); });
    box("NotaPrenot", "Text1", "001");
    app().s.numero_nota = "14";
    ASSERT_TRUE(registra("INSNOTAAFF"));
    EXPECT_EQ(b.byte(file()), crlf({test::riga_prenotazione({{pren::appartamento, "0010"},
                                                             {pren::cliente, "0001"},
                                                             {pren::arrivo, "01/07/2026"},
                                                             {pren::partenza, "15/07/2026"},
                                                             {pren::affitto, "1.500,00"},
                                                             {pren::acconto, "500,00"},
                                                             {pren::diritti, "ND"},
                                                             {pren::pulizia, "50,00"},
                                                             {pren::cauzione, "200,00"},
                                                             {pren::chiusura, "0.00.00"},
                                                             {pren::nota, "14"},
                                                             {pren::periodo, "3"},
                                                             {pren::letti, "1"},
                                                             {pren::consumi, " "},
                                                             {pren::energia, " "},
                                                             {pren::lenzuola, " "}}),
                                    "CANC*0002*01/08/2026*15/08/2026*0*0*0*0*0*0.00.00*****",
                                    "*0002*01/08/2026*15/08/2026*0*0*0*0*0*0.00.00*****",
                                    "0013*0004*31/02/2026*1/9/2026*0*0*0*0*0*0.00.00*******"}));
    EXPECT_EQ(app().testo("prenotazione", "Text21"), "4");
}

TEST_F(Prenotazioni, RefusedChangesWriteNothing) {
    auto rifiutata = [&](const std::string& op, const std::string& parola) {
        SCOPED_TRACE(op + " / " + parola);
        b.nuovi_messaggi();
        EXPECT_FALSE(registra(op));
        const Righe m = b.nuovi_messaggi();
        ASSERT_EQ(m.size(), 1u);
        EXPECT_NE(m[0].find(parola), std::string::npos) << m[0];
        EXPECT_EQ(b.byte(file()), crlf({kP1, kP2, kP3}));
    };
    box("NotaPrenot", "Text1", "4");
    rifiutata("INSNOTAAFF", "NON E' PRESENTE");  // a booking the file does not hold
    box("saldoaff", "Text3", "1");
    box("saldoaff", "Text15", "");
    rifiutata("SALDO", "NON E' VALIDA");  // no payment date
    nuova("4");
    box("prenotazione", "Text34", "2*3");
    rifiutata("PRENOTAZIONE", "\"*\"");
    nuova("1002");  // past the row after the last
    rifiutata("PRENOTAZIONE", "NON E' VALIDO");
    nuova("");
    rifiutata("PRENOTAZIONE", "NON E' VALIDO");
    rifiutata("ALTRO", "NON PREVISTA");
    EXPECT_EQ(app().campo("prenotazione", "Check3").value(), 0);
}

}  // namespace
}  // namespace ga
