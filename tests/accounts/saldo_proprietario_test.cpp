#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "accounts/SaldoProprietario.h"
#include "conti_banco.h"
#include "records/banche.h"
#include "records/movimenti.h"
#include "support/righe.h"

namespace ga {
namespace {

using Righe = std::vector<std::string>;
namespace fs = std::filesystem;

// Rossi: advance 300,00 and balance 2.000,00; 10% commission; 2.070,00 due.
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
                                               {movimento::appartamento, "0012"}})};
constexpr const char* kF = "SaldoProprietario";

class Saldo : public test::Conti, public ::testing::Test {
protected:
    void SetUp() override {
        b.scrivi(journal(), kGiornale);
        b.scrivi(b.cartella_programma() + "BANCHE.IND",
                 {"BANCA DI BARI,AGENZIA SOLE,000123456,AB,BARI,IT60,"});
        // As the main menu opens the form.
        app().run([&] {
            carica_banche(app());
            app().imposta(kF, "Combo1", "");
            app().form(kF)->show();
        });
    }
    plat::Control& f(const char* nome) { return c(kF, nome); }
    void importo(const std::string& t) {
        app().type(f("Text5"), t);
        app().leave(f("Text5"));
    }
    Righe registri_conto() {
        Righe out;
        for (const auto& e : fs::directory_iterator(b.cartella_dati()))
            if (e.path().filename().string().starts_with("ContoCorr"))
                out.push_back(e.path().filename());
        return out;
    }
};

TEST_F(Saldo, ChequePayoutGoesToTheJournalAndToTheAccountRegister) {
    const std::string registro = dati("ContoCorr0001234562026.dat");
    b.scrivi(registro, {test::riga_assegno({{assegno::proprietario, "0002"},
                                            {assegno::nome, "BIANCHI ANNA"},
                                            {assegno::importo, "5,00"},
                                            {assegno::testo, "VECCHIO"}})});
    app().pick(f("Combo1"), 0);
    EXPECT_EQ(box(kF, "Text4"), "2.070,00");
    EXPECT_EQ(box(kF, "Text8"), "0001");
    importo("1000");
    app().click(f("Option2"));
    app().type(f("Text6"), "ASSEGNO N. 55");
    app().click(f("SALVA"));

    EXPECT_EQ(b.byte(journal()), crlf({kGiornale[0], kGiornale[1],
                                       test::riga_movimento({{movimento::data, "09/12/2026"},
                                                             {movimento::parte, "0001"},
                                                             {movimento::acconto, "0"},
                                                             {movimento::saldo, "0"},
                                                             {movimento::importo, "1.000,00"},
                                                             {movimento::pulizia, "0"},
                                                             {movimento::cauzione, "0"}})}));
    // The register named after the agency's account, although the paths
    // were built before the account was known.
    EXPECT_EQ(b.byte(registro), crlf({test::riga_assegno({{assegno::proprietario, "0002"},
                                                          {assegno::nome, "BIANCHI ANNA"},
                                                          {assegno::importo, "5,00"},
                                                          {assegno::testo, "VECCHIO"}}),
                                      test::riga_assegno({{assegno::proprietario, "0001"},
                                                          {assegno::nome, "ROSSI MARIO"},
                                                          {assegno::importo, "1.000,00"},
                                                          {assegno::data, "09/12/2026"},
                                                          {assegno::testo, "ASSEGNO N. 55"}})}));
    EXPECT_EQ(registri_conto(), (Righe{"ContoCorr0001234562026.dat"}));
    EXPECT_EQ(box("COORDBANCA", "Text5"), "2");
    EXPECT_EQ(app().form<SaldoProprietario>().registro[1][assegno::data], "0.00.00");
    // The statement is drawn again; the entry is cleared for the next payout.
    EXPECT_EQ(box(kF, "Text4"), "1.070,00");
    EXPECT_EQ(box(kF, "Text5"), "");
    EXPECT_EQ(f("Check1").value(), 0);

    // A separator typed in the cheque box: neither line is written.
    importo("10");
    app().type(f("Text6"), "N.*12");
    app().click(f("SALVA"));
    EXPECT_EQ(b.leggi(journal()).size(), 3u);
    EXPECT_EQ(b.leggi(registro).size(), 2u);
    EXPECT_EQ(b.nuovi_messaggi().size(), 1u);
}

