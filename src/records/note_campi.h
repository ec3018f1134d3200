// The fields of a booking note's line in the notes file of the year, in the
// order the line has them: the one place that numbers them.
#pragma once

#include <cstddef>

#include "records/campi.h"

namespace ga {

namespace nota {
enum Campo : std::size_t {
    testo,
    prenotazione,  // the booking's number
    appartamento,  // the booking's apartment code
    kCampi         // the number of fields
};
}  // namespace nota

using RigaNota = Campi<nota::kCampi>;

}  // namespace ga
