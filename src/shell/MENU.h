// The main menu: the agency header, the data folder, today's date and time
// and the management year. It reads the data folder and rebuilds the paths
// of the year's files whenever it is loaded or activated.
#pragma once

#include "records/app.h"

namespace ga {

class MENU : public Forma {
public:
    static constexpr const char* kName = "MENU";
    explicit MENU(App& app);

    void Form_Load() override;
    void Form_Activate() override;
    void ESCI_Click();
    void close_requested() override { ESCI_Click(); }

    plat::TextBox Text1{*this, "Text1"};
    plat::Label Label9{*this, "Label9"}, Label10{*this, "Label10"}, Label14{*this, "Label14"};
    plat::Label Label15{*this, "Label15"}, Label16{*this, "Label16"}, Label17{*this, "Label17"};
    plat::Image ICONAAGENZIA{*this, "ICONAAGENZIA"};
    plat::CommandButton ESCI{*this, "ESCI"};
};

}  // namespace ga
