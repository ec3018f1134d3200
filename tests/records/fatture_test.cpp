#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "records/fatture.h"
#include "records/prenotazioni.h"
#include "support/banco.h"
#include "support/righe.h"

namespace ga {
namespace {

namespace fs = std::filesystem;
using Righe = std::vector<std::string>;

std::string crlf(const Righe& righe) {
    std::string out;
    for (const auto& r : righe) out += r + "\r\n";
    return out;
}

plat::Date data(int g, int m, int a) { return plat::Date::from_dmy(g, m, a).value(); }

class RegistroFatture : public ::testing::Test {
protected:
    void SetUp() override {
        b.prepara_dati();
        percorso = b.cartella_dati() + "fatture2026.dat";
    }
    App& app() { return b.app(); }
    void metti(const char* nome, const std::string& testo) {
        app().imposta("fattura", nome, testo);
    }
    std::string box(const char* nome) { return app().testo("fattura", nome); }
    void carica() {
        app().run([&] { carica_fatture(app()); });
    }
    bool registra() {
        bool esito = false;
        app().run([&] { esito = registra_fattura(app()); });
        return esito;
    }
    // The invoice form filled for invoice k to a client or an owner.
    void fattura(int k, const std::string& data_testo, const std::string& destinatario) {
        metti("Text4", std::to_string(k));
        metti("Text5", data_testo);
        metti("Text14", destinatario);
        metti("Text1", "INTERMEDIAZIONE");
        metti("Text2", "100,00");
        metti("Text3", "22,00");
        metti("Text12", "0,00");
        metti("Text13", "122,00");
        app().campo("fattura", "Check5").set_value(0);
    }

