// The printing menu: one section open at a time, the two ways of choosing a
// booking to reprint, the availability month, what each print button
// prints, and the exit.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "settlement/elenchi.h"
#include "settlement/menustampa.h"
#include "settlement/visu_disponib.h"
#include "support/banco.h"
#include "support/righe.h"

namespace ga {
namespace {

using Righe = std::vector<std::string>;
constexpr long kRosso = 192, kVerde = 32768;

class MenuStampa : public ::testing::Test {
protected:
    void SetUp() override {
        b.prepara_dati();
        app.s.agenzia_nome = "MARE BLU";
        app.s.percentuale_cauzione = "20";
        app.s.deposito_minimo = "150";
        b.scrivi(dati("appartamenti.ind"),
                 {test::riga_appartamento({{appartamento::codice_proprietario, "0001"},
                                           {appartamento::codice_via, "0001"},
                                           {appartamento::civico, "12"},
                                           {appartamento::tipo, "BIL"},
                                           {appartamento::soggiorno, "SI"},
                                           {appartamento::bagni, "1"},
                                           {appartamento::giardino, "NO"},
                                           {appartamento::piano, "1"},
                                           {appartamento::posti_letto, "4"},
                                           {appartamento::periodicita, "ESTIVO"},
                                           {appartamento::codice, "0010"}}),
                  test::riga_appartamento({{appartamento::codice_proprietario, "0001"},
                                           {appartamento::codice_via, "0001"},
                                           {appartamento::civico, "14"},
                                           {appartamento::tipo, "MON"},
                                           {appartamento::soggiorno, "SI"},
                                           {appartamento::bagni, "1"},
                                           {appartamento::giardino, "NO"},
                                           {appartamento::piano, "1"},
                                           {appartamento::posti_letto, "2"},
                                           {appartamento::periodicita, "ESTIVO"},
                                           {appartamento::codice, "0020"}})});
        b.scrivi(dati("clienti.dat"), {test::cliente_bianchi(), test::cliente_verdi(),
                                       test::riga_cliente({{cliente::codice, "0003"},
                                                           {cliente::nome, " BIANCHI ANNA"},
                                                           {cliente::via, "VIA ALTRA 1"},
                                                           {cliente::cap, "73100"},
                                                           {cliente::citta, "LECCE"},
                                                           {cliente::telefono, "0832"},
                                                           {cliente::provincia, "LE"},
                                                           {cliente::codice_fiscale, "Z"}})});
        b.scrivi(dati("prenotazioni2026.dat"),
                 {test::riga_prenotazione({{pren::appartamento, "0010"},
                                           {pren::cliente, "0001"},
                                           {pren::arrivo, "01/07/2026"},
                                           {pren::partenza, "15/07/2026"},
                                           {pren::affitto, "1.500,00"},
                                           {pren::acconto, "500,00"},
                                           {pren::diritti, "ND"},
                                           {pren::pulizia, "ND"},
                                           {pren::cauzione, "0,00"},
                                           {pren::chiusura, "0.00.00"}}),
                  test::riga_prenotazione({{pren::appartamento, "0020"},
                                           {pren::cliente, "0002"},
                                           {pren::arrivo, "01/07/2026"},
                                           {pren::partenza, "15/07/2026"},
                                           {pren::affitto, "1.000,00"},
                                           {pren::acconto, "300,00"},
                                           {pren::diritti, "ND"},
                                           {pren::pulizia, "ND"},
                                           {pren::cauzione, "0,00"},
                                           {pren::chiusura, "0.00.00"}}),
                  test::riga_prenotazione({{pren::appartamento, "0020"},
                                           {pren::cliente, "0001"},
                                           {pren::arrivo, "01/08/2026"},
                                           {pren::partenza, "15/08/2026"},
                                           {pren::affitto, "1.000,00"},
                                           {pren::acconto, "300,00"},
                                           {pren::diritti, "ND"},
                                           {pren::pulizia, "ND"},
                                           {pren::cauzione, "0,00"},
                                           {pren::chiusura, "0.00.00"}})});
        app.run([&] {
            app.form("MENU")->show();
            app.form("MENU")->set_enabled(false);
            m().show();
        });
    }
    std::string dati(const std::string& f) const { return b.cartella_dati() + f; }
    menustampa& m() { return app.form<menustampa>(); }
    Righe voci(plat::Control& lista) {
        Righe v;
        for (int i = 0; i < lista.list_count(); ++i) v.push_back(lista.item(i));
        return v;
    }
    std::string mostrati(std::initializer_list<plat::Control*> controlli) {
        std::string v;
        for (plat::Control* c : controlli)
            if (c->visible()) v += (v.empty() ? "" : " ") + c->name();
        return v;
    }
    std::string sezioni() {
        return m().Command1.caption() + "|" + m().Command6.caption() + "|" +
               m().Command7.caption() + "|" +
               mostrati({&m().SCELTAPRENOT, &m().STAMPDISPON, &m().SCELTA});
    }
    // The cells of a printed page, and the list lines of every page in order.
    static std::string cella(const plat::PrintJob& job, int riga, int colonna = 1) {
        for (const plat::Cell& c : job.cells)
            if (c.row == riga && c.column == colonna) return c.text;
        return "-";
    }
    static Righe righe_elenco(const plat::PrintJob& job) {
        Righe r;
        for (const auto& pagina : job.pages)
            for (const plat::Cell& c : pagina)
                if (c.row >= 4 && c.row <= 43) r.push_back(c.text);
        return r;
    }
    const plat::PrintJob& ultima() { return b.stampante().jobs.back(); }
    std::string scelta_prenotazione() {
        return mostrati(
            {&m().Label6, &m().Label7, &m().Combo1, &m().Text1, &m().List1, &m().stampapre});
    }

