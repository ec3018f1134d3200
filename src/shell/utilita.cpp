#include "shell/utilita.h"

#include "platform/text.h"
#include "shell/cambio_percorsi.h"
#include "shell/caselle.h"

namespace ga {

namespace {
constexpr const char* kAperto = "_";

// The management year goes into every per-year file name: four digits.
bool anno_valido(const std::string& anno) {
    if (anno.size() != 4) return false;
    for (char c : anno)
        if (c < '0' || c > '9') return false;
    return true;
}
}  // namespace

utilita::utilita(App& app) : Forma(app, kName) {
    design("UTILITA'", px(560), px(430));
    plat::Label& titolo = etichetta("MENU *** UTILITA'", 16, 16, 400);
    titolo.design().font_size = 14;
    titolo.design().bold = true;
    titolo.design().height = px(28);

    // Captionless buttons, each with its caption beside it; the open group
    // appears on the right of its button.
    struct Riga {
        plat::CommandButton* bottone;
        const char* testo;
        int y;
    };
    const Riga righe[] = {
        {&Command1, "SCEGLI CARTELLA DATI", 64},
        {&Command2, "PERSONALIZZA AGENZIA", 110},
        {&Command4, "GESTIONE ARCHIVI", 156},
        {&Command5, "GESTIONE FATTURE", 202},
        {&Command6, "CONTO CORRENTE", 248},
        {&Command7, "CAMBIA ANNO DI GESTIONE ", 294},
        {&Command3, "USCITA", 370},
    };
    for (const Riga& r : righe) {
        metti(*r.bottone, 16, r.y, 40, 32).design().tooltip = plat::trim(r.testo);
        plat::Label& l = etichetta(r.testo, 66, r.y + 7, 210);
        l.design().bold = true;
    }

    // The lines of both lists are commands: the keys move, Enter or a click runs.
    metti(List1, 290, 156, 250, 66).design().visible = false;
    List1.design().command_list = true;
    List1.design().font_size = 10;
    List1.design().items = {"Trasferisci archivi", "Copia archivi", "Recupera archivi",
                            "Cancella archivi"};
    metti(List2, 290, 202, 250, 51).design().visible = false;
    List2.design().command_list = true;
    List2.design().font_size = 10;
    List2.design().items = {"Emetti fattura al proprietario ", "Emetti fattura al cliente",
                            "Incassa fattura"};
    metti(Text1, 290, 298, 70, 24).design().visible = false;
    Text1.design().max_length = 4;
    metti(Command8, 368, 296, 56, 28).design().text = "OK";
    Command8.design().visible = false;

    Command1.on_click = [this] { Command1_Click(); };
    Command2.on_click = [this] { Command2_Click(); };
    Command3.on_click = [this] { Command3_Click(); };
    Command4.on_click = [this] { Command4_Click(); };
    Command5.on_click = [this] { Command5_Click(); };
    Command6.on_click = [this] { Command6_Click(); };
    Command7.on_click = [this] { Command7_Click(); };
    Command8.on_click = [this] { Command8_Click(); };
    List1.on_click = [this] { List1_Click(); };
    List2.on_click = [this] { List2_Click(); };
}

void utilita::Form_Load() {
    Text1.set_text(s.anno_gestione);
    for (plat::Control* c :
         std::initializer_list<plat::Control*>{&Text1, &Command8, &List2, &List1})
        c->set_visible(false);
}

void utilita::nascondi_liste() {
    List1.set_visible(false);
    List2.set_visible(false);
    // A group hidden is closed: its button's open marker goes with it, or
    // the next click on the button would only close the hidden group and
    // seem lost.
    Command4.set_caption("");
    Command5.set_caption("");
}

void utilita::Command1_Click() {
    app.form(forme::CERCA_CART).show();
    nascondi_liste();
}

void utilita::Command2_Click() {
    hide();
    app.form(forme::MENU).hide();
    app.form(forme::PersonalizzaAgenzia).show();
    nascondi_liste();
}

void utilita::Command3_Click() {
    app.form(forme::MENU).set_enabled(true);
    unload();
}

void utilita::mostra_gruppo(plat::CommandButton& bottone, bool visibile) {
    if (&bottone == &Command4) List1.set_visible(visibile);
    if (&bottone == &Command5) List2.set_visible(visibile);
    if (&bottone == &Command7) {
        Text1.set_visible(visibile);
        Command8.set_visible(visibile);
    }
    // The group opened is the next thing to choose, with the keys too.
    if (!visibile) return;
    if (&bottone == &Command4) List1.set_focus();
    if (&bottone == &Command5) List2.set_focus();
    if (&bottone == &Command7) Text1.set_focus();
}

void utilita::gruppo(plat::CommandButton& bottone) {
    const std::string marca = bottone.caption();
    if (marca.empty()) {
        for (plat::CommandButton* b : {&Command4, &Command5, &Command7}) {
            b->set_caption(b == &bottone ? kAperto : "");
            mostra_gruppo(*b, b == &bottone);
        }
    } else if (marca == kAperto) {
        bottone.set_caption("");
        mostra_gruppo(bottone, false);
        if (&bottone == &Command5) Text1.set_visible(false);
    }
}

void utilita::Command4_Click() { gruppo(Command4); }
void utilita::Command5_Click() { gruppo(Command5); }
void utilita::Command7_Click() { gruppo(Command7); }

void utilita::Command8_Click() {
    // Any other text would name files no register has (or an empty year,
    // files without one): the year is refused until it is four digits.
    const std::string anno = plat::trim(Text1.text());
    if (!anno_valido(anno)) {
        app.msgbox("L'ANNO DI GESTIONE DEVE ESSERE DI QUATTRO CIFRE !! ", plat::Buttons::Ok,
                   "CAMBIA ANNO DI GESTIONE", plat::Icon::Exclamation);
        return;
    }
    s.anno_gestione = anno;
    // The year's files take over at once: forms that hold the old year's
    // records must not write them into the new year's files.
    cambia_percorsi(app);
    Text1.set_visible(false);
    Command8.set_visible(false);
    Command7.set_caption("");
}

int utilita::comando(plat::ListBox& lista) {
    const int k = lista.list_index() + 1;
    // A list reports a click on a line only when the selection changes.
    if (k > 0) lista.set_list_index(-1);
    return k;
}

void utilita::apri_archivio(plat::FormName nome) {
    plat::Form& forma = app.form(nome);
    set_enabled(false);
    forma.show();
}

void utilita::apri_fattura(const char* destinatario, const char* titolo) {
    plat::Form* fattura = &app.form(forme::fattura);
    hide();
    s.operazione = destinatario;
    app.imposta(kFatturaDestinatario, destinatario);
    fattura->set_caption(titolo);
    fattura->show();
}

void utilita::List1_Click() {
    switch (comando(List1)) {
        case 1: apri_archivio(forme::Trasferisciper); break;
        case 2: apri_archivio(forme::Dest_arch); break;
        case 3:
            apri_archivio(forme::Rec_arch);
            break;
            // 4, "Cancella archivi": nothing.
    }
}

void utilita::List2_Click() {
    switch (comando(List2)) {
        case 1: apri_fattura("PROPRIETARI", "FATTURA AL PROPRIETARIO"); break;
        case 2:
            apri_fattura("CLIENTI", "FATTURA AL CLIENTE");
            break;
            // 3, "Incassa fattura": nothing.
    }
}

}  // namespace ga
