// Record lines built from the registers' named fields: a test names the
// fields it cares about, the others are empty, and the line has the width
// the register has now, so that a field added at the end of a record changes
// none of these tests.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "accounts/archivio_spese.h"
#include "records/app.h"
#include "records/appartamenti_campi.h"
#include "records/conto_corrente_campi.h"
#include "records/fatture_campi.h"
#include "records/movimenti_campi.h"
#include "records/note_campi.h"
#include "records/periodi_campi.h"
#include "records/prenotazioni_campi.h"
#include "records/vie_campi.h"

namespace ga::test {

template <class Campo>
using Valori = std::initializer_list<std::pair<Campo, std::string>>;

// The line of a client, of an owner.
std::string riga_cliente(Valori<cliente::Campo> valori);
std::string riga_proprietario(Valori<proprietario::Campo> valori);

// The two clients most tests book for: 0001 BIANCHI ANNA of Bari and 0002
// VERDI LUCA of Otranto.
std::string cliente_bianchi();
std::string cliente_verdi();
// The owner 0001 ROSSI MARIO and his apartment 0010 on street 0001.
std::string proprietario_rossi();
std::string appartamento_di_rossi();

// The line of an apartment, a period, a booking, a booking's note, a
// movement of the journal, an invoice.
std::string riga_appartamento(Valori<appartamento::Campo> valori);
std::string riga_periodo(Valori<periodo::Campo> valori);
std::string riga_prenotazione(Valori<pren::Campo> valori);
std::string riga_nota(Valori<nota::Campo> valori);
std::string riga_movimento(Valori<movimento::Colonna> valori);
std::string riga_fattura(Valori<fatt::Campo> valori);

// The line of an owner's expense, of a payout in the bank-account register.
std::string riga_spesa(Valori<voce_spesa::Campo> valori);
std::string riga_assegno(Valori<assegno::Campo> valori);

// The line of a street, with the closing field the register writes after
// the fields it keeps.
std::string riga_via(Valori<vie::Campo> valori);

// The client the booking page's block shows written as the record its
// `Text24` names, as the page does when the client is confirmed.
bool registra_cliente_del_blocco(App& app);

}  // namespace ga::test
