#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/number.h"
#include "records/movimenti.h"
#include "records/note.h"
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

// Ten notes: note 2 is an empty line, note 4 belongs to booking 1, note 9 to
// booking 3.
Righe dieci_note() {
    Righe n;
    for (int i = 1; i <= 10; ++i)
        n.push_back("NOTA " + std::to_string(i) +
                    test::riga_nota({{nota::prenotazione, "5"}, {nota::appartamento, "0011"}}));
    n[1] = "";
    n[3] = test::riga_nota(
        {{nota::testo, "CON CANE"}, {nota::prenotazione, "1"}, {nota::appartamento, "0010"}});
    n[8] = test::riga_nota(
        {{nota::testo, "ARRIVO TARDI"}, {nota::prenotazione, "3"}, {nota::appartamento, "0010"}});
    return n;
}

const std::string kP1 = test::riga_prenotazione({{pren::appartamento, "0010"},
                                                 {pren::cliente, "0001"},
                                                 {pren::arrivo, "01/07/2026"},
                                                 {pren::partenza, "15/07/2026"},
                                                 {pren::affitto, "1.500,00"},
                                                 {pren::acconto, "500,00"},
                                                 {pren::diritti, "ND"},
                                                 {pren::pulizia, "0,00"},
                                                 {pren::cauzione, "200,00"},
                                                 {pren::chiusura, "0.00.00"},
                                                 {pren::nota, "4"},
                                                 {pren::periodo, "3"}});
const std::string kP2 = test::riga_prenotazione({{pren::appartamento, "0011"},
                                                 {pren::cliente, "0002"},
                                                 {pren::arrivo, "01/08/2026"},
                                                 {pren::partenza, "15/08/2026"},
                                                 {pren::affitto, "1.200,00"},
                                                 {pren::acconto, "300,00"},
                                                 {pren::diritti, "ND"},
                                                 {pren::pulizia, "ND"},
                                                 {pren::cauzione, "ND"},
                                                 {pren::chiusura, "0.00.00"},
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
                                                 {pren::chiusura, "20/09/2026"},
                                                 {pren::nota, "9"},
                                                 {pren::movimento, "1"},
                                                 {pren::periodo, "9"}});

class Note : public ::testing::Test {
protected:
    void SetUp() override {
        b.prepara_dati();
        b.scrivi(dati("proprietari.IND"), {test::proprietario_rossi()});
        b.scrivi(dati("appartamenti.ind"),
                 {test::appartamento_di_rossi(),
                  test::riga_appartamento({{appartamento::codice_proprietario, "0002"},
                                           {appartamento::codice_via, "0001"},
                                           {appartamento::civico, "14"},
                                           {appartamento::tipo, "BIL"},
                                           {appartamento::soggiorno, "SI"},
                                           {appartamento::bagni, "1"},
                                           {appartamento::giardino, "NO"},
                                           {appartamento::piano, "1"},
                                           {appartamento::posti_letto, "4"},
                                           {appartamento::periodicita, "ESTIVO"},
                                           {appartamento::codice, "0011"}})});
        b.scrivi(dati("clienti.dat"), {test::cliente_bianchi(), test::cliente_verdi()});
        b.scrivi(note(), dieci_note());
        b.scrivi(prenotazioni(), {kP1, kP2, kP3});
        b.scrivi(dati("saldi2026.dat"),
                 {test::riga_movimento({{movimento::data, "01/07/2026"},
                                        {movimento::parte, "0001"},
                                        {movimento::acconto, "500,00"},
                                        {movimento::saldo, "ND"},
                                        {movimento::importo, "0"},
                                        {movimento::pulizia, "0,00"},
                                        {movimento::cauzione, "200,00"},
                                        {movimento::numero, "1"},
                                        {movimento::appartamento, "0010"}})});
        app().run([&] { app().testo("prenotazione", "Text21"); });
        // The empty note is told of once, at the first load of the notes.
        app().run([&] { carica_note(app()); });
        const Righe detto = b.nuovi_messaggi();
        ASSERT_EQ(detto.size(), 1u);
        EXPECT_NE(detto[0].find("(LA RIGA 2)"), std::string::npos) << detto[0];
    }
    App& app() { return b.app(); }
    std::string dati(const std::string& f) const { return b.cartella_dati() + f; }
    std::string note() const { return dati("noteaff2026.dat"); }
    std::string prenotazioni() const { return dati("prenotazioni2026.dat"); }
    plat::Control& box(const char* form, const char* nome) { return app().campo(form, nome); }
    Righe note_con(int numero, const std::string& riga) {
        Righe n = dieci_note();
        if (numero > 10) n.resize(static_cast<std::size_t>(numero));
        n[static_cast<std::size_t>(numero - 1)] = riga;
        return n;
    }