    test::Banco b;
    App& app = b.app();
};

TEST_F(MenuStampa, OneSectionIsOpenAtATimeAndItsButtonClosesItAgain) {
    EXPECT_EQ(m().width(), 8040);
    EXPECT_EQ(m().Label2.caption(), " ANNO DI GESTIONE 2026");
    EXPECT_EQ(sezioni(), "|||");

    m().Command2.set_caption("_");
    app.click(m().Command1);
    EXPECT_EQ(sezioni(), "_|||SCELTAPRENOT");
    EXPECT_EQ(m().Command2.caption(), "");
    app.click(m().Command6);
    EXPECT_EQ(sezioni(), "|_||STAMPDISPON");
    app.click(m().Command7);
    EXPECT_EQ(sezioni(), "||_|SCELTA");
    app.click(m().Command7);
    EXPECT_EQ(sezioni(), "|||");

    // A caption that is neither open nor closed: the button does nothing.
    m().Command1.set_caption("?");
    app.click(m().Command1);
    EXPECT_EQ(sezioni(), "?|||");
}

TEST_F(MenuStampa, TheReprintSectionChoosesABookingByClientOrByNumber) {
    app.click(m().Command1);
    EXPECT_EQ(voci(m().List1), (Righe{"001", "002", "003"}));
    EXPECT_EQ(voci(m().Combo1), (Righe{"BIANCHI ANNA", "VERDI LUCA", " BIANCHI ANNA"}));
    EXPECT_EQ(scelta_prenotazione(), "Label6 Label7");

    app.click(m().Command5);
    EXPECT_EQ(std::make_pair(m().Command4.back_color(), m().Command5.back_color()),
              std::make_pair(kRosso, kVerde));
    EXPECT_EQ(scelta_prenotazione(), "Text1 List1");
    app.pick(m().List1, 2);
    EXPECT_EQ(m().Text1.text(), "003");
    EXPECT_EQ(scelta_prenotazione(), "Text1 stampapre");
    app.click(m().Command5);
    EXPECT_EQ(scelta_prenotazione(), "Label6 Label7");

    // By client: one booking is chosen at once; two are listed.
    app.click(m().Command4);
    EXPECT_EQ(std::make_pair(m().Command4.back_color(), m().Command5.back_color()),
              std::make_pair(kVerde, kRosso));
    EXPECT_EQ(scelta_prenotazione(), "Combo1");
    app.pick(m().Combo1, 1);
    EXPECT_EQ(m().Text1.text(), "002");
    EXPECT_EQ(scelta_prenotazione(), "Text1 stampapre");
    app.click(m().Command4);
    app.click(m().Command4);
    app.pick(m().Combo1, 0);
    EXPECT_EQ(voci(m().List1), (Righe{"001 0010", "003 0020"}));
    EXPECT_EQ(m().Text1.text(), "");
    EXPECT_EQ(scelta_prenotazione(), "Text1 List1 stampapre");

    // Typing a number offers the print.
    app.click(m().Command5);
    app.click(m().Command5);
    app.click(m().Command5);
    EXPECT_FALSE(m().stampapre.visible());
    app.type(m().Text1, "2");
    EXPECT_TRUE(m().stampapre.visible());
}

TEST_F(MenuStampa, PickingTheNumberTheBoxHoldsAlreadyOffersThePrintAgain) {
    app.click(m().Command1);
    app.click(m().Command5);
    app.pick(m().List1, 0);
    app.click(m().stampapre);
    ASSERT_EQ(b.stampante().jobs.size(), 1u);
    // The section closed and opened again, the same number picked: its box
    // does not change, and the print is offered all the same.
    app.click(m().Command1);
    app.click(m().Command1);
    app.click(m().Command5);
    app.click(m().Command5);
    EXPECT_EQ(m().Text1.text(), "001");
    EXPECT_FALSE(m().stampapre.visible());
    app.pick(m().List1, 0);
    EXPECT_EQ(scelta_prenotazione(), "Text1 stampapre");
    app.click(m().stampapre);
    EXPECT_EQ(b.stampante().jobs.size(), 2u);
}

TEST_F(MenuStampa, AClientWithoutBookingsLeavesNoEarlierChoiceToPrint) {
    b.scrivi(dati("clienti.dat"), {test::cliente_bianchi(), test::cliente_verdi(),
                                   test::riga_cliente({{cliente::codice, "0004"},
                                                       {cliente::nome, "NERI ADA"},
                                                       {cliente::via, "VIA PO 1"},
                                                       {cliente::cap, "73100"},
                                                       {cliente::citta, "LECCE"},
                                                       {cliente::telefono, "0832"},
                                                       {cliente::provincia, "LE"},
                                                       {cliente::codice_fiscale, "Z"}})});
    app.click(m().Command1);
    app.click(m().Command4);
    app.pick(m().Combo1, 1);
    EXPECT_EQ(m().Text1.text(), "002");
    app.click(m().Command4);
    app.click(m().Command4);
    app.pick(m().Combo1, 2);
    EXPECT_EQ(m().List1.list_count(), 0);
    EXPECT_EQ(m().Text1.text(), "");
    EXPECT_TRUE(m().stampapre.visible());
    app.click(m().stampapre);
    EXPECT_TRUE(b.stampante().jobs.empty());
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"SCEGLIERE LA PRENOTAZIONE DA STAMPARE."});
}

