// The security-deposit refund: the picking lists, the deposit paid on the
// booking picked by number or by client, the refund proposed and typed, the
// refund recorded end to end (journal, notes, bookings byte for byte), and
// the refusals that write nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text.h"
#include "records/prenotazioni.h"
#include "support/banco.h"
#include "support/righe.h"

namespace ga {
namespace {

using Righe = std::vector<std::string>;

std::string crlf(Righe righe, const std::string& aggiunta = "") {
    if (!aggiunta.empty()) righe.push_back(aggiunta);
    std::string out;
    for (const auto& r : righe) out += r + "\r\n";
    return out;
}

// Ten bookings of client 1, but 3 and 9 of client 2 and 5 of client 4, a
// namesake of client 2. Booking 7 (note 2) is
// paid by movement 3, which took a deposit of 300,00; booking 9 (no note) by
// movement 4, its deposit of 200,00 taken with the booking (movement 2), as
// was open booking 3's (movement 5).
Righe dieci_prenotazioni() {
    Righe p(10, test::riga_prenotazione({{pren::appartamento, "0010"},
                                         {pren::cliente, "0001"},
                                         {pren::arrivo, "01/07/2026"},
                                         {pren::partenza, "08/07/2026"},
                                         {pren::affitto, "700,00"},
                                         {pren::acconto, "200,00"},
                                         {pren::diritti, "ND"},
                                         {pren::pulizia, "ND"},
                                         {pren::cauzione, "200,00"},
                                         {pren::chiusura, "0.00.00"},
                                         {pren::periodo, "1"}}));
    p[2] = test::riga_prenotazione({{pren::appartamento, "0010"},
                                    {pren::cliente, "0002"},
                                    {pren::arrivo, "10/07/2026"},
                                    {pren::partenza, "17/07/2026"},
                                    {pren::affitto, "700,00"},
                                    {pren::acconto, "200,00"},
                                    {pren::diritti, "ND"},
                                    {pren::pulizia, "ND"},
                                    {pren::cauzione, "200,00"},
                                    {pren::chiusura, "0.00.00"},
                                    {pren::periodo, "1"}});
    p[4] = test::riga_prenotazione({{pren::appartamento, "0010"},
                                    {pren::cliente, "0004"},
                                    {pren::arrivo, "20/07/2026"},
                                    {pren::partenza, "27/07/2026"},
                                    {pren::affitto, "700,00"},
                                    {pren::acconto, "200,00"},
                                    {pren::diritti, "ND"},
                                    {pren::pulizia, "ND"},
                                    {pren::cauzione, "200,00"},
                                    {pren::chiusura, "0.00.00"},
                                    {pren::periodo, "1"}});
    p[6] = test::riga_prenotazione({{pren::appartamento, "0010"},
                                    {pren::cliente, "0001"},
                                    {pren::arrivo, "01/08/2026"},
                                    {pren::partenza, "15/08/2026"},
                                    {pren::affitto, "1.000,00"},
                                    {pren::acconto, "300,00"},
                                    {pren::diritti, "ND"},
                                    {pren::pulizia, "30,00"},
                                    {pren::cauzione, "0,00"},
                                    {pren::chiusura, "20/08/2026"},
                                    {pren::nota, "2"},
                                    {pren::movimento, "3"},
                                    {pren::periodo, "1"}});
    p[8] = test::riga_prenotazione({{pren::appartamento, "0010"},
                                    {pren::cliente, "0002"},
                                    {pren::arrivo, "01/09/2026"},
                                    {pren::partenza, "08/09/2026"},
                                    {pren::affitto, "700,00"},
                                    {pren::acconto, "200,00"},
                                    {pren::diritti, "ND"},
                                    {pren::pulizia, "ND"},
                                    {pren::cauzione, "200,00"},
                                    {pren::chiusura, "20/09/2026"},
                                    {pren::movimento, "4"},
                                    {pren::periodo, "1"}});
    return p;
}
const Righe kSaldi = {test::riga_movimento({{movimento::data, "01/06/2026"},
                                            {movimento::parte, "0001"},
                                            {movimento::acconto, "300,00"},
                                            {movimento::saldo, "ND"},
                                            {movimento::importo, "0"},
                                            {movimento::pulizia, "30,00"},
                                            {movimento::cauzione, "0,00"},
                                            {movimento::numero, "7"},
                                            {movimento::appartamento, "0010"}}),
                      test::riga_movimento({{movimento::data, "02/06/2026"},
                                            {movimento::parte, "0001"},
                                            {movimento::acconto, "200,00"},
                                            {movimento::saldo, "ND"},
                                            {movimento::importo, "0"},
                                            {movimento::pulizia, "ND"},
                                            {movimento::cauzione, "200,00"},
                                            {movimento::numero, "9"},
                                            {movimento::appartamento, "0010"}}),
                      test::riga_movimento({{movimento::data, "20/08/2026"},
                                            {movimento::parte, "0001"},
                                            {movimento::acconto, "0"},
                                            {movimento::saldo, "700,00"},
                                            {movimento::importo, "50,00"},
                                            {movimento::pulizia, "0"},
                                            {movimento::cauzione, "300,00"},
                                            {movimento::numero, "    7 "},
                                            {movimento::appartamento, "0010"}}),
                      test::riga_movimento({{movimento::data, "20/09/2026"},
                                            {movimento::parte, "0001"},
                                            {movimento::acconto, "0"},
                                            {movimento::saldo, "500,00"},
                                            {movimento::importo, "0"},
                                            {movimento::pulizia, "0"},
                                            {movimento::cauzione, "0"},
                                            {movimento::numero, "    9 "},
                                            {movimento::appartamento, "0010"}}),
                      test::riga_movimento({{movimento::data, "03/06/2026"},
                                            {movimento::parte, "0001"},
                                            {movimento::acconto, "200,00"},
                                            {movimento::saldo, "ND"},
                                            {movimento::importo, "0"},
                                            {movimento::pulizia, "ND"},
                                            {movimento::cauzione, "200,00"},
                                            {movimento::numero, "3"},
                                            {movimento::appartamento, "0010"}})};
const Righe kNote = {
    test::riga_nota(
        {{nota::testo, "PRIMA NOTA"}, {nota::prenotazione, "1"}, {nota::appartamento, "0010"}}),
    test::riga_nota(
        {{nota::testo, "ARRIVO TARDI"}, {nota::prenotazione, "7"}, {nota::appartamento, "0010"}})};

class Cauzione : public ::testing::Test {
protected:
    void SetUp() override {
        b.prepara_dati();
        b.scrivi(dati("appartamenti.ind"), {test::appartamento_di_rossi()});
        b.scrivi(dati("clienti.dat"), {test::cliente_bianchi(), test::cliente_verdi(),
                                       test::riga_cliente({{cliente::codice, "0003"},
                                                           {cliente::nome, "NERI PIO"},
                                                           {cliente::via, "VIA PO 1"},
                                                           {cliente::cap, "73028"},
                                                           {cliente::citta, "OTRANTO"},
                                                           {cliente::telefono, "0836"},
                                                           {cliente::provincia, "LE"},
                                                           {cliente::codice_fiscale, "Z"}}),
                                       test::riga_cliente({{cliente::codice, "0004"},
                                                           {cliente::nome, "VERDI LUCA"},
                                                           {cliente::via, "VIA MONTE 9"},
                                                           {cliente::cap, "73100"},
                                                           {cliente::citta, "LECCE"},
                                                           {cliente::telefono, "0832"},
                                                           {cliente::provincia, "LE"},
                                                           {cliente::codice_fiscale, "W"}})});
        b.scrivi(dati("prenotazioni2026.dat"), dieci_prenotazioni());
        b.scrivi(dati("saldi2026.dat"), kSaldi);
        b.scrivi(dati("noteaff2026.dat"), kNote);
    }
    std::string dati(const std::string& f) const { return b.cartella_dati() + f; }
    std::string byte(const char* f) { return b.byte(dati(f)); }
    std::string file() {
        return byte("prenotazioni2026.dat") + byte("saldi2026.dat") + byte("noteaff2026.dat");
    }
    plat::Control& cauz(const char* nome) { return app.campo("RESTCAUZ", nome); }
    std::string testo(const char* nome) { return cauz(nome).text(); }

