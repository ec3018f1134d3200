// The apartment card on the test bench: five owners, three streets, six
// apartments and the periods of the year, the card opened as the menu opens it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "apartments/appartament.h"
#include "support/banco.h"
#include "support/righe.h"

namespace ga::test {

// Owners in the order of the owner list.
enum Proprietario { ROSSI, BIANCHI, VERDI, GIALLI, NERI };

inline const std::vector<std::string> kPeriodi = {
    test::riga_periodo({{periodo::codice, "0007"},
                        {periodo::dal, "01/07/2026"},
                        {periodo::al, "15/07/2026"},
                        {periodo::prezzo, "1.500,00"},
                        {periodo::stato, "LIB"}}),  // row 1
    test::riga_periodo({{periodo::codice, "0008"},
                        {periodo::dal, "01/07/2026"},
                        {periodo::al, "31/07/2026"},
                        {periodo::prezzo, "900,00"},
                        {periodo::stato, "LIB"}}),  // another apartment
    test::riga_periodo({{periodo::codice, "0007"},
                        {periodo::dal, "16/07/2026"},
                        {periodo::al, "31/07/2026"},
                        {periodo::prezzo, "1.200,00"},
                        {periodo::stato, "AFF"}}),  // row 2
    test::riga_periodo({{periodo::codice, "0007"},
                        {periodo::dal, "01/08/2026"},
                        {periodo::al, "15/08/2026"},
                        {periodo::prezzo, "0,00"},
                        {periodo::stato, "LIB"}}),  // row 3, not shown
    test::riga_periodo({{periodo::codice, "0007"},
                        {periodo::dal, "16/08/2026"},
                        {periodo::al, "31/08/2026"},
                        {periodo::stato, "PROP"}}),  // row 4
    test::riga_periodo({{periodo::codice, "0007"},
                        {periodo::dal, "01/09/2026"},
                        {periodo::al, "30/09/2026"},
                        {periodo::prezzo, "800,00"},
                        {periodo::stato, "LIB"}}),  // row 5
    test::riga_periodo({{periodo::codice, "0020"},
                        {periodo::dal, "01/06/2026"},
                        {periodo::al, "15/06/2026"},
                        {periodo::prezzo, "100,00"},
                        {periodo::stato, "LIB"}}),
    test::riga_periodo({{periodo::codice, "0020"},
                        {periodo::dal, "16/06/2026"},
                        {periodo::al, "30/06/2026"},
                        {periodo::prezzo, "200,00"},
                        {periodo::stato, "LIB"}}),
    test::riga_periodo({{periodo::codice, "0020"},
                        {periodo::dal, "01/07/2026"},
                        {periodo::al, "15/07/2026"},
                        {periodo::prezzo, "300,00"},
                        {periodo::stato, "LIB"}}),
    test::riga_periodo({{periodo::codice, "0020"},
                        {periodo::dal, "16/07/2026"},
                        {periodo::al, "31/07/2026"},
                        {periodo::prezzo, "400,00"},
                        {periodo::stato, "LIB"}})};

class BancoScheda : public ::testing::Test {
protected:
    void SetUp() override {
        b.prepara_dati();
        b.scrivi(dati("proprietari.IND"),
                 {test::riga_proprietario({{proprietario::nome, "ROSSI MARIO"},
                                           {proprietario::via, "VIA A 1"},
                                           {proprietario::citta, "ROMA"},
                                           {proprietario::provincia, "RM"},
                                           {proprietario::cap, "00100"},
                                           {proprietario::telefono, "06 1"},
                                           {proprietario::codice, "0001"},
                                           {proprietario::codice_fiscale, "RSS"},
                                           {proprietario::rapporto, "PROVV"}}),
                  test::riga_proprietario({{proprietario::nome, "BIANCHI LUCA"},
                                           {proprietario::via, "VIA B 2"},
                                           {proprietario::citta, "ROMA"},
                                           {proprietario::provincia, "RM"},
                                           {proprietario::cap, "00100"},
                                           {proprietario::telefono, "06 2"},
                                           {proprietario::codice, "0002"},
                                           {proprietario::codice_fiscale, "BNC"},
                                           {proprietario::rapporto, "CONTR"}}),
                  test::riga_proprietario({{proprietario::nome, "VERDI ANNA"},
                                           {proprietario::via, "VIA C 3"},
                                           {proprietario::citta, "ROMA"},
                                           {proprietario::provincia, "RM"},
                                           {proprietario::cap, "00100"},
                                           {proprietario::telefono, "06 3"},
                                           {proprietario::codice, "0003"},
                                           {proprietario::codice_fiscale, "VRD"},
                                           {proprietario::rapporto, "PROVV"}}),
                  test::riga_proprietario({{proprietario::nome, "GIALLI PIA"},
                                           {proprietario::via, "VIA D 4"},
                                           {proprietario::citta, "ROMA"},
                                           {proprietario::provincia, "RM"},
                                           {proprietario::cap, "00100"},
                                           {proprietario::telefono, "06 4"},
                                           {proprietario::codice, "0004"},
                                           {proprietario::codice_fiscale, "GLL"},
                                           {proprietario::rapporto, "PROVV"}}),
                  test::riga_proprietario({{proprietario::nome, "NERI EZIO"},
                                           {proprietario::via, "VIA E 5"},
                                           {proprietario::citta, "ROMA"},
                                           {proprietario::provincia, "RM"},
                                           {proprietario::cap, "00100"},
                                           {proprietario::telefono, "06 5"},
                                           {proprietario::codice, "0005"},
                                           {proprietario::codice_fiscale, "NRE"},
                                           {proprietario::rapporto, "PROVV"}})});
        b.scrivi(dati("Vie.dat"),
                 {test::riga_via({{vie::codice, "0001"}, {vie::nome, "VIA ROMANA"}}),
                  test::riga_via({{vie::codice, "0002"}, {vie::nome, "VIA ROMA"}}),
                  test::riga_via({{vie::codice, "0003"}, {vie::nome, "PIAZZA GARIBALDI"}})});
        b.scrivi(dati("appartamenti.ind"),
                 {test::riga_appartamento({{appartamento::codice_proprietario, "0001"},
                                           {appartamento::codice_via, "002"},
                                           {appartamento::civico, "10"},
                                           {appartamento::tipo, "BIL"},
                                           {appartamento::soggiorno, "SI"},
                                           {appartamento::bagni, "1"},
                                           {appartamento::giardino, "NO"},
                                           {appartamento::piano, "PRIMO"},
                                           {appartamento::posti_letto, "4"},
                                           {appartamento::periodicita, "ESTIVO"},
                                           {appartamento::note, "VISTA MARE"},
                                           {appartamento::codice, "0007"}}),
                  test::riga_appartamento({{appartamento::codice_proprietario, "0002"},
                                           {appartamento::codice_via, "001"},
                                           {appartamento::civico, "5"},
                                           {appartamento::tipo, "MON"},
                                           {appartamento::soggiorno, "NO"},
                                           {appartamento::bagni, "1"},
                                           {appartamento::giardino, "SI"},
                                           {appartamento::piano, "TERRA"},
                                           {appartamento::posti_letto, "2"},
                                           {appartamento::periodicita, "ESTIVO"},
                                           {appartamento::codice, "0008"}}),
                  test::riga_appartamento({{appartamento::codice_proprietario, "0002"},
                                           {appartamento::codice_via, "003"},
                                           {appartamento::civico, "1"},
                                           {appartamento::tipo, "QUA"},
                                           {appartamento::soggiorno, "SI"},
                                           {appartamento::bagni, "2"},
                                           {appartamento::giardino, "SI"},
                                           {appartamento::piano, "SECONDO"},
                                           {appartamento::posti_letto, "6"},
                                           {appartamento::periodicita, "ANNUALE"},
                                           {appartamento::codice, "0010"}}),
                  test::riga_appartamento({{appartamento::codice_proprietario, "0002"},
                                           {appartamento::codice_via, "002"},
                                           {appartamento::civico, "3"},
                                           {appartamento::tipo, "TRI"},
                                           {appartamento::soggiorno, "SI"},
                                           {appartamento::bagni, "2"},
                                           {appartamento::giardino, "NO"},
                                           {appartamento::piano, "TERZO"},
                                           {appartamento::posti_letto, "8"},
                                           {appartamento::codice, "0009"}}),
                  test::riga_appartamento({{appartamento::codice_proprietario, "0004"},
                                           {appartamento::codice_via, "003"},
                                           {appartamento::civico, "7"},
                                           {appartamento::tipo, "BIL"},
                                           {appartamento::soggiorno, "SI"},
                                           {appartamento::bagni, "1"},
                                           {appartamento::giardino, "NO"},
                                           {appartamento::piano, "PRIMO"},
                                           {appartamento::posti_letto, "4"},
                                           {appartamento::periodicita, "ESTIVO"},
                                           {appartamento::codice, "0020"}}),
                  test::riga_appartamento({{appartamento::codice_proprietario, "0005"},
                                           {appartamento::codice_via, "001"},
                                           {appartamento::civico, "9"},
                                           {appartamento::tipo, "MON"},
                                           {appartamento::soggiorno, "NO"},
                                           {appartamento::bagni, "1"},
                                           {appartamento::giardino, "NO"},
                                           {appartamento::piano, "TERRA"},
                                           {appartamento::posti_letto, "2"},
                                           {appartamento::periodicita, "ANNUALE"},
                                           {appartamento::codice, "0030"}})});
        b.scrivi(app.s.percorso_periodi, kPeriodi);
    }

    // As the menu opens the card.
    void apri() {
        app.run([&] {
            app.s.modo_chiamata = "";
            app.form("MENU")->hide();
            f.show();
        });
        b.nuovi_messaggi();
    }
    void scegli(Proprietario p) { app.pick(f.Combo1, p); }
    void scrivi_e_lascia(plat::Control& box, const std::string& testo) {
        app.type(box, testo);
        app.leave(box);
    }

    plat::Control& c(const std::string& nome) { return *f.control(nome); }
    plat::Control& dtp(int n) { return c("DTPICKER" + std::to_string(n)); }
    std::string dati(const std::string& nome) { return b.cartella_dati() + nome; }
    std::string periodi() { return b.byte(app.s.percorso_periodi); }
    static plat::Date d(int giorno, int mese) { return *plat::Date::from_dmy(giorno, mese, 2026); }
    static std::string crlf(const std::vector<std::string>& righe) {
        std::string out;
        for (const auto& r : righe) out += r + "\r\n";
        return out;
    }

    Banco b;
    App& app = b.app();
    appartament& f = app.form<appartament>();
};

}  // namespace ga::test