TEST_F(MenuStampa, WithAThousandBookingsTheLastNumberHasFourDigits) {
    b.scrivi(dati("prenotazioni2026.dat"),
             Righe(1000, test::riga_prenotazione({{pren::appartamento, "0010"},
                                                  {pren::cliente, "0001"},
                                                  {pren::arrivo, "01/07/2026"},
                                                  {pren::partenza, "15/07/2026"},
                                                  {pren::affitto, "1.500,00"},
                                                  {pren::acconto, "500,00"},
                                                  {pren::diritti, "ND"},
                                                  {pren::pulizia, "ND"},
                                                  {pren::cauzione, "0,00"},
                                                  {pren::chiusura, "0.00.00"}})));
    app.click(m().Command1);
    ASSERT_EQ(m().List1.list_count(), 1000);
    EXPECT_EQ(m().List1.item(98), "099");
    EXPECT_EQ(m().List1.item(99), "100");
    EXPECT_EQ(m().List1.item(999), "1000");
}

TEST_F(MenuStampa, TheAvailabilityIsCompleteOrForTheMonthChosen) {
    auto disponibilita = [&] {
        return mostrati({&m().Label13, &m().Label14, &m().Combo2, &m().stampaDIS});
    };
    app.click(m().Command6);
    EXPECT_EQ(b.app().s.mese_scelto, "0");
    EXPECT_EQ(disponibilita(), "Label13 Label14");
    EXPECT_EQ(m().Combo2.list_count(), 13);

    app.click(m().XMESE);
    EXPECT_EQ(std::make_pair(m().TOTALE.back_color(), m().XMESE.back_color()),
              std::make_pair(kRosso, kVerde));
    EXPECT_EQ(disponibilita(), "Combo2");
    app.pick(m().Combo2, 3);
    EXPECT_EQ(m().Combo2.text(), "MARZO");
    EXPECT_EQ(b.app().s.mese_scelto, "3");
    EXPECT_EQ(disponibilita(), "Combo2 stampaDIS");
    app.pick(m().Combo2, 12);
    EXPECT_EQ(b.app().s.mese_scelto, "12");

    // "COMPLETA" after a month keeps the month; reopening the section resets it.
    app.click(m().TOTALE);
    EXPECT_EQ(std::make_pair(m().TOTALE.back_color(), m().XMESE.back_color()),
              std::make_pair(kVerde, kRosso));
    EXPECT_EQ(disponibilita(), "Label14 stampaDIS");
    EXPECT_EQ(b.app().s.mese_scelto, "12");
    app.click(m().TOTALE);
    EXPECT_EQ(disponibilita(), "Label13 Label14");
    app.click(m().XMESE);
    app.click(m().XMESE);
    EXPECT_EQ(disponibilita(), "Label13 Label14");
    app.click(m().Command6);
    app.click(m().Command6);
    EXPECT_EQ(b.app().s.mese_scelto, "0");
}

