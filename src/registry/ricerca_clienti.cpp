#include "registry/ricerca_clienti.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/number.h"
#include "platform/record_file.h"
#include "platform/text.h"
#include "records/archivio.h"
#include "registry/caselle.h"

namespace ga {

namespace {

constexpr const char* kTitolo = "VEDI PRENOTAZIONI CLIENTE";
constexpr long kGialloChiaro = 0xC0FFFF;

std::string campo(const std::vector<std::string>& c, cliente::Campo j) { return campo_di(c, j); }

// The bookings view shows client `c`, record `numero` of the clients file.
void mostra_cliente(App& app, const std::vector<std::string>& c, long numero) {
    app.imposta(kVisuCodiceCliente, campo(c, cliente::codice));
    app.imposta(kVisuNome, campo(c, cliente::nome));
    app.imposta(kVisuCodiceFiscale, campo(c, cliente::codice_fiscale));
    app.imposta(kVisuCitta, campo(c, cliente::citta));
    app.imposta(kVisuVia, campo(c, cliente::via));
    app.imposta(kVisuRecordCliente, std::to_string(numero));
}

void svuota_vista(App& app) {
    for (const Casella& box :
         {kVisuCodiceCliente, kVisuNome, kVisuCodiceFiscale, kVisuCitta, kVisuVia})
        app.imposta(box, "");
    app.campo(kVisuPrenotazioni).clear();
}

void elenca_prenotazioni(App& app) { app.procedure.elenca_prenotazioni_cliente(app); }

// The invoice's client boxes from the first match. False when the client has
// no fiscal code: the user is asked about it and the search ends there.
bool primo_in_fattura(App& app, const std::vector<std::string>& c) {
    const std::string codice = plat::trim(campo(c, cliente::codice));
    app.imposta(kFatturaIntestatario, codice);
    app.imposta(kFatturaCodiceTrovato, codice);
    app.imposta(kFatturaNome, campo(c, cliente::nome));
    app.imposta(kFatturaVia, campo(c, cliente::via));
    app.imposta(kFatturaIndirizzo, campo(c, cliente::cap) + " " + campo(c, cliente::citta) + " (" +
                                       campo(c, cliente::provincia) + ")");
    const std::string fiscale = campo(c, cliente::codice_fiscale);
    app.imposta(kFatturaCodiceFiscale, fiscale);
    if (fiscale.empty()) {
        const plat::Answer r =
            app.msgbox("IL CODICE FISCALE E' ASSENTE\r   VUOI INSERIRLO ADESSO    ",
                       plat::Buttons::YesNo, " FATTURAZIONE AI PROPRIETARI");
        if (r == plat::Answer::Yes) app.campo(kFatturaCodiceFiscale).set_back_color(kGialloChiaro);
        return false;
    }
    const int lunghezza = plat::length(fiscale);
    if (lunghezza == 16) app.campo(kFatturaRegimeCodiceFiscale).set_value(1);
    if (lunghezza == 11) app.campo(kFatturaRegimePartitaIva).set_value(1);
    app.campo(kFatturaCambia).set_visible(true);
    return true;
}

// The next match in the clients table from the client shown, forward
// (`passo` +1, up to the clients count) or back (-1, down to record 1).
void passo_cliente(App& app, int passo) {
    Stato& s = app.s;
    const long conteggio = std::clamp<long>(app.conta(kContaClienti), 0, s.clienti.capacita());
    const long da = plat::leading_int(app.testo(kVisuRecordCliente)) + passo;
    const long primo = passo > 0 ? std::max<long>(da, 1) : std::min(da, conteggio);
    for (long i = primo; i >= 1 && i <= conteggio; i += passo) {
        const RigaCliente& c = s.clienti[static_cast<int>(i)];
        if (!nome_inizia_con(c[cliente::nome], s.testo_ricerca)) continue;
        mostra_cliente(app, std::vector<std::string>(c.begin(), c.end()), i);
        app.campo(passo > 0 ? kVisuPrecedente : kVisuSuccessivo).set_visible(true);
        elenca_prenotazioni(app);
        return;
    }
    app.campo(kVisuSuccessivo).set_visible(false);
    app.campo(kVisuPrecedente).set_visible(false);
    svuota_vista(app);
}

}  // namespace

bool nome_inizia_con(std::string_view nome, std::string_view chiave) {
    return plat::left(plat::trim(nome), plat::length(chiave)) == plat::trim(chiave);
}

void cerca_cliente(App& app) {
    Stato& s = app.s;
    // A missing clients file is created empty: there is then no client to
    // find, which the user is told, and the session goes on.
    const bool esisteva = plat::file_exists(s.percorso_clienti);
    const auto righe = leggi_righe(s.percorso_clienti);
    if (!righe) {
        app.msgbox("L'ARCHIVIO DEI CLIENTI NON PUO' ESSERE LETTO:\r" + s.percorso_clienti,
                   plat::Buttons::Ok, kTitolo, plat::Icon::Exclamation);
        return;
    }
    if (!esisteva) {
        app.msgbox(
            "NESSUN CLIENTE E' ANCORA REGISTRATO.\rL'ARCHIVIO DEI CLIENTI E' STATO CREATO VUOTO.",
            plat::Buttons::Ok, kTitolo);
        return;
    }

    const bool fattura = s.modo_chiamata == "fatturaz";
    const std::string chiave = s.testo_ricerca;
    int trovati = 0;
    for (std::size_t n = 0; n < righe->size(); ++n) {
        const auto c = plat::split((*righe)[n], "*");
        if (!nome_inizia_con(campo(c, cliente::nome), chiave)) continue;
        ++trovati;
        if (!fattura) {
            mostra_cliente(app, c, static_cast<long>(n) + 1);
            elenca_prenotazioni(app);
            return;
        }
        plat::Control& lista = app.campo(kFatturaNomiTrovati);
        lista.add_item(campo(c, cliente::nome));
        if (trovati == 1) {
            if (!primo_in_fattura(app, c)) return;
        } else {
            lista.set_visible(true);
            for (const Casella& box :
                 {kFatturaNome, kFatturaVia, kFatturaIndirizzo, kFatturaCodiceFiscale})
                app.imposta(box, "");
        }
    }
    if (trovati == 0) {
        app.msgbox("NON E' STATO TROVATO NESSUN CLIENTE !! \r CON IL NOMINATIVO INSERITO ",
                   plat::Buttons::Ok, kTitolo);
        return;
    }
    elenca_prenotazioni(app);
    app.procedure.controllaincasso(app);
}

void cliente_successivo(App& app) { passo_cliente(app, +1); }

void cliente_precedente(App& app) { passo_cliente(app, -1); }

}  // namespace ga
