// The booking page: one new booking from the menu to the files, the checks
// of SALVA, the page's exits, the flags of a new page, periods and dates.
#include "prenotazione_banco.h"
#include "support/righe.h"

#include <algorithm>
#include <filesystem>

#include "platform/text.h"
#include "support/disco_pieno.h"

namespace ga::test {
namespace {

using PrenotazionePagina = PaginaPrenotazione;

TEST_F(PrenotazionePagina, ANewBookingFromTheMenuToEveryFile) {
    EXPECT_FALSE(app.form("MENU")->is_visible());
    ASSERT_TRUE(p().is_visible());
    EXPECT_EQ(p().Label1.caption() + "|" + p().Text1.text() + "|" + p().Text2.text(),
              "PRENOTAZIONE  ANNO - 2026|3|09/12/2026");
    EXPECT_EQ(p().Combo1.item(0) + "|" + p().Combo1.item(1), "0012-VIA MARE|0007-CORSO ITALIA");

    scegli_appartamento();
    EXPECT_EQ(p().Text7.text() + "|" + p().Text3.text() + "|" + p().Text27.text() + "|" +
                  p().Text4.text() + "|" + p().Label35.caption(),
              "0012|ROSSI MARIO|0001|VIA MARE|POSTI LETTO 6");
    // Free periods only, "LIB" with blanks around it included.
    ASSERT_EQ(p().List1.list_count(), 3);
    EXPECT_EQ(p().List1.item(1), "01/08/2026 - 15/08/2026");
    EXPECT_EQ(app.s.righe_periodo[2], "4");

    nuovo_cliente();
    EXPECT_TRUE(p().List1.visible());
    EXPECT_EQ(b.byte(file("clienti.dat")),
              crlf({kClienti[0], kClienti[1],
                    riga_cliente({{cliente::codice, "0041"},
                                  {cliente::nome, "NERI PIA"},
                                  {cliente::via, "VIA LAGO 3"},
                                  {cliente::cap, "00118"},
                                  {cliente::citta, "ROMA"},
                                  {cliente::telefono, "0832 123456"},
                                  {cliente::provincia, "RM"},
                                  {cliente::codice_fiscale, "RSSMRA85T10A562S"},
                                  {cliente::email, "n@x.it"}})}));

    app.pick(p().List1, 1);
    app.double_click(p().Text19);  // the computed deposit: 10% of 2.000,00
    app.double_click(p().Text17);  // the agency fee of the settings
    app.click(p().Text18);         // no final cleaning
    app.click(p().Text31);
    app.click(p().Text31);
    scrivi(p().Text20, "ARRIVO TARDI");
    b.nuovi_messaggi();
    b.messaggi().answer(plat::Answer::Yes);  // the extra beds into the note
    app.click(p().SALVA);
    EXPECT_EQ(b.nuovi_messaggi(),
              Righe{"Sono richiesti letti aggiuntivi !! \r vuoi aggiungere la nota ? "});

    EXPECT_EQ(b.byte(app.s.percorso_note),
              crlf({kNote[0], kNote[1], kNote[2],
                    test::riga_nota({{nota::testo, "ARRIVO TARDI Aggiungere 2 letti - "},
                                     {nota::prenotazione, "3"},
                                     {nota::appartamento, "0012"}})}));
    EXPECT_EQ(b.byte(app.s.percorso_prenotazioni),
              crlf({kPrenotazioni[0], kPrenotazioni[1],
                    test::riga_prenotazione({{pren::appartamento, "0012"},
                                             {pren::cliente, "0041"},
                                             {pren::arrivo, "01/08/2026"},
                                             {pren::partenza, "15/08/2026"},
                                             {pren::affitto, "2.000,00"},
                                             {pren::acconto, "660,00"},
                                             {pren::diritti, "100,00"},
                                             {pren::pulizia, "ND"},
                                             {pren::cauzione, "200,00"},
                                             {pren::chiusura, "0.00.00"},
                                             {pren::nota, "4"},
                                             {pren::periodo, "4"},
                                             {pren::letti, "2"}})}));
    EXPECT_EQ(b.byte(app.s.percorso_saldi),
              crlf({kSaldi[0], kSaldi[1],
                    test::riga_movimento({{movimento::data, "09/12/2026"},
                                          {movimento::parte, "0001"},
                                          {movimento::acconto, "660,00"},
                                          {movimento::saldo, "100,00"},
                                          {movimento::importo, "0"},
                                          {movimento::pulizia, "ND"},
                                          {movimento::cauzione, "200,00"},
                                          {movimento::numero, "3"},
                                          {movimento::appartamento, "0012"}})}));
    Righe periodi = kPeriodi;
    periodi[3] = test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "01/08/2026"},
                                     {periodo::al, "15/08/2026"},
                                     {periodo::prezzo, "2.000,00"},
                                     {periodo::stato, "AFF"}});
    EXPECT_EQ(b.byte(app.s.percorso_periodi), crlf(periodi));

    // Saved and not printed: the page cannot be left or cleared.
    app.click(p().ESCI);
    app.click(p().ANNULLA);
    EXPECT_EQ(b.nuovi_messaggi(), (Righe{"LA PRENOTAZIONE NON E' STATA STAMPATA...",
                                         "LA PRENOTAZIONE NON E' STATA STAMPATA..."}));
    EXPECT_EQ(p().Text7.text(), "0012");
    // STAMPA prints the saved booking's receipt, which ticks the printed flag.
    app.click(p().STAMPA);
    ASSERT_EQ(b.stampante().jobs.size(), 1u);
    EXPECT_EQ(app.s.prenotazione_scelta + "|" + app.s.cauzione_ricevuta, "003|200");
    app.click(p().ESCI);
    EXPECT_FALSE(p().is_loaded());
    EXPECT_TRUE(app.form("MENU")->is_visible());
}

