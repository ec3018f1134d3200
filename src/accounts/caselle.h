// The boxes of other forms that the accounts' forms and procedures reach
// (the owner statement fills its summary, the payout and the expense): each
// named once by its form's and its own name (see records/caselle.h).
#pragma once

#include "settlement/caselle.h"

namespace ga {

// --- count stores -----------------------------------------------------------------
// The lines of the agency's bank-account register.
inline constexpr Casella kContaContoCorrente{"COORDBANCA", "Text5"};

// --- the start form (zeltra): the agency's name, its town line, its commission -----
inline constexpr Casella kAvvioAgenzia{"zeltra", "Text1"};
inline constexpr Casella kAvvioCitta{"zeltra", "Text3"};
inline constexpr Casella kAvvioPercentualeAffitto{"zeltra", "Text9"};

// --- the owner statement (EstrattoContoPropr) -----------------------------------------
inline constexpr Casella kEstrattoProprietario{"EstrattoContoPropr", "Combo1"};
inline constexpr Casella kEstrattoCodiceProprietario{"EstrattoContoPropr", "Text4"};
inline constexpr Casella kEstrattoRighe{"EstrattoContoPropr", "List1"};
// The filters: balances, advances, expenses, payouts only.
inline constexpr Casella kEstrattoSoloSaldi{"EstrattoContoPropr", "Check1"};
inline constexpr Casella kEstrattoSoloAcconti{"EstrattoContoPropr", "Check2"};
inline constexpr Casella kEstrattoSoloSpese{"EstrattoContoPropr", "Check3"};
inline constexpr Casella kEstrattoSoloVersamenti{"EstrattoContoPropr", "Check4"};

// --- the statement's summary (SINTESICONTOPROP) ----------------------------------------
// Its heading (the owner, the agency's town line, the year) and the sums.
inline constexpr Casella kSintesiNome{"SINTESICONTOPROP", "Text1"};
inline constexpr Casella kSintesiCitta{"SINTESICONTOPROP", "Text2"};
inline constexpr Casella kSintesiAnno{"SINTESICONTOPROP", "Text3"};
inline constexpr Casella kSintesiLordo{"SINTESICONTOPROP", "Text4"};
inline constexpr Casella kSintesiSpese{"SINTESICONTOPROP", "Text5"};
inline constexpr Casella kSintesiVersamenti{"SINTESICONTOPROP", "Text6"};
inline constexpr Casella kSintesiProvvigione{"SINTESICONTOPROP", "Text7"};
inline constexpr Casella kSintesiResiduo{"SINTESICONTOPROP", "Text8"};

// --- the expense (spese): its note and the "expense written" flag ---------------------
inline constexpr Casella kSpesaNota{"spese", "Text9"};
inline constexpr Casella kSpesaScritta{"spese", "Check2"};

// Every box above, for the test that each names a control of its form.
inline constexpr const Casella* kCaselleConti[] = {&kContaContoCorrente,
                                                   &kAvvioAgenzia,
                                                   &kAvvioCitta,
                                                   &kAvvioPercentualeAffitto,
                                                   &kEstrattoProprietario,
                                                   &kEstrattoCodiceProprietario,
                                                   &kEstrattoRighe,
                                                   &kEstrattoSoloSaldi,
                                                   &kEstrattoSoloAcconti,
                                                   &kEstrattoSoloSpese,
                                                   &kEstrattoSoloVersamenti,
                                                   &kSintesiNome,
                                                   &kSintesiCitta,
                                                   &kSintesiAnno,
                                                   &kSintesiLordo,
                                                   &kSintesiSpese,
                                                   &kSintesiVersamenti,
                                                   &kSintesiProvvigione,
                                                   &kSintesiResiduo,
                                                   &kSpesaNota,
                                                   &kSpesaScritta};

}  // namespace ga
