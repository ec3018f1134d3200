#include "accounts/SINTESICONTOPROP.h"

#include "accounts/SaldoProprietario.h"
#include "accounts/caselle.h"

namespace ga {

namespace {
constexpr int kLarghezza = 9000;
}

SINTESICONTOPROP::SINTESICONTOPROP(App& app) : Forma(app, kName) {
    design("SINTESI DELL'ESTRATTO CONTO", kLarghezza, px(400));
    metti(ICONAAGENZIA, 16, 8, 90, 66).design().stretch = true;
    metti(Label1, 120, 12, 220, 28).design().text = "SINTESI  CONTO";
    Label1.design().font_size = 14;
    Label1.design().bold = true;
    metti(Label2, 120, 44, 220, 22).design().text = "PROPRIETARIO";
    Label2.design().font_size = 11;
    Label2.design().bold = true;
    metti(Text2, 360, 14, 224, 25).design().locked = true;
    metti(Text3, 360, 44, 80, 25).design().locked = true;

    etichetta("NOMINATIVO", 16, 100, 100);
    metti(Text1, 120, 94, 330, 25).design().locked = true;

    struct Riga {
        const char* etichetta;
        plat::TextBox* box;
    };
    const Riga righe[] = {{"IMPORTO  TOTALE  BRENOSA", &Text4},
                          {"IMPORTO SPESE SOSTENUTE", &Text5},
                          {"IMPORTO GIA' ACCONTATO", &Text6},
                          {"PERCENTUALE SUGLI  BRENOSA", &Text7},
                          {"RESIDUO DA VERSARE", &Text8}};
    for (int i = 0; i < 5; ++i) {
        etichetta(righe[i].etichetta, 120, 142 + i * 34, 210);
        metti(*righe[i].box, 340, 136 + i * 34, 140, 25).design().locked = true;
        righe[i].box->design().alignment = 1;
    }
    Text8.design().bold = true;

    metti(SALDO, 16, 330, 150, 36).design().text = "SALDO";
    metti(RITORNA, 216, 330, 170, 36).design().text = "RITORNA AI DETTAGLI";
    metti(ESCI, 434, 330, 150, 36).design().text = "USCITA";

    SALDO.on_click = [this] { SALDO_Click(); };
    RITORNA.on_click = [this] { RITORNA_Click(); };
    ESCI.on_click = [this] { ESCI_Click(); };
}

void SINTESICONTOPROP::Form_Load() {
    set_width(kLarghezza);
    ICONAAGENZIA.set_picture(s.percorso_logo);
    Text2.set_text(app.testo(kAvvioCitta));
    Text3.set_text(s.anno_gestione);
}

void SINTESICONTOPROP::SALDO_Click() {
    apri_saldo_proprietario(app, *this, Text8.text(), "SINTESI ESTRATTO CONTO");
}

void SINTESICONTOPROP::RITORNA_Click() {
    app.form(forme::EstrattoContoPropr).show();
    hide();
}

void SINTESICONTOPROP::ESCI_Click() {
    app.form(forme::MENU).show();
    unload();
}

}  // namespace ga