// A season past the thousand records the tables were made for: a booking
// with its new client and its note adds one line to each file and keeps
// every line that was there.
TEST_F(PrenotazionePagina, PastTheTablesFirstSizeABookingAddsOneLineToEachFileAndKeepsTheRest) {
    auto fino_a = [](Righe r, std::size_t n, auto riga) {
        for (std::size_t i = r.size() + 1; i <= n; ++i) r.push_back(riga(i));
        return r;
    };
    const Righe clienti = fino_a(kClienti, 2000, [](std::size_t i) {
        return test::riga_cliente({{cliente::codice, plat::pad_code(std::to_string(i + 38))},
                                   {cliente::nome, "CLIENTE " + std::to_string(i)}});
    });
    const Righe periodi = fino_a(kPeriodi, 1200, [](auto) {
        return test::riga_periodo({{periodo::codice, "0099"},
                                   {periodo::dal, "01/06/2026"},
                                   {periodo::al, "15/06/2026"},
                                   {periodo::prezzo, "100,00"},
                                   {periodo::stato, "LIB"}});
    });
    const Righe prenotazioni = fino_a(kPrenotazioni, 1200, [](auto) {
        return test::riga_prenotazione({{pren::appartamento, "0099"},
                                        {pren::cliente, "0039"},
                                        {pren::arrivo, "01/06/2026"},
                                        {pren::partenza, "15/06/2026"},
                                        {pren::affitto, "100,00"},
                                        {pren::acconto, "0,00"},
                                        {pren::diritti, "ND"},
                                        {pren::pulizia, "ND"},
                                        {pren::cauzione, "ND"},
                                        {pren::chiusura, "10/06/2026"},
                                        {pren::movimento, "1"},
                                        {pren::periodo, "7"}});
    });
    const Righe note = fino_a(kNote, 1200, [](auto) {
        return test::riga_nota(
            {{nota::testo, "NOTA"}, {nota::prenotazione, "1"}, {nota::appartamento, "0099"}});
    });
    const Righe saldi = fino_a(kSaldi, 1200, [](auto) {
        return test::riga_movimento({{movimento::data, "01/05/2026"},
                                     {movimento::parte, "0002"},
                                     {movimento::acconto, "0"},
                                     {movimento::saldo, "0"},
                                     {movimento::importo, "0"},
                                     {movimento::pulizia, "0"},
                                     {movimento::cauzione, "0"},
                                     {movimento::numero, "1"},
                                     {movimento::appartamento, "0099"}});
    });
    b.scrivi(file("clienti.dat"), clienti);
    b.scrivi(app.s.percorso_periodi, periodi);
    b.scrivi(app.s.percorso_prenotazioni, prenotazioni);
    b.scrivi(app.s.percorso_note, note);
    b.scrivi(app.s.percorso_saldi, saldi);
    app.run([&] { p().unload(); });
    apri_dal_menu();
    EXPECT_EQ(p().Text1.text(), "1201");

    prepara_prenotazione(1);  // a new client, the period of 1 to 15 August
    scrivi(p().Text20, "ARRIVO TARDI");
    app.click(p().SALVA);
    EXPECT_EQ(b.nuovi_messaggi(), Righe{});
    auto una_in_piu = [&](const std::string& percorso, const Righe& prima,
                          const std::string& inizio) {
        const Righe dopo = b.leggi(percorso);
        ASSERT_EQ(dopo.size(), prima.size() + 1) << percorso;
        EXPECT_TRUE(std::equal(prima.begin(), prima.end(), dopo.begin())) << percorso;
        EXPECT_TRUE(dopo.back().starts_with(inizio)) << dopo.back();
    };
    una_in_piu(file("clienti.dat"), clienti, "2039*NERI PIA*");
    una_in_piu(app.s.percorso_prenotazioni, prenotazioni, "0012*2039*01/08/2026*15/08/2026*");
    una_in_piu(app.s.percorso_note, note,
               test::riga_nota({{nota::testo, "ARRIVO TARDI"},
                                {nota::prenotazione, "1201"},
                                {nota::appartamento, "0012"}}));
    una_in_piu(app.s.percorso_saldi, saldi, "09/12/2026*0001*");
    EXPECT_NE(b.leggi(app.s.percorso_prenotazioni).back().find("*1201**4*"), std::string::npos)
        << "the booking points to its note";
    Righe periodi_dopo = periodi;
    periodi_dopo[3] = test::riga_periodo({{periodo::codice, "0012"},
                                          {periodo::dal, "01/08/2026"},
                                          {periodo::al, "15/08/2026"},
                                          {periodo::prezzo, "2.000,00"},
                                          {periodo::stato, "AFF"}});
    EXPECT_EQ(b.leggi(app.s.percorso_periodi), periodi_dopo);
}

