// The printing menu: sections opened one at a time (reprint of a booking's
// receipt, chosen by client name or by receipt number; reprint of an
// invoice of the register; the availability, complete or for one month;
// the lists of apartments, clients and owners) and the exit. Opened from the
// menu, which stays disabled until the exit.
#pragma once

#include "bookings/scelta_prenotazione.h"
#include "records/app.h"

namespace ga {

class menustampa : public Forma {
public:
    static constexpr plat::FormName kName = forme::menustampa;
    explicit menustampa(App& app);

    void Form_Load() override;
    void Command1_Click();
    void Command6_Click();
    void Command7_Click();
    void Command4_Click();
    void Command5_Click();
    void Combo1_Click();
    void List1_Click();
    void Text1_Change();
    void TOTALE_Click();
    void XMESE_Click();
    void Combo2_Click();
    void stampapre_Click();
    void Command2_Click();
    void List2_Click();
    void stampafat_Click();
    void stampaDIS_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command3_Click();
    void close_requested() override { Command3_Click(); }

    plat::Image ICONAAGENZIA{*this, "ICONAAGENZIA"};
    plat::Label Label2{*this, "Label2"};  // the management year
    // Section buttons: caption "_" while their section is open, "" closed.
    plat::CommandButton Command1{*this, "Command1"}, Command6{*this, "Command6"},
        Command7{*this, "Command7"};
    plat::CommandButton Command2{*this, "Command2"}, Command3{*this, "Command3"};

    // Reprint of a booking's receipt.
    plat::Frame SCELTAPRENOT{*this, "SCELTAPRENOT"};
    plat::CommandButton Command4{*this, "Command4"}, Command5{*this, "Command5"};
    plat::Label Label6{*this, "Label6"}, Label7{*this, "Label7"};
    plat::ComboBox Combo1{*this, "Combo1"};
    plat::ListBox List1{*this, "List1"};
    plat::TextBox Text1{*this, "Text1"};
    plat::CommandButton stampapre{*this, "stampapre"};

    // Reprint of an invoice: the register's invoices, each line carrying
    // its record.
    plat::Frame SCELTAFATT{*this, "SCELTAFATT"};
    plat::ListBox List2{*this, "List2"};
    plat::CommandButton stampafat{*this, "stampafat"};

    // Availability.
    plat::Frame STAMPDISPON{*this, "STAMPDISPON"};
    plat::CommandButton TOTALE{*this, "TOTALE"}, XMESE{*this, "XMESE"};
    plat::Label Label13{*this, "Label13"}, Label14{*this, "Label14"};
    plat::ComboBox Combo2{*this, "Combo2"};
    plat::CommandButton stampaDIS{*this, "stampaDIS"};

    // Lists.
    plat::Frame SCELTA{*this, "SCELTA"};
    plat::CommandButton Command8{*this, "Command8"}, Command9{*this, "Command9"},
        Command10{*this, "Command10"};

private:
    // Command4 and Command5, the two ways of choosing the booking to reprint.
    SceltaPrenotazione scelta();
    // Opens a closed section (true) or closes an open one.
    bool sezione(plat::CommandButton& bottone, plat::Frame& cornice);
};

}  // namespace ga
