#include "bookings/prenotazione.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <vector>

#include "bookings/caselle.h"
#include "bookings/ricevuta.h"
#include "platform/date.h"
#include "platform/number.h"
#include "platform/text.h"
#include "records/appartamenti.h"
#include "records/archivio.h"
#include "records/clienti.h"
#include "records/movimenti.h"
#include "records/note.h"
#include "records/periodi.h"
#include "records/prenotazioni.h"
#include "records/proprietari.h"
#include "records/salvataggio.h"

namespace ga {

namespace {

constexpr const char* kTitoloSalva = "SALVA PRENOTAZIONE";
constexpr const char* kTitoloUscita = "USCITA DALLA PRENOTAZIONE ";
constexpr const char* kNonRegistrata =
    "LA PRENOTAZIONE NON E' STATA REGISTRATA...\rVUOI REGISTRARE LA PRENOTAZIONE ?";
constexpr const char* kNonStampata = "LA PRENOTAZIONE NON E' STATA STAMPATA...";
constexpr const char* kFuoriPeriodi = "LA DATA SCELTA NON E' COMPRESA NEI PERIODI LIBERI";
constexpr const char* kOltrePeriodo = "LA DATA SCELTA  E' MAGGIORE DEL PERIODO SCELTO ";
// The pick rows hold the free periods of one apartment in rows 1 to 16.
constexpr int kRighePeriodi = 16;

using Controlli = std::initializer_list<plat::Control*>;

std::optional<plat::Date> data_di(const std::string& testo) {
    return plat::Date::parse(plat::trim(testo));
}

}  // namespace

prenotazione::prenotazione(App& app) : Forma(app, kName) {
    disponi();
    collega();
}

// --- design -------------------------------------------------------------------

void prenotazione::disponi() {
    design("PRENOTAZIONE", 12900, px(648));

    metti(ICONAAGENZIA, 16, 8, 90, 64).design().stretch = true;
    metti(Label1, 124, 10, 500, 26).design().font_size = 13;
    Label1.design().bold = true;
    etichetta("PRENOTAZIONE N.", 124, 48, 112);
    metti(Text1, 238, 44, 60, 25);
    etichetta("DEL", 312, 48, 30);
    metti(Text2, 344, 44, 96, 25);

    // Apartment.
    plat::Frame* fa = &FrameAppartamento;
    metti(FrameAppartamento, 16, 84, 410, 152).design().text = "APPARTAMENTO";
    etichetta("APPARTAMENTO", 12, 28, 100, fa);
    metti(Text7, 116, 24, 70, 25, fa).design().visible = false;
    metti(cambia, 196, 22, 200, 29, fa).design().text = "CAMBIA APPARTAMENTO";
    cambia.design().visible = false;
    metti(Combo1, 116, 24, 280, 25, fa).design().tooltip = "SCEGLI L'APPARTAMENTO";
    etichetta("PROPRIETARIO", 12, 60, 100, fa);
    metti(Text3, 116, 56, 212, 25, fa);
    metti(Text27, 334, 56, 62, 25, fa).design().tooltip = "CODICE PROPRIETARIO";
    // Filled by the apartment choice and read by the journal: not typed.
    Text27.design().locked = true;
    etichetta("VIA", 12, 92, 100, fa);
    metti(Text4, 116, 88, 280, 25, fa);
    metti(Label35, 116, 122, 280, 19, fa).design().text = "POSTI LETTO ";

    // Client.
    plat::Frame* fc = &FrameCliente;
    metti(FrameCliente, 440, 84, 404, 300).design().text = "ANAGRAFICA CLIENTE";
    etichetta("* SIG.", 12, 28, 110, fc);
    metti(Text8, 126, 24, 266, 25, fc);
    etichetta("* CODICE  FISCALE", 12, 60, 110, fc);
    metti(Text9, 126, 56, 180, 25, fc);
    etichetta("VIA", 12, 92, 110, fc);
    metti(Text10, 126, 88, 266, 25, fc);
    etichetta("C.A.P.", 12, 124, 110, fc);
    metti(Text11, 126, 120, 70, 25, fc);
    etichetta("PROVINCIA", 226, 124, 80, fc);
    metti(Text14, 310, 120, 40, 25, fc);
    etichetta("CITTA'", 12, 156, 110, fc);
    metti(Text12, 126, 152, 266, 25, fc);
    etichetta("* TELEFONO", 12, 188, 110, fc);
    metti(Text13, 126, 184, 150, 25, fc);
    etichetta("E-Mail", 12, 220, 110, fc);
    metti(Text30, 126, 216, 266, 25, fc);
    etichetta("COD. CLIENTE", 12, 256, 110, fc);
    metti(Text25, 126, 252, 60, 25, fc);
    // The client's code is the program's (the client found or the next
    // code): not typed, so Tab passes over it.
    Text25.design().locked = true;
    metti(Text24, 190, 252, 10, 25, fc).design().visible = false;
    metti(GIU, 204, 250, 40, 29, fc).design().text = "<<";
    GIU.design().tooltip = "CLIENTE PRECEDENTE CON LO STESSO NOME";
    metti(SU, 248, 250, 40, 29, fc).design().text = ">>";
    SU.design().tooltip = "CLIENTE SUCCESSIVO CON LO STESSO NOME";
    metti(CONFERMA, 292, 250, 100, 29, fc).design().text = "CONFERMA";
    CONFERMA.design().tooltip = "CONFERMA IL CLIENTE";
    for (plat::Control* c : {&GIU, &SU, &CONFERMA}) c->design().visible = false;
    metti(List2, 126, 146, 266, 96, fc).design().visible = false;
    // A town taken closes the list: Enter or a click takes it, the keys move.
    List2.design().command_list = true;
    List2.design().tooltip = "CLICCA SULLA CELLA CAP PER CANCELLARE L'ELENCO";
    List2.design().fixed_pitch = true;

    // Free periods, framed by four lines, and the dates.
    metti(SCEGLI, 26, 250, 200, 19).design().text = "SCEGLI IL PERIODO ";
    SCEGLI.design().bold = true;
    metti(List1, 26, 272, 190, 106);
    List1.design().fixed_pitch = true;
    // The period is chosen with Enter or Space, as with a click; the arrows
    // only move over the lines.
    List1.design().command_list = true;
    struct Tratto {
        plat::Line* linea;
        int x1, y1, x2, y2;
    };
    for (const Tratto& t : {Tratto{&Line5, 18, 244, 224, 244}, Tratto{&Line6, 224, 244, 224, 384},
                            Tratto{&Line7, 18, 384, 224, 384}, Tratto{&Line8, 18, 244, 18, 384}}) {
        plat::ControlState& d = t.linea->design();
        d.x1 = px(t.x1);
        d.y1 = px(t.y1);
        d.x2 = px(t.x2);
        d.y2 = px(t.y2);
    }
    for (plat::Control* c : Controlli{&SCEGLI, &List1, &Line5, &Line6, &Line7, &Line8})
        c->design().visible = false;

    etichetta("PERIODO N.", 238, 276, 80);
    metti(Text28, 322, 272, 60, 25);
    // The number of a listed period: set by the choice, never typed.
    Text28.design().locked = true;
    etichetta("ARRIVO", 238, 310, 80);
    metti(Text5, 322, 306, 104, 25);
    metti(DTPicker2, 322, 306, 104, 25).design().visible = false;
    etichetta("PARTENZA", 238, 344, 80);
    metti(Text6, 322, 340, 104, 25);
    metti(DTPicker1, 322, 340, 104, 25).design().visible = false;
    for (plat::TextBox* t : {&Text5, &Text6})
        t->design().tooltip = "CLICCA DUE VOLTE PER IL CALENDARIO";

    // Amounts and extras.
    plat::Frame* fi = &FrameImporti;
    metti(FrameImporti, 16, 394, 828, 124).design().text = "IMPORTI";
    etichetta("PREZZO DELL'AFFITTO  ", 12, 28, 150, fi);
    metti(Text15, 166, 24, 100, 25, fi);
    etichetta("IMPORTO ACCONTO  ", 12, 60, 150, fi);
    metti(Text16, 166, 56, 100, 25, fi);
    etichetta("DIRITTI DI AGENZIA  ", 12, 92, 150, fi);
    metti(Text17, 166, 88, 100, 25, fi);
    etichetta("PULIZIA FINALE  ", 286, 28, 124, fi);
    metti(Text18, 414, 24, 100, 25, fi);
    etichetta("CAUZIONE  ", 286, 60, 124, fi);
    metti(Text19, 414, 56, 100, 25, fi);
    metti(Text29, 414, 56, 100, 25, fi).design().visible = false;
    etichetta("CONSUMI A FORFAIT €", 286, 92, 124, fi);
    metti(Text32, 414, 88, 100, 25, fi);
    etichetta("LETTI AGGIUNTI N°", 532, 28, 180, fi);
    metti(Text31, 714, 24, 30, 25, fi);
    metti(Label30, 748, 28, 76, 19, fi);
    etichetta("LENZUOLA ( per persone N°)", 532, 60, 180, fi);
    metti(Text34, 714, 56, 30, 25, fi);
    metti(Label34, 748, 60, 76, 19, fi);
    etichetta("ENERGIA ELETTRICA € AL KW", 532, 92, 180, fi);
    metti(Text33, 714, 88, 100, 25, fi);
    for (plat::TextBox* t : {&Text17, &Text18, &Text19})
        t->design().tooltip = "UN CLIC: NON DOVUTO - DUE CLIC: IMPORTO PREVISTO";
    for (plat::TextBox* t : {&Text31, &Text34})
        t->design().tooltip = "CLICCA PER CAMBIARE IL NUMERO";

    etichetta("NOTE", 16, 536, 50);
    metti(Text20, 70, 532, 774, 25);
    // The extras questions add to the note: typing adds to it too.
    Text20.design().caret_at_end = true;

    metti(SALVA, 16, 592, 110, 36).design().text = "SALVA";
    SALVA.design().tooltip = "REGISTRA LA PRENOTAZIONE";
    metti(STAMPA, 136, 592, 110, 36).design().text = "STAMPA";
    STAMPA.design().tooltip = "STAMPA LA RICEVUTA DELLA PRENOTAZIONE";
    metti(inv_email, 256, 592, 230, 36).design().text = "INVIA CONTRATTO CON EMAIL";
    metti(ANNULLA, 614, 592, 110, 36).design().text = "ANNULLA";
    ANNULLA.design().tooltip = "PULISCI LA PAGINA";
    metti(ESCI, 734, 592, 110, 36).design().text = "USCITA";
    ESCI.design().tooltip = "TORNA AL MENU";

    for (plat::Control* c :
         Controlli{&Text21, &Text22, &Text23, &Text26, &Check1, &Check2, &Check3, &Check4, &Check5})
        c->design().visible = false;
}

void prenotazione::collega() {
    Combo1.on_click = [this] { Combo1_Click(); };
    cambia.on_click = [this] { cambia_Click(); };
    List1.on_click = [this] { List1_Click(); };
    List1.on_dbl_click = [this] { List1_DblClick(); };
    Text5.on_dbl_click = [this] { Text5_DblClick(); };
    Text6.on_dbl_click = [this] { Text6_DblClick(); };
    DTPicker1.on_close_up = [this] { DTPicker1_CloseUp(); };
    DTPicker2.on_close_up = [this] { DTPicker2_CloseUp(); };
    Text20.on_change = [this] { Text20_Change(); };
    SALVA.on_click = [this] { SALVA_Click(); };
    STAMPA.on_click = [this] { STAMPA_Click(); };
    ANNULLA.on_click = [this] { ANNULLA_Click(); };
    ESCI.on_click = [this] { ESCI_Click(); };
    inv_email.on_click = [this] { inv_email_Click(); };

    Text15.on_validate = [this] { Text15_Validate(); };
    Text16.on_validate = [this] { Text16_Validate(); };
    Text17.on_click = [this] { Text17_Click(); };
    Text18.on_click = [this] { Text18_Click(); };
    Text19.on_click = [this] { Text19_Click(); };
    Text17.on_dbl_click = [this] { Text17_DblClick(); };
    Text18.on_dbl_click = [this] { Text18_DblClick(); };
    Text19.on_dbl_click = [this] { Text19_DblClick(); };
    Text17.on_validate = [this] { Text17_Validate(); };
    Text18.on_validate = [this] { Text18_Validate(); };
    Text19.on_validate = [this] { Text19_Validate(); };
    Text32.on_validate = [this] { Text32_Validate(); };
    Text33.on_validate = [this] { Text33_Validate(); };
    Text31.on_click = [this] { Text31_Click(); };
    Text31.on_change = [this] { Text31_Change(); };
    Text34.on_change = [this] { Text34_Change(); };
    Text34.on_click = [this] { Text34_Click(); };

    Text8.on_validate = [this] { Text8_Validate(); };
    GIU.on_click = [this] { GIU_Click(); };
    SU.on_click = [this] { SU_Click(); };
    CONFERMA.on_click = [this] { CONFERMA_Click(); };
    Text9.on_change = [this] { Text9_Change(); };
    Text9.on_click = [this] { Text9_Click(); };
    Text9.on_validate = [this] { Text9_Validate(); };
    Text10.on_validate = [this] { Text10_Validate(); };
    Text11.on_click = [this] { Text11_Click(); };
    Text11.on_validate = [this] { Text11_Validate(); };
    Text12.on_validate = [this] { Text12_Validate(); };
    List2.on_click = [this] { List2_Click(); };
    Text13.on_change = [this] { Text13_Change(); };
    Text14.on_validate = [this] { Text14_Validate(); };
}

// --- load and page ------------------------------------------------------------

void prenotazione::Form_Load() {
    set_width(12900);
    ICONAAGENZIA.set_picture(s.percorso_logo);
    Label1.set_caption("PRENOTAZIONE  ANNO - " + s.anno_gestione);
    carica_proprietari(app);
    carica_appartamenti(app);
    carica_insieme({caricamento_prenotazioni(app), caricamento_clienti(app), caricamento_note(app),
                    caricamento_saldi(app)});
    numero_periodi_liberi_ = 0;
    posti_letto_.clear();
    cf_valido_.clear();
    PULISCI_PAGINA();
    pulisci_textbox();
    pagina_da_aprire_ = true;
}

void prenotazione::Form_Activate() {
    // The form is mostly loaded hidden, as a store, long before the menu
    // shows it; meanwhile other operations have set the flags and the
    // apartments may have changed. Its first showing starts a new page.
    if (!pagina_da_aprire_) return;
    pagina_da_aprire_ = false;
    nuova_pagina();
    PULISCI_PAGINA();
    // A new booking starts from no client: whatever the client block held
    // while the form served as a store is nobody this booking is for.
    svuotando_ = true;
    svuota_cliente();
    Text24.set_text("");
    svuotando_ = false;
}

void prenotazione::nuova_pagina() {
    for (plat::CheckBox* c : {&Check1, &Check2, &Check3, &Check4, &Check5}) c->set_value(0);
    dimentica_ricerca_cliente();
}

void prenotazione::PULISCI_PAGINA() {
    Combo1.set_visible(true);
    Text7.set_visible(false);

    const long n = std::clamp<long>(app.conta(kContaAppartamenti), 0, s.appartamenti.capacita());
    Combo1.clear();
    bool cambiati = false;
    for (int i = 1; i <= n; ++i) {
        RigaAppartamento& a = s.appartamenti[i];
        if (std::string codice = plat::pad_code(a[appartamento::codice], 4);
            codice != a[appartamento::codice]) {
            a[appartamento::codice] = std::move(codice);
            cambiati = true;
        }
        const long via = plat::leading_int(a[appartamento::codice_via]);
        const std::string nome_via =
            s.vie.valido(via) ? s.vie[static_cast<int>(via)][vie::nome] : "";
        Combo1.add_item(a[appartamento::codice] + "-" + nome_via, i);  // the line's apartment
    }
    // Codes padded in memory: the lookup by code follows them.
    if (cambiati) indicizza_appartamenti(app);

    // The boxes the page fills itself are not typed in. The client block
    // stays open (a name left before the apartment is chosen is answered
    // by a message), and so does the note, so that a page started again by
    // CAMBIA or ANNULLA can still take one.
    for (int i = 1; i <= 23; ++i) {
        if ((i >= 8 && i <= 14) || i == 20) continue;
        control("Text" + std::to_string(i))->set_locked(true);
    }

    Text1.set_text(std::to_string(app.conta(kContaPrenotazioni) + 1));
    Text2.set_text(app.today().text());

    for (plat::Control* c : Controlli{&Line5, &Line6, &Line7, &Line8, &SCEGLI, &CONFERMA, &cambia})
        c->set_visible(false);
}

void prenotazione::pulisci_textbox() {
    for (plat::TextBox* t : {&Text15, &Text16, &Text17, &Text18, &Text19}) formatta(*t);
    for (plat::TextBox* t : {&Text32, &Text33, &Text34}) t->set_text("");
    Text20.set_locked(false);
}

void prenotazione::mostra_elenco_periodi(bool mostra) {
    for (plat::Control* c : Controlli{&Line5, &Line6, &Line7, &Line8, &List1})
        c->set_visible(mostra);
}

// --- apartment ----------------------------------------------------------------

void prenotazione::Combo1_Click() {
    Combo1.set_visible(false);
    Text7.set_visible(true);
    // The apartment the picked line was listed for, with its whole code: a
    // code cut to the column's four characters ("10000" read "1000") would
    // book another apartment. A line not picked from the list is read up to
    // its "-".
    const long n = std::clamp<long>(app.conta(kContaAppartamenti), 0, s.appartamenti.capacita());
    const int riga = Combo1.list_index();
    const long listato =
        riga >= 0 && Combo1.item(riga) == Combo1.text() ? Combo1.item_data(riga) : 0;
    const std::string scritto = plat::trim(plat::split(Combo1.text(), "-")[0]);
    long i = n + 1;
    if (listato >= 1 && listato <= n &&
        Combo1.text().starts_with(s.appartamenti[static_cast<int>(listato)][appartamento::codice] +
                                  "-")) {
        i = listato;
    } else {
        for (int j = 1; j <= n; ++j) {
            if (s.appartamenti[j][appartamento::codice] == scritto) {
                i = j;
                break;
            }
        }
    }
    const std::string codice = s.appartamenti.valido(i)
                                   ? s.appartamenti[static_cast<int>(i)][appartamento::codice]
                                   : scritto;
    const RigaAppartamento a =
        s.appartamenti.valido(i) ? s.appartamenti[static_cast<int>(i)] : RigaAppartamento{};

    const auto pezzi = plat::split(a[appartamento::posti_letto], "+");
    if (pezzi.size() == 2)
        posti_letto_ =
            plat::short_number(plat::leading_number(pezzi[0]) + plat::leading_number(pezzi[1]));
    else
        posti_letto_ = a[appartamento::posti_letto];
    Label35.set_caption("POSTI LETTO " + posti_letto_);

    const long via = plat::leading_int(a[appartamento::codice_via]);
    Text4.set_text(s.vie.valido(via) ? s.vie[static_cast<int>(via)][vie::nome] : "");
    Text7.set_text(plat::pad_code(codice, 4));

    const long proprietari =
        std::clamp<long>(app.conta(kContaProprietari), 0, s.proprietari.capacita());
    for (int j = 1; j <= proprietari; ++j) {
        if (s.proprietari[j][proprietario::codice] != a[appartamento::codice_proprietario])
            continue;
        Text3.set_text(s.proprietari[j][proprietario::nome]);
        Text27.set_text(s.proprietari[j][proprietario::codice]);
        break;
    }

    for (int k = 8; k <= 14; ++k) control("Text" + std::to_string(k))->set_locked(false);
    CARICA_LIST_PERIODI();
    // With no free period the choice has been undone: nothing to change.
    if (!Text7.text().empty()) cambia.set_visible(true);
}

void prenotazione::CARICA_LIST_PERIODI() {
    numero_periodi_liberi_ = 0;
    List1.clear();
    carica_periodi(app);
    const long n = std::clamp<long>(app.conta(kContaPeriodi), 0, s.periodi.capacita());
    const double codice = plat::leading_number(Text7.text());
    // The pick rows hold sixteen periods; later ones of the same apartment
    // are not listed.
    for (int i = 1; i <= n && numero_periodi_liberi_ < kRighePeriodi; ++i) {
        const RigaPeriodo& p = s.periodi[i];
        if (plat::leading_number(p.codice) != codice || plat::trim(p.stato) != "LIB") continue;
        // A period without a price cannot be let: its rent would be empty.
        if (plat::italian_or_zero(p.prezzo) <= 0) continue;
        List1.add_item(p.dal + " - " + p.al);
        const auto r = static_cast<std::size_t>(++numero_periodi_liberi_);
        s.righe_dal[r] = p.dal;
        s.righe_al[r] = p.al;
        s.righe_prezzo[r] = p.prezzo;
        s.righe_periodo[r] = std::to_string(i);
    }
    if (numero_periodi_liberi_ == 0) {
        app.msgbox("NON E' STATO TROVATO NESSUN PERIODO LIBERO !! ", plat::Buttons::Ok,
                   "LISTA PERIODI");
        cambia_Click();
    }
}

void prenotazione::cambia_Click() {
    s.azione_corrente = "CAMBIA";
    Combo1.set_text("");
    for (plat::TextBox* t : {&Text3, &Text4, &Text7, &Text27}) t->set_text("");
    PULISCI_PAGINA();
    cambia.set_visible(false);
}

// --- period and dates ---------------------------------------------------------

void prenotazione::List1_Click() { conteggi_pren(); }

void prenotazione::List1_DblClick() {
    app.imposta(kModPeriodiPeriodo, plat::trim(Text28.text()));
    app.imposta(kModPeriodiCodice, plat::trim(Text27.text()));
    app.imposta(kModPeriodiProprietario, plat::trim(Text3.text()));
    app.imposta(kModPeriodiVia, plat::trim(Text4.text()));
    // The picker's exit enables the availability view again.
    app.form(forme::visu_disponib).set_enabled(false);
    s.modo_chiamata = "PRENOTAZIONE";
    app.form(forme::ModPeriodi).show();
}

void prenotazione::Text5_DblClick() {
    if (Text5.text().empty()) return;
    DTPicker2.set_date(plat::Date::parse_or_zero(Text5.text()));
    Text5.set_visible(false);
    DTPicker2.set_visible(true);
}

void prenotazione::Text6_DblClick() {
    if (Text6.text().empty()) return;
    DTPicker1.set_date(plat::Date::parse_or_zero(Text6.text()));
    Text6.set_visible(false);
    DTPicker1.set_visible(true);
}

void prenotazione::DTPicker2_CloseUp() {
    controlla_dataperiodo1();
    if (s.esito_data == "OK") Text5.set_text(DTPicker2.date().text());
    Text5.set_visible(true);
    DTPicker2.set_visible(false);
}

void prenotazione::DTPicker1_CloseUp() {
    controlla_dataperiodo();
    if (s.esito_data == "OK") Text6.set_text(DTPicker1.date().text());
    Text6.set_visible(true);
    DTPicker1.set_visible(false);
}

namespace {

// The first pick row 1..n whose period holds d, both ends included.
bool in_periodi_liberi(const Stato& s, int n, plat::Date d) {
    for (int r = 1; r <= n && r <= kRighePeriodi; ++r) {
        const auto dal = data_di(s.righe_dal[static_cast<std::size_t>(r)]);
        const auto al = data_di(s.righe_al[static_cast<std::size_t>(r)]);
        if (dal && al && *dal <= d && d <= *al) return true;
    }
    return false;
}

}  // namespace

void prenotazione::controlla_dataperiodo1() {
    const plat::Date d = DTPicker2.date();
    s.esito_data = in_periodi_liberi(s, numero_periodi_liberi_, d) ? "OK" : "KO";
    if (s.esito_data == "KO") app.msgbox(kFuoriPeriodi);
}

void prenotazione::controlla_dataperiodo() {
    const plat::Date d = DTPicker1.date();
    s.esito_data = "KO";
    // Past the chosen period's end within that period's own month.
    bool dentro = true;
    const long k = plat::leading_int(Text28.text());
    if (s.periodi.valido(k)) {
        if (const auto e = data_di(s.periodi[static_cast<int>(k)].al))
            dentro = e->month() != d.month() || *e >= d;
    }
    if (in_periodi_liberi(s, numero_periodi_liberi_, d)) s.esito_data = "OK";
    if (!dentro) app.msgbox(kOltrePeriodo);
    else if (s.esito_data == "KO")
        app.msgbox(kFuoriPeriodi);
}

// --- note, save, print, leave -------------------------------------------------

void prenotazione::Text20_Change() {
    // Only the user types into the page; a program filling the box of the
    // form loaded hidden is not told about a saved booking.
    if (Check3.value() != 1 || !is_visible()) return;
    app.msgbox(
        " LA PRENOTAZIONE E' GIA' SALVATA \r L'INSERIMENTO DELLA NOTA E' POSSIBILE SOLO \r"
        "DA MENU-PRENOTAZIONI-INSERIMENTO NOTA ",
        plat::Buttons::Ok, " PRENOTAZIONE");
}

void prenotazione::inv_email_Click() {
    app.msgbox("FUNZIONE NON DISPONIBILE", plat::Buttons::Ok, " INVIO CONTRATTO PER EMAIL");
}

bool prenotazione::salvataggio_ammesso() {
    if (!importi_registrabili()) return false;
    const auto arrivo = data_registrabile(app, Text5.text(), "LA DATA DI ARRIVO");
    if (!arrivo) return false;
    const auto partenza = data_registrabile(app, Text6.text(), "LA DATA DI PARTENZA");
    if (!partenza) return false;
    // A booking takes at least one night: a departure on the arrival day
    // would let a stay of no nights, with the whole rent, that no overlap
    // check can see.
    if (*partenza < *arrivo)
        return registrazione_rifiutata(app,
                                       "LA DATA DI PARTENZA E' PRECEDENTE ALLA DATA DI ARRIVO.");
    if (*partenza == *arrivo)
        return registrazione_rifiutata(
            app, "LA DATA DI PARTENZA DEVE ESSERE SUCCESSIVA A QUELLA DI ARRIVO.");
    if (!data_registrabile(app, Text2.text(), "LA DATA DELLA PRENOTAZIONE")) return false;

    const long numero = plat::leading_int(Text1.text());
    if (!s.prenotazioni.ammesso(numero))
        return registrazione_rifiutata(
            app, "IL NUMERO DELLA PRENOTAZIONE NON E' VALIDO (" + std::to_string(numero) + ").");
    const long periodo = plat::leading_int(Text28.text());
    const long periodi = std::min<long>(app.conta(kContaPeriodi), s.periodi.capacita());
    if (periodo < 1 || periodo > periodi)
        return registrazione_rifiutata(
            app, "IL PERIODO SCELTO NON E' VALIDO (" + std::to_string(periodo) + ").");

    // Every text that reaches the booking, its note or its movement.
    std::vector<std::string> valori;
    for (plat::TextBox* t : {&Text1, &Text7, &Text25, &Text15, &Text16, &Text17, &Text18, &Text19,
                             &Text28, &Text31, &Text32, &Text33, &Text34, &Text27, &Text20})
        valori.push_back(t->text());
    return valori_registrabili(app, valori);
}

void prenotazione::SALVA_Click() {
    // A saved page writes nothing and asks nothing: its extras questions
    // would only add to a note that can no longer be saved from here.
    if (Check3.value() == 1) return;
    // The note as typed: what the extras questions add to it goes again
    // when the booking is not saved, so a second SALVA adds it once.
    const std::string nota_digitata = Text20.text();
    auto non_salvata = [&] {
        for (plat::CheckBox* c : {&Check2, &Check3, &Check4}) c->set_value(0);
        Text20.set_text(nota_digitata);
    };
    const auto letti = plat::leading_number(Text31.text());
    if (!Text31.text().empty() &&
        app.msgbox("Sono richiesti letti aggiuntivi !! \r vuoi aggiungere la nota ? ",
                   plat::Buttons::YesNo, "LETTI AGGIUNTO") == plat::Answer::Yes) {
        if (letti == 1) Text20.set_text(Text20.text() + " Aggiungere un letto - ");
        if (letti > 1)
            Text20.set_text(Text20.text() + " Aggiungere " + Text31.text() + " letti - ");
    }
    const auto persone = plat::leading_number(Text34.text());
    if (!Text34.text().empty() &&
        app.msgbox("Sono state richieste delle lenzuola !! \r vuoi aggiungere la nota ? ",
                   plat::Buttons::YesNo, "LETTI AGGIUNTO") == plat::Answer::Yes) {
        if (persone == 1)
            Text20.set_text(Text20.text() + " Portare delle lenzuola per una persona - ");
        if (persone > 1)
            Text20.set_text(Text20.text() + " Portare delle lenzuola per " + Text34.text() +
                            " persone - ");
    }

    const char* manca = nullptr;
    if (Text7.text().empty()) manca = "NON E' STATO SCELTO NESSUN APPARTAMENTO !! ";
    else if (Text8.text().empty())
        manca = "NON E' STATO INSERITO NESSUN CLIENTE !! ";
    else if (Text5.text().empty())
        manca = "NON E' STATO SCELTO NESSUN PERIODO !! ";
    if (manca) {
        app.msgbox(manca, plat::Buttons::Ok, kTitoloSalva);
        non_salvata();
        return;
    }
    if (!cliente_registrato()) {
        non_salvata();
        return;
    }

    // The note, the booking, its advance in the journal and its period are
    // one save: all of them are written, or none.
    Salvataggio salvataggio(app);
    s.operazione = "PRENOTAZIONE";
    const bool con_nota = !Text20.text().empty();
    bool salvata = salvataggio_ammesso() && date_prenotabili() && (!con_nota || aggiungi_nota(app));
    // The note flag tells the bookings rewrite that this booking's note was
    // appended; a note of another booking must not count.
    Check2.set_value(salvata && con_nota ? 1 : 0);
    salvata = salvata && registra_prenotazioni(app) && registra_movimento(app) &&
              aggiorna_periodi(app) && salvataggio.conferma();
    if (!salvata) non_salvata();
}

void prenotazione::STAMPA_Click() {
    // Only a booking of the file has a receipt.
    if (Check3.value() != 1) {
        app.msgbox("LA PRENOTAZIONE NON E' STATA REGISTRATA...", plat::Buttons::Ok,
                   "STAMPA PRENOTAZIONE");
        return;
    }
    // The receipt of the booking just saved, printed as the find-booking
    // dialog prints a chosen one; the printer ticks Check5.
    s.prenotazione_scelta = plat::pad_left(Text1.text(), 3, '0');
    stampa_prenotazione_scelta(app);
}

void prenotazione::ANNULLA_Click() {
    if (Check3.value() == 0 && !Text7.text().empty()) {
        if (app.msgbox(kNonRegistrata, plat::Buttons::YesNo, kTitoloUscita) == plat::Answer::Yes) {
            SALVA_Click();
            // A save that did not happen keeps the page for the user to mend.
            if (Check3.value() == 0) return;
        }
    }
    if (Check3.value() == 1 && Check5.value() == 0) {
        app.msgbox(kNonStampata, plat::Buttons::Ok, kTitoloUscita);
        return;
    }
    // The page is cleared for the next booking, which starts with the flags
    // at 0 (a page saved and printed would otherwise keep later bookings
    // from being written).
    nuova_pagina();
    s.azione_corrente = "ANNULLA";
    Combo1.set_text("");
    for (plat::TextBox* t : {&Text3, &Text4, &Text7, &Text5, &Text6}) t->set_text("");
    PULISCI_PAGINA();
    cambia.set_visible(false);
    for (int i = 8; i <= 20; ++i) control("Text" + std::to_string(i))->set_text("");
    for (plat::TextBox* t :
         {&Text24, &Text25, &Text27, &Text30, &Text31, &Text32, &Text33, &Text34})
        t->set_text("");
    // The costs shown beside the extras go with them.
    Label30.set_caption("");
    Label34.set_caption("");
    mostra_elenco_periodi(false);
}

void prenotazione::ESCI_Click() {
    if (Check3.value() == 0 && !Text7.text().empty()) {
        const plat::Answer r =
            app.msgbox(kNonRegistrata, plat::Buttons::YesNoCancel, kTitoloUscita);
        if (r == plat::Answer::Cancel) {
            ANNULLA_Click();
            return;
        }
        if (r == plat::Answer::Yes) {
            SALVA_Click();
            // The user asked to save: a save refused keeps the page.
            if (Check3.value() == 0) return;
        }
    }
    if (Check3.value() == 1 && Check5.value() == 0) {
        app.msgbox(kNonStampata, plat::Buttons::Ok, kTitoloUscita);
        return;
    }
    torna_al_menu();
}

void prenotazione::torna_al_menu() {
    app.form(forme::MENU).show();
    unload();
}

}  // namespace ga
