// The clerk's keys on the real windows: where the first key lands, which
// box Tab reaches, what Enter on a list or a question does, and what the
// previous record leaves on screen.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QWidget>

#include "finestre.h"
#include "platform/control.h"
#include "platform/form.h"
#include "support/righe.h"

namespace {

void apri(gui_test::Finestre& f, const char* form) {
    f.app().run([&] { f.app().form(form)->show(); });
    QWidget* w = f.finestra(form);
    ASSERT_NE(w, nullptr) << form;
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w)) << form;
}

std::string fuoco(gui_test::Finestre& f, const char* form) {
    QWidget* w = QApplication::focusWidget();
    for (plat::Control* c : f.app().form(form)->controls())
        if (w && f.desktop().widget(*c) == w) return c->name();
    return "";
}

void tasto(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }
void scrivi(const char* testo) { QTest::keyClicks(QApplication::focusWidget(), testo); }
void a(gui_test::Finestre& f, const char* form, const char* control) {
    f.widget(form, control)->setFocus(Qt::OtherFocusReason);
}
// A button pressed from the keyboard: the focus on it, then Enter.
void premi(gui_test::Finestre& f, const char* form, const char* control) {
    a(f, form, control);
    tasto(Qt::Key_Return);
}

std::string riga_rossi() {
    return ga::test::riga_proprietario({{ga::proprietario::nome, "ROSSI MARIO"},
                                        {ga::proprietario::citta, "ROMA"},
                                        {ga::proprietario::codice, "0001"},
                                        {ga::proprietario::rapporto, "PROVV"},
                                        {ga::proprietario::email, "r@x.it"}});
}

void due_proprietari(gui_test::Finestre& f) {
    f.banco().prepara_dati();
    f.banco().scrivi(
        f.banco().cartella_dati() + "proprietari.IND",
        {riga_rossi(), ga::test::riga_proprietario({{ga::proprietario::nome, "VERDI LUCA"},
                                                    {ga::proprietario::codice, "0002"},
                                                    {ga::proprietario::rapporto, "CONTR"}})});
    apri(f, "PROPRIETARI");
}

void un_cliente(gui_test::Finestre& f) {
    f.banco().prepara_dati();
    f.banco().scrivi(f.app().s.percorso_clienti,
                     {ga::test::riga_cliente({{ga::cliente::codice, "0001"},
                                              {ga::cliente::nome, "BIANCHI ANNA"},
                                              {ga::cliente::email, "b@x.it"}})});
    apri(f, "insnomi");
}

struct Caso {
    const char* nome;
    const char* form;  // where the focus is looked for
    std::function<void(gui_test::Finestre&)> tasti;
    const char* fuoco;  // the control the keyboard is in afterwards
    std::function<void(gui_test::Finestre&)> verifica = nullptr;
};

