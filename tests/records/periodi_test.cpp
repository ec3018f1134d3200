// The periods file: its loader, and the writer through which the apartment
// card, a booking and a revocation change periods (byte-exact file contents
// after every write).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/date.h"
#include "platform/form.h"
#include "platform/record_file.h"
#include "platform/text.h"
#include "records/periodi.h"
#include "support/banco.h"
#include "support/righe.h"

namespace ga {
namespace {

using test::Banco;

// The bytes of a file of these lines (CR LF ends, Windows-1252).
std::string crlf(const std::vector<std::string>& righe) {
    std::string out;
    for (const auto& r : righe) out += r + "\r\n";
    return out;
}

class Periodi : public ::testing::Test {
protected:
    // The card writes periods of apartments on file only.
    void SetUp() override {
        b.prepara_dati();
        b.scrivi(b.cartella_dati() + "appartamenti.ind",
                 {test::riga_appartamento({{appartamento::codice, "0012"}}),
                  test::riga_appartamento({{appartamento::codice, "0013"}})});
    }

    App& app() { return b.app(); }
    const std::string& file_periodi() { return app().s.percorso_periodi; }
    const std::string& file_prenotazioni() { return app().s.percorso_prenotazioni; }
    std::string box(const char* forma, const char* nome) { return app().testo(forma, nome); }

    void con_periodi(const std::vector<std::string>& righe) {
        b.scrivi(file_periodi(), righe);
        carica_periodi(app());
    }
    bool esegui(const std::string& operazione) {
        app().s.operazione = operazione;
        bool ok = true;
        app().run([&] { ok = aggiorna_periodi(app()); });
        return ok;
    }
    bool prenota(const char* dal, const char* al, const char* periodo, const char* codice) {
        app().imposta("prenotazione", "Text5", dal);
        app().imposta("prenotazione", "Text6", al);
        app().imposta("prenotazione", "Text28", periodo);
        app().imposta("prenotazione", "Text7", codice);
        return esegui("PRENOTAZIONE");
    }
    // The revocation form's period as shown, the apartment code it was given.
    bool revoca(const std::string& riga, const std::string& appartamento, const char* periodo) {
        app().imposta("REVOCAPREN", "Text6", riga);
        app().imposta("REVOCAPREN", "Text12", appartamento);
        app().imposta("VisuPrenotCliente", "Text15", periodo);
        return esegui("REVOCA");
    }
    // The card's row: start picker n, end picker n + 1, price box m, state box m + 18.
    bool dalla_scheda(const char* modo, const char* codice, const char* periodo, int n, int m,
                      const char* dal, const char* al, const char* prezzo, const char* stato) {
        App& a = app();
        a.s.azione_corrente = modo;
        a.s.indice_calendario = std::to_string(n);
        a.s.indice_riga = std::to_string(m);
        a.imposta("appartament", "Text44", codice);
        a.imposta("appartament", "Text40", periodo);
        plat::Form& scheda = *a.form("appartament");
        // A row past the grid has no pickers: nothing to set there.
        if (auto* c = scheda.control("DTPICKER" + std::to_string(n)))
            c->set_date(plat::Date::parse_or_zero(dal));
        if (auto* c = scheda.control("DTPICKER" + std::to_string(n + 1)))
            c->set_date(plat::Date::parse_or_zero(al));
        a.imposta("appartament", "prez" + std::to_string(m), prezzo);
        a.imposta("appartament", "situ" + std::to_string(m + 18), stato);
        return esegui("APPARTAMENTO");
    }
    bool cancella(const char* periodo) {
        app().s.azione_corrente = "cancella";
        app().imposta("appartament", "Text40", periodo);
        return esegui("APPARTAMENTO");
    }
    // Only the message boxes since the last call; the file must be as before.
    void rifiutato(const std::string& prima, const std::string& parola) {
        const auto m = b.nuovi_messaggi();
        ASSERT_EQ(m.size(), 1u);
        EXPECT_TRUE(plat::contains(m[0], parola)) << m[0];
        EXPECT_TRUE(plat::contains(m[0], "NON E' STATO MODIFICATO")) << m[0];
        EXPECT_EQ(b.byte(file_periodi()), prima);
    }

