// The balance form: the agency residual and the waiving of items, the check
// of the amount paid, a payment recorded end to end from the client's
// bookings (journal, notes and bookings byte for byte), and the refusals.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/number.h"
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

// Booking 1: no note, its agency items still to collect. Booking 2: note 2,
// agency fee and cleaning not due.
const std::string kP1 = test::riga_prenotazione({{pren::appartamento, "0010"},
                                                 {pren::cliente, "0001"},
                                                 {pren::arrivo, "01/07/2026"},
                                                 {pren::partenza, "15/07/2026"},
                                                 {pren::affitto, "1.000,00"},
                                                 {pren::acconto, "300,00"},
                                                 {pren::diritti, "0,00"},
                                                 {pren::pulizia, "0,00"},
                                                 {pren::cauzione, "0,00"},
                                                 {pren::chiusura, "0.00.00"},
                                                 {pren::periodo, "1"}});
const std::string kP2 = test::riga_prenotazione({{pren::appartamento, "0010"},
                                                 {pren::cliente, "0001"},
                                                 {pren::arrivo, "01/08/2026"},
                                                 {pren::partenza, "15/08/2026"},
                                                 {pren::affitto, "1.200,00"},
                                                 {pren::acconto, "200,00"},
                                                 {pren::diritti, "ND"},
                                                 {pren::pulizia, "ND"},
                                                 {pren::cauzione, "0,00"},
                                                 {pren::chiusura, "0.00.00"},
                                                 {pren::nota, "2"},
                                                 {pren::periodo, "2"}});
const Righe kNote = {
    test::riga_nota(
        {{nota::testo, "PRIMA NOTA"}, {nota::prenotazione, "5"}, {nota::appartamento, "0011"}}),
    test::riga_nota(
        {{nota::testo, "CON CANE"}, {nota::prenotazione, "2"}, {nota::appartamento, "0010"}})};
const Righe kSaldi = {test::riga_movimento({{movimento::data, "01/06/2026"},
                                            {movimento::parte, "0001"},
                                            {movimento::acconto, "300,00"},
                                            {movimento::saldo, "0,00"},
                                            {movimento::importo, "0"},
                                            {movimento::pulizia, "0,00"},
                                            {movimento::cauzione, "0,00"},
                                            {movimento::numero, "1"},
                                            {movimento::appartamento, "0010"}}),
                      test::riga_movimento({{movimento::data, "02/06/2026"},
                                            {movimento::parte, "0001"},
                                            {movimento::acconto, "200,00"},
                                            {movimento::saldo, "ND"},
                                            {movimento::importo, "0"},
                                            {movimento::pulizia, "ND"},
                                            {movimento::cauzione, "0,00"},
                                            {movimento::numero, "2"},
                                            {movimento::appartamento, "0010"}})};

class Saldo : public ::testing::Test {
protected:
    void SetUp() override {
        b.prepara_dati();
        Stato& s = b.app().s;
        s.diritti_agenzia = "50,00";
        s.pulizia_finale = "30,00";
        s.deposito_minimo = "200,00";
        s.percentuale_cauzione = "10";
        b.scrivi(dati("proprietari.IND"), {test::proprietario_rossi()});
        b.scrivi(dati("appartamenti.ind"), {test::appartamento_di_rossi()});
        b.scrivi(dati("clienti.dat"), {test::cliente_bianchi()});
        b.scrivi(dati("prenotazioni2026.dat"), {kP1, kP2});
        b.scrivi(dati("noteaff2026.dat"), kNote);
        b.scrivi(dati("saldi2026.dat"), kSaldi);
    }
    std::string dati(const std::string& f) const { return b.cartella_dati() + f; }
    std::string byte(const char* f) { return b.byte(dati(f)); }
    std::string file() {
        return byte("prenotazioni2026.dat") + byte("noteaff2026.dat") + byte("saldi2026.dat");
    }
    plat::Control& visu(const char* nome) { return app.campo("VisuPrenotCliente", nome); }
    plat::Control& saldo(const char* nome) { return app.campo("saldoaff", nome); }
    std::string testo(const char* nome) { return saldo(nome).text(); }

