// The receipt and contract of a booking, read back from the printer as the
// cells it was asked to write, and the find-booking dialog that prints it.
#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "bookings/TROVA_PRENOT.h"
#include "bookings/ricevuta.h"
#include "records/clienti.h"
#include "records/prenotazioni.h"
#include "support/banco.h"
#include "support/righe.h"

namespace ga {
namespace {

using Righe = std::vector<std::string>;
using Celle = std::map<std::pair<int, int>, std::string>;

// Booking 1: apartment 10, client 1, a July fortnight, note 1, booking
// movement on 02/03/2026. Fields 4 to 8 are rent, advance, fee, cleaning,
// deposit; 13 to 16 beds, flat-rate consumption, energy, linen persons.
const std::string kPrenotazione1 = test::riga_prenotazione({{pren::appartamento, "0010"},
                                                            {pren::cliente, "0001"},
                                                            {pren::arrivo, "01/07/2026"},
                                                            {pren::partenza, "15/07/2026"},
                                                            {pren::affitto, "1500"},
                                                            {pren::acconto, "500,00"},
                                                            {pren::diritti, "ND"},
                                                            {pren::pulizia, "ND"},
                                                            {pren::cauzione, "ND"},
                                                            {pren::chiusura, "0.00.00"},
                                                            {pren::nota, "1"},
                                                            {pren::periodo, "3"},
                                                            {pren::consumi, "30,00"}});

class Ricevuta : public ::testing::Test {
protected:
    void SetUp() override {
        b.prepara_dati();
        Stato& s = app.s;
        s.agenzia_nome = "MARE BLU";
        s.agenzia_via = "VIALE VESPUCCI 5";
        s.agenzia_citta = "RIMINI";
        s.agenzia_telefono = "0541 111111";
        s.telefono_responsabile = "333 2222222";
        s.agenzia_titolare = "LUCIA NERI";
        s.partita_iva = "01234567890";
        s.agenzia_email = "info@mareblu.it";
        s.diritti_agenzia = "30";
        s.percentuale_iva = "10";
        s.deposito_minimo = "150";
        s.pulizia_finale = "50";
        s.percentuale_cauzione = "20";
        s.ora_ingresso_a = "16", s.ora_uscita_a = "10";
        s.ora_ingresso_b = "17", s.ora_uscita_b = "9";
        s.ora_ingresso_c = "15", s.ora_uscita_c = "10";
        s.ora_ingresso_d = "18", s.ora_uscita_d = "8";
        s.intestazione_assegno = "1";
        s.iva_affitto = "si";
        s.costo_letto = "25";
        s.costo_lenzuola = "12,5";

        b.scrivi(dati("Vie.dat"),
                 {test::riga_via({{vie::codice, "0001"}, {vie::nome, "VIA DEL MARE "}}),
                  test::riga_via({{vie::codice, "0002"}, {vie::nome, "VIA ROMA"}})});
        b.scrivi(dati("proprietari.IND"),
                 {test::riga_proprietario({{proprietario::nome, "VERDI PAOLO"},
                                           {proprietario::telefono, "0832"},
                                           {proprietario::codice, "0002"},
                                           {proprietario::rapporto, "PROVV"}}),
                  test::proprietario_rossi()});
        b.scrivi(dati("appartamenti.ind"),
                 {test::riga_appartamento({{appartamento::codice_proprietario, "0002"},
                                           {appartamento::codice_via, "0002"},
                                           {appartamento::civico, "3"},
                                           {appartamento::tipo, "MON"},
                                           {appartamento::soggiorno, "SI"},
                                           {appartamento::bagni, "1"},
                                           {appartamento::giardino, "NO"},
                                           {appartamento::piano, "1"},
                                           {appartamento::posti_letto, "2"},
                                           {appartamento::periodicita, "ESTIVO"},
                                           {appartamento::codice, "0020"}}),
                  test::riga_appartamento({{appartamento::codice_proprietario, "0001"},
                                           {appartamento::codice_via, "0001"},
                                           {appartamento::civico, "12"},
                                           {appartamento::tipo, "BIL"},
                                           {appartamento::soggiorno, "SI"},
                                           {appartamento::bagni, "1"},
                                           {appartamento::giardino, "NO"},
                                           {appartamento::piano, "1"},
                                           {appartamento::posti_letto, "4"},
                                           {appartamento::periodicita, "ESTIVO"},
                                           {appartamento::codice, "0010"}})});
        // Field 3 the postal code, field 4 the town.
        b.scrivi(dati("clienti.dat"),
                 {test::riga_cliente({{cliente::codice, "0001"},
                                      {cliente::nome, "BIANCHI ANNA"},
                                      {cliente::via, "VIA MARE 2"},
                                      {cliente::cap, "70100"},
                                      {cliente::citta, "BARI"},
                                      {cliente::telefono, "080 123"},
                                      {cliente::provincia, "BA"},
                                      {cliente::codice_fiscale, "BNCNNA80A41A662X"}}),
                  test::cliente_verdi(),
                  test::riga_cliente({{cliente::codice, "0003"},
                                      {cliente::nome, "BIANCHI ANNA "},
                                      {cliente::via, "VIA ALTRA 1"},
                                      {cliente::cap, "73100"},
                                      {cliente::citta, "LECCE"},
                                      {cliente::telefono, "0832"},
                                      {cliente::provincia, "LE"},
                                      {cliente::codice_fiscale, "Z"}})});
        b.scrivi(dati("noteaff2026.dat"), {test::riga_nota({{nota::testo, "ARRIVO IN TARDA SERATA"},
                                                            {nota::prenotazione, "1"},
                                                            {nota::appartamento, "0010"}})});
        // Expenses numbered 1, of another apartment and of booking 1's own,
        // come first: they are no movement of booking 1.
        b.scrivi(dati("saldi2026.dat"),
                 {test::riga_movimento({{movimento::data, "05/01/2026"},
                                        {movimento::parte, "0002"},
                                        {movimento::acconto, "0"},
                                        {movimento::saldo, "0"},
                                        {movimento::importo, "80,00"},
                                        {movimento::pulizia, "0"},
                                        {movimento::cauzione, "0"},
                                        {movimento::numero, "1"},
                                        {movimento::appartamento, "0020"}}),
                  test::riga_movimento({{movimento::data, "06/01/2026"},
                                        {movimento::parte, "0001"},
                                        {movimento::acconto, "0"},
                                        {movimento::saldo, "0"},
                                        {movimento::importo, "40,00"},
                                        {movimento::pulizia, "0"},
                                        {movimento::cauzione, "0"},
                                        {movimento::numero, "1"},
                                        {movimento::appartamento, "0010"}}),
                  test::riga_movimento({{movimento::data, "02/03/2026"},
                                        {movimento::parte, "0001"},
                                        {movimento::acconto, "500,00"},
                                        {movimento::saldo, "ND"},
                                        {movimento::importo, "0"},
                                        {movimento::pulizia, "ND"},
                                        {movimento::cauzione, "ND"},
                                        {movimento::numero, "1"},
                                        {movimento::appartamento, "0010"}}),
                  test::riga_movimento({{movimento::data, "20/03/2026"},
                                        {movimento::parte, "0001"},
                                        {movimento::acconto, "100,00"},
                                        {movimento::saldo, "0"},
                                        {movimento::importo, "0"},
                                        {movimento::pulizia, "0"},
                                        {movimento::cauzione, "0"},
                                        {movimento::numero, "1"},
                                        {movimento::appartamento, "0010"}})});
        prenotazioni({kPrenotazione1});
    }