    Banco b;
};

// --- the loader ----------------------------------------------------------------

TEST_F(Periodi, EmptyOrMissingFileSetsTheThreeCountsToZero) {
    app().imposta("appartament", "Text26", "7");
    app().imposta("appartament", "Text40", "8");
    app().imposta("ModPeriodi", "Text26", "7");
    carica_periodi(app());
    EXPECT_TRUE(plat::file_exists(file_periodi())) << "a missing file is created empty";
    EXPECT_EQ(box("appartament", "Text26"), "0");
    EXPECT_EQ(box("appartament", "Text40"), "0");
    EXPECT_EQ(box("ModPeriodi", "Text26"), "0");

    b.scrivi(file_periodi(), {});
    app().imposta("appartament", "Text26", "3");
    carica_periodi(app());
    EXPECT_EQ(box("appartament", "Text26"), "0");
}

TEST_F(Periodi, ShortBlankAndUndatedLinesLoadAndSurviveABooking) {
    con_periodi({"0012*1/7/2026*15/07/2026*500,00*LIB", "0012*16/07/2026", "",
                 test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "31/02/2026"},
                                     {periodo::al, "xx"},
                                     {periodo::prezzo, "300"},
                                     {periodo::stato, "LIB"}}),
                 test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "01/08/2026"},
                                     {periodo::al, "31/08/2026"},
                                     {periodo::stato, "LIB"}})});
    EXPECT_EQ(box("appartament", "Text26"), "5");
    EXPECT_EQ(box("appartament", "Text40"), "5");
    EXPECT_EQ(box("ModPeriodi", "Text26"), "5");
    auto& p = app().s.periodi;
    EXPECT_EQ(p[1].numero, "1");
    EXPECT_EQ(p[1].dal, "01/07/2026") << "dates held as the text of the date read";
    EXPECT_EQ(p[2].dal, "16/07/2026");
    EXPECT_EQ(p[2].al, "");
    EXPECT_EQ(p[2].stato, "");
    EXPECT_EQ(p[3].codice, "");
    EXPECT_EQ(p[4].dal, "31/02/2026") << "a field that is no date is kept as written";
    EXPECT_EQ(p[4].al, "xx");

    // Only the booked period's line changes: the blank line, the short and
    // the undated ones come back as they stood.
    ASSERT_TRUE(prenota("01/08/2026", "31/08/2026", "5", "12"));
    EXPECT_EQ(b.byte(file_periodi()),
              crlf({"0012*1/7/2026*15/07/2026*500,00*LIB", "0012*16/07/2026", "",
                    test::riga_periodo({{periodo::codice, "0012"},
                                        {periodo::dal, "31/02/2026"},
                                        {periodo::al, "xx"},
                                        {periodo::prezzo, "300"},
                                        {periodo::stato, "LIB"}}),
                    test::riga_periodo({{periodo::codice, "0012"},
                                        {periodo::dal, "01/08/2026"},
                                        {periodo::al, "31/08/2026"},
                                        {periodo::stato, "AFF"}})}));
    EXPECT_EQ(box("appartament", "Text26"), "5");

    // The blank line 3 holds no period to book: the user is told so, and
    // nothing is written.
    b.nuovi_messaggi();
    const std::string prima = b.byte(file_periodi());
    EXPECT_FALSE(prenota("01/07/2026", "15/07/2026", "3", "12"));
    const auto detto = b.nuovi_messaggi();
    ASSERT_EQ(detto.size(), 1u);
    EXPECT_NE(detto[0].find("LA RIGA DEL PERIODO N. 3 NEL FILE DEI PERIODI NON SI PUO' LEGGERE"),
              std::string::npos)
        << detto[0];
    EXPECT_EQ(b.byte(file_periodi()), prima);
}

// --- bookings ----------------------------------------------------------------------