    // A money operation as its form records it: movement, then the note
    // (appended when the booking has none, else rewritten), then the booking.
    void registra(const std::string& op, const std::string& nota) {
        app().s.numero_nota = nota;
        app().run([&] {
            app().s.operazione = op;
            ASSERT_TRUE(registra_movimento(app()));
            ASSERT_TRUE(plat::leading_int(nota) <= 0 ? aggiungi_nota(app()) : registra_note(app()));
            ASSERT_TRUE(registra_prenotazioni(app()));
        });
    }
    void pagamento(const std::string& k, const std::string& versato, const std::string& nota,
                   const std::string& testo_nota) {
        for (auto [nome, testo] : {std::pair{"Text3", k},
                                   {"Text14", versato},
                                   {"Text10", "700,00"},
                                   {"Text15", "09/12/2026"},
                                   {"Text16", "0001"},
                                   {"Text17", "0011"}})
            app().imposta("saldoaff", nome, testo);
        app().imposta("VisuPrenotCliente", "Text14", testo_nota);
        app().s.appartamento_corrente = 11;
        registra("SALDO", nota);
    }
    void restituzione(const std::string& k, const std::string& nota) {
        for (auto [nome, testo] : {std::pair{"Text1", k},
                                   {"Text3", "-200,00"},
                                   {"Text4", "0001"},
                                   {"Text5", "0010"},
                                   {"Text7", nota},
                                   {"Text8", "10"},
                                   {"Label12", "09/12/2026"}})
            app().imposta("RESTCAUZ", nome, testo);
        registra("RESTCAUZIONE", nota);
    }
    void apri() {
        app().run([&] { app().form("NotaPrenot")->show(); });
    }
    void scegli(int riga) {
        app().pick(box("NotaPrenot", "NRICH"), riga);
        app().leave(box("NotaPrenot", "NRICH"));
    }

    test::Banco b;
};

TEST_F(Note, BalanceRewritesTheBookingsNoteAndClosesTheBooking) {
    pagamento("1", "700,00", "4", "CON CANE");
    EXPECT_EQ(b.byte(note()),
              crlf(note_con(4, test::riga_nota({{nota::testo, "CON CANE - SALDATO IL 09/12/2026"},
                                                {nota::prenotazione, "1"},
                                                {nota::appartamento, "0011"}}))));
    EXPECT_EQ(b.byte(prenotazioni()), crlf({test::riga_prenotazione({{pren::appartamento, "0010"},
                                                                     {pren::cliente, "0001"},
                                                                     {pren::arrivo, "01/07/2026"},
                                                                     {pren::partenza, "15/07/2026"},
                                                                     {pren::affitto, "1.500,00"},
                                                                     {pren::acconto, "500,00"},
                                                                     {pren::diritti, "ND"},
                                                                     {pren::pulizia, "0,00"},
                                                                     {pren::cauzione, "200,00"},
                                                                     {pren::chiusura, "09/12/2026"},
                                                                     {pren::nota, "4"},
                                                                     {pren::movimento, "2"},
                                                                     {pren::periodo, "3"}}),
                                            kP2, kP3}));
    // Whatever form recorded it, the booking form's flags say so.
    EXPECT_EQ(box("prenotazione", "Check3").value(), 1);
    EXPECT_EQ(box("prenotazione", "Check4").value(), 1);
    EXPECT_EQ(box("prenotazione", "Check2").value(), 0);
}

TEST_F(Note, FurtherAdvanceWritesANewNoteAndLeavesTheOldOne) {
    pagamento("1", "200,00", "4", "CON CANE");
    const std::string nuova =
        test::riga_nota({{nota::testo, "CON CANE - Versato ACCONTO IL 09/12/2026"},
                         {nota::prenotazione, "1"},
                         {nota::appartamento, "0011"}});
    EXPECT_EQ(b.byte(note()), crlf(note_con(11, nuova)));
    EXPECT_EQ(b.byte(prenotazioni()), crlf({test::riga_prenotazione({{pren::appartamento, "0010"},
                                                                     {pren::cliente, "0001"},
                                                                     {pren::arrivo, "01/07/2026"},
                                                                     {pren::partenza, "15/07/2026"},
                                                                     {pren::affitto, "1.500,00"},
                                                                     {pren::acconto, "700"},
                                                                     {pren::diritti, "ND"},
                                                                     {pren::pulizia, "0,00"},
                                                                     {pren::cauzione, "200,00"},
                                                                     {pren::chiusura, "0.00.00"},
                                                                     {pren::nota, "11"},
                                                                     {pren::periodo, "3"}}),
                                            kP2, kP3}));
    EXPECT_EQ(app().testo("VisuPrenotCliente", "Text14"),
              "CON CANE - Versato ACCONTO IL 09/12/2026");
    EXPECT_EQ(app().testo("prenotazione", "Text23"), "11");
}

