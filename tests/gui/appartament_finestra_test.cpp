// The apartment card in its window, an owner with two apartments chosen
// (the list of both shown) and the period grid filled (free, rented and
// owner's rows), for a person to look at; its yes/no boxes and its floor
// box under the mouse.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "finestre.h"

namespace {

TEST(FinestraAppartament, ShowsTheCardAndTheGridOfAnApartment) {
    gui_test::Finestre f;
    ga::App& app = f.app();
    ga::test::Banco& b = f.banco();
    b.prepara_dati();
    const std::string dati = b.cartella_dati();
    b.scrivi(dati + "proprietari.IND", {"ROSSI MARIO*VIA A 1*ROMA*RM*00100*06 1*0001*RSS*PROVV*"});
    b.scrivi(dati + "Vie.dat", {"0001**VIA DEL MARE* $$"});
    b.scrivi(dati + "appartamenti.ind",
             {"0001*001*3*MON*NO*1*SI*TERRA*2*ANNUALE***0005",
              "0001*001*12*BIL*SI*1*NO*PRIMO*4*ESTIVO**VISTA MARE*0007"});
    b.scrivi(app.s.percorso_periodi,
             {"0007*01/06/2026*15/06/2026*750,00*LIB", "0007*16/06/2026*30/06/2026*900,00*LIB",
              "0007*01/07/2026*15/07/2026*1.500,00*AFF", "0007*16/07/2026*31/07/2026**PROP",
              "0007*01/08/2026*31/08/2026*12.500,00*OCC"});
    app.run([&] {
        app.s.modo_chiamata = "";
        app.form("MENU")->hide();
        app.form("appartament")->show();
    });
    app.pick(*app.form("appartament")->control("Combo1"), 0);
    // Two apartments: the last is shown, the list offers both.
    EXPECT_EQ(app.testo("appartament", "Text44"), "0007");
    EXPECT_TRUE(app.campo("appartament", "List1").visible());
    // SOGGIORNO: a click says yes, a double-click no; PIANO goes a floor up
    // at each click, and a double-click is one click.
    auto widget = [&](const char* box) {
        return f.desktop().widget(app.campo("appartament", box));
    };
    gui_test::doppio_clic(widget("Text4"));
    EXPECT_EQ(app.testo("appartament", "Text4"), "NO");
    gui_test::doppio_clic(widget("Text7"));
    EXPECT_EQ(app.testo("appartament", "Text7"), "TERRA");
    // A day typed into the end date of row 2: the date-edit bookkeeping
    // runs (the price put aside) when the box is left.
    auto* fine = widget("DTPICKER4");
    gui_test::clic(fine,
                   QPoint(fine->fontMetrics().horizontalAdvance("0") + 3, fine->height() / 2));
    QTest::keyClicks(fine, "28");
    widget("Text2")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(app.campo("appartament", "DTPICKER4").date().text(), "28/06/2026");
    EXPECT_EQ(app.testo("appartament", "prez11"), "");
    EXPECT_EQ(app.s.valore_salvato, "900,00");
    EXPECT_TRUE(f.fotografa("appartament"));
    EXPECT_TRUE(f.finestra("appartament")->isVisible());
}

}  // namespace
