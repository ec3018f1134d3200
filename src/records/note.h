// The booking notes of the management year ("noteaff" & year & ".dat"):
// text, booking number and apartment code, one note a line; a note's number
// is its line number, which bookings keep in their field 10. Empty lines keep
// their numbers.
#pragma once

#include "records/app.h"
#include "records/archivio.h"
#include "records/caricamento.h"

namespace ga {

// A note's line: text, booking number, apartment code; a row without a note
// is an empty line, so that every later note keeps its number.
extern const Formato<RigaNota> kFormatoNote;

// The notes file into the notes table; the count into `prenotazione.Text23`.
void carica_note(App& app);
// The same in two steps, to be read beside other registers.
Caricamento caricamento_note(App& app);

// Appends one new note for `operazione`: "ACCON" and "SALDO" (a payment on a
// booking without a note), "INSNOTAAFF" (the note form), "RESTCAUZIONE" (a
// deposit refund on a booking without a note), anything else the booking
// form's new booking. The note takes the number after the last line of the
// file; `numero_nota` becomes that number (not for a new booking, whose
// rewrite numbers it notes count + 1). Ticks `prenotazione.Check2`.
bool aggiungi_nota(App& app);

// Changes one note for `operazione` ("SALDO", "ACCON", "RESTCAUZIONE",
// "INSNOTAAFF") and rewrites the whole file, every other note on its own
// line as before, then reloads the notes. "ACCON" writes a new note after the
// last one and leaves the old note as it was.
bool registra_note(App& app);

}  // namespace ga
