// Finding a client by the beginning of the name: the name rule, the first
// match and the steps forward and back in the bookings view, the invoice
// search, and the clients file that is missing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/record_file.h"
#include "registry/ricerca_clienti.h"
#include "support/banco.h"
#include "support/righe.h"

namespace ga::test {
namespace {

const std::vector<std::string> kClienti = {
    test::riga_cliente({{cliente::codice, "0001"},
                        {cliente::nome, "ROSSI MARIO"},
                        {cliente::via, "VIA ROMA 1"},
                        {cliente::cap, "00118"},
                        {cliente::citta, "ROMA"},
                        {cliente::telefono, "061234"},
                        {cliente::provincia, "RM"},
                        {cliente::codice_fiscale, "RSSMRA85T10A562S"}}),
    test::riga_cliente({{cliente::codice, "0002"},
                        {cliente::nome, "VERDI LUCA"},
                        {cliente::via, "VIA TEVERE"},
                        {cliente::cap, "00118"},
                        {cliente::citta, "ROMA"},
                        {cliente::telefono, "063333"},
                        {cliente::provincia, "RM"}}),
    test::riga_cliente({{cliente::codice, " 0003"},
                        {cliente::nome, "  BIANCHI ANNA"},
                        {cliente::via, "VIA MARE 2"},
                        {cliente::cap, "70100"},
                        {cliente::citta, "BARI"},
                        {cliente::telefono, "080"},
                        {cliente::provincia, "BA"},
                        {cliente::codice_fiscale, "BNCNNA80A41A662X"}}),
    test::riga_cliente({{cliente::codice, "0004"},
                        {cliente::nome, "NERI PIA"},
                        {cliente::via, "VIA PO"},
                        {cliente::cap, "20121"},
                        {cliente::citta, "MILANO"},
                        {cliente::telefono, "02"},
                        {cliente::provincia, "MI"},
                        {cliente::codice_fiscale, "12345678901"}}),
    test::riga_cliente({{cliente::codice, "0005"},
                        {cliente::nome, "BIANCO"},
                        {cliente::via, "VIA LAGO"},
                        {cliente::cap, "22100"},
                        {cliente::citta, "COMO"},
                        {cliente::telefono, "031"},
                        {cliente::provincia, "CO"}}),
    test::riga_cliente({{cliente::codice, "0006"},
                        {cliente::nome, "GIALLI"},
                        {cliente::via, "VIA MONTE"},
                        {cliente::cap, "10100"},
                        {cliente::citta, "TORINO"},
                        {cliente::telefono, "011"},
                        {cliente::provincia, "TO"}}),
    test::riga_cliente({{cliente::codice, "0007"},
                        {cliente::nome, "BIANCHI ALDO"},
                        {cliente::via, "CORSO ITALIA 5"},
                        {cliente::cap, "50100"},
                        {cliente::citta, "FIRENZE"},
                        {cliente::telefono, "055"},
                        {cliente::provincia, "FI"},
                        {cliente::codice_fiscale, "12345678901"}}),
};

class RicercaClienti : public ::testing::Test {
protected:
    void SetUp() override {
        b.prepara_dati();
        b.scrivi(app.s.percorso_clienti, kClienti);
        // The two procedures of the higher subsystems that a search runs are
        // replaced by recorders: here only when, and in which order, they run.
        app.procedure.elenca_prenotazioni_cliente = [this](App&) { eseguite.push_back("elenca"); };
        app.procedure.controllaincasso = [this](App&) { eseguite.push_back("incasso"); };
    }
    std::string visu(const char* box) { return app.testo("VisuPrenotCliente", box); }
    std::string fatt(const char* box) { return app.testo("fattura", box); }
    bool visibile(const char* forma, const char* box) { return app.campo(forma, box).visible(); }
    void cerca(const std::string& chiave, const char* modo) {
        app.s.testo_ricerca = chiave;
        app.s.modo_chiamata = modo;
        app.run([&] { cerca_cliente(app); });
    }
    std::vector<std::string> cliente_mostrato() {
        return {visu("Text5"), visu("Text1"), visu("Text2"),
                visu("Text3"), visu("Text4"), visu("Text17")};
    }

