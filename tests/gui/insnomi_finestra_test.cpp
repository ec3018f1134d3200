// The clients form in its window, browsing a stored client, for a person to look at.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "finestre.h"
#include "support/righe.h"

namespace {

TEST(Finestrainsnomi, ShowsAStoredClientWhileBrowsing) {
    gui_test::Finestre f;
    ga::App& app = f.app();
    f.banco().prepara_dati();
    f.banco().scrivi(app.s.percorso_clienti,
                     {ga::test::riga_cliente({{ga::cliente::codice, "0001"},
                                              {ga::cliente::nome, "ROSSI MARIO"},
                                              {ga::cliente::via, "VIA ROMA 1"},
                                              {ga::cliente::cap, "00118"},
                                              {ga::cliente::citta, "ROMA"},
                                              {ga::cliente::telefono, "061234"},
                                              {ga::cliente::provincia, "RM"},
                                              {ga::cliente::codice_fiscale, "RSSMRA85T10A562S"},
                                              {ga::cliente::email, "r@x.it"}}),
                      ga::test::riga_cliente({{ga::cliente::codice, "0002"},
                                              {ga::cliente::nome, "BIANCHI ANNA"},
                                              {ga::cliente::via, "VIA MARE 2"},
                                              {ga::cliente::cap, "11020"},
                                              {ga::cliente::citta, "GRESSONEY-LA-TRINITÉ"},
                                              {ga::cliente::telefono, "0125"},
                                              {ga::cliente::provincia, "AO"}})});
    plat::Form& form = *app.form("insnomi");
    form.show();
    app.click(*form.control("VEDI"));
    app.scroll(*form.control("HScroll1"), 2);
    EXPECT_TRUE(f.fotografa("insnomi"));
    EXPECT_TRUE(f.finestra("insnomi")->isVisible());
}

// CANCELLA on the window's own button asks before a client goes.
TEST(Finestrainsnomi, CancellaAsksBeforeDeletingAClient) {
    gui_test::Finestre f;
    ga::App& app = f.app();
    ga::test::Banco& b = f.banco();
    b.prepara_dati();
    b.scrivi(app.s.percorso_clienti, {ga::test::riga_cliente({{ga::cliente::codice, "0001"},
                                                              {ga::cliente::nome, "ROSSI MARIO"},
                                                              {ga::cliente::via, "VIA ROMA 1"},
                                                              {ga::cliente::cap, "00118"},
                                                              {ga::cliente::citta, "ROMA"},
                                                              {ga::cliente::telefono, "061234"},
                                                              {ga::cliente::provincia, "RM"}}),
                                      "0002*BIANCHI ANNA********"});
    plat::Form& form = *app.form("insnomi");
    form.show();
    app.click(*form.control("VEDI"));
    app.scroll(*form.control("HScroll1"), 2);
    QWidget* w = f.finestra("insnomi");
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    b.nuovi_messaggi();
    QWidget* cancella = f.desktop().widget(*form.control("CESTO"));
    b.messaggi().answer(plat::Answer::No);
    gui_test::clic(cancella);
    EXPECT_EQ(b.nuovi_messaggi(),
              std::vector<std::string>{"Sei sicuro di cancellare \rBIANCHI ANNA"});
    EXPECT_EQ(b.leggi(app.s.percorso_clienti).size(), 2u);
    b.messaggi().answer(plat::Answer::Yes);
    gui_test::clic(cancella);
    EXPECT_EQ(b.leggi(app.s.percorso_clienti),
              std::vector<std::string>{ga::test::riga_cliente({{ga::cliente::codice, "0001"},
                                                               {ga::cliente::nome, "ROSSI MARIO"},
                                                               {ga::cliente::via, "VIA ROMA 1"},
                                                               {ga::cliente::cap, "00118"},
                                                               {ga::cliente::citta, "ROMA"},
                                                               {ga::cliente::telefono, "061234"},
                                                               {ga::cliente::provincia, "RM"}})});
}

}  // namespace
