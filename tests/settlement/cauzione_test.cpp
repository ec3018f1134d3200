// The security-deposit refund: the picking lists, the deposit paid on the
// booking picked by number or by client, the refund proposed and typed, the
// refund recorded end to end (journal, notes, bookings byte for byte), and
// the refusals that write nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/prenotazioni.h"
#include "support/banco.h"

namespace ga {
namespace {

using Righe = std::vector<std::string>;

std::string crlf(Righe righe, const std::string& aggiunta = "") {
    if (!aggiunta.empty()) righe.push_back(aggiunta);
    std::string out;
    for (const auto& r : righe) out += r + "\r\n";
    return out;
}

// Ten bookings of client 1, but 3 and 9 of client 2 and 5 of client 4, a
// namesake of client 2. Booking 7 (note 2) is
// paid by movement 3, which took a deposit of 300,00; booking 9 (no note) by
// movement 4, its deposit of 200,00 taken with the booking (movement 2), as
// was open booking 3's (movement 5).
Righe dieci_prenotazioni() {
    Righe p(10, "0010*0001*01/07/2026*08/07/2026*700,00*200,00*ND*ND*200,00*0.00.00***1****");
    p[2] = "0010*0002*10/07/2026*17/07/2026*700,00*200,00*ND*ND*200,00*0.00.00***1****";
    p[4] = "0010*0004*20/07/2026*27/07/2026*700,00*200,00*ND*ND*200,00*0.00.00***1****";
    p[6] = "0010*0001*01/08/2026*15/08/2026*1.000,00*300,00*ND*30,00*0,00*20/08/2026*2*3*1****";
    p[8] = "0010*0002*01/09/2026*08/09/2026*700,00*200,00*ND*ND*200,00*20/09/2026**4*1****";
    return p;
}
const Righe kSaldi = {
    "01/06/2026*0001*300,00*ND*0*30,00*0,00*7*0010", "02/06/2026*0001*200,00*ND*0*ND*200,00*9*0010",
    "20/08/2026*0001*0*700,00*50,00*0*300,00*    7 *0010",
    "20/09/2026*0001*0*500,00*0*0*0*    9 *0010", "03/06/2026*0001*200,00*ND*0*ND*200,00*3*0010"};
const Righe kNote = {"PRIMA NOTA*1*0010", "ARRIVO TARDI*7*0010"};

class Cauzione : public ::testing::Test {
protected:
    void SetUp() override {
        b.prepara_dati();
        b.scrivi(dati("appartamenti.ind"), {"0001*0001*12*MON*SI*1*NO*1*4*ESTIVO***0010"});
        b.scrivi(dati("clienti.dat"), {"0001*BIANCHI ANNA*VIA MARE 2*BARI*70100*080*BA*X*",
                                       "0002*VERDI LUCA*VIA LAGO 3*OTRANTO*73028*0836*LE*Y*",
                                       "0003*NERI PIO*VIA PO 1*OTRANTO*73028*0836*LE*Z*",
                                       "0004*VERDI LUCA*VIA MONTE 9*LECCE*73100*0832*LE*W*"});
        b.scrivi(dati("prenotazioni2026.dat"), dieci_prenotazioni());
        b.scrivi(dati("saldi2026.dat"), kSaldi);
        b.scrivi(dati("noteaff2026.dat"), kNote);
    }
    std::string dati(const std::string& f) const { return b.cartella_dati() + f; }
    std::string byte(const char* f) { return b.byte(dati(f)); }
    std::string file() {
        return byte("prenotazioni2026.dat") + byte("saldi2026.dat") + byte("noteaff2026.dat");
    }
    plat::Control& cauz(const char* nome) { return app.campo("RESTCAUZ", nome); }
    std::string testo(const char* nome) { return cauz(nome).text(); }

    // The menu's "RESTITUZIONE CAUZIONE".
    void apri() {
        app.run([&] {
            app.form("MENU")->set_enabled(false);
            app.form("RESTCAUZ")->show();
        });
        b.nuovi_messaggi();
    }
    void lascia(const char* box, const std::string& testo) {
        app.type(cauz(box), testo);
        app.leave(cauz(box));
    }

