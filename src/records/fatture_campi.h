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
    // The tax code typed on the form where it differs from the party's on
    // file (a company whose VAT number the clients register does not keep):
    // the invoice prints it and keeps it. Written only when there is one, past
    // the fields every reader of the register takes.
    codice_fiscale,
    kCampi  // the number of fields
};
}  // namespace fatt

}  // namespace ga
