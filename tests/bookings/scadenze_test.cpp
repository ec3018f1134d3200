// The expired-bookings and arrivals check at the menu's first activation:
// which open bookings it lists, in which order, each line byte for byte,
// and where its warnings form leads.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bookings/scadenze.h"
#include "platform/date.h"
#include "support/banco.h"
#include "support/righe.h"

namespace ga::test {
namespace {

using Righe = std::vector<std::string>;
const std::string kSep(125, '-');

// Apartment, client, arrival, rent, advance, closing date and movement link.
std::string pren(const std::string& app, const std::string& cli, const std::string& arrivo,
                 const std::string& affitto, const std::string& acconto,
                 const std::string& chiusura = "0.00.00", const std::string& link = "") {
    return test::riga_prenotazione({{pren::appartamento, app},
                                    {pren::cliente, cli},
                                    {pren::arrivo, arrivo},
                                    {pren::partenza, "31/12/2026"},
                                    {pren::affitto, affitto},
                                    {pren::acconto, acconto},
                                    {pren::diritti, "ND"},
                                    {pren::pulizia, "50,00"},
                                    {pren::cauzione, "200,00"},
                                    {pren::chiusura, chiusura},
                                    {pren::movimento, link},
                                    {pren::periodo, "1"}});
}

// The menu's first activation on a bench whose clock reads `oggi`.
struct Controllo {
    explicit Controllo(const Righe& prenotazioni,
                       plat::Date oggi = plat::Date::from_dmy(9, 12, 2026).value())
        : b(oggi) {
        b.prepara_dati();
        b.scrivi(b.cartella_dati() + "clienti.dat",
                 {test::riga_cliente({{cliente::codice, "0001"},
                                      {cliente::nome, "ROSSI ANNA"},
                                      {cliente::via, "VIA MARE 2"},
                                      {cliente::cap, "70100"},
                                      {cliente::citta, "BARI"},
                                      {cliente::telefono, "080"},
                                      {cliente::provincia, "BA"},
                                      {cliente::codice_fiscale, "X"}}),
                  test::riga_cliente({{cliente::codice, "0002"},
                                      {cliente::nome, "  DELLA VALLE BARTOLOMEO AMBROGIO "},
                                      {cliente::via, "VIA LAGO"},
                                      {cliente::cap, "70100"},
                                      {cliente::citta, "BARI"},
                                      {cliente::telefono, "080"},
                                      {cliente::provincia, "BA"},
                                      {cliente::codice_fiscale, "X"}}),
                  test::riga_cliente({{cliente::codice, "0003"},
                                      {cliente::nome, "ROSSI ANNA"},
                                      {cliente::via, "VIA PO 9"},
                                      {cliente::cap, "00100"},
                                      {cliente::citta, "ROMA"},
                                      {cliente::telefono, "06"},
                                      {cliente::provincia, "RM"},
                                      {cliente::codice_fiscale, "Y"}})});  // a namesake
        b.scrivi(b.cartella_dati() + "prenotazioni2026.dat", prenotazioni);
        app.s.primo_accesso_menu = "0";
        app.run([&] { app.form("MENU")->show(); });
    }
    Righe righe() {
        Righe r;
        for (int i = 0; i < lista().list_count(); ++i) r.push_back(lista().item(i));
        return r;
    }
    plat::Control& lista() { return app.campo("controlloentruscit", "List1"); }
    plat::Form& avvisi() { return *app.form("controlloentruscit"); }
    Banco b;
    App& app = b.app();
};

TEST(Scadenze, ExpiredFirstThenArrivalsDayByDayOverTheDisabledMenu) {
    Controllo c({
        pren("0010", "0001", "08/12/2026", "1.200,00", "400,00"),                   // 1 expired
        pren("0011", "0001", "11/12/2026", "900,00", "0,00"),                       // 2 in two days
        pren("0012", "0002", "09/12/2026", "500", "100"),                           // 3 today
        pren("0013", "0001", "01/12/2026", "700,00", "700,00", "01/12/2026", "4"),  // paid
        pren("0014", "0001", "14/12/2026", "300,00", ""),                           // 5 last day
        pren("0015", "0001", "15/12/2026", "300,00", "0,00"),                       // too far
        pren("0016", "0001", "10/12/2026", "0,00", "300,00", "05/12/2026", "REVOC003"),
        pren("0017", "0099", "11/12/2026", "", ""),             // 8 no client
        pren("0018", "2", "01/01/2026", "2.000,00", "500,00"),  // 9 expired
    });
    EXPECT_EQ(c.righe(),
              (Righe{"001 * ROSSI ANNA               * 0010 * 08/12/2026 *     800,00",
                     "009 * DELLA VALLE BARTOLOMEO AMBROGIO * 0018 * 01/01/2026 *   1.500,00", kSep,
                     "003 * DELLA VALLE BARTOLOMEO AMBROGIO * 0012 * 09/12/2026 *     400,00",
                     "002 * ROSSI ANNA               * 0011 * 11/12/2026 *     900,00",
                     "008 *                          * 0017 * 11/12/2026 *       0,00",
                     "005 * ROSSI ANNA               * 0014 * 14/12/2026 *     300,00", kSep}));
    EXPECT_EQ(c.app.testo("controlloentruscit", "Text1"),
              "ATTENZIONE CI SONO DELLE PRENOTAZIONI SCADUTE  ");
    EXPECT_TRUE(c.app.active_form() == &c.avvisi() && !c.app.form("MENU")->is_enabled());
    EXPECT_EQ(c.app.s.primo_accesso_menu, "1");

    // ESCI gives the menu back, and its activation does not check again.
    c.app.click(*c.avvisi().control("ESCI"));
    EXPECT_TRUE(!c.avvisi().is_loaded() && c.app.form("MENU")->is_enabled());
    EXPECT_EQ(c.app.active_form(), c.app.form("MENU"));
    EXPECT_TRUE(c.b.nuovi_messaggi().empty());
}

// A picked line opens its own booking's client, not the first client of
// that name, with the client's bookings listed.
TEST(Scadenze, ArrivalsAloneRunIntoTheNextYearAndAPickedLineOpensItsClient) {
    Controllo c({pren("0010", "0002", "04/01/2027", "100,00", "0,00"),
                 pren("0011", "0001", "05/01/2027", "100,00", "0,00"),
                 pren("0012", "0003", "31/12/2026", "100,00", "0,00")},
                plat::Date::from_dmy(30, 12, 2026).value());
    EXPECT_EQ(
        c.righe(),
        (Righe{"003 * ROSSI ANNA               * 0012 * 31/12/2026 *     100,00",
               "001 * DELLA VALLE BARTOLOMEO AMBROGIO * 0010 * 04/01/2027 *     100,00", kSep}));
    EXPECT_EQ(c.app.testo("controlloentruscit", "Text1"), "")
        << "no warning without expired bookings";

    c.app.pick(c.lista(), 2);
    EXPECT_TRUE(c.avvisi().is_visible()) << "a separator leads nowhere";
    c.app.pick(c.lista(), 0);
    plat::Form& cliente = *c.app.form("VisuPrenotCliente");
    EXPECT_TRUE(cliente.is_visible() && !c.avvisi().is_loaded());
    EXPECT_EQ(cliente.control("Text5")->text() + "|" + cliente.control("Text1")->text() + "|" +
                  cliente.control("Text3")->text(),
              "0003|ROSSI ANNA|ROMA");
    ASSERT_EQ(cliente.control("List1")->list_count(), 1);
    EXPECT_EQ(cliente.control("List1")->item(0).substr(0, 12), "    3 - 0012");
    EXPECT_EQ(cliente.control("Text18")->text(), "CONTROLLO");
    EXPECT_FALSE(c.app.form("MENU")->is_enabled()) << "the client's form gives the menu back";
}

TEST(Scadenze, WaitsForADataFolderInsteadOfEndingTheProgram) {
    Banco b;
    App& app = b.app();
    app.s.primo_accesso_menu = "0";
    app.run([&] { controlla_prenotazioni_scadute(app); });
    EXPECT_FALSE(app.ended());
    EXPECT_EQ(app.s.primo_accesso_menu, "0") << "it runs once a folder is chosen";
    EXPECT_TRUE(b.nuovi_messaggi().empty());
    // Nothing to report: nothing shown, the menu left as it was.
    b.prepara_dati();
    app.run([&] { controlla_prenotazioni_scadute(app); });
    EXPECT_EQ(app.s.primo_accesso_menu, "1");
    EXPECT_FALSE(app.form("controlloentruscit")->is_visible());
    EXPECT_TRUE(app.form("MENU")->is_enabled());
}

}  // namespace
}  // namespace ga::test