    test::Banco b;
    App& app = b.app();
};

TEST_F(Cauzione, ActivationListsBookingsAndClientsAndTakesAnOnlyBooking) {
    apri();
    EXPECT_EQ(cauz("NRICH").list_count(), 10);
    EXPECT_EQ(cauz("NRICH").item(9), "010");
    EXPECT_TRUE(cauz("NRICH").visible());
    EXPECT_EQ(testo("Text1"), "");
    EXPECT_EQ(cauz("NOCLI").item(1), "VERDI LUCA");
    EXPECT_EQ(testo("Label9"), "0,00");
    app.click(cauz("ESCI"));

    // With one booking (booking 7 alone, now number 1) it is picked at once.
    b.scrivi(
        dati("prenotazioni2026.dat"),
        {"0010*0001*01/08/2026*15/08/2026*1.000,00*300,00*ND*30,00*0,00*20/08/2026*2*1*1****"});
    b.scrivi(dati("saldi2026.dat"), {"20/08/2026*0001*0*700,00*50,00*0*300,00*    1 *0010"});
    app.run([&] { carica_prenotazioni(app); });
    apri();
    EXPECT_EQ(testo("Text1"), "001");
    EXPECT_EQ(testo("Label9"), "300,00");
}

TEST_F(Cauzione, DepositOfAPaidBookingIsProposedAndRefundedEndToEnd) {
    apri();
    app.pick(cauz("NRICH"), 6);
    app.leave(cauz("NRICH"));
    EXPECT_EQ(testo("Text1"), "007");
    EXPECT_EQ(testo("Text2"), "BIANCHI ANNA");
    EXPECT_EQ(testo("Text4") + " " + testo("Text5"), "0001 0010");
    EXPECT_EQ(testo("Label6"), "01/08/2026 - 15/08/2026");
    // Only the balance movement and later ones count.
    EXPECT_EQ(testo("Label9"), "300,00");
    app.double_click(cauz("Text3"));
    EXPECT_EQ(testo("Text3"), "-300,00");
    const std::string prenotazioni = byte("prenotazioni2026.dat");
    app.click(cauz("SALVA"));

    EXPECT_TRUE(b.nuovi_messaggi().empty());
    EXPECT_EQ(byte("saldi2026.dat"), crlf(kSaldi, "09/12/2026*0001*0*0*0*0*-300,00*007*0010"));
    EXPECT_EQ(byte("noteaff2026.dat"),
              crlf({kNote[0], "ARRIVO TARDI - RESTITUITA CAUZIONE IL 09/12/2026*7*0010"}));
    EXPECT_EQ(byte("prenotazioni2026.dat"), prenotazioni);  // its note number stays
    EXPECT_EQ(testo("NOTE"), "ARRIVO TARDI - RESTITUITA CAUZIONE IL 09/12/2026");
    EXPECT_FALSE(cauz("SALVA").enabled());

    // Picked again, nothing is left to give back.
    app.leave(cauz("NRICH"));
    EXPECT_EQ(testo("Label9"), "0,00");
    app.double_click(cauz("Text3"));
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"NON E' STATA VERSATA NESSUNA CAUZIONE"});
    EXPECT_EQ(testo("Text3"), "0,00");
}

TEST_F(Cauzione, PickingByClientTakesTheLastBookingAndStartsItsNote) {
    apri();
    app.pick(cauz("NRICH"), 6);
    app.leave(cauz("NRICH"));
    // Back to the client list, then the client with bookings 3 and 9: only
    // the second pick's deposit is shown.
    app.double_click(cauz("Text2"));
    lascia("NOCLI", "VERDI LUCA");
    EXPECT_EQ(testo("Text1"), "9");
    EXPECT_EQ(testo("Label9"), "200,00");
    lascia("Text3", "150");
    app.leave(cauz("Text3"));
    EXPECT_EQ(testo("Text3"), "-150,00");
    app.click(cauz("SALVA"));

    EXPECT_TRUE(b.nuovi_messaggi().empty());
    EXPECT_EQ(byte("saldi2026.dat"), crlf(kSaldi, "09/12/2026*0001*0*0*0*0*-150,00*9*0010"));
    EXPECT_EQ(byte("noteaff2026.dat"), crlf(kNote, " - RESTITUITA CAUZIONE IL 09/12/2026*9*0010"));
    Righe dopo = dieci_prenotazioni();
    dopo[8] = "0010*0002*01/09/2026*08/09/2026*700,00*200,00*ND*ND*200,00*20/09/2026*3*4*1****";
    EXPECT_EQ(byte("prenotazioni2026.dat"), crlf(dopo));

    // The second of two namesakes picked from the list is that client.
    app.double_click(cauz("Text2"));
    app.pick(cauz("NOCLI"), 3);
    app.leave(cauz("NOCLI"));
    EXPECT_EQ(testo("Text1"), "5");
}

// A deposit taken with the booking is held once the balance is paid, and
// can be given back; before the balance nothing counts.
TEST_F(Cauzione, ADepositTakenWithTheBookingCountsOnceTheBalanceIsPaid) {
    apri();
    lascia("NRICH", "003");
    EXPECT_EQ(testo("Label9"), "0,00");
    lascia("NRICH", "009");
    EXPECT_EQ(testo("Label9"), "200,00");
    app.double_click(cauz("Text3"));
    EXPECT_EQ(testo("Text3"), "-200,00");
    EXPECT_TRUE(b.nuovi_messaggi().empty());
}

TEST_F(Cauzione, RefusalsWriteNothing) {
    apri();
    const std::string prima = file();
    // An open booking shows nothing paid; a typed refund is still taken
    // (the deposit may have come with the booking), after a warning.
    app.pick(cauz("NRICH"), 0);
    app.leave(cauz("NRICH"));
    EXPECT_EQ(testo("Label9"), "0,00");
    lascia("Text3", "100");
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"NON E' STATA VERSATA NESSUNA CAUZIONE"});
    EXPECT_EQ(testo("Text3"), "-100,00");
    for (const char* niente : {"", "0,00", "abc"}) {
        app.type(cauz("Text3"), niente);
        app.click(cauz("SALVA"));
        EXPECT_EQ(b.nuovi_messaggi(), Righe{"NON E' STATO INSERITO NESSUN IMPORTO"}) << niente;
    }

    // No booking picked: given up, past the bookings, a client without any.
    app.type(cauz("Text3"), "100");
    app.double_click(cauz("Text1"));
    app.click(cauz("SALVA"));
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"SCEGLIERE PRIMA LA PRENOTAZIONE"});
    for (const char* fuori : {"011", "2000"}) {
        lascia("NRICH", fuori);
        EXPECT_EQ(b.nuovi_messaggi().size(), 1u) << fuori;
    }
    lascia("NOCLI", "NERI PIO");
    EXPECT_EQ(testo("Label6"), "");
    app.type(cauz("Text3"), "100");
    app.click(cauz("SALVA"));
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"SCEGLIERE PRIMA LA PRENOTAZIONE"});
    EXPECT_EQ(file(), prima);
}

}  // namespace
}  // namespace ga