    std::string dati(const std::string& f) const { return b.cartella_dati() + f; }
    void prenotazioni(const Righe& righe) {
        b.scrivi(dati("prenotazioni2026.dat"), righe);
        app.run([&] {
            // The booking form's load reads every register.
            app.testo("prenotazione", "Text21");
            carica_prenotazioni(app);
        });
    }

    // The cells of the last page printed.
    Celle celle() {
        Celle c;
        if (b.stampante().jobs.empty()) return c;
        for (const plat::Cell& x : b.stampante().jobs.back().cells) c[{x.row, x.column}] = x.text;
        return c;
    }

    // Prints booking `numero` asking `cauzione` for an unpaid deposit.
    Celle stampa(const std::string& numero, const std::string& cauzione = "200") {
        app.s.prenotazione_scelta = numero;
        app.s.cauzione_ricevuta = cauzione;
        bool ok = false;
        app.run([&] { ok = stampa_ricevuta_prenotazione(app); });
        EXPECT_TRUE(ok);
        return celle();
    }
    int stampato() { return app.campo("prenotazione", "Check5").value(); }

    test::Banco b;
    App& app = b.app();
};

TEST_F(Ricevuta, APageFilledFromTheBookingItsClientApartmentOwnerStreetAndAgency) {
    const std::string prima = b.byte(dati("prenotazioni2026.dat"));
    const Celle c = stampa("001");

    ASSERT_EQ(b.stampante().jobs.size(), 1u);
    const plat::PrintJob& j = b.stampante().jobs.back();
    EXPECT_EQ(j.template_path, b.cartella_programma() + "stampe/prenotazione.xls");
    EXPECT_EQ(j.sheet, "Foglio1");
    EXPECT_EQ(j.logo_path, b.cartella_programma() + "ICONA.BMP");
    EXPECT_EQ(std::make_pair(j.logo_row, j.logo_column), std::make_pair(2, 1));
    EXPECT_DOUBLE_EQ(j.logo_width_scale, 0.35);
    EXPECT_DOUBLE_EQ(j.logo_height_scale, 0.4);
    EXPECT_EQ(j.copies, 1);
    EXPECT_EQ(j.pdf_path, dati("ricevuta_2026_001.pdf"));
    // Only cells with a text are written, inside the 53 rows and 2 columns.
    for (const plat::Cell& x : j.cells) {
        EXPECT_FALSE(x.text.empty()) << x.row << "," << x.column;
        EXPECT_TRUE(x.row >= 1 && x.row <= 53 && (x.column == 1 || x.column == 2));
    }
    EXPECT_FALSE(c.count({14, 1}) || c.count({1, 2}) || c.count({22, 2}));

    // The booking date is the booking's own first movement.
    EXPECT_EQ(c.at({2, 2}), "RIMINI  02/03/2026   Ric. n°   001 / 10");
    EXPECT_EQ(c.at({3, 2}), "Spett.le Signor BIANCHI ANNA");
    EXPECT_EQ(c.at({6, 2}), "Località BARI  70100  (BA)");
    EXPECT_EQ(c.at({8, 2}), " Cod. fiscale BNCNNA80A41A662X");
    EXPECT_EQ(c.at({10, 1}), " Nota : ARRIVO IN TARDA SERATA");
    EXPECT_EQ(c.at({12, 1}),
              " Vi confermiamo la prenotazione di un appartamento in RIMINI di proprietà del "
              "sig. ROSSI MARIO  in via  VIA DEL MARE 12 con n° 2 vani e n° 4 letti. "
              "Appartamento tipo Bilocale");
    EXPECT_EQ(c.at({16, 1}),
              " Per il periodo dal 01/07/2026 dopo le ore 17 al 15/07/2026 entro le ore 9 "
              "alle condizioni di seguito riportate");
    EXPECT_EQ(c.at({19, 1}), "Extra da pagare all’arrivo\u00A0:");
    EXPECT_EQ(c.at({19, 2}),
              " Prezzo stabilito.............................€  1.500,00 ( + IVA 10 % all'arrivo)");
    EXPECT_EQ(c.at({21, 2}), "Acconto versato ..............................€  500,00");
    EXPECT_EQ(c.at({24, 2}), " (esclusi gli extra).............................€  1.000,00");
    EXPECT_EQ(c.at({32, 2}), "02/03/2026        MARE BLU");
    EXPECT_EQ(c.at({33, 1}), "1. \u00A0 Periodi\u00A0:");
    EXPECT_EQ(c.at({40, 1}),
              "  a.  Per la locazione mensile o quindicinale\u00A0: Energia elettrica € _______ al "
              "KW - Gas a bombola - Pulizie finali a carico del villeggiante.");
    // The cleaning is not paid with the booking ("ND"): the clause says what it costs.
    EXPECT_EQ(
        c.at({41, 1}),
        "  b.  Per la locazione settimanale\u00A0: consumi a forfait € 30,00 - Pulizie finali "
        "€ 50,00, obbligatorie.");
    EXPECT_EQ(c.at({44, 1}), "  b.  Per la locazione settimanale\u00A0: €uro 150");
    EXPECT_TRUE(c.at({50, 1}).starts_with("8. \u00A0 Rinunce: "));
    EXPECT_NE(c.at({50, 1}).find("dell’Agenzia MARE BLU   RIMINI ai recapiti"), std::string::npos);
    for (int r : {48, 49, 51, 52}) EXPECT_FALSE(c.at({r, 1}).empty());

    // The page is printed; the files stay as they were, the loaded booking
    // keeps the amounts as printed.
    EXPECT_EQ(stampato(), 1);
    EXPECT_TRUE(b.messaggi().shown().empty());
    EXPECT_EQ(b.byte(dati("prenotazioni2026.dat")), prima);
    EXPECT_EQ(app.s.prenotazioni[1].campo[pren::affitto], "1.500,00");
    EXPECT_EQ(app.s.prenotazioni[1].campo[pren::letti], "0");
    EXPECT_EQ(app.s.appartamento_corrente, 10);
    EXPECT_EQ(app.s.numero_nota, "1");
}

TEST_F(Ricevuta, AClientRegisteredAfterAnEarlierReceiptIsPrinted) {
    stampa("001");
    app.run([&] {
        for (auto [box, testo] : {std::pair{"Text24", "4"},
                                  {"Text25", "0004"},
                                  {"Text8", "NERI ADA"},
                                  {"Text10", "VIA PO 1"},
                                  {"Text11", "47921"},
                                  {"Text12", "RIMINI"},
                                  {"Text13", "0541"},
                                  {"Text14", "RN"},
                                  {"Text9", "W"},
                                  {"Text30", ""}})
            app.imposta("prenotazione", box, testo);
        ASSERT_TRUE(test::registra_cliente_del_blocco(app));
    });
    prenotazioni({kPrenotazione1, test::riga_prenotazione({{pren::appartamento, "0010"},
                                                           {pren::cliente, "0004"},
                                                           {pren::arrivo, "01/08/2026"},
                                                           {pren::partenza, "15/08/2026"},
                                                           {pren::affitto, "1500"},
                                                           {pren::acconto, "500,00"},
                                                           {pren::diritti, "ND"},
                                                           {pren::pulizia, "ND"},
                                                           {pren::cauzione, "ND"},
                                                           {pren::chiusura, "0.00.00"}})});
    const Celle c = stampa("002");
    EXPECT_EQ(c.at({3, 2}), "Spett.le Signor NERI ADA");
    EXPECT_EQ(c.at({6, 2}), "Località RIMINI  47921  (RN)");
}

TEST_F(Ricevuta, DepositFeeCleaningAndExtrasDecideWhatIsPaidAndWhatIsDue) {
    prenotazioni({
        // 1: nothing of the agency due, no extras.
        test::riga_prenotazione({{pren::appartamento, "0010"},
                                 {pren::cliente, "0001"},
                                 {pren::arrivo, "01/07/2026"},
                                 {pren::partenza, "15/07/2026"},
                                 {pren::affitto, "1.500,00"},
                                 {pren::acconto, "500,00"},
                                 {pren::diritti, "ND"},
                                 {pren::pulizia, "ND"},
                                 {pren::cauzione, "ND"},
                                 {pren::chiusura, "0.00.00"},
                                 {pren::consumi, "  "}}),
        // 2: deposit, fee and cleaning all still to pay; 2 beds, 3 persons' linen.
        test::riga_prenotazione({{pren::appartamento, "0010"},
                                 {pren::cliente, "0001"},
                                 {pren::arrivo, "01/07/2026"},
                                 {pren::partenza, "15/07/2026"},
                                 {pren::affitto, "1.500,00"},
                                 {pren::acconto, "500,00"},
                                 {pren::diritti, "0,00"},
                                 {pren::pulizia, "0,00"},
                                 {pren::cauzione, "0,00"},
                                 {pren::chiusura, "0.00.00"},
                                 {pren::letti, "2"},
                                 {pren::lenzuola, "3"}}),
        // 3: deposit, fee and cleaning paid with the booking.
        test::riga_prenotazione({{pren::appartamento, "0010"},
                                 {pren::cliente, "0001"},
                                 {pren::arrivo, "01/07/2026"},
                                 {pren::partenza, "15/07/2026"},
                                 {pren::affitto, "1.500,00"},
                                 {pren::acconto, "500,00"},
                                 {pren::diritti, "150,00"},
                                 {pren::pulizia, "60,00"},
                                 {pren::cauzione, "300,00"},
                                 {pren::chiusura, "0.00.00"},
                                 {pren::consumi, "0"},
                                 {pren::lenzuola, "0"}}),
    });

    Celle c = stampa("1");
    EXPECT_EQ(c.at({21, 1}), "Cauzione per appartamento non dovuto");
    EXPECT_EQ(c.at({22, 1}), "Letto aggiunto € (25,00) per n. 0 Letti .................... € 0,00");
    EXPECT_FALSE(c.count({22, 2}));
    EXPECT_EQ(c.at({23, 1}), "Pulizia finale non richiesta ");
    EXPECT_EQ(c.at({25, 1}), "Lenzuola € (12,50) a pers./settim. n. 0 persone ...... € 0,00");
    EXPECT_EQ(c.at({26, 2}), "  extra da pagare:.............................€  0,00");
    EXPECT_EQ(c.at({24, 2}), " (esclusi gli extra).............................€  1.000,00");

    // A deposit of 1.200 counts 1.200 in the extras (not 1,2); half euros
    // of the linen stay.
    c = stampa("2", "1.200");
    EXPECT_EQ(c.at({21, 1}), "Cauzione per L'appartamento  ............................€ 1.200,00");
    EXPECT_EQ(c.at({22, 1}),
              "Letto aggiunto € (25,00) per n. 2 Letti .................... € 50,00");
    EXPECT_EQ(c.at({22, 2}), "Diritti Agenzia da versare  ................€   30");
    EXPECT_EQ(c.at({23, 1}),
              "Pulizia finale obbligatoria da versare ...................... € 50,00");
    EXPECT_EQ(c.at({25, 1}), "Lenzuola € (12,50) a pers./settim. n. 3 persone ...... € 37,50");
    EXPECT_EQ(c.at({26, 2}), "  extra da pagare:.............................€  1.337,50");
    EXPECT_EQ(c.at({24, 2}), " (esclusi gli extra).............................€  1.030,00");
    EXPECT_TRUE(c.at({41, 1}).ends_with(" - Pulizie finali € 50,00, obbligatorie."));
    EXPECT_EQ(app.s.pulizia_finale, "50,00");

    c = stampa("3");
    EXPECT_EQ(c.at({21, 1}), "Cauzione   € 300,00  per appartamento già versata");
    EXPECT_EQ(c.at({22, 2}), " Diritti Agenzia versata .....................€   150,00");
    EXPECT_EQ(c.at({23, 1}), "Pulizia finale già versata  ...................... € 60,00");
    EXPECT_EQ(c.at({26, 2}), "  extra da pagare:.............................€  0,00");
    EXPECT_EQ(c.at({24, 2}), " (esclusi gli extra).............................€  1.000,00");
}

TEST_F(Ricevuta, TheClientsStreetTakesViaOnlyWhenItDoesNotNameItsKind) {
    for (auto [strada, riga] : {std::pair{"VIA MARE 2", " VIA MARE 2"},
                                {"MARCONI 5", " Via MARCONI 5"},
                                {"PIAZZA DANTE 1", " PIAZZA DANTE 1"},
                                {"V.LE ROMA 3", " V.LE ROMA 3"},
                                {"VIALETTO 4", " Via VIALETTO 4"}}) {
        app.s.clienti[1][cliente::via] = strada;
        EXPECT_EQ(stampa("001").at({5, 2}), riga) << strada;
    }
}

TEST_F(Ricevuta, CheckInHoursFollowTheLengthOfTheStay) {
    prenotazioni({
        test::riga_prenotazione({{pren::appartamento, "0010"},
                                 {pren::cliente, "0001"},
                                 {pren::arrivo, "01/06/2026"},
                                 {pren::partenza, "01/07/2026"},
                                 {pren::affitto, "1.500,00"},
                                 {pren::acconto, "500,00"},
                                 {pren::diritti, "ND"},
                                 {pren::pulizia, "ND"},
                                 {pren::cauzione, "ND"},
                                 {pren::chiusura, "0.00.00"}}),  // 30 days
        test::riga_prenotazione({{pren::appartamento, "0010"},
                                 {pren::cliente, "0001"},
                                 {pren::arrivo, "01/07/2026"},
                                 {pren::partenza, "15/07/2026"},
                                 {pren::affitto, "1.500,00"},
                                 {pren::acconto, "500,00"},
                                 {pren::diritti, "ND"},
                                 {pren::pulizia, "ND"},
                                 {pren::cauzione, "ND"},
                                 {pren::chiusura, "0.00.00"}}),  // 14 days
        test::riga_prenotazione({{pren::appartamento, "0010"},
                                 {pren::cliente, "0001"},
                                 {pren::arrivo, "01/08/2026"},
                                 {pren::partenza, "15/08/2026"},
                                 {pren::affitto, "1.500,00"},
                                 {pren::acconto, "500,00"},
                                 {pren::diritti, "ND"},
                                 {pren::pulizia, "ND"},
                                 {pren::cauzione, "ND"},
                                 {pren::chiusura, "0.00.00"}}),  // 14, August
        test::riga_prenotazione({{pren::appartamento, "0010"},
                                 {pren::cliente, "0001"},
                                 {pren::arrivo, "04/07/2026"},
                                 {pren::partenza, "11/07/2026"},
                                 {pren::affitto, "1.500,00"},
                                 {pren::acconto, "500,00"},
                                 {pren::diritti, "ND"},
                                 {pren::pulizia, "ND"},
                                 {pren::cauzione, "ND"},
                                 {pren::chiusura, "0.00.00"}}),  // 7 days
        test::riga_prenotazione({{pren::appartamento, "0010"},
                                 {pren::cliente, "0001"},
                                 {pren::arrivo, "01/07/2026"},
                                 {pren::partenza, "18/07/2026"},
                                 {pren::affitto, "1.500,00"},
                                 {pren::acconto, "500,00"},
                                 {pren::diritti, "ND"},
                                 {pren::pulizia, "ND"},
                                 {pren::cauzione, "ND"},
                                 {pren::chiusura, "0.00.00"}}),  // 17 days
    });
    // The stay's own hours (a week has the Saturday hours); the clause on
    // monthly and fortnightly lettings states the month's for a week.
    struct Ore {
        const char *dentro, *fuori, *dentro_mese, *fuori_mese;
    };
    const Ore ore[] = {{"16", "10", "16", "10"},
                       {"17", "9", "17", "9"},
                       {"18", "8", "18", "8"},
                       {"15", "10", "16", "10"},
                       {"17", "9", "17", "9"}};
    for (int k = 1; k <= 5; ++k) {
        const Celle c = stampa(std::to_string(k));
        const auto [dentro, fuori, dentro_mese, fuori_mese] = ore[k - 1];
        EXPECT_NE(c.at({16, 1}).find(std::string(" dopo le ore ") + dentro + " al "),
                  std::string::npos)
            << k;
        EXPECT_NE(c.at({16, 1}).find(std::string(" entro le ore ") + fuori + " alle "),
                  std::string::npos)
            << k;
        EXPECT_NE(c.at({46, 1}).find(std::string("dopo le ore ") + dentro_mese +
                                     " e l’uscita entro le ore " + fuori_mese + " dell’ultimo"),
                  std::string::npos)
            << k;
    }
}

TEST_F(Ricevuta, TheChequePayeeFollowsTheSetting) {
    const std::pair<const char*, const char*> casi[] = {
        {"", "all'agenzia MARE BLU"}, {"2", " al sig. ROSSI MARIO"}, {"3", " a STUDIO BIANCO"}};
    app.s.intestatario_assegno = "STUDIO BIANCO";
    app.s.iva_affitto = "no";
    for (const auto& [scelta, intestatario] : casi) {
        app.s.intestazione_assegno = scelta;
        const Celle c = stampa("1");
        EXPECT_NE(c.at({38, 1}).find(std::string("assegno circolare intestato ") + intestatario +
                                     ", oppure Bancomat"),
                  std::string::npos)
            << scelta;
        EXPECT_EQ(c.at({19, 2}), " Prezzo stabilito.............................€  1.500,00");
    }
}

TEST_F(Ricevuta, APageNotPrintedIsToldAndLeavesTheFlagDown) {
    b.stampante().result = {plat::PrintOutcome::Failed, "",
                            "LA STAMPANTE UFFICIO NON HA STAMPATO."};
    app.s.prenotazione_scelta = "1";
    app.run([&] { EXPECT_FALSE(stampa_ricevuta_prenotazione(app)); });
    EXPECT_EQ(b.nuovi_messaggi(),
              Righe{"LA RICEVUTA NON E' STATA STAMPATA.\rLA STAMPANTE UFFICIO NON HA STAMPATO."});
    EXPECT_EQ(stampato(), 0);

    // Without a printer the page is kept as a PDF beside the data.
    b.stampante().result = {plat::PrintOutcome::SavedAsPdf, dati("ricevuta_2026_001.pdf"), ""};
    app.run([&] { EXPECT_TRUE(stampa_ricevuta_prenotazione(app)); });
    EXPECT_EQ(b.nuovi_messaggi(),
              Righe{"NESSUNA STAMPANTE DISPONIBILE.\rLA RICEVUTA E' STATA SALVATA NEL "
                    "FILE\r" +
                    dati("ricevuta_2026_001.pdf")});
    EXPECT_EQ(stampato(), 1);

    // A number that is no booking of the file prints nothing.
    const std::size_t lavori = b.stampante().jobs.size();
    for (const char* n : {"2", "0", "", "abc"}) {
        app.s.prenotazione_scelta = n;
        app.run([&] { EXPECT_FALSE(stampa_prenotazione_scelta(app)); });
    }
    EXPECT_EQ(b.stampante().jobs.size(), lavori);
    EXPECT_EQ(
        b.nuovi_messaggi(),
        (Righe{"LA PRENOTAZIONE N. 2 NON ESISTE.", "LA PRENOTAZIONE N. 0 NON ESISTE.",
               "SCEGLIERE LA PRENOTAZIONE DA STAMPARE.", "LA PRENOTAZIONE N. abc NON ESISTE."}));
}

// --- the find-booking dialog ---------------------------------------------------------

class TrovaPrenot : public Ricevuta {
protected:
    void SetUp() override {
        Ricevuta::SetUp();
        b.scrivi(dati("clienti.dat"), {test::cliente_bianchi(), test::cliente_verdi(),
                                       test::riga_cliente({{cliente::codice, "0003"},
                                                           {cliente::nome, "BIANCHI ANNA "},
                                                           {cliente::via, "VIA ALTRA 1"},
                                                           {cliente::cap, "73100"},
                                                           {cliente::citta, "LECCE"},
                                                           {cliente::telefono, "0832"},
                                                           {cliente::provincia, "LE"},
                                                           {cliente::codice_fiscale, "Z"}}),
                                       test::riga_cliente({{cliente::codice, "0004"},
                                                           {cliente::nome, "NERI ADA"},
                                                           {cliente::via, "VIA PO 1"},
                                                           {cliente::cap, "73100"},
                                                           {cliente::citta, "LECCE"},
                                                           {cliente::telefono, "0832"},
                                                           {cliente::provincia, "LE"},
                                                           {cliente::codice_fiscale, "W"}})});
        prenotazioni({
            test::riga_prenotazione({{pren::appartamento, "0010"},
                                     {pren::cliente, "0001"},
                                     {pren::arrivo, "01/06/2026"},
                                     {pren::partenza, "01/07/2026"},
                                     {pren::affitto, "500"},
                                     {pren::acconto, "100,00"},
                                     {pren::diritti, "ND"},
                                     {pren::pulizia, "ND"},
                                     {pren::cauzione, "0,00"},
                                     {pren::chiusura, "0.00.00"}}),
            test::riga_prenotazione({{pren::appartamento, "0020"},
                                     {pren::cliente, "0002"},
                                     {pren::arrivo, "01/07/2026"},
                                     {pren::partenza, "15/07/2026"},
                                     {pren::affitto, "1.500,00"},
                                     {pren::acconto, "500,00"},
                                     {pren::diritti, "ND"},
                                     {pren::pulizia, "ND"},
                                     {pren::cauzione, "0,00"},
                                     {pren::chiusura, "0.00.00"}}),
            test::riga_prenotazione({{pren::appartamento, "0010"},
                                     {pren::cliente, "0001"},
                                     {pren::arrivo, "01/08/2026"},
                                     {pren::partenza, "15/08/2026"},
                                     {pren::affitto, "1.500,00"},
                                     {pren::acconto, "500,00"},
                                     {pren::diritti, "ND"},
                                     {pren::pulizia, "ND"},
                                     {pren::cauzione, "0,00"},
                                     {pren::chiusura, "0.00.00"}}),
            test::riga_prenotazione({{pren::appartamento, "0020"},
                                     {pren::cliente, "0003"},
                                     {pren::arrivo, "04/07/2026"},
                                     {pren::partenza, "11/07/2026"},
                                     {pren::affitto, "900,00"},
                                     {pren::acconto, "300,00"},
                                     {pren::diritti, "ND"},
                                     {pren::pulizia, "ND"},
                                     {pren::cauzione, "ND"},
                                     {pren::chiusura, "0.00.00"}}),
        });
        app.run([&] {
            app.form("MENU")->show();
            app.form("MENU")->set_enabled(false);
            f().show();
        });
    }
    TROVA_PRENOT& f() { return app.form<TROVA_PRENOT>(); }
    std::vector<std::string> voci(plat::Control& lista) {
        std::vector<std::string> v;
        for (int i = 0; i < lista.list_count(); ++i) v.push_back(lista.item(i));
        return v;
    }
    // Which of the dialog's controls are shown.
    std::string visibili() {
        std::string v;
        for (plat::Control* c : std::initializer_list<plat::Control*>{
                 &f().Label6, &f().Label7, &f().Combo1, &f().Text1, &f().List1, &f().STAMPA})
            if (c->visible()) v += (v.empty() ? "" : " ") + c->name();
        return v;
    }
};

constexpr long kRosso = 192, kVerde = 32768;

TEST_F(TrovaPrenot, ListsEveryBookingAndClientAndTheTwoWaysOfChoosingExcludeEachOther) {
    EXPECT_TRUE(f().SCELTAPRENOT.visible());
    EXPECT_EQ(voci(f().List1), (Righe{"001", "002", "003", "004"}));
    EXPECT_EQ(voci(f().Combo1), (Righe{"BIANCHI ANNA", "VERDI LUCA", "BIANCHI ANNA ", "NERI ADA"}));
    EXPECT_EQ(visibili(), "Label6 Label7");

    app.click(f().Command4);
    EXPECT_EQ(std::make_pair(f().Command4.back_color(), f().Command5.back_color()),
              std::make_pair(kVerde, kRosso));
    EXPECT_EQ(visibili(), "Combo1");
    app.click(f().Command5);
    EXPECT_EQ(std::make_pair(f().Command4.back_color(), f().Command5.back_color()),
              std::make_pair(kRosso, kVerde));
    EXPECT_EQ(visibili(), "Text1 List1");
    app.click(f().Command5);
    EXPECT_EQ(std::make_pair(f().Command4.back_color(), f().Command5.back_color()),
              std::make_pair(kRosso, kRosso));
    EXPECT_EQ(visibili(), "Label6 Label7");
    app.click(f().Command4);
    app.click(f().Command4);
    EXPECT_EQ(f().Command4.back_color(), kRosso);
    EXPECT_EQ(visibili(), "Label6 Label7");
    // A button of any other colour does nothing.
    f().Command4.set_back_color(0xFF0000);
    app.click(f().Command4);
    EXPECT_EQ(visibili(), "Label6 Label7");
}

TEST_F(TrovaPrenot, AClientsOnlyBookingIsChosenAtOnceSeveralAreListedNoneLeavesNothingChosen) {
    app.click(f().Command4);
    app.pick(f().Combo1, 1);  // VERDI LUCA: booking 2 only
    EXPECT_EQ(f().Text1.text(), "002");
    EXPECT_EQ(visibili(), "Text1 STAMPA");

    // Two clients named BIANCHI ANNA: each line is its own client's.
    app.click(f().Command4);
    app.click(f().Command4);
    app.pick(f().Combo1, 2);
    EXPECT_EQ(f().Text1.text(), "004");
    app.click(f().STAMPA);
    EXPECT_EQ(celle().at({5, 2}), " VIA ALTRA 1");
    app.click(f().Command4);
    app.click(f().Command4);
    app.pick(f().Combo1, 0);
    EXPECT_EQ(voci(f().List1), (Righe{"001 0010", "003 0010"}));
    EXPECT_EQ(f().Text1.text(), "");
    EXPECT_EQ(visibili(), "List1 STAMPA");
    app.pick(f().List1, 1);
    EXPECT_EQ(f().Text1.text(), "003");
    EXPECT_EQ(visibili(), "Text1 STAMPA");

    // NERI ADA has no booking: nothing of the last choice remains to be
    // printed as hers.
    app.click(f().Command4);
    app.click(f().Command4);
    app.pick(f().Combo1, 3);
    EXPECT_EQ(f().Text1.text(), "");
    EXPECT_EQ(f().List1.list_count(), 0);
    app.click(f().STAMPA);
    EXPECT_EQ(b.stampante().jobs.size(), 1u);
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"SCEGLIERE LA PRENOTAZIONE DA STAMPARE."});
}

