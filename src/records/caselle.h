// The boxes of forms that the registers' loaders and writers (this layer)
// reach, and those that subsystems with no common layer above this one
// share: each named once by its form's and its own name. The count stores
// (hidden boxes holding a table's count, read as numbers) and the boxes that
// carry a value from form to form are here; a box only one subsystem and
// those above it reach is in that subsystem's caselle.h.
#pragma once

#include "records/app.h"

namespace ga {

// --- count stores ---------------------------------------------------------------
inline constexpr Casella kContaPrenotazioni{"prenotazione", "Text21"};
inline constexpr Casella kContaClienti{"prenotazione", "Text22"};
inline constexpr Casella kContaAppartamenti{"appartament", "Text23"};
inline constexpr Casella kContaPeriodi{"appartament", "Text26"};
inline constexpr Casella kContaVie{"appartament", "Text45"};
inline constexpr Casella kContaProprietari{"PROPRIETARI", "Text1"};
inline constexpr Casella kContaBanche{"COORDBANCA", "Text19"};
inline constexpr Casella kContaFatture{"fattura", "Text6"};
inline constexpr Casella kContaNote{"prenotazione", "Text23"};
inline constexpr Casella kContaMovimenti{"prenotazione", "Text26"};
inline constexpr Casella kContaSpese{"spese", "Text1"};
// Copies of a count kept by the form that shows it.
inline constexpr Casella kNomiConta{"insnomi", "Text8"};            // clients
inline constexpr Casella kModPeriodiConta{"ModPeriodi", "Text26"};  // periods
// The expense form's copy of the movements count: the number of the
// movement an expense is written with.
inline constexpr Casella kSpesaContaMovimenti{"spese", "Text2"};

// --- folders --------------------------------------------------------------------
inline constexpr Casella kCartellaProgramma{"zeltra", "Text17"};
inline constexpr Casella kCartellaDati{"MENU", "Text1"};

// --- the booking page (prenotazione) --------------------------------------------
inline constexpr Casella kPrenNumero{"prenotazione", "Text1"};
inline constexpr Casella kPrenData{"prenotazione", "Text2"};
inline constexpr Casella kPrenAppartamento{"prenotazione", "Text7"};  // its code
inline constexpr Casella kPrenCodiceProprietario{"prenotazione", "Text27"};
inline constexpr Casella kPrenPeriodo{"prenotazione", "Text28"};  // its number
inline constexpr Casella kPrenArrivo{"prenotazione", "Text5"};
inline constexpr Casella kPrenPartenza{"prenotazione", "Text6"};
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
// a movement appended.
inline constexpr Casella kNotaScritta{"prenotazione", "Check2"};
inline constexpr Casella kPrenotazioniScritte{"prenotazione", "Check3"};
inline constexpr Casella kMovimentoScritto{"prenotazione", "Check4"};
// Its client block, which the clients writer takes the client from; the
// client's record number and the "client written" flag.
inline constexpr Casella kClienteCodice{"prenotazione", "Text25"};
inline constexpr Casella kClienteNome{"prenotazione", "Text8"};
inline constexpr Casella kClienteVia{"prenotazione", "Text10"};
inline constexpr Casella kClienteCap{"prenotazione", "Text11"};
inline constexpr Casella kClienteCitta{"prenotazione", "Text12"};
inline constexpr Casella kClienteTelefono{"prenotazione", "Text13"};
inline constexpr Casella kClienteProvincia{"prenotazione", "Text14"};
inline constexpr Casella kClienteCodiceFiscale{"prenotazione", "Text9"};
inline constexpr Casella kClienteEmail{"prenotazione", "Text30"};
inline constexpr Casella kClienteComuni{"prenotazione", "List2"};
inline constexpr Casella kClienteRecord{"prenotazione", "Text24"};
inline constexpr Casella kClienteScritto{"prenotazione", "Check1"};

// --- the apartment card (appartament) ---------------------------------------------
inline constexpr Casella kSchedaCodiceProprietario{"appartament", "Text1"};
inline constexpr Casella kSchedaCodice{"appartament", "Text44"};
inline constexpr Casella kSchedaVia{"appartament", "Text2"};
inline constexpr Casella kSchedaCivico{"appartament", "Text3"};
inline constexpr Casella kSchedaMonolocale{"appartament", "Option1"};
inline constexpr Casella kSchedaBilocale{"appartament", "Option2"};
inline constexpr Casella kSchedaTrilocale{"appartament", "Option3"};
inline constexpr Casella kSchedaQuadrilocale{"appartament", "Option4"};
inline constexpr Casella kSchedaSoggiorno{"appartament", "Text4"};
inline constexpr Casella kSchedaBagni{"appartament", "Text5"};
inline constexpr Casella kSchedaGiardino{"appartament", "Text6"};
inline constexpr Casella kSchedaPiano{"appartament", "Text7"};
inline constexpr Casella kSchedaPostiLetto{"appartament", "Text8"};
inline constexpr Casella kSchedaPeriodicita{"appartament", "Combo2"};
inline constexpr Casella kSchedaNote{"appartament", "Text9"};
// The records the card writes (apartment, street, period), and what it
// keeps of the writes: "OK" once the apartment, or the periods, are written.
inline constexpr Casella kSchedaRecord{"appartament", "Text27"};
inline constexpr Casella kSchedaRecordVia{"appartament", "Text46"};
inline constexpr Casella kSchedaPeriodo{"appartament", "Text40"};
inline constexpr Casella kSchedaScritta{"appartament", "Text25"};
inline constexpr Casella kSchedaPeriodiScritti{"appartament", "Text43"};
inline constexpr Casella kSchedaRigheAperte{"appartament", "Text42"};
// The period grid's rows: the start and end dates (two per row), the price
// and the state.
inline constexpr Famiglia kSchedaDate{"appartament", "DTPICKER", 1, 32};
inline constexpr Famiglia kSchedaPrezzi{"appartament", "prez", 10, 25};
inline constexpr Famiglia kSchedaStati{"appartament", "situ", 28, 43};

// --- the owner card (PROPRIETARI) --------------------------------------------------
inline constexpr Casella kPropRecord{"PROPRIETARI", "Text8"};
inline constexpr Casella kPropNome{"PROPRIETARI", "Text2"};
inline constexpr Casella kPropVia{"PROPRIETARI", "Text3"};
inline constexpr Casella kPropCitta{"PROPRIETARI", "Text4"};
inline constexpr Casella kPropProvincia{"PROPRIETARI", "Text10"};
inline constexpr Casella kPropCap{"PROPRIETARI", "Text9"};
inline constexpr Casella kPropTelefono{"PROPRIETARI", "Text6"};
inline constexpr Casella kPropCodice{"PROPRIETARI", "Text7"};
inline constexpr Casella kPropCodiceFiscale{"PROPRIETARI", "Text5"};
inline constexpr Casella kPropEmail{"PROPRIETARI", "Text11"};
inline constexpr Casella kPropProvvigione{"PROPRIETARI", "Option1"};
inline constexpr Casella kPropContratto{"PROPRIETARI", "Option2"};
inline constexpr Casella kPropComuni{"PROPRIETARI", "List1"};

// --- the clients register (insnomi): its town boxes ----------------------------------
inline constexpr Casella kNomiCitta{"insnomi", "Text4"};
inline constexpr Casella kNomiCap{"insnomi", "Text3"};
inline constexpr Casella kNomiProvincia{"insnomi", "Text6"};
inline constexpr Casella kNomiComuni{"insnomi", "List1"};

// --- the bank coordinates (COORDBANCA) ------------------------------------------------
inline constexpr Casella kBancaRecord{"COORDBANCA", "Text3"};
inline constexpr Casella kBancaCodiceProprietario{"COORDBANCA", "Text2"};
inline constexpr Casella kBancaNome{"COORDBANCA", "Text14"};
inline constexpr Casella kBancaIntestatario{"COORDBANCA", "Text13"};
inline constexpr Casella kBancaConto{"COORDBANCA", "Text16"};
inline constexpr Casella kBancaCitta{"COORDBANCA", "Text15"};
inline constexpr Casella kBancaIban{"COORDBANCA", "Text17"};
inline constexpr Casella kBancaCodiceAccesso{"COORDBANCA", "Text4"};

// --- the agency's settings (PersonalizzaAgenzia) ---------------------------------------
inline constexpr Casella kAgenziaNome{"PersonalizzaAgenzia", "Text1"};
inline constexpr Casella kAgenziaVia{"PersonalizzaAgenzia", "Text2"};
inline constexpr Casella kAgenziaCitta{"PersonalizzaAgenzia", "Text3"};
inline constexpr Casella kAgenziaTelefono{"PersonalizzaAgenzia", "Text4"};
inline constexpr Casella kAgenziaPartitaIva{"PersonalizzaAgenzia", "Text5"};
inline constexpr Casella kAgenziaTitolare{"PersonalizzaAgenzia", "Text6"};
inline constexpr Casella kAgenziaTelefonoResponsabile{"PersonalizzaAgenzia", "Text7"};
inline constexpr Casella kAgenziaDiritti{"PersonalizzaAgenzia", "Text8"};
inline constexpr Casella kAgenziaPercentualeAffitto{"PersonalizzaAgenzia", "Text9"};
inline constexpr Casella kAgenziaPercentualeIva{"PersonalizzaAgenzia", "Text10"};
inline constexpr Casella kAgenziaDepositoMinimo{"PersonalizzaAgenzia", "Text11"};
inline constexpr Casella kAgenziaPulizia{"PersonalizzaAgenzia", "Text12"};
inline constexpr Casella kAgenziaEmail{"PersonalizzaAgenzia", "Text20"};
inline constexpr Casella kAgenziaPercentualeCauzione{"PersonalizzaAgenzia", "Text21"};
inline constexpr Casella kAgenziaCap{"PersonalizzaAgenzia", "Text22"};
inline constexpr Casella kAgenziaComuni{"PersonalizzaAgenzia", "List1"};
// Check-in and check-out hours of the four kinds of letting.
inline constexpr Casella kAgenziaIngressoA{"PersonalizzaAgenzia", "Text19"};
inline constexpr Casella kAgenziaUscitaA{"PersonalizzaAgenzia", "Text23"};
inline constexpr Casella kAgenziaIngressoB{"PersonalizzaAgenzia", "Text24"};
inline constexpr Casella kAgenziaUscitaB{"PersonalizzaAgenzia", "Text25"};
inline constexpr Casella kAgenziaIngressoC{"PersonalizzaAgenzia", "Text26"};
inline constexpr Casella kAgenziaUscitaC{"PersonalizzaAgenzia", "Text27"};
inline constexpr Casella kAgenziaIngressoD{"PersonalizzaAgenzia", "Text28"};
inline constexpr Casella kAgenziaUscitaD{"PersonalizzaAgenzia", "Text29"};
// Whom a cheque is made out to: the agency, the owner, or the name typed.
inline constexpr Casella kAgenziaAssegnoAgenzia{"PersonalizzaAgenzia", "Option1"};
inline constexpr Casella kAgenziaAssegnoProprietario{"PersonalizzaAgenzia", "Option2"};
inline constexpr Casella kAgenziaAssegnoAltri{"PersonalizzaAgenzia", "Option3"};
inline constexpr Casella kAgenziaIntestatarioAssegno{"PersonalizzaAgenzia", "Text30"};
inline constexpr Casella kAgenziaIvaSi{"PersonalizzaAgenzia", "Option4"};
inline constexpr Casella kAgenziaIvaNo{"PersonalizzaAgenzia", "Option5"};
inline constexpr Casella kAgenziaCostoLenzuola{"PersonalizzaAgenzia", "Text31"};
inline constexpr Casella kAgenziaCostoLetto{"PersonalizzaAgenzia", "Text32"};
// The agency's own bank account.
inline constexpr Casella kAgenziaBanca{"PersonalizzaAgenzia", "Text14"};
inline constexpr Casella kAgenziaIntestatarioConto{"PersonalizzaAgenzia", "Text13"};
inline constexpr Casella kAgenziaConto{"PersonalizzaAgenzia", "Text16"};
inline constexpr Casella kAgenziaCittaBanca{"PersonalizzaAgenzia", "Text15"};
inline constexpr Casella kAgenziaIban{"PersonalizzaAgenzia", "Text17"};
inline constexpr Casella kAgenziaCodiceAccesso{"PersonalizzaAgenzia", "Text18"};

// --- the note of a booking (NotaPrenot) -----------------------------------------------
inline constexpr Casella kNotaPrenotazione{"NotaPrenot", "Text1"};
inline constexpr Casella kNotaAppartamento{"NotaPrenot", "Text5"};
inline constexpr Casella kNotaTesto{"NotaPrenot", "Text6"};
inline constexpr Casella kNotaNumero{"NotaPrenot", "Text7"};

// --- a client's bookings (VisuPrenotCliente): the booking picked ----------------------
// Its period number and its note.
inline constexpr Casella kVisuPeriodo{"VisuPrenotCliente", "Text15"};
inline constexpr Casella kVisuNota{"VisuPrenotCliente", "Text14"};

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
// Its booking line (from the apartment on) and its period
// ("n - arrival - departure"); the revocation's date.
inline constexpr Casella kRevocaAppartamento{"REVOCAPREN", "Text1"};
inline constexpr Casella kRevocaPeriodo{"REVOCAPREN", "Text6"};
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

// --- the invoice (fattura) -------------------------------------------------------------
inline constexpr Casella kFatturaNumero{"fattura", "Text4"};
inline constexpr Casella kFatturaData{"fattura", "Text5"};
// The party: a client's code or an owner's record number.
inline constexpr Casella kFatturaIntestatario{"fattura", "Text14"};
inline constexpr Casella kFatturaDescrizione{"fattura", "Text1"};
inline constexpr Casella kFatturaImponibile{"fattura", "Text2"};
inline constexpr Casella kFatturaIva{"fattura", "Text3"};
inline constexpr Casella kFatturaRitenuta{"fattura", "Text12"};
inline constexpr Casella kFatturaTotale{"fattura", "Text13"};
// The party's tax code or VAT number, as the form shows it.
inline constexpr Casella kFatturaCodiceFiscale{"fattura", "Text11"};
// The tax regime's four ticks, in the order of the regime's number in the
// register (tax code, VAT number, VAT number with withholding, exempt), and
// the "invoice written" flag.
inline constexpr Casella kFatturaRegimeCodiceFiscale{"fattura", "Check1"};
inline constexpr Casella kFatturaRegimePartitaIva{"fattura", "Check2"};
inline constexpr Casella kFatturaRegimeRitenuta{"fattura", "Check3"};
inline constexpr Casella kFatturaRegimeEsente{"fattura", "Check4"};
inline constexpr Casella kFatturaRegimi[] = {kFatturaRegimeCodiceFiscale, kFatturaRegimePartitaIva,
                                             kFatturaRegimeRitenuta, kFatturaRegimeEsente};
inline constexpr Casella kFatturaScritta{"fattura", "Check5"};

// --- the owner payout (SaldoProprietario) and the expense (spese) ----------------------
// The owner and the amount due, which the owner statement fills and the
// menu clears; the payout's date and amount.
inline constexpr Casella kVersamentoNome{"SaldoProprietario", "Text1"};
inline constexpr Casella kVersamentoVia{"SaldoProprietario", "Text2"};
inline constexpr Casella kVersamentoCitta{"SaldoProprietario", "Text3"};
inline constexpr Casella kVersamentoDovuto{"SaldoProprietario", "Text4"};
inline constexpr Casella kVersamentoCodiceProprietario{"SaldoProprietario", "Text8"};
inline constexpr Casella kVersamentoData{"SaldoProprietario", "DTPicker1"};
inline constexpr Casella kVersamentoImporto{"SaldoProprietario", "Text5"};
// The expense's owner, apartment, date and amount, and what is still due
// to the owner.
inline constexpr Casella kSpesaCodiceProprietario{"spese", "Text4"};
inline constexpr Casella kSpesaAppartamento{"spese", "Text5"};
inline constexpr Casella kSpesaData{"spese", "DTPicker1"};
inline constexpr Casella kSpesaImporto{"spese", "Text8"};
inline constexpr Casella kSpesaDisponibile{"spese", "Text10"};

// Every box above, for the test that each names a control of its form.
inline constexpr const Casella* kCaselleArchivi[] = {&kContaPrenotazioni,
                                                     &kContaClienti,
                                                     &kContaAppartamenti,
                                                     &kContaPeriodi,
                                                     &kContaVie,
                                                     &kContaProprietari,
                                                     &kContaBanche,
                                                     &kContaFatture,
                                                     &kContaNote,
                                                     &kContaMovimenti,
                                                     &kContaSpese,
                                                     &kNomiConta,
                                                     &kModPeriodiConta,
                                                     &kSpesaContaMovimenti,
                                                     &kCartellaProgramma,
                                                     &kCartellaDati,
                                                     &kPrenNumero,
                                                     &kPrenData,
                                                     &kPrenAppartamento,
                                                     &kPrenCodiceProprietario,
                                                     &kPrenPeriodo,
                                                     &kPrenArrivo,
                                                     &kPrenPartenza,
                                                     &kPrenAffitto,
                                                     &kPrenAcconto,
                                                     &kPrenDiritti,
                                                     &kPrenPulizia,
                                                     &kPrenCauzione,
                                                     &kPrenNota,
                                                     &kPrenLetti,
                                                     &kPrenConsumi,
                                                     &kPrenEnergia,
                                                     &kPrenLenzuola,
                                                     &kNotaScritta,
                                                     &kPrenotazioniScritte,
                                                     &kMovimentoScritto,
                                                     &kClienteCodice,
                                                     &kClienteNome,
                                                     &kClienteVia,
                                                     &kClienteCap,
                                                     &kClienteCitta,
                                                     &kClienteTelefono,
                                                     &kClienteProvincia,
                                                     &kClienteCodiceFiscale,
                                                     &kClienteEmail,
                                                     &kClienteComuni,
                                                     &kClienteRecord,
                                                     &kClienteScritto,
                                                     &kSchedaCodiceProprietario,
                                                     &kSchedaCodice,
                                                     &kSchedaVia,
                                                     &kSchedaCivico,
                                                     &kSchedaMonolocale,
                                                     &kSchedaBilocale,
                                                     &kSchedaTrilocale,
                                                     &kSchedaQuadrilocale,
                                                     &kSchedaSoggiorno,
                                                     &kSchedaBagni,
                                                     &kSchedaGiardino,
                                                     &kSchedaPiano,
                                                     &kSchedaPostiLetto,
                                                     &kSchedaPeriodicita,
                                                     &kSchedaNote,
                                                     &kSchedaRecord,
                                                     &kSchedaRecordVia,
                                                     &kSchedaPeriodo,
                                                     &kSchedaScritta,
                                                     &kSchedaPeriodiScritti,
                                                     &kSchedaRigheAperte,
                                                     &kPropRecord,
                                                     &kPropNome,
                                                     &kPropVia,
                                                     &kPropCitta,
                                                     &kPropProvincia,
                                                     &kPropCap,
                                                     &kPropTelefono,
                                                     &kPropCodice,
                                                     &kPropCodiceFiscale,
                                                     &kPropEmail,
                                                     &kPropProvvigione,
                                                     &kPropContratto,
                                                     &kPropComuni,
                                                     &kNomiCitta,
                                                     &kNomiCap,
                                                     &kNomiProvincia,
                                                     &kNomiComuni,
                                                     &kBancaRecord,
                                                     &kBancaCodiceProprietario,
                                                     &kBancaNome,
                                                     &kBancaIntestatario,
                                                     &kBancaConto,
                                                     &kBancaCitta,
                                                     &kBancaIban,
                                                     &kBancaCodiceAccesso,
                                                     &kAgenziaNome,
                                                     &kAgenziaVia,
                                                     &kAgenziaCitta,
                                                     &kAgenziaTelefono,
                                                     &kAgenziaPartitaIva,
                                                     &kAgenziaTitolare,
                                                     &kAgenziaTelefonoResponsabile,
                                                     &kAgenziaDiritti,
                                                     &kAgenziaPercentualeAffitto,
                                                     &kAgenziaPercentualeIva,
                                                     &kAgenziaDepositoMinimo,
                                                     &kAgenziaPulizia,
                                                     &kAgenziaEmail,
                                                     &kAgenziaPercentualeCauzione,
                                                     &kAgenziaCap,
                                                     &kAgenziaComuni,
                                                     &kAgenziaIngressoA,
                                                     &kAgenziaUscitaA,
                                                     &kAgenziaIngressoB,
                                                     &kAgenziaUscitaB,
                                                     &kAgenziaIngressoC,
                                                     &kAgenziaUscitaC,
                                                     &kAgenziaIngressoD,
                                                     &kAgenziaUscitaD,
                                                     &kAgenziaAssegnoAgenzia,
                                                     &kAgenziaAssegnoProprietario,
                                                     &kAgenziaAssegnoAltri,
                                                     &kAgenziaIntestatarioAssegno,
                                                     &kAgenziaIvaSi,
                                                     &kAgenziaIvaNo,
                                                     &kAgenziaCostoLenzuola,
                                                     &kAgenziaCostoLetto,
                                                     &kAgenziaBanca,
                                                     &kAgenziaIntestatarioConto,
                                                     &kAgenziaConto,
                                                     &kAgenziaCittaBanca,
                                                     &kAgenziaIban,
                                                     &kAgenziaCodiceAccesso,
                                                     &kNotaPrenotazione,
                                                     &kNotaAppartamento,
                                                     &kNotaTesto,
                                                     &kNotaNumero,
                                                     &kVisuPeriodo,
                                                     &kVisuNota,
                                                     &kSaldoPrenotazione,
                                                     &kSaldoCodiceAppartamento,
                                                     &kSaldoCodiceProprietario,
                                                     &kSaldoResiduo,
                                                     &kSaldoVersato,
                                                     &kSaldoData,
                                                     &kSaldoDirittiDaIncassare,
                                                     &kSaldoPuliziaDaIncassare,
                                                     &kSaldoCauzioneDaIncassare,
                                                     &kSaldoSenzaDiritti,
                                                     &kSaldoSenzaPulizia,
                                                     &kSaldoSenzaCauzione,
                                                     &kRevocaPrenotazione,
                                                     &kRevocaCodiceProprietario,
                                                     &kRevocaCodiceAppartamento,
                                                     &kRevocaAppartamento,
                                                     &kRevocaPeriodo,
                                                     &kRevocaData,
                                                     &kRevocaRestituito,
                                                     &kRevocaPulizia,
                                                     &kRevocaCauzione,
                                                     &kCauzionePrenotazione,
                                                     &kCauzioneCodiceProprietario,
                                                     &kCauzioneAppartamento,
                                                     &kCauzioneRimborso,
                                                     &kCauzioneData,
                                                     &kCauzioneNota,
                                                     &kCauzioneNumeroNota,
                                                     &kFatturaNumero,
                                                     &kFatturaData,
                                                     &kFatturaIntestatario,
                                                     &kFatturaDescrizione,
                                                     &kFatturaImponibile,
                                                     &kFatturaIva,
                                                     &kFatturaRitenuta,
                                                     &kFatturaTotale,
                                                     &kFatturaCodiceFiscale,
                                                     &kFatturaRegimeCodiceFiscale,
                                                     &kFatturaRegimePartitaIva,
                                                     &kFatturaRegimeRitenuta,
                                                     &kFatturaRegimeEsente,
                                                     &kFatturaScritta,
                                                     &kVersamentoNome,
                                                     &kVersamentoVia,
                                                     &kVersamentoCitta,
                                                     &kVersamentoDovuto,
                                                     &kVersamentoCodiceProprietario,
                                                     &kVersamentoData,
                                                     &kVersamentoImporto,
                                                     &kSpesaCodiceProprietario,
                                                     &kSpesaAppartamento,
                                                     &kSpesaData,
                                                     &kSpesaImporto,
                                                     &kSpesaDisponibile};
inline constexpr const Famiglia* kFamiglieArchivi[] = {&kSchedaDate, &kSchedaPrezzi, &kSchedaStati};

}  // namespace ga
