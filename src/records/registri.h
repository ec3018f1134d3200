// The registers of the data folder that do not depend on the year: streets
// ("Vie.dat"), owners ("proprietari.IND"), apartments ("appartamenti.ind")
// and clients ("clienti.dat"). Each loader fills its table and count store;
// each writer takes one record from its form, rewrites the file (dropping
// records whose key is "CANC" or, for most, "") and reloads. A writer returns
// false, having written nothing, when it refuses the record (a "*" inside a
// value, a record number that is neither a row of the table nor the one
// after the last) or the file cannot be written. The tables hold every
// record of their files, however many.
#pragma once

#include <string_view>

#include "records/app.h"

namespace ga {

void carica_vie(App& app);
bool registra_via(App& app);

// Also the data-folder check: an unusable data folder ends the program
// after "AVVISO ERRORE".
void carica_proprietari(App& app);
void vedi_proprietario(App& app);
bool registra_proprietari(App& app);

void carica_appartamenti(App& app);
bool registra_appartamento(App& app);
// Builds the lookup of apartments by code again, for a change of the codes
// in memory (the loader builds it at every load).
void indicizza_appartamenti(App& app);

void carica_clienti(App& app);
bool registra_cliente(App& app);
// The record of the first client, records 1 to `clienti`, whose code has
// the value of `codice` (both read as numbers); 0 when none has it or
// `codice` is blank.
int record_cliente(App& app, std::string_view codice, long clienti);

}  // namespace ga