    // The menu's "RESTITUZIONE CAUZIONE".
    void apri() {
        app.run([&] {
            app.form("MENU")->set_enabled(false);
            app.form("RESTCAUZ")->show();
        });
        b.nuovi_messaggi();
    }
    void lascia(const char* box, const std::string& testo) {
        app.type(cauz(box), testo);
        app.leave(cauz(box));
    }

    test::Banco b;
    App& app = b.app();
};

TEST_F(Cauzione, ActivationListsBookingsAndClientsAndTakesAnOnlyBooking) {
    apri();
    EXPECT_EQ(cauz("NRICH").list_count(), 10);
    EXPECT_EQ(cauz("NRICH").item(9), "010");
    EXPECT_TRUE(cauz("NRICH").visible());
    EXPECT_EQ(testo("Text1"), "");
    EXPECT_EQ(cauz("NOCLI").item(1), "VERDI LUCA");
    EXPECT_EQ(testo("Label9"), "0,00");
    app.click(cauz("ESCI"));

    // With one booking (booking 7 alone, now number 1) it is picked at once.
    b.scrivi(dati("prenotazioni2026.dat"), {test::riga_prenotazione({{pren::appartamento, "0010"},
                                                                     {pren::cliente, "0001"},
                                                                     {pren::arrivo, "01/08/2026"},
                                                                     {pren::partenza, "15/08/2026"},
                                                                     {pren::affitto, "1.000,00"},
                                                                     {pren::acconto, "300,00"},
                                                                     {pren::diritti, "ND"},
                                                                     {pren::pulizia, "30,00"},
                                                                     {pren::cauzione, "0,00"},
                                                                     {pren::chiusura, "20/08/2026"},
                                                                     {pren::nota, "2"},
                                                                     {pren::movimento, "1"},
                                                                     {pren::periodo, "1"}})});
    b.scrivi(dati("saldi2026.dat"), {test::riga_movimento({{movimento::data, "20/08/2026"},
                                                           {movimento::parte, "0001"},
                                                           {movimento::acconto, "0"},
                                                           {movimento::saldo, "700,00"},
                                                           {movimento::importo, "50,00"},
                                                           {movimento::pulizia, "0"},
                                                           {movimento::cauzione, "300,00"},
                                                           {movimento::numero, "    1 "},
                                                           {movimento::appartamento, "0010"}})});
    app.run([&] { carica_prenotazioni(app); });
    apri();
    EXPECT_EQ(testo("Text1"), "001");
    EXPECT_EQ(testo("Label9"), "300,00");
}

TEST_F(Cauzione, DepositOfAPaidBookingIsProposedAndRefundedEndToEnd) {
    apri();
    app.pick(cauz("NRICH"), 6);
    app.leave(cauz("NRICH"));
    EXPECT_EQ(testo("Text1"), "007");
    EXPECT_EQ(testo("Text2"), "BIANCHI ANNA");
    EXPECT_EQ(testo("Text4") + " " + testo("Text5"), "0001 0010");
    EXPECT_EQ(testo("Label6"), "01/08/2026 - 15/08/2026");
    // Only the balance movement and later ones count.
    EXPECT_EQ(testo("Label9"), "300,00");
    app.double_click(cauz("Text3"));
    EXPECT_EQ(testo("Text3"), "-300,00");
    const std::string prenotazioni = byte("prenotazioni2026.dat");
    app.click(cauz("SALVA"));

    EXPECT_TRUE(b.nuovi_messaggi().empty());
    EXPECT_EQ(byte("saldi2026.dat"),
              crlf(kSaldi, test::riga_movimento({{movimento::data, "09/12/2026"},
                                                 {movimento::parte, "0001"},
                                                 {movimento::acconto, "0"},
                                                 {movimento::saldo, "0"},
                                                 {movimento::importo, "0"},
                                                 {movimento::pulizia, "0"},
                                                 {movimento::cauzione, "-300,00"},
                                                 {movimento::numero, "007"},
                                                 {movimento::appartamento, "0010"}})));
    EXPECT_EQ(
        byte("noteaff2026.dat"),
        crlf({kNote[0],
              test::riga_nota({{nota::testo, "ARRIVO TARDI - RESTITUITA CAUZIONE IL 09/12/2026"},
                               {nota::prenotazione, "7"},
                               {nota::appartamento, "0010"}})}));
    EXPECT_EQ(byte("prenotazioni2026.dat"), prenotazioni);  // its note number stays
    EXPECT_EQ(testo("NOTE"), "ARRIVO TARDI - RESTITUITA CAUZIONE IL 09/12/2026");
    EXPECT_FALSE(cauz("SALVA").enabled());

    // Picked again, nothing is left to give back.
    app.leave(cauz("NRICH"));
    EXPECT_EQ(testo("Label9"), "0,00");
    app.double_click(cauz("Text3"));
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"NON E' STATA VERSATA NESSUNA CAUZIONE"});
    EXPECT_EQ(testo("Text3"), "0,00");
}