TEST_F(MenuStampa, TheInvoiceReprintPrintsTheChosenInvoiceAsTheInvoiceFormDoes) {
    b.scrivi(dati("proprietari.IND"),
             {test::riga_proprietario({{proprietario::nome, "ROSSI PIA"},
                                       {proprietario::via, "VIA PO 1"},
                                       {proprietario::citta, "BARI"},
                                       {proprietario::provincia, "BA"},
                                       {proprietario::cap, "70100"},
                                       {proprietario::telefono, "080"},
                                       {proprietario::codice, "0001"},
                                       {proprietario::codice_fiscale, "01234567890"},
                                       {proprietario::rapporto, "PROVV"}})});
    b.scrivi(dati("fatture2026.dat"), {test::riga_fattura({{fatt::data, "02/01/2026"},
                                                           {fatt::numero, "1"},
                                                           {fatt::cliente, "0002"},
                                                           {fatt::descrizione, "AFFITTO"},
                                                           {fatt::imponibile, "700,00"},
                                                           {fatt::iva, "154,00"},
                                                           {fatt::regime, "2"},
                                                           {fatt::totale, "854,00"}}),
                                       test::riga_fattura({{fatt::data, "03/01/2026"},
                                                           {fatt::numero, "2"},
                                                           {fatt::proprietario, "1"},
                                                           {fatt::descrizione, "PROVVIGIONI"},
                                                           {fatt::imponibile, "100,00"},
                                                           {fatt::regime, "4"},
                                                           {fatt::totale, "100,00"}})});
    app.click(m().Command2);
    EXPECT_EQ(m().Command2.caption(), "_");
    EXPECT_TRUE(m().SCELTAFATT.visible());
    EXPECT_EQ(voci(m().List2), (Righe{"001 02/01/2026 VERDI LUCA", "002 03/01/2026 ROSSI PIA"}));
    EXPECT_FALSE(m().stampafat.visible());
    app.pick(m().List2, 1);
    app.click(m().stampafat);
    ASSERT_EQ(b.stampante().jobs.size(), 1u);
    EXPECT_EQ(ultima().template_path, app.s.cartella_stampe + "fattura.xls");
    EXPECT_EQ(ultima().pdf_path, dati("fattura_2026_002.pdf"));
    EXPECT_EQ(cella(ultima(), 12), "FATTURA N° 2 DEL 03/01/2026");
    EXPECT_EQ(cella(ultima(), 7, 3), "ROSSI PIA");

    // The invoice form, reopening the same invoice, prints the same page.
    app.run([&] { app.form("fattura")->show(); });
    app.click(app.campo("fattura", "cerca"));
    app.pick(app.campo("fattura", "Combo1"), 1);
    app.click(app.campo("fattura", "STAMPA"));
    ASSERT_EQ(b.stampante().jobs.size(), 2u);
    auto testi = [](const plat::PrintJob& j) {
        Righe t;
        for (const plat::Cell& c : j.cells)
            t.push_back(std::to_string(c.row) + "," + std::to_string(c.column) + " " + c.text);
        return t;
    };
    EXPECT_EQ(testi(b.stampante().jobs[0]), testi(b.stampante().jobs[1]));
    EXPECT_TRUE(b.nuovi_messaggi().empty());

    // Another section closes this one.
    app.click(m().Command7);
    EXPECT_EQ(m().Command2.caption(), "");
    EXPECT_FALSE(m().SCELTAFATT.visible());
}

