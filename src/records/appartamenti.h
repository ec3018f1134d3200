// The apartments register ("appartamenti.ind"), one of the registers of the data
// folder that do not depend on the year. Its loader fills the table (every
// record of the file, however many) and the count store; its writer takes
// one record from the form, rewrites the file (dropping records whose key is
// "CANC" or "") and reloads. The writer returns false, having written nothing, when
// it refuses the record (a "*" inside a value, a record number that is
// neither a row of the table nor the one after the last) or the file cannot
// be written.
#pragma once

#include "records/app.h"
#include "records/archivio.h"

namespace ga {

// An apartment's line: the fields of `RigaAppartamento`; one whose street code is "CANC" or
// "" is left out when its record is written.
inline constexpr const Formato<RigaAppartamento>& kFormatoAppartamenti =
    kFormatoCampi<appartamento::kCampi, appartamento::codice_via>;

void carica_appartamenti(App& app);
bool registra_appartamento(App& app);
// Builds the lookup of apartments by code again, for a change of the codes
// in memory (the loader builds it at every load).
void indicizza_appartamenti(App& app);

}  // namespace ga
