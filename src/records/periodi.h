// The rental periods of every apartment for the management year, and the
// rules by which the apartment card, a booking and a revocation change them.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "platform/date.h"
#include "records/app.h"
#include "records/archivio.h"

namespace ga {

// A period's line: code, from, to, price, state; a period the operation
// gives the code "CANC" or "" is left out (and the bookings after it follow
// their periods' new numbers).
extern const Formato<RigaPeriodo> kFormatoPeriodi;

void carica_periodi(App& app);
void azzera_righe_periodi(App& app);
// Applies the change `operazione` selects ("APPARTAMENTO", "PRENOTAZIONE" or
// "REVOCA"), rewrites the periods file, reloads and resets. False when the
// change was refused or a file could not be written; the user is told which.
bool aggiorna_periodi(App& app);

// The arrival and departure of a revocation's period as its form shows it
// (" - arrival - departure" after the end of the street's name): the first
// two pieces after the first, split at "-", that are dates, whatever hyphen
// the street's name holds. nullopt when there are not two.
std::optional<std::pair<plat::Date, plat::Date>> date_periodo_revocato(const std::string& periodo);

}  // namespace ga
