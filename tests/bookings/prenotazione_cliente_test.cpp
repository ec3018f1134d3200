// The client block of the booking page: finding a client by the beginning
// of the name, browsing with SU and GIU, registering a new client, writing
// a changed one, and the mandatory-field messages.
#include "prenotazione_banco.h"

namespace ga::test {
namespace {

// Ten clients; records 4 and 9 begin "VERDI LU". The highest code, 0090,
// is not the last one's.
const Righe kDieci = {
    "0010*ROSSI MARIO*VIA ROMA 1*73100*LECCE*0832111*LE*RSSMRA80A01E506X*",
    "0020*BIANCHI ANNA*VIA MARE 2*70100*BARI*080222*BA*BNCNNA80A41A662X*",
    "0030*VERDE GINO*VIA PO 3*10100*TORINO*011333*TO*VRDGNI80A01L219X*",
    "0040*VERDI LUCA*VIA LAGO 4*73028*OTRANTO*0836444*LE*VRDLCU80A01G188X*l@x.it",
    "0050*NERI PIA*VIA NUOVA 5*73040*CASTRO*0836555*LE*NREPIA80A41C336X*",
    "0060*VERDI ANNA*VIA ALTA 6*00100*ROMA*06666*RM*VRDNNA80A41H501X*",
    "0070*GIALLI UGO*VIA BASSA 7*20100*MILANO*02777*MI*GLLUGO80A01F205X*",
    "0090*BRUNI EVA*VIA LARGA 8*80100*NAPOLI*081888*NA*BRNEVA80A41F839X*",
    "0080*VERDI LUIGI*VIA STRETTA 9*50100*FIRENZE*055999*FI*VRDLGU80A01D612X*u@x.it",
    "0029*ULTIMO*VIA FINE 10*09100*CAGLIARI*070000*CA*LTMLTM80A01B354X*"};

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
    atteso.push_back("0091*  ZANETTI ****0999**RSSMRA85T10A562S*");
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
    atteso[4] = "0050*NERI PIA*VIA NUOVA 5*73040*CASTRO*0836 000*LE*NREPIA80A41C336X*";
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
    EXPECT_EQ(b.leggi(file("clienti.dat")).back(), "0091*ZANETTI****0999**RSSMRA85T10A562S*");
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
    EXPECT_EQ(app.s.prenotazioni[3].campo[1], "0091");
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
