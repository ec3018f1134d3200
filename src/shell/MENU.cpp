#include "shell/MENU.h"

#include "platform/number.h"
#include "records/percorsi.h"
#include "shell/cambio_percorsi.h"
#include "shell/caselle.h"

namespace ga {

namespace {
// Top of each category label at rest, in twips; a label whose list is open
// stands this much higher.
constexpr int kRiposoLabel4 = 3240, kRiposoLabel3 = 5640, kRiposoLabel2 = 4440,
              kRiposoLabel13 = 4440, kRiposoLabel6 = 3240;
constexpr int kAlzata = 600;
}  // namespace

MENU::MENU(App& app) : Forma(app, kName) {
    design("MENU", 11445, px(510));
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

    // Two columns of category buttons, each with its caption beside it; the
    // command list of the open category appears in the column on the right.
    struct Categoria {
        plat::CommandButton* bottone;
        plat::Label* etichetta;
        const char* testo;
        int x, y;
    };
    const Categoria categorie[] = {
        {&prenotazioni, &Label4, "PRENOTAZIONE", 16, 206},
        {&disponibilita, &Label6, "DISPONIBILITA'", 236, 206},
        {&proprietar, &Label2, "PROPRIETARI", 16, 286},
        {&client, &Label13, "CLIENTI", 236, 286},
        {&appartamenti, &Label3, "APPARTAMENTI", 16, 366},
    };
    for (const Categoria& c : categorie) {
        metti(*c.bottone, c.x, c.y, 48, 40).design().text = ">";
        c.bottone->design().tooltip = c.testo;
        metti(*c.etichetta, c.x + 56, c.y + 10, 156, 20).design().text = c.testo;
        c.etichetta->design().bold = true;
        c.etichetta->design().font_size = 10;
    }
    Label4.design().top = kRiposoLabel4;
    Label3.design().top = kRiposoLabel3;
    Label2.design().top = kRiposoLabel2;
    Label13.design().top = kRiposoLabel13;
    Label6.design().top = kRiposoLabel6;

    const Categoria dirette[] = {
        {&contabilita, nullptr, "CONTABILITA'", 236, 366},
        {&stampe, nullptr, "STAMPE", 16, 446},
        {&utilit, nullptr, "UTILITA'", 236, 446},
    };
    for (const Categoria& c : dirette) {
        metti(*c.bottone, c.x, c.y, 48, 40).design().text = "...";
        c.bottone->design().tooltip = c.testo;
        plat::Label& l = etichetta(c.testo, c.x + 56, c.y + 10, 156);
        l.design().bold = true;
        l.design().font_size = 10;
    }

    plat::ListBox* liste[] = {&List1, &List2, &List3, &List4, &List5};
    for (plat::ListBox* l : liste) {
        metti(*l, 460, 176, 287, 112).design().visible = false;
        l->design().font_size = 10;
        // Commands: the keys move over them, Enter or a click runs one.
        l->design().command_list = true;
    }
    List1.design().items = {"INSERISCI PRENOTAZIONE", "VISUALIZZA PRENOTAZIONI",
                            "SALDO PRENOTAZIONE",     "REVOCA PRENOTAZIONE",
                            "RISTAMPA PRENOTAZIONE",  "AGGIUNGI NOTA"};
    List2.design().items = {"INSERIMENTO / MODIFICA", "CONTROLLO DISPONIBILITA'",
                            "VISUALIZZA PRENOTAZIONE"};
    List3.design().items = {"GESTIONE PROPRIETARI", "INSERISCI ACCONTI / SALDI",
                            "INSERIMENTO SPESE",    "VEDI ACCONTI / SALDI",
                            "ESTRATTO CONTO",       "FATTURA",
                            "SPESE EFFETTUATE"};
    List4.design().items = {"GESTIONE CLIENTI", "SALDO  PRENOTAZIONE", "FATTURAZIONE",
                            "RESTITUZIONE CAUZIONE", "VISUALIZZA CONTEGGI"};
    List5.design().items = {"RICERCA PER PERIODI", "RICERCA PER APPARTAMENTI", "RICERCA PER VIE",
                            "RICERCA PER MESE"};

    metti(Command1, 460, 366, 48, 40).design().text = "?";
    Command1.design().tooltip = "INFORMAZIONI";
    etichetta("INFORMAZIONI", 516, 376, 150).design().font_size = 10;
    metti(ESCI, 460, 446, 48, 40).design().text = "X";
    ESCI.design().tooltip = "USCITA";
    plat::Label& uscita = etichetta("USCITA", 516, 456, 150);
    uscita.design().font_size = 10;
    uscita.design().bold = true;

    prenotazioni.on_click = [this] { prenotazioni_Click(); };
    appartamenti.on_click = [this] { appartamenti_Click(); };
    proprietar.on_click = [this] { proprietar_Click(); };
    client.on_click = [this] { client_Click(); };
    disponibilita.on_click = [this] { disponibilita_Click(); };
    contabilita.on_click = [this] { contabilita_Click(); };
    stampe.on_click = [this] { stampe_Click(); };
    utilit.on_click = [this] { utilit_Click(); };
    Command1.on_click = [this] { Command1_Click(); };
    ESCI.on_click = [this] { ESCI_Click(); };
    List1.on_click = [this] { List1_Click(); };
    List2.on_click = [this] { List2_Click(); };
    List3.on_click = [this] { List3_Click(); };
    List4.on_click = [this] { List4_Click(); };
    List5.on_click = [this] { List5_Click(); };
}

void MENU::Form_Load() {
    leggi_cartella_dati(app);
    if (Text1.text().empty()) app.form(forme::CERCA_CART).show();
    nascondi_liste();
    posizioni_riposo();
    cambia_percorsi(app);
}

void MENU::Form_Activate() {
    set_width(11445);
    ICONAAGENZIA.set_picture(s.percorso_logo);
    leggi_cartella_dati(app);
    Label16.set_caption(app.today().text());
    Label17.set_caption(app.time_text());
    if (Text1.text().empty()) app.form(forme::CERCA_CART).show();
    nascondi_liste();
    posizioni_riposo();
    ICONAAGENZIA.set_picture(s.percorso_logo);
    // The pointer file may name another folder than the one in use.
    cambia_percorsi(app);
    Label15.set_caption(" ANNO DI GESTIONE " + s.anno_gestione);
    // The expired-bookings and arrivals check, once after each start: it
    // sets the flag to "1" when it has run.
    if (plat::leading_number(s.primo_accesso_menu) == 0)
        app.procedure.controlla_prenotazioni_scadute(app);
}

void MENU::nascondi_liste() {
    for (plat::ListBox* l : {&List1, &List2, &List3, &List4, &List5}) l->set_visible(false);
}

void MENU::posizioni_riposo() {
    Label4.set_top(kRiposoLabel4);
    Label3.set_top(kRiposoLabel3);
    Label2.set_top(kRiposoLabel2);
    Label13.set_top(kRiposoLabel13);
    Label6.set_top(kRiposoLabel6);
}

void MENU::apri_lista(plat::ListBox& lista, plat::Label& etichetta) {
    for (plat::ListBox* l : {&List1, &List2, &List3, &List4, &List5}) l->set_visible(l == &lista);
    posizioni_riposo();
    etichetta.set_top(etichetta.top() - kAlzata);
    // The commands opened are the next thing to choose, with the keys too.
    lista.set_focus();
}

void MENU::prenotazioni_Click() { apri_lista(List1, Label4); }
void MENU::appartamenti_Click() { apri_lista(List2, Label3); }
void MENU::proprietar_Click() { apri_lista(List3, Label2); }
void MENU::client_Click() { apri_lista(List4, Label13); }
void MENU::disponibilita_Click() { apri_lista(List5, Label6); }

void MENU::contabilita_Click() {
    nascondi_liste();
    posizioni_riposo();
    apri(forme::VEDISALDI, Menu::Nascondi, [this] { s.operazione = ""; });
}

void MENU::stampe_Click() { apri(forme::menustampa, Menu::Disabilita); }

void MENU::utilit_Click() {
    nascondi_liste();
    posizioni_riposo();
    apri(forme::utilita, Menu::Disabilita);
}

void MENU::Command1_Click() { app.form(forme::INFO).show(); }

void MENU::ESCI_Click() { app.end_program(); }

int MENU::comando(plat::ListBox& lista) {
    const int k = lista.list_index() + 1;
    // A list reports a click on a line only when the selection changes.
    if (k > 0) lista.set_list_index(-1);
    return k;
}

void MENU::apri(plat::FormName nome, Menu menu, const std::function<void()>& imposta) {
    plat::Form& forma = app.form(nome);
    if (menu == Menu::Nascondi) hide();
    else
        set_enabled(false);
    if (imposta) imposta();
    forma.show();
}

void MENU::apri_fattura(const char* destinatario, const char* titolo) {
    apri(forme::fattura, Menu::Nascondi, [&] {
        s.operazione = destinatario;
        app.imposta(kFatturaDestinatario, destinatario);
        app.form(forme::fattura).set_caption(titolo);
    });
}

void MENU::List1_Click() {
    switch (comando(List1)) {
        case 1: apri(forme::prenotazione, Menu::Nascondi); break;
        case 2: apri(forme::visu_prenotazioni, Menu::Nascondi); break;
        case 3:
            apri(forme::VisuPrenotCliente, Menu::Nascondi, [this] { s.operazione = "SALDO"; });
            break;
        case 4:
            apri(forme::VisuPrenotCliente, Menu::Nascondi, [this] { s.operazione = "REVOCA"; });
            break;
        case 5: apri(forme::TROVA_PRENOT, Menu::Disabilita); break;
        case 6: apri(forme::NotaPrenot, Menu::Disabilita); break;
    }
}

void MENU::List2_Click() {
    switch (comando(List2)) {
        case 1: apri(forme::appartament, Menu::Nascondi, [this] { s.modo_chiamata = ""; }); break;
        case 2:
            apri(forme::visu_disponib, Menu::Nascondi, [this] { s.operazione = "appartamenti"; });
            break;
            // 3, "VISUALIZZA PRENOTAZIONE": nothing.
    }
}

void MENU::List3_Click() {
    switch (comando(List3)) {
        case 1: apri(forme::PROPRIETARI, Menu::Nascondi); break;
        case 2:
            apri(forme::SaldoProprietario, Menu::Nascondi, [this] {
                app.imposta(kVersamentoProprietari, "");
                for (const Casella& box : {kVersamentoNome, kVersamentoVia, kVersamentoCitta,
                                           kVersamentoDovuto, kVersamentoCodiceProprietario})
                    app.imposta(box, "");
            });
            break;
        case 3:
            apri(forme::spese, Menu::Nascondi, [this] { app.imposta(kSpesaDisponibile, "0"); });
            break;
        case 4: apri(forme::VEDISALDI, Menu::Nascondi, [this] { s.operazione = "saldiP"; }); break;
        case 5: apri(forme::EstrattoContoPropr, Menu::Nascondi); break;
        case 6: apri_fattura("PROPRIETARI", "FATTURA AL PROPRIETARIO"); break;
        case 7: apri(forme::VEDISALDI, Menu::Nascondi, [this] { s.operazione = "spese"; }); break;
    }
}

void MENU::List4_Click() {
    switch (comando(List4)) {
        case 1: apri(forme::insnomi, Menu::Nascondi); break;
        case 2:
            apri(forme::VisuPrenotCliente, Menu::Nascondi, [this] { s.operazione = ""; });
            break;
        case 3: apri_fattura("CLIENTI", "FATTURA AL CLIENTE"); break;
        case 4:
            apri(forme::RESTCAUZ, Menu::Disabilita);
            break;
            // 5, "VISUALIZZA CONTEGGI": nothing.
    }
}

void MENU::List5_Click() {
    const char* codici[] = {"periodi", "appartamenti", "VIE", "mese"};
    const int k = comando(List5);
    if (k < 1 || k > 4) return;
    apri(forme::visu_disponib, Menu::Nascondi,
         [this, codice = codici[k - 1]] { s.operazione = codice; });
}

}  // namespace ga
