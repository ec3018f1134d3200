// Loaders of the booking notes and of the money-movement journal of the
// management year; their counts live on the booking form. Also the checks
// the writers of the bookings, notes and journal share before they write.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/date.h"
#include "records/app.h"

namespace ga {

void carica_note(App& app);
void carica_saldi(App& app);

// Tells the user why nothing was written ("motivo" and a closing line);
// always false, so a writer can `return registrazione_rifiutata(...)`.
bool registrazione_rifiutata(App& app, const std::string& motivo);
// The date a box holds, or nullopt after telling the user: a register never
// gets "no date" in place of a date the user meant to give.
std::optional<plat::Date> data_registrabile(App& app, std::string_view testo,
                                            std::string_view cosa);
// True when no value holds the "*" separator or a line break, either of
// which would split its record when the file is read back; otherwise tells
// the user which value and returns false.
bool valori_registrabili(App& app, const std::vector<std::string>& valori);

}  // namespace ga
