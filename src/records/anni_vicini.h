// The registers of the years beside the management year. Each year keeps
// its own files, and a letting from Christmas to Epiphany lies across two:
// the checks that must not let a night twice, the start-up list of arrivals
// and a client's bookings read the year before and the year after too.
// These files are only read here, never created or written.
#pragma once

#include <string>
#include <vector>

#include "records/app.h"

namespace ga {

// The management year as a number; 0 when it is not a year of four digits.
int anno_di_gestione(const Stato& s);

// A booking of another year's file: its year, its number there (its line)
// and its record.
struct PrenotazioneDiAltroAnno {
    int anno = 0;
    int numero = 0;
    RigaPrenotazione p;
};

// The bookings of the file of `anno` ("prenotazioni" & anno & ".dat" in the
// data folder), up to its first empty line; none when it does not exist.
std::vector<PrenotazioneDiAltroAnno> prenotazioni_dell_anno(const Stato& s, int anno);
// Those of the year before the management year, then those of the year after.
std::vector<PrenotazioneDiAltroAnno> prenotazioni_degli_anni_vicini(const Stato& s);

// The year before or after the management year (the one before first)
// whose bookings file holds a booking of the client with this code (read as
// a number); 0 for neither.
int anno_con_prenotazioni_del_cliente(const Stato& s, double codice);

// A period of another year's file, with its year.
struct PeriodoDiAltroAnno {
    int anno = 0;
    std::string codice;
    plat::Date dal, al;
    std::string stato;
};

// The periods of the file of `anno` whose dates read as dates ("CANC"
// ones left out); none when it does not exist.
std::vector<PeriodoDiAltroAnno> periodi_dell_anno(const Stato& s, int anno);
// Those of the years before and after the management year.
std::vector<PeriodoDiAltroAnno> periodi_degli_anni_vicini(const Stato& s);
// The first of `periodi` of the apartment with this code (read as a number)
// that shares a night with dal..al (one may end on the day the other
// starts); nullptr for none.
const PeriodoDiAltroAnno* periodo_con_notti_in_comune(
    const std::vector<PeriodoDiAltroAnno>& periodi, double codice, plat::Date dal, plat::Date al);

// The message that sends the user to another year: "... NEL 2027: CAMBIARE
// L'ANNO DI GESTIONE IN 2027 ...", built by the callers around the year.
std::string cambiare_anno(int anno);

}  // namespace ga
