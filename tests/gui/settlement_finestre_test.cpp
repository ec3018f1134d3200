// The balance, revocation and deposit-refund forms in their windows, each
// opened as the program opens it, for a person to look at.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "finestre.h"
#include "platform/form.h"

namespace {

// A client with a booking whose balance is paid (with a deposit) and an open
// booking, as the client's bookings and the refund form find them.
void prepara(gui_test::Finestre& f) {
    ga::App& app = f.app();
    ga::test::Banco& b = f.banco();
    b.prepara_dati();
    app.s.percorso_logo = b.cartella_programma() + "ICONA.BMP";
    app.s.agenzia_nome = "MARE BLU";
    app.s.diritti_agenzia = app.s.pulizia_finale = app.s.deposito_minimo = "50,00";
    const std::string d = b.cartella_dati();
    b.scrivi(d + "proprietari.IND", {"ROSSI MARIO*****0832*0001**PROVV*"});
    b.scrivi(d + "appartamenti.ind", {"0001*0001*12*MON*SI*1*NO*1*4*ESTIVO***0010"});
    b.scrivi(d + "Vie.dat", {"0001**VIA DEL FARO* $$"});
    b.scrivi(d + "clienti.dat", {"0001*BIANCHI ANNA*VIA MARE 2*BARI*70100*080*BA*X*"});
    b.scrivi(d + "noteaff2026.dat", {"ARRIVO IN TARDA SERATA*1*0010"});
    b.scrivi(
        d + "prenotazioni2026.dat",
        {"0010*0001*01/07/2026*15/07/2026*1.000,00*300,00*0,00*0,00*0,00*0.00.00*1**1****",
         "0010*0001*01/08/2026*15/08/2026*1.200,00*400,00*ND*50,00*200,00*20/08/2026**2*2****"});
    b.scrivi(d + "saldi2026.dat", {"01/06/2026*0001*300,00*0,00*0*0,00*0,00*1*0010",
                                   "20/08/2026*0001*0*800,00*0*0*300,00*    2 *0010"});
}

// The client's bookings with the client found and booking `riga` picked.
void scegli(ga::App& app, const char* operazione, int riga) {
    app.run([&] {
        app.s.operazione = operazione;
        app.form("VisuPrenotCliente")->show();
    });
    plat::Control& nome = app.campo("VisuPrenotCliente", "Text1");
    app.type(nome, "BIANCHI");
    app.leave(nome);
    app.pick(app.campo("VisuPrenotCliente", "List1"), riga);
}

TEST(FinestreSaldoRevocaCauzione, BalanceFormWithTheAgencyItems) {
    gui_test::Finestre f;
    prepara(f);
    ga::App& app = f.app();
    scegli(app, "SALDO", 0);
    app.click(app.campo("VisuPrenotCliente", "SALDO"));
    app.click(app.campo("saldoaff", "Check2"));
    app.double_click(app.campo("saldoaff", "Text14"));
    EXPECT_TRUE(f.fotografa("saldoaff"));
    EXPECT_TRUE(f.finestra("saldoaff")->isVisible());
}

TEST(FinestreSaldoRevocaCauzione, AfterAFurtherAdvanceTheFirstClickOnSaldoOpensTheBalance) {
    gui_test::Finestre f;
    prepara(f);
    ga::App& app = f.app();
    scegli(app, "SALDO", 0);
    plat::Control& saldo = app.campo("VisuPrenotCliente", "SALDO");
    gui_test::clic(f.desktop().widget(saldo));
    ASSERT_TRUE(app.form("saldoaff")->is_visible());
    app.type(app.campo("saldoaff", "Text14"), "100");
    app.click(app.campo("saldoaff", "Command1"));
    ASSERT_FALSE(app.form("saldoaff")->is_visible());
    ASSERT_TRUE(saldo.state().visible) << "a residual is still due";
    // The window given back puts the focus in the name box, as Qt does.
    QTest::qWait(20);
    f.desktop()
        .widget(app.campo("VisuPrenotCliente", "Text1"))
        ->setFocus(Qt::ActiveWindowFocusReason);
    gui_test::clic(f.desktop().widget(saldo));
    EXPECT_TRUE(app.form("saldoaff")->is_visible()) << "the click was lost";
    EXPECT_EQ(app.testo("VisuPrenotCliente", "Text7"), "1.000,00");
}

TEST(FinestreSaldoRevocaCauzione, RevocationWithAPartialRefund) {
    gui_test::Finestre f;
    prepara(f);
    ga::App& app = f.app();
    scegli(app, "REVOCA", 0);
    app.click(app.campo("VisuPrenotCliente", "REVOCA"));
    app.click(app.campo("REVOCAPREN", "Option2"));
    app.type(app.campo("REVOCAPREN", "Text7"), "150");
    app.leave(app.campo("REVOCAPREN", "Text7"));
    EXPECT_TRUE(f.fotografa("REVOCAPREN"));
    EXPECT_TRUE(f.finestra("REVOCAPREN")->isVisible());
}

TEST(FinestreSaldoRevocaCauzione, DepositRefundOfAPaidBooking) {
    gui_test::Finestre f;
    prepara(f);
    ga::App& app = f.app();
    app.run([&] { app.form("RESTCAUZ")->show(); });
    plat::Control& numero = app.campo("RESTCAUZ", "NRICH");
    app.pick(numero, 1);
    app.leave(numero);
    app.double_click(app.campo("RESTCAUZ", "Text3"));
    EXPECT_TRUE(f.fotografa("RESTCAUZ"));
    EXPECT_TRUE(f.finestra("RESTCAUZ")->isVisible());
}

TEST(FinestreSaldoRevocaCauzione, TheDepositRefundsNoteTakesNoTyping) {
    gui_test::Finestre f;
    prepara(f);
    ga::App& app = f.app();
    app.run([&] { app.form("RESTCAUZ")->show(); });
    app.pick(app.campo("RESTCAUZ", "NRICH"), 1);
    app.leave(app.campo("RESTCAUZ", "NRICH"));
    plat::Control& nota = app.campo("RESTCAUZ", "NOTE");
    const std::string prima = nota.text();
    QWidget* box = f.desktop().widget(nota);
    gui_test::clic(box);
    QTest::keyClicks(box, "PAGATO IN CONTANTI");
    EXPECT_EQ(nota.text(), prima);
    EXPECT_EQ(box->property("text").toString().toStdString(), prima)
        << "the window shows what is kept";
    EXPECT_FALSE(box->focusPolicy() & Qt::TabFocus) << "Tab passes over it";
}

}  // namespace
