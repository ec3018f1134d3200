#include "settlement/REVOCAPREN.h"

#include <cmath>
#include <optional>
#include <string>

#include "platform/date.h"
#include "platform/number.h"
#include "platform/text.h"
#include "records/archivio.h"
#include "records/caselle.h"
#include "records/importi.h"
#include "records/movimenti.h"
#include "records/periodi.h"
#include "records/prenotazioni.h"
#include "records/salvataggio.h"
#include "settlement/date_pagamento.h"

namespace ga {

namespace {

constexpr const char* kTitoloRimborso = "RESTITUZIONE ACCONTO ";

void mostra_prenotazioni_cliente(App& app) { app.form(forme::VisuPrenotCliente).show(); }

}  // namespace

REVOCAPREN::REVOCAPREN(App& app) : Forma(app, kName) {
    design("REVOCA PRENOTAZIONE", px(640), px(470));
    metti(ICONAAGENZIA, 16, 8, 90, 60).design().stretch = true;
    metti(Label1, 122, 22, 500, 30).design().font_size = 15;
    Label1.design().bold = true;
    Label1.design().text = "REVOCA PRENOTAZIONE";

    metti(Frame1, 16, 78, 608, 122).design().text = "PRENOTAZIONE";
    etichetta("PRENOTAZIONE  N°", 12, 28, 120, &Frame1);
    metti(Text3, 134, 24, 60, 25, &Frame1);
    etichetta("SIG.", 214, 28, 40, &Frame1);
    metti(Text4, 256, 24, 336, 25, &Frame1);
    etichetta("APPARTAMENTO", 12, 58, 120, &Frame1);
    metti(Text1, 134, 54, 458, 25, &Frame1).design().fixed_pitch = true;
    etichetta("PERIODO", 12, 88, 120, &Frame1);
    metti(Text6, 134, 84, 250, 25, &Frame1).design().fixed_pitch = true;
    // Stores read by the writers.
    for (plat::TextBox* t : {&Text5, &Text11, &Text12}) {
        metti(*t, 400, 84, 40, 25, &Frame1);
        t->design().visible = false;
    }

    metti(Frame2, 16, 210, 250, 176).design().text = "IMPORTI";
    etichetta("ACCONTO VERSATO", 12, 32, 124, &Frame2);
    metti(Text2, 138, 28, 98, 25, &Frame2);
    etichetta("PULIZIA FINALE", 12, 64, 124, &Frame2);
    metti(Text9, 138, 60, 98, 25, &Frame2);
    etichetta("CAUZIONE", 12, 96, 124, &Frame2);
    metti(Text10, 138, 92, 98, 25, &Frame2);
    etichetta("DATA", 12, 136, 124, &Frame2);
    metti(Text8, 138, 132, 98, 25, &Frame2);

    metti(Frame3, 278, 210, 346, 176).design().text = "MODALITA' DI RESTITUZIONE ACCONTO";
    metti(Option1, 14, 28, 320, 22, &Frame3).design().text = "NON VERRA' RESTITUITO";
    metti(Option2, 14, 56, 320, 22, &Frame3).design().text = "VERRA' RESTITUITO IN PARTE";
    metti(Option3, 14, 84, 320, 22, &Frame3).design().text = "VERRA' RESTITUITO TUTTO";
    metti(IMPORTO, 14, 136, 70, 19, &Frame3).design().text = "IMPORTO";
    metti(Text7, 90, 132, 110, 25, &Frame3);

    metti(Command1, 404, 406, 106, 40).design().text = "CONFERMA";
    Command1.design().tooltip = "REVOCA LA PRENOTAZIONE";
    metti(ESCI, 518, 406, 106, 40).design().text = "USCITA";

    for (plat::TextBox* t :
         {&Text1, &Text3, &Text4, &Text6, &Text2, &Text9, &Text10, &Text8, &Text7})
        t->design().locked = true;
    for (plat::TextBox* t : {&Text2, &Text9, &Text10, &Text7}) t->design().alignment = 1;

    Option1.on_click = [this] { Option1_Click(); };
    Option2.on_click = [this] { Option2_Click(); };
    Option3.on_click = [this] { Option3_Click(); };
    Text7.on_validate = [this] { Text7_Validate(); };
    Command1.on_click = [this] { Command1_Click(); };
    ESCI.on_click = [this] { ESCI_Click(); };
}

void REVOCAPREN::Form_Load() {
    ICONAAGENZIA.set_picture(s.percorso_logo);
    Text8.set_text(app.today().text());
    Option1.set_value(1);
    Text7.set_locked(true);
    Text7.set_text(plat::format_amount(std::string_view("0")));
    Text7.set_tooltip("");
}

void REVOCAPREN::Option1_Click() {
    Text7.set_locked(true);
    Text7.set_text(plat::format_amount(std::string_view("0")));
    Text7.set_tooltip("");
}

void REVOCAPREN::Option2_Click() {
    Text7.set_locked(false);
    Text7.set_text("");
    IMPORTO.set_visible(true);
    Text7.set_tooltip("INDICA L'IMPORTO DA RESTITUIRE");
}

void REVOCAPREN::Option3_Click() {
    Text7.set_locked(true);
    IMPORTO.set_visible(true);
    Text7.set_text(plat::format_amount(-plat::italian_or_zero(Text2.text())));
    Text7.set_tooltip("");
}

// The refund typed is read as every amount box reads one (a typed 1.000
// is a thousand, "12.50" is refused, not twelve hundred and fifty); the
// box shows it negative once read, so the sign is let through.
bool REVOCAPREN::rimborso_ammesso() {
    const std::optional<double> rimborso =
        importo_digitato(app, Text7.text(), "IMPORTO DA RESTITUIRE", true);
    if (!rimborso) {
        Text7.set_text("");
        return false;
    }
    // Compared without its sign: a refund typed negative is still money
    // going out, and cannot exceed the advance either.
    if (plat::cents(std::fabs(*rimborso)) > plat::cents(plat::italian_or_zero(Text2.text()))) {
        app.msgbox("E' STATO INSERITO UN VALORE MAGGIORE \r DELL'ACCONTO VERSATO ",
                   plat::Buttons::Ok, kTitoloRimborso);
        Text7.set_text("");
        return false;
    }
    Text7.set_text(plat::format_amount(-std::fabs(*rimborso)));
    return true;
}

void REVOCAPREN::Text7_Validate() {
    // An empty box is no amount yet: CONFERMA asks for one.
    if (plat::trim(Text7.text()).empty()) return;
    rimborso_ammesso();
}

bool REVOCAPREN::revoca_registrabile() {
    const std::string numero = plat::trim(Text3.text());
    const long k = plat::leading_int(numero);
    if (k < 1 || k > app.conta(kContaPrenotazioni) || !s.prenotazioni.valido(static_cast<int>(k)) ||
        s.prenotazioni[static_cast<int>(k)].campo[pren::appartamento].empty() ||
        s.prenotazioni[static_cast<int>(k)].campo[pren::appartamento] == "CANC")
        return registrazione_rifiutata(
            app, "LA PRENOTAZIONE N. " + numero + " NON E' PRESENTE IN ARCHIVIO.");
    // A second revocation would give the advance back twice.
    if (stato_prenotazione(s.prenotazioni[static_cast<int>(k)]) == StatoPrenotazione::revocata)
        return registrazione_rifiutata(app, "LA PRENOTAZIONE N. " + numero + " E' GIA' REVOCATA.");

    // What the period rule reads: the dates of the period shown, the
    // apartment code given from the booking, and the booking's period.
    if (!date_periodo_revocato(Text6.text()) || plat::trim(Text12.text()).empty())
        return registrazione_rifiutata(app,
                                       "I DATI DELLA PRENOTAZIONE DA REVOCARE NON SONO VALIDI.");
    const std::string periodo = plat::trim(app.testo(kVisuPeriodo));
    const long p = plat::leading_int(periodo);
    if (p < 1 || p > app.conta(kContaPeriodi))
        return registrazione_rifiutata(
            app, "IL PERIODO N. " + periodo + " DELLA PRENOTAZIONE NON E' PRESENTE IN ARCHIVIO.");
    return true;
}

void REVOCAPREN::Command1_Click() {
    if (plat::trim(Text7.text()).empty()) {
        app.msgbox("INDICA L'IMPORTO DA RESTITUIRE", plat::Buttons::Ok, kTitoloRimborso);
        return;
    }
    // The refund may reach here without the box having been left.
    if (!rimborso_ammesso() || !revoca_registrabile()) return;
    // The refund is filed under this date, in this year's journal.
    if (const auto data = plat::Date::parse(plat::trim(Text8.text()));
        data && !data_pagamento_confermata(app, *data, plat::Date{}, "LA DATA DELLA REVOCA",
                                           kTitoloRimborso))
        return;

    s.operazione = "REVOCA";
    // The refund, the revoked booking and its freed period are one save: all
    // written, or none, and then the user may confirm again.
    Salvataggio salvataggio(app);
    if (!registra_movimento(app) || !registra_prenotazioni(app) || !aggiorna_periodi(app) ||
        !salvataggio.conferma())
        return;
    mostra_prenotazioni_cliente(app);
    unload();
}

void REVOCAPREN::ESCI_Click() {
    mostra_prenotazioni_cliente(app);
    unload();
}

}  // namespace ga
