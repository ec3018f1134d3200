// The booking-note form in its window, with a booking picked, for a person
// to look at; reached with the keyboard, its note box adds what is typed.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include "finestre.h"

namespace {

TEST(FinestraNotaPrenot, ShowsAPickedBookingWithItsNote) {
    gui_test::Finestre f;
    ga::App& app = f.app();
    ga::test::Banco& b = f.banco();
    b.prepara_dati();
    app.s.percorso_logo = b.cartella_programma() + "ICONA.BMP";
    app.s.agenzia_nome = "MARE BLU";
    b.scrivi(b.cartella_dati() + "appartamenti.ind",
             {"0001*0001*12*MON*SI*1*NO*1*4*ESTIVO***0010"});
    b.scrivi(b.cartella_dati() + "clienti.dat",
             {"0001*BIANCHI ANNA*VIA MARE 2*70100*BARI*080*BA*X*"});
    b.scrivi(b.cartella_dati() + "noteaff2026.dat", {"ARRIVO IN TARDA SERATA, CON CANE*1*0010"});
    b.scrivi(b.cartella_dati() + "prenotazioni2026.dat",
             {"0010*0001*01/07/2026*15/07/2026*1.500,00*500,00*ND*50,00*200,00*0.00.00*1**3****",
              "0010*0001*01/08/2026*15/08/2026*1.200,00*300,00*ND*50,00*200,00*0.00.00***4****"});
    app.run([&] { app.form("NotaPrenot")->show(); });
    plat::Control& nrich = *app.form("NotaPrenot")->control("NRICH");
    app.pick(nrich, 0);
    app.leave(nrich);
    EXPECT_TRUE(f.fotografa("NotaPrenot"));
    EXPECT_TRUE(f.finestra("NotaPrenot")->isVisible());

    // Tabbing into the note selects nothing: the keys typed go after it.
    QWidget* finestra = f.finestra("NotaPrenot");
    finestra->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(finestra));
    auto* nota =
        qobject_cast<QLineEdit*>(f.desktop().widget(*app.form("NotaPrenot")->control("Text6")));
    ASSERT_NE(nota, nullptr);
    nota->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(nota->hasFocus());
    EXPECT_FALSE(nota->hasSelectedText());
    QTest::keyClicks(nota, " - CULLA");
    EXPECT_EQ(app.testo("NotaPrenot", "Text6"), "ARRIVO IN TARDA SERATA, CON CANE - CULLA");
}

}  // namespace
