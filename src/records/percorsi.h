// The two folders of the program and the path of every record file. The
// program folder holds the agency's own files; the data folder, chosen by the
// user and remembered in "cartella.txt", holds the registers, with the
// management year in the names of those that belong to one year.
#pragma once

#include "records/app.h"

namespace ga {

// Program-folder paths, from the start form's `Text17`.
void imposta_percorsi_programma(App& app);
// Data-folder paths, from the menu's `Text1` and the current year; a folder
// named without its closing "/" gets it (in `Text1` too), so that no
// register is ever made beside the folder. When the data folder is not the
// one used so far, its lock is taken (the one held before is released): a
// folder another program holds is told, naming that program's computer and
// user, and this program ends without writing.
void imposta_percorsi_dati(App& app);
// The remembered data folder into the menu's `Text1` (left as it is when the
// pointer file names none). A folder read without its closing "/" gets it,
// and the pointer file is written again with it.
void leggi_cartella_dati(App& app);
// The menu's `Text1` into the pointer file.
void scrivi_cartella_dati(App& app);

}  // namespace ga
