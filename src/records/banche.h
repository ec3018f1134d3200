// The bank coordinates of the agency and of the owners ("BANCHE.IND", seven
// fields joined by ","; record 1 is the agency's).
#pragma once

#include "records/app.h"
#include "records/archivio.h"

namespace ga {

// A bank's line: seven fields joined by ","; a bank named "CANC" is left
// out when its record is written.
extern const Formato<RigaBanca> kFormatoBanche;

// "BANCHE.IND" into the bank table; the count into `COORDBANCA` `Text19`.
void carica_banche(App& app);
// One bank record from the agency settings form ("personalizza", record
// `indice_banca`) or from the bank coordinates form ("coordbanca", record
// `COORDBANCA` `Text3`), then the whole file. False when nothing was written:
// a record number outside 1 to the bank count + 1 is refused with a message.
bool registra_banche(App& app);

}  // namespace ga
