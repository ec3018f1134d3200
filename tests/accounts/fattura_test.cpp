// The invoice form driven as a user drives it, from the menus.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "accounts/fattura.h"
#include "platform/text.h"
#include "records/percorsi.h"
#include "support/banco.h"
#include "support/righe.h"

namespace ga::test {
namespace {

using Righe = std::vector<std::string>;
using plat::Answer;

const std::string kCf = "RSSMRA80A01H501U";  // 16 characters: a person
const std::string kPiva = "01234567890";     // 11 characters: a VAT number

// A booking of the year: apartment, client, dates, rent; open unless closed.
std::string prenotazione(const std::string& cliente, const std::string& affitto,
                         const std::string& chiusura = "0.00.00", const std::string& link = "") {
    return test::riga_prenotazione({{pren::appartamento, "0012"},
                                    {pren::cliente, cliente},
                                    {pren::arrivo, "01/07/2026"},
                                    {pren::partenza, "15/07/2026"},
                                    {pren::affitto, affitto},
                                    {pren::acconto, "300,00"},
                                    {pren::diritti, "100,00"},
                                    {pren::pulizia, "50,00"},
                                    {pren::cauzione, "200,00"},
                                    {pren::chiusura, chiusura},
                                    {pren::movimento, link},
                                    {pren::periodo, "3"},
                                    {pren::letti, "0"},
                                    {pren::consumi, "0"},
                                    {pren::energia, "0"},
                                    {pren::lenzuola, "0"}});
}

class Fattura : public ::testing::Test {
protected:
    void SetUp() override {
        b.prepara_dati();
        s.primo_accesso_menu = "1";
        s.percentuale_iva = "22";
        s.agenzia_nome = "AGENZIA MARE";
        b.scrivi(dati("clienti.dat"),
                 {test::riga_cliente({{cliente::codice, "0001"},
                                      {cliente::nome, "ROSSI MARIO"},
                                      {cliente::via, "VIA ROMA 1"},
                                      {cliente::cap, "33054"},
                                      {cliente::citta, "LIGNANO"},
                                      {cliente::telefono, "0431"},
                                      {cliente::provincia, "UD"},
                                      {cliente::codice_fiscale, kCf}}),
                  test::riga_cliente({{cliente::codice, "0002"},
                                      {cliente::nome, "BIANCHI ANNA"},
                                      {cliente::via, "VIA MARE 2"},
                                      {cliente::cap, "30020"},
                                      {cliente::citta, "BIBIONE"},
                                      {cliente::telefono, "0431"},
                                      {cliente::provincia, "VE"},
                                      {cliente::codice_fiscale, kPiva}}),
                  test::riga_cliente({{cliente::codice, "0003"},
                                      {cliente::nome, "ROSSI MARIO LUIGI"},
                                      {cliente::via, "VIA PO 3"},
                                      {cliente::cap, "00100"},
                                      {cliente::citta, "ROMA"},
                                      {cliente::telefono, "06"},
                                      {cliente::provincia, "RM"},
                                      {cliente::codice_fiscale, "RSSMRL70A01H501Z"}}),
                  test::riga_cliente({{cliente::codice, "0004"},
                                      {cliente::nome, "NERI PIA"},
                                      {cliente::via, "VIA LAGO 4"},
                                      {cliente::cap, "22100"},
                                      {cliente::citta, "COMO"},
                                      {cliente::telefono, "031"},
                                      {cliente::provincia, "CO"}})});
        b.scrivi(dati("proprietari.IND"),
                 {test::riga_proprietario({{proprietario::nome, "VERDI LUCA"},
                                           {proprietario::via, "VIA SOLE 3"},
                                           {proprietario::citta, "LECCE"},
                                           {proprietario::provincia, "LE"},
                                           {proprietario::cap, "73100"},
                                           {proprietario::telefono, "0832"},
                                           {proprietario::codice, "0001"},
                                           {proprietario::codice_fiscale, kPiva},
                                           {proprietario::rapporto, "PROVV"}}),
                  test::riga_proprietario({{proprietario::nome, "BIANCHI ANNA"},
                                           {proprietario::via, "VIA MARE 2"},
                                           {proprietario::citta, "BARI"},
                                           {proprietario::provincia, "BA"},
                                           {proprietario::cap, "70100"},
                                           {proprietario::telefono, "080"},
                                           {proprietario::codice, "0002"},
                                           {proprietario::rapporto, "CONTR"}}),
                  test::riga_proprietario({{proprietario::nome, "GIALLI EVA"},
                                           {proprietario::via, "VIA LAGO 5"},
                                           {proprietario::citta, "COMO"},
                                           {proprietario::provincia, "CO"},
                                           {proprietario::cap, "22100"},
                                           {proprietario::telefono, "031"},
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
                                           {appartamento::codice, "0012"}})});
        b.scrivi(dati("Vie.dat"), {"0001**VIA DEL MARE"});
        b.scrivi(dati("prenotazioni2026.dat"),
                 {prenotazione("0001", "1.200,50"), prenotazione("0002", "700,00"),
                  prenotazione("0001", "800,99"),
                  prenotazione("0001", "0,00", "10/06/2026", "REVOC001")});
        // The advance, then the balance, of booking 1 of the owner's apartment.
        b.scrivi(dati("saldi2026.dat"),
                 {test::riga_movimento({{movimento::data, "01/06/2026"},
                                        {movimento::parte, "0001"},
                                        {movimento::acconto, "300,00"},
                                        {movimento::saldo, "100,00"},
                                        {movimento::importo, "0"},
                                        {movimento::pulizia, "50,00"},
                                        {movimento::cauzione, "200,00"},
                                        {movimento::numero, "1"},
                                        {movimento::appartamento, "0012"}}),
                  test::riga_movimento({{movimento::data, "15/07/2026"},
                                        {movimento::parte, "0001"},
                                        {movimento::acconto, "0"},
                                        {movimento::saldo, "900,50"},
                                        {movimento::importo, "0"},
                                        {movimento::pulizia, "0"},
                                        {movimento::cauzione, "0"},
                                        {movimento::numero, "1"},
                                        {movimento::appartamento, "0012"}})});
        app.run([&] { app.imposta("zeltra", "Text9", "10"); });
    }

    std::string dati(const std::string& nome) const { return b.cartella_dati() + nome; }
    std::string registro() const { return dati("fatture2026.dat"); }
    static std::string crlf(const Righe& righe) {
        std::string out;
        for (const auto& r : righe) out += r + "\r\n";
        return out;
    }

