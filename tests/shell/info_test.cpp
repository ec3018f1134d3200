// The about box: the version message, the picture show and the colour
// effects of the mouse over its link and its button.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "records/versione.h"
#include "shell/INFO.h"
#include "shell/MENU.h"
#include "support/banco.h"

namespace ga::test {
namespace {

class InfoTest : public ::testing::Test {
protected:
    InfoTest() {
        b.prepara_dati();
        app.run([&] { app.form("MENU")->show(); });
        app.click(app.form<MENU>().Command1);
    }
    INFO& info() { return app.form<INFO>(); }

    Banco b;
    App& app = b.app();
};

TEST_F(InfoTest, VersionMessageAndPictureShow) {
    app.click(info().Image2);
    const auto& box = b.messaggi().shown().back();
    // The project's version: major, then minor in two digits (1.0.0 reads 1.00).
    const std::string versione = "\rVersione " + std::to_string(kVersioneMaggiore) + "." +
                                 (kVersioneMinore < 10 ? "0" : "") +
                                 std::to_string(kVersioneMinore) + "  (beta)";
    EXPECT_TRUE(box.text.ends_with(versione)) << box.text;
    EXPECT_EQ(box.icon, plat::Icon::Exclamation);

    // Five pictures that can be told apart: the show goes round them.
    std::vector<std::string> immagini, mostrate;
    for (int i = 0; i < 5; ++i) {
        immagini.push_back(b.cartella_dati() + "immagine" + std::to_string(i) + ".bmp");
        b.scrivi(immagini.back(), {"x"});
        app.run([&] { info().control("I1", i)->set_picture(immagini.back()); });
    }
    for (int giro = 0; giro < 6; ++giro) {
        app.tick(info().Timer2);
        mostrate.push_back(info().Image1.picture());
    }
    immagini.push_back(immagini[0]);
    EXPECT_EQ(mostrate, immagini);
}

TEST_F(InfoTest, TheLinkLightsUpUnderTheMouseAndGoesBackWhenItLeaves) {
    plat::Label& link = info().Label6;
    for (auto lascia : {info().on_mouse_move, info().Label4.on_mouse_move}) {
        app.run(link.on_mouse_move);
        EXPECT_EQ(link.fore_color(), 255);
        EXPECT_TRUE(link.underline());
        app.run(lascia);
        EXPECT_EQ(link.fore_color(), 0x80000007L);
        EXPECT_FALSE(link.underline());
    }
}

}  // namespace
}  // namespace ga::test