TEST_F(Note, DepositRefundExtendsTheNoteOrStartsOne) {
    restituzione("3", "9");
    const Righe dopo = note_con(
        9, test::riga_nota({{nota::testo, "ARRIVO TARDI - RESTITUITA CAUZIONE IL 09/12/2026"},
                            {nota::prenotazione, "3"},
                            {nota::appartamento, "0010"}}));
    EXPECT_EQ(b.byte(note()), crlf(dopo));
    EXPECT_EQ(app().testo("RESTCAUZ", "NOTE"), "ARRIVO TARDI - RESTITUITA CAUZIONE IL 09/12/2026");
    EXPECT_EQ(app().s.prenotazioni[3].campo[pren::nota], "9");

    restituzione("2", "");
    Righe con_nuova = dopo;
    con_nuova.push_back(test::riga_nota({{nota::testo, " - RESTITUITA CAUZIONE IL 09/12/2026"},
                                         {nota::prenotazione, "2"},
                                         {nota::appartamento, "0010"}}));
    EXPECT_EQ(b.byte(note()), crlf(con_nuova));
    EXPECT_EQ(app().s.prenotazioni[2].campo[pren::nota], "11");
}

// Two notes appended before the notes are loaded again each get their own
// line number, and a new booking still points at the note appended for it.
TEST_F(Note, EveryAppendTakesTheLineItIsWrittenTo) {
    pagamento("2", "700,00", "", "");
    EXPECT_EQ(b.byte(note()),
              crlf(note_con(11, test::riga_nota({{nota::testo, " - SALDATO IL  09/12/2026"},
                                                 {nota::prenotazione, "2"},
                                                 {nota::appartamento, "0011"}}))));
    EXPECT_EQ(app().s.prenotazioni[2].campo[pren::nota], "11");
    EXPECT_EQ(app().s.prenotazioni[2].campo[pren::movimento], "2");
    app().imposta("prenotazione", "Text20", "CULLA");
    app().imposta("prenotazione", "Text1", "4");
    app().imposta("prenotazione", "Text7", "0010");
    app().run([&] {
        app().s.operazione = "PRENOTAZIONE";
        ASSERT_TRUE(aggiungi_nota(app()));
    });
    EXPECT_EQ(b.leggi(note()).at(11), test::riga_nota({{nota::testo, "CULLA"},
                                                       {nota::prenotazione, "4"},
                                                       {nota::appartamento, "0010"}}));
    EXPECT_EQ(app().testo("prenotazione", "Text23"), "11");
    EXPECT_EQ(app().s.note[12][0], "CULLA");

    // A line break would split the note's line: refused, nothing written.
    const std::string prima = b.byte(note());
    app().imposta("prenotazione", "Text20", "RIGA UNO\nRIGA DUE");
    bool ok = true;
    app().run([&] { ok = aggiungi_nota(app()); });
    EXPECT_FALSE(ok);
    EXPECT_EQ(b.nuovi_messaggi().size(), 1u);
    EXPECT_EQ(b.byte(note()), prima);
}