TEST_F(PrenotazionePagina, SaveChecksComeBeforeAnyWrite) {
    const std::string note = b.byte(app.s.percorso_note);
    const std::string prenotazioni = b.byte(app.s.percorso_prenotazioni);
    app.click(p().SALVA);
    scegli_appartamento();
    app.click(p().SALVA);
    scrivi(p().Text8, "neri");
    app.click(p().SALVA);
    EXPECT_EQ(b.nuovi_messaggi(), (Righe{"NON E' STATO SCELTO NESSUN APPARTAMENTO !! ",
                                         "NON E' STATO INSERITO NESSUN CLIENTE !! ",
                                         "NON E' STATO SCELTO NESSUN PERIODO !! "}));

    // A value a later writer would refuse, or a departure before the
    // arrival, is refused before the note is appended.
    app.run([&] { p().cambia_Click(); });
    prepara_prenotazione();
    scrivi(p().Text20, "CULLA*SEGGIOLONE");
    app.click(p().SALVA);
    scrivi(p().Text20, "CULLA");
    p().Text6.set_text("01/07/2026");
    app.click(p().SALVA);
    // A departure on the arrival day is a stay of no nights.
    p().Text6.set_text("01/08/2026");
    app.click(p().SALVA);
    EXPECT_EQ(b.nuovi_messaggi().size(), 3u);
    EXPECT_EQ(b.messaggi().shown().back().text,
              "LA DATA DI PARTENZA DEVE ESSERE SUCCESSIVA A QUELLA DI ARRIVO.\r"
              "LA REGISTRAZIONE NON E' STATA FATTA.");
    EXPECT_EQ(b.byte(app.s.percorso_periodi), crlf(kPeriodi));
    EXPECT_EQ(b.byte(app.s.percorso_note), note);
    EXPECT_EQ(b.byte(app.s.percorso_prenotazioni), prenotazioni);

    // Mended, it is saved once; SALVA again writes and says nothing.
    p().Text6.set_text("15/08/2026");
    app.click(p().SALVA);
    ASSERT_EQ(p().Check3.value(), 1);
    const std::string salvate = b.byte(app.s.percorso_prenotazioni);
    app.click(p().SALVA);
    EXPECT_TRUE(b.nuovi_messaggi().empty());
    EXPECT_EQ(b.byte(app.s.percorso_prenotazioni), salvate);
    app.type(p().Text20, "CULLA E SEGGIOLONE");
    EXPECT_EQ(b.nuovi_messaggi().size(), 1u);  // the booking is already saved
}

