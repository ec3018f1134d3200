// The clients register ("clienti.dat"), one of the registers of the data
// folder that do not depend on the year. Its loader fills the table (every
// record of the file, however many) and the count store; its writer takes
// the record its caller built (the clients form and the booking page each
// fill one from their boxes), rewrites the file (dropping records whose key
// is "CANC" or "") and reloads; every line but the record's comes back as it
// stood. The writer returns false, having written nothing, when
// it refuses the record (a "*" inside a value, a record number that is
// neither a row of the table nor the one after the last) or the file cannot
// be written.
#pragma once

#include <string_view>

#include "records/app.h"
#include "records/archivio.h"
#include "records/caricamento.h"

namespace ga {

// A client's line: the fields of `RigaCliente`; a client whose name is "CANC" or "" is
// left out when its record is written.
inline constexpr const Formato<RigaCliente>& kFormatoClienti =
    kFormatoCampi<cliente::kCampi, cliente::nome>;

void carica_clienti(App& app);
// The same in two steps, to be read beside other registers.
Caricamento caricamento_clienti(App& app);
// Client `k` as stored; empty past the table. A form starts the record it
// writes from here, so that a field it does not show stays as it is.
RigaCliente cliente_in_archivio(App& app, long k);
// Writes `r` as client record `k` and ticks the booking page's mark of a
// client written (`kClienteScritto`).
bool registra_cliente(App& app, long k, const RigaCliente& r);
// The record of the first client, records 1 to `clienti`, whose code has
// the value of `codice` (both read as numbers); 0 when none has it or
// `codice` is blank.
int record_cliente(App& app, std::string_view codice, long clienti);

}  // namespace ga