TEST_F(Note, NoteFormAppendsTheNoteOfABookingWithoutOneAndThenRewritesIt) {
    apri();
    EXPECT_EQ(box("NotaPrenot", "NRICH").list_count(), 3);
    EXPECT_EQ(box("NotaPrenot", "NRICH").item(2), "003");
    EXPECT_TRUE(box("NotaPrenot", "NRICH").visible());
    EXPECT_EQ(box("NotaPrenot", "NOCLI").list_count(), 2);
    app().click(box("NotaPrenot", "SALVA"));
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"SCEGLIERE PRIMA LA PRENOTAZIONE"});
    scegli(1);
    EXPECT_EQ(app().testo("NotaPrenot", "Text1"), "002");
    EXPECT_EQ(app().testo("NotaPrenot", "Text2"), "VERDI LUCA");
    EXPECT_FALSE(box("NotaPrenot", "NOCLI").visible());
    EXPECT_EQ(app().testo("NotaPrenot", "Text4"), "0002");
    EXPECT_EQ(app().testo("NotaPrenot", "Text5"), "0011");
    EXPECT_EQ(app().testo("NotaPrenot", "Text3"), "10");
    EXPECT_EQ(app().testo("NotaPrenot", "Text7"), "11");
    EXPECT_EQ(app().testo("NotaPrenot", "Label6"), "01/08/2026 - 15/08/2026");

    app().type(box("NotaPrenot", "Text6"), "PORTARE CULLA");
    app().click(box("NotaPrenot", "SALVA"));
    EXPECT_EQ(b.byte(note()), crlf(note_con(11, test::riga_nota({{nota::testo, "PORTARE CULLA"},
                                                                 {nota::prenotazione, "002"},
                                                                 {nota::appartamento, "0011"}}))));
    EXPECT_EQ(app().s.prenotazioni[2].campo[pren::nota], "11");
    // Saving again changes the same note; no second note is appended.
    app().type(box("NotaPrenot", "Text6"), "PORTARE CULLA E SEGGIOLONE");
    app().click(box("NotaPrenot", "SALVA"));
    EXPECT_EQ(b.byte(note()),
              crlf(note_con(11, test::riga_nota({{nota::testo, "PORTARE CULLA E SEGGIOLONE"},
                                                 {nota::prenotazione, "002"},
                                                 {nota::appartamento, "0011"}}))));
    EXPECT_EQ(app().s.prenotazioni[2].campo[pren::nota], "11");
    EXPECT_TRUE(b.nuovi_messaggi().empty());
}

TEST_F(Note, NoteFormShowsTheBookingsAmountsAsMoney) {
    b.scrivi(prenotazioni(), {kP1,
                              test::riga_prenotazione({{pren::appartamento, "0011"},
                                                       {pren::cliente, "0002"},
                                                       {pren::arrivo, "01/08/2026"},
                                                       {pren::partenza, "15/08/2026"},
                                                       {pren::affitto, "2682"},
                                                       {pren::acconto, "894"},
                                                       {pren::diritti, "ND"},
                                                       {pren::pulizia, "ND"},
                                                       {pren::cauzione, "ND"},
                                                       {pren::chiusura, "0.00.00"},
                                                       {pren::periodo, "5"}}),
                              kP3});
    app().run([&] { carica_prenotazioni(app()); });
    apri();
    scegli(1);
    EXPECT_NE(app().testo("NotaPrenot", "Label7").find(" - AFFITTO 2.682,00 - ACCONTO 894,00"),
              std::string::npos)
        << app().testo("NotaPrenot", "Label7");
}

TEST_F(Note, NoteFormRewritesTheBookingsOwnNoteOnly) {
    apri();
    scegli(0);
    EXPECT_EQ(app().testo("NotaPrenot", "Text7"), "4");
    EXPECT_EQ(app().testo("NotaPrenot", "Text6"), "CON CANE");
    app().type(box("NotaPrenot", "Text6"), "CON DUE CANI");
    // Tabbing round the form leaves the booking box again: the typing stays.
    app().leave(box("NotaPrenot", "NRICH"));
    EXPECT_EQ(app().testo("NotaPrenot", "Text6"), "CON DUE CANI");
    app().click(box("NotaPrenot", "SALVA"));
    EXPECT_EQ(b.byte(note()), crlf(note_con(4, test::riga_nota({{nota::testo, "CON DUE CANI"},
                                                                {nota::prenotazione, "001"},
                                                                {nota::appartamento, "0010"}}))));
    EXPECT_EQ(b.byte(prenotazioni()), crlf({kP1, kP2, kP3}));

    // Booking 2 pointing at booking 1's note gets a note of its own.
    app().s.prenotazioni[2].campo[pren::nota] = "4";
    scegli(1);
    EXPECT_EQ(app().testo("NotaPrenot", "Text7"), "11");
    EXPECT_EQ(app().testo("NotaPrenot", "Text6"), "");
}

TEST_F(Note, NoteFormWithOneBookingShowsItAtOnceAndItsExitGivesBackTheMenu) {
    b.scrivi(prenotazioni(), {kP1});
    app().run([&] { carica_prenotazioni(app()); });
    app().run([&] { app().form("MENU")->set_enabled(false); });
    apri();
    EXPECT_EQ(app().testo("NotaPrenot", "Text1"), "001");
    EXPECT_FALSE(box("NotaPrenot", "NRICH").visible());
    EXPECT_EQ(app().testo("NotaPrenot", "Text6"), "CON CANE");
    EXPECT_EQ(app().testo("NotaPrenot", "Text2"), "BIANCHI ANNA");

    app().click(box("NotaPrenot", "ESCI"));
    EXPECT_FALSE(app().form("NotaPrenot")->is_loaded());
    EXPECT_TRUE(app().form("MENU")->is_enabled());
}

}  // namespace
}  // namespace ga
