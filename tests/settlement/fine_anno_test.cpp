// The turn of the year in the client's bookings, the bookings view and the
// balance: the clock set to December, then to January, over the same data
// folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text.h"
#include "records/percorsi.h"
#include "support/banco.h"
#include "support/righe.h"

namespace ga {
namespace {

using Righe = std::vector<std::string>;

plat::Date giorno(int g, int m, int a) { return *plat::Date::from_dmy(g, m, a); }

// BIANCHI from Christmas to Epiphany; a January 2026 booking; one for
// January 2027 that an earlier version filed in 2026.
const Righe kPrenotazioni = {test::riga_prenotazione({{pren::appartamento, "0010"},
                                                      {pren::cliente, "0001"},
                                                      {pren::arrivo, "27/12/2026"},
                                                      {pren::partenza, "03/01/2027"},
                                                      {pren::affitto, "1.000,00"},
                                                      {pren::acconto, "300,00"},
                                                      {pren::diritti, "0,00"},
                                                      {pren::pulizia, "0,00"},
                                                      {pren::cauzione, "0,00"},
                                                      {pren::chiusura, "0.00.00"},
                                                      {pren::periodo, "1"}}),
                             test::riga_prenotazione({{pren::appartamento, "0010"},
                                                      {pren::cliente, "0001"},
                                                      {pren::arrivo, "10/01/2026"},
                                                      {pren::partenza, "15/01/2026"},
                                                      {pren::affitto, "500,00"},
                                                      {pren::acconto, "100,00"},
                                                      {pren::diritti, "0,00"},
                                                      {pren::pulizia, "0,00"},
                                                      {pren::cauzione, "0,00"},
                                                      {pren::chiusura, "0.00.00"},
                                                      {pren::periodo, "1"}}),
                             test::riga_prenotazione({{pren::appartamento, "0010"},
                                                      {pren::cliente, "0001"},
                                                      {pren::arrivo, "03/01/2027"},
                                                      {pren::partenza, "06/01/2027"},
                                                      {pren::affitto, "400,00"},
                                                      {pren::acconto, "100,00"},
                                                      {pren::diritti, "0,00"},
                                                      {pren::pulizia, "0,00"},
                                                      {pren::cauzione, "0,00"},
                                                      {pren::chiusura, "0.00.00"},
                                                      {pren::periodo, "1"}})};

class FineAnno : public ::testing::Test {
protected:
    FineAnno() : b(giorno(20, 12, 2026)) {}
    void SetUp() override {
        b.prepara_dati();
        b.scrivi(dati("proprietari.IND"), {test::proprietario_rossi()});
        b.scrivi(dati("appartamenti.ind"), {test::appartamento_di_rossi()});
        b.scrivi(dati("clienti.dat"), {test::cliente_bianchi()});
        b.scrivi(dati("prenotazioni2026.dat"), kPrenotazioni);
    }
    App& app() { return b.app(); }
    // The program started on `oggi`, in the management year `anno`.
    void avvia(plat::Date oggi, const std::string& anno) {
        b.riavvia(oggi);
        app().run([&] {
            app().s.anno_gestione = anno;
            imposta_percorsi_dati(app());
        });
    }
    plat::Control& visu(const char* nome) { return app().campo("VisuPrenotCliente", nome); }
    plat::Control& saldo(const char* nome) { return app().campo("saldoaff", nome); }
    // The client's bookings of BIANCHI, as the menu's SALDO PRENOTAZIONE.
    void cerca_bianchi() {
        app().run([&] {
            app().s.operazione = "SALDO";
            app().form("VisuPrenotCliente")->show();
        });
        app().type(visu("Text1"), "BIANCHI");
        app().leave(visu("Text1"));
    }
    std::string dati(const std::string& f) const { return b.cartella_dati() + f; }

