// The arrivals check's warnings over the menu, the bookings view and the
// availability view in their windows, with lines listed, for a person to
// look at.
#include <gtest/gtest.h>

#include <QWidget>

#include "finestre.h"
#include "support/righe.h"

namespace {

void fotografa(const char* forma, const char* operazione, const char* primo_accesso) {
    gui_test::Finestre f;
    ga::App& app = f.app();
    ga::test::Banco& b = f.banco();
    b.prepara_dati();
    app.s.percorso_logo = b.cartella_programma() + "ICONA.BMP";
    const std::string d = b.cartella_dati();
    b.scrivi(d + "clienti.dat",
             {ga::test::riga_cliente({{ga::cliente::codice, "0001"},
                                      {ga::cliente::nome, "ROSSI MARIO"},
                                      {ga::cliente::via, "VIA MARE"},
                                      {ga::cliente::cap, "70100"},
                                      {ga::cliente::citta, "BARI"},
                                      {ga::cliente::telefono, "080"},
                                      {ga::cliente::provincia, "BA"},
                                      {ga::cliente::codice_fiscale, "X"}}),
              ga::test::riga_cliente({{ga::cliente::codice, "0002"},
                                      {ga::cliente::nome, "DELLA VALLE BARTOLOMEO"},
                                      {ga::cliente::via, "VIA LAGO"},
                                      {ga::cliente::cap, "70100"},
                                      {ga::cliente::citta, "BARI"},
                                      {ga::cliente::telefono, "080"},
                                      {ga::cliente::provincia, "BA"},
                                      {ga::cliente::codice_fiscale, "X"}})});
    b.scrivi(d + "prenotazioni2026.dat",
             {"0010*0001*01/12/2026*15/12/2026*1.200,00*400,00*ND*50*200*0.00.00",
              "0012*0002*09/12/2026*16/12/2026*12.500,00*0,00*ND*50*200*0.00.00",
              "0011*0001*11/12/2026*18/12/2026*900,00*0*ND*50*200*20/11/2026**REVOC001"});
    b.scrivi(d + "Vie.dat",
             {ga::test::riga_via({{ga::vie::codice, "0001"}, {ga::vie::nome, "VIA DEL MARE"}}),
              ga::test::riga_via(
                  {{ga::vie::codice, "0002"}, {ga::vie::nome, "CORSO VITTORIO EMANUELE II"}})});
    b.scrivi(d + "proprietari.IND",
             {ga::test::riga_proprietario(
                  {{ga::proprietario::nome, "BIANCHI LUCIA"}, {ga::proprietario::codice, "0001"}}),
              ga::test::riga_proprietario({{ga::proprietario::nome, "VERDI GIUSEPPE"},
                                           {ga::proprietario::codice, "0002"}})});
    b.scrivi(d + "appartamenti.ind",
             {ga::test::riga_appartamento({{ga::appartamento::codice_proprietario, "0001"},
                                           {ga::appartamento::codice_via, "1"},
                                           {ga::appartamento::civico, "12"},
                                           {ga::appartamento::tipo, "MON"},
                                           {ga::appartamento::giardino, "SI"},
                                           {ga::appartamento::posti_letto, "2"},
                                           {ga::appartamento::codice, "0012"}}),
              ga::test::riga_appartamento({{ga::appartamento::codice_proprietario, "0002"},
                                           {ga::appartamento::codice_via, "2"},
                                           {ga::appartamento::civico, "5"},
                                           {ga::appartamento::tipo, "BIL"},
                                           {ga::appartamento::giardino, "NO"},
                                           {ga::appartamento::posti_letto, "4"},
                                           {ga::appartamento::codice, "0020"}})});
    b.scrivi(d + "periodi2026.ind", {ga::test::riga_periodo({{ga::periodo::codice, "0012"},
                                                             {ga::periodo::dal, "01/08/2026"},
                                                             {ga::periodo::al, "15/08/2026"},
                                                             {ga::periodo::prezzo, "650"},
                                                             {ga::periodo::stato, "LIB"}}),
                                     ga::test::riga_periodo({{ga::periodo::codice, "0020"},
                                                             {ga::periodo::dal, "01/08/2026"},
                                                             {ga::periodo::al, "08/08/2026"},
                                                             {ga::periodo::prezzo, "1.234,56"},
                                                             {ga::periodo::stato, "LIB"}}),
                                     ga::test::riga_periodo({{ga::periodo::codice, "0012"},
                                                             {ga::periodo::dal, "16/08/2026"},
                                                             {ga::periodo::al, "31/08/2026"},
                                                             {ga::periodo::prezzo, "12.000"},
                                                             {ga::periodo::stato, "LIB"}})});
    app.s.primo_accesso_menu = primo_accesso;
    app.s.operazione = operazione;
    app.run([&] { app.form(operazione[0] == 'p' ? "visu_disponib" : "MENU")->show(); });
    if (std::string(forma) == "visu_prenotazioni") app.run([&] { app.form(forma)->show(); });
    if (std::string(forma) == "visu_disponib") {
        app.click(*app.form(forma)->control("Check1"));
        app.click(*app.form(forma)->control("Command1"));
    }
    EXPECT_TRUE(f.fotografa(forma));
    EXPECT_TRUE(f.finestra(forma)->isVisible());
}

TEST(FinestraViste, ControlloentruscitWarningsOverTheMenu) {
    fotografa("controlloentruscit", "", "0");
}
TEST(FinestraViste, VisuPrenotazioniWithEveryBooking) {
    fotografa("visu_prenotazioni", "RITORNA", "1");
}
TEST(FinestraViste, VisuDisponibByPeriod) { fotografa("visu_disponib", "periodi", "1"); }

}  // namespace
