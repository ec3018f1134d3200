// The real program in its windows: built with scripted services over a copy
// of the shipped program folder, taken through a first start, and each window
// it meets saved as a picture (screenshots/ under the working folder) for a
// person to look at.
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <QWidget>

#include "finestre.h"
#include "program/programma.h"

namespace {

using gui_test::Finestre;

TEST(Smoke, TheFirstStartGoesFromTheStartFormToTheMenuInRealWindows) {
    Finestre f;
    ga::App& app = f.app();
    auto box = [&](const char* form, const char* control) -> plat::Control& {
        return *app.form(form)->control(control);
    };

    // First start: no agency yet, so AVANTI leads to the settings.
    ga::avvia(app);
    EXPECT_TRUE(f.fotografa("zeltra"));
    app.click(box("zeltra", "AVANTI"));
    ASSERT_EQ(f.banco().messaggi().texts(),
              std::vector<std::string>{"L'AGENZIA NON E' STATA PERSONALIZZATA"});
    EXPECT_TRUE(f.fotografa("PersonalizzaAgenzia"));
    EXPECT_FALSE(f.finestra("zeltra")->isEnabled());

    for (auto [control, text] :
         {std::pair{"Text1", "AGENZIA MARE"}, {"Text8", "100"}, {"Text9", "10"}, {"Text10", "22"}})
        app.type(box("PersonalizzaAgenzia", control), text);
    app.click(box("PersonalizzaAgenzia", "SALVA"));
    app.click(box("PersonalizzaAgenzia", "ESCI"));

    // Back at the start form; with no data folder yet the chooser opens.
    EXPECT_TRUE(f.fotografa("CERCA_CART"));
    std::string dati = f.banco().cartella_dati();
    dati.pop_back();
    app.navigate(box("CERCA_CART", "Dir1"), dati);
    app.click(box("CERCA_CART", "OK"));
    EXPECT_FALSE(app.form("CERCA_CART")->is_loaded());
    EXPECT_FALSE(f.finestra("CERCA_CART")->isVisible());

    app.click(box("zeltra", "AVANTI"));
    EXPECT_TRUE(f.fotografa("MENU"));
    EXPECT_EQ(box("MENU", "Label9").text(), "AGENZIA MARE");
    EXPECT_EQ(box("MENU", "Text1").text(), f.banco().cartella_dati());
}

}  // namespace
