// The towns lookup: from the first letters of a town or of a postal code,
// typed into a town or postal-code box, fill the town, postal-code and
// province boxes of the calling form, or offer the candidates in its list.
#pragma once

#include <string>

#include "records/app.h"

namespace ga {

// Caller sets `operazione` ("PROPRIETARI", "CLIENTI", "PRENOTAZIONE" or
// "PERSONALIZZA") and `chiave_comune` (the upper-cased box just left).
void cerca_comune(App& app);

// A line of a town list split back into town, postal code and province,
// each trimmed. The line is built as town & " - " & code & " - " & province,
// so a hyphen inside a town's name stays in the name.
struct RigaComune {
    std::string comune, cap, provincia;
};
RigaComune dividi_riga_comune(const std::string& riga);

}  // namespace ga
