// The clients form in its window, browsing a stored client, for a person to look at.
#include <gtest/gtest.h>

#include <QWidget>

#include "finestre.h"

namespace {

TEST(Finestrainsnomi, ShowsAStoredClientWhileBrowsing) {
    gui_test::Finestre f;
    ga::App& app = f.app();
    f.banco().prepara_dati();
    f.banco().scrivi(app.s.percorso_clienti,
                     {"0001*ROSSI MARIO*VIA ROMA 1*00118*ROMA*061234*RM*RSSMRA85T10A562S*r@x.it",
                      "0002*BIANCHI ANNA*VIA MARE 2*11020*GRESSONEY-LA-TRINITÉ*0125*AO**"});
    plat::Form& form = *app.form("insnomi");
    form.show();
    app.click(*form.control("VEDI"));
    app.scroll(*form.control("HScroll1"), 2);
    EXPECT_TRUE(f.fotografa("insnomi"));
    EXPECT_TRUE(f.finestra("insnomi")->isVisible());
}

}  // namespace