TEST_F(Periodi, FirstHalfBookingRentsItsPeriodAndTheWholeMonth) {
    con_periodi({test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "01/07/2026"},
                                     {periodo::al, "15/07/2026"},
                                     {periodo::prezzo, "500,00"},
                                     {periodo::stato, "LIB"}}),
                 test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "16/07/2026"},
                                     {periodo::al, "31/07/2026"},
                                     {periodo::prezzo, "500,00"},
                                     {periodo::stato, "LIB"}}),
                 test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "01/07/2026"},
                                     {periodo::al, "31/07/2026"},
                                     {periodo::prezzo, "900,00"},
                                     {periodo::stato, "LIB"}}),
                 test::riga_periodo({{periodo::codice, "0013"},
                                     {periodo::dal, "01/07/2026"},
                                     {periodo::al, "31/07/2026"},
                                     {periodo::prezzo, "800,00"},
                                     {periodo::stato, "LIB"}})});
    app().s.azione_corrente = "modifica";
    app().s.righe_dal[3] = "05/07/2026";
    app().imposta("appartament", "Text42", "1");

    ASSERT_TRUE(prenota("01/07/2026", "15/07/2026", "1", "0012"));
    EXPECT_EQ(b.byte(file_periodi()), crlf({test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "01/07/2026"},
                                                                {periodo::al, "15/07/2026"},
                                                                {periodo::prezzo, "500,00"},
                                                                {periodo::stato, "AFF"}}),
                                            test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "16/07/2026"},
                                                                {periodo::al, "31/07/2026"},
                                                                {periodo::prezzo, "500,00"},
                                                                {periodo::stato, "LIB"}}),
                                            test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "01/07/2026"},
                                                                {periodo::al, "31/07/2026"},
                                                                {periodo::prezzo, "900,00"},
                                                                {periodo::stato, "AFF"}}),
                                            test::riga_periodo({{periodo::codice, "0013"},
                                                                {periodo::dal, "01/07/2026"},
                                                                {periodo::al, "31/07/2026"},
                                                                {periodo::prezzo, "800,00"},
                                                                {periodo::stato, "LIB"}})}));
    // The writer's closing steps.
    EXPECT_EQ(box("appartament", "Text43"), "OK");
    EXPECT_EQ(box("appartament", "Text42"), "0");
    EXPECT_EQ(app().s.periodi[3].stato, "AFF") << "the table is reloaded";
    EXPECT_EQ(app().s.periodi_modificati, " ");
    EXPECT_EQ(app().s.azione_corrente, "");
    EXPECT_EQ(app().s.valore_salvato, "0");
    EXPECT_EQ(app().s.indice_calendario, "0");
    EXPECT_EQ(app().s.righe_dal[3], "0.00.00");
    EXPECT_EQ(app().s.righe_prezzo[16], "0");
    EXPECT_TRUE(b.nuovi_messaggi().empty());

    // Revoking it frees all three again: the whole month through its two free halves.
    ASSERT_TRUE(revoca("1 - 01/07/2026 - 15/07/2026 - ROSSI", "0012", "1"));
    EXPECT_EQ(b.byte(file_periodi()), crlf({test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "01/07/2026"},
                                                                {periodo::al, "15/07/2026"},
                                                                {periodo::prezzo, "500,00"},
                                                                {periodo::stato, "LIB"}}),
                                            test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "16/07/2026"},
                                                                {periodo::al, "31/07/2026"},
                                                                {periodo::prezzo, "500,00"},
                                                                {periodo::stato, "LIB"}}),
                                            test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "01/07/2026"},
                                                                {periodo::al, "31/07/2026"},
                                                                {periodo::prezzo, "900,00"},
                                                                {periodo::stato, "LIB"}}),
                                            test::riga_periodo({{periodo::codice, "0013"},
                                                                {periodo::dal, "01/07/2026"},
                                                                {periodo::al, "31/07/2026"},
                                                                {periodo::prezzo, "800,00"},
                                                                {periodo::stato, "LIB"}})}));
}

TEST_F(Periodi, RevocationFreesTheWholeMonthOnlyWhenBothHalvesComeFirst) {
    con_periodi({test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "01/07/2026"},
                                     {periodo::al, "31/07/2026"},
                                     {periodo::prezzo, "900,00"},
                                     {periodo::stato, "AFF"}}),
                 test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "01/07/2026"},
                                     {periodo::al, "15/07/2026"},
                                     {periodo::prezzo, "500,00"},
                                     {periodo::stato, "AFF"}}),
                 test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "16/07/2026"},
                                     {periodo::al, "31/07/2026"},
                                     {periodo::prezzo, "500,00"},
                                     {periodo::stato, "LIB"}})});
    ASSERT_TRUE(revoca("4-01/07/2026-15/07/2026", "12", "2"));
    EXPECT_EQ(b.byte(file_periodi()), crlf({test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "01/07/2026"},
                                                                {periodo::al, "31/07/2026"},
                                                                {periodo::prezzo, "900,00"},
                                                                {periodo::stato, "AFF"}}),
                                            test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "01/07/2026"},
                                                                {periodo::al, "15/07/2026"},
                                                                {periodo::prezzo, "500,00"},
                                                                {periodo::stato, "LIB"}}),
                                            test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "16/07/2026"},
                                                                {periodo::al, "31/07/2026"},
                                                                {periodo::prezzo, "500,00"},
                                                                {periodo::stato, "LIB"}})}));

    // A second-half booking: the month ending on its departure is freed with it.
    con_periodi({test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "01/07/2026"},
                                     {periodo::al, "15/07/2026"},
                                     {periodo::prezzo, "500,00"},
                                     {periodo::stato, "LIB"}}),
                 test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "16/07/2026"},
                                     {periodo::al, "31/07/2026"},
                                     {periodo::prezzo, "500,00"},
                                     {periodo::stato, "AFF"}}),
                 test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "01/07/2026"},
                                     {periodo::al, "31/07/2026"},
                                     {periodo::prezzo, "900,00"},
                                     {periodo::stato, "AFF"}}),
                 test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "01/08/2026"},
                                     {periodo::al, "31/08/2026"},
                                     {periodo::prezzo, "900,00"},
                                     {periodo::stato, "OCC"}})});
    ASSERT_TRUE(revoca("4-16/07/2026-31/07/2026", " 0012 ", "2"));
    EXPECT_EQ(b.byte(file_periodi()), crlf({test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "01/07/2026"},
                                                                {periodo::al, "15/07/2026"},
                                                                {periodo::prezzo, "500,00"},
                                                                {periodo::stato, "LIB"}}),
                                            test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "16/07/2026"},
                                                                {periodo::al, "31/07/2026"},
                                                                {periodo::prezzo, "500,00"},
                                                                {periodo::stato, "LIB"}}),
                                            test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "01/07/2026"},
                                                                {periodo::al, "31/07/2026"},
                                                                {periodo::prezzo, "900,00"},
                                                                {periodo::stato, "LIB"}}),
                                            test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "01/08/2026"},
                                                                {periodo::al, "31/08/2026"},
                                                                {periodo::prezzo, "900,00"},
                                                                {periodo::stato, "OCC"}})}));
}

