#include "bookings/scelta_prenotazione.h"

#include <algorithm>
#include <initializer_list>

#include "bookings/ricevuta.h"
#include "records/caselle.h"
#include "records/clienti.h"
#include "records/prenotazioni.h"

namespace ga {

namespace {

void mostra(std::initializer_list<plat::Control*> controlli, bool visibile) {
    for (plat::Control* c : controlli) c->set_visible(visibile);
}

}  // namespace

void SceltaPrenotazione::riempi(App& app) const {
    Stato& s = app.s;
    carica_insieme({caricamento_prenotazioni(app), caricamento_clienti(app)});
    clienti.clear();
    prenotazioni.clear();
    const long n_prenotazioni =
        std::min<long>(app.conta(kContaPrenotazioni), s.prenotazioni.capacita());
    // Each line keeps its record: the booking number, the client's record.
    for (int i = 1; i <= n_prenotazioni; ++i) prenotazioni.add_item(numero_ricevuta(i), i);
    const long n_clienti = std::min<long>(app.conta(kContaClienti), s.clienti.capacita());
    for (int i = 1; i <= n_clienti; ++i) clienti.add_item(s.clienti[i][cliente::nome], i);
}

void SceltaPrenotazione::per_nome_Click() const {
    const long colore = per_nome.back_color();
    if (colore == kRosso) {
        per_nome.set_back_color(kVerde);
        per_numero.set_back_color(kRosso);
        mostra({&clienti}, true);
        mostra({&etichetta_nome, &etichetta_numero, &numero, &prenotazioni, &stampa}, false);
    } else if (colore == kVerde) {
        per_nome.set_back_color(kRosso);
        mostra({&etichetta_nome, &etichetta_numero}, true);
        mostra({&clienti, &numero, &prenotazioni, &stampa}, false);
    }
}

void SceltaPrenotazione::per_numero_Click() const {
    const long colore = per_numero.back_color();
    if (colore == kRosso) {
        per_numero.set_back_color(kVerde);
        per_nome.set_back_color(kRosso);
        mostra({&numero, &prenotazioni}, true);
        mostra({&etichetta_nome, &etichetta_numero, &clienti, &stampa}, false);
    } else if (colore == kVerde) {
        per_numero.set_back_color(kRosso);
        per_nome.set_back_color(kRosso);
        mostra({&etichetta_nome, &etichetta_numero}, true);
        mostra({&numero, &clienti, &prenotazioni, &stampa}, false);
    }
}

}  // namespace ga
