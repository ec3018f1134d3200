#include "records/banche.h"

#include <algorithm>

#include "platform/number.h"
#include "platform/text.h"
#include "records/archivio.h"
#include "records/caselle.h"

namespace ga {

namespace {

void scrivi_banca(std::string& testo, const RigaBanca& b) {
    testo += plat::join({b.banca_nome, b.banca_intestatario, b.banca_conto, b.banca_codice_accesso,
                         b.banca_citta, b.banca_iban, b.banca_proprietario},
                        ",");
}

bool banca_tolta(const RigaBanca& b) { return b.banca_nome == "CANC"; }

}  // namespace

const Formato<RigaBanca> kFormatoBanche{",", 7, scrivi_banca, banca_tolta};

void carica_banche(App& app) {
    Stato& s = app.s;
    const int n = carica_registro(
        s.percorso_banche, ",", s.banche, [&](int i, const std::vector<std::string>& c) {
            s.banche[i] = RigaBanca{campo_di(c, 0), campo_di(c, 1), campo_di(c, 2), campo_di(c, 3),
                                    campo_di(c, 4), campo_di(c, 5), campo_di(c, 6)};
        });
    segnala_illeggibili(app, s.percorso_banche, s.banche);
    app.imposta_conta(kContaBanche, n);
}

bool registra_banche(App& app) {
    Stato& s = app.s;
    RigaBanca riga;
    long indice = s.indice_banca;
    std::string numero = std::to_string(indice);
    auto box = [&](const Casella& c) { return app.testo(c); };
    if (s.operazione == "personalizza") {
        riga = {box(kAgenziaBanca),
                box(kAgenziaIntestatarioConto),
                box(kAgenziaConto),
                box(kAgenziaCodiceAccesso),
                box(kAgenziaCittaBanca),
                box(kAgenziaIban),
                "0000"};
    } else if (s.operazione == "coordbanca") {
        numero = plat::trim(app.testo(kBancaRecord));
        indice = plat::leading_int(numero);
        riga = {box(kBancaNome),
                box(kBancaIntestatario),
                box(kBancaConto),
                box(kBancaCodiceAccesso),
                box(kBancaCitta),
                box(kBancaIban),
                box(kBancaCodiceProprietario)};
    } else {
        return false;
    }
    // A record is a stored one or the one after the last: record 0 is never
    // written, and a number further on would leave empty records before it.
    // Record 1 is the agency's own account: an owner's never takes it (the
    // agency's settings would show it and their next save would overwrite
    // it), and on a file without one an empty agency record goes first.
    const bool proprietario = s.operazione == "coordbanca";
    long conta = std::max<long>(app.conta(kContaBanche), 0);
    const long primo = proprietario ? 2 : 1;
    if (indice < primo || indice > std::max(conta, primo - 1) + 1) {
        app.msgbox("IL NUMERO DI REGISTRAZIONE " + numero + " NON E' VALIDO: DEVE ESSERE DA " +
                       std::to_string(primo) + " A " +
                       std::to_string(std::max(conta, primo - 1) + 1) +
                       (proprietario ? " (LA 1 E' DELL'AGENZIA)" : "") +
                       ".\rLA REGISTRAZIONE NON E' STATA FATTA.",
                   plat::Buttons::Ok, "AVVISO ERRORE", plat::Icon::Exclamation);
        return false;
    }
    if (riga_illeggibile(s.banche, indice))
        return registrazione_rifiutata(app, motivo_riga_illeggibile(indice));
    s.indice_banca = static_cast<int>(indice);
    s.banche.allarga(s.indice_banca);
    if (!senza_separatore(
            app,
            {riga.banca_nome, riga.banca_intestatario, riga.banca_conto, riga.banca_codice_accesso,
             riga.banca_citta, riga.banca_iban, riga.banca_proprietario},
            ","))
        return false;

    if (proprietario && conta == 0) {
        s.banche[1] = RigaBanca{"", "", "", "", "", "", "0000"};
        conta = 1;
    }
    s.banche[s.indice_banca] = riga;
    const long n = std::max<long>(conta, s.indice_banca);
    return riscrivi_tabella(app, s.percorso_banche, s.banche, n, kFormatoBanche);
}

}  // namespace ga