    // Opens the invoice form as the main menu does.
    fattura& dal_menu(const char* chi) {
        const bool clienti = std::string(chi) == "CLIENTI";
        app.run([&] { app.form("MENU")->show(); });
        app.click(app.campo("MENU", clienti ? "client" : "proprietar"));
        app.pick(app.campo("MENU", clienti ? "List4" : "List3"), clienti ? 2 : 5);
        return f();
    }
    fattura& f() { return app.form<fattura>(); }
    void scrivi(plat::Control& box, const std::string& testo) {
        app.type(box, testo);
        app.leave(box);
    }
    std::vector<std::string> voci(plat::Control& lista) {
        std::vector<std::string> out;
        for (int i = 0; i < lista.list_count(); ++i) out.push_back(lista.item(i));
        return out;
    }

    Banco b;
    App& app = b.app();
    Stato& s = app.s;
};

TEST_F(Fattura, AClientInvoiceFromSearchToRegisterAndBackToTheMenu) {
    fattura& x = dal_menu("CLIENTI");
    EXPECT_TRUE(x.is_visible());
    EXPECT_FALSE(app.form("MENU")->is_visible());
    EXPECT_EQ(x.caption(), "FATTURA AL CLIENTE");
    EXPECT_EQ(x.Label16.caption(), "CLIENTI");
    EXPECT_EQ(x.Text5.text(), "09/12/2026");
    EXPECT_EQ(x.Text6.text(), "0") << "the register is created empty";
    EXPECT_EQ(x.Text4.text(), "1");

    scrivi(x.Text8, "rossi m");
    // Two names begin so: the list is shown and the header stays empty.
    EXPECT_TRUE(x.List1.visible());
    EXPECT_EQ(voci(x.List1), (Righe{"ROSSI MARIO", "ROSSI MARIO LUIGI"}));
    EXPECT_EQ(x.Text8.text(), "");
    // Picking the shorter name is that client, not the one whose name it begins.
    app.pick(x.List1, 0);
    EXPECT_EQ(x.Text14.text(), "0001");
    EXPECT_EQ(x.Text8.text(), "ROSSI MARIO");
    EXPECT_EQ(x.Text10.text(), "LIGNANO 33054  (UD)");
    EXPECT_EQ(x.Check1.value(), 1);
    // Rents 1.200,50 + 800,99 + a revoked booking's 0,00, to the cent.
    EXPECT_EQ(x.Text16.text(), "3");
    EXPECT_EQ(x.Text2.text(), "2.001,49");
    EXPECT_EQ(x.Text3.text(), "440,33");
    EXPECT_EQ(x.Text13.text(), "2.441,82");

    // Passing through the name box again does not search again.
    app.leave(x.Text8);
    EXPECT_FALSE(x.List1.visible());
    EXPECT_EQ(x.Text2.text(), "2.001,49");

    scrivi(x.Text1, "AFFITTO LUGLIO");
    app.click(x.SALVA);
    EXPECT_EQ(b.byte(registro()), crlf({test::riga_fattura({{fatt::data, "09/12/2026"},
                                                            {fatt::numero, "1"},
                                                            {fatt::cliente, "0001"},
                                                            {fatt::descrizione, "AFFITTO LUGLIO"},
                                                            {fatt::imponibile, "2.001,49"},
                                                            {fatt::iva, "440,33"},
                                                            {fatt::regime, "1"},
                                                            {fatt::totale, "2.441,82"}})}));
    EXPECT_EQ(x.Check5.value(), 1);
    EXPECT_EQ(x.Text6.text(), "1");
    // Saving again writes nothing, and says why.
    app.click(x.SALVA);
    EXPECT_EQ(b.leggi(registro()).size(), 1u);
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"LA FATTURA E' GIA' STATA SALVATA."});

    b.messaggi().answer(Answer::No);  // not printed: leave all the same
    app.click(x.ESCI);
    EXPECT_EQ(b.nuovi_messaggi(),
              (Righe{"ATTENZIONE LA FATTURA NON E' STATA STAMPATA \r   VUOI STAMPARLA ORA ?  "}));
    EXPECT_FALSE(x.is_loaded());
    EXPECT_TRUE(app.form("MENU")->is_visible());

    // Opened again, the same name is a new search, and the next number is proposed.
    dal_menu("CLIENTI");
    scrivi(x.Text8, "ROSSI MARIO");
    EXPECT_EQ(x.Text14.text(), "0001");
    EXPECT_EQ(x.Text4.text(), "2");
}

TEST_F(Fattura, AnOwnerInvoiceFromTheUtilitiesCarriesTheCommissionAndGivesTheMenuBack) {
    b.scrivi(registro(), {test::riga_fattura({{fatt::data, "01/02/2026"},
                                              {fatt::numero, "1"},
                                              {fatt::cliente, "0002"},
                                              {fatt::descrizione, "VECCHIA"},
                                              {fatt::imponibile, "100,00"},
                                              {fatt::iva, "22,00"},
                                              {fatt::regime, "1"},
                                              {fatt::totale, "122,00"}})});
    app.run([&] { app.form("MENU")->show(); });
    app.click(app.campo("MENU", "utilit"));
    app.click(app.campo("utilita", "Command5"));
    app.pick(app.campo("utilita", "List2"), 0);
    fattura& x = f();
    EXPECT_EQ(x.caption(), "FATTURA AL PROPRIETARIO");
    EXPECT_EQ(s.operazione, "PROPRIETARI");
    EXPECT_EQ(x.Text4.text(), "2");

    scrivi(x.Text8, "verdi");
    EXPECT_EQ(x.Text14.text(), "1");
    EXPECT_EQ(x.Text8.text(), "VERDI LUCA");
    EXPECT_TRUE(x.SALDOPROP.visible());

    // Gross 300,00 + 900,50; commission 10% of it.
    EXPECT_EQ(x.Check2.value(), 1) << "an 11-character code is a VAT number";
    EXPECT_EQ(x.Text15.text(), "1.200,50");
    EXPECT_EQ(x.Text2.text(), "120,05");
    EXPECT_EQ(x.Text3.text(), "26,41");
    EXPECT_EQ(x.Text13.text(), "146,46");

    scrivi(x.Text1, "PROVVIGIONI 2026");
    b.messaggi().answer(Answer::Yes);  // save it now
    b.messaggi().answer(Answer::Yes);  // and print it
    app.click(x.ESCI);
    EXPECT_EQ(b.byte(registro()), crlf({test::riga_fattura({{fatt::data, "01/02/2026"},
                                                            {fatt::numero, "1"},
                                                            {fatt::cliente, "0002"},
                                                            {fatt::descrizione, "VECCHIA"},
                                                            {fatt::imponibile, "100,00"},
                                                            {fatt::iva, "22,00"},
                                                            {fatt::regime, "1"},
                                                            {fatt::totale, "122,00"}}),
                                        test::riga_fattura({{fatt::data, "09/12/2026"},
                                                            {fatt::numero, "2"},
                                                            {fatt::proprietario, "1"},
                                                            {fatt::descrizione, "PROVVIGIONI 2026"},
                                                            {fatt::imponibile, "120,05"},
                                                            {fatt::iva, "26,41"},
                                                            {fatt::regime, "2"},
                                                            {fatt::totale, "146,46"}})}));
    ASSERT_EQ(b.stampante().jobs.size(), 1u);
    const plat::PrintJob& job = b.stampante().jobs[0];
    auto cella = [&](int r, int c) {
        for (const plat::Cell& x : job.cells)
            if (x.row == r && x.column == c) return x.text;
        return std::string("-");
    };
    EXPECT_EQ(cella(12, 1), "FATTURA N° 2 DEL 09/12/2026");
    EXPECT_EQ(cella(7, 3), "VERDI LUCA");
    EXPECT_EQ(cella(21, 4), "146,46");
    EXPECT_EQ(cella(20, 4), "-") << "an empty withholding is not sent";
    EXPECT_FALSE(x.is_loaded());
    EXPECT_TRUE(app.form("MENU")->is_visible());
    EXPECT_TRUE(app.form("MENU")->is_enabled()) << "the utilities left the menu disabled";
}

