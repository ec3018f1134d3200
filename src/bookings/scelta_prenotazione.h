// The two red/green buttons by which a booking is chosen for its receipt, in
// the receipt reprint form and in the printing menu: by the client's name
// (the list of clients) or by the receipt's number (its box and the client's
// bookings). A red button turns green and opens its way, turning the other
// red; a green one turns red and shows both ways' captions again. A button
// of any other colour does nothing.
#pragma once

#include "platform/control.h"
#include "records/app.h"

namespace ga {

struct SceltaPrenotazione {
    plat::Control& per_nome;
    plat::Control& per_numero;
    plat::Control& etichetta_nome;
    plat::Control& etichetta_numero;
    plat::Control& clienti;
    plat::Control& numero;
    plat::Control& prenotazioni;
    plat::Control& stampa;

    // The lists read afresh from the files: every booking by its receipt
    // number, every client by name (each line keeps its record).
    void riempi(App& app) const;
    void per_nome_Click() const;
    void per_numero_Click() const;
};

}  // namespace ga