TEST_F(Saldo, CashPayoutNeedsAnAmountAndAnOwner) {
    app().pick(f("Combo1"), 0);
    app().click(f("SALVA"));
    EXPECT_EQ(b.nuovi_messaggi(), (Righe{"INSERIRE L'IMPORTO "}));
    for (const char* niente : {"abc", "0", "-100"}) {  // no payout
        importo(niente);
        app().click(f("SALVA"));
        EXPECT_EQ(b.nuovi_messaggi(), (Righe{"INSERIRE L'IMPORTO "})) << niente;
    }
    // Changed after it was entered, without leaving the box.
    importo("10");
    app().type(f("Text5"), "0");
    app().click(f("SALVA"));
    EXPECT_EQ(b.nuovi_messaggi(), (Righe{"INSERIRE L'IMPORTO "}));
    EXPECT_EQ(b.byte(journal()), crlf(kGiornale));

    // A double click repeats the amount due.
    app().double_click(f("Text5"));
    EXPECT_EQ(box(kF, "Text5"), "2.070,00");
    app().leave(f("Text5"));
    app().click(f("SALVA"));
    EXPECT_EQ(b.leggi(journal()).back(), test::riga_movimento({{movimento::data, "09/12/2026"},
                                                               {movimento::parte, "0001"},
                                                               {movimento::acconto, "0"},
                                                               {movimento::saldo, "0"},
                                                               {movimento::importo, "2.070,00"},
                                                               {movimento::pulizia, "0"},
                                                               {movimento::cauzione, "0"}}));
    EXPECT_TRUE(registri_conto().empty());
    EXPECT_EQ(box(kF, "Text4"), "0,00");
    app().click(f("SALVA"));  // the amount must be entered again
    EXPECT_EQ(b.nuovi_messaggi(), (Righe{"INSERIRE L'IMPORTO "}));

    // After CAMBIA an owner must be chosen.
    app().click(f("cambioprop"));
    importo("5");
    app().click(f("SALVA"));
    EXPECT_EQ(b.nuovi_messaggi(), (Righe{"SCEGLIERE IL PROPRIETARIO"}));
    EXPECT_EQ(b.leggi(journal()).size(), 3u);
    app().pick(f("Combo1"), 0);
    importo("5");
    app().click(f("SALVA"));
    EXPECT_EQ(b.leggi(journal()).back(), test::riga_movimento({{movimento::data, "09/12/2026"},
                                                               {movimento::parte, "0001"},
                                                               {movimento::acconto, "0"},
                                                               {movimento::saldo, "0"},
                                                               {movimento::importo, "5,00"},
                                                               {movimento::pulizia, "0"},
                                                               {movimento::cauzione, "0"}}));
}

// Each form's guard is its own: an expense recorded while the payout form
// waits hidden leaves its SALVA alive, and one payout leaves the next
// opening of the expense form free to record.
TEST_F(Saldo, AnotherFormsMovementLeavesSalvaAndConfermaAlive) {
    const char* e = "EstrattoContoPropr";
    app().pick(f("Combo1"), 0);
    app().click(f("RITORNA"));
    app().click(c(e, "insspese"));
    auto spesa = [&](const std::string& nota) {
        app().type(c("spese", "Text8"), "10");
        app().leave(c("spese", "Text8"));
        app().type(c("spese", "Text9"), nota);
        app().leave(c("spese", "Text9"));
        app().click(c("spese", "Command1"));
    };
    spesa("VETRO");
    spesa("ANCORA");  // one expense per opening, and the form says so
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"LA SPESA E' GIA' STATA REGISTRATA.\rPER UNA NUOVA SPESA "
                                        "USCIRE E RIAPRIRE LA FINESTRA."});
    app().click(c("spese", "ESCI"));

    // The menu opens the payout form again, still loaded from before.
    app().run([&] {
        app().imposta(kF, "Combo1", "");
        app().form(kF)->show();
    });
    app().pick(f("Combo1"), 0);
    importo("100");
    app().click(f("SALVA"));
    app().click(f("ESCI"));
    app().run([&] { app().form("spese")->show(); });
    app().pick(c("spese", "Combo1"), 0);
    spesa("PORTA");
    EXPECT_TRUE(b.nuovi_messaggi().empty());
    EXPECT_EQ(b.byte(journal()), crlf({kGiornale[0], kGiornale[1],
                                       test::riga_movimento({{movimento::data, "09/12/2026"},
                                                             {movimento::parte, "0001"},
                                                             {movimento::acconto, "0"},
                                                             {movimento::saldo, "0"},
                                                             {movimento::importo, "10,00"},
                                                             {movimento::pulizia, "0"},
                                                             {movimento::cauzione, "0"},
                                                             {movimento::numero, "1"},
                                                             {movimento::appartamento, "0012"}}),
                                       test::riga_movimento({{movimento::data, "09/12/2026"},
                                                             {movimento::parte, "0001"},
                                                             {movimento::acconto, "0"},
                                                             {movimento::saldo, "0"},
                                                             {movimento::importo, "100,00"},
                                                             {movimento::pulizia, "0"},
                                                             {movimento::cauzione, "0"}}),
                                       test::riga_movimento({{movimento::data, "09/12/2026"},
                                                             {movimento::parte, "0001"},
                                                             {movimento::acconto, "0"},
                                                             {movimento::saldo, "0"},
                                                             {movimento::importo, "10,00"},
                                                             {movimento::pulizia, "0"},
                                                             {movimento::cauzione, "0"},
                                                             {movimento::numero, "2"},
                                                             {movimento::appartamento, "0012"}})}));
}