// A save stopped part-way (a full disk, a journal that cannot be written)
// is finished by the next SALVA once the cause is mended: each line is
// written once, and the files end as one save leaves them.
TEST_F(PrenotazionePagina, ASaveThatCannotBeWrittenWholeWritesNothingAndTheNextOneWritesItOnce) {
    Righe periodi = kPeriodi;
    periodi[3] = test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "01/08/2026"},
                                     {periodo::al, "15/08/2026"},
                                     {periodo::prezzo, "2.000,00"},
                                     {periodo::stato, "AFF"}});
    const std::string note = crlf(
        {kNote[0], kNote[1], kNote[2],
         test::riga_nota(
             {{nota::testo, "CULLA"}, {nota::prenotazione, "3"}, {nota::appartamento, "0012"}})});
    const std::string prenotazioni = crlf({kPrenotazioni[0], kPrenotazioni[1],
                                           test::riga_prenotazione({{pren::appartamento, "0012"},
                                                                    {pren::cliente, "0041"},
                                                                    {pren::arrivo, "01/08/2026"},
                                                                    {pren::partenza, "15/08/2026"},
                                                                    {pren::affitto, "2.000,00"},
                                                                    {pren::acconto, "660,00"},
                                                                    {pren::diritti, "0,00"},
                                                                    {pren::pulizia, "0,00"},
                                                                    {pren::cauzione, "0,00"},
                                                                    {pren::chiusura, "0.00.00"},
                                                                    {pren::nota, "4"},
                                                                    {pren::periodo, "4"}})});
    const std::string saldi = crlf({kSaldi[0], kSaldi[1],
                                    test::riga_movimento({{movimento::data, "09/12/2026"},
                                                          {movimento::parte, "0001"},
                                                          {movimento::acconto, "660,00"},
                                                          {movimento::saldo, "0,00"},
                                                          {movimento::importo, "0"},
                                                          {movimento::pulizia, "0,00"},
                                                          {movimento::cauzione, "0,00"},
                                                          {movimento::numero, "3"},
                                                          {movimento::appartamento, "0012"}})});
    auto come_prima = [&] {
        EXPECT_EQ(b.byte(app.s.percorso_note), crlf(kNote));
        EXPECT_EQ(b.byte(app.s.percorso_prenotazioni), crlf(kPrenotazioni));
        EXPECT_EQ(b.byte(app.s.percorso_periodi), crlf(kPeriodi));
        EXPECT_EQ(p().Check3.value(), 0);
        EXPECT_EQ(p().Text20.text(), "CULLA");
        EXPECT_EQ(b.nuovi_messaggi().size(), 1u);
    };

    prepara_prenotazione();
    scrivi(p().Text20, "CULLA");
    {
        // Room for the note, not for the new bookings file.
        DiscoPieno pieno(200);
        app.click(p().SALVA);
    }
    come_prima();
    // The journal cannot be read: the save does not start either.
    namespace fs = std::filesystem;
    fs::rename(app.s.percorso_saldi, app.s.percorso_saldi + ".via");
    fs::create_directory(app.s.percorso_saldi);
    app.click(p().SALVA);
    come_prima();

    fs::remove(app.s.percorso_saldi);
    fs::rename(app.s.percorso_saldi + ".via", app.s.percorso_saldi);
    app.click(p().SALVA);
    EXPECT_TRUE(b.nuovi_messaggi().empty());
    EXPECT_EQ(b.byte(app.s.percorso_note), note);
    EXPECT_EQ(b.byte(app.s.percorso_prenotazioni), prenotazioni);
    EXPECT_EQ(b.byte(app.s.percorso_saldi), saldi);
    EXPECT_EQ(b.byte(app.s.percorso_periodi), crlf(periodi));

    // Complete: SALVA again writes nothing.
    app.click(p().SALVA);
    EXPECT_EQ(b.byte(app.s.percorso_saldi), saldi);
    EXPECT_TRUE(b.nuovi_messaggi().empty());
}

