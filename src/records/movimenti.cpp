#include "records/movimenti.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

#include "platform/number.h"
#include "platform/text.h"
#include "records/archivio.h"
#include "records/caselle.h"

namespace ga {

namespace {

using Colonne = Campi<movimento::kColonne>;  // the date column unused: the date is written apart

// The columns named, the others "".
Colonne colonne(std::initializer_list<std::pair<movimento::Colonna, std::string>> valori) {
    Colonne c;
    for (const auto& [j, testo] : valori) c[j] = testo;
    return c;
}

std::string senza_punti(const std::string& t) { return plat::replace_all(t, ".", ""); }

// A payment on a booking. P is the amount paid and R the residual rent, both
// written without their thousands points; R above P is only a further advance.
// Returns the operation it turns out to be.
std::string pagamento(App& app, Colonne& c, std::string& acconto) {
    const std::string p = senza_punti(app.testo(kSaldoVersato));
    const std::string r = senza_punti(app.testo(kSaldoResiduo));
    // Compared to the cent: a payment short of the residual by cents is a
    // further advance, not the balance that would close the booking short.
    const long long versato = std::llround(plat::italian_or_zero(p) * 100);
    const long long residuo = std::llround(plat::italian_or_zero(r) * 100);
    c[movimento::parte] = app.testo(kSaldoCodiceProprietario);
    c[movimento::numero] = app.testo(kSaldoPrenotazione);
    c[movimento::appartamento] = app.testo(kSaldoCodiceAppartamento);
    if (residuo > versato) {
        acconto = p;
        c[movimento::acconto] = p;
        c[movimento::saldo] = c[movimento::importo] = c[movimento::pulizia] =
            c[movimento::cauzione] = "0";
        return "ACCON";
    }
    // The agency items are collected only with a payment above the
    // residual rent, and only those not waived.
    auto voce = [&](const Casella& box, const Casella& spunta) -> std::string {
        const std::string t = app.testo(box);
        if (!(residuo < versato) || app.campo(spunta).value() != 0) return "0";
        return plat::italian_or_zero(t) == 0 ? "0" : t;
    };
    c[movimento::acconto] = "0";
    c[movimento::saldo] = r;
    c[movimento::importo] = voce(kSaldoDirittiDaIncassare, kSaldoSenzaDiritti);
    c[movimento::pulizia] = voce(kSaldoPuliziaDaIncassare, kSaldoSenzaPulizia);
    c[movimento::cauzione] = voce(kSaldoCauzioneDaIncassare, kSaldoSenzaCauzione);
    return "SALDO";
}

// A cleaning or deposit refund at a revocation: minus the amount, as a
// short number; empty when there is nothing to refund ("0,00", "ND", "").
std::string rimborso(const std::string& t) {
    if (plat::leading_number(t) == 0) return "";
    return plat::short_number(-plat::italian_or_zero(t));
}

std::optional<plat::Date> data_scelta(App& app, const Casella& data, std::string_view cosa) {
    const plat::Date d = app.campo(data).date();
    if (!d.is_zero()) return d;
    registrazione_rifiutata(app, std::string(cosa) + " NON E' STATA SCELTA.");
    return std::nullopt;
}

}  // namespace

Caricamento caricamento_saldi(App& app) {
    Stato& s = app.s;
    return {[&s] {
                const int n =
                    carica_righe(s.percorso_saldi, s.movimenti, [&](int i, std::string_view r) {
                        RigaMovimento& m = s.movimenti[i];
                        // An empty line keeps its movement number and holds
                        // no movement.
                        if (r.empty()) {
                            m = RigaMovimento{};
                            return;
                        }
                        // A date that cannot be read is kept as the zero
                        // date, with the movement; column 0 holds no text.
                        metti_riga(m.campo, r);
                        m.data = plat::Date::parse_or_zero(m.campo[movimento::data]);
                        m.campo[movimento::data].clear();
                    });
                svuota_oltre(s.movimenti, n);
                return n;
            },
            [&app](int n) {
                app.imposta_conta(kContaMovimenti, n);
                app.imposta_conta(kSpesaContaMovimenti, n);
            }};
}

void carica_saldi(App& app) { carica_insieme({caricamento_saldi(app)}); }

bool registra_movimento(App& app) {
    Stato& s = app.s;
    std::string op = s.operazione;
    std::string acconto = s.importo_acconto;
    std::optional<plat::Date> data;
    Colonne c;
    auto box = [&](const Casella& casella) { return app.testo(casella); };

    if (op == "SALDO") {
        data = data_registrabile(app, box(kSaldoData), "LA DATA DEL PAGAMENTO");
        if (!data) return false;
        op = pagamento(app, c, acconto);
    } else if (op == "PRENOTAZIONE") {
        data = data_registrabile(app, box(kPrenData), "LA DATA DELLA PRENOTAZIONE");
        if (!data) return false;
        c = colonne({{movimento::parte, box(kPrenCodiceProprietario)},
                     {movimento::acconto, box(kPrenAcconto)},
                     {movimento::saldo, box(kPrenDiritti)},
                     {movimento::importo, "0"},
                     {movimento::pulizia, box(kPrenPulizia)},
                     {movimento::cauzione, box(kPrenCauzione)},
                     {movimento::numero, box(kPrenNumero)},
                     {movimento::appartamento, box(kPrenAppartamento)}});
    } else if (op == "REVOCA") {
        data = data_registrabile(app, box(kRevocaData), "LA DATA DELLA REVOCA");
        if (!data) return false;
        c = colonne({{movimento::parte, box(kRevocaCodiceProprietario)},
                     {movimento::acconto, box(kRevocaRestituito)},
                     {movimento::saldo, "0"},
                     {movimento::importo, "0"},
                     {movimento::pulizia, rimborso(box(kRevocaPulizia))},
                     {movimento::cauzione, rimborso(box(kRevocaCauzione))},
                     {movimento::numero, box(kRevocaPrenotazione)},
                     {movimento::appartamento, box(kRevocaCodiceAppartamento)}});
    } else if (op == "RESTCAUZIONE") {
        data = data_registrabile(app, box(kCauzioneData), "LA DATA DELLA RESTITUZIONE");
        if (!data) return false;
        c = colonne({{movimento::parte, box(kCauzioneCodiceProprietario)},
                     {movimento::acconto, "0"},
                     {movimento::saldo, "0"},
                     {movimento::importo, "0"},
                     {movimento::pulizia, "0"},
                     {movimento::cauzione, box(kCauzioneRimborso)},
                     {movimento::numero, box(kCauzionePrenotazione)},
                     {movimento::appartamento, box(kCauzioneAppartamento)}});
    } else if (op == "SPESA") {
        data = data_scelta(app, kSpesaData, "LA DATA DELLA SPESA");
        if (!data) return false;
        c = colonne({{movimento::parte, box(kSpesaCodiceProprietario)},
                     {movimento::acconto, "0"},
                     {movimento::saldo, "0"},
                     {movimento::importo, box(kSpesaImporto)},
                     {movimento::pulizia, "0"},
                     {movimento::cauzione, "0"},
                     {movimento::numero, std::to_string(app.conta(kContaSpese) + 1)},
                     {movimento::appartamento, box(kSpesaAppartamento)}});
    } else if (op == "SALDOPROP") {
        data = data_scelta(app, kVersamentoData, "LA DATA DEL VERSAMENTO");
        if (!data) return false;
        c = colonne({{movimento::parte, box(kVersamentoCodiceProprietario)},
                     {movimento::acconto, "0"},
                     {movimento::saldo, "0"},
                     {movimento::importo, box(kVersamentoImporto)},
                     {movimento::pulizia, "0"},
                     {movimento::cauzione, "0"}});
    } else {
        return registrazione_rifiutata(
            app, "OPERAZIONE NON PREVISTA PER IL REGISTRO DEI MOVIMENTI: \"" + op + "\".");
    }

    const std::vector<std::string> scritte(c.begin() + 1, c.end());
    if (!valori_registrabili(app, scritte)) return false;

    if (!aggiungi_riga(app, s.percorso_saldi,
                       data->text() + std::string(kSeparatore) + plat::join(scritte, kSeparatore)))
        return false;

    // The decision is handed on only once the movement stands in the journal.
    s.operazione = op;
    if (op == "ACCON") s.importo_acconto = acconto;
    // Only the booking form's "a movement was written" flag is ticked here:
    // the payout, expense and deposit-refund forms guard their own saves,
    // each set by its own recording, so that no other form's movement
    // leaves their buttons dead.
    app.campo(kMovimentoScritto).set_value(1);
    carica_saldi(app);
    return true;
}

}  // namespace ga
