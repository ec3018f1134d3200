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
#include "support/righe.h"

namespace ga::test {
namespace {

using Righe = std::vector<std::string>;
constexpr const char* kVisu = "VisuPrenotCliente";

std::string spazi(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

class VisuPrenot : public ::testing::Test {
protected:
    void SetUp() override {
        b.prepara_dati();
        const std::string d = b.cartella_dati();
        b.scrivi(d + "clienti.dat",
                 {test::riga_cliente({{cliente::codice, "0001"},
                                      {cliente::nome, "ROSSI MARIO"},
                                      {cliente::via, "VIA ROMA 1"},
                                      {cliente::cap, "00118"},
                                      {cliente::citta, "ROMA"},
                                      {cliente::telefono, "061234"},
                                      {cliente::provincia, "RM"},
                                      {cliente::codice_fiscale, "RSSMRA85T10A562S"}}),
                  test::riga_cliente({{cliente::codice, "0002"},
                                      {cliente::nome, "BIANCHI ANNA"},
                                      {cliente::via, "VIA MARE 2"},
                                      {cliente::cap, "70100"},
                                      {cliente::citta, "BARI"},
                                      {cliente::telefono, "080"},
                                      {cliente::provincia, "BA"},
                                      {cliente::codice_fiscale, "BNCNNA80A41A662X"}}),
                  test::riga_cliente({{cliente::codice, "0003"},
                                      {cliente::nome, "VERDI LUCA"},
                                      {cliente::via, "VIA PO"},
                                      {cliente::cap, "20121"},
                                      {cliente::citta, "MILANO"},
                                      {cliente::telefono, "02"},
                                      {cliente::provincia, "MI"}})});
        b.scrivi(d + "Vie.dat",
                 {test::riga_via({{vie::codice, "0001"}, {vie::nome, "VIA MARE"}}),
                  test::riga_via({{vie::codice, "0002"}, {vie::nome, "CORSO ITALIA"}})});
        b.scrivi(d + "proprietari.IND",
                 {test::riga_proprietario(
                      {{proprietario::nome, "ALFA"}, {proprietario::codice, "0003"}}),
                  test::riga_proprietario(
                      {{proprietario::nome, "BETA SRL"}, {proprietario::codice, "0004"}})});
        b.scrivi(d + "appartamenti.ind",
                 {test::riga_appartamento({{appartamento::codice_proprietario, "0003"},
                                           {appartamento::codice_via, "0001"},
                                           {appartamento::civico, "12"},
                                           {appartamento::tipo, "MON"},
                                           {appartamento::soggiorno, "SI"},
                                           {appartamento::bagni, "1"},
                                           {appartamento::giardino, "NO"},
                                           {appartamento::piano, "1"},
                                           {appartamento::posti_letto, "4"},
                                           {appartamento::periodicita, "ESTIVO"},
                                           {appartamento::codice, "0012"}}),
                  test::riga_appartamento({{appartamento::codice_proprietario, "0004"},
                                           {appartamento::codice_via, "0002"},
                                           {appartamento::civico, "3"},
                                           {appartamento::tipo, "BIL"},
                                           {appartamento::soggiorno, "NO"},
                                           {appartamento::bagni, "1"},
                                           {appartamento::giardino, "NO"},
                                           {appartamento::piano, "1"},
                                           {appartamento::posti_letto, "6"},
                                           {appartamento::periodicita, "ESTIVO"},
                                           {appartamento::codice, "0020"}}),
                  test::riga_appartamento({{appartamento::codice_proprietario, "0099"},
                                           {appartamento::codice_via, "0002"},
                                           {appartamento::civico, "5"},
                                           {appartamento::tipo, "TRI"},
                                           {appartamento::soggiorno, "NO"},
                                           {appartamento::bagni, "1"},
                                           {appartamento::giardino, "NO"},
                                           {appartamento::piano, "1"},
                                           {appartamento::posti_letto, "6"},
                                           {appartamento::periodicita, "ESTIVO"},
                                           {appartamento::codice, "0030"}})});
        b.scrivi(d + "prenotazioni2026.dat",
                 {test::riga_prenotazione({{pren::appartamento, "0020"},
                                           {pren::cliente, "0002"},
                                           {pren::arrivo, "01/06/2026"},
                                           {pren::partenza, "15/06/2026"},
                                           {pren::affitto, "800,00"},
                                           {pren::acconto, "200,00"},
                                           {pren::diritti, "50,00"},
                                           {pren::pulizia, "ND"},
                                           {pren::cauzione, "200,00"},
                                           {pren::chiusura, "0.00.00"},
                                           {pren::periodo, "5"}}),
                  test::riga_prenotazione({{pren::appartamento, "0030"},
                                           {pren::cliente, "0001"},
                                           {pren::arrivo, "01/06/2026"},
                                           {pren::partenza, "08/06/2026"},
                                           {pren::affitto, "1.000,00"},
                                           {pren::acconto, "1.000,50"},
                                           {pren::diritti, "50,00"},
                                           {pren::pulizia, "0,00"},
                                           {pren::cauzione, "200,00"},
                                           {pren::chiusura, "0.00.00"},
                                           {pren::periodo, "2"}}),
                  test::riga_prenotazione({{pren::appartamento, "0020"},
                                           {pren::cliente, "0002"},
                                           {pren::arrivo, "01/07/2026"},
                                           {pren::partenza, "15/07/2026"},
                                           {pren::affitto, "1.500,00"},
                                           {pren::acconto, "500,00"},
                                           {pren::diritti, "50,00"},
                                           {pren::pulizia, "0,00"},
                                           {pren::cauzione, "0,00"},
                                           {pren::chiusura, "20/07/2026"},
                                           {pren::movimento, "4"},
                                           {pren::periodo, "6"}}),
                  test::riga_prenotazione({{pren::appartamento, "0040"},
                                           {pren::cliente, "0001"},
                                           {pren::arrivo, "01/09/2026"},
                                           {pren::partenza, "08/09/2026"},
                                           {pren::affitto, "1.000,50"},
                                           {pren::acconto, "1.000,00"},
                                           {pren::diritti, "50,00"},
                                           {pren::pulizia, "0,00"},
                                           {pren::cauzione, "200,00"},
                                           {pren::chiusura, "0.00.00"},
                                           {pren::periodo, "9"}}),
                  test::riga_prenotazione({{pren::appartamento, "0012"},
                                           {pren::cliente, "0002"},
                                           {pren::arrivo, "01/08/2026"},
                                           {pren::partenza, "15/08/2026"},
                                           {pren::affitto, "0,00"},
                                           {pren::acconto, "500,00"},
                                           {pren::diritti, "50,00"},
                                           {pren::pulizia, "50,00"},
                                           {pren::cauzione, "200,00"},
                                           {pren::chiusura, "10/08/2026"},
                                           {pren::nota, "3"},
                                           {pren::movimento, "REVOC005"},
                                           {pren::periodo, "8"}}),
                  test::riga_prenotazione({{pren::appartamento, "0020"},
                                           {pren::cliente, "0002"},
                                           {pren::arrivo, "01/10/2026"},
                                           {pren::partenza, "08/10/2026"},
                                           {pren::affitto, "700,00"},
                                           {pren::acconto, "0,00"},
                                           {pren::diritti, "50,00"},
                                           {pren::pulizia, "0,00"},
                                           {pren::cauzione, "200,00"},
                                           {pren::chiusura, "0.00.00"},
                                           {pren::periodo, "7"}}),
                  test::riga_prenotazione({{pren::appartamento, "0012"},
                                           {pren::cliente, "0001"},
                                           {pren::arrivo, "01/07/2026"},
                                           {pren::partenza, "15/07/2026"},
                                           {pren::affitto, "1.500,00"},
                                           {pren::acconto, "500,00"},
                                           {pren::diritti, "ND"},
                                           {pren::pulizia, "50,00"},
                                           {pren::cauzione, "0,00"},
                                           {pren::chiusura, "0.00.00"},
                                           {pren::nota, "1"},
                                           {pren::periodo, "3"}}),
                  "",
                  test::riga_prenotazione({{pren::appartamento, "0012"},
                                           {pren::cliente, "0001"},
                                           {pren::arrivo, "01/11/2026"},
                                           {pren::partenza, "08/11/2026"},
                                           {pren::affitto, "900,00"},
                                           {pren::acconto, "0,00"},
                                           {pren::diritti, "ND"},
                                           {pren::pulizia, "0,00"},
                                           {pren::cauzione, "0,00"},
                                           {pren::chiusura, "0.00.00"},
                                           {pren::periodo, "4"}})});
        b.scrivi(d + "saldi2026.dat", {test::riga_movimento({{movimento::data, "01/06/2026"},
                                                             {movimento::parte, "0004"},
                                                             {movimento::acconto, "200,00"},
                                                             {movimento::saldo, "0"},
                                                             {movimento::importo, "50,00"},
                                                             {movimento::pulizia, "0"},
                                                             {movimento::cauzione, "200,00"},
                                                             {movimento::numero, "1"},
                                                             {movimento::appartamento, "0020"}}),
                                       test::riga_movimento({{movimento::data, "05/06/2026"},
                                                             {movimento::parte, "0003"},
                                                             {movimento::acconto, "500,00"},
                                                             {movimento::saldo, "0"},
                                                             {movimento::importo, "50,00"},
                                                             {movimento::pulizia, "0"},
                                                             {movimento::cauzione, "0"},
                                                             {movimento::numero, "7"},
                                                             {movimento::appartamento, "0012"}}),
                                       test::riga_movimento({{movimento::data, "06/06/2026"},
                                                             {movimento::parte, "0004"},
                                                             {movimento::acconto, "500,00"},
                                                             {movimento::saldo, "0"},
                                                             {movimento::importo, "50,00"},
                                                             {movimento::pulizia, "50,00"},
                                                             {movimento::cauzione, "200,00"},
                                                             {movimento::numero, "3"},
                                                             {movimento::appartamento, "0020"}}),
                                       test::riga_movimento({{movimento::data, "20/07/2026"},
                                                             {movimento::parte, "0004"},
                                                             {movimento::acconto, "0"},
                                                             {movimento::saldo, "1000,00"},
                                                             {movimento::importo, "0"},
                                                             {movimento::pulizia, "40,00"},
                                                             {movimento::cauzione, "1.200,00"},
                                                             {movimento::numero, "3"},
                                                             {movimento::appartamento, "0020"}}),
                                       test::riga_movimento({{movimento::data, "10/08/2026"},
                                                             {movimento::parte, "0003"},
                                                             {movimento::acconto, "-1.500,00"},
                                                             {movimento::saldo, "0"},
                                                             {movimento::importo, "0"},
                                                             {movimento::pulizia, "-50"},
                                                             {movimento::cauzione, "-200"},
                                                             {movimento::numero, "5"},
                                                             {movimento::appartamento, "0012"}}),
                                       "",
                                       test::riga_movimento({{movimento::data, "25/07/2026"},
                                                             {movimento::parte, "0004"},
                                                             {movimento::acconto, "0"},
                                                             {movimento::saldo, "0"},
                                                             {movimento::importo, "0"},
                                                             {movimento::pulizia, "0"},
                                                             {movimento::cauzione, "-200,00"},
                                                             {movimento::numero, "3"},
                                                             {movimento::appartamento, "0020"}})});
        b.scrivi(d + "noteaff2026.dat", {test::riga_nota({{nota::testo, "CON CANE"},
                                                          {nota::prenotazione, "7"},
                                                          {nota::appartamento, "0012"}}),
                                         "",
                                         test::riga_nota({{nota::testo, "ARRIVO TARDI"},
                                                          {nota::prenotazione, "5"},
                                                          {nota::appartamento, "0012"}})});
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
        vie.push_back(test::riga_via({{vie::codice, plat::pad_code(std::to_string(i), 4)},
                                      {vie::nome, "VIA " + std::to_string(i)}}));
    b.scrivi(b.cartella_dati() + "Vie.dat", vie);
    b.scrivi(b.cartella_dati() + "appartamenti.ind",
             {test::riga_appartamento({{appartamento::codice_proprietario, "0003"},
                                       {appartamento::codice_via, "1000"},
                                       {appartamento::civico, "12"},
                                       {appartamento::tipo, "MON"},
                                       {appartamento::soggiorno, "SI"},
                                       {appartamento::bagni, "1"},
                                       {appartamento::giardino, "NO"},
                                       {appartamento::piano, "1"},
                                       {appartamento::posti_letto, "4"},
                                       {appartamento::periodicita, "ESTIVO"},
                                       {appartamento::codice, "0012"}})});
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
    file[4] = test::riga_prenotazione({{pren::appartamento, "0012"},
                                       {pren::cliente, "0002"},
                                       {pren::arrivo, "01/08/2026"},
                                       {pren::partenza, "15/08/2026"},
                                       {pren::affitto, "0,00"},
                                       {pren::acconto, "500,00"},
                                       {pren::diritti, "50,00"},
                                       {pren::pulizia, "50,00"},
                                       {pren::cauzione, "200,00"},
                                       {pren::chiusura, "10/08/2026"},
                                       {pren::nota, "3"},
                                       {pren::movimento, "REVOC1000"},
                                       {pren::periodo, "8"}});
    b.scrivi(d + "prenotazioni2026.dat", file);
    Righe giornale(1000, test::riga_movimento({{movimento::data, "01/06/2026"},
                                               {movimento::parte, "0004"},
                                               {movimento::acconto, "0"},
                                               {movimento::saldo, "0"},
                                               {movimento::importo, "1,00"},
                                               {movimento::pulizia, "0"},
                                               {movimento::cauzione, "0"}}));
    giornale[0] = test::riga_movimento({{movimento::data, "01/06/2026"},
                                        {movimento::parte, "0003"},
                                        {movimento::acconto, "500,00"},
                                        {movimento::saldo, "50,00"},
                                        {movimento::importo, "0"},
                                        {movimento::pulizia, "50,00"},
                                        {movimento::cauzione, "200,00"},
                                        {movimento::numero, "5"},
                                        {movimento::appartamento, "0012"}});
    // The booking number as the revocation writes it, with the row's blanks.
    giornale[999] = test::riga_movimento({{movimento::data, "10/08/2026"},
                                          {movimento::parte, "0003"},
                                          {movimento::acconto, "-300,00"},
                                          {movimento::saldo, "0"},
                                          {movimento::importo, "0"},
                                          {movimento::pulizia, "-50"},
                                          {movimento::cauzione, "-200"},
                                          {movimento::numero, "    5 "},
                                          {movimento::appartamento, "0012"}});
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
    file[6] = test::riga_prenotazione({{pren::appartamento, "0012"},
                                       {pren::cliente, "0001"},
                                       {pren::arrivo, "01/07/2026"},
                                       {pren::partenza, "15/07/2026"},
                                       {pren::affitto, "0,00"},
                                       {pren::acconto, "500,00"},
                                       {pren::diritti, "ND"},
                                       {pren::pulizia, "50,00"},
                                       {pren::cauzione, "0,00"},
                                       {pren::chiusura, "10/12/2026"},
                                       {pren::nota, "1"},
                                       {pren::movimento, "REVOC002"},
                                       {pren::periodo, "3"}});
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
