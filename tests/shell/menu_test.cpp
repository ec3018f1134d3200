// The main menu: its category lists, every command with the code it sets and
// what it does to the menu, and what each activation puts back.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "shell/MENU.h"
#include "sonda.h"
#include "support/banco.h"

namespace ga::test {
namespace {

class MenuTest : public ::testing::Test {
protected:
    MenuTest() {
        for (const char* nome :
             {"prenotazione", "visu_prenotazioni", "VisuPrenotCliente", "TROVA_PRENOT",
              "NotaPrenot", "appartament", "visu_disponib", "PROPRIETARI", "SaldoProprietario",
              "spese", "VEDISALDI", "EstrattoContoPropr", "fattura", "insnomi", "RESTCAUZ",
              "menustampa", "utilita"})
            sostituisci(app, nome);
        b.prepara_dati();
        // The expired-bookings check of the first activation is not what
        // these tests look at.
        app.s.primo_accesso_menu = "1";
        app.run([&] { m().show(); });
    }
    MENU& m() { return app.form<MENU>(); }
    plat::ListBox* aperta() {
        for (plat::ListBox* l : {&m().List1, &m().List2, &m().List3, &m().List4, &m().List5})
            if (l->visible()) return l;
        return nullptr;
    }

    Banco b;
    App& app = b.app();
};

TEST_F(MenuTest, EachCategoryOpensItsListAndLiftsOnlyItsOwnLabelUntilTheNextActivation) {
    struct Categoria {
        plat::CommandButton MENU::*bottone;
        plat::ListBox MENU::*lista;
        plat::Label MENU::*etichetta;
        int riposo;
    };
    const Categoria categorie[] = {{&MENU::prenotazioni, &MENU::List1, &MENU::Label4, 3240},
                                   {&MENU::appartamenti, &MENU::List2, &MENU::Label3, 5640},
                                   {&MENU::proprietar, &MENU::List3, &MENU::Label2, 4440},
                                   {&MENU::client, &MENU::List4, &MENU::Label13, 4440},
                                   {&MENU::disponibilita, &MENU::List5, &MENU::Label6, 3240}};
    for (const Categoria& aperta : categorie) {
        app.click(m().*aperta.bottone);
        for (const Categoria& c : categorie) {
            const bool sua = &c == &aperta;
            EXPECT_EQ((m().*c.lista).visible(), sua);
            EXPECT_EQ((m().*c.etichetta).top(), sua ? c.riposo - 600 : c.riposo)
                << (m().*c.etichetta).name() << " with " << (m().*aperta.lista).name() << " open";
        }
    }
    app.run([&] {
        m().set_enabled(false);
        m().set_enabled(true);
    });
    EXPECT_EQ(aperta(), nullptr);
    EXPECT_EQ(m().Label6.top(), 3240);
}

TEST_F(MenuTest, EveryCommandSetsItsCodeThenHidesOrDisablesTheMenuAndShowsItsForm) {
    app.run([&] {
        for (const char* box : {"Combo1", "Text1", "Text2", "Text3", "Text4", "Text5", "Text8"})
            app.imposta("SaldoProprietario", box, "VECCHIO");
    });
    struct Comando {
        plat::CommandButton MENU::*bottone;
        int k;                   // 0: the button alone
        const char* forma;       // nullptr: the command does nothing
        bool nasconde;           // else disables
        const char* operazione;  // nullptr: left as it was
    };
    const Comando comandi[] = {
        {&MENU::prenotazioni, 1, "prenotazione", true, nullptr},
        {&MENU::prenotazioni, 2, "visu_prenotazioni", true, nullptr},
        {&MENU::prenotazioni, 3, "VisuPrenotCliente", true, "SALDO"},
        {&MENU::prenotazioni, 4, "VisuPrenotCliente", true, "REVOCA"},
        {&MENU::prenotazioni, 5, "TROVA_PRENOT", false, nullptr},
        {&MENU::prenotazioni, 6, "NotaPrenot", false, nullptr},
        {&MENU::appartamenti, 1, "appartament", true, nullptr},
        {&MENU::appartamenti, 2, "visu_disponib", true, "appartamenti"},
        {&MENU::appartamenti, 3, nullptr, false, nullptr},
        {&MENU::proprietar, 1, "PROPRIETARI", true, nullptr},
        {&MENU::proprietar, 2, "SaldoProprietario", true, nullptr},
        {&MENU::proprietar, 3, "spese", true, nullptr},
        {&MENU::proprietar, 4, "VEDISALDI", true, "saldiP"},
        {&MENU::proprietar, 5, "EstrattoContoPropr", true, nullptr},
        {&MENU::proprietar, 6, "fattura", true, "PROPRIETARI"},
        {&MENU::proprietar, 7, "VEDISALDI", true, "spese"},
        {&MENU::client, 1, "insnomi", true, nullptr},
        {&MENU::client, 2, "VisuPrenotCliente", true, ""},
        {&MENU::client, 3, "fattura", true, "CLIENTI"},
        {&MENU::client, 4, "RESTCAUZ", false, nullptr},
        {&MENU::client, 5, nullptr, false, nullptr},
        {&MENU::disponibilita, 1, "visu_disponib", true, "periodi"},
        {&MENU::disponibilita, 2, "visu_disponib", true, "appartamenti"},
        {&MENU::disponibilita, 3, "visu_disponib", true, "VIE"},
        {&MENU::disponibilita, 4, "visu_disponib", true, "mese"},
        {&MENU::contabilita, 0, "VEDISALDI", true, ""},
        {&MENU::stampe, 0, "menustampa", false, nullptr},
        {&MENU::utilit, 0, "utilita", false, nullptr},
    };
    for (const Comando& c : comandi) {
        const std::string caso = (m().*c.bottone).name() + " " + std::to_string(c.k);
        app.s.operazione = "PRIMA";
        const int prima = c.forma ? sonda(app, c.forma).attivazioni : 0;
        app.click(m().*c.bottone);
        plat::ListBox* lista = aperta();
        if (c.k > 0) app.pick(*lista, c.k - 1);
        if (!c.forma) {
            EXPECT_TRUE(m().is_visible() && m().is_enabled() && lista->visible()) << caso;
            EXPECT_EQ(app.s.operazione, "PRIMA");
            continue;
        }
        Sonda& f = sonda(app, c.forma);
        EXPECT_EQ(f.attivazioni, prima + 1) << caso;
        EXPECT_EQ(f.operazione, c.operazione ? c.operazione : "PRIMA") << caso;
        EXPECT_EQ(f.menu_visibile, !c.nasconde) << caso;
        EXPECT_EQ(f.menu_abilitato, c.nasconde) << caso;
        if (c.k > 0) {
            EXPECT_EQ(lista->list_index(), -1) << "no line stays chosen: " << caso;
        }
        if (f.name() == "fattura") {
            EXPECT_EQ(f.control("Label16")->caption(), c.operazione);
            EXPECT_EQ(f.caption(), c.k == 6 ? "FATTURA AL PROPRIETARIO" : "FATTURA AL CLIENTE");
        }
        app.run([&] {
            f.hide();
            m().set_enabled(true);
            m().show();
        });
    }
    Sonda& saldo = sonda(app, "SaldoProprietario");
    for (const char* box : {"Combo1", "Text1", "Text2", "Text3", "Text4", "Text8"})
        EXPECT_EQ(saldo.control(box)->text(), "") << box;
    EXPECT_EQ(saldo.control("Text5")->text(), "VECCHIO") << "only those five boxes are emptied";
    EXPECT_EQ(app.testo("spese", "Text10"), "0");
    EXPECT_TRUE(b.nuovi_messaggi().empty());
}

TEST_F(MenuTest, AnActivationRunsTheExpiredBookingsCheckWhileTheFlagReadsZero) {
    int controlli = 0;
    app.procedure.controlla_prenotazioni_scadute = [&](App& a) {
        ++controlli;
        EXPECT_EQ(a.s.cartella_dati, b.cartella_dati()) << "after the paths are rebuilt";
        a.s.primo_accesso_menu = "1";
    };
    const auto riattiva = [&] {
        app.run([&] {
            m().set_enabled(false);
            m().set_enabled(true);
        });
    };
    riattiva();
    EXPECT_EQ(controlli, 0) << "flag 1";
    for (const char* flag : {"0", "", "0,5"}) {
        app.s.primo_accesso_menu = flag;
        riattiva();
    }
    EXPECT_EQ(controlli, 3);
    riattiva();
    EXPECT_EQ(controlli, 3) << "the check set the flag to 1";
}

}  // namespace
}  // namespace ga::test
