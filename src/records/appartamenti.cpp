#include "records/appartamenti.h"

#include <algorithm>

#include "platform/number.h"
#include "platform/text.h"
#include "records/archivio.h"
#include "records/caselle.h"

namespace ga {

void carica_appartamenti(App& app) {
    Stato& s = app.s;
    const int n =
        carica_righe(s.percorso_appartamenti, s.appartamenti,
                     [&](int i, std::string_view r) { metti_riga(s.appartamenti[i], r); });
    svuota_oltre(s.appartamenti, n);
    indicizza_appartamenti(app);
    segnala_illeggibili(app, s.percorso_appartamenti, s.appartamenti);
    app.imposta_conta(kContaAppartamenti, n);
}

void indicizza_appartamenti(App& app) {
    app.s.appartamenti_per_codice.costruisci(app.s.appartamenti, [](const RigaAppartamento& a) {
        return plat::leading_int(a[appartamento::codice]);
    });
}

bool registra_appartamento(App& app) {
    using namespace appartamento;
    Stato& s = app.s;
    const long n = app.conta(kContaAppartamenti);
    const long k = app.conta(kSchedaRecord);
    auto box = [&](const Casella& c) { return app.testo(c); };

    // The street code of the first street with that name; "000" for none.
    const std::string via = plat::trim(box(kSchedaVia));
    std::string codice_via;
    const long vie = std::min<long>(app.conta(kContaVie), s.vie.capacita());
    for (int i = 1; i <= vie; ++i) {
        if (plat::trim(s.vie[i][vie::nome]) == via) {
            codice_via = s.vie[i][vie::codice];
            break;
        }
    }
    codice_via = plat::pad_code(codice_via, 3);

    std::string tipo;
    if (app.campo(kSchedaMonolocale).value()) tipo = "MON";
    if (app.campo(kSchedaBilocale).value()) tipo = "BIL";
    if (app.campo(kSchedaTrilocale).value()) tipo = "TRI";
    if (app.campo(kSchedaQuadrilocale).value()) tipo = "QUA";

    if (!indice_ammesso(app, k, s.appartamenti)) return false;
    // The stored record with the card's boxes over it.
    RigaAppartamento r = s.appartamenti[static_cast<int>(k)];
    r[codice_proprietario] = box(kSchedaCodiceProprietario);
    r[appartamento::codice_via] = codice_via;
    r[civico] = box(kSchedaCivico);
    r[appartamento::tipo] = tipo;
    r[soggiorno] = box(kSchedaSoggiorno);
    r[bagni] = box(kSchedaBagni);
    r[giardino] = box(kSchedaGiardino);
    r[piano] = box(kSchedaPiano);
    r[posti_letto] = box(kSchedaPostiLetto);
    r[periodicita] = box(kSchedaPeriodicita);
    r[vuoto] = "";
    r[note] = box(kSchedaNote);
    r[codice] = box(kSchedaCodice);
    if (!senza_separatore(app, std::vector<std::string>(r.begin(), r.end()), kSeparatore))
        return false;

    s.appartamenti[static_cast<int>(k)] = r;
    const bool ok = riscrivi_tabella(app, s.percorso_appartamenti, s.appartamenti,
                                     limite(n, k, s.appartamenti.capacita()), kFormatoAppartamenti);
    if (ok) app.imposta(kSchedaScritta, "OK");
    carica_appartamenti(app);
    return ok;
}

}  // namespace ga
