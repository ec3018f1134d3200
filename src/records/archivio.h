// The common steps of every register's loader and writer.
//
// A loader opens its file for reading (a missing file is created empty and
// reads as empty), splits each line on the separator and stores field j in
// column j. A line shorter than its record loads what it has, the rest
// empty. Every line is loaded: the table grows past the records it was made
// for, so that the next rewrite writes every record back. A writer rewrites
// the whole file through a temporary file, so a failure never leaves half a
// register, and says so when it fails. A rewrite changes only the records
// the operation changed: every other line comes back as it was read.
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

// Whether the program can read a line of a register as a record: a blank
// line never is, nor (where a record needs more than one field) a line
// without the separator. A line it cannot read still takes its row, so that
// every later record keeps its number, holds an empty row, is shown nowhere,
// and is written back as it stood.
bool riga_leggibile(std::string_view testo, std::string_view separatore,
                    bool un_campo_basta = false);

// The common loader: every line of the file into the table, which makes
// room for them at once; `riga(i, testo)` stores record i straight from its
// line (metti_riga, for the large registers: no fields in between). Each
// line is remembered with the row made of it, for the rewrite. nullopt when
// the file can neither be read nor created; else the rows stored.
template <class Row, class Riga>
std::optional<int> leggi_tabella(const std::string& percorso, Tabella<Row>& tabella,
                                 std::string_view separatore, bool un_campo_basta, Riga riga) {
    int i = 0;
    tabella.inizia_lettura();
    const bool letto = plat::read_all_lines(
        percorso, [&](std::size_t n) { tabella.riserva(n); },
        [&](std::string_view testo) {
            tabella.allarga(++i);
            const bool leggibile = riga_leggibile(testo, separatore, un_campo_basta);
            if (leggibile) riga(i, testo);
            else
                tabella[i] = Row{};
            tabella.ricorda(i, testo, leggibile);
            return true;
        });
    if (!letto) return std::nullopt;
    return i;
}

// The same over a "*"-separated register, an unreadable file read as empty.
template <class Row, class Riga>
int carica_righe(const std::string& percorso, Tabella<Row>& tabella, Riga riga) {
    return leggi_tabella(percorso, tabella, kSeparatore, false, riga).value_or(0);
}

// The same with each line split on the separator first: `riga(i, campi)`
// stores record i (the fields are its to keep: it may move them).
template <class Row, class Riga>
int carica_registro(const std::string& percorso, std::string_view separatore, Tabella<Row>& tabella,
                    Riga riga) {
    std::vector<std::string> campi;  // made once, its fields reused line after line
    return leggi_tabella(percorso, tabella, separatore, false,
                         [&](int i, std::string_view testo) {
                             plat::split_into(testo, separatore, campi);
                             riga(i, campi);
                         })
        .value_or(0);
}

// Tells the user, the first time in this session that the register at
// `percorso` is loaded with lines the program cannot read, how many there
// are and the first, and that they are kept as they are. Run on the
// program's thread after the load.
void segnala_illeggibili(App& app, const std::string& percorso, int quante, int prima);
template <class Row>
void segnala_illeggibili(App& app, const std::string& percorso, const Tabella<Row>& t) {
    segnala_illeggibili(app, percorso, t.illeggibili(), t.prima_illeggibile());
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

// How a register's records are written: the separator, how many fields the
// program writes, the line of a record, and which records a rewrite leaves
// out (a record the operation deleted).
template <class Row>
struct Formato {
    std::string_view separatore;
    std::size_t campi;
    void (*scrivi)(std::string& testo, const Row& r);
    bool (*tolta)(const Row& r);
};

// What a line holds past its first `campi` fields: from the separator that
// ends field `campi` - 1 to the end ("" for a line with no more fields).
std::string_view campi_oltre(std::string_view riga, std::string_view separatore, std::size_t campi);

// The text of a rewrite of rows 1 to `fine` (at least every line the last
// load read), `di(i)` giving row i as the operation left it. A row left as
// it was read is its line as read, byte for byte (blank, unreadable, long
// and hand-edited lines included); a changed row is the program's line
// followed by any fields past those the program writes that its line held;
// a changed row the format leaves out is not written. `righe` counts the
// lines.
template <class Row, class Di>
std::string testo_riscritto(Tabella<Row>& t, long fine, const Formato<Row>& f, Di di,
                            std::size_t& righe) {
    const long ultima = std::max<long>(fine, t.righe_lette());
    std::string testo;
    righe = 0;
    for (int i = 1; i <= ultima; ++i) {
        const Row& r = di(i);
        const bool letta = i <= t.righe_lette();
        if (letta && r == t.letta(i).riga) {
            testo += t.letta(i).testo;
        } else {
            if (f.tolta(r)) continue;
            f.scrivi(testo, r);
            if (letta) testo += campi_oltre(t.letta(i).testo, f.separatore, f.campi);
        }
        testo += "\r\n";
        ++righe;
    }
    return testo;
}

// The rewrite of a register from its table (see `testo_riscritto`) after
// the operation changed its rows; false (after a message) on failure.
template <class Row>
bool riscrivi_tabella(App& app, const std::string& percorso, Tabella<Row>& t, long fine,
                      const Formato<Row>& f) {
    std::size_t righe = 0;
    const std::string testo = testo_riscritto(
        t, std::min<long>(fine, t.capacita()), f, [&](int i) -> const Row& { return t[i]; }, righe);
    return scrivi_testo_registro(app, percorso, testo, righe);
}

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
bool registrazione_rifiutata(App& app, const std::string& motivo);

// A row whose line the program could not read is no record to write over:
// the line stays as it is.
template <class Row>
bool riga_illeggibile(const Tabella<Row>& t, long k) {
    return k >= 1 && k <= t.righe_lette() && !t.letta(static_cast<int>(k)).leggibile;
}
std::string motivo_riga_illeggibile(long k);

template <class Row>
bool indice_ammesso(App& app, long k, Tabella<Row>& t) {
    if (riga_illeggibile(t, k)) return registrazione_rifiutata(app, motivo_riga_illeggibile(k));
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

// The format of the registers whose records are N fields joined by "*",
// a record whose key (field `Chiave`) is "CANC" or empty left out.
template <std::size_t N>
void scrivi_campi(std::string& testo, const Campi<N>& r) {
    for (std::size_t j = 0; j < N; ++j) {
        if (j > 0) testo += kSeparatore;
        testo += r[j];
    }
}
template <std::size_t N, std::size_t Chiave>
bool chiave_tolta(const Campi<N>& r) {
    return r[Chiave] == "CANC" || r[Chiave].empty();
}
template <std::size_t N, std::size_t Chiave>
inline constexpr Formato<Campi<N>> kFormatoCampi{kSeparatore, N, scrivi_campi<N>,
                                                 chiave_tolta<N, Chiave>};

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
