#include "records/archivio.h"

#include "platform/number.h"
#include "platform/record_file.h"
#include "platform/save_unit.h"
#include "platform/text.h"
#include "records/salvataggio.h"

namespace ga {

std::string campo_di(const std::vector<std::string>& campi, std::size_t j) {
    return j < campi.size() ? campi[j] : std::string();
}

std::optional<std::vector<std::string>> leggi_righe(const std::string& percorso) {
    return plat::read_lines(percorso);
}

bool riga_leggibile(std::string_view testo, std::string_view separatore, bool un_campo_basta) {
    if (plat::trimmed(testo).empty()) return false;
    return un_campo_basta || plat::contains(testo, separatore);
}

void segnala_illeggibili(App& app, const std::string& percorso, int quante, int prima) {
    if (quante == 0 || !app.illeggibili_segnalati.insert(percorso).second) return;
    app.msgbox("IL FILE " + percorso + " HA " + std::to_string(quante) +
                   (quante == 1 ? " RIGA CHE IL PROGRAMMA NON SA LEGGERE (LA RIGA "
                                : " RIGHE CHE IL PROGRAMMA NON SA LEGGERE (LA PRIMA E' LA RIGA ") +
                   std::to_string(prima) +
                   ").\rSONO LASCIATE COME SONO: IL PROGRAMMA NON LE MOSTRA E NON LE MODIFICA.",
               plat::Buttons::Ok, "AVVISO", plat::Icon::Exclamation);
}

std::string_view campi_oltre(std::string_view riga, std::string_view separatore,
                             std::size_t campi) {
    if (separatore.empty() || campi == 0) return {};
    std::size_t da = 0;
    for (std::size_t j = 0; j < campi; ++j) {
        const std::size_t at = riga.find(separatore, da);
        if (at == std::string_view::npos) return {};
        if (j + 1 == campi) return riga.substr(at);
        da = at + separatore.size();
    }
    return {};
}

namespace {

// The one message for a value that would break its record: the separator
// splits the record, a line break splits the line.
bool rifiuta_valore(App& app, const std::string& motivo, const std::string& valore) {
    app.msgbox(motivo + "\rCORREGGERE: " + plat::single_line(valore), plat::Buttons::Ok,
               "DATI NON VALIDI", plat::Icon::Exclamation);
    return false;
}

constexpr const char* kACapo = "UN TESTO NON PUO' ANDARE A CAPO NEI DATI.";

// The last guard of every writer: a line that holds a line break would be
// read back as two records.
bool righe_intere(App& app, const std::vector<std::string>& righe) {
    for (const std::string& r : righe)
        if (plat::has_line_break(r)) return rifiuta_valore(app, kACapo, r);
    return true;
}

// The same for lines already joined: the text holds `righe` lines, each
// ended by CR LF, and no other line break.
bool testo_intero(App& app, std::string_view testo, std::size_t righe) {
    std::size_t fini = 0, da = 0;
    for (std::size_t lf; (lf = testo.find('\n', da)) != std::string_view::npos;
         da = lf + 1, ++fini) {
        const std::string_view riga = testo.substr(da, lf - da);
        if (riga.empty() || riga.back() != '\r' || riga.find('\r') != riga.size() - 1)
            return rifiuta_valore(app, kACapo, std::string(riga));
    }
    if (fini == righe && da == testo.size()) return true;
    return rifiuta_valore(app, kACapo, std::string(testo.substr(da)));
}

// A register's new content into the open save, or written on its own (after
// any save left half done is finished); the user is told of a failure.
template <class NellaUnita, class DaSolo>
bool scrivi(App& app, const std::string& percorso, NellaUnita nella_unita, DaSolo da_solo) {
    if (plat::SaveUnit* unita = plat::SaveUnit::open_unit()) {
        nella_unita(*unita);
        return true;
    }
    if (!salvataggi_completati(app)) return false;
    plat::Outcome esito = plat::Outcome::not_written;
    da_solo(&esito);
    return esito_scrittura(app, percorso, esito, "LE MODIFICHE NON SONO STATE REGISTRATE.");
}

}  // namespace

bool scrivi_registro(App& app, const std::string& percorso, const std::vector<std::string>& righe) {
    if (!righe_intere(app, righe)) return false;
    return scrivi(
        app, percorso, [&](plat::SaveUnit& u) { u.rewrite(percorso, righe); },
        [&](plat::Outcome* esito) { return plat::rewrite_lines(percorso, righe, esito); });
}

bool scrivi_testo_registro(App& app, const std::string& percorso, std::string_view testo,
                           std::size_t righe) {
    if (!testo_intero(app, testo, righe)) return false;
    return scrivi(
        app, percorso, [&](plat::SaveUnit& u) { u.rewrite_text(percorso, testo); },
        [&](plat::Outcome* esito) { return plat::rewrite_record_text(percorso, testo, esito); });
}

bool aggiungi_riga(App& app, const std::string& percorso, std::string_view riga) {
    if (!righe_intere(app, {std::string(riga)})) return false;
    plat::SaveUnit* unita = plat::SaveUnit::open_unit();
    if (!unita && !salvataggi_completati(app)) return false;
    plat::Outcome esito = plat::Outcome::not_written;
    if (unita) {
        if (unita->append(percorso, riga)) return true;
    } else {
        plat::append_line(percorso, riga, &esito);
    }
    return esito_scrittura(app, percorso, esito, "LA REGISTRAZIONE NON E' STATA FATTA.");
}

bool senza_separatore(App& app, const std::vector<std::string>& valori,
                      std::string_view separatore) {
    for (const std::string& v : valori) {
        if (plat::contains(v, separatore))
            return rifiuta_valore(
                app,
                "IL CARATTERE \"" + std::string(separatore) + "\" NON PUO' ESSERE USATO NEI DATI.",
                v);
        if (plat::has_line_break(v)) return rifiuta_valore(app, kACapo, v);
    }
    return true;
}

bool stesso_codice(const std::string& a, const std::string& b) {
    const std::string x = plat::trim(a), y = plat::trim(b);
    if (x.empty() || y.empty()) return false;
    if (plat::all_digits(x) && plat::all_digits(y))
        return plat::leading_int(x) == plat::leading_int(y);
    return x == y;
}

std::string motivo_riga_illeggibile(long k) {
    return "LA RIGA N. " + std::to_string(k) +
           " DEL FILE NON SI PUO' LEGGERE: RESTA COM'E' E NON SI PUO' MODIFICARE.";
}

bool registrazione_rifiutata(App& app, const std::string& motivo) {
    app.msgbox(motivo + "\rLA REGISTRAZIONE NON E' STATA FATTA.", plat::Buttons::Ok,
               "AVVISO ERRORE", plat::Icon::Exclamation);
    return false;
}

std::optional<plat::Date> data_registrabile(App& app, std::string_view testo,
                                            std::string_view cosa) {
    if (auto d = plat::Date::parse(plat::trim(testo))) return d;
    registrazione_rifiutata(app,
                            std::string(cosa) + " NON E' VALIDA: \"" + std::string(testo) + "\".");
    return std::nullopt;
}

bool valori_registrabili(App& app, const std::vector<std::string>& valori) {
    return senza_separatore(app, valori, kSeparatore);
}

}  // namespace ga
