#include "accounts/EstrattoContoPropr.h"

#include <algorithm>

#include "accounts/SaldoProprietario.h"
#include "accounts/caselle.h"
#include "accounts/estratto.h"
#include "accounts/spese.h"
#include "records/movimenti.h"
#include "records/proprietari.h"

namespace ga {

namespace {
constexpr int kLarghezza = 9915;
}

EstrattoContoPropr::EstrattoContoPropr(App& app) : Forma(app, kName) {
    design("ESTRATTO CONTO PROPRIETARIO", kLarghezza, px(500));
    metti(ICONAAGENZIA, 16, 8, 90, 66).design().stretch = true;
    metti(Label1, 120, 12, 220, 28).design().text = "ESTRATTO CONTO";
    Label1.design().font_size = 14;
    Label1.design().bold = true;
    metti(Label2, 120, 44, 220, 22).design().text = "PROPRIETARIO";
    Label2.design().font_size = 11;
    Label2.design().bold = true;
    metti(Label3, 360, 14, 280, 22);
    Label3.design().bold = true;
    metti(Text2, 360, 42, 200, 25).design().locked = true;
    metti(Text3, 570, 42, 70, 25).design().locked = true;

    etichetta("NOMINATIVO", 16, 92, 100);
    metti(Combo1, 120, 86, 330, 25);
    // The chosen owner's name lies where the owner names are picked.
    metti(Text1, 120, 86, 330, 25).design().visible = false;
    Text1.design().locked = true;
    etichetta("COD. PROPR.", 470, 92, 80);
    metti(Text4, 556, 86, 50, 25).design().locked = true;

    metti(Check1, 16, 122, 150, 24).design().text = "SALDI BRENOSA";
    metti(Check2, 176, 122, 150, 24).design().text = "ACCONTI BRENOSA";
    metti(Check3, 336, 122, 150, 24).design().text = "SPESE X APPART.";
    metti(Check4, 496, 122, 150, 24).design().text = "SALDO AL PROPRIET.";

    metti(List1, 8, 154, 645, 270);
    List1.design().fixed_pitch = true;
    List1.design().font_size = 8;

    struct Bottone {
        plat::CommandButton* b;
        const char* parola;
    };
    const Bottone bottoni[] = {{&insspese, "SPESE"},
                               {&SALDIPROP, "SALDO"},
                               {&SINTESI, "SINTESI"},
                               {&cambia, "CAMBIA"},
                               {&ESCI, "USCITA"}};
    for (int i = 0; i < 5; ++i)
        metti(*bottoni[i].b, 16 + i * 128, 440, 116, 36).design().text = bottoni[i].parola;

    Combo1.on_click = [this] { Combo1_Click(); };
    Check1.on_click = [this] { Check_Click(1); };
    Check2.on_click = [this] { Check_Click(2); };
    Check3.on_click = [this] { Check_Click(3); };
    Check4.on_click = [this] { Check_Click(4); };
    cambia.on_click = [this] { cambia_Click(); };
    insspese.on_click = [this] { insspese_Click(); };
    SALDIPROP.on_click = [this] { SALDIPROP_Click(); };
    SINTESI.on_click = [this] { SINTESI_Click(); };
    ESCI.on_click = [this] { ESCI_Click(); };
}

plat::CheckBox& EstrattoContoPropr::filtro(int n) {
    plat::CheckBox* filtri[] = {&Check1, &Check2, &Check3, &Check4};
    return *filtri[n - 1];
}

void EstrattoContoPropr::Form_Load() {
    set_width(kLarghezza);
    ICONAAGENZIA.set_picture(s.percorso_logo);
    Label3.set_caption(" ANNO DI GESTIONE  " + s.anno_gestione);
    carica_proprietari(app);
    carica_saldi(app);
    carica_spese(app);
    Combo1.clear();
    const long n = std::clamp<long>(app.conta(kContaProprietari), 0, s.proprietari.capacita());
    for (int i = 1; i <= n; ++i)
        Combo1.add_item(s.proprietari[i][proprietario::nome], i);  // the owner's record
    record_proprietario = 0;
    Text2.set_text(app.testo(kAvvioCitta));
    Text3.set_text(s.anno_gestione);
    Text1.set_visible(false);
    Combo1.set_visible(true);
    SINTESI.set_visible(true);
}

void EstrattoContoPropr::Combo1_Click() {
    const std::string nome = proprietario_scelto(Combo1);
    Text1.set_visible(true);
    Combo1.set_visible(false);
    estratto_conto_proprietario(app, nome, record_scelto(Combo1));
}

void EstrattoContoPropr::Check_Click(int n) {
    // One filter at a time; unticking the others runs their own clicks.
    if (filtro(n).value() == 1) {
        SINTESI.set_visible(false);
        for (int k = 1; k <= 4; ++k)
            if (k != n) filtro(k).set_value(0);
    }
    bool nessuno = true;
    for (int k = 1; k <= 4; ++k) nessuno = nessuno && filtro(k).value() == 0;
    // The summary shows the sums of the whole statement only.
    if (nessuno) SINTESI.set_visible(true);
    if (!Combo1.text().empty())
        estratto_conto_proprietario(app, Combo1.text(), record_proprietario);
}

void EstrattoContoPropr::cambia_Click() {
    for (int k = 1; k <= 4; ++k) control("CHECK" + std::to_string(k))->set_value(0);
    SINTESI.set_visible(true);
    List1.clear();
    Text1.set_text("");
    Combo1.set_text("");
    record_proprietario = 0;
    Text1.set_visible(false);
    Combo1.set_visible(true);
}

void EstrattoContoPropr::insspese_Click() {
    spese& f = app.form<spese>();
    // The expense form looks up this very owner's apartments.
    f.scegli_proprietario(Combo1.text(), record_proprietario);
    f.Combo1.set_visible(false);
    f.Text3.set_visible(true);
    f.show();
    hide();
}

void EstrattoContoPropr::SALDIPROP_Click() {
    apri_saldo_proprietario(app, *this, app.testo(kSintesiResiduo), "DETTAGLI ESTRATTO CONTO");
}

void EstrattoContoPropr::SINTESI_Click() {
    plat::Form* sintesi = &app.form(forme::SINTESICONTOPROP);
    app.imposta(kSintesiNome, Text1.text());
    app.imposta(kSintesiCitta, Text2.text());
    app.imposta(kSintesiAnno, Text3.text());
    sintesi->show();
    hide();
}

void EstrattoContoPropr::ESCI_Click() {
    app.form(forme::MENU).show();
    unload();
}

}  // namespace ga
