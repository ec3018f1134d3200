// The arrivals check's warnings over the menu, the bookings view and the
// availability view in their windows, with lines listed, for a person to
// look at.
#include <gtest/gtest.h>

#include <QWidget>

#include "finestre.h"

namespace {

void fotografa(const char* forma, const char* operazione, const char* primo_accesso) {
    gui_test::Finestre f;
    ga::App& app = f.app();
    ga::test::Banco& b = f.banco();
    b.prepara_dati();
    app.s.percorso_logo = b.cartella_programma() + "ICONA.BMP";
    const std::string d = b.cartella_dati();
    b.scrivi(d + "clienti.dat", {"0001*ROSSI MARIO*VIA MARE*70100*BARI*080*BA*X*",
                                 "0002*DELLA VALLE BARTOLOMEO*VIA LAGO*70100*BARI*080*BA*X*"});
    b.scrivi(d + "prenotazioni2026.dat",
             {"0010*0001*01/12/2026*15/12/2026*1.200,00*400,00*ND*50*200*0.00.00",
              "0012*0002*09/12/2026*16/12/2026*12.500,00*0,00*ND*50*200*0.00.00",
              "0011*0001*11/12/2026*18/12/2026*900,00*0*ND*50*200*20/11/2026**REVOC001"});
    b.scrivi(d + "Vie.dat", {"0001**VIA DEL MARE* $$", "0002**CORSO VITTORIO EMANUELE II* $$"});
    b.scrivi(d + "proprietari.IND", {"BIANCHI LUCIA******0001***", "VERDI GIUSEPPE******0002***"});
    b.scrivi(d + "appartamenti.ind",
             {"0001*1*12*MON***SI**2****0012", "0002*2*5*BIL***NO**4****0020"});
    b.scrivi(d + "periodi2026.ind",
             {"0012*01/08/2026*15/08/2026*650*LIB", "0020*01/08/2026*08/08/2026*1.234,56*LIB",
              "0012*16/08/2026*31/08/2026*12.000*LIB"});
    app.s.primo_accesso_menu = primo_accesso;
    app.s.operazione = operazione;
    app.run([&] { app.form(operazione[0] == 'p' ? "visu_disponib" : "MENU")->show(); });
    if (std::string(forma) == "visu_prenotazioni") app.run([&] { app.form(forma)->show(); });
    if (std::string(forma) == "visu_disponib") {
        app.click(*app.form(forma)->control("Check1"));
        app.click(*app.form(forma)->control("Command1"));
    }
    EXPECT_TRUE(f.fotografa(forma));
    EXPECT_TRUE(f.finestra(forma)->isVisible());
}

TEST(FinestraViste, ControlloentruscitWarningsOverTheMenu) {
    fotografa("controlloentruscit", "", "0");
}
TEST(FinestraViste, VisuPrenotazioniWithEveryBooking) {
    fotografa("visu_prenotazioni", "RITORNA", "1");
}
TEST(FinestraViste, VisuDisponibByPeriod) { fotografa("visu_disponib", "periodi", "1"); }

}  // namespace
