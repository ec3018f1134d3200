// The fields of a booking's line in the bookings file of the year, in the
// order the line has them: the one place that numbers them. (`pren`, not
// `prenotazione`: that is the booking form's name.) A new field goes before
// `kCampi`, after the others, so that the lines written before still load.
#pragma once

#include <cstddef>

#include "records/campi.h"

namespace ga {

namespace pren {
enum Campo : std::size_t {
    appartamento,  // the apartment's code
    cliente,       // the client's code
    arrivo,        // a date
    partenza,      // a date
    affitto,
    acconto,
    diritti,
    pulizia,
    cauzione,
    chiusura,   // the date the booking was settled or revoked; "0.00.00" while open
    nota,       // the number of the booking's note
    movimento,  // the settling movement's number; "REVOC" and a number when revoked
    periodo,    // the period's number (its line in the periods file)
    letti,
    consumi,
    energia,
    lenzuola,
    kCampi  // the number of fields
};
}  // namespace pren

}  // namespace ga
