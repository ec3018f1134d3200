#include "settlement/visu_prenotazioni.h"

#include <algorithm>
#include <string>
#include <utility>

#include "bookings/caselle.h"
#include "bookings/scadenze.h"
#include "platform/number.h"
#include "platform/text.h"
#include "records/clienti.h"
#include "records/movimenti.h"
#include "records/prenotazioni.h"
#include "settlement/VisuPrenotCliente.h"

namespace ga {

namespace {

constexpr const char* kTitolo = "VEDI PRENOTAZIONI";

// The result list and its headings: the headings stand over the columns of
// the padded lines, whose characters all have one width in the list's font.
constexpr int kListaX = 12;
constexpr int kListaFont = 11;
constexpr double kCarattere = 9.0;  // pixels a character, Courier New 11 pt

const char* stato_testo(StatoPrenotazione st) {
    switch (st) {
        case StatoPrenotazione::saldata: return "SALD";
        case StatoPrenotazione::revocata: return "REVO";
        default: return "----";
    }
}

}  // namespace

visu_prenotazioni::visu_prenotazioni(App& app) : Forma(app, kName) {
    design(kTitolo, px(836), px(600));
    metti(ICONAAGENZIA, 12, 8, 100, 70).design().stretch = true;
    metti(Label1, 128, 14, 420, 28).design().text = "VISUALIZZA PRENOTAZIONI";
    Label1.design().font_size = 14;
    Label1.design().bold = true;
    metti(Label6, 128, 50, 300, 20).design().text = "PER L'ANNO - ";
    Label6.design().bold = true;

    // The four filters, side by side; the tick box of each sets it on.
    metti(periodi, 12, 90, 272, 90).design().text = "PER PERIODI";
    metti(Check1, 12, 22, 20, 20, &periodi).design().tooltip = "RICERCA PER PERIODI";
    etichetta("DAL", 40, 26, 34, &periodi);
    metti(DTPicker1, 78, 20, 120, 25, &periodi);
    etichetta("AL", 40, 56, 34, &periodi);
    metti(DTPicker2, 78, 52, 120, 25, &periodi);

    metti(zeltra, 296, 90, 168, 90).design().text = "INGRESSI";
    metti(Check2, 12, 22, 20, 20, &zeltra).design().tooltip = "RICERCA PER DATA D'INGRESSO";
    etichetta("DATA ZELTRA", 40, 24, 104, &zeltra);
    metti(DTPicker3, 12, 52, 144, 25, &zeltra);

    metti(FINE, 476, 90, 168, 90).design().text = "USCITE";
    metti(Check3, 12, 22, 20, 20, &FINE).design().tooltip = "RICERCA PER DATA D'USCITA";
    etichetta("DATA FINE", 40, 24, 104, &FINE);
    metti(DTPicker4, 12, 52, 144, 25, &FINE);

    metti(Mese, 656, 90, 168, 90).design().text = "MESE";
    metti(Check4, 12, 22, 20, 20, &Mese).design().tooltip = "RICERCA PER MESE D'INGRESSO";
    etichetta("SCEGLI IL MESE", 40, 24, 108, &Mese);
    metti(Combo1, 12, 52, 144, 25, &Mese);
    Combo1.design().items = {"GENNAIO", "FEBBRAIO", "MARZO",     "APRILE", "MAGGIO",   "GIUGNO",
                             "LUGLIO",  "AGOSTO",   "SETTEMBRE", "OTTORE", "NOVEMBRE", "DICEMBRE"};
    // The month number of the month filter: a store, never shown.
    metti(Text1, 700, 50, 40, 22).design().visible = false;

    // Headings over the columns: number, apartment, arrival, departure,
    // amount still due, client (the state has none).
    struct Colonna {
        plat::Label* etichetta;
        const char* testo;
        int da, a;  // first and last character of the column, separator included
    };
    const Colonna colonne[] = {
        {&Label7, "NUMERO PRENOTAZ.", 0, 5},   {&Label8, "NUMERO APPART.", 6, 12},
        {&Label9, "DATA ZELTRA", 13, 25},      {&Label10, "DATA FINE", 26, 38},
        {&Label11, "IMPORTO RESIDUO", 39, 51}, {&Label12, "CLIENTE", 52, 78}};
    for (const Colonna& c : colonne) {
        const int x = kListaX + 3 + static_cast<int>(c.da * kCarattere);
        const int w = static_cast<int>((c.a - c.da + 1) * kCarattere) - 2;
        metti(*c.etichetta, x, 190, w, 30).design().text = c.testo;
        c.etichetta->design().bold = true;
        c.etichetta->design().font_size = 7;
    }

    metti(List1, kListaX, 222, 812, 318).design().fixed_pitch = true;
    // A line opens another form: Enter or a click opens it, the keys move.
    List1.design().command_list = true;
    List1.design().font_size = kListaFont;
    List1.design().tooltip = "SCEGLI LA PRENOTAZIONE PER VEDERE LE PRENOTAZIONI DEL CLIENTE";

    metti(VEDI, 12, 552, 110, 36).design().text = "VEDI";
    metti(ESCI, 714, 552, 110, 36).design().text = "USCITA";

    Check1.on_click = [this] { Check1_Click(); };
    Check2.on_click = [this] { Check2_Click(); };
    Check3.on_click = [this] { Check3_Click(); };
    Check4.on_click = [this] { Check4_Click(); };
    Combo1.on_click = [this] { Combo1_Click(); };
    DTPicker1.on_change = [this] { DTPicker1_Change(); };
    DTPicker2.on_change = [this] { DTPicker2_Change(); };
    DTPicker3.on_change = [this] { DTPicker3_Change(); };
    DTPicker4.on_change = [this] { DTPicker4_Change(); };
    VEDI.on_click = [this] { VEDI_Click(); };
    List1.on_click = [this] { List1_Click(); };
    ESCI.on_click = [this] { ESCI_Click(); };
}

plat::Date visu_prenotazioni::non_impostata() {
    return plat::Date::from_dmy_lenient(1, 1, static_cast<int>(plat::leading_int(s.anno_gestione)));
}

bool visu_prenotazioni::impostata(plat::Control& picker) {
    const plat::Date d = picker.date();
    return !d.is_zero() && d != non_impostata();
}

void visu_prenotazioni::Form_Load() {
    ICONAAGENZIA.set_picture(s.percorso_logo);
    Label6.set_caption("PER L'ANNO - " + s.anno_gestione);
    carica_insieme(
        {caricamento_prenotazioni(app), caricamento_clienti(app), caricamento_saldi(app)});
    Check1.set_value(0);
    Check2.set_value(0);
    Check3.set_value(0);
    for (int k = 1; k <= 4; ++k) control("DTPICKER" + std::to_string(k))->set_date(non_impostata());
    if (s.operazione == "RITORNA") VEDI_Click();
}

void visu_prenotazioni::solo(plat::CheckBox& scelta) {
    for (plat::CheckBox* c : {&Check1, &Check2, &Check3, &Check4})
        if (c != &scelta) c->set_value(0);
    List1.clear();
}

void visu_prenotazioni::Check1_Click() {
    if (Check1.value() == 1) solo(Check1);
}

void visu_prenotazioni::Check2_Click() {
    if (Check2.value() == 1) solo(Check2);
}

void visu_prenotazioni::Check3_Click() {
    if (Check3.value() == 1) solo(Check3);
}

void visu_prenotazioni::Check4_Click() {
    if (Check4.value() == 1) {
        solo(Check4);
    } else {
        // No month stays chosen, so choosing the same month again is a choice.
        Combo1.set_list_index(-1);
        Combo1.set_text("");
        Text1.set_text("0");
    }
}

void visu_prenotazioni::Combo1_Click() {
    const int i = Combo1.list_index();
    if (i < 0) return;
    Text1.set_text(std::to_string(i + 1));
    Check4.set_value(1);
    VEDI_Click();
}

void visu_prenotazioni::DTPicker1_Change() {
    Check1.set_value(1);
    DTPicker2.set_date(DTPicker1.date().add_days(1));
}

void visu_prenotazioni::DTPicker2_Change() {
    Check1.set_value(1);
    if (impostata(DTPicker1)) VEDI_Click();
}

void visu_prenotazioni::DTPicker3_Change() {
    Check2.set_value(1);
    VEDI_Click();
}

void visu_prenotazioni::DTPicker4_Change() {
    Check3.set_value(1);
    VEDI_Click();
}

void visu_prenotazioni::VEDI_Click() {
    const char* motivo = nullptr;
    if (Check1.value() == 1 && !impostata(DTPicker1) && !impostata(DTPicker2))
        motivo = "NON E' STATA INDICATO IL PERIODO !! ";
    else if (Check2.value() == 1 && !impostata(DTPicker3))
        motivo = "NON E' STATA INDICATA LA DATA D'INGRESSO !! ";
    else if (Check3.value() == 1 && !impostata(DTPicker4))
        motivo = "NON E' STATA INDICATA LA DATA D'USCITA !! ";
    else if (Check4.value() == 1 && Combo1.text().empty())
        motivo = "NON E' STATO INDICATO INDICATO IL MESE !! ";
    if (motivo) {
        app.msgbox(motivo, plat::Buttons::Ok, kTitolo);
        return;
    }
    vediprenotazioni();
}

void visu_prenotazioni::vediprenotazioni() {
    List1.clear();
    const long n = std::clamp<long>(app.conta(kContaPrenotazioni), 0, s.prenotazioni.capacita());
    const NomiClienti nomi(app, app.conta(kContaClienti));
    const long movimenti = std::clamp<long>(app.conta(kContaMovimenti), 0, s.movimenti.capacita());
    const bool periodo = Check1.value() == 1, ingresso = Check2.value() == 1,
               uscita = Check3.value() == 1, mese = Check4.value() == 1;
    const plat::Date dal = DTPicker1.date(), al = DTPicker2.date(),
                     data_ingresso = DTPicker3.date(), data_uscita = DTPicker4.date();
    const long numero_mese = plat::leading_int(Text1.text());
    // The month chosen is the month of the management year: January of the
    // next year, which a letting from December may reach, is another month.
    const long anno = plat::leading_int(s.anno_gestione);

    for (int i = 1; i <= n; ++i) {
        const RigaPrenotazione& p = s.prenotazioni[i];
        if (periodo && !(p.arrivo >= dal && p.partenza <= al)) continue;
        if (ingresso && p.arrivo != data_ingresso) continue;
        if (uscita && p.partenza != data_uscita) continue;
        // A booking without an arrival date has no month.
        if (mese && (p.arrivo.is_zero() || p.arrivo.month() != numero_mese ||
                     (anno > 0 && p.arrivo.year() != anno) ||
                     plat::leading_number(p.campo[pren::affitto]) == 0))
            continue;

        const StatoPrenotazione stato = stato_prenotazione(p);
        const double affitto = plat::italian_or_zero(p.campo[pren::affitto]);
        const double acconto = plat::italian_or_zero(p.campo[pren::acconto]);
        double residuo = affitto - acconto;
        if (!mese) {
            const long movimento = plat::leading_int(p.campo[pren::movimento]);
            if (stato == StatoPrenotazione::revocata) {
                residuo = 0;
            } else if (movimento != 0) {
                // A link to no movement of the journal counts as no balance.
                const double saldo =
                    movimento >= 1 && movimento <= movimenti
                        ? plat::italian_or_zero(
                              s.movimenti[static_cast<int>(movimento)].campo[movimento::saldo])
                        : 0;
                residuo = affitto - acconto - saldo;
            }
        }
        // Nothing is due below nothing: an overpayment shows 0,00.
        if (plat::cents(residuo) < 0) residuo = 0;
        // Built in one string: ten thousand lines are built at each search.
        std::string riga;
        riga.reserve(96);
        plat::append_padded_left(riga, std::to_string(i), 3, '0');
        riga += " * ";
        riga += p.campo[pren::appartamento];
        riga += " * ";
        riga += p.arrivo.text();
        riga += " * ";
        riga += p.partenza.text();
        riga += " * ";
        plat::append_padded_left(riga, plat::format_amount(residuo), 10);
        riga += " * ";
        plat::append_padded_right(riga, nomi(p.campo[pren::cliente]), 24);
        riga += " * ";
        riga += stato_testo(stato);
        List1.add_item(std::move(riga), i);  // the line's booking
    }
    if (List1.list_count() == 0) {
        List1.add_item("  ");
        List1.add_item(" NON E' STATA TROVATA NESSUNA PRENOTAZIONE DA VISUALIZZARE ");
    }
}

void visu_prenotazioni::List1_Click() {
    // The line's booking, and through it its client: a name in the line may
    // be shared, or begin another client's name.
    const long k = List1.item_data(List1.list_index());
    if (k < 1 || k > s.prenotazioni.capacita()) return;  // the empty-result lines
    const long clienti = std::clamp<long>(app.conta(kContaClienti), 0, s.clienti.capacita());
    const int cliente =
        record_cliente(app, s.prenotazioni[static_cast<int>(k)].campo[pren::cliente], clienti);
    VisuPrenotCliente& vista = app.form<VisuPrenotCliente>();
    vista.RITORNA.set_visible(true);
    if (cliente > 0) vista.mostra_cliente(cliente);
    vista.show();
    unload();
}

void visu_prenotazioni::ESCI_Click() {
    app.form(forme::MENU).show();
    unload();
}

}  // namespace ga
