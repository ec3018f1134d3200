#include "shell/Trasferisciper.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "platform/date.h"
#include "platform/number.h"
#include "platform/record_file.h"
#include "platform/text.h"
#include "records/anni_vicini.h"
#include "records/archivio.h"
#include "records/periodi.h"
#include "records/periodi_campi.h"
#include "records/prenotazioni.h"

namespace ga {

namespace {

constexpr const char* kTitolo = "TRASFERISCI PERIODI";

// A year as the file names and the dates hold it: four digits.
std::optional<int> anno_di(const std::string& testo) {
    if (testo.size() != 4 ||
        !std::all_of(testo.begin(), testo.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int anno = std::stoi(testo);
    if (anno < 1900) return std::nullopt;
    return anno;
}

// The date moved by whole years: the same day and month, the last day of
// the month where the new year has no such day (29 February).
std::string data_spostata(plat::Date d, int anni) {
    const int anno = d.year() + anni;
    const int giorno = std::min(d.day(), plat::days_in_month(d.month(), anno));
    return plat::Date::from_dmy(giorno, d.month(), anno)->text();
}

bool vuota(const std::string& riga) { return plat::trimmed(riga).empty(); }

// A file that holds at least one line with something in it.
bool ha_contenuto(const std::string& percorso) {
    std::error_code ec;
    if (!std::filesystem::exists(percorso, ec)) return false;
    const auto righe = plat::read_lines(percorso);
    return !righe || std::any_of(righe->begin(), righe->end(),
                                 [](const std::string& r) { return !vuota(r); });
}

// At most ten items of a list told to the user, then "...".
std::string al_massimo_dieci(std::vector<std::string> voci, const std::string& separatore) {
    if (voci.size() > 10) {
        voci.resize(10);
        voci.push_back("...");
    }
    return plat::join(voci, separatore);
}

// The bookings of the file of `anno` that hold a period of its periods file:
// every one not revoked, by its number (its line), apartment and dates.
std::vector<std::string> prenotazioni_con_periodo(const std::string& percorso) {
    std::vector<std::string> out;
    if (!plat::file_exists(percorso)) return out;
    const auto righe = plat::read_lines(percorso);
    if (!righe) return {"(" + percorso + " NON SI PUO' LEGGERE)"};
    for (std::size_t i = 0; i < righe->size(); ++i) {
        if (vuota((*righe)[i])) continue;
        RigaPrenotazione p;
        metti_riga(p.campo, (*righe)[i]);
        p.chiusura = plat::Date::parse_or_zero(plat::trim(p.campo[pren::chiusura]));
        const std::string appartamento = plat::trim(p.campo[pren::appartamento]);
        if (appartamento.empty() || appartamento == "CANC" ||
            plat::leading_int(p.campo[pren::periodo]) < 1 ||
            stato_prenotazione(p) == StatoPrenotazione::revocata)
            continue;
        out.push_back("N. " + std::to_string(i + 1) + " (" + appartamento + " DAL " +
                      plat::trim(p.campo[pren::arrivo]) + " AL " +
                      plat::trim(p.campo[pren::partenza]) + ")");
    }
    return out;
}

}  // namespace

std::optional<std::string> periodo_nel_nuovo_anno(std::string_view riga, int anno_origine,
                                                  int anno) {
    const auto campi = plat::split(riga, "*");
    if (campi.size() < periodo::kCampi) return std::nullopt;
    const auto dal = plat::Date::parse(campi[periodo::dal]);
    const auto al = plat::Date::parse(campi[periodo::al]);
    if (!dal || !al) return std::nullopt;
    // Each date moves by the years between the two files, so a period that
    // runs into the next year (27/12 - 03/01) still ends after it starts.
    const int anni = anno - anno_origine;
    // The periods the owner keeps for himself stay his; the others are
    // free in the new year.
    std::vector<std::string> nuovo(periodo::kCampi);
    nuovo[periodo::codice] = campi[periodo::codice];
    nuovo[periodo::dal] = data_spostata(*dal, anni);
    nuovo[periodo::al] = data_spostata(*al, anni);
    nuovo[periodo::prezzo] = campi[periodo::prezzo];
    nuovo[periodo::stato] = plat::trim(campi[periodo::stato]) == "PROP" ? "PROP" : "LIB";
    return plat::join(nuovo, "*");
}

Trasferisciper::Trasferisciper(App& app) : Forma(app, kName) {
    design("TRASFERISCI PERIODI", px(560), px(290));
    metti(ICONAAGENZIA, 16, 12, 100, 76).design().stretch = true;
    metti(Label1, 132, 36, 410, 26).design().text = "TRASFERIMENTO PERIODI A NUOVA GESTIONE";
    Label1.design().bold = true;
    Label1.design().font_size = 12;

    metti(Frame1, 16, 108, 254, 80).design().text = "ARCHIVIO ORIGINE";
    etichetta("ANNO", 16, 40, 60, &Frame1);
    metti(Text1, 80, 34, 90, 26, &Frame1).design().max_length = 4;
    metti(Frame2, 290, 108, 254, 80).design().text = "ARCHIVIO DESTINAZIONE";
    etichetta("ANNO", 16, 40, 60, &Frame2);
    metti(Text2, 80, 34, 90, 26, &Frame2).design().max_length = 4;

    metti(Command1, 16, 222, 130, 40).design().text = "CONFERMA";
    metti(Command3, 162, 222, 130, 40).design().text = "USCITA";

    Command1.on_click = [this] { Command1_Click(); };
    Command3.on_click = [this] { Command3_Click(); };
}

void Trasferisciper::Form_Load() {
    ICONAAGENZIA.set_picture(s.percorso_logo);
    Text1.set_text(s.anno_gestione);
    Text2.set_text(std::to_string(plat::leading_int(Text1.text()) + 1));
}

void Trasferisciper::rifiuta(const std::string& motivo) {
    app.msgbox(motivo + "\rNESSUN PERIODO E' STATO TRASFERITO.", plat::Buttons::Ok, kTitolo,
               plat::Icon::Exclamation);
}

void Trasferisciper::Command1_Click() {
    const std::string anno_origine = plat::trim(Text1.text());
    const std::string anno_destinazione = plat::trim(Text2.text());
    // The years become part of file names and of every date written.
    for (const std::string& anno : {anno_origine, anno_destinazione})
        if (!anno_di(anno)) {
            rifiuta("ANNO NON VALIDO: \"" + anno + "\".\rSCRIVERE L'ANNO CON QUATTRO CIFRE.");
            return;
        }
    if (anno_origine == anno_destinazione) {
        rifiuta("L'ANNO DI ORIGINE E QUELLO DI DESTINAZIONE SONO UGUALI.");
        return;
    }
    const int anno = *anno_di(anno_destinazione);
    const std::string origine = s.cartella_dati + "periodi" + anno_origine + ".ind";
    const std::string destinazione = s.cartella_dati + "periodi" + anno_destinazione + ".ind";

    // The source is read whole first; nothing is written unless every period
    // in it can be carried over.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(origine, ec)) {
        rifiuta("IL FILE " + origine + " NON ESISTE.");
        return;
    }
    const auto righe = plat::read_lines(origine);
    if (!righe) {
        rifiuta("IMPOSSIBILE LEGGERE IL FILE " + origine + ".");
        return;
    }
    std::vector<std::string> nuove;
    std::vector<std::string> sbagliate;
    for (std::size_t i = 0; i < righe->size(); ++i) {
        const std::string& riga = (*righe)[i];
        if (vuota(riga)) continue;
        if (auto nuova = periodo_nel_nuovo_anno(riga, *anno_di(anno_origine), anno))
            nuove.push_back(std::move(*nuova));
        else
            sbagliate.push_back(std::to_string(i + 1));
    }
    if (!sbagliate.empty()) {
        rifiuta("IL FILE " + origine + " CONTIENE RIGHE CHE NON SONO PERIODI (RIGHE " +
                al_massimo_dieci(sbagliate, ", ") + ").");
        return;
    }
    if (nuove.empty()) {
        rifiuta("IL FILE " + origine + " NON CONTIENE PERIODI.");
        return;
    }

    // The bookings of the target year name their periods by line: periods
    // replaced under them would free nights already let, and send a
    // revocation or a balance to another period.
    const auto prenotazioni =
        prenotazioni_con_periodo(s.cartella_dati + "prenotazioni" + anno_destinazione + ".dat");
    if (!prenotazioni.empty()) {
        rifiuta("NEL " + anno_destinazione +
                " CI SONO GIA' DELLE PRENOTAZIONI: " + al_massimo_dieci(prenotazioni, ", ") +
                ".\rI PERIODI DEL " + anno_destinazione + " NON POSSONO ESSERE SOSTITUITI.");
        return;
    }

    // A carried period may not share a night with a period of the same
    // apartment in the years beside the target (a Christmas letting of the
    // year before reaches into January), as no period entered on the card
    // may: those are left out, if the user agrees.
    std::vector<PeriodoDiAltroAnno> vicini = periodi_dell_anno(s, anno - 1);
    for (PeriodoDiAltroAnno& q : periodi_dell_anno(s, anno + 1)) vicini.push_back(std::move(q));
    std::vector<std::string> trasferibili, escluse;
    for (std::string& nuova : nuove) {
        const auto c = plat::split(nuova, "*");
        const plat::Date dal = plat::Date::parse_or_zero(c[periodo::dal]);
        const plat::Date al = plat::Date::parse_or_zero(c[periodo::al]);
        if (const PeriodoDiAltroAnno* q = periodo_con_notti_in_comune(
                vicini, plat::leading_number(c[periodo::codice]), dal, al))
            escluse.push_back(c[periodo::codice] + " DAL " + dal.text() + " AL " + al.text() +
                              " (PERIODO DEL " + std::to_string(q->anno) + " DAL " + q->dal.text() +
                              " AL " + q->al.text() + ")");
        else
            trasferibili.push_back(std::move(nuova));
    }
    if (!escluse.empty()) {
        const std::string elenco =
            "QUESTI PERIODI HANNO NOTTI IN COMUNE CON UN PERIODO DELLO STESSO APPARTAMENTO "
            "DELL'ANNO VICINO:\r" +
            al_massimo_dieci(escluse, "\r");
        if (trasferibili.empty()) {
            rifiuta(elenco);
            return;
        }
        if (app.msgbox(elenco + "\rTRASFERIRE SOLO GLI ALTRI PERIODI?", plat::Buttons::YesNo,
                       kTitolo, plat::Icon::Question) != plat::Answer::Yes)
            return;
    }
    nuove = std::move(trasferibili);

    if (ha_contenuto(destinazione) &&
        app.msgbox({.text = "IL FILE " + destinazione + " CONTIENE GIA' DEI PERIODI.\r" +
                            "SOSTITUIRLI CON I PERIODI DEL " + anno_origine + "?",
                    .buttons = plat::Buttons::YesNo,
                    .icon = plat::Icon::Question,
                    .title = kTitolo,
                    .no_by_default = true}) != plat::Answer::Yes)
        return;
    if (!scrivi_registro(app, destinazione, nuove)) return;

    // The periods of the management year were just replaced: the table in
    // memory follows, or the next write from it would undo the transfer.
    plat::Form* scheda = &app.form(forme::appartament);
    if (scheda && scheda->is_loaded() &&
        std::filesystem::equivalent(destinazione, s.percorso_periodi, ec))
        carica_periodi(app);
}

void Trasferisciper::Command3_Click() {
    plat::Form* utilita = &app.form(forme::utilita);
    if (utilita && utilita->is_loaded()) utilita->set_enabled(true);
    unload();
}

}  // namespace ga
