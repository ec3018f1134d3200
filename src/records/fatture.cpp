#include "records/fatture.h"

#include <algorithm>

#include "platform/number.h"
#include "platform/record_file.h"
#include "platform/text.h"
#include "records/archivio.h"
#include "records/caselle.h"

namespace ga {

namespace {

void rifiuta(App& app, const std::string& motivo) {
    app.msgbox(motivo + "\rLA FATTURA NON E' STATA REGISTRATA.", plat::Buttons::Ok, "AVVISO ERRORE",
               plat::Icon::Exclamation);
}

void scrivi_fattura(std::string& testo, const RigaFattura& f) {
    testo += f.data.text();
    for (std::size_t j = 1; j < f.campo.size(); ++j) {
        // The line of an invoice to a party with its code on file stays as
        // the register has always had it.
        if (j == fatt::codice_fiscale && f.campo[j].empty()) break;
        testo += kSeparatore;
        testo += f.campo[j];
    }
}

bool fattura_tolta(const RigaFattura& f) { return f.campo[fatt::numero] == "CANC"; }

}  // namespace

const Formato<RigaFattura> kFormatoFatture{kSeparatore, fatt::kCampi, scrivi_fattura,
                                           fattura_tolta};

void carica_fatture(App& app) {
    Stato& s = app.s;
    const int n = carica_registro(s.percorso_fatture, kSeparatore, s.fatture,
                                  [&](int i, const std::vector<std::string>& c) {
                                      RigaFattura r;
                                      // A date that cannot be read is kept as
                                      // the zero date, with the invoice.
                                      r.data = plat::Date::parse_or_zero(c[0]);
                                      for (std::size_t j = 1; j < r.campo.size(); ++j)
                                          r.campo[j] = campo_di(c, j);
                                      s.fatture[i] = r;
                                  });
    svuota_oltre(s.fatture, n);
    segnala_illeggibili(app, s.percorso_fatture, s.fatture);
    app.imposta_conta(kContaFatture, n);
}

bool registra_fattura(App& app) {
    Stato& s = app.s;
    auto box = [&](const Casella& c) { return app.testo(c); };
    const long k = app.conta(kFatturaNumero);
    const long n = app.conta(kContaFatture);

    const auto data = plat::Date::parse(box(kFatturaData));
    if (!data) {
        rifiuta(app, "DATA DELLA FATTURA NON VALIDA: \"" + box(kFatturaData) + "\".");
        return false;
    }
    // An invoice stored, or one after the last row: the register takes
    // invoices past the number it was made for.
    if (riga_illeggibile(s.fatture, k)) {
        rifiuta(app, motivo_riga_illeggibile(k));
        return false;
    }
    if (!s.fatture.ammesso(k)) {
        rifiuta(app, "IL NUMERO DELLA FATTURA NON E' VALIDO: \"" + box(kFatturaNumero) + "\".");
        return false;
    }
    if (!senza_separatore(app,
                          {box(kFatturaNumero), box(kFatturaIntestatario), box(kFatturaDescrizione),
                           box(kFatturaImponibile), box(kFatturaIva), box(kFatturaRitenuta),
                           box(kFatturaTotale), box(kFatturaCodiceFiscale)},
                          kSeparatore))
        return false;

    s.fatture.allarga(static_cast<int>(k));
    RigaFattura& r = s.fatture[static_cast<int>(k)];
    r.data = *data;
    r.campo[fatt::numero] = box(kFatturaNumero);
    if (s.operazione == "CLIENTI") {
        r.campo[fatt::cliente] = box(kFatturaIntestatario);
        r.campo[fatt::proprietario] = "";
    } else if (s.operazione == "PROPRIETARI") {
        r.campo[fatt::cliente] = "";
        r.campo[fatt::proprietario] = box(kFatturaIntestatario);
    }
    r.campo[fatt::descrizione] = box(kFatturaDescrizione);
    r.campo[fatt::imponibile] = box(kFatturaImponibile);
    r.campo[fatt::iva] = box(kFatturaIva);
    // Tax regime: the last ticked box of the four wins; none leaves it.
    for (int j = 1; j <= 4; ++j)
        if (app.campo(kFatturaRegimi[j - 1]).value()) r.campo[fatt::regime] = std::to_string(j);
    r.campo[fatt::ritenuta] = box(kFatturaRitenuta);
    r.campo[fatt::totale] = box(kFatturaTotale);
    // The code shown on the form is the invoice's: kept with it when the
    // party's record does not hold it.
    r.campo[fatt::codice_fiscale] = "";
    const std::string codice = plat::trim(box(kFatturaCodiceFiscale));
    if (codice != plat::trim(intestatario_fattura(app, r).codice_fiscale))
        r.campo[fatt::codice_fiscale] = codice;

    const bool ok = riscrivi_tabella(app, s.percorso_fatture, s.fatture,
                                     limite(n, k, s.fatture.capacita()), kFormatoFatture);
    if (ok) app.campo(kFatturaScritta).set_value(1);
    carica_fatture(app);
    return ok;
}

namespace {
// Postcode, town and province as an address is written: "40100 BOLOGNA (BO)".
std::string localita(const std::string& cap, const std::string& citta,
                     const std::string& provincia) {
    std::string riga = plat::trim(cap);
    const std::string c = plat::trim(citta), p = plat::trim(provincia);
    if (!c.empty()) riga += (riga.empty() ? "" : " ") + c;
    if (!p.empty()) riga += (riga.empty() ? "" : " ") + ("(" + p + ")");
    return riga;
}
}  // namespace

ClientiDaFatturare::ClientiDaFatturare(App& app) {
    Stato& s = app.s;
    const long n = std::clamp<long>(app.conta(kContaClienti), 0, s.clienti.capacita());
    per_codice_.reserve(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i) {
        const std::string& codice = s.clienti[i][cliente::codice];
        // The first record of a number names it: a later one does not replace it.
        if (!plat::trimmed(codice).empty()) per_codice_.emplace(plat::leading_int(codice), i);
    }
}

int ClientiDaFatturare::record(long codice) const {
    const auto it = per_codice_.find(codice);
    return it == per_codice_.end() ? 0 : it->second;
}

IntestatarioFattura intestatario_fattura(App& app, const RigaFattura& f) {
    // One invoice: the clients walked once are no dearer than a walk.
    return intestatario_fattura(app, f, ClientiDaFatturare(app));
}

IntestatarioFattura intestatario_fattura(App& app, const RigaFattura& f,
                                         const ClientiDaFatturare& clienti) {
    Stato& s = app.s;
    IntestatarioFattura chi;
    if (f.campo[fatt::proprietario].empty()) {
        // A client, by the number its code is ("0007" and "7" are one client).
        if (plat::trimmed(f.campo[fatt::cliente]).empty()) return chi;
        const int i = clienti.record(plat::leading_int(f.campo[fatt::cliente]));
        if (i == 0) return chi;
        const RigaCliente& c = s.clienti[i];
        chi.codice = plat::trim(c[cliente::codice]);
        chi.nome = plat::trim(c[cliente::nome]);
        chi.via = plat::trim(c[cliente::via]);
        chi.indirizzo = c[cliente::citta] + " " + plat::trim(c[cliente::cap]) + "  (" +
                        c[cliente::provincia] + ")";
        chi.localita = localita(c[cliente::cap], c[cliente::citta], c[cliente::provincia]);
        chi.codice_fiscale = c[cliente::codice_fiscale];
    } else if (f.campo[fatt::cliente].empty()) {
        const long r = plat::leading_int(f.campo[fatt::proprietario]);
        const long n = std::clamp<long>(app.conta(kContaProprietari), 0, s.proprietari.capacita());
        if (r >= 1 && r <= n) {
            const RigaProprietario& p = s.proprietari[static_cast<int>(r)];
            chi.codice = std::to_string(r);
            chi.nome = p[proprietario::nome];
            chi.via = p[proprietario::via];
            chi.indirizzo = p[proprietario::cap] + " " + p[proprietario::citta] + " " +
                            p[proprietario::provincia];
            chi.localita =
                localita(p[proprietario::cap], p[proprietario::citta], p[proprietario::provincia]);
            chi.codice_fiscale = p[proprietario::codice_fiscale];
        }
    }
    // The code typed for the invoice, where the party's record lacks it.
    if (!plat::trimmed(f.campo[fatt::codice_fiscale]).empty())
        chi.codice_fiscale = plat::trim(f.campo[fatt::codice_fiscale]);
    return chi;
}

}  // namespace ga