// A cleared page, and a form loaded hidden meanwhile, start with the flags
// at 0: an earlier note must not give the next booking a note number, and
// an earlier save must not keep the next booking from being written.
TEST_F(PrenotazionePagina, ANewPageStartsWithTheFlagsAtZero) {
    prepara_prenotazione();
    scrivi(p().Text20, "CULLA");
    app.click(p().SALVA);
    p().Check5.set_value(1);  // the receipt was printed
    app.click(p().ANNULLA);
    EXPECT_EQ(p().Check2.value() + p().Check3.value() + p().Check5.value(), 0);
    EXPECT_EQ(p().Text1.text() + "|" + p().Text8.text() + p().Text20.text() + p().Text7.text(),
              "4|");
    EXPECT_FALSE(p().List1.visible());

    scegli_appartamento();
    scrivi(p().Text8, "ROSSI");
    app.click(p().CONFERMA);
    app.pick(p().List1, 1);
    app.click(p().SALVA);
    const auto campi = plat::split(b.leggi(app.s.percorso_prenotazioni).at(3), "*");
    EXPECT_EQ(campi.at(1) + "|" + campi.at(10) + "|" + campi.at(12), "0039||5");

    p().Check5.set_value(1);
    app.click(p().ESCI);
    EXPECT_EQ(app.testo("prenotazione", "Text21"), "4");  // loads it hidden
    p().Check3.set_value(1);  // as a balance payment elsewhere leaves it
    b.scrivi(file("appartamenti.ind"),
             {test::riga_appartamento({{appartamento::codice_proprietario, "0001"},
                                       {appartamento::codice_via, "0001"},
                                       {appartamento::civico, "12"},
                                       {appartamento::tipo, "BIL"},
                                       {appartamento::soggiorno, "1"},
                                       {appartamento::bagni, "2"},
                                       {appartamento::giardino, "SI"},
                                       {appartamento::piano, "1"},
                                       {appartamento::posti_letto, "4+2"},
                                       {appartamento::periodicita, "ESTIVO"},
                                       {appartamento::codice, "12"}}),
              test::riga_appartamento({{appartamento::codice_proprietario, "0002"},
                                       {appartamento::codice_via, "0002"},
                                       {appartamento::civico, "3"},
                                       {appartamento::tipo, "MON"},
                                       {appartamento::soggiorno, "1"},
                                       {appartamento::bagni, "1"},
                                       {appartamento::giardino, "NO"},
                                       {appartamento::piano, "1"},
                                       {appartamento::posti_letto, "4"},
                                       {appartamento::periodicita, "ESTIVO"},
                                       {appartamento::codice, "0007"}}),
              test::riga_appartamento({{appartamento::codice_proprietario, "0002"},
                                       {appartamento::codice_via, "0001"},
                                       {appartamento::civico, "5"},
                                       {appartamento::tipo, "MON"},
                                       {appartamento::soggiorno, "1"},
                                       {appartamento::bagni, "1"},
                                       {appartamento::giardino, "NO"},
                                       {appartamento::piano, "1"},
                                       {appartamento::posti_letto, "2"},
                                       {appartamento::periodicita, "ESTIVO"},
                                       {appartamento::codice, "0020"}})});
    app.run([&] { carica_appartamenti(app); });
    apri_dal_menu();
    EXPECT_EQ(p().Check3.value(), 0);
    EXPECT_EQ(p().Combo1.list_count(), 3);
}

// Codes are never cut: the line of apartment 10000 books apartment 10000,
// not apartment 1000.
TEST_F(PrenotazionePagina, AFiveDigitApartmentCodeIsTakenWhole) {
    app.click(p().ESCI);
    b.scrivi(file("appartamenti.ind"),
             {test::riga_appartamento({{appartamento::codice_proprietario, "0001"},
                                       {appartamento::codice_via, "0001"},
                                       {appartamento::civico, "12"},
                                       {appartamento::tipo, "BIL"},
                                       {appartamento::soggiorno, "1"},
                                       {appartamento::bagni, "2"},
                                       {appartamento::giardino, "SI"},
                                       {appartamento::piano, "1"},
                                       {appartamento::posti_letto, "4"},
                                       {appartamento::periodicita, "ESTIVO"},
                                       {appartamento::codice, "1000"}}),
              test::riga_appartamento({{appartamento::codice_proprietario, "0002"},
                                       {appartamento::codice_via, "0002"},
                                       {appartamento::civico, "3"},
                                       {appartamento::tipo, "MON"},
                                       {appartamento::soggiorno, "1"},
                                       {appartamento::bagni, "1"},
                                       {appartamento::giardino, "NO"},
                                       {appartamento::piano, "1"},
                                       {appartamento::posti_letto, "4"},
                                       {appartamento::periodicita, "ESTIVO"},
                                       {appartamento::codice, "10000"}})});
    b.scrivi(app.s.percorso_periodi, {test::riga_periodo({{periodo::codice, "1000"},
                                                          {periodo::dal, "01/07/2026"},
                                                          {periodo::al, "15/07/2026"},
                                                          {periodo::prezzo, "1.500,00"},
                                                          {periodo::stato, "LIB"}}),
                                      test::riga_periodo({{periodo::codice, "10000"},
                                                          {periodo::dal, "01/08/2026"},
                                                          {periodo::al, "15/08/2026"},
                                                          {periodo::prezzo, "900,00"},
                                                          {periodo::stato, "LIB"}})});
    app.run([&] { carica_appartamenti(app); });
    apri_dal_menu();
    ASSERT_EQ(p().Combo1.item(1), "10000-CORSO ITALIA");
    scegli_appartamento(1);
    EXPECT_EQ(p().Text7.text() + "|" + p().Text3.text(), "10000|BIANCHI ANNA");
    ASSERT_EQ(p().List1.list_count(), 1);
    EXPECT_EQ(p().List1.item(0), "01/08/2026 - 15/08/2026");
}

