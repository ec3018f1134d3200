// The bookings view ("VEDI PRENOTAZIONI"): the bookings of the management
// year, one line each, under one of four filters that exclude one another
// (bookings inside a period, arrivals on a day, departures on a day,
// arrivals in a month). A line shows the booking, its dates, the amount
// still to collect, the client and the state; picking it opens the client's
// bookings. It writes no file and is unloaded whenever it is left, so every
// showing starts afresh.
#pragma once

#include "platform/date.h"
#include "records/app.h"

namespace ga {

class visu_prenotazioni : public Forma {
public:
    static constexpr plat::FormName kName = forme::visu_prenotazioni;
    explicit visu_prenotazioni(App& app);

    void Form_Load() override;
    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void Combo1_Click();
    void DTPicker1_Change();
    void DTPicker2_Change();
    void DTPicker3_Change();
    void DTPicker4_Change();
    void VEDI_Click();
    void List1_Click();
    void ESCI_Click();
    void close_requested() override { ESCI_Click(); }
    // The line builder: the bookings that pass the ticked filter into List1.
    void vediprenotazioni();

    plat::Image ICONAAGENZIA{*this, "ICONAAGENZIA"};
    plat::Label Label1{*this, "Label1"}, Label6{*this, "Label6"};
    plat::Frame periodi{*this, "periodi"};
    plat::CheckBox Check1{*this, "Check1"};
    plat::DatePicker DTPicker1{*this, "DTPicker1"}, DTPicker2{*this, "DTPicker2"};
    plat::Frame zeltra{*this, "zeltra"};
    plat::CheckBox Check2{*this, "Check2"};
    plat::DatePicker DTPicker3{*this, "DTPicker3"};
    plat::Frame FINE{*this, "FINE"};
    plat::CheckBox Check3{*this, "Check3"};
    plat::DatePicker DTPicker4{*this, "DTPicker4"};
    plat::Frame Mese{*this, "Mese"};
    plat::CheckBox Check4{*this, "Check4"};
    plat::ComboBox Combo1{*this, "Combo1"};
    plat::TextBox Text1{*this, "Text1"};
    plat::Label Label7{*this, "Label7"}, Label8{*this, "Label8"}, Label9{*this, "Label9"},
        Label10{*this, "Label10"}, Label11{*this, "Label11"}, Label12{*this, "Label12"};
    plat::ListBox List1{*this, "List1"};
    plat::CommandButton VEDI{*this, "VEDI"}, ESCI{*this, "ESCI"};

private:
    // 1 January of the management year, the value that stands for no date.
    plat::Date non_impostata();
    bool impostata(plat::Control& picker);
    // Ticking one filter unticks the other three (their Click handlers run).
    void solo(plat::CheckBox& scelta);
};

}  // namespace ga
