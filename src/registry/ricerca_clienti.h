// Finding a client by the beginning of the name, for two screens: the view
// of one client's bookings (`modo_chiamata` "PRENOTCLIENTE", the boxes of
// `VisuPrenotCliente`) and the invoice form ("fatturaz", the boxes of
// `fattura`). The key is `testo_ricerca`, set by the caller in upper case.
//
// After a match the bookings of the client are listed by the procedure
// "elenca_prenotazioni_cliente", and the invoice form's "controllaincasso"
// runs after an invoice match: both belong to higher subsystems, which
// register them by name.
#pragma once

#include <string_view>

#include "records/app.h"

namespace ga {

// The name rule shared by the three searches: the first Len(key) characters
// of the trimmed name equal the trimmed key. The key's length counts its
// blanks; the comparison is exact and case-sensitive.
bool nome_inizia_con(std::string_view nome, std::string_view chiave);

// Scans the clients file from its first line. "PRENOTCLIENTE": the first
// match fills the bookings view (its line number into `Text17`). "fatturaz":
// every match is listed in `fattura.List1`, the first fills the invoice's
// client boxes. No match: a message, boxes left as they were.
void cerca_cliente(App& app);
// The next match after the client shown (`VisuPrenotCliente.Text17`), in the
// clients table; without one the view is emptied and both buttons hidden.
void cliente_successivo(App& app);
// The same going back towards record 1.
void cliente_precedente(App& app);

}  // namespace ga
