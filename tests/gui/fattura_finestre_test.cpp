// The invoice form and the view of advances, balances and expenses in real
// windows, each saved as a picture (screenshots/ under the working folder)
// for a person to look at.
#include <gtest/gtest.h>

#include <QWidget>

#include "finestre.h"
#include "support/righe.h"

namespace {

class FinestreFattura : public ::testing::Test {
protected:
    void SetUp() override {
        ga::test::Banco& b = f.banco();
        b.prepara_dati();
        app.s.primo_accesso_menu = "1";
        app.s.percorso_logo = b.cartella_programma() + "ICONA.BMP";
        app.s.percentuale_iva = "22";
        app.s.agenzia_nome = "MARE BLU";
        b.scrivi(b.cartella_dati() + "proprietari.IND",
                 {ga::test::riga_proprietario({{ga::proprietario::nome, "VERDI LUCA"},
                                               {ga::proprietario::via, "VIA SOLE 3"},
                                               {ga::proprietario::citta, "LECCE"},
                                               {ga::proprietario::provincia, "LE"},
                                               {ga::proprietario::cap, "73100"},
                                               {ga::proprietario::telefono, "0832"},
                                               {ga::proprietario::codice, "0001"},
                                               {ga::proprietario::codice_fiscale, "01234567890"},
                                               {ga::proprietario::rapporto, "PROVV"}}),
                  ga::test::riga_proprietario(
                      {{ga::proprietario::nome, "DE LA CRUZ Y FERNANDEZ ANTONIO"},
                       {ga::proprietario::via, "VIA PO 3"},
                       {ga::proprietario::citta, "ROMA"},
                       {ga::proprietario::provincia, "RM"},
                       {ga::proprietario::cap, "00100"},
                       {ga::proprietario::telefono, "06"},
                       {ga::proprietario::codice, "0002"},
                       {ga::proprietario::rapporto, "PROVV"}})});
        b.scrivi(b.cartella_dati() + "appartamenti.ind",
                 {ga::test::riga_appartamento({{ga::appartamento::codice_proprietario, "0001"},
                                               {ga::appartamento::codice_via, "001"},
                                               {ga::appartamento::civico, "5"},
                                               {ga::appartamento::tipo, "BIL"},
                                               {ga::appartamento::soggiorno, "SI"},
                                               {ga::appartamento::bagni, "1"},
                                               {ga::appartamento::giardino, "NO"},
                                               {ga::appartamento::piano, "1"},
                                               {ga::appartamento::posti_letto, "4"},
                                               {ga::appartamento::periodicita, "ESTIVO"},
                                               {ga::appartamento::codice, "0012"}})});
        b.scrivi(b.cartella_dati() + "prenotazioni2026.dat",
                 {ga::test::riga_prenotazione({{ga::pren::appartamento, "0012"},
                                               {ga::pren::cliente, "0001"},
                                               {ga::pren::arrivo, "01/07/2026"},
                                               {ga::pren::partenza, "15/07/2026"},
                                               {ga::pren::affitto, "1.200,50"},
                                               {ga::pren::acconto, "300,00"},
                                               {ga::pren::diritti, "100,00"},
                                               {ga::pren::pulizia, "50,00"},
                                               {ga::pren::cauzione, "200,00"},
                                               {ga::pren::chiusura, "15/07/2026"},
                                               {ga::pren::movimento, "2"},
                                               {ga::pren::periodo, "3"},
                                               {ga::pren::letti, "0"},
                                               {ga::pren::consumi, "0"},
                                               {ga::pren::energia, "0"},
                                               {ga::pren::lenzuola, "0"}})});
        b.scrivi(b.cartella_dati() + "saldi2026.dat",
                 {ga::test::riga_movimento({{ga::movimento::data, "01/06/2026"},
                                            {ga::movimento::parte, "0001"},
                                            {ga::movimento::acconto, "300,00"},
                                            {ga::movimento::saldo, "100,00"},
                                            {ga::movimento::importo, "0"},
                                            {ga::movimento::pulizia, "50,00"},
                                            {ga::movimento::cauzione, "200,00"},
                                            {ga::movimento::numero, "1"},
                                            {ga::movimento::appartamento, "0012"}}),
                  ga::test::riga_movimento({{ga::movimento::data, "15/07/2026"},
                                            {ga::movimento::parte, "0001"},
                                            {ga::movimento::acconto, "0"},
                                            {ga::movimento::saldo, "900,50"},
                                            {ga::movimento::importo, "0"},
                                            {ga::movimento::pulizia, "0"},
                                            {ga::movimento::cauzione, "0"},
                                            {ga::movimento::numero, "1"},
                                            {ga::movimento::appartamento, "0012"}}),
                  ga::test::riga_movimento({{ga::movimento::data, "31/07/2026"},
                                            {ga::movimento::parte, "0001"},
                                            {ga::movimento::acconto, "0"},
                                            {ga::movimento::saldo, "0"},
                                            {ga::movimento::importo, "500,00"},
                                            {ga::movimento::pulizia, "0"},
                                            {ga::movimento::cauzione, "0"}}),
                  ga::test::riga_movimento({{ga::movimento::data, "01/08/2026"},
                                            {ga::movimento::parte, "0002"},
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
        b.scrivi(b.cartella_dati() + "spese2026.dat",
                 {ga::test::riga_spesa({{ga::voce_spesa::appartamento, "0012"},
                                        {ga::voce_spesa::descrizione, "RIPARAZIONE CALDAIA"},
                                        {ga::voce_spesa::movimento, "5"}})});
        app.run([&] {
            app.imposta("zeltra", "Text9", "10");
            app.form("MENU")->show();
        });
        app.click(box("MENU", "proprietar"));
    }
    plat::Control& box(const char* form, const char* control) {
        return *app.form(form)->control(control);
    }
    void scrivi(plat::Control& c, const char* testo) {
        app.type(c, testo);
        app.leave(c);
    }

    gui_test::Finestre f;
    ga::App& app = f.app();
};

TEST_F(FinestreFattura, AnOwnerInvoiceWithWithholding) {
    app.pick(box("MENU", "List3"), 5);
    scrivi(box("fattura", "Text8"), "verdi");
    scrivi(box("fattura", "Text1"), "PROVVIGIONI SUGLI AFFITTI DELLA STAGIONE 2026");
    app.click(box("fattura", "Check3"));
    EXPECT_TRUE(f.fotografa("fattura"));
    EXPECT_TRUE(f.finestra("fattura")->isVisible());
    EXPECT_FALSE(f.finestra("MENU")->isVisible());
}

TEST_F(FinestreFattura, TheAccountsViewOfAllOwners) {
    app.click(box("MENU", "contabilita"));
    app.click(box("VEDISALDI", "Command1"));
    EXPECT_TRUE(f.fotografa("VEDISALDI"));
    EXPECT_TRUE(f.finestra("VEDISALDI")->isVisible());
}

}  // namespace
