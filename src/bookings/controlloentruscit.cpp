#include "bookings/controlloentruscit.h"

#include "platform/text.h"

namespace ga {

controlloentruscit::controlloentruscit(App& app) : Forma(app, kName) {
    design("CONTROLLO INGRESSI", px(600), px(340));
    metti(Text1, 12, 10, 576, 26).design().locked = true;
    Text1.design().bold = true;
    Text1.design().fore_color = kRosso;
    metti(List1, 12, 46, 576, 238).design().fixed_pitch = true;
    List1.design().tooltip = "SCEGLI LA PRENOTAZIONE PER VEDERE LE PRENOTAZIONI DEL CLIENTE";
    metti(ESCI, 478, 294, 110, 34).design().text = "USCITA";

    List1.on_click = [this] { List1_Click(); };
    ESCI.on_click = [this] { ESCI_Click(); };
}

void controlloentruscit::List1_Click() {
    // Only a booking's line has a client part; the separator lines have none.
    const auto parti = plat::split(List1.text(), "*");
    if (parti.size() < 2) return;
    app.imposta("VisuPrenotCliente", "Text1", plat::trim(parti[1]));
    app.imposta("VisuPrenotCliente", "Text18", "CONTROLLO");
    app.form("VisuPrenotCliente")->show();
    unload();
}

void controlloentruscit::ESCI_Click() {
    if (plat::Form* menu = app.form("MENU")) menu->set_enabled(true);
    unload();
}

}  // namespace ga
