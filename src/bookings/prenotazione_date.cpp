// The days a new booking takes: checked at SALVA, before anything is written,
// against the periods of the apartment and its other bookings, so that no
// two bookings of one apartment share a night.
#include <algorithm>
#include <optional>
#include <string>

#include "bookings/prenotazione.h"
#include "platform/date.h"
#include "platform/number.h"
#include "platform/text.h"
#include "records/anni_vicini.h"
#include "records/caselle.h"
#include "records/prenotazioni.h"

namespace ga {

namespace {

using plat::Date;

constexpr const char* kTitolo = "SALVA PRENOTAZIONE";

struct Giorni {
    Date dal, al;
};

std::optional<Giorni> giorni_del_periodo(const RigaPeriodo& p) {
    const auto dal = Date::parse(plat::trim(p.dal));
    const auto al = Date::parse(plat::trim(p.al));
    if (!dal || !al) return std::nullopt;
    return Giorni{*dal, *al};
}

// A booking takes the nights from its arrival to the day before its
// departure: the departure day may be the next booking's arrival day.
bool notti_in_comune(Date a1, Date b1, Date a2, Date b2) { return a1 < b2 && a2 < b1; }

std::string dal_al(Date dal, Date al) { return "DAL " + dal.text() + " AL " + al.text(); }

}  // namespace

bool prenotazione::date_prenotabili() {
    const auto rifiuta = [&](const std::string& motivo) {
        app.msgbox(motivo, plat::Buttons::Ok, kTitolo, plat::Icon::Exclamation);
        return false;
    };
    const Date a = Date::parse_or_zero(plat::trim(Text5.text()));
    const Date b = Date::parse_or_zero(plat::trim(Text6.text()));
    const double codice = plat::leading_number(Text7.text());
    const long n = std::clamp<long>(app.conta(kContaPeriodi), 0, s.periodi.capacita());
    const long k = plat::leading_int(Text28.text());
    const auto stesso = [&](const std::string& c) { return plat::leading_number(c) == codice; };
    // Free and priced: a period without a price is offered to no booking.
    const auto libero = [](const RigaPeriodo& p) {
        return plat::trim(p.stato) == "LIB" && plat::italian_or_zero(p.prezzo) > 0;
    };

    // The chosen period, a free one of this apartment (a period chosen for
    // another apartment before CAMBIA APPARTAMENTO is not).
    const RigaPeriodo* scelto = k >= 1 && k <= n ? &s.periodi[static_cast<int>(k)] : nullptr;
    const auto giorni = scelto ? giorni_del_periodo(*scelto) : std::nullopt;
    if (!scelto || !stesso(scelto->codice) || !libero(*scelto) || !giorni)
        return rifiuta("IL PERIODO SCELTO NON E' UN PERIODO LIBERO DELL'APPARTAMENTO " +
                       plat::trim(Text7.text()) + " !! ");

    // The chosen period joined with the free periods that adjoin it (one
    // beginning the day after another ends, or overlapping it).
    Date dal = giorni->dal, al = giorni->al;
    for (bool allargato = true; allargato;) {
        allargato = false;
        for (int i = 1; i <= n; ++i) {
            const RigaPeriodo& p = s.periodi[i];
            const auto g = giorni_del_periodo(p);
            if (!stesso(p.codice) || !libero(p) || !g || g->al < g->dal) continue;
            const bool tocca = g->dal <= al.add_days(1) && g->al >= dal.add_days(-1);
            if (!tocca || (g->dal >= dal && g->al <= al)) continue;
            dal = std::min(dal, g->dal);
            al = std::max(al, g->al);
            allargato = true;
        }
    }
    if (a < dal || b > al)
        return rifiuta("LE DATE SCELTE (" + dal_al(a, b) +
                       ") NON SONO COMPRESE NEL PERIODO SCELTO E NEI PERIODI LIBERI VICINI (" +
                       dal_al(dal, al) + ") !! ");

    // Nights already let: the bookings of the apartment not revoked, and
    // the periods the owner keeps.
    // This page's own booking, written by a save that stopped part-way, is
    // the one being saved again, not another.
    const long prenotate =
        std::clamp<long>(app.conta(kContaPrenotazioni), 0, s.prenotazioni.capacita());
    const long questa = plat::leading_int(Text1.text());
    for (int j = 1; j <= prenotate; ++j) {
        if (j == questa) continue;
        const RigaPrenotazione& p = s.prenotazioni[j];
        if (p.campo[pren::appartamento].empty() || p.campo[pren::appartamento] == "CANC" ||
            !stesso(p.campo[pren::appartamento]))
            continue;
        if (stato_prenotazione(p) == StatoPrenotazione::revocata) continue;
        if (notti_in_comune(a, b, p.arrivo, p.partenza))
            return rifiuta("I GIORNI SCELTI SONO GIA' OCCUPATI DALLA PRENOTAZIONE N. " +
                           std::to_string(j) + " (" + dal_al(p.arrivo, p.partenza) + ") !! ");
    }
    // A letting from Christmas to Epiphany lies in two years' files: the
    // bookings of the year before and after that share a night count too.
    for (const PrenotazioneDiAltroAnno& v : prenotazioni_degli_anni_vicini(s)) {
        const RigaPrenotazione& p = v.p;
        if (p.campo[pren::appartamento].empty() || p.campo[pren::appartamento] == "CANC" ||
            !stesso(p.campo[pren::appartamento]))
            continue;
        if (stato_prenotazione(p) == StatoPrenotazione::revocata) continue;
        if (notti_in_comune(a, b, p.arrivo, p.partenza))
            return rifiuta("I GIORNI SCELTI SONO GIA' OCCUPATI DALLA PRENOTAZIONE N. " +
                           std::to_string(v.numero) + " DEL " + std::to_string(v.anno) + " (" +
                           dal_al(p.arrivo, p.partenza) + ") !! ");
    }
    for (int i = 1; i <= n; ++i) {
        const RigaPeriodo& p = s.periodi[i];
        const auto g = giorni_del_periodo(p);
        if (!stesso(p.codice) || plat::trim(p.stato) != "PROP" || !g) continue;
        if (notti_in_comune(a, b, g->dal, g->al))
            return rifiuta("I GIORNI SCELTI SONO RISERVATI AL PROPRIETARIO (PERIODO N. " +
                           std::to_string(i) + " " + dal_al(g->dal, g->al) + ") !! ");
    }
    return true;
}

}  // namespace ga
