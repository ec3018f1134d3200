// The fields of a period's line in the periods file of the year, in the
// order the line has them: the one place that numbers them. (The table holds
// them as the named members of `RigaPeriodo`, the period's number beside.)
#pragma once

#include <cstddef>

namespace ga {

namespace periodo {
enum Campo : std::size_t {
    codice,  // the apartment's code
    dal,
    al,
    prezzo,
    stato,  // "LIB", "AFF" ...
    kCampi  // the number of fields
};
}  // namespace periodo

}  // namespace ga
