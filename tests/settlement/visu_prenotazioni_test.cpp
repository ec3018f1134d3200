// The bookings view: each line byte for byte (amount still due, client,
// state), the four filters that exclude one another with their refusals,
// and where a picked line and the exit lead.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/date.h"
#include "settlement/visu_prenotazioni.h"
#include "support/banco.h"
#include "support/righe.h"

namespace ga::test {
namespace {

using Righe = std::vector<std::string>;

plat::Date data(int g, int m) { return plat::Date::from_dmy(g, m, 2026).value(); }

class VisuPrenotazioniTest : public ::testing::Test {
protected:
    VisuPrenotazioniTest() {
        b.prepara_dati();
        app.s.primo_accesso_menu = "1";
        const std::string d = b.cartella_dati();
        // A longer name beginning the same way comes first in the file.
        b.scrivi(d + "clienti.dat",
                 {test::riga_cliente({{cliente::codice, "0003"},
                                      {cliente::nome, "ROSSI MARIO ANTONIO"},
                                      {cliente::via, "VIA PO"},
                                      {cliente::cap, "70100"},
                                      {cliente::citta, "BARI"},
                                      {cliente::telefono, "080"},
                                      {cliente::provincia, "BA"},
                                      {cliente::codice_fiscale, "Y"}}),
                  test::riga_cliente({{cliente::codice, "0001"},
                                      {cliente::nome, "ROSSI MARIO"},
                                      {cliente::via, "VIA MARE"},
                                      {cliente::cap, "70100"},
                                      {cliente::citta, "BARI"},
                                      {cliente::telefono, "080"},
                                      {cliente::provincia, "BA"},
                                      {cliente::codice_fiscale, "X"}}),
                  test::riga_cliente({{cliente::codice, "0002"},
                                      {cliente::nome, "DELLA VALLE BARTOLOMEO AMBROGIO"},
                                      {cliente::via, "VIA LAGO"},
                                      {cliente::cap, "70100"},
                                      {cliente::citta, "BARI"},
                                      {cliente::telefono, "080"},
                                      {cliente::provincia, "BA"},
                                      {cliente::codice_fiscale, "X"}})});
        // Column 3 of a movement is the balance paid.
        b.scrivi(d + "saldi2026.dat", {test::riga_movimento({{movimento::data, "01/07/2026"},
                                                             {movimento::parte, "0003"},
                                                             {movimento::acconto, "0"},
                                                             {movimento::saldo, "100,00"},
                                                             {movimento::importo, "0"},
                                                             {movimento::pulizia, "0"},
                                                             {movimento::cauzione, "0"},
                                                             {movimento::numero, "1"},
                                                             {movimento::appartamento, "0010"}}),
                                       test::riga_movimento({{movimento::data, "20/08/2026"},
                                                             {movimento::parte, "0003"},
                                                             {movimento::acconto, "0"},
                                                             {movimento::saldo, "700,00"},
                                                             {movimento::importo, "0"},
                                                             {movimento::pulizia, "0"},
                                                             {movimento::cauzione, "0"},
                                                             {movimento::numero, "3"},
                                                             {movimento::appartamento, "0011"}})});
        // Apartment, client, arrival, departure, rent, advance, closing date, link.
        b.scrivi(d + "prenotazioni2026.dat",
                 {test::riga_prenotazione({{pren::appartamento, "0010"},
                                           {pren::cliente, "0001"},
                                           {pren::arrivo, "01/08/2026"},
                                           {pren::partenza, "15/08/2026"},
                                           {pren::affitto, "1.200,00"},
                                           {pren::acconto, "400,00"},
                                           {pren::diritti, "ND"},
                                           {pren::pulizia, "50"},
                                           {pren::cauzione, "200"},
                                           {pren::chiusura, "0.00.00"}}),
                  test::riga_prenotazione({{pren::appartamento, "0012"},
                                           {pren::cliente, "0001"},
                                           {pren::arrivo, "05/08/2026"},
                                           {pren::partenza, "12/08/2026"},
                                           {pren::affitto, "0,00"},
                                           {pren::acconto, "300,00"},
                                           {pren::diritti, "ND"},
                                           {pren::pulizia, "50"},
                                           {pren::cauzione, "200"},
                                           {pren::chiusura, "10/07/2026"},
                                           {pren::movimento, "REVOC001"}}),
                  test::riga_prenotazione({{pren::appartamento, "0011"},
                                           {pren::cliente, "2"},
                                           {pren::arrivo, "16/08/2026"},
                                           {pren::partenza, "31/08/2026"},
                                           {pren::affitto, "1.000,00"},
                                           {pren::acconto, "300,00"},
                                           {pren::diritti, "ND"},
                                           {pren::pulizia, "50"},
                                           {pren::cauzione, "200"},
                                           {pren::chiusura, "20/08/2026"},
                                           {pren::movimento, "2"}}),
                  test::riga_prenotazione({{pren::appartamento, "0013"},
                                           {pren::cliente, "0001"},
                                           {pren::arrivo, "31/07/2026"},
                                           {pren::partenza, "15/08/2026"},
                                           {pren::affitto, "800,00"},
                                           {pren::acconto, "100,00"},
                                           {pren::diritti, "ND"},
                                           {pren::pulizia, "50"},
                                           {pren::cauzione, "200"},
                                           {pren::chiusura, "20/08/2026"},
                                           {pren::movimento, "99"}}),
                  test::riga_prenotazione({{pren::appartamento, "0014"},
                                           {pren::cliente, "0077"},
                                           {pren::arrivo, "01/09/2026"},
                                           {pren::partenza, "08/09/2026"},
                                           {pren::acconto, "10,00"},
                                           {pren::cauzione, "0.00.00"}})});
    }
    visu_prenotazioni& v() { return app.form<visu_prenotazioni>(); }
    void apri() {
        app.run([&] { v().show(); });
    }
    Righe numeri() {
        Righe r;
        for (int i = 0; i < v().List1.list_count(); ++i)
            r.push_back(v().List1.item(i).substr(0, 3));
        return r;
    }
    std::vector<int> spunte() {
        return {v().Check1.value(), v().Check2.value(), v().Check3.value(), v().Check4.value()};
    }

