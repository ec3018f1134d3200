// The view of advances, balances, payouts and expenses, opened from the menu
// in its three modes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "accounts/VEDISALDI.h"
#include "platform/text.h"
#include "support/banco.h"

namespace ga::test {
namespace {

using Righe = std::vector<std::string>;

// A booking: apartment, dates, rent, closing date and movement link.
std::string prenotazione(const std::string& app, const std::string& dal, const std::string& al,
                         const std::string& affitto, const std::string& chiusura,
                         const std::string& link) {
    return app + "*0009*" + dal + "*" + al + "*" + affitto + "*300,00*100,00*50,00*200,00*" +
           chiusura + "**" + link + "*1*0*0*0*0";
}

const std::string kLungo = "DE LA CRUZ Y FERNANDEZ ANTONIO";  // 30 characters
const std::string kSpesaLunga =
    "SOSTITUZIONE COMPLETA DELLA CALDAIA A CONDENSAZIONE E DEI RADIATORI";  // 67

const Righe kGiornale = {
    "01/06/2026*0001*300,00*100,00*0*50,00*200,00*1*0012",  // 1 advance, booking 1
    "02/06/2026*0002*200,00*100,00*0*0*0*2*0020",           // 2 advance of a booking later revoked
    "15/07/2026*X*0*900,00*0*0*0*1*0012",                   // 3 balance of booking 1
    "10/06/2026*0002*-200,00*0*0***2*0020",                 // 4 refund at the revocation
    "03/06/2026*0001*0*100,00*0*0*0*3*0012",                // 5 new booking 3: no advance, its fee
    "20/07/2026*0001*0*0*150,00*0*0*1*0012",                // 6 expense 1
    "31/07/2026*0001*0*0*500,00*0*0**",                     // 7 payout
    "31/08/2026*X*0*800,00*0*0*0*3*0012",                   // 8 balance of booking 3
    "01/08/2026*0003*0*0*1.000,00*0*0**",                   // 9 payout, long name
    "05/08/2026*0001*50,00*0*0*0*0*1*1000",                 // 10 no apartment: never listed
    "06/08/2026*0001*0*0*0,50*0*0**",                       // 11 payout below one euro
    "07/08/2026*0003*0*0*80,00*0*0*2*31",                   // 12 expense 2, long text
    "08/08/2026*0001*0*0*70,00*0*0*1*9999",                 // 13 apartment nobody has
};

std::string riga(const std::vector<std::string>& colonne) {
    return " | " + plat::join(colonne, " - ");
}
std::string nome(const std::string& n) { return plat::pad_right(n, 24); }
std::string euro(const std::string& a) { return plat::pad_left(a, 10); }
std::string etichetta(const std::string& e) { return plat::pad_right(e, 60); }
const std::string kAcconto = " ACCONTO AFFITTO PER IL PERIODO ";
const std::string kSaldo = " SALDO AFFITTO PER IL PERIODO   ";
const std::string kPagamento = etichetta(" SALDO / ACONTO AL PROPRIETARIO PER  BRENOSA ");

const std::string kVersamento =
    riga({"31/07/2026", nome("ROSSI MARIO"), kPagamento, euro("500,00")});
const std::string kVersamentoLungo = riga({"01/08/2026", kLungo, kPagamento, euro("1.000,00")});
const std::string kCentesimi = riga({"06/08/2026", nome("ROSSI MARIO"), kPagamento, euro("0,50")});
const std::string kSpesa =
    riga({"20/07/2026", nome("ROSSI MARIO"), etichetta("RIPARAZIONE CALDAIA"), euro("150,00")});
const std::string kSpesaLungoTesto = riga({"07/08/2026", kLungo, kSpesaLunga, euro("80,00")});
const std::string kSpesaIgnota =
    riga({"08/08/2026", nome(""), etichetta("RIPARAZIONE CALDAIA"), euro("70,00")});

class Vedisaldi : public ::testing::Test {
protected:
    void SetUp() override {
        b.prepara_dati();
        app.s.primo_accesso_menu = "1";
        b.scrivi(dati("proprietari.IND"), {"ROSSI MARIO*VIA ROMA 1*BARI*BA*70100*080*0001**PROVV*",
                                           "BIANCHI ANNA*VIA MARE 2*BARI*BA*70100*080*0002**CONTR*",
                                           kLungo + "*VIA PO 3*ROMA*RM*00100*06*0003**PROVV*"});
        b.scrivi(dati("appartamenti.ind"), {"0001*001*5*BIL*SI*1*NO*1*4*ESTIVO***0012",
                                            "0002*001*6*BIL*SI*1*NO*1*4*ESTIVO***0020",
                                            "0003*001*7*BIL*SI*1*NO*1*4*ESTIVO***0031"});
        b.scrivi(
            dati("prenotazioni2026.dat"),
            {prenotazione("0012", "01/07/2026", "15/07/2026", "1.200,00", "15/07/2026", "3"),
             prenotazione("0020", "01/08/2026", "15/08/2026", "0,00", "10/06/2026", "REVOC004"),
             prenotazione("0012", "16/08/2026", "31/08/2026", "900,00", "31/08/2026", "8")});
        b.scrivi(dati("spese2026.dat"),
                 {"0012*RIPARAZIONE CALDAIA*6", "0031*" + kSpesaLunga + "*12"});
        b.scrivi(dati("saldi2026.dat"), kGiornale);
    }
    std::string dati(const std::string& n) const { return b.cartella_dati() + n; }

