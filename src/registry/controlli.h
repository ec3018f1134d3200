// The checks of an Italian fiscal code and of an Italian IBAN. Each reads its
// input from the state, shows its own message on failure and leaves its
// result in the state; its working values are its own.
#pragma once

#include <string>

#include "records/app.h"

namespace ga {

// `cf_da_controllare` -> `esito_cf` "si" or "no".
void controlla_codice_fiscale(App& app);
// The value of a one-character text in an odd and in an even position of a
// fiscal code (0 for anything but a digit or a capital letter).
long valore_dispari_cf(const std::string& carattere);
long valore_pari_cf(const std::string& carattere);
// `iban_da_controllare` -> `esito_iban` "" (valid) or "KO".
void controlla_iban(App& app);
// The value of a one-character text in an IBAN: 0-9 for a digit, 10-35 for
// a capital letter, -1 for a character an IBAN cannot hold.
long valore_carattere_iban(const std::string& carattere);

}  // namespace ga
