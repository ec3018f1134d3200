// The period grid of the apartment card: laying the apartment's periods into
// the 16 rows, opening, closing and deleting rows, prices and states, and the
// date rules of the rows' pickers.
#include <algorithm>

#include "apartments/appartament.h"
#include "platform/number.h"
#include "platform/text.h"
#include "records/anni_vicini.h"
#include "records/periodi.h"

namespace ga {

namespace {

constexpr int kRighe = 16;
constexpr int kCalendari = 32;

long val(const std::string& testo) { return plat::leading_int(testo); }

bool riga_valida(long r) { return r >= 1 && r <= kRighe; }

}  // namespace

// --- the row's controls ---------------------------------------------------------------

plat::Control& appartament::spunta(int r) { return controllo("Check" + std::to_string(r)); }

plat::Control* appartament::calendario(int n) {
    if (n < 1 || n > kCalendari) return nullptr;
    return control("DTPICKER" + std::to_string(n));
}

plat::Control& appartament::prezzo(int r) { return controllo("prez" + std::to_string(r + 9)); }

plat::Control& appartament::situazione(int r) { return controllo("situ" + std::to_string(r + 27)); }

bool appartament::spuntata(long r) {
    return riga_valida(r) && spunta(static_cast<int>(r)).value() != 0;
}

plat::Date appartament::data(long n) {
    plat::Control* c = n >= 1 && n <= kCalendari ? calendario(static_cast<int>(n)) : nullptr;
    return c ? c->date() : plat::Date{};
}

plat::Date appartament::primo_gennaio() {
    return plat::Date::parse_or_zero("01/01/" + s.anno_gestione);
}

// The period a row names, when it is a period of the card's apartment; 0
// for a row without one (a row that would name another apartment's period,
// left from another list of rows, names none).
long appartament::periodo_della_riga(int r) {
    if (!riga_valida(r)) return 0;
    const long k = val(s.righe_periodo[static_cast<std::size_t>(r)]);
    const long n = std::clamp<long>(val(Text26.text()), 0, s.periodi.capacita());
    if (k < 1 || k > n) return 0;
    if (plat::leading_number(s.periodi[static_cast<int>(k)].codice) !=
        plat::leading_number(Text44.text()))
        return 0;
    return k;
}

// The period a write of row r concerns: its own, or a new one after the last.
long appartament::periodo_o_nuovo(int r) {
    const long k = periodo_della_riga(r);
    return k ? k : val(Text26.text()) + 1;
}

void appartament::azzera_contatore() {
    Text42.set_text("0");
    aperte_.clear();
}

// --- filling and clearing the grid ------------------------------------------------------

void appartament::vedi_periodi() {
    date_rifiutate_.clear();
    for (int r = 1; r <= kRighe; ++r) spunta(r).set_enabled(true);
    const long n = std::clamp<long>(val(Text26.text()), 0, s.periodi.capacita());

    const std::string inizio = "01/01/" + s.anno_gestione;
    for (std::size_t r = 1; r <= kRighe; ++r) {
        s.righe_dal[r] = inizio;
        s.righe_al[r] = inizio;
        s.righe_prezzo[r] = "";
        s.righe_stato[r] = "";
        s.righe_periodo[r] = "0";
    }
    const double codice = plat::leading_number(Text44.text());
    std::size_t r = 1;
    long oltre = 0;
    for (int j = 1; j <= n; ++j) {
        const RigaPeriodo& p = s.periodi[j];
        if (plat::leading_number(p.codice) != codice) continue;
        if (r > kRighe) {
            ++oltre;
            continue;
        }
        s.righe_dal[r] = p.dal;
        s.righe_al[r] = p.al;
        s.righe_prezzo[r] = p.prezzo;
        s.righe_stato[r] = p.stato;
        s.righe_periodo[r] = p.numero;
        ++r;
    }
    if (oltre > 0)
        app.msgbox("L'APPARTAMENTO HA " + std::to_string(kRighe + oltre) +
                   " PERIODI NELL'ANNO: SONO MOSTRATI SOLO I PRIMI " + std::to_string(kRighe) +
                   ".");

    for (int i = 1; i <= kRighe; ++i) {
        const auto ri = static_cast<std::size_t>(i);
        const std::string prezzo_riga = s.righe_prezzo[ri];
        const std::string stato_riga = s.righe_stato[ri];
        // Prices are amounts ("1.500,00"): read the Italian way, so that a
        // price under one euro still counts.
        const bool mostra =
            plat::italian_or_zero(prezzo_riga) > 0 || (stato_riga == "PROP" && prezzo_riga.empty());
        if (!mostra) continue;
        const int p = 2 * i - 1;
        spunta(i).set_value(1);
        calendario(p)->set_date(plat::Date::parse_or_zero(s.righe_dal[ri]));
        calendario(p + 1)->set_date(plat::Date::parse_or_zero(s.righe_al[ri]));
        situazione(i).set_text(stato_riga);
        prezzo(i).set_text(prezzo_riga);
        prezzo(i).set_text(plat::format_amount(std::string_view(prezzo(i).text())));
        if (stato_riga != "LIB") {
            spunta(i).set_enabled(false);
            calendario(p)->set_enabled(false);
            calendario(p + 1)->set_enabled(false);
            prezzo(i).set_locked(true);
        }
        // The walk starts from this row whether or not its tick was already
        // set (a tick set again runs no Click to name the row).
        s.indice_riga = std::to_string(i);
        s.indice_calendario = std::to_string(p + 1);
        adegua_dataf();
    }
}

void appartament::pulisce_periodi() {
    const plat::Date d = primo_gennaio();
    for (int n = 1; n <= kCalendari; ++n) {
        calendario(n)->set_enabled(false);
        calendario(n)->set_date(d);
    }
    for (int r = 1; r <= kRighe; ++r) {
        prezzo(r).set_enabled(false);
        prezzo(r).set_text("");
        situazione(r).set_enabled(false);
        situazione(r).set_text("");
    }
}

void appartament::trova_riga_periodi() {
    const long n = std::clamp<long>(val(Text26.text()), 0, s.periodi.capacita());
    const double codice = plat::leading_number(Text44.text());
    std::size_t r = 1;
    for (int j = 1; j <= n && r < s.righe_periodo.size(); ++j) {
        if (plat::leading_number(s.periodi[j].codice) != codice) continue;
        s.righe_periodo[r++] = s.periodi[j].numero;
    }
}

// Every row closed, then the apartment's periods laid in again from the file.
void appartament::ridisegna() {
    for (int r = 1; r <= kRighe; ++r) {
        s.azione_corrente = "AZZERA";
        spunta(r).set_value(0);
    }
    s.azione_corrente = "zeltra";
    pulisce_periodi();
    vedi_periodi();
    s.azione_corrente = "";
    azzera_contatore();
}

// --- opening and closing rows -------------------------------------------------------------

void appartament::Check_Click(int r) {
    s.indice_riga = std::to_string(r);
    s.indice_calendario = std::to_string(2 * r - 1);
    if (spunta(r).value() != 0) {
        apri_periodo();
        return;
    }
    const std::string& modo = s.azione_corrente;
    if (modo == "AZZERA" || modo == "CAMBIA_APP" || modo == "AGGIUNGI_APP") return;
    chiudi_periodo();
    if (!prezzo(r).text().empty() || situazione(r).text() != "LIB") cancella_periodo();
    // A row closed while it was being edited no longer holds the others.
    if (spunta(r).value() == 0) sblocca_calendari();
}

void appartament::apri_periodo() {
    const long r = val(s.indice_riga);
    const long sp = val(s.indice_calendario);
    if (!riga_valida(r)) return;
    const int ri = static_cast<int>(r);
    const long k = val(s.righe_periodo[static_cast<std::size_t>(r)]);

    for (long n : {sp, sp + 1})
        if (plat::Control* c =
                n >= 1 && n <= kCalendari ? calendario(static_cast<int>(n)) : nullptr)
            c->set_enabled(true);
    prezzo(ri).set_enabled(true);
    prezzo(ri).set_locked(true);
    situazione(ri).set_enabled(true);
    situazione(ri).set_text("LIB");
    situazione(ri).set_locked(true);

    const long periodi = val(Text26.text());
    if (k == 0) Text40.set_text(std::to_string(periodi + 1));
    if (k != 0 && k < periodi) Text40.set_text(std::to_string(k));

    if (s.azione_corrente == "zeltra") return;
    // The counter counts the rows the user has opened since it was last
    // reset (a write or a redraw sets it to 0).
    if (val(Text42.text()) <= 0) aperte_.clear();
    aperte_.insert(ri);
    Text42.set_text(std::to_string(aperte_.size()));
    if (aperte_.size() > 1) {
        app.msgbox("NON SI POSSONO APRIRE PIU' DI UN PERIODO ALLA VOLTA ");
        spunta(ri).set_value(0);
    }
}

void appartament::chiudi_periodo() {
    const long r = val(s.indice_riga);
    const long sp = val(s.indice_calendario);
    if (!riga_valida(r)) return;
    const int ri = static_cast<int>(r);
    const long k = val(s.righe_periodo[static_cast<std::size_t>(r)]);
    for (long n : {sp, sp + 1})
        if (plat::Control* c =
                n >= 1 && n <= kCalendari ? calendario(static_cast<int>(n)) : nullptr)
            c->set_enabled(false);
    prezzo(ri).set_enabled(false);
    situazione(ri).set_enabled(false);
    date_rifiutate_.erase(ri);

    const plat::Date d = primo_gennaio();
    if (Text40.text() != Text26.text() && val(Text42.text()) <= 1) {
        const bool al_primo = data(sp) == d;
        const long periodi = val(Text26.text());
        if (al_primo || k == 0) Text40.set_text(std::to_string(periodi));
        else
            Text40.set_text(std::to_string(k));
    }
    // Closing a row the user opened lowers the counter, never below 0.
    if (aperte_.erase(ri) > 0)
        Text42.set_text(std::to_string(std::max<long>(0, val(Text42.text()) - 1)));
}

void appartament::cancella_periodo() {
    const long r = val(s.indice_riga);
    if (!riga_valida(r)) return;
    const int ri = static_cast<int>(r);
    if (situazione(ri).text() == "PROP" || s.azione_corrente == "cancella") return;
    const plat::Answer risposta =
        app.msgbox({.text = " VUOI VERAMENTE CANCELLARE IL PERIODO N° " + std::to_string(r) + " ?",
                    .buttons = plat::Buttons::YesNo,
                    .title = " cancellare il periodo ",
                    .no_by_default = true});
    if (risposta != plat::Answer::Yes) {
        // The row is given back as it was, not opened anew: counted as a
        // second open row it would be refused, closed, and the question
        // asked again and again.
        const std::string modo = s.azione_corrente;
        s.azione_corrente = "zeltra";
        spunta(ri).set_value(1);
        s.azione_corrente = modo;
        return;
    }
    s.azione_corrente = "cancella";
    s.indice_riga = std::to_string(r + 9);
    registra_periodi();
    carica_periodi(app);
    ridisegna();
}

// --- writing ------------------------------------------------------------------------------

bool appartament::registra_periodi() {
    const int r = static_cast<int>(val(s.indice_riga)) - 9;
    const std::string modo = s.azione_corrente;
    const bool scrive = modo == "modifica" || modo == "zeltra" || modo.empty();
    // The period written is always the one of the row whose dates, price
    // and state are written (or a new one): the row bookkeeping of opening,
    // closing and switching rows may have left another number here.
    long k = 0;
    if (scrive) {
        k = periodo_o_nuovo(r);
        Text40.set_text(std::to_string(k));
    } else if (modo == "cancella") {
        k = periodo_della_riga(r);
        if (k == 0) return false;  // a row without a period: nothing in the file to delete
        Text40.set_text(std::to_string(k));
    }
    // Whatever led here, a row is written only with dates it may hold.
    if (scrive && riga_valida(r)) {
        if (const std::string motivo = date_non_registrabili(r); !motivo.empty()) {
            app.msgbox(motivo);
            return false;
        }
    }
    s.operazione = "APPARTAMENTO";
    const bool ok = aggiorna_periodi(app);
    if (!ok) return false;
    azzera_contatore();
    if (scrive && riga_valida(r)) {
        // A new period goes after the apartment's others: when it was opened
        // below free rows, the rows are laid in again so that each names its
        // period.
        trova_riga_periodi();
        if (val(s.righe_periodo[static_cast<std::size_t>(r)]) != k) ridisegna();
    }
    return true;
}

// --- prices and states ------------------------------------------------------------------

void appartament::prez_DblClick(int r) {
    // A locked box takes no price: its row is not being changed.
    if (plat::italian_or_zero(s.valore_salvato) == 0 || prezzo(r).locked()) return;
    prezzo(r).set_text(plat::replace_all(s.valore_salvato, ".", ""));
    prezzo(r).set_text(plat::format_amount(std::string_view(prezzo(r).text())));
    s.indice_riga = std::to_string(r + 9);
    s.indice_calendario = std::to_string(2 * r - 1);
    if (r == 13 && riga_da_scrivere(r)) registra_periodi();
}

void appartament::prez_Validate(int r) {
    plat::Control& box = prezzo(r);
    // An empty box, or a locked one (a row shown, not being changed), writes
    // nothing.
    if (box.text().empty() || box.locked()) return;
    s.indice_riga = std::to_string(r + 9);
    s.indice_calendario = std::to_string(2 * r - 1);
    const auto importo = plat::typed_amount(box.text());
    if (!importo) {
        app.msgbox("IL PREZZO NON E' VALIDO: SCRIVERE UN IMPORTO COME 1.500,00 !! ");
        box.set_text("");
        return;
    }
    box.set_text(plat::format_amount(*importo));
    // A zero price is not a price: nothing is written and the other rows
    // stay blocked, as they do after any refusal, until the row is written
    // or closed.
    if (*importo == 0 || !riga_da_scrivere(r)) return;
    if (registra_periodi()) sblocca_calendari();
}

std::string appartament::date_non_registrabili(int r) {
    const int p = 2 * r - 1;
    const plat::Date dal = data(p), al = data(p + 1);
    if (date_rifiutate_.contains(r)) return " LA DATA SCELTA E' GIA' COMPRESA IN UN PERIODO ";
    if (dal.is_zero() || al.is_zero() || !(dal < al))
        return "LA DATA DI FINE DEL PERIODO DEVE ESSERE SUCCESSIVA A QUELLA DI INIZIO !! ";
    // A period belongs to the year it starts in: the files of that year are
    // the ones every form of that year reads.
    const int anno = anno_di_gestione(s);
    if (anno != 0 && dal.year() != anno)
        return "IL PERIODO INIZIA NEL " + std::to_string(dal.year()) + ": PER INSERIRLO " +
               cambiare_anno(dal.year()) + " !! ";
    return sovrapposto_ad_altro_anno(dal, al);
}

bool appartament::riga_da_scrivere(int r) {
    const int p = 2 * r - 1;
    const plat::Date dal = data(p), al = data(p + 1);
    if (const std::string motivo = date_non_registrabili(r); !motivo.empty()) {
        app.msgbox(motivo);
        prezzo(r).set_text("");
        return false;
    }
    const long k = periodo_della_riga(r);
    if (k == 0) return true;
    const RigaPeriodo& q = s.periodi[static_cast<int>(k)];
    return q.dal != dal.text() || q.al != al.text() || q.stato != situazione(r).text() ||
           plat::format_amount(std::string_view(q.prezzo)) != prezzo(r).text();
}

std::string appartament::sovrapposto_ad_altro_anno(plat::Date dal, plat::Date al) {
    const auto vicini = periodi_degli_anni_vicini(s);
    const PeriodoDiAltroAnno* q =
        periodo_con_notti_in_comune(vicini, plat::leading_number(Text44.text()), dal, al);
    if (!q) return "";
    return " LA DATA SCELTA E' GIA' COMPRESA IN UN PERIODO DEL " + std::to_string(q->anno) +
           " (DAL " + q->dal.text() + " AL " + q->al.text() + ") ";
}

void appartament::situ_DblClick(int r) {
    s.indice_riga = std::to_string(r);
    s.indice_calendario = std::to_string(2 * r);
    cambio_stato();
}

void appartament::cambio_stato() {
    const long r = val(s.indice_riga);
    if (!riga_valida(r)) return;
    const int ri = static_cast<int>(r);
    const std::string stato = situazione(ri).text();
    if (stato == "LIB") {
        // The owner's period is written at once: dates that no row may hold
        // leave the row free, as it was.
        if (const std::string motivo = date_non_registrabili(ri); !motivo.empty()) {
            app.msgbox(motivo);
            return;
        }
        adegua_dataf();
        s.valore_salvato = prezzo(ri).text();
        prezzo(ri).set_tooltip(prezzo(ri).text());
        prezzo(ri).set_text("");
        prezzo(ri).set_locked(false);
        Text40.set_text(std::to_string(periodo_o_nuovo(ri)));
        situazione(ri).set_text("PROP");
        spunta(ri).set_value(0);
        s.azione_corrente = "modifica";
        s.indice_riga = std::to_string(r + 9);
        s.indice_calendario = std::to_string(2 * r - 1);
        registra_periodi();
    } else if (stato == "PROP") {
        s.periodi_modificati = "M";
        s.azione_corrente = "modifica";
        calendario(2 * ri)->set_enabled(true);
        calendario(2 * ri - 1)->set_enabled(true);
        prezzo(ri).set_locked(true);
        Text40.set_text(std::to_string(periodo_o_nuovo(ri)));
        spunta(ri).set_enabled(true);
        situazione(ri).set_text("LIB");
    }
}

// --- blocking the other rows' calendars ---------------------------------------------------

void appartament::blocca_calendari() {
    const long r = val(s.indice_riga);
    for (int i = 1; i <= kRighe; ++i) {
        if (i == r || (i > r && !spuntata(i))) continue;
        calendario(2 * i - 1)->set_enabled(false);
        calendario(2 * i)->set_enabled(false);
    }
}

void appartament::sblocca_calendari() {
    for (int i = 1; i <= kRighe; ++i) {
        // Rows let or partly taken keep their dates closed, as the grid
        // showed them.
        if (!spuntata(i) || situazione(i).text() != "LIB") continue;
        calendario(2 * i - 1)->set_enabled(true);
        calendario(2 * i)->set_enabled(true);
    }
    trova_riga_periodi();
}

// --- date rules --------------------------------------------------------------------------

void appartament::adegua_data() {
    const long n = val(s.indice_calendario);
    plat::Control* fine =
        n + 1 >= 1 && n + 1 <= kCalendari ? calendario(static_cast<int>(n + 1)) : nullptr;
    const plat::Date inizio = data(n);
    if (!fine || inizio.is_zero()) return;
    fine->set_date(inizio.add_days(1));
}

void appartament::adegua_dataf() {
    const long corrente = val(s.indice_riga);
    long k = corrente;
    long p = val(s.indice_calendario);
    plat::Date riferimento;
    for (;;) {
        riferimento = data(p);
        if (!spuntata(k)) break;
        p += 2;
        s.indice_calendario = std::to_string(p);
        ++k;
        if (k > kRighe) return;
    }
    long primo = p + 1;
    if (p > 2) {
        riferimento = data(p - 2);
        primo = p - 1;
    }
    if (riferimento.is_zero()) return;
    const plat::Date d = riferimento.add_days(1);
    for (long n = std::max<long>(primo, 1); n <= kCalendari; ++n) {
        // Free rows follow the date; a ticked row other than the one being
        // changed (the last of the block, or one further down past a closed
        // one) keeps the dates of its period.
        const long riga = (n + 1) / 2;
        if (riga != corrente && spuntata(riga)) continue;
        calendario(static_cast<int>(n))->set_date(d);
    }
}

void appartament::controlla_periodi() {
    const long r = val(s.indice_riga);
    const long c = val(s.indice_calendario);
    plat::Control* inizio = c >= 1 && c <= kCalendari ? calendario(static_cast<int>(c)) : nullptr;
    plat::Control* fine =
        c + 1 >= 1 && c + 1 <= kCalendari ? calendario(static_cast<int>(c + 1)) : nullptr;
    // A pair past the last row has nothing to check.
    if (!inizio || !fine) return;
    const plat::Date sd = inizio->date();
    const plat::Date ed = fine->date();
    const auto rifiuta = [&](const std::string& messaggio) {
        app.msgbox(messaggio);
        // Nothing of the row is written until its dates pass the check.
        if (riga_valida(r)) {
            date_rifiutate_.insert(static_cast<int>(r));
            prezzo(static_cast<int>(r)).set_locked(true);
        }
        // Back to the first day of the refused date's own month and year (a
        // January date of a period from December stays in January of its year).
        const plat::Date primo =
            sd.is_zero() ? primo_gennaio() : plat::Date::from_dmy_lenient(1, sd.month(), sd.year());
        inizio->set_date(primo);
        fine->set_date(primo);
    };
    for (long k = 1; k <= std::min<long>(r - 1, kRighe); ++k) {
        const plat::Date sk = data(2 * k - 1);
        const plat::Date ek = data(2 * k);
        if (situazione(static_cast<int>(k)).text() == "OCC") continue;
        if ((sk < sd && sd < ek) || (sk < ed && ed < ek)) {
            rifiuta(" LA DATA SCELTA E' GIA' COMPRESA IN UN PERIODO ");
            return;
        }
    }
    if (const std::string altro = sovrapposto_ad_altro_anno(sd, ed); !altro.empty()) {
        rifiuta(altro);
        return;
    }
    if (riga_valida(r)) {
        date_rifiutate_.erase(static_cast<int>(r));
        prezzo(static_cast<int>(r)).set_locked(false);
    }
}

// The row's old price is kept (and shown as the box's hint) while its dates
// change; the row is written when a price is validated for it.
void appartament::ricorda_prezzo(int r) {
    plat::Control& p = prezzo(r);
    // A second date change of the row finds the box already emptied: the
    // price remembered from the first one stays.
    if (!p.text().empty()) {
        s.valore_salvato = p.text();
        p.set_tooltip(p.text());
    }
    s.azione_corrente = "modifica";
    p.set_text("");
    p.set_locked(false);
    Text40.set_text(std::to_string(periodo_o_nuovo(r)));
}

void appartament::DTPicker_inizio_Change(int r) {
    s.indice_riga = std::to_string(r);
    ricorda_prezzo(r);
}

void appartament::DTPicker_inizio_CloseUp(int r) {
    if (r == 1 && s.azione_corrente == "modifica") return;
    // The walk starts from this row: the last four rows have no date-edit
    // handling to name it first.
    s.indice_riga = std::to_string(r);
    s.indice_calendario = std::to_string(2 * r - 1);
    adegua_data();
    aggiorna_mese();
}

void appartament::DTPicker_fine_Change(int r) {
    s.periodi_modificati = "M";
    s.indice_riga = std::to_string(r);
    s.indice_calendario = std::to_string(2 * r);
    if (r <= 11) adegua_dataf();
    ricorda_prezzo(r);
    if (r == 2) controlla_periodi();
}

void appartament::DTPicker_fine_Validate(int r) {
    if (r == 1) {
        prezzo(1).set_locked(false);
        s.indice_riga = "1";
        s.indice_calendario = "2";
        adegua_dataf();
        blocca_calendari();
        return;
    }
    if (!prezzo(r).text().empty()) return;
    prezzo(r).set_locked(false);
    s.indice_riga = std::to_string(r);
    if (r <= 11) {
        s.indice_calendario = std::to_string(2 * r);
        adegua_dataf();
    }
    s.indice_calendario = std::to_string(2 * r - 1);
    controlla_periodi();
    blocca_calendari();
}

}  // namespace ga