    // The menu's "SALDO PRENOTAZIONE", the client found by name, the
    // booking picked, SALDO.
    void apri_saldo(int riga) {
        app.run([&] {
            app.s.operazione = "SALDO";
            app.form("VisuPrenotCliente")->show();
        });
        app.type(visu("Text1"), "BIANCHI");
        app.leave(visu("Text1"));
        app.pick(visu("List1"), riga);
        app.click(visu("SALDO"));
        b.nuovi_messaggi();
    }
    // The form as the client's bookings fill it: rent 1.000,00, advance
    // 300,00 and the three items booked and to collect.
    void apri_voci(const Righe& voci) {
        app.run([&] {
            if (app.form("saldoaff")->is_loaded()) app.form("saldoaff")->unload();
            app.imposta("saldoaff", "Text7", "1.000,00");
            app.imposta("saldoaff", "Text8", "300,00");
            const char* box[] = {"Text11", "Text12", "Text13", "Text18", "Text19", "Text20"};
            for (std::size_t i = 0; i < 6; ++i) app.imposta("saldoaff", box[i], voci[i]);
            app.form("saldoaff")->show();
        });
    }
    void digita(const std::string& importo) {
        app.type(saldo("Text14"), importo);
        app.leave(saldo("Text14"));
    }

    test::Banco b;
    App& app = b.app();
};

TEST_F(Saldo, BalanceWithTheAgencyItemsIsRecordedEndToEnd) {
    apri_saldo(0);
    EXPECT_FALSE(app.form("VisuPrenotCliente")->is_enabled());
    EXPECT_EQ(testo("Text9"), "0,00");
    EXPECT_EQ(testo("Text10"), "700,00");
    EXPECT_EQ(testo("Text2"), "280,00");
    app.double_click(saldo("Text14"));
    EXPECT_EQ(testo("Text14"), "980,00");
    app.click(saldo("Command1"));

    EXPECT_TRUE(b.nuovi_messaggi().empty());
    EXPECT_EQ(byte("saldi2026.dat"),
              crlf(kSaldi, test::riga_movimento({{movimento::data, "09/12/2026"},
                                                 {movimento::parte, "0001"},
                                                 {movimento::acconto, "0"},
                                                 {movimento::saldo, "700,00"},
                                                 {movimento::importo, "50,00"},
                                                 {movimento::pulizia, "30,00"},
                                                 {movimento::cauzione, "200,00"},
                                                 {movimento::numero, "    1 "},
                                                 {movimento::appartamento, "0010"}})));
    EXPECT_EQ(byte("noteaff2026.dat"),
              crlf(kNote, test::riga_nota({{nota::testo, " - SALDATO IL  09/12/2026"},
                                           {nota::prenotazione, "    1 "},
                                           {nota::appartamento, "0010"}})));
    EXPECT_EQ(byte("prenotazioni2026.dat"),
              crlf({test::riga_prenotazione({{pren::appartamento, "0010"},
                                             {pren::cliente, "0001"},
                                             {pren::arrivo, "01/07/2026"},
                                             {pren::partenza, "15/07/2026"},
                                             {pren::affitto, "1.000,00"},
                                             {pren::acconto, "300,00"},
                                             {pren::diritti, "0,00"},
                                             {pren::pulizia, "0,00"},
                                             {pren::cauzione, "0,00"},
                                             {pren::chiusura, "09/12/2026"},
                                             {pren::nota, "3"},
                                             {pren::movimento, "3"},
                                             {pren::periodo, "1"}}),
                    kP2}));
    // Closed, and the client's bookings show the booking paid.
    EXPECT_FALSE(app.form("saldoaff")->is_visible());
    EXPECT_TRUE(app.form("VisuPrenotCliente")->is_enabled());
    EXPECT_EQ(visu("Text9").text(), "700,00");
    EXPECT_EQ(visu("Text10").text(), "0,00");
}