// A statement drawn on the statement form, filtered, leaves a new invoice
// empty; the owner's search then takes the whole statement's figures.
TEST_F(Fattura, ANewOwnerInvoiceStartsCleanAndTakesTheUnfilteredCommission) {
    const char* e = "EstrattoContoPropr";
    app.run([&] { app.form(e)->show(); });
    app.pick(app.campo(e, "Combo1"), 0);
    app.click(app.campo(e, "Check4"));  // payouts only
    app.click(app.campo(e, "ESCI"));
    fattura& x = dal_menu("PROPRIETARI");
    for (plat::TextBox* t : {&x.Text2, &x.Text3, &x.Text13, &x.Text15})
        EXPECT_EQ(t->text(), "") << t->name();

    app.run([&] { app.form(e)->show(); });  // left behind, still filtered
    app.pick(app.campo(e, "Combo1"), 0);
    app.click(app.campo(e, "Check4"));
    app.run([&] { app.form(e)->hide(); });
    scrivi(x.Text8, "verdi");
    EXPECT_EQ(x.Text15.text(), "1.200,50");
    EXPECT_EQ(x.Text2.text(), "120,05");
}

TEST_F(Fattura, TotalsByRegimeToTheCent) {
    fattura& x = dal_menu("CLIENTI");
    scrivi(x.Text2, "1000");
    EXPECT_EQ(x.Text2.text(), "1.000,00");
    EXPECT_EQ(x.Text3.text(), "220,00");
    EXPECT_EQ(x.Text13.text(), "1.220,00");

    app.click(x.Check4);
    EXPECT_EQ(x.Text3.text(), "");
    EXPECT_EQ(x.Text13.text(), "1.000,00");

    app.click(x.Check3);  // unticks the exemption
    EXPECT_EQ(x.Check4.value(), 0);
    EXPECT_TRUE(x.ritenuta.visible());
    // Not exempt: VAT is charged, and the withholding deducted from the total.
    EXPECT_EQ(x.Text3.text(), "220,00");
    EXPECT_EQ(x.Text12.text(), "115,00");
    EXPECT_EQ(x.Text13.text(), "1.105,00");
    scrivi(x.Text2, "1.900");
    EXPECT_EQ(x.Text3.text(), "418,00");
    EXPECT_EQ(x.Text12.text(), "218,50");
    EXPECT_EQ(x.Text13.text(), "2.099,50");
    scrivi(x.Text2, "1.000");

    // Back to VAT: the withholding must not stay on the invoice.
    app.click(x.Check3);
    EXPECT_FALSE(x.ritenuta.visible());
    EXPECT_EQ(x.Text12.text(), "");
    EXPECT_EQ(x.Text3.text(), "220,00");
    EXPECT_EQ(x.Text13.text(), "1.220,00");

    // Half a cent rounds away from zero, and the total is the sum of what shows.
    app.click(x.Check3);
    scrivi(x.Text2, "1");
    EXPECT_EQ(x.Text12.text(), "0,12");
    EXPECT_EQ(x.Text13.text(), "1,10");
    app.click(x.Check3);
    scrivi(x.Text2, "0,25");
    EXPECT_EQ(x.Text3.text(), "0,06");
    EXPECT_EQ(x.Text13.text(), "0,31");

    // A rate with decimals is the rate it says, however it was typed.
    x.Label5.set_caption("22,5");
    scrivi(x.Text2, "1.000");
    EXPECT_EQ(x.Text3.text(), "225,00");

    // While typing the amount is left as typed; leaving the box formats it.
    app.type(x.Text2, "15");
    EXPECT_EQ(x.Text2.text(), "15");
    EXPECT_EQ(x.Text13.text(), "18,38");
    app.type(x.Text2, "");
    EXPECT_EQ(x.Text3.text(), "");
    EXPECT_EQ(x.Text13.text(), "") << "no taxable amount, nothing to invoice";
    EXPECT_TRUE(b.nuovi_messaggi().empty());
}

TEST_F(Fattura, TheRegimeMustSuitTheKindOfTaxCode) {
    fattura& x = dal_menu("CLIENTI");
    x.Text11.set_text(kCf);
    app.click(x.Check2);
    EXPECT_EQ(x.Check2.value(), 0);
    app.click(x.Check3);
    EXPECT_EQ(x.Check3.value(), 0);
    EXPECT_FALSE(x.ritenuta.visible());
    app.click(x.Check1);
    EXPECT_EQ(x.Check1.value(), 1);
    const auto& box = b.messaggi().shown();
    ASSERT_EQ(box.size(), 2u);
    EXPECT_EQ(box[0].text, "AL CLIENTE E' STATO INSERITO IL CODICE FISCALE");
    EXPECT_EQ(box[0].title, "CONTROLLO I.V.A.");

    x.Text11.set_text(kPiva);
    app.click(x.Check4);  // a VAT number suits the exemption; it unticks the fiscal code
    EXPECT_EQ(x.Check4.value(), 1);
    EXPECT_EQ(x.Check1.value(), 0);
    app.click(x.Check1);
    EXPECT_EQ(x.Check1.value(), 0);
    EXPECT_EQ(x.Check4.value(), 1) << "a refused tick changes nothing else";
    EXPECT_EQ(b.messaggi().shown().back().text, "AL CLIENTE E' STATO INSERITA LA PARTITA IVA");
    EXPECT_EQ(b.messaggi().shown().back().title, "CONTROLLO C.F.");

    x.Text11.set_text("");  // no code: any box passes
    app.click(x.Check3);
    EXPECT_EQ(x.Check3.value(), 1);
    EXPECT_EQ(b.messaggi().shown().size(), 3u);
}

