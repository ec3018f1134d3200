// The invoice register of the management year ("fatture" & year & ".dat").
#pragma once

#include <string>
#include <unordered_map>

#include "records/app.h"
#include "records/archivio.h"

namespace ga {

// An invoice's line: its date, then fields 1 to 9; an invoice numbered
// "CANC" is left out when its record is written.
extern const Formato<RigaFattura> kFormatoFatture;

void carica_fatture(App& app);
// The invoice form's invoice into the register at its number. False when
// refused (a date that is not a date, a "*" inside a value, a number past
// the table) or not written.
bool registra_fattura(App& app);

// The party an invoice of the register is made out to, as the invoice form
// shows it and the printed invoice names it: a client invoice names the
// client by code (field 2; a blank code names nobody), an owner invoice the
// owner by record number in the owners register (field 3). `codice` is the
// client's code or the owner's record number. Empty texts when the party is
// no longer in its register. `indirizzo` is the town line as the invoice
// form shows it (a client's and an owner's each in its own order);
// `localita` is the one the printed invoice gives both: "40100 BOLOGNA (BO)".
struct IntestatarioFattura {
    std::string codice, nome, via, indirizzo, codice_fiscale, localita;
};
IntestatarioFattura intestatario_fattura(App& app, const RigaFattura& f);

// The clients an invoice can name, read once for a whole list of invoices:
// each code's number to the first client record holding it, blank codes
// left out, as `intestatario_fattura` matches them one invoice at a time.
class ClientiDaFatturare {
public:
    explicit ClientiDaFatturare(App& app);
    // The record of the client whose code is the number `codice`, 0 when none.
    int record(long codice) const;

private:
    std::unordered_map<long, int> per_codice_;
};
IntestatarioFattura intestatario_fattura(App& app, const RigaFattura& f,
                                         const ClientiDaFatturare& clienti);

}  // namespace ga
