// The balance, revocation and deposit-refund forms in their windows, each
// opened as the program opens it, for a person to look at.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "finestre.h"
#include "platform/form.h"
#include "support/righe.h"

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
    b.scrivi(d + "proprietari.IND", {ga::test::proprietario_rossi()});
    b.scrivi(d + "appartamenti.ind", {ga::test::appartamento_di_rossi()});
    b.scrivi(d + "Vie.dat",
             {ga::test::riga_via({{ga::vie::codice, "0001"}, {ga::vie::nome, "VIA DEL FARO"}})});
    b.scrivi(d + "clienti.dat", {ga::test::cliente_bianchi()});
    b.scrivi(d + "noteaff2026.dat",
             {ga::test::riga_nota({{ga::nota::testo, "ARRIVO IN TARDA SERATA"},
                                   {ga::nota::prenotazione, "1"},
                                   {ga::nota::appartamento, "0010"}})});
    b.scrivi(d + "prenotazioni2026.dat",
             {ga::test::riga_prenotazione({{ga::pren::appartamento, "0010"},
                                           {ga::pren::cliente, "0001"},
                                           {ga::pren::arrivo, "01/07/2026"},
                                           {ga::pren::partenza, "15/07/2026"},
                                           {ga::pren::affitto, "1.000,00"},
                                           {ga::pren::acconto, "300,00"},
                                           {ga::pren::diritti, "0,00"},
                                           {ga::pren::pulizia, "0,00"},
                                           {ga::pren::cauzione, "0,00"},
                                           {ga::pren::chiusura, "0.00.00"},
                                           {ga::pren::nota, "1"},
                                           {ga::pren::periodo, "1"}}),
              ga::test::riga_prenotazione({{ga::pren::appartamento, "0010"},
                                           {ga::pren::cliente, "0001"},
                                           {ga::pren::arrivo, "01/08/2026"},
                                           {ga::pren::partenza, "15/08/2026"},
                                           {ga::pren::affitto, "1.200,00"},
                                           {ga::pren::acconto, "400,00"},
                                           {ga::pren::diritti, "ND"},
                                           {ga::pren::pulizia, "50,00"},
                                           {ga::pren::cauzione, "200,00"},
                                           {ga::pren::chiusura, "20/08/2026"},
                                           {ga::pren::movimento, "2"},
                                           {ga::pren::periodo, "2"}})});
    b.scrivi(d + "saldi2026.dat",
             {ga::test::riga_movimento({{ga::movimento::data, "01/06/2026"},
                                        {ga::movimento::parte, "0001"},
                                        {ga::movimento::acconto, "300,00"},
                                        {ga::movimento::saldo, "0,00"},
                                        {ga::movimento::importo, "0"},
                                        {ga::movimento::pulizia, "0,00"},
                                        {ga::movimento::cauzione, "0,00"},
                                        {ga::movimento::numero, "1"},
                                        {ga::movimento::appartamento, "0010"}}),
              ga::test::riga_movimento({{ga::movimento::data, "20/08/2026"},
                                        {ga::movimento::parte, "0001"},
                                        {ga::movimento::acconto, "0"},
                                        {ga::movimento::saldo, "800,00"},
                                        {ga::movimento::importo, "0"},
                                        {ga::movimento::pulizia, "0"},
                                        {ga::movimento::cauzione, "300,00"},
                                        {ga::movimento::numero, "    2 "},
                                        {ga::movimento::appartamento, "0010"}})});
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
