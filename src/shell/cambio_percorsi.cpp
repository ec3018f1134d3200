#include "shell/cambio_percorsi.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "platform/text.h"
#include "records/percorsi.h"
#include "records/periodi.h"
#include "shell/caselle.h"

namespace ga {

namespace {

// Never unloaded: the start form and the menu stay behind every other form,
// and the bank coordinates form holds the banks of the program folder,
// which no change of the data paths touches.
constexpr std::array<std::string_view, 3> kRestano = {"zeltra", "MENU", "COORDBANCA"};

// The forms whose load reads the record tables and keeps their counts: when
// they held the old files' tables they are loaded again at once.
constexpr std::array<std::string_view, 5> kArchivi = {"prenotazione", "appartament", "PROPRIETARI",
                                                      "insnomi", "fattura"};

bool tra(std::string_view nome, const auto& nomi) {
    return std::any_of(nomi.begin(), nomi.end(),
                       [&](std::string_view n) { return plat::iequals(n, nome); });
}

}  // namespace

void cambia_percorsi(App& app, bool file_sostituiti) {
    Stato& s = app.s;
    // The bookings path names both the folder and the year.
    const std::string prima = s.percorso_prenotazioni;
    imposta_percorsi_dati(app);
    // Before the first build no table has been read from a data folder.
    const bool cambiati = !prima.empty() && prima != s.percorso_prenotazioni;
    if (!cambiati && !file_sostituiti) return;

    std::vector<plat::Form*> da_ricaricare;
    for (plat::Form* f : app.forms()) {
        if (!f->is_loaded() || f->is_visible() || tra(f->name(), kRestano)) continue;
        if (tra(f->name(), kArchivi)) da_ricaricare.push_back(f);
        f->unload();
    }
    // The rows the grid and the booking list carried, and the client search
    // last made, belong to the old files.
    azzera_righe_periodi(app);
    s.prefisso_cliente.clear();
    for (plat::Form* f : da_ricaricare) f->load();

    // The start form and the menu stay on screen behind the other windows.
    if (app.form(forme::zeltra).is_loaded())
        app.campo(kAvvioAnno).set_caption("ANNO DI GESTIONE " + s.anno_gestione);
    if (app.form(forme::MENU).is_loaded())
        app.campo(kMenuAnno).set_caption(" ANNO DI GESTIONE " + s.anno_gestione);
}

}  // namespace ga
