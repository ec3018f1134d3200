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
inline const Righe kPeriodi = {"0012*01/07/2026*15/07/2026*1.500,00*LIB",    // 1
                               "0012*16/07/2026*31/07/2026*1.200,00*AFF",    // 2
                               "0007*01/07/2026*31/07/2026*900,00*LIB",      // 3
                               "0012*01/08/2026*15/08/2026*2.000,00* LIB ",  // 4
                               "0012*16/08/2026*31/08/2026*1.800,00*LIB",    // 5
                               "0007*01/08/2026*31/08/2026*950,00*AFF"};     // 6
inline const Righe kPrenotazioni = {
    "0007*0039*01/06/2026*15/06/2026*800,00*264,00*0,00*0,00*0,00*0.00.00*1**3**** ",
    "0012*0040*01/09/2026*15/09/2026*700,00*231,00*ND*ND*ND*0.00.00******* "};
inline const Righe kNote = {"CULLA*1*0007", "", "CANE PICCOLO*9*0012"};
inline const Righe kSaldi = {"01/05/2026*0002*264,00*0*0*0*0*1*0007",
                             "02/05/2026*0001*231,00*0*0*0*0*2*0012"};

class PaginaPrenotazione : public ::testing::Test {
protected:
    void SetUp() override {
        b.prepara_dati();
        const std::string d = b.cartella_dati();
        b.scrivi(d + "Vie.dat", {"0001**VIA MARE* $$", "0002**CORSO ITALIA* $$"});
        b.scrivi(d + "proprietari.IND",
                 {"ROSSI MARIO*VIA ROMA 1*LECCE*LE*73100*0832111*0001*RSSMRA*PROVV*r@x.it",
                  "BIANCHI ANNA*VIA MARE 2*BARI*BA*70100*080222*0002*BNCNNA*CONTR*b@x.it"});
        // Apartment "12" (code not padded in the file) with 4+2 bed places,
        // apartment 0007 with 4.
        b.scrivi(d + "appartamenti.ind", {"0001*0001*12*BIL*1*2*SI*1*4+2*ESTIVO***12",
                                          "0002*0002*3*MON*1*1*NO*1*4*ESTIVO***0007"});
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
