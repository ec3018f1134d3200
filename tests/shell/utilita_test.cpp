// The utilities menu over the main menu: its three groups, the change of the
// management year, the archive and invoice commands, and the ways back.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "program/programma.h"
#include "shell/MENU.h"
#include "shell/utilita.h"
#include "shell/zeltra.h"
#include "sonda.h"
#include "support/banco.h"

namespace ga::test {
namespace {

class UtilitaTest : public ::testing::Test {
protected:
    UtilitaTest() {
        for (const char* nome : {"Trasferisciper", "Dest_arch", "Rec_arch", "fattura"})
            sostituisci(app, nome);
        // Started as a user does: the start form stays behind, disabled.
        b.scrivi(b.cartella_programma() + "AGENZIA.IND", {"AGENZIA MARE*VIA DEL MARE 1*LIGNANO"});
        b.scrivi(b.cartella_programma() + "cartella.txt", {b.cartella_dati() + ",$$"});
        avvia(app);
        app.click(app.form<zeltra>().AVANTI);
        app.click(m().utilit);
    }
    utilita& u() { return app.form<utilita>(); }
    MENU& m() { return app.form<MENU>(); }

    Banco b;
    App& app = b.app();
};

TEST_F(UtilitaTest, GroupsOpenOneAtATimeAndANewYearLastsUntilTheStartForm) {
    app.click(u().Command4);
    app.click(u().Command5);
    EXPECT_EQ(u().Command4.caption(), "");
    EXPECT_EQ(u().Command5.caption(), "_");
    EXPECT_FALSE(u().List1.visible());
    EXPECT_TRUE(u().List2.visible());
    app.click(u().Command7);
    EXPECT_FALSE(u().List2.visible());
    EXPECT_EQ(u().Text1.text(), "2026");

    for (const char* sbagliato : {"", "27", "20A7"}) {
        app.type(u().Text1, sbagliato);
        app.click(u().Command8);
        EXPECT_EQ(app.s.anno_gestione, "2026") << "refused: '" << sbagliato << "'";
        EXPECT_EQ(b.nuovi_messaggi(),
                  std::vector<std::string>{"L'ANNO DI GESTIONE DEVE ESSERE DI QUATTRO CIFRE !! "});
    }
    app.type(u().Text1, "2027");
    app.click(u().Command8);
    EXPECT_EQ(app.s.anno_gestione, "2027");
    EXPECT_FALSE(u().Text1.visible());
    // The group closed with the year confirmed: the next click opens it.
    app.click(u().Command7);
    EXPECT_TRUE(u().Text1.visible());

    // Back in the menu, its activation builds the year's paths.
    app.click(u().Command3);
    EXPECT_FALSE(u().is_loaded());
    EXPECT_EQ(app.active_form(), &m());
    EXPECT_EQ(app.s.percorso_periodi, b.cartella_dati() + "periodi2027.ind");
    EXPECT_EQ(m().Label15.caption(), " ANNO DI GESTIONE 2027");

    // The agency settings lead back through the start form, whose start-up
    // takes the year from the clock again.
    app.click(m().utilit);
    app.click(u().Command2);
    EXPECT_FALSE(u().is_visible());
    EXPECT_FALSE(m().is_visible());
    app.click(*app.form("PersonalizzaAgenzia")->control("ESCI"));
    EXPECT_EQ(app.active_form(), &app.form<zeltra>());
    EXPECT_EQ(app.s.anno_gestione, "2026");
}

TEST_F(UtilitaTest, AGroupHiddenByAnotherCommandOpensAtTheFirstClick) {
    app.click(u().Command4);
    ASSERT_TRUE(u().List1.visible());
    app.click(u().Command1);  // the data-folder chooser hides the lists
    app.close(*app.form("CERCA_CART"));
    app.run([&] { u().show(); });
    ASSERT_FALSE(u().List1.visible());
    app.click(u().Command4);
    EXPECT_TRUE(u().List1.visible());
}

TEST_F(UtilitaTest, ArchiveAndInvoiceCommandsAndTheFolderChooser) {
    app.click(u().Command4);
    const char* archivi[] = {"Trasferisciper", "Dest_arch", "Rec_arch"};
    for (int k = 0; k < 3; ++k) {
        app.pick(u().List1, k);
        EXPECT_TRUE(app.form(archivi[k])->is_visible());
        EXPECT_TRUE(u().is_visible() && !u().is_enabled()) << archivi[k];
        app.run([&] {
            app.form(archivi[k])->unload();
            u().set_enabled(true);
        });
    }
    app.pick(u().List1, 3);  // "Cancella archivi": nothing
    EXPECT_EQ(app.active_form(), &u());

    app.click(u().Command5);
    app.pick(u().List2, 2);  // "Incassa fattura": nothing
    EXPECT_EQ(app.active_form(), &u());
    app.pick(u().List2, 0);
    Sonda& fattura = sonda(app, "fattura");
    EXPECT_EQ(fattura.operazione, "PROPRIETARI");
    EXPECT_EQ(fattura.control("Label16")->caption(), "PROPRIETARI");
    EXPECT_EQ(fattura.caption(), "FATTURA AL PROPRIETARIO");
    EXPECT_TRUE(fattura.menu_visibile && !fattura.menu_abilitato);
    EXPECT_FALSE(u().is_visible());
    app.run([&] {
        fattura.hide();
        u().show();
    });
    EXPECT_TRUE(u().List2.visible()) << "it comes back as it was left";

    app.click(u().Command1);
    plat::Form& cerca = *app.form("CERCA_CART");
    EXPECT_TRUE(cerca.is_visible());
    EXPECT_FALSE(u().is_visible());
    app.navigate(*cerca.control("Dir1"), "/");
    EXPECT_EQ(cerca.control("Text1")->text(), "//") << "the separator is added to the root too";
}

}  // namespace
}  // namespace ga::test