TEST_F(Fattura, PickingANamesakeFromTheListTicksTheRegimeOfItsCode) {
    b.scrivi(dati("clienti.dat"),
             {test::riga_cliente({{cliente::codice, "0001"},
                                  {cliente::nome, "ROSSI MARIO"},
                                  {cliente::via, "VIA A"},
                                  {cliente::cap, "1"},
                                  {cliente::citta, "A"},
                                  {cliente::telefono, "0"},
                                  {cliente::provincia, "AA"},
                                  {cliente::codice_fiscale, kCf}}),
              test::riga_cliente({{cliente::codice, "0002"},
                                  {cliente::nome, "ROSSI MARIO"},
                                  {cliente::via, "VIA B"},
                                  {cliente::cap, "2"},
                                  {cliente::citta, "B"},
                                  {cliente::telefono, "0"},
                                  {cliente::provincia, "BB"},
                                  {cliente::codice_fiscale, kPiva}}),
              test::riga_cliente({{cliente::codice, "0003"},
                                  {cliente::nome, "ROSSI MARIO"},
                                  {cliente::via, "VIA C"},
                                  {cliente::cap, "3"},
                                  {cliente::citta, "C"},
                                  {cliente::telefono, "0"},
                                  {cliente::provincia, "CC"},
                                  {cliente::codice_fiscale, "123456789012"}})});
    fattura& x = dal_menu("CLIENTI");
    scrivi(x.Text8, "ROSSI");
    EXPECT_EQ(x.List1.list_count(), 3);
    app.pick(x.List1, 1);
    EXPECT_EQ(x.Text14.text(), "0002");
    EXPECT_EQ(x.Text9.text(), "VIA B");
    EXPECT_EQ(x.Check2.value(), 1);
    EXPECT_EQ(x.Check1.value(), 0) << "the first match's regime goes with it";
    EXPECT_EQ(x.Text2.text(), "700,00");
    app.click(x.ritorno);
    EXPECT_TRUE(x.List1.visible());
    EXPECT_EQ(x.Text8.text(), "");
    EXPECT_EQ(x.Text2.text(), "");
    app.pick(x.List1, 2);
    EXPECT_EQ(x.Text9.text(), "VIA C");
    for (plat::CheckBox* c : {&x.Check1, &x.Check2, &x.Check3, &x.Check4}) EXPECT_EQ(c->value(), 0);
}

TEST_F(Fattura, AMissingTaxCodeAsksAndLeavesNoAmountOfAnotherParty) {
    fattura& x = dal_menu("CLIENTI");
    scrivi(x.Text8, "ROSSI MARIO L");
    EXPECT_EQ(x.Text2.text(), "0,00") << "a client without bookings this year";
    scrivi(x.Text8, "BIANCHI");
    EXPECT_EQ(x.Text2.text(), "700,00");
    // A client without a fiscal code: the question ends the search there.
    b.messaggi().answer(Answer::Yes);
    scrivi(x.Text8, "NERI");
    EXPECT_EQ(b.nuovi_messaggi(),
              (Righe{"IL CODICE FISCALE E' ASSENTE\r   VUOI INSERIRLO ADESSO    "}));
    EXPECT_EQ(b.messaggi().shown().back().title, " FATTURAZIONE AI PROPRIETARI");
    EXPECT_EQ(x.Text8.text(), "NERI PIA");
    EXPECT_EQ(x.Text14.text(), "0004");
    EXPECT_EQ(x.Text11.back_color(), 0xC0FFFF);
    EXPECT_EQ(x.Text2.text(), "") << "not the amount of the client before";
    EXPECT_EQ(x.Check2.value(), 0);
    EXPECT_FALSE(x.cambia.visible());

    // A name nothing matches leaves no party behind to save the invoice to.
    scrivi(x.Text8, "ZORRO");
    EXPECT_EQ(b.nuovi_messaggi(),
              (Righe{"NON E' STATO TROVATO NESSUN CLIENTE !! \r CON IL NOMINATIVO INSERITO "}));
    EXPECT_EQ(x.Text11.back_color(), plat::kDefaultColor);
    scrivi(x.Text1, "X");
    scrivi(x.Text2, "100");
    app.click(x.SALVA);
    EXPECT_EQ(b.nuovi_messaggi(), (Righe{"ATTENZIONE!!! NESSUN NOMINATIVO INSERITO "}));
    EXPECT_TRUE(b.leggi(registro()).empty());
}

