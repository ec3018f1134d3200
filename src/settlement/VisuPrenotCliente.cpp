#include "settlement/VisuPrenotCliente.h"

#include "platform/number.h"
#include "platform/text.h"
#include "records/archivio.h"
#include "records/prenotazioni.h"
#include "registry/ricerca_clienti.h"
#include "settlement/caselle.h"
#include "settlement/prenotazioni_cliente.h"

namespace ga {

namespace {

constexpr int kLarghezza = 13000;

// A refund of a revocation: "N" (no amount) counts as nothing.
std::string rimborsabile(const std::string& t) {
    return plat::format_amount(std::string_view(t == "N" ? std::string("0") : t));
}

}  // namespace

VisuPrenotCliente::VisuPrenotCliente(App& app) : Forma(app, kName) {
    design("VISUALIZZA PRENOTAZIONE DEL CLIENTE", kLarghezza, px(620));
    metti(ICONAAGENZIA, 16, 8, 100, 70).design().stretch = true;
    plat::Label& titolo = etichetta("PRENOTAZIONI DEL CLIENTE", 132, 14, 400);
    titolo.design().font_size = 13;
    titolo.design().bold = true;
    titolo.design().height = px(26);
    metti(Label21, 132, 46, 300, 20).design().font_size = 10;

    // The client.
    etichetta("CLIENTE", 16, 94, 90);
    metti(Text1, 110, 90, 330, 25).design().tooltip = "INIZIO DEL NOMINATIVO DEL CLIENTE";
    etichetta("COD. CLIENTE", 456, 94, 90);
    metti(Text5, 548, 90, 62, 25);
    etichetta("COD. FISCALE", 16, 124, 90);
    metti(Text2, 110, 120, 180, 25);
    etichetta("CITTA'", 306, 124, 50);
    metti(Text3, 360, 120, 250, 25);
    etichetta("VIA", 16, 154, 90);
    metti(Text4, 110, 150, 500, 25);
    metti(RETRO, 630, 90, 110, 30).design().text = "PRECEDENTE";
    metti(AVANTI, 750, 90, 110, 30).design().text = "SUCCESSIVO";
    RETRO.design().visible = false;
    AVANTI.design().visible = false;
    metti(Text17, 630, 150, 40, 25).design().visible = false;
    metti(Text18, 680, 150, 90, 25).design().visible = false;

    // The client's bookings: the headings stand over the padded columns of
    // the rows (in the list's font a character is about 6.6 pixels wide),
    // on two lines where a heading is wider than its column.
    auto intestazione = [this](const char* testo, int colonna, int riga) {
        plat::Label& l = etichetta(testo, 20 + colonna * 66 / 10, 186 + riga * 14, 120);
        l.design().fixed_pitch = true;
        l.design().height = px(14);
    };
    intestazione("N° PR.", 0, 0);
    intestazione("COD. APP.", 7, 1);
    intestazione("PRORIETARIO", 15, 0);
    intestazione("NOMINATIVO", 22, 1);
    intestazione("VIA APPARTAMENTO", 49, 0);
    metti(List1, 16, 216, 844, 150).design().fixed_pitch = true;

    // The booking picked.
    metti(CONTEGGI, 16, 378, 276, 168).design().text = "CONTEGGI";
    const std::pair<const char*, plat::TextBox*> conteggi[] = {{"PRENOTAZIONE N.", &Text6},
                                                               {"IMPORTO AFFITTO", &Text7},
                                                               {"ACCONTO VERSATO", &Text8},
                                                               {"SALDO", &Text9},
                                                               {"RESIDUO", &Text10}};
    for (int i = 0; i < 5; ++i) {
        etichetta(conteggi[i].first, 10, 26 + i * 28, 126, &CONTEGGI);
        metti(*conteggi[i].second, 140, 22 + i * 28, 124, 25, &CONTEGGI).design().alignment = 1;
    }
    metti(IMPORTI, 304, 378, 276, 112).design().text = "IMPORTI DI AGENZIA";
    const std::pair<const char*, plat::TextBox*> importi[] = {
        {"DIRITTI DI AGENZIA", &Text11}, {"PULIZIA FINALE", &Text12}, {"CAUZIONE", &Text13}};
    for (int i = 0; i < 3; ++i) {
        etichetta(importi[i].first, 10, 26 + i * 28, 126, &IMPORTI);
        metti(*importi[i].second, 140, 22 + i * 28, 124, 25, &IMPORTI).design().alignment = 1;
    }
    metti(Text15, 304, 500, 60, 25).design().visible = false;
    metti(NOTA, 592, 378, 268, 168).design().text = "NOTA";
    NOTA.design().visible = false;
    metti(Text14, 10, 22, 248, 100, &NOTA).design().multiline = true;
    metti(Text16, 10, 130, 248, 25, &NOTA);
    for (plat::TextBox* t : {&Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text8, &Text9,
                             &Text10, &Text11, &Text12, &Text13, &Text14, &Text15, &Text16})
        t->design().locked = true;

    struct Bottone {
        plat::CommandButton* b;
        const char* testo;
        int x, w;
    };
    const Bottone bottoni[] = {{&SALDO, "SALDO", 16, 110},
                               {&REVOCA, "REVOCA PRENOTAZIONE", 136, 170},
                               {&MODIFICA, "MODIFICA PRENOTAZIONE", 316, 170},
                               {&RITORNA, "RITORNA PRENOTAZIONI", 496, 170},
                               {&ESCI, "USCITA", 750, 110}};
    for (const Bottone& b : bottoni) {
        metti(*b.b, b.x, 566, b.w, 36).design().text = b.testo;
        b.b->design().visible = b.b == &ESCI;
    }

    Text1.on_validate = [this] { Text1_Validate(); };
    AVANTI.on_click = [this] { AVANTI_Click(); };
    RETRO.on_click = [this] { RETRO_Click(); };
    List1.on_click = [this] { List1_Click(); };
    SALDO.on_click = [this] { SALDO_Click(); };
    REVOCA.on_click = [this] { REVOCA_Click(); };
    RITORNA.on_click = [this] { RITORNA_Click(); };
    ESCI.on_click = [this] { ESCI_Click(); };
}

void VisuPrenotCliente::Form_Load() {
    Label21.set_caption("PER L'ANNO - " + s.anno_gestione);
    ICONAAGENZIA.set_picture(s.percorso_logo);
    Text16.set_visible(false);
    Text14.set_visible(false);
    carica_prenotazioni(app);
}

void VisuPrenotCliente::Form_Activate() {
    set_width(kLarghezza + 170);
    // Back from a revocation: the booking is shown again as it now stands.
    if (s.operazione == "REVOCA") List1_Click();
    set_width(kLarghezza);
}

void VisuPrenotCliente::svuota_dettagli(bool nascondi_azioni) {
    for (plat::TextBox* t : {&Text7, &Text8, &Text9, &Text10, &Text11, &Text12, &Text13, &Text14})
        t->set_text("");
    NOTA.set_visible(false);
    if (!nascondi_azioni) return;
    SALDO.set_visible(false);
    REVOCA.set_visible(false);
    MODIFICA.set_visible(false);
}

void VisuPrenotCliente::Text1_Validate() {
    // Passing through the name box (the focus given back to it with the
    // window) keeps the booking shown and its buttons: a click on SALDO
    // must not first hide SALDO.
    if (!Text1.changed_since_focus()) return;
    svuota_dettagli(true);
    // While a client is shown the name box searches nothing.
    if (!Text5.text().empty()) return;
    s.testo_ricerca = plat::upper(Text1.text());
    s.modo_chiamata = "PRENOTCLIENTE";
    cerca_cliente(app);
    if (!Text5.text().empty()) AVANTI.set_visible(true);
}

void VisuPrenotCliente::mostra_cliente(int record) {
    svuota_dettagli(true);
    if (!s.clienti.valido(record)) return;
    const RigaCliente& c = s.clienti[record];
    Text5.set_text(c[cliente::codice]);
    Text1.set_text(c[cliente::nome]);
    Text2.set_text(c[cliente::codice_fiscale]);
    Text3.set_text(c[cliente::citta]);
    Text4.set_text(c[cliente::via]);
    Text17.set_text(std::to_string(record));
    // SUCCESSIVO goes on to the namesakes, as after a search by this name.
    s.testo_ricerca = plat::upper(plat::trim(c[cliente::nome]));
    s.modo_chiamata = "PRENOTCLIENTE";
    elenca_prenotazioni_cliente(app);
    AVANTI.set_visible(true);
}

void VisuPrenotCliente::AVANTI_Click() {
    svuota_dettagli(true);
    cliente_successivo(app);
}

void VisuPrenotCliente::RETRO_Click() {
    svuota_dettagli(false);
    s.modo_chiamata = "PRENOTCLIENTE";
    cliente_precedente(app);
}

void VisuPrenotCliente::List1_Click() { seleziona_prenotazione(app); }

const PezziRigaPrenotazione* VisuPrenotCliente::riga_scelta() {
    const PezziRigaPrenotazione* p =
        List1.text().empty() ? nullptr : prenotazione_cliente_scelta(app);
    if (!p)
        app.msgbox("SELEZIONA LA PRENOTAZIONE DA SALDARE", plat::Buttons::Ok, "SALDO PRENOTAZIONE");
    return p;
}

void VisuPrenotCliente::SALDO_Click() {
    const PezziRigaPrenotazione* p = riga_scelta();
    if (!p) return;
    const std::string riga = List1.text();
    SALDO.set_visible(false);
    REVOCA.set_visible(false);
    MODIFICA.set_visible(false);
    app.imposta(kSaldoAppartamento, plat::left(riga, 60));
    app.imposta(kSaldoPeriodo, plat::right(riga, 30));
    app.imposta(kSaldoPrenotazione, Text6.text());
    app.imposta(kSaldoCliente, Text1.text());
    app.imposta(kSaldoCitta, Text3.text());
    // The codes the movement and the note are written with come from the
    // booking's records, not from the row's columns.
    app.imposta(kSaldoCodiceAppartamento, plat::pad_code(plat::trim(p->appartamento), 4));
    app.imposta(kSaldoCodiceProprietario, plat::trim(p->proprietario));
    // This form stays on screen, disabled, until the balance form closes.
    set_enabled(false);
    app.form(forme::saldoaff).show();
}

void VisuPrenotCliente::REVOCA_Click() {
    const PezziRigaPrenotazione* p = riga_scelta();
    if (!p) return;
    const std::string riga = List1.text();
    app.imposta(kRevocaCodiceProprietario, plat::trim(p->proprietario));
    app.imposta(kRevocaCodiceAppartamento, plat::pad_code(plat::trim(p->appartamento), 4));
    app.imposta(kRevocaAppartamento, plat::left(riga, 60));
    app.imposta(kRevocaPeriodo, plat::right(riga, 30));
    app.imposta(kRevocaPrenotazione, Text6.text());
    app.imposta(kRevocaCliente, Text1.text());
    app.imposta(kRevocaCitta, Text3.text());
    app.imposta(kRevocaAcconto, plat::format_amount(std::string_view(Text8.text())));
    app.imposta(kRevocaPulizia, rimborsabile(Text12.text()));
    app.imposta(kRevocaCauzione, rimborsabile(Text13.text()));
    s.operazione = "REVOCA";
    app.form(forme::REVOCAPREN).show();
    hide();
}

void VisuPrenotCliente::RITORNA_Click() {
    Text14.set_text("");
    NOTA.set_visible(false);
    SALDO.set_visible(false);
    REVOCA.set_visible(false);
    MODIFICA.set_visible(false);
    s.operazione = "RITORNA";
    // Back to the bookings view, which rebuilds its list; the menu if the
    // program has no such view, so the user is never left without a window.
    app.form(forme::visu_prenotazioni).show();
    unload();
}

void VisuPrenotCliente::ESCI_Click() {
    plat::Form& menu = app.form(forme::MENU);
    // The arrivals check disabled the menu before it opened this form.
    if (Text18.text() == "CONTROLLO") menu.set_enabled(true);
    Text14.set_text("");
    NOTA.set_visible(false);
    menu.show();
    unload();
}

}  // namespace ga
