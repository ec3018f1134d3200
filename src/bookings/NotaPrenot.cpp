#include "bookings/NotaPrenot.h"

#include <algorithm>

#include "bookings/caselle.h"
#include "platform/number.h"
#include "platform/text.h"
#include "records/archivio.h"
#include "records/note.h"
#include "records/prenotazioni.h"
#include "records/salvataggio.h"

namespace ga {

namespace {

const char* descrizione(StatoPrenotazione st) {
    switch (st) {
        case StatoPrenotazione::saldata: return "SALDATA";
        case StatoPrenotazione::revocata: return "REVOCATA";
        default: return "APERTA";
    }
}

}  // namespace

NotaPrenot::NotaPrenot(App& app) : Forma(app, kName) {
    design("INSERISCI NOTA PRENOTAZIONE", px(640), px(400));
    metti(ICONAAGENZIA, 16, 8, 100, 70).design().stretch = true;
    metti(Label8, 132, 12, 490, 26).design().font_size = 13;
    Label8.design().bold = true;
    metti(Label2, 132, 46, 300, 20);

    metti(Frame1, 16, 90, 608, 232).design().text = "PRENOTAZIONE";
    etichetta("PRENOTAZIONE N.", 12, 28, 120, &Frame1);
    metti(NRICH, 136, 24, 80, 25, &Frame1).design().visible = false;
    NRICH.design().tooltip = "SCEGLIERE LA PRENOTAZIONE";
    metti(Text1, 226, 24, 60, 25, &Frame1).design().locked = true;
    etichetta("NOTA N.", 440, 28, 60, &Frame1);
    metti(Text7, 504, 24, 60, 25, &Frame1).design().locked = true;
    metti(Text3, 570, 24, 30, 25, &Frame1).design().visible = false;

    etichetta("CLIENTE", 12, 60, 120, &Frame1);
    metti(NOCLI, 136, 56, 300, 25, &Frame1);
    metti(Text2, 136, 56, 300, 25, &Frame1).design().visible = false;
    Text2.design().locked = true;

    etichetta("APPARTAMENTO", 12, 92, 120, &Frame1);
    metti(Text5, 136, 88, 60, 25, &Frame1).design().locked = true;
    etichetta("COD. PROPRIETARIO", 226, 92, 130, &Frame1);
    metti(Text4, 360, 88, 60, 25, &Frame1).design().locked = true;

    etichetta("PERIODO", 12, 124, 120, &Frame1);
    metti(Label6, 136, 124, 300, 19, &Frame1);
    metti(Label7, 12, 152, 584, 19, &Frame1);

    etichetta("NOTA", 12, 190, 120, &Frame1);
    metti(Text6, 136, 186, 460, 25, &Frame1);
    // The note grows with the program's own remarks: what is typed is added
    // to it, never put in its place.
    Text6.design().caret_at_end = true;

    metti(SALVA, 16, 340, 110, 36).design().text = "SALVA";
    SALVA.design().tooltip = "REGISTRA LA NOTA";
    metti(ESCI, 514, 340, 110, 36).design().text = "USCITA";
    ESCI.design().tooltip = "USCITA";

    NRICH.on_validate = [this] { NRICH_Validate(); };
    SALVA.on_click = [this] { SALVA_Click(); };
    ESCI.on_click = [this] { ESCI_Click(); };
}

void NotaPrenot::Form_Load() {
    ICONAAGENZIA.set_picture(s.percorso_logo);
    Label2.set_caption("ANNO DI GESTIONE : " + s.anno_gestione);
    Label8.set_caption(" AGENZIA " + s.agenzia_nome);

    const long clienti = std::min<long>(app.conta(kContaClienti), s.clienti.capacita());
    NOCLI.clear();
    for (int i = 1; i <= clienti; ++i) NOCLI.add_item(s.clienti[i][cliente::nome]);

    prenotazione_mostrata_.reset();
    const long prenotazioni =
        std::min<long>(app.conta(kContaPrenotazioni), s.prenotazioni.capacita());
    NRICH.clear();
    for (int i = 1; i <= prenotazioni; ++i) NRICH.add_item(plat::pad_code(std::to_string(i), 3));
    if (prenotazioni == 1) {
        // The only booking is taken at once, with everything a pick shows:
        // no pick is left for the user to make.
        NRICH.set_list_index(0);
        NRICH_Validate();
    } else {
        NRICH.set_visible(true);
        Text1.set_text("");
    }
}

void NotaPrenot::NRICH_Validate() {
    const std::string scelta = NRICH.text();
    const long k = plat::leading_int(scelta);
    // Leaving the box again on the booking shown keeps what the user has
    // typed into its note.
    if (prenotazione_mostrata_ == k) return;
    prenotazione_mostrata_ = k;
    Text1.set_text(scelta);
    Text3.set_text("");
    Text4.set_text("");
    Text5.set_text("");

    const RigaPrenotazione nessuna;
    const bool esiste = k >= 1 && k <= app.conta(kContaPrenotazioni) && s.prenotazioni.valido(k);
    const RigaPrenotazione& p = esiste ? s.prenotazioni[static_cast<int>(k)] : nessuna;

    const long appartamenti =
        std::min<long>(app.conta(kContaAppartamenti), s.appartamenti.capacita());
    for (int i = 1; i <= appartamenti; ++i) {
        if (!stesso_codice(s.appartamenti[i][appartamento::codice], p.campo[pren::appartamento]))
            continue;
        Text4.set_text(s.appartamenti[i][appartamento::codice_proprietario]);
        Text5.set_text(plat::pad_code(plat::trim(p.campo[pren::appartamento]), 4));
        break;
    }
    const long clienti = std::min<long>(app.conta(kContaClienti), s.clienti.capacita());
    for (int i = 1; i <= clienti; ++i) {
        if (!stesso_codice(s.clienti[i][cliente::codice], p.campo[pren::cliente])) continue;
        Text2.set_text(s.clienti[i][cliente::nome]);
        Text2.set_visible(true);
        NOCLI.set_visible(false);
        break;
    }

    // The booking's note, when the note it points to is really its own.
    // A pointer to another booking's note (or to no note) gives a new note,
    // so that saving never overwrites the note of a different booking.
    const long conteggio = app.conta(kContaNote);
    const long numero = plat::leading_int(p.campo[pren::nota]);
    const bool sua =
        numero >= 1 && s.note.valido(numero) &&
        stesso_codice(s.note[static_cast<int>(numero)][nota::prenotazione], std::to_string(k)) &&
        stesso_codice(s.note[static_cast<int>(numero)][nota::appartamento],
                      p.campo[pren::appartamento]);
    s.numero_nota = sua ? p.campo[pren::nota] : std::to_string(conteggio + 1);
    Text3.set_text(std::to_string(conteggio));
    Text7.set_text(s.numero_nota);
    Text6.set_text(sua ? s.note[static_cast<int>(numero)][nota::testo] : std::string());

    if (!esiste) {
        Label6.set_caption("");
        Label7.set_caption("");
        return;
    }
    Label6.set_caption(p.arrivo.text() + " - " + p.partenza.text());
    Label7.set_caption(
        " " + std::to_string(k) + " - APP. " + plat::trim(p.campo[pren::appartamento]) + " - " +
        Text2.text() + " - AFFITTO " + plat::format_amount(p.campo[pren::affitto]) + " - ACCONTO " +
        plat::format_amount(p.campo[pren::acconto]) + " - " + descrizione(stato_prenotazione(p)));
}

void NotaPrenot::SALVA_Click() {
    // Without a booking of the file there is nothing the note could belong to.
    const long k = plat::leading_int(Text1.text());
    if (k < 1 || k > app.conta(kContaPrenotazioni) || !s.prenotazioni.valido(k) ||
        s.prenotazioni[static_cast<int>(k)].campo[pren::appartamento].empty() ||
        Text7.text().empty()) {
        app.msgbox("SCEGLIERE PRIMA LA PRENOTAZIONE", plat::Buttons::Ok,
                   "INSERISCI NOTA PRENOTAZIONE");
        return;
    }
    s.operazione = "INSNOTAAFF";
    // The note and the booking that points at it are one save.
    {
        Salvataggio salvataggio(app);
        const bool scritta = plat::leading_int(Text7.text()) <= plat::leading_int(Text3.text())
                                 ? registra_note(app)
                                 : aggiungi_nota(app);
        if (!scritta || !registra_prenotazioni(app) || !salvataggio.conferma()) {
            s.numero_nota = Text7.text();
            return;
        }
    }
    // The note now stands in the file under its number: saving again
    // rewrites it rather than appending a second note.
    carica_note(app);
    Text3.set_text(app.testo(kContaNote));
    Text7.set_text(s.numero_nota);
}

void NotaPrenot::ESCI_Click() {
    app.form(forme::MENU).set_enabled(true);
    unload();
}

}  // namespace ga
