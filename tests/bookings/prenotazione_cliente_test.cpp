// The client block of the booking page: finding a client by the beginning
// of the name, browsing with SU and GIU, registering a new client, writing
// a changed one, and the mandatory-field messages.
#include "prenotazione_banco.h"
#include "support/righe.h"

namespace ga::test {
namespace {

// Ten clients; records 4 and 9 begin "VERDI LU". The highest code, 0090,
// is not the last one's.
const Righe kDieci = {riga_cliente({{cliente::codice, "0010"},
                                    {cliente::nome, "ROSSI MARIO"},
                                    {cliente::via, "VIA ROMA 1"},
                                    {cliente::cap, "73100"},
                                    {cliente::citta, "LECCE"},
                                    {cliente::telefono, "0832111"},
                                    {cliente::provincia, "LE"},
                                    {cliente::codice_fiscale, "RSSMRA80A01E506X"}}),
                      riga_cliente({{cliente::codice, "0020"},
                                    {cliente::nome, "BIANCHI ANNA"},
                                    {cliente::via, "VIA MARE 2"},
                                    {cliente::cap, "70100"},
                                    {cliente::citta, "BARI"},
                                    {cliente::telefono, "080222"},
                                    {cliente::provincia, "BA"},
                                    {cliente::codice_fiscale, "BNCNNA80A41A662X"}}),
                      riga_cliente({{cliente::codice, "0030"},
                                    {cliente::nome, "VERDE GINO"},
                                    {cliente::via, "VIA PO 3"},
                                    {cliente::cap, "10100"},
                                    {cliente::citta, "TORINO"},
                                    {cliente::telefono, "011333"},
                                    {cliente::provincia, "TO"},
                                    {cliente::codice_fiscale, "VRDGNI80A01L219X"}}),
                      riga_cliente({{cliente::codice, "0040"},
                                    {cliente::nome, "VERDI LUCA"},
                                    {cliente::via, "VIA LAGO 4"},
                                    {cliente::cap, "73028"},
                                    {cliente::citta, "OTRANTO"},
                                    {cliente::telefono, "0836444"},
                                    {cliente::provincia, "LE"},
                                    {cliente::codice_fiscale, "VRDLCU80A01G188X"},
                                    {cliente::email, "l@x.it"}}),
                      riga_cliente({{cliente::codice, "0050"},
                                    {cliente::nome, "NERI PIA"},
                                    {cliente::via, "VIA NUOVA 5"},
                                    {cliente::cap, "73040"},
                                    {cliente::citta, "CASTRO"},
                                    {cliente::telefono, "0836555"},
                                    {cliente::provincia, "LE"},
                                    {cliente::codice_fiscale, "NREPIA80A41C336X"}}),
                      riga_cliente({{cliente::codice, "0060"},
                                    {cliente::nome, "VERDI ANNA"},
                                    {cliente::via, "VIA ALTA 6"},
                                    {cliente::cap, "00100"},
                                    {cliente::citta, "ROMA"},
                                    {cliente::telefono, "06666"},
                                    {cliente::provincia, "RM"},
                                    {cliente::codice_fiscale, "VRDNNA80A41H501X"}}),
                      riga_cliente({{cliente::codice, "0070"},
                                    {cliente::nome, "GIALLI UGO"},
                                    {cliente::via, "VIA BASSA 7"},
                                    {cliente::cap, "20100"},
                                    {cliente::citta, "MILANO"},
                                    {cliente::telefono, "02777"},
                                    {cliente::provincia, "MI"},
                                    {cliente::codice_fiscale, "GLLUGO80A01F205X"}}),
                      riga_cliente({{cliente::codice, "0090"},
                                    {cliente::nome, "BRUNI EVA"},
                                    {cliente::via, "VIA LARGA 8"},
                                    {cliente::cap, "80100"},
                                    {cliente::citta, "NAPOLI"},
                                    {cliente::telefono, "081888"},
                                    {cliente::provincia, "NA"},
                                    {cliente::codice_fiscale, "BRNEVA80A41F839X"}}),
                      riga_cliente({{cliente::codice, "0080"},
                                    {cliente::nome, "VERDI LUIGI"},
                                    {cliente::via, "VIA STRETTA 9"},
                                    {cliente::cap, "50100"},
                                    {cliente::citta, "FIRENZE"},
                                    {cliente::telefono, "055999"},
                                    {cliente::provincia, "FI"},
                                    {cliente::codice_fiscale, "VRDLGU80A01D612X"},
                                    {cliente::email, "u@x.it"}}),
                      riga_cliente({{cliente::codice, "0029"},
                                    {cliente::nome, "ULTIMO"},
                                    {cliente::via, "VIA FINE 10"},
                                    {cliente::cap, "09100"},
                                    {cliente::citta, "CAGLIARI"},
                                    {cliente::telefono, "070000"},
                                    {cliente::provincia, "CA"},
                                    {cliente::codice_fiscale, "LTMLTM80A01B354X"}})};

class PrenotazioneCliente : public PaginaPrenotazione {
protected:
    void SetUp() override {
        PaginaPrenotazione::SetUp();
        b.scrivi(file("clienti.dat"), kDieci);
        app.run([&] { carica_clienti(app); });
        scegli_appartamento();
        b.nuovi_messaggi();
    }
    // Name, street, postal code, town, telephone, code, record; the buttons.
    std::string blocco() {
        auto t = [&](plat::TextBox& x) { return x.text() + "|"; };
        return t(p().Text8) + t(p().Text10) + t(p().Text11) + t(p().Text12) + t(p().Text13) +
               t(p().Text25) + t(p().Text24) + (p().GIU.visible() ? "G" : "-") +
               (p().SU.visible() ? "S" : "-") + (p().CONFERMA.visible() ? "C" : "-");
    }
};

TEST_F(PrenotazioneCliente, BrowsingTheClientsThatBeginAlike) {
    scrivi(p().Text8, "verdi lu");
    EXPECT_EQ(blocco(), "VERDI LUCA|VIA LAGO 4|73028|OTRANTO|0836444|0040|4|-SC");
    EXPECT_EQ(p().Text30.text(), "l@x.it");
    // The same beginning left again is not searched again.
    app.type(p().Text10, "VIA CAMBIATA");
    scrivi(p().Text8, "verdi lu");
    EXPECT_EQ(p().Text10.text(), "VIA CAMBIATA");

    // Every box, the e-mail too, is the browsed client's own.
    app.click(p().SU);
    EXPECT_EQ(blocco(), "VERDI LUIGI|VIA STRETTA 9|50100|FIRENZE|055999|0080|9|GSC");
    EXPECT_EQ(p().Text30.text(), "u@x.it");
    app.click(p().SU);  // nothing after: the typed beginning comes back
    EXPECT_EQ(blocco(), "VERDI LU||||||11|G--");
    EXPECT_EQ(p().Text30.text(), "");
    app.click(p().GIU);
    app.click(p().GIU);
    EXPECT_EQ(p().Text24.text(), "4");
    EXPECT_EQ(p().Text30.text(), "l@x.it");
    app.click(p().CONFERMA);
    EXPECT_EQ(b.byte(file("clienti.dat")), crlf(kDieci));
    app.click(p().GIU);  // nothing before: emptied, the beginning forgotten
    EXPECT_EQ(blocco(), "||||||0|---");
    EXPECT_EQ(app.s.prefisso_cliente, "");
    EXPECT_TRUE(b.nuovi_messaggi().empty());
}

TEST_F(PrenotazioneCliente, ANewClientIsWrittenWhenThePeriodsAreShown) {
    scrivi(p().Text8, "  zanetti ");
    // After the highest code in use, not after the last client's.
    EXPECT_EQ(blocco(), "  ZANETTI |||||0091|11|--C");
    scrivi(p().Text9, "RSSMRA85T10A562S");
    scrivi(p().Text13, "0999");
    // No: nothing is written and the periods wait for a registered client.
    b.messaggi().answer(plat::Answer::No);
    app.click(p().CONFERMA);
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"TRATTASI DI NUOVO CLIENTE ? - VUOI REGISTRARLO ?"});
    EXPECT_EQ(b.byte(file("clienti.dat")), crlf(kDieci));
    EXPECT_FALSE(p().List1.visible());
    b.messaggi().answer(plat::Answer::Yes);
    app.click(p().CONFERMA);
    Righe atteso = kDieci;
    atteso.push_back(riga_cliente({{cliente::codice, "0091"},
                                   {cliente::nome, "  ZANETTI "},
                                   {cliente::telefono, "0999"},
                                   {cliente::codice_fiscale, "RSSMRA85T10A562S"}}));
    EXPECT_EQ(b.byte(file("clienti.dat")), crlf(atteso));
    EXPECT_EQ(p().Text22.text() + "|" + std::to_string(p().Check1.value()), "11|1");
    EXPECT_TRUE(p().List1.visible() && p().SCEGLI.visible());
}

