// Loaders of the booking notes and of the money-movement journal of the
// management year; their counts live on the booking form.
#pragma once

#include "records/app.h"

namespace ga {

void carica_note(App& app);
void carica_saldi(App& app);

}  // namespace ga