TEST_F(Fattura, OwnerSearchesAndPicks) {
    fattura& x = dal_menu("PROPRIETARI");
    // A single match without a tax code, answered Yes: yellow box, no
    // regime, no "cambia", and the commission is worked out all the same.
    b.messaggi().answer(Answer::Yes);
    scrivi(x.Text8, "GIALLI");
    EXPECT_EQ(b.nuovi_messaggi(),
              (Righe{"IL CODICE FISCALE E' ASSENTE\r   VUOI INSERIRLO ADESSO    "}));
    EXPECT_EQ(x.Text14.text(), "3");
    EXPECT_EQ(x.Text11.back_color(), 0xC0FFFF);
    EXPECT_FALSE(x.cambia.visible());
    for (plat::CheckBox* c : {&x.Check1, &x.Check2, &x.Check3, &x.Check4}) EXPECT_EQ(c->value(), 0);
    EXPECT_EQ(x.Text2.text(), "0,00");
    EXPECT_EQ(x.Text13.text(), "0,00");

    // "B" and "V" both begin names: the list; a contract owner picked does nothing.
    b.scrivi(dati("proprietari.IND"),
             {test::riga_proprietario({{proprietario::nome, "VERDI LUCA"},
                                       {proprietario::via, "VIA SOLE 3"},
                                       {proprietario::citta, "LECCE"},
                                       {proprietario::provincia, "LE"},
                                       {proprietario::cap, "73100"},
                                       {proprietario::telefono, "0832"},
                                       {proprietario::codice, "0001"},
                                       {proprietario::codice_fiscale, kPiva},
                                       {proprietario::rapporto, "PROVV"}}),
              test::riga_proprietario({{proprietario::nome, "VERDI LUCA"},
                                       {proprietario::via, "VIA MONTE 9"},
                                       {proprietario::citta, "BARI"},
                                       {proprietario::provincia, "BA"},
                                       {proprietario::cap, "70100"},
                                       {proprietario::telefono, "080"},
                                       {proprietario::codice, "0002"},
                                       {proprietario::codice_fiscale, kCf},
                                       {proprietario::rapporto, "CONTR"}}),
              test::riga_proprietario({{proprietario::nome, "VERDI ANNA"},
                                       {proprietario::via, "VIA LAGO 5"},
                                       {proprietario::citta, "COMO"},
                                       {proprietario::provincia, "CO"},
                                       {proprietario::cap, "22100"},
                                       {proprietario::telefono, "031"},
                                       {proprietario::codice, "0003"},
                                       {proprietario::codice_fiscale, kCf},
                                       {proprietario::rapporto, "PROVV"}})});
    app.run([&] { app.form("PROPRIETARI")->unload(); });  // the owners table read again
    scrivi(x.Text8, "VERDI");
    EXPECT_TRUE(x.List1.visible());
    EXPECT_EQ(voci(x.List1), (Righe{"VERDI LUCA", "VERDI LUCA", "VERDI ANNA"}));
    EXPECT_EQ(x.Text8.text(), "");
    EXPECT_EQ(x.Text15.text(), "1.200,50") << "the first match's statement";
    app.pick(x.List1, 1);
    EXPECT_EQ(x.Text8.text(), "");
    EXPECT_TRUE(x.List1.visible());
    EXPECT_EQ(x.Text2.text(), "") << "no amount stays for a party not shown";
    app.pick(x.List1, 2);
    EXPECT_EQ(x.Text14.text(), "3");
    EXPECT_EQ(x.Text10.text(), "22100 COMO CO");
    EXPECT_EQ(x.Check1.value(), 1);
    EXPECT_EQ(x.Text2.text(), "0,00") << "no rents for this owner";
    app.click(x.ritorno);
    app.pick(x.List1, 0);
    EXPECT_EQ(x.Text14.text(), "1");
    EXPECT_EQ(x.Text2.text(), "120,05");
    EXPECT_TRUE(b.nuovi_messaggi().empty());
}

TEST_F(Fattura, AReopenedInvoiceShowsWhatWasStoredAndIsNotSavedAgain) {
    const Righe registro_ = {
        test::riga_fattura({{fatt::data, "02/01/2026"},
                            {fatt::numero, "1"},
                            {fatt::cliente, "0001"},
                            {fatt::descrizione, "A"},
                            {fatt::imponibile, "10,00"},
                            {fatt::iva, "2,20"},
                            {fatt::regime, "1"},
                            {fatt::totale, "12,20"}}),
        test::riga_fattura({{fatt::data, "03/01/2026"},
                            {fatt::numero, "2"},
                            {fatt::cliente, "0002"},
                            {fatt::descrizione, "B"},
                            {fatt::imponibile, "20,00"},
                            {fatt::iva, "4,40"},
                            {fatt::regime, "2"},
                            {fatt::totale, "24,40"}}),
        test::riga_fattura({{fatt::data, "04/01/2026"},
                            {fatt::numero, "3"},
                            {fatt::cliente, "0002"},
                            {fatt::descrizione, "AFFITTO AGOSTO"},
                            {fatt::imponibile, "1.000,00"},
                            {fatt::iva, "999,99"},
                            {fatt::regime, "2"},
                            {fatt::totale, "1.999,99"}}),
        test::riga_fattura({{fatt::data, "05/01/2026"},
                            {fatt::numero, "4"},
                            {fatt::proprietario, "1"},
                            {fatt::descrizione, "PROVVIGIONI"},
                            {fatt::imponibile, "500,00"},
                            {fatt::regime, "3"},
                            {fatt::ritenuta, "57,50"},
                            {fatt::totale, "442,50"}}),
        test::riga_movimento({{movimento::data, "06/01/2026"},
                              {movimento::parte, "5"},
                              {movimento::acconto, "0001"},
                              {movimento::importo, "E"},
                              {movimento::pulizia, "50,00"},
                              {movimento::appartamento, "50,00"}}),
    };
    b.scrivi(registro(), registro_);
    fattura& x = dal_menu("CLIENTI");
    EXPECT_EQ(x.Text4.text(), "6");
    app.click(x.cerca);
    EXPECT_FALSE(x.Text4.visible());
    EXPECT_TRUE(x.Combo1.visible());
    EXPECT_EQ(voci(x.Combo1), (Righe{"1", "2", "3", "4", "5"}));

    app.pick(x.Combo1, 2);
    EXPECT_EQ(x.Text4.text(), "3");
    EXPECT_EQ(x.Text5.text(), "04/01/2026");
    EXPECT_EQ(x.Text14.text(), "0002");
    EXPECT_EQ(x.Text8.text(), "BIANCHI ANNA");
    EXPECT_EQ(x.Text10.text(), "BIBIONE 30020  (VE)");
    EXPECT_EQ(x.Check2.value(), 1);
    EXPECT_EQ(x.Check5.value(), 1);
    EXPECT_EQ(x.Text1.text(), "AFFITTO AGOSTO");
    EXPECT_EQ(x.Text2.text(), "1.000,00");
    EXPECT_EQ(x.Text3.text(), "999,99") << "stored, not recomputed";
    EXPECT_EQ(x.Text13.text(), "1.999,99");

    // An owner invoice with withholding, reopened from the same list.
    app.click(x.cerca);
    app.pick(x.Combo1, 3);
    EXPECT_EQ(x.Text14.text(), "1");
    EXPECT_EQ(x.Check3.value(), 1);
    EXPECT_EQ(x.Check2.value(), 0);
    EXPECT_EQ(x.Text12.text(), "57,50");
    EXPECT_EQ(x.Text13.text(), "442,50");

    app.click(x.SALVA);
    EXPECT_EQ(b.byte(registro()), crlf(registro_));
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"LA FATTURA E' GIA' STATA SALVATA."});
}

