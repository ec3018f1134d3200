// The warnings form ("CONTROLLO INGRESSI") of the expired-bookings and
// arrivals check: the listed bookings over the disabled menu. Picking a
// booking's line opens that booking's client with the client's bookings;
// ESCI goes back to the menu.
#pragma once

#include "records/app.h"

namespace ga {

class controlloentruscit : public Forma {
public:
    static constexpr plat::FormName kName = forme::controlloentruscit;
    explicit controlloentruscit(App& app);

    void List1_Click();
    void ESCI_Click();
    void close_requested() override { ESCI_Click(); }

    plat::TextBox Text1{*this, "Text1"};
    plat::ListBox List1{*this, "List1"};
    plat::CommandButton ESCI{*this, "ESCI"};
};

}  // namespace ga
