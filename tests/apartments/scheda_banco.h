// The apartment card on the test bench: five owners, three streets, six
// apartments and the periods of the year, the card opened as the menu opens it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "apartments/appartament.h"
#include "support/banco.h"

namespace ga::test {

// Owners in the order of the owner list.
enum Proprietario { ROSSI, BIANCHI, VERDI, GIALLI, NERI };

inline const std::vector<std::string> kPeriodi = {
    "0007*01/07/2026*15/07/2026*1.500,00*LIB",  // row 1
    "0008*01/07/2026*31/07/2026*900,00*LIB",    // another apartment
    "0007*16/07/2026*31/07/2026*1.200,00*AFF",  // row 2
    "0007*01/08/2026*15/08/2026*0,00*LIB",      // row 3, not shown
    "0007*16/08/2026*31/08/2026**PROP",         // row 4
    "0007*01/09/2026*30/09/2026*800,00*LIB",    // row 5
    "0020*01/06/2026*15/06/2026*100,00*LIB",   "0020*16/06/2026*30/06/2026*200,00*LIB",
    "0020*01/07/2026*15/07/2026*300,00*LIB",   "0020*16/07/2026*31/07/2026*400,00*LIB"};

class BancoScheda : public ::testing::Test {
protected:
    void SetUp() override {
        b.prepara_dati();
        b.scrivi(dati("proprietari.IND"),
                 {"ROSSI MARIO*VIA A 1*ROMA*RM*00100*06 1*0001*RSS*PROVV*",
                  "BIANCHI LUCA*VIA B 2*ROMA*RM*00100*06 2*0002*BNC*CONTR*",
                  "VERDI ANNA*VIA C 3*ROMA*RM*00100*06 3*0003*VRD*PROVV*",
                  "GIALLI PIA*VIA D 4*ROMA*RM*00100*06 4*0004*GLL*PROVV*",
                  "NERI EZIO*VIA E 5*ROMA*RM*00100*06 5*0005*NRE*PROVV*"});
        b.scrivi(dati("Vie.dat"),
                 {"0001**VIA ROMANA* $$", "0002**VIA ROMA* $$", "0003**PIAZZA GARIBALDI* $$"});
        b.scrivi(dati("appartamenti.ind"),
                 {"0001*002*10*BIL*SI*1*NO*PRIMO*4*ESTIVO**VISTA MARE*0007",
                  "0002*001*5*MON*NO*1*SI*TERRA*2*ESTIVO***0008",
                  "0002*003*1*QUA*SI*2*SI*SECONDO*6*ANNUALE***0010",
                  "0002*002*3*TRI*SI*2*NO*TERZO*8****0009",
                  "0004*003*7*BIL*SI*1*NO*PRIMO*4*ESTIVO***0020",
                  "0005*001*9*MON*NO*1*NO*TERRA*2*ANNUALE***0030"});
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
