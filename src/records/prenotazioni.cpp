#include "records/prenotazioni.h"

#include <algorithm>
#include <vector>

#include "platform/number.h"
#include "platform/record_file.h"
#include "platform/text.h"
#include "records/archivio.h"
#include "records/caselle.h"

namespace ga {

namespace {

// No booking: a row whose line the program could not read, or a booking
// deleted; one the operation deletes is left out at the rewrite.
bool cancellata(const RigaPrenotazione& p) {
    return p.campo[pren::appartamento].empty() || p.campo[pren::appartamento] == "CANC";
}

// The date fields are held both as text and as dates; they change together.
void metti_data(RigaPrenotazione& p, pren::Campo campo, plat::Date d) {
    p.campo[campo] = d.is_zero() ? std::string(plat::kNoDate) : d.text();
    if (campo == pren::arrivo) p.arrivo = d;
    if (campo == pren::partenza) p.partenza = d;
    if (campo == pren::chiusura) p.chiusura = d;
}

// A date field as written: the date in the date form, "0.00.00" for no
// date. A field whose text the loader could not read as a date keeps that
// text, so a rewrite never turns what it cannot read into "no date".
void aggiungi_data(std::string& riga, plat::Date d, const std::string& originale) {
    if (!d.is_zero()) riga += d.text();
    else if (!plat::trimmed(originale).empty() && !plat::is_date(originale))
        riga += originale;
    else
        riga += plat::kNoDate;
}

// The booking's line, added to the register's text.
void scrivi_prenotazione(std::string& testo, const RigaPrenotazione& p) {
    for (std::size_t j = 0; j < p.campo.size(); ++j) {
        if (j > 0) testo += kSeparatore;
        if (j == pren::arrivo) aggiungi_data(testo, p.arrivo, p.campo[pren::arrivo]);
        else if (j == pren::partenza)
            aggiungi_data(testo, p.partenza, p.campo[pren::partenza]);
        else if (j == pren::chiusura)
            aggiungi_data(testo, p.chiusura, p.campo[pren::chiusura]);
        else
            testo += p.campo[j];
    }
}

// The whole record of a new booking, from the booking form.
bool nuova_prenotazione(App& app, RigaPrenotazione& p) {
    auto box = [&](const Casella& c) { return app.testo(c); };
    const auto arrivo = data_registrabile(app, box(kPrenArrivo), "LA DATA DI ARRIVO");
    if (!arrivo) return false;
    const auto partenza = data_registrabile(app, box(kPrenPartenza), "LA DATA DI PARTENZA");
    if (!partenza) return false;
    const std::string acconto = box(kPrenAcconto);
    // The note appended just before took the number after the notes count.
    const std::string nota = app.campo(kNotaScritta).value() == 1
                                 ? std::to_string(app.conta(kContaNote) + 1)
                                 : std::string();
    p = RigaPrenotazione{};
    p.campo = {box(kPrenAppartamento),
               box(kClienteCodice),
               "",
               "",
               box(kPrenAffitto),
               acconto.empty() ? std::string("0,00") : acconto,
               box(kPrenDiritti),
               box(kPrenPulizia),
               box(kPrenCauzione),
               "",
               nota,
               "",
               box(kPrenPeriodo),
               box(kPrenLetti),
               box(kPrenConsumi),
               box(kPrenEnergia),
               box(kPrenLenzuola)};
    metti_data(p, pren::arrivo, *arrivo);
    metti_data(p, pren::partenza, *partenza);
    metti_data(p, pren::chiusura, plat::Date{});
    return true;
}

// The change a later operation makes to an existing booking.
bool modifica_prenotazione(App& app, const std::string& op, RigaPrenotazione& p) {
    Stato& s = app.s;
    if (op == "SALDO") {
        const auto data = data_registrabile(app, app.testo(kSaldoData), "LA DATA DEL PAGAMENTO");
        if (!data) return false;
        metti_data(p, pren::chiusura, *data);
        p.campo[pren::movimento] = app.testo(kContaMovimenti);
        p.campo[pren::nota] = s.numero_nota;
    } else if (op == "ACCON") {
        // Read the Italian way, so that the cents of the advance and of the
        // payment are both counted.
        const double acconto = plat::italian_or_zero(p.campo[pren::acconto]) +
                               plat::italian_or_zero(s.importo_acconto);
        p.campo[pren::acconto] = plat::short_number(acconto);
        metti_data(p, pren::chiusura, plat::Date{});
        p.campo[pren::movimento] = "";
        p.campo[pren::nota] = s.numero_nota;
    } else if (op == "REVOCA") {
        const auto data = data_registrabile(app, app.testo(kRevocaData), "LA DATA DELLA REVOCA");
        if (!data) return false;
        p.campo[pren::affitto] = "0,00";
        metti_data(p, pren::chiusura, *data);
        p.campo[pren::movimento] = "REVOC" + plat::pad_left(app.testo(kContaMovimenti), 3, '0');
    } else {
        // "INSNOTAAFF" and "RESTCAUZIONE": the booking's note number only.
        p.campo[pren::nota] = s.numero_nota;
    }
    return true;
}

}  // namespace

const Formato<RigaPrenotazione> kFormatoPrenotazioni{kSeparatore, pren::kCampi, scrivi_prenotazione,
                                                     cancellata};

Caricamento caricamento_prenotazioni(App& app) {
    Stato& s = app.s;
    return {[&s] {
                // A booking's number is its line: a blank or unreadable
                // line takes its number and holds no booking.
                const int n = carica_righe(
                    s.percorso_prenotazioni, s.prenotazioni, [&](int i, std::string_view testo) {
                        RigaPrenotazione& p = s.prenotazioni[i];
                        metti_riga(p.campo, testo);
                        // "0.00.00", and any text that is no date, is the
                        // zero date.
                        p.arrivo = plat::Date::parse_or_zero(p.campo[pren::arrivo]);
                        p.partenza = plat::Date::parse_or_zero(p.campo[pren::partenza]);
                        p.chiusura = plat::Date::parse_or_zero(p.campo[pren::chiusura]);
                    });
                svuota_oltre(s.prenotazioni, n);
                return n;
            },
            [&app](int n) {
                segnala_illeggibili(app, app.s.percorso_prenotazioni, app.s.prenotazioni);
                app.imposta_conta(kContaPrenotazioni, n);
            }};
}

void carica_prenotazioni(App& app) { carica_insieme({caricamento_prenotazioni(app)}); }

StatoPrenotazione stato_prenotazione(const RigaPrenotazione& p) {
    if (p.chiusura.is_zero()) return StatoPrenotazione::aperta;
    return plat::starts_with(p.campo[pren::movimento], "REVOC") ? StatoPrenotazione::revocata
                                                                : StatoPrenotazione::saldata;
}

bool registra_prenotazioni(App& app) {
    Stato& s = app.s;
    const std::string op = s.operazione;
    long k = 0;
    if (op == "PRENOTAZIONE") k = app.conta(kPrenNumero);
    else if (op == "SALDO" || op == "ACCON")
        k = app.conta(kSaldoPrenotazione);
    else if (op == "REVOCA")
        k = app.conta(kRevocaPrenotazione);
    else if (op == "INSNOTAAFF")
        k = app.conta(kNotaPrenotazione);
    else if (op == "RESTCAUZIONE")
        k = app.conta(kCauzionePrenotazione);
    else
        return registrazione_rifiutata(
            app, "OPERAZIONE NON PREVISTA PER L'ARCHIVIO DELLE PRENOTAZIONI: \"" + op + "\".");

    // A booking stored, or one after the last row: the bookings of a year
    // may pass the number the table was made for.
    if (!s.prenotazioni.ammesso(k))
        return registrazione_rifiutata(
            app, "IL NUMERO DELLA PRENOTAZIONE NON E' VALIDO (" + std::to_string(k) + ").");

    const long conteggio = app.conta(kContaPrenotazioni);
    long n = conteggio;
    RigaPrenotazione p;
    if (op == "PRENOTAZIONE") {
        if (riga_illeggibile(s.prenotazioni, k))
            return registrazione_rifiutata(app, motivo_riga_illeggibile(k));
        n = std::max(conteggio, k);
        if (!nuova_prenotazione(app, p)) return false;
    } else {
        // A change to a booking the file does not hold would be written
        // nowhere and lost without a word.
        if (k > conteggio || cancellata(s.prenotazioni[static_cast<int>(k)]))
            return registrazione_rifiutata(
                app, "LA PRENOTAZIONE N. " + std::to_string(k) + " NON E' PRESENTE IN ARCHIVIO.");
        p = s.prenotazioni[static_cast<int>(k)];
        if (!modifica_prenotazione(app, op, p)) return false;
    }
    if (!valori_registrabili(app, std::vector<std::string>(p.campo.begin(), p.campo.end())))
        return false;

    s.prenotazioni.allarga(static_cast<int>(k));
    s.prenotazioni[static_cast<int>(k)] = p;
    const bool ok =
        riscrivi_tabella(app, s.percorso_prenotazioni, s.prenotazioni, n, kFormatoPrenotazioni);
    // Reloaded either way: after a failure the table is again what the file holds.
    carica_prenotazioni(app);
    if (!ok) return false;
    app.campo(kPrenotazioniScritte).set_value(1);
    return true;
}

}  // namespace ga
