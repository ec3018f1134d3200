// The free-period picker ("MODIFICA PERIODI"): one rental period of one
// apartment, the way to step to that apartment's neighbouring free periods,
// and two calendars to choose other start and end dates, refused when they
// fall inside another period of the same apartment. It writes no file.
//
// Opened by the booking form (a double-click on its free-period list,
// `modo_chiamata` "PRENOTAZIONE") and by the availability view (a click on
// one of its lines, "VISUPRENOTAZIONE"). The opener writes Text40 (period
// number, read from its last three characters), Text1 to Text3 (header
// texts), disables visu_disponib, sets `modo_chiamata` and shows the picker.
//
// ESCI in "PRENOTAZIONE" mode writes Text5, Text6 and Text10 into the pick
// rows `righe_dal`, `righe_al` and `righe_prezzo` at row (selected index of
// prenotazione.List1) + 1, then sets that same index of prenotazione.List1
// again: a list index set by the program runs the list's Click, and the
// booking form's List1 Click runs its `conteggi_pren`, which takes the row
// into the booking. In both modes ESCI then enables visu_disponib (loading
// it hidden when needed) and unloads the picker.
#pragma once

#include "records/app.h"

namespace ga {

class ModPeriodi : public Forma {
public:
    static constexpr plat::FormName kName = forme::ModPeriodi;
    explicit ModPeriodi(App& app);

    void Form_Activate() override;
    void HScroll1_Change();
    void Text5_DblClick();
    void Text6_DblClick();
    void DTPicker1_CloseUp();
    void DTPicker2_CloseUp();
    void VEDI_Click();
    void ESCI_Click();
    void close_requested() override { ESCI_Click(); }

    plat::Image ICONAAGENZIA{*this, "ICONAAGENZIA"};
    plat::TextBox Text1{*this, "Text1"}, Text2{*this, "Text2"}, Text3{*this, "Text3"},
        Text4{*this, "Text4"};
    plat::Frame Frame1{*this, "Frame1"};
    plat::TextBox Text5{*this, "Text5"}, Text6{*this, "Text6"}, Text10{*this, "Text10"},
        Text28{*this, "Text28"}, Text26{*this, "Text26"}, Text40{*this, "Text40"},
        Text42{*this, "Text42"};
    plat::DatePicker DTPicker1{*this, "DTPicker1"}, DTPicker2{*this, "DTPicker2"};
    plat::HScrollBar HScroll1{*this, "HScroll1"};
    plat::CommandButton VEDI{*this, "VEDI"}, ESCI{*this, "ESCI"};

private:
    // The overlap check of the two calendars against the other periods of
    // the shown apartment.
    void controllaperiodi();
    // Periods in the table, as the count box says (0 to the table's size).
    int numero_periodi();
    void mostra_periodo(int k);

    // The number of the period last shown: where the scroll bar goes back to.
    int posizione_ = 0;
};

}  // namespace ga