TEST_F(PrenotazioneCliente, AFoundClientIsRewrittenOnlyWhenChanged) {
    scrivi(p().Text8, "NERI");
    app.type(p().Text10, "VIA * 5");  // refused by the writer: no periods yet
    app.click(p().CONFERMA);
    EXPECT_EQ(b.nuovi_messaggi().size(), 1u);
    EXPECT_FALSE(p().List1.visible());
    app.type(p().Text10, "VIA NUOVA 5");
    app.click(p().CONFERMA);
    EXPECT_EQ(b.byte(file("clienti.dat")), crlf(kDieci));
    EXPECT_EQ(p().Check1.value(), 0);
    EXPECT_TRUE(p().List1.visible());

    app.type(p().Text13, "0836 000");
    app.click(p().CONFERMA);
    Righe atteso = kDieci;
    atteso[4] = riga_cliente({{cliente::codice, "0050"},
                              {cliente::nome, "NERI PIA"},
                              {cliente::via, "VIA NUOVA 5"},
                              {cliente::cap, "73040"},
                              {cliente::citta, "CASTRO"},
                              {cliente::telefono, "0836 000"},
                              {cliente::provincia, "LE"},
                              {cliente::codice_fiscale, "NREPIA80A41C336X"}});
    EXPECT_EQ(b.byte(file("clienti.dat")), crlf(atteso));
}

