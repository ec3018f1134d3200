// The fields of a street's line in "Vie.dat" that the program keeps, in the
// order the line has them: the one place that numbers them. (The line ends
// with a literal last field that is never loaded.)
#pragma once

#include <cstddef>

#include "records/campi.h"

namespace ga {

namespace vie {
enum Campo : std::size_t {
    codice,
    vuoto,  // always written empty
    nome,
    kCampi  // the number of fields kept
};
}  // namespace vie

using RigaVia = Campi<vie::kCampi>;

}  // namespace ga
