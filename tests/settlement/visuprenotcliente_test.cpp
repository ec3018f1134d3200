// A client's bookings: the rows of the list byte for byte, the money state of
// an open, a paid and a revoked booking, the buttons each state offers, and
// what SALDO and REVOCA hand on to the balance and revocation forms.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text.h"
#include "records/note.h"
#include "records/prenotazioni.h"
#include "records/vie.h"
#include "settlement/VisuPrenotCliente.h"
#include "settlement/prenotazioni_cliente.h"
#include "support/banco.h"

namespace ga::test {
namespace {

using Righe = std::vector<std::string>;
constexpr const char* kVisu = "VisuPrenotCliente";

std::string prenotazione(const std::string& campi_0_12) { return campi_0_12 + "****"; }

std::string spazi(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

class VisuPrenot : public ::testing::Test {
protected:
    void SetUp() override {
        b.prepara_dati();
        const std::string d = b.cartella_dati();
        b.scrivi(d + "clienti.dat",
                 {"0001*ROSSI MARIO*VIA ROMA 1*00118*ROMA*061234*RM*RSSMRA85T10A562S*",
                  "0002*BIANCHI ANNA*VIA MARE 2*70100*BARI*080*BA*BNCNNA80A41A662X*",
                  "0003*VERDI LUCA*VIA PO*20121*MILANO*02*MI**"});
        b.scrivi(d + "Vie.dat", {"0001**VIA MARE* $$", "0002**CORSO ITALIA* $$"});
        b.scrivi(d + "proprietari.IND", {"ALFA******0003***", "BETA SRL******0004***"});
        b.scrivi(d + "appartamenti.ind", {"0003*0001*12*MON*SI*1*NO*1*4*ESTIVO***0012",
                                          "0004*0002*3*BIL*NO*1*NO*1*6*ESTIVO***0020",
                                          "0099*0002*5*TRI*NO*1*NO*1*6*ESTIVO***0030"});
        b.scrivi(
            d + "prenotazioni2026.dat",
            {prenotazione(
                 "0020*0002*01/06/2026*15/06/2026*800,00*200,00*50,00*ND*200,00*0.00.00***5"),
             prenotazione(
                 "0030*0001*01/06/2026*08/06/2026*1.000,00*1.000,50*50,00*0,00*200,00*0.00.00***2"),
             prenotazione(
                 "0020*0002*01/07/2026*15/07/2026*1.500,00*500,00*50,00*0,00*0,00*20/07/2026**4*6"),
             prenotazione(
                 "0040*0001*01/09/2026*08/09/2026*1.000,50*1.000,00*50,00*0,00*200,00*0.00.00***9"),
             prenotazione("0012*0002*01/08/2026*15/08/2026*0,00*500,00*50,00*50,00*200,00*10/08/"
                          "2026*3*REVOC005*8"),
             prenotazione(
                 "0020*0002*01/10/2026*08/10/2026*700,00*0,00*50,00*0,00*200,00*0.00.00***7"),
             prenotazione(
                 "0012*0001*01/07/2026*15/07/2026*1.500,00*500,00*ND*50,00*0,00*0.00.00*1**3"),
             "",
             prenotazione("0012*0001*01/11/2026*08/11/2026*900,00*0,00*ND*0,00*0,00*0.00.00***4")});
        b.scrivi(d + "saldi2026.dat", {"01/06/2026*0004*200,00*0*50,00*0*200,00*1*0020",
                                       "05/06/2026*0003*500,00*0*50,00*0*0*7*0012",
                                       "06/06/2026*0004*500,00*0*50,00*50,00*200,00*3*0020",
                                       "20/07/2026*0004*0*1000,00*0*40,00*1.200,00*3*0020",
                                       "10/08/2026*0003*-1.500,00*0*0*-50*-200*5*0012", "",
                                       "25/07/2026*0004*0*0*0*0*-200,00*3*0020"});
        b.scrivi(d + "noteaff2026.dat", {"CON CANE*7*0012", "", "ARRIVO TARDI*5*0012"});
        app.s.diritti_agenzia = "30";
        app.s.pulizia_finale = "40";
        app.s.percentuale_cauzione = "20";
        app.s.deposito_minimo = "200";
        app.run([&] { f().show(); });
        // The empty lines of the bookings and the notes are told of once,
        // at their first load.
        app.run([&] {
            carica_prenotazioni(app);
            carica_note(app);
        });
        EXPECT_EQ(b.nuovi_messaggi().size(), 2u);
    }
    VisuPrenotCliente& f() { return app.form<VisuPrenotCliente>(); }
    void cerca(const std::string& nome) {
        app.type(f().Text1, nome);
        app.leave(f().Text1);
    }
    std::string box(const char* forma, const char* nome) { return app.testo(forma, nome); }
    Righe caselle(const char* forma, std::initializer_list<const char*> nomi) {
        Righe out;
        for (const char* n : nomi) out.push_back(box(forma, n));
        return out;
    }
    bool offerti(bool saldo, bool revoca) {
        return f().SALDO.visible() == saldo && f().REVOCA.visible() == revoca &&
               !f().MODIFICA.visible();
    }

    Banco b;
    App& app = b.app();
};

TEST_F(VisuPrenot, ListsTheClientsBookingsRowByRow) {
    cerca("rossi");
    EXPECT_EQ(f().Text5.text(), "0001");
    EXPECT_TRUE(f().AVANTI.visible());
    // Booking 9 lies after the empty line 8, and keeps its number.
    const Righe attese = {
        // The owner of apartment 0030 is not in the owners file: the name stays blank.
        "    2 - 0030 - 0099 - " + spazi(24) + " - CORSO ITALIA" + spazi(12) +
            " - 01/06/2026 - 08/06/2026",
        // Apartment 0040 does not exist: nothing of the row before is carried over.
        "    4 - 0040 -  - " + spazi(24) + " - " + spazi(24) + " - 01/09/2026 - 08/09/2026",
        "    7 - 0012 - 0003 - ALFA" + spazi(20) + " - VIA MARE" + spazi(16) +
            " - 01/07/2026 - 15/07/2026",
        "    9 - 0012 - 0003 - ALFA" + spazi(20) + " - VIA MARE" + spazi(16) +
            " - 01/11/2026 - 08/11/2026"};
    ASSERT_EQ(f().List1.list_count(), 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(f().List1.item(i), attese[static_cast<std::size_t>(i)]);
    EXPECT_EQ(attese[2].size(), 99u);
    EXPECT_EQ(righe_prenotazioni_cliente(app),
              (Righe{"", attese[0], attese[1], attese[2], attese[3]}));
    EXPECT_EQ(box("fattura", "Text16"), "4");

    // The invoice's client code is used in its mode; a client without bookings.
    app.s.modo_chiamata = "fatturaz";
    app.imposta("fattura", "Text14", "0003");
    app.run([&] { elenca_prenotazioni_cliente(app); });
    EXPECT_EQ(f().List1.list_count(), 0);
    EXPECT_EQ(box("fattura", "Text16"), "0");
}

// A street code is compared whole: street 1000 is not street 000.
TEST_F(VisuPrenot, AnApartmentOnStreet1000ShowsItsStreet) {
    Righe vie;
    for (int i = 1; i <= 1000; ++i)
        vie.push_back(plat::pad_code(std::to_string(i), 4) + "**VIA " + std::to_string(i) + "* $$");
    b.scrivi(b.cartella_dati() + "Vie.dat", vie);
    b.scrivi(b.cartella_dati() + "appartamenti.ind",
             {"0003*1000*12*MON*SI*1*NO*1*4*ESTIVO***0012"});
    app.run([&] { carica_vie(app); });
    cerca("rossi");
    ASSERT_EQ(f().List1.list_count(), 4);
    EXPECT_EQ(f().List1.item(2), "    7 - 0012 - 0003 - ALFA" + spazi(20) + " - VIA 1000" +
                                     spazi(16) + " - 01/07/2026 - 15/07/2026");
}

TEST_F(VisuPrenot, AnOpenBookingAndTheButtonsOfferedByMode) {
    app.s.operazione = "";
    cerca("ROSSI");
    app.pick(f().List1, 2);
    EXPECT_EQ(f().Text6.text(), "    7 ");
    EXPECT_EQ(caselle(kVisu, {"Text7", "Text8", "Text9", "Text10", "Text11", "Text12", "Text13",
                              "Text15"}),
              (Righe{"1.500,00", "500,00", "0,00", "1.000,00", "ND", "50,00", "0,00", "3"}));
    // Open: the journal is not read; the note is shown.
    EXPECT_EQ(f().Text14.text(), "CON CANE");
    EXPECT_TRUE(f().NOTA.visible() && f().Text14.visible());
    EXPECT_TRUE(offerti(true, true));
    EXPECT_EQ(app.s.numero_nota, "1");
    EXPECT_EQ(app.s.appartamento_corrente, 12);
    // The balance form: the defaults of the items not booked; the deposit is
    // 20% of the rent, above the minimum.
    EXPECT_EQ(caselle("saldoaff", {"Text7", "Text8", "Text10", "Text18", "Text19", "Text20"}),
              (Righe{"1.500,00", "500,00", "1.000,00", "30,00", "", "300,00"}));
    EXPECT_EQ(caselle("RESTCAUZ", {"Text6", "Text7"}), (Righe{"CON CANE", "1"}));

    // An overpayment of 0,50 leaves nothing due and nothing is offered; the
    // agency fee booked here leaves no default behind from the pick before.
    app.pick(f().List1, 0);
    EXPECT_EQ(f().Text10.text(), "0,00");
    EXPECT_EQ(box("saldoaff", "Text10"), "0,00");
    EXPECT_TRUE(offerti(false, false));
    EXPECT_EQ(box("saldoaff", "Text18"), "");
    EXPECT_EQ(box("saldoaff", "Text20"), "");
    EXPECT_EQ(f().Text14.text(), "");
    // Half a euro still due can be paid.
    app.pick(f().List1, 1);
    EXPECT_EQ(f().Text10.text(), "0,50");
    EXPECT_TRUE(offerti(true, true));

    app.s.operazione = "SALDO";
    app.pick(f().List1, 2);
    EXPECT_TRUE(offerti(true, false));
    app.s.operazione = "REVOCA";
    app.pick(f().List1, 2);
    EXPECT_TRUE(offerti(false, true));
}

TEST_F(VisuPrenot, PaidAndRevokedBookingsComeFromTheirMovements) {
    app.imposta("RESTCAUZ", "Label9", "0,00");
    cerca("BIANCHI");
    ASSERT_EQ(f().List1.list_count(), 4);
    // Paid: the movements from 4 on; the refund (7, after an empty journal
    // line) keeps the balance paid. The deposit held counts every movement
    // of the booking: 200,00 + 1.200,00 - 200,00.
    app.pick(f().List1, 1);
    EXPECT_EQ(caselle(kVisu, {"Text7", "Text8", "Text9", "Text10", "Text12", "Text13"}),
              (Righe{"1.500,00", "500,00", "1.000,00", "0,00", "0,00", "-200,00"}));
    EXPECT_EQ(box("RESTCAUZ", "Label9"), "1.200,00");
    EXPECT_TRUE(offerti(false, false));
    EXPECT_TRUE(f().NOTA.visible());
    EXPECT_FALSE(f().Text16.visible());

    // Revoked: the refund line, the note (past the empty note line) with the
    // revocation date, no action.
    app.imposta("RESTCAUZ", "Label9", "0,00");
    app.pick(f().List1, 2);
    EXPECT_EQ(f().Text14.text(), "ARRIVO TARDI - REVOCATO  10/08/2026");
    EXPECT_EQ(box("RESTCAUZ", "Text6"), "ARRIVO TARDI - REVOCATO  10/08/2026");
    EXPECT_TRUE(f().Text16.visible());
    EXPECT_EQ(f().Text16.text(), " RESTITUITO  €  1.500,00");
    EXPECT_EQ(caselle(kVisu, {"Text7", "Text9", "Text10", "Text12", "Text13"}),
              (Righe{"0,00", "0,00", "0,00", "-50,00", "-200,00"}));
    EXPECT_EQ(box("RESTCAUZ", "Label9"), "-200,00");
    EXPECT_TRUE(offerti(false, false));
}

// Revoked by movement 1000: the link is read whole, so the booking's own
// first movement (its agency fee in the balance column) is not applied.
TEST_F(VisuPrenot, ARevocationLinkIsReadWhole) {
    const std::string d = b.cartella_dati();
    Righe file = b.leggi(d + "prenotazioni2026.dat");
    file[4] = prenotazione(
        "0012*0002*01/08/2026*15/08/2026*0,00*500,00*50,00*50,00*200,00*10/08/2026*3*REVOC1000*8");
    b.scrivi(d + "prenotazioni2026.dat", file);
    Righe giornale(1000, "01/06/2026*0004*0*0*1,00*0*0**");
    giornale[0] = "01/06/2026*0003*500,00*50,00*0*50,00*200,00*5*0012";
    // The booking number as the revocation writes it, with the row's blanks.
    giornale[999] = "10/08/2026*0003*-300,00*0*0*-50*-200*    5 *0012";
    b.scrivi(d + "saldi2026.dat", giornale);
    cerca("BIANCHI");
    app.pick(f().List1, 2);
    EXPECT_EQ(caselle(kVisu, {"Text9", "Text12", "Text13", "Text16"}),
              (Righe{"0,00", "-50,00", "-200,00", " RESTITUITO  €  300,00"}));
}

TEST_F(VisuPrenot, SaldoAndRevocaHandTheRowOn) {
    app.s.operazione = "";
    cerca("ROSSI");
    app.run([&] { f().SALDO_Click(); });
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"SELEZIONA LA PRENOTAZIONE DA SALDARE"});
    EXPECT_FALSE(app.form("saldoaff")->is_visible());

    app.pick(f().List1, 2);
    const std::string riga = f().List1.text();
    app.click(f().SALDO);
    EXPECT_EQ(caselle("saldoaff", {"Text1", "Text6", "Text3", "Text4", "Text5", "Text17"}),
              (Righe{riga.substr(0, 60), spazi(4) + " - 01/07/2026 - 15/07/2026", "    7 ",
                     "ROSSI MARIO", "ROMA", "0012"}));
    EXPECT_FALSE(f().enabled());
    EXPECT_TRUE(app.form("saldoaff")->is_visible());
    app.close(*app.form("saldoaff"));
    ASSERT_TRUE(f().enabled());

    app.pick(f().List1, 2);
    app.click(f().REVOCA);
    EXPECT_EQ(caselle("REVOCAPREN",
                      {"Text11", "Text12", "Text1", "Text6", "Text3", "Text2", "Text9", "Text10"}),
              (Righe{"0003", "0012", riga.substr(0, 60), riga.substr(69), "    7 ", "500,00",
                     "50,00", "0,00"}));
    EXPECT_EQ(app.s.operazione, "REVOCA");
    EXPECT_FALSE(f().is_visible());
    EXPECT_TRUE(app.form("REVOCAPREN")->is_visible());

    // Back from the revocation, the booking is picked again as it now stands.
    Righe file = b.leggi(b.cartella_dati() + "prenotazioni2026.dat");
    file[6] = prenotazione(
        "0012*0001*01/07/2026*15/07/2026*0,00*500,00*ND*50,00*0,00*10/12/2026*1*REVOC002*3");
    b.scrivi(b.cartella_dati() + "prenotazioni2026.dat", file);
    app.run([&] { f().show(); });
    EXPECT_EQ(f().Text14.text(), "CON CANE - REVOCATO  10/12/2026");
    EXPECT_EQ(f().Text7.text(), "0,00");
    EXPECT_TRUE(offerti(false, false));
}

TEST_F(VisuPrenot, TheNameBoxAndTheExit) {
    cerca("ROSSI");
    app.pick(f().List1, 2);
    // A client is shown: leaving the name box clears the figures only.
    cerca("BIANCHI");
    EXPECT_EQ(f().Text5.text(), "0001");
    EXPECT_EQ(f().Text7.text(), "");
    EXPECT_FALSE(f().NOTA.visible());

    // Opened by the arrivals check, with the menu disabled (the check has
    // run: it does not disable the menu again at its activation).
    app.s.primo_accesso_menu = "1";
    f().Text18.set_text("CONTROLLO");
    app.form("MENU")->set_enabled(false);
    app.click(f().ESCI);
    EXPECT_TRUE(app.form("MENU")->is_visible());
    EXPECT_TRUE(app.form("MENU")->is_enabled());
    EXPECT_FALSE(f().is_loaded());
}

}  // namespace
}  // namespace ga::test
