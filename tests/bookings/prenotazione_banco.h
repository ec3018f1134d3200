// The booking page on the test bench: a data folder with streets, owners,
// two apartments with their periods, clients, bookings, notes and
// movements, and the page opened from the menu as a user opens it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bookings/prenotazione.h"
#include "records/appartamenti.h"
#include "records/clienti.h"
#include "support/banco.h"
#include "support/righe.h"

namespace ga::test {

using Righe = std::vector<std::string>;

inline std::string crlf(const Righe& righe) {
    std::string out;
    for (const auto& r : righe) out += r + "\r\n";
    return out;
}

inline const Righe kClienti = {riga_cliente({{cliente::codice, "0039"},
                                             {cliente::nome, "ROSSI MARIO"},
                                             {cliente::via, "VIA ROMA 1"},
                                             {cliente::cap, "73100"},
                                             {cliente::citta, "LECCE"},
                                             {cliente::telefono, "0832111"},
                                             {cliente::provincia, "LE"},
                                             {cliente::codice_fiscale, "RSSMRA80A01E506X"},
                                             {cliente::email, "r@x.it"}}),
                               riga_cliente({{cliente::codice, "0040"},
                                             {cliente::nome, "BIANCHI ANNA"},
                                             {cliente::via, "VIA MARE 2"},
                                             {cliente::cap, "70100"},
                                             {cliente::citta, "BARI"},
                                             {cliente::telefono, "080222"},
                                             {cliente::provincia, "BA"},
                                             {cliente::codice_fiscale, "BNCNNA80A41A662X"}})};
inline const Righe kPeriodi = {test::riga_periodo({{periodo::codice, "0012"},
                                                   {periodo::dal, "01/07/2026"},
                                                   {periodo::al, "15/07/2026"},
                                                   {periodo::prezzo, "1.500,00"},
                                                   {periodo::stato, "LIB"}}),  // 1
                               test::riga_periodo({{periodo::codice, "0012"},
                                                   {periodo::dal, "16/07/2026"},
                                                   {periodo::al, "31/07/2026"},
                                                   {periodo::prezzo, "1.200,00"},
                                                   {periodo::stato, "AFF"}}),  // 2
                               test::riga_periodo({{periodo::codice, "0007"},
                                                   {periodo::dal, "01/07/2026"},
                                                   {periodo::al, "31/07/2026"},
                                                   {periodo::prezzo, "900,00"},
                                                   {periodo::stato, "LIB"}}),  // 3
                               test::riga_periodo({{periodo::codice, "0012"},
                                                   {periodo::dal, "01/08/2026"},
                                                   {periodo::al, "15/08/2026"},
                                                   {periodo::prezzo, "2.000,00"},
                                                   {periodo::stato, " LIB "}}),  // 4
                               test::riga_periodo({{periodo::codice, "0012"},
                                                   {periodo::dal, "16/08/2026"},
                                                   {periodo::al, "31/08/2026"},
                                                   {periodo::prezzo, "1.800,00"},
                                                   {periodo::stato, "LIB"}}),  // 5
                               test::riga_periodo({{periodo::codice, "0007"},
                                                   {periodo::dal, "01/08/2026"},
                                                   {periodo::al, "31/08/2026"},
                                                   {periodo::prezzo, "950,00"},
                                                   {periodo::stato, "AFF"}})};  // 6
inline const Righe kPrenotazioni = {test::riga_prenotazione({{pren::appartamento, "0007"},
                                                             {pren::cliente, "0039"},
                                                             {pren::arrivo, "01/06/2026"},
                                                             {pren::partenza, "15/06/2026"},
                                                             {pren::affitto, "800,00"},
                                                             {pren::acconto, "264,00"},
                                                             {pren::diritti, "0,00"},
                                                             {pren::pulizia, "0,00"},
                                                             {pren::cauzione, "0,00"},
                                                             {pren::chiusura, "0.00.00"},
                                                             {pren::nota, "1"},
                                                             {pren::periodo, "3"},
                                                             {pren::lenzuola, " "}}),
                                    test::riga_prenotazione({{pren::appartamento, "0012"},
                                                             {pren::cliente, "0040"},
                                                             {pren::arrivo, "01/09/2026"},
                                                             {pren::partenza, "15/09/2026"},
                                                             {pren::affitto, "700,00"},
                                                             {pren::acconto, "231,00"},
                                                             {pren::diritti, "ND"},
                                                             {pren::pulizia, "ND"},
                                                             {pren::cauzione, "ND"},
                                                             {pren::chiusura, "0.00.00"},
                                                             {pren::lenzuola, " "}})};
inline const Righe kNote = {
    test::riga_nota(
        {{nota::testo, "CULLA"}, {nota::prenotazione, "1"}, {nota::appartamento, "0007"}}),
    "",
    test::riga_nota(
        {{nota::testo, "CANE PICCOLO"}, {nota::prenotazione, "9"}, {nota::appartamento, "0012"}})};
inline const Righe kSaldi = {test::riga_movimento({{movimento::data, "01/05/2026"},
                                                   {movimento::parte, "0002"},
                                                   {movimento::acconto, "264,00"},
                                                   {movimento::saldo, "0"},
                                                   {movimento::importo, "0"},
                                                   {movimento::pulizia, "0"},
                                                   {movimento::cauzione, "0"},
                                                   {movimento::numero, "1"},
                                                   {movimento::appartamento, "0007"}}),
                             test::riga_movimento({{movimento::data, "02/05/2026"},
                                                   {movimento::parte, "0001"},
                                                   {movimento::acconto, "231,00"},
                                                   {movimento::saldo, "0"},
                                                   {movimento::importo, "0"},
                                                   {movimento::pulizia, "0"},
                                                   {movimento::cauzione, "0"},
                                                   {movimento::numero, "2"},
                                                   {movimento::appartamento, "0012"}})};

class PaginaPrenotazione : public ::testing::Test {
protected:
    void SetUp() override {
        b.prepara_dati();
        const std::string d = b.cartella_dati();
        b.scrivi(d + "Vie.dat",
                 {test::riga_via({{vie::codice, "0001"}, {vie::nome, "VIA MARE"}}),
                  test::riga_via({{vie::codice, "0002"}, {vie::nome, "CORSO ITALIA"}})});
        b.scrivi(d + "proprietari.IND",
                 {test::riga_proprietario({{proprietario::nome, "ROSSI MARIO"},
                                           {proprietario::via, "VIA ROMA 1"},
                                           {proprietario::citta, "LECCE"},
                                           {proprietario::provincia, "LE"},
                                           {proprietario::cap, "73100"},
                                           {proprietario::telefono, "0832111"},
                                           {proprietario::codice, "0001"},
                                           {proprietario::codice_fiscale, "RSSMRA"},
                                           {proprietario::rapporto, "PROVV"},
                                           {proprietario::email, "r@x.it"}}),
                  test::riga_proprietario({{proprietario::nome, "BIANCHI ANNA"},
                                           {proprietario::via, "VIA MARE 2"},
                                           {proprietario::citta, "BARI"},
                                           {proprietario::provincia, "BA"},
                                           {proprietario::cap, "70100"},
                                           {proprietario::telefono, "080222"},
                                           {proprietario::codice, "0002"},
                                           {proprietario::codice_fiscale, "BNCNNA"},
                                           {proprietario::rapporto, "CONTR"},
                                           {proprietario::email, "b@x.it"}})});
        // Apartment "12" (code not padded in the file) with 4+2 bed places,
        // apartment 0007 with 4.
        b.scrivi(d + "appartamenti.ind",
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
                                           {appartamento::codice, "0007"}})});
        b.scrivi(d + "clienti.dat", kClienti);
        b.scrivi(app.s.percorso_periodi, kPeriodi);
        b.scrivi(app.s.percorso_prenotazioni, kPrenotazioni);
        b.scrivi(app.s.percorso_note, kNote);
        b.scrivi(app.s.percorso_saldi, kSaldi);
        app.s.percentuale_cauzione = "10";
        app.s.diritti_agenzia = "100";
        app.s.pulizia_finale = "50";
        app.s.costo_letto = "25";
        app.s.costo_lenzuola = "12.50";
        app.s.primo_accesso_menu = "1";
        app.run([&] { app.imposta("zeltra", "Text11", "150,00"); });
        apri_dal_menu();
        b.nuovi_messaggi();
    }

    void apri_dal_menu() {
        app.run([&] {
            app.form("MENU")->show();
            app.campo("MENU", "List1").set_list_index(0);
        });
    }

    prenotazione& p() { return app.form<prenotazione>(); }
    void scrivi(plat::Control& box, const std::string& testo) {
        app.type(box, testo);
        app.leave(box);
    }
    // Apartment, new client "NERI PIA" confirmed with Yes, period row `riga`.
    void scegli_appartamento(int voce = 0) { app.pick(p().Combo1, voce); }
    void nuovo_cliente() {
        scrivi(p().Text8, "neri pia");
        scrivi(p().Text9, "rssmra85t10a562s");
        scrivi(p().Text10, "via lago 3");
        scrivi(p().Text12, "ROMA");
        scrivi(p().Text13, "0832 123456");
        scrivi(p().Text30, "n@x.it");
        b.messaggi().answer(plat::Answer::Yes);
        app.click(p().CONFERMA);
    }
    void prepara_prenotazione(int riga = 1) {
        scegli_appartamento();
        nuovo_cliente();
        app.pick(p().List1, riga);
        b.nuovi_messaggi();
    }
    std::string file(const char* nome) const { return b.cartella_dati() + nome; }

    Banco b;
    App& app = b.app();
};

}  // namespace ga::test
