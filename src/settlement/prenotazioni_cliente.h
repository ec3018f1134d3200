// A client's bookings of the management year and the money state of one of
// them, shown on `VisuPrenotCliente` and handed on to the balance
// (`saldoaff`), revocation (`REVOCAPREN`) and deposit-refund (`RESTCAUZ`)
// forms and to the invoice form.
//
// The booking row. Each row of `VisuPrenotCliente.List1` (and of
// `righe_prenotazioni_cliente`) is, with nothing between the pieces:
//
//   " "                                          one blank
//   booking number, left-padded with blanks to 4   (its line in the bookings file)
//   " - "
//   apartment code, left-padded with "0" to 4      (bookings field 0)
//   " - "
//   owner code, as stored                          (apartments field 0)
//   " - "
//   owner's name, right-padded with blanks to 24   (owners field 0; never cut)
//   " - "
//   street name, right-padded with blanks to 24    (streets field 2; never cut)
//   " - "
//   arrival date, as stored                        (bookings field 2)
//   " - "
//   departure date, as stored                      (bookings field 3)
//
// e.g. "    7 - 0012 - 0003 - ALFA" + 20 blanks + " - " + street ... With a
// four-digit owner code, names of at most 24 characters and dates
// "dd/mm/yyyy" a row has 99 characters, and the receivers cut it so:
//   - characters 9 to 12 (from 1) are the apartment code;
//   - the first 60 characters hold the number, the apartment code, the owner
//     code and the owner's name;
//   - the last 30 characters are the last 4 characters of the street piece,
//     " - ", the arrival and " - ", the departure: split at "-" they give the
//     arrival as piece 1 and the departure as piece 2 (counted from 0);
//   - the whole row split at "-" gives the booking number (with its blanks)
//     as piece 0, the apartment code as piece 1, the owner code as piece 2.
// An apartment, owner or street that cannot be found leaves its pieces
// empty (padded as above), never another booking's values.
//
// The cuts are for the eye only. Each row of the list carries its booking
// number, and the values a form acts on (booking number, apartment and
// owner codes, dates) are taken from the pieces kept beside the rows: from
// booking 10000 on, or with an apartment code of five digits, the columns
// shift.
#pragma once

#include <string>
#include <vector>

#include "records/app.h"

namespace ga {

struct PezziRigaPrenotazione {
    long numero = 0;
    std::string appartamento, proprietario, nome_proprietario, via, arrivo, partenza;
};
// The booking row made of its pieces, padded as above.
std::string riga_prenotazione_cliente(const PezziRigaPrenotazione& p);

// Rows of the last listing: row k at index k (from 1; index 0 unused). The
// listing stores every row of the client, without a limit of its own.
std::vector<std::string>& righe_prenotazioni_cliente(App& app);

// The pieces of the row picked in `VisuPrenotCliente.List1`, found by the
// booking number the row carries; nullptr when no row is picked.
const PezziRigaPrenotazione* prenotazione_cliente_scelta(App& app);

// Lists the bookings of the client whose code is in `VisuPrenotCliente.Text5`
// (in `fattura.Text14` when `modo_chiamata` is "fatturaz") into
// `VisuPrenotCliente.List1` and `righe_prenotazioni_cliente`, reading the
// whole bookings file (a blank line holds no booking but keeps its number);
// the number of rows goes into `fattura.Text16`. A client with no booking
// here but one in the year before or after is told which year holds it.
void elenca_prenotazioni_cliente(App& app);

// The booking picked: the selected row of `VisuPrenotCliente.List1` (the
// caption of `RESTCAUZ.Label7` when `operazione` is "cauzion"). Cuts its
// number into `Text6`, shows SALDO and REVOCA by `operazione`, fills the
// details (`vedi_dati_prenotazione`) and works out the residual rent into
// `Text10` and `saldoaff.Text10`; with nothing left to pay no action is
// offered. Callers read `Text7` rent, `Text8` advance, `Text9` balance,
// `Text10` residual of `VisuPrenotCliente`, and `RESTCAUZ.Label9`.
void seleziona_prenotazione(App& app);

// The details of booking `VisuPrenotCliente.Text6`, read from the bookings
// file, the money-movement journal and the notes, into `VisuPrenotCliente`,
// `saldoaff` and `RESTCAUZ`; sets `numero_nota` and `appartamento_corrente`.
// For a paid or revoked booking `RESTCAUZ.Label9` adds the deposit held: the
// deposit column of every movement of the booking, the one made with the
// booking included; it is not reset here. An open booking adds nothing.
void vedi_dati_prenotazione(App& app);

}  // namespace ga