    Banco b;
    App& app = b.app();
    std::vector<std::string> eseguite;
};

TEST(NomeIniziaCon, PrefixOfTheTrimmedNameOverTheKeysOwnLength) {
    EXPECT_TRUE(nome_inizia_con("   ROSSI MARIO ", "ROS"));
    EXPECT_FALSE(nome_inizia_con("ROSSI MARIO", "rossi"));
    // The key's blanks count in its length but not in the comparison: a key
    // with a trailing blank finds only the name that is exactly the key.
    EXPECT_TRUE(nome_inizia_con("ROSSI", "ROSSI "));
    EXPECT_FALSE(nome_inizia_con("ROSSI MARIO", "ROSSI "));
    // Characters, not bytes: an accented letter counts once.
    EXPECT_TRUE(nome_inizia_con("NICOLÒ BIANCHI", "NICOLÒ"));
}

TEST_F(RicercaClienti, FirstMatchThenForwardAndBackThroughTheNamesakes) {
    cerca("BIANCHI", "PRENOTCLIENTE");
    // Line 3 has blanks before its name: the name is trimmed before the test.
    EXPECT_EQ(cliente_mostrato(),
              (std::vector<std::string>{" 0003", "  BIANCHI ANNA", "BNCNNA80A41A662X", "BARI",
                                        "VIA MARE 2", "3"}));
    EXPECT_EQ(eseguite, std::vector<std::string>{"elenca"});
    EXPECT_TRUE(b.nuovi_messaggi().empty());

    app.run([&] { cliente_successivo(app); });
    EXPECT_EQ(cliente_mostrato(), (std::vector<std::string>{"0007", "BIANCHI ALDO", "12345678901",
                                                            "FIRENZE", "CORSO ITALIA 5", "7"}));
    EXPECT_TRUE(visibile("VisuPrenotCliente", "RETRO"));
    EXPECT_EQ(eseguite.size(), 2u);

    app.run([&] { cliente_precedente(app); });
    EXPECT_EQ(visu("Text17"), "3");
    EXPECT_TRUE(visibile("VisuPrenotCliente", "AVANTI"));
    EXPECT_EQ(eseguite.size(), 3u);

    // Nothing before line 3: the view is emptied and both buttons hidden;
    // forward past line 7 does the same.
    for (const char* da : {"3", "7"}) {
        app.imposta("VisuPrenotCliente", "Text17", da);
        app.campo("VisuPrenotCliente", "List1").add_item("UNA RIGA");
        app.run(
            [&] { std::string(da) == "3" ? cliente_precedente(app) : cliente_successivo(app); });
        EXPECT_EQ(cliente_mostrato(), (std::vector<std::string>{"", "", "", "", "", da}));
        EXPECT_FALSE(visibile("VisuPrenotCliente", "AVANTI") ||
                     visibile("VisuPrenotCliente", "RETRO"));
        EXPECT_EQ(app.campo("VisuPrenotCliente", "List1").list_count(), 0);
    }
    EXPECT_EQ(eseguite.size(), 3u);
}

TEST_F(RicercaClienti, NoMatchAndAMissingClientsFile) {
    app.imposta("VisuPrenotCliente", "Text1", "ZORRO");
    cerca("ZORRO", "PRENOTCLIENTE");
    const auto& box = b.messaggi().shown();
    ASSERT_EQ(box.size(), 1u);
    EXPECT_EQ(box[0].text, "NON E' STATO TROVATO NESSUN CLIENTE !! \r CON IL NOMINATIVO INSERITO ");
    EXPECT_EQ(box[0].title, "VEDI PRENOTAZIONI CLIENTE");
    EXPECT_EQ(visu("Text1"), "ZORRO");
    EXPECT_EQ(visu("Text5"), "");
    b.nuovi_messaggi();

    // The file is created empty, the user told, and the program goes on.
    std::filesystem::remove(app.s.percorso_clienti);
    cerca("ROSSI", "PRENOTCLIENTE");
    EXPECT_FALSE(app.ended());
    EXPECT_TRUE(plat::file_exists(app.s.percorso_clienti));
    EXPECT_EQ(b.byte(app.s.percorso_clienti), "");
    EXPECT_EQ(b.nuovi_messaggi(),
              std::vector<std::string>{"NESSUN CLIENTE E' ANCORA REGISTRATO.\r"
                                       "L'ARCHIVIO DEI CLIENTI E' STATO CREATO VUOTO."});
    EXPECT_TRUE(eseguite.empty());
}

TEST_F(RicercaClienti, InvoiceSearchListsEveryMatchAndFillsFromTheFirst) {
    cerca("BIANC", "fatturaz");
    plat::Control& lista = app.campo("fattura", "List1");
    ASSERT_EQ(lista.list_count(), 3);
    EXPECT_EQ(lista.item(0), "  BIANCHI ANNA");
    EXPECT_EQ(lista.item(1), "BIANCO");
    EXPECT_EQ(lista.item(2), "BIANCHI ALDO");
    EXPECT_TRUE(lista.visible());
    // The first match's code stays; its name and address make way for the list.
    EXPECT_EQ(fatt("Text14"), "0003");
    EXPECT_EQ(fatt("Text7"), "0003");
    for (const char* box : {"Text8", "Text9", "Text10", "Text11"}) EXPECT_EQ(fatt(box), "") << box;
    EXPECT_EQ(app.campo("fattura", "Check1").value(), 1);
    EXPECT_TRUE(visibile("fattura", "cambia"));
    EXPECT_EQ(eseguite, (std::vector<std::string>{"elenca", "incasso"}));
    EXPECT_TRUE(b.nuovi_messaggi().empty());

    // One match: its address line; an 11-character code ticks the second box.
    app.campo("fattura", "List1").clear();
    app.campo("fattura", "Check1").set_value(0);
    cerca("NERI", "fatturaz");
    EXPECT_EQ(fatt("Text10"), "20121 MILANO (MI)");
    EXPECT_EQ(app.campo("fattura", "Check2").value(), 1);
    EXPECT_EQ(app.campo("fattura", "Check1").value(), 0);
}

TEST_F(RicercaClienti, InvoiceSearchStopsAtAFirstMatchWithoutFiscalCode) {
    b.messaggi().answer(plat::Answer::Yes);
    // VERDI LUCA (line 2) has no fiscal code.
    cerca("VERDI", "fatturaz");
    const auto& box = b.messaggi().shown();
    ASSERT_EQ(box.size(), 1u);
    EXPECT_EQ(box[0].text, "IL CODICE FISCALE E' ASSENTE\r   VUOI INSERIRLO ADESSO    ");
    EXPECT_EQ(box[0].title, " FATTURAZIONE AI PROPRIETARI");
    EXPECT_EQ(box[0].buttons, plat::Buttons::YesNo);
    EXPECT_EQ(app.campo("fattura", "Text11").back_color(), 0xC0FFFF);
    EXPECT_EQ(fatt("Text8"), "VERDI LUCA");
    EXPECT_FALSE(visibile("fattura", "cambia"));
    EXPECT_TRUE(eseguite.empty());

    // A No leaves the colour as it was, and the lines after the first match
    // are not read even when they would match.
    b.scrivi(app.s.percorso_clienti,
             {test::riga_cliente({{cliente::codice, "0001"},
                                  {cliente::nome, "GIALLO"},
                                  {cliente::cap, "1"},
                                  {cliente::citta, "A"},
                                  {cliente::telefono, "2"},
                                  {cliente::provincia, "B"}}),
              test::riga_cliente({{cliente::codice, "0002"},
                                  {cliente::nome, "GIALLINI"},
                                  {cliente::via, "X"},
                                  {cliente::cap, "1"},
                                  {cliente::citta, "A"},
                                  {cliente::telefono, "2"},
                                  {cliente::provincia, "B"},
                                  {cliente::codice_fiscale, "RSSMRA85T10A562S"}})});
    app.campo("fattura", "List1").clear();
    app.campo("fattura", "Text11").set_back_color(plat::kDefaultColor);
    b.messaggi().answer(plat::Answer::No);
    cerca("GIALL", "fatturaz");
    EXPECT_EQ(app.campo("fattura", "List1").list_count(), 1);
    EXPECT_EQ(app.campo("fattura", "Text11").back_color(), plat::kDefaultColor);
    EXPECT_TRUE(eseguite.empty());
}

}  // namespace
}  // namespace ga::test
