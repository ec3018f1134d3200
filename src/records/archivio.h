// The common steps of every register's loader and writer.
//
// A loader opens its file for reading (a missing file is created empty and
// reads as empty), splits each line on the separator and stores field j in
// column j. A line shorter than its record loads what it has, the rest
// empty. Every line is loaded: the table grows past the records it was made
// for, so that the next rewrite writes every record back. A writer rewrites
// the whole file through a temporary file, so a failure never leaves half a
// register, and says so when it fails.
#pragma once

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/date.h"
#include "platform/record_file.h"
#include "platform/text.h"
#include "records/app.h"

namespace ga {

// What separates the fields of a record in the "*"-separated registers.
inline constexpr std::string_view kSeparatore = "*";

// Field j of a split line, or "" when the line has fewer fields.
std::string campo_di(const std::vector<std::string>& campi, std::size_t j);

// Lines of a register; a missing file is created empty. nullopt when the
// file can neither be read nor created.
std::optional<std::vector<std::string>> leggi_righe(const std::string& percorso);

// The common loader: every line of the file into the table, which makes
// room for them at once; `riga(i, testo)` stores record i straight from its
// line (metti_riga, for the large registers: no fields in between). Returns
// the number of records stored.
template <class Row, class Riga>
int carica_righe(const std::string& percorso, Tabella<Row>& tabella, Riga riga) {
    int i = 0;
    plat::read_all_lines(
        percorso, [&](std::size_t n) { tabella.riserva(n); },
        [&](std::string_view testo) {
            tabella.allarga(++i);
            riga(i, testo);
            return true;
        });
    return i;
}

// The same with each line split on the separator first: `riga(i, campi)`
// stores record i (the fields are its to keep: it may move them).
template <class Row, class Riga>
int carica_registro(const std::string& percorso, std::string_view separatore, Tabella<Row>& tabella,
                    Riga riga) {
    std::vector<std::string> campi;  // made once, its fields reused line after line
    return carica_righe(percorso, tabella, [&](int i, std::string_view testo) {
        plat::split_into(testo, separatore, campi);
        riga(i, campi);
    });
}

// Rewrites a register whole. On failure the old file stays and the user is
// told; false then. A line holding a line break is refused, nothing written.
// Inside an open `Salvataggio` the file joins the unit (written at its
// `conferma`).
bool scrivi_registro(App& app, const std::string& percorso, const std::vector<std::string>& righe);
// The same from its `righe` lines already joined, each ended by CR LF: a
// register of ten thousand records built as one text.
bool scrivi_testo_registro(App& app, const std::string& percorso, std::string_view testo,
                           std::size_t righe);
// Appends one line to a journal; false (after a message) on failure. Inside
// an open `Salvataggio`, the same as `scrivi_registro`.
bool aggiungi_riga(App& app, const std::string& percorso, std::string_view riga);

// Rows past the count are emptied at every load: a writer that reaches past
// the count (a new record, a gap before it) must find nothing there, never
// what an older, longer file once held.
template <class Row>
void svuota_oltre(Tabella<Row>& t, int n) {
    for (int i = n + 1; i <= t.capacita(); ++i) t[i] = Row{};
}

// Fields 0 to N-1 of a line into the row ("" past its end), each written
// over the row's own text; returns how many fields the line has.
template <std::size_t N>
std::size_t metti_riga(Campi<N>& r, std::string_view riga) {
    return plat::split_fields(riga, kSeparatore, r.data(), N);
}

// A writer's record index names a row of its table, or the row after the
// last for a new record, which the table makes room for: a register takes
// records past the number it was made for, as its file may hold them.
template <class Row>
bool indice_ammesso(App& app, long k, Tabella<Row>& t) {
    if (!t.ammesso(k)) {
        app.msgbox("IL NUMERO DELLA REGISTRAZIONE NON E' VALIDO (" + std::to_string(k) +
                       ").\rLA REGISTRAZIONE NON E' STATA FATTA.",
                   plat::Buttons::Ok, "AVVISO ERRORE", plat::Icon::Exclamation);
        return false;
    }
    t.allarga(static_cast<int>(k));
    return true;
}

// Last row a rewrite writes: the larger of the count and the record saved,
// never past the table.
inline int limite(long n, long k, int capacita) {
    return static_cast<int>(std::clamp<long>(std::max(n, k), 0, capacita));
}

// The lines a rewrite writes of records 1 to `fine`: each record's fields
// joined by the separator, leaving out the records whose key (field
// `chiave`) is "CANC" or empty.
template <std::size_t N>
std::vector<std::string> righe_tenute(Tabella<Campi<N>>& t, int fine, std::size_t chiave,
                                      std::string_view separatore) {
    std::vector<std::string> righe;
    for (int i = 1; i <= fine; ++i) {
        const Campi<N>& r = t[i];
        if (r[chiave] == "CANC" || r[chiave].empty()) continue;
        righe.push_back(plat::join(std::vector<std::string>(r.begin(), r.end()), separatore));
    }
    return righe;
}

// True when no value contains the separator or a line break (CR or LF).
// Otherwise shows which value holds it and returns false: such a value would
// split its record, or its line, when the file is read back, so nothing must
// be written. Every writer checks its values here.
bool senza_separatore(App& app, const std::vector<std::string>& valori,
                      std::string_view separatore);

// The checks the writers share before they write.
// Tells the user why nothing was written ("motivo" and a closing line);
// always false, so a writer can `return registrazione_rifiutata(...)`.
bool registrazione_rifiutata(App& app, const std::string& motivo);
// The date a box holds, or nullopt after telling the user: a register never
// gets "no date" in place of a date the user meant to give.
std::optional<plat::Date> data_registrabile(App& app, std::string_view testo,
                                            std::string_view cosa);
// True when no value holds the "*" separator or a line break, either of
// which would split its record when the file is read back; otherwise tells
// the user which value and returns false.
bool valori_registrabili(App& app, const std::vector<std::string>& valori);

// Two codes are the same when they are the same number ("10" is "0010");
// a code that is not a number equals only itself; a blank code matches
// nothing.
bool stesso_codice(const std::string& a, const std::string& b);

}  // namespace ga
