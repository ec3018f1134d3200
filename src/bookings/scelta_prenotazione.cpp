#include "bookings/scelta_prenotazione.h"

#include <initializer_list>

#include "records/app.h"

namespace ga {

namespace {

void mostra(std::initializer_list<plat::Control*> controlli, bool visibile) {
    for (plat::Control* c : controlli) c->set_visible(visibile);
}

}  // namespace

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
