// The revocation from the client's bookings: the refund options and check,
// the three writes end to end (journal, bookings and periods byte for byte),
// and the refusals that leave every file as it was.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/banco.h"
#include "support/righe.h"

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
const std::string kP1 = test::riga_prenotazione({{pren::appartamento, "0010"},
                                                 {pren::cliente, "0001"},
                                                 {pren::arrivo, "01/07/2026"},
                                                 {pren::partenza, "15/07/2026"},
                                                 {pren::affitto, "3.000,00"},
                                                 {pren::acconto, "1.500,00"},
                                                 {pren::diritti, "ND"},
                                                 {pren::pulizia, "50,00"},
                                                 {pren::cauzione, "200,00"},
                                                 {pren::chiusura, "0.00.00"},
                                                 {pren::periodo, "1"}});
const std::string kP2 = test::riga_prenotazione({{pren::appartamento, "0010"},
                                                 {pren::cliente, "0001"},
                                                 {pren::arrivo, "01/08/2026"},
                                                 {pren::partenza, "15/08/2026"},
                                                 {pren::affitto, "0,00"},
                                                 {pren::acconto, "300,00"},
                                                 {pren::diritti, "ND"},
                                                 {pren::pulizia, "ND"},
                                                 {pren::cauzione, "ND"},
                                                 {pren::chiusura, "10/07/2026"},
                                                 {pren::movimento, "REVOC002"},
                                                 {pren::periodo, "4"}});
const Righe kSaldi = {test::riga_movimento({{movimento::data, "01/06/2026"},
                                            {movimento::parte, "0001"},
                                            {movimento::acconto, "1.500,00"},
                                            {movimento::saldo, "ND"},
                                            {movimento::importo, "0"},
                                            {movimento::pulizia, "50,00"},
                                            {movimento::cauzione, "200,00"},
                                            {movimento::numero, "1"},
                                            {movimento::appartamento, "0010"}}),
                      test::riga_movimento({{movimento::data, "10/07/2026"},
                                            {movimento::parte, "0001"},
                                            {movimento::acconto, "-300,00"},
                                            {movimento::saldo, "0"},
                                            {movimento::importo, "0"},
                                            {movimento::numero, "2"},
                                            {movimento::appartamento, "0010"}})};
const Righe kPeriodi = {test::riga_periodo({{periodo::codice, "0010"},
                                            {periodo::dal, "01/07/2026"},
                                            {periodo::al, "15/07/2026"},
                                            {periodo::prezzo, "1.500,00"},
                                            {periodo::stato, "AFF"}}),
                        test::riga_periodo({{periodo::codice, "0010"},
                                            {periodo::dal, "16/07/2026"},
                                            {periodo::al, "31/07/2026"},
                                            {periodo::prezzo, "1.500,00"},
                                            {periodo::stato, "LIB"}}),
                        test::riga_periodo({{periodo::codice, "0010"},
                                            {periodo::dal, "01/07/2026"},
                                            {periodo::al, "31/07/2026"},
                                            {periodo::prezzo, "3.000,00"},
                                            {periodo::stato, "AFF"}}),
                        test::riga_periodo({{periodo::codice, "0010"},
                                            {periodo::dal, "01/08/2026"},
                                            {periodo::al, "15/08/2026"},
                                            {periodo::prezzo, "1.200,00"},
                                            {periodo::stato, "LIB"}})};

