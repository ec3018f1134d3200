// The agency settings form: the agency's particulars, fees and percentages,
// check-in and check-out hours, cheque payee, VAT on the rent, and the
// agency's own bank coordinates (bank record 1).
#pragma once

#include "records/app.h"

namespace ga {

class PersonalizzaAgenzia : public Forma {
public:
    static constexpr plat::FormName kName = forme::PersonalizzaAgenzia;
    explicit PersonalizzaAgenzia(App& app);

    void Form_Load() override;
    void SALVA_Click();
    void ESCI_Click();
    void Command1_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void List1_Click();
    void Text3_LostFocus();
    void Text22_LostFocus();
    void Text17_LostFocus();
    void Text18_LostFocus();
    void close_requested() override { ESCI_Click(); }

    plat::Image ICONAAGENZIA{*this, "ICONAAGENZIA"};
    plat::Label Label1{*this, "Label1"};
    plat::Frame Frame1{*this, "Frame1"}, Frame2{*this, "Frame2"}, Frame3{*this, "Frame3"},
        Frame4{*this, "Frame4"}, Frame5{*this, "Frame5"}, Frame6{*this, "Frame6"};
    plat::TextBox Text1{*this, "Text1"}, Text2{*this, "Text2"}, Text3{*this, "Text3"},
        Text22{*this, "Text22"}, Text4{*this, "Text4"}, Text5{*this, "Text5"},
        Text6{*this, "Text6"}, Text7{*this, "Text7"}, Text20{*this, "Text20"};
    plat::ListBox List1{*this, "List1"};
    plat::TextBox Text8{*this, "Text8"}, Text9{*this, "Text9"}, Text10{*this, "Text10"},
        Text11{*this, "Text11"}, Text12{*this, "Text12"}, Text21{*this, "Text21"},
        Text31{*this, "Text31"}, Text32{*this, "Text32"};
    plat::TextBox Text19{*this, "Text19"}, Text23{*this, "Text23"}, Text24{*this, "Text24"},
        Text25{*this, "Text25"}, Text26{*this, "Text26"}, Text27{*this, "Text27"},
        Text28{*this, "Text28"}, Text29{*this, "Text29"};
    plat::OptionButton Option1{*this, "Option1"}, Option2{*this, "Option2"},
        Option3{*this, "Option3"};
    plat::TextBox Text30{*this, "Text30"};
    plat::OptionButton Option4{*this, "Option4"}, Option5{*this, "Option5"};
    plat::TextBox Text14{*this, "Text14"}, Text13{*this, "Text13"}, Text16{*this, "Text16"},
        Text15{*this, "Text15"}, Text17{*this, "Text17"}, Text18{*this, "Text18"};
    plat::CommandButton Command1{*this, "Command1"};
    plat::Label Label28{*this, "Label28"};
    plat::CommandButton SALVA{*this, "SALVA"}, ESCI{*this, "ESCI"};

private:
    void cerca(const std::string& chiave);
};

}  // namespace ga
