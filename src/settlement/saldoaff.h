// The payment taken on a booking after it was made: the rest of the rent and
// the agency items still due (agency fee, final cleaning, security deposit).
// Opened from a client's bookings, which fills its boxes and stays disabled
// until this form closes. CONFERMA records the payment through the money
// engine: the movement (a balance, or only a further advance), the booking's
// note and the booking itself.
#pragma once

#include "records/app.h"

namespace ga {

class saldoaff : public Forma {
public:
    static constexpr plat::FormName kName = forme::saldoaff;
    explicit saldoaff(App& app);

    void Form_Load() override;
    void Form_Activate() override;
    void calcola_residuo();
    void Check1_Click() { spunta_voce(1); }
    void Check2_Click() { spunta_voce(2); }
    void Check3_Click() { spunta_voce(3); }
    void Text14_Click();
    void Text14_DblClick();
    void Text14_Validate();
    void Command1_Click();
    void ESCI_Click();
    void close_requested() override { ESCI_Click(); }

    plat::Image ICONAAGENZIA{*this, "ICONAAGENZIA"};
    plat::Label Label1{*this, "Label1"};
    plat::Frame Frame1{*this, "Frame1"}, CONTEGGI{*this, "CONTEGGI"}, IMPORTI{*this, "IMPORTI"},
        Frame4{*this, "Frame4"};
    // Text1 and Text6: first 60 and last 30 characters of the booking's row
    // in the client's bookings; Text3 booking number; Text4 client; Text5
    // postal code; Text16 owner code; Text17 apartment code.
    plat::TextBox Text1{*this, "Text1"}, Text3{*this, "Text3"}, Text4{*this, "Text4"},
        Text5{*this, "Text5"}, Text6{*this, "Text6"}, Text16{*this, "Text16"},
        Text17{*this, "Text17"};
    // Rent, advance paid, balance paid, residual rent.
    plat::TextBox Text7{*this, "Text7"}, Text8{*this, "Text8"}, Text9{*this, "Text9"},
        Text10{*this, "Text10"};
    // The agency items: booked value (Text11-13, an amount or "ND"), waived
    // tick (Check1-3), amount to collect now (Text18-20); Text2 their residual.
    plat::TextBox Text11{*this, "Text11"}, Text12{*this, "Text12"}, Text13{*this, "Text13"};
    plat::CheckBox Check1{*this, "Check1"}, Check2{*this, "Check2"}, Check3{*this, "Check3"};
    plat::TextBox Text18{*this, "Text18"}, Text19{*this, "Text19"}, Text20{*this, "Text20"},
        Text2{*this, "Text2"};
    // Amount paid now and the payment date.
    plat::TextBox Text14{*this, "Text14"}, Text15{*this, "Text15"};
    plat::CommandButton Command1{*this, "Command1"}, ESCI{*this, "ESCI"};

private:
    void spunta_voce(int n);
    // The amount typed is part or all of the residual rent, or exactly the
    // residual rent plus the agency residual.
    bool importo_ammesso();
    void rifiuta_importo();
    void data_se_vuota();
};

}  // namespace ga
