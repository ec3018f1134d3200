// The agency's bank-account register ("ContoCorr" & account & year &
// ".dat"): the cheques paid to owners, one a line, kept in the payout form's
// table.
#pragma once

#include <string>
#include <vector>

#include "records/app.h"
#include "records/conto_corrente_campi.h"

namespace ga {

// The bank-account register into the form's table; the line count into
// `COORDBANCA.Text5`. A missing register is created empty.
void carica_conto_corrente(App& app);
// The fields of the register's line for the cheque on the payout form.
std::vector<std::string> riga_conto(App& app);
// Appends the cheque on the payout form to the register (owner code, owner
// name, amount, payout date, cheque text), then reloads it. False, with
// nothing written, when a value holds the separator or a line break, or when
// the register cannot be written.
bool registra_conto_corrente(App& app);

}  // namespace ga
