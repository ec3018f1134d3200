// The booking form: the page on which a new booking is entered (apartment,
// client, free period, dates and amounts, then SALVA), and one of the
// program's stores: its hidden boxes Text21, Text22, Text23 and Text26 hold
// the counts of bookings, clients, notes and money movements, and its hidden
// tick boxes Check1 to Check5 are the flags the shared writers set (client
// written, note appended, bookings written, movement appended, receipt
// printed). Reading any of them loads the form hidden, and its load reads
// every record table.
//
// The flags: nothing outside sets them back to 0, so this page starts a new
// booking with all five at 0 whenever a new page starts (the first time the
// form is shown after a load, and when ANNULLA clears the page). SALVA reads
// Check3 as "the booking on this page is saved" and ANNULLA and ESCI read
// Check5 as "its receipt is printed".
//
// The page is built in three sources: this form's own steps
// (prenotazione.cpp), the amounts (prenotazione_importi.cpp) and the client
// block (prenotazione_cliente.cpp).
#pragma once

#include <optional>
#include <vector>

#include <string>

#include "records/app.h"

namespace ga {

class prenotazione : public Forma {
public:
    static constexpr plat::FormName kName = forme::prenotazione;
    explicit prenotazione(App& app);

    // --- the page ---
    void Form_Load() override;
    void Form_Activate() override;
    void PULISCI_PAGINA();
    void pulisci_textbox();
    void Combo1_Click();
    void CARICA_LIST_PERIODI();
    void cambia_Click();
    void List1_Click();
    void List1_DblClick();
    void Text5_DblClick();
    void Text6_DblClick();
    void DTPicker1_CloseUp();
    void DTPicker2_CloseUp();
    void controlla_dataperiodo();
    void controlla_dataperiodo1();
    void Text20_Change();
    void SALVA_Click();
    void STAMPA_Click();
    void ANNULLA_Click();
    void ESCI_Click();
    void inv_email_Click();
    void close_requested() override { ESCI_Click(); }

    // --- the amounts ---
    void conteggi_pren();
    void Text15_Validate();
    void Text16_Validate();
    void Text17_Click();
    void Text18_Click();
    void Text19_Click();
    void Text17_DblClick();
    void Text18_DblClick();
    void Text19_DblClick();
    void Text17_Validate();
    void Text32_Validate();
    void Text33_Validate();
    void Text18_Validate();
    void Text19_Validate();
    // The extras: a click counts one more, a number typed is the count.
    void Text31_Click();
    void Text31_Change();
    void Text34_Click();
    void Text34_Change();

    // --- the client block ---
    void Text8_Validate();
    void GIU_Click();
    void SU_Click();
    void CONFERMA_Click();
    // False when the client had to be written and the writer refused.
    bool CONTROLLACLIENTE();
    void Text9_Change();
    void Text9_Click();
    void Text9_Validate();
    void Text10_Validate();
    void Text11_Click();
    void Text11_Validate();
    void Text12_Validate();
    void List2_Click();
    void Text13_Change();
    void Text14_Validate();

    plat::Image ICONAAGENZIA{*this, "ICONAAGENZIA"};
    plat::Label Label1{*this, "Label1"};
    plat::TextBox Text1{*this, "Text1"}, Text2{*this, "Text2"};

    // Apartment: the list, then the chosen code in its place.
    plat::Frame FrameAppartamento{*this, "FrameAppartamento"};
    plat::TextBox Text7{*this, "Text7"}, Text3{*this, "Text3"}, Text27{*this, "Text27"},
        Text4{*this, "Text4"};
    plat::Label Label35{*this, "Label35"};
    plat::CommandButton cambia{*this, "cambia"};
    plat::ComboBox Combo1{*this, "Combo1"};

    // Client.
    plat::Frame FrameCliente{*this, "FrameCliente"};
    plat::TextBox Text8{*this, "Text8"}, Text9{*this, "Text9"}, Text10{*this, "Text10"},
        Text11{*this, "Text11"}, Text14{*this, "Text14"}, Text12{*this, "Text12"},
        Text13{*this, "Text13"}, Text30{*this, "Text30"}, Text25{*this, "Text25"},
        Text24{*this, "Text24"};
    plat::CommandButton GIU{*this, "GIU"}, SU{*this, "SU"}, CONFERMA{*this, "CONFERMA"};
    // Made after the client boxes so that it lies over them.
    plat::ListBox List2{*this, "List2"};

