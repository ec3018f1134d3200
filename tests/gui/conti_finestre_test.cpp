// The owner account windows (statement, summary, payout, expenses) on a
// small year of movements, for a person to look at.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include "accounts/conti_banco.h"
#include "finestre.h"
#include "support/righe.h"

namespace {

class FinestreConti : public ::testing::Test {
protected:
    void SetUp() override {
        ga::test::Banco& b = f.banco();
        app().s.percorso_logo = b.cartella_programma() + "ICONA.BMP";
        ga::test::prepara_conti(b);
        const std::string d = b.cartella_dati();
        b.scrivi(d + "saldi2026.dat",
                 {ga::test::riga_movimento({{ga::movimento::data, "01/07/2026"},
                                            {ga::movimento::parte, "0001"},
                                            {ga::movimento::acconto, "300,00"},
                                            {ga::movimento::saldo, "100,00"},
                                            {ga::movimento::importo, "0"},
                                            {ga::movimento::pulizia, "50,00"},
                                            {ga::movimento::cauzione, "200,00"},
                                            {ga::movimento::numero, "4"},
                                            {ga::movimento::appartamento, "0012"}}),
                  ga::test::riga_movimento({{ga::movimento::data, "15/07/2026"},
                                            {ga::movimento::parte, "0001"},
                                            {ga::movimento::acconto, "0"},
                                            {ga::movimento::saldo, "2000,00"},
                                            {ga::movimento::importo, "0"},
                                            {ga::movimento::pulizia, "0"},
                                            {ga::movimento::cauzione, "0"},
                                            {ga::movimento::numero, "4"},
                                            {ga::movimento::appartamento, "0012"}}),
                  ga::test::riga_movimento({{ga::movimento::data, "01/08/2026"},
                                            {ga::movimento::parte, "0001"},
                                            {ga::movimento::acconto, "0"},
                                            {ga::movimento::saldo, "0"},
                                            {ga::movimento::importo, "1.000,00"},
                                            {ga::movimento::pulizia, "0"},
                                            {ga::movimento::cauzione, "0"}}),
                  ga::test::riga_movimento({{ga::movimento::data, "02/08/2026"},
                                            {ga::movimento::parte, "0001"},
                                            {ga::movimento::acconto, "0"},
                                            {ga::movimento::saldo, "0"},
                                            {ga::movimento::importo, "150,00"},
                                            {ga::movimento::pulizia, "0"},
                                            {ga::movimento::cauzione, "0"},
                                            {ga::movimento::numero, "1"},
                                            {ga::movimento::appartamento, "0012"}})});
        b.scrivi(d + "spese2026.dat",
                 {ga::test::riga_spesa({{ga::voce_spesa::appartamento, "0012"},
                                        {ga::voce_spesa::descrizione, "RIPARAZIONE CALDAIA"},
                                        {ga::voce_spesa::movimento, "4"}})});
        app().run([&] {
            app().imposta("zeltra", "Text1", "AGENZIA SOLE");
            app().imposta("zeltra", "Text3", "70100  BARI");
        });
    }
    ga::App& app() { return f.app(); }
    plat::Control& c(const char* form, const char* box) { return *app().form(form)->control(box); }
    bool fotografa(const char* form) { return f.fotografa(form) && f.finestra(form)->isVisible(); }