    Banco b;
    App& app = b.app();
    const std::string riga1 =
        "001 * 0010 * 01/08/2026 * 15/08/2026 *     800,00 * ROSSI MARIO              * ----";
    const std::string riga3 =
        "003 * 0011 * 16/08/2026 * 31/08/2026 *       0,00 * DELLA VALLE BARTOLOMEO AMBROGIO * "
        "SALD";
};

TEST_F(VisuPrenotazioniTest, EachLineShowsWhatIsStillDueTheClientAndTheState) {
    apri();
    EXPECT_EQ(v().DTPicker3.date(), data(1, 1));
    app.click(v().VEDI);
    EXPECT_EQ(
        v().List1.state().items,
        (Righe{
            riga1,
            "002 * 0012 * 05/08/2026 * 12/08/2026 *       0,00 * ROSSI MARIO              * REVO",
            riga3,
            "004 * 0013 * 31/07/2026 * 15/08/2026 *     700,00 * ROSSI MARIO              * SALD",
            // Paid beyond its (empty) rent: nothing is due, not -10,00.
            "005 * 0014 * 01/09/2026 * 08/09/2026 *       0,00 *                          * "
            "----"}));
    EXPECT_TRUE(b.nuovi_messaggi().empty());
}

TEST_F(VisuPrenotazioniTest, ThePeriodNeedsBothDatesAndKeepsTheBookingsInsideIt) {
    apri();
    app.pick_date(v().DTPicker2, data(15, 8));
    EXPECT_EQ(spunte(), (std::vector<int>{1, 0, 0, 0}));
    app.pick_date(v().DTPicker1, data(1, 8));
    EXPECT_EQ(v().DTPicker2.date(), data(2, 8));
    EXPECT_TRUE(numeri().empty()) << "neither date alone builds the list";
    app.pick_date(v().DTPicker2, data(15, 8));
    EXPECT_EQ(numeri(), (Righe{"001", "002"})) << "004 arrives a day early";

    // One bound unset: its 1 January bounds the period.
    app.run([&] { v().DTPicker2.set_date(data(1, 1)); });
    app.click(v().VEDI);
    EXPECT_EQ(v().List1.state().items,
              (Righe{"  ", " NON E' STATA TROVATA NESSUNA PRENOTAZIONE DA VISUALIZZARE "}));
    app.pick(v().List1, 1);
    EXPECT_TRUE(v().is_visible()) << "the message lines lead nowhere";
    app.run([&] { v().DTPicker1.set_date(data(1, 1)); });
    app.click(v().VEDI);
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"NON E' STATA INDICATO IL PERIODO !! "});
    EXPECT_EQ(b.messaggi().shown().back().title, "VEDI PRENOTAZIONI");
}

