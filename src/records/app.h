// The application object: the desktop runtime with the program's state.
// Every form and shared procedure reaches the others through it; there are
// no other globals, so a test builds a fresh one with its own folders.
#pragma once

#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/control.h"
#include "platform/folder_lock.h"
#include "platform/form.h"
#include "platform/runtime.h"
#include "records/nomi_forme.h"
#include "records/stato.h"

namespace ga {

// A box of a form, named by its form's and its own name. Every box that one
// form's code reads or writes in another form is such a constant, named once
// in the caselle.h of the lowest layer that uses it (records/caselle.h for
// the count stores and the boxes that carry values from form to form), so a
// mistyped name does not compile and the uses of a box can be found.
struct Casella {
    std::string_view forma, controllo;
};

// Boxes of a form reached by a composed name: `prefisso` & n, for n from
// `primo` to `ultimo` (a row of a grid picked at run time).
struct Famiglia {
    std::string_view forma, prefisso;
    int primo = 0, ultimo = 0;
    std::string nome(long n) const { return std::string(prefisso) + std::to_string(n); }
};

class App;

// A procedure of a higher subsystem that a lower one runs: set by the higher
// subsystem with its forms (its forme.cpp), so a lower subsystem never
// includes a higher one's headers. Running one that nobody set is a fault of
// the program: it throws (reported where the event entered), never does
// nothing.
class Aggancio {
public:
    using Procedura = std::function<void(App&)>;
    explicit Aggancio(const char* nome) : nome_(nome) {}
    Aggancio& operator=(Procedura p) {
        procedura_ = std::move(p);
        return *this;
    }
    void operator()(App& app) const {
        if (!procedura_) throw std::logic_error(std::string("procedure not set: ") + nome_);
        procedura_(app);
    }
    bool impostato() const { return static_cast<bool>(procedura_); }
    const char* nome() const { return nome_; }

private:
    const char* nome_;
    Procedura procedura_;
};

// The procedures lower subsystems run, each by its own name.
struct Procedure {
    // The expired-bookings check, run by the menu (bookings).
    Aggancio controlla_prenotazioni_scadute{"controlla_prenotazioni_scadute"};
    // The bookings of the client a search found, in the client's bookings
    // form or for the invoice (settlement).
    Aggancio elenca_prenotazioni_cliente{"elenca_prenotazioni_cliente"};
    // The client whose record is in the client's bookings form's record box,
    // with the client's bookings: for the expired-bookings check (settlement).
    Aggancio mostra_cliente{"mostra_cliente"};
    // The invoice's takings from the client's bookings, for the client search
    // (accounts).
    Aggancio controllaincasso{"controllaincasso"};
    // The invoice of the register the printing menu reprints (accounts).
    Aggancio stampa_fattura_scelta{"stampa_fattura_scelta"};

    // Every procedure above, for the test that the program sets them all.
    std::array<const Aggancio*, 5> tutti() const {
        return {&controlla_prenotazioni_scadute, &elenca_prenotazioni_cliente, &mostra_cliente,
                &controllaincasso, &stampa_fattura_scelta};
    }
};

// Reaching a box by the strings of its form's and its control's names is
// left to the tests and the benchmark, which drive the forms as a user does.
// The program's own sources are compiled with GA_SOLO_CASELLE, where
// `AccessoPerNome` stays an incomplete type: there the calls by names of
// `App` do not compile, and a box of another form is reached by its
// `Casella`.
struct AccessoPerNome;
#ifndef GA_SOLO_CASELLE
struct AccessoPerNome {};
#endif
template <class T>
concept AccessoConsentito = requires {
    sizeof(T);
};

class App : public plat::Runtime {
public:
    explicit App(plat::Services services) : plat::Runtime(std::move(services)) {}
    Stato s;

    // A box of a form (loads the form if it is not loaded).
    plat::Control& campo(const Casella& c) { return field(c.forma, c.controllo); }
    std::string testo(const Casella& c) { return campo(c).text(); }
    void imposta(const Casella& c, std::string_view text) { campo(c).set_text(text); }
    // A count store read as a number (its leading-number reading).
    long conta(const Casella& c);
    void imposta_conta(const Casella& c, long n) { imposta(c, std::to_string(n)); }
    // Box n of a family (loads the form); `trova` gives nullptr where the
    // form has no such box.
    plat::Control& campo(const Famiglia& f, long n) { return field(f.forma, f.nome(n)); }
    plat::Control* trova(const Famiglia& f, long n);

    // A form by its name's constant (`forme::MENU`), created on first use;
    // a name nothing is registered under throws.
    plat::Form& form(plat::FormName nome) { return plat::Runtime::form(nome); }
    // The form a box belongs to.
    plat::Form& form(const Casella& c) { return plat::Runtime::form(plat::FormName{c.forma}); }
    template <class F>
    F& form() {
        return plat::Runtime::form<F>();
    }
    // A form by the strings of its name: for the tests and the benchmark only.
    template <AccessoConsentito P = AccessoPerNome>
    plat::Form* form(std::string_view nome) {
        return plat::Runtime::form(nome);
    }

