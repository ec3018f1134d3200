#include "bookings/TROVA_PRENOT.h"

#include <initializer_list>

#include "bookings/ricevuta.h"
#include "platform/text.h"

namespace ga {

namespace {}  // namespace

TROVA_PRENOT::TROVA_PRENOT(App& app) : Forma(app, kName) {
    design("TROVA PRENOTAZIONE", px(470), px(334));

    metti(SCELTAPRENOT, 12, 12, 446, 264).design().text = "SCELTA PRENOTAZIONE";
    SCELTAPRENOT.design().visible = false;

    metti(Command4, 16, 28, 32, 27, &SCELTAPRENOT).design().back_color = kRosso;
    Command4.design().tooltip = "CERCA PER NOME CLIENTE";
    metti(Label6, 58, 33, 220, 19, &SCELTAPRENOT).design().text = "NOME CLIENTE";
    Label6.design().bold = true;
    metti(Combo1, 58, 29, 370, 25, &SCELTAPRENOT).design().visible = false;
    Combo1.design().tooltip = "SCEGLIERE IL CLIENTE";

    metti(Command5, 16, 68, 32, 27, &SCELTAPRENOT).design().back_color = kRosso;
    Command5.design().tooltip = "CERCA PER NUMERO RICEVUTA";
    metti(Label7, 58, 73, 220, 19, &SCELTAPRENOT).design().text = "NUMERO RICEVUTA";
    Label7.design().bold = true;
    metti(Text1, 58, 69, 70, 25, &SCELTAPRENOT).design().visible = false;
    Text1.design().tooltip = "NUMERO DELLA RICEVUTA DA STAMPARE";
    metti(List1, 58, 102, 190, 146, &SCELTAPRENOT).design().visible = false;
    // A line taken closes the list: Enter or a click takes it, the keys move.
    List1.design().command_list = true;
    List1.design().fixed_pitch = true;
    List1.design().tooltip = "SCEGLIERE LA PRENOTAZIONE";

    metti(STAMPA, 300, 212, 128, 36, &SCELTAPRENOT).design().text = "stampa";
    STAMPA.design().visible = false;
    STAMPA.design().tooltip = "STAMPA RICEVUTA E CONTRATTO";

    metti(USCITA, 330, 288, 128, 34).design().text = "USCITA";

    Command4.on_click = [this] { Command4_Click(); };
    Command5.on_click = [this] { Command5_Click(); };
    Combo1.on_click = [this] { Combo1_Click(); };
    List1.on_click = [this] { List1_Click(); };
    STAMPA.on_click = [this] { STAMPA_Click(); };
    USCITA.on_click = [this] { USCITA_Click(); };
}

void TROVA_PRENOT::Form_Load() {
    SCELTAPRENOT.set_visible(true);
    scelta().riempi(app);
}

SceltaPrenotazione TROVA_PRENOT::scelta() {
    return {Command4, Command5, Label6, Label7, Combo1, Text1, List1, STAMPA};
}

void TROVA_PRENOT::Command4_Click() { scelta().per_nome_Click(); }

void TROVA_PRENOT::Command5_Click() { scelta().per_numero_Click(); }

void TROVA_PRENOT::Combo1_Click() {
    if (Combo1.list_index() < 0) return;
    const auto righe = prenotazioni_del_cliente(app, Combo1.item_data(Combo1.list_index()));
    List1.clear();
    for (const RigaPrenotazioneCliente& r : righe) List1.add_item(r.testo, r.numero);
    if (righe.size() == 1) {
        Text1.set_visible(true);
        Text1.set_text(numero_ricevuta(righe[0].numero));
    } else {
        // Several bookings are listed to choose from; with none, no number
        // of an earlier choice may stay behind to be printed.
        if (righe.size() > 1) List1.set_visible(true);
        Text1.set_text("");
    }
    STAMPA.set_visible(true);
    Combo1.set_visible(false);
}

void TROVA_PRENOT::List1_Click() {
    if (List1.list_index() < 0) return;
    Text1.set_text(numero_ricevuta(List1.item_data(List1.list_index())));
    STAMPA.set_visible(true);
    List1.set_visible(false);
    Text1.set_visible(true);
}

void TROVA_PRENOT::STAMPA_Click() {
    s.prenotazione_scelta = Text1.text();
    scelta_prenotazione();
}

void TROVA_PRENOT::scelta_prenotazione() { stampa_prenotazione_scelta(app); }

void TROVA_PRENOT::USCITA_Click() {
    app.form(forme::MENU).set_enabled(true);
    unload();
}

}  // namespace ga
