#include "accounts/conto_corrente.h"

#include "accounts/SaldoProprietario.h"
#include "accounts/caselle.h"
#include "platform/text.h"
#include "records/archivio.h"

namespace ga {

void carica_conto_corrente(App& app) {
    Stato& s = app.s;
    Tabella<RigaConto>& t = app.form<SaldoProprietario>().registro;
    const int n = carica_registro(
        s.percorso_contocorr, kSeparatore, t, [&](int i, const std::vector<std::string>& c) {
            RigaConto r{};
            for (std::size_t j = 0; j < r.size(); ++j) r[j] = campo_di(c, j);
            r[assegno::data] = plat::Date::parse_or_zero(r[assegno::data]).text();
            t[i] = r;
        });
    for (int i = n + 1; i <= t.capacita(); ++i) t[i] = RigaConto{};
    app.imposta_conta(kContaContoCorrente, n);
}

std::vector<std::string> riga_conto(App& app) {
    SaldoProprietario& f = app.form<SaldoProprietario>();
    RigaConto r{};
    r[assegno::proprietario] = f.Text8.text();
    r[assegno::nome] = f.Text1.text();
    r[assegno::importo] = f.Text5.text();
    r[assegno::data] = f.DTPicker1.date().text();
    r[assegno::testo] = f.Text6.text();
    return {r.begin(), r.end()};
}

bool registra_conto_corrente(App& app) {
    const std::vector<std::string> campi = riga_conto(app);
    if (!valori_registrabili(app, campi)) return false;
    if (!aggiungi_riga(app, app.s.percorso_contocorr, plat::join(campi, kSeparatore))) return false;
    carica_conto_corrente(app);
    return true;
}

}  // namespace ga