TEST_F(Cauzione, PickingByClientTakesTheLastBookingAndStartsItsNote) {
    apri();
    app.pick(cauz("NRICH"), 6);
    app.leave(cauz("NRICH"));
    // Back to the client list, then the client with bookings 3 and 9: only
    // the second pick's deposit is shown.
    app.double_click(cauz("Text2"));
    lascia("NOCLI", "VERDI LUCA");
    EXPECT_EQ(testo("Text1"), "9");
    EXPECT_EQ(testo("Label9"), "200,00");
    lascia("Text3", "150");
    app.leave(cauz("Text3"));
    EXPECT_EQ(testo("Text3"), "-150,00");
    app.click(cauz("SALVA"));

    EXPECT_TRUE(b.nuovi_messaggi().empty());
    EXPECT_EQ(byte("saldi2026.dat"),
              crlf(kSaldi, test::riga_movimento({{movimento::data, "09/12/2026"},
                                                 {movimento::parte, "0001"},
                                                 {movimento::acconto, "0"},
                                                 {movimento::saldo, "0"},
                                                 {movimento::importo, "0"},
                                                 {movimento::pulizia, "0"},
                                                 {movimento::cauzione, "-150,00"},
                                                 {movimento::numero, "9"},
                                                 {movimento::appartamento, "0010"}})));
    EXPECT_EQ(byte("noteaff2026.dat"),
              crlf(kNote, test::riga_nota({{nota::testo, " - RESTITUITA CAUZIONE IL 09/12/2026"},
                                           {nota::prenotazione, "9"},
                                           {nota::appartamento, "0010"}})));
    Righe dopo = dieci_prenotazioni();
    dopo[8] = test::riga_prenotazione({{pren::appartamento, "0010"},
                                       {pren::cliente, "0002"},
                                       {pren::arrivo, "01/09/2026"},
                                       {pren::partenza, "08/09/2026"},
                                       {pren::affitto, "700,00"},
                                       {pren::acconto, "200,00"},
                                       {pren::diritti, "ND"},
                                       {pren::pulizia, "ND"},
                                       {pren::cauzione, "200,00"},
                                       {pren::chiusura, "20/09/2026"},
                                       {pren::nota, "3"},
                                       {pren::movimento, "4"},
                                       {pren::periodo, "1"}});
    EXPECT_EQ(byte("prenotazioni2026.dat"), crlf(dopo));

    // The second of two namesakes picked from the list is that client.
    app.double_click(cauz("Text2"));
    app.pick(cauz("NOCLI"), 3);
    app.leave(cauz("NOCLI"));
    EXPECT_EQ(testo("Text1"), "5");
}

