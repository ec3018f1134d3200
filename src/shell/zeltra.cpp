#include "shell/zeltra.h"

#include "platform/number.h"
#include "platform/text.h"
#include "records/agenzia.h"
#include "records/banche.h"
#include "records/percorsi.h"
#include "shell/cambio_percorsi.h"
#include "shell/caselle.h"

namespace ga {

zeltra::zeltra(App& app) : Forma(app, kName) {
    design("VERIFICA DATI AGENZIA", 17145, px(560));

    metti(ICONAAGENZIA, 16, 12, 120, 90).design().stretch = true;
    metti(Label26, 152, 14, 560, 30).design().font_size = 16;
    Label26.design().bold = true;
    metti(Label28, 152, 52, 300, 20).design().bold = true;
    etichetta("VERIFICA DATI AGENZIA", 760, 18, 360).design().font_size = 12;
    etichetta("Vers. 07_O1/11", 1000, 530, 130).design().alignment = 1;

    etichetta("UTENTE", 152, 84, 70);
    metti(UTENT, 222, 84, 200, 20).design().bold = true;
    etichetta("PERCORSO", 440, 84, 80);
    metti(Text17, 520, 80, 600, 24).design().locked = true;

    // The agency's particulars.
    metti(Frame1, 16, 120, 540, 312).design().text = "ANAGRAFICA";
    const char* etichette1[] = {"AGENZIA",     "VIA",          "CITTA'",        "TELEFONO",
                                "PARTITA IVA", "RESPONSABILE", "TEL. RESPONS.", "EMAIL"};
    plat::TextBox* boxes1[] = {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text19};
    for (int i = 0; i < 8; ++i) {
        etichetta(etichette1[i], 12, 30 + i * 34, 124, &Frame1);
        metti(*boxes1[i], 140, 26 + i * 34, 384, 26, &Frame1);
    }

    // Accounting defaults.
    metti(Frame2, 572, 120, 276, 244).design().text = "CONTABILITA'";
    const char* etichette2[] = {"DIRITTI AGENZIA",  "PERCENT. BRENOSA",  "PERCENT. IVA",
                                "DEPOSITO CAUZIO.", "DEPOS. PUL. FINAL", "PERCENT.  CAUZIONE "};
    plat::TextBox* boxes2[] = {&Text8, &Text9, &Text10, &Text11, &Text12, &Text20};
    for (int i = 0; i < 6; ++i) {
        etichetta(etichette2[i], 12, 30 + i * 34, 150, &Frame2);
        metti(*boxes2[i], 164, 26 + i * 34, 100, 26, &Frame2).design().alignment = 1;
    }

    // The agency's bank account.
    metti(Frame3, 864, 120, 264, 312).design().text = "CONTO CORRENTE";
    const char* etichette3[] = {"NUMERO CONT. CORR,", "DENOMINAZIONE BANCA", "INTESTATARIO ",
                                "IBAN", "CITTA'"};
    plat::TextBox* boxes3[] = {&Text13, &Text14, &Text15, &Text16, &Text18};
    for (int i = 0; i < 5; ++i) {
        etichetta(etichette3[i], 12, 24 + i * 56, 240, &Frame3);
        metti(*boxes3[i], 12, 44 + i * 56, 240, 26, &Frame3);
    }

    // The card is for checking, not for editing: changes go through the
    // agency settings.
    for (plat::TextBox* b :
         {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text19, &Text8, &Text9, &Text10,
          &Text11, &Text12, &Text20, &Text13, &Text14, &Text15, &Text16, &Text18})
        b->design().locked = true;

    metti(AGEN, 572, 372, 276, 60).design().text = "CARTELLA DATI";
    metti(Command1, 12, 22, 40, 30, &AGEN).design().tooltip = "SCEGLI CARTELLA DATI";
    Command1.design().text = "...";
    etichetta("SCEGLI CARTELLA DATI", 62, 28, 200, &AGEN);

    metti(AVANTI, 16, 456, 56, 44).design().tooltip = "AVANTI";
    AVANTI.design().text = ">>";
    etichetta("AVANTI", 80, 468, 100);
    metti(MODIFICA, 200, 456, 56, 44).design().tooltip = "PERSONALIZZA";
    MODIFICA.design().text = "...";
    etichetta("PERSONALIZZA", 264, 468, 120);
    metti(Command2, 420, 456, 56, 44).design().tooltip = "ESCI";
    Command2.design().text = "X";
    etichetta("ESCI", 484, 468, 80);

    AVANTI.on_click = [this] { AVANTI_Click(); };
    MODIFICA.on_click = [this] { MODIFICA_Click(); };
    Command1.on_click = [this] { Command1_Click(); };
    Command2.on_click = [this] { Command2_Click(); };
}

void zeltra::Form_Activate() {
    set_width(17145);
    s.nome_utente = plat::upper(app.user_name());
    UTENT.set_caption(s.nome_utente);
    Text17.set_text(app.program_folder());
    s.anno_gestione = std::to_string(app.today().year());
    for (int n = 1; n <= 20; ++n) {
        if (n == 17) continue;
        if (plat::Control* c = control("Text" + std::to_string(n))) c->set_text("");
    }
    Label28.set_caption("ANNO DI GESTIONE " + s.anno_gestione);
    s.percorso_logo = Text17.text() + "ICONA.BMP";
    ICONAAGENZIA.set_picture(s.percorso_logo);
    imposta_percorsi_programma(app);
    // Coming back through the start form sets the year back to the clock's:
    // the forms the menu left loaded follow it.
    if (app.form(forme::MENU).is_loaded()) cambia_percorsi(app);

    Text18.set_text("");
    carica_agenzia(app);
    Text1.set_text(s.agenzia_nome);
    Text2.set_text(s.agenzia_via);
    Text3.set_text(s.agenzia_cap + "  " + s.agenzia_citta);
    Text4.set_text(s.agenzia_telefono);
    Text5.set_text(s.partita_iva);
    Text6.set_text(s.agenzia_titolare);
    Text7.set_text(s.telefono_responsabile);
    Text8.set_text(s.diritti_agenzia);
    Text9.set_text(s.percentuale_affitto);
    Text10.set_text(s.percentuale_iva);
    Text11.set_text(s.deposito_minimo);
    Text12.set_text(s.pulizia_finale);
    Text19.set_text(s.agenzia_email);
    Text20.set_text(s.percentuale_cauzione);
    for (plat::TextBox* b : {&Text8, &Text11, &Text12}) b->set_text(plat::format_amount(b->text()));

    carica_banche(app);
    // With no bank record stored, row 1 may still hold an older load's
    // values; the card shows only what the file holds.
    const bool c_e = app.conta(kContaBanche) >= 1;
    const RigaBanca vuota;
    const RigaBanca& b = c_e ? s.banche[1] : vuota;
    Text13.set_text(b.banca_conto);
    Text14.set_text(b.banca_nome);
    Text15.set_text(b.banca_intestatario);
    Text18.set_text(b.banca_citta);
    Text16.set_text(b.banca_iban);

    Label26.set_caption(Text1.text());
}

void zeltra::AVANTI_Click() {
    if (s.agenzia_nome.empty()) {
        app.msgbox("L'AGENZIA NON E' STATA PERSONALIZZATA");
        MODIFICA_Click();
        return;
    }
    app.imposta(kMenuAgenzia, s.agenzia_nome);
    app.imposta(kMenuIndirizzo, s.agenzia_via + " - " + s.agenzia_citta);
    app.imposta(kMenuRecapiti, s.agenzia_telefono + " - " + s.agenzia_email);
    AGEN.set_visible(false);
    set_enabled(false);
    s.primo_accesso_menu = "0";
    app.form(forme::MENU).show();
}

void zeltra::MODIFICA_Click() {
    AGEN.set_visible(false);
    set_enabled(false);
    app.form(forme::PersonalizzaAgenzia).show();
}

void zeltra::Command1_Click() { app.form(forme::CERCA_CART).show(); }

void zeltra::Command2_Click() { app.end_program(); }

}  // namespace ga
