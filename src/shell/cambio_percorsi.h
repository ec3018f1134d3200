// The one place where the data paths change. The year (utilities menu and
// the start form's start-up), the data folder (folder chooser, the menu
// reading the pointer file) and a restore of the data files all come
// through here, so that nothing read from the old files can be written into
// the new ones.
#pragma once

#include "records/app.h"

namespace ga {

// Rebuilds the data paths from the menu's folder and the management year
// (`imposta_percorsi_dati`). When they now name other files than before, or
// `file_sostituiti` says the files themselves were replaced (a restore):
// every form loaded hidden is unloaded (the start form, the menu and the
// bank store of the program folder excepted), the stores among them that
// held the tables are loaded again, reading every table from the new files,
// and the windows on screen show the year in use.
void cambia_percorsi(App& app, bool file_sostituiti = false);

}  // namespace ga
