// The find-booking dialog: the user picks a booking by its receipt number or
// through its client's name and prints its receipt and contract again.
// Opened from the menu, which stays disabled until the dialog's exit; after
// a print the dialog stays open for another one.
#pragma once

#include "bookings/scelta_prenotazione.h"
#include "records/app.h"

namespace ga {

class TROVA_PRENOT : public Forma {
public:
    static constexpr plat::FormName kName = forme::TROVA_PRENOT;
    explicit TROVA_PRENOT(App& app);

    void Form_Load() override;
    void Command4_Click();
    void Command5_Click();
    void Combo1_Click();
    void List1_Click();
    void STAMPA_Click();
    void scelta_prenotazione();
    void USCITA_Click();
    void close_requested() override { USCITA_Click(); }

    plat::Frame SCELTAPRENOT{*this, "SCELTAPRENOT"};
    // The two ways of choosing, each a coloured button: red off, green on.
    plat::CommandButton Command4{*this, "Command4"}, Command5{*this, "Command5"};
    plat::Label Label6{*this, "Label6"}, Label7{*this, "Label7"};
    plat::ComboBox Combo1{*this, "Combo1"};  // client names
    plat::ListBox List1{*this, "List1"};     // booking numbers
    plat::TextBox Text1{*this, "Text1"};     // the chosen number
    plat::CommandButton STAMPA{*this, "STAMPA"}, USCITA{*this, "USCITA"};

private:
    // Command4 and Command5, the two ways of choosing the booking.
    SceltaPrenotazione scelta();
};

}  // namespace ga
