// The refund of a booking's security deposit at the end of the stay. The
// user picks the booking by its number or by the client's name; the form
// shows the deposit paid and proposes its full refund; SALVA records the
// refund through the money engine (movement, note, booking). Opened from the
// menu, which stays disabled until USCITA.
#pragma once

#include "records/app.h"

namespace ga {

class RESTCAUZ : public Forma {
public:
    static constexpr plat::FormName kName = forme::RESTCAUZ;
    explicit RESTCAUZ(App& app);

    void Form_Activate() override;
    void NRICH_Validate();
    void prenotazione_da_numero();
    void NOCLI_Validate();
    void Text1_DblClick();
    void Text2_DblClick();
    void Text3_DblClick();
    void Text3_Validate();
    void SALVA_Click();
    void ESCI_Click();
    void close_requested() override { ESCI_Click(); }

    plat::Image ICONAAGENZIA{*this, "ICONAAGENZIA"};
    plat::Label Label8{*this, "Label8"}, Label2{*this, "Label2"};
    plat::Frame Frame1{*this, "Frame1"}, Frame2{*this, "Frame2"};
    // Picking lists: booking numbers and client names.
    plat::ComboBox NRICH{*this, "NRICH"}, NOCLI{*this, "NOCLI"};
    // Text1 booking number, Text2 client, Text4 owner code, Text5 apartment
    // code; Label6 period; Label7 the booking line handed to the picking.
    plat::TextBox Text1{*this, "Text1"}, Text2{*this, "Text2"}, Text4{*this, "Text4"},
        Text5{*this, "Text5"};
    plat::Label Label6{*this, "Label6"}, Label7{*this, "Label7"};
    // Deposit paid, refund (negative), refund date.
    plat::Label Label9{*this, "Label9"};
    plat::TextBox Text3{*this, "Text3"};
    plat::Label Label12{*this, "Label12"};
    // The booking's note: its text, number and the notes count as picked
    // (stores), and the note as rewritten with the refund remark.
    plat::TextBox Text6{*this, "Text6"}, Text7{*this, "Text7"}, Text8{*this, "Text8"};
    plat::TextBox NOTE{*this, "NOTE"};
    plat::CommandButton SALVA{*this, "SALVA"}, ESCI{*this, "ESCI"};

private:
    // Shows booking k (1 to the bookings count) with the deposit paid on it.
    void scegli_prenotazione(long k, const std::string& numero);
    // No booking picked: the booking boxes emptied.
    void nessuna_prenotazione();
    void avvisa_senza_cauzione();
    // False, after telling the user, when `rimborso` (cents) is more than
    // the deposit still held for the booking shown.
    bool rimborso_entro_cauzione(long long rimborso);
};

}  // namespace ga
