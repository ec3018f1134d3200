#include "shell/CERCA_CART.h"

#include <cstdlib>
#include <filesystem>

#include "records/caselle.h"
#include "records/percorsi.h"
#include "shell/cambio_percorsi.h"

namespace ga {

namespace {
// Where the folder list starts: the user's home folder.
std::string cartella_iniziale() {
    const char* home = std::getenv("HOME");
    return home && *home ? home : "/";
}
}  // namespace

CERCA_CART::CERCA_CART(App& app) : Forma(app, kName) {
    design("SCEGLI CARTELLA DATI", px(480), px(400));
    etichetta("SCEGLI CARTELLA DATI", 16, 12, 300).design().bold = true;
    metti(Drive1, 16, 40, 440, 26);
    metti(Dir1, 16, 74, 440, 220);
    metti(Text1, 16, 304, 440, 26).design().locked = true;
    metti(OK, 376, 342, 80, 32).design().text = "OK";
    Dir1.design().path = cartella_iniziale();
    Drive1.design().path = "/";

    Drive1.on_change = [this] { Drive1_Change(); };
    Dir1.on_change = [this] { Dir1_Change(); };
    OK.on_click = [this] { OK_Click(); };
}

void CERCA_CART::Form_Load() {
    app.form(forme::utilita).hide();
    Drive1.refresh();
    Dir1.refresh();
    // The folders are what the user goes through: the keys start there.
    Dir1.set_focus();
}

void CERCA_CART::Drive1_Change() { Dir1.set_path(Drive1.path()); }

void CERCA_CART::Dir1_Change() { Text1.set_text(Dir1.path() + "/"); }

void CERCA_CART::OK_Click() {
    // The folder picked in the list; with none picked, the folder the list
    // shows (a fresh home may have no subfolder to pick).
    const int scelta = Dir1.list_index();
    if (scelta >= 0)
        Text1.set_text((std::filesystem::path(Dir1.path()) / Dir1.item(scelta)).string() + "/");
    else if (Text1.text().empty())
        Dir1_Change();
    if (Text1.text().empty()) return;
    app.imposta(kCartellaDati, Text1.text());
    scrivi_cartella_dati(app);
    cambia_percorsi(app);
    app.form(forme::MENU).set_enabled(true);
    unload();
}

void CERCA_CART::close_requested() {
    // Closing without choosing must not leave the menu disabled behind it.
    unload();
    plat::Form* menu = &app.form(forme::MENU);
    if (menu->is_loaded()) menu->set_enabled(true);
}

}  // namespace ga
