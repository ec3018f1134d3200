// The data-folder chooser. Its OK remembers the chosen folder in the pointer
// file and gives the menu back.
#pragma once

#include "records/app.h"

namespace ga {

class CERCA_CART : public Forma {
public:
    static constexpr plat::FormName kName = forme::CERCA_CART;
    explicit CERCA_CART(App& app);

    void Form_Load() override;
    void Drive1_Change();
    void Dir1_Change();
    void OK_Click();
    void close_requested() override;
    // Escape leaves the chooser as its close button does.
    bool closes_on_escape() const override { return true; }

    plat::DriveList Drive1{*this, "Drive1"};
    plat::DirList Dir1{*this, "Dir1"};
    plat::TextBox Text1{*this, "Text1"};
    plat::CommandButton OK{*this, "OK"};
};

}  // namespace ga
