#include "accounts/SaldoProprietario.h"

#include <algorithm>
#include <optional>

#include "accounts/EstrattoContoPropr.h"
#include "accounts/caselle.h"
#include "accounts/conto_corrente.h"
#include "accounts/estratto.h"
#include "platform/number.h"
#include "platform/text.h"
#include "records/archivio.h"
#include "records/banche.h"
#include "records/movimenti.h"
#include "records/percorsi.h"
#include "records/proprietari.h"
#include "records/salvataggio.h"

namespace ga {

namespace {
constexpr int kLarghezza = 9000;
}  // namespace

SaldoProprietario::SaldoProprietario(App& app) : Forma(app, kName) {
    design("SALDO PROPRIETARIO", kLarghezza, px(450));
    metti(ICONAAGENZIA, 16, 8, 90, 66).design().stretch = true;
    metti(Label1, 120, 12, 464, 28).design().text = "ACCONTO / SALDO AL PROPRIETARIO";
    Label1.design().font_size = 13;
    Label1.design().bold = true;
    metti(Label3, 120, 46, 464, 19);

    etichetta("PROPRIETARIO", 16, 96, 110);
    metti(Combo1, 130, 90, 300, 25);
    // The chosen owner's name lies where the owner names are picked.
    metti(Text1, 130, 90, 300, 25).design().visible = false;
    Text1.design().locked = true;
    etichetta("COD.  PROPRIET.", 444, 96, 96);
    metti(Text8, 540, 90, 44, 25).design().locked = true;
    etichetta("VIA", 16, 128, 110);
    metti(Text2, 130, 122, 300, 25).design().locked = true;
    etichetta("CITTA'", 16, 160, 110);
    metti(Text3, 130, 154, 300, 25).design().locked = true;
    etichetta("IMPORTO DOVUTO ", 16, 192, 110);
    metti(Text4, 130, 186, 130, 25).design().locked = true;
    Text4.design().alignment = 1;

    metti(Frame1, 16, 226, 568, 140).design().text = "ACCONTO / SALDO  ODIERNO";
    etichetta("DATA", 16, 34, 60, &Frame1);
    metti(DTPicker1, 80, 28, 130, 25, &Frame1);
    etichetta("IMPORTO", 250, 34, 70, &Frame1);
    metti(Text5, 324, 28, 130, 25, &Frame1).design().alignment = 1;
    Text5.design().tooltip =
        "INSERIRE LA CIFRA. OPPURE CLICCARE DUE VOLTE PER RIPETERE L'IMPORTO DOVUTO";
    metti(Option1, 16, 68, 120, 24, &Frame1).design().text = "CONTANTI";
    metti(Option2, 180, 68, 120, 24, &Frame1).design().text = "ASSEGNO";
    metti(Option3, 344, 68, 180, 24, &Frame1).design().text = "BONIFICO BANCARIO";
    metti(Text6, 180, 100, 150, 25, &Frame1).design().visible = false;
    Text6.design().tooltip = "ASSEGNO";
    metti(Text7, 344, 100, 200, 25, &Frame1).design().visible = false;
    Text7.design().tooltip = "BONIFICO BANCARIO";

    metti(Check1, 280, 190, 20, 20).design().visible = false;
    metti(Check2, 310, 190, 20, 20).design().visible = false;

    metti(SALVA, 16, 390, 120, 36).design().text = "SALVA";
    metti(RITORNA, 160, 390, 170, 36).design().text = "RITORNA AI DETTAGLI";
    metti(cambioprop, 354, 390, 100, 36).design().text = "CAMBIA";
    metti(ESCI, 476, 390, 108, 36).design().text = "USCITA";

    Combo1.on_click = [this] { Combo1_Click(); };
    cambioprop.on_click = [this] { cambioprop_Click(); };
    Option1.on_click = [this] { Option1_Click(); };
    Option2.on_click = [this] { Option2_Click(); };
    Option3.on_click = [this] { Option3_Click(); };
    Text5.on_click = [this] { Text5_Click(); };
    Text5.on_dbl_click = [this] { Text5_DblClick(); };
    Text5.on_validate = [this] { Text5_Validate(); };
    SALVA.on_click = [this] { SALVA_Click(); };
    RITORNA.on_click = [this] { RITORNA_Click(); };
    ESCI.on_click = [this] { ESCI_Click(); };
}

void SaldoProprietario::svuota() {
    for (int n = 1; n <= 8; ++n) control("TEXT" + std::to_string(n))->set_text("");
    Check1.set_value(0);
    Check2.set_value(0);
}

void SaldoProprietario::Form_Load() {
    set_width(kLarghezza);
    ICONAAGENZIA.set_picture(s.percorso_logo);
    svuota();
    Combo1.set_text("");
    carica_proprietari(app);
    carica_saldi(app);
    carica_spese(app);
    Combo1.clear();
    const long n = std::clamp<long>(app.conta(kContaProprietari), 0, s.proprietari.capacita());
    for (int i = 1; i <= n; ++i)
        Combo1.add_item(s.proprietari[i][proprietario::nome], i);  // the owner's record
    Label3.set_caption(app.testo(kAvvioAgenzia) + "   -   " + app.testo(kAvvioCitta) + "   -   " +
                       s.anno_gestione);
    Option1.set_value(1);
    DTPicker1.set_date(app.today());
}

void SaldoProprietario::Combo1_Click() {
    const std::string nome = proprietario_scelto(Combo1);
    Text1.set_text(nome);
    // The owner picked, also among namesakes: the payout is recorded under
    // the code the statement finds for it.
    nome_proprietario_ = nome;
    record_proprietario_ = record_scelto(Combo1);
    Text1.set_visible(true);
    Combo1.set_visible(false);
    estratto_conto_proprietario(app, nome, record_proprietario_);
}

void SaldoProprietario::cambioprop_Click() {
    svuota();
    Option1.set_value(1);
    Combo1.set_text("");
    Text1.set_visible(false);
    Combo1.set_visible(true);
}

void SaldoProprietario::Option1_Click() {
    if (Option1.value() != 1) return;
    Text6.set_visible(false);
    Text7.set_visible(false);
}

void SaldoProprietario::Option2_Click() {
    if (Option2.value() == 1) {
        Text6.set_visible(true);
        Option3.set_value(0);
        Text7.set_visible(false);
    } else {
        Text6.set_visible(false);
    }
}

void SaldoProprietario::Option3_Click() {
    if (Option3.value() == 1) {
        Text7.set_visible(true);
        Option2.set_value(0);
        Text6.set_visible(false);
    } else {
        Text7.set_visible(false);
    }
    carica_banche(app);
    controlla_contobanca();
}

// Reads the bank records count; nothing is checked against it yet.
void SaldoProprietario::controlla_contobanca() { app.conta(kContaBanche); }

void SaldoProprietario::Text5_Click() { Text5.set_text(""); }

void SaldoProprietario::Text5_DblClick() {
    Text5.set_text(plat::format_amount(std::string_view(Text4.text())));
}

namespace {
// A payout is an amount above nothing, typed as an amount: an empty box, a
// word, 0 or a negative figure would be a payout no statement could show.
std::optional<double> versamento(const std::string& testo) {
    const std::optional<double> v = plat::typed_amount(testo);
    if (!v || plat::cents(*v) <= 0) return std::nullopt;
    return v;
}
}  // namespace

void SaldoProprietario::Text5_Validate() {
    const std::optional<double> v = versamento(Text5.text());
    if (v) Text5.set_text(plat::format_amount(*v));
    Check1.set_value(v ? 1 : 0);
}

void SaldoProprietario::SALVA_Click() {
    // The amount may have changed since it was entered, without the box
    // being left: it is checked again.
    if (Check1.value() == 0 || !versamento(Text5.text())) {
        app.msgbox("INSERIRE L'IMPORTO ");
        return;
    }
    // A payout to nobody would be lost from every statement.
    if (plat::trim(Text8.text()).empty()) {
        app.msgbox("SCEGLIERE IL PROPRIETARIO");
        return;
    }
    const bool assegno = Option2.value() == 1;
    // The register line is checked before the journal line is written, so
    // that a cheque is never left half recorded.
    if (assegno && !valori_registrabili(app, riga_conto(app))) return;
    s.operazione = "SALDOPROP";
    // The journal line and, for a cheque, the register line are one save.
    {
        Salvataggio salvataggio(app);
        bool registrato = registra_movimento(app);
        if (registrato && assegno) {
            s.conto_corrente = s.banche[1].banca_conto;
            // The register's name carries the account number: the paths are
            // rebuilt now, or the cheque would go to the register named after
            // the account known when they were last built (or after none).
            imposta_percorsi_dati(app);
            registrato = registra_conto_corrente(app);
        }
        if (!registrato || !salvataggio.conferma()) return;
    }
    estratto_conto_proprietario(app, nome_proprietario_, record_proprietario_);
    for (plat::TextBox* t : {&Text5, &Text6, &Text7}) t->set_text("");
    Check1.set_value(0);
}

void SaldoProprietario::RITORNA_Click() {
    app.form(forme::EstrattoContoPropr).show();
    hide();
}

void SaldoProprietario::ESCI_Click() {
    app.form(forme::MENU).show();
    unload();
}

void apri_saldo_proprietario(App& app, plat::Form& da, const std::string& residuo,
                             const char* titolo) {
    if (residuo == "0,00") {
        app.msgbox("IL PROPRIETARIO E' GIA' STATO LIGUIDATO !! ", plat::Buttons::Ok, titolo);
        return;
    }
    SaldoProprietario& f = app.form<SaldoProprietario>();
    EstrattoContoPropr& estratto = app.form<EstrattoContoPropr>();
    f.nome_proprietario_ = estratto.Combo1.text();
    f.record_proprietario_ = estratto.record_proprietario;
    f.Combo1.set_visible(false);
    // The owner the statement drew is shown, whatever the form showed before.
    f.Text1.set_visible(true);
    f.show();
    da.hide();
}

}  // namespace ga