TEST_F(PrenotazionePagina, LeavingAnUnsavedPage) {
    app.click(p().ESCI);  // untouched: straight back to the menu
    EXPECT_TRUE(b.nuovi_messaggi().empty());
    EXPECT_TRUE(app.form("MENU")->is_visible());
    apri_dal_menu();

    // Cancel clears the page after ANNULLA's own question and stays.
    scegli_appartamento();
    b.messaggi().answer(plat::Answer::Cancel);
    b.messaggi().answer(plat::Answer::No);
    app.click(p().ESCI);
    EXPECT_EQ(b.nuovi_messaggi().size(), 2u);
    EXPECT_EQ(b.messaggi().shown().back().title, "USCITA DALLA PRENOTAZIONE ");
    EXPECT_TRUE(p().is_visible());
    EXPECT_EQ(p().Text7.text(), "");

    // Yes with a save that cannot be made keeps the page to be completed.
    scegli_appartamento();
    b.messaggi().answer(plat::Answer::Yes);
    app.click(p().ESCI);
    EXPECT_EQ(b.nuovi_messaggi().back(), "NON E' STATO INSERITO NESSUN CLIENTE !! ");
    EXPECT_EQ(p().Text7.text(), "0012");

    b.messaggi().answer(plat::Answer::No);
    app.click(p().ESCI);
    EXPECT_FALSE(p().is_loaded());
    EXPECT_EQ(b.leggi(app.s.percorso_prenotazioni).size(), 2u);
}

TEST_F(PrenotazionePagina, FreePeriodsAndTheirDates) {
    // No free period: message, and the choice undone.
    p().Combo1.add_item("0099-NESSUNA");
    scegli_appartamento(2);
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"NON E' STATO TROVATO NESSUN PERIODO LIBERO !! "});
    EXPECT_TRUE(p().Combo1.visible());
    EXPECT_FALSE(p().cambia.visible());
    // After CAMBIA the second apartment lists its own periods from row 1.
    scegli_appartamento(0);
    app.click(p().cambia);
    scegli_appartamento(1);
    ASSERT_EQ(p().List1.list_count(), 1);
    EXPECT_EQ(app.s.righe_periodo[1], "3");
    app.click(p().cambia);

    prepara_prenotazione(0);  // 01/07 - 15/07
    auto data = [&](plat::TextBox& box, plat::DatePicker& cal, int g, int m) {
        app.double_click(box);
        app.pick_date(cal, plat::Date::from_dmy(g, m, 2026).value());
        return box.text() + (cal.visible() ? " calendario" : "") + "|" +
               plat::join(b.nuovi_messaggi(), "|");
    };
    EXPECT_EQ(data(p().Text5, p().DTPicker2, 15, 7), "15/07/2026|");
    EXPECT_EQ(data(p().Text5, p().DTPicker2, 20, 7),
              "15/07/2026|LA DATA SCELTA NON E' COMPRESA NEI PERIODI LIBERI");
    EXPECT_EQ(data(p().Text6, p().DTPicker1, 10, 8), "10/08/2026|");
    EXPECT_EQ(data(p().Text6, p().DTPicker1, 25, 7),
              "10/08/2026|LA DATA SCELTA  E' MAGGIORE DEL PERIODO SCELTO ");
    // After the chosen period's end in its month but inside a free period: taken.
    app.pick(p().List1, 1);  // 01/08 - 15/08
    EXPECT_EQ(data(p().Text6, p().DTPicker1, 20, 8),
              "20/08/2026|LA DATA SCELTA  E' MAGGIORE DEL PERIODO SCELTO ");
}

