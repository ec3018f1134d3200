// Who may write the program's folders. A program holds its program folder
// (the agency settings, the bank coordinates, the data-folder pointer) and
// its data folder (the registers) for as long as it works on them, each by
// the lock file "IN_USO.LCK" there: each rewrites those files from tables of
// its own, so a second program on either would drop the records the first
// adds. A second program is told who holds the folder and ends without
// writing; an archive copy or restore refuses a folder another program holds.
#pragma once

#include <string>

#include "records/app.h"

namespace ga {

// This program's words in a lock file: "computer,user".
std::string titolare(App& app);

// The warning that `cartella` is held by the program its lock file's words
// `chi` name (computer and user), up to "CHIUDERE L'ALTRO PROGRAMMA E
// RIPROVARE"; the caller adds what happens now.
std::string avviso_cartella_aperta(const std::string& cartella, const std::string& chi);

// True when this program already holds `cartella`, as its program or its
// data folder.
bool cartella_tenuta(App& app, const std::string& cartella);

// Takes the lock of the program folder of the state: a folder another
// program holds is told, naming it, and this program ends without writing.
void blocca_cartella_programma(App& app);

}  // namespace ga