// The period shown ends the row: a hyphen in the street's name before it
// does not move the dates.
TEST_F(Periodi, ARevocationFindsItsDatesWhateverHyphenTheStreetHolds) {
    con_periodi({test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "01/07/2026"},
                                     {periodo::al, "15/07/2026"},
                                     {periodo::prezzo, "500,00"},
                                     {periodo::stato, "AFF"}})});
    ASSERT_TRUE(revoca("A-NO - 01/07/2026 - 15/07/2026", "0012", "1"));
    EXPECT_EQ(b.byte(file_periodi()), crlf({test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "01/07/2026"},
                                                                {periodo::al, "15/07/2026"},
                                                                {periodo::prezzo, "500,00"},
                                                                {periodo::stato, "LIB"}})}));
}

TEST_F(Periodi, MidMonthBookingTakesItsDatesAndLeavesTheMonthTaken) {
    con_periodi({test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "01/07/2026"},
                                     {periodo::al, "31/07/2026"},
                                     {periodo::prezzo, "900,00"},
                                     {periodo::stato, "LIB"}}),
                 test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "01/07/2026"},
                                     {periodo::al, "15/07/2026"},
                                     {periodo::prezzo, "500,00"},
                                     {periodo::stato, "LIB"}})});
    ASSERT_TRUE(prenota("05/07/2026", "20/07/2026", "2", "12"));
    EXPECT_EQ(b.byte(file_periodi()), crlf({test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "01/07/2026"},
                                                                {periodo::al, "31/07/2026"},
                                                                {periodo::prezzo, "900,00"},
                                                                {periodo::stato, "OCC"}}),
                                            test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "05/07/2026"},
                                                                {periodo::al, "20/07/2026"},
                                                                {periodo::prezzo, "500,00"},
                                                                {periodo::stato, "AFF"}})}));
}

TEST_F(Periodi, BookingAcrossTwoMonths) {
    con_periodi({test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "01/07/2026"},
                                     {periodo::al, "31/07/2026"},
                                     {periodo::prezzo, "900,00"},
                                     {periodo::stato, "LIB"}}),
                 test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "16/07/2026"},
                                     {periodo::al, "31/07/2026"},
                                     {periodo::prezzo, "500,00"},
                                     {periodo::stato, "LIB"}}),
                 test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "01/08/2026"},
                                     {periodo::al, "15/08/2026"},
                                     {periodo::prezzo, "500,00"},
                                     {periodo::stato, "LIB"}}),
                 test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "01/08/2026"},
                                     {periodo::al, "31/08/2026"},
                                     {periodo::prezzo, "900,00"},
                                     {periodo::stato, "LIB"}})});
    ASSERT_TRUE(prenota("16/07/2026", "15/08/2026", "2", "0012"));
    // The booked period starts on the arrival and ends before the departure:
    // it keeps its own dates.
    EXPECT_EQ(b.byte(file_periodi()), crlf({test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "01/07/2026"},
                                                                {periodo::al, "31/07/2026"},
                                                                {periodo::prezzo, "900,00"},
                                                                {periodo::stato, "AFF"}}),
                                            test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "16/07/2026"},
                                                                {periodo::al, "31/07/2026"},
                                                                {periodo::prezzo, "500,00"},
                                                                {periodo::stato, "AFF"}}),
                                            test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "01/08/2026"},
                                                                {periodo::al, "15/08/2026"},
                                                                {periodo::prezzo, "500,00"},
                                                                {periodo::stato, "AFF"}}),
                                            test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "01/08/2026"},
                                                                {periodo::al, "31/08/2026"},
                                                                {periodo::prezzo, "900,00"},
                                                                {periodo::stato, "OCC"}})}));
}