// From booking 10000 on the row's columns shift: the movement and the note
// still name the booking's own apartment, taken from its record.
TEST_F(Saldo, ABalancePastBooking9999NamesTheBookingsApartment) {
    Righe prenotazioni(9999, test::riga_prenotazione({{pren::appartamento, "0011"},
                                                      {pren::cliente, "0002"},
                                                      {pren::arrivo, "01/07/2026"},
                                                      {pren::partenza, "15/07/2026"},
                                                      {pren::affitto, "500,00"},
                                                      {pren::acconto, "0"},
                                                      {pren::diritti, "0"},
                                                      {pren::pulizia, "0"},
                                                      {pren::cauzione, "0"},
                                                      {pren::chiusura, "0.00.00"}}));
    prenotazioni.push_back(kP1);
    b.scrivi(dati("prenotazioni2026.dat"), prenotazioni);
    apri_saldo(0);
    EXPECT_EQ(testo("Text17") + "|" + testo("Text16"), "0010|0001");
    app.double_click(saldo("Text14"));
    app.click(saldo("Command1"));
    EXPECT_TRUE(b.nuovi_messaggi().empty());
    EXPECT_EQ(b.leggi(dati("saldi2026.dat")).back(),
              test::riga_movimento({{movimento::data, "09/12/2026"},
                                    {movimento::parte, "0001"},
                                    {movimento::acconto, "0"},
                                    {movimento::saldo, "700,00"},
                                    {movimento::importo, "50,00"},
                                    {movimento::pulizia, "30,00"},
                                    {movimento::cauzione, "200,00"},
                                    {movimento::numero, " 10000 "},
                                    {movimento::appartamento, "0010"}}));
    EXPECT_EQ(b.leggi(dati("noteaff2026.dat")).back(),
              test::riga_nota({{nota::testo, " - SALDATO IL  09/12/2026"},
                               {nota::prenotazione, " 10000 "},
                               {nota::appartamento, "0010"}}));
}

TEST_F(Saldo, PaymentBelowTheResidualIsAFurtherAdvanceWithANewNote) {
    apri_saldo(1);
    // Fee and cleaning are not due: nothing is collected for them.
    EXPECT_EQ(testo("Text18") + "|" + testo("Text19") + "|" + testo("Text20"), "||200,00");
    EXPECT_EQ(testo("Text2"), "200,00");
    digita("500");
    EXPECT_EQ(testo("Text14"), "500,00");
    app.click(saldo("Command1"));

    EXPECT_EQ(app.s.operazione, "ACCON");
    EXPECT_EQ(byte("saldi2026.dat"),
              crlf(kSaldi, test::riga_movimento({{movimento::data, "09/12/2026"},
                                                 {movimento::parte, "0001"},
                                                 {movimento::acconto, "500,00"},
                                                 {movimento::saldo, "0"},
                                                 {movimento::importo, "0"},
                                                 {movimento::pulizia, "0"},
                                                 {movimento::cauzione, "0"},
                                                 {movimento::numero, "    2 "},
                                                 {movimento::appartamento, "0010"}})));
    EXPECT_EQ(
        byte("noteaff2026.dat"),
        crlf(kNote, test::riga_nota({{nota::testo, "CON CANE - Versato ACCONTO IL 09/12/2026"},
                                     {nota::prenotazione, "    2 "},
                                     {nota::appartamento, "0010"}})));
    EXPECT_EQ(byte("prenotazioni2026.dat"),
              crlf({kP1, test::riga_prenotazione({{pren::appartamento, "0010"},
                                                  {pren::cliente, "0001"},
                                                  {pren::arrivo, "01/08/2026"},
                                                  {pren::partenza, "15/08/2026"},
                                                  {pren::affitto, "1.200,00"},
                                                  {pren::acconto, "700"},
                                                  {pren::diritti, "ND"},
                                                  {pren::pulizia, "ND"},
                                                  {pren::cauzione, "0,00"},
                                                  {pren::chiusura, "0.00.00"},
                                                  {pren::nota, "3"},
                                                  {pren::periodo, "2"}})}));
}

