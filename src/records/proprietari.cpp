#include "records/proprietari.h"

#include "platform/number.h"
#include "platform/record_file.h"
#include "platform/text.h"
#include "records/archivio.h"
#include "records/caselle.h"
#include "records/percorsi.h"

namespace ga {

namespace {

[[noreturn]] void cartella_dati_non_valida(App& app) {
    app.s.risposta = app.msgbox(
        "ATTENZIONE IL PERCORSO DEI DATI NON VALIDO\r"
        "         IDENTIFICA IL PERCORSO DEI DATI  \r"
        "              -IL PROGRAMMA SARA' CHIUSO- ",
        plat::Buttons::Ok, "AVVISO ERRORE", plat::Icon::Critical);
    app.end_program();
}

}  // namespace

void carica_proprietari(App& app) {
    Stato& s = app.s;
    imposta_percorsi_dati(app);
    // Checked before anything is opened: an empty or missing data folder
    // must not leave an empty register wherever the path happens to lead.
    if (s.cartella_dati.empty() || !plat::folder_exists(s.cartella_dati))
        cartella_dati_non_valida(app);
    const auto letti =
        leggi_tabella(s.percorso_proprietari, s.proprietari, kSeparatore, false,
                      [&](int i, std::string_view testo) { metti_riga(s.proprietari[i], testo); });
    if (!letti) cartella_dati_non_valida(app);
    const int n = *letti;
    svuota_oltre(s.proprietari, n);
    s.proprietari_per_codice.costruisci(s.proprietari, [](const RigaProprietario& p) {
        return plat::leading_int(p[proprietario::codice]);
    });
    segnala_illeggibili(app, s.percorso_proprietari, s.proprietari);
    app.imposta_conta(kContaProprietari, n);
}

void vedi_proprietario(App& app) {
    using namespace proprietario;
    Stato& s = app.s;
    const long k = app.conta(kPropRecord);
    // Position 0 of the browse bar is the empty record.
    const RigaProprietario vuoto{};
    const RigaProprietario& p =
        k >= 1 && k <= s.proprietari.capacita() ? s.proprietari[static_cast<int>(k)] : vuoto;
    app.campo(kPropProvvigione).set_value(0);
    app.campo(kPropContratto).set_value(0);
    app.imposta(kPropNome, p[nome]);
    app.imposta(kPropVia, p[via]);
    app.imposta(kPropCitta, p[citta]);
    app.imposta(kPropProvincia, p[provincia]);
    app.imposta(kPropCap, p[cap]);
    app.imposta(kPropTelefono, p[telefono]);
    app.imposta(kPropCodiceFiscale, p[codice_fiscale]);
    app.imposta(kPropCodice, p[codice]);
    app.imposta(kPropEmail, p[email]);
    if (p[rapporto] == "PROVV") app.campo(kPropProvvigione).set_value(1);
    if (p[rapporto] == "CONTR") app.campo(kPropContratto).set_value(1);
}

bool registra_proprietari(App& app) {
    using namespace proprietario;
    Stato& s = app.s;
    const long n = app.conta(kContaProprietari);
    const long k = app.conta(kPropRecord);
    auto box = [&](const Casella& c) { return app.testo(c); };
    if (!indice_ammesso(app, k, s.proprietari)) return false;
    RigaProprietario& riga = s.proprietari[static_cast<int>(k)];
    // The stored record with the form's boxes over it: with neither option
    // ticked the stored relation stays as it was.
    RigaProprietario r = riga;
    r[nome] = box(kPropNome);
    r[via] = box(kPropVia);
    r[citta] = box(kPropCitta);
    r[provincia] = box(kPropProvincia);
    r[cap] = box(kPropCap);
    r[telefono] = box(kPropTelefono);
    r[codice] = box(kPropCodice);
    r[codice_fiscale] = box(kPropCodiceFiscale);
    r[email] = box(kPropEmail);
    if (app.campo(kPropProvvigione).value()) r[rapporto] = "PROVV";
    if (app.campo(kPropContratto).value()) r[rapporto] = "CONTR";
    if (!senza_separatore(app, std::vector<std::string>(r.begin(), r.end()), kSeparatore))
        return false;
    riga = r;

    const bool ok = riscrivi_tabella(app, s.percorso_proprietari, s.proprietari,
                                     limite(n, k, s.proprietari.capacita()), kFormatoProprietari);
    carica_proprietari(app);
    return ok;
}

}  // namespace ga