TEST_F(Fattura, AReopenedClientOrOwnerInvoicePrintsThePartyTheFormShowsInOneTownLayout) {
    // Registers edited by hand, with blanks around the party's fields.
    b.scrivi(dati("clienti.dat"), {test::riga_cliente({{cliente::codice, "0001"},
                                                       {cliente::nome, " ROSSI MARIO "},
                                                       {cliente::via, "VIA ROMA 1 "},
                                                       {cliente::cap, "33054"},
                                                       {cliente::citta, "LIGNANO"},
                                                       {cliente::telefono, "0431"},
                                                       {cliente::provincia, "UD"},
                                                       {cliente::codice_fiscale, kCf + " "}})});
    b.scrivi(dati("proprietari.IND"),
             {test::riga_proprietario({{proprietario::nome, "VERDI LUCA "},
                                       {proprietario::via, "VIA SOLE 3 "},
                                       {proprietario::citta, "LECCE"},
                                       {proprietario::provincia, "LE"},
                                       {proprietario::cap, "73100"},
                                       {proprietario::telefono, "0832"},
                                       {proprietario::codice, "0001"},
                                       {proprietario::codice_fiscale, " " + kPiva},
                                       {proprietario::rapporto, "PROVV"}})});
    b.scrivi(registro(), {test::riga_fattura({{fatt::data, "05/01/2026"},
                                              {fatt::numero, "1"},
                                              {fatt::cliente, "0001"},
                                              {fatt::descrizione, "AFFITTO"},
                                              {fatt::imponibile, "100,00"},
                                              {fatt::iva, "22,00"},
                                              {fatt::regime, "1"},
                                              {fatt::totale, "122,00"}}),
                          test::riga_fattura({{fatt::data, "06/01/2026"},
                                              {fatt::numero, "2"},
                                              {fatt::proprietario, "1"},
                                              {fatt::descrizione, "PROVVIGIONI"},
                                              {fatt::imponibile, "100,00"},
                                              {fatt::iva, "22,00"},
                                              {fatt::regime, "2"},
                                              {fatt::totale, "122,00"}})});
    fattura& x = dal_menu("CLIENTI");
    for (int riga : {0, 1}) {
        app.click(x.cerca);
        app.pick(x.Combo1, riga);
        app.click(x.STAMPA);
        ASSERT_EQ(b.stampante().jobs.size(), static_cast<std::size_t>(riga + 1));
        std::map<std::pair<int, int>, std::string> celle;
        for (const plat::Cell& c : b.stampante().jobs.back().cells)
            celle[{c.row, c.column}] = c.text;
        const std::vector<std::string> stampata = {celle[{7, 3}], celle[{8, 3}], celle[{10, 3}]};
        EXPECT_EQ(stampata,
                  (Righe{x.Text8.text(), x.Text9.text(), "C.F. / P. IVA " + x.Text11.text()}))
            << "invoice " << x.Text4.text();
        // The town line is written one way for a client and an owner.
        const std::string localita = riga == 0 ? "33054 LIGNANO (UD)" : "73100 LECCE (LE)";
        EXPECT_EQ((celle[{9, 3}]), localita);
    }
}

TEST_F(Fattura, WhatIsPrintedIsTheInvoiceTheRegisterHolds) {
    b.scrivi(registro(), {test::riga_fattura({{fatt::data, "05/01/2026"},
                                              {fatt::numero, "1"},
                                              {fatt::proprietario, "1"},
                                              {fatt::descrizione, "PROVVIGIONI"},
                                              {fatt::imponibile, "1.900,00"},
                                              {fatt::iva, "418,00"},
                                              {fatt::regime, "3"},
                                              {fatt::ritenuta, "218,50"},
                                              {fatt::totale, "2.099,50"}}),
                          test::riga_fattura({{fatt::data, "06/01/2026"},
                                              {fatt::numero, "2"},
                                              {fatt::cliente, "0002"},
                                              {fatt::descrizione, "AFFITTO"},
                                              {fatt::imponibile, "1.000,00"},
                                              {fatt::regime, "4"},
                                              {fatt::totale, "1.000,00"}}),
                          test::riga_fattura({{fatt::data, "07/01/2026"},
                                              {fatt::numero, "3"},
                                              {fatt::cliente, "0002"},
                                              {fatt::descrizione, "AFFITTO AGOSTO"},
                                              {fatt::imponibile, "1.000,00"},
                                              {fatt::iva, "999,99"},
                                              {fatt::regime, "2"},
                                              {fatt::totale, "1.999,99"}})});
    s.agenzia_via = "VIA DEL PORTO 1";
    s.agenzia_citta = "LIGNANO";
    s.partita_iva = "09876543210";
    fattura& x = dal_menu("CLIENTI");
    auto pagina = [&] {
        std::map<std::pair<int, int>, std::string> celle;
        for (const plat::Cell& c : b.stampante().jobs.back().cells)
            celle[{c.row, c.column}] = c.text;
        return celle;
    };
    auto cella = [&](int r, int c) { return pagina()[{r, c}]; };
    auto stampate = [&] { return b.stampante().jobs.size(); };

    // Not saved yet: nothing leaves under a number the register does not hold.
    scrivi(x.Text8, "BIANCHI");
    scrivi(x.Text1, "AFFITTO LUGLIO");
    app.click(x.STAMPA);
    EXPECT_EQ(b.nuovi_messaggi(),
              (Righe{"LA FATTURA NON E' ANCORA REGISTRATA:\rSALVARLA PRIMA DI STAMPARLA."}));
    EXPECT_EQ(stampate(), 0u);
    app.click(x.SALVA);
    app.click(x.STAMPA);
    ASSERT_EQ(stampate(), 1u);
    EXPECT_EQ(x.Check6.value(), 1);
    EXPECT_EQ(cella(12, 1), "FATTURA N° 4 DEL 09/12/2026");
    EXPECT_EQ(cella(19, 4), "154,00");
    EXPECT_EQ(cella(21, 4), "854,00");

    // Changed after saving: the second save writes nothing, so nothing is
    // printed until the boxes hold the stored invoice again.
    const std::string salvato = b.byte(registro());
    app.click(x.Check4);
    EXPECT_EQ(x.Text13.text(), "700,00");
    app.click(x.SALVA);
    app.click(x.STAMPA);
    EXPECT_EQ(
        b.nuovi_messaggi(),
        (Righe{
            "LA FATTURA E' GIA' STATA SALVATA.",
            "I DATI A VIDEO SONO DIVERSI DA QUELLI DELLA FATTURA N. 4 REGISTRATA: LA FATTURA NON "
            "VIENE "
            "STAMPATA.\rPER EMETTERE UNA FATTURA DIVERSA USCIRE E SALVARLA COME NUOVA FATTURA."}));
    EXPECT_EQ(stampate(), 1u);
    EXPECT_EQ(b.byte(registro()), salvato);
    app.click(x.Check2);
    app.click(x.STAMPA);
    EXPECT_EQ(stampate(), 2u);

    // Withholding: VAT charged and the withholding deducted, each on its line.
    app.click(x.cerca);
    app.pick(x.Combo1, 0);
    app.click(x.STAMPA);
    ASSERT_EQ(stampate(), 3u);
    EXPECT_EQ(b.stampante().jobs.back().template_path, s.cartella_stampe + "fattura.xls");
    EXPECT_EQ(pagina(),
              (std::map<std::pair<int, int>, std::string>{
                  {{1, 2}, "AGENZIA MARE"},
                  {{2, 2}, "VIA DEL PORTO 1"},
                  {{3, 2}, "LIGNANO"},
                  {{4, 2}, "P. IVA 09876543210"},
                  {{6, 3}, "SPETT.LE"},
                  {{7, 3}, "VERDI LUCA"},
                  {{8, 3}, "VIA SOLE 3"},
                  {{9, 3}, "73100 LECCE (LE)"},
                  {{10, 3}, "C.F. / P. IVA " + kPiva},
                  {{12, 1}, "FATTURA N° 1 DEL 05/01/2026"},
                  {{14, 1}, "DESCRIZIONE DELLE PRESTAZIONI"},
                  {{15, 1}, "PROVVIGIONI"},
                  {{18, 3}, "IMPONIBILE"},
                  {{18, 4}, "1.900,00"},
                  {{19, 3}, "I.V.A. 22%"},
                  {{19, 4}, "418,00"},
                  {{20, 3}, "RITEN. D'ACC."},
                  {{20, 4}, "218,50"},
                  {{21, 3}, "TOTALE IMP."},
                  {{21, 4}, "2.099,50"},
                  {{23, 1}, "RITENUTA D'ACCONTO UGUALE AL 23% SUL 50% DELL'IMPONIBILE"}}));

    // Exempt: no VAT line at all, the exemption instead.
    app.click(x.cerca);
    app.pick(x.Combo1, 1);
    app.click(x.STAMPA);
    EXPECT_EQ(pagina().count({19, 3}) + pagina().count({19, 4}) + pagina().count({20, 3}), 0u)
        << "no VAT line, no withholding line";
    EXPECT_EQ(cella(23, 1), x.Check4.caption());
    EXPECT_EQ(cella(21, 4), "1.000,00");

    // A VAT the present rate does not give is not labelled with that rate;
    // without a printer the page is kept as a PDF and the user told where.
    b.stampante().result = {plat::PrintOutcome::SavedAsPdf, dati("fattura_2026_003.pdf"), ""};
    app.click(x.cerca);
    app.pick(x.Combo1, 2);
    app.click(x.STAMPA);
    EXPECT_EQ(cella(19, 3), "I.V.A.");
    EXPECT_EQ(b.stampante().jobs.back().pdf_path, dati("fattura_2026_003.pdf"));
    EXPECT_EQ(b.nuovi_messaggi(),
              (Righe{"NESSUNA STAMPANTE DISPONIBILE.\rLA FATTURA E' STATA SALVATA NEL FILE\r" +
                     dati("fattura_2026_003.pdf")}));
}

