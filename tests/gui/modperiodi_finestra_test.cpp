// The free-period picker in its window, opened from the availability view
// with the scroll bar shown, for a person to look at.
#include <gtest/gtest.h>

#include <QWidget>

#include "finestre.h"
#include "support/righe.h"

namespace {

TEST(FinestraModPeriodi, ShowsAPeriodWithTheScrollBar) {
    gui_test::Finestre f;
    ga::App& app = f.app();
    f.banco().prepara_dati();
    f.banco().scrivi(app.s.percorso_periodi,
                     {ga::test::riga_periodo({{ga::periodo::codice, "0012"},
                                              {ga::periodo::dal, "01/07/2026"},
                                              {ga::periodo::al, "15/07/2026"},
                                              {ga::periodo::prezzo, "500,00"},
                                              {ga::periodo::stato, "LIB"}}),
                      ga::test::riga_periodo({{ga::periodo::codice, "0012"},
                                              {ga::periodo::dal, "16/07/2026"},
                                              {ga::periodo::al, "31/07/2026"},
                                              {ga::periodo::prezzo, "1.250,00"},
                                              {ga::periodo::stato, "LIB"}})});
    app.run([&] {
        app.imposta("ModPeriodi", "Text40", "| 002");
        app.imposta("ModPeriodi", "Text1", "0012");
        app.imposta("ModPeriodi", "Text2", "ROSSI MARIO");
        app.imposta("ModPeriodi", "Text3", "VIA DEL MARE 12");
        app.form("visu_disponib")->set_enabled(false);
        app.s.modo_chiamata = "VISUPRENOTAZIONE";
        app.form("ModPeriodi")->show();
    });
    app.click(*app.form("ModPeriodi")->control("VEDI"));
    EXPECT_TRUE(f.fotografa("ModPeriodi"));
    EXPECT_TRUE(f.finestra("ModPeriodi")->isVisible());
}

}  // namespace
