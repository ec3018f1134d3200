// The expenses charged to the owners' apartments in the management year
// ("spese" & year & ".dat"): one expense a line, three fields joined by "*"
// (apartment code, description, number of the expense's "SPESA" movement in
// the journal), only ever appended. An expense's number is its line number;
// its movement carries that number in column 7.
#pragma once

#include <cstddef>

#include "records/app.h"

namespace ga {

// The fields of an expense's line, in the order the line has them: the one
// place that numbers them.
namespace voce_spesa {
enum Campo : std::size_t {
    appartamento,
    descrizione,
    movimento,  // the number of its "SPESA" movement in the journal
    kCampi      // the number of fields
};
}  // namespace voce_spesa

using RigaSpesa = Campi<voce_spesa::kCampi>;

// The expenses table, rows 1 to 100: apartment code, description, movement
// number, as text. Filled by `carica_spese`; rows past the count are empty.
Tabella<RigaSpesa>& tabella_spese(App& app);

// The expenses file into the table; every line read (a stored one or not)
// counts, and the count goes into `spese.Text1`. A line with fewer than two
// fields keeps its number but holds no expense. A missing file is created
// empty and read as empty.
void carica_spese(App& app);

// Appends the expense on the expense form: `spese.Text5` * `Text9` * `Text2`,
// then ticks `spese.Check2`. False, with nothing written, when a value holds
// the separator or a line break, when the file already holds as many
// expenses as the table, or when the file cannot be written.
bool registra_spesa(App& app);

// The checks `registra_spesa` makes before writing, for a caller that must
// know before it writes the expense's journal line; false after telling the
// user why.
bool spesa_registrabile(App& app);

}  // namespace ga
