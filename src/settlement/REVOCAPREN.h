// The revocation of a booking picked in a client's bookings: the user
// chooses whether the advance stays with the agency or is given back in part
// or in full; CONFERMA writes the revocation movement, marks the booking
// revoked and frees its period. The client's bookings stay hidden while this
// form is open and are shown again by either exit.
#pragma once

#include "records/app.h"

namespace ga {

class REVOCAPREN : public Forma {
public:
    static constexpr plat::FormName kName = forme::REVOCAPREN;
    explicit REVOCAPREN(App& app);

    void Form_Load() override;
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Text7_Validate();
    void Command1_Click();
    void ESCI_Click();
    void close_requested() override { ESCI_Click(); }

    plat::Image ICONAAGENZIA{*this, "ICONAAGENZIA"};
    plat::Label Label1{*this, "Label1"};
    plat::Frame Frame1{*this, "Frame1"}, Frame2{*this, "Frame2"}, Frame3{*this, "Frame3"};
    // Text1 and Text6: first 60 and last 30 characters of the booking's row
    // in the client's bookings; Text3 booking number; Text4 client; Text5
    // postal code; Text11 owner code; Text12 apartment code.
    plat::TextBox Text1{*this, "Text1"}, Text3{*this, "Text3"}, Text4{*this, "Text4"},
        Text5{*this, "Text5"}, Text6{*this, "Text6"}, Text11{*this, "Text11"},
        Text12{*this, "Text12"};
    // Advance paid, final cleaning, security deposit, revocation date.
    plat::TextBox Text2{*this, "Text2"}, Text9{*this, "Text9"}, Text10{*this, "Text10"},
        Text8{*this, "Text8"};
    plat::OptionButton Option1{*this, "Option1"}, Option2{*this, "Option2"},
        Option3{*this, "Option3"};
    // The refund of the advance, 0 or negative.
    plat::Label IMPORTO{*this, "IMPORTO"};
    plat::TextBox Text7{*this, "Text7"};
    plat::CommandButton Command1{*this, "Command1"}, ESCI{*this, "ESCI"};

private:
    // The refund box checked against the advance; false after telling the
    // user (the box is then empty).
    bool rimborso_ammesso();
    // Everything the three writers would refuse, checked before the first.
    bool revoca_registrabile();
};

}  // namespace ga
