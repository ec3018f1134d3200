#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "records/movimenti.h"
#include "records/note.h"
#include "support/banco.h"
#include "support/righe.h"

namespace ga {
namespace {

namespace fs = std::filesystem;
using Righe = std::vector<std::string>;

class ArchiviPrenotazioni : public ::testing::Test {
protected:
    void SetUp() override { b.prepara_dati(); }
    App& app() { return b.app(); }
    std::string dati(const std::string& nome) const { return b.cartella_dati() + nome; }
    std::string box(const char* form, const char* nome) { return app().testo(form, nome); }

    test::Banco b;
};

TEST_F(ArchiviPrenotazioni, NotesKeepTheNumberOfEmptyLinesButHoldNothingThere) {
    b.scrivi(dati("noteaff2026.dat"), {test::riga_nota({{nota::testo, "CLIENTE CON CANE"},
                                                        {nota::prenotazione, "1"},
                                                        {nota::appartamento, "0010"}}),
                                       "",
                                       test::riga_nota({{nota::testo, "ARRIVO TARDI"},
                                                        {nota::prenotazione, "3"},
                                                        {nota::appartamento, "0011"}}),
                                       " ", "SOLO TESTO"});
    app().run([&] { carica_note(app()); });
    EXPECT_EQ(box("prenotazione", "Text23"), "5");
    EXPECT_EQ(app().s.note[1], (RigaNota{"CLIENTE CON CANE", "1", "0010"}));
    EXPECT_EQ(app().s.note[2], (RigaNota{}));
    EXPECT_EQ(app().s.note[3], (RigaNota{"ARRIVO TARDI", "3", "0011"}));
    EXPECT_EQ(app().s.note[4], (RigaNota{}));
    // A short line loads what it has.
    EXPECT_EQ(app().s.note[5], (RigaNota{"SOLO TESTO", "", ""}));
}

TEST_F(ArchiviPrenotazioni, NotesReloadedShorterLeaveNoStaleNotes) {
    b.scrivi(dati("noteaff2026.dat"),
             {test::riga_nota(
                  {{nota::testo, "A"}, {nota::prenotazione, "1"}, {nota::appartamento, "0010"}}),
              test::riga_nota(
                  {{nota::testo, "B"}, {nota::prenotazione, "2"}, {nota::appartamento, "0010"}}),
              test::riga_nota(
                  {{nota::testo, "C"}, {nota::prenotazione, "3"}, {nota::appartamento, "0010"}})});
    app().run([&] { carica_note(app()); });
    b.scrivi(dati("noteaff2026.dat"),
             {test::riga_nota(
                  {{nota::testo, "A"}, {nota::prenotazione, "1"}, {nota::appartamento, "0010"}}),
              ""});
    app().run([&] { carica_note(app()); });
    EXPECT_EQ(box("prenotazione", "Text23"), "2");
    EXPECT_EQ(app().s.note[2], (RigaNota{}));
    EXPECT_EQ(app().s.note[3], (RigaNota{}));
}

TEST_F(ArchiviPrenotazioni, JournalCountsItsEmptyLineAndHoldsDates) {
    b.scrivi(dati("saldi2026.dat"), {test::riga_movimento({{movimento::data, "01/07/2026"},
                                                           {movimento::parte, "0001"},
                                                           {movimento::acconto, "500,00"},
                                                           {movimento::saldo, "50,00"},
                                                           {movimento::importo, "0"},
                                                           {movimento::pulizia, "30,00"},
                                                           {movimento::cauzione, "200,00"},
                                                           {movimento::numero, "1"},
                                                           {movimento::appartamento, "0010"}}),
                                     test::riga_cliente({{cliente::codice, "2/7/2026"},
                                                         {cliente::nome, "0002"},
                                                         {cliente::via, "0"},
                                                         {cliente::cap, "1200,00"},
                                                         {cliente::citta, "0"},
                                                         {cliente::telefono, "0"},
                                                         {cliente::provincia, "0"},
                                                         {cliente::codice_fiscale, "1"},
                                                         {cliente::email, "0010"}}),
                                     "",
                                     test::riga_movimento({{movimento::data, "03/07/2026"},
                                                           {movimento::parte, "0001"},
                                                           {movimento::acconto, "0"},
                                                           {movimento::saldo, "0"},
                                                           {movimento::importo, "300,00"},
                                                           {movimento::pulizia, "0"},
                                                           {movimento::cauzione, "0"}}),
                                     "non e' una data*0003*0*0*40,00*0*0*5*0011*X*Y"});
    app().run([&] { carica_saldi(app()); });
    EXPECT_EQ(box("prenotazione", "Text26"), "5");
    EXPECT_EQ(box("spese", "Text2"), "5");
    auto& m = app().s.movimenti;
    EXPECT_EQ(m[1].data, plat::Date::from_dmy(1, 7, 2026).value());
    EXPECT_EQ(m[1].campo[movimento::acconto], "500,00");
    EXPECT_EQ(m[1].campo[movimento::appartamento], "0010");
    EXPECT_EQ(m[2].data, plat::Date::from_dmy(2, 7, 2026).value());
    EXPECT_EQ(m[2].campo[movimento::saldo], "1200,00");
    // The empty third line takes number 3 and holds no movement.
    EXPECT_TRUE(m[3].data.is_zero());
    EXPECT_EQ(m[3].campo[movimento::parte], "");
    EXPECT_EQ(m[4].campo[movimento::importo], "300,00");
    EXPECT_EQ(m[4].campo[movimento::numero], "");
    // An unreadable date is kept as no date; columns past 8 are ignored.
    EXPECT_TRUE(m[5].data.is_zero());
    EXPECT_EQ(m[5].campo[movimento::appartamento], "0011");
}

TEST_F(ArchiviPrenotazioni, MissingFilesAreCreatedEmptyAndALongJournalLoadsWhole) {
    app().run([&] {
        carica_note(app());
        carica_saldi(app());
    });
    EXPECT_EQ(b.byte(dati("noteaff2026.dat")), "");
    EXPECT_EQ(b.byte(dati("saldi2026.dat")), "");
    EXPECT_EQ(box("prenotazione", "Text23"), "0");
    EXPECT_EQ(box("prenotazione", "Text26"), "0");

    b.scrivi(dati("saldi2026.dat"),
             Righe(1002, test::riga_movimento({{movimento::data, "01/07/2026"},
                                               {movimento::parte, "0001"},
                                               {movimento::acconto, "0"},
                                               {movimento::saldo, "0"},
                                               {movimento::importo, "0"},
                                               {movimento::pulizia, "0"},
                                               {movimento::cauzione, "0"},
                                               {movimento::numero, "1"},
                                               {movimento::appartamento, "0010"}})));
    b.nuovi_messaggi();
    app().run([&] {
        carica_saldi(app());
        carica_saldi(app());
    });
    EXPECT_EQ(box("prenotazione", "Text26"), "1002");
    EXPECT_EQ(app().s.movimenti[1002].campo[movimento::appartamento], "0010");
    EXPECT_EQ(b.nuovi_messaggi(), Righe{});
}

// The booking form's load is what fills every table at start: reading one of
// its count stores on a fresh program is enough.
TEST_F(ArchiviPrenotazioni, ReadingTheBookingsCountLoadsEveryTable) {
    b.scrivi(dati("proprietari.IND"), {test::proprietario_rossi()});
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
                                       {appartamento::codice, "0010"}}),
              test::riga_appartamento({{appartamento::codice_proprietario, "0001"},
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
    b.scrivi(dati("clienti.dat"), {test::cliente_bianchi(), test::cliente_verdi(),
                                   test::riga_cliente({{cliente::codice, "0003"},
                                                       {cliente::nome, "NERI PIA"},
                                                       {cliente::via, "VIA NUOVA 9"},
                                                       {cliente::cap, "73040"},
                                                       {cliente::citta, "CASTRO"},
                                                       {cliente::telefono, "0836"},
                                                       {cliente::provincia, "LE"},
                                                       {cliente::codice_fiscale, "Z"}})});
    b.scrivi(dati("prenotazioni2026.dat"), {test::riga_prenotazione({{pren::appartamento, "0010"},
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
                                                                     {pren::lenzuola, " "}})});
    b.scrivi(
        dati("noteaff2026.dat"),
        {test::riga_nota(
             {{nota::testo, "CON CANE"}, {nota::prenotazione, "1"}, {nota::appartamento, "0010"}}),
         test::riga_nota(
             {{nota::testo, "ALTRA"}, {nota::prenotazione, "1"}, {nota::appartamento, "0010"}})});
    b.scrivi(dati("saldi2026.dat"), {test::riga_movimento({{movimento::data, "01/07/2026"},
                                                           {movimento::parte, "0001"},
                                                           {movimento::acconto, "500,00"},
                                                           {movimento::saldo, "0"},
                                                           {movimento::importo, "0"},
                                                           {movimento::pulizia, "50,00"},
                                                           {movimento::cauzione, "200,00"},
                                                           {movimento::numero, "1"},
                                                           {movimento::appartamento, "0010"}})});

    std::string prenotazioni;
    app().run([&] { prenotazioni = box("prenotazione", "Text21"); });
    EXPECT_EQ(prenotazioni, "1");
    EXPECT_EQ(box("prenotazione", "Text22"), "3");
    EXPECT_EQ(box("prenotazione", "Text23"), "2");
    EXPECT_EQ(box("prenotazione", "Text26"), "1");
    EXPECT_EQ(box("PROPRIETARI", "Text1"), "1");
    EXPECT_EQ(box("appartament", "Text23"), "2");
    EXPECT_EQ(app().s.proprietari[1][proprietario::nome], "ROSSI MARIO");
    EXPECT_EQ(app().s.appartamenti[2][appartamento::codice], "0011");
    EXPECT_EQ(app().s.clienti[3][cliente::nome], "NERI PIA");
    EXPECT_EQ(app().s.prenotazioni[1].arrivo, plat::Date::from_dmy(1, 7, 2026).value());
    EXPECT_EQ(app().s.note[2][0], "ALTRA");
    EXPECT_EQ(app().s.movimenti[1].campo[movimento::cauzione], "200,00");
    EXPECT_FALSE(app().ended());
    EXPECT_TRUE(b.nuovi_messaggi().empty());
}

}  // namespace
}  // namespace ga
