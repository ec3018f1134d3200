// The money of the booking being entered: the rent and advance of the chosen
// period, the security deposit the settings give, the three agency items
// (a click marks one not due, "ND"; a double-click gives its default) and
// the extra beds and linen with their costs.
//
// Amounts are read the Italian way ("1.500,00" is fifteen hundred). A
// price, percentage or cost of the settings that cannot be read so counts as
// 0: the advance is then 0,00 and the deposit the minimum of the settings.
// What the user types into an amount box must be an amount ("1.500,00",
// "1500", "12,5"): anything else is told when the box is left, nothing is
// computed from it, and SALVA refuses it.
#include <algorithm>
#include <optional>

#include "bookings/caselle.h"
#include "bookings/prenotazione.h"
#include "platform/number.h"
#include "platform/text.h"
#include "records/archivio.h"

namespace ga {

namespace {

// The advance is 33 per cent of the rent.
double acconto_di(double affitto) { return affitto * 33 / 100; }

// The label beside an extra: its cost, or nothing for no cost.
std::string costo(double importo) {
    if (!(importo > 0)) return "";
    return "( " + plat::format_amount(importo) + " € )";
}

}  // namespace

void prenotazione::formatta(plat::TextBox& box) { box.set_text(plat::format_amount(box.text())); }

std::string prenotazione::cauzione_calcolata(double affitto) {
    const double percentuale = affitto * plat::italian_or_zero(s.percentuale_cauzione) / 100;
    // The minimum as the start form shows it, in the amount pattern: read
    // the Italian way, so that a minimum of 1.000,00 is a thousand.
    const std::string minimo = app.testo(kAvvioDepositoMinimo);
    if (plat::italian_or_zero(minimo) > percentuale) return minimo;
    return plat::short_number(percentuale);
}

void prenotazione::calcola_acconto_e_cauzione(double affitto) {
    Text16.set_text(plat::format_amount(plat::short_number(acconto_di(affitto))));
    Text29.set_text(plat::format_amount(cauzione_calcolata(affitto)));
}

void prenotazione::conteggi_pren() {
    const int k = List1.list_index() + 1;
    // Rows past the pick rows belong to no listed period.
    if (k < 0 || k >= static_cast<int>(s.righe_dal.size())) return;
    const auto r = static_cast<std::size_t>(k);
    Text28.set_text(s.righe_periodo[r]);
    Text5.set_text(s.righe_dal[r]);
    Text6.set_text(s.righe_al[r]);
    Text15.set_text(plat::format_amount(s.righe_prezzo[r]));
    calcola_acconto_e_cauzione(plat::italian_or_zero(s.righe_prezzo[r]));
    Text17.set_text(plat::format_amount(0.0));
    Text18.set_text(plat::format_amount(0.0));
    // The deposit is charged only when the user double-clicks it.
    Text19.set_text(plat::format_amount(0.0));
    cambia.set_visible(false);
    Text16.set_locked(false);
    Text15.set_locked(false);
}

std::vector<prenotazione::RegolaImporto> prenotazione::regole_importi() {
    return {{&Text15, "IL PREZZO DELL'AFFITTO", false, false},
            {&Text16, "L'IMPORTO DELL'ACCONTO", true, false},
            {&Text17, "I DIRITTI DI AGENZIA", false, true},
            {&Text18, "LA PULIZIA FINALE", false, true},
            {&Text19, "LA CAUZIONE", false, true},
            {&Text32, "I CONSUMI A FORFAIT", true, false},
            {&Text33, "L'ENERGIA ELETTRICA", true, false}};
}

prenotazione::RegolaImporto prenotazione::regola_di(plat::TextBox& box) {
    for (const RegolaImporto& r : regole_importi())
        if (r.box == &box) return r;
    return {&box, "L'IMPORTO", true, false};
}

namespace {

std::string motivo_importo(const char* nome, const std::string& testo) {
    return std::string(nome) + " NON E' UN IMPORTO VALIDO: \"" + testo +
           "\".\rSCRIVERE SOLO CIFRE, LA VIRGOLA PRIMA DEI DECIMALI E IL PUNTO TRA LE "
           "MIGLIAIA (AD ESEMPIO 1.500,00), FINO A 9.999.999,99.";
}

}  // namespace

std::optional<double> prenotazione::importo_di(plat::TextBox& box, bool avvisa) {
    const std::string testo = box.text();
    if (plat::trimmed(testo).empty()) return std::nullopt;
    const RegolaImporto r = regola_di(box);
    if (r.nd_ammesso && testo == "ND") return std::nullopt;
    if (auto v = plat::typed_amount(testo)) return v;
    if (avvisa)
        app.msgbox(motivo_importo(r.nome, testo), plat::Buttons::Ok, "IMPORTO NON VALIDO",
                   plat::Icon::Exclamation);
    return std::nullopt;
}

bool prenotazione::importi_registrabili() {
    for (const RegolaImporto& r : regole_importi()) {
        const std::string testo = r.box->text();
        const bool vuoto = plat::trimmed(testo).empty();
        if (vuoto && r.vuoto_ammesso) continue;
        if (r.nd_ammesso && testo == "ND") continue;
        if (vuoto || !plat::typed_amount(testo))
            return registrazione_rifiutata(app, motivo_importo(r.nome, testo));
    }
    // The extras are counts the clicks set: a blank or a whole number.
    for (plat::TextBox* t : {&Text31, &Text34}) {
        const std::string n = plat::trim(t->text());
        if (!n.empty() && n.find_first_not_of("0123456789") != std::string::npos)
            return registrazione_rifiutata(
                app, "IL NUMERO DI LETTI AGGIUNTI O DI PERSONE PER LE LENZUOLA NON E' VALIDO: \"" +
                         t->text() + "\".");
    }
    return true;
}

void prenotazione::Text15_Validate() {
    // A rent only passed through keeps the advance the user may have typed.
    if (Text15.text().empty() || !Text15.changed_since_focus()) return;
    const auto affitto = importo_di(Text15, true);
    if (!affitto) return;
    formatta(Text15);
    // The agency items, the deposit taken into Text19 included, stay as
    // they are until the user sets them again.
    calcola_acconto_e_cauzione(*affitto);
}

void prenotazione::Text16_Validate() {
    // "0" is left as typed; an empty advance is stored as 0,00.
    const auto acconto = importo_di(Text16, true);
    if (acconto && *acconto > 0) formatta(Text16);
}

void prenotazione::voce_non_dovuta(plat::TextBox& voce) {
    // The amount it held stays visible as the tooltip.
    voce.set_tooltip(voce.text());
    voce.set_locked(false);
    voce.set_text("ND");
}

void prenotazione::voce_predefinita(plat::TextBox& voce, const std::string& valore) {
    voce.set_text(plat::format_amount(valore));
}

void prenotazione::Text17_Click() { voce_non_dovuta(Text17); }
void prenotazione::Text18_Click() { voce_non_dovuta(Text18); }
void prenotazione::Text19_Click() { voce_non_dovuta(Text19); }
void prenotazione::Text17_DblClick() { voce_predefinita(Text17, s.diritti_agenzia); }
void prenotazione::Text18_DblClick() { voce_predefinita(Text18, s.pulizia_finale); }
void prenotazione::Text19_DblClick() { voce_predefinita(Text19, Text29.text()); }

void prenotazione::Text17_Validate() {
    if (importo_di(Text17, true)) formatta(Text17);
}
void prenotazione::Text18_Validate() {
    if (importo_di(Text18, true)) formatta(Text18);
}
void prenotazione::Text19_Validate() {
    if (importo_di(Text19, true)) formatta(Text19);
}
void prenotazione::Text32_Validate() { importo_di(Text32, true); }
void prenotazione::Text33_Validate() { importo_di(Text33, true); }

namespace {

// A click adds one to the number the box shows (a typed number counts on
// from itself); past the most it gives back the blank of "none".
std::string conta_dopo(const std::string& testo, double massimo) {
    const long n = plat::leading_int(testo) + 1;
    return n > massimo ? " " : std::to_string(n);
}

}  // namespace

void prenotazione::Text31_Click() { Text31.set_text(conta_dopo(Text31.text(), 3)); }

void prenotazione::Text31_Change() {
    // A cost typed 12.50 in the settings is twelve and a half.
    s.costo_letto = plat::replace_all(s.costo_letto, ".", ",");
    Label30.set_caption(
        costo(plat::leading_number(Text31.text()) * plat::italian_or_zero(s.costo_letto)));
}

void prenotazione::Text34_Click() {
    Text34.set_text(conta_dopo(Text34.text(), plat::leading_number(posti_letto_)));
}

void prenotazione::Text34_Change() {
    s.costo_lenzuola = plat::replace_all(s.costo_lenzuola, ".", ",");
    Label34.set_caption(
        costo(plat::leading_number(Text34.text()) * plat::italian_or_zero(s.costo_lenzuola)));
}

}  // namespace ga
