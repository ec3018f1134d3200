// The availability view in its four modes: the free periods each mode
// keeps, a period's line byte for byte, the type options and the garden,
// the refusals, and the free-period picker opened on a line.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/date.h"
#include "settlement/elenchi.h"
#include "settlement/visu_disponib.h"
#include "support/banco.h"
#include "support/righe.h"

namespace ga::test {
namespace {

using Righe = std::vector<std::string>;

plat::Date data(int g, int m) { return plat::Date::from_dmy(g, m, 2026).value(); }

class VisuDisponibTest : public ::testing::Test {
protected:
    VisuDisponibTest() {
        b.prepara_dati();
        app.s.primo_accesso_menu = "1";
        const std::string d = b.cartella_dati();
        b.scrivi(d + "Vie.dat",
                 {test::riga_via({{vie::codice, "0001"}, {vie::nome, "VIA DEL MARE"}}),
                  test::riga_via({{vie::codice, "0002"}, {vie::nome, "CORSO ITALIA"}}),
                  test::riga_via(
                      {{vie::codice, "0003"}, {vie::nome, "VIA LUNGA DELLE ROSE IN FIORE"}})});
        b.scrivi(d + "proprietari.IND",
                 {test::riga_proprietario(
                      {{proprietario::nome, "BIANCHI LUCIA"}, {proprietario::codice, "0001"}}),
                  test::riga_proprietario({{proprietario::nome, "DELLA-VALLE BARTOLOMEO AMBROGIO"},
                                           {proprietario::codice, "0002"}})});
        // Owner, street, number, type, garden (field 6), apartment code (12).
        b.scrivi(d + "appartamenti.ind",
                 {test::riga_appartamento({{appartamento::codice_proprietario, "0001"},
                                           {appartamento::codice_via, "1"},
                                           {appartamento::civico, "12"},
                                           {appartamento::tipo, "MON"},
                                           {appartamento::giardino, "SI"},
                                           {appartamento::posti_letto, "2"},
                                           {appartamento::codice, "0012"}}),
                  test::riga_appartamento({{appartamento::codice_proprietario, "0002"},
                                           {appartamento::codice_via, "3"},
                                           {appartamento::civico, "5"},
                                           {appartamento::tipo, "BIL"},
                                           {appartamento::giardino, "NO"},
                                           {appartamento::posti_letto, "4"},
                                           {appartamento::codice, "0020"}}),
                  test::riga_appartamento({{appartamento::codice_proprietario, "1"},
                                           {appartamento::codice_via, "2"},
                                           {appartamento::civico, "7"},
                                           {appartamento::tipo, "TRI"},
                                           {appartamento::posti_letto, "6"},
                                           {appartamento::codice, "0030"}})});
        b.scrivi(d + "periodi2026.ind", {test::riga_periodo({{periodo::codice, "0012"},
                                                             {periodo::dal, "01/08/2026"},
                                                             {periodo::al, "15/08/2026"},
                                                             {periodo::prezzo, "650"},
                                                             {periodo::stato, "LIB"}}),
                                         test::riga_periodo({{periodo::codice, "0012"},
                                                             {periodo::dal, "16/08/2026"},
                                                             {periodo::al, "31/08/2026"},
                                                             {periodo::prezzo, "700,00"},
                                                             {periodo::stato, "AFF"}}),
                                         test::riga_periodo({{periodo::codice, "0020"},
                                                             {periodo::dal, "01/08/2026"},
                                                             {periodo::al, "08/08/2026"},
                                                             {periodo::prezzo, "1.234,56"},
                                                             {periodo::stato, "LIB"}}),
                                         test::riga_periodo({{periodo::codice, "0030"},
                                                             {periodo::dal, "30/07/2026"},
                                                             {periodo::al, "06/08/2026"},
                                                             {periodo::prezzo, "500"},
                                                             {periodo::stato, "LIB"}}),
                                         test::riga_periodo({{periodo::codice, "0099"},
                                                             {periodo::dal, "01/08/2026"},
                                                             {periodo::al, "02/08/2026"},
                                                             {periodo::prezzo, "100"},
                                                             {periodo::stato, "LIB"}}),
                                         test::riga_periodo({{periodo::codice, "0030"},
                                                             {periodo::dal, "01/09/2026"},
                                                             {periodo::al, "15/09/2026"},
                                                             {periodo::prezzo, "900"},
                                                             {periodo::stato, "LIB "}})});
    }
    visu_disponib& v() { return app.form<visu_disponib>(); }
    void apri(const char* modo) {
        app.s.operazione = modo;
        app.run([&] { v().show(); });
    }
    Righe numeri() {
        Righe r;
        for (int i = 0; i < v().List1.list_count(); ++i)
            r.push_back(v().List1.item(i).substr(3, 3));
        return r;
    }

