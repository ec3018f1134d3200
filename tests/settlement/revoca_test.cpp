// The revocation from the client's bookings: the refund options and check,
// the three writes end to end (journal, bookings and periods byte for byte),
// and the refusals that leave every file as it was.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// Booking 1 is open, on period 1; booking 2 was revoked in July.
const std::string kP1 =
    "0010*0001*01/07/2026*15/07/2026*3.000,00*1.500,00*ND*50,00*200,00*0.00.00***1****";
const std::string kP2 =
    "0010*0001*01/08/2026*15/08/2026*0,00*300,00*ND*ND*ND*10/07/2026**REVOC002*4****";
const Righe kSaldi = {"01/06/2026*0001*1.500,00*ND*0*50,00*200,00*1*0010",
                      "10/07/2026*0001*-300,00*0*0***2*0010"};
const Righe kPeriodi = {
    "0010*01/07/2026*15/07/2026*1.500,00*AFF", "0010*16/07/2026*31/07/2026*1.500,00*LIB",
    "0010*01/07/2026*31/07/2026*3.000,00*AFF", "0010*01/08/2026*15/08/2026*1.200,00*LIB"};

class Revoca : public ::testing::Test {
protected:
    void SetUp() override {
        b.prepara_dati();
        b.scrivi(dati("proprietari.IND"), {"ROSSI MARIO*****0832*0001**PROVV*"});
        b.scrivi(dati("appartamenti.ind"), {"0001*0001*12*MON*SI*1*NO*1*4*ESTIVO***0010"});
        b.scrivi(dati("clienti.dat"), {"0001*BIANCHI ANNA*VIA MARE 2*BARI*70100*080*BA*X*"});
        b.scrivi(dati("prenotazioni2026.dat"), {kP1, kP2});
        b.scrivi(dati("saldi2026.dat"), kSaldi);
        b.scrivi(dati("periodi2026.ind"), kPeriodi);
        // The menu's "REVOCA PRENOTAZIONE", the client found, booking 1, REVOCA.
        app.run([&] {
            app.s.operazione = "REVOCA";
            app.form("VisuPrenotCliente")->show();
        });
        app.type(visu("Text1"), "BIANCHI");
        app.leave(visu("Text1"));
        app.pick(visu("List1"), 0);
        app.click(visu("REVOCA"));
        b.nuovi_messaggi();
    }
    std::string dati(const std::string& f) const { return b.cartella_dati() + f; }
    std::string byte(const char* f) { return b.byte(dati(f)); }
    std::string file() {
        return byte("prenotazioni2026.dat") + byte("saldi2026.dat") + byte("periodi2026.ind");
    }
    plat::Control& visu(const char* nome) { return app.campo("VisuPrenotCliente", nome); }
    plat::Control& revoca(const char* nome) { return app.campo("REVOCAPREN", nome); }
    std::string rimborso(const std::string& importo) {
        app.type(revoca("Text7"), importo);
        app.leave(revoca("Text7"));
        return revoca("Text7").text();
    }

    test::Banco b;
    App& app = b.app();
};

TEST_F(Revoca, FullRefundRevokesTheBookingAndFreesItsPeriods) {
    EXPECT_FALSE(app.form("VisuPrenotCliente")->visible());
    EXPECT_EQ(revoca("Option1").value(), 1);
    EXPECT_EQ(revoca("Text7").text(), "0,00");
    app.click(revoca("Option3"));
    EXPECT_EQ(revoca("Text7").text(), "-1.500,00");
    EXPECT_TRUE(revoca("Text7").locked());
    app.click(revoca("Command1"));

    EXPECT_TRUE(b.nuovi_messaggi().empty());
    EXPECT_EQ(byte("saldi2026.dat"),
              crlf(kSaldi, "09/12/2026*0001*-1.500,00*0*0*-50*-200*    1 *0010"));
    EXPECT_EQ(byte("prenotazioni2026.dat"),
              crlf({"0010*0001*01/07/2026*15/07/2026*0,00*1.500,00*ND*50,00*200,00*09/12/"
                    "2026**REVOC003*1****",
                    kP2}));
    // The booked half month, the other half, and the whole month once both
    // halves are free.
    Righe liberi = kPeriodi;
    for (int i = 0; i < 3; ++i) liberi[static_cast<std::size_t>(i)].replace(36, 3, "LIB");
    EXPECT_EQ(byte("periodi2026.ind"), crlf(liberi));

    // Back on the client's bookings, which show the booking revoked.
    EXPECT_FALSE(app.form("REVOCAPREN")->is_loaded());
    EXPECT_TRUE(app.form("VisuPrenotCliente")->visible());
    EXPECT_EQ(visu("Text14").text(), " - REVOCATO  09/12/2026");
    EXPECT_EQ(visu("Text16").text(), " RESTITUITO  €  1.500,00");
    EXPECT_FALSE(visu("REVOCA").visible());
}

