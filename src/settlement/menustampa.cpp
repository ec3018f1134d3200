#include "settlement/menustampa.h"

#include <algorithm>
#include <initializer_list>

#include "bookings/ricevuta.h"
#include "platform/number.h"
#include "platform/text.h"
#include "records/caselle.h"
#include "records/clienti.h"
#include "records/fatture.h"
#include "records/proprietari.h"
#include "settlement/elenchi.h"

namespace ga {

namespace {
constexpr const char* kAperta = "_";
}  // namespace

menustampa::menustampa(App& app) : Forma(app, kName) {
    design("MENU STAMPA", 8040, px(380));
    metti(ICONAAGENZIA, 16, 12, 100, 70).design().stretch = true;
    metti(Label2, 130, 22, 380, 24).design().font_size = 11;
    Label2.design().bold = true;

    // Captionless buttons with their words beside them; the open section
    // appears on the right.
    struct Riga {
        plat::CommandButton* bottone;
        const char* testo;
        const char* suggerimento;
        int y;
    };
    const Riga righe[] = {
        {&Command1, "RISTAMPA PRENOTAZIONI", "RISTAMPA DELLA RICEVUTA DI UNA PRENOTAZIONE", 100},
        {&Command2, "RISTAMPA FATTURE", "RISTAMPA DELLE FATTURE", 146},
        {&Command6, "DISPONIBILITA", "STAMPA DELLA DISPONIBILITA'", 192},
        {&Command7, "ELENCHI", "ELENCHI DI APPARTAMENTI, CLIENTI, PROPRIETARI", 238},
        {&Command3, "USCITA", "USCITA", 318},
    };
    for (const Riga& r : righe) {
        metti(*r.bottone, 16, r.y, 40, 32).design().tooltip = r.suggerimento;
        etichetta(r.testo, 66, r.y + 7, 186).design().bold = true;
    }

    const int fx = 262, fy = 92, fw = 258, fh = 226;
    metti(SCELTAPRENOT, fx, fy, fw, fh).design().text = "RISTAMPA PRENOTAZIONI";
    metti(STAMPDISPON, fx, fy, fw, fh).design().text = "DISPONIBILITA";
    metti(SCELTA, fx, fy, fw, fh).design().text = "ELENCHI";
    metti(SCELTAFATT, fx, fy, fw, fh).design().text = "RISTAMPA FATTURE";
    for (plat::Frame* f : {&SCELTAPRENOT, &STAMPDISPON, &SCELTA, &SCELTAFATT})
        f->design().visible = false;

    // Reprint of a booking: by client name or by receipt number.
    metti(Command4, 12, 26, 30, 27, &SCELTAPRENOT).design().back_color = kRosso;
    Command4.design().tooltip = "PER NOME CLIENTE";
    metti(Label6, 50, 31, 196, 19, &SCELTAPRENOT).design().text = "NOME CLIENTE";
    metti(Combo1, 50, 27, 196, 25, &SCELTAPRENOT).design().visible = false;
    Combo1.design().tooltip = "SCEGLIERE IL CLIENTE";
    metti(Command5, 12, 62, 30, 27, &SCELTAPRENOT).design().back_color = kRosso;
    Command5.design().tooltip = "PER NUMERO RICEVUTA";
    metti(Label7, 50, 67, 196, 19, &SCELTAPRENOT).design().text = "NUMERO RICEVUTA";
    metti(Text1, 50, 63, 60, 25, &SCELTAPRENOT).design().visible = false;
    Text1.design().tooltip = "NUMERO DELLA RICEVUTA";
    metti(List1, 50, 96, 112, 118, &SCELTAPRENOT).design().visible = false;
    // A line taken closes the list: Enter or a click takes it, the keys move.
    List1.design().command_list = true;
    List1.design().fixed_pitch = true;
    metti(stampapre, 170, 178, 76, 36, &SCELTAPRENOT).design().text = "STAMPA";
    stampapre.design().visible = false;
    stampapre.design().tooltip = "STAMPA LA RICEVUTA DELLA PRENOTAZIONE";

    // Reprint of an invoice: number, date and party of each.
    metti(List2, 12, 26, 234, 144, &SCELTAFATT).design().fixed_pitch = true;
    List2.design().tooltip = "SCEGLIERE LA FATTURA DA STAMPARE";
    metti(stampafat, 170, 178, 76, 36, &SCELTAFATT).design().text = "STAMPA";
    stampafat.design().visible = false;
    stampafat.design().tooltip = "STAMPA LA FATTURA SCELTA";

    // Availability: complete or for one month.
    metti(TOTALE, 12, 26, 30, 27, &STAMPDISPON).design().back_color = kRosso;
    TOTALE.design().tooltip = "DISPONIBILITA' COMPLETA";
    metti(Label14, 50, 31, 196, 19, &STAMPDISPON).design().text = "COMPLETA";
    metti(XMESE, 12, 62, 30, 27, &STAMPDISPON).design().back_color = kRosso;
    XMESE.design().tooltip = "DISPONIBILITA' DI UN MESE";
    metti(Label13, 50, 67, 196, 19, &STAMPDISPON).design().text = "PER MESE";
    metti(Combo2, 50, 63, 196, 25, &STAMPDISPON).design().visible = false;
    Combo2.design().items = {"TUTTI I MESI", "GENNAIO",  "FEBBRAIO", "MARZO",  "APRILE",
                             "MAGGIO",       "GIUGNO",   "LUGLIO",   "AGOSTO", "SETTEMBRE",
                             "OTTOBRE",      "NOVEMBRE", "DICEMBRE"};
    metti(stampaDIS, 170, 178, 76, 36, &STAMPDISPON).design().text = "STAMPA";
    stampaDIS.design().visible = false;
    stampaDIS.design().tooltip = "STAMPA LA DISPONIBILITA'";

    // Lists.
    metti(Command8, 16, 30, 226, 34, &SCELTA).design().text = "APPARTAMENTI";
    metti(Command9, 16, 76, 226, 34, &SCELTA).design().text = "CLIENTI";
    metti(Command10, 16, 122, 226, 34, &SCELTA).design().text = "PROPRIETARI";

    Command1.on_click = [this] { Command1_Click(); };
    Command6.on_click = [this] { Command6_Click(); };
    Command7.on_click = [this] { Command7_Click(); };
    Command3.on_click = [this] { Command3_Click(); };
    Command4.on_click = [this] { Command4_Click(); };
    Command5.on_click = [this] { Command5_Click(); };
    Combo1.on_click = [this] { Combo1_Click(); };
    List1.on_click = [this] { List1_Click(); };
    Text1.on_change = [this] { Text1_Change(); };
    TOTALE.on_click = [this] { TOTALE_Click(); };
    XMESE.on_click = [this] { XMESE_Click(); };
    Combo2.on_click = [this] { Combo2_Click(); };
    stampapre.on_click = [this] { stampapre_Click(); };
    Command2.on_click = [this] { Command2_Click(); };
    List2.on_click = [this] { List2_Click(); };
    stampafat.on_click = [this] { stampafat_Click(); };
    stampaDIS.on_click = [this] { stampaDIS_Click(); };
    Command8.on_click = [this] { Command8_Click(); };
    Command9.on_click = [this] { Command9_Click(); };
    Command10.on_click = [this] { Command10_Click(); };
}

void menustampa::Form_Load() {
    set_width(8040);
    ICONAAGENZIA.set_picture(s.percorso_logo);
    Label2.set_caption(" ANNO DI GESTIONE " + s.anno_gestione);
}

bool menustampa::sezione(plat::CommandButton& bottone, plat::Frame& cornice) {
    const std::string stato = bottone.caption();
    if (stato.empty()) {
        bottone.set_caption(kAperta);
        for (plat::CommandButton* b : {&Command1, &Command6, &Command7, &Command2})
            if (b != &bottone) b->set_caption("");
        for (plat::Frame* f : {&SCELTAPRENOT, &STAMPDISPON, &SCELTA, &SCELTAFATT})
            f->set_visible(f == &cornice);
        return true;
    }
    if (stato == kAperta) {
        bottone.set_caption("");
        cornice.set_visible(false);
    }
    return false;
}

void menustampa::Command1_Click() {
    if (!sezione(Command1, SCELTAPRENOT)) return;
    scelta().riempi(app);
}

void menustampa::Command6_Click() {
    s.mese_scelto = "0";
    sezione(Command6, STAMPDISPON);
}

void menustampa::Command7_Click() { sezione(Command7, SCELTA); }

SceltaPrenotazione menustampa::scelta() {
    return {Command4, Command5, Label6, Label7, Combo1, Text1, List1, stampapre};
}

void menustampa::Command4_Click() { scelta().per_nome_Click(); }

void menustampa::Command5_Click() { scelta().per_numero_Click(); }

void menustampa::Combo1_Click() {
    if (Combo1.list_index() < 0) return;
    const auto righe = prenotazioni_del_cliente(app, Combo1.item_data(Combo1.list_index()));
    List1.clear();
    for (std::size_t n = 0; n < righe.size(); ++n) {
        List1.add_item(righe[n].testo, righe[n].numero);
        if (n == 0) {
            Text1.set_visible(true);
            Text1.set_text(numero_ricevuta(righe[n].numero));
        } else {
            List1.set_visible(true);
            Text1.set_text("");
        }
    }
    // A client without bookings: no number of an earlier choice may stay
    // behind to be printed as this client's.
    if (righe.empty()) Text1.set_text("");
    stampapre.set_visible(true);
    Combo1.set_visible(false);
}

void menustampa::List1_Click() {
    if (List1.list_index() < 0) return;
    Text1.set_text(numero_ricevuta(List1.item_data(List1.list_index())));
    // A number picked can be printed, also the one the box holds already
    // (a reprint after a jammed page): its box's Change does not run then.
    stampapre.set_visible(true);
    List1.set_visible(false);
    Text1.set_visible(true);
}

void menustampa::Text1_Change() { stampapre.set_visible(true); }

void menustampa::TOTALE_Click() {
    const long colore = TOTALE.back_color();
    if (colore == kRosso) {
        TOTALE.set_back_color(kVerde);
        XMESE.set_back_color(kRosso);
        Label13.set_visible(false);
        Label14.set_visible(true);
        Combo2.set_visible(false);
        stampaDIS.set_visible(true);
    } else if (colore == kVerde) {
        TOTALE.set_back_color(kRosso);
        Label13.set_visible(true);
        stampaDIS.set_visible(false);
    }
}

void menustampa::XMESE_Click() {
    const long colore = XMESE.back_color();
    if (colore == kRosso) {
        XMESE.set_back_color(kVerde);
        TOTALE.set_back_color(kRosso);
        mostra({&Label13, &Label14}, false);
        Combo2.set_visible(true);
    } else if (colore == kVerde) {
        XMESE.set_back_color(kRosso);
        mostra({&Label13, &Label14}, true);
        mostra({&Combo2, &stampaDIS}, false);
    }
}

void menustampa::Combo2_Click() {
    if (Combo2.list_index() < 0) return;
    s.mese_scelto = std::to_string(Combo2.list_index());
    stampaDIS.set_visible(true);
}

void menustampa::stampapre_Click() {
    s.prenotazione_scelta = Text1.text();
    stampa_prenotazione_scelta(app);
}

// --- reprint of an invoice -------------------------------------------------------

void menustampa::Command2_Click() {
    if (!sezione(Command2, SCELTAFATT)) return;
    carica_clienti(app);
    carica_proprietari(app);
    carica_fatture(app);
    List2.clear();
    stampafat.set_visible(false);
    const ClientiDaFatturare clienti(app);
    const long n = std::clamp<long>(app.conta(kContaFatture), 0, s.fatture.capacita());
    for (int k = 1; k <= n; ++k) {
        const RigaFattura& f = s.fatture[k];
        if (plat::trimmed(f.campo[fatt::numero]).empty()) continue;
        List2.add_item(plat::pad_code(plat::trim(f.campo[fatt::numero]), 3) + " " + f.data.text() +
                           " " + intestatario_fattura(app, f, clienti).nome,
                       k);
    }
}

void menustampa::List2_Click() { stampafat.set_visible(List2.list_index() >= 0); }

void menustampa::stampafat_Click() {
    if (List2.list_index() < 0) {
        app.msgbox("SCEGLIERE LA FATTURA DA STAMPARE.", plat::Buttons::Ok, " STAMPA FATTURA",
                   plat::Icon::Exclamation);
        return;
    }
    s.fattura_scelta = std::to_string(List2.item_data(List2.list_index()));
    app.procedure.stampa_fattura_scelta(app);
}

// --- availability and lists --------------------------------------------------------

void menustampa::stampaDIS_Click() {
    // "COMPLETA" prints every month whatever month was chosen before it.
    int mese = 0;
    if (XMESE.back_color() == kVerde) {
        mese = static_cast<int>(plat::leading_int(s.mese_scelto));
    } else if (TOTALE.back_color() != kVerde) {
        app.msgbox("SCEGLIERE LA DISPONIBILITA' COMPLETA O DI UN MESE.", plat::Buttons::Ok,
                   "STAMPA DISPONIBILITA'", plat::Icon::Exclamation);
        return;
    }
    stampa_elenco(app, elenco_disponibilita(app, std::clamp(mese, 0, 12)));
}

void menustampa::Command8_Click() { stampa_elenco(app, elenco_appartamenti(app)); }
void menustampa::Command9_Click() { stampa_elenco(app, elenco_clienti(app)); }
void menustampa::Command10_Click() { stampa_elenco(app, elenco_proprietari(app)); }

void menustampa::Command3_Click() {
    app.form(forme::MENU).set_enabled(true);
    unload();
}

}  // namespace ga