    Banco b;
    App& app = b.app();
    const Righe tutti{"001", "003", "004", "005", "006"};
    const std::string nessuno = "NON E' STATA TROVATA NESSUNA DISPONIBILITA' !! ";
};

TEST_F(VisuDisponibTest, ByPeriodTheStartMustMatchAndTheEndFallWithinTheSecondDate) {
    apri("periodi");
    EXPECT_TRUE(v().periodi.visible() && v().IMGTEMPO.visible());
    EXPECT_FALSE(v().codappart.visible() || v().XVIA.visible() || v().XMESE.visible() ||
                 v().IMGCASA.visible());
    app.click(v().Command1);
    EXPECT_EQ(b.nuovi_messaggi(), Righe{"NON E' STATA INDICATO IL PERIODO !! "});
    EXPECT_EQ(b.messaggi().shown().back().title, "VEDI DISPONIBILITA'");

    app.pick_date(v().DTPicker1, data(1, 8));
    EXPECT_EQ(v().DTPicker2.date(), data(2, 8));
    app.click(v().Command1);
    // A period without its apartment shows blank owner and street.
    EXPECT_EQ(v().List1.state().items,
              Righe{" | 005 - 0099 - " + std::string(24, ' ') + " - " + std::string(24, ' ') +
                    " - 01/08/2026 - 02/08/2026 -   100,00 |"});
    app.pick_date(v().DTPicker2, data(31, 8));
    app.click(v().Command1);
    EXPECT_EQ(numeri(), (Righe{"001", "003", "005"}));
    EXPECT_EQ(v().List1.item(0),
              " | 001 - 0012 - BIANCHI LUCIA            - VIA DEL MARE             - 01/08/2026 - "
              "15/08/2026 -   650,00 |");
    EXPECT_EQ(v().List1.item(1),
              " | 003 - 0020 - DELLA-VALLE BARTOLOMEO … - VIA LUNGA DELLE ROSE IN… - 01/08/2026 - "
              "08/08/2026 - 1.234,00 |");
    app.click(v().monoper);
    app.click(v().Command1);
    EXPECT_EQ(numeri(), Righe{"001"});
    app.pick_date(v().DTPicker1, data(31, 7));
    app.pick_date(v().DTPicker2, data(15, 8));
    app.click(v().Command1);
    EXPECT_TRUE(numeri().empty());
    EXPECT_EQ(b.nuovi_messaggi(), Righe{nessuno});

    app.click(v().Check1);
    EXPECT_FALSE(v().DTPicker1.visible() || v().dal.visible());
    app.click(v().tutiper);
    app.click(v().Command1);
    EXPECT_EQ(numeri(), tutti);
}

TEST_F(VisuDisponibTest, ByApartmentTheChosenOneOrAll) {
    apri("appartamenti");
    EXPECT_EQ(
        v().Combo1.state().items,
        (Righe{"0012-VIA DEL MARE", "0020-VIA LUNGA DELLE ROSE IN FIORE", "0030-CORSO ITALIA"}));
    app.pick(v().Combo1, 1);
    EXPECT_EQ(v().Text1.text() + "|" + v().Text2.text() + "|" + v().Text3.text(),
              "0020|DELLA-VALLE BARTOLOMEO AMBROGIO|VIA LUNGA DELLE ROSE IN FIORE");
    EXPECT_TRUE(v().Text2.visible() && !v().Combo1.visible());
    EXPECT_EQ(numeri(), Righe{"003"});
    app.click(v().Check2);
    EXPECT_FALSE(v().cambia.visible() || v().Combo1.visible());
    EXPECT_EQ(numeri(), tutti);
}

TEST_F(VisuDisponibTest, ByStreetAChosenStreetDropsTheTypeAndTheGardenLeavesOutOnlyNo) {
    apri("VIE");
    EXPECT_EQ(v().Option1.value(), 1);
    EXPECT_FALSE(v().VEDI.visible() || v().CAMBIAVIA.visible());
    app.click(v().Option2);
    app.pick(v().Combo2, 0);
    EXPECT_EQ(v().Option2.value(), 0);
    EXPECT_EQ(v().Text4.text(), "VIA DEL MARE");
    app.click(v().VEDI);
    EXPECT_EQ(b.nuovi_messaggi(), Righe{nessuno}) << "no type option is left selected";
    EXPECT_TRUE(v().CAMBIAVIA.visible() && !v().VEDI.visible());
    app.click(v().Option1);
    app.click(v().VEDI);
    EXPECT_EQ(numeri(), Righe{"001"});

    app.click(v().CAMBIAVIA);
    EXPECT_TRUE(v().Combo2.visible() && !v().Text4.visible() && numeri().empty());
    app.click(v().Check4);
    app.click(v().Check3);
    app.click(v().VEDI);
    EXPECT_EQ(numeri(), (Righe{"001", "004", "005", "006"})) << "garden SI, empty, no apartment";
}

TEST_F(VisuDisponibTest, ByMonthEveryNightDecidesAndALineOpensThePickerWhichGivesTheViewBack) {
    apri("mese");
    EXPECT_EQ(b.app().s.mese_scelto, "0");
    app.click(v().Command2);
    EXPECT_EQ(numeri(), tutti);
    // Each month lists the free periods with a night in it, by their start,
    // and the printed list of the month holds the same lines.
    const std::vector<std::pair<int, Righe>> mesi = {
        {7, {"004"}}, {9, {"006"}}, {10, {}}, {8, {"004", "001", "003", "005"}}};
    for (const auto& [mese, attesi] : mesi) {
        app.pick(v().Combo3, mese);
        b.nuovi_messaggi();
        app.click(v().Command2);
        EXPECT_EQ(numeri(), attesi) << "month " << mese;
        EXPECT_EQ(b.nuovi_messaggi(), attesi.empty() ? Righe{nessuno} : Righe{});
        Righe stampate;
        for (const std::string& r : elenco_disponibilita(app, mese).righe)
            stampate.push_back(r.substr(3, 3));
        EXPECT_EQ(stampate, attesi) << "month " << mese;
    }
    EXPECT_EQ(v().Text5.text(), "8");

    app.pick(v().List1, 2);
    plat::Form& picker = *app.form("ModPeriodi");
    EXPECT_TRUE(picker.is_visible() && !v().is_enabled());
    EXPECT_EQ(app.s.modo_chiamata, "VISUPRENOTAZIONE");
    EXPECT_EQ(picker.control("Text40")->text(), "003");
    // The hyphen in the owner's name shifts nothing.
    EXPECT_EQ(picker.control("Text1")->text() + "|" + picker.control("Text2")->text() + "|" +
                  picker.control("Text3")->text(),
              "0020|DELLA-VALLE BARTOLOMEO A|VIA LUNGA DELLE ROSE IN");
    app.click(*picker.control("ESCI"));
    EXPECT_TRUE(v().is_enabled() && v().XMESE.visible());
    EXPECT_EQ(numeri().size(), 4u) << "the list keeps its lines";
    app.click(v().ESCI);
    EXPECT_TRUE(!v().is_loaded() && app.form("MENU")->is_visible());
}

TEST_F(VisuDisponibTest, LoadedHiddenUnderAnotherModeItIsSetUpForTheMenusModeWhenShown) {
    // The picker's exit enables this view, which loads it, after the
    // booking form opened the picker.
    app.s.operazione = "PRENOTAZIONE";
    app.run([&] { v().set_enabled(true); });
    ASSERT_TRUE(v().is_loaded());
    apri("periodi");
    EXPECT_TRUE(v().periodi.visible() && v().IMGTEMPO.visible());
    EXPECT_EQ(v().tutiper.value(), 1);
    EXPECT_EQ(v().DTPicker2.date(), data(1, 1));
}

}  // namespace
}  // namespace ga::test
