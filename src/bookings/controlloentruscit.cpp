#include "bookings/controlloentruscit.h"

#include <algorithm>
#include <string>

#include "bookings/caselle.h"
#include "records/anni_vicini.h"
#include "records/clienti.h"
#include "registry/caselle.h"

namespace ga {

controlloentruscit::controlloentruscit(App& app) : Forma(app, kName) {
    design("CONTROLLO INGRESSI", px(600), px(340));
    metti(Text1, 12, 10, 576, 26).design().locked = true;
    Text1.design().bold = true;
    Text1.design().fore_color = kRosso;
    metti(List1, 12, 46, 576, 238).design().fixed_pitch = true;
    // A line opens another form: Enter or a click opens it, the keys move.
    List1.design().command_list = true;
    List1.design().tooltip = "SCEGLI LA PRENOTAZIONE PER VEDERE LE PRENOTAZIONI DEL CLIENTE";
    metti(ESCI, 478, 294, 110, 34).design().text = "USCITA";

    List1.on_click = [this] { List1_Click(); };
    ESCI.on_click = [this] { ESCI_Click(); };
}

void controlloentruscit::List1_Click() {
    // The line's booking, and through it its client: the name on the line
    // may be a namesake's. The separator lines carry no booking.
    const long k = List1.item_data(List1.list_index());
    // A booking of another year's file: this year's forms cannot show it.
    if (k < 0) {
        app.msgbox("LA PRENOTAZIONE E' NELL'ARCHIVIO DEL " + std::to_string(-k) + ": " +
                       cambiare_anno(static_cast<int>(-k)) + " PER VEDERLA.",
                   plat::Buttons::Ok, "CONTROLLO INGRESSI");
        return;
    }
    if (!s.prenotazioni.valido(static_cast<int>(k))) return;
    const long clienti = std::clamp<long>(app.conta(kContaClienti), 0, s.clienti.capacita());
    const int cliente =
        record_cliente(app, s.prenotazioni[static_cast<int>(k)].campo[pren::cliente], clienti);
    app.imposta(kVisuChiamata, "CONTROLLO");
    if (cliente > 0) {
        // The client's form lists that client's bookings, as a search that
        // found that very client would.
        app.imposta(kVisuRecordCliente, std::to_string(cliente));
        app.procedure.mostra_cliente(app);
    }
    app.form(kVisuChiamata).show();
    unload();
}

void controlloentruscit::ESCI_Click() {
    app.form(forme::MENU).set_enabled(true);
    unload();
}

}  // namespace ga