// An invoice names the first client whose code is its number ("7" is
// "0007", "7,5" too); a client of blank code is nobody's, also of "0".
TEST_F(MenuStampa, TheInvoiceListNamesTheFirstClientOfTheCodesNumber) {
    auto cliente = [](const char* codice, const char* nome) {
        return test::riga_cliente({{cliente::codice, codice}, {cliente::nome, nome}});
    };
    b.scrivi(dati("clienti.dat"),
             {cliente("  ", "SENZA CODICE"), cliente("7,5", "PRIMO SETTE"),
              cliente("0007", "SECONDO SETTE"), cliente("0", "ZERO"), cliente("0012", "DODICI")});
    auto fattura = [](const char* numero, const char* codice) {
        return test::riga_fattura(
            {{fatt::data, "02/01/2026"}, {fatt::numero, numero}, {fatt::cliente, codice}});
    };
    b.scrivi(dati("fatture2026.dat"), {fattura("1", "7"), fattura("2", "0000"), fattura("3", " "),
                                       fattura("4", "12"), fattura("5", "99")});
    app.click(m().Command2);
    EXPECT_EQ(voci(m().List2),
              (Righe{"001 02/01/2026 PRIMO SETTE", "002 02/01/2026 ZERO", "003 02/01/2026 ",
                     "004 02/01/2026 DODICI", "005 02/01/2026 "}));
}

TEST_F(MenuStampa, TheAvailabilityPrintsTheLinesTheViewListsPageByPage) {
    b.scrivi(dati("proprietari.IND"),
             {test::riga_proprietario({{proprietario::nome, "ROSSI PIA"},
                                       {proprietario::via, "VIA PO 1"},
                                       {proprietario::citta, "BARI"},
                                       {proprietario::provincia, "BA"},
                                       {proprietario::cap, "70100"},
                                       {proprietario::telefono, "080"},
                                       {proprietario::codice, "0001"},
                                       {proprietario::codice_fiscale, "01234567890"},
                                       {proprietario::rapporto, "PROVV"}})});
    b.scrivi(dati("Vie.dat"),
             {test::riga_via({{vie::codice, "0001"}, {vie::nome, "VIA DEL MARE"}})});
    Righe periodi = {test::riga_periodo({{periodo::codice, "0010"},
                                         {periodo::dal, "01/07/2026"},
                                         {periodo::al, "15/07/2026"},
                                         {periodo::prezzo, "1.234,56"},
                                         {periodo::stato, "LIB"}}),
                     test::riga_periodo({{periodo::codice, "0020"},
                                         {periodo::dal, "01/08/2026"},
                                         {periodo::al, "15/08/2026"},
                                         {periodo::prezzo, "800"},
                                         {periodo::stato, "AFF"}})};
    for (int i = 1; i <= 41; ++i)
        periodi.push_back(
            test::riga_periodo({{periodo::codice, i % 2 ? "0010" : "0020"},
                                {periodo::dal, std::to_string(1 + i % 28) + "/08/2026"},
                                {periodo::al, std::to_string(2 + i % 28) + "/08/2026"},
                                {periodo::prezzo, "650"},
                                {periodo::stato, "LIB"}}));
    periodi.push_back(test::riga_periodo({{periodo::codice, "0099"},
                                          {periodo::dal, "01/09/2026"},
                                          {periodo::al, "30/09/2026"},
                                          {periodo::prezzo, "900"},
                                          {periodo::stato, "LIB"}}));
    b.scrivi(dati("periodi2026.ind"), periodi);
    // What the availability view lists by month, every type.
    auto vista = [&](int mese) {
        app.s.operazione = "mese";
        visu_disponib& v = app.form<visu_disponib>();
        app.run([&] { v.show(); });
        app.pick(v.Combo3, mese);
        app.click(v.Command2);
        Righe r = voci(v.List1);
        app.click(v.ESCI);
        return r;
    };

    app.click(m().Command6);
    app.click(m().XMESE);
    app.pick(m().Combo2, 8);
    app.click(m().stampaDIS);
    ASSERT_EQ(b.stampante().jobs.size(), 1u);
    const plat::PrintJob agosto = ultima();
    EXPECT_EQ(agosto.template_path, app.s.cartella_stampe + "elenco.xls");
    EXPECT_EQ(cella(agosto, 1), "DISPONIBILITA' - 2026 - AGOSTO");
    EXPECT_EQ(cella(agosto, 2), "MARE BLU");
    const std::string intestazione = cella(agosto, 3);
    EXPECT_EQ(intestazione,
              " | N.  - APP. - PROPRIETARIO             - VIA DELL'APPARTAMENTO    - DAL        - "
              "AL         -  AFFITTO |");
    ASSERT_EQ(agosto.pages.size(), 2u);
    EXPECT_EQ(agosto.pages[0].size(), 41u);
    EXPECT_EQ(agosto.pages[1].back().text, "PAGINA 2 DI 2");
    EXPECT_EQ(agosto.pages[1].back().row, 44);
    const Righe righe = righe_elenco(agosto);
    EXPECT_EQ(righe, vista(8));
    ASSERT_EQ(righe.size(), 41u);
    EXPECT_EQ(righe[0].size(), intestazione.size()) << "the headings stand over their columns";

    // "COMPLETA" after a month prints every month.
    app.click(m().TOTALE);
    app.click(m().stampaDIS);
    EXPECT_EQ(cella(ultima(), 1), "DISPONIBILITA' - 2026");
    EXPECT_EQ(righe_elenco(ultima()), vista(0));
    EXPECT_EQ(righe_elenco(ultima()).front(),
              " | 001 - 0010 - ROSSI PIA                - VIA DEL MARE             - 01/07/2026 - "
              "15/07/2026 - "
              "1.234,00 |");
    EXPECT_EQ(ultima().pdf_path, dati("disponibilita.pdf"));

    // A month without free periods prints nothing and says so.
    app.click(m().XMESE);
    app.pick(m().Combo2, 12);
    app.click(m().stampaDIS);
    EXPECT_EQ(b.stampante().jobs.size(), 2u);
    EXPECT_EQ(b.nuovi_messaggi().back(), "NON E' STATA TROVATA NESSUNA DISPONIBILITA' !! ");
}