TEST_F(Fattura, SavingNeedsNameDescriptionAndTotal) {
    fattura& x = dal_menu("CLIENTI");
    app.click(x.SALVA);
    scrivi(x.Text8, "BIANCHI");
    app.click(x.SALVA);
    scrivi(x.Text1, "AFFITTO");
    scrivi(x.Text2, "");
    app.click(x.SALVA);
    EXPECT_EQ(b.nuovi_messaggi(), (Righe{"ATTENZIONE!!! NESSUN NOMINATIVO INSERITO ",
                                         "ATTENZIONE!!! MANCA LA DESCRIZIONE DELLE PRESTAZIONE ",
                                         "ATTENZIONE!!! MANCA L'IMPORTO FATTURATO "}));
    const auto& box = b.messaggi().shown();
    EXPECT_EQ(box[0].title, " SALVA LA  FATTURA");
    EXPECT_EQ(box[1].title, " EMISSIONE FATTURA");
    EXPECT_EQ(box[2].title, " EMISSIONE FATTURA");
    EXPECT_TRUE(b.leggi(registro()).empty());
    EXPECT_EQ(x.Check5.value(), 0);
}

TEST_F(Fattura, LeavingAnUnsavedInvoiceAsksAndKeepsItWhenTheSaveCannotBeDone) {
    fattura& x = dal_menu("CLIENTI");
    scrivi(x.Text8, "BIANCHI");
    b.messaggi().answer(Answer::Cancel);
    app.click(x.ESCI);
    EXPECT_EQ(b.nuovi_messaggi(),
              (Righe{"ATTENZIONE LA FATTURA NON E' STATA SALVATA \r   VUOI SALVARLA ORA ?  "}));
    EXPECT_TRUE(x.is_visible());
    EXPECT_EQ(x.Text8.text(), "BIANCHI ANNA");
    EXPECT_EQ(x.Text2.text(), "700,00");

    // Yes, but the description is missing: the form stays with the invoice.
    b.messaggi().answer(Answer::Yes);
    app.click(x.ESCI);
    EXPECT_EQ(b.nuovi_messaggi().size(), 2u);
    EXPECT_TRUE(x.is_visible());
    EXPECT_FALSE(app.form("MENU")->is_visible());

    // Not saved, so not printed either: the form stays; answered No twice, it goes.
    b.messaggi().answer(Answer::No);
    b.messaggi().answer(Answer::Yes);
    app.click(x.ESCI);
    EXPECT_EQ(b.nuovi_messaggi().back(),
              "LA FATTURA NON E' ANCORA REGISTRATA:\rSALVARLA PRIMA DI STAMPARLA.");
    EXPECT_TRUE(b.stampante().jobs.empty());
    EXPECT_EQ(x.Check6.value(), 0);
    EXPECT_TRUE(x.is_visible());
    b.messaggi().answer(Answer::No);
    b.messaggi().answer(Answer::No);
    app.click(x.ESCI);
    EXPECT_FALSE(x.is_loaded());
    EXPECT_TRUE(b.leggi(registro()).empty());
}