    // Free periods and dates.
    plat::Label SCEGLI{*this, "SCEGLI"};
    plat::ListBox List1{*this, "List1"};
    plat::Line Line5{*this, "Line5"}, Line6{*this, "Line6"}, Line7{*this, "Line7"},
        Line8{*this, "Line8"};
    plat::TextBox Text28{*this, "Text28"}, Text5{*this, "Text5"}, Text6{*this, "Text6"};
    plat::DatePicker DTPicker2{*this, "DTPicker2"}, DTPicker1{*this, "DTPicker1"};

    // Amounts and extras.
    plat::Frame FrameImporti{*this, "FrameImporti"};
    plat::TextBox Text15{*this, "Text15"}, Text16{*this, "Text16"}, Text17{*this, "Text17"},
        Text18{*this, "Text18"}, Text19{*this, "Text19"}, Text32{*this, "Text32"},
        Text31{*this, "Text31"}, Text34{*this, "Text34"}, Text33{*this, "Text33"},
        Text29{*this, "Text29"};
    plat::Label Label30{*this, "Label30"}, Label34{*this, "Label34"};

    plat::TextBox Text20{*this, "Text20"};

    plat::CommandButton SALVA{*this, "SALVA"}, STAMPA{*this, "STAMPA"},
        inv_email{*this, "inv_email"}, ANNULLA{*this, "ANNULLA"}, ESCI{*this, "ESCI"};

    // Stores and flags, never shown.
    plat::TextBox Text21{*this, "Text21"}, Text22{*this, "Text22"}, Text23{*this, "Text23"},
        Text26{*this, "Text26"};
    plat::CheckBox Check1{*this, "Check1"}, Check2{*this, "Check2"}, Check3{*this, "Check3"},
        Check4{*this, "Check4"}, Check5{*this, "Check5"};

private:
    void disponi();
    void collega();

    // A new page starts: the flags go back to 0.
    void nuova_pagina();
    // Everything SALVA's writers would refuse, checked before the first of
    // them writes; false after telling the user.
    bool salvataggio_ammesso();
    // The booked days against the periods and the other bookings of the
    // apartment (prenotazione_date.cpp); false after telling the user.
    bool date_prenotabili();
    // Leaves the booking page for the menu (the form is unloaded).
    void torna_al_menu();
    void mostra_elenco_periodi(bool mostra);

    // Amounts.
    // The computed security deposit for a rent: the percentage of the
    // settings, or the start form's minimum when that is larger.
    std::string cauzione_calcolata(double affitto);
    void calcola_acconto_e_cauzione(double affitto);
    void voce_non_dovuta(plat::TextBox& voce);
    void voce_predefinita(plat::TextBox& voce, const std::string& valore);
    static void formatta(plat::TextBox& box);
    // How each amount box may be left: empty (the advance is then stored
    // as 0,00; the extras as nothing) and "ND" (an agency item not due).
    struct RegolaImporto {
        plat::TextBox* box;
        const char* nome;
        bool vuoto_ammesso;
        bool nd_ammesso;
    };
    std::vector<RegolaImporto> regole_importi();
    RegolaImporto regola_di(plat::TextBox& box);
    // The amount a box holds, read strictly (digits, one decimal comma,
    // thousands dots, no sign, at most 9.999.999,99). nullopt when the text
    // is empty, "ND" or no amount; `avvisa` tells the user of the last.
    std::optional<double> importo_di(plat::TextBox& box, bool avvisa);
    bool importi_registrabili();

    // Client block.
    // Client i of the table into the boxes.
    void mostra_cliente(int i);
    bool nome_comincia(int i, const std::string& prefisso);
    void svuota_cliente();
    // The client the block shows written as its record (`Text24`): the
    // stored record with the block's boxes over it.
    bool registra_cliente_della_pagina();
    // The record of the client of the file the block shows (its record
    // number names a record holding the block's code), or 0.
    int record_cliente_mostrato();
    // SALVA's check that the booking's client is in the file; false after
    // telling the user.
    bool cliente_registrato();
    // A new page searches the client afresh.
    void dimentica_ricerca_cliente();

    // Rows the period list put into List1 and into the pick rows.
    int numero_periodi_liberi_ = 0;
    // Bed places of the chosen apartment.
    std::string posti_letto_;
    // The first activation after a load starts a new page.
    bool pagina_da_aprire_ = true;
    // The last fiscal code the check passed: an "si" holds for that code only.
    std::string cf_valido_;
    // The block is being emptied by the program, not by the user.
    bool svuotando_ = false;
};

}  // namespace ga
