// The client block of the booking form ("ANAGRAFICA CLIENTE"): the client is
// found by the beginning of the name (SU and GIU step to the next and the
// previous client with the same beginning) or registered anew; CONFERMA
// writes a new or changed client and shows the free periods. The fiscal
// code is checked, the town and postal code come from the towns lookup.
#include <algorithm>

#include "bookings/prenotazione.h"
#include "platform/number.h"
#include "platform/text.h"
#include "records/caselle.h"
#include "records/clienti.h"
#include "records/comuni.h"
#include "records/riferimenti.h"
#include "registry/controlli.h"

namespace ga {

namespace {

constexpr const char* kTitolo = "ANAGRAFE CLIENTE";

bool cambio_in_corso(const std::string& azione) {
    return azione == "ANNULLA" || azione == "SU" || azione == "GIU";
}

}  // namespace

// --- finding the client -------------------------------------------------------

bool prenotazione::nome_comincia(int i, const std::string& prefisso) {
    if (!s.clienti.valido(i)) return false;
    return plat::left(plat::trim(s.clienti[i][cliente::nome]), plat::length(prefisso)) == prefisso;
}

void prenotazione::mostra_cliente(int i) {
    // Every box, the e-mail included: a box left from the client shown
    // before would be written into this one's record.
    const RigaCliente c = s.clienti[i];
    Text8.set_text(c[cliente::nome]);
    Text9.set_text(c[cliente::codice_fiscale]);
    Text10.set_text(c[cliente::via]);
    Text12.set_text(c[cliente::citta]);
    Text11.set_text(c[cliente::cap]);
    Text13.set_text(c[cliente::telefono]);
    Text14.set_text(c[cliente::provincia]);
    Text25.set_text(c[cliente::codice]);
    Text24.set_text(std::to_string(i));
    Text30.set_text(c[cliente::email]);
}

bool prenotazione::registra_cliente_della_pagina() {
    using namespace cliente;
    const long k = plat::leading_int(Text24.text());
    RigaCliente c = cliente_in_archivio(app, k);
    c[codice] = Text25.text();
    c[nome] = Text8.text();
    c[via] = Text10.text();
    c[cap] = Text11.text();
    c[citta] = Text12.text();
    c[telefono] = Text13.text();
    c[provincia] = Text14.text();
    c[codice_fiscale] = Text9.text();
    c[email] = Text30.text();
    return registra_cliente(app, k, c);
}

void prenotazione::svuota_cliente() {
    for (int k = 8; k <= 14; ++k) control("Text" + std::to_string(k))->set_text("");
    Text25.set_text("");
    Text30.set_text("");
}

int prenotazione::record_cliente_mostrato() {
    const long k = plat::leading_int(Text24.text());
    const long n = std::clamp<long>(app.conta(kContaClienti), 0, s.clienti.capacita());
    if (k < 1 || k > n || plat::trim(Text25.text()).empty()) return 0;
    return s.clienti[static_cast<int>(k)][cliente::codice] == Text25.text() ? static_cast<int>(k)
                                                                            : 0;
}

void prenotazione::dimentica_ricerca_cliente() {
    s.prefisso_cliente.clear();
    SU.set_visible(false);
    GIU.set_visible(false);
}

bool prenotazione::cliente_registrato() {
    // The booking stores the client's code: the client on the block, as
    // the file holds him, or the booking would name nobody.
    const int k = record_cliente_mostrato();
    if (k && plat::trim(s.clienti[k][cliente::nome]) == plat::trim(Text8.text())) return true;
    app.msgbox(
        "IL CLIENTE NON E' REGISTRATO !! \rCONFERMARE IL CLIENTE PRIMA DI SALVARE LA "
        "PRENOTAZIONE.",
        plat::Buttons::Ok, "SALVA PRENOTAZIONE");
    return false;
}

void prenotazione::Text8_Validate() {
    Text8.set_text(plat::upper(Text8.text()));
    const bool senza_appartamento = Combo1.text().empty();
    if (Text8.text().empty() && senza_appartamento) return;
    if (senza_appartamento) {
        app.msgbox("NON E' STATO SCELTO NESSUN APPARTAMENTO... ", plat::Buttons::Ok, kTitolo);
        return;
    }
    const std::string nome = plat::trim(plat::upper(Text8.text()));
    if (nome.empty()) {
        app.msgbox("L'INSERIMENTO DEL CLIENTE E' OBLIGATORIO !! ", plat::Buttons::Ok, kTitolo);
        return;
    }
    // The same beginning is not searched again while the block still shows
    // what its search found; once the page has been cleared, it is. A name
    // only passed through is no new search either: it would put the first
    // namesake in place of the client stepped to.
    if (nome == s.prefisso_cliente && CONFERMA.visible()) return;
    if (!Text8.changed_since_focus() && CONFERMA.visible()) return;

    // A stored client on the block whose name is typed over: a new client
    // takes none of that client's data.
    const bool era_registrato = record_cliente_mostrato() != 0;

    s.prefisso_cliente = nome;
    const long n = std::clamp<long>(app.conta(kContaClienti), 0, s.clienti.capacita());
    for (int i = 1; i <= n; ++i) {
        if (!nome_comincia(i, nome)) continue;
        mostra_cliente(i);
        SU.set_visible(true);
        CONFERMA.set_visible(true);
        return;
    }
    // A new client: the record after the last, the code after the last's.
    // No other client begins alike: there is nobody to step to.
    if (era_registrato) {
        svuotando_ = true;
        for (plat::TextBox* t : {&Text9, &Text10, &Text11, &Text12, &Text13, &Text14, &Text30})
            t->set_text("");
        svuotando_ = false;
    }
    SU.set_visible(false);
    GIU.set_visible(false);
    CONFERMA.set_visible(true);
    Text24.set_text(std::to_string(n + 1));
    Text25.set_text(nuovo_codice_cliente(app, n));
}

void prenotazione::GIU_Click() {
    s.azione_corrente = "GIU";
    const long p = plat::leading_int(Text24.text());
    if (s.prefisso_cliente.empty()) return;
    long i = std::min<long>(p - 1, s.clienti.capacita());
    for (; i >= 1; --i) {
        if (!nome_comincia(static_cast<int>(i), s.prefisso_cliente)) continue;
        mostra_cliente(static_cast<int>(i));
        SU.set_visible(true);
        CONFERMA.set_visible(true);
        return;
    }
    GIU.set_visible(false);
    svuota_cliente();
    Text24.set_text(std::to_string(i));
    SU.set_visible(false);
    s.prefisso_cliente = "";
    CONFERMA.set_visible(false);
}

void prenotazione::SU_Click() {
    s.azione_corrente = "SU";
    const long p = plat::leading_int(Text24.text());
    if (s.prefisso_cliente.empty()) return;
    const long n = std::clamp<long>(app.conta(kContaClienti), 0, s.clienti.capacita());
    long i = std::max<long>(p + 1, 1);
    for (; i <= n; ++i) {
        if (!nome_comincia(static_cast<int>(i), s.prefisso_cliente)) continue;
        mostra_cliente(static_cast<int>(i));
        GIU.set_visible(true);
        CONFERMA.set_visible(true);
        return;
    }
    SU.set_visible(false);
    svuota_cliente();
    Text24.set_text(std::to_string(i));
    // The typed beginning comes back.
    Text8.set_text(s.prefisso_cliente);
    GIU.set_visible(true);
    CONFERMA.set_visible(false);
}

// --- confirming the client ----------------------------------------------------

void prenotazione::CONFERMA_Click() {
    const long n = app.conta(kContaClienti);
    const long k = plat::leading_int(Text24.text());
    if (k < 1 || k > n) {
        // Whatever the browsing left in the record number and code, a new
        // client goes right after the last one and gets a code of its own.
        Text24.set_text(std::to_string(n + 1));
        if (plat::trim(Text25.text()).empty()) Text25.set_text(nuovo_codice_cliente(app, n));
        // No keeps the client out of the file, and so off the booking: the
        // periods wait for a client that is registered.
        if (app.msgbox("TRATTASI DI NUOVO CLIENTE ? - VUOI REGISTRARLO ?", plat::Buttons::YesNo,
                       "REGISTRO CLIENTI") != plat::Answer::Yes ||
            !registra_cliente_della_pagina())
            return;
    }
    // A client the writer refused is not the client of the booking yet:
    // the periods wait until it is corrected.
    if (!CONTROLLACLIENTE()) return;
    mostra_elenco_periodi(true);
    SCEGLI.set_visible(true);
}

bool prenotazione::CONTROLLACLIENTE() {
    const long k = plat::leading_int(Text24.text());
    const RigaCliente c = s.clienti.valido(k) ? s.clienti[static_cast<int>(k)] : RigaCliente{};
    const bool uguale =
        Text8.text() == c[cliente::nome] && Text10.text() == c[cliente::via] &&
        Text9.text() == c[cliente::codice_fiscale] && Text12.text() == c[cliente::citta] &&
        Text11.text() == c[cliente::cap] && Text13.text() == c[cliente::telefono] &&
        Text14.text() == c[cliente::provincia] && Text30.text() == c[cliente::email];
    if (uguale) return true;
    return registra_cliente_della_pagina();
}

// --- fiscal code --------------------------------------------------------------

void prenotazione::Text9_Change() {
    const std::string t = Text9.text();
    if (plat::length(t) >= 16 && !cambio_in_corso(s.azione_corrente))
        s.cf_digitato = plat::upper(t);
}

void prenotazione::Text9_Click() { s.esito_cf = ""; }

void prenotazione::Text9_Validate() {
    // A code found valid is not checked again; a different code is.
    if (s.esito_cf == "si" && plat::upper(Text9.text()) == cf_valido_) return;
    Text9.set_text(plat::upper(Text9.text()));
    if (s.cf_digitato.empty()) {
        app.msgbox("IL CODICE FISCALE E' OBLIGATORIO !! ", plat::Buttons::Ok, kTitolo);
        return;
    }
    s.cf_da_controllare = Text9.text();
    s.esito_cf = "";
    controlla_codice_fiscale(app);
    if (s.esito_cf == "si") cf_valido_ = s.cf_da_controllare;
}

// --- street, postal code, town, province, telephone ---------------------------

void prenotazione::Text10_Validate() { Text10.set_text(plat::upper(Text10.text())); }

void prenotazione::Text11_Click() { List2.set_visible(false); }

void prenotazione::Text11_Validate() {
    // Passing through the box leaves the client's town as it is: the lookup
    // would empty it and offer every town of a shared postal code.
    if (!Text11.changed_since_focus()) return;
    Text12.set_text("");
    const std::string cap = Text11.text();
    if (s.chiave_comune == "OK" || cap.empty()) return;
    s.operazione = "PRENOTAZIONE";
    s.chiave_comune = plat::upper(cap);
    cerca_comune(app);
}

void prenotazione::Text12_Validate() {
    if (Text12.text().empty() || !Text12.changed_since_focus()) return;
    Text12.set_text(plat::upper(Text12.text()));
    if (s.chiave_comune == "OK") return;
    s.operazione = "PRENOTAZIONE";
    s.chiave_comune = Text12.text();
    cerca_comune(app);
}

void prenotazione::List2_Click() {
    // The line is town - postal code - province; each part into its box.
    const RigaComune r = dividi_riga_comune(List2.text());
    Text12.set_text(r.comune);
    Text14.set_text(r.provincia);
    Text11.set_text(r.cap);
    List2.set_visible(false);
}

void prenotazione::Text13_Change() {
    // Only the user empties the box on the page; the clients form filling
    // the block of the form loaded hidden is not told.
    if (!is_visible() || svuotando_ || cambio_in_corso(s.azione_corrente) || !Text13.text().empty())
        return;
    app.msgbox("IL NUMERO TELEFONICO E' OBLIGATORIO !! ", plat::Buttons::Ok, kTitolo);
}

void prenotazione::Text14_Validate() {
    Text14.set_text(plat::upper(Text14.text()));
    const bool vuoti = Text8.text().empty() && Text9.text().empty() && Text13.text().empty();
    if (vuoti) return;
    const bool manca = Text8.text().empty() || Text9.text().empty() || Text13.text().empty();
    if (Combo1.text().empty() && manca) return;
    if (manca)
        app.msgbox("DEVONO ESSERE RIEMPITI TUTTI I CAMPI OBLIGATORI", plat::Buttons::Ok, kTitolo);
    else
        CONFERMA.set_visible(true);
}

}  // namespace ga