// A deposit taken with the booking is held once the balance is paid, and
// can be given back; before the balance nothing counts.
TEST_F(Cauzione, ADepositTakenWithTheBookingCountsOnceTheBalanceIsPaid) {
    apri();
    lascia("NRICH", "003");
    EXPECT_EQ(testo("Label9"), "0,00");
    lascia("NRICH", "009");
    EXPECT_EQ(testo("Label9"), "200,00");
    app.double_click(cauz("Text3"));
    EXPECT_EQ(testo("Text3"), "-200,00");
    EXPECT_TRUE(b.nuovi_messaggi().empty());
}

// A second refund gives back at most what the first left: refused when
// saved, or when the box is left, with the deposit still held named.
TEST_F(Cauzione, ARefundNeverPassesTheDepositStillHeld) {
    apri();
    lascia("NRICH", "009");
    lascia("Text3", "150");
    app.click(cauz("SALVA"));
    ASSERT_TRUE(b.nuovi_messaggi().empty());
    // Without picking the booking again (its shown deposit not yet redone),
    // as with picking it again, what the journal holds is the limit.
    app.run([&] { cauz("SALVA").set_enabled(true); });
    const std::string prima = file();
    const std::string trattenuta = "DELLA CAUZIONE RESTANO VERSATI 50,00 €: IL RIMBORSO DI 100,00";
    app.type(cauz("Text3"), "100");
    app.click(cauz("SALVA"));
    lascia("Text3", "100");
    EXPECT_EQ(testo("Text3"), "");
    const Righe m = b.nuovi_messaggi();
    ASSERT_EQ(m.size(), 2u);
    for (const std::string& testo : m) EXPECT_EQ(testo.rfind(trattenuta, 0), 0u) << testo;
    EXPECT_EQ(file(), prima);
    lascia("NRICH", "003");
    lascia("NRICH", "009");
    EXPECT_EQ(testo("Label9"), "50,00");
    lascia("Text3", "50");
    app.click(cauz("SALVA"));
    EXPECT_TRUE(b.nuovi_messaggi().empty());
    EXPECT_EQ(plat::split(b.leggi(dati("saldi2026.dat")).back(), "*")[movimento::cauzione],
              "-50,00");
}

