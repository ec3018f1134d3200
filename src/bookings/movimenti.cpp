#include "bookings/movimenti.h"

#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "bookings/archivi_prenotazioni.h"
#include "platform/number.h"
#include "platform/text.h"
#include "records/archivio.h"

namespace ga {

namespace {

constexpr const char* kPren = "prenotazione";
constexpr const char* kSaldo = "saldoaff";

using Colonne = std::array<std::string, 9>;   // column 0 unused: the date

std::string senza_punti(const std::string& t) { return plat::replace_all(t, ".", ""); }

// A payment on a booking. P is the amount paid and R the residual rent, both
// written without their thousands points; R above P is only a further advance.
// Returns the operation it turns out to be.
std::string pagamento(App& app, Colonne& c, std::string& acconto) {
    const std::string p = senza_punti(app.testo(kSaldo, "Text14"));
    const std::string r = senza_punti(app.testo(kSaldo, "Text10"));
    // Compared to the cent: a payment short of the residual by cents is a
    // further advance, not the balance that would close the booking short.
    const long long versato = std::llround(plat::italian_or_zero(p) * 100);
    const long long residuo = std::llround(plat::italian_or_zero(r) * 100);
    c[1] = app.testo(kSaldo, "Text16");
    c[7] = app.testo(kSaldo, "Text3");
    c[8] = app.testo(kSaldo, "Text17");
    if (residuo > versato) {
        acconto = p;
        c[2] = p;
        c[3] = c[4] = c[5] = c[6] = "0";
        return "ACCON";
    }
    // The agency items are collected only with a payment above the
    // residual rent, and only those not waived.
    auto voce = [&](const char* box, const char* spunta) -> std::string {
        const std::string t = app.testo(kSaldo, box);
        if (!(residuo < versato) || app.campo(kSaldo, spunta).value() != 0) return "0";
        return plat::italian_or_zero(t) == 0 ? "0" : t;
    };
    c[2] = "0";
    c[3] = r;
    c[4] = voce("Text18", "Check1");
    c[5] = voce("Text19", "Check2");
    c[6] = voce("Text20", "Check3");
    return "SALDO";
}

// A cleaning or deposit refund at a revocation: minus the amount, as a
// short number; empty when there is nothing to refund ("0,00", "ND", "").
std::string rimborso(const std::string& t) {
    if (plat::leading_number(t) == 0) return "";
    return plat::short_number(-plat::italian_or_zero(t));
}

std::optional<plat::Date> data_scelta(App& app, const char* forma, std::string_view cosa) {
    const plat::Date d = app.campo(forma, "DTPicker1").date();
    if (!d.is_zero()) return d;
    registrazione_rifiutata(app, std::string(cosa) + " NON E' STATA SCELTA.");
    return std::nullopt;
}


}  // namespace

bool registra_movimento(App& app) {
    Stato& s = app.s;
    std::string op = s.operazione;
    std::string acconto = s.importo_acconto;
    std::optional<plat::Date> data;
    Colonne c;
    auto box = [&](const char* forma, const char* nome) { return app.testo(forma, nome); };

    if (op == "SALDO") {
        data = data_registrabile(app, box(kSaldo, "Text15"), "LA DATA DEL PAGAMENTO");
        if (!data) return false;
        op = pagamento(app, c, acconto);
    } else if (op == "PRENOTAZIONE") {
        data = data_registrabile(app, box(kPren, "Text2"), "LA DATA DELLA PRENOTAZIONE");
        if (!data) return false;
        c = {"",           box(kPren, "Text27"), box(kPren, "Text16"),
             box(kPren, "Text17"), "0",          box(kPren, "Text18"),
             box(kPren, "Text19"), box(kPren, "Text1"), box(kPren, "Text7")};
    } else if (op == "REVOCA") {
        data = data_registrabile(app, box("REVOCAPREN", "Text8"), "LA DATA DELLA REVOCA");
        if (!data) return false;
        c = {"",
             box("REVOCAPREN", "Text11"),
             box("REVOCAPREN", "Text7"),
             "0",
             "0",
             rimborso(box("REVOCAPREN", "Text9")),
             rimborso(box("REVOCAPREN", "Text10")),
             box("REVOCAPREN", "Text3"),
             box("REVOCAPREN", "Text12")};
    } else if (op == "RESTCAUZIONE") {
        data = data_registrabile(app, box("RESTCAUZ", "Label12"), "LA DATA DELLA RESTITUZIONE");
        if (!data) return false;
        c = {"", box("RESTCAUZ", "Text4"), "0", "0", "0", "0", box("RESTCAUZ", "Text3"),
             box("RESTCAUZ", "Text1"), box("RESTCAUZ", "Text5")};
    } else if (op == "SPESA") {
        data = data_scelta(app, "spese", "LA DATA DELLA SPESA");
        if (!data) return false;
        c = {"", box("spese", "Text4"), "0", "0", box("spese", "Text8"), "0", "0",
             std::to_string(app.conta("spese", "Text1") + 1), box("spese", "Text5")};
    } else if (op == "SALDOPROP") {
        data = data_scelta(app, "SaldoProprietario", "LA DATA DEL VERSAMENTO");
        if (!data) return false;
        c = {"", box("SaldoProprietario", "Text8"), "0", "0", box("SaldoProprietario", "Text5"),
             "0", "0", "", ""};
    } else {
        return registrazione_rifiutata(
            app, "OPERAZIONE NON PREVISTA PER IL REGISTRO DEI MOVIMENTI: \"" + op + "\".");
    }

    const std::vector<std::string> colonne(c.begin() + 1, c.end());
    if (!valori_registrabili(app, colonne)) return false;

    s.canale_file = canale_libero();
    if (!aggiungi_riga(app, s.percorso_saldi, data->text() + "*" + plat::join(colonne, "*")))
        return false;

    // The decision is handed on only once the movement stands in the journal.
    s.operazione = op;
    if (op == "ACCON") s.importo_acconto = acconto;
    // Only the booking form's "a movement was written" flag is ticked here:
    // the payout, expense and deposit-refund forms guard their own saves,
    // each set by its own recording, so that no other form's movement
    // leaves their buttons dead.
    app.campo(kPren, "Check4").set_value(1);
    carica_saldi(app);
    return true;
}

}  // namespace ga
