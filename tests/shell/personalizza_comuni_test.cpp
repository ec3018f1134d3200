// The agency settings form's town and postal-code boxes and its list of
// candidate towns.
#include <gtest/gtest.h>

#include "platform/text.h"
#include "program/programma.h"
#include "shell/PersonalizzaAgenzia.h"
#include "shell/zeltra.h"
#include "support/banco.h"

namespace ga::test {
namespace {

class PersonalizzaComuni : public ::testing::Test {
protected:
    void SetUp() override {
        avvia(app);
        app.click(app.form<zeltra>().MODIFICA);
        ASSERT_TRUE(p().is_visible());
    }
    PersonalizzaAgenzia& p() { return app.form<PersonalizzaAgenzia>(); }
    void scrivi_e_lascia(plat::Control& box, const std::string& testo) {
        app.type(box, testo);
        app.leave(box);
    }
    void file_comuni(const std::vector<std::string>& righe) {
        b.scrivi(b.cartella_programma() + "cittaita.ind", righe);
    }
    bool caricata(const char* forma) { return app.form(forma)->is_loaded(); }

    Banco b;
    App& app = b.app();
};

TEST_F(PersonalizzaComuni, ATownTypedInLowerCaseIsFoundWithItsProvince) {
    scrivi_e_lascia(p().Text3, "rom");
    EXPECT_EQ(p().Text3.text(), "ROMA - RM");
    EXPECT_EQ(p().Text22.text(), "00118");
    EXPECT_FALSE(p().List1.visible());

    // The lookup does not wake the forms it does not serve: loading the
    // booking form would read every register of the data folder.
    EXPECT_FALSE(caricata("prenotazione"));
    EXPECT_FALSE(caricata("insnomi"));
    EXPECT_FALSE(caricata("PROPRIETARI"));
    EXPECT_FALSE(app.ended());
    EXPECT_TRUE(b.nuovi_messaggi().empty());
}

TEST_F(PersonalizzaComuni, EveryLeavingLooksUpAgain) {
    scrivi_e_lascia(p().Text3, "ROMA");
    EXPECT_EQ(app.s.chiave_comune, "Ok");
    scrivi_e_lascia(p().Text3, "MILANO");
    EXPECT_EQ(p().Text3.text(), "MILANO - MI");
    EXPECT_EQ(p().Text22.text(), "20121");
}

TEST_F(PersonalizzaComuni, ASharedPostalCodeIsPickedFromTheList) {
    file_comuni({"1*ALFA*11020*AO", "2*GRESSONEY-LA-TRINITÉ*11020*AO", "3*BETA*11020*AO",
                 "4*GAMMA*11025*AO"});
    p().Text3.set_text("VECCHIA");
    scrivi_e_lascia(p().Text22, "11020");
    ASSERT_TRUE(p().List1.visible());
    ASSERT_EQ(p().List1.list_count(), 3);
    EXPECT_EQ(p().List1.item(1), "GRESSONEY-LA-TRINITÉ     - 11020 - AO");
    EXPECT_EQ(p().Text3.text(), "");
    EXPECT_EQ(p().Text22.text(), "");

    app.pick(p().List1, 1);
    EXPECT_EQ(p().Text3.text(), "GRESSONEY-LA-TRINITÉ - AO");
    EXPECT_EQ(p().Text22.text(), "11020");
    EXPECT_FALSE(p().List1.visible());
    EXPECT_FALSE(caricata("prenotazione"));
}

TEST_F(PersonalizzaComuni, AUniquePostalCodeFillsTheTownAtOnce) {
    file_comuni({"1*ALFA*11020*AO", "2*GAMMA*11025*AO"});
    scrivi_e_lascia(p().Text22, "11025");
    EXPECT_EQ(p().Text3.text(), "GAMMA - AO") << "the town with its province, no padding";
    EXPECT_EQ(p().Text22.text(), "11025");
    EXPECT_FALSE(p().List1.visible());
}

TEST_F(PersonalizzaComuni, EmptyBoxesAreNotLookedUp) {
    p().Text22.set_text("00118");
    scrivi_e_lascia(p().Text3, "");
    EXPECT_EQ(p().Text22.text(), "00118");
    EXPECT_EQ(p().Text3.text(), "");
}

}  // namespace
}  // namespace ga::test
