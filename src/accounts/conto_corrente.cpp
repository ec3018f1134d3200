#include "accounts/conto_corrente.h"

#include "accounts/SaldoProprietario.h"
#include "accounts/caselle.h"
#include "platform/text.h"
#include "records/archivio.h"

namespace ga {

void carica_conto_corrente(App& app) {
    Stato& s = app.s;
    Tabella<Campi<5>>& t = app.form<SaldoProprietario>().registro;
    const int n = carica_registro(
        s.percorso_contocorr, kSeparatore, t, [&](int i, const std::vector<std::string>& c) {
            t[i] = {campo_di(c, 0), campo_di(c, 1), campo_di(c, 2),
                    plat::Date::parse_or_zero(campo_di(c, 3)).text(), campo_di(c, 4)};
        });
    for (int i = n + 1; i <= t.capacita(); ++i) t[i] = Campi<5>{};
    app.imposta_conta(kContaContoCorrente, n);
}

std::vector<std::string> riga_conto(App& app) {
    SaldoProprietario& f = app.form<SaldoProprietario>();
    return {f.Text8.text(), f.Text1.text(), f.Text5.text(), f.DTPicker1.date().text(),
            f.Text6.text()};
}

bool registra_conto_corrente(App& app) {
    const std::vector<std::string> campi = riga_conto(app);
    if (!valori_registrabili(app, campi)) return false;
    if (!aggiungi_riga(app, app.s.percorso_contocorr, plat::join(campi, kSeparatore))) return false;
    carica_conto_corrente(app);
    return true;
}

}  // namespace ga
