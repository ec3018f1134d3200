#include "records/comuni.h"

#include <string_view>
#include <vector>

#include "platform/record_file.h"
#include "platform/text.h"
#include "records/caselle.h"

namespace ga {

namespace {

// The boxes a lookup fills, by the form that asked for it.
struct Bersaglio {
    std::string_view operazione;
    const Casella* comune;
    const Casella* cap;
    const Casella* provincia;  // nullptr: the form keeps the province in the town box
    const Casella* lista;
};

constexpr Bersaglio kBersagli[] = {
    {"PROPRIETARI", &kPropCitta, &kPropCap, &kPropProvincia, &kPropComuni},
    {"CLIENTI", &kNomiCitta, &kNomiCap, &kNomiProvincia, &kNomiComuni},
    {"PRENOTAZIONE", &kClienteCitta, &kClienteCap, &kClienteProvincia, &kClienteComuni},
    {"PERSONALIZZA", &kAgenziaCitta, &kAgenziaCap, nullptr, &kAgenziaComuni},
};

constexpr int kLarghezzaComune = 24;
constexpr std::string_view kSeparatoreLista = " - ";

const Bersaglio* bersaglio_di(const std::string& operazione) {
    for (const Bersaglio& b : kBersagli)
        if (b.operazione == operazione) return &b;
    return nullptr;
}

// Empties the candidate lists. A form that is not loaded has nothing in its
// list, and touching it would load it: the booking form's load reads every
// register, so only loaded forms (and the form that asked) are touched.
void svuota_liste(App& app, const Bersaglio* bersaglio) {
    for (const Bersaglio& b : kBersagli) {
        if (&b != bersaglio && !app.form(*b.lista).is_loaded()) continue;
        app.campo(*b.lista).clear();
    }
}

// The boxes take the parts without the blanks that pad them in the table
// and in the candidates list: a town is stored and printed as its name.
void riempi(App& app, const Bersaglio& b, const std::string& comune, const std::string& cap,
            const std::string& provincia) {
    app.imposta(*b.comune, plat::trim(comune));
    app.imposta(*b.cap, plat::trim(cap));
    if (b.provincia != nullptr) app.imposta(*b.provincia, plat::trim(provincia));
}

}  // namespace

void cerca_comune(App& app) {
    Stato& s = app.s;
    const Bersaglio* b = bersaglio_di(s.operazione);
    svuota_liste(app, b);

    // The towns file is read afresh at every lookup; a missing file is
    // created empty and finds nothing.
    const auto righe = plat::read_lines(s.percorso_comuni);
    if (!righe) return;

    const std::string chiave = plat::trim(s.chiave_comune);
    const int lunghezza = plat::length(s.chiave_comune);
    int trovati_per_cap = 0;
    for (const std::string& riga : *righe) {
        // A blank line names no town (an empty key would otherwise "find" it).
        if (plat::trimmed(riga).empty()) continue;
        const auto campi = plat::split(riga, "*");
        auto campo = [&](std::size_t j) { return j < campi.size() ? campi[j] : std::string(); };
        s.comune_letto = campo(1);
        s.cap_letto = campo(2);
        const std::string provincia = campo(3);

        if (plat::trim(plat::left(s.comune_letto, lunghezza)) == chiave) {
            if (b != nullptr) {
                if (b->provincia != nullptr)
                    riempi(app, *b, s.comune_letto, s.cap_letto, provincia);
                else
                    riempi(app, *b,
                           plat::trim(s.comune_letto) + std::string(kSeparatoreLista) + provincia,
                           s.cap_letto, provincia);
            }
            s.chiave_comune = "Ok";
            return;
        }

        if (plat::trim(plat::left(s.cap_letto, lunghezza)) == chiave) {
            const std::string comune = plat::pad_right(s.comune_letto, kLarghezzaComune);
            ++trovati_per_cap;
            if (b == nullptr) continue;
            plat::Control& lista = app.campo(*b->lista);
            lista.add_item(comune + std::string(kSeparatoreLista) + s.cap_letto +
                           std::string(kSeparatoreLista) + provincia);
            if (trovati_per_cap == 1) {
                // The agency form keeps the province in its town box, as a
                // town found by name or picked from the list gives it.
                if (b->provincia != nullptr) riempi(app, *b, comune, s.cap_letto, provincia);
                else
                    riempi(app, *b,
                           plat::trim(s.comune_letto) + std::string(kSeparatoreLista) + provincia,
                           s.cap_letto, provincia);
            } else {
                // More than one town shares the code: the user picks from the list.
                lista.set_visible(true);
                riempi(app, *b, "", "", "");
            }
        }
    }
}

RigaComune dividi_riga_comune(const std::string& riga) {
    std::vector<std::string> parti = plat::split(riga, kSeparatoreLista);
    // The postal code and the province are the last two parts; anything
    // before them belongs to the town's name.
    RigaComune r;
    if (parti.size() >= 3) {
        r.provincia = plat::trim(parti.back());
        parti.pop_back();
        r.cap = plat::trim(parti.back());
        parti.pop_back();
    } else if (parti.size() == 2) {
        r.cap = plat::trim(parti.back());
        parti.pop_back();
    }
    r.comune = plat::trim(plat::join(parti, kSeparatoreLista));
    return r;
}

}  // namespace ga