TEST_F(PrenotazioneCliente, ANewNameOrANewPageTakesNothingOfTheClientShownBefore) {
    scrivi(p().Text8, "verdi lu");
    scrivi(p().Text8, "zanetti");
    EXPECT_EQ(blocco(), "ZANETTI|||||0091|11|--C");
    EXPECT_EQ(p().Text30.text() + p().Text9.text() + p().Text14.text(), "");

    // The page cleared, or left and opened again, finds the same client again.
    auto annulla = [&] {
        b.messaggi().answer(plat::Answer::No);
        app.click(p().ANNULLA);
        scegli_appartamento();
    };
    scrivi(p().Text8, "verdi lu");
    annulla();
    scrivi(p().Text8, "verdi lu");
    EXPECT_EQ(blocco(), "VERDI LUCA|VIA LAGO 4|73028|OTRANTO|0836444|0040|4|-SC");
    b.messaggi().answer(plat::Answer::No);
    app.click(p().ESCI);
    ASSERT_FALSE(p().is_loaded());
    apri_dal_menu();
    scegli_appartamento();
    scrivi(p().Text8, "verdi lu");
    EXPECT_EQ(blocco(), "VERDI LUCA|VIA LAGO 4|73028|OTRANTO|0836444|0040|4|-SC");

    // A new client after a cleared page gets no e-mail of the client before.
    annulla();
    scrivi(p().Text8, "zanetti");
    scrivi(p().Text9, "RSSMRA85T10A562S");
    scrivi(p().Text13, "0999");
    b.messaggi().answer(plat::Answer::Yes);
    app.click(p().CONFERMA);
    EXPECT_EQ(b.leggi(file("clienti.dat")).back(),
              riga_cliente({{cliente::codice, "0091"},
                            {cliente::nome, "ZANETTI"},
                            {cliente::telefono, "0999"},
                            {cliente::codice_fiscale, "RSSMRA85T10A562S"}}));
}

TEST_F(PrenotazioneCliente, ABookingIsSavedOnlyForAClientOfTheFile) {
    scrivi(p().Text8, "neri");
    app.click(p().CONFERMA);
    app.pick(p().List1, 0);
    // The name changed after CONFERMA names a client the file does not hold.
    scrivi(p().Text8, "neri piera");
    b.nuovi_messaggi();
    app.click(p().SALVA);
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"IL CLIENTE NON E' REGISTRATO !! \rCONFERMARE IL CLIENTE "
                                        "PRIMA DI SALVARE LA PRENOTAZIONE."});
    EXPECT_EQ(b.byte(app.s.percorso_prenotazioni), crlf(kPrenotazioni));
    EXPECT_EQ(p().Check3.value(), 0);

    scrivi(p().Text9, "RSSMRA85T10A562S");
    scrivi(p().Text13, "0999");
    b.messaggi().answer(plat::Answer::Yes);
    app.click(p().CONFERMA);
    app.click(p().SALVA);
    EXPECT_EQ(p().Check3.value(), 1);
    EXPECT_EQ(app.s.prenotazioni[3].campo[pren::cliente], "0091");
}

TEST_F(PrenotazioneCliente, MandatoryBoxes) {
    scrivi(p().Text8, "   ");
    scrivi(p().Text8, "zanetti");
    scrivi(p().Text14, "le");
    app.type(p().Text13, "0999");
    app.type(p().Text13, "");
    EXPECT_EQ(b.nuovi_messaggi(), (Righe{"L'INSERIMENTO DEL CLIENTE E' OBLIGATORIO !! ",
                                         "DEVONO ESSERE RIEMPITI TUTTI I CAMPI OBLIGATORI",
                                         "IL NUMERO TELEFONICO E' OBLIGATORIO !! "}));
    EXPECT_EQ(b.messaggi().shown().back().title, "ANAGRAFE CLIENTE");
    scrivi(p().Text9, "RSSMRA85T10A562S");
    app.type(p().Text13, "0999");
    p().CONFERMA.set_visible(false);
    scrivi(p().Text14, "LE");
    EXPECT_TRUE(p().CONFERMA.visible());

    // Without an apartment the name is not searched.
    app.run([&] { p().cambia_Click(); });
    scrivi(p().Text8, "VERDI");
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"NON E' STATO SCELTO NESSUN APPARTAMENTO... "});
    EXPECT_EQ(p().Text24.text(), "11");
}

}  // namespace
}  // namespace ga::test
