#include "shell/MENU.h"

#include "records/percorsi.h"

namespace ga {

MENU::MENU(App& app) : Forma(app, kName) {
    design("MENU", 11445, px(420));
    metti(ICONAAGENZIA, 16, 12, 120, 90).design().stretch = true;
    metti(Label9, 152, 12, 560, 30).design().font_size = 16;
    Label9.design().bold = true;
    metti(Label10, 152, 46, 560, 20);
    metti(Label14, 152, 68, 560, 20);
    metti(Label15, 152, 96, 300, 20).design().bold = true;
    metti(Label16, 560, 96, 100, 20);
    metti(Label17, 660, 96, 80, 20);
    etichetta("PERCORSO", 16, 130, 80);
    metti(Text1, 100, 126, 640, 24).design().locked = true;

    metti(ESCI, 16, 350, 56, 44).design().text = "X";
    ESCI.design().tooltip = "USCITA";
    etichetta("USCITA", 80, 362, 100);
    ESCI.on_click = [this] { ESCI_Click(); };
}

void MENU::Form_Load() {
    leggi_cartella_dati(app);
    if (Text1.text().empty()) app.form("CERCA_CART")->show();
    imposta_percorsi_dati(app);
}

void MENU::Form_Activate() {
    set_width(11445);
    ICONAAGENZIA.set_picture(s.percorso_logo);
    leggi_cartella_dati(app);
    Label16.set_caption(app.today().text());
    Label17.set_caption(app.time_text());
    if (Text1.text().empty()) app.form("CERCA_CART")->show();
    imposta_percorsi_dati(app);
    Label15.set_caption(" ANNO DI GESTIONE " + s.anno_gestione);
}

void MENU::ESCI_Click() { app.end_program(); }

}  // namespace ga
