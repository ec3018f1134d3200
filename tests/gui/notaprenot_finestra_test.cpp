// The booking-note form in its window, with a booking picked, for a person
// to look at; reached with the keyboard, its note box adds what is typed.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include "finestre.h"
#include "support/righe.h"

namespace {

TEST(FinestraNotaPrenot, ShowsAPickedBookingWithItsNote) {
    gui_test::Finestre f;
    ga::App& app = f.app();
    ga::test::Banco& b = f.banco();
    b.prepara_dati();
    app.s.percorso_logo = b.cartella_programma() + "ICONA.BMP";
    app.s.agenzia_nome = "MARE BLU";
    b.scrivi(b.cartella_dati() + "appartamenti.ind", {ga::test::appartamento_di_rossi()});
    b.scrivi(b.cartella_dati() + "clienti.dat", {ga::test::cliente_bianchi()});
    b.scrivi(b.cartella_dati() + "noteaff2026.dat",
             {ga::test::riga_nota({{ga::nota::testo, "ARRIVO IN TARDA SERATA, CON CANE"},
                                   {ga::nota::prenotazione, "1"},
                                   {ga::nota::appartamento, "0010"}})});
    b.scrivi(b.cartella_dati() + "prenotazioni2026.dat",
             {ga::test::riga_prenotazione({{ga::pren::appartamento, "0010"},
                                           {ga::pren::cliente, "0001"},
                                           {ga::pren::arrivo, "01/07/2026"},
                                           {ga::pren::partenza, "15/07/2026"},
                                           {ga::pren::affitto, "1.500,00"},
                                           {ga::pren::acconto, "500,00"},
                                           {ga::pren::diritti, "ND"},
                                           {ga::pren::pulizia, "50,00"},
                                           {ga::pren::cauzione, "200,00"},
                                           {ga::pren::chiusura, "0.00.00"},
                                           {ga::pren::nota, "1"},
                                           {ga::pren::periodo, "3"}}),
              ga::test::riga_prenotazione({{ga::pren::appartamento, "0010"},
                                           {ga::pren::cliente, "0001"},
                                           {ga::pren::arrivo, "01/08/2026"},
                                           {ga::pren::partenza, "15/08/2026"},
                                           {ga::pren::affitto, "1.200,00"},
                                           {ga::pren::acconto, "300,00"},
                                           {ga::pren::diritti, "ND"},
                                           {ga::pren::pulizia, "50,00"},
                                           {ga::pren::cauzione, "200,00"},
                                           {ga::pren::chiusura, "0.00.00"},
                                           {ga::pren::periodo, "4"}})});
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
