// The start form: the logged-on user, the management year, the program folder
// and the agency card. Its activation is the program's start-up and runs
// whole at every activation; it stays loaded, disabled, behind the menu.
#pragma once

#include "records/app.h"

namespace ga {

class zeltra : public Forma {
public:
    static constexpr plat::FormName kName = forme::zeltra;
    explicit zeltra(App& app);

    void Form_Activate() override;
    void AVANTI_Click();
    void MODIFICA_Click();
    void Command1_Click();
    void Command2_Click();
    void close_requested() override { Command2_Click(); }

    plat::Label UTENT{*this, "UTENT"};
    plat::TextBox Text17{*this, "Text17"};
    plat::Label Label28{*this, "Label28"};
    plat::Label Label26{*this, "Label26"};
    plat::Image ICONAAGENZIA{*this, "ICONAAGENZIA"};
    plat::Frame Frame1{*this, "Frame1"};  // ANAGRAFICA
    plat::Frame Frame2{*this, "Frame2"};  // CONTABILITA'
    plat::Frame Frame3{*this, "Frame3"};  // CONTO CORRENTE
    plat::Frame AGEN{*this, "AGEN"};
    plat::TextBox Text1{*this, "Text1"}, Text2{*this, "Text2"}, Text3{*this, "Text3"},
        Text4{*this, "Text4"}, Text5{*this, "Text5"}, Text6{*this, "Text6"}, Text7{*this, "Text7"},
        Text19{*this, "Text19"};
    plat::TextBox Text8{*this, "Text8"}, Text9{*this, "Text9"}, Text10{*this, "Text10"},
        Text11{*this, "Text11"}, Text12{*this, "Text12"}, Text20{*this, "Text20"};
    plat::TextBox Text13{*this, "Text13"}, Text14{*this, "Text14"}, Text15{*this, "Text15"},
        Text16{*this, "Text16"}, Text18{*this, "Text18"};
    plat::CommandButton AVANTI{*this, "AVANTI"}, MODIFICA{*this, "MODIFICA"},
        Command1{*this, "Command1"}, Command2{*this, "Command2"};
};

}  // namespace ga
