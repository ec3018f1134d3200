#include "bookings/scadenze.h"

#include <algorithm>

#include "bookings/caselle.h"
#include "platform/date.h"
#include "platform/number.h"
#include "platform/text.h"
#include "records/anni_vicini.h"
#include "records/clienti.h"

namespace ga {

namespace {

constexpr const char* kAvviso = "ATTENZIONE CI SONO DELLE PRENOTAZIONI SCADUTE  ";
constexpr int kGiorniArrivi = 5;  // today and the five days after it

// Booking number * client * apartment * arrival * rent still due; a
// booking of another year's file says its year at the end.
std::string riga_scadenza(const RigaPrenotazione& p, int i, const NomiClienti& nomi, int anno = 0) {
    const double dovuto = plat::italian_or_zero(p.campo[pren::affitto]) -
                          plat::italian_or_zero(p.campo[pren::acconto]);
    std::string riga;
    riga.reserve(80);
    plat::append_padded_left(riga, std::to_string(i), 3, '0');
    riga += " * ";
    plat::append_padded_right(riga, nomi(p.campo[pren::cliente]), 24);
    riga += " * ";
    riga += p.campo[pren::appartamento];
    riga += " * ";
    riga += p.arrivo.text();
    riga += " * ";
    plat::append_padded_left(riga, plat::format_amount(dovuto), 10);
    if (anno != 0) riga += " * PRENOTAZIONE DEL " + std::to_string(anno);
    return riga;
}

}  // namespace

NomiClienti::NomiClienti(App& app, long clienti)
    : app_(app), clienti_(std::clamp<long>(clienti, 0, app.s.clienti.capacita())) {
    fine_.reserve(static_cast<std::size_t>(clienti_) + 1);
    fine_.push_back(0);
    for (int k = 1; k <= clienti_; ++k) {
        nomi_ += plat::trimmed(app.s.clienti[k][cliente::nome]);
        fine_.push_back(static_cast<std::uint32_t>(nomi_.size()));
    }
}

std::string_view NomiClienti::operator()(std::string_view codice) const {
    const int k = record_cliente(app_, codice, clienti_);
    if (k <= 0) return {};
    const auto da = fine_[static_cast<std::size_t>(k) - 1];
    return std::string_view(nomi_).substr(da, fine_[static_cast<std::size_t>(k)] - da);
}

void controlla_prenotazioni_scadute(App& app) {
    Stato& s = app.s;
    // At a first start the menu is activated before the user has had a
    // chance to choose a data folder: the check waits for one. A folder that
    // is chosen but unusable is told at once, by the booking form's loaders
    // that reading the counts runs, and ends the program.
    if (s.cartella_dati.empty()) return;

    plat::Control& lista = app.campo(kControlloElenco);
    lista.clear();
    const long n = std::clamp<long>(app.conta(kContaPrenotazioni), 0, s.prenotazioni.capacita());
    const NomiClienti nomi(app, app.conta(kContaClienti));
    const plat::Date oggi = app.today();
    const std::string separatore(125, '-');

    // The bookings of the years before and after that reach into this one:
    // a guest from Christmas to Epiphany is in the other year's file. Their
    // lines carry the negative of their year, not a booking of this year.
    std::vector<PrenotazioneDiAltroAnno> vicine;
    for (PrenotazioneDiAltroAnno& v : prenotazioni_degli_anni_vicini(s))
        if (v.p.chiusura.is_zero() && !v.p.campo[pren::appartamento].empty() &&
            v.p.campo[pren::appartamento] != "CANC")
            vicine.push_back(std::move(v));
    const auto aggiungi_vicina = [&](const PrenotazioneDiAltroAnno& v) {
        lista.add_item(riga_scadenza(v.p, v.numero, nomi, v.anno), -v.anno);
    };

    bool scadute = false;
    for (int i = 1; i <= n; ++i) {
        const RigaPrenotazione& p = s.prenotazioni[i];
        if (p.arrivo < oggi && p.chiusura.is_zero()) {
            lista.add_item(riga_scadenza(p, i, nomi), i);  // the line's booking
            scadute = true;
        }
    }
    // An open booking whose arrival has passed is expired whichever year's
    // file holds it: one of the year before that ended in December is as
    // much to settle in January as one still running.
    for (const PrenotazioneDiAltroAnno& v : vicine) {
        if (v.p.arrivo < oggi) {
            aggiungi_vicina(v);
            scadute = true;
        }
    }
    if (scadute) {
        app.imposta(kControlloAvviso, kAvviso);
        lista.add_item(separatore);
    }

    bool arrivi = false;
    for (int g = 0; g <= kGiorniArrivi; ++g) {
        const plat::Date giorno = oggi.add_days(g);
        for (int i = 1; i <= n; ++i) {
            const RigaPrenotazione& p = s.prenotazioni[i];
            if (p.arrivo == giorno && p.chiusura.is_zero()) {
                lista.add_item(riga_scadenza(p, i, nomi), i);
                arrivi = true;
            }
        }
        for (const PrenotazioneDiAltroAnno& v : vicine)
            if (v.p.arrivo == giorno) {
                aggiungi_vicina(v);
                arrivi = true;
            }
    }
    if (arrivi) lista.add_item(separatore);

    if (scadute || arrivi) {
        app.form(forme::MENU).set_enabled(false);
        app.form(forme::controlloentruscit).show();
    }
    s.primo_accesso_menu = "1";
}

}  // namespace ga
