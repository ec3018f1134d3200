// The columns of a movement's line in the money-movement journal of the
// year, in the order the line has them: the one place that numbers them.
#pragma once

#include <cstddef>

#include "records/campi.h"

namespace ga {

namespace movimento {
enum Colonna : std::size_t {
    data,          // held as a date beside the texts
    parte,         // the owner's code, or the party the form supplies
    acconto,       // received, or refunded (negative) at a revocation
    saldo,         // the rent balance; the agency fee in a new booking's line
    importo,       // the fee with a balance; an expense; a payout to the owner
    pulizia,       // final cleaning
    cauzione,      // security deposit, received or refunded
    numero,        // the booking's number; the expense's in an expense line
    appartamento,  // the apartment's code
    kColonne       // the number of columns
};
}  // namespace movimento

}  // namespace ga