// A further advance that leaves half a euro due: SALDO is still offered, and
// opens on the booking's figures, so that the balance closes the booking.
TEST_F(Saldo, AfterAFurtherAdvanceTheBalanceIsOfferedAndFilledFromTheBooking) {
    apri_saldo(0);
    digita("699,50");
    app.click(saldo("Command1"));
    EXPECT_EQ(app.s.operazione, "ACCON");
    EXPECT_EQ(visu("Text10").text(), "0,50");
    ASSERT_TRUE(visu("SALDO").visible());

    app.click(visu("SALDO"));
    EXPECT_EQ(testo("Text7") + " " + testo("Text8") + " " + testo("Text10") + " " + testo("Text2"),
              "1.000,00 999,50 0,50 280,00");
    app.double_click(saldo("Text14"));
    app.click(saldo("Command1"));
    EXPECT_EQ(b.leggi(dati("saldi2026.dat")).back(),
              test::riga_movimento({{movimento::data, "09/12/2026"},
                                    {movimento::parte, "0001"},
                                    {movimento::acconto, "0"},
                                    {movimento::saldo, "0,50"},
                                    {movimento::importo, "50,00"},
                                    {movimento::pulizia, "30,00"},
                                    {movimento::cauzione, "200,00"},
                                    {movimento::numero, "    1 "},
                                    {movimento::appartamento, "0010"}}));
    EXPECT_EQ(b.leggi(dati("prenotazioni2026.dat"))[0],
              test::riga_prenotazione({{pren::appartamento, "0010"},
                                       {pren::cliente, "0001"},
                                       {pren::arrivo, "01/07/2026"},
                                       {pren::partenza, "15/07/2026"},
                                       {pren::affitto, "1.000,00"},
                                       {pren::acconto, "999,5"},
                                       {pren::diritti, "0,00"},
                                       {pren::pulizia, "0,00"},
                                       {pren::cauzione, "0,00"},
                                       {pren::chiusura, "09/12/2026"},
                                       {pren::nota, "3"},
                                       {pren::movimento, "4"},
                                       {pren::periodo, "1"}}));
    EXPECT_EQ(visu("Text10").text(), "0,00");
    EXPECT_FALSE(visu("SALDO").visible());
}

TEST_F(Saldo, AgencyResidualCountsTheItemsDueAndNotWaived) {
    struct Caso {
        Righe voci;  // booked items 1-3, then their amounts
        std::vector<const char*> spunte;
        const char* prima;
        const char* dopo;
    };
    const Caso casi[] = {
        {{"0,00", "0,00", "0,00", "50,00", "30,00", "200,00"}, {"Check1"}, "280,00", "230,00"},
        {{"ND", "0,00", "0,00", "50,00", "30,00", "200,00"},
         {"Check1", "Check2"},
         "230,00",
         "200,00"},
        {{"ND", "0,00", "0,00", "50,00", "30,00", "200,00"},
         {"Check2", "Check3"},
         "230,00",
         "0,00"},
        {{"ND", "ND", "0,00", "50,00", "30,00", "200,00"}, {"Check3"}, "200,00", "0,00"},
        {{"ND", "ND", "ND", "50,00", "30,00", "200,00"}, {}, "0,00", "0,00"},
        // Collected with the booking: an amount an earlier pick left in its
        // box is not asked again, and the item cannot be waived.
        {{"50,00", "0,00", "0,00", "50,00", "30,00", "200,00"}, {"Check1"}, "230,00", "230,00"},
        // Thousands and cents both count.
        {{"0,00", "0,00", "ND", "1.200,00", "30,25", ""}, {}, "1.230,25", "1.230,25"},
    };
    for (const Caso& c : casi) {
        const std::string nome = c.voci[0] + c.voci[1] + c.voci[2];
        apri_voci(c.voci);
        EXPECT_EQ(testo("Text2"), c.prima) << nome;
        app.type(saldo("Text14"), "100");
        for (const char* spunta : c.spunte) app.click(saldo(spunta));
        EXPECT_EQ(testo("Text2"), c.dopo) << nome;
        // A tick that stands empties the amount and date; one undone does not.
        for (const char* spunta : c.spunte) {
            const bool ammessa = c.voci[static_cast<std::size_t>(spunta[5] - '1')] == "0,00";
            EXPECT_EQ(saldo(spunta).value(), ammessa ? 1 : 0) << nome << spunta;
            if (ammessa) {
                EXPECT_EQ(testo("Text14") + testo("Text15"), "") << nome;
            }
        }
    }
}