TEST_F(Periodi, OwnerKeptPeriodInsideTheBookingBecomesRented) {
    con_periodi({test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "01/07/2026"},
                                     {periodo::al, "31/07/2026"},
                                     {periodo::prezzo, "900,00"},
                                     {periodo::stato, "LIB"}}),
                 test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "01/07/2026"},
                                     {periodo::al, "15/07/2026"},
                                     {periodo::stato, "PROP"}}),
                 test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "10/07/2026"},
                                     {periodo::al, "20/07/2026"},
                                     {periodo::stato, "PROP"}}),
                 test::riga_periodo({{periodo::codice, "0007"},
                                     {periodo::dal, "01/07/2026"},
                                     {periodo::al, "15/07/2026"},
                                     {periodo::stato, "PROP"}}),
                 test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "20/07/2026"},
                                     {periodo::al, "10/08/2026"},
                                     {periodo::stato, "PROP"}})});
    ASSERT_TRUE(prenota("01/07/2026", "31/07/2026", "1", "12"));
    EXPECT_EQ(b.byte(file_periodi()), crlf({test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "01/07/2026"},
                                                                {periodo::al, "31/07/2026"},
                                                                {periodo::prezzo, "900,00"},
                                                                {periodo::stato, "AFF"}}),
                                            test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "01/07/2026"},
                                                                {periodo::al, "15/07/2026"},
                                                                {periodo::stato, "AFF"}}),
                                            test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "10/07/2026"},
                                                                {periodo::al, "20/07/2026"},
                                                                {periodo::stato, "AFF"}}),
                                            test::riga_periodo({{periodo::codice, "0007"},
                                                                {periodo::dal, "01/07/2026"},
                                                                {periodo::al, "15/07/2026"},
                                                                {periodo::stato, "PROP"}}),
                                            test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "20/07/2026"},
                                                                {periodo::al, "10/08/2026"},
                                                                {periodo::stato, "PROP"}})}));
}

TEST_F(Periodi, BadBookingInputsAreRefused) {
    const std::vector<std::string> righe = {test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "01/07/2026"},
                                                                {periodo::al, "15/07/2026"},
                                                                {periodo::prezzo, "500,00"},
                                                                {periodo::stato, "LIB"}}),
                                            test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "16/07/2026"},
                                                                {periodo::al, "31/07/2026"},
                                                                {periodo::prezzo, "500,00"},
                                                                {periodo::stato, "LIB"}})};
    con_periodi(righe);
    const std::string prima = crlf(righe);
    b.nuovi_messaggi();

    EXPECT_FALSE(prenota("01/07/2026", "15/07/2026", "3", "12"));
    rifiutato(prima, "NUMERO DI PERIODO NON VALIDO");
    EXPECT_FALSE(prenota("01/07/2026", "15/07/2026", "", "12"));
    rifiutato(prima, "NUMERO DI PERIODO NON VALIDO");
    EXPECT_FALSE(prenota("31/06/2026", "15/07/2026", "1", "12"));
    rifiutato(prima, "DATE DELLA PRENOTAZIONE");
    EXPECT_FALSE(revoca("01/07/2026-15/07/2026", "12", "1"));
    rifiutato(prima, "PRENOTAZIONE DA REVOCARE");
    EXPECT_FALSE(revoca("1-01/07/2026-15/07/2026", "", "1"));
    rifiutato(prima, "PRENOTAZIONE DA REVOCARE");
    EXPECT_FALSE(revoca("1-01/07/2026-15/07/2026", "12", "-1"));
    rifiutato(prima, "NUMERO DI PERIODO NON VALIDO");
    EXPECT_EQ(app().s.periodi[1].stato, "LIB") << "a refusal leaves the table as the file";
}

// --- the apartment card ----------------------------------------------------------

