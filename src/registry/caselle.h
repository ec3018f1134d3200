// The boxes of other forms that the registry's forms and procedures reach,
// and that only the subsystems above the registry reach besides: each named
// once by its form's and its own name (see records/caselle.h).
#pragma once

#include "records/caselle.h"

namespace ga {

// --- the bank coordinates (COORDBANCA): the owner they are opened for --------------
inline constexpr Casella kBancaProprietario{"COORDBANCA", "Text1"};

// --- the apartment card (appartament): the owner chosen, or shown by name -----------
inline constexpr Casella kSchedaProprietari{"appartament", "Combo1"};
inline constexpr Casella kSchedaProprietario{"appartament", "Text24"};

// --- a client's bookings (VisuPrenotCliente) ---------------------------------------
// The client shown, its record in the clients table, and its bookings.
inline constexpr Casella kVisuCodiceCliente{"VisuPrenotCliente", "Text5"};
inline constexpr Casella kVisuNome{"VisuPrenotCliente", "Text1"};
inline constexpr Casella kVisuCodiceFiscale{"VisuPrenotCliente", "Text2"};
inline constexpr Casella kVisuCitta{"VisuPrenotCliente", "Text3"};
inline constexpr Casella kVisuVia{"VisuPrenotCliente", "Text4"};
inline constexpr Casella kVisuRecordCliente{"VisuPrenotCliente", "Text17"};
inline constexpr Casella kVisuPrenotazioni{"VisuPrenotCliente", "List1"};
// The steps to the next and the previous client with the same name.
inline constexpr Casella kVisuSuccessivo{"VisuPrenotCliente", "AVANTI"};
inline constexpr Casella kVisuPrecedente{"VisuPrenotCliente", "RETRO"};

// --- the invoice (fattura): the party found by name ----------------------------------
// The first match's code, its name, street, address line and tax code, the
// names found and the way to change the party.
inline constexpr Casella kFatturaCodiceTrovato{"fattura", "Text7"};
inline constexpr Casella kFatturaNome{"fattura", "Text8"};
inline constexpr Casella kFatturaVia{"fattura", "Text9"};
inline constexpr Casella kFatturaIndirizzo{"fattura", "Text10"};
// (the tax code, kFatturaCodiceFiscale, is in records/caselle.h: the
// invoice register keeps a code typed there)
inline constexpr Casella kFatturaNomiTrovati{"fattura", "List1"};
inline constexpr Casella kFatturaCambia{"fattura", "cambia"};

// Every box above, for the test that each names a control of its form.
inline constexpr const Casella* kCaselleAnagrafiche[] = {&kBancaProprietario,
                                                         &kSchedaProprietari,
                                                         &kSchedaProprietario,
                                                         &kVisuCodiceCliente,
                                                         &kVisuNome,
                                                         &kVisuCodiceFiscale,
                                                         &kVisuCitta,
                                                         &kVisuVia,
                                                         &kVisuRecordCliente,
                                                         &kVisuPrenotazioni,
                                                         &kVisuSuccessivo,
                                                         &kVisuPrecedente,
                                                         &kFatturaCodiceTrovato,
                                                         &kFatturaNome,
                                                         &kFatturaVia,
                                                         &kFatturaIndirizzo,
                                                         &kFatturaNomiTrovati,
                                                         &kFatturaCambia};

}  // namespace ga