TEST_F(Fattura, TheInvoiceDateCheck) {
    fattura& x = dal_menu("CLIENTI");
    for (const char* data : {"09/12/2026", "10/12/2026", "31/12/2026"}) scrivi(x.Text5, data);
    EXPECT_TRUE(b.nuovi_messaggi().empty()) << "today or later in the year passes silently";
    EXPECT_EQ(x.Text5.text(), "31/12/2026");

    b.messaggi().answer(Answer::No);
    scrivi(x.Text5, "08/12/2026");
    EXPECT_EQ(b.nuovi_messaggi(),
              (Righe{"ATTENZIONE !!!! La data digitata è inferiore alla data "
                     "odierna \r                      Continuare Comunque ? "}));
    EXPECT_EQ(b.messaggi().shown().back().title, app.title) << "no title of its own";
    EXPECT_EQ(x.Text5.text(), "09/12/2026");
    b.messaggi().answer(Answer::Yes);
    scrivi(x.Text5, "01/12/2026");
    EXPECT_EQ(x.Text5.text(), "01/12/2026");

    // The register keeps a date for every invoice, one somebody chose: the
    // text stays for the user to mend, the focus in it, and SALVA refuses it.
    scrivi(x.Text5, "31/02/2026");
    EXPECT_EQ(b.nuovi_messaggi().back(),
              "ATTENZIONE !!!! LA DATA DIGITATA NON E' UNA DATA VALIDA ");
    EXPECT_EQ(x.Text5.text(), "31/02/2026");
    EXPECT_EQ(app.focus_request(), &x.Text5);
    scrivi(x.Text8, "ROSSI MARIO");
    app.pick(x.List1, 0);
    scrivi(x.Text1, "AFFITTO");
    app.click(x.SALVA);
    EXPECT_EQ(b.nuovi_messaggi().back(),
              "ATTENZIONE !!!! LA DATA DIGITATA NON E' UNA DATA VALIDA ");
    EXPECT_TRUE(b.leggi(registro()).empty());
    // A year of two digits is of the management year's century.
    scrivi(x.Text5, "1/12/30");
    EXPECT_EQ(b.nuovi_messaggi().back().rfind("LA DATA DELLA FATTURA E' DEL 2030:", 0), 0u);
    b.messaggi().answer(Answer::Yes);
    scrivi(x.Text5, "1/12/26");
    app.click(x.SALVA);
    EXPECT_EQ(b.leggi(registro()).at(0).substr(0, 11), "01/12/2026*");
}

// After a save, another party starts another invoice: never "saved" for an
// invoice the register does not hold.
TEST_F(Fattura, AnotherPartyAfterASaveIsANewInvoice) {
    fattura& x = dal_menu("CLIENTI");
    scrivi(x.Text8, "BIANCHI");
    scrivi(x.Text1, "AFFITTO AGOSTO");
    app.click(x.SALVA);
    ASSERT_EQ(b.leggi(registro()).size(), 1u);
    b.messaggi().answer(Answer::Yes);  // NERI has no tax code: type it
    scrivi(x.Text8, "NERI");
    EXPECT_EQ(x.Text4.text() + "|" + x.Text1.text() + "|" + x.Text2.text(), "2||");
    scrivi(x.Text11, kPiva);
    app.click(x.Check3);
    scrivi(x.Text1, "CONSULENZA");
    scrivi(x.Text2, "1000");
    EXPECT_EQ(x.Text13.text(), "1.105,00");
    b.nuovi_messaggi();
    app.click(x.SALVA);
    EXPECT_TRUE(b.nuovi_messaggi().empty());
    ASSERT_EQ(b.leggi(registro()).size(), 2u);

    // The VAT number typed for NERI is the invoice's: printed, and shown and
    // printed again when the invoice is reopened.
    auto stampato = [&] {
        std::string cf;
        for (const plat::Cell& c : b.stampante().jobs.back().cells)
            if (c.row == 10) cf = c.text;
        return cf;
    };
    app.click(x.STAMPA);
    ASSERT_EQ(b.stampante().jobs.size(), 1u);
    EXPECT_EQ(stampato(), "C.F. / P. IVA " + kPiva);
    app.click(x.cerca);
    app.pick(x.Combo1, 1);
    EXPECT_EQ(x.Text11.text(), kPiva);
    app.click(x.STAMPA);
    ASSERT_EQ(b.stampante().jobs.size(), 2u) << b.nuovi_messaggi().back();
    EXPECT_EQ(stampato(), "C.F. / P. IVA " + kPiva);
    // BIANCHI's line, whose code is on file, has no field more than before.
    EXPECT_EQ(plat::split(b.leggi(registro())[0], "*").size(), std::size_t{fatt::codice_fiscale});
}

// Invoices are numbered per calendar year of their date, each year in its
// own register: the clock set to December, then to January.
TEST_F(Fattura, AnInvoiceDatedInAnotherYearIsRefusedNamingTheYear) {
    fattura& x = dal_menu("CLIENTI");
    scrivi(x.Text5, "1/1/2027");
    EXPECT_EQ(b.nuovi_messaggi(),
              Righe{"LA DATA DELLA FATTURA E' DEL 2027: LE FATTURE SONO NUMERATE PER ANNO.\rPER "
                    "EMETTERLA CAMBIARE L'ANNO DI GESTIONE IN 2027."});
    EXPECT_EQ(x.Text5.text(), "09/12/2026");

    // On 2 January the 2026 register is over: its invoice is dated 31/12.
    b.riavvia(*plat::Date::from_dmy(2, 1, 2027));
    App& gennaio = b.app();
    gennaio.s.primo_accesso_menu = "1";
    gennaio.run([&] {
        gennaio.s.anno_gestione = "2026";
        imposta_percorsi_dati(gennaio);
        gennaio.form("MENU")->show();
    });
    gennaio.click(gennaio.campo("MENU", "client"));
    gennaio.pick(gennaio.campo("MENU", "List4"), 2);
    fattura& y = gennaio.form<fattura>();
    EXPECT_EQ(y.Text5.text(), "31/12/2026");
    EXPECT_EQ(b.nuovi_messaggi(),
              Righe{"L'ANNO DI GESTIONE 2026 E' TERMINATO: LA FATTURA E' DATATA 31/12/2026.\rPER "
                    "UNA FATTURA CON LA DATA DI OGGI CAMBIARE L'ANNO DI GESTIONE IN 2027."});
    gennaio.type(y.Text5, "02/01/2027");
    gennaio.leave(y.Text5);
    EXPECT_EQ(b.nuovi_messaggi().size(), 1u);
    EXPECT_EQ(y.Text5.text(), "31/12/2026");
}

}  // namespace
}  // namespace ga::test