TEST_F(Periodi, CardWritesItsRowIntoAPeriodOrAppendsANewOne) {
    con_periodi({test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "01/07/2026"},
                                     {periodo::al, "15/07/2026"},
                                     {periodo::prezzo, "500,00"},
                                     {periodo::stato, "LIB"}}),
                 test::riga_periodo({{periodo::codice, "0013"},
                                     {periodo::dal, "01/07/2026"},
                                     {periodo::al, "31/07/2026"},
                                     {periodo::prezzo, "800,00"},
                                     {periodo::stato, "LIB"}})});
    // Row 2 of the grid: pickers 3 and 4, price box 11, state box 29.
    ASSERT_TRUE(
        dalla_scheda("modifica", "12", "1", 3, 11, "02/07/2026", "16/07/2026", "550,00", "LIB"));
    EXPECT_EQ(b.byte(file_periodi()), crlf({test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "02/07/2026"},
                                                                {periodo::al, "16/07/2026"},
                                                                {periodo::prezzo, "550,00"},
                                                                {periodo::stato, "LIB"}}),
                                            test::riga_periodo({{periodo::codice, "0013"},
                                                                {periodo::dal, "01/07/2026"},
                                                                {periodo::al, "31/07/2026"},
                                                                {periodo::prezzo, "800,00"},
                                                                {periodo::stato, "LIB"}})}));

    ASSERT_TRUE(dalla_scheda("", "0013", "3", 31, 25, "01/08/2026", "31/08/2026", "", "PROP"));
    EXPECT_EQ(b.byte(file_periodi()), crlf({test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "02/07/2026"},
                                                                {periodo::al, "16/07/2026"},
                                                                {periodo::prezzo, "550,00"},
                                                                {periodo::stato, "LIB"}}),
                                            test::riga_periodo({{periodo::codice, "0013"},
                                                                {periodo::dal, "01/07/2026"},
                                                                {periodo::al, "31/07/2026"},
                                                                {periodo::prezzo, "800,00"},
                                                                {periodo::stato, "LIB"}}),
                                            test::riga_periodo({{periodo::codice, "0013"},
                                                                {periodo::dal, "01/08/2026"},
                                                                {periodo::al, "31/08/2026"},
                                                                {periodo::stato, "PROP"}})}));
    EXPECT_EQ(box("appartament", "Text26"), "3");
    EXPECT_EQ(box("appartament", "Text40"), "3");
    EXPECT_EQ(box("ModPeriodi", "Text26"), "3");

    // Any other mode of the grid changes nothing and writes the file as it
    // stood.
    b.scrivi(file_periodi(), {"12*1/7/2026*15/7/2026*500,00*LIB"});
    carica_periodi(app());
    ASSERT_TRUE(dalla_scheda("AZZERA", "12", "1", 1, 10, "01/01/2026", "02/01/2026", "1", "LIB"));
    EXPECT_EQ(b.byte(file_periodi()), crlf({"12*1/7/2026*15/7/2026*500,00*LIB"}));
    EXPECT_TRUE(b.nuovi_messaggi().empty());
}

TEST_F(Periodi, BadCardRowsAreRefused) {
    const std::vector<std::string> righe = {test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "01/07/2026"},
                                                                {periodo::al, "15/07/2026"},
                                                                {periodo::prezzo, "500,00"},
                                                                {periodo::stato, "LIB"}})};
    con_periodi(righe);
    const std::string prima = crlf(righe);
    b.nuovi_messaggi();

    EXPECT_FALSE(dalla_scheda("modifica", "12", "3", 1, 10, "01/08/2026", "15/08/2026", "1", "LIB"))
        << "only the next new period may be appended";
    rifiutato(prima, "NUMERO DI PERIODO NON VALIDO");
    EXPECT_FALSE(
        dalla_scheda("modifica", "12", "0", 1, 10, "01/08/2026", "15/08/2026", "1", "LIB"));
    rifiutato(prima, "NUMERO DI PERIODO NON VALIDO");
    EXPECT_FALSE(dalla_scheda("modifica", "12", "1", 1, 10, "", "15/08/2026", "1", "LIB"));
    rifiutato(prima, "DATE DEL PERIODO");
    EXPECT_FALSE(
        dalla_scheda("modifica", "12", "1", 32, 10, "01/08/2026", "15/08/2026", "1", "LIB"))
        << "no picker 33";
    rifiutato(prima, "RIGA DEL PERIODO");
    EXPECT_FALSE(cancella("2"));
    rifiutato(prima, "NUMERO DI PERIODO NON VALIDO");

    EXPECT_FALSE(
        dalla_scheda("modifica", "12", "1", 1, 10, "01/08/2026", "15/08/2026", "5*0", "LIB"));
    EXPECT_EQ(b.nuovi_messaggi().size(), 1u);
    EXPECT_EQ(b.byte(file_periodi()), prima);
}

