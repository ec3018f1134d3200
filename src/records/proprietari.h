// The owners register ("proprietari.IND"), one of the registers of the data
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

// An owner's line: the fields of `RigaProprietario`; an owner whose name is "CANC" or "" is left
// out when its record is written.
inline constexpr const Formato<RigaProprietario>& kFormatoProprietari =
    kFormatoCampi<proprietario::kCampi, proprietario::nome>;

// Also the data-folder check: an unusable data folder ends the program
// after "AVVISO ERRORE".
void carica_proprietari(App& app);
void vedi_proprietario(App& app);
bool registra_proprietari(App& app);

}  // namespace ga