// Two owners named ROSSI MARIO: the one picked is that owner, for the amount
// due, the payout's owner code, the statement and the expense's apartment.
TEST_F(Saldo, ANamesakeOwnerPickedIsThatOwner) {
    b.scrivi(journal(), {kGiornale[0], kGiornale[1],
                         test::riga_movimento({{movimento::data, "16/07/2026"},
                                               {movimento::parte, "0006"},
                                               {movimento::acconto, "400,00"},
                                               {movimento::saldo, "0"},
                                               {movimento::importo, "0"},
                                               {movimento::pulizia, "0"},
                                               {movimento::cauzione, "0"},
                                               {movimento::numero, "3"},
                                               {movimento::appartamento, "0060"}})});
    app().run([&] { carica_saldi(app()); });
    app().pick(f("Combo1"), 5);
    EXPECT_EQ(box(kF, "Text8") + " " + box(kF, "Text4"), "0006 360,00");
    importo("360");
    app().click(f("SALVA"));
    EXPECT_EQ(b.leggi(journal()).back(), test::riga_movimento({{movimento::data, "09/12/2026"},
                                                               {movimento::parte, "0006"},
                                                               {movimento::acconto, "0"},
                                                               {movimento::saldo, "0"},
                                                               {movimento::importo, "360,00"},
                                                               {movimento::pulizia, "0"},
                                                               {movimento::cauzione, "0"}}));
    app().click(f("ESCI"));

    const char* e = "EstrattoContoPropr";
    app().run([&] { app().form(e)->show(); });
    app().pick(c(e, "Combo1"), 0);
    EXPECT_EQ(box(kF, "Text8") + " " + box(kF, "Text4"), "0001 2.070,00");
    app().click(c(e, "cambia"));
    app().pick(c(e, "Combo1"), 5);
    EXPECT_EQ(box(kF, "Text4"), "0,00");
    app().click(c(e, "insspese"));
    EXPECT_EQ(box("spese", "Text4") + " " + box("spese", "Text5"), "0006 0060");
    EXPECT_EQ(box("spese", "Text10"), "0,00");
}

TEST_F(Saldo, AnOwnerPaidInFullIsNotOfferedThePayoutForm) {
    b.scrivi(journal(), {kGiornale[0],
                         test::riga_movimento({{movimento::data, "20/07/2026"},
                                               {movimento::parte, "0001"},
                                               {movimento::acconto, "0"},
                                               {movimento::saldo, "0"},
                                               {movimento::importo, "270,00"},
                                               {movimento::pulizia, "0"},
                                               {movimento::cauzione, "0"}}),
                         test::riga_movimento({{movimento::data, "21/07/2026"},
                                               {movimento::parte, "0002"},
                                               {movimento::acconto, "500,00"},
                                               {movimento::saldo, "0"},
                                               {movimento::importo, "0"},
                                               {movimento::pulizia, "0"},
                                               {movimento::cauzione, "0"},
                                               {movimento::numero, "6"},
                                               {movimento::appartamento, "0020"}}),
                         test::riga_movimento({{movimento::data, "22/07/2026"},
                                               {movimento::parte, "0002"},
                                               {movimento::acconto, "0"},
                                               {movimento::saldo, "0"},
                                               {movimento::importo, "650,00"},
                                               {movimento::pulizia, "0"},
                                               {movimento::cauzione, "0"}})});
    app().click(f("ESCI"));
    const char* e = "EstrattoContoPropr";
    app().run([&] { app().form(e)->show(); });
    app().pick(c(e, "Combo1"), 0);
    app().click(c(e, "SALDIPROP"));
    app().click(c(e, "SINTESI"));
    app().click(c("SINTESICONTOPROP", "SALDO"));
    const auto& shown = b.messaggi().shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, "IL PROPRIETARIO E' GIA' STATO LIGUIDATO !! ");
    EXPECT_EQ(shown[0].title, "DETTAGLI ESTRATTO CONTO");
    EXPECT_EQ(shown[1].title, "SINTESI ESTRATTO CONTO");
    EXPECT_FALSE(app().form(kF)->is_visible());

    // A negative residue is not "0,00": the payout form opens on the owner.
    app().click(c("SINTESICONTOPROP", "RITORNA"));
    app().click(c(e, "cambia"));
    app().pick(c(e, "Combo1"), 1);
    app().click(c(e, "SALDIPROP"));
    EXPECT_TRUE(app().form(kF)->is_visible());
    EXPECT_FALSE(app().form(e)->is_visible());
    EXPECT_TRUE(f("Text1").visible());
    EXPECT_EQ(box(kF, "Text1"), "BIANCHI ANNA");
    EXPECT_EQ(box(kF, "Text4"), "-150,00");
}

}  // namespace
}  // namespace ga
