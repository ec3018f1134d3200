#include "records/clienti.h"

#include "platform/number.h"
#include "platform/text.h"
#include "records/archivio.h"
#include "records/caselle.h"

namespace ga {

Caricamento caricamento_clienti(App& app) {
    Stato& s = app.s;
    return {[&s] {
                const int n =
                    carica_righe(s.percorso_clienti, s.clienti,
                                 [&](int i, std::string_view r) { metti_riga(s.clienti[i], r); });
                svuota_oltre(s.clienti, n);
                s.clienti_per_codice.costruisci(s.clienti, [](const RigaCliente& c) {
                    return plat::leading_number(c[cliente::codice]);
                });
                return n;
            },
            [&app](int n) {
                segnala_illeggibili(app, app.s.percorso_clienti, app.s.clienti);
                app.imposta_conta(kContaClienti, n);
                // The clients form keeps a copy of the count: while that form
                // is loaded its copy follows every load.
                if (app.form(kNomiConta).is_loaded()) app.imposta_conta(kNomiConta, n);
            }};
}

void carica_clienti(App& app) { carica_insieme({caricamento_clienti(app)}); }

int record_cliente(App& app, std::string_view codice, long clienti) {
    if (plat::trimmed(codice).empty()) return 0;
    return app.s.clienti_per_codice.primo(plat::leading_number(codice), clienti);
}

RigaCliente cliente_in_archivio(App& app, long k) {
    Tabella<RigaCliente>& t = app.s.clienti;
    return k >= 1 && k <= t.capacita() ? t[static_cast<int>(k)] : RigaCliente{};
}

bool registra_cliente(App& app, long k, const RigaCliente& r) {
    Stato& s = app.s;
    const long n = app.conta(kContaClienti);
    if (!indice_ammesso(app, k, s.clienti)) return false;
    if (!senza_separatore(app, std::vector<std::string>(r.begin(), r.end()), kSeparatore))
        return false;

    s.clienti[static_cast<int>(k)] = r;
    const bool ok = riscrivi_tabella(app, s.percorso_clienti, s.clienti,
                                     limite(n, k, s.clienti.capacita()), kFormatoClienti);
    carica_clienti(app);
    if (ok) app.campo(kClienteScritto).set_value(1);
    return ok;
}

}  // namespace ga