TEST_F(Cauzione, RefusalsWriteNothing) {
    apri();
    const std::string prima = file();
    // An open booking shows nothing paid; a typed refund is still taken
    // (the deposit may have come with the booking), after a warning.
    app.pick(cauz("NRICH"), 0);
    app.leave(cauz("NRICH"));
    EXPECT_EQ(testo("Label9"), "0,00");
    lascia("Text3", "100");
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"NON E' STATA VERSATA NESSUNA CAUZIONE"});
    EXPECT_EQ(testo("Text3"), "-100,00");
    for (const char* niente : {"", "0,00", "abc"}) {
        app.type(cauz("Text3"), niente);
        app.click(cauz("SALVA"));
        EXPECT_EQ(b.nuovi_messaggi(), Righe{"NON E' STATO INSERITO NESSUN IMPORTO"}) << niente;
    }

    // No booking picked: given up, past the bookings, a client without any.
    app.type(cauz("Text3"), "100");
    app.double_click(cauz("Text1"));
    app.click(cauz("SALVA"));
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"SCEGLIERE PRIMA LA PRENOTAZIONE"});
    for (const char* fuori : {"011", "2000"}) {
        lascia("NRICH", fuori);
        EXPECT_EQ(b.nuovi_messaggi().size(), 1u) << fuori;
    }
    lascia("NOCLI", "NERI PIO");
    EXPECT_EQ(testo("Label6"), "");
    app.type(cauz("Text3"), "100");
    app.click(cauz("SALVA"));
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"SCEGLIERE PRIMA LA PRENOTAZIONE"});
    EXPECT_EQ(file(), prima);
}

}  // namespace
}  // namespace ga
