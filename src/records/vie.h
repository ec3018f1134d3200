// The streets register ("Vie.dat"), one of the registers of the data
// folder that do not depend on the year. Its loader fills the table (every
// record of the file, however many) and the count store; its writer takes
// one record from the form, rewrites the file (dropping records whose key is
// "CANC") and reloads. The writer returns false, having written nothing, when
// it refuses the record (a "*" inside a value, a record number that is
// neither a row of the table nor the one after the last) or the file cannot
// be written.
#pragma once

#include "records/app.h"
#include "records/archivio.h"

namespace ga {

// A street's line: code, an empty field, the name, then " $$"; a street
// named "CANC" is left out when its record is written.
extern const Formato<RigaVia> kFormatoVie;

void carica_vie(App& app);
bool registra_via(App& app);

}  // namespace ga
