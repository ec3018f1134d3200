// The check of expired bookings and coming arrivals, run once per start of
// the program at the main menu's first activation: the open bookings whose
// arrival has passed and those arriving today or in the next five days are
// listed in the warnings form `controlloentruscit`, shown over the disabled
// menu, each line with its booking's number beside it. The open bookings of
// the years before and after that have begun or arrive in the window are
// listed too, their lines ending with their year. Nothing is shown when there is nothing to report.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "records/app.h"

namespace ga {

// Lists into controlloentruscit.List1 and, when it listed anything, disables
// the menu and shows the form; then sets `primo_accesso_menu` to "1". While
// no usable data folder is chosen it does nothing and leaves the flag as it
// was, so that it runs at a later activation of the menu.
void controlla_prenotazioni_scadute(App& app);

// The clients' names for a list of bookings: for a code, the trimmed name
// of the first client, records 1 to `clienti`, whose code has its value
// (both read as numbers); "" when none has it or the code is blank.
// The names are copied once into one block: a list of ten thousand bookings
// names its clients in no order, and read from the clients' table each name
// is a trip to memory, read from the block it is near the others.
class NomiClienti {
public:
    NomiClienti(App& app, long clienti);
    std::string_view operator()(std::string_view codice) const;

private:
    App& app_;
    long clienti_;
    std::string nomi_;                 // every name, one after another
    std::vector<std::uint32_t> fine_;  // where the name of client k ends, at k
};

}  // namespace ga