// A line names the first apartment and the first owner holding its code,
// codes read as numbers ("10" is "0010"), whatever order the files hold.
TEST_F(MenuStampa, ALineNamesTheFirstRecordHoldingTheCodeReadAsANumber) {
    b.scrivi(dati("proprietari.IND"),
             {test::riga_proprietario({{proprietario::nome, "NERI LEA"},
                                       {proprietario::via, "VIA PO 2"},
                                       {proprietario::citta, "BARI"},
                                       {proprietario::provincia, "BA"},
                                       {proprietario::cap, "70100"},
                                       {proprietario::telefono, "080"},
                                       {proprietario::codice, "7"},
                                       {proprietario::codice_fiscale, "X"},
                                       {proprietario::rapporto, "PROVV"}}),
              test::riga_proprietario({{proprietario::nome, "ROSSI PIA"},
                                       {proprietario::via, "VIA PO 1"},
                                       {proprietario::citta, "BARI"},
                                       {proprietario::provincia, "BA"},
                                       {proprietario::cap, "70100"},
                                       {proprietario::telefono, "080"},
                                       {proprietario::codice, "0001"},
                                       {proprietario::codice_fiscale, "X"},
                                       {proprietario::rapporto, "PROVV"}}),
              test::riga_proprietario({{proprietario::nome, "BRUNI EVA"},
                                       {proprietario::via, "VIA PO 3"},
                                       {proprietario::citta, "BARI"},
                                       {proprietario::provincia, "BA"},
                                       {proprietario::cap, "70100"},
                                       {proprietario::telefono, "080"},
                                       {proprietario::codice, "1"},
                                       {proprietario::codice_fiscale, "X"},
                                       {proprietario::rapporto, "PROVV"}})});
    b.scrivi(dati("Vie.dat"),
             {test::riga_via({{vie::codice, "0001"}, {vie::nome, "VIA DEL MARE"}}),
              test::riga_via({{vie::codice, "0002"}, {vie::nome, "VIA DEL SOLE"}})});
    b.scrivi(dati("appartamenti.ind"),
             {test::riga_appartamento({{appartamento::codice_proprietario, "7"},
                                       {appartamento::codice_via, "0002"},
                                       {appartamento::civico, "12"},
                                       {appartamento::tipo, "BIL"},
                                       {appartamento::soggiorno, "SI"},
                                       {appartamento::bagni, "1"},
                                       {appartamento::giardino, "NO"},
                                       {appartamento::piano, "1"},
                                       {appartamento::posti_letto, "4"},
                                       {appartamento::periodicita, "ESTIVO"},
                                       {appartamento::codice, "0030"}}),
              test::riga_appartamento({{appartamento::codice_proprietario, "01"},
                                       {appartamento::codice_via, "0001"},
                                       {appartamento::civico, "12"},
                                       {appartamento::tipo, "BIL"},
                                       {appartamento::soggiorno, "SI"},
                                       {appartamento::bagni, "1"},
                                       {appartamento::giardino, "NO"},
                                       {appartamento::piano, "1"},
                                       {appartamento::posti_letto, "4"},
                                       {appartamento::periodicita, "ESTIVO"},
                                       {appartamento::codice, "10"}}),
              test::riga_appartamento({{appartamento::codice_proprietario, "7"},
                                       {appartamento::codice_via, "0002"},
                                       {appartamento::civico, "14"},
                                       {appartamento::tipo, "MON"},
                                       {appartamento::soggiorno, "SI"},
                                       {appartamento::bagni, "1"},
                                       {appartamento::giardino, "NO"},
                                       {appartamento::piano, "1"},
                                       {appartamento::posti_letto, "2"},
                                       {appartamento::periodicita, "ESTIVO"},
                                       {appartamento::codice, "0010"}})});
    b.scrivi(dati("periodi2026.ind"), {test::riga_periodo({{periodo::codice, "010"},
                                                           {periodo::dal, "01/08/2026"},
                                                           {periodo::al, "15/08/2026"},
                                                           {periodo::prezzo, "800"},
                                                           {periodo::stato, "LIB"}}),
                                       test::riga_periodo({{periodo::codice, "0099"},
                                                           {periodo::dal, "16/08/2026"},
                                                           {periodo::al, "30/08/2026"},
                                                           {periodo::prezzo, "900"},
                                                           {periodo::stato, "LIB"}})});
    app.click(m().Command6);
    app.click(m().TOTALE);
    app.click(m().stampaDIS);
    EXPECT_EQ(
        righe_elenco(ultima()),
        (Righe{riga_disponibile("001", "010", "ROSSI PIA", "VIA DEL MARE", "01/08/2026",
                                "15/08/2026", "800,00"),
               riga_disponibile("002", "0099", "", "", "16/08/2026", "30/08/2026", "900,00")}));

    app.click(m().Command7);
    app.click(m().Command8);
    Righe proprietari;
    for (const std::string& r : righe_elenco(ultima())) proprietari.push_back(r.substr(8, 24));
    EXPECT_EQ(proprietari, (Righe{"NERI LEA                ", "ROSSI PIA               ",
                                  "NERI LEA                "}));
}

