#include "registry/COORDBANCA.h"

#include <algorithm>

#include "platform/number.h"
#include "platform/text.h"
#include "records/banche.h"
#include "registry/controlli.h"

namespace ga {

COORDBANCA::COORDBANCA(App& app) : Forma(app, kName) {
    design("COORDINATE BANCARIE", 9150, px(420));
    metti(ICONAAGENZIA, 16, 8, 100, 70).design().stretch = true;
    plat::Label& titolo = etichetta("COORDINATE  BANCARIE", 140, 24, 300);
    titolo.design().font_size = 14;
    titolo.design().height = px(26);

    etichetta("SIGNOR.", 16, 96, 130);
    metti(Text1, 150, 92, 300, 25).design().locked = true;
    etichetta("CODICE PROPR.", 456, 96, 90);
    // The owner's name and code are the owners form's: a bank's name
    // typed at the opening must not become the owner's code.
    metti(Text2, 548, 92, 60, 25).design().locked = true;

    struct Riga {
        const char* etichetta;
        plat::TextBox* box;
        int larghezza;
    };
    const Riga righe[] = {{"DENOMINAZIONE BANCA", &Text14, 300},
                          {"INTESTATARIO CONTO", &Text13, 300},
                          {"NUMERO CONTO CORRENTE", &Text16, 200},
                          {"CITTA' della BANCA", &Text15, 300},
                          {" CODICE IBAN", &Text17, 300}};
    for (int i = 0; i < 5; ++i) {
        // Two lines of height: the longer captions wrap.
        etichetta(righe[i].etichetta, 16, 134 + i * 32, 130).design().height = px(30);
        metti(*righe[i].box, 150, 130 + i * 32, righe[i].larghezza, 25);
    }
    metti(Text4, 366, 194, 84, 25).design().tooltip = "CODICE ACCESSO";

    metti(HScroll1, 150, 298, 300, 20).design().visible = false;
    HScroll1.design().min = 0;
    HScroll1.design().max = 0;
    metti(Text3, 466, 296, 60, 25).design().alignment = 1;
    metti(Text19, 540, 296, 40, 25).design().visible = false;
    metti(Text5, 590, 296, 40, 25).design().visible = false;

    metti(VediForn, 16, 344, 110, 36).design().text = "VISUALIZZA";
    VediForn.design().tooltip = "VISUALIZZA";
    metti(SalvaForn, 140, 344, 110, 36).design().text = "REGISTRA";
    SalvaForn.design().confirms = true;
    SalvaForn.design().tooltip = "REGISTRA";
    metti(CancForn, 264, 344, 110, 36).design().text = "CANCELLA";
    CancForn.design().tooltip = "CANCELLA";
    metti(USCITA, 480, 344, 110, 36).design().text = "USCITA";
    USCITA.design().tooltip = "USCITA";

    VediForn.on_click = [this] { VediForn_Click(); };
    HScroll1.on_change = [this] { HScroll1_Change(); };
    SalvaForn.on_click = [this] { SalvaForn_Click(); };
    USCITA.on_click = [this] { USCITA_Click(); };
    // Upper case, as the agency's own coordinates are kept.
    for (plat::TextBox* b : {&Text14, &Text13, &Text16, &Text15})
        b->on_lost_focus = [b] { b->set_text(plat::upper(b->text())); };
}

void COORDBANCA::Form_Activate() {
    set_width(9150);
    ICONAAGENZIA.set_picture(s.percorso_logo);
    carica_banche(app);
    // Coming back from another window keeps what is being typed.
    if (!da_aprire_) return;
    da_aprire_ = false;
    apri_per_proprietario();
    // For each owner the clerk starts on the bank's name.
    Text14.set_focus();
}

void COORDBANCA::apri_per_proprietario() {
    // The boxes kept from the owner shown before would be saved under this
    // one's name: the owner's own record, or nothing.
    const std::string codice = plat::trim(Text2.text());
    const int n = static_cast<int>(
        std::clamp<long>(plat::leading_int(Text19.text()), 0, s.banche.capacita()));
    HScroll1.set_visible(false);
    for (int i = 2; i <= n && !codice.empty(); ++i) {
        if (plat::pad_code(plat::trim(s.banche[i].banca_proprietario)) != plat::pad_code(codice))
            continue;
        indice_ = i;
        Text3.set_text(std::to_string(i));
        vedi_coord();
        return;
    }
    indice_ = 0;
    for (plat::TextBox* t : {&Text14, &Text13, &Text16, &Text4, &Text15, &Text17}) t->set_text("");
    // Record 1 is the agency's: an owner's record comes after it.
    Text3.set_text(std::to_string(std::max(n, 1) + 1));
}

void COORDBANCA::VediForn_Click() {
    // The bar reaches every stored record from its first use.
    HScroll1.set_max(static_cast<int>(plat::leading_int(Text19.text())));
    HScroll1.set_visible(true);
}

void COORDBANCA::HScroll1_Change() {
    HScroll1.set_max(static_cast<int>(plat::leading_int(Text19.text())));
    Text3.set_text(std::to_string(HScroll1.value()));
    indice_ = HScroll1.value();
    vedi_coord();
}

void COORDBANCA::vedi_coord() {
    const RigaBanca vuota;
    const RigaBanca& b = indice_ >= 1 && indice_ <= s.banche.capacita() ? s.banche[indice_] : vuota;
    Text14.set_text(b.banca_nome);
    Text13.set_text(b.banca_intestatario);
    Text16.set_text(b.banca_conto);
    Text4.set_text(b.banca_codice_accesso);
    Text15.set_text(b.banca_citta);
    Text17.set_text(b.banca_iban);
    Text2.set_text(b.banca_proprietario);
}

bool COORDBANCA::iban_accettato() {
    // Told before it is stored, as the agency's form tells it; the clerk may
    // keep an IBAN the check does not know (a foreign account).
    Text17.set_text(plat::upper(plat::trim(Text17.text())));
    if (Text17.text().empty()) return true;
    s.iban_da_controllare = Text17.text();
    controlla_iban(app);
    if (s.esito_iban != "KO") return true;
    if (app.msgbox({.text = "REGISTRARE COMUNQUE LE COORDINATE CON QUESTO CODICE IBAN ?",
                    .buttons = plat::Buttons::YesNo,
                    .title = "COORDINATE BANCARIE",
                    .no_by_default = true}) == plat::Answer::Yes)
        return true;
    Text17.set_focus();
    return false;
}

void COORDBANCA::SalvaForn_Click() {
    if (!iban_accettato()) return;
    for (plat::TextBox* b : {&Text14, &Text13, &Text16, &Text15})
        b->set_text(plat::upper(b->text()));
    s.operazione = "coordbanca";
    // The count follows the record just added, so that the next one can
    // follow it in turn.
    if (registra_banche(app)) carica_banche(app);
}

void COORDBANCA::USCITA_Click() {
    // The form can also be closed when the owners form did not open it.
    if (s.modo_chiamata == "nuovopr") app.form(forme::PROPRIETARI).set_enabled(true);
    hide();
    da_aprire_ = true;
}

}  // namespace ga
