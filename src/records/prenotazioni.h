// The bookings file of the management year ("prenotazioni" & year & ".dat"):
// seventeen fields a line, the line number being the booking number. Every
// booking operation ends by rewriting it through `registra_prenotazioni`,
// which changes the one booking the operation in `operazione` names.
#pragma once

#include "records/app.h"
#include "records/archivio.h"
#include "records/caricamento.h"

namespace ga {

// A booking's line: seventeen fields; a booking the operation deletes is
// left out.
extern const Formato<RigaPrenotazione> kFormatoPrenotazioni;

// The bookings file into the bookings table, every line (a blank or
// unreadable line holds no booking but keeps its number); the count, which
// is the number of lines, into `prenotazione.Text21`.
void carica_prenotazioni(App& app);
// The same in two steps, to be read beside other registers.
Caricamento caricamento_prenotazioni(App& app);

// Never stored: read from the closing date (field 9) and the movement link
// (field 11) each time it is needed.
enum class StatoPrenotazione { aperta, saldata, revocata };
// No closing date: open. A closing date and a link beginning "REVOC":
// revoked. A closing date and any other link: balance paid.
StatoPrenotazione stato_prenotazione(const RigaPrenotazione& p);

// Applies the change of `operazione` ("PRENOTAZIONE", "SALDO", "ACCON",
// "REVOCA", "INSNOTAAFF", "RESTCAUZIONE") to its booking, rewrites the file
// up to the bookings count (the new booking's number, when that is higher;
// every other line as it stood),
// reloads the table and ticks `prenotazione.Check3`. False, with nothing
// written, when the change is refused (no such booking, a number past the
// table, a date that is not a date, a "*" in a value) or the file cannot be
// written.
bool registra_prenotazioni(App& app);

}  // namespace ga
