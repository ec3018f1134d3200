#include "apartments/ModPeriodi.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

#include "apartments/caselle.h"
#include "platform/date.h"
#include "platform/number.h"
#include "platform/text.h"
#include "records/periodi.h"

namespace ga {

namespace {

constexpr int kLarghezza = 6300;
constexpr const char* kSuggerimentoData = "CLICCA DUE VOLTE PER IL CALENDARIO";

// The period number an opener wrote into Text40 is read from its last three
// characters ("| 012" and "012" are period 12). A number of four digits or
// more (period 1000 and after) would lose its first digits that way, so a
// longer run of trailing digits is taken whole. Returns the characters
// Text40 keeps.
std::string numero_aperto(const std::string& testo) {
    std::size_t cifre = 0;
    while (cifre < testo.size() &&
           std::isdigit(static_cast<unsigned char>(testo[testo.size() - 1 - cifre])))
        ++cifre;
    if (cifre > 3) return testo.substr(testo.size() - cifre);
    return plat::right(testo, 3);
}

// "7" gives "007"; four digits stay as they are.
std::string tre_cifre(int k) { return plat::pad_left(std::to_string(k), 3, '0'); }

}  // namespace

ModPeriodi::ModPeriodi(App& app) : Forma(app, kName) {
    design("MODIFICA PERIODI", kLarghezza, px(326));

    metti(ICONAAGENZIA, 12, 10, 80, 60).design().stretch = true;
    etichetta("APPARTAMENTO DEL SIG.", 104, 10, 220);
    metti(Text1, 104, 32, 64, 25);
    metti(Text2, 172, 32, 236, 25);
    metti(Text3, 104, 61, 236, 25);
    metti(Text4, 344, 61, 64, 25).design().tooltip = "CODICE APPARTAMENTO";
    for (plat::TextBox* t : {&Text1, &Text2, &Text3, &Text4}) t->design().locked = true;

    metti(Frame1, 12, 98, 396, 168).design().text = "PERIODI E PREZZI";
    // The dates change only through the calendars, which check them; each
    // calendar lies over its box and is shown while its date is edited.
    etichetta("DAL", 12, 32, 34, &Frame1);
    metti(Text5, 46, 28, 112, 25, &Frame1);
    metti(DTPicker1, 46, 28, 112, 25, &Frame1);
    etichetta("AL", 176, 32, 26, &Frame1);
    metti(Text6, 204, 28, 112, 25, &Frame1);
    metti(DTPicker2, 204, 28, 112, 25, &Frame1);
    for (plat::TextBox* t : {&Text5, &Text6}) {
        t->design().tooltip = kSuggerimentoData;
        t->design().locked = true;
    }
    for (plat::DatePicker* d : {&DTPicker1, &DTPicker2}) d->design().visible = false;
    metti(Text40, 330, 28, 54, 25, &Frame1).design().alignment = 2;
    Text40.design().tooltip = "NUMERO PERIODO";
    Text40.design().locked = true;

    etichetta("PREZZO", 12, 66, 56, &Frame1);
    metti(Text10, 70, 62, 110, 25, &Frame1).design().alignment = 1;
    etichetta("SITUAZ", 204, 66, 56, &Frame1);
    metti(Text28, 262, 62, 54, 25, &Frame1).design().locked = true;

    metti(HScroll1, 12, 100, 372, 20, &Frame1).design().visible = false;

    etichetta("PERIODI INSERITI", 12, 136, 120, &Frame1);
    metti(Text26, 134, 132, 54, 25, &Frame1).design().alignment = 1;
    Text26.design().locked = true;

    metti(Text42, 204, 132, 40, 25, &Frame1).design().visible = false;

    metti(VEDI, 12, 280, 170, 34).design().text = "VISUALIZZA PERIODI";
    metti(ESCI, 336, 280, 72, 34).design().text = "ESCI";
    ESCI.design().tooltip = "USCITA";

    // The other numbered boxes are kept, unused and hidden: other parts of
    // the program reach this form's boxes by name.
    for (int n = 1; n <= 40; ++n) {
        const std::string nome = "Text" + std::to_string(n);
        if (!find(nome)) crea<plat::TextBox>(nome).design().visible = false;
    }

    HScroll1.on_change = [this] { HScroll1_Change(); };
    Text5.on_dbl_click = [this] { Text5_DblClick(); };
    Text6.on_dbl_click = [this] { Text6_DblClick(); };
    DTPicker1.on_close_up = [this] { DTPicker1_CloseUp(); };
    DTPicker2.on_close_up = [this] { DTPicker2_CloseUp(); };
    VEDI.on_click = [this] { VEDI_Click(); };
    ESCI.on_click = [this] { ESCI_Click(); };
}

int ModPeriodi::numero_periodi() {
    return static_cast<int>(
        std::clamp<long>(plat::leading_int(Text26.text()), 0, s.periodi.capacita()));
}

// The dates, price and state of period k, with its number in the three boxes
// and the work value that say which period is shown.
void ModPeriodi::mostra_periodo(int k) {
    const RigaPeriodo& p = s.periodi[k];
    Text5.set_text(p.dal);
    Text6.set_text(p.al);
    Text10.set_text(p.prezzo);
    Text28.set_text(p.stato);
    Text42.set_text(std::to_string(k));
    s.indice_riga = std::to_string(k);
    Text40.set_text(tre_cifre(k));
}

void ModPeriodi::Form_Activate() {
    set_width(kLarghezza);
    ICONAAGENZIA.set_picture(s.percorso_logo);
    carica_periodi(app);

    Text40.set_text(numero_aperto(Text40.text()));
    const long r = plat::leading_int(Text40.text());
    s.indice_riga = std::to_string(r);
    // A number outside the periods read shows nothing rather than a row
    // that holds no period of the file.
    const RigaPeriodo vuota;
    const bool valido = r >= 1 && r <= numero_periodi();
    const RigaPeriodo& p = valido ? s.periodi[static_cast<int>(r)] : vuota;
    Text5.set_text(p.dal);
    Text6.set_text(p.al);
    Text10.set_text(p.prezzo);
    Text28.set_text(p.stato);
    Text4.set_text(p.codice);
    // The period just shown is the one the bar goes back to when stepping
    // finds nothing.
    posizione_ = valido ? static_cast<int>(r) : 0;
    HScroll1.set_value(static_cast<int>(std::clamp<long>(r, 0, s.periodi.capacita())));

    Text5.set_visible(true);
    Text6.set_visible(true);
    DTPicker1.set_visible(false);
    DTPicker2.set_visible(false);
}

// Stepping: the bar's value is a period number. Moving it walks, in the
// direction it moved, over the busy periods of the shown apartment to the
// next free one with a price; a period of another apartment or the end of the table ends
// the walk with nothing found, and the bar goes back to the period shown.
void ModPeriodi::HScroll1_Change() {
    // Lowering the maximum below the value moves the bar, which runs this
    // handler once more first; the value is read after it.
    HScroll1.set_max(numero_periodi());
    const int x = HScroll1.value();
    const long ultimo = plat::leading_int(Text42.text());
    const int passo = ultimo < x ? 1 : (ultimo > x ? -1 : 0);

    const int n = numero_periodi();
    const double appartamento = plat::leading_number(Text4.text());
    std::optional<int> trovato;
    for (int k = x; k >= 1 && k <= n; k += passo) {
        const RigaPeriodo& p = s.periodi[k];
        if (plat::leading_number(p.codice) != appartamento) break;
        // A free period without a price is not one to let (the grid hides it).
        if ((p.stato == "LIB" && plat::italian_or_zero(p.prezzo) > 0) || passo == 0) {
            trovato = k;
            break;
        }
    }
    if (trovato) {
        mostra_periodo(*trovato);
        posizione_ = *trovato;
    }
    HScroll1.set_value(posizione_);
}

void ModPeriodi::Text5_DblClick() {
    if (Text5.text().empty()) return;
    DTPicker1.set_date(plat::Date::parse_or_zero(Text5.text()));
    Text5.set_visible(false);
    DTPicker1.set_visible(true);
}

void ModPeriodi::Text6_DblClick() {
    if (Text6.text().empty()) return;
    DTPicker2.set_date(plat::Date::parse_or_zero(Text6.text()));
    Text6.set_visible(false);
    DTPicker2.set_visible(true);
}

void ModPeriodi::DTPicker1_CloseUp() {
    s.indice_calendario = "1";
    DTPicker2.set_date(plat::Date::parse_or_zero(Text6.text()));
    controllaperiodi();
    Text5.set_visible(true);
    DTPicker1.set_visible(false);
}

void ModPeriodi::DTPicker2_CloseUp() {
    DTPicker1.set_date(plat::Date::parse_or_zero(Text5.text()));
    s.indice_calendario = "1";
    controllaperiodi();
    Text6.set_visible(true);
    DTPicker2.set_visible(false);
}

// A chosen date may not lie strictly inside another period of the same
// apartment, whatever that period's state; the shown period is not compared
// with itself, and a date on another period's first or last day is allowed.
void ModPeriodi::controllaperiodi() {
    s.appartamento_corrente = static_cast<int>(plat::leading_int(Text4.text()));
    const long n = plat::leading_int(s.indice_calendario);
    plat::Control* inizio = control("DTPICKER" + std::to_string(n));
    plat::Control* fine = control("DTPICKER" + std::to_string(n + 1));
    if (!inizio || !fine) return;
    const plat::Date a = inizio->date();
    const plat::Date b = fine->date();

    const long mostrato = plat::leading_int(s.indice_riga);
    const int totale = numero_periodi();
    for (int i = 1; i <= totale; ++i) {
        const RigaPeriodo& p = s.periodi[i];
        if (plat::leading_number(p.codice) != s.appartamento_corrente || i == mostrato) continue;
        const auto dal = plat::Date::parse(p.dal);
        const auto al = plat::Date::parse(p.al);
        if (!dal || !al) continue;
        const bool dentro = (*dal < a && a < *al) || (*dal < b && b < *al);
        if (!dentro) continue;
        app.msgbox(" LA DATA SCELTA E' GIA' COMPRESA IN UN PERIODO ", plat::Buttons::Ok);
        inizio->set_date(plat::Date::parse_or_zero(Text5.text()));
        fine->set_date(plat::Date::parse_or_zero(Text6.text()));
        return;
    }
    // A calendar without a date (its box held none) leaves its box as it was
    // instead of handing "no date" on to the booking.
    if (!a.is_zero()) Text5.set_text(a.text());
    if (!b.is_zero()) Text6.set_text(b.text());
}

void ModPeriodi::VEDI_Click() { HScroll1.set_visible(true); }

void ModPeriodi::ESCI_Click() {
    if (s.modo_chiamata == "PRENOTAZIONE") {
        // The booking computes its advance and deposit from this price.
        if (!plat::trim(Text10.text()).empty() && !plat::typed_amount(Text10.text())) {
            app.msgbox("IL PREZZO NON E' UN IMPORTO VALIDO: \"" + Text10.text() +
                           "\".\rSCRIVERE SOLO CIFRE, LA VIRGOLA PRIMA DEI DECIMALI E IL PUNTO "
                           "TRA LE MIGLIAIA (AD ESEMPIO 1.500,00).",
                       plat::Buttons::Ok, "IMPORTO NON VALIDO", plat::Icon::Exclamation);
            return;
        }
        plat::Control& lista = app.campo(kPrenPeriodiLiberi);
        // The period shown may be another free period than the one opened:
        // it is handed back with its own number, through the list line that
        // names it, or else through the line the picker was opened from.
        const std::string periodo = std::to_string(plat::leading_int(Text40.text()));
        int j = lista.list_index() + 1;
        const int righe =
            std::min<int>(lista.list_count(), static_cast<int>(s.righe_dal.size()) - 1);
        for (int r = 1; r <= righe; ++r) {
            if (s.righe_periodo[static_cast<std::size_t>(r)] == periodo) {
                j = r;
                break;
            }
        }
        // Rows past the pick rows belong to no line the booking form listed.
        if (j >= 1 && j < static_cast<int>(s.righe_dal.size())) {
            const auto r = static_cast<std::size_t>(j);
            s.righe_dal[r] = Text5.text();
            s.righe_al[r] = Text6.text();
            s.righe_prezzo[r] = Text10.text();
            s.righe_periodo[r] = periodo;
            // The booking form's List1 Click takes row j into the booking
            // (its conteggi_pren); choosing the same line again runs it.
            lista.set_list_index(j - 1);
        }
    }
    app.form(forme::visu_disponib).set_enabled(true);
    unload();
}

}  // namespace ga