// Revoked bookings do not hold their periods: the period freed can be
// deleted from the apartment card, and the later bookings follow theirs.
TEST_F(Revoca, APeriodFreedByTheRevocationCanBeDeleted) {
    app.click(revoca("Command1"));
    b.scrivi(dati("Vie.dat"), {"0001**VIA MARE* $$"});
    app.run([&] {
        app.s.modo_chiamata = "";
        app.form("appartament")->show();
    });
    app.pick(app.campo("appartament", "Combo1"), 0);
    b.nuovi_messaggi();
    b.messaggi().answer(plat::Answer::Yes);
    app.click(app.campo("appartament", "Check1"));
    EXPECT_EQ(b.nuovi_messaggi(), Righe{" VUOI VERAMENTE CANCELLARE IL PERIODO N° 1 ?"});
    Righe periodi = kPeriodi;
    periodi.erase(periodi.begin());
    for (int i = 0; i < 2; ++i) periodi[static_cast<std::size_t>(i)].replace(36, 3, "LIB");
    EXPECT_EQ(byte("periodi2026.ind"), crlf(periodi));
    EXPECT_EQ(
        byte("prenotazioni2026.dat"),
        crlf({"0010*0001*01/07/2026*15/07/2026*0,00*1.500,00*ND*50,00*200,00*09/12/"
              "2026**REVOC003*1****",
              "0010*0001*01/08/2026*15/08/2026*0,00*300,00*ND*ND*ND*10/07/2026**REVOC002*3****"}));
}

TEST_F(Revoca, PartialRefundIsNegativeAndNeverAboveTheAdvance) {
    app.click(revoca("Option2"));
    EXPECT_FALSE(revoca("Text7").locked());
    EXPECT_EQ(revoca("Text7").text(), "");
    // Read the Italian way: 200 is below an advance of 1.500,00.
    EXPECT_EQ(rimborso("200"), "-200,00");
    app.leave(revoca("Text7"));
    EXPECT_EQ(revoca("Text7").text(), "-200,00");
    EXPECT_EQ(rimborso("1.500"), "-1.500,00");
    EXPECT_TRUE(b.nuovi_messaggi().empty());
    for (const char* troppo : {"1.600", "-2000", "1500,01"}) {
        EXPECT_EQ(rimborso(troppo), "") << troppo;
        EXPECT_EQ(b.nuovi_messaggi(),
                  Righe{"E' STATO INSERITO UN VALORE MAGGIORE \r DELL'ACCONTO VERSATO "});
    }
    EXPECT_EQ(rimborso("abc"), "");
    EXPECT_EQ(b.nuovi_messaggi().size(), 1u);

    // Nothing is written without a valid refund, even when CONFERMA comes
    // before the box is left.
    const std::string prima = file();
    app.click(revoca("Command1"));
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"INDICA L'IMPORTO DA RESTITUIRE"});
    app.type(revoca("Text7"), "1.600");
    app.click(revoca("Command1"));
    EXPECT_EQ(b.nuovi_messaggi().size(), 1u);
    EXPECT_EQ(file(), prima);
    app.type(revoca("Text7"), "300");
    app.click(revoca("Command1"));
    EXPECT_EQ(b.leggi(dati("saldi2026.dat")).back(),
              "09/12/2026*0001*-300,00*0*0*-50*-200*    1 *0010");
}

TEST_F(Revoca, WhatTheWritersWouldRefuseIsRefusedBeforeTheFirstWrite) {
    const std::string prima = file();
    // A booking already revoked (its advance would go back twice), one the
    // file does not hold, and a period the periods file does not hold.
    app.run([&] { revoca("Text3").set_text("    2 "); });
    app.click(revoca("Command1"));
    EXPECT_NE(b.nuovi_messaggi().at(0).find("GIA' REVOCATA"), std::string::npos);
    app.run([&] { revoca("Text3").set_text("    9 "); });
    app.click(revoca("Command1"));
    app.run([&] {
        revoca("Text3").set_text("    1 ");
        visu("Text15").set_text("7");
    });
    app.click(revoca("Command1"));
    EXPECT_EQ(b.nuovi_messaggi().size(), 2u);
    EXPECT_EQ(file(), prima);

    // USCITA writes nothing and goes back, still in the revocation mode.
    app.click(revoca("ESCI"));
    EXPECT_FALSE(app.form("REVOCAPREN")->is_loaded());
    EXPECT_TRUE(app.form("VisuPrenotCliente")->visible());
    EXPECT_EQ(app.s.operazione, "REVOCA");
    EXPECT_EQ(file(), prima);

    // Confirming at once keeps the advance; the booking is revoked all the same.
    app.click(visu("REVOCA"));
    app.click(revoca("Command1"));
    EXPECT_EQ(b.leggi(dati("saldi2026.dat")).back(),
              "09/12/2026*0001*0,00*0*0*-50*-200*    1 *0010");
    EXPECT_EQ(app.s.prenotazioni[1].campo[pren::movimento], "REVOC003");
}

}  // namespace
}  // namespace ga