TEST_F(VisuPrenotazioniTest, ArrivalsDeparturesAndMonthsUntickTheOtherFilters) {
    apri();
    app.pick_date(v().DTPicker1, data(1, 8));
    app.pick_date(v().DTPicker3, data(5, 8));
    EXPECT_EQ(spunte(), (std::vector<int>{0, 1, 0, 0}));
    EXPECT_EQ(numeri(), Righe{"002"});
    app.pick_date(v().DTPicker4, data(15, 8));
    EXPECT_EQ(spunte(), (std::vector<int>{0, 0, 1, 0}));
    EXPECT_EQ(numeri(), (Righe{"001", "004"}));
    app.pick_date(v().DTPicker3, data(1, 1));
    EXPECT_TRUE(numeri().empty()) << "ticking a filter clears the list";
    app.pick_date(v().DTPicker4, data(1, 1));
    EXPECT_EQ(b.nuovi_messaggi(), (Righe{"NON E' STATA INDICATA LA DATA D'INGRESSO !! ",
                                         "NON E' STATA INDICATA LA DATA D'USCITA !! "}));

    app.click(v().Check4);
    app.click(v().VEDI);
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"NON E' STATO INDICATO INDICATO IL MESE !! "});
    // August: the revoked booking has no rent; the paid one shows rent - advance.
    app.pick(v().Combo1, 7);
    EXPECT_EQ(v().Text1.text(), "8");
    EXPECT_EQ(spunte(), (std::vector<int>{0, 0, 0, 1}));
    EXPECT_EQ(v().List1.state().items, (Righe{riga1,
                                              "003 * 0011 * 16/08/2026 * 31/08/2026 *     700,00 * "
                                              "DELLA VALLE BARTOLOMEO AMBROGIO * SALD"}));
    app.click(v().Check4);
    EXPECT_EQ(v().Combo1.text(), "");
    EXPECT_EQ(v().Text1.text(), "0");
    app.click(v().VEDI);
    EXPECT_EQ(numeri().size(), 5u);
    app.pick(v().Combo1, 7);
    EXPECT_EQ(numeri(), (Righe{"001", "003"})) << "the same month chosen again";
}

TEST_F(VisuPrenotazioniTest, ComingBackListsAtOnceAndAPickedLineOpensItsClient) {
    app.s.operazione = "RITORNA";
    apri();
    app.pick(v().List1, 2);
    plat::Form& cliente = *app.form("VisuPrenotCliente");
    EXPECT_TRUE(cliente.is_visible());
    EXPECT_EQ(cliente.control("Text1")->text(), "DELLA VALLE BARTOLOMEO AMBROGIO");
    EXPECT_TRUE(cliente.control("RITORNA")->visible());
    EXPECT_FALSE(v().is_loaded());

    // A line of ROSSI MARIO opens ROSSI MARIO, not the client whose name
    // begins the same way, with the client's bookings listed.
    apri();
    app.pick(v().List1, 0);
    EXPECT_EQ(cliente.control("Text5")->text(), "0001");
    EXPECT_EQ(cliente.control("Text1")->text(), "ROSSI MARIO");
    EXPECT_EQ(cliente.control("List1")->list_count(), 3);
    app.run([&] { cliente.unload(); });

    app.s.operazione = "";
    apri();
    EXPECT_TRUE(numeri().empty());
    app.click(v().ESCI);
    EXPECT_TRUE(!v().is_loaded() && app.form("MENU")->is_visible());
}

}  // namespace
}  // namespace ga::test