// Stepped to another free period, the adjuster hands that period back with
// its number: the period booked is the one shown, the one opened stays free.
TEST_F(PrenotazionePagina, ThePeriodAdjusterBooksThePeriodItShows) {
    prepara_prenotazione(1);  // 01/08 - 15/08, period 4
    app.double_click_item(p().List1, 1);
    plat::Form& mp = *app.form("ModPeriodi");
    app.click(*mp.control("VEDI"));
    app.scroll(*mp.control("HScroll1"), 5);
    app.click(*mp.control("ESCI"));
    EXPECT_EQ(p().Text28.text() + "|" + p().Text5.text() + "|" + p().Text6.text() + "|" +
                  p().Text15.text(),
              "5|16/08/2026|31/08/2026|1.800,00");

    app.click(p().SALVA);
    ASSERT_EQ(p().Check3.value(), 1);
    Righe periodi = kPeriodi;
    periodi[4] = test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "16/08/2026"},
                                     {periodo::al, "31/08/2026"},
                                     {periodo::prezzo, "1.800,00"},
                                     {periodo::stato, "AFF"}});
    EXPECT_EQ(b.byte(app.s.percorso_periodi), crlf(periodi));
    EXPECT_EQ(plat::split(b.leggi(app.s.percorso_prenotazioni).back(), "*")[12], "5");
}

// The days saved are checked against the apartment's periods and bookings:
// within the chosen period and the free periods beside it, and no night of
// an open booking or of a period the owner keeps.
TEST_F(PrenotazionePagina, ASaveNeverTakesANightAlreadyTaken) {
    Righe periodi = kPeriodi;
    periodi.push_back(test::riga_periodo({{periodo::codice, "0012"},
                                          {periodo::dal, "10/08/2026"},
                                          {periodo::al, "12/08/2026"},
                                          {periodo::stato, "PROP"}}));  // period 7
    b.scrivi(app.s.percorso_periodi, periodi);
    const std::string prenotazioni = b.byte(app.s.percorso_prenotazioni);
    auto data = [&](plat::TextBox& box, plat::DatePicker& cal, int g, int m) {
        app.double_click(box);
        app.pick_date(cal, plat::Date::from_dmy(g, m, 2026).value());
    };
    auto salva = [&] {
        b.nuovi_messaggi();
        app.click(p().SALVA);
        return plat::join(b.nuovi_messaggi(), "|");
    };

    prepara_prenotazione(0);  // 01/07 - 15/07: the rented 16/07 - 31/07 follows
    data(p().Text6, p().DTPicker1, 10, 8);
    EXPECT_EQ(salva(),
              "LE DATE SCELTE (DAL 01/07/2026 AL 10/08/2026) NON SONO COMPRESE NEL PERIODO SCELTO "
              "E NEI PERIODI LIBERI VICINI (DAL 01/07/2026 AL 15/07/2026) !! ");
    app.pick(p().List1, 1);  // 01/08 - 15/08
    EXPECT_EQ(salva(),
              "I GIORNI SCELTI SONO RISERVATI AL PROPRIETARIO (PERIODO N. 7 DAL "
              "10/08/2026 AL 12/08/2026) !! ");
    EXPECT_EQ(b.byte(app.s.percorso_prenotazioni), prenotazioni);
    // From the owner's last day into the free period that follows.
    data(p().Text5, p().DTPicker2, 12, 8);
    data(p().Text6, p().DTPicker1, 20, 8);
    EXPECT_EQ(salva(), "");
    ASSERT_EQ(p().Check3.value(), 1);
    app.click(p().STAMPA);
    app.click(p().ANNULLA);

    // 16/08 - 31/08 is still listed, but its first nights are let.
    scegli_appartamento();
    scrivi(p().Text8, "neri");
    app.click(p().CONFERMA);
    app.pick(p().List1, 1);
    ASSERT_EQ(p().Text5.text(), "16/08/2026");
    EXPECT_EQ(salva(),
              "I GIORNI SCELTI SONO GIA' OCCUPATI DALLA PRENOTAZIONE N. 3 (DAL "
              "12/08/2026 AL 20/08/2026) !! ");
    data(p().Text5, p().DTPicker2, 20, 8);
    EXPECT_EQ(salva(), "");
    const Righe righe = b.leggi(app.s.percorso_prenotazioni);
    ASSERT_EQ(righe.size(), 4u);
    EXPECT_TRUE(righe[2].starts_with("0012*0041*12/08/2026*20/08/2026*")) << righe[2];
    EXPECT_TRUE(righe[3].starts_with("0012*0041*20/08/2026*31/08/2026*")) << righe[3];
}

// --- registers edited by hand ----------------------------------------------------