// --- deleting a period, and the bookings that point at periods ---------------------

// A booking line, full width, whose period field is `periodo`.
std::string prenotazione(const std::string& cliente, const std::string& periodo) {
    return test::riga_prenotazione({{pren::appartamento, "0012"},
                                    {pren::cliente, cliente},
                                    {pren::arrivo, "01/07/2026"},
                                    {pren::partenza, "15/07/2026"},
                                    {pren::affitto, "1.000,00"},
                                    {pren::acconto, "200,00"},
                                    {pren::diritti, "0"},
                                    {pren::pulizia, "0"},
                                    {pren::cauzione, "0"},
                                    {pren::chiusura, "0.00.00"},
                                    {pren::nota, "NICOLÒ"},
                                    {pren::movimento, " "},
                                    {pren::periodo, periodo},
                                    {pren::letti, "a"},
                                    {pren::consumi, "b"},
                                    {pren::energia, "c"},
                                    {pren::lenzuola, "d"}});
}

TEST_F(Periodi, DeletingABookedPeriodIsRefused) {
    const std::vector<std::string> righe = {test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "01/07/2026"},
                                                                {periodo::al, "15/07/2026"},
                                                                {periodo::prezzo, "500,00"},
                                                                {periodo::stato, "LIB"}}),
                                            test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "16/07/2026"},
                                                                {periodo::al, "31/07/2026"},
                                                                {periodo::prezzo, "500,00"},
                                                                {periodo::stato, "AFF"}}),
                                            test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "01/08/2026"},
                                                                {periodo::al, "31/08/2026"},
                                                                {periodo::prezzo, "900,00"},
                                                                {periodo::stato, "LIB"}})};
    con_periodi(righe);
    const std::vector<std::string> pren = {prenotazione("0001", "3"), prenotazione("0002", "002")};
    b.scrivi(file_prenotazioni(), pren);
    b.nuovi_messaggi();

    EXPECT_FALSE(cancella("2"));
    rifiutato(crlf(righe), "PRENOTAZIONE N. 2");
    EXPECT_EQ(b.byte(file_prenotazioni()), plat::utf8_to_cp1252(crlf(pren)));

    // Typing "CANC" as the code of a period is a deletion too.
    EXPECT_FALSE(
        dalla_scheda("modifica", "CANC", "3", 1, 10, "01/08/2026", "31/08/2026", "", "LIB"));
    rifiutato(crlf(righe), "PRENOTAZIONE N. 1");
    EXPECT_EQ(b.byte(file_prenotazioni()), plat::utf8_to_cp1252(crlf(pren)));
}