    gui_test::Finestre f;
};

// The statement, its summary and the payout by cheque, as a user walks them.
TEST_F(FinestreConti, StatementSummaryAndPayout) {
    app().run([&] { app().form("EstrattoContoPropr")->show(); });
    app().pick(c("EstrattoContoPropr", "Combo1"), 0);
    EXPECT_TRUE(fotografa("EstrattoContoPropr"));
    app().click(c("EstrattoContoPropr", "SINTESI"));
    EXPECT_TRUE(fotografa("SINTESICONTOPROP"));
    app().click(c("SINTESICONTOPROP", "SALDO"));
    app().double_click(c("SaldoProprietario", "Text5"));
    app().click(c("SaldoProprietario", "Option2"));
    app().type(c("SaldoProprietario", "Text6"), "N. 0012345");
    EXPECT_TRUE(fotografa("SaldoProprietario"));
}

TEST_F(FinestreConti, ExpenseForAnOwnerWithSeveralApartments) {
    app().run([&] {
        app().imposta("spese", "Text10", "0");
        app().form("spese")->show();
    });
    app().pick(c("spese", "Combo1"), 2);
    app().type(c("spese", "Text8"), "150");
    app().leave(c("spese", "Text8"));
    EXPECT_TRUE(fotografa("spese"));
}

// Recorded with the mouse and the keys in the real window, the expense is
// followed by a click on USCITA that closes the form at once.
TEST_F(FinestreConti, AfterCONFERMATheFirstClickOnUscitaClosesTheForm) {
    app().run([&] {
        app().form("MENU")->show();
        app().campo("MENU", "List3").set_list_index(2);  // INSERIMENTO SPESE
    });
    ASSERT_TRUE(app().form("spese")->is_visible());
    QWidget* w = f.finestra("spese");
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    app().pick(c("spese", "Combo1"), 0);
    auto widget = [&](const char* box) { return f.desktop().widget(c("spese", box)); };
    gui_test::clic(widget("Text8"));
    QTest::keyClicks(widget("Text8"), "80");
    // The note opens once the amount is in, and Tab goes on into it.
    QTest::keyClick(widget("Text8"), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), widget("Text9"));
    QTest::keyClicks(widget("Text9"), "pulizia");
    gui_test::clic(widget("Command1"));
    ASSERT_EQ(c("spese", "Check2").state().value, 1) << "recorded";
    gui_test::clic(widget("ESCI"));
    EXPECT_FALSE(app().form("spese")->is_visible()) << "the click was lost";
    EXPECT_TRUE(app().form("MENU")->is_visible());
}

// The statement is drawn by the expense form for another owner while it
// stands loaded behind: opened again, its name, code and total are that
// other owner's, all three.
TEST_F(FinestreConti, TheStatementShowsTheOwnerItWasLastDrawnFor) {
    ga::test::Banco& b = f.banco();
    std::vector<std::string> giornale = b.leggi(b.cartella_dati() + "saldi2026.dat");
    giornale.push_back(ga::test::riga_movimento({{ga::movimento::data, "20/08/2026"},
                                                 {ga::movimento::parte, "0003"},
                                                 {ga::movimento::acconto, "0"},
                                                 {ga::movimento::saldo, "800,50"},
                                                 {ga::movimento::importo, "0"},
                                                 {ga::movimento::numero, "5"},
                                                 {ga::movimento::appartamento, "0031"}}));
    b.scrivi(b.cartella_dati() + "saldi2026.dat", giornale);
    auto widget = [&](const char* form, const char* box) {
        return f.desktop().widget(c(form, box));
    };
    auto menu = [&](int riga) {
        app().run([&] {
            app().form("MENU")->show();
            app().campo("MENU", "List3").set_list_index(riga);
        });
    };
    auto mostrato = [&] {
        plat::Control& lista = c("EstrattoContoPropr", "List1");
        return c("EstrattoContoPropr", "Text1").text() + "|" +
               c("EstrattoContoPropr", "Text4").text() + "|" +
               lista.item(lista.list_count() - 1).substr(75);
    };
    menu(4);                                           // ESTRATTO CONTO
    app().pick(c("EstrattoContoPropr", "Combo1"), 2);  // VERDI LUCA
    EXPECT_EQ(mostrato(), "VERDI LUCA|0003|    720,45");
    gui_test::clic(widget("EstrattoContoPropr", "SALDIPROP"));
    ASSERT_TRUE(app().form("SaldoProprietario")->is_visible());
    gui_test::clic(widget("SaldoProprietario", "ESCI"));
    menu(2);                              // INSERIMENTO SPESE
    app().pick(c("spese", "Combo1"), 0);  // ROSSI MARIO, one apartment
    gui_test::clic(widget("spese", "ESCI"));
    menu(4);
    ASSERT_TRUE(app().form("EstrattoContoPropr")->is_visible());
    EXPECT_EQ(mostrato(), "ROSSI MARIO|0001|    920,00");
    gui_test::clic(widget("EstrattoContoPropr", "SINTESI"));
    EXPECT_EQ(c("SINTESICONTOPROP", "Text1").text() + "|" + c("SINTESICONTOPROP", "Text8").text(),
              "ROSSI MARIO|920,00");
}

}  // namespace
