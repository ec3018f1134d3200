#include "apartments/appartament.h"

#include <algorithm>
#include <stdexcept>

#include "platform/number.h"
#include "platform/text.h"
#include "records/appartamenti.h"
#include "records/caselle.h"
#include "records/periodi.h"
#include "records/proprietari.h"
#include "records/vie.h"

namespace ga {

namespace {

constexpr const char* kTitoloCodice = "INSERIMENTO APPARTAMENTO";

long val(const std::string& testo) { return plat::leading_int(testo); }

}  // namespace

appartament::appartament(App& app) : Forma(app, kName) {
    layout();
    griglia();

    Combo1.on_click = [this] { Combo1_Click(); };
    Combo1.on_lost_focus = [this] { Combo1_LostFocus(); };
    Text24.on_lost_focus = [this] { Text24_LostFocus(); };
    List1.on_click = [this] { List1_Click(); };
    SCEGLI.on_click = [this] { SCEGLI_Click(); };
    AGGIUNGI.on_click = [this] { AGGIUNGI_Click(); };
    cambia.on_click = [this] { cambia_Click(); };
    ESCI.on_click = [this] { ESCI_Click(); };

    Text44.on_lost_focus = [this] { Text44_LostFocus(); };
    Text2.on_lost_focus = [this] { Text2_LostFocus(); };
    Combo3.on_click = [this] { Combo3_Click(); };
    Combo3.on_change = [this] { via_digitata_ = true; };
    Combo3.on_lost_focus = [this] { Combo3_LostFocus(); };
    for (plat::TextBox* b : {&Text4, &Text6}) {
        b->on_click = [b] { b->set_text("SI"); };
        b->on_dbl_click = [b] { b->set_text("NO"); };
    }
    Text7.on_click = [this] { Text7_Click(); };
    for (plat::TextBox* b : {&Text4, &Text6, &Text7})
        b->on_lost_focus = [b] { b->set_text(plat::upper(b->text())); };
    Text27.on_change = [this] { Text27.set_text(plat::upper(Text27.text())); };
    Combo2.on_click = [this] { Combo2_Click(); };
    Text41.on_change = [this] { Text41_Change(); };
}

void appartament::layout() {
    design("APPARTAMENTI", px(1008), px(650));
    metti(ICONAAGENZIA, 16, 8, 90, 60).design().stretch = true;
    metti(Label1, 120, 24, 600, 30).design().font_size = 14;
    Label1.design().bold = true;

    // The owner, and the owner's apartments while the user chooses one.
    metti(Frame1, 16, 76, 460, 176).design().text = "PROPRIETARIO E SUOI APPARTAMENTI";
    etichetta("PROPRIETARIO", 12, 31, 96, &Frame1);
    metti(Combo1, 112, 26, 332, 25, &Frame1).design().text = "Combo1";
    // Lies over the owner list once an owner is chosen.
    metti(Text24, 112, 26, 332, 25, &Frame1).design().visible = false;
    Text24.design().locked = true;
    etichetta("COD.PROPR.", 12, 63, 96, &Frame1);
    metti(Text1, 112, 58, 70, 25, &Frame1).design().locked = true;
    etichetta("APPART. N°", 204, 63, 80, &Frame1);
    metti(Text22, 288, 58, 44, 25, &Frame1).design().locked = true;
    Text22.design().alignment = 1;
    metti(List1, 112, 90, 332, 76, &Frame1).design().visible = false;
    // An apartment taken closes the list: Enter or a click takes it, the keys move.
    List1.design().command_list = true;

    metti(AGGIUNGI, 16, 260, 140, 30).design().text = "AGGIUNGI APPART.";
    metti(cambia, 164, 260, 100, 30).design().text = "CAMBIA";
    metti(SCEGLI, 296, 260, 180, 30).design().text = "SCEGLI APPARTAMENTO";
    SCEGLI.design().visible = false;

    // The apartment's own data.
    metti(Frame2, 16, 300, 460, 304).design().text = "APPARTAMENTO";
    etichetta("CODICE  APPARTAMENTO", 12, 31, 150, &Frame2);
    metti(Text44, 166, 26, 70, 25, &Frame2);
    etichetta("VIA", 12, 63, 110, &Frame2);
    metti(Text2, 126, 58, 230, 25, &Frame2);
    etichetta("N.C.", 366, 63, 30, &Frame2);
    metti(Text3, 398, 58, 50, 25, &Frame2);
    metti(Combo3, 126, 88, 230, 25, &Frame2).design().visible = false;
    Combo3.design().tooltip = "ELENCO DELLE VIE";
    // The street list drops down under the street: Tab goes on from the
    // street to its number, the Down arrow into the list.
    Combo3.design().tab_stop = false;
    Text2.design().drop_list = Combo3.name();
    etichetta("TIPO", 12, 123, 110, &Frame2);
    const char* tipi[] = {"MON", "BIL", "TRI", "QUA"};
    plat::OptionButton* opzioni[] = {&Option1, &Option2, &Option3, &Option4};
    for (int i = 0; i < 4; ++i)
        metti(*opzioni[i], 126 + i * 74, 120, 70, 24, &Frame2).design().text = tipi[i];

    struct Casella {
        const char* etichetta;
        plat::Control* box;
        int x, y, larghezza;
    };
    const Casella caselle[] = {{"SOGGIORNO", &Text4, 12, 150, 60},
                               {"N° BAGNI", &Text5, 240, 150, 60},
                               {"GIARDINO", &Text6, 12, 180, 60},
                               {"PIANO", &Text7, 240, 180, 108},
                               {"POSTI LETTO", &Text8, 12, 210, 60},
                               {"NOTE", &Text9, 12, 240, 322},
                               // Last: choosing the periodicity saves the card, the note with it.
                               {"PERIODICITA'", &Combo2, 12, 270, 108}};
    for (const Casella& c : caselle) {
        etichetta(c.etichetta, c.x, c.y + 5, 100, &Frame2);
        metti(*c.box, c.x + 100 + (c.x == 12 ? 14 : 0), c.y, c.larghezza, 25, &Frame2);
    }
    Text4.design().tooltip = "SI / NO";
    Text6.design().tooltip = "SI / NO";
    Text7.design().tooltip = "TERRA - PRIMO - SECOND -ECC.";
    Combo2.design().items = {"ESTIVO", "ANNUALE"};

    metti(ESCI, 16, 610, 110, 32).design().text = "USCITA";
    ESCI.design().tooltip = "USCITA";

    // Stores: counts, record numbers and flags the program keeps here.
    for (plat::TextBox* b :
         {&Text23, &Text25, &Text26, &Text27, &Text40, &Text41, &Text42, &Text43, &Text45, &Text46})
        metti(*b, 0, 0, 60, 20).design().visible = false;
    // Boxes of the card's numbering that hold nothing; other forms may name them.
    for (int n = 10; n <= 39; ++n) {
        if (n >= 22 && n <= 27) continue;
        metti(crea<plat::TextBox>("Text" + std::to_string(n)), 0, 0, 60, 20).design().visible =
            false;
    }
}

void appartament::griglia() {
    metti(PERIODI_PREZZI, 492, 76, 500, 556).design().text = "PERIODI E PREZZI";
    etichetta("N°", 12, 28, 50, &PERIODI_PREZZI);
    etichetta("DAL", 68, 28, 124, &PERIODI_PREZZI);
    etichetta("AL", 200, 28, 124, &PERIODI_PREZZI);
    etichetta("PREZZO", 332, 28, 96, &PERIODI_PREZZI);
    etichetta("STATO", 436, 28, 52, &PERIODI_PREZZI);
    for (int r = 1; r <= 16; ++r) {
        const int y = 50 + (r - 1) * 31;
        auto& tick = crea<plat::CheckBox>("Check" + std::to_string(r));
        metti(tick, 12, y + 2, 50, 22, &PERIODI_PREZZI).design().text = std::to_string(r);
        tick.design().enabled = false;
        auto& inizio = crea<plat::DatePicker>("DTPICKER" + std::to_string(2 * r - 1));
        metti(inizio, 68, y, 124, 26, &PERIODI_PREZZI).design().enabled = false;
        auto& fine = crea<plat::DatePicker>("DTPICKER" + std::to_string(2 * r));
        metti(fine, 200, y, 124, 26, &PERIODI_PREZZI).design().enabled = false;
        auto& prez = crea<plat::TextBox>("prez" + std::to_string(r + 9));
        metti(prez, 332, y, 96, 26, &PERIODI_PREZZI).design().enabled = false;
        prez.design().alignment = 1;
        auto& situ = crea<plat::TextBox>("situ" + std::to_string(r + 27));
        metti(situ, 436, y, 52, 26, &PERIODI_PREZZI).design().enabled = false;
        situ.design().alignment = 2;

        tick.on_click = [this, r] { Check_Click(r); };
        prez.on_dbl_click = [this, r] { prez_DblClick(r); };
        prez.on_validate = [this, r] { prez_Validate(r); };
        situ.on_dbl_click = [this, r] { situ_DblClick(r); };
        // The start pickers of the last four rows follow only their own
        // start date: a change there empties no price.
        if (r <= 12) inizio.on_change = [this, r] { DTPicker_inizio_Change(r); };
        inizio.on_close_up = [this, r] { DTPicker_inizio_CloseUp(r); };
        fine.on_change = [this, r] { DTPicker_fine_Change(r); };
        fine.on_validate = [this, r] { DTPicker_fine_Validate(r); };
    }
}

// --- preparing the form ------------------------------------------------------------

void appartament::Form_Load() {
    piano_ = 0;
    prepara();
}

void appartament::Form_Activate() { prepara(); }

void appartament::Form_Unload() {
    selezione_.clear();
    aperte_.clear();
    date_rifiutate_.clear();
    via_digitata_ = false;
}

void appartament::prepara() {
    ICONAAGENZIA.set_picture(s.percorso_logo);
    Label1.set_caption("INSERIMENTO / MODIFICA APPARTAMENTI " + s.anno_gestione);
    carica_appartamenti(app);
    carica_periodi(app);
    azzera_righe_periodi(app);
    Text25.set_text("");
    if (s.modo_chiamata != "nuovopr") {
        for (int n = 2; n <= 9; ++n) casella(n).set_locked(true);
        Text24.set_visible(false);
        Combo1.set_visible(true);
        s.appartamento_corrente = static_cast<int>(val(Text23.text()));
        carica_proprietari(app);
        riempi_proprietari();
        for (int r = 1; r <= 16; ++r) spunta(r).set_enabled(false);
    } else {
        // Opened by the owners form while a new owner is entered: the owner
        // is the one in Text24.
        Text24.set_visible(true);
        Combo1.set_visible(false);
        cambia.set_visible(false);
        AGGIUNGI.set_visible(false);
        for (int r = 1; r <= 12; ++r) spunta(r).set_enabled(true);
    }
    pulisce_periodi();
    PERIODI_PREZZI.set_caption("PERIODI E PREZZI - ANNO " + s.anno_gestione);
    carica_vie(app);
    Combo3.clear();
    const long vie = std::clamp<long>(val(Text45.text()), 0, s.vie.capacita());
    for (int i = 1; i <= vie; ++i) Combo3.add_item(s.vie[i][vie::nome]);
    via_digitata_ = false;
}

void appartament::riempi_proprietari() {
    Combo1.clear();
    const long n = std::clamp<long>(app.conta(kContaProprietari), 0, s.proprietari.capacita());
    for (int i = 1; i <= n; ++i) Combo1.add_item(s.proprietari[i][proprietario::nome]);
}

plat::Control& appartament::casella(int n) {
    plat::Control* c = control("Text" + std::to_string(n));
    if (!c) throw std::logic_error("control not found: appartament.Text" + std::to_string(n));
    return *c;
}

// --- choosing an owner ---------------------------------------------------------------

void appartament::Combo1_Click() { scegli_proprietario(); }

void appartament::Combo1_LostFocus() {
    Combo1.set_text(plat::upper(Combo1.text()));
    if (!proprietario_gia_scelto()) scegli_proprietario();
    dopo_uscita_proprietario();
}

void appartament::Text24_LostFocus() {
    if (!proprietario_gia_scelto()) scegli_proprietario();
    dopo_uscita_proprietario();
}

// Leaving the owner box after the owner was chosen (the focus moving on to
// the card) must not choose the same owner again: that would repeat its
// messages and fill the card afresh over what the user has begun to type.
bool appartament::proprietario_gia_scelto() {
    return !Text1.text().empty() && Text24.visible() && Text24.text() == plat::trim(Combo1.text());
}

void appartament::dopo_uscita_proprietario() {
    if (!Text1.text().empty()) return;
    Text24.set_text("");
    Text24.set_visible(false);
    Combo1.set_text("");
    Combo1.set_visible(true);
}

void appartament::scegli_proprietario() {
    const std::string testo = Combo1.text();
    if (testo.empty() || testo == "Combo1" || !Text2.text().empty()) return;
    const std::string nome = plat::trim(testo);
    Text24.set_visible(true);
    Text24.set_text(nome);

    // The code of an owner chosen before must not stay beside a name that
    // is not in the register.
    Text1.set_text("");
    const long proprietari =
        std::clamp<long>(app.conta(kContaProprietari), 0, s.proprietari.capacita());
    bool trovato = false;
    for (int i = 1; i <= proprietari && !trovato; ++i) {
        if (plat::trim(s.proprietari[i][proprietario::nome]) == nome) {
            Text1.set_text(s.proprietari[i][proprietario::codice]);
            trovato = true;
        }
    }
    if (!trovato) {
        app.msgbox(" QUESTO PROPRIETARIO NON E' STATO INSERITO ");
        return;
    }

    selezione_.assign(1, Voce{});
    const std::string codice = plat::trim(Text1.text());
    const long appartamenti = std::clamp<long>(val(Text23.text()), 0, s.appartamenti.capacita());
    for (int i = 1; i <= appartamenti; ++i) {
        const RigaAppartamento& a = s.appartamenti[i];
        if (plat::trim(a[appartamento::codice_proprietario]) != codice) continue;
        const long v = val(a[appartamento::codice_via]);
        const std::string via =
            v >= 1 && v <= s.vie.capacita() ? s.vie[static_cast<int>(v)][vie::nome] : "";
        selezione_.push_back(
            Voce{via, a[appartamento::civico], a[appartamento::tipo], a[appartamento::soggiorno],
                 a[appartamento::bagni], a[appartamento::giardino], a[appartamento::piano],
                 a[appartamento::posti_letto], a[appartamento::note], a[appartamento::periodicita],
                 std::to_string(i), a[appartamento::codice]});
    }
    const int j = static_cast<int>(selezione_.size()) - 1;
    if (j > 1) {
        List1.clear();
        for (int n = 1; n <= j; ++n)
            List1.add_item(std::to_string(n) + " - " +
                           selezione_[static_cast<std::size_t>(n)].codice + " - " +
                           selezione_[static_cast<std::size_t>(n)].via);
        List1.set_visible(true);
        SCEGLI.set_visible(true);
    }

    s.azione_corrente = "zeltra";
    mostra_voce(j, true);
    Text22.set_text(std::to_string(j));
    if (!Text2.text().empty()) {
        s.azione_corrente = "zeltra";
        if (!Combo2.text().empty()) {
            vedi_periodi();
            azzera_contatore();
        } else {
            app.msgbox("DEVI VALORIZZARE LA PERIODICITA'");
        }
        for (int n = 2; n <= 9; ++n) casella(n).set_locked(false);
        s.azione_corrente = "";
    } else {
        app.msgbox("NON CI SONO APPARTAMENTI PER QUESTO PROPRIETARIO");
        Text27.set_text(std::to_string(val(Text23.text()) + 1));
        for (int n = 2; n <= 9; ++n) casella(n).set_locked(false);
        Text22.set_locked(false);
        Text44.set_focus();
        // The grid is not being filled: left at "zeltra", rows opened later
        // would not be counted and several could be open at once.
        s.azione_corrente = "";
    }
}

void appartament::mostra_voce(int k, bool con_periodicita) {
    const Voce vuota;
    const Voce& v = k >= 1 && k < static_cast<int>(selezione_.size())
                        ? selezione_[static_cast<std::size_t>(k)]
                        : vuota;
    Text2.set_text(v.via);
    Text3.set_text(v.civico);
    if (v.tipo == "MON") Option1.set_value(1);
    if (v.tipo == "BIL") Option2.set_value(1);
    if (v.tipo == "TRI") Option3.set_value(1);
    if (v.tipo == "QUA") Option4.set_value(1);
    Text4.set_text(v.soggiorno);
    Text5.set_text(v.bagni);
    Text6.set_text(v.giardino);
    Text7.set_text(v.piano);
    Text8.set_text(v.letti);
    Text9.set_text(v.note);
    Text44.set_text(v.codice);
    if (con_periodicita) Combo2.set_text(v.periodicita);
    Text27.set_text(v.record);
}

void appartament::List1_Click() {
    const int k = List1.list_index() + 1;
    if (k < 1 || k >= static_cast<int>(selezione_.size())) return;
    List1.set_visible(false);
    mostra_voce(k, false);
    Text22.set_text(std::to_string(k));
    // Every row is closed before the other apartment's periods are laid
    // in: a row left ticked from the apartment shown before would not be
    // opened again and would stop the date rules at the wrong place.
    for (int r = 1; r <= 16; ++r) {
        s.azione_corrente = "CAMBIA_APP";
        spunta(r).set_value(0);
        s.azione_corrente = "";
    }
    s.azione_corrente = "zeltra";
    pulisce_periodi();
    vedi_periodi();
    s.azione_corrente = "";
    azzera_contatore();
}

void appartament::SCEGLI_Click() {
    for (int r = 1; r <= 16; ++r) {
        s.azione_corrente = "CAMBIA_APP";
        spunta(r).set_value(0);
        spunta(r).set_enabled(false);
        s.azione_corrente = "";
    }
    azzera_contatore();
    pulisce_periodi();
    List1.set_visible(true);
}

void appartament::AGGIUNGI_Click() {
    if (Text1.text().empty() || val(Text27.text()) > val(Text23.text())) return;
    azzera_righe_periodi(app);
    s.modo_chiamata = "nuovoap";
    for (plat::TextBox* b : {&Text25, &Text27, &Text43, &Text44}) b->set_text("");
    List1.clear();
    List1.set_visible(false);
    for (int r = 1; r <= 16; ++r) {
        s.azione_corrente = "AGGIUNGI_APP";
        spunta(r).set_enabled(false);
        spunta(r).set_value(0);
    }
    // Left at "AGGIUNGI_APP", unticking a row of the new apartment would not
    // close it and the periods register would not write its price.
    s.azione_corrente = "";
    azzera_contatore();
    for (int n = 2; n <= 9; ++n) {
        casella(n).set_locked(false);
        casella(n).set_text("");
    }
    Combo2.set_text("");
    // No periodicity is chosen for the new card yet: choosing the one of the
    // card saved before must still lay out its grid.
    Text41.set_text("");
    pulisce_periodi();
    for (plat::OptionButton* o : {&Option1, &Option2, &Option3, &Option4}) o->set_value(0);
    Text22.set_text(std::to_string(val(Text22.text()) + 1));
    Text27.set_text(std::to_string(val(Text23.text()) + 1));
    Combo3.set_visible(true);
}

void appartament::cambia_Click() {
    azzera_righe_periodi(app);
    SCEGLI.set_visible(false);
    List1.clear();
    List1.set_visible(false);
    s.modo_chiamata = "";
    Combo2.set_text("");
    Combo3.set_visible(true);
    // The periodicity copy goes after the code: with no code it lays out no grid.
    for (plat::TextBox* b : {&Text22, &Text25, &Text27, &Text43, &Text44, &Text41}) b->set_text("");
    Text24.set_visible(false);
    Combo1.set_visible(true);

    carica_appartamenti(app);
    s.appartamento_corrente = static_cast<int>(val(Text23.text()));
    carica_proprietari(app);
    riempi_proprietari();
    Combo1.set_text("");

    // All sixteen rows are emptied: dates left in the last rows would show
    // the periods of the apartment seen before.
    const plat::Date d = primo_gennaio();
    for (int n = 1; n <= 32; ++n) {
        calendario(n)->set_enabled(false);
        calendario(n)->set_date(d);
    }
    for (int r = 1; r <= 16; ++r) {
        prezzo(r).set_enabled(false);
        prezzo(r).set_text("");
        situazione(r).set_enabled(false);
        situazione(r).set_text("");
    }
    for (plat::OptionButton* o : {&Option1, &Option2, &Option3, &Option4}) o->set_value(0);
    for (int n = 1; n <= 9; ++n) casella(n).set_text("");
    for (int r = 1; r <= 16; ++r) {
        s.azione_corrente = "CAMBIA_APP";
        spunta(r).set_enabled(false);
        spunta(r).set_value(0);
    }
    azzera_contatore();
}

void appartament::ESCI_Click() {
    if (s.modo_chiamata == "nuovo" && Text25.text() != "OK") return;
    app.form(forme::MENU).show();
    unload();
}

// --- the card's boxes ------------------------------------------------------------------

void appartament::Text44_LostFocus() {
    if (Text44.text().empty()) {
        app.msgbox("CODICE APPARTAMENTO E' OBLIGATORIO ", plat::Buttons::Ok, kTitoloCodice);
        Text44.set_focus();
        return;
    }
    // Periods and bookings find the apartment by the number of its code: a
    // code typed anew is a number (one stored otherwise is left as it is).
    const std::string codice = plat::trim(Text44.text());
    if (Text44.changed_since_focus() &&
        (!plat::all_digits(codice) || plat::leading_int(codice) == 0)) {
        app.msgbox("IL CODICE APPARTAMENTO DEVE ESSERE UN NUMERO (ES. 0012): \"" + codice +
                       "\" NON E' VALIDO",
                   plat::Buttons::Ok, kTitoloCodice);
        Text44.set_text("");
        Text44.set_focus();
        return;
    }
    s.indice_riga = std::to_string(val(Text23.text()));
    Text44.set_text(plat::pad_code(Text44.text(), 4));
    // A code is checked on a loaded card too, and whatever was typed first:
    // two apartments with one code would share their periods and bookings.
    codice_gia_usato();
    if (!Text2.text().empty()) return;
    Combo3.set_visible(true);
    piano_ = 0;
}

bool appartament::codice_gia_usato() {
    const double codice = plat::leading_number(Text44.text());
    const long proprio = val(Text27.text());
    const long n = std::clamp<long>(val(Text23.text()), 0, s.appartamenti.capacita());
    for (int i = 1; i <= n; ++i) {
        if (i == proprio || plat::leading_number(s.appartamenti[i][appartamento::codice]) != codice)
            continue;
        app.msgbox("CODICE APPARTAMENTO GIA' INSERITO ", plat::Buttons::Ok, kTitoloCodice);
        Text44.set_text("");
        Text44.set_focus();
        return true;
    }
    return false;
}

void appartament::Text2_LostFocus() {
    if (Text2.text().empty()) return;
    Text2.set_text(plat::upper(Text2.text()));
    cerca_via();
}

// The street typed: an exact name stands as it is, a beginning is completed
// to the first street that begins with it, anything else is a new street.
void appartament::cerca_via() {
    const std::string digitata = Text2.text();
    const std::string nome = plat::trim(digitata);
    const int lunghezza = plat::length(digitata);
    const long vie = std::clamp<long>(val(Text45.text()), 0, s.vie.capacita());
    // An exact name wins: a street that is the beginning of a longer one
    // ("VIA ROMA", "VIA ROMANA") must not turn into the longer one whenever
    // the box is left.
    for (int i = 1; i <= vie; ++i) {
        if (!nome.empty() && s.vie[i][vie::nome] == nome) {
            Text2.set_text(s.vie[i][vie::nome]);
            return;
        }
    }
    for (int i = 1; i <= vie; ++i) {
        if (nome == plat::left(s.vie[i][vie::nome], lunghezza)) {
            Text2.set_text(s.vie[i][vie::nome]);
            return;
        }
    }
    const long nuova = val(Text45.text()) + 1;
    Text46.set_text(std::to_string(nuova));
    Text45.set_text(std::to_string(nuova));
    // A refused street leaves the count as the file has it, so that the
    // next street does not leave an empty line before itself.
    if (!registra_via(app)) carica_vie(app);
}

void appartament::Combo3_Click() {
    scelta_via();
    // The street taken from its list, the house number is typed next.
    if (!Combo3.visible()) Text3.set_focus();
}

void appartament::Combo3_LostFocus() {
    // Only a name typed into the list is taken on leaving it; passing
    // through the list with an old choice in it changes nothing.
    if (via_digitata_) scelta_via();
}

void appartament::scelta_via() {
    via_digitata_ = false;
    const std::string nome = plat::upper(Combo3.text());
    if (nome.empty()) return;
    const long vie = std::clamp<long>(val(Text45.text()), 0, s.vie.capacita());
    for (int i = 1; i <= vie; ++i) {
        if (nome == s.vie[i][vie::nome]) {
            Text2.set_text(s.vie[i][vie::nome]);
            Combo3.set_visible(false);
            return;
        }
    }
    // A name that is no street yet: it becomes the street box's text and is
    // completed or added as a street typed there.
    Text2.set_text(plat::trim(nome));
    cerca_via();
    Combo3.set_visible(false);
}

void appartament::Text7_Click() {
    static const char* const piani[] = {"TERRA", "PRIMO", "SECONDO", "TERZO", "OLTRE IL 3°"};
    ++piano_;
    if (piano_ > 5) {
        Text7.set_text("");
        piano_ = 0;
        return;
    }
    Text7.set_text(piani[piano_ - 1]);
}

// --- saving ------------------------------------------------------------------------------

void appartament::Combo2_Click() {
    Text41.set_text(Combo2.text());
    for (plat::TextBox* b : {&Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text8, &Text44}) {
        if (b->text().empty()) {
            app.msgbox("LA SCHEDA NON E' COMPLETA");
            return;
        }
    }
    if (codice_gia_usato()) return;
    s.risposta = app.msgbox("SEI SICURO DI SALVARE IL NUOVO APPARTAMENTO ? ", plat::Buttons::YesNo,
                            "REGISTRA L'APPARTAMENTI");
    if (s.risposta == plat::Answer::Yes) registra_appartamento(app);
}

void appartament::Text41_Change() {
    // A card without an apartment code has no periods to show; its rows
    // stay closed, so no period can be written for no apartment.
    if (Text44.text().empty()) return;
    // The grid is filled as every other caller fills it: the rows it opens
    // are not counted as opened by the user.
    const std::string prima = s.azione_corrente;
    s.azione_corrente = "zeltra";
    vedi_periodi();
    s.azione_corrente = prima == "zeltra" ? "" : prima;
}

}  // namespace ga
