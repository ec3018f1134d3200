// The check of expired bookings and coming arrivals, run once per start of
// the program at the main menu's first activation: the open bookings whose
// arrival has passed and those arriving today or in the next five days are
// listed in the warnings form `controlloentruscit`, shown over the disabled
// menu, each line with its booking's number beside it. Nothing is shown
// when there is nothing to report.
#pragma once

#include <string>
#include <string_view>

#include "records/app.h"

namespace ga {

// Lists into controlloentruscit.List1 and, when it listed anything, disables
// the menu and shows the form; then sets `primo_accesso_menu` to "1". While
// no usable data folder is chosen it does nothing and leaves the flag as it
// was, so that it runs at a later activation of the menu.
void controlla_prenotazioni_scadute(App& app);

// The trimmed name of the first client, records 1 to `clienti`, whose code
// has the value of `codice` (both read as numbers); "" when none has it or
// `codice` is blank. A view into the clients' table, for a line built at
// once: it lasts until the table changes.
std::string_view nome_cliente(App& app, std::string_view codice, long clienti);

}  // namespace ga
