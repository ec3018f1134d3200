#include "registry/PROPRIETARI.h"

#include <algorithm>
#include <utility>

#include "platform/number.h"
#include "platform/text.h"
#include "records/comuni.h"
#include "records/proprietari.h"
#include "records/riferimenti.h"
#include "registry/caselle.h"
#include "registry/controlli.h"

namespace ga {

namespace {

constexpr int kLarghezza = 8865;
// Back colours of the boxes: light yellow while a new owner is typed, the
// window's own colour otherwise (a system colour); orange text while an
// owner is changed.
constexpr long kGialloNuovo = 0xC0FFFF;
constexpr long kColoreNormale = 0x80000014;
constexpr long kTestoModifica = 0x80FF;
constexpr const char* kTitolo = " INSERIMENTO PROPRIETARI ";

void nessun_nominativo(App& app) {
    app.msgbox("NESSUN NOMINATIVO SCELTO", plat::Buttons::Ok, "PROPRIETARI");
}

// A company's VAT number (eleven digits) goes in the same box as a person's
// fiscal code, and the fiscal-code check would refuse it.
bool partita_iva(const std::string& testo) {
    return testo.size() == 11 &&
           std::all_of(testo.begin(), testo.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

PROPRIETARI::PROPRIETARI(App& app) : Forma(app, kName) {
    design("PROPRIETARI", kLarghezza, px(420));
    metti(ICONAAGENZIA, 16, 8, 90, 66).design().stretch = true;
    metti(Label1, 120, 14, 440, 28).design().text = "INSERIMENTO / MODIFICA  PROPRIETARI";
    Label1.design().font_size = 13;
    Label1.design().bold = true;
    etichetta("PROPRIETARI  INSERITI", 120, 56, 150);
    metti(Text1, 274, 50, 50, 25).design().alignment = 1;
    Text1.design().locked = true;

    struct Riga {
        const char* etichetta;
        plat::TextBox* box;
        int larghezza;
    };
    // One row each; the short boxes share their row with a second one.
    const Riga righe[] = {{"NOMINATIVO", &Text2, 330},   {"VIA", &Text3, 330},
                          {"CITTA'", &Text4, 220},       {"PROVINCIA", &Text10, 44},
                          {"CODICE FISC.", &Text5, 180}, {"E-MAIL", &Text11, 330}};
    for (int i = 0; i < 6; ++i) {
        etichetta(righe[i].etichetta, 16, 94 + i * 32, 104);
        metti(*righe[i].box, 124, 88 + i * 32, righe[i].larghezza, 25);
    }
    etichetta("CAP", 356, 158, 32);
    metti(Text9, 390, 152, 64, 25);
    etichetta("TELEFONO", 184, 190, 70);
    metti(Text6, 256, 184, 198, 25);
    etichetta("CODICE PROP.", 318, 222, 86);
    metti(Text7, 406, 216, 48, 25);

    // The owner names lie over the name box while an owner is chosen.
    metti(Combo1, 124, 88, 330, 25).design().visible = false;
    // The candidate towns drop down under the town box.
    metti(List1, 124, 178, 330, 100).design().visible = false;
    // A town taken closes the list: Enter or a click takes it, the keys move.
    List1.design().command_list = true;
    List1.design().fixed_pitch = true;

    metti(Frame1, 16, 284, 438, 54).design().text = "RAPPORTO AGENZIA / PROPRIETARIO";
    metti(Option1, 16, 22, 180, 24, &Frame1).design().text = "PROVVIGGIONE";
    metti(Option2, 220, 22, 180, 24, &Frame1).design().text = "CONTRATTO";

    metti(HScroll1, 124, 352, 262, 20).design().visible = false;
    HScroll1.design().min = 0;
    HScroll1.design().max = 0;
    metti(Text8, 394, 350, 60, 25).design().visible = false;
    Text8.design().alignment = 1;
    metti(Check2, 16, 352, 20, 20).design().visible = false;

    struct Bottone {
        plat::CommandButton* b;
        const char* parola;
        const char* suggerimento;
    };
    const Bottone bottoni[] = {{&nuovo, "NUOVO", "NUOVO PROPRIETARIO"},
                               {&VediForn, "VISUALIZZA", "VISUALIZZA PROPRIETARI"},
                               {&MODIFICA, "MODIFICA", "MODIFICA "},
                               {&cancella, "CANCELLA", "CANCELLA"},
                               {&SalvaForn, "SALVA", "SALVA"},
                               {&iconbanc, "COORD. BANCA", "INSERISCI COORDINATE BANCA"},
                               {&insappa, "APPARTAMENTO", "INSERISCI L'APPARTAMENTO"},
                               {&USCITA, "USCITA", "USCITA"}};
    for (int i = 0; i < 8; ++i) {
        metti(*bottoni[i].b, 474, 88 + i * 40, 104, 34).design().text = bottoni[i].parola;
        bottoni[i].b->design().tooltip = bottoni[i].suggerimento;
    }

    for (plat::TextBox* t : record_) t->design().locked = true;
    Text8.design().locked = true;
    SalvaForn.design().confirms = true;

    nuovo.on_click = [this] { nuovo_Click(); };
    VediForn.on_click = [this] { VediForn_Click(); };
    MODIFICA.on_click = [this] { MODIFICA_Click(); };
    cancella.on_click = [this] { cancella_Click(); };
    SalvaForn.on_click = [this] { SalvaForn_Click(); };
    iconbanc.on_click = [this] { iconbanc_Click(); };
    insappa.on_click = [this] { insappa_Click(); };
    USCITA.on_click = [this] { USCITA_Click(); };
    HScroll1.on_change = [this] { HScroll1_Change(); };
    Combo1.on_lost_focus = [this] { Combo1_LostFocus(); };
    List1.on_click = [this] { List1_Click(); };
    Option1.on_click = [this] { Option1_Click(); };
    Option2.on_click = [this] { Option2_Click(); };
    Text2.on_lost_focus = [this] { Text2_LostFocus(); };
    Text3.on_lost_focus = [this] { Text3_LostFocus(); };
    Text4.on_lost_focus = [this] { Text4_LostFocus(); };
    Text5.on_lost_focus = [this] { Text5_LostFocus(); };
    Text9.on_lost_focus = [this] { Text9_LostFocus(); };
    Text10.on_lost_focus = [this] { Text10_LostFocus(); };
}

// --- helpers -----------------------------------------------------------------------

void PROPRIETARI::imposta_caselle(bool bloccate, long sfondo, bool svuota) {
    for (plat::TextBox* t : record_) {
        t->set_locked(bloccate);
        t->set_back_color(sfondo);
    }
    if (svuota) svuota_record();
}

void PROPRIETARI::svuota_record(std::initializer_list<const plat::TextBox*> tranne) {
    for (plat::TextBox* t : record_)
        if (std::find(tranne.begin(), tranne.end(), t) == tranne.end()) t->set_text("");
    Text8.set_text("");
    // The relation is a field of the record as the boxes are: the owner
    // shown before must not lend his to the next one.
    Option1.set_value(0);
    Option2.set_value(0);
}

int PROPRIETARI::conta() {
    return static_cast<int>(
        std::clamp<long>(plat::leading_int(Text1.text()), 0, s.proprietari.capacita()));
}

bool PROPRIETARI::codice_accettabile(long record) {
    // Apartments, payouts and bank records find their owner by this code
    // alone: an owner without one, or with another owner's, is refused.
    const std::string codice = plat::trim(Text7.text());
    if (codice.empty()) {
        app.msgbox("IL CODICE PROPRIETARIO E' OBBLIGATORIO", plat::Buttons::Ok, kTitolo);
        Text7.set_focus();
        return false;
    }
    // A number, as every code the program gives: a word typed into the box
    // (an e-mail meant for the next one) is no code, nor is the agency's
    // own 0000 of the bank records. A stored owner keeps the code he has.
    const bool suo = record >= 1 && record <= conta() &&
                     plat::trim(s.proprietari[record][proprietario::codice]) == codice;
    if (!suo && (!plat::all_digits(codice) || plat::leading_int(codice) == 0)) {
        app.msgbox("IL CODICE PROPRIETARIO DEVE ESSERE UN NUMERO (ES. 0012): \"" + codice +
                       "\" NON E' VALIDO",
                   plat::Buttons::Ok, kTitolo);
        Text7.set_focus();
        return false;
    }
    // Stored in its padded form, as the codes the form proposes.
    if (!suo) Text7.set_text(plat::pad_code(codice));
    for (int i = 1; i <= conta(); ++i) {
        const std::string altro = plat::trim(s.proprietari[i][proprietario::codice]);
        if (i == record || altro.empty() || plat::pad_code(altro) != plat::pad_code(codice))
            continue;
        app.msgbox("IL CODICE PROPRIETARIO " + codice + " E' GIA' ASSEGNATO A " +
                       s.proprietari[i][proprietario::nome],
                   plat::Buttons::Ok, kTitolo);
        Text7.set_focus();
        return false;
    }
    return true;
}

// --- load and activation --------------------------------------------------------------

void PROPRIETARI::Form_Load() {
    set_width(kLarghezza);
    ICONAAGENZIA.set_picture(s.percorso_logo);
    carica_proprietari(app);
    // The names are listed once per load: owners added or deleted later
    // appear in the list when the form is opened again.
    Combo1.clear();
    for (int i = 1; i <= conta(); ++i) Combo1.add_item(s.proprietari[i][proprietario::nome], i);
    // Every box of the record, the e-mail too, waits for NUOVO or MODIFICA:
    // a name typed at the opening must not land in a box left open.
    for (plat::TextBox* t : record_) t->set_locked(true);
    appena_caricato_ = true;
    HScroll1.set_visible(false);
    Text8.set_visible(false);
    Text1.set_visible(true);
    Text1.set_locked(true);
    Text2.set_text("");
}

void PROPRIETARI::Form_Activate() {
    // Opened, the form waits on NUOVO: Enter starts an owner and puts the
    // focus in the name box.
    if (std::exchange(appena_caricato_, false)) nuovo.set_focus();
    // Back from the bank form: it was given "nuovopr" only so that its exit
    // hands this form back; an owner being changed or browsed must not be
    // saved afterwards as a new one.
    if (modo_prima_della_banca_) {
        if (s.modo_chiamata == "nuovopr") s.modo_chiamata = *modo_prima_della_banca_;
        modo_prima_della_banca_.reset();
    }
}

// --- buttons -------------------------------------------------------------------------

void PROPRIETARI::nuovo_Click() {
    SalvaForn.set_enabled(false);
    s.modo_chiamata = "nuovopr";
    const std::string codice = nuovo_codice_proprietario(app, conta());
    imposta_caselle(false, kGialloNuovo, true);
    Text7.set_text(codice);
    HScroll1.set_visible(false);
    Text8.set_visible(false);
    Combo1.set_visible(false);
    Check2.set_value(0);
    Text2.set_focus();
}

void PROPRIETARI::MODIFICA_Click() {
    s.modo_chiamata = "modipr";
    nuovo.set_visible(true);
    // Only a new owner waits for its name before it can be saved.
    SalvaForn.set_enabled(true);
    imposta_caselle(false, kColoreNormale, false);
    for (plat::TextBox* t : record_) t->set_fore_color(kTestoModifica);
    HScroll1.set_visible(false);
    // The change starts where the clerk types: the owner to change, chosen
    // from the names, or the name of the one shown.
    if (Text2.text().empty()) {
        Combo1.set_visible(true);
        Combo1.set_focus();
    } else {
        Text2.set_focus();
    }
}

void PROPRIETARI::VediForn_Click() {
    Combo1.set_visible(false);
    s.modo_chiamata = "visopr";
    SalvaForn.set_enabled(true);
    imposta_caselle(true, kColoreNormale, true);
    Text8.set_text("0");
    HScroll1.set_max(conta());
    HScroll1.set_value(0);
    Check2.set_value(0);
    HScroll1.set_visible(true);
    Text8.set_visible(true);
    iconbanc.set_visible(true);
}

void PROPRIETARI::HScroll1_Change() {
    HScroll1.set_max(conta());
    Text8.set_text(std::to_string(HScroll1.value()));
    vedi_proprietario(app);
}

void PROPRIETARI::Combo1_LostFocus() {
    const std::string scelto = plat::trim(Combo1.text());
    if (scelto.empty()) return;
    // The record the picked line was listed for; a typed name, or a line
    // whose record has moved since the list was filled, takes the first
    // owner of that name.
    const int riga = Combo1.list_index();
    const long listato = riga >= 0 ? Combo1.item_data(riga) : 0;
    const bool al_suo_posto =
        listato >= 1 && listato <= conta() &&
        plat::trim(s.proprietari[static_cast<int>(listato)][proprietario::nome]) == scelto;
    for (int i = al_suo_posto ? static_cast<int>(listato) : 1; i <= conta(); ++i) {
        if (plat::trim(s.proprietari[i][proprietario::nome]) != scelto) continue;
        Text8.set_text(std::to_string(i));
        vedi_proprietario(app);
        Combo1.set_text("");
        Combo1.set_visible(false);
        return;
    }
}

void PROPRIETARI::SalvaForn_Click() {
    if (Text2.text().empty()) return;
    const bool nuovo_proprietario = in_inserimento();
    const std::string conta_prima = Text1.text(), record_prima = Text8.text();
    const long record = nuovo_proprietario ? 0 : plat::leading_int(Text8.text());
    // A change needs a stored owner on screen: with none the record number
    // names no owner, or one the user no longer sees.
    if (!nuovo_proprietario && (record < 1 || record > conta())) {
        nessun_nominativo(app);
        return;
    }
    if (!codice_accettabile(record)) return;

    if (nuovo_proprietario) {
        Text1.set_text(std::to_string(conta() + 1));
        Text8.set_text(Text1.text());
    }
    if (!registra_proprietari(app)) {
        // The writer has said why; the count and the record number go back
        // and the owner stays on screen to be corrected and saved again.
        Text1.set_text(conta_prima);
        Text8.set_text(record_prima);
        return;
    }
    Check2.set_value(1);

    app.imposta(kSchedaProprietario, Text2.text());
    app.imposta(kSchedaCodiceProprietario, Text7.text());

    imposta_caselle(false, kColoreNormale, true);
    HScroll1.set_visible(false);
    Text8.set_visible(false);
    Text1.set_visible(true);
}

void PROPRIETARI::cancella_Click() {
    if (Text2.text().empty()) return;
    const long record = plat::leading_int(Text8.text());
    // Only a stored owner on screen is deleted: while a new one is typed the
    // record number names no owner.
    if (in_inserimento() || record < 1 || record > conta()) {
        nessun_nominativo(app);
        return;
    }
    // An owner that an apartment, a movement, a payout or an invoice names
    // stays: a later owner given his code would take them over.
    const std::string motivo = proprietario_nominato(
        app, s.proprietari[static_cast<int>(record)][proprietario::codice], record);
    if (!motivo.empty()) {
        app.msgbox(motivo, plat::Buttons::Ok, kTitolo, plat::Icon::Exclamation);
        return;
    }
    const std::string nome = Text2.text();
    if (app.msgbox({.text = "Sei sicuro di cancellare \r" + nome,
                    .buttons = plat::Buttons::YesNo,
                    .no_by_default = true}) != plat::Answer::Yes)
        return;
    Text2.set_text("CANC");
    if (!registra_proprietari(app)) {
        Text2.set_text(nome);
        return;
    }
    Check2.set_value(1);
    nuovo.set_visible(true);
    // The e-mail box keeps its text, as it always has after a deletion: it
    // is cleared by NUOVO, and nothing is saved while the name is empty.
    svuota_record({&Text11});
    HScroll1.set_visible(false);
    Text8.set_visible(false);
}

void PROPRIETARI::iconbanc_Click() {
    if (Text2.text().empty()) {
        nessun_nominativo(app);
        return;
    }
    plat::Form* banca = &app.form(forme::COORDBANCA);
    modo_prima_della_banca_ = s.modo_chiamata;
    set_enabled(false);
    s.modo_chiamata = "nuovopr";
    app.imposta(kBancaProprietario, Text2.text());
    app.imposta(kBancaCodiceProprietario, Text7.text());
    banca->show();
}

void PROPRIETARI::insappa_Click() {
    if (Text2.text().empty()) {
        nessun_nominativo(app);
        return;
    }
    plat::Form* carta = &app.form(kSchedaProprietario);
    plat::Control& nome = app.campo(kSchedaProprietario);
    nome.set_text(Text2.text());
    nome.set_visible(true);
    plat::Control& elenco = app.campo(kSchedaProprietari);
    elenco.set_text(Text2.text());
    elenco.set_visible(false);
    hide();
    carta->show();
}

void PROPRIETARI::USCITA_Click() {
    if (!Text2.text().empty() && Check2.value() == 0) {
        if (app.msgbox("Il nominativo non è stato salvato \r Vuoi comunque uscire ?",
                       plat::Buttons::YesNo, kTitolo) == plat::Answer::No)
            return;
    }
    app.form(forme::MENU).show();
    unload();
}

// --- options and lists -----------------------------------------------------------------

void PROPRIETARI::Option1_Click() {
    // A new owner is saved as soon as his relation with the agency is chosen.
    if (in_inserimento()) SalvaForn_Click();
}

void PROPRIETARI::Option2_Click() {
    if (in_inserimento()) SalvaForn_Click();
}

void PROPRIETARI::List1_Click() {
    if (List1.list_index() < 0) return;
    const RigaComune r = dividi_riga_comune(List1.text());
    Text4.set_text(r.comune);
    Text9.set_text(r.cap);
    Text10.set_text(r.provincia);
    List1.set_visible(false);
    // The town, its code and province are in: the telephone comes next.
    Text6.set_focus();
}

// --- the boxes, when left -----------------------------------------------------------------

void PROPRIETARI::Text2_LostFocus() {
    // A locked box shows a stored owner and was not edited; a box passed
    // through unchanged is not checked again either.
    if (Text2.locked() || Text2.text().empty() || !Text2.changed_since_focus()) return;
    Text2.set_text(plat::upper(Text2.text()));
    // The owner being changed is no duplicate of himself.
    const long proprio = in_inserimento() ? 0 : plat::leading_int(Text8.text());
    for (int i = 1; i <= conta(); ++i) {
        if (i == proprio || s.proprietari[i][proprietario::nome] != Text2.text()) continue;
        app.msgbox("IL NOMINATIVO E' GIA' INSERITO ", plat::Buttons::Ok, kTitolo);
        Text2.set_text("");
        return;
    }
    SalvaForn.set_enabled(true);
}

void PROPRIETARI::Text3_LostFocus() {
    if (!Text3.locked() && !Text3.text().empty()) Text3.set_text(plat::upper(Text3.text()));
}

void PROPRIETARI::cerca_comune_da(plat::TextBox& box) {
    // A stored owner's town, only browsed or passed through, is not looked
    // up again: the lookup would put the first town of that name in its place.
    if (box.locked() || box.text().empty() || !box.changed_since_focus()) return;
    box.set_text(plat::upper(box.text()));
    if (s.chiave_comune == "OK") return;
    s.chiave_comune = box.text();
    s.operazione = "PROPRIETARI";
    cerca_comune(app);
    // Several towns share the code: the choice is the next thing to do,
    // with the arrows and Enter as with a click.
    if (List1.visible()) List1.set_focus();
}

void PROPRIETARI::Text4_LostFocus() { cerca_comune_da(Text4); }

void PROPRIETARI::Text9_LostFocus() { cerca_comune_da(Text9); }

void PROPRIETARI::Text10_LostFocus() {
    if (!Text10.locked()) Text10.set_text(plat::upper(Text10.text()));
}

void PROPRIETARI::Text5_LostFocus() {
    // A stored code only browsed or passed through is not checked (and so
    // not emptied).
    if (Text5.locked() || Text5.text().empty() || !Text5.changed_since_focus()) return;
    Text5.set_text(plat::upper(Text5.text()));
    if (partita_iva(plat::trim(Text5.text()))) return;
    s.cf_da_controllare = Text5.text();
    s.esito_cf = "";
    controlla_codice_fiscale(app);
    if (s.esito_cf == "no") Text5.set_text("");
}

}  // namespace ga
