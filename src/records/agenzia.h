// The agency's own settings ("AGENZIA.IND", one line of 28 fields joined by
// "*") and the bank coordinates of the agency and of the owners
// ("BANCHE.IND", seven fields joined by ","; record 1 is the agency's).
#pragma once

#include "records/app.h"

namespace ga {

// "AGENZIA.IND" into the 28 settings; the last line of the file wins.
void carica_agenzia(App& app);
// The agency settings form into "AGENZIA.IND". The name "CANC" leaves the
// file empty. False, with nothing written, when a value holds "*".
bool registra_agenzia(App& app);
// "BANCHE.IND" into the bank table; the count into `COORDBANCA` `Text19`.
void carica_banche(App& app);
// One bank record from the agency settings form ("personalizza", record
// `indice_banca`) or from the bank coordinates form ("coordbanca", record
// `COORDBANCA` `Text3`), then the whole file. False when nothing was written:
// a record number outside 1 to the bank count + 1 is refused with a message.
bool registra_banche(App& app);

}  // namespace ga
