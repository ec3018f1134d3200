// The boxes of other forms that the apartments' forms reach, and that only
// the subsystems above them reach besides: each named once by its form's and
// its own name (see records/caselle.h).
#pragma once

#include "records/caselle.h"

namespace ga {

// --- the booking page (prenotazione): its list of the apartment's free periods -------
inline constexpr Casella kPrenPeriodiLiberi{"prenotazione", "List1"};

// Every box above, for the test that each names a control of its form.
inline constexpr const Casella* kCaselleAppartamenti[] = {&kPrenPeriodiLiberi};

}  // namespace ga
