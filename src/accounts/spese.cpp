#include "accounts/spese.h"

#include <algorithm>
#include <optional>

#include "accounts/caselle.h"
#include "accounts/estratto.h"
#include "platform/number.h"
#include "platform/text.h"
#include "records/movimenti.h"
#include "records/salvataggio.h"

namespace ga {

namespace {
constexpr int kLarghezza = 9900;
}  // namespace

spese::spese(App& app) : Forma(app, kName) {
    design("INSERIMENTO SPESE", kLarghezza, px(450));
    metti(ICONAAGENZIA, 16, 8, 90, 66).design().stretch = true;
    metti(Label1, 124, 22, 400, 30).design().text = "INSERIMENTO SPESE";
    Label1.design().font_size = 14;
    Label1.design().bold = true;

    metti(Label2, 16, 96, 130, 19).design().text = "PROPRIETARIO";
    metti(Combo1, 150, 90, 330, 25);
    metti(Text3, 150, 90, 330, 25).design().visible = false;
    Text3.design().locked = true;
    etichetta("COD. PROPR.", 500, 96, 80);
    metti(Text4, 584, 90, 50, 25).design().locked = true;

    etichetta("APPARTAMENTO", 16, 132, 130);
    metti(Text5, 150, 126, 56, 25).design().locked = true;
    Text5.design().tooltip = "CODICE APPARTAMENTO";
    metti(Text6, 212, 126, 200, 25).design().locked = true;
    Text6.design().tooltip = "VIA";
    metti(Text7, 418, 126, 50, 25).design().locked = true;
    Text7.design().tooltip = "NUMERO CIVICO";
    metti(SCEGLI, 478, 122, 156, 32).design().text = "SCEGLI APPARTAMENTO";
    SCEGLI.design().visible = false;

    // The owner's apartments, when there are several; the padded columns
    // line up in a fixed-pitch font.
    metti(List1, 150, 160, 484, 96).design().visible = false;
    // An apartment taken closes the list: Enter or a click takes it, the keys move.
    List1.design().command_list = true;
    List1.design().fixed_pitch = true;

    etichetta("DATA SPESA", 16, 276, 130);
    metti(DTPicker1, 150, 270, 130, 25);
    etichetta("IMPORTO SPESA", 330, 276, 110);
    metti(Text8, 450, 270, 130, 25).design().alignment = 1;
    etichetta("NOTA SPESE", 16, 310, 130);
    metti(Text9, 150, 304, 484, 25).design().locked = true;
    etichetta("IMPORTO A DISPOSIZIONE  ", 16, 344, 180);
    metti(Text10, 200, 338, 130, 25).design().locked = true;
    Text10.design().alignment = 1;

    metti(Text1, 350, 338, 40, 25).design().visible = false;
    metti(Text2, 400, 338, 40, 25).design().visible = false;
    metti(Check1, 450, 340, 20, 20).design().visible = false;
    metti(Check2, 480, 340, 20, 20).design().visible = false;

    metti(Command1, 16, 390, 150, 36).design().text = "CONFERMA";
    metti(cambioprop, 250, 390, 150, 36).design().text = "CAMBIA";
    metti(ESCI, 484, 390, 150, 36).design().text = "USCITA";

    Combo1.on_click = [this] { Combo1_Click(); };
    Text3.on_change = [this] { VEDIAPPARTAMENTO(); };
    List1.on_click = [this] { List1_Click(); };
    SCEGLI.on_click = [this] { SCEGLI_Click(); };
    Text8.on_click = [this] { Text8_Click(); };
    Text8.on_validate = [this] { Text8_Validate(); };
    Text9.on_validate = [this] { Text9_Validate(); };
    Command1.on_click = [this] { Command1_Click(); };
    cambioprop.on_click = [this] { cambioprop_Click(); };
    ESCI.on_click = [this] { ESCI_Click(); };
}

void spese::Form_Activate() {
    set_width(kLarghezza);
    ICONAAGENZIA.set_picture(s.percorso_logo);
    carica_saldi(app);
    carica_spese(app);
    Combo1.clear();
    const long n = std::clamp<long>(app.conta(kContaProprietari), 0, s.proprietari.capacita());
    for (int i = 1; i <= n; ++i)
        Combo1.add_item(s.proprietari[i][proprietario::nome], i);  // the owner's record
    DTPicker1.set_date(app.today());
}

void spese::scegli_proprietario(const std::string& nome, int record) {
    record_scelto_ = record;
    Text3.set_text(nome);
}

void spese::Combo1_Click() {
    const std::string t = proprietario_scelto(Combo1);
    if (t.empty() || t == "Combo1") return;
    record_scelto_ = record_scelto(Combo1);
    Text3.set_text(plat::trim(t));
    Text3.set_visible(true);
    Combo1.set_visible(false);
    VEDIAPPARTAMENTO();
}

void spese::estratto() { estratto_conto_proprietario(app, Text3.text(), record_trovato_); }

void spese::mostra_appartamento(const Appartamento& a) {
    Text5.set_text(a.codice);
    Text6.set_text(a.via);
    Text7.set_text(a.civico);
}

void spese::VEDIAPPARTAMENTO() {
    const std::string nome = plat::trim(Text3.text());
    const long proprietari =
        std::clamp<long>(app.conta(kContaProprietari), 0, s.proprietari.capacita());
    // The owner picked, also among namesakes; a name alone is its first owner.
    record_trovato_ = 0;
    if (record_scelto_ >= 1 && record_scelto_ <= proprietari && !nome.empty() &&
        plat::trim(s.proprietari[record_scelto_][proprietario::nome]) == nome)
        record_trovato_ = record_scelto_;
    for (int i = 1; i <= proprietari && !nome.empty() && record_trovato_ == 0; ++i)
        if (plat::trim(s.proprietari[i][proprietario::nome]) == nome) record_trovato_ = i;
    const bool trovato = record_trovato_ > 0;
    const std::string codice =
        trovato ? plat::trim(s.proprietari[record_trovato_][proprietario::codice]) : std::string();
    appartamenti_.clear();
    List1.clear();
    List1.set_visible(false);
    SCEGLI.set_visible(false);
    Text6.set_visible(true);
    mostra_appartamento({});
    // A name that is no owner's takes nothing of the owner shown before:
    // neither the code nor the apartments.
    Text4.set_text(codice);
    if (!trovato) {
        Text10.set_text("0");
        return;
    }

    const long n = std::clamp<long>(app.conta(kContaAppartamenti), 0, s.appartamenti.capacita());
    for (int i = 1; i <= n; ++i) {
        const RigaAppartamento& a = s.appartamenti[i];
        if (plat::trim(a[appartamento::codice_proprietario]) != codice) continue;
        const long via = plat::leading_int(a[appartamento::codice_via]);
        appartamenti_.push_back(
            {a[appartamento::codice],
             s.vie.valido(static_cast<int>(via)) ? s.vie[static_cast<int>(via)][vie::nome] : "",
             a[appartamento::civico]});
    }

    if (appartamenti_.size() <= 1) {
        // An owner without apartments has none to charge: the boxes stay
        // empty and CONFERMA asks for one.
        if (appartamenti_.size() == 1) {
            Appartamento a = appartamenti_[0];
            a.codice = plat::pad_code(a.codice);
            mostra_appartamento(a);
        }
        estratto();
        return;
    }
    for (std::size_t m = 0; m < appartamenti_.size(); ++m) {
        Appartamento& a = appartamenti_[m];
        a.codice = plat::pad_code(a.codice);
        a.via = plat::pad_right(a.via, 24);
        if (plat::length(a.civico) < 5) a.civico = " " + a.civico;
        List1.add_item(std::to_string(m + 1) + " - " + a.codice + " - " + a.via + " - " + a.civico);
    }
    Text6.set_visible(false);
    List1.set_visible(true);
    SCEGLI.set_visible(true);
}

void spese::List1_Click() {
    const int k = List1.list_index();
    if (k < 0 || k >= static_cast<int>(appartamenti_.size())) return;
    List1.set_visible(false);
    Text6.set_visible(true);
    mostra_appartamento(appartamenti_[static_cast<std::size_t>(k)]);
    estratto();
}

void spese::SCEGLI_Click() {
    List1.set_visible(true);
    Text6.set_visible(false);
    mostra_appartamento({});
}

void spese::Text8_Click() { Text8.set_text(""); }

void spese::Text8_Validate() {
    // A text that is no amount stays as typed, for the user to see it refused.
    if (const std::optional<double> v = plat::typed_amount(Text8.text()))
        Text8.set_text(plat::format_amount(*v));
    Text9.set_locked(false);
}

void spese::Text9_Validate() {
    Text9.set_text(plat::upper(Text9.text()));
    Check1.set_value(1);
}

void spese::Command1_Click() {
    // One expense per opening of the form: the guard is set by this form's
    // own recording and cleared when the form is unloaded.
    if (Check2.value() == 1) {
        app.msgbox(
            "LA SPESA E' GIA' STATA REGISTRATA.\rPER UNA NUOVA SPESA USCIRE E RIAPRIRE LA "
            "FINESTRA.");
        return;
    }
    // The amount first: without it the note cannot even be typed. An empty
    // box, a word, 0 or a negative figure is no expense.
    const std::optional<double> importo = plat::typed_amount(Text8.text());
    if (!importo || plat::cents(*importo) <= 0) {
        app.msgbox("INSERIRE L'IMPORTO ");
        return;
    }
    if (Check1.value() == 0) {
        app.msgbox("inserire la nota spese");
        return;
    }
    // An expense must be charged to an apartment of a known owner: without
    // one it would belong to nobody's statement.
    if (plat::trim(Text4.text()).empty() || plat::trim(Text5.text()).empty()) {
        app.msgbox("SCEGLIERE IL PROPRIETARIO E L'APPARTAMENTO DELLA SPESA");
        return;
    }
    // The expense line is checked before the journal line is written, so
    // that a refused expense leaves no movement without its description.
    if (!spesa_registrabile(app)) return;
    s.operazione = "SPESA";
    // The journal line and the expense's description are one save.
    {
        Salvataggio salvataggio(app);
        if (!registra_movimento(app) || !registra_spesa(app) || !salvataggio.conferma()) {
            // Nothing was written: the expense may be confirmed again.
            Check2.set_value(0);
            return;
        }
    }
    Check2.set_value(1);
    // The statement names the expense by its description: the table is read
    // again so that it holds the line just added.
    carica_spese(app);
    estratto();
}

void spese::cambioprop_Click() {
    record_scelto_ = 0;
    Combo1.set_visible(true);
    Text3.set_visible(false);
    Text10.set_text("0");
    Combo1.set_text("");
    Text3.set_text("");
    for (plat::TextBox* t : {&Text4, &Text5, &Text6, &Text7}) t->set_text("");
    List1.clear();
    List1.set_visible(false);
    SCEGLI.set_visible(false);
    Text6.set_visible(true);
}

void spese::ESCI_Click() {
    app.form(forme::MENU).show();
    unload();
}

}  // namespace ga
