#include "settlement/RESTCAUZ.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "bookings/caselle.h"
#include "platform/number.h"
#include "platform/text.h"
#include "records/anni_vicini.h"
#include "records/archivio.h"
#include "records/importi.h"
#include "records/movimenti.h"
#include "records/note.h"
#include "records/prenotazioni.h"
#include "records/salvataggio.h"
#include "settlement/date_pagamento.h"
#include "settlement/prenotazioni_cliente.h"

namespace ga {

namespace {

constexpr const char* kTitolo = "RESTITUZIONE CAUZIONE";

// A booking the file holds: within the count and not a deleted record.
bool prenotazione_presente(App& app, long k) {
    Stato& s = app.s;
    if (k < 1 || k > app.conta(kContaPrenotazioni) || !s.prenotazioni.valido(static_cast<int>(k)))
        return false;
    const std::string& codice = s.prenotazioni[static_cast<int>(k)].campo[pren::appartamento];
    return !codice.empty() && codice != "CANC";
}

// A refund that was typed or proposed, read as every amount box reads one
// (shown negative once read), when it is one and is not zero.
std::optional<double> rimborso_di(const std::string& testo) {
    const std::optional<double> v = plat::typed_amount(testo, true);
    if (!v || plat::cents(*v) == 0) return std::nullopt;
    return v;
}

// The deposit the agency still holds for booking k, in cents: the deposit
// column of every movement of the booking in the journal (the one made with
// the booking, the balance's), less the refunds already made.
long long cauzione_trattenuta(App& app, long k) {
    long long cent = 0;
    const std::vector<std::string> righe =
        leggi_righe(app.s.percorso_saldi).value_or(std::vector<std::string>{});
    for (const std::string& riga : righe) {
        if (riga.empty()) continue;
        const auto m = plat::split(riga, kSeparatore);
        if (plat::leading_int(campo_di(m, movimento::numero)) != k) continue;
        const std::string cella = plat::trim(campo_di(m, movimento::cauzione));
        cent += plat::cents(plat::italian_number(cella).value_or(plat::leading_number(cella)));
    }
    return cent;
}

std::string euro(long long cent) { return plat::format_amount(static_cast<double>(cent) / 100); }

}  // namespace

RESTCAUZ::RESTCAUZ(App& app) : Forma(app, kName) {
    design("RESTITUZIONE CAUZIONE", 11880, px(500));
    metti(ICONAAGENZIA, 16, 8, 100, 70).design().stretch = true;
    metti(Label8, 132, 12, 620, 26).design().font_size = 13;
    Label8.design().bold = true;
    metti(Label2, 132, 46, 300, 20);

    metti(Frame1, 16, 90, 758, 186).design().text = "PRENOTAZIONE";
    etichetta("PRENOTAZIONE N.", 12, 28, 120, &Frame1);
    metti(NRICH, 136, 24, 80, 25, &Frame1).design().visible = false;
    NRICH.design().tooltip = "SCEGLIERE LA PRENOTAZIONE";
    metti(Text1, 226, 24, 60, 25, &Frame1).design().locked = true;
    Text1.design().tooltip = "DOPPIO CLICK PER SCEGLIERE UN'ALTRA PRENOTAZIONE";
    etichetta("APPARTAMENTO", 330, 28, 100, &Frame1);
    metti(Text5, 432, 24, 60, 25, &Frame1).design().locked = true;
    etichetta("COD. PROPRIETARIO", 520, 28, 130, &Frame1);
    metti(Text4, 654, 24, 60, 25, &Frame1).design().locked = true;

    etichetta("CLIENTE", 12, 60, 120, &Frame1);
    metti(NOCLI, 136, 56, 330, 25, &Frame1).design().tooltip = "SCEGLIERE IL CLIENTE";
    metti(Text2, 136, 56, 330, 25, &Frame1).design().visible = false;
    Text2.design().locked = true;
    Text2.design().tooltip = "DOPPIO CLICK PER SCEGLIERE UN ALTRO CLIENTE";

    etichetta("PERIODO : ", 12, 92, 120, &Frame1);
    metti(Label6, 136, 92, 330, 19, &Frame1);
    metti(Label7, 12, 122, 730, 19, &Frame1);
    metti(NOTE, 136, 148, 606, 25, &Frame1).design().locked = true;
    etichetta("NOTA", 12, 152, 120, &Frame1);
    // Stores: the note as picked, its number, the notes count.
    for (plat::TextBox* t : {&Text6, &Text7, &Text8}) {
        metti(*t, 680, 92, 40, 25, &Frame1);
        t->design().visible = false;
    }

    metti(Frame2, 16, 288, 758, 100).design().text = "CAUZIONE";
    etichetta("CAUZIONE VERSATA  ", 12, 32, 150, &Frame2);
    metti(Label9, 166, 32, 110, 19, &Frame2).design().alignment = 1;
    Label9.design().bold = true;
    etichetta("RIMBORSO  ", 12, 64, 150, &Frame2);
    metti(Text3, 166, 60, 110, 25, &Frame2).design().alignment = 1;
    Text3.design().tooltip = "DOPPIO CLICK PER RESTITUIRE L'INTERA CAUZIONE";
    etichetta("DATA", 330, 32, 60, &Frame2);
    metti(Label12, 392, 32, 110, 19, &Frame2);

    metti(SALVA, 554, 406, 106, 40).design().text = "SALVA";
    SALVA.design().tooltip = "REGISTRA LA RESTITUZIONE";
    metti(ESCI, 668, 406, 106, 40).design().text = "USCITA";

    NRICH.on_validate = [this] { NRICH_Validate(); };
    NOCLI.on_validate = [this] { NOCLI_Validate(); };
    Text1.on_dbl_click = [this] { Text1_DblClick(); };
    Text2.on_dbl_click = [this] { Text2_DblClick(); };
    Text3.on_dbl_click = [this] { Text3_DblClick(); };
    Text3.on_validate = [this] { Text3_Validate(); };
    SALVA.on_click = [this] { SALVA_Click(); };
    ESCI.on_click = [this] { ESCI_Click(); };
}

// Nothing happens at load; the activation does it all.
void RESTCAUZ::Form_Activate() {
    set_width(11880);
    ICONAAGENZIA.set_picture(s.percorso_logo);
    Label2.set_caption("ANNO DI GESTIONE : " + s.anno_gestione);
    Label8.set_caption(" AGENZIA " + s.agenzia_nome);

    const long prenotazioni =
        std::clamp<long>(app.conta(kContaPrenotazioni), 0, s.prenotazioni.capacita());
    NRICH.clear();
    for (int i = 1; i <= prenotazioni; ++i) NRICH.add_item(plat::pad_code(std::to_string(i), 3));

    const long clienti = std::clamp<long>(app.conta(kContaClienti), 0, s.clienti.capacita());
    NOCLI.clear();
    for (int i = 1; i <= clienti; ++i)
        NOCLI.add_item(s.clienti[i][cliente::nome], i);  // the client's record

    if (prenotazioni != 1) {
        if (prenotazioni > 1) NRICH.set_visible(true);
        nessuna_prenotazione();
    }
    Label9.set_caption(plat::format_amount(std::string_view("0")));
    Label12.set_caption(app.today().text());
    SALVA.set_enabled(true);
    if (prenotazioni == 1) {
        // The only booking is taken at once: no pick is left to make.
        NRICH.set_list_index(0);
        prenotazione_da_numero();
    }
}

void RESTCAUZ::nessuna_prenotazione() {
    for (plat::TextBox* t : {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text8, &NOTE})
        t->set_text("");
    Label6.set_caption("");
    Label7.set_caption("");
    Label9.set_caption(plat::format_amount(std::string_view("0")));
    Text2.set_visible(false);
    NOCLI.set_visible(true);
}

void RESTCAUZ::scegli_prenotazione(long k, const std::string& numero) {
    const RigaPrenotazione p = s.prenotazioni[static_cast<int>(k)];
    Label9.set_caption(plat::format_amount(std::string_view("0")));
    Text1.set_text(numero);
    for (plat::TextBox* t : {&Text3, &Text4, &Text5, &Text6, &NOTE}) t->set_text("");

    const long appartamenti =
        std::clamp<long>(app.conta(kContaAppartamenti), 0, s.appartamenti.capacita());
    for (int i = 1; i <= appartamenti; ++i) {
        if (!stesso_codice(s.appartamenti[i][appartamento::codice], p.campo[pren::appartamento]))
            continue;
        Text4.set_text(s.appartamenti[i][appartamento::codice_proprietario]);
        Text5.set_text(plat::pad_code(plat::trim(p.campo[pren::appartamento]), 4));
    }
    const long clienti = std::clamp<long>(app.conta(kContaClienti), 0, s.clienti.capacita());
    Text2.set_text("");
    for (int i = 1; i <= clienti; ++i) {
        if (!stesso_codice(s.clienti[i][cliente::codice], p.campo[pren::cliente])) continue;
        Text2.set_text(s.clienti[i][cliente::nome]);
        break;
    }
    Text2.set_visible(true);
    NOCLI.set_visible(false);

    Label6.set_caption(p.campo[pren::arrivo] + " - " + p.campo[pren::partenza]);
    Label7.set_caption(" " + std::to_string(k) + " - APP. " +
                       plat::trim(p.campo[pren::appartamento]) + " - " + Text2.text() +
                       " - AFFITTO " + plat::format_amount(p.campo[pren::affitto]) + " - ACCONTO " +
                       plat::format_amount(p.campo[pren::acconto]));

    // The client's bookings work out the deposit paid into Label9, from the
    // booking number at the head of Label7.
    s.operazione = "cauzion";
    seleziona_prenotazione(app);
    Text7.set_text(s.numero_nota);
    Text8.set_text(app.testo(kContaNote));
}

void RESTCAUZ::NRICH_Validate() {
    // Passing through the list keeps the booking shown and the refund typed.
    if (NRICH.changed_since_focus()) prenotazione_da_numero();
}

void RESTCAUZ::prenotazione_da_numero() {
    const std::string scelta = NRICH.text();
    if (plat::trimmed(scelta).empty()) return;
    const double numero = plat::whole_units(scelta);
    const long k =
        numero >= 1 && numero <= s.prenotazioni.capacita() ? static_cast<long>(numero) : 0;
    if (!prenotazione_presente(app, k)) {
        app.msgbox("LA PRENOTAZIONE N. " + plat::trim(scelta) + " NON E' PRESENTE IN ARCHIVIO.",
                   plat::Buttons::Ok, kTitolo);
        nessuna_prenotazione();
        return;
    }
    scegli_prenotazione(k, scelta);
}

void RESTCAUZ::NOCLI_Validate() {
    if (!NOCLI.changed_since_focus()) return;
    const std::string nome = NOCLI.text();
    if (nome.empty()) return;
    const long clienti = std::clamp<long>(app.conta(kContaClienti), 0, s.clienti.capacita());
    // The line picked is its own client, also among namesakes; a name typed
    // is the first client of that name.
    long record = 0;
    const int scelta = NOCLI.list_index();
    if (scelta >= 0 && NOCLI.item(scelta) == nome)
        record = static_cast<long>(NOCLI.item_data(scelta));
    for (int i = 1; i <= clienti && record == 0; ++i)
        if (s.clienti[i][cliente::nome] == nome) record = i;
    const std::string codice = record >= 1 && record <= clienti
                                   ? s.clienti[static_cast<int>(record)][cliente::codice]
                                   : "";
    // The client's last booking of the year.
    long k = 0;
    if (!codice.empty()) {
        const long prenotazioni =
            std::clamp<long>(app.conta(kContaPrenotazioni), 0, s.prenotazioni.capacita());
        for (long i = 1; i <= prenotazioni; ++i)
            if (prenotazione_presente(app, i) &&
                stesso_codice(s.prenotazioni[static_cast<int>(i)].campo[pren::cliente], codice))
                k = i;
    }
    if (k == 0) {
        nessuna_prenotazione();
        // A guest from Christmas to Epiphany is in one year's file only.
        if (const int anno =
                codice.empty() ? 0
                               : anno_con_prenotazioni_del_cliente(s, plat::leading_number(codice)))
            app.msgbox("IL CLIENTE HA PRENOTAZIONI NEL " + std::to_string(anno) +
                           ": CAMBIARE L'ANNO DI GESTIONE PER VEDERLE",
                       plat::Buttons::Ok, kTitolo);
        return;
    }
    NRICH.set_visible(false);
    scegli_prenotazione(k, std::to_string(k));
}

void RESTCAUZ::Text1_DblClick() {
    Text1.set_text("");
    NRICH.set_visible(true);
    Label9.set_caption("");
}

void RESTCAUZ::Text2_DblClick() {
    Text2.set_visible(false);
    NOCLI.set_visible(true);
}

void RESTCAUZ::avvisa_senza_cauzione() {
    app.msgbox("NON E' STATA VERSATA NESSUNA CAUZIONE", plat::Buttons::Ok, kTitolo);
}

// A deposit paid of nothing, or less than nothing (refunds above what was
// paid), leaves nothing to give back.
void RESTCAUZ::Text3_DblClick() {
    const std::string versata = Label9.caption();
    const double importo = plat::italian_or_zero(versata);
    if (versata.empty() || plat::cents(importo) <= 0) avvisa_senza_cauzione();
    if (versata.empty()) return;
    Text3.set_text(plat::format_amount(plat::cents(importo) > 0 ? -importo : 0.0));
}

void RESTCAUZ::Text3_Validate() {
    const std::string versata = Label9.caption();
    const bool senza = versata.empty() || plat::cents(plat::italian_or_zero(versata)) <= 0;
    if (senza) avvisa_senza_cauzione();
    if (plat::trim(Text3.text()).empty()) return;
    const std::optional<double> rimborso = importo_digitato(app, Text3.text(), "RIMBORSO", true);
    if (!rimborso) {
        Text3.set_text("");
        return;
    }
    // 0,50 is a refund of fifty cents and becomes -0,50 like any other.
    Text3.set_text(plat::format_amount(-std::fabs(*rimborso)));
    if (!senza && !rimborso_entro_cauzione(plat::cents(std::fabs(*rimborso)))) Text3.set_text("");
}

// A refund gives back at most the deposit still held: a second refund
// counts the first.
bool RESTCAUZ::rimborso_entro_cauzione(long long rimborso) {
    const long k = plat::leading_int(Text1.text());
    if (!prenotazione_presente(app, k)) return true;  // SALVA asks for the booking
    const long long trattenuta = cauzione_trattenuta(app, k);
    if (rimborso <= trattenuta) return true;
    app.msgbox(trattenuta <= 0
                   ? std::string("NON E' STATA VERSATA NESSUNA CAUZIONE: NON C'E' "
                                 "NULLA DA RESTITUIRE.")
                   : "DELLA CAUZIONE RESTANO VERSATI " + euro(trattenuta) + " €: IL RIMBORSO DI " +
                         euro(rimborso) + " € LI SUPERA.\rLA REGISTRAZIONE NON E' STATA FATTA.",
               plat::Buttons::Ok, kTitolo, plat::Icon::Exclamation);
    return false;
}

void RESTCAUZ::SALVA_Click() {
    const std::optional<double> rimborso = rimborso_di(Text3.text());
    if (!rimborso) {
        app.msgbox("NON E' STATO INSERITO NESSUN IMPORTO", plat::Buttons::Ok, kTitolo);
        return;
    }
    // A refund is money going out, also when typed without its sign and
    // saved without leaving the box.
    Text3.set_text(plat::format_amount(-std::fabs(*rimborso)));

    // What the later writers would refuse is refused now, before the
    // movement is written.
    const long k = plat::leading_int(Text1.text());
    if (!prenotazione_presente(app, k)) {
        app.msgbox("SCEGLIERE PRIMA LA PRENOTAZIONE", plat::Buttons::Ok, kTitolo);
        return;
    }
    if (!rimborso_entro_cauzione(plat::cents(std::fabs(*rimborso)))) return;
    // The refund is dated today: after the booking's departure as a rule,
    // but in the management year's journal only when today is in that year.
    if (const auto data = plat::Date::parse(Label12.caption());
        data &&
        !data_pagamento_confermata(app, *data, plat::Date{}, "LA DATA DEL RIMBORSO", kTitolo))
        return;
    // The note of the booking this form shows, whatever was picked since.
    s.numero_nota = Text7.text();
    const long nota = plat::leading_int(s.numero_nota);
    carica_note(app);
    if (nota > 0 && !s.note.ammesso(nota)) {
        registrazione_rifiutata(
            app, "IL NUMERO DELLA NOTA NON E' VALIDO (" + std::to_string(nota) + ").");
        return;
    }

    s.operazione = "RESTCAUZIONE";
    // The refund, the note and the booking are one save: all written, or
    // none, and then the user may save again.
    const std::string testo_nota = NOTE.text();
    {
        Salvataggio salvataggio(app);
        if (!registra_movimento(app) || !(nota <= 0 ? aggiungi_nota(app) : registra_note(app)) ||
            !registra_prenotazioni(app) || !salvataggio.conferma()) {
            s.numero_nota = Text7.text();
            NOTE.set_text(testo_nota);
            return;
        }
    }
    // One refund per pick: SALVA comes back with the next activation.
    SALVA.set_enabled(false);
    // A note appended now is the booking's note from here on.
    Text7.set_text(s.numero_nota);
    // Refreshes the booking selected in the client's bookings, if any; this
    // form's booking is not picked again.
    seleziona_prenotazione(app);
}

void RESTCAUZ::ESCI_Click() {
    app.form(forme::MENU).set_enabled(true);
    unload();
}

}  // namespace ga
