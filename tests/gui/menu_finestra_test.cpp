// The main menu, the utilities menu and the about box in real windows, each
// saved as a picture (screenshots/ under the working folder) for a person to
// look at.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <QWidget>

#include "finestre.h"
#include "program/programma.h"

namespace {

// The program started up to its start form, with an agency and a data folder.
void avvia(gui_test::Finestre& f) {
    f.banco().scrivi(f.banco().cartella_programma() + "AGENZIA.IND",
                     {"AGENZIA MARE*VIA DEL MARE 1*LIGNANO*0431 1234*01234567890*MARIO ROSSI*"
                      "333 1234567*100*10*22*200*50*info@mare.it"});
    f.banco().scrivi(f.banco().cartella_programma() + "cartella.txt",
                     {f.banco().cartella_dati() + ",$$"});
    ga::avvia(f.app());
}

QWidget* widget(gui_test::Finestre& f, const char* form, const char* control) {
    return f.desktop().widget(*f.app().form(form)->control(control));
}

// The form's window is the one the keys go to.
void attiva(gui_test::Finestre& f, const char* form) {
    QWidget* w = f.finestra(form);
    w->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(w)) << form;
}

TEST(MenuFinestra, WithTheKeyboardAloneEnterPressesAButtonAndRunsTheCommandTheArrowsReached) {
    gui_test::Finestre f;
    avvia(f);
    ga::App& app = f.app();
    attiva(f, "zeltra");
    QWidget* avanti = widget(f, "zeltra", "AVANTI");
    avanti->setFocus(Qt::TabFocusReason);
    QTest::keyClick(avanti, Qt::Key_Return);
    ASSERT_TRUE(app.form("MENU")->is_visible());

    attiva(f, "MENU");
    QWidget* prenotazioni = widget(f, "MENU", "prenotazioni");
    prenotazioni->setFocus(Qt::TabFocusReason);
    QTest::keyClick(prenotazioni, Qt::Key_Return);
    QWidget* comandi = widget(f, "MENU", "List1");
    ASSERT_TRUE(comandi->isVisible());
    EXPECT_TRUE(comandi->hasFocus()) << "the commands opened take the keys";
    for (Qt::Key tasto : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}) QTest::keyClick(comandi, tasto);
    EXPECT_TRUE(app.form("MENU")->is_visible()) << "an arrow runs no command";
    EXPECT_FALSE(app.form("visu_prenotazioni")->is_visible());
    QTest::keyClick(comandi, Qt::Key_Return);
    EXPECT_TRUE(app.form("prenotazione")->is_visible());
    EXPECT_FALSE(app.form("MENU")->is_visible());
}

TEST(MenuFinestra, ACaptionlessButtonShowsWhenItHasTheFocus) {
    gui_test::Finestre f;
    avvia(f);
    ga::App& app = f.app();
    app.click(*app.form("zeltra")->control("AVANTI"));
    app.click(*app.form("MENU")->control("utilit"));
    attiva(f, "utilita");
    QWidget* cartella = widget(f, "utilita", "Command1");
    widget(f, "utilita", "Command2")->setFocus(Qt::OtherFocusReason);
    const QImage senza = cartella->grab().toImage();
    cartella->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(cartella->hasFocus());
    EXPECT_NE(cartella->grab().toImage(), senza);
    EXPECT_TRUE(f.fotografa("utilita", "utilita_con_il_fuoco"));
}

TEST(MenuFinestra, TheMenuTheUtilitiesAndTheAboutBoxInRealWindows) {
    gui_test::Finestre f;
    ga::App& app = f.app();
    auto box = [&](const char* form, const char* control) -> plat::Control& {
        return *app.form(form)->control(control);
    };
    avvia(f);
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
