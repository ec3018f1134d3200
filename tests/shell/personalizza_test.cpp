// The agency settings form: what it shows, what leaving its boxes does, and
// what SALVA writes into the settings and bank files.
#include <gtest/gtest.h>

#include "program/programma.h"
#include "shell/PersonalizzaAgenzia.h"
#include "shell/zeltra.h"
#include "support/banco.h"

namespace ga::test {
namespace {

const std::string kAgenzia =
    "AGENZIA MARE*VIA DEL MARE 1*LIGNANO*0431 1234*01234567890*MARIO ROSSI*333 1234567*1.500,00*"
    "10*22*200,00*50,00*info@mare.it*30*33054*17*10*16*10*15*10*16*10*2*ROSSI*no*10,00*20,00";

class PersonalizzaTest : public ::testing::Test {
protected:
    void apri(const std::vector<std::string>& agenzia, const std::vector<std::string>& banche) {
        b.scrivi(prog("AGENZIA.IND"), agenzia);
        b.scrivi(prog("BANCHE.IND"), banche);
        avvia(app);
        app.click(app.form<zeltra>().MODIFICA);
    }
    PersonalizzaAgenzia& p() { return app.form<PersonalizzaAgenzia>(); }
    std::string prog(const std::string& nome) { return b.cartella_programma() + nome; }
    void scrivi_e_lascia(plat::Control& box, const std::string& testo) {
        app.type(box, testo);
        app.leave(box);
    }

