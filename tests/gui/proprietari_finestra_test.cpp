// The owners form in its window, browsing a stored owner, for a person to look at.
#include <gtest/gtest.h>

#include <QWidget>

#include "finestre.h"

namespace {

TEST(FinestraPROPRIETARI, ShowsAStoredOwnerWhileBrowsing) {
    gui_test::Finestre f;
    ga::App& app = f.app();
    f.banco().prepara_dati();
    app.s.percorso_logo = f.banco().cartella_programma() + "ICONA.BMP";
    f.banco().scrivi(f.banco().cartella_dati() + "proprietari.IND",
                     {"ROSSI MARIO*VIA ROMA 1*BARI*BA*70100*080111*0001*RSSMRA*PROVV*r@x.it",
                      "BIANCHI ANNA*VIA MARE 2*GRESSONEY-LA-TRINITÉ*AO*11020*0125*0002**CONTR*"});
    app.form("PROPRIETARI")->show();
    app.click(*app.form("PROPRIETARI")->control("VediForn"));
    app.scroll(*app.form("PROPRIETARI")->control("HScroll1"), 2);
    EXPECT_TRUE(f.fotografa("PROPRIETARI"));
    EXPECT_TRUE(f.finestra("PROPRIETARI")->isVisible());
}

}  // namespace