    test::Banco b;
    std::string percorso;
};

TEST_F(RegistroFatture, FirstInvoiceOfTheYear) {
    carica();
    ASSERT_TRUE(fs::exists(percorso));
    EXPECT_EQ(box("Text6"), "0");

    app().s.operazione = "CLIENTI";
    // The regime box is ticked before the withholding is typed: ticking it
    // clears the withholding box.
    app().campo("fattura", "Check2").set_value(1);
    fattura(1, "3/1/2026", "0007");
    EXPECT_TRUE(registra());
    EXPECT_EQ(b.byte(percorso), crlf({test::riga_fattura({{fatt::data, "03/01/2026"},
                                                          {fatt::numero, "1"},
                                                          {fatt::cliente, "0007"},
                                                          {fatt::descrizione, "INTERMEDIAZIONE"},
                                                          {fatt::imponibile, "100,00"},
                                                          {fatt::iva, "22,00"},
                                                          {fatt::regime, "2"},
                                                          {fatt::ritenuta, "0,00"},
                                                          {fatt::totale, "122,00"}})}));
    EXPECT_EQ(box("Text6"), "1");
    EXPECT_EQ(app().campo("fattura", "Check5").value(), 1);
    EXPECT_EQ(app().s.fatture[1].data, data(3, 1, 2026));
}

TEST_F(RegistroFatture, ClientAndOwnerInvoicesFillTheirOwnAddresseeField) {
    carica();
    app().s.operazione = "CLIENTI";
    fattura(1, "10/02/2026", "0007");
    ASSERT_TRUE(registra());
    app().s.operazione = "PROPRIETARI";
    fattura(2, "11/02/2026", "3");
    ASSERT_TRUE(registra());
    const Righe righe = b.leggi(percorso);
    ASSERT_EQ(righe.size(), 2u);
    EXPECT_EQ(righe[0].substr(0, 23), "10/02/2026*1*0007**INTE");
    EXPECT_EQ(righe[1].substr(0, 20), "11/02/2026*2**3*INTE");

    // Resaving invoice 2 as a client invoice empties the owner field.
    app().s.operazione = "CLIENTI";
    fattura(2, "11/02/2026", "0009");
    ASSERT_TRUE(registra());
    EXPECT_EQ(app().s.fatture[2].campo[fatt::cliente], "0009");
    EXPECT_EQ(app().s.fatture[2].campo[fatt::proprietario], "");
}

TEST_F(RegistroFatture, SavingAStoredNumberReplacesThatInvoiceAndKeepsTheRest) {
    Righe cinque;
    for (int i = 1; i <= 5; ++i)
        cinque.push_back("0" + std::to_string(i) + "/03/2026*" + std::to_string(i) + "*000" +
                         std::to_string(i) + "**F" + std::to_string(i) + "*1,00*0,22*1*0,00*1,22");
    b.scrivi(percorso, cinque);
    carica();
    ASSERT_EQ(box("Text6"), "5");

    app().s.operazione = "CLIENTI";
    fattura(2, "20/03/2026", "0008");
    // No regime box ticked: the stored regime stays.
    EXPECT_TRUE(registra());
    Righe attese = cinque;
    attese[1] = test::riga_fattura({{fatt::data, "20/03/2026"},
                                    {fatt::numero, "2"},
                                    {fatt::cliente, "0008"},
                                    {fatt::descrizione, "INTERMEDIAZIONE"},
                                    {fatt::imponibile, "100,00"},
                                    {fatt::iva, "22,00"},
                                    {fatt::regime, "1"},
                                    {fatt::ritenuta, "0,00"},
                                    {fatt::totale, "122,00"}});
    EXPECT_EQ(b.byte(percorso), crlf(attese));
    EXPECT_EQ(box("Text6"), "5");
}

TEST_F(RegistroFatture, RegimeTakesTheLastTickedBoxOfTheFour) {
    carica();
    app().s.operazione = "CLIENTI";
    fattura(1, "01/04/2026", "0001");
    app().campo("fattura", "Check1").set_value(1);
    app().campo("fattura", "Check3").set_value(1);
    app().campo("fattura", "Check4").set_value(1);
    ASSERT_TRUE(registra());
    EXPECT_EQ(app().s.fatture[1].campo[fatt::regime], "4");
}

TEST_F(RegistroFatture, CancelledInvoiceIsDroppedAndLaterOnesMoveUp) {
    b.scrivi(percorso, {test::riga_fattura({{fatt::data, "01/03/2026"},
                                            {fatt::numero, "1"},
                                            {fatt::cliente, "0001"},
                                            {fatt::descrizione, "A"},
                                            {fatt::imponibile, "1"},
                                            {fatt::iva, "1"},
                                            {fatt::regime, "1"},
                                            {fatt::ritenuta, "0"},
                                            {fatt::totale, "2"}}),
                        test::riga_fattura({{fatt::data, "02/03/2026"},
                                            {fatt::numero, "2"},
                                            {fatt::cliente, "0002"},
                                            {fatt::descrizione, "B"},
                                            {fatt::imponibile, "1"},
                                            {fatt::iva, "1"},
                                            {fatt::regime, "1"},
                                            {fatt::ritenuta, "0"},
                                            {fatt::totale, "2"}}),
                        test::riga_fattura({{fatt::data, "03/03/2026"},
                                            {fatt::numero, "3"},
                                            {fatt::cliente, "0003"},
                                            {fatt::descrizione, "C"},
                                            {fatt::imponibile, "1"},
                                            {fatt::iva, "1"},
                                            {fatt::regime, "1"},
                                            {fatt::ritenuta, "0"},
                                            {fatt::totale, "2"}})});
    carica();
    app().s.operazione = "CLIENTI";
    fattura(2, "02/03/2026", "0002");
    metti("Text4", "CANC");
    // "CANC" reads as number 0: it names no record and is refused.
    EXPECT_FALSE(registra());

    app().s.fatture[2].campo[fatt::numero] = "CANC";
    fattura(3, "03/03/2026", "0003");
    ASSERT_TRUE(registra());
    const Righe righe = b.leggi(percorso);
    ASSERT_EQ(righe.size(), 2u);
    EXPECT_EQ(righe[1].substr(0, 12), "03/03/2026*3");
    EXPECT_EQ(box("Text6"), "2");
}

TEST_F(RegistroFatture, RefusalsWriteNothing) {
    b.scrivi(percorso, {test::riga_fattura({{fatt::data, "01/03/2026"},
                                            {fatt::numero, "1"},
                                            {fatt::cliente, "0001"},
                                            {fatt::descrizione, "A"},
                                            {fatt::imponibile, "1"},
                                            {fatt::iva, "1"},
                                            {fatt::regime, "1"},
                                            {fatt::ritenuta, "0"},
                                            {fatt::totale, "2"}})});
    carica();
    const std::string prima = b.byte(percorso);
    b.nuovi_messaggi();
    app().s.operazione = "CLIENTI";

    for (const char* cattiva : {"", "31/02/2026", "0.00.00", "DOMANI"}) {
        fattura(2, cattiva, "0002");
        EXPECT_FALSE(registra()) << cattiva;
    }
    fattura(2, "05/03/2026", "0002");
    metti("Text1", "PULIZIA * LENZUOLA");
    EXPECT_FALSE(registra());
    fattura(102, "05/03/2026", "0002");  // past the row after the last
    EXPECT_FALSE(registra());

    EXPECT_EQ(b.byte(percorso), prima);
    EXPECT_EQ(app().campo("fattura", "Check5").value(), 0);
    EXPECT_EQ(box("Text6"), "1");
    const auto messaggi = b.nuovi_messaggi();
    ASSERT_EQ(messaggi.size(), 6u);
    EXPECT_NE(messaggi[0].find("DATA DELLA FATTURA NON VALIDA"), std::string::npos);
    EXPECT_NE(messaggi[5].find("NUMERO DELLA FATTURA NON E' VALIDO"), std::string::npos);
    EXPECT_EQ(app().s.fatture[2].campo[fatt::numero], "");
}

TEST_F(RegistroFatture, LoaderKeepsUnreadableDatesAsNoDateAndARewriteKeepsTheOtherLines) {
    b.scrivi(percorso, {test::riga_fattura({{fatt::data, "32/13/2026"},
                                            {fatt::numero, "1"},
                                            {fatt::cliente, "0001"},
                                            {fatt::descrizione, "A"},
                                            {fatt::imponibile, "1"},
                                            {fatt::iva, "1"},
                                            {fatt::regime, "1"},
                                            {fatt::ritenuta, "0"},
                                            {fatt::totale, "2"}}),
                        "SOLO TESTO", "04/03/2026*3"});
    carica();
    EXPECT_EQ(box("Text6"), "3");
    EXPECT_TRUE(app().s.fatture[1].data.is_zero());
    EXPECT_EQ(app().s.fatture[1].campo[fatt::numero], "1");
    EXPECT_EQ(app().s.fatture[2].campo[fatt::numero], "");
    EXPECT_EQ(app().s.fatture[3].data, data(4, 3, 2026));
    EXPECT_EQ(app().s.fatture[3].campo[fatt::totale], "");

    // A new invoice leaves every line it did not write as it stood.
    app().s.operazione = "CLIENTI";
    fattura(4, "05/03/2026", "0004");
    ASSERT_TRUE(registra());
    const Righe righe = b.leggi(percorso);
    ASSERT_EQ(righe.size(), 4u);
    EXPECT_EQ(righe[0], test::riga_fattura({{fatt::data, "32/13/2026"},
                                            {fatt::numero, "1"},
                                            {fatt::cliente, "0001"},
                                            {fatt::descrizione, "A"},
                                            {fatt::imponibile, "1"},
                                            {fatt::iva, "1"},
                                            {fatt::regime, "1"},
                                            {fatt::ritenuta, "0"},
                                            {fatt::totale, "2"}}));
    EXPECT_EQ(righe[1], "SOLO TESTO");
    EXPECT_EQ(righe[2], "04/03/2026*3");
}

// --- bookings loader ----------------------------------------------------------

class CaricaPrenotazioni : public ::testing::Test {
protected:
    void SetUp() override {
        b.prepara_dati();
        percorso = b.cartella_dati() + "prenotazioni2026.dat";
    }
    App& app() { return b.app(); }
    void carica() {
        app().run([&] { carica_prenotazioni(app()); });
    }
    test::Banco b;
    std::string percorso;
};

TEST_F(CaricaPrenotazioni, AnEmptyLineKeepsItsNumberAndHoldsNoBooking) {
    b.scrivi(
        percorso,
        {test::riga_prenotazione({{pren::appartamento, "0010"},
                                  {pren::cliente, "0001"},
                                  {pren::arrivo, "01/07/2026"},
                                  {pren::partenza, "15/07/2026"},
                                  {pren::affitto, "1.500,00"},
                                  {pren::acconto, "500,00"},
                                  {pren::diritti, "ND"},
                                  {pren::pulizia, "50,00"},
                                  {pren::cauzione, "200,00"},
                                  {pren::chiusura, "0.00.00"},
                                  {pren::periodo, "3"},
                                  {pren::letti, "1"},
                                  {pren::consumi, " "},
                                  {pren::energia, " "},
                                  {pren::lenzuola, " "}}),
         "0011*0002*1/8/2026*8/8/2026*900,00*300,00*0,00*0,00*0,00*20/08/2026**12*4* * * * ", "",
         test::riga_prenotazione({{pren::appartamento, "0012"},
                                  {pren::cliente, "0003"},
                                  {pren::arrivo, "01/09/2026"},
                                  {pren::partenza, "08/09/2026"},
                                  {pren::affitto, "1,00"},
                                  {pren::acconto, "0,00"},
                                  {pren::diritti, "0,00"},
                                  {pren::pulizia, "0,00"},
                                  {pren::cauzione, "0,00"},
                                  {pren::chiusura, "0.00.00"},
                                  {pren::periodo, "5"},
                                  {pren::letti, " "},
                                  {pren::consumi, " "},
                                  {pren::energia, " "},
                                  {pren::lenzuola, " "}})});
    carica();
    EXPECT_EQ(app().testo("prenotazione", "Text21"), "4");
    const RigaPrenotazione& p = app().s.prenotazioni[1];
    EXPECT_EQ(p.campo[pren::appartamento], "0010");
    EXPECT_EQ(p.campo[pren::affitto], "1.500,00");
    EXPECT_EQ(p.arrivo, data(1, 7, 2026));
    EXPECT_EQ(p.partenza, data(15, 7, 2026));
    EXPECT_TRUE(p.chiusura.is_zero());
    EXPECT_EQ(p.campo[pren::periodo], "3");
    const RigaPrenotazione& q = app().s.prenotazioni[2];
    EXPECT_EQ(q.arrivo, data(1, 8, 2026));
    EXPECT_EQ(q.chiusura, data(20, 8, 2026));
    EXPECT_EQ(q.campo[pren::movimento], "12");
    // The empty line holds no booking; the one after it is booking 4.
    EXPECT_EQ(app().s.prenotazioni[3].campo[pren::appartamento], "");
    EXPECT_EQ(app().s.prenotazioni[4].campo[pren::appartamento], "0012");
}

TEST_F(CaricaPrenotazioni, BadDatesAndShortLinesDoNotStopTheLoad) {
    b.scrivi(percorso, {"0010*0001*ieri*45/07/2026", "0011"});
    carica();
    EXPECT_EQ(app().testo("prenotazione", "Text21"), "2");
    const RigaPrenotazione& p = app().s.prenotazioni[1];
    EXPECT_TRUE(p.arrivo.is_zero());
    EXPECT_TRUE(p.partenza.is_zero());
    EXPECT_EQ(p.campo[pren::arrivo], "ieri");
    EXPECT_EQ(p.campo[pren::lenzuola], "");
    // A line without any separator holds no booking.
    EXPECT_EQ(app().s.prenotazioni[2].campo[pren::appartamento], "");
}

TEST_F(CaricaPrenotazioni, MissingFileIsCreatedAndALongFileLoadsWhole) {
    carica();
    EXPECT_TRUE(fs::exists(percorso));
    EXPECT_EQ(app().testo("prenotazione", "Text21"), "0");

    Righe righe(1001, "0010*0001*01/07/2026*15/07/2026");
    b.scrivi(percorso, righe);
    b.nuovi_messaggi();
    carica();
    carica();
    EXPECT_EQ(app().testo("prenotazione", "Text21"), "1001");
    EXPECT_EQ(b.nuovi_messaggi(), Righe{});

    // Shortened again: the rows past the new count are empty.
    b.scrivi(percorso, {"0010*0001*01/07/2026*15/07/2026"});
    carica();
    EXPECT_EQ(app().testo("prenotazione", "Text21"), "1");
    EXPECT_EQ(app().s.prenotazioni[2].campo[pren::appartamento], "");
    EXPECT_TRUE(app().s.prenotazioni[2].arrivo.is_zero());
}

}  // namespace
}  // namespace ga
