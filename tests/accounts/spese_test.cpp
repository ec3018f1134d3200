#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "conti_banco.h"
#include "support/righe.h"

namespace ga {
namespace {

using Righe = std::vector<std::string>;

const Righe kGiornale = {test::riga_movimento({{movimento::data, "01/07/2026"},
                                               {movimento::parte, "0001"},
                                               {movimento::acconto, "300,00"},
                                               {movimento::saldo, "100,00"},
                                               {movimento::importo, "0"},
                                               {movimento::pulizia, "50,00"},
                                               {movimento::cauzione, "200,00"},
                                               {movimento::numero, "4"},
                                               {movimento::appartamento, "0012"}}),
                         test::riga_movimento({{movimento::data, "15/07/2026"},
                                               {movimento::parte, "0001"},
                                               {movimento::acconto, "0"},
                                               {movimento::saldo, "2000,00"},
                                               {movimento::importo, "0"},
                                               {movimento::pulizia, "0"},
                                               {movimento::cauzione, "0"},
                                               {movimento::numero, "4"},
                                               {movimento::appartamento, "0012"}}),
                         test::riga_movimento({{movimento::data, "16/07/2026"},
                                               {movimento::parte, "0004"},
                                               {movimento::acconto, "100,00"},
                                               {movimento::saldo, "0"},
                                               {movimento::importo, "0"},
                                               {movimento::pulizia, "0"},
                                               {movimento::cauzione, "0"},
                                               {movimento::numero, "1"},
                                               {movimento::appartamento, "0007"}}),
                         test::riga_movimento({{movimento::data, "17/07/2026"},
                                               {movimento::parte, "0003"},
                                               {movimento::acconto, "200,00"},
                                               {movimento::saldo, "0"},
                                               {movimento::importo, "0"},
                                               {movimento::pulizia, "0"},
                                               {movimento::cauzione, "0"},
                                               {movimento::numero, "2"},
                                               {movimento::appartamento, "0033"}})};
const Righe kSpese = {test::riga_spesa({{voce_spesa::appartamento, "0012"},
                                        {voce_spesa::descrizione, "A"},
                                        {voce_spesa::movimento, "1"}}),
                      test::riga_spesa({{voce_spesa::appartamento, "0012"},
                                        {voce_spesa::descrizione, "B"},
                                        {voce_spesa::movimento, "1"}}),
                      test::riga_spesa({{voce_spesa::appartamento, "0020"},
                                        {voce_spesa::descrizione, "C"},
                                        {voce_spesa::movimento, "1"}}),
                      test::riga_spesa({{voce_spesa::appartamento, "0031"},
                                        {voce_spesa::descrizione, "D"},
                                        {voce_spesa::movimento, "1"}})};

class Spese : public test::Conti, public ::testing::Test {
protected:
    void SetUp() override {
        b.scrivi(journal(), kGiornale);
        b.scrivi(expenses(), kSpese);
    }
    // As the main menu opens it.
    void apri() {
        app().run([&] {
            app().imposta(kF, "Text10", "0");
            app().form(kF)->show();
        });
    }
    plat::Control& f(const char* nome) { return c(kF, nome); }
    void spesa(const std::string& importo, const std::string& nota) {
        app().click(f("Text8"));
        app().type(f("Text8"), importo);
        app().leave(f("Text8"));
        app().type(f("Text9"), nota);
        app().leave(f("Text9"));
    }
    static constexpr const char* kF = "spese";
};

TEST_F(Spese, TheOwnersApartmentIsTakenOrChosenFromAList) {
    apri();
    app().pick(f("Combo1"), 3);  // one apartment, code 7
    EXPECT_FALSE(f("Combo1").visible());
    EXPECT_EQ(box(kF, "Text4"), "0004");
    EXPECT_EQ(box(kF, "Text5"), "0007");
    EXPECT_EQ(box(kF, "Text6"), "VIA ROMA");
    EXPECT_EQ(box(kF, "Text10"), "90,00");  // 100,00 less the 10% commission

    app().click(f("cambioprop"));
    app().pick(f("Combo1"), 2);  // three apartments
    EXPECT_EQ(righe(kF, "List1"), (Righe{"1 - 0031 - VIA ROMA                 -  3",
                                         "2 - 0032 - VIA DEL MARE             -  12",
                                         "3 - 0033 - CORSO ITALIA             - 101/A"}));
    EXPECT_TRUE(f("List1").visible());
    EXPECT_EQ(box(kF, "Text5"), "");
    app().pick(f("List1"), 1);
    EXPECT_FALSE(f("List1").visible());
    EXPECT_EQ(box(kF, "Text5"), "0032");
    EXPECT_EQ(box(kF, "Text7"), " 12");
    EXPECT_EQ(box(kF, "Text10"), "180,00");
}

TEST_F(Spese, ConfirmRecordsTheMovementAndTheExpenseOnce) {
    apri();
    app().pick(f("Combo1"), 0);
    EXPECT_EQ(box(kF, "Text10"), "2.070,00");

    // The note stays locked until an amount is entered, and is required.
    app().type(f("Text9"), "PRIMA");
    EXPECT_EQ(box(kF, "Text9"), "");
    app().type(f("Text8"), "5");
    app().leave(f("Text8"));
    app().click(f("Command1"));
    EXPECT_EQ(b.nuovi_messaggi(), (Righe{"inserire la nota spese"}));

    spesa("150", "riparazione caldaia");
    EXPECT_EQ(box(kF, "Text8"), "150,00");
    EXPECT_EQ(box(kF, "Text9"), "RIPARAZIONE CALDAIA");
    app().click(f("Command1"));

    // Four expenses already: this is the fifth, pointing at movement 5.
    const std::string movimento = test::riga_movimento({{movimento::data, "09/12/2026"},
                                                        {movimento::parte, "0001"},
                                                        {movimento::acconto, "0"},
                                                        {movimento::saldo, "0"},
                                                        {movimento::importo, "150,00"},
                                                        {movimento::pulizia, "0"},
                                                        {movimento::cauzione, "0"},
                                                        {movimento::numero, "5"},
                                                        {movimento::appartamento, "0012"}});
    Righe giornale = kGiornale;
    giornale.push_back(movimento);
    EXPECT_EQ(b.byte(journal()), crlf(giornale));
    Righe spese = kSpese;
    spese.push_back(test::riga_spesa({{voce_spesa::appartamento, "0012"},
                                      {voce_spesa::descrizione, "RIPARAZIONE CALDAIA"},
                                      {voce_spesa::movimento, "5"}}));
    EXPECT_EQ(b.byte(expenses()), crlf(spese));
    EXPECT_EQ(box(kF, "Text10"), "1.920,00");
    EXPECT_TRUE(b.nuovi_messaggi().empty());
    // The statement drawn at once names the expense by its description.
    const Righe estratto = righe("EstrattoContoPropr", "List1");
    EXPECT_TRUE(std::any_of(estratto.begin(), estratto.end(), [](const std::string& r) {
        return r.starts_with("09/12/2026 RIPARAZIONE CALDAIA ");
    }));

    // A second CONFERMA on the same opening records nothing.
    app().click(f("Command1"));
    EXPECT_EQ(b.nuovi_messaggi().size(), 1u);
    EXPECT_EQ(b.leggi(journal()).size(), 5u);
    EXPECT_EQ(b.leggi(expenses()).size(), 5u);

    // Opened again, the next expense is the sixth.
    app().click(f("ESCI"));
    EXPECT_TRUE(app().form("MENU")->is_visible());
    apri();
    app().pick(f("Combo1"), 0);
    spesa("20", "VETRO");
    app().click(f("Command1"));
    EXPECT_EQ(b.leggi(journal()).back(), test::riga_movimento({{movimento::data, "09/12/2026"},
                                                               {movimento::parte, "0001"},
                                                               {movimento::acconto, "0"},
                                                               {movimento::saldo, "0"},
                                                               {movimento::importo, "20,00"},
                                                               {movimento::pulizia, "0"},
                                                               {movimento::cauzione, "0"},
                                                               {movimento::numero, "6"},
                                                               {movimento::appartamento, "0012"}}));
    EXPECT_EQ(b.leggi(expenses()).back(), test::riga_spesa({{voce_spesa::appartamento, "0012"},
                                                            {voce_spesa::descrizione, "VETRO"},
                                                            {voce_spesa::movimento, "6"}}));
}

TEST_F(Spese, NoExpenseWithoutAnAmount) {
    apri();
    app().pick(f("Combo1"), 0);
    for (const char* importo : {"", "ABC", "0", "-100", "12,345"}) {
        spesa(importo, "NOTA");
        app().click(f("Command1"));
        EXPECT_EQ(b.nuovi_messaggi(), Righe{"INSERIRE L'IMPORTO "}) << importo;
    }
    EXPECT_EQ(b.byte(journal()), crlf(kGiornale));
    EXPECT_EQ(b.byte(expenses()), crlf(kSpese));
}

TEST_F(Spese, NoExpenseWithoutAnApartmentOrWithASeparatorInTheNote) {
    apri();
    app().pick(f("Combo1"), 4);  // an owner without apartments
    EXPECT_EQ(box(kF, "Text4"), "0005");
    EXPECT_EQ(box(kF, "Text5"), "");
    spesa("10", "X");
    app().click(f("Command1"));
    EXPECT_EQ(b.nuovi_messaggi(),
              (Righe{"SCEGLIERE IL PROPRIETARIO E L'APPARTAMENTO DELLA SPESA"}));

    // CAMBIA leaves nothing of the owner shown before.
    app().click(f("cambioprop"));
    EXPECT_EQ(box(kF, "Text4"), "");
    EXPECT_EQ(box(kF, "Text10"), "0");
    app().pick(f("Combo1"), 0);
    spesa("10", "VETRO * 2");
    app().click(f("Command1"));
    EXPECT_EQ(b.nuovi_messaggi().size(), 1u);
    EXPECT_EQ(b.byte(journal()), crlf(kGiornale));
    EXPECT_EQ(b.byte(expenses()), crlf(kSpese));
}

TEST_F(Spese, TheStatementsSpeseButtonOpensTheFormOnItsOwner) {
    const char* e = "EstrattoContoPropr";
    app().run([&] { app().form(e)->show(); });
    app().pick(c(e, "Combo1"), 0);
    app().click(c(e, "insspese"));
    EXPECT_TRUE(app().form(kF)->is_visible());
    EXPECT_FALSE(f("Combo1").visible());
    EXPECT_EQ(box(kF, "Text5"), "0012");
    EXPECT_EQ(box(kF, "Text10"), "2.070,00");
}

}  // namespace
}  // namespace ga