    // The same by names: for the tests and the benchmark only (see
    // `AccessoPerNome`).
    template <AccessoConsentito P = AccessoPerNome>
    plat::Control& campo(std::string_view form, std::string_view control, int index = -1) {
        return field(form, control, index);
    }
    template <AccessoConsentito P = AccessoPerNome>
    std::string testo(std::string_view form, std::string_view control) {
        return field(form, control).text();
    }
    template <AccessoConsentito P = AccessoPerNome>
    void imposta(std::string_view form, std::string_view control, std::string_view text) {
        field(form, control).set_text(text);
    }
    template <AccessoConsentito P = AccessoPerNome>
    long conta(std::string_view form, std::string_view control) {
        return conta(Casella{form, control});
    }
    template <AccessoConsentito P = AccessoPerNome>
    void imposta_conta(std::string_view form, std::string_view control, long n) {
        imposta(Casella{form, control}, std::to_string(n));
    }

    // The lock of the data folder in use (see `imposta_percorsi_dati`), and
    // the folder it was taken for; released when the program ends.
    plat::FolderLock blocco_dati;
    std::string cartella_bloccata;
    // The lock of the program folder (see `blocca_cartella_programma`).
    plat::FolderLock blocco_programma;
    // The registers whose unreadable lines the user has been told of.
    std::set<std::string> illeggibili_segnalati;
    // The program folder last checked for a save cut short.
    std::string cartella_programma_controllata;

    // The loader of each register, by the state's field holding its path:
    // a save that was not written reads again what it had changed in memory.
    using Caricatore = void (*)(App&);
    void registra_caricatore(std::string Stato::*percorso, Caricatore carica) {
        caricatori_.push_back({percorso, carica});
    }
    // Runs the loader of every register among `percorsi`.
    void ricarica_registri(const std::vector<std::string>& percorsi);

    // The folder of a save that counted but whose files could not all be
    // renamed yet ("" when none): finished before any other write.
    std::string salvataggio_da_completare;
    // Registers a failing disk left in a state the program cannot tell: read
    // again before any other write, so that it is made from what they hold.
    std::vector<std::string> da_rileggere;

    // Shared procedures of a higher subsystem that a lower one runs (the
    // menu runs the expired-bookings check, the client search lists the
    // client's bookings), set by the higher subsystem with its forms.
    Procedure procedure;

private:
    // The runtime's reach by names, kept to the members above.
    using plat::Runtime::field;

    std::vector<std::pair<std::string Stato::*, Caricatore>> caricatori_;
};

// Two-state choice buttons show their state by their colour (0x00BBGGRR):
// red not chosen, green chosen.
inline constexpr long kRosso = 192;
inline constexpr long kVerde = 32768;

// Design sizes are in twips; forms are laid out in pixels, 15 twips each.
constexpr int px(int pixels) { return pixels * 15; }

// Base of every form of the program.
class Forma : public plat::Form {
public:
    Forma(App& app, plat::FormName name) : plat::Form(app, name), app(app), s(app.s) {}

protected:
    // A caption beside a box, at pixel position (x, y), inside `frame` if given.
    plat::Label& etichetta(std::string_view caption, int x, int y, int width,
                           plat::Control* frame = nullptr);
    // Places a control at pixel position and size, inside `frame` if given.
    static plat::Control& metti(plat::Control& c, int x, int y, int w, int h,
                                plat::Control* frame = nullptr);
    // One of this form's own controls by its name (families reached by
    // composed names); throws, like the runtime, when there is none.
    plat::Control& controllo(std::string_view nome, int indice = -1);
    static void mostra(std::initializer_list<plat::Control*> controlli, bool visibile) {
        for (plat::Control* c : controlli) c->set_visible(visibile);
    }
    // A control made at construction, for families reached by composed
    // names ("DTPICKER" & n) and for boxes kept only as stores.
    template <class C>
    C& crea(std::string name, int index = -1) {
        auto c = std::make_unique<C>(*this, std::move(name), index);
        C& ref = *c;
        creati_.push_back(std::move(c));
        return ref;
    }
    // Controls prefix & n for n = from to last.
    template <class C>
    void crea_famiglia(const std::string& prefix, int from, int last) {
        for (int n = from; n <= last; ++n) crea<C>(prefix + std::to_string(n));
    }

    App& app;
    Stato& s;

private:
    std::vector<std::unique_ptr<plat::Label>> etichette_;
    std::vector<std::unique_ptr<plat::Control>> creati_;
};

template <class F>
void registra(App& app) {
    app.register_form(std::string(F::kName.name),
                      [](plat::Runtime& rt) { return std::make_unique<F>(static_cast<App&>(rt)); });
}

}  // namespace ga
