// The boxes of other forms that the bookings' forms and procedures reach (the
// money engine among them: the journal, the notes and the bookings writer
// take their values from the form of the operation), and that only the
// subsystems above the bookings reach besides: each named once by its form's
// and its own name (see records/caselle.h).
#pragma once

#include "records/caselle.h"

namespace ga {

// --- count stores -----------------------------------------------------------------
inline constexpr Casella kContaNote{"prenotazione", "Text23"};
inline constexpr Casella kContaMovimenti{"prenotazione", "Text26"};
inline constexpr Casella kContaSpese{"spese", "Text1"};
// The expense form's copy of the movements count: the number of the
// movement an expense is written with.
inline constexpr Casella kSpesaContaMovimenti{"spese", "Text2"};

// --- the booking page (prenotazione) ------------------------------------------------
inline constexpr Casella kPrenNumero{"prenotazione", "Text1"};
inline constexpr Casella kPrenData{"prenotazione", "Text2"};
inline constexpr Casella kPrenCodiceProprietario{"prenotazione", "Text27"};
inline constexpr Casella kPrenAffitto{"prenotazione", "Text15"};
inline constexpr Casella kPrenAcconto{"prenotazione", "Text16"};
inline constexpr Casella kPrenDiritti{"prenotazione", "Text17"};
inline constexpr Casella kPrenPulizia{"prenotazione", "Text18"};
inline constexpr Casella kPrenCauzione{"prenotazione", "Text19"};
inline constexpr Casella kPrenNota{"prenotazione", "Text20"};
inline constexpr Casella kPrenLetti{"prenotazione", "Text31"};
inline constexpr Casella kPrenConsumi{"prenotazione", "Text32"};
inline constexpr Casella kPrenEnergia{"prenotazione", "Text33"};
inline constexpr Casella kPrenLenzuola{"prenotazione", "Text34"};
// The flags the shared writers set: a note appended, the bookings written,
// a movement appended, the receipt printed.
inline constexpr Casella kNotaScritta{"prenotazione", "Check2"};
inline constexpr Casella kPrenotazioniScritte{"prenotazione", "Check3"};
inline constexpr Casella kMovimentoScritto{"prenotazione", "Check4"};
inline constexpr Casella kRicevutaStampata{"prenotazione", "Check5"};

// --- the start form (zeltra): the agency's minimum deposit ----------------------------
inline constexpr Casella kAvvioDepositoMinimo{"zeltra", "Text11"};

// --- the free-period picker (ModPeriodi): what its opener writes ----------------------
// The period's number, and the heading: a code, the owner's name, the street.
inline constexpr Casella kModPeriodiPeriodo{"ModPeriodi", "Text40"};
inline constexpr Casella kModPeriodiCodice{"ModPeriodi", "Text1"};
inline constexpr Casella kModPeriodiProprietario{"ModPeriodi", "Text2"};
inline constexpr Casella kModPeriodiVia{"ModPeriodi", "Text3"};

// --- the note of a booking (NotaPrenot) -----------------------------------------------
inline constexpr Casella kNotaPrenotazione{"NotaPrenot", "Text1"};
inline constexpr Casella kNotaAppartamento{"NotaPrenot", "Text5"};
inline constexpr Casella kNotaTesto{"NotaPrenot", "Text6"};
inline constexpr Casella kNotaNumero{"NotaPrenot", "Text7"};

// --- the expired-bookings warnings (controlloentruscit) -------------------------------
inline constexpr Casella kControlloAvviso{"controlloentruscit", "Text1"};
inline constexpr Casella kControlloElenco{"controlloentruscit", "List1"};

// --- a client's bookings (VisuPrenotCliente) ------------------------------------------
// The note of the booking picked, and who opened the form ("CONTROLLO": the
// expired-bookings check).
inline constexpr Casella kVisuNota{"VisuPrenotCliente", "Text14"};
inline constexpr Casella kVisuChiamata{"VisuPrenotCliente", "Text18"};

// --- the balance (saldoaff) -----------------------------------------------------------
inline constexpr Casella kSaldoPrenotazione{"saldoaff", "Text3"};
inline constexpr Casella kSaldoCodiceAppartamento{"saldoaff", "Text17"};
inline constexpr Casella kSaldoCodiceProprietario{"saldoaff", "Text16"};
inline constexpr Casella kSaldoResiduo{"saldoaff", "Text10"};
inline constexpr Casella kSaldoVersato{"saldoaff", "Text14"};
inline constexpr Casella kSaldoData{"saldoaff", "Text15"};
// The agency items still to collect, and the ticks that waive them.
inline constexpr Casella kSaldoDirittiDaIncassare{"saldoaff", "Text18"};
inline constexpr Casella kSaldoPuliziaDaIncassare{"saldoaff", "Text19"};
inline constexpr Casella kSaldoCauzioneDaIncassare{"saldoaff", "Text20"};
inline constexpr Casella kSaldoSenzaDiritti{"saldoaff", "Check1"};
inline constexpr Casella kSaldoSenzaPulizia{"saldoaff", "Check2"};
inline constexpr Casella kSaldoSenzaCauzione{"saldoaff", "Check3"};

// --- the revocation (REVOCAPREN) ------------------------------------------------------
inline constexpr Casella kRevocaPrenotazione{"REVOCAPREN", "Text3"};
inline constexpr Casella kRevocaCodiceProprietario{"REVOCAPREN", "Text11"};
inline constexpr Casella kRevocaCodiceAppartamento{"REVOCAPREN", "Text12"};
inline constexpr Casella kRevocaData{"REVOCAPREN", "Text8"};
// The advance given back, and the cleaning and the deposit refunded.
inline constexpr Casella kRevocaRestituito{"REVOCAPREN", "Text7"};
inline constexpr Casella kRevocaPulizia{"REVOCAPREN", "Text9"};
inline constexpr Casella kRevocaCauzione{"REVOCAPREN", "Text10"};

// --- the deposit refund (RESTCAUZ) ----------------------------------------------------
inline constexpr Casella kCauzionePrenotazione{"RESTCAUZ", "Text1"};
inline constexpr Casella kCauzioneCodiceProprietario{"RESTCAUZ", "Text4"};
inline constexpr Casella kCauzioneAppartamento{"RESTCAUZ", "Text5"};
inline constexpr Casella kCauzioneRimborso{"RESTCAUZ", "Text3"};
inline constexpr Casella kCauzioneData{"RESTCAUZ", "Label12"};
inline constexpr Casella kCauzioneNota{"RESTCAUZ", "NOTE"};
inline constexpr Casella kCauzioneNumeroNota{"RESTCAUZ", "Text7"};

// --- the expense (spese) and the owner payout (SaldoProprietario) ---------------------
inline constexpr Casella kSpesaCodiceProprietario{"spese", "Text4"};
inline constexpr Casella kSpesaAppartamento{"spese", "Text5"};
inline constexpr Casella kSpesaImporto{"spese", "Text8"};
inline constexpr Casella kSpesaData{"spese", "DTPicker1"};
inline constexpr Casella kVersamentoImporto{"SaldoProprietario", "Text5"};
inline constexpr Casella kVersamentoData{"SaldoProprietario", "DTPicker1"};

// Every box above, for the test that each names a control of its form.
inline constexpr const Casella* kCasellePrenotazioni[] = {
    &kContaNote, &kContaMovimenti, &kContaSpese, &kSpesaContaMovimenti, &kPrenNumero, &kPrenData,
    &kPrenCodiceProprietario, &kPrenAffitto, &kPrenAcconto, &kPrenDiritti, &kPrenPulizia,
    &kPrenCauzione, &kPrenNota, &kPrenLetti, &kPrenConsumi, &kPrenEnergia, &kPrenLenzuola,
    &kNotaScritta, &kPrenotazioniScritte, &kMovimentoScritto, &kRicevutaStampata,
    &kAvvioDepositoMinimo, &kModPeriodiPeriodo, &kModPeriodiCodice, &kModPeriodiProprietario,
    &kModPeriodiVia, &kNotaPrenotazione, &kNotaAppartamento, &kNotaTesto, &kNotaNumero,
    &kControlloAvviso, &kControlloElenco, &kVisuNota, &kVisuChiamata, &kSaldoPrenotazione,
    &kSaldoCodiceAppartamento, &kSaldoCodiceProprietario, &kSaldoResiduo, &kSaldoVersato,
    &kSaldoData, &kSaldoDirittiDaIncassare, &kSaldoPuliziaDaIncassare, &kSaldoCauzioneDaIncassare,
    &kSaldoSenzaDiritti, &kSaldoSenzaPulizia, &kSaldoSenzaCauzione, &kRevocaPrenotazione,
    &kRevocaCodiceProprietario, &kRevocaCodiceAppartamento, &kRevocaData, &kRevocaRestituito,
    &kRevocaPulizia, &kRevocaCauzione, &kCauzionePrenotazione, &kCauzioneCodiceProprietario,
    &kCauzioneAppartamento, &kCauzioneRimborso, &kCauzioneData, &kCauzioneNota,
    &kCauzioneNumeroNota, &kSpesaCodiceProprietario, &kSpesaAppartamento, &kSpesaImporto,
    &kSpesaData, &kVersamentoImporto, &kVersamentoData};

}  // namespace ga