TEST_F(MenuStampa, TheListsPrintTheApartmentsClientsAndOwnersRegisters) {
    b.scrivi(dati("Vie.dat"),
             {test::riga_via({{vie::codice, "0001"}, {vie::nome, "VIA DEL MARE"}})});
    app.click(m().Command7);
    // No owners yet: nothing to print, and the user is told.
    app.click(m().Command10);
    EXPECT_TRUE(b.stampante().jobs.empty());
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"NESSUN PROPRIETARIO DA STAMPARE."});
    b.scrivi(dati("proprietari.IND"),
             {test::riga_proprietario({{proprietario::nome, "ROSSI PIA"},
                                       {proprietario::via, "VIA PO 1"},
                                       {proprietario::citta, "BARI"},
                                       {proprietario::provincia, "BA"},
                                       {proprietario::cap, "70100"},
                                       {proprietario::telefono, "080 123"},
                                       {proprietario::codice, "0001"},
                                       {proprietario::codice_fiscale, "01234567890"},
                                       {proprietario::rapporto, "PROVV"}})});

    app.click(m().Command8);
    EXPECT_EQ(cella(ultima(), 1), "ELENCO DEGLI APPARTAMENTI");
    EXPECT_EQ(cella(ultima(), 3),
              "CODICE  PROPRIETARIO              VIA                             N.C.    TIPO    "
              "      LETTI  GIARDINO  PIANO  PERIODO");
    EXPECT_EQ(righe_elenco(ultima()), (Righe{"0010    ROSSI PIA                 VIA DEL MARE       "
                                             "             12      BILOCALE      4      NO"
                                             "        1      ESTIVO",
                                             "0020    ROSSI PIA                 VIA DEL MARE       "
                                             "             14      MONOLOCALE    2      NO"
                                             "        1      ESTIVO"}));

    app.click(m().Command9);
    EXPECT_EQ(cella(ultima(), 1), "ELENCO DEI CLIENTI");
    const Righe clienti = righe_elenco(ultima());
    ASSERT_EQ(clienti.size(), 3u);
    EXPECT_EQ(clienti[1],
              "0002    VERDI LUCA                      VIA LAGO 3                      73028 "
              "OTRANTO (LE)  "
              "                0836            Y");
    EXPECT_EQ(ultima().pages.size(), 1u);
    EXPECT_EQ(ultima().pages[0].back().text, "PAGINA 1 DI 1");

    // Without a printer the list is kept as a PDF in the data folder.
    b.stampante().result = {plat::PrintOutcome::SavedAsPdf, dati("elenco_proprietari.pdf"), ""};
    app.click(m().Command10);
    EXPECT_EQ(cella(ultima(), 1), "ELENCO DEI PROPRIETARI");
    EXPECT_EQ(righe_elenco(ultima()),
              Righe{"0001    ROSSI PIA                       VIA PO 1                        70100 "
                    "BARI (BA)       "
                    "              080 123         01234567890       PROVV"});
    EXPECT_EQ(ultima().pdf_path, dati("elenco_proprietari.pdf"));
    EXPECT_EQ(b.nuovi_messaggi(),
              Righe{"NESSUNA STAMPANTE DISPONIBILE.\rL'ELENCO E' STATO SALVATO NEL FILE\r" +
                    dati("elenco_proprietari.pdf")});
    EXPECT_EQ(b.stampante().jobs.size(), 3u);
}

