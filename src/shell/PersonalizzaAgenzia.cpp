#include "shell/PersonalizzaAgenzia.h"

#include "platform/number.h"
#include "platform/text.h"
#include "records/agenzia.h"
#include "records/archivio.h"
#include "records/banche.h"
#include "records/comuni.h"
#include "records/salvataggio.h"
#include "registry/controlli.h"
#include "shell/caselle.h"

namespace ga {

PersonalizzaAgenzia::PersonalizzaAgenzia(App& app) : Forma(app, kName) {
    design("PERSONALIZZA", px(1104), px(680));
    metti(ICONAAGENZIA, 16, 8, 120, 80).design().stretch = true;
    metti(Label1, 152, 30, 400, 30).design().text = "PERSONALIZZAZIONE";
    Label1.design().font_size = 16;
    Label1.design().bold = true;

    // The agency's particulars; the town candidates appear beside the town.
    metti(Frame1, 16, 100, 620, 300).design().text = "ANAGRAFICA AGENZIA";
    struct Riga {
        const char* etichetta;
        plat::TextBox* box;
        int larghezza;
    };
    const Riga anagrafica[] = {
        {"AGENZIA", &Text1, 480}, {"VIA", &Text2, 480},           {"CITTA'", &Text3, 220},
        {"CAP", &Text22, 90},     {"TELEFONO", &Text4, 220},      {"PARTITA IVA", &Text5, 220},
        {"DI", &Text6, 220},      {"TEL. RESPONS.", &Text7, 220}, {"EMAIL", &Text20, 480}};
    for (int i = 0; i < 9; ++i) {
        etichetta(anagrafica[i].etichetta, 12, 30 + i * 29, 108, &Frame1);
        metti(*anagrafica[i].box, 124, 26 + i * 29, anagrafica[i].larghezza, 25, &Frame1);
    }
    metti(List1, 356, 84, 252, 150, &Frame1).design().visible = false;
    // A town taken closes the list: Enter or a click takes it, the keys move.
    List1.design().command_list = true;
    List1.design().fixed_pitch = true;

    // Fixed charges: two columns of four.
    metti(Frame2, 652, 100, 436, 152).design().text = "ADDEBITI FISSI";
    const Riga addebiti[] = {
        {"DIRITTI AGENZIA", &Text8, 0},         {"PERCENT. BRENOSA", &Text9, 0},
        {"PERCENT. IVA", &Text10, 0},           {"DEP. MINIMO CAUZIO.", &Text11, 0},
        {"IMP. PULIZIA FINAL.", &Text12, 0},    {"PERCENT. DEP. CAUZ. ", &Text21, 0},
        {"Costo Lenzuolo Persona", &Text31, 0}, {"Costo Letto Aggiunto", &Text32, 0}};
    for (int i = 0; i < 8; ++i) {
        const int colonna = i / 4, riga = i % 4;
        etichetta(addebiti[i].etichetta, 12 + colonna * 216, 30 + riga * 29, 132, &Frame2);
        metti(*addebiti[i].box, 146 + colonna * 216, 26 + riga * 29, 66, 25, &Frame2)
            .design()
            .alignment = 1;
    }

    // Check-in and check-out hours by kind of letting.
    metti(Frame3, 652, 260, 436, 172).design().text = "ORARI - ENTRATE / USCITE";
    etichetta("Ingresso dopo le ore", 200, 24, 110, &Frame3);
    etichetta("Uscita entro le ore", 318, 24, 110, &Frame3);
    const char* locazioni[] = {"LOCAZIONE MENSILE", "LOCAZIONE QUINDICINALE",
                               "LOCAZIONE SETTIMANALE", "LOCAZIONE QUIND. AGOSTO"};
    plat::TextBox* orari[] = {&Text19, &Text23, &Text24, &Text25,
                              &Text26, &Text27, &Text28, &Text29};
    for (int i = 0; i < 4; ++i) {
        etichetta(locazioni[i], 12, 52 + i * 29, 180, &Frame3);
        metti(*orari[2 * i], 200, 48 + i * 29, 100, 25, &Frame3);
        metti(*orari[2 * i + 1], 318, 48 + i * 29, 100, 25, &Frame3);
    }

    // Cheque payee.
    metti(Frame5, 16, 410, 620, 92).design().text = "ASSEGNO CIRCOLARE";
    etichetta("Eventuale pagamento con assegno circolare, dovrà essere intestato a:", 12, 24, 590,
              &Frame5);
    metti(Option1, 12, 50, 110, 24, &Frame5).design().text = "All'Agenzia";
    metti(Option2, 126, 50, 240, 24, &Frame5).design().text = "Al Proprietario dell'appartamento";
    metti(Option3, 370, 50, 76, 24, &Frame5).design().text = "Oppure";
    metti(Text30, 450, 50, 158, 25, &Frame5);

    // VAT on the rent.
    metti(Frame6, 16, 510, 620, 60).design().text = "IVA";
    etichetta("L'importo dell'affitto potrà essere soggetto ad IVA", 12, 28, 380, &Frame6);
    metti(Option4, 400, 26, 60, 24, &Frame6).design().text = "Si";
    metti(Option5, 470, 26, 60, 24, &Frame6).design().text = "No";

    // The agency's bank account.
    metti(Frame4, 652, 440, 436, 210).design().text = "COORDINATE BANCARIE";
    const Riga banca[] = {{"DENOMINAZIONE BANCA", &Text14, 260},
                          {"INTESTATARIO ", &Text13, 260},
                          {"NUMERO CONT. CORR,", &Text16, 260},
                          {"CITTA'", &Text15, 260},
                          {"IBAN", &Text17, 260},
                          {"CODICE ACCESSO", &Text18, 70}};
    for (int i = 0; i < 6; ++i) {
        etichetta(banca[i].etichetta, 12, 30 + i * 29, 148, &Frame4);
        metti(*banca[i].box, 164, 26 + i * 29, banca[i].larghezza, 25, &Frame4);
    }
    Text18.design().password_char = "*";
    Text18.design().max_length = 4;
    metti(Command1, 244, 172, 24, 24, &Frame4).design().back_color = kRosso;
    Command1.design().tooltip = "MOSTRA / NASCONDI";
    metti(Label28, 274, 176, 150, 20, &Frame4).design().text = "Mostra carattere";

    metti(SALVA, 16, 600, 120, 40).design().text = "SALVA";
    metti(ESCI, 152, 600, 120, 40).design().text = "ESCI";

    SALVA.on_click = [this] { SALVA_Click(); };
    ESCI.on_click = [this] { ESCI_Click(); };
    Command1.on_click = [this] { Command1_Click(); };
    Option1.on_click = [this] { Option1_Click(); };
    Option2.on_click = [this] { Option2_Click(); };
    Option3.on_click = [this] { Option3_Click(); };
    List1.on_click = [this] { List1_Click(); };
    Text3.on_lost_focus = [this] { Text3_LostFocus(); };
    Text22.on_lost_focus = [this] { Text22_LostFocus(); };
    Text17.on_lost_focus = [this] { Text17_LostFocus(); };
    Text18.on_lost_focus = [this] { Text18_LostFocus(); };
    for (plat::TextBox* b :
         {&Text1, &Text2, &Text4, &Text5, &Text6, &Text7, &Text14, &Text13, &Text16, &Text15})
        b->on_lost_focus = [b] { b->set_text(plat::upper(b->text())); };
    for (plat::TextBox* b : {&Text8, &Text11, &Text12, &Text31, &Text32})
        b->on_lost_focus = [b] { b->set_text(plat::format_amount(b->text())); };
}

void PersonalizzaAgenzia::Form_Load() {
    ICONAAGENZIA.set_picture(s.percorso_logo);
    for (int n = 1; n <= 18; ++n)
        if (plat::Control* c = control("Text" + std::to_string(n))) c->set_text("");

    Text1.set_text(s.agenzia_nome);
    Text2.set_text(s.agenzia_via);
    Text3.set_text(s.agenzia_citta);
    Text22.set_text(s.agenzia_cap);
    Text4.set_text(s.agenzia_telefono);
    Text5.set_text(s.partita_iva);
    Text6.set_text(s.agenzia_titolare);
    Text7.set_text(s.telefono_responsabile);
    Text20.set_text(s.agenzia_email);
    Text8.set_text(s.diritti_agenzia);
    Text9.set_text(s.percentuale_affitto);
    Text10.set_text(s.percentuale_iva);
    Text11.set_text(s.deposito_minimo);
    Text12.set_text(s.pulizia_finale);
    Text21.set_text(s.percentuale_cauzione);
    Text31.set_text(s.costo_lenzuola);
    Text32.set_text(s.costo_letto);
    Text19.set_text(s.ora_ingresso_a);
    Text23.set_text(s.ora_uscita_a);
    Text24.set_text(s.ora_ingresso_b);
    Text25.set_text(s.ora_uscita_b);
    Text26.set_text(s.ora_ingresso_c);
    Text27.set_text(s.ora_uscita_c);
    Text28.set_text(s.ora_ingresso_d);
    Text29.set_text(s.ora_uscita_d);

    // Bank record 1 is the agency's; with no record stored the boxes stay empty.
    if (app.conta(kContaBanche) >= 1) {
        const RigaBanca& b = s.banche[1];
        Text14.set_text(b.banca_nome);
        Text13.set_text(b.banca_intestatario);
        Text16.set_text(b.banca_conto);
        Text15.set_text(b.banca_citta);
        Text17.set_text(b.banca_iban);
        Text18.set_text(b.banca_codice_accesso);
    }
    for (plat::TextBox* b : {&Text8, &Text11, &Text12, &Text31, &Text32})
        b->set_text(plat::format_amount(b->text()));

    s.scelta_assegno = s.intestazione_assegno;
    if (s.scelta_assegno == "" || s.scelta_assegno == "1") Option1.set_value(1);
    else if (s.scelta_assegno == "2")
        Option2.set_value(1);
    else if (s.scelta_assegno == "3")
        Option3.set_value(1);
    Text30.set_text(s.intestatario_assegno);

    if (s.iva_affitto == "si" || s.iva_affitto == "") Option4.set_value(1);
    else if (s.iva_affitto == "no")
        Option5.set_value(1);
}

void PersonalizzaAgenzia::Option1_Click() {
    if (Option1.value()) Text30.set_locked(true);
}

void PersonalizzaAgenzia::Option2_Click() {
    if (Option2.value()) Text30.set_locked(true);
}

void PersonalizzaAgenzia::Option3_Click() { Text30.set_locked(Option3.value() == 0); }

void PersonalizzaAgenzia::Command1_Click() {
    const long colore = Command1.back_color();
    if (colore == kRosso) {
        Command1.set_back_color(kVerde);
        Label28.set_caption("Nascondi Carattere");
        Text18.set_password_char("");
    } else if (colore == kVerde) {
        Command1.set_back_color(kRosso);
        Label28.set_caption("Mostra Carattere");
        Text18.set_password_char("*");
    }
}

void PersonalizzaAgenzia::cerca(const std::string& chiave) {
    if (s.chiave_comune == "OK") return;
    s.operazione = "PERSONALIZZA";
    s.chiave_comune = chiave;
    cerca_comune(app);
}

void PersonalizzaAgenzia::Text3_LostFocus() {
    // Only a box with text in it is looked up: an empty key would match the
    // first town of the file and fill the box unasked.
    // Passing through the box keeps the town shown.
    if (Text3.text().empty() || !Text3.changed_since_focus()) return;
    Text3.set_text(plat::upper(Text3.text()));
    cerca(Text3.text());
}

void PersonalizzaAgenzia::Text22_LostFocus() {
    if (!Text22.changed_since_focus()) return;
    Text3.set_text("");
    if (Text22.text().empty()) return;
    cerca(plat::upper(Text22.text()));
}

void PersonalizzaAgenzia::List1_Click() {
    // The list line is town - postal code - province; the town box holds the
    // town with its province, as a town found directly does.
    const RigaComune r = dividi_riga_comune(List1.text());
    Text3.set_text(r.comune + " - " + r.provincia);
    Text22.set_text(r.cap);
    List1.set_visible(false);
}

void PersonalizzaAgenzia::Text17_LostFocus() {
    // The stored IBAN only passed through is not checked (and emptied) again.
    if (!Text17.changed_since_focus()) return;
    Text17.set_text(plat::upper(Text17.text()));
    s.iban_da_controllare = Text17.text();
    controlla_iban(app);
    if (s.esito_iban == "KO") Text17.set_text("");
}

void PersonalizzaAgenzia::Text18_LostFocus() {
    if (!Text18.changed_since_focus()) return;
    Text18.set_text(plat::upper(Text18.text()));
    if (plat::length(Text18.text()) != 4) {
        app.msgbox("inserire quattro caratteri");
        Text18.set_text("");
    }
}

void PersonalizzaAgenzia::SALVA_Click() {
    if (Text8.text().empty() || Text9.text().empty() || Text10.text().empty()) {
        app.msgbox(
            "ATTENZIONE !!! I CAMPI (diritti agenzia - perc.brenosa - perc. iva) DEVONO ESSERE "
            "VALORIZZATI");
        return;
    }
    // The amounts the bookings compute with: an amount or nothing.
    for (plat::TextBox* b : {&Text8, &Text11, &Text12, &Text31, &Text32}) {
        if (plat::trim(b->text()).empty() || plat::typed_amount(b->text())) continue;
        app.msgbox("L'IMPORTO \"" + b->text() +
                       "\" NON E' VALIDO.\rSCRIVERE SOLO CIFRE, LA VIRGOLA PRIMA DEI DECIMALI E "
                       "IL PUNTO TRA LE MIGLIAIA (AD ESEMPIO 1.500,00).",
                   plat::Buttons::Ok, "IMPORTO NON VALIDO", plat::Icon::Exclamation);
        return;
    }
    // Both files are checked before either is written, so a refused bank
    // value does not leave the settings saved and the bank record not.
    if (!senza_separatore(app,
                          {Text14.text(), Text13.text(), Text16.text(), Text18.text(),
                           Text15.text(), Text17.text()},
                          ","))
        return;
    // The settings and the agency's bank record are one save.
    {
        Salvataggio salvataggio(app);
        s.indice_banca = 1;
        s.operazione = "personalizza";
        if (!registra_agenzia(app) || !registra_banche(app) || !salvataggio.conferma()) return;
    }
    carica_agenzia(app);
    SALVA.set_visible(false);
    carica_banche(app);
}

void PersonalizzaAgenzia::ESCI_Click() {
    unload();
    app.campo(kAvvioCartellaDati).set_visible(true);
    app.form(forme::zeltra).set_enabled(true);
    app.form(forme::MENU).set_enabled(true);
}

}  // namespace ga
