// The boxes of other forms that the shell's forms reach, and that only the
// subsystems above the shell reach besides: each named once by its form's
// and its own name (see records/caselle.h).
#pragma once

#include "records/caselle.h"

namespace ga {

// --- the main menu (MENU): the agency's heading and the year --------------------------
inline constexpr Casella kMenuAgenzia{"MENU", "Label9"};
inline constexpr Casella kMenuIndirizzo{"MENU", "Label10"};
inline constexpr Casella kMenuRecapiti{"MENU", "Label14"};
inline constexpr Casella kMenuAnno{"MENU", "Label15"};

// --- the start form (zeltra): the year and the data-folder choice ---------------------
inline constexpr Casella kAvvioAnno{"zeltra", "Label28"};
inline constexpr Casella kAvvioCartellaDati{"zeltra", "AGEN"};

// --- the owner payout (SaldoProprietario): the owner chosen ---------------------------
inline constexpr Casella kVersamentoProprietari{"SaldoProprietario", "Combo1"};

// --- the invoice (fattura): whom it is made out to ("CLIENTI", "PROPRIETARI") ------
inline constexpr Casella kFatturaDestinatario{"fattura", "Label16"};

// Every box above, for the test that each names a control of its form.
inline constexpr const Casella* kCaselleShell[] = {
    &kMenuAgenzia, &kMenuIndirizzo,     &kMenuRecapiti,          &kMenuAnno,
    &kAvvioAnno,   &kAvvioCartellaDati, &kVersamentoProprietari, &kFatturaDestinatario};

}  // namespace ga
