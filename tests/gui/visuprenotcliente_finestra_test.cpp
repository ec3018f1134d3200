// A client's bookings in its window, with a revoked booking picked, for a
// person to look at.
#include <gtest/gtest.h>

#include <QWidget>

#include "finestre.h"
#include "support/righe.h"

namespace {

TEST(FinestraVisuPrenotCliente, ShowsAClientsBookingsAndARevokedOne) {
    gui_test::Finestre f;
    ga::App& app = f.app();
    ga::test::Banco& b = f.banco();
    b.prepara_dati();
    app.s.percorso_logo = b.cartella_programma() + "ICONA.BMP";
    const std::string d = b.cartella_dati();
    b.scrivi(d + "clienti.dat",
             {ga::test::riga_cliente({{ga::cliente::codice, "0001"},
                                      {ga::cliente::nome, "BIANCHI ANNA"},
                                      {ga::cliente::via, "VIA MARE 2"},
                                      {ga::cliente::cap, "70100"},
                                      {ga::cliente::citta, "BARI"},
                                      {ga::cliente::telefono, "080"},
                                      {ga::cliente::provincia, "BA"},
                                      {ga::cliente::codice_fiscale, "BNCNNA80A41A662X"}})});
    b.scrivi(d + "Vie.dat", {ga::test::riga_via({{ga::vie::codice, "0001"},
                                                 {ga::vie::nome, "LUNGOMARE DEI COLOMBI"}})});
    b.scrivi(d + "proprietari.IND",
             {ga::test::riga_proprietario({{ga::proprietario::nome, "ESPOSITO GENNARO"},
                                           {ga::proprietario::codice, "0003"}})});
    b.scrivi(d + "appartamenti.ind",
             {ga::test::riga_appartamento({{ga::appartamento::codice_proprietario, "0003"},
                                           {ga::appartamento::codice_via, "0001"},
                                           {ga::appartamento::civico, "12"},
                                           {ga::appartamento::tipo, "MON"},
                                           {ga::appartamento::soggiorno, "SI"},
                                           {ga::appartamento::bagni, "1"},
                                           {ga::appartamento::giardino, "NO"},
                                           {ga::appartamento::piano, "1"},
                                           {ga::appartamento::posti_letto, "4"},
                                           {ga::appartamento::periodicita, "ESTIVO"},
                                           {ga::appartamento::codice, "0012"}})});
    b.scrivi(d + "prenotazioni2026.dat",
             {ga::test::riga_prenotazione({{ga::pren::appartamento, "0012"},
                                           {ga::pren::cliente, "0001"},
                                           {ga::pren::arrivo, "01/07/2026"},
                                           {ga::pren::partenza, "15/07/2026"},
                                           {ga::pren::affitto, "1.500,00"},
                                           {ga::pren::acconto, "500,00"},
                                           {ga::pren::diritti, "ND"},
                                           {ga::pren::pulizia, "50,00"},
                                           {ga::pren::cauzione, "0,00"},
                                           {ga::pren::chiusura, "0.00.00"},
                                           {ga::pren::nota, "1"},
                                           {ga::pren::periodo, "3"}}),
              ga::test::riga_prenotazione({{ga::pren::appartamento, "0012"},
                                           {ga::pren::cliente, "0001"},
                                           {ga::pren::arrivo, "01/08/2026"},
                                           {ga::pren::partenza, "15/08/2026"},
                                           {ga::pren::affitto, "0,00"},
                                           {ga::pren::acconto, "300,00"},
                                           {ga::pren::diritti, "50,00"},
                                           {ga::pren::pulizia, "50,00"},
                                           {ga::pren::cauzione, "200,00"},
                                           {ga::pren::chiusura, "10/08/2026"},
                                           {ga::pren::movimento, "REVOC002"},
                                           {ga::pren::periodo, "4"}})});
    b.scrivi(d + "saldi2026.dat",
             {ga::test::riga_movimento({{ga::movimento::data, "05/06/2026"},
                                        {ga::movimento::parte, "0003"},
                                        {ga::movimento::acconto, "500,00"},
                                        {ga::movimento::saldo, "0"},
                                        {ga::movimento::importo, "50,00"},
                                        {ga::movimento::pulizia, "0"},
                                        {ga::movimento::cauzione, "0"},
                                        {ga::movimento::numero, "1"},
                                        {ga::movimento::appartamento, "0012"}}),
              ga::test::riga_movimento({{ga::movimento::data, "10/08/2026"},
                                        {ga::movimento::parte, "0003"},
                                        {ga::movimento::acconto, "-300,00"},
                                        {ga::movimento::saldo, "0"},
                                        {ga::movimento::importo, "0"},
                                        {ga::movimento::pulizia, "-50"},
                                        {ga::movimento::cauzione, "-200"},
                                        {ga::movimento::numero, "2"},
                                        {ga::movimento::appartamento, "0012"}})});
    b.scrivi(d + "noteaff2026.dat",
             {ga::test::riga_nota({{ga::nota::testo, "ARRIVO IN TARDA SERATA, CON CANE"},
                                   {ga::nota::prenotazione, "1"},
                                   {ga::nota::appartamento, "0012"}})});
    app.s.operazione = "";
    plat::Form& form = *app.form("VisuPrenotCliente");
    app.run([&] { form.show(); });
    app.type(*form.control("Text1"), "BIANCHI");
    app.leave(*form.control("Text1"));
    app.pick(*form.control("List1"), 1);
    EXPECT_TRUE(f.fotografa("VisuPrenotCliente"));
    EXPECT_TRUE(f.finestra("VisuPrenotCliente")->isVisible());
}

}  // namespace