class Revoca : public ::testing::Test {
protected:
    void SetUp() override {
        b.prepara_dati();
        b.scrivi(dati("proprietari.IND"), {test::proprietario_rossi()});
        b.scrivi(dati("appartamenti.ind"), {test::appartamento_di_rossi()});
        b.scrivi(dati("clienti.dat"), {test::cliente_bianchi()});
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
              crlf(kSaldi, test::riga_movimento({{movimento::data, "09/12/2026"},
                                                 {movimento::parte, "0001"},
                                                 {movimento::acconto, "-1.500,00"},
                                                 {movimento::saldo, "0"},
                                                 {movimento::importo, "0"},
                                                 {movimento::pulizia, "-50"},
                                                 {movimento::cauzione, "-200"},
                                                 {movimento::numero, "    1 "},
                                                 {movimento::appartamento, "0010"}})));
    EXPECT_EQ(byte("prenotazioni2026.dat"),
              crlf({test::riga_prenotazione({{pren::appartamento, "0010"},
                                             {pren::cliente, "0001"},
                                             {pren::arrivo, "01/07/2026"},
                                             {pren::partenza, "15/07/2026"},
                                             {pren::affitto, "0,00"},
                                             {pren::acconto, "1.500,00"},
                                             {pren::diritti, "ND"},
                                             {pren::pulizia, "50,00"},
                                             {pren::cauzione, "200,00"},
                                             {pren::chiusura, "09/12/2026"},
                                             {pren::movimento, "REVOC003"},
                                             {pren::periodo, "1"}}),
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
    b.scrivi(dati("Vie.dat"), {test::riga_via({{vie::codice, "0001"}, {vie::nome, "VIA MARE"}})});
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
    EXPECT_EQ(byte("prenotazioni2026.dat"),
              crlf({test::riga_prenotazione({{pren::appartamento, "0010"},
                                             {pren::cliente, "0001"},
                                             {pren::arrivo, "01/07/2026"},
                                             {pren::partenza, "15/07/2026"},
                                             {pren::affitto, "0,00"},
                                             {pren::acconto, "1.500,00"},
                                             {pren::diritti, "ND"},
                                             {pren::pulizia, "50,00"},
                                             {pren::cauzione, "200,00"},
                                             {pren::chiusura, "09/12/2026"},
                                             {pren::movimento, "REVOC003"},
                                             {pren::periodo, "1"}}),
                    test::riga_prenotazione({{pren::appartamento, "0010"},
                                             {pren::cliente, "0001"},
                                             {pren::arrivo, "01/08/2026"},
                                             {pren::partenza, "15/08/2026"},
                                             {pren::affitto, "0,00"},
                                             {pren::acconto, "300,00"},
                                             {pren::diritti, "ND"},
                                             {pren::pulizia, "ND"},
                                             {pren::cauzione, "ND"},
                                             {pren::chiusura, "10/07/2026"},
                                             {pren::movimento, "REVOC002"},
                                             {pren::periodo, "3"}})}));
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
    // "12.50" is no refund of 1.250,00: refused, the box named.
    for (const char* storto : {"abc", "12.50", "1.2.3", "700,004"}) {
        EXPECT_EQ(rimborso(storto), "") << storto;
        const Righe m = b.nuovi_messaggi();
        ASSERT_EQ(m.size(), 1u);
        EXPECT_EQ(m[0].rfind("IMPORTO DA RESTITUIRE: ", 0), 0u) << m[0];
    }

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
              test::riga_movimento({{movimento::data, "09/12/2026"},
                                    {movimento::parte, "0001"},
                                    {movimento::acconto, "-300,00"},
                                    {movimento::saldo, "0"},
                                    {movimento::importo, "0"},
                                    {movimento::pulizia, "-50"},
                                    {movimento::cauzione, "-200"},
                                    {movimento::numero, "    1 "},
                                    {movimento::appartamento, "0010"}}));
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
              test::riga_movimento({{movimento::data, "09/12/2026"},
                                    {movimento::parte, "0001"},
                                    {movimento::acconto, "0,00"},
                                    {movimento::saldo, "0"},
                                    {movimento::importo, "0"},
                                    {movimento::pulizia, "-50"},
                                    {movimento::cauzione, "-200"},
                                    {movimento::numero, "    1 "},
                                    {movimento::appartamento, "0010"}}));
    EXPECT_EQ(app.s.prenotazioni[1].campo[pren::movimento], "REVOC003");
}

}  // namespace
}  // namespace ga
