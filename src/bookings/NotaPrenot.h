// The note of a booking: the user picks a booking by its number, sees its
// client, period and current note, and writes or changes the note. Opened
// from the menu, which stays disabled until the form's exit.
#pragma once

#include <optional>

#include "records/app.h"

namespace ga {

class NotaPrenot : public Forma {
public:
    static constexpr plat::FormName kName = forme::NotaPrenot;
    explicit NotaPrenot(App& app);

    void Form_Load() override;
    void NRICH_Validate();
    void SALVA_Click();
    void ESCI_Click();
    void close_requested() override { ESCI_Click(); }

    plat::Image ICONAAGENZIA{*this, "ICONAAGENZIA"};
    plat::Label Label8{*this, "Label8"}, Label2{*this, "Label2"};
    plat::Frame Frame1{*this, "Frame1"};
    plat::ComboBox NRICH{*this, "NRICH"}, NOCLI{*this, "NOCLI"};
    // Text1 booking number, Text2 client, Text3 notes count, Text4 owner
    // code, Text5 apartment code, Text6 note text, Text7 note number.
    plat::TextBox Text1{*this, "Text1"}, Text2{*this, "Text2"}, Text3{*this, "Text3"},
        Text4{*this, "Text4"}, Text5{*this, "Text5"}, Text6{*this, "Text6"}, Text7{*this, "Text7"};
    plat::Label Label6{*this, "Label6"}, Label7{*this, "Label7"};
    plat::CommandButton SALVA{*this, "SALVA"}, ESCI{*this, "ESCI"};

private:
    // The booking number whose booking the form shows.
    std::optional<long> prenotazione_mostrata_;
};

}  // namespace ga
