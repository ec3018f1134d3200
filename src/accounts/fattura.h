// The invoice form: an invoice to a client (for the rents of the client's
// bookings) or to an owner who works with the agency on commission (for the
// agency's commission on the owner's rents), by the mode in `operazione`
// ("CLIENTI" or "PROPRIETARI") that the opener sets. It finds the party by
// name, works out VAT, withholding or exemption, stores the invoice in the
// year's invoice register and reopens a stored one for viewing.
//
// Boxes other parts of the program read or write: Text14 (the party: client
// code or owner's record number), Text7 (the first match's), Text8 to Text11
// (name, street, address line, tax code), List1 (names found), Text16 (rows
// of the client's bookings list), Text15 (the owner's gross rents), Text2
// (taxable amount), Text6 (invoices count), Text4/Text5 (number and date),
// Check1 to Check4 (tax regime), Check5 (saved), cambia.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "platform/date.h"
#include "records/app.h"

namespace ga {

class fattura : public Forma {
public:
    static constexpr plat::FormName kName = forme::fattura;
    explicit fattura(App& app);

    void trova_totale();
    void vedi_clienti();
    void vedi_proprietari();
    void controllaincasso();
    void notaerror();
    void notaerrore();

    void cambia_Click();
    void cerca_Click();
    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void Combo1_Click();
    void ESCI_Click();
    void Form_Load() override;
    void List1_Click();
    void ritorno_Click();
    void SALVA_Click();
    void STAMPA_Click();
    void Text2_Change() { trova_totale(); }
    void Text2_Validate();
    void Text5_Validate();
    void Text8_Validate();
    void close_requested() override { ESCI_Click(); }

    plat::Image ICONAAGENZIA{*this, "ICONAAGENZIA"};
    plat::Label Label8{*this, "Label8"}, Label2{*this, "Label2"}, Label16{*this, "Label16"};
    plat::TextBox Text4{*this, "Text4"};
    plat::ComboBox Combo1{*this, "Combo1"};
    plat::TextBox Text5{*this, "Text5"};
    plat::CommandButton cerca{*this, "cerca"};
    plat::TextBox Text8{*this, "Text8"}, Text9{*this, "Text9"}, Text10{*this, "Text10"},
        Text11{*this, "Text11"};
    plat::CommandButton cambia{*this, "cambia"}, ritorno{*this, "ritorno"};
    plat::ListBox List1{*this, "List1"};
    plat::CheckBox Check1{*this, "Check1"}, Check2{*this, "Check2"}, Check3{*this, "Check3"},
        Check4{*this, "Check4"};
    plat::Frame ritenuta{*this, "ritenuta"};
    plat::Label Label15{*this, "Label15"};
    plat::TextBox Text1{*this, "Text1"};
    plat::Frame SALDOPROP{*this, "SALDOPROP"};
    plat::TextBox Text15{*this, "Text15"};
    plat::TextBox Text2{*this, "Text2"};
    plat::Label Label5{*this, "Label5"};
    plat::TextBox Text3{*this, "Text3"}, Text12{*this, "Text12"}, Text13{*this, "Text13"};
    plat::CommandButton SALVA{*this, "SALVA"}, STAMPA{*this, "STAMPA"}, ESCI{*this, "ESCI"};
    // Stores and flags, never shown.
    plat::TextBox Text6{*this, "Text6"}, Text7{*this, "Text7"}, Text14{*this, "Text14"},
        Text16{*this, "Text16"};
    plat::CheckBox Check5{*this, "Check5"}, Check6{*this, "Check6"};

private:
    friend void cerca_proprietario_fattura(App& app);

    // A new party is about to be filled in: nothing of the one before may
    // stay on the invoice (its amounts, its regime, its tax-code colour).
    void nuova_parte();
    // The question about a missing tax code; true when the code is there.
    bool codice_presente();
    // Ticks the regime a code of that length stands for.
    void spunta_per_codice();
    // Names a chosen owner (name, record) to the statement and lets it
    // compute the owner's gross rents and commission.
    void calcola_estratto(const std::string& nome, int record);
    void importi_da_estratto(const std::string& nome, int record);
    // The date typed in Text5, or none; told, the focus back in the box.
    std::optional<plat::Date> data_digitata();
    void avvisa_data_non_valida();
    void nuova_fattura();
    // The owner a search found first (name, record), or the name searched.
    std::pair<std::string, int> primo_trovato_;
    // The tax-type box "check" & n (1 to 4).
    plat::CheckBox& casella(int n);
    // Whether the boxes hold invoice `f` of the register as a save would
    // have stored it (date, party, description, amounts, regime).
    bool come_registrata(const RigaFattura& f);
    // The date a new invoice is proposed with: today, or the 31 December of
    // a management year already over (its register takes no later date).
    plat::Date data_proposta();
    // An invoice is numbered in the register of the calendar year of its
    // date: a date of another year is refused, telling the year to change
    // to. True when the date lies in the management year.
    bool data_nell_anno(plat::Date data);

    int casella_iva = 0;  // the tax-type box whose click handling ran last
    // The party's name as a search, a pick or a reopening put it into Text8:
    // leaving the box with that name unchanged searches nothing again.
    std::string nome_mostrato_;
};

// The owner search for invoicing: the owners register, read line by line,
// against `testo_ricerca`; every match is listed in `fattura.List1`, the
// first fills the invoice's party boxes and names the owner in
// `EstrattoContoPropr.Combo1`.
void cerca_proprietario_fattura(App& app);

// The taxable amount of a client invoice: the rents of the bookings listed
// for the client in `fattura.Text14`.
void controllaincasso(App& app);

}  // namespace ga
