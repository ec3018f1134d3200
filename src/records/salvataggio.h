// A save of several registers as one unit, for the program's operations.
//
//     Salvataggio salvataggio(app);
//     if (!registra_movimento(app) || !registra_prenotazioni(app)) return;
//     if (!salvataggio.conferma()) return;
//
// While it is open, the writers (`scrivi_registro`, `aggiungi_riga`) only
// gather their files, and every read sees them; `conferma` writes them all
// or none (see platform/save_unit.h). An operation that stops before
// confirming writes nothing, and the tables it changed in memory are read
// again from the files. A writer that saves on its own opens one too: inside
// an operation's unit it joins it, so nesting is free.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/save_unit.h"
#include "records/app.h"

namespace ga {

class Salvataggio {
public:
    explicit Salvataggio(App& app);
    ~Salvataggio();
    Salvataggio(const Salvataggio&) = delete;
    Salvataggio& operator=(const Salvataggio&) = delete;

    // Writes every file of the unit. False when nothing was written (the
    // user is told which file could not be, and the tables are read again).
    // Inside another unit: true, the outer one writes.
    bool conferma();
    // The file at `percorso` becomes a copy of `origine` (see
    // `plat::SaveUnit::copy_from`); false when the source cannot be read.
    bool copia(const std::string& percorso, const std::string& origine, bool scrivibile);

private:
    App& app_;
    std::unique_ptr<plat::SaveUnit> unita_;  // none when joined to an open one
    bool rifiutato_ = false;  // a save of before was still to finish: nothing is written
};

// Finishes a save interrupted in `cartella` (a crash, a power cut) and
// removes the temporary files of ours no record names, telling the user in
// one box when a save was completed, or what keeps it from being finished
// (then nothing may be saved until it is).
void completa_salvataggio_interrotto(App& app, const std::string& cartella);

// Tells the user what a write of the file at `percorso` on its own left
// there, when it is not simply written; `non_fatto` ends the message of a
// write that left the file as it was. True when the file holds the new
// content. A file whose content cannot be told is read again now and
// before the next write.
bool esito_scrittura(App& app, const std::string& percorso, plat::Outcome esito,
                     const std::string& non_fatto);

// True when no save of before is still to be finished. Otherwise it is
// finished now and the tables it wrote are read again, or the user is told
// which file keeps it from being finished; either way the write at hand,
// made from what the files held before, does not go ahead (false).
bool salvataggi_completati(App& app);

}  // namespace ga
