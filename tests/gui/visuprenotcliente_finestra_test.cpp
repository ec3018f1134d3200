// A client's bookings in its window, with a revoked booking picked, for a
// person to look at.
#include <gtest/gtest.h>

#include <QWidget>

#include "finestre.h"

namespace {

TEST(FinestraVisuPrenotCliente, ShowsAClientsBookingsAndARevokedOne) {
    gui_test::Finestre f;
    ga::App& app = f.app();
    ga::test::Banco& b = f.banco();
    b.prepara_dati();
    app.s.percorso_logo = b.cartella_programma() + "ICONA.BMP";
    const std::string d = b.cartella_dati();
    b.scrivi(d + "clienti.dat",
             {"0001*BIANCHI ANNA*VIA MARE 2*70100*BARI*080*BA*BNCNNA80A41A662X*"});
    b.scrivi(d + "Vie.dat", {"0001**LUNGOMARE DEI COLOMBI* $$"});
    b.scrivi(d + "proprietari.IND", {"ESPOSITO GENNARO******0003***"});
    b.scrivi(d + "appartamenti.ind", {"0003*0001*12*MON*SI*1*NO*1*4*ESTIVO***0012"});
    b.scrivi(d + "prenotazioni2026.dat",
             {"0012*0001*01/07/2026*15/07/2026*1.500,00*500,00*ND*50,00*0,00*0.00.00*1**3****",
              "0012*0001*01/08/2026*15/08/2026*0,00*300,00*50,00*50,00*200,00*10/08/"
              "2026**REVOC002*4****"});
    b.scrivi(d + "saldi2026.dat", {"05/06/2026*0003*500,00*0*50,00*0*0*1*0012",
                                   "10/08/2026*0003*-300,00*0*0*-50*-200*2*0012"});
    b.scrivi(d + "noteaff2026.dat", {"ARRIVO IN TARDA SERATA, CON CANE*1*0012"});
    app.s.operazione = "";
    plat::Form& form = *app.form("VisuPrenotCliente");
    app.run([&] { form.show(); });
    app.type(*form.control("Text1"), "BIANCHI");
    app.leave(*form.control("Text1"));
    app.pick(*form.control("List1"), 1);
    EXPECT_TRUE(f.fotografa("VisuPrenotCliente"));
    EXPECT_TRUE(f.finestra("VisuPrenotCliente")->isVisible());
}

}  // namespace
