#include "records/note.h"

#include <algorithm>
#include <vector>

#include "platform/number.h"
#include "platform/text.h"
#include "records/archivio.h"
#include "records/caselle.h"

namespace ga {

namespace {

constexpr std::string_view kAcconto = " - Versato ACCONTO IL ";
constexpr std::string_view kRestituita = " - RESTITUITA CAUZIONE IL ";

std::string riga_di(const RigaNota& n) {
    // An element that holds no note is written as an empty line, so that
    // every later note keeps its number.
    if (n == RigaNota{}) return "";
    return n[nota::testo] + "*" + n[nota::prenotazione] + "*" + n[nota::appartamento];
}

void scrivi_nota(std::string& testo, const RigaNota& n) { testo += riga_di(n); }

bool mai_tolta(const RigaNota&) { return false; }

// A note stored, or one after the last row, which the table makes room
// for: the notes of a year may pass the number the table was made for.
bool numero_ammesso(App& app, long k) {
    if (!app.s.note.ammesso(k))
        return registrazione_rifiutata(
            app, "IL NUMERO DELLA NOTA NON E' VALIDO (" + std::to_string(k) + ").");
    app.s.note.allarga(static_cast<int>(k));
    return true;
}

bool registrabile(App& app, const RigaNota& n) {
    return valori_registrabili(app, {n[nota::testo], n[nota::prenotazione], n[nota::appartamento]});
}

}  // namespace

const Formato<RigaNota> kFormatoNote{kSeparatore, nota::kCampi, scrivi_nota, mai_tolta};

Caricamento caricamento_note(App& app) {
    Stato& s = app.s;
    return {[&s] {
                // A blank line keeps its note number but holds no note; a
                // note may be its text alone.
                const int n =
                    leggi_tabella(s.percorso_note, s.note, kSeparatore, true,
                                  [&](int i, std::string_view r) { metti_riga(s.note[i], r); })
                        .value_or(0);
                svuota_oltre(s.note, n);
                return n;
            },
            [&app](int n) {
                segnala_illeggibili(app, app.s.percorso_note, app.s.note);
                app.imposta_conta(kContaNote, n);
            }};
}

void carica_note(App& app) { carica_insieme({caricamento_note(app)}); }

bool aggiungi_nota(App& app) {
    Stato& s = app.s;
    const std::string op = s.operazione;
    // Numbered from the file as it is now: a note appended since the last
    // load already took the line after the loaded ones, and a second note
    // with its number would leave a booking pointing at the wrong text.
    carica_note(app);
    const long k = app.conta(kContaNote) + 1;
    if (!numero_ammesso(app, k)) return false;

    auto box = [&](const Casella& c) { return app.testo(c); };
    RigaNota nota;
    if (op == "ACCON" || op == "SALDO") {
        const std::string_view rimarca = op == "ACCON" ? kAcconto : " - SALDATO IL  ";
        nota = {box(kVisuNota) + std::string(rimarca) + box(kSaldoData), box(kSaldoPrenotazione),
                box(kSaldoCodiceAppartamento)};
    } else if (op == "INSNOTAAFF") {
        nota = {box(kNotaTesto), box(kNotaPrenotazione), box(kNotaAppartamento)};
    } else if (op == "RESTCAUZIONE") {
        // The booking had no note: the new one holds the remark alone.
        nota = {std::string(kRestituita) + box(kCauzioneData), box(kCauzionePrenotazione),
                box(kCauzioneAppartamento)};
    } else {
        nota = {box(kPrenNota), box(kPrenNumero), box(kPrenAppartamento)};
    }
    if (!registrabile(app, nota)) return false;

    if (!aggiungi_riga(app, s.percorso_note, riga_di(nota))) return false;
    s.note[static_cast<int>(k)] = nota;
    const std::string numero = std::to_string(k);
    if (op == "ACCON" || op == "SALDO") {
        app.imposta(kVisuNota, nota[nota::testo]);
        s.numero_nota = numero;
    } else if (op == "INSNOTAAFF") {
        s.numero_nota = numero;
    } else if (op == "RESTCAUZIONE") {
        app.imposta(kCauzioneNota, nota[nota::testo]);
        s.numero_nota = numero;
    }
    app.campo(kNotaScritta).set_value(1);
    return true;
}

bool registra_note(App& app) {
    Stato& s = app.s;
    const std::string op = s.operazione;
    // Worked on the file as it is now, so that a note appended since the
    // last load is neither overwritten nor left out.
    carica_note(app);
    const long conteggio = app.conta(kContaNote);

    auto box = [&](const Casella& c) { return app.testo(c); };
    std::string numero;
    RigaNota nota;
    if (op == "SALDO") {
        numero = s.numero_nota;
        nota = {box(kVisuNota) + " - SALDATO IL " + box(kSaldoData), box(kSaldoPrenotazione),
                plat::pad_code(plat::trim(std::to_string(s.appartamento_corrente)), 4)};
    } else if (op == "ACCON") {
        // A new note after the last one; the old note stays as it was.
        numero = std::to_string(conteggio + 1);
        nota = {box(kVisuNota) + std::string(kAcconto) + box(kSaldoData), box(kSaldoPrenotazione),
                box(kSaldoCodiceAppartamento)};
    } else if (op == "RESTCAUZIONE") {
        numero = box(kCauzioneNumeroNota);
    } else if (op == "INSNOTAAFF") {
        numero = box(kNotaNumero);
        nota = {box(kNotaTesto), box(kNotaPrenotazione), box(kNotaAppartamento)};
    } else {
        return registrazione_rifiutata(
            app, "OPERAZIONE NON PREVISTA PER L'ARCHIVIO DELLE NOTE: \"" + op + "\".");
    }
    const long k = plat::leading_int(numero);
    if (!numero_ammesso(app, k)) return false;
    if (op == "RESTCAUZIONE") {
        nota = s.note[static_cast<int>(k)];
        nota[nota::testo] += std::string(kRestituita) + app.testo(kCauzioneData);
    }
    if (!registrabile(app, nota)) return false;

    s.note[static_cast<int>(k)] = nota;
    const bool ok =
        riscrivi_tabella(app, s.percorso_note, s.note, std::max(conteggio, k), kFormatoNote);
    // Reloaded either way: after a failure the table is again what the file holds.
    carica_note(app);
    if (!ok) return false;

    s.numero_nota = numero;
    if (op == "ACCON") app.imposta(kVisuNota, nota[nota::testo]);
    if (op == "RESTCAUZIONE") app.imposta(kCauzioneNota, nota[nota::testo]);
    return true;
}

}  // namespace ga
