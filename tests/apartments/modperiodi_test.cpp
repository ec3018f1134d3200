// The free-period picker: stepping over busy periods, the calendars' overlap
// check, and what its exit hands back to the form that opened it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "apartments/ModPeriodi.h"
#include "support/banco.h"
#include "support/righe.h"

namespace ga {
namespace {

using plat::Date;

Date data(int g, int m) { return *Date::from_dmy(g, m, 2026); }

class ModPeriodiTest : public ::testing::Test {
protected:
    void SetUp() override {
        b.prepara_dati();
        b.scrivi(app.s.percorso_periodi, {test::riga_periodo({{periodo::codice, "0012"},
                                                              {periodo::dal, "01/07/2026"},
                                                              {periodo::al, "15/07/2026"},
                                                              {periodo::prezzo, "500,00"},
                                                              {periodo::stato, "LIB"}}),
                                          test::riga_periodo({{periodo::codice, "0012"},
                                                              {periodo::dal, "16/07/2026"},
                                                              {periodo::al, "31/07/2026"},
                                                              {periodo::prezzo, "600,00"},
                                                              {periodo::stato, "AFF"}}),
                                          test::riga_periodo({{periodo::codice, "0012"},
                                                              {periodo::dal, "01/08/2026"},
                                                              {periodo::al, "15/08/2026"},
                                                              {periodo::prezzo, "700,00"},
                                                              {periodo::stato, "PROP"}}),
                                          test::riga_periodo({{periodo::codice, "0012"},
                                                              {periodo::dal, "16/08/2026"},
                                                              {periodo::al, "31/08/2026"},
                                                              {periodo::prezzo, "800,00"},
                                                              {periodo::stato, "LIB"}}),
                                          test::riga_periodo({{periodo::codice, "0007"},
                                                              {periodo::dal, "01/09/2026"},
                                                              {periodo::al, "15/09/2026"},
                                                              {periodo::prezzo, "300,00"},
                                                              {periodo::stato, "LIB"}}),
                                          test::riga_periodo({{periodo::codice, "0012"},
                                                              {periodo::dal, "16/09/2026"},
                                                              {periodo::al, "30/09/2026"},
                                                              {periodo::prezzo, "900,00"},
                                                              {periodo::stato, "LIB"}})});
    }
    // As an opener does: period number, availability view disabled, mode, show.
    void apri(const std::string& numero, const std::string& modo) {
        app.run([&] {
            p.Text40.set_text(numero);
            app.form("visu_disponib")->set_enabled(false);
            app.s.modo_chiamata = modo;
            p.show();
        });
    }
    void scegli(plat::TextBox& box, plat::DatePicker& calendario, Date d) {
        app.double_click(box);
        app.pick_date(calendario, d);
    }

