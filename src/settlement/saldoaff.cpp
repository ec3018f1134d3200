#include "settlement/saldoaff.h"

#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "bookings/caselle.h"
#include "platform/number.h"
#include "platform/text.h"
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

constexpr const char* kTitolo = "CONFERMA SALDO";

// Amounts are compared in cents, so that 700,50 + 230,00 equals 930,50.

// The Italian reading of an amount box; a box without one counts 0.
double importo(plat::Control& box) { return plat::italian_or_zero(box.text()); }

}  // namespace

saldoaff::saldoaff(App& app) : Forma(app, kName) {
    design("SALDO PRENOTAZIONE", 11000, px(516));
    metti(ICONAAGENZIA, 16, 8, 90, 60).design().stretch = true;
    metti(Label1, 122, 22, 580, 30).design().font_size = 15;
    Label1.design().bold = true;

    metti(Frame1, 16, 78, 700, 122).design().text = "PRENOTAZIONE";
    etichetta("PRENOTAZIONE N°", 12, 28, 116, &Frame1);
    metti(Text3, 130, 24, 60, 25, &Frame1);
    etichetta("CLIENTE", 206, 28, 60, &Frame1);
    metti(Text4, 268, 24, 270, 25, &Frame1);
    etichetta("CITTA'", 552, 28, 44, &Frame1);
    metti(Text5, 600, 24, 86, 25, &Frame1);
    etichetta("APPARTAMENTO", 12, 58, 116, &Frame1);
    metti(Text1, 130, 54, 556, 25, &Frame1).design().fixed_pitch = true;
    etichetta("PERIODO", 12, 88, 116, &Frame1);
    metti(Text6, 130, 84, 280, 25, &Frame1).design().fixed_pitch = true;
    etichetta("COD. APP.", 424, 88, 66, &Frame1);
    metti(Text17, 490, 84, 52, 25, &Frame1);
    etichetta("COD. PROPR.", 552, 88, 82, &Frame1);
    metti(Text16, 634, 84, 52, 25, &Frame1);

    metti(CONTEGGI, 16, 210, 290, 172).design().text = "CONTEGGI";
    etichetta("IMPORTO AFFITTO", 12, 32, 150, &CONTEGGI);
    metti(Text7, 166, 28, 110, 25, &CONTEGGI);
    etichetta("ACCONTO VERSATO", 12, 64, 150, &CONTEGGI);
    metti(Text8, 166, 60, 110, 25, &CONTEGGI);
    etichetta("SALDO", 12, 96, 150, &CONTEGGI);
    metti(Text9, 166, 92, 110, 25, &CONTEGGI);
    etichetta("RESIDUO", 12, 132, 150, &CONTEGGI).design().bold = true;
    metti(Text10, 166, 128, 110, 25, &CONTEGGI).design().bold = true;

    metti(IMPORTI, 318, 210, 398, 172).design().text = "IMPORTI DI AGENZIA";
    for (auto [testo, x] :
         {std::pair{"PRENOTATO", 150}, {"NON DOVUTO", 234}, {"DA INCASSARE", 310}})
        etichetta(testo, x, 20, 86, &IMPORTI).design().font_size = 8;
    plat::TextBox* prenotati[] = {&Text11, &Text12, &Text13};
    plat::CheckBox* spunte[] = {&Check1, &Check2, &Check3};
    plat::TextBox* da_incassare[] = {&Text18, &Text19, &Text20};
    const char* voci[] = {"DIRITTI DI AGENZIA", "PULIZIA FINALE", "CAUZIONE"};
    for (int i = 0; i < 3; ++i) {
        const int y = 40 + 32 * i;
        etichetta(voci[i], 12, y + 4, 146, &IMPORTI);
        metti(*prenotati[i], 150, y, 80, 25, &IMPORTI);
        metti(*spunte[i], 266, y + 4, 20, 18, &IMPORTI).design().tooltip =
            "SPUNTARE PER NON INCASSARE ORA QUESTA VOCE";
        metti(*da_incassare[i], 316, y, 72, 25, &IMPORTI);
    }
    etichetta("RESIDUO", 236, 142, 76, &IMPORTI).design().bold = true;
    metti(Text2, 316, 138, 72, 25, &IMPORTI).design().bold = true;

    metti(Frame4, 16, 392, 480, 70).design().text = "PAGAMENTO";
    etichetta("IMPORTO VERSATO", 12, 32, 120, &Frame4);
    metti(Text14, 134, 28, 110, 25, &Frame4).design().tooltip =
        "DOPPIO CLICK PER L'INTERO IMPORTO DOVUTO";
    etichetta("DATA ODIERNA", 264, 32, 100, &Frame4);
    metti(Text15, 366, 28, 100, 25, &Frame4);

    metti(Command1, 508, 410, 100, 40).design().text = "CONFERMA";
    Command1.design().tooltip = "REGISTRA IL PAGAMENTO";
    metti(ESCI, 616, 410, 100, 40).design().text = "USCITA";

    // Only the amount paid, its date and the ticks are the user's to change.
    for (plat::TextBox* t :
         {&Text1, &Text3, &Text4, &Text5, &Text6, &Text16, &Text17, &Text7, &Text8, &Text9, &Text10,
          &Text11, &Text12, &Text13, &Text18, &Text19, &Text20, &Text2})
        t->design().locked = true;
    for (plat::TextBox* t : {&Text7, &Text8, &Text9, &Text10, &Text11, &Text12, &Text13, &Text18,
                             &Text19, &Text20, &Text2, &Text14})
        t->design().alignment = 1;

    Check1.on_click = [this] { Check1_Click(); };
    Check2.on_click = [this] { Check2_Click(); };
    Check3.on_click = [this] { Check3_Click(); };
    Text14.on_click = [this] { Text14_Click(); };
    Text14.on_dbl_click = [this] { Text14_DblClick(); };
    Text14.on_validate = [this] { Text14_Validate(); };
    Command1.on_click = [this] { Command1_Click(); };
    ESCI.on_click = [this] { ESCI_Click(); };
}

