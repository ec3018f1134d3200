// The boxes of other forms that the bookings' forms and procedures reach,
// and that only the subsystems above the bookings reach besides: each named
// once by its form's and its own name (see records/caselle.h).
#pragma once

#include "records/caselle.h"

namespace ga {

// --- the booking page (prenotazione): the "receipt printed" flag ---------------------
inline constexpr Casella kRicevutaStampata{"prenotazione", "Check5"};

// --- the start form (zeltra): the agency's minimum deposit ----------------------------
inline constexpr Casella kAvvioDepositoMinimo{"zeltra", "Text11"};

// --- the free-period picker (ModPeriodi): what its opener writes ----------------------
// The period's number, and the heading: a code, the owner's name, the street.
inline constexpr Casella kModPeriodiPeriodo{"ModPeriodi", "Text40"};
inline constexpr Casella kModPeriodiCodice{"ModPeriodi", "Text1"};
inline constexpr Casella kModPeriodiProprietario{"ModPeriodi", "Text2"};
inline constexpr Casella kModPeriodiVia{"ModPeriodi", "Text3"};

// --- the expired-bookings warnings (controlloentruscit) -------------------------------
inline constexpr Casella kControlloAvviso{"controlloentruscit", "Text1"};
inline constexpr Casella kControlloElenco{"controlloentruscit", "List1"};

// --- a client's bookings (VisuPrenotCliente): who opened it ("CONTROLLO": the
// expired-bookings check) ---------------------------------------------------------------
inline constexpr Casella kVisuChiamata{"VisuPrenotCliente", "Text18"};

// Every box above, for the test that each names a control of its form.
inline constexpr const Casella* kCasellePrenotazioni[] = {
    &kRicevutaStampata, &kAvvioDepositoMinimo,    &kModPeriodiPeriodo,
    &kModPeriodiCodice, &kModPeriodiProprietario, &kModPeriodiVia,
    &kControlloAvviso,  &kControlloElenco,        &kVisuChiamata};

}  // namespace ga