TEST_F(Saldo, AmountPaidIsPartOfTheResidualOrAllThatIsDue) {
    apri_voci({"ND", "0,00", "0,00", "", "30,00", "200,00"});
    app.double_click(saldo("Text14"));
    EXPECT_EQ(testo("Text14"), "930,00");
    for (const char* ammesso : {"500", "930", "700", "0,50", ""}) {
        digita(ammesso);
        EXPECT_EQ(testo("Text14"), *ammesso ? plat::format_amount(std::string_view(ammesso)) : "");
    }
    EXPECT_TRUE(b.nuovi_messaggi().empty());
    for (const char* rifiutato : {"800", "1.000", "930,01", "0"}) {
        digita(rifiutato);
        EXPECT_EQ(testo("Text14"), "") << rifiutato;
        EXPECT_EQ(b.nuovi_messaggi(), Righe{" IL VALORE DIGITATO NON PUO' ESSERE VALIDO "})
            << rifiutato;
    }
    // Not an amount as it is written here: refused, left or confirmed, with
    // the box named and the shape it wants, never read as another amount.
    const std::pair<const char*, const char*> storti[] = {{"12.50", "12,50"},
                                                          {"1.2.3", "1.500,00"},
                                                          {"700,004", "1.500,00"},
                                                          {"abc", "1.500,00"},
                                                          {"-100", "1.500,00"}};
    for (const auto& [storto, forma] : storti) {
        for (bool conferma : {false, true}) {
            app.type(saldo("Text14"), storto);
            app.leave(saldo("Text14"));
            if (conferma) {
                app.type(saldo("Text14"), storto);
                app.click(saldo("Command1"));
            }
            EXPECT_EQ(testo("Text14"), "") << storto;
            const Righe m = b.nuovi_messaggi();
            ASSERT_EQ(m.size(), conferma ? 2u : 1u) << storto;
            EXPECT_NE(m.back().find("IMPORTO VERSATO: \"" + std::string(storto)),
                      std::string::npos);
            EXPECT_NE(m.back().find(std::string("SCRIVERE L'IMPORTO COME ") + forma),
                      std::string::npos)
                << m.back();
        }
    }
}

TEST_F(Saldo, RefusedConfirmationsWriteNothingAndAnUnwritableBookingKeepsTheMovementBack) {
    apri_saldo(0);
    const std::string prima = file();
    app.click(saldo("Command1"));
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"INSERISCI L'IMPORTO A SALDO "});
    // Confirmed without leaving the box, the amount is checked all the same.
    app.type(saldo("Text14"), "800");
    app.click(saldo("Command1"));
    EXPECT_EQ(b.nuovi_messaggi(), Righe{" IL VALORE DIGITATO NON PUO' ESSERE VALIDO "});
    // A booking the file does not hold; a payment date that is no date.
    app.run([&] { saldo("Text3").set_text("   99 "); });
    digita("700");
    app.click(saldo("Command1"));
    app.run([&] { saldo("Text3").set_text("    1 "); });
    app.type(saldo("Text15"), "31/02/2026");
    app.click(saldo("Command1"));
    EXPECT_EQ(b.nuovi_messaggi().size(), 2u);
    EXPECT_EQ(file(), prima);
    EXPECT_TRUE(saldo("Command1").visible());

    // A booking whose note number (a hand-edited file) names no note the
    // notes file could hold.
    app.s.numero_nota = "5000";
    app.type(saldo("Text15"), "09/12/2026");
    app.click(saldo("Command1"));
    EXPECT_NE(b.nuovi_messaggi().at(0).find("NUMERO DELLA NOTA NON E' VALIDO"), std::string::npos);
    EXPECT_EQ(file(), prima);
    app.s.numero_nota = "";

    // A booking that cannot be written: the movement is not written either,
    // the user is told, and CONFERMA stays for another try.
    std::filesystem::remove(dati("prenotazioni2026.dat"));
    std::filesystem::create_directory(dati("prenotazioni2026.dat"));
    const std::string giornale = b.byte(dati("saldi2026.dat"));
    app.click(saldo("Command1"));
    EXPECT_NE(b.nuovi_messaggi().back().find("LE MODIFICHE NON SONO STATE REGISTRATE"),
              std::string::npos);
    EXPECT_EQ(b.byte(dati("saldi2026.dat")), giornale);
    EXPECT_EQ(b.byte(dati("noteaff2026.dat")), crlf(kNote));
    EXPECT_TRUE(app.form("saldoaff")->visible());
    EXPECT_TRUE(saldo("Command1").visible());
    app.close(*app.form("saldoaff"));
    EXPECT_FALSE(app.form("saldoaff")->is_loaded());
    EXPECT_TRUE(app.form("VisuPrenotCliente")->is_enabled());
}

}  // namespace
}  // namespace ga
