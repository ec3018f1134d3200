#include "settlement/visu_disponib.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "bookings/caselle.h"
#include "platform/date.h"
#include "platform/number.h"
#include "platform/text.h"
#include "records/appartamenti.h"
#include "records/periodi.h"
#include "records/proprietari.h"
#include "records/vie.h"
#include "settlement/elenchi.h"

namespace ga {

namespace {

constexpr const char* kTitolo = "VEDI DISPONIBILITA'";

// The result list and its headings: the headings stand over the columns of
// the padded lines, whose characters all have one width in the list's font.
constexpr int kListaX = 12;
constexpr int kListaFont = 9;
constexpr double kCarattere = 7.2;  // pixels a character, Courier New 9 pt

bool modo_noto(const std::string& m) {
    return m == "periodi" || m == "appartamenti" || m == "VIE" || m == "mese";
}

// Padded with blanks and cut to exactly 24 characters.
std::string colonna24(const std::string& t) { return plat::left(plat::pad_right(t, 24), 24); }

}  // namespace

visu_disponib::visu_disponib(App& app) : Forma(app, kName) {
    design("DISPONIBILITA", px(824), px(600));
    metti(ICONAAGENZIA, 12, 8, 100, 70).design().stretch = true;
    metti(Label1, 128, 20, 500, 30).design().text = "DISPONIBILITA'";
    Label1.design().font_size = 16;
    Label1.design().bold = true;
    // One picture for each mode, in the same place; only the mode's is shown.
    for (plat::Image* im : {&IMGTEMPO, &IMGCASA, &strade, &calend}) {
        metti(*im, 712, 8, 100, 70).design().visible = false;
        im->design().stretch = true;
    }

    // The four search frames lie in one place; the mode shows its own.
    for (plat::Frame* f : {&periodi, &codappart, &XVIA, &XMESE})
        metti(*f, 12, 90, 800, 104).design().visible = false;
    periodi.design().text = "PER  PERIODI";
    codappart.design().text = "SULL' APPARTAMENTO";
    XVIA.design().text = "PER VIA ";
    XMESE.design().text = "RICERCA PER MESE";

    const int tipo_x[] = {12, 170, 286, 392, 498};
    const int tipo_w[] = {150, 110, 100, 100, 120};

    metti(Check1, 12, 26, 150, 20, &periodi).design().text = "TUTTI  I  PERIODI";
    metti(dal, 190, 28, 30, 20, &periodi).design().text = "DAL";
    metti(DTPicker1, 222, 24, 120, 25, &periodi);
    metti(al, 360, 28, 24, 20, &periodi).design().text = "AL";
    metti(DTPicker2, 388, 24, 120, 25, &periodi);
    {
        plat::OptionButton* o[] = {&tutiper, &monoper, &biloper, &triloper, &quadriper};
        const char* t[] = {"TUTTE LE TIPOLOGIE", "MONOLOCALE", "BILICALE", "TRILOCALE",
                           "QUADRILOCALE"};
        for (int i = 0; i < 5; ++i)
            metti(*o[i], tipo_x[i], 66, tipo_w[i], 20, &periodi).design().text = t[i];
    }
    metti(Command1, 680, 40, 104, 36, &periodi).design().text = "VEDI";

    metti(Combo1, 12, 26, 330, 25, &codappart).design().tooltip = "SCEGLI L'APPARTAMENTO";
    metti(Text1, 12, 26, 60, 25, &codappart);
    metti(Text2, 78, 26, 240, 25, &codappart);
    metti(Text3, 324, 26, 240, 25, &codappart);
    for (plat::TextBox* t : {&Text1, &Text2, &Text3}) {
        t->design().visible = false;
        t->design().locked = true;
    }
    Text1.design().tooltip = "CODICE APPARTAMENTO";
    Text2.design().tooltip = "PROPRIETARIO";
    Text3.design().tooltip = "VIA";
    metti(cambia, 680, 22, 104, 32, &codappart).design().text = "CAMBIA";
    metti(Check2, 12, 66, 220, 20, &codappart).design().text = "TUTTI  L'APPARTAMENTI";

    metti(Combo2, 12, 26, 300, 25, &XVIA).design().tooltip = "SCEGLI LA VIA";
    metti(Text4, 12, 26, 300, 25, &XVIA).design().visible = false;
    Text4.design().locked = true;
    metti(Check4, 330, 28, 130, 20, &XVIA).design().text = "TUTTE LE VIE";
    metti(Check3, 470, 28, 110, 20, &XVIA).design().text = "GIARDINO";
    {
        plat::OptionButton* o[] = {&Option1, &Option2, &Option3, &Option4, &Option5};
        const char* t[] = {"TUTTE TIPOLOGIA", "MONO LOC.", "BILOCALE", "TRILOCALE", "QUADRILOCALE"};
        for (int i = 0; i < 5; ++i) {
            metti(*o[i], tipo_x[i], 66, tipo_w[i], 20, &XVIA).design().text = t[i];
            o[i]->on_click = [this] { Opzione_Click(); };
        }
    }
    metti(VEDI, 680, 40, 104, 36, &XVIA).design().text = "VEDI";
    metti(CAMBIAVIA, 680, 40, 104, 36, &XVIA).design().text = "CAMBIA";

    metti(Combo3, 12, 26, 200, 25, &XMESE).design().tooltip = "SCEGLI IL MESE";
    Combo3.design().items = {"TUTTI I MESI", "GENNAIO",  "FEBBRAIO", "MARZO",  "APRILE",
                             "MAGGIO",       "GIUGNO",   "LUGLIO",   "AGOSTO", "SETTEMBRE",
                             "OTTOBRE",      "NOVEMBRE", "DICEMBRE"};
    metti(Text5, 220, 26, 40, 25, &XMESE).design().visible = false;
    {
        plat::OptionButton* o[] = {&tuttimes, &monomes, &bilomes, &trilomes, &quadrimes};
        const char* t[] = {"TUTTE LE TIPOLOGIE", "MONOLOCALE", "BILOCALE", "TRILOCALE",
                           "QUADRILOCALE"};
        for (int i = 0; i < 5; ++i) {
            metti(*o[i], tipo_x[i], 66, 20, 20, &XMESE);
            etichetta(t[i], tipo_x[i] + 22, 68, tipo_w[i] - 22, &XMESE);
        }
    }
    metti(Command2, 680, 40, 104, 36, &XMESE).design().text = "VEDI";

    // Headings over the columns: number, apartment, owner, street, start,
    // end, price.
    struct Colonna {
        plat::Label* etichetta;
        const char* testo;
        int da, a;  // first and last character of the column, separators included
    };
    const Colonna colonne[] = {
        {&Label7, "NUMERO PROGR.", 1, 8},      {&Label8, "NUMERO APPART.", 9, 15},
        {&Label12, "PROPRIETARIO", 16, 42},    {&Label2, "VIA DELL'APPARTAMENTO", 43, 69},
        {&Label9, "DATA ZELTRA", 70, 82},      {&Label10, "DATA FINE", 83, 95},
        {&Label11, "IMPORTO AFFITTO", 96, 105}};
    for (const Colonna& c : colonne) {
        const int x = kListaX + 3 + static_cast<int>(c.da * kCarattere);
        const int w = static_cast<int>((c.a - c.da + 1) * kCarattere) - 2;
        metti(*c.etichetta, x, 204, w, 30).design().text = c.testo;
        c.etichetta->design().bold = true;
        c.etichetta->design().font_size = 7;
    }
    metti(List1, kListaX, 236, 800, 304).design().fixed_pitch = true;
    // A line opens another form: Enter or a click opens it, the keys move.
    List1.design().command_list = true;
    List1.design().font_size = kListaFont;
    List1.design().tooltip = "SCEGLI IL PERIODO PER VEDERLO";

    metti(ESCI, 708, 552, 104, 36).design().text = "USCITA";

    DTPicker1.on_change = [this] { DTPicker1_Change(); };
    Check1.on_click = [this] { Check1_Click(); };
    Command1.on_click = [this] { Command1_Click(); };
    Combo1.on_click = [this] { Combo1_Click(); };
    cambia.on_click = [this] { cambia_Click(); };
    Check2.on_click = [this] { Check2_Click(); };
    Combo2.on_click = [this] { Combo2_Click(); };
    Check4.on_click = [this] { Check4_Click(); };
    Check3.on_click = [this] { Check3_Click(); };
    VEDI.on_click = [this] { VEDI_Click(); };
    CAMBIAVIA.on_click = [this] { CAMBIAVIA_Click(); };
    Combo3.on_click = [this] { Combo3_Click(); };
    Command2.on_click = [this] { Command2_Click(); };
    List1.on_click = [this] { List1_Click(); };
    ESCI.on_click = [this] { ESCI_Click(); };
}

plat::Date visu_disponib::non_impostata() {
    return plat::Date::from_dmy_lenient(1, 1, static_cast<int>(plat::leading_int(s.anno_gestione)));
}

bool visu_disponib::impostata(plat::Control& picker) {
    const plat::Date d = picker.date();
    return !d.is_zero() && d != non_impostata();
}

std::string visu_disponib::nome_via(const std::string& codice) {
    const long k = plat::leading_int(codice);
    return k >= 1 && k <= s.vie.capacita() ? s.vie[static_cast<int>(k)][vie::nome] : "";
}

void visu_disponib::Form_Load() {
    ICONAAGENZIA.set_picture(s.percorso_logo);
    Label1.set_caption("DISPONIBILITA' - " + s.anno_gestione);
    carica_periodi(app);
    carica_appartamenti(app);
    carica_proprietari(app);
    modo_ = s.operazione;
    mostrata_ = false;
    IMPOSTAFORM();
    carica_vie(app);
    Combo2.clear();
    const long vie = std::clamp<long>(app.conta(kContaVie), 0, s.vie.capacita());
    for (int i = 1; i <= vie; ++i) Combo2.add_item(s.vie[i][vie::nome]);
}

void visu_disponib::Form_Activate() {
    // Loaded hidden under another mode (the picker's exit enables this form,
    // which loads it, whoever opened the picker): the first showing sets the
    // form up afresh for the mode the menu chose.
    if (!mostrata_ && s.operazione != modo_ && modo_noto(s.operazione)) {
        for (plat::Control* c : controls()) c->reset_to_design();
        Form_Load();
    }
    mostrata_ = true;
}

void visu_disponib::Form_Unload() { mostrata_ = false; }

void visu_disponib::IMPOSTAFORM() {
    const std::string& m = s.operazione;
    if (!modo_noto(m)) return;
    const struct {
        const char* modo;
        plat::Frame* cornice;
        plat::Image* figura;
    } modi[] = {{"periodi", &periodi, &IMGTEMPO},
                {"appartamenti", &codappart, &IMGCASA},
                {"VIE", &XVIA, &strade},
                {"mese", &XMESE, &calend}};
    for (const auto& x : modi) {
        x.cornice->set_visible(m == x.modo);
        x.figura->set_visible(m == x.modo);
    }
    if (m == "periodi") {
        for (int k = 1; k <= 2; ++k)
            control("DTPICKER" + std::to_string(k))->set_date(non_impostata());
        tutiper.set_value(1);
    } else if (m == "appartamenti") {
        Combo1.clear();
        const long n =
            std::clamp<long>(app.conta(kContaAppartamenti), 0, s.appartamenti.capacita());
        for (int i = 1; i <= n; ++i) {
            const RigaAppartamento& a = s.appartamenti[i];
            Combo1.add_item(plat::pad_code(a[appartamento::codice], 4) + "-" +
                                nome_via(a[appartamento::codice_via]),
                            i);  // the apartment's record
        }
        for (plat::TextBox* t : {&Text1, &Text2, &Text3}) t->set_visible(false);
        Combo1.set_visible(true);
    } else if (m == "VIE") {
        Option1.set_value(1);
        VEDI.set_visible(false);
    } else {
        tuttimes.set_value(1);
        s.mese_scelto = "0";
    }
}

// --- by period ---------------------------------------------------------------

void visu_disponib::DTPicker1_Change() { DTPicker2.set_date(DTPicker1.date().add_days(1)); }

void visu_disponib::Check1_Click() {
    const bool tutti = Check1.value() == 1;
    for (plat::Control* c : std::vector<plat::Control*>{&dal, &al, &DTPicker1, &DTPicker2})
        c->set_visible(!tutti);
    List1.clear();
}

void visu_disponib::Command1_Click() {
    if (Check1.value() == 0 && !impostata(DTPicker1) && !impostata(DTPicker2)) {
        app.msgbox("NON E' STATA INDICATO IL PERIODO !! ", plat::Buttons::Ok, kTitolo);
        return;
    }
    vedi_periodi();
}

// --- by apartment ------------------------------------------------------------

void visu_disponib::Combo1_Click() {
    const int scelta = Combo1.list_index();
    if (scelta < 0) return;
    // The line's own apartment, whatever its street's name holds.
    const long i = Combo1.item_data(scelta);
    if (!s.appartamenti.valido(static_cast<int>(i))) return;
    const RigaAppartamento& a = s.appartamenti[static_cast<int>(i)];
    const std::string codice = plat::pad_code(a[appartamento::codice], 4);
    const long proprietari =
        std::clamp<long>(app.conta(kContaProprietari), 0, s.proprietari.capacita());
    std::string proprietario;
    for (int k = 1; k <= proprietari; ++k)
        if (s.proprietari[k][proprietario::codice] == a[appartamento::codice_proprietario]) {
            proprietario = s.proprietari[k][proprietario::nome];
            break;
        }
    const std::string via = nome_via(a[appartamento::codice_via]);
    for (plat::TextBox* t : {&Text1, &Text2, &Text3}) t->set_visible(true);
    Combo1.set_visible(false);
    Text1.set_text(codice);
    Text2.set_text(proprietario);
    Text3.set_text(via);
    vedi_periodi();
}

void visu_disponib::cambia_Click() {
    for (plat::TextBox* t : {&Text1, &Text2, &Text3}) {
        t->set_visible(false);
        t->set_text("");
    }
    List1.clear();
    // No apartment stays chosen, so choosing the same one again is a choice.
    Combo1.set_list_index(-1);
    Combo1.set_text("");
    Combo1.set_visible(true);
}

void visu_disponib::Check2_Click() {
    if (Check2.value() == 1) {
        for (plat::TextBox* t : {&Text1, &Text2, &Text3}) {
            t->set_visible(false);
            t->set_text("");
        }
        cambia.set_visible(false);
        Combo1.set_visible(false);
        Combo1.set_list_index(-1);
        Combo1.set_text("");
        vedi_periodi();
    } else {
        cambia.set_visible(true);
        Combo1.set_visible(true);
        List1.clear();
    }
}

// --- by street ---------------------------------------------------------------

void visu_disponib::Combo2_Click() {
    if (Combo2.list_index() < 0) return;
    CAMBIAVIA.set_visible(false);
    VEDI.set_visible(true);
    Combo2.set_visible(false);
    Text4.set_text(Combo2.text());
    Text4.set_visible(true);
    for (plat::OptionButton* o : {&Option4, &Option2, &Option3}) o->set_value(0);
}

void visu_disponib::Check4_Click() {
    Combo2.set_list_index(-1);
    Combo2.set_text("");
    Text4.set_text("");
    VEDI.set_visible(true);
    CAMBIAVIA.set_visible(false);
    const bool tutte = Check4.value() == 1;
    Combo2.set_visible(!tutte);
    Text4.set_visible(false);
}

void visu_disponib::Check3_Click() {
    VEDI.set_visible(true);
    CAMBIAVIA.set_visible(false);
}

void visu_disponib::Opzione_Click() {
    VEDI.set_visible(true);
    CAMBIAVIA.set_visible(false);
}

void visu_disponib::VEDI_Click() {
    vedi_periodi();
    CAMBIAVIA.set_visible(true);
    VEDI.set_visible(false);
}

void visu_disponib::CAMBIAVIA_Click() {
    Check4.set_value(0);
    Check3.set_value(0);
    Combo2.set_list_index(-1);
    Combo2.set_text("");
    Text4.set_text("");
    Combo2.set_visible(true);
    Text4.set_visible(false);
    for (plat::OptionButton* o : {&Option4, &Option2, &Option3}) o->set_value(0);
    List1.clear();
}

// --- by month ----------------------------------------------------------------

void visu_disponib::Combo3_Click() {
    const int i = Combo3.list_index();
    if (i < 0) return;
    s.mese_scelto = std::to_string(i);
    Text5.set_text(s.mese_scelto);
}

void visu_disponib::Command2_Click() { vedi_periodi(); }

// --- the list ------------------------------------------------------------------

bool visu_disponib::passa_tipologia(const Tipologie& t, const std::string& tipo) {
    if (t.tutte->value() == 1) return true;
    const std::string x = plat::trim(tipo);
    return (t.mon->value() == 1 && x == "MON") || (t.bil->value() == 1 && x == "BIL") ||
           (t.tri->value() == 1 && x == "TRI") || (t.qua->value() == 1 && x == "QUA");
}

visu_disponib::Appartamento visu_disponib::appartamento_del_periodo(int periodo) {
    Appartamento out;
    const long appartamenti =
        std::clamp<long>(app.conta(kContaAppartamenti), 0, s.appartamenti.capacita());
    const long proprietari =
        std::clamp<long>(app.conta(kContaProprietari), 0, s.proprietari.capacita());
    const int j =
        s.appartamenti_per_codice.primo(plat::leading_int(s.periodi[periodo].codice), appartamenti);
    if (j == 0) return out;
    const RigaAppartamento& a = s.appartamenti[j];
    if (const int k = s.proprietari_per_codice.primo(
            plat::leading_int(a[appartamento::codice_proprietario]), proprietari))
        out.proprietario = s.proprietari[k][proprietario::nome];
    out.via = nome_via(a[appartamento::codice_via]);
    out.tipo = a[appartamento::tipo];
    out.giardino = a[appartamento::giardino];
    return out;
}

void visu_disponib::vedi_periodi() {
    List1.clear();
    const long n = std::clamp<long>(app.conta(kContaPeriodi), 0, s.periodi.capacita());
    const std::string& modo = s.operazione;
    const Tipologie per_periodo{&tutiper, &monoper, &biloper, &triloper, &quadriper};
    const Tipologie per_via{&Option1, &Option2, &Option3, &Option4, &Option5};
    const Tipologie per_mese{&tuttimes, &monomes, &bilomes, &trilomes, &quadrimes};
    const long mese = plat::leading_int(s.mese_scelto);

    std::vector<int> liberi;
    for (int i = 1; i <= n; ++i)
        if (plat::trim(s.periodi[i].stato) == "LIB") liberi.push_back(i);
    // A month lists every free period with a night in it, by its start.
    if (modo == "mese" && mese > 0)
        liberi = periodi_del_mese(s, std::move(liberi), static_cast<int>(mese));

    for (const int i : liberi) {
        const RigaPeriodo& p = s.periodi[i];
        const long codice = plat::leading_int(p.codice);
        const auto [proprietario, via, tipo, giardino] = appartamento_del_periodo(i);

        const std::optional<plat::Date> inizio = plat::Date::parse(p.dal);
        bool elenca = true;
        if (modo == "periodi") {
            if (Check1.value() == 0) {
                const std::optional<plat::Date> fine = plat::Date::parse(p.al);
                elenca = inizio && fine && *inizio == DTPicker1.date() && *fine <= DTPicker2.date();
            }
            elenca = elenca && passa_tipologia(per_periodo, tipo);
        } else if (modo == "appartamenti") {
            elenca = Check2.value() == 1 || codice == plat::leading_int(Text1.text());
        } else if (modo == "VIE") {
            if (Check4.value() == 0 && plat::trim(via) != plat::trim(Text4.text())) elenca = false;
            if (Check3.value() == 1 && giardino == "NO") elenca = false;
            elenca = elenca && passa_tipologia(per_via, tipo);
        } else if (modo == "mese") {
            elenca = passa_tipologia(per_mese, tipo);
        }
        if (!elenca) continue;

        List1.add_item(
            riga_disponibile(plat::pad_left(std::to_string(i), 3, '0'), p.codice, proprietario, via,
                             p.dal, p.al, plat::format_amount(plat::whole_units(p.prezzo))),
            i);  // the line's period
    }
    if (List1.list_count() == 0)
        app.msgbox("NON E' STATA TROVATA NESSUNA DISPONIBILITA' !! ", plat::Buttons::Ok, kTitolo);
}

void visu_disponib::List1_Click() {
    // The line's period, and what its line shows of it: a hyphen in an
    // owner's or a street's name must not shift what the picker is given.
    const long i = List1.item_data(List1.list_index());
    if (!s.periodi.valido(static_cast<int>(i))) return;
    const Appartamento a = appartamento_del_periodo(static_cast<int>(i));
    app.imposta(kModPeriodiPeriodo, "| " + plat::pad_left(std::to_string(i), 3, '0'));
    app.imposta(kModPeriodiCodice, plat::trim(s.periodi[static_cast<int>(i)].codice));
    app.imposta(kModPeriodiProprietario, plat::trim(colonna24(a.proprietario)));
    app.imposta(kModPeriodiVia, plat::trim(colonna24(a.via)));
    set_enabled(false);
    s.modo_chiamata = "VISUPRENOTAZIONE";
    app.form(forme::ModPeriodi).show();
}

void visu_disponib::ESCI_Click() {
    app.form(forme::MENU).show();
    unload();
}

}  // namespace ga
