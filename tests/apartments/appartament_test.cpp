// The apartment card: choosing the owner and the apartment, starting a new
// apartment, the rules of the card's boxes and saving it (byte-exact files).
#include <gtest/gtest.h>

#include "scheda_banco.h"
#include "support/righe.h"

namespace ga::test {
namespace {

using plat::Answer;

class SchedaAppartamento : public BancoScheda {};

TEST_F(SchedaAppartamento, AnOwnerWithOneApartmentShowsItWithItsPeriods) {
    apri();
    EXPECT_EQ(f.Combo1.list_count(), 5);
    EXPECT_TRUE(f.Text2.locked());
    EXPECT_FALSE(c("Check1").enabled());

    scegli(ROSSI);
    EXPECT_TRUE(b.nuovi_messaggi().empty());
    EXPECT_EQ(f.Text1.text(), "0001");
    EXPECT_EQ(f.Text2.text(), "VIA ROMA");
    EXPECT_EQ(f.Option2.value(), 1);
    EXPECT_EQ(f.Text44.text(), "0007");
    EXPECT_EQ(f.Combo2.text(), "ESTIVO");
    EXPECT_FALSE(f.Text2.locked());
    EXPECT_EQ(c("Check1").value(), 1);

    // A loaded card keeps its owner until CAMBIA.
    scegli(BIANCHI);
    EXPECT_EQ(f.Text44.text(), "0007");
}

TEST_F(SchedaAppartamento, SeveralApartmentsAreListedAndTheLastShown) {
    apri();
    scegli(BIANCHI);
    EXPECT_EQ(b.nuovi_messaggi(), std::vector<std::string>{"DEVI VALORIZZARE LA PERIODICITA'"});
    ASSERT_EQ(f.List1.list_count(), 3);
    EXPECT_EQ(f.List1.item(2), "3 - 0009 - VIA ROMA");
    EXPECT_EQ(f.Text44.text(), "0009");
    EXPECT_EQ(f.Combo2.text(), "");
    EXPECT_FALSE(c("Check1").enabled()) << "no periodicity: the grid stays empty";

    // The first line: its apartment, the periodicity box as it was.
    app.pick(f.List1, 0);
    EXPECT_FALSE(f.List1.visible());
    EXPECT_EQ(f.Text44.text(), "0008");
    EXPECT_EQ(f.Combo2.text(), "");
    EXPECT_EQ(c("Check1").value(), 1);
    EXPECT_EQ(c("prez10").text(), "900,00");

    // An apartment without periods: sixteen closed rows on 1 January.
    app.click(f.SCEGLI);
    app.pick(f.List1, 1);
    EXPECT_EQ(f.Text44.text(), "0010");
    for (int r = 1; r <= 16; ++r) EXPECT_EQ(c("Check" + std::to_string(r)).value(), 0);
    EXPECT_EQ(dtp(32).date(), d(1, 1));
}

TEST_F(SchedaAppartamento, ANewApartmentIsFilledInAndSavedByChoosingThePeriodicity) {
    apri();
    scegli(VERDI);
    EXPECT_EQ(b.nuovi_messaggi(),
              std::vector<std::string>{"NON CI SONO APPARTAMENTI PER QUESTO PROPRIETARIO"});
    EXPECT_EQ(f.Text27.text(), "7");
    EXPECT_EQ(app.focus_request(), &f.Text44);
    // The focus moving on from the owner box chooses nothing again.
    app.leave(f.Combo1);
    EXPECT_TRUE(b.nuovi_messaggi().empty());

    scrivi_e_lascia(f.Text44, "8");
    EXPECT_EQ(b.messaggi().shown().back().title, "INSERIMENTO APPARTAMENTO");
    EXPECT_EQ(b.nuovi_messaggi(), std::vector<std::string>{"CODICE APPARTAMENTO GIA' INSERITO "});
    EXPECT_EQ(f.Text44.text(), "");
    app.leave(f.Text44);
    EXPECT_EQ(b.nuovi_messaggi(), std::vector<std::string>{"CODICE APPARTAMENTO E' OBLIGATORIO "});
    scrivi_e_lascia(f.Text44, "5");
    EXPECT_EQ(f.Text44.text(), "0005");
    EXPECT_TRUE(f.Combo3.visible());

    // Streets: a beginning is completed, an exact name stays, a new one is added.
    scrivi_e_lascia(f.Text2, "via rom");
    EXPECT_EQ(f.Text2.text(), "VIA ROMANA");
    scrivi_e_lascia(f.Text2, "VIA ROMA");
    EXPECT_EQ(f.Text2.text(), "VIA ROMA");
    scrivi_e_lascia(f.Text2, "via nuova");
    EXPECT_EQ(f.Text45.text(), "4");
    EXPECT_EQ(b.byte(dati("Vie.dat")),
              crlf({test::riga_via({{vie::codice, "0001"}, {vie::nome, "VIA ROMANA"}}),
                    test::riga_via({{vie::codice, "0002"}, {vie::nome, "VIA ROMA"}}),
                    test::riga_via({{vie::codice, "0003"}, {vie::nome, "PIAZZA GARIBALDI"}}),
                    test::riga_via({{vie::codice, "0004"}, {vie::nome, "VIA NUOVA"}})}));
    app.pick(f.Combo3, 2);
    EXPECT_EQ(f.Text2.text(), "PIAZZA GARIBALDI");
    EXPECT_FALSE(f.Combo3.visible());
    scrivi_e_lascia(f.Text2, "VIA NUOVA");

    // Yes/no boxes and the floor cycle.
    app.click(f.Text4);
    EXPECT_EQ(f.Text4.text(), "SI");
    app.double_click(f.Text6);
    EXPECT_EQ(f.Text6.text(), "NO");
    std::vector<std::string> piani;
    for (int i = 0; i < 7; ++i) {
        app.click(f.Text7);
        piani.push_back(f.Text7.text());
    }
    EXPECT_EQ(piani, (std::vector<std::string>{"TERRA", "PRIMO", "SECONDO", "TERZO", "OLTRE IL 3°",
                                               "", "TERRA"}));
    app.type(f.Text3, "2");
    app.type(f.Text8, "4");
    app.click(f.Option3);

    // Incomplete (no bathrooms): nothing saved, the periodicity stays chosen.
    const std::string appartamenti = b.byte(dati("appartamenti.ind"));
    app.pick(f.Combo2, 0);
    EXPECT_EQ(b.nuovi_messaggi(), std::vector<std::string>{"LA SCHEDA NON E' COMPLETA"});
    EXPECT_EQ(f.Combo2.text(), "ESTIVO");
    app.type(f.Text5, "1");
    b.messaggi().answer(Answer::No);
    app.pick(f.Combo2, 0);
    EXPECT_EQ(b.messaggi().shown().back().title, "REGISTRA L'APPARTAMENTI");
    EXPECT_EQ(b.byte(dati("appartamenti.ind")), appartamenti);
    EXPECT_EQ(f.Text25.text(), "");

    app.pick(f.Combo2, 0);
    EXPECT_EQ(app.s.risposta, Answer::Yes);
    EXPECT_EQ(b.byte(dati("appartamenti.ind")),
              appartamenti +
                  test::riga_appartamento({{appartamento::codice_proprietario, "0003"},
                                           {appartamento::codice_via, "0004"},
                                           {appartamento::civico, "2"},
                                           {appartamento::tipo, "TRI"},
                                           {appartamento::soggiorno, "SI"},
                                           {appartamento::bagni, "1"},
                                           {appartamento::giardino, "NO"},
                                           {appartamento::piano, "TERRA"},
                                           {appartamento::posti_letto, "4"},
                                           {appartamento::periodicita, "ESTIVO"},
                                           {appartamento::codice, "0005"}}) +
                  "\r\n");
    EXPECT_EQ(f.Text25.text(), "OK");
    EXPECT_TRUE(c("Check1").enabled()) << "the saved apartment's grid is open for periods";

    // A second new apartment of the same periodicity gets a working grid too.
    app.click(f.AGGIUNGI);
    scrivi_e_lascia(f.Text44, "6");
    for (auto [box, testo] : {std::pair{&f.Text2, "VIA ROMA"},
                              {&f.Text3, "4"},
                              {&f.Text4, "SI"},
                              {&f.Text5, "1"},
                              {&f.Text6, "NO"},
                              {&f.Text7, "TERRA"},
                              {&f.Text8, "2"}})
        app.type(*box, testo);
    app.pick(f.Combo2, 0);
    EXPECT_TRUE(b.byte(dati("appartamenti.ind")).ends_with("*ESTIVO***0006\r\n"));
    EXPECT_TRUE(c("Check1").enabled());
}

// Two apartments with one code would share their periods and bookings: a
// code in use is refused whatever box was filled first, on a loaded card,
// and when the card is saved.
TEST_F(SchedaAppartamento, ACodeInUseIsRefusedOnEveryPath) {
    apri();
    scegli(VERDI);
    b.nuovi_messaggi();
    scrivi_e_lascia(f.Text2, "VIA ROMA");
    scrivi_e_lascia(f.Text44, "7");
    EXPECT_EQ(b.nuovi_messaggi(), std::vector<std::string>{"CODICE APPARTAMENTO GIA' INSERITO "});
    EXPECT_EQ(f.Text44.text(), "");

    for (auto [box, testo] : {std::pair{&f.Text3, "4"},
                              {&f.Text4, "SI"},
                              {&f.Text5, "1"},
                              {&f.Text6, "NO"},
                              {&f.Text7, "TERRA"},
                              {&f.Text8, "2"},
                              {&f.Text44, "0009"}})
        app.type(*box, testo);
    const std::string appartamenti = b.byte(dati("appartamenti.ind"));
    app.pick(f.Combo2, 0);
    EXPECT_EQ(b.nuovi_messaggi(), std::vector<std::string>{"CODICE APPARTAMENTO GIA' INSERITO "});
    EXPECT_EQ(b.byte(dati("appartamenti.ind")), appartamenti);

    app.click(f.cambia);
    scegli(ROSSI);  // its own apartment 0007, record 1
    b.nuovi_messaggi();
    app.leave(f.Text44);
    EXPECT_TRUE(b.nuovi_messaggi().empty()) << "its own code";
    scrivi_e_lascia(f.Text44, "8");
    EXPECT_EQ(b.nuovi_messaggi(), std::vector<std::string>{"CODICE APPARTAMENTO GIA' INSERITO "});
}

TEST_F(SchedaAppartamento, ACodeTypedIsANumber) {
    apri();
    scegli(VERDI);
    b.nuovi_messaggi();
    scrivi_e_lascia(f.Text44, "via roma");
    EXPECT_EQ(
        b.nuovi_messaggi(),
        std::vector<std::string>{
            "IL CODICE APPARTAMENTO DEVE ESSERE UN NUMERO (ES. 0012): \"via roma\" NON E' VALIDO"});
    EXPECT_EQ(f.Text44.text(), "");
    EXPECT_EQ(app.focus_request(), &f.Text44);
    EXPECT_FALSE(f.Combo3.visible()) << "no street is asked for yet";
}

TEST_F(SchedaAppartamento, AnUnknownOwnerIsRefusedAndTheOwnerBoxEmptied) {
    apri();
    scegli(VERDI);
    ASSERT_EQ(f.Text1.text(), "0003");
    b.nuovi_messaggi();
    app.type(f.Combo1, "nessuno");
    app.leave(f.Combo1);
    EXPECT_EQ(b.nuovi_messaggi(),
              std::vector<std::string>{" QUESTO PROPRIETARIO NON E' STATO INSERITO "});
    EXPECT_EQ(f.Text1.text(), "") << "no code beside a name that is not in the register";
    EXPECT_EQ(f.Combo1.text(), "");
    EXPECT_FALSE(f.Text24.visible());
}

TEST_F(SchedaAppartamento, AddChangeOwnerAndExit) {
    apri();
    scegli(ROSSI);
    app.click(f.AGGIUNGI);
    EXPECT_EQ(app.s.modo_chiamata, "nuovoap");
    EXPECT_EQ(f.Text27.text(), "7");
    EXPECT_EQ(f.Text22.text(), "2");
    EXPECT_EQ(f.Text2.text(), "");
    EXPECT_EQ(c("Check1").value(), 0);
    EXPECT_TRUE(f.Combo3.visible());
    app.click(f.AGGIUNGI);  // a new apartment already started and not saved
    EXPECT_EQ(f.Text22.text(), "2");

    app.click(f.cambia);
    EXPECT_EQ(f.Text1.text(), "");
    EXPECT_EQ(f.Combo1.text(), "");
    EXPECT_EQ(app.s.modo_chiamata, "");
    EXPECT_EQ(app.s.azione_corrente, "CAMBIA_APP");
    EXPECT_EQ(dtp(31).date(), d(1, 1));
    scegli(GIALLI);
    EXPECT_EQ(f.Text44.text(), "0020");

    // Called to enter a new apartment: no way out before it is saved.
    app.s.modo_chiamata = "nuovo";
    app.click(f.ESCI);
    EXPECT_TRUE(f.visible());
    f.Text25.set_text("OK");
    app.click(f.ESCI);
    EXPECT_FALSE(f.is_loaded());
    EXPECT_TRUE(app.form("MENU")->visible());
}

}  // namespace
}  // namespace ga::test
