#include "records/vie.h"

#include "platform/text.h"
#include "records/archivio.h"
#include "records/caselle.h"

namespace ga {

namespace {

// The streets file closes every line with this literal last field.
constexpr std::string_view kFineVia = "* $$";

void scrivi_via(std::string& testo, const RigaVia& v) {
    testo += v[vie::codice] + "*" + v[vie::vuoto] + "*" + v[vie::nome];
    testo += kFineVia;
}

bool via_tolta(const RigaVia& v) { return v[vie::nome] == "CANC"; }

}  // namespace

const Formato<RigaVia> kFormatoVie{kSeparatore, 4, scrivi_via, via_tolta};

void carica_vie(App& app) {
    Stato& s = app.s;
    const int n = carica_righe(s.percorso_vie, s.vie,
                               [&](int i, std::string_view r) { metti_riga(s.vie[i], r); });
    svuota_oltre(s.vie, n);
    segnala_illeggibili(app, s.percorso_vie, s.vie);
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
    const bool ok =
        riscrivi_tabella(app, s.percorso_vie, s.vie, limite(n, k, s.vie.capacita()), kFormatoVie);
    carica_vie(app);
    return ok;
}

}  // namespace ga
