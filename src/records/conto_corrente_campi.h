// The fields of a line of the agency's bank-account register ("ContoCorr" &
// account & year & ".dat"), in the order the line has them: the one place
// that numbers them (the register itself is kept by the payout form).
#pragma once

#include <cstddef>

#include "records/campi.h"

namespace ga {

namespace assegno {
enum Campo : std::size_t {
    proprietario,  // the owner's code
    nome,          // the owner's name
    importo,
    data,   // the payout date
    testo,  // the cheque's text
    kCampi  // the number of fields
};
}  // namespace assegno

using RigaConto = Campi<assegno::kCampi>;

}  // namespace ga