TEST_F(TrovaPrenot, PrintAsksTheLargerOfTheRentShareAndTheMinimumDepositAndStaysOpen) {
    app.click(f().Command5);
    app.pick(f().List1, 1);  // booking 2: 20% of 1.500,00 is 300, above the minimum 150
    app.click(f().STAMPA);
    EXPECT_EQ(app.s.cauzione_ricevuta, "300");
    EXPECT_EQ(celle().at({21, 1}),
              "Cauzione per L'appartamento  ............................€ 300,00");
    EXPECT_NE(celle().at({2, 2}).find(" Ric. n°   002 / 20"), std::string::npos);
    EXPECT_TRUE(f().visible());
    EXPECT_EQ(stampato(), 1);

    app.click(f().Command5);
    app.click(f().Command5);
    app.pick(f().List1, 0);  // booking 1: 20% of 500 is 100, below the minimum
    app.click(f().STAMPA);
    EXPECT_EQ(app.s.cauzione_ricevuta, "150");

    // A minimum written with its thousands counts as the thousand it is.
    app.s.deposito_minimo = "1.000,00";
    app.click(f().STAMPA);
    EXPECT_EQ(app.s.cauzione_ricevuta, "1.000,00");
    EXPECT_EQ(b.stampante().jobs.size(), 3u);

    app.click(f().USCITA);
    EXPECT_FALSE(f().is_loaded());
    EXPECT_TRUE(app.form("MENU")->enabled());
}

