#include "records/vie.h"

#include "platform/text.h"
#include "records/archivio.h"
#include "records/caselle.h"

namespace ga {

namespace {

// The streets file closes every line with this literal last field.
constexpr std::string_view kFineVia = "* $$";

}  // namespace

void carica_vie(App& app) {
    Stato& s = app.s;
    const int n = carica_righe(s.percorso_vie, s.vie, [&](int i, std::string_view r) {
        // A line without any separator is no street; it still takes its
        // line number.
        if (metti_riga(s.vie[i], r) < 2) s.vie[i] = Campi<3>{};
    });
    svuota_oltre(s.vie, n);
    app.imposta_conta(kContaVie, n);
}

bool registra_via(App& app) {
    Stato& s = app.s;
    const long n = app.conta(kContaVie);
    const long k = app.conta(kSchedaRecordVia);
    const std::string nome = plat::trim(app.testo(kSchedaVia));
    if (!indice_ammesso(app, k, s.vie)) return false;
    if (!senza_separatore(app, {nome}, kSeparatore)) return false;

    s.vie[static_cast<int>(k)] = {plat::pad_code(std::to_string(k), 4), "", nome};
    std::vector<std::string> righe;
    for (int i = 1; i <= limite(n, k, s.vie.capacita()); ++i) {
        const Campi<3>& v = s.vie[i];
        if (v[2] == "CANC") continue;
        righe.push_back(v[0] + "*" + v[1] + "*" + v[2] + std::string(kFineVia));
    }
    const bool ok = scrivi_registro(app, s.percorso_vie, righe);
    carica_vie(app);
    return ok;
}

}  // namespace ga
