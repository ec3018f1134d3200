// The money-movement journal of the management year ("saldi" & year &
// ".dat"): one movement a line, nine columns, only ever appended. A
// movement's number is its line number; bookings and expenses point to
// their movements by it.
#pragma once

#include "records/app.h"
#include "records/caricamento.h"

namespace ga {

// The journal into the movements table; the count into
// `prenotazione.Text26` and the expense form's copy, `spese.Text2`.
void carica_saldi(App& app);
// The same in two steps, to be read beside other registers.
Caricamento caricamento_saldi(App& app);

// Appends the movement of `operazione` ("PRENOTAZIONE", "SALDO",
// "REVOCA", "RESTCAUZIONE", "SPESA", "SALDOPROP"), reading the boxes of the
// form that runs it. A "SALDO" below the residual rent is a further advance:
// `operazione` becomes "ACCON" and `importo_acconto` the amount paid. Then
// ticks `prenotazione.Check4` and reloads the journal (so the movements count
// is the new movement's number); the guards of the forms that record
// movements are theirs to set. False, with
// nothing written and the state untouched, when the movement is refused (a
// date that is not a date, a "*" in a value, a full journal) or the journal
// cannot be written.
bool registra_movimento(App& app);

}  // namespace ga
