// The booking form's client block: the fiscal-code box and the postal-code,
// town and province boxes with their list of candidate towns.
#include <gtest/gtest.h>

#include "bookings/prenotazione.h"
#include "platform/text.h"
#include "support/banco.h"

namespace ga::test {
namespace {

class ClienteComuni : public ::testing::Test {
protected:
    void SetUp() override {
        b.prepara_dati();
        app.run([&] { p().load(); });
        ASSERT_TRUE(p().is_loaded());
        ASSERT_FALSE(app.ended());
        b.nuovi_messaggi();
    }
    prenotazione& p() { return app.form<prenotazione>(); }
    plat::Control& box(const char* nome) { return *p().control(nome); }
    void scrivi_e_lascia(const char* nome, const std::string& testo) {
        app.type(box(nome), testo);
        app.leave(box(nome));
    }
    void file_comuni(const std::vector<std::string>& righe) {
        b.scrivi(b.cartella_programma() + "cittaita.ind", righe);
    }

    Banco b;
    App& app = b.app();
};

TEST_F(ClienteComuni, AValidFiscalCodeDoesNotExemptADifferentOne) {
    scrivi_e_lascia("Text9", "rssmra85t10a562s");
    EXPECT_EQ(box("Text9").text(), "RSSMRA85T10A562S");
    EXPECT_EQ(app.s.esito_cf, "si");
    EXPECT_TRUE(b.nuovi_messaggi().empty());

    // Leaving the same code again does not check it again.
    app.leave(box("Text9"));
    EXPECT_TRUE(b.nuovi_messaggi().empty());

    // Another code typed without clicking into the box first.
    scrivi_e_lascia("Text9", "RSSMRA85T10A563S");
    EXPECT_EQ(app.s.esito_cf, "no");
    EXPECT_EQ(b.nuovi_messaggi(), std::vector<std::string>{"CODICE FISCALE NON VALIDO"});

    // And back to the code that passed: checked again, and it passes.
    scrivi_e_lascia("Text9", "RSSMRA85T10A562S");
    EXPECT_EQ(app.s.esito_cf, "si");
    EXPECT_TRUE(b.nuovi_messaggi().empty());
}

TEST_F(ClienteComuni, ATownTypedIsFilledWithCodeAndProvince) {
    scrivi_e_lascia("Text12", "rom");
    EXPECT_EQ(box("Text12").text(), "ROMA");
    EXPECT_EQ(box("Text11").text(), "00118");
    EXPECT_EQ(box("Text14").text(), "RM");
    // The guard against "OK" never stops the next lookup.
    scrivi_e_lascia("Text12", "MILANO");
    EXPECT_EQ(box("Text11").text(), "20121");
    EXPECT_EQ(box("Text14").text(), "MI");
}

TEST_F(ClienteComuni, PassingThroughTheAddressOfAClientShownChangesNothing) {
    file_comuni({"1*ALFA*11020*AO", "2*GRESSONEY-LA-TRINITÉ*11020*AO", "3*BETA*11020*AO"});
    app.run([&] {
        box("Text11").set_text("11020");
        box("Text12").set_text("GRESSONEY-LA-TRINITÉ");
        box("Text14").set_text("AO");
    });
    // Tab into each box and out again, as the keyboard does.
    for (const char* nome : {"Text11", "Text12"}) {
        app.enter(box(nome));
        app.leave(box(nome));
    }
    EXPECT_FALSE(p().List2.visible());
    EXPECT_EQ(box("Text11").text() + "|" + box("Text12").text() + "|" + box("Text14").text(),
              "11020|GRESSONEY-LA-TRINITÉ|AO");
    EXPECT_TRUE(b.nuovi_messaggi().empty());
}

TEST_F(ClienteComuni, ASharedPostalCodeIsPickedFromTheList) {
    file_comuni({"1*ALFA*11020*AO", "2*GRESSONEY-LA-TRINITÉ*11020*AO", "3*BETA*11020*AO"});
    scrivi_e_lascia("Text11", "11020");
    ASSERT_TRUE(p().List2.visible());
    EXPECT_EQ(p().List2.list_count(), 3);
    EXPECT_EQ(box("Text12").text(), "");
    EXPECT_EQ(box("Text14").text(), "");

    app.pick(p().List2, 1);
    EXPECT_EQ(box("Text12").text(), "GRESSONEY-LA-TRINITÉ");
    EXPECT_EQ(box("Text11").text(), "11020");
    EXPECT_EQ(box("Text14").text(), "AO");
    EXPECT_FALSE(p().List2.visible());
}

TEST_F(ClienteComuni, AUniquePostalCodeGivesTheTownWithoutPaddingThatIsFoundAgain) {
    file_comuni({"1*ALFA*11020*AO", "2*GAMMA*11025*AO"});
    scrivi_e_lascia("Text11", "11025");
    EXPECT_EQ(box("Text12").text(), "GAMMA");
    EXPECT_EQ(box("Text14").text(), "AO");
    EXPECT_FALSE(p().List2.visible());

    // Leaving the town box with that name finds the same town.
    app.leave(box("Text12"));
    EXPECT_EQ(box("Text12").text(), "GAMMA");
    EXPECT_EQ(box("Text11").text(), "11025");
}

}  // namespace
}  // namespace ga::test
