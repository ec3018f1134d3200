#include "accounts/archivio_spese.h"

#include "accounts/caselle.h"
#include "accounts/spese.h"
#include "platform/number.h"
#include "records/archivio.h"

namespace ga {

Tabella<RigaSpesa>& tabella_spese(App& app) { return app.form<spese>().tabella; }

void carica_spese(App& app) {
    Stato& s = app.s;
    Tabella<RigaSpesa>& t = tabella_spese(app);
    const int n = carica_registro(s.percorso_spese, kSeparatore, t,
                                  [&](int i, const std::vector<std::string>& c) {
                                      // A line without a separator keeps its number
                                      // but holds no expense.
                                      RigaSpesa r{};
                                      if (c.size() >= 2)
                                          for (std::size_t j = 0; j < r.size(); ++j)
                                              r[j] = campo_di(c, j);
                                      t[i] = r;
                                  });
    // Nothing an older, longer file left in memory is taken for an expense.
    for (int i = n + 1; i <= t.capacita(); ++i) t[i] = RigaSpesa{};
    app.imposta_conta(kContaSpese, n);
}

bool spesa_registrabile(App& app) {
    return valori_registrabili(app, {app.testo(kSpesaAppartamento), app.testo(kSpesaNota),
                                     app.testo(kSpesaContaMovimenti)});
}

bool registra_spesa(App& app) {
    if (!spesa_registrabile(app)) return false;
    Stato& s = app.s;
    const std::string riga = app.testo(kSpesaAppartamento) + std::string(kSeparatore) +
                             app.testo(kSpesaNota) + std::string(kSeparatore) +
                             app.testo(kSpesaContaMovimenti);
    if (!aggiungi_riga(app, s.percorso_spese, riga)) return false;
    app.campo(kSpesaScritta).set_value(1);
    return true;
}

}  // namespace ga
