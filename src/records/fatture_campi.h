// The fields of an invoice's line in the invoice register of the year, in
// the order the line has them: the one place that numbers them. (`fatt`,
// not `fattura`: that is the invoice form's name.)
#pragma once

#include <cstddef>

#include "records/campi.h"

namespace ga {

namespace fatt {
enum Campo : std::size_t {
    data,  // held as a date beside the texts
    numero,
    cliente,       // the client's code, in a client's invoice
    proprietario,  // the owner's record number, in an owner's invoice
    descrizione,
    imponibile,
    iva,
    regime,  // the tax regime, 1 to 4
    ritenuta,
    totale,
    kCampi  // the number of fields
};
}  // namespace fatt

}  // namespace ga
