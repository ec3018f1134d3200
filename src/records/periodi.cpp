#include "records/periodi.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/date.h"
#include "platform/number.h"
#include "platform/text.h"
#include "records/archivio.h"
#include "records/caselle.h"
#include "records/prenotazioni.h"
#include "records/salvataggio.h"

namespace ga {

namespace {

constexpr const char* kTitolo = "AGGIORNAMENTO PERIODI";
// Fields of a booking line: its closing date, its movement link and its
// period number.
constexpr std::size_t kCampoChiusura = 9, kCampoLegame = 11, kCampoPeriodo = 12;

using plat::Date;

// A period the operation gives the code "CANC" or "" is not written at the
// rewrite.
bool da_togliere(const std::string& codice) { return codice == "CANC" || codice.empty(); }

void scrivi_periodo(std::string& testo, const RigaPeriodo& q) {
    testo += plat::join({q.codice, q.dal, q.al, q.prezzo, q.stato}, kSeparatore);
}

bool periodo_tolto(const RigaPeriodo& q) { return da_togliere(q.codice); }

// The text of the date in a field. A field that is no date (only a hand-edited
// file has one) is kept as it is, so that a rewrite does not destroy it; the
// date rules then leave that period alone.
std::string testo_data(const std::string& campo) {
    const auto d = Date::parse(campo);
    return d ? d->text() : campo;
}

std::optional<Date> data_di(const std::string& testo) { return Date::parse(testo); }

// Codes are compared by their numeric value ("0012" is 12).
bool stesso_appartamento(const RigaPeriodo& p, double codice) {
    return plat::leading_number(p.codice) == codice;
}

bool rifiuta(App& app, const std::string& motivo) {
    app.msgbox(motivo + "\rIL FILE DEI PERIODI NON E' STATO MODIFICATO.", plat::Buttons::Ok,
               kTitolo, plat::Icon::Exclamation);
    return false;
}

std::string numero_non_valido(long k) {
    return "NUMERO DI PERIODO NON VALIDO (" + std::to_string(k) + ").";
}

// The periods being changed: a working copy of rows 1 to the bound, so that
// a refusal half-way leaves the table exactly as the file.
using Copia = std::vector<RigaPeriodo>;

// --- the apartment card writes or deletes one period --------------------------

bool cambia_da_scheda(App& app, Copia& p, long k) {
    Stato& s = app.s;
    const std::string& modo = s.azione_corrente;
    if (modo == "cancella") {
        p[static_cast<std::size_t>(k)].codice = "CANC";
        return true;
    }
    if (modo != "modifica" && modo != "zeltra" && !modo.empty()) return true;

    const long n = plat::leading_int(s.indice_calendario);
    const long m = plat::leading_int(s.indice_riga);
    plat::Control* inizio = app.trova(kSchedaDate, n);
    plat::Control* fine = app.trova(kSchedaDate, n + 1);
    plat::Control* prezzo = app.trova(kSchedaPrezzi, m);
    plat::Control* stato = app.trova(kSchedaStati, m + 18);
    if (!inizio || !fine || !prezzo || !stato)
        return rifiuta(app, "LA RIGA DEL PERIODO DA REGISTRARE NON E' VALIDA.");
    if (inizio->date().is_zero() || fine->date().is_zero())
        return rifiuta(app, "LE DATE DEL PERIODO NON SONO VALIDE.");
    // A period names its apartment: a card whose apartment is not on file
    // (a new one whose save failed) has none to name yet.
    const std::string appartamento = plat::trim(app.testo(kSchedaCodice));
    if (!da_togliere(appartamento) &&
        s.appartamenti_per_codice.primo(plat::leading_int(appartamento),
                                        app.conta(kContaAppartamenti)) == 0)
        return rifiuta(app, "L'APPARTAMENTO " + appartamento +
                                " NON E' REGISTRATO: SALVARE PRIMA LA SCHEDA DELL'APPARTAMENTO.");

    RigaPeriodo riga{std::to_string(k),     plat::pad_code(app.testo(kSchedaCodice)),
                     inizio->date().text(), fine->date().text(),
                     prezzo->text(),        stato->text()};
    if (!senza_separatore(app, {riga.codice, riga.prezzo, riga.stato}, kSeparatore)) return false;
    p[static_cast<std::size_t>(k)] = std::move(riga);
    return true;
}

// --- a booking a..b of period k of apartment c ----------------------------------

void prenota(Copia& p, long n, long k, Date a, Date b, double c, const std::string& anno) {
    RigaPeriodo& pk = p[static_cast<std::size_t>(k)];
    const auto inizio_k = data_di(pk.dal), fine_k = data_di(pk.al);
    // A booking that starts with the period and runs past its end keeps the
    // period's own dates; any other booking gives the period its dates.
    if (!(inizio_k && *inizio_k == a && fine_k && *fine_k < b)) {
        pk.dal = a.text();
        pk.al = b.text();
    }
    pk.stato = "AFF";

    const Date fine_mese_a = Date::from_dmy_lenient(0, a.month() + 1, a.year());
    const auto inizio_mese_b = Date::parse("01/" + std::to_string(b.month()) + "/" + anno);

    for (long i = 1; i <= n; ++i) {
        RigaPeriodo& q = p[static_cast<std::size_t>(i)];
        if (!stesso_appartamento(q, c)) continue;
        const auto inizio = data_di(q.dal), fine = data_di(q.al);
        if (!inizio || !fine) continue;
        const Date si = *inizio, ei = *fine;

        // Inside the booking (but not the booked dates themselves): rented.
        if (a <= si && ei <= b && !(si == a && ei == b)) {
            q.stato = "AFF";
            continue;
        }
        if (si.month() == a.month()) {
            // A free month-long period touched by the booking is partly taken...
            if (Date::days_between(si, ei) >= 28 && q.stato == "LIB") q.stato = "OCC";
            // ...and rented when the booking fills its half from either end.
            if ((a.day() > 15 && ei == b) || (si == a && b.day() < 17)) {
                q.stato = "AFF";
                continue;
            }
        }
        if (a.month() < b.month()) {
            if (a.day() > 15 && ei == fine_mese_a) q.stato = "AFF";
            else if (inizio_mese_b &&
                     ((si == *inizio_mese_b && ei > b) || (si > *inizio_mese_b && ei == b)))
                q.stato = "OCC";
        }
    }
}

// --- the revocation of the booking a..b of period k of apartment c --------------

void revoca(Copia& p, long n, long k, Date a, Date b, double c) {
    p[static_cast<std::size_t>(k)].stato = "LIB";

    // Per month, the state of the first-half, second-half and whole-month
    // periods met so far in this revocation, and which was filled last.
    using Mesi = std::array<std::string, 13>;
    Mesi uno, due, toto;
    Mesi* ultimo = nullptr;

    for (long i = 1; i <= n; ++i) {
        RigaPeriodo& q = p[static_cast<std::size_t>(i)];
        if (!stesso_appartamento(q, c)) continue;
        const auto inizio = data_di(q.dal), fine = data_di(q.al);
        if (!inizio || !fine) continue;
        const int ms = inizio->month(), me = fine->month();
        const int ds = inizio->day(), de = fine->day();
        if (ms != a.month()) continue;

        const auto ms_i = static_cast<std::size_t>(ms);
        if (ms == me && ds >= 1 && de <= 16) {
            uno[ms_i] = q.stato;
            ultimo = &uno;
        }
        if (ms == me && ds >= 16 && de <= 31) {
            due[ms_i] = q.stato;
            ultimo = &due;
        }
        if (ms == me && ds >= 1 && ds < 15 && de > 16 && de <= 31) {
            toto[ms_i] = q.stato;
            ultimo = &toto;
        }
        if (q.stato == "LIB") continue;

        const bool meta_libere = uno[ms_i] == "LIB" && due[ms_i] == "LIB";
        if (*inizio == a && *fine == b) {
            if (ultimo) (*ultimo)[ms_i] = "LIB";
            q.stato = "LIB";
        } else if (*inizio == a && de >= 2 && de <= 16) {
            q.stato = "LIB";
            uno[ms_i] = "LIB";
        } else if (*inizio == a && de >= 17 && de <= 31 && meta_libere) {
            q.stato = "LIB";
        } else if (ds >= 1 && ds <= 16 && *fine == b) {
            q.stato = "LIB";
            due[ms_i] = "LIB";
        } else if (ds >= 17 && ds <= 31 && *fine == b) {
            q.stato = "LIB";
        } else if (ds >= 1 && ds < 15 && de > 16 && de <= 31 && meta_libere) {
            q.stato = "LIB";
        }
    }
}

// --- the bookings that point into the periods file -------------------------------

// A stored period number with a new value, in the style it was written:
// the text around the digits is kept, and a zero-padded number keeps its width.
std::string con_numero(const std::string& testo, long numero) {
    const std::size_t da = testo.find_first_of("0123456789");
    if (da == std::string::npos) return testo;
    std::size_t a = testo.find_first_not_of("0123456789", da);
    if (a == std::string::npos) a = testo.size();
    std::string cifre = std::to_string(numero);
    const std::size_t larghezza = a - da;
    if (testo[da] == '0' && larghezza > 1 && cifre.size() < larghezza)
        cifre.insert(0, larghezza - cifre.size(), '0');
    return testo.substr(0, da) + cifre + testo.substr(a);
}

// A revoked booking: a closing date and a movement link beginning "REVOC".
bool revocata(const std::vector<std::string>& campi) {
    if (campi.size() <= kCampoLegame) return false;
    const auto chiusura = Date::parse(plat::trim(campi[kCampoChiusura]));
    return chiusura && !chiusura->is_zero() && plat::starts_with(campi[kCampoLegame], "REVOC");
}

// Bookings keep the number of their period, and that number is a line of the
// periods file: dropping lines moves every later period up. So a line that a
// booking points to may not be dropped, and the bookings that point past a
// dropped line follow their period. `tolte` (ascending) are the lines dropped.
// Returns the bookings file to write (an empty optional inside when nothing
// changes), or nullopt when the change is refused (the user has been told).
std::optional<std::optional<std::vector<std::string>>> prenotazioni_rinumerate(
    App& app, const std::vector<long>& tolte) {
    using Risultato = std::optional<std::vector<std::string>>;
    if (tolte.empty()) return Risultato{};
    const std::string& percorso = app.s.percorso_prenotazioni;
    auto righe = leggi_righe(percorso);
    if (!righe) {
        rifiuta(app, "IMPOSSIBILE LEGGERE IL FILE " + percorso +
                         ":\rNON SI PUO' VERIFICARE SE IL PERIODO E' PRENOTATO.");
        return std::nullopt;
    }
    bool cambiate = false;
    for (std::size_t j = 0; j < righe->size(); ++j) {
        std::string& riga = (*righe)[j];
        // A blank line holds no booking but keeps its number.
        if (riga.empty()) continue;
        auto campi = plat::split(riga, kSeparatore);
        if (campi.size() <= kCampoPeriodo) continue;
        const long v = plat::leading_int(campi[kCampoPeriodo]);
        if (v < 1) continue;
        if (std::binary_search(tolte.begin(), tolte.end(), v)) {
            // A revoked booking no longer holds its period; its number is
            // left as it was written.
            if (revocata(campi)) continue;
            rifiuta(app, "IL PERIODO N. " + std::to_string(v) +
                             " NON PUO' ESSERE CANCELLATO: E' PRENOTATO (PRENOTAZIONE N. " +
                             std::to_string(j + 1) + ").\rREVOCARE PRIMA LA PRENOTAZIONE.");
            return std::nullopt;
        }
        const auto prima = std::lower_bound(tolte.begin(), tolte.end(), v) - tolte.begin();
        if (prima == 0) continue;
        campi[kCampoPeriodo] = con_numero(campi[kCampoPeriodo], v - prima);
        riga = plat::join(campi, kSeparatore);
        cambiate = true;
    }
    if (!cambiate) return Risultato{};
    return Risultato{std::move(*righe)};
}

}  // namespace

const Formato<RigaPeriodo> kFormatoPeriodi{kSeparatore, periodo::kCampi, scrivi_periodo,
                                           periodo_tolto};

void carica_periodi(App& app) {
    Stato& s = app.s;
    // Short lines load what they have (the missing fields empty); a blank or
    // unreadable line holds no period and keeps its number.
    const int n = carica_registro(
        s.percorso_periodi, kSeparatore, s.periodi, [&](int i, const std::vector<std::string>& c) {
            s.periodi[i] = RigaPeriodo{std::to_string(i),
                                       campo_di(c, periodo::codice),
                                       testo_data(campo_di(c, periodo::dal)),
                                       testo_data(campo_di(c, periodo::al)),
                                       campo_di(c, periodo::prezzo),
                                       campo_di(c, periodo::stato)};
        });
    segnala_illeggibili(app, s.percorso_periodi, s.periodi);
    app.imposta_conta(kContaPeriodi, n);
    app.imposta_conta(kSchedaPeriodo, n);
    app.imposta_conta(kModPeriodiConta, n);
}

void azzera_righe_periodi(App& app) {
    Stato& s = app.s;
    s.valore_salvato = "0";
    s.azione_corrente = "";
    s.indice_calendario = "0";
    s.indice_riga = "0";
    for (std::size_t r = 1; r <= 16; ++r) {
        s.righe_al[r] = std::string(plat::kNoDate);
        s.righe_dal[r] = std::string(plat::kNoDate);
        s.righe_prezzo[r] = "0";
        s.righe_stato[r] = "";
    }
}

std::optional<std::pair<Date, Date>> date_periodo_revocato(const std::string& periodo) {
    const auto pezzi = plat::split(periodo, "-");
    std::vector<Date> date;
    for (std::size_t i = 1; i < pezzi.size() && date.size() < 2; ++i)
        if (const auto d = Date::parse(plat::trim(pezzi[i]))) date.push_back(*d);
    if (date.size() < 2) return std::nullopt;
    return std::pair{date[0], date[1]};
}

bool aggiorna_periodi(App& app) {
    Stato& s = app.s;
    const std::string operazione = s.operazione;
    if (operazione != "APPARTAMENTO" && operazione != "PRENOTAZIONE" && operazione != "REVOCA")
        return false;

    // The operation's own inputs first: reaching another form may load it,
    // and its load may reload the periods and their count.
    long k = 0;
    Date a, b;
    double c = 0;
    if (operazione == "PRENOTAZIONE") {
        const auto arrivo = Date::parse(app.testo(kPrenArrivo));
        const auto partenza = Date::parse(app.testo(kPrenPartenza));
        k = plat::leading_int(app.testo(kPrenPeriodo));
        c = plat::leading_number(app.testo(kPrenAppartamento));
        if (!arrivo || !partenza)
            return rifiuta(app, "LE DATE DELLA PRENOTAZIONE NON SONO VALIDE.");
        a = *arrivo;
        b = *partenza;
    } else if (operazione == "REVOCA") {
        // The apartment is the code the revocation form was given from the
        // booking, not a column of the row it shows.
        const auto date = date_periodo_revocato(app.testo(kRevocaPeriodo));
        const std::string codice = plat::trim(app.testo(kRevocaCodiceAppartamento));
        k = plat::leading_int(app.testo(kVisuPeriodo));
        if (!date || codice.empty())
            return rifiuta(app, "I DATI DELLA PRENOTAZIONE DA REVOCARE NON SONO VALIDI.");
        a = date->first;
        b = date->second;
        c = plat::leading_number(codice);
    } else {
        k = app.conta(kSchedaPeriodo);
    }
    const long n = std::clamp<long>(app.conta(kContaPeriodi), 0, s.periodi.capacita());

    // The bound of the rewrite. The card writes period k, which may be the new
    // one just past the last; rows further on hold nothing of the file.
    long limite = n;
    if (operazione == "APPARTAMENTO") {
        const std::string& modo = s.azione_corrente;
        const bool scrive = modo == "modifica" || modo == "zeltra" || modo.empty();
        if (scrive || modo == "cancella") {
            if (k < 1 || k > (scrive ? n + 1 : n)) return rifiuta(app, numero_non_valido(k));
            limite = std::max(k, n);
        }
    } else if (k < 1 || k > n) {
        return rifiuta(app, numero_non_valido(k));
    }
    // A line of the file the program cannot read holds no period to book,
    // revoke or change: it stays as it is.
    if (riga_illeggibile(s.periodi, k))
        return rifiuta(app, "LA RIGA DEL PERIODO N. " + std::to_string(k) +
                                " NEL FILE DEI PERIODI NON SI PUO' LEGGERE: RESTA COM'E'.");

    // Every line the load read is in the copy, so that the rewrite gives
    // back each one the operation leaves alone.
    const long lette = std::min<long>(s.periodi.righe_lette(), s.periodi.capacita());
    limite = std::max(limite, lette);
    Copia p(static_cast<std::size_t>(limite) + 1);
    for (long i = 1; i <= std::max(n, lette); ++i)
        p[static_cast<std::size_t>(i)] = s.periodi[static_cast<int>(i)];

    if (operazione == "APPARTAMENTO") {
        if (!cambia_da_scheda(app, p, k)) return false;
    } else if (operazione == "PRENOTAZIONE") {
        prenota(p, n, k, a, b, c, s.anno_gestione);
    } else {
        revoca(p, n, k, a, b, c);
    }

    // The lines of the file that the rewrite drops: the periods the
    // operation deleted.
    std::vector<long> tolte;
    for (long i = 1; i <= lette; ++i) {
        const RigaPeriodo& q = p[static_cast<std::size_t>(i)];
        if (q != s.periodi.letta(static_cast<int>(i)).riga && da_togliere(q.codice))
            tolte.push_back(i);
    }
    std::size_t righe = 0;
    const std::string testo = testo_riscritto(
        s.periodi, limite, kFormatoPeriodi,
        [&](int i) -> const RigaPeriodo& { return p[static_cast<std::size_t>(i)]; }, righe);
    const auto prenotazioni = prenotazioni_rinumerate(app, tolte);
    if (!prenotazioni) return false;

    // The periods and the bookings that follow their numbers are one save.
    Salvataggio salvataggio(app);
    if (!scrivi_testo_registro(app, s.percorso_periodi, testo, righe)) return false;
    if (*prenotazioni && !scrivi_registro(app, s.percorso_prenotazioni, **prenotazioni))
        return false;
    if (!salvataggio.conferma()) return false;

    app.imposta(kSchedaPeriodiScritti, "OK");
    app.imposta(kSchedaRigheAperte, "0");
    carica_periodi(app);
    azzera_righe_periodi(app);
    s.periodi_modificati = " ";
    if (*prenotazioni) carica_prenotazioni(app);
    return true;
}

}  // namespace ga
