#include "registry/insnomi.h"

#include <algorithm>
#include <vector>

#include "platform/number.h"
#include "platform/text.h"
#include "records/archivio.h"
#include "records/caselle.h"
#include "records/clienti.h"
#include "records/comuni.h"
#include "records/riferimenti.h"
#include "registry/controlli.h"

namespace ga {

namespace {

constexpr int kLarghezza = 7620;
// Back colours of the edit boxes: light yellow while a new client is
// entered, the window's own colour otherwise (a system colour).
constexpr long kGialloNuovo = 0xC0FFFF;
constexpr long kColoreNormale = 0x80000014;

}  // namespace

insnomi::insnomi(App& app) : Forma(app, kName) {
    design("INSERIM/MODIF CLIENTI", kLarghezza, px(440));
    metti(ICONAAGENZIA, 16, 8, 100, 70).design().stretch = true;
    metti(Label1, 130, 20, 362, 26).design().text = "INSERIMENTO / MODIFICA CLIENTI";
    Label1.design().font_size = 12;
    Label1.design().bold = true;
    etichetta("CLIENTI INSERITI", 300, 58, 130);
    metti(Text8, 432, 54, 60, 25).design().alignment = 1;

    etichetta("CODICE CLIENTE", 16, 100, 110);
    metti(Text10, 130, 96, 70, 25);
    etichetta("NOMINATIVO", 16, 130, 110);
    metti(Text1, 130, 126, 362, 25);
    metti(Combo1, 130, 126, 362, 25).design().visible = false;
    etichetta("VIA", 16, 160, 110);
    metti(Text2, 130, 156, 362, 25);
    etichetta("CAP", 16, 190, 110);
    metti(Text3, 130, 186, 70, 25);
    etichetta("CITTA'", 214, 190, 50);
    metti(Text4, 266, 186, 226, 25);
    // The candidate towns lie over the town box, wide enough for a padded line.
    metti(List1, 200, 186, 292, 110).design().visible = false;
    // A town taken closes the list: Enter or a click takes it, the keys move.
    List1.design().command_list = true;
    List1.design().fixed_pitch = true;
    etichetta("TELEFONO", 16, 220, 110);
    metti(Text5, 130, 216, 160, 25);
    etichetta("PROVINCIA", 316, 220, 80);
    metti(Text6, 400, 216, 50, 25);
    etichetta("CODICE FISC.", 16, 250, 110);
    metti(Text7, 130, 246, 200, 25);
    etichetta("E-MAIL", 16, 280, 110);
    metti(Text11, 130, 276, 362, 25);

    metti(HScroll1, 130, 316, 290, 20).design().visible = false;
    HScroll1.design().min = 0;
    HScroll1.design().max = 0;
    metti(Text9, 432, 314, 60, 25).design().visible = false;
    Text9.design().alignment = 1;

    // Picture buttons: a symbol on the button, its word beneath.
    struct Bottone {
        plat::CommandButton* b;
        const char* simbolo;
        const char* parola;
    };
    const Bottone bottoni[] = {{&NUOVOINS, "+", "NUOVO"},   {&VEDI, "↔", "VEDI CLI."},
                               {&MODICLI, "✎", "MODIFICA"}, {&CESTO, "✖", "CANCELLA"},
                               {&SALVACLI, "✔", "SALVA"},   {&USCITA, "←", "ESCI"}};
    for (int i = 0; i < 6; ++i) {
        const int x = 16 + i * 80;
        metti(*bottoni[i].b, x + 8, 352, 56, 40).design().text = bottoni[i].simbolo;
        bottoni[i].b->design().font_size = 14;
        bottoni[i].b->design().tooltip = bottoni[i].parola;
        etichetta(bottoni[i].parola, x, 396, 72).design().alignment = 2;
    }

    for (plat::TextBox* t : modificabili_) t->design().locked = true;
    Text10.design().locked = true;
    Text8.design().locked = true;
    Text9.design().locked = true;
    SALVACLI.design().confirms = true;

    NUOVOINS.on_click = [this] { NUOVOINS_Click(); };
    MODICLI.on_click = [this] { MODICLI_Click(); };
    VEDI.on_click = [this] { VEDI_Click(); };
    SALVACLI.on_click = [this] { SALVACLI_Click(); };
    CESTO.on_click = [this] { CESTO_Click(); };
    USCITA.on_click = [this] { USCITA_Click(); };
    Combo1.on_click = [this] { Combo1_Click(); };
    HScroll1.on_change = [this] { HScroll1_Change(); };
    List1.on_click = [this] { List1_Click(); };
    Text1.on_validate = [this] { Text1_Validate(); };
    Text3.on_validate = [this] { Text3_Validate(); };
    Text4.on_validate = [this] { Text4_Validate(); };
    Text7.on_validate = [this] { Text7_Validate(); };
    for (plat::TextBox* t : {&Text2, &Text5, &Text6, &Text11})
        t->on_validate = [t] {
            if (!t->locked()) t->set_text(plat::upper(t->text()));
        };
}

// --- helpers -------------------------------------------------------------------

int insnomi::conta() {
    // The count of the clients table now, not the copy this form shows:
    // clients are also written from the booking page.
    return static_cast<int>(std::clamp<long>(app.conta(kContaClienti), 0, s.clienti.capacita()));
}

void insnomi::nessun_cliente_mostrato() { Text9.set_text("0"); }

bool insnomi::cliente_mostrato(long k) {
    // The record number names the client on screen only while that record
    // still holds the client's code: after a deletion or a save it may name
    // the client who moved into the line.
    return k >= 1 && k <= conta() &&
           s.clienti[static_cast<int>(k)][cliente::codice] == Text10.text();
}

void insnomi::aggiorna_conta() { Text8.set_text(app.testo(kContaClienti)); }

bool insnomi::in_inserimento() const { return s.modo_chiamata == "nuovo"; }

void insnomi::fine_inserimento() {
    if (in_inserimento()) s.modo_chiamata = "";
}

void insnomi::blocca(bool bloccati, long colore) {
    for (plat::TextBox* t : modificabili_) {
        t->set_locked(bloccati);
        t->set_back_color(colore);
    }
}

void insnomi::svuota() {
    for (plat::TextBox* t : modificabili_) t->set_text("");
    Text10.set_text("");
}

void insnomi::mostra(int k) {
    using namespace cliente;
    const RigaCliente& c = s.clienti[k];
    Text10.set_text(c[codice]);
    Text1.set_text(c[nome]);
    Text2.set_text(c[via]);
    Text3.set_text(c[cap]);
    Text4.set_text(c[citta]);
    Text5.set_text(c[telefono]);
    Text6.set_text(c[provincia]);
    Text7.set_text(c[codice_fiscale]);
    Text11.set_text(c[email]);
}

RigaCliente insnomi::cliente_scritto(long k) {
    using namespace cliente;
    RigaCliente c = cliente_in_archivio(app, k);
    c[codice] = Text10.text();
    c[nome] = Text1.text();
    c[via] = Text2.text();
    c[cap] = Text3.text();
    c[citta] = Text4.text();
    c[telefono] = Text5.text();
    c[provincia] = Text6.text();
    c[codice_fiscale] = Text7.text();
    c[email] = Text11.text();
    return c;
}

// --- load and activation ------------------------------------------------------------

void insnomi::Form_Load() {
    set_width(kLarghezza);
    ICONAAGENZIA.set_picture(s.percorso_logo);
    carica_clienti(app);
    aggiorna_conta();
    // The names are listed once per load: clients added or deleted later
    // appear in the list when the form is opened again.
    Combo1.clear();
    // Each name keeps its record: names repeat.
    for (int i = 1; i <= conta(); ++i) Combo1.add_item(s.clienti[i][cliente::nome], i);
    blocca(true, kColoreNormale);
    HScroll1.set_visible(false);
    Text9.set_visible(false);
    Text8.set_visible(true);
}

void insnomi::Form_Activate() {
    // The form may have been loaded hidden by a form reading its count, and
    // clients saved since from the booking form: the count shown, and the
    // record a new client is appended after, are those of the table now.
    aggiorna_conta();
}

// --- buttons -------------------------------------------------------------------

void insnomi::NUOVOINS_Click() {
    s.modo_chiamata = "nuovo";
    svuota();
    blocca(false, kGialloNuovo);
    HScroll1.set_visible(false);
    Text9.set_visible(false);
    // The name list lies over the name box: the new name must be typable.
    Combo1.set_visible(false);
    Text10.set_text(nuovo_codice_cliente(app, conta()));
    // The name is what the user types next.
    Text1.set_focus();
}

void insnomi::MODICLI_Click() {
    NUOVOINS.set_visible(true);
    blocca(false, kColoreNormale);
    HScroll1.set_visible(false);
    // The change starts where the clerk types: the client to change, chosen
    // from the names, or the name of the one shown.
    if (Text1.text().empty()) {
        Combo1.set_visible(true);
        Combo1.set_focus();
    } else {
        Text1.set_focus();
    }
}

void insnomi::VEDI_Click() {
    fine_inserimento();
    Text9.set_text("0");
    HScroll1.set_max(conta());
    HScroll1.set_value(0);
    blocca(true, kColoreNormale);
    svuota();
    Combo1.set_text("");
    Combo1.set_visible(false);
    HScroll1.set_visible(true);
    Text9.set_visible(true);
}

void insnomi::HScroll1_Change() {
    fine_inserimento();
    HScroll1.set_max(conta());
    Text9.set_text(std::to_string(HScroll1.value()));
    mostra(static_cast<int>(plat::leading_int(Text9.text())));
}

void insnomi::Combo1_Click() {
    const std::string scelto = plat::trim(Combo1.text());
    if (scelto.empty()) return;
    // The record the picked line was listed for. The list is that of the
    // load: when a deletion has moved that record, the first client of that
    // name is taken; a client deleted since is found nowhere, and then
    // nothing is shown.
    const int riga = Combo1.list_index();
    const long listato = riga >= 0 ? Combo1.item_data(riga) : 0;
    const bool al_suo_posto =
        listato >= 1 && listato <= conta() &&
        plat::trim(s.clienti[static_cast<int>(listato)][cliente::nome]) == scelto;
    for (int i = al_suo_posto ? static_cast<int>(listato) : 1; i <= conta(); ++i) {
        if (plat::trim(s.clienti[i][cliente::nome]) != scelto) continue;
        fine_inserimento();
        Text9.set_text(std::to_string(i));
        mostra(i);
        Combo1.set_text("");
        Combo1.set_visible(false);
        return;
    }
}

void insnomi::SALVACLI_Click() {
    if (plat::trim(Text1.text()).empty()) return;
    const std::string record_prima = Text9.text();
    // A change rewrites the record on screen; with none shown it would
    // write over whichever client the number now names.
    if (!in_inserimento() && !cliente_mostrato(plat::leading_int(Text9.text()))) {
        app.msgbox(
            "NESSUN CLIENTE REGISTRATO E' VISUALIZZATO.\rSCEGLIERE IL CLIENTE DA MODIFICARE "
            "O PREMERE NUOVO.",
            plat::Buttons::Ok, "SALVA CLIENTE", plat::Icon::Exclamation);
        return;
    }
    if (in_inserimento()) {
        Text8.set_text(std::to_string(conta() + 1));
        Text9.set_text(Text8.text());
    }
    const long k = plat::leading_int(Text9.text());
    const bool registrato = registra_cliente(app, k, cliente_scritto(k));
    aggiorna_conta();
    if (!registrato) {
        // The writer has said why; the typed client stays on screen to be
        // corrected and saved again.
        Text9.set_text(record_prima);
        return;
    }
    fine_inserimento();
    svuota();
    nessun_cliente_mostrato();
    blocca(true, kColoreNormale);
    HScroll1.set_visible(false);
    Text9.set_visible(false);
    Text8.set_visible(true);
}

void insnomi::CESTO_Click() {
    if (Text1.text().empty()) return;
    const long k = plat::leading_int(Text9.text());
    // Only a stored client on screen is deleted: after NUOVO the record
    // number still names the client shown before, not the one typed.
    if (in_inserimento() || !cliente_mostrato(k)) {
        app.msgbox(
            "NESSUN CLIENTE REGISTRATO E' VISUALIZZATO.\rLA CANCELLAZIONE NON E' STATA FATTA.",
            plat::Buttons::Ok, "CANCELLAZIONE CLIENTE", plat::Icon::Exclamation);
        return;
    }
    // A client that a booking or an invoice of any year names stays: a
    // later client given his code would take them over.
    const std::string motivo =
        cliente_nominato(app, s.clienti[static_cast<int>(k)][cliente::codice]);
    if (!motivo.empty()) {
        app.msgbox(motivo, plat::Buttons::Ok, "CANCELLAZIONE CLIENTE", plat::Icon::Exclamation);
        return;
    }
    if (app.msgbox({.text = "Sei sicuro di cancellare \r" + Text1.text(),
                    .buttons = plat::Buttons::YesNo,
                    .no_by_default = true}) != plat::Answer::Yes)
        return;
    s.clienti[static_cast<int>(k)][cliente::nome] = "CANC";
    // When the file could not be written the reload has given the client
    // back, and it stays on screen.
    if (!cancella_cliente()) return;
    for (plat::TextBox* t : modificabili_) t->set_text("");
    Text10.set_text("");
    carica_clienti(app);
    aggiorna_conta();
    // The deleted client's line now holds the next client: the form leaves
    // the change, and shows the empty record if browsing.
    nessun_cliente_mostrato();
    HScroll1.set_max(conta());
    HScroll1.set_value(0);
    blocca(true, kColoreNormale);
}

bool insnomi::cancella_cliente() {
    // Only the deleted client's line goes; every other stays as it stood.
    const bool scritto =
        riscrivi_tabella(app, s.percorso_clienti, s.clienti, conta(), kFormatoClienti);
    carica_clienti(app);
    return scritto;
}

void insnomi::USCITA_Click() {
    app.form(forme::MENU).show();
    unload();
}

// --- the boxes, when left ----------------------------------------------------------
// A locked box shows a stored client and was not edited: it is not checked;
// nor is a box passed through without a change, whose check would put back
// the stored client, empty the town or clear the code shown.

void insnomi::Text1_Validate() {
    if (Text1.locked() || Text1.text().empty() || !Text1.changed_since_focus()) return;
    Text1.set_text(plat::upper(Text1.text()));
    const std::string nome = plat::trim(Text1.text());
    // The client being changed is not a duplicate of itself.
    const long proprio = in_inserimento() ? 0 : plat::leading_int(Text9.text());
    for (int i = 1; i <= conta(); ++i) {
        if (i == proprio || plat::trim(s.clienti[i][cliente::nome]) != nome) continue;
        app.msgbox("NOMINATIVO GIA' INSERITO ");
        // The stored client is now the one shown, and the one a save changes.
        fine_inserimento();
        Text9.set_text(std::to_string(i));
        mostra(i);
        return;
    }
}

void insnomi::Text3_Validate() {
    if (Text3.locked() || Text3.text().empty() || !Text3.changed_since_focus()) return;
    Text3.set_text(plat::upper(Text3.text()));
    s.operazione = "CLIENTI";
    s.chiave_comune = Text3.text();
    cerca_comune(app);
    mostra_comuni();
}

void insnomi::Text4_Validate() {
    if (Text4.locked() || s.chiave_comune == "OK" || Text4.text().empty() ||
        !Text4.changed_since_focus())
        return;
    Text4.set_text(plat::upper(Text4.text()));
    s.operazione = "CLIENTI";
    s.chiave_comune = Text4.text();
    cerca_comune(app);
    mostra_comuni();
}

void insnomi::mostra_comuni() {
    // Several towns share the code: the choice is the next thing to do,
    // with the arrows and Enter as with a click.
    if (List1.visible()) List1.set_focus();
}

void insnomi::Text7_Validate() {
    if (Text7.locked() || Text7.text().empty() || !Text7.changed_since_focus()) return;
    Text7.set_text(plat::upper(Text7.text()));
    s.cf_da_controllare = Text7.text();
    s.esito_cf = "";
    controlla_codice_fiscale(app);
    if (s.esito_cf == "no") Text7.set_text("");
}

void insnomi::List1_Click() {
    if (List1.list_index() < 0) return;
    const RigaComune r = dividi_riga_comune(List1.text());
    Text4.set_text(r.comune);
    Text3.set_text(r.cap);
    Text6.set_text(r.provincia);
    List1.set_visible(false);
    // The town, its code and province are in: the telephone comes next.
    Text5.set_focus();
}

}  // namespace ga