TEST_F(Periodi, DeletingAPeriodRenumbersTheLaterBookings) {
    con_periodi({test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "01/07/2026"},
                                     {periodo::al, "15/07/2026"},
                                     {periodo::prezzo, "500,00"},
                                     {periodo::stato, "AFF"}}),
                 test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "16/07/2026"},
                                     {periodo::al, "31/07/2026"},
                                     {periodo::prezzo, "500,00"},
                                     {periodo::stato, "LIB"}}),
                 test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "01/08/2026"},
                                     {periodo::al, "31/08/2026"},
                                     {periodo::prezzo, "900,00"},
                                     {periodo::stato, "AFF"}}),
                 test::riga_periodo({{periodo::codice, "0013"},
                                     {periodo::dal, "01/07/2026"},
                                     {periodo::al, "31/07/2026"},
                                     {periodo::prezzo, "800,00"},
                                     {periodo::stato, "AFF"}})});
    b.scrivi(file_prenotazioni(),
             {prenotazione("0001", "1"), prenotazione("0002", "3"), prenotazione("0003", "004"),
              prenotazione("0004", "10"), "0012*0005*corta", prenotazione("0006", " 4 "), "",
              prenotazione("0007", "4")});
    b.nuovi_messaggi();

    ASSERT_TRUE(cancella("2"));
    EXPECT_EQ(b.byte(file_periodi()), crlf({test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "01/07/2026"},
                                                                {periodo::al, "15/07/2026"},
                                                                {periodo::prezzo, "500,00"},
                                                                {periodo::stato, "AFF"}}),
                                            test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "01/08/2026"},
                                                                {periodo::al, "31/08/2026"},
                                                                {periodo::prezzo, "900,00"},
                                                                {periodo::stato, "AFF"}}),
                                            test::riga_periodo({{periodo::codice, "0013"},
                                                                {periodo::dal, "01/07/2026"},
                                                                {periodo::al, "31/07/2026"},
                                                                {periodo::prezzo, "800,00"},
                                                                {periodo::stato, "AFF"}})}));
    // Only field 12 changes, in the style it was written; the empty line
    // holds no booking and stays, and the booking after it follows its
    // period too.
    EXPECT_EQ(b.byte(file_prenotazioni()),
              plat::utf8_to_cp1252(
                  crlf({prenotazione("0001", "1"), prenotazione("0002", "2"),
                        prenotazione("0003", "003"), prenotazione("0004", "9"), "0012*0005*corta",
                        prenotazione("0006", " 3 "), "", prenotazione("0007", "3")})));
    // The one word said: the bookings file has a line the program cannot read.
    const auto messaggi = b.nuovi_messaggi();
    ASSERT_EQ(messaggi.size(), 1u);
    EXPECT_NE(messaggi[0].find("LA RIGA 7"), std::string::npos) << messaggi[0];
    // Both tables are reloaded.
    EXPECT_EQ(box("appartament", "Text26"), "3");
    EXPECT_EQ(box("prenotazione", "Text21"), "8");
    EXPECT_EQ(app().s.prenotazioni[3].campo[pren::periodo], "003");

    // A "CANC" code typed for the first period drops it just the same.
    EXPECT_FALSE(
        dalla_scheda("modifica", "CANC", "1", 1, 10, "01/07/2026", "15/07/2026", "", "LIB"))
        << "booking 1 still points at period 1";
    b.nuovi_messaggi();
    b.scrivi(file_prenotazioni(), {prenotazione("0002", "2"), prenotazione("0003", "003")});
    ASSERT_TRUE(
        dalla_scheda("modifica", "CANC", "1", 1, 10, "01/07/2026", "15/07/2026", "", "LIB"));
    EXPECT_EQ(b.byte(file_periodi()), crlf({test::riga_periodo({{periodo::codice, "0012"},
                                                                {periodo::dal, "01/08/2026"},
                                                                {periodo::al, "31/08/2026"},
                                                                {periodo::prezzo, "900,00"},
                                                                {periodo::stato, "AFF"}}),
                                            test::riga_periodo({{periodo::codice, "0013"},
                                                                {periodo::dal, "01/07/2026"},
                                                                {periodo::al, "31/07/2026"},
                                                                {periodo::prezzo, "800,00"},
                                                                {periodo::stato, "AFF"}})}));
    EXPECT_EQ(b.byte(file_prenotazioni()),
              plat::utf8_to_cp1252(crlf({prenotazione("0002", "1"), prenotazione("0003", "002")})));
}

TEST_F(Periodi, ADeletionWhoseBookingsCannotFollowWritesNeitherFile) {
    const std::vector<std::string> periodi = {test::riga_periodo({{periodo::codice, "0012"},
                                                                  {periodo::dal, "01/07/2026"},
                                                                  {periodo::al, "15/07/2026"},
                                                                  {periodo::prezzo, "500,00"},
                                                                  {periodo::stato, "LIB"}}),
                                              test::riga_periodo({{periodo::codice, "0012"},
                                                                  {periodo::dal, "16/07/2026"},
                                                                  {periodo::al, "31/07/2026"},
                                                                  {periodo::prezzo, "500,00"},
                                                                  {periodo::stato, "AFF"}})};
    con_periodi(periodi);
    // A file name so long that no temporary file can be made beside it:
    // it reads, but cannot be replaced.
    const std::string percorso = b.cartella_dati() + std::string(245, 'p') + ".dat";
    const std::vector<std::string> pren = {prenotazione("0001", "2")};
    b.scrivi(percorso, pren);
    app().s.percorso_prenotazioni = percorso;
    b.nuovi_messaggi();

    EXPECT_FALSE(cancella("1"));
    EXPECT_EQ(b.byte(file_periodi()), crlf(periodi));
    const auto m = b.nuovi_messaggi();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_TRUE(plat::contains(m[0], "IMPOSSIBILE SCRIVERE IL FILE " + percorso)) << m[0];
    EXPECT_EQ(b.byte(percorso), plat::utf8_to_cp1252(crlf(pren)));
    EXPECT_EQ(box("appartament", "Text26"), "2") << "the periods table follows its file";
}

}  // namespace
}  // namespace ga
