// The printed invoice: one page from the template "fattura.xls" of the
// program folder's "stampe/", made from the invoice as the register holds
// it (never from boxes that may have changed since it was saved), with its
// party as the clients or owners register holds it.
#pragma once

#include <string>

#include "platform/services.h"
#include "records/app.h"

namespace ga {

inline constexpr const char* kRegimeEsente =
    "IVA ESENTE (Esente IVA Art. 10 punti 1-9 del DPR 633/72 e successive modifiche )";
inline constexpr const char* kRegimeRitenuta =
    "RITENUTA D'ACCONTO UGUALE AL 23% SUL 50% DELL'IMPONIBILE";

// The VAT percentage as the agency typed it: "22", "22,5" and "22.5" are
// all read as the rate they mean (a rate has no thousands).
double aliquota_iva(const std::string& testo);

// The page of invoice `f`: the agency beside the logo, the party, number and
// date, the description, the amounts the register holds (a VAT line only
// where VAT was charged, a withholding line only where one was held back)
// and the regime.
plat::PrintJob pagina_fattura(App& app, const RigaFattura& f);

// Prints invoice k of the loaded register. False, after telling the user,
// when the register holds no invoice k or the page could not be printed.
bool stampa_fattura(App& app, int k);

// The printing menu's reprint: the invoice whose record is `fattura_scelta`.
void stampa_fattura_scelta(App& app);

}  // namespace ga
