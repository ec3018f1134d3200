// The view of the owners' money in the management year: the payouts made to
// an owner ("saldiP"), the expenses charged to an owner's apartments
// ("spese"), or, opened from the accounts button (""), also the advances and
// balances clients paid for them. One owner or all of them; it only reads the
// journal, the expenses and the registers, and writes nothing.
#pragma once

#include <string>

#include "records/app.h"

namespace ga {

class VEDISALDI : public Forma {
public:
    static constexpr plat::FormName kName = forme::VEDISALDI;
    explicit VEDISALDI(App& app);

    void Form_Load() override;
    void Combo1_Click() { Command1_Click(); }
    void Command1_Click();
    void List1_Click() {}  // a row is only looked at
    void ESCI_Click();
    void close_requested() override { ESCI_Click(); }

    plat::Image ICONAAGENZIA{*this, "ICONAAGENZIA"};
    plat::Label Label1{*this, "Label1", 0};
    plat::ComboBox Combo1{*this, "Combo1"};
    plat::CommandButton Command1{*this, "Command1"};
    plat::ListBox List1{*this, "List1"};
    plat::CommandButton ESCI{*this, "ESCI"};
};

}  // namespace ga
