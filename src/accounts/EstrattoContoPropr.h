// The owner's account statement: the statement lines of the chosen owner for
// the management year, with four exclusive filters, leading to the expense
// form, the payout form and the summary. Its Combo1 names the owner whose
// statement `estratto_conto_proprietario` draws, whoever calls it, and
// `record_proprietario` that owner's record when it is known.
#pragma once

#include "records/app.h"

namespace ga {

class EstrattoContoPropr : public Forma {
public:
    static constexpr plat::FormName kName = forme::EstrattoContoPropr;
    explicit EstrattoContoPropr(App& app);

    void Form_Load() override;
    void Combo1_Click();
    void Check_Click(int n);
    void cambia_Click();
    void insspese_Click();
    void SALDIPROP_Click();
    void SINTESI_Click();
    void ESCI_Click();
    void close_requested() override { ESCI_Click(); }

    plat::Image ICONAAGENZIA{*this, "ICONAAGENZIA"};
    plat::Label Label1{*this, "Label1"}, Label2{*this, "Label2"}, Label3{*this, "Label3"};
    plat::ComboBox Combo1{*this, "Combo1"};
    plat::TextBox Text1{*this, "Text1"}, Text2{*this, "Text2"}, Text3{*this, "Text3"},
        Text4{*this, "Text4"};
    plat::CheckBox Check1{*this, "Check1"}, Check2{*this, "Check2"}, Check3{*this, "Check3"},
        Check4{*this, "Check4"};
    plat::ListBox List1{*this, "List1"};
    plat::CommandButton insspese{*this, "insspese"}, SALDIPROP{*this, "SALDIPROP"},
        SINTESI{*this, "SINTESI"}, cambia{*this, "cambia"}, ESCI{*this, "ESCI"};

    // The record (owners table) of the owner named in Combo1, 0 when only
    // the name is known; set with the name by `scegli_proprietario`.
    int record_proprietario = 0;

private:
    plat::CheckBox& filtro(int n);
};

}  // namespace ga
