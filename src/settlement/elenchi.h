// The printed lists of the printing menu: the free periods (complete or of
// one month), the apartments, the clients and the owners. Each is a title,
// column headings and one line per record in padded columns, printed from
// the template "elenco.xls" of the program folder's "stampe/" in a
// fixed-pitch font, as many pages as the lines need.
#pragma once

#include <string>
#include <vector>

#include "records/app.h"
#include "records/stampa.h"

namespace ga {

// Lines on one page of the list template (its rows 4 to 43).
inline constexpr int kRigheElencoPerPagina = 40;

struct Elenco {
    std::string titolo;
    std::string intestazione;  // the column headings, over the lines
    std::vector<std::string> righe;
    std::string file_pdf;  // the PDF's name in the data folder
    DocumentoStampa documento;
    std::string vuoto;  // what the user is told when there are no lines
};

// A line of the availability, as the view lists it and the list prints it.
std::string riga_disponibile(const std::string& numero, const std::string& codice,
                             const std::string& proprietario, const std::string& via,
                             const std::string& dal, const std::string& al,
                             const std::string& prezzo);

// The periods of the management year that month `mese` (1 to 12) of that
// year lists: those with a night in it (a period from 25/07 to 08/08 is
// free in July and in August; its last day is a departure, not a night),
// in the order of their start (record order among those starting on the
// same day). `periodi` are the candidates, in record order.
std::vector<int> periodi_del_mese(Stato& s, std::vector<int> periodi, int mese);

// The free periods (state "LIB") of the year in record order, each line as
// the availability view lists it; month 1 to 12 keeps the periods with a
// night in that month (as periodi_del_mese), 0 every month. Reads the
// periods, apartments, owners and streets registers again.
Elenco elenco_disponibilita(App& app, int mese);
// The registers in record order, read again from their files.
Elenco elenco_appartamenti(App& app);
Elenco elenco_clienti(App& app);
Elenco elenco_proprietari(App& app);

// Prints the list; false, after telling the user, when there is nothing to
// print or it could not be printed.
bool stampa_elenco(App& app, const Elenco& elenco);

}  // namespace ga