TEST(Mani, TheKeysLandWhereTheClerkMeans) {
    ga::App* app = nullptr;
    auto testo = [&](const char* form, const char* box) { return app->testo(form, box); };
    const Caso casi[] = {
        {"the bank form opens on the bank's name, for each owner", "COORDBANCA",
         [&](gui_test::Finestre& f) {
             due_proprietari(f);
             premi(f, "PROPRIETARI", "VediForn");
             app->scroll(app->campo("PROPRIETARI", "HScroll1"), 1);
             premi(f, "PROPRIETARI", "iconbanc");
             QTRY_COMPARE(QApplication::activeWindow(), f.finestra("COORDBANCA"));
             premi(f, "COORDBANCA", "USCITA");
             QTRY_COMPARE(QApplication::activeWindow(), f.finestra("PROPRIETARI"));
             app->scroll(app->campo("PROPRIETARI", "HScroll1"), 2);
             premi(f, "PROPRIETARI", "iconbanc");
             QTRY_COMPARE(QApplication::activeWindow(), f.finestra("COORDBANCA"));
             scrivi("banca0001");
         },
         "Text14",
         [&](gui_test::Finestre&) {
             EXPECT_EQ(testo("COORDBANCA", "Text14"), "banca0001");
             EXPECT_EQ(testo("COORDBANCA", "Text2"), "0002");
         }},
        {"the owners' towns of a shared code take the keys", "PROPRIETARI",
         [&](gui_test::Finestre& f) {
             due_proprietari(f);
             premi(f, "PROPRIETARI", "nuovo");
             a(f, "PROPRIETARI", "Text9");
             scrivi("00013");
             tasto(Qt::Key_Tab);
             ASSERT_EQ(fuoco(f, "PROPRIETARI"), "List1");
             tasto(Qt::Key_Down);
             tasto(Qt::Key_Return);
         },
         "Text6",
         [&](gui_test::Finestre&) {
             EXPECT_EQ(testo("PROPRIETARI", "Text4"), "FONTE NUOVA");
             EXPECT_EQ(testo("PROPRIETARI", "Text10"), "RM");
         }},
        {"the clients' towns of a shared code take the keys", "insnomi",
         [&](gui_test::Finestre& f) {
             un_cliente(f);
             premi(f, "insnomi", "NUOVOINS");
             a(f, "insnomi", "Text3");
             scrivi("00013");
             tasto(Qt::Key_Tab);
             ASSERT_EQ(fuoco(f, "insnomi"), "List1");
             tasto(Qt::Key_Down);
             tasto(Qt::Key_Return);
         },
         "Text5",
         [&](gui_test::Finestre&) { EXPECT_EQ(testo("insnomi", "Text4"), "FONTE NUOVA"); }},
        {"MODIFICA starts on the client's name, and SALVA follows the e-mail", "insnomi",
         [&](gui_test::Finestre& f) {
             un_cliente(f);
             premi(f, "insnomi", "MODICLI");
             ASSERT_EQ(fuoco(f, "insnomi"), "Combo1");
             app->pick(app->campo("insnomi", "Combo1"), 0);
             premi(f, "insnomi", "MODICLI");
             ASSERT_EQ(fuoco(f, "insnomi"), "Text1");
             a(f, "insnomi", "Text11");
             tasto(Qt::Key_Tab);
         },
         "SALVACLI"},
        {"MODIFICA starts on the owner's name; the relation is one stop, then SALVA", "PROPRIETARI",
         [&](gui_test::Finestre& f) {
             due_proprietari(f);
             premi(f, "PROPRIETARI", "VediForn");
             app->scroll(app->campo("PROPRIETARI", "HScroll1"), 2);
             premi(f, "PROPRIETARI", "MODIFICA");
             ASSERT_EQ(fuoco(f, "PROPRIETARI"), "Text2");
             a(f, "PROPRIETARI", "Text11");
             tasto(Qt::Key_Tab);
             ASSERT_EQ(fuoco(f, "PROPRIETARI"), "Option2") << "the relation chosen";
             tasto(Qt::Key_Up);
             ASSERT_EQ(fuoco(f, "PROPRIETARI"), "Option1") << "the arrows move in the group";
             EXPECT_EQ(app->campo("PROPRIETARI", "Option1").value(), 1);
             tasto(Qt::Key_Tab);
         },
         "SalvaForn"},
        {"the free periods are a Tab stop, and Space chooses one", "prenotazione",
         [&](gui_test::Finestre& f) {
             ga::test::Banco& b = f.banco();
             b.prepara_dati();
             b.scrivi(b.cartella_dati() + "proprietari.IND", {riga_rossi()});
             b.scrivi(b.cartella_dati() + "Vie.dat",
                      {ga::test::riga_via({{ga::vie::codice, "0001"}, {ga::vie::nome, "VIA A"}})});
             b.scrivi(b.cartella_dati() + "appartamenti.ind",
                      {ga::test::riga_appartamento({{ga::appartamento::codice_proprietario, "0001"},
                                                    {ga::appartamento::codice_via, "0001"},
                                                    {ga::appartamento::tipo, "MON"},
                                                    {ga::appartamento::posti_letto, "2"},
                                                    {ga::appartamento::codice, "0001"}})});
             b.scrivi(app->s.percorso_periodi,
                      {ga::test::riga_periodo({{ga::periodo::codice, "0001"},
                                               {ga::periodo::dal, "06/06/2026"},
                                               {ga::periodo::al, "20/06/2026"},
                                               {ga::periodo::prezzo, "1.200,00"},
                                               {ga::periodo::stato, "LIB"}}),
                       ga::test::riga_periodo({{ga::periodo::codice, "0001"},
                                               {ga::periodo::dal, "20/06/2026"},
                                               {ga::periodo::al, "04/07/2026"},
                                               {ga::periodo::prezzo, "1.500,00"},
                                               {ga::periodo::stato, "LIB"}})});
             b.scrivi(
                 app->s.percorso_clienti,
                 {ga::test::riga_cliente({{ga::cliente::codice, "0001"},
                                          {ga::cliente::nome, "BIANCHI ANNA"},
                                          {ga::cliente::codice_fiscale, "RSSMRA85T10A562S"}})});
             apri(f, "prenotazione");
             app->pick(app->campo("prenotazione", "Combo1"), 0);
             app->type(app->campo("prenotazione", "Text8"), "bianchi");
             app->leave(app->campo("prenotazione", "Text8"));
             app->click(app->campo("prenotazione", "CONFERMA"));
             ASSERT_TRUE(app->campo("prenotazione", "List1").visible());
             f.widget("prenotazione", "List1")->setFocus(Qt::OtherFocusReason);
             tasto(Qt::Key_Backtab);
             tasto(Qt::Key_Tab);
             ASSERT_EQ(fuoco(f, "prenotazione"), "List1");
             tasto(Qt::Key_Down);
             tasto(Qt::Key_Down);
             tasto(Qt::Key_Space);
         },
         "List1",
         [&](gui_test::Finestre&) {
             EXPECT_EQ(app->campo("prenotazione", "List1").list_index(), 1);
             EXPECT_EQ(testo("prenotazione", "Text28"), "2");
         }},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        gui_test::Finestre f;
        app = &f.app();
        c.tasti(f);
        if (::testing::Test::HasFatalFailure()) return;
        EXPECT_EQ(fuoco(f, c.form), c.fuoco);
        if (c.verifica) c.verifica(f);
    }
}