    Banco b;
    App& app = b.app();
};

TEST_F(PersonalizzaTest, LoadShowsTheSettingsAndBankRecordOne) {
    apri({kAgenzia}, {"BANCA UNO,AGENZIA MARE,CC 1,ABCD,LIGNANO,IT60X0542811101000000123456,0000"});
    EXPECT_EQ(p().Text1.text(), "AGENZIA MARE");
    EXPECT_EQ(p().Text22.text(), "33054");
    EXPECT_EQ(p().Text8.text(), "1.500,00");
    EXPECT_EQ(p().Text31.text(), "10,00");
    EXPECT_EQ(p().Text14.text(), "BANCA UNO");
    EXPECT_EQ(p().Text18.text(), "ABCD");
    EXPECT_EQ(p().Text18.password_char(), "*");
    EXPECT_EQ(p().Label28.caption(), "Mostra carattere");
    EXPECT_EQ(p().Option2.value(), 1);
    EXPECT_TRUE(p().Text30.locked());
    EXPECT_EQ(p().Text30.text(), "ROSSI");
    EXPECT_EQ(p().Option5.value(), 1);
    EXPECT_TRUE(p().SALVA.visible());
}

TEST_F(PersonalizzaTest, EmptyChoicesOpenWithTheAgencyAndVatSelected) {
    apri({}, {});
    EXPECT_EQ(p().Option1.value(), 1);
    EXPECT_EQ(p().Option4.value(), 1);
    app.click(p().Option3);
    EXPECT_FALSE(p().Text30.locked()) << "Oppure opens the payee box";
    app.click(p().Option1);
    EXPECT_TRUE(p().Text30.locked());
}

TEST_F(PersonalizzaTest, LeavingBoxesFormatsChecksAndUpperCases) {
    apri({}, {});
    scrivi_e_lascia(p().Text8, "1234,5");
    EXPECT_EQ(p().Text8.text(), "1.234,50");
    scrivi_e_lascia(p().Text11, "parola");
    EXPECT_EQ(p().Text11.text(), "parola");
    scrivi_e_lascia(p().Text1, "agenzia è mare");
    EXPECT_EQ(p().Text1.text(), "AGENZIA È MARE");
    scrivi_e_lascia(p().Text20, "Info@Mare.it");
    EXPECT_EQ(p().Text20.text(), "Info@Mare.it") << "the e-mail keeps its case";

    scrivi_e_lascia(p().Text18, "abc");
    EXPECT_EQ(b.nuovi_messaggi(), std::vector<std::string>{"inserire quattro caratteri"});
    EXPECT_EQ(p().Text18.text(), "");
    scrivi_e_lascia(p().Text18, "abcd");
    EXPECT_TRUE(b.nuovi_messaggi().empty());
    EXPECT_EQ(p().Text18.text(), "ABCD");

    scrivi_e_lascia(p().Text17, "it60x0542811101000000123465");
    EXPECT_EQ(b.nuovi_messaggi(), std::vector<std::string>{"CODICE IBAN ERRATO"});
    EXPECT_EQ(p().Text17.text(), "");
    scrivi_e_lascia(p().Text17, "it60x0542811101000000123456");
    EXPECT_EQ(p().Text17.text(), "IT60X0542811101000000123456");
}

TEST_F(PersonalizzaTest, TheMaskingButtonTogglesAndComesBack) {
    apri({}, {});
    app.click(p().Command1);
    EXPECT_EQ(p().Text18.password_char(), "");
    EXPECT_EQ(p().Label28.caption(), "Nascondi Carattere");
    EXPECT_EQ(p().Command1.back_color(), 32768);
    app.click(p().Command1);
    EXPECT_EQ(p().Text18.password_char(), "*");
    EXPECT_EQ(p().Label28.caption(), "Mostra Carattere");
    EXPECT_EQ(p().Command1.back_color(), 192);
}

TEST_F(PersonalizzaTest, SalvaNeedsFeeCommissionAndVat) {
    apri({}, {});
    app.type(p().Text1, "AGENZIA MARE");
    app.type(p().Text8, "100");
    app.type(p().Text10, "22");
    app.click(p().SALVA);
    EXPECT_EQ(b.nuovi_messaggi(),
              std::vector<std::string>{"ATTENZIONE !!! I CAMPI (diritti agenzia - perc.brenosa - "
                                       "perc. iva) DEVONO ESSERE VALORIZZATI"});
    EXPECT_EQ(b.byte(prog("AGENZIA.IND")), "");
    EXPECT_EQ(b.byte(prog("BANCHE.IND")), "");
    EXPECT_TRUE(p().SALVA.visible());

    // The amounts the bookings compute with are amounts, or nothing.
    app.type(p().Text9, "10");
    app.type(p().Text12, "-50");
    app.click(p().SALVA);
    EXPECT_EQ(b.nuovi_messaggi().size(), 1u);
    EXPECT_EQ(b.byte(prog("AGENZIA.IND")), "");
    app.type(p().Text12, "");
    app.click(p().SALVA);
    EXPECT_TRUE(b.nuovi_messaggi().empty());
    EXPECT_NE(b.byte(prog("AGENZIA.IND")), "");
}

TEST_F(PersonalizzaTest, SalvaWritesBothFilesKeepingTheOwnersBankRecords) {
    apri({kAgenzia},
         {"VECCHIA,AGENZIA,CC 0,WXYZ,UDINE,,0000", "BANCA DUE,BIANCHI,CC 2,,UDINE,,0002",
          "BANCA TRE,VERDI,CC 3,,GORIZIA,,0003"});
    app.type(p().Text14, "BANCA NUOVA");
    app.type(p().Text9, "12");
    app.click(p().SALVA);
    EXPECT_TRUE(b.nuovi_messaggi().empty()) << "a save gives no message";
    EXPECT_FALSE(p().SALVA.visible());
    EXPECT_EQ(b.byte(prog("AGENZIA.IND")),
              "AGENZIA MARE*VIA DEL MARE 1*LIGNANO*0431 1234*01234567890*MARIO ROSSI*333 1234567*"
              "1.500,00*12*22*200,00*50,00*info@mare.it*30*33054*17*10*16*10*15*10*16*10*2*ROSSI*"
              "no*10,00*20,00\r\n");
    EXPECT_EQ(b.byte(prog("BANCHE.IND")),
              "BANCA NUOVA,AGENZIA,CC 0,WXYZ,UDINE,,0000\r\nBANCA DUE,BIANCHI,CC 2,,UDINE,,0002\r\n"
              "BANCA TRE,VERDI,CC 3,,GORIZIA,,0003\r\n");
    EXPECT_EQ(app.s.percentuale_affitto, "12") << "the settings are reloaded";
    EXPECT_EQ(app.testo("COORDBANCA", "Text19"), "3");
}

// A settings file edited by hand: only the settings' line (the last that
// holds any) changes, keeping its fields past the program's; the other lines
// come back as they stood.
TEST_F(PersonalizzaTest, SalvaChangesOnlyTheSettingsLineOfAFileEditedByHand) {
    apri({"VECCHIE IMPOSTAZIONI", "", kAgenzia + "*CAMPO IN PIU'", ""}, {"UNO,A,1,,X,,0000"});
    app.type(p().Text9, "12");
    app.click(p().SALVA);
    std::string attesa = kAgenzia;
    attesa.replace(attesa.find("*10*22*"), 7, "*12*22*");
    EXPECT_EQ(b.byte(prog("AGENZIA.IND")),
              "VECCHIE IMPOSTAZIONI\r\n\r\n" + attesa + "*CAMPO IN PIU'\r\n\r\n");
}

TEST_F(PersonalizzaTest, CancDropsTheAgencyOrABankRecord) {
    apri({kAgenzia}, {"UNO,A,1,,X,,0000", "DUE,B,2,,Y,,0002", "TRE,C,3,,Z,,0003"});
    app.s.banche[2].banca_nome = "CANC";
    app.type(p().Text1, "CANC");
    app.click(p().SALVA);
    EXPECT_EQ(b.byte(prog("AGENZIA.IND")), "");
    EXPECT_EQ(b.byte(prog("BANCHE.IND")), "UNO,A,1,,X,,0000\r\nTRE,C,3,,Z,,0003\r\n");
    EXPECT_EQ(app.s.banche[2].banca_nome, "TRE") << "later records move up after the reload";
}

TEST_F(PersonalizzaTest, ASeparatorInsideAValueIsRefusedBeforeAnythingIsWritten) {
    apri({kAgenzia}, {"UNO,A,1,,X,,0000"});
    const std::string agenzia_prima = b.byte(prog("AGENZIA.IND"));
    const std::string banche_prima = b.byte(prog("BANCHE.IND"));

    app.type(p().Text2, "VIA DEL MARE * 1");
    app.click(p().SALVA);
    ASSERT_EQ(b.nuovi_messaggi().size(), 1u);
    EXPECT_EQ(b.byte(prog("AGENZIA.IND")), agenzia_prima);
    EXPECT_TRUE(p().SALVA.visible());

    app.type(p().Text2, "VIA DEL MARE 1");
    app.type(p().Text13, "ROSSI, MARIO");
    app.click(p().SALVA);
    ASSERT_EQ(b.nuovi_messaggi().size(), 1u);
    EXPECT_EQ(b.byte(prog("AGENZIA.IND")), agenzia_prima);
    EXPECT_EQ(b.byte(prog("BANCHE.IND")), banche_prima);
}

TEST_F(PersonalizzaTest, EsciWithoutSavingLeavesTheFilesAsTheyWere) {
    apri({kAgenzia}, {"UNO,A,1,,X,,0000"});
    app.type(p().Text1, "ALTRA AGENZIA");
    app.click(p().ESCI);
    EXPECT_EQ(b.byte(prog("AGENZIA.IND")), kAgenzia + "\r\n");
    EXPECT_EQ(app.form<zeltra>().Text1.text(), "AGENZIA MARE");
}

}  // namespace
}  // namespace ga::test
