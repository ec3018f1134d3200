#include "records/anni_vicini.h"

#include <algorithm>

#include "platform/number.h"
#include "platform/record_file.h"
#include "platform/text.h"
#include "records/archivio.h"

namespace ga {

int anno_di_gestione(const Stato& s) {
    const std::string& y = s.anno_gestione;
    if (y.size() != 4 ||
        !std::all_of(y.begin(), y.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    return std::stoi(y);
}

std::vector<PrenotazioneDiAltroAnno> prenotazioni_dell_anno(const Stato& s, int anno) {
    std::vector<PrenotazioneDiAltroAnno> out;
    const std::string percorso = s.cartella_dati + "prenotazioni" + std::to_string(anno) + ".dat";
    // Read only when it is there: a year never used keeps no file.
    if (anno <= 0 || s.cartella_dati.empty() || !plat::file_exists(percorso)) return out;
    int n = 0;
    plat::read_lines_each(percorso, [&](std::string_view testo) {
        if (testo.empty()) return false;
        PrenotazioneDiAltroAnno b;
        b.anno = anno;
        b.numero = ++n;
        metti_riga(b.p.campo, testo);
        b.p.arrivo = plat::Date::parse_or_zero(b.p.campo[pren::arrivo]);
        b.p.partenza = plat::Date::parse_or_zero(b.p.campo[pren::partenza]);
        b.p.chiusura = plat::Date::parse_or_zero(b.p.campo[pren::chiusura]);
        out.push_back(std::move(b));
        return true;
    });
    return out;
}

std::vector<PrenotazioneDiAltroAnno> prenotazioni_degli_anni_vicini(const Stato& s) {
    const int y = anno_di_gestione(s);
    if (y == 0) return {};
    auto out = prenotazioni_dell_anno(s, y - 1);
    auto dopo = prenotazioni_dell_anno(s, y + 1);
    out.insert(out.end(), std::make_move_iterator(dopo.begin()),
               std::make_move_iterator(dopo.end()));
    return out;
}

int anno_con_prenotazioni_del_cliente(const Stato& s, double codice) {
    for (const PrenotazioneDiAltroAnno& v : prenotazioni_degli_anni_vicini(s)) {
        const std::string& appartamento = v.p.campo[pren::appartamento];
        if (appartamento.empty() || appartamento == "CANC") continue;
        if (plat::leading_number(plat::trimmed(v.p.campo[pren::cliente])) == codice) return v.anno;
    }
    return 0;
}

std::vector<PeriodoDiAltroAnno> periodi_dell_anno(const Stato& s, int anno) {
    std::vector<PeriodoDiAltroAnno> out;
    const std::string percorso = s.cartella_dati + "periodi" + std::to_string(anno) + ".ind";
    if (anno <= 0 || s.cartella_dati.empty() || !plat::file_exists(percorso)) return out;
    plat::read_lines_each(percorso, [&](std::string_view testo) {
        Campi<periodo::kCampi> c;
        metti_riga(c, testo);
        const auto dal = plat::Date::parse(plat::trimmed(c[periodo::dal]));
        const auto al = plat::Date::parse(plat::trimmed(c[periodo::al]));
        const std::string codice = plat::trim(c[periodo::codice]);
        if (dal && al && !codice.empty() && codice != "CANC")
            out.push_back({anno, codice, *dal, *al, plat::trim(c[periodo::stato])});
        return true;
    });
    return out;
}

std::vector<PeriodoDiAltroAnno> periodi_degli_anni_vicini(const Stato& s) {
    const int y = anno_di_gestione(s);
    if (y == 0) return {};
    auto out = periodi_dell_anno(s, y - 1);
    auto dopo = periodi_dell_anno(s, y + 1);
    out.insert(out.end(), std::make_move_iterator(dopo.begin()),
               std::make_move_iterator(dopo.end()));
    return out;
}

const PeriodoDiAltroAnno* periodo_con_notti_in_comune(
    const std::vector<PeriodoDiAltroAnno>& periodi, double codice, plat::Date dal, plat::Date al) {
    for (const PeriodoDiAltroAnno& q : periodi)
        if (plat::leading_number(q.codice) == codice && dal < q.al && q.dal < al) return &q;
    return nullptr;
}

std::string cambiare_anno(int anno) {
    return "CAMBIARE L'ANNO DI GESTIONE IN " + std::to_string(anno);
}

}  // namespace ga
