// The fields of an owner's line in "proprietari.IND", in the order the line
// has them: the one place that numbers them. A new field goes before
// `kCampi`, after the others, so that the lines written before still load.
#pragma once

#include <cstddef>

#include "records/campi.h"

namespace ga {

namespace proprietario {
enum Campo : std::size_t {
    nome,
    via,
    citta,
    provincia,
    cap,
    telefono,
    codice,
    codice_fiscale,
    rapporto,  // "PROVV" (on commission), "CONTR" (under contract) or ""
    email,
    kCampi  // the number of fields
};
}  // namespace proprietario

using RigaProprietario = Campi<proprietario::kCampi>;

}  // namespace ga