TEST_F(TrovaPrenot, BookingOneThousandIsReachedThroughItsClient) {
    Righe mille(1000, test::riga_prenotazione({{pren::appartamento, "0010"},
                                               {pren::cliente, "0002"},
                                               {pren::arrivo, "01/06/2026"},
                                               {pren::partenza, "15/06/2026"},
                                               {pren::affitto, "900,00"},
                                               {pren::acconto, "300,00"},
                                               {pren::diritti, "ND"},
                                               {pren::pulizia, "ND"},
                                               {pren::cauzione, "ND"},
                                               {pren::chiusura, "0.00.00"}}));
    mille.back() = test::riga_prenotazione({{pren::appartamento, "0020"},
                                            {pren::cliente, "0001"},
                                            {pren::arrivo, "01/06/2026"},
                                            {pren::partenza, "15/06/2026"},
                                            {pren::affitto, "900,00"},
                                            {pren::acconto, "300,00"},
                                            {pren::diritti, "ND"},
                                            {pren::pulizia, "ND"},
                                            {pren::cauzione, "ND"},
                                            {pren::chiusura, "0.00.00"}});
    mille[6] = test::riga_prenotazione({{pren::appartamento, "0020"},
                                        {pren::cliente, "0001"},
                                        {pren::arrivo, "01/07/2026"},
                                        {pren::partenza, "15/07/2026"},
                                        {pren::affitto, "900,00"},
                                        {pren::acconto, "300,00"},
                                        {pren::diritti, "ND"},
                                        {pren::pulizia, "ND"},
                                        {pren::cauzione, "ND"},
                                        {pren::chiusura, "0.00.00"}});
    b.scrivi(dati("prenotazioni2026.dat"), mille);
    app.run([&] {
        f().unload();
        f().show();
    });
    EXPECT_EQ(f().List1.item(999), "1000");
    app.click(f().Command4);
    app.pick(f().Combo1, 0);
    EXPECT_EQ(voci(f().List1), (Righe{"007 0020", "1000 0020"}));
    app.pick(f().List1, 1);
    EXPECT_EQ(f().Text1.text(), "1000");
    app.click(f().STAMPA);
    EXPECT_NE(celle().at({2, 2}).find(" Ric. n°   1000 / 20"), std::string::npos);
}

}  // namespace
}  // namespace ga
