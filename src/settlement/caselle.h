// The boxes of other forms that the settlement's forms and procedures reach,
// and that only the subsystems above the settlement reach besides: each named
// once by its form's and its own name (see records/caselle.h).
#pragma once

#include "bookings/caselle.h"
#include "registry/caselle.h"

namespace ga {

// --- a client's bookings (VisuPrenotCliente): the booking picked ---------------------
// Its number and figures: rent, advance, balance paid, residual; the agency
// items booked; the refund of a revoked booking.
inline constexpr Casella kVisuPrenotazione{"VisuPrenotCliente", "Text6"};
inline constexpr Casella kVisuAffitto{"VisuPrenotCliente", "Text7"};
inline constexpr Casella kVisuAcconto{"VisuPrenotCliente", "Text8"};
inline constexpr Casella kVisuSaldato{"VisuPrenotCliente", "Text9"};
inline constexpr Casella kVisuResiduo{"VisuPrenotCliente", "Text10"};
inline constexpr Casella kVisuDiritti{"VisuPrenotCliente", "Text11"};
inline constexpr Casella kVisuPulizia{"VisuPrenotCliente", "Text12"};
inline constexpr Casella kVisuCauzione{"VisuPrenotCliente", "Text13"};
inline constexpr Casella kVisuRestituito{"VisuPrenotCliente", "Text16"};
// The frame of the note, and the commands on the booking picked.
inline constexpr Casella kVisuRiquadroNota{"VisuPrenotCliente", "NOTA"};
inline constexpr Casella kVisuSalda{"VisuPrenotCliente", "SALDO"};
inline constexpr Casella kVisuRevoca{"VisuPrenotCliente", "REVOCA"};
inline constexpr Casella kVisuModifica{"VisuPrenotCliente", "MODIFICA"};

// --- the balance (saldoaff): the booking, its figures and the items booked ------------
inline constexpr Casella kSaldoAppartamento{"saldoaff", "Text1"};
inline constexpr Casella kSaldoCliente{"saldoaff", "Text4"};
inline constexpr Casella kSaldoCitta{"saldoaff", "Text5"};
inline constexpr Casella kSaldoPeriodo{"saldoaff", "Text6"};
inline constexpr Casella kSaldoAffitto{"saldoaff", "Text7"};
inline constexpr Casella kSaldoAcconto{"saldoaff", "Text8"};
inline constexpr Casella kSaldoSaldato{"saldoaff", "Text9"};
inline constexpr Casella kSaldoDirittiPrenotati{"saldoaff", "Text11"};
inline constexpr Casella kSaldoPuliziaPrenotata{"saldoaff", "Text12"};
inline constexpr Casella kSaldoCauzionePrenotata{"saldoaff", "Text13"};

// --- the revocation (REVOCAPREN): the client and the advance paid ---------------------
inline constexpr Casella kRevocaCliente{"REVOCAPREN", "Text4"};
inline constexpr Casella kRevocaCitta{"REVOCAPREN", "Text5"};
inline constexpr Casella kRevocaAcconto{"REVOCAPREN", "Text2"};

// --- the deposit refund (RESTCAUZ) ------------------------------------------------------
// The booking's line picked, the deposit paid, and the booking's note.
inline constexpr Casella kCauzioneRiga{"RESTCAUZ", "Label7"};
inline constexpr Casella kCauzioneVersata{"RESTCAUZ", "Label9"};
inline constexpr Casella kCauzioneTestoNota{"RESTCAUZ", "Text6"};

// --- the invoice (fattura): the rows of the client's bookings listed ------------------
inline constexpr Casella kFatturaRighePrenotazioni{"fattura", "Text16"};

// Every box above, for the test that each names a control of its form.
inline constexpr const Casella* kCaselleSaldi[] = {&kVisuPrenotazione,
                                                   &kVisuAffitto,
                                                   &kVisuAcconto,
                                                   &kVisuSaldato,
                                                   &kVisuResiduo,
                                                   &kVisuDiritti,
                                                   &kVisuPulizia,
                                                   &kVisuCauzione,
                                                   &kVisuRestituito,
                                                   &kVisuRiquadroNota,
                                                   &kVisuSalda,
                                                   &kVisuRevoca,
                                                   &kVisuModifica,
                                                   &kSaldoAppartamento,
                                                   &kSaldoCliente,
                                                   &kSaldoCitta,
                                                   &kSaldoPeriodo,
                                                   &kSaldoAffitto,
                                                   &kSaldoAcconto,
                                                   &kSaldoSaldato,
                                                   &kSaldoDirittiPrenotati,
                                                   &kSaldoPuliziaPrenotata,
                                                   &kSaldoCauzionePrenotata,
                                                   &kRevocaCliente,
                                                   &kRevocaCitta,
                                                   &kRevocaAcconto,
                                                   &kCauzioneRiga,
                                                   &kCauzioneVersata,
                                                   &kCauzioneTestoNota,
                                                   &kFatturaRighePrenotazioni};

}  // namespace ga
