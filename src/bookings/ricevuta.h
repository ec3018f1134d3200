// The receipt and contract of a booking: one page printed from the template
// "prenotazione.xls" of the program folder's "stampe/", with the booking, its
// client, apartment, owner and street, the agency's settings and the date of
// the booking's first money movement, in 53 rows of two columns.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"
#include "records/app.h"

namespace ga {

// The texts of the page, row by row (1 to 53; entry 0 unused): column 1 the
// contract, column 2 the client, the money and the signatures. Works out the
// booking `prenotazione_scelta` as the receipt does, with its write-backs
// into the tables and the settings; `cauzione_ricevuta` is the deposit asked
// for when the booking has not paid one.
struct RigheRicevuta {
    std::vector<std::string> colonna1, colonna2;
};
RigheRicevuta componi_ricevuta(App& app);

// Prints the receipt of booking `prenotazione_scelta`. When the page is
// printed, or saved as a PDF for want of a printer (the user is told where),
// ticks the booking form's printed flag `prenotazione.Check5` and returns
// true. A booking number outside the bookings file, or a page that could not
// be printed, is told to the user; the flag is then left as it was.
bool stampa_ricevuta_prenotazione(App& app);

// What the find-booking dialog's print does, for every form that prints a
// chosen booking: `prenotazione_scelta` must name a booking of the file (the
// user is told otherwise and nothing is printed); the deposit to ask for is
// the booking's rent times `percentuale_cauzione` per cent, or
// `deposito_minimo` when that is more, into `cauzione_ricevuta`; then the
// receipt is printed.
bool stampa_prenotazione_scelta(App& app);

// Choosing a booking to print through its client: a line for each booking
// of client record `cliente` (the record the picked name stands for; names
// repeat), its text the booking number padded with "0" to 3 digits, a blank
// and the apartment code ("007 0104"), beside it the booking number. No
// lines for a record outside the clients table.
struct RigaPrenotazioneCliente {
    std::string testo;
    long long numero;
};
std::vector<RigaPrenotazioneCliente> prenotazioni_del_cliente(App& app, long cliente);
// A booking number as the lists and the receipt show it: padded with "0"
// to 3 digits ("007", "1000").
std::string numero_ricevuta(long long numero);

}  // namespace ga
