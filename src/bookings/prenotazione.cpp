#include "bookings/prenotazione.h"

#include "bookings/archivi_prenotazioni.h"
#include "platform/text.h"
#include "records/comuni.h"
#include "records/fatture.h"
#include "records/registri.h"
#include "registry/controlli.h"

namespace ga {

prenotazione::prenotazione(App& app) : Forma(app, kName) {
    design("PRENOTAZIONE", 12900, px(640));
    crea_famiglia<plat::TextBox>("Text", 1, 34);
    crea_famiglia<plat::CheckBox>("Check", 1, 5);
    // Count stores and flags are never shown.
    for (const char* n : {"Text21", "Text22", "Text23", "Text26", "Check1", "Check2", "Check3",
                          "Check4", "Check5"})
        find(n)->design().visible = false;
    List2.design().visible = false;

    plat::Control& t9 = *find("Text9");
    t9.on_change = [this] { Text9_Change(); };
    t9.on_click = [this] { Text9_Click(); };
    t9.on_validate = [this] { Text9_Validate(); };
    find("Text11")->on_click = [this] { Text11_Click(); };
    find("Text11")->on_validate = [this] { Text11_Validate(); };
    find("Text12")->on_validate = [this] { Text12_Validate(); };
    List2.on_click = [this] { List2_Click(); };
}

void prenotazione::Form_Load() {
    set_width(12900);
    Label1.set_caption("PRENOTAZIONE  ANNO - " + s.anno_gestione);
    carica_proprietari(app);
    carica_appartamenti(app);
    carica_prenotazioni(app);
    carica_clienti(app);
    carica_note(app);
    carica_saldi(app);
}

void prenotazione::Text9_Change() {
    const std::string t = control("Text9")->text();
    if (plat::length(t) >= 16 && s.azione_corrente != "ANNULLA" && s.azione_corrente != "SU" &&
        s.azione_corrente != "GIU")
        s.cf_digitato = plat::upper(t);
}

void prenotazione::Text9_Click() { s.esito_cf = ""; }

void prenotazione::Text9_Validate() {
    plat::Control& t9 = *control("Text9");
    // A code found valid is not checked again; a different code is.
    if (s.esito_cf == "si" && plat::upper(t9.text()) == cf_valido_) return;
    t9.set_text(plat::upper(t9.text()));
    if (s.cf_digitato.empty()) {
        app.msgbox("IL CODICE FISCALE E' OBLIGATORIO !! ", plat::Buttons::Ok, "ANAGRAFE CLIENTE");
        return;
    }
    s.cf_da_controllare = t9.text();
    s.esito_cf = "";
    controlla_codice_fiscale(app);
    if (s.esito_cf == "si") cf_valido_ = s.cf_da_controllare;
}

void prenotazione::Text11_Click() { List2.set_visible(false); }

void prenotazione::Text11_Validate() {
    control("Text12")->set_text("");
    const std::string cap = control("Text11")->text();
    if (s.chiave_comune == "OK" || cap.empty()) return;
    s.operazione = "PRENOTAZIONE";
    s.chiave_comune = plat::upper(cap);
    cerca_comune(app);
}

void prenotazione::Text12_Validate() {
    plat::Control& t12 = *control("Text12");
    if (t12.text().empty()) return;
    t12.set_text(plat::upper(t12.text()));
    if (s.chiave_comune == "OK") return;
    s.operazione = "PRENOTAZIONE";
    s.chiave_comune = t12.text();
    cerca_comune(app);
}

void prenotazione::List2_Click() {
    s.indice_lavoro = List2.list_index();
    const RigaComune r = dividi_riga_comune(List2.text());
    control("Text12")->set_text(r.comune);
    control("Text14")->set_text(r.provincia);
    control("Text11")->set_text(r.cap);
    List2.set_visible(false);
}

}  // namespace ga
