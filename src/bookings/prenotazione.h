// The booking form. For now: the store of the counts of bookings, clients,
// notes and money movements and of the writers' flags, the client block's
// fiscal-code and town boxes, and the load that reads every record table.
// The booking page itself is built with its own functions.
#pragma once

#include "records/app.h"

namespace ga {

class prenotazione : public Forma {
public:
    static constexpr const char* kName = "prenotazione";
    explicit prenotazione(App& app);

    void Form_Load() override;
    void Text9_Change();
    void Text9_Click();
    void Text9_Validate();
    void Text11_Click();
    void Text11_Validate();
    void Text12_Validate();
    void List2_Click();

    plat::Label Label1{*this, "Label1"};
    plat::ListBox List1{*this, "List1"}, List2{*this, "List2"};

private:
    // The last fiscal code the check passed: an "si" holds for that code only.
    std::string cf_valido_;
};

}  // namespace ga
