// The main menu, the utilities menu and the about box in real windows, each
// saved as a picture (screenshots/ under the working folder) for a person to
// look at.
#include <gtest/gtest.h>

#include <QWidget>

#include "finestre.h"
#include "program/programma.h"

namespace {

TEST(MenuFinestra, TheMenuTheUtilitiesAndTheAboutBoxInRealWindows) {
    gui_test::Finestre f;
    ga::App& app = f.app();
    auto box = [&](const char* form, const char* control) -> plat::Control& {
        return *app.form(form)->control(control);
    };
    f.banco().scrivi(f.banco().cartella_programma() + "AGENZIA.IND",
                     {"AGENZIA MARE*VIA DEL MARE 1*LIGNANO*0431 1234*01234567890*MARIO ROSSI*"
                      "333 1234567*100*10*22*200*50*info@mare.it"});
    f.banco().scrivi(f.banco().cartella_programma() + "cartella.txt",
                     {f.banco().cartella_dati() + ",$$"});
    ga::avvia(app);
    app.click(box("zeltra", "AVANTI"));

    // The owners' list open: its label stands higher, the list beside.
    app.click(box("MENU", "proprietar"));
    EXPECT_TRUE(f.fotografa("MENU"));
    EXPECT_TRUE(f.finestra("MENU")->isEnabled());

    app.click(box("MENU", "utilit"));
    app.click(box("utilita", "Command4"));
    EXPECT_TRUE(f.fotografa("utilita"));
    EXPECT_FALSE(f.finestra("MENU")->isEnabled());

    app.click(box("utilita", "Command3"));
    EXPECT_TRUE(f.finestra("MENU")->isEnabled());
    app.click(box("MENU", "Command1"));
    EXPECT_TRUE(f.fotografa("INFO"));
    EXPECT_TRUE(f.finestra("MENU")->isEnabled());
}

}  // namespace