// A new client, then a new owner with his bank coordinates, entered with
// the keys alone, as the files keep them.
TEST(Mani, AClientAndAnOwnerWithHisBankEnteredWithTheKeysAlone) {
    gui_test::Finestre f;
    ga::test::Banco& b = f.banco();
    ga::App& app = f.app();
    un_cliente(f);
    premi(f, "insnomi", "NUOVOINS");
    // Each box in turn, Tab to the next; the town chosen from the list.
    for (const char* valore : {"verdi anna", "via mare 1", "00013"}) {
        scrivi(valore);
        tasto(Qt::Key_Tab);
    }
    ASSERT_EQ(fuoco(f, "insnomi"), "List1");
    tasto(Qt::Key_Down);
    tasto(Qt::Key_Return);
    for (const char* valore : {"080123", "", "", "v@x.it"}) {
        scrivi(valore);
        tasto(Qt::Key_Tab);
    }
    ASSERT_EQ(fuoco(f, "insnomi"), "SALVACLI");
    tasto(Qt::Key_Return);
    EXPECT_EQ(b.leggi(app.s.percorso_clienti).back(),
              ga::test::riga_cliente({{ga::cliente::codice, "0002"},
                                      {ga::cliente::nome, "VERDI ANNA"},
                                      {ga::cliente::via, "VIA MARE 1"},
                                      {ga::cliente::cap, "00013"},
                                      {ga::cliente::citta, "FONTE NUOVA"},
                                      {ga::cliente::telefono, "080123"},
                                      {ga::cliente::provincia, "RM"},
                                      {ga::cliente::email, "V@X.IT"}}));

    apri(f, "PROPRIETARI");
    tasto(Qt::Key_Return);  // NUOVO
    for (const char* valore : {"neri paolo", "via b 2", "", "00013"}) {
        scrivi(valore);
        tasto(Qt::Key_Tab);
    }
    ASSERT_EQ(fuoco(f, "PROPRIETARI"), "List1");
    tasto(Qt::Key_Down);
    tasto(Qt::Key_Return);
    for (const char* valore : {"06 5", "", "", "n@x.it"}) {
        scrivi(valore);
        tasto(Qt::Key_Tab);
    }
    // The relation ticked with Space saves the new owner.
    ASSERT_EQ(fuoco(f, "PROPRIETARI"), "Option1");
    tasto(Qt::Key_Space);
    EXPECT_EQ(b.leggi(b.cartella_dati() + "proprietari.IND").back(),
              ga::test::riga_proprietario({{ga::proprietario::nome, "NERI PAOLO"},
                                           {ga::proprietario::via, "VIA B 2"},
                                           {ga::proprietario::citta, "FONTE NUOVA"},
                                           {ga::proprietario::provincia, "RM"},
                                           {ga::proprietario::cap, "00013"},
                                           {ga::proprietario::telefono, "06 5"},
                                           {ga::proprietario::codice, "0001"},
                                           {ga::proprietario::rapporto, "PROVV"},
                                           {ga::proprietario::email, "n@x.it"}}));
    EXPECT_EQ(app.campo("PROPRIETARI", "Option1").value(), 0) << "the next owner starts bare";

    premi(f, "PROPRIETARI", "VediForn");
    app.scroll(app.campo("PROPRIETARI", "HScroll1"), 1);  // the browse bar is the mouse's
    ASSERT_EQ(app.testo("PROPRIETARI", "Text2"), "NERI PAOLO");
    premi(f, "PROPRIETARI", "iconbanc");
    QTRY_COMPARE(QApplication::activeWindow(), f.finestra("COORDBANCA"));
    ASSERT_EQ(fuoco(f, "COORDBANCA"), "Text14");
    for (const char* valore : {"banca uno", "neri paolo", "123", "", "roma", "", ""}) {
        scrivi(valore);
        tasto(Qt::Key_Tab);
    }
    ASSERT_EQ(fuoco(f, "COORDBANCA"), "SalvaForn");
    tasto(Qt::Key_Return);
    EXPECT_EQ(b.leggi(app.s.percorso_banche).back(), "BANCA UNO,NERI PAOLO,123,,ROMA,,0001");
}

// Each caption is its box's buddy, so that the box has its name for the
// screen reader; the caption shows as before.
TEST(Mani, EachBoxIsNamedByItsCaption) {
    struct Riga {
        const char* form;
        const char* caption;
        const char* box;
    };
    const Riga righe[] = {{"COORDBANCA", "DENOMINAZIONE BANCA", "Text14"},
                          {"COORDBANCA", "CODICE PROPR.", "Text2"},
                          {"PROPRIETARI", "CAP", "Text9"},
                          {"PROPRIETARI", "E-MAIL", "Text11"},
                          {"insnomi", "CITTA'", "Text4"},
                          {"insnomi", "CLIENTI INSERITI", "Text8"}};
    gui_test::Finestre f;
    f.banco().prepara_dati();
    for (const Riga& r : righe) {
        apri(f, r.form);
        const QLabel* caption = nullptr;
        for (const QLabel* l : f.finestra(r.form)->findChildren<QLabel*>())
            if (l->text() == QString::fromUtf8(r.caption)) caption = l;
        ASSERT_NE(caption, nullptr) << r.form << " " << r.caption;
        EXPECT_EQ(caption->buddy(), f.widget(r.form, r.box)) << r.form << " " << r.caption;
    }
}

}  // namespace