void saldoaff::Form_Load() { Text15.set_text(app.today().text()); }

void saldoaff::Form_Activate() {
    set_width(11000);
    ICONAAGENZIA.set_picture(s.percorso_logo);
    Label1.set_caption("SALDO PRENOTAZIONE - " + s.anno_gestione);

    // The owner and apartment codes (Text16, Text17) are given by the
    // opener from the booking's records: the row in Text1 is for the eye.

    // An item not due ("ND") or already collected with the booking has
    // nothing to collect now, whatever its amount box was given: the journal
    // records the amount in that box as collected with the balance.
    plat::TextBox* prenotati[] = {&Text11, &Text12, &Text13};
    plat::TextBox* da_incassare[] = {&Text18, &Text19, &Text20};
    for (int i = 0; i < 3; ++i) {
        const std::string voce = prenotati[i]->text();
        if (voce == "ND" || plat::leading_number(voce) != 0) da_incassare[i]->set_text("");
    }

    Check1.set_value(0);
    Check2.set_value(0);
    Check3.set_value(0);
    Text15.set_text(app.today().text());
    if (Text9.text().empty()) Text9.set_text(plat::format_amount(std::string_view("0")));
    calcola_residuo();
}

void saldoaff::calcola_residuo() {
    Text10.set_text("");
    for (plat::TextBox* t : {&Text7, &Text8, &Text9})
        if (t->text().empty()) t->set_text("0");
    Text10.set_text(plat::format_amount(importo(Text7) - importo(Text8) - importo(Text9)));

    // The agency items still due: neither "ND" nor waived. Read the Italian
    // way, so that the cents of an amount are counted too.
    plat::TextBox* prenotati[] = {&Text11, &Text12, &Text13};
    plat::CheckBox* spunte[] = {&Check1, &Check2, &Check3};
    plat::TextBox* da_incassare[] = {&Text18, &Text19, &Text20};
    double agenzia = 0;
    for (int i = 0; i < 3; ++i) {
        if (prenotati[i]->text() == "ND" || spunte[i]->value() != 0) continue;
        agenzia += importo(*da_incassare[i]);
    }
    Text2.set_text(plat::format_amount(agenzia));
}

// Only an item booked "0,00" (not collected with the booking, its amount
// defaulted from the agency settings) can be waived.
void saldoaff::spunta_voce(int n) {
    plat::TextBox* prenotati[] = {&Text11, &Text12, &Text13};
    plat::CheckBox* spunte[] = {&Check1, &Check2, &Check3};
    if (prenotati[n - 1]->text() != "0,00") {
        spunte[n - 1]->set_value(0);
        return;
    }
    Text14.set_text("");
    Text15.set_text("");
    calcola_residuo();
}

void saldoaff::Text14_Click() { Text14.set_text(""); }

void saldoaff::Text14_DblClick() {
    Text14.set_text(plat::format_amount(importo(Text10) + importo(Text2)));
    data_se_vuota();
}

