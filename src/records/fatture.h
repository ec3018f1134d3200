// The invoice register of the management year, and the loader of the year's
// bookings file.
#pragma once

#include "records/app.h"

namespace ga {

void carica_fatture(App& app);
// The invoice form's invoice into the register at its number. False when
// refused (a date that is not a date, a "*" inside a value, a number past
// the table) or not written.
bool registra_fattura(App& app);

void carica_prenotazioni(App& app);

}  // namespace ga