    test::Banco b;
};

TEST_F(FineAnno, AClientWhoseBookingsAreInTheOtherYearsFileIsTold) {
    cerca_bianchi();
    EXPECT_TRUE(b.nuovi_messaggi().empty()) << "in 2026 the bookings are listed";
    EXPECT_EQ(visu("List1").list_count(), 3);

    avvia(giorno(2, 1, 2027), "2027");
    cerca_bianchi();
    EXPECT_EQ(visu("List1").list_count(), 0);
    EXPECT_EQ(
        b.nuovi_messaggi(),
        Righe{"IL CLIENTE HA PRENOTAZIONI NEL 2026: CAMBIARE L'ANNO DI GESTIONE PER VEDERLE"});

    // The deposit refund, choosing the client, says the same.
    app().run([&] { app().form("RESTCAUZ")->show(); });
    b.nuovi_messaggi();
    app().type(app().campo("RESTCAUZ", "NOCLI"), "BIANCHI ANNA");
    app().leave(app().campo("RESTCAUZ", "NOCLI"));
    EXPECT_EQ(
        b.nuovi_messaggi(),
        Righe{"IL CLIENTE HA PRENOTAZIONI NEL 2026: CAMBIARE L'ANNO DI GESTIONE PER VEDERLE"});
}

TEST_F(FineAnno, TheMonthFilterOfTheBookingsViewComparesTheYearToo) {
    app().run([&] { app().form("visu_prenotazioni")->show(); });
    app().pick(app().campo("visu_prenotazioni", "Combo1"), 0);  // GENNAIO
    plat::Control& lista = app().campo("visu_prenotazioni", "List1");
    ASSERT_EQ(lista.list_count(), 1);
    EXPECT_TRUE(lista.item(0).starts_with("002 * 0010 * 10/01/2026")) << lista.item(0);
}

// A payment date a year or a month wrong is asked about, and a No writes
// nothing; a date typed before the amount stays when the amount is left.
TEST_F(FineAnno, APaymentDateOutsideTheYearAfterTheDepartureOrFarFromTodayIsAskedAbout) {
    const std::string prima = b.byte(dati("saldi2026.dat"));
    const auto paga = [&](const std::string& data, plat::Answer risposta) {
        // Back to the client's bookings, as USCITA leaves the balance.
        if (app().form("saldoaff")->is_visible()) app().click(saldo("ESCI"));
        else
            cerca_bianchi();
        app().pick(visu("List1"), 0);
        app().click(visu("SALDO"));
        b.nuovi_messaggi();
        if (!data.empty()) app().type(saldo("Text15"), data);
        app().type(saldo("Text14"), "100");
        app().leave(saldo("Text14"));
        const std::string tenuta = saldo("Text15").text();
        b.messaggi().answer(risposta);
        app().click(saldo("Command1"));
        return std::pair{tenuta, plat::join(b.nuovi_messaggi(), "|")};
    };
    for (const char* data : {"01/01/2026", "31/12/2027", "29/02/2028", "10/01/2027"}) {
        const auto [tenuta, domanda] = paga(data, plat::Answer::No);
        EXPECT_EQ(tenuta, data);
        EXPECT_TRUE(domanda.starts_with(std::string("LA DATA DEL PAGAMENTO ") + data + ":\r- "))
            << domanda;
        EXPECT_EQ(b.byte(dati("saldi2026.dat")), prima) << data;
    }
    EXPECT_EQ(paga("31/12/2027", plat::Answer::No).second,
              "LA DATA DEL PAGAMENTO 31/12/2027:\r- NON E' NELL'ANNO DI GESTIONE 2026\r- E' "
              "SUCCESSIVA ALLA PARTENZA DEL 03/01/2027\r- E' LONTANA PIU' DI 30 GIORNI DALLA "
              "DATA ODIERNA (20/12/2026)\rREGISTRARE COMUNQUE CON QUESTA DATA?");
    EXPECT_EQ(paga("22/12/2026", plat::Answer::No).second, "") << "a near date is not asked";
    EXPECT_TRUE(b.leggi(dati("saldi2026.dat")).back().starts_with("22/12/2026*"));

    // In January, the 2026 files still open: today is asked about, and Yes keeps it.
    avvia(giorno(2, 1, 2027), "2026");
    EXPECT_EQ(paga("", plat::Answer::Yes).second,
              "LA DATA DEL PAGAMENTO 02/01/2027:\r- NON E' NELL'ANNO DI GESTIONE "
              "2026\rREGISTRARE COMUNQUE CON QUESTA DATA?");
    EXPECT_TRUE(b.leggi(dati("saldi2026.dat")).back().starts_with("02/01/2027*"));
}

}  // namespace
}  // namespace ga
