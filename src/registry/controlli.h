// The checks of an Italian fiscal code and of an Italian IBAN. Each reads its
// input from the state, shows its own message on failure and leaves its
// result in the state.
#pragma once

#include "records/app.h"

namespace ga {

// `cf_da_controllare` -> `esito_cf` "si" or "no".
void controlla_codice_fiscale(App& app);
void valore_dispari_cf(App& app);
void valore_pari_cf(App& app);
// `iban_da_controllare` -> `esito_iban` "" (valid) or "KO".
void controlla_iban(App& app);
void valore_carattere_iban(App& app);

}  // namespace ga