// A field longer than its column is cut with a mark the reader sees; a long
// town keeps its province.
TEST_F(MenuStampa, AFieldCutToItsColumnEndsInAMark) {
    b.scrivi(dati("clienti.dat"),
             {test::riga_cliente(
                 {{cliente::codice, "0007"},
                  {cliente::nome, "PIERGIORGIO MARIA ALESSANDRO DELLA VALLE DI SANT'ÀNGELO"},
                  {cliente::via, "VIA ROMA 1"},
                  {cliente::cap, "52037"},
                  {cliente::citta, "SANSEPOLCRO DI VAL TIBERINA TOSCANA"},
                  {cliente::provincia, "AR"}})});
    app.click(m().Command7);
    app.click(m().Command9);
    const Righe clienti = righe_elenco(ultima());
    ASSERT_EQ(clienti.size(), 1u);
    EXPECT_EQ(clienti[0],
              "0007    PIERGIORGIO MARIA ALESSANDRO …  VIA ROMA 1                      52037 "
              "SANSEPOLCRO DI VAL TIB… (AR)");
}

TEST_F(MenuStampa, PrintingTheChosenBookingAndLeaving) {
    app.click(m().Command1);
    app.click(m().Command5);
    app.pick(m().List1, 1);
    app.click(m().stampapre);
    ASSERT_EQ(b.stampante().jobs.size(), 1u);
    bool numero = false;
    for (const plat::Cell& c : b.stampante().jobs.back().cells)
        numero = numero || (c.row == 2 && c.column == 2 &&
                            c.text.find(" Ric. n°   002 / 20") != std::string::npos);
    EXPECT_TRUE(numero);
    EXPECT_EQ(app.s.cauzione_ricevuta, "200");
    EXPECT_EQ(app.campo("prenotazione", "Check5").value(), 1);

    // The second of two clients with the same name prints his own booking.
    b.scrivi(dati("prenotazioni2026.dat"),
             {test::riga_prenotazione({{pren::appartamento, "0010"},
                                       {pren::cliente, "0001"},
                                       {pren::arrivo, "01/07/2026"},
                                       {pren::partenza, "15/07/2026"},
                                       {pren::affitto, "1.500,00"},
                                       {pren::acconto, "500,00"},
                                       {pren::diritti, "ND"},
                                       {pren::pulizia, "ND"},
                                       {pren::cauzione, "0,00"},
                                       {pren::chiusura, "0.00.00"}}),
              test::riga_prenotazione({{pren::appartamento, "0010"},
                                       {pren::cliente, "0003"},
                                       {pren::arrivo, "01/09/2026"},
                                       {pren::partenza, "15/09/2026"},
                                       {pren::affitto, "900,00"},
                                       {pren::acconto, "300,00"},
                                       {pren::diritti, "ND"},
                                       {pren::pulizia, "ND"},
                                       {pren::cauzione, "0,00"},
                                       {pren::chiusura, "0.00.00"}})});
    app.click(m().Command1);
    app.click(m().Command1);
    app.click(m().Command4);
    app.pick(m().Combo1, 2);
    EXPECT_EQ(m().Text1.text(), "002");
    app.click(m().stampapre);
    bool cliente = false;
    for (const plat::Cell& c : b.stampante().jobs.back().cells)
        cliente = cliente || (c.row == 5 && c.column == 2 && c.text == " VIA ALTRA 1");
    EXPECT_TRUE(cliente);

    app.click(m().Command3);
    EXPECT_FALSE(m().is_loaded());
    EXPECT_TRUE(app.form("MENU")->enabled());
    // Opened again, it starts as designed.
    app.run([&] { m().show(); });
    EXPECT_EQ(sezioni(), "|||");
    EXPECT_EQ(m().Command5.back_color(), kRosso);
}

}  // namespace
}  // namespace ga
