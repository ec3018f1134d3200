// The fields of an apartment's line in "appartamenti.ind", in the order the
// line has them: the one place that numbers them. A new field goes before
// `kCampi`, after the others, so that the lines written before still load.
#pragma once

#include <cstddef>

#include "records/campi.h"

namespace ga {

namespace appartamento {
enum Campo : std::size_t {
    codice_proprietario,  // the owner's code, not the owner's record
    codice_via,           // the street's code, "000" for a street not listed
    civico,
    tipo,  // "MON", "BIL", "TRI", "QUA" or ""
    soggiorno,
    bagni,
    giardino,
    piano,
    posti_letto,
    periodicita,  // "ESTIVO" or "ANNUALE"
    vuoto,        // always written empty
    note,
    codice,  // typed by the user; periods and bookings name the apartment by it
    kCampi   // the number of fields
};
}  // namespace appartamento

using RigaAppartamento = Campi<appartamento::kCampi>;

}  // namespace ga