// Line 3 is blank: it keeps its number, booking 4 stays booking 4, and the
// new booking is number 5 in its line, its note and its movement.
TEST_F(PrenotazionePagina, ABlankBookingLineKeepsEveryNumberAndTheNewBookingGoesAfterTheLast) {
    const Righe prenotazioni = {kPrenotazioni[0], kPrenotazioni[1], "", kPrenotazioni[1]};
    b.scrivi(app.s.percorso_prenotazioni, prenotazioni);
    app.run([&] { p().unload(); });
    apri_dal_menu();
    const Righe detto = b.nuovi_messaggi();
    ASSERT_EQ(detto.size(), 1u);
    EXPECT_NE(detto[0].find("HA 1 RIGA CHE IL PROGRAMMA NON SA LEGGERE (LA RIGA 3)"),
              std::string::npos)
        << detto[0];
    EXPECT_EQ(p().Text1.text(), "5");

    prepara_prenotazione(1);
    scrivi(p().Text20, "ARRIVO TARDI");
    app.click(p().SALVA);
    EXPECT_EQ(b.nuovi_messaggi(), Righe{});
    const Righe dopo = b.leggi(app.s.percorso_prenotazioni);
    ASSERT_EQ(dopo.size(), 5u);
    EXPECT_EQ(Righe(dopo.begin(), dopo.begin() + 4), prenotazioni);
    EXPECT_TRUE(dopo[4].starts_with("0012*0041*01/08/2026*15/08/2026*")) << dopo[4];
    EXPECT_EQ(b.leggi(app.s.percorso_note).back(), test::riga_nota({{nota::testo, "ARRIVO TARDI"},
                                                                    {nota::prenotazione, "5"},
                                                                    {nota::appartamento, "0012"}}));
    EXPECT_TRUE(
        b.leggi(app.s.percorso_saldi)
            .back()
            .ends_with(test::riga_nota({{nota::prenotazione, "5"}, {nota::appartamento, "0012"}})));
}

// A line of two fields and a booking with fields past the seventeen: a new
// booking writes neither, and invents no dates for the short one.
TEST_F(PrenotazionePagina, ShortAndLongBookingLinesOutliveANewBooking) {
    const Righe prenotazioni = {kPrenotazioni[0] + "*IN PIU*ANCORA", "0001*CAMPI POCHI",
                                kPrenotazioni[1]};
    b.scrivi(app.s.percorso_prenotazioni, prenotazioni);
    app.run([&] { p().unload(); });
    apri_dal_menu();
    prepara_prenotazione(1);
    scrivi(p().Text20, "ARRIVO TARDI");
    app.click(p().SALVA);
    const Righe dopo = b.leggi(app.s.percorso_prenotazioni);
    ASSERT_EQ(dopo.size(), 4u);
    EXPECT_EQ(Righe(dopo.begin(), dopo.begin() + 3), prenotazioni);
}

// Damaged lines of the periods file, one of them named by a booking: a new
// booking is saved, with no word of a deletion, and only its period changes.
TEST_F(PrenotazionePagina, DamagedPeriodLinesDoNotStopABooking) {
    Righe periodi = kPeriodi;
    periodi.insert(periodi.end(), {"", "PERIODO ROTTO"});
    b.scrivi(app.s.percorso_periodi, periodi);
    b.scrivi(app.s.percorso_prenotazioni,
             {kPrenotazioni[0], test::riga_prenotazione({{pren::appartamento, "0012"},
                                                         {pren::cliente, "0040"},
                                                         {pren::arrivo, "01/09/2026"},
                                                         {pren::partenza, "15/09/2026"},
                                                         {pren::affitto, "700,00"},
                                                         {pren::acconto, "231,00"},
                                                         {pren::diritti, "ND"},
                                                         {pren::pulizia, "ND"},
                                                         {pren::cauzione, "ND"},
                                                         {pren::chiusura, "0.00.00"},
                                                         {pren::periodo, "7"},
                                                         {pren::lenzuola, " "}})});
    app.run([&] { p().unload(); });
    apri_dal_menu();
    b.nuovi_messaggi();

    prepara_prenotazione(1);
    scrivi(p().Text20, "ARRIVO TARDI");
    app.click(p().SALVA);
    EXPECT_EQ(b.nuovi_messaggi(), Righe{});
    periodi[3] = test::riga_periodo({{periodo::codice, "0012"},
                                     {periodo::dal, "01/08/2026"},
                                     {periodo::al, "15/08/2026"},
                                     {periodo::prezzo, "2.000,00"},
                                     {periodo::stato, "AFF"}});
    EXPECT_EQ(b.leggi(app.s.percorso_periodi), periodi);
    EXPECT_EQ(b.leggi(app.s.percorso_prenotazioni).size(), 3u);
}

}  // namespace
}  // namespace ga::test