// A date the user typed stays: today only fills a box left empty.
void saldoaff::data_se_vuota() {
    if (plat::trimmed(Text15.text()).empty()) Text15.set_text(app.today().text());
}

// The amount typed, as every amount box reads one; then a part of the
// residual, or all that is due. A refusal is told, and the box emptied.
bool saldoaff::importo_ammesso() {
    const std::optional<double> versato = importo_digitato(app, Text14.text(), "IMPORTO VERSATO");
    if (!versato) {
        Text14.set_text("");
        return false;
    }
    const long long p = plat::cents(*versato);
    const long long residuo = plat::cents(importo(Text10));
    if (p > 0 && (p <= residuo || p == residuo + plat::cents(importo(Text2)))) return true;
    rifiuta_importo();
    return false;
}

void saldoaff::rifiuta_importo() {
    app.msgbox(" IL VALORE DIGITATO NON PUO' ESSERE VALIDO ", plat::Buttons::Ok);
    Text14.set_text("");
}

void saldoaff::Text14_Validate() {
    // Leaving the box empty is not a payment yet: CONFERMA asks for one.
    if (!plat::trim(Text14.text()).empty() && !importo_ammesso()) return;
    Text14.set_text(plat::format_amount(std::string_view(Text14.text())));
    data_se_vuota();
}

void saldoaff::Command1_Click() {
    if (plat::trim(Text14.text()).empty()) {
        app.msgbox("INSERISCI L'IMPORTO A SALDO ", plat::Buttons::Ok, kTitolo);
        return;
    }
    // The amount may reach here without the box having been left.
    if (!importo_ammesso()) return;
    Text14.set_text(plat::format_amount(std::string_view(Text14.text())));

    // What the later writers would refuse is refused now, before the
    // movement is written: a movement without its booking change would stand
    // in the journal alone.
    const long k = plat::leading_int(Text3.text());
    const bool esiste = k >= 1 && k <= app.conta(kContaPrenotazioni) &&
                        s.prenotazioni.valido(static_cast<int>(k)) &&
                        !s.prenotazioni[static_cast<int>(k)].campo[pren::appartamento].empty() &&
                        s.prenotazioni[static_cast<int>(k)].campo[pren::appartamento] != "CANC";
    if (!esiste) {
        registrazione_rifiutata(app, "LA PRENOTAZIONE N. " + plat::trim(Text3.text()) +
                                         " NON E' PRESENTE IN ARCHIVIO.");
        return;
    }
    // A date a year or a month wrong files the money where no one looks.
    if (const auto data = plat::Date::parse(plat::trim(Text15.text()));
        data && !data_pagamento_confermata(app, *data, s.prenotazioni[static_cast<int>(k)].partenza,
                                           "LA DATA DEL PAGAMENTO", kTitolo))
        return;
    // The note the booking points to is one the notes file can hold; a new
    // note always finds its row after the last.
    const long nota = plat::leading_int(s.numero_nota);
    carica_note(app);
    if (nota > 0 && !s.note.ammesso(nota)) {
        registrazione_rifiutata(
            app, "IL NUMERO DELLA NOTA NON E' VALIDO (" + std::to_string(nota) + ").");
        return;
    }

    Command1.set_visible(false);
    s.operazione = "SALDO";
    // The movement, the note and the booking are one save: all written, or
    // none, and then the user may correct and confirm again.
    const std::string nota_prima = s.numero_nota;
    const std::string testo_nota = app.testo(kVisuNota);
    {
        Salvataggio salvataggio(app);
        // registra_movimento decides between "SALDO" and "ACCON".
        const bool registrato =
            registra_movimento(app) &&
            (plat::leading_number(s.numero_nota) <= 0 ? aggiungi_nota(app) : registra_note(app)) &&
            registra_prenotazioni(app) && salvataggio.conferma();
        if (!registrato) {
            s.numero_nota = nota_prima;
            app.imposta(kVisuNota, testo_nota);
            Command1.set_visible(true);
            return;
        }
    }
    // Closed first, then the booking shown anew: the refresh fills this form
    // again (loaded hidden), so that after a further advance the SALDO still
    // offered opens on the booking's figures, not on a form emptied by the
    // unload.
    unload();
    seleziona_prenotazione(app);
    app.form(forme::VisuPrenotCliente).set_enabled(true);
}

void saldoaff::ESCI_Click() {
    app.form(forme::VisuPrenotCliente).set_enabled(true);
    unload();
}

}  // namespace ga
