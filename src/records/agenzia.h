// The agency's own settings ("AGENZIA.IND", one line of 28 fields joined by
// "*").
#pragma once

#include "records/app.h"

namespace ga {

// "AGENZIA.IND" into the 28 settings; the last line of the file wins.
void carica_agenzia(App& app);
// The agency settings form into "AGENZIA.IND". The name "CANC" leaves the
// file empty. False, with nothing written, when a value holds "*".
bool registra_agenzia(App& app);

}  // namespace ga
