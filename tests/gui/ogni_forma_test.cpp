// Every form of the program, shown as it opens in its real window at the
// fonts the set-up installs: no visible control lies outside its window (or
// its frame), and every label's text has the room it needs in its box,
// word-wrapped where the label has the height of two lines. (Every window
// test checks the same of the windows it photographs.)
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "finestre.h"

namespace {

TEST(OgniForma, EveryControlLiesInItsWindowAndEveryLabelHasRoomForItsText) {
    gui_test::Finestre f;
    ga::App& app = f.app();
    ga::test::Banco& b = f.banco();
    b.prepara_dati();
    app.s.percorso_logo = b.cartella_programma() + "ICONA.BMP";
    app.s.primo_accesso_menu = "1";
    std::vector<std::string> fuori;
    for (const std::string& nome : app.form_names()) {
        plat::Form& form = *app.form(nome);
        app.run([&] { form.show(); });
        if (app.ended()) break;
        for (std::string& riga : f.non_sta(nome.c_str())) fuori.push_back(std::move(riga));
        // As it opens, for a person to look at.
        EXPECT_TRUE(f.fotografa(nome.c_str(), nullptr, "screenshots/opening")) << nome;
        app.run([&] { form.hide(); });
    }
    EXPECT_FALSE(app.ended());
    std::string elenco;
    for (const auto& riga : fuori) elenco += riga + "\n";
    EXPECT_TRUE(fuori.empty()) << elenco;
}

}  // namespace
