// The invoice form and the view of advances, balances and expenses in real
// windows, each saved as a picture (screenshots/ under the working folder)
// for a person to look at.
#include <gtest/gtest.h>

#include <QWidget>

#include "finestre.h"

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
                 {"VERDI LUCA*VIA SOLE 3*LECCE*LE*73100*0832*0001*01234567890*PROVV*",
                  "DE LA CRUZ Y FERNANDEZ ANTONIO*VIA PO 3*ROMA*RM*00100*06*0002**PROVV*"});
        b.scrivi(b.cartella_dati() + "appartamenti.ind",
                 {"0001*001*5*BIL*SI*1*NO*1*4*ESTIVO***0012"});
        b.scrivi(b.cartella_dati() + "prenotazioni2026.dat",
                 {"0012*0001*01/07/2026*15/07/2026*1.200,50*300,00*100,00*50,00*200,00*15/07/"
                  "2026**2*3*0*0*0*0"});
        b.scrivi(b.cartella_dati() + "saldi2026.dat",
                 {"01/06/2026*0001*300,00*100,00*0*50,00*200,00*1*0012",
                  "15/07/2026*0001*0*900,50*0*0*0*1*0012", "31/07/2026*0001*0*0*500,00*0*0**",
                  "01/08/2026*0002*0*0*1.000,00*0*0**", "02/08/2026*0001*0*0*150,00*0*0*1*0012"});
        b.scrivi(b.cartella_dati() + "spese2026.dat", {"0012*RIPARAZIONE CALDAIA*5"});
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
