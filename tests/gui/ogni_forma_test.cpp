// Every form of the program, shown as it opens in its real window at the
// fonts the set-up installs: no visible control lies outside its window (or
// its frame), and every label's text has the room it needs in its box,
// word-wrapped where the label has the height of two lines. (Every window
// test checks the same of the windows it photographs.) And Tab goes through
// every control as the page lays it out.
#include <algorithm>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QDir>
#include <QWidget>

#include "finestre.h"
#include "platform/control.h"
#include "platform/form.h"

namespace {

// Shows every form in turn, as it opens, and hands it to `check`.
template <class Check>
void ogni_forma(gui_test::Finestre& f, Check check) {
    ga::App& app = f.app();
    ga::test::Banco& b = f.banco();
    b.prepara_dati();
    app.s.percorso_logo = b.cartella_programma() + "ICONA.BMP";
    // Assigned as a string, not as a literal: GCC 12 inlines the literal's
    // copy here and warns, falsely, that it may overlap itself (-Wrestrict).
    app.s.primo_accesso_menu = std::string("1");
    for (const std::string& nome : app.form_names()) {
        plat::Form& form = *app.form(nome);
        app.run([&] { form.show(); });
        if (app.ended()) break;
        check(nome, form);
        app.run([&] { form.hide(); });
    }
    EXPECT_FALSE(app.ended());
}

// The controls in the order Tab goes, as Qt walks its chain: those it stops
// at, and the boxes locked now, which it passes over but reaches in this
// order once they are open for typing.
std::vector<plat::Control*> giro_del_tab(gui_test::Finestre& f, plat::Form& form) {
    QWidget* window = f.finestra(form.name().c_str());
    std::map<const QWidget*, plat::Control*> di;
    for (plat::Control* c : form.controls())
        if (QWidget* w = f.desktop().widget(*c)) di[w] = c;
    std::vector<plat::Control*> giro;
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
        auto it = di.find(w);
        if (it == di.end() || w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(window) ||
            !w->isEnabledTo(window))
            continue;
        if (std::find(giro.begin(), giro.end(), it->second) == giro.end())
            giro.push_back(it->second);
    }
    return giro;
}

std::string nome_di(const plat::Control& c) {
    return c.index() >= 0 ? c.name() + "(" + std::to_string(c.index()) + ")" : c.name();
}

// a comes before b on the page as a person reads it: on a row above (wholly
// above it, whatever its column), or before it on the same row (each
// rectangle in the frame or window both lie in).
bool prima(const QRect& a, const QRect& b) {
    if (a.bottom() < b.top()) return true;
    const int comune = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) + 1;
    return comune * 2 >= std::min(a.height(), b.height()) && a.right() < b.left();
}

// A button standing just right of a box on its row (the OK of the year it
// confirms) is that box's own: Tab reaches it from the box.
bool accanto(const QRect& box, const QRect& bottone) {
    const int comune =
        std::min(box.bottom(), bottone.bottom()) - std::max(box.top(), bottone.top()) + 1;
    const int distanza = bottone.left() - box.right() - 1;
    return comune * 2 >= std::min(box.height(), bottone.height()) && distanza >= 0 &&
           distanza <= 12;
}

TEST(OgniForma, EveryControlLiesInItsWindowAndEveryLabelHasRoomForItsText) {
    gui_test::Finestre f;
    std::vector<std::string> fuori;
    ogni_forma(f, [&](const std::string& nome, plat::Form&) {
        for (std::string& riga : f.non_sta(nome.c_str())) fuori.push_back(std::move(riga));
        // As it opens, for a person to look at.
        EXPECT_TRUE(f.fotografa(nome.c_str(), nullptr, "screenshots/opening")) << nome;
    });
    std::string elenco;
    for (const auto& riga : fuori) elenco += riga + "\n";
    EXPECT_TRUE(fuori.empty()) << elenco;
}

TEST(OgniForma, TabGoesThroughThePageTopToBottomLeftToRightAndAFramesControlsTogether) {
    gui_test::Finestre f;
    std::vector<std::string> fuori;
    // The order of every form, for a person to read beside the pictures.
    QDir().mkpath(QStringLiteral("screenshots"));
    std::ofstream elenco("screenshots/ordine_tab.txt");
    ogni_forma(f, [&](const std::string& nome, plat::Form& form) {
        const std::vector<plat::Control*> giro = giro_del_tab(f, form);
        elenco << nome << ":";
        for (plat::Control* c : giro) elenco << " " << nome_di(*c);
        elenco << "\n";
        // Every control the user can reach is in the round, once.
        for (plat::Control* c : form.controls()) {
            QWidget* w = f.desktop().widget(*c);
            QWidget* window = f.finestra(nome.c_str());
            const bool raggiungibile = w && (w->focusPolicy() & Qt::TabFocus) &&
                                       w->isVisibleTo(window) && w->isEnabledTo(window);
            if (raggiungibile && std::find(giro.begin(), giro.end(), c) == giro.end())
                fuori.push_back(nome + "." + nome_di(*c) + ": Tab never reaches it");
        }
        // What lies before on the page comes before in the round, the boxes
        // (lists, choices) among themselves and the buttons among
        // themselves: Tab from a box reaches the next box of its row, then
        // the first of the next row. The buttons come after the boxes they
        // stand with, but for a box's own button, reached right after it,
        // and the form's confirming button, reached first after the boxes.
        auto bottone = [](const plat::Control* c) {
            return c->kind() == plat::Kind::CommandButton;
        };
        auto w = [&](std::size_t i) { return f.desktop().widget(*giro[i]); };
        std::vector<bool> suo(giro.size(), false);
        for (std::size_t i = 1; i < giro.size(); ++i)
            suo[i] =
                bottone(giro[i]) && !bottone(giro[i - 1]) &&
                (giro[i]->state().confirms || (w(i - 1)->parentWidget() == w(i)->parentWidget() &&
                                               accanto(w(i - 1)->geometry(), w(i)->geometry())));
        for (std::size_t i = 0; i < giro.size(); ++i)
            for (std::size_t j = i + 1; j < giro.size(); ++j) {
                if (suo[i] || suo[j]) continue;
                QWidget* a = w(i);
                QWidget* b = w(j);
                const bool stessa_specie = bottone(giro[i]) == bottone(giro[j]);
                if (stessa_specie && a->parentWidget() == b->parentWidget() &&
                    prima(b->geometry(), a->geometry()))
                    fuori.push_back(nome + ": " + nome_di(*giro[j]) + " lies before " +
                                    nome_di(*giro[i]) + " but Tab reaches it after");
                if (bottone(giro[i]) && !bottone(giro[j]) && a->parentWidget()->isAncestorOf(b))
                    fuori.push_back(nome + ": the button " + nome_di(*giro[i]) + " comes before " +
                                    nome_di(*giro[j]));
            }
        // A frame's controls follow each other.
        for (plat::Control* frame : form.controls()) {
            if (frame->kind() != plat::Kind::Frame) continue;
            std::vector<std::size_t> posti;
            for (std::size_t i = 0; i < giro.size(); ++i)
                for (plat::Control* c = giro[i]->container(); c; c = c->container())
                    if (c == frame) posti.push_back(i);
            if (!posti.empty() && posti.back() - posti.front() + 1 != posti.size())
                fuori.push_back(nome + "." + nome_di(*frame) +
                                ": its controls are not reached together");
        }
    });
    std::string testo;
    for (const auto& riga : fuori) testo += riga + "\n";
    EXPECT_TRUE(fuori.empty()) << testo;
}

}  // namespace
