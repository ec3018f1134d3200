// The fields of a client's line in "clienti.dat", in the order the line has
// them: the one place that numbers them. A new field goes before `kCampi`,
// after the others, so that the lines written before still load.
#pragma once

#include <cstddef>

#include "records/campi.h"

namespace ga {

namespace cliente {
enum Campo : std::size_t {
    codice,
    nome,
    via,
    cap,
    citta,
    telefono,
    provincia,
    codice_fiscale,
    email,
    kCampi  // the number of fields
};
}  // namespace cliente

using RigaCliente = Campi<cliente::kCampi>;

}  // namespace ga