    test::Banco b;
    App& app = b.app();
    ModPeriodi& p = app.form<ModPeriodi>();
};

TEST_F(ModPeriodiTest, SteppingSkipsBusyPeriodsAndStopsAtAnotherApartment) {
    apri("| 001", "VISUPRENOTAZIONE");
    EXPECT_EQ(p.Text40.text(), "001");
    EXPECT_EQ(p.Text4.text(), "0012");
    app.click(p.VEDI);
    app.scroll(p.HScroll1, 2);  // over "AFF" and "PROP" to the next free one
    EXPECT_EQ(p.HScroll1.value(), 4);
    EXPECT_EQ(p.Text5.text() + p.Text10.text() + p.Text40.text(), "16/08/2026800,00004");
    app.scroll(p.HScroll1, 5);  // another apartment: period 6 cannot be reached
    EXPECT_EQ(p.HScroll1.value(), 4);
    EXPECT_EQ(p.Text5.text(), "16/08/2026");
    app.scroll(p.HScroll1, 3);  // backwards to the first free one
    EXPECT_EQ(p.HScroll1.value(), 1);

    // Coming back to the window shows the stored period again, and stepping
    // that finds nothing puts the bar back on it.
    scegli(p.Text5, p.DTPicker1, data(5, 7));
    app.run([&] { p.Form_Activate(); });
    EXPECT_EQ(p.Text5.text(), "01/07/2026");
    app.scroll(p.HScroll1, 0);
    EXPECT_EQ(p.HScroll1.value(), 1);
}

// A free period without a price would hand the booking an empty rent.
TEST_F(ModPeriodiTest, SteppingPassesFreePeriodsWithoutAPrice) {
    b.scrivi(app.s.percorso_periodi, {test::riga_periodo({{periodo::codice, "0012"},
                                                          {periodo::dal, "01/07/2026"},
                                                          {periodo::al, "15/07/2026"},
                                                          {periodo::prezzo, "500,00"},
                                                          {periodo::stato, "LIB"}}),
                                      test::riga_periodo({{periodo::codice, "0012"},
                                                          {periodo::dal, "16/07/2026"},
                                                          {periodo::al, "31/07/2026"},
                                                          {periodo::stato, "LIB"}}),
                                      test::riga_periodo({{periodo::codice, "0012"},
                                                          {periodo::dal, "01/08/2026"},
                                                          {periodo::al, "15/08/2026"},
                                                          {periodo::prezzo, "0,00"},
                                                          {periodo::stato, "LIB"}}),
                                      test::riga_periodo({{periodo::codice, "0012"},
                                                          {periodo::dal, "16/08/2026"},
                                                          {periodo::al, "31/08/2026"},
                                                          {periodo::prezzo, "800,00"},
                                                          {periodo::stato, "LIB"}})});
    apri("| 001", "PRENOTAZIONE");
    app.click(p.VEDI);
    app.scroll(p.HScroll1, 2);
    EXPECT_EQ(p.HScroll1.value(), 4);
    EXPECT_EQ(p.Text10.text(), "800,00");
}

TEST_F(ModPeriodiTest, ADateStrictlyInsideAnotherPeriodOfTheApartmentIsRefused) {
    apri("001", "VISUPRENOTAZIONE");
    scegli(p.Text5, p.DTPicker1, data(16, 7));  // another period's first day, after the end
    scegli(p.Text5, p.DTPicker1, data(5, 7));   // inside the shown period
    scegli(p.Text6, p.DTPicker2, data(2, 9));   // inside another apartment's period
    EXPECT_EQ(p.Text5.text() + " " + p.Text6.text(), "05/07/2026 02/09/2026");
    EXPECT_TRUE(b.nuovi_messaggi().empty());

    for (Date d : {data(17, 7), data(10, 8)}) {  // inside an "AFF" and a "PROP" period
        scegli(p.Text6, p.DTPicker2, d);
        EXPECT_EQ(b.nuovi_messaggi(),
                  std::vector<std::string>{" LA DATA SCELTA E' GIA' COMPRESA IN UN PERIODO "});
        EXPECT_EQ(p.Text6.text(), "02/09/2026");
        EXPECT_EQ(p.DTPicker2.date(), data(2, 9));
        EXPECT_TRUE(p.Text6.visible());
    }
}

TEST_F(ModPeriodiTest, ExitHandsThePeriodToTheBookingRowOnlyInBookingMode) {
    plat::Control& lista = app.campo("prenotazione", "List1");
    lista.add_item("01/07/2026 - 15/07/2026");
    lista.add_item("16/08/2026 - 31/08/2026");
    lista.set_list_index(1);
    // As the booking form's List1 Click does, take the pick row.
    std::vector<std::string> presi;
    lista.on_click = [&] {
        const auto j = static_cast<std::size_t>(lista.list_index() + 1);
        presi.push_back(app.s.righe_dal[j] + " " + app.s.righe_al[j] + " " + app.s.righe_prezzo[j]);
    };

    apri("004", "VISUPRENOTAZIONE");
    app.click(p.ESCI);
    EXPECT_TRUE(presi.empty());
    EXPECT_TRUE(app.form("visu_disponib")->is_enabled());

    apri("004", "PRENOTAZIONE");
    scegli(p.Text5, p.DTPicker1, data(20, 8));
    app.type(p.Text10, "750,00");
    app.click(p.ESCI);
    EXPECT_EQ(presi, std::vector<std::string>{"20/08/2026 31/08/2026 750,00"});
    EXPECT_TRUE(app.form("visu_disponib")->is_enabled());
    EXPECT_FALSE(p.is_loaded());
}

TEST_F(ModPeriodiTest, PeriodOneThousandIsCarriedWhole) {
    std::vector<std::string> righe(999, test::riga_periodo({{periodo::codice, "0005"},
                                                            {periodo::dal, "01/06/2026"},
                                                            {periodo::al, "15/06/2026"},
                                                            {periodo::prezzo, "100"},
                                                            {periodo::stato, "LIB"}}));
    righe.push_back(test::riga_periodo({{periodo::codice, "0012"},
                                        {periodo::dal, "01/07/2026"},
                                        {periodo::al, "15/07/2026"},
                                        {periodo::prezzo, "500,00"},
                                        {periodo::stato, "LIB"}}));
    b.scrivi(app.s.percorso_periodi, righe);
    apri("1000", "VISUPRENOTAZIONE");
    EXPECT_EQ(p.Text40.text(), "1000");
    EXPECT_EQ(p.Text5.text(), "01/07/2026");
}

}  // namespace
}  // namespace ga
