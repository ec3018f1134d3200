// The summary of the owner's account statement: the five sums the statement
// leaves in its boxes (gross rents, expenses, payouts, commission, residue
// still due), with the way on to the payout form.
#pragma once

#include "records/app.h"

namespace ga {

class SINTESICONTOPROP : public Forma {
public:
    static constexpr plat::FormName kName = forme::SINTESICONTOPROP;
    explicit SINTESICONTOPROP(App& app);

    void Form_Load() override;
    void SALDO_Click();
    void RITORNA_Click();
    void ESCI_Click();
    void close_requested() override { ESCI_Click(); }

    plat::Image ICONAAGENZIA{*this, "ICONAAGENZIA"};
    plat::Label Label1{*this, "Label1"}, Label2{*this, "Label2"};
    plat::TextBox Text1{*this, "Text1"}, Text2{*this, "Text2"}, Text3{*this, "Text3"},
        Text4{*this, "Text4"}, Text5{*this, "Text5"}, Text6{*this, "Text6"}, Text7{*this, "Text7"},
        Text8{*this, "Text8"};
    plat::CommandButton SALDO{*this, "SALDO"}, RITORNA{*this, "RITORNA"}, ESCI{*this, "ESCI"};
};

}  // namespace ga