    // Opens the view from the menu: a line of the owners' list, or the
    // accounts button (0).
    VEDISALDI& apri(int comando) {
        app.run([&] { app.form("MENU")->show(); });
        if (comando == 0) app.click(app.campo("MENU", "contabilita"));
        else {
            app.click(app.campo("MENU", "proprietar"));
            app.pick(app.campo("MENU", "List3"), comando - 1);
        }
        return app.form<VEDISALDI>();
    }
    Righe lista(VEDISALDI& v) {
        Righe out;
        for (int i = 0; i < v.List1.list_count(); ++i) out.push_back(v.List1.item(i));
        return out;
    }

    Banco b;
    App& app = b.app();
};

TEST_F(Vedisaldi, PayoutsOfEveryOwnerOrOfTheOneChosen) {
    VEDISALDI& v = apri(4);  // "VEDI ACCONTI / SALDI"
    EXPECT_TRUE(v.is_visible());
    EXPECT_EQ(app.s.operazione, "saldiP");
    EXPECT_EQ(v.Label1.caption(), "SALDI / ACCONTI");
    EXPECT_EQ(v.Combo1.list_count(), 3);
    app.click(v.Command1);
    EXPECT_EQ(lista(v), (Righe{kVersamento, kVersamentoLungo, kCentesimi}));

    app.pick(v.Combo1, 0);
    EXPECT_EQ(lista(v), (Righe{kVersamento, kCentesimi}));
    app.pick(v.Combo1, 1);
    EXPECT_TRUE(lista(v).empty());
    EXPECT_TRUE(b.nuovi_messaggi().empty());
}

TEST_F(Vedisaldi, ExpensesUnderTheOwnerOfTheirApartment) {
    VEDISALDI& v = apri(7);  // "SPESE EFFETTUATE"
    EXPECT_EQ(v.Label1.caption(), "--- SPESE ---");
    app.click(v.Command1);
    EXPECT_EQ(lista(v), (Righe{kSpesa, kSpesaLungoTesto, kSpesaIgnota}));
    app.pick(v.Combo1, 2);
    EXPECT_EQ(lista(v), (Righe{kSpesaLungoTesto}))
        << "a movement whose owner cannot be told is nobody's";
}

TEST_F(Vedisaldi, TheAccountsViewListsAdvancesBalancesPayoutsAndExpensesInJournalOrder) {
    VEDISALDI& v = apri(0);
    EXPECT_EQ(app.s.operazione, "");
    app.pick(v.Combo1, 0);
    EXPECT_EQ(lista(v), (Righe{riga({"01/06/2026", nome("ROSSI MARIO"), kAcconto, "01/07/2026",
                                     "15/07/2026", euro("300,00")}),
                               riga({"15/07/2026", nome("ROSSI MARIO"), kSaldo, "01/07/2026",
                                     "15/07/2026", euro("900,00")}),
                               kSpesa, kVersamento,
                               riga({"31/08/2026", nome("ROSSI MARIO"), kSaldo, "16/08/2026",
                                     "31/08/2026", euro("800,00")}),
                               kCentesimi}));
    // The revoked booking's advance and its refund give no row.
    app.pick(v.Combo1, 1);
    EXPECT_TRUE(lista(v).empty());

    app.click(v.ESCI);
    EXPECT_FALSE(v.is_loaded());
    EXPECT_TRUE(app.form("MENU")->is_visible());
    EXPECT_EQ(app.s.operazione, "");
}

TEST_F(Vedisaldi, AnEmptyJournalGivesAnEmptyList) {
    b.scrivi(dati("saldi2026.dat"), {});
    VEDISALDI& v = apri(0);
    app.click(v.Command1);
    EXPECT_TRUE(lista(v).empty());
}

}  // namespace
}  // namespace ga::test
