// A client's bookings: the user types the beginning of a client's name, the
// client's bookings of the management year are listed, and picking one shows
// its money state (rent, advance, balance, residual, agency items, note,
// refund). From here the balance is paid (`saldoaff`) or the booking revoked
// (`REVOCAPREN`), as `operazione` allows: "SALDO", "REVOCA" or "" for both.
// Opened by the menu, by the expired-bookings check (its booking's client
// shown, "CONTROLLO" in `Text18`) and by the bookings view (its booking's
// client shown, `RITORNA` shown). Other forms read its boxes: `Text15` (period number of
// the booking picked), `Text14` (its note), `Text6` to `Text10` (figures).
#pragma once

#include <string>
#include <vector>

#include "records/app.h"
#include "settlement/prenotazioni_cliente.h"

namespace ga {

class VisuPrenotCliente : public Forma {
public:
    static constexpr plat::FormName kName = forme::VisuPrenotCliente;
    explicit VisuPrenotCliente(App& app);

    void Form_Load() override;
    void Form_Activate() override;
    void Text1_Validate();
    void AVANTI_Click();
    void RETRO_Click();
    void List1_Click();
    void SALDO_Click();
    void REVOCA_Click();
    void RITORNA_Click();
    void ESCI_Click();
    void close_requested() override { ESCI_Click(); }

    // Shows client `record` of the clients table with the client's bookings,
    // as a search that found that client would: for an opener that knows the
    // client, so that no namesake is taken for it.
    void mostra_cliente(int record);

    plat::Image ICONAAGENZIA{*this, "ICONAAGENZIA"};
    plat::Label Label21{*this, "Label21"};
    plat::Frame NOTA{*this, "NOTA"}, IMPORTI{*this, "IMPORTI"}, CONTEGGI{*this, "CONTEGGI"};
    // Client: Text1 name (the search key), Text2 fiscal code, Text3 town,
    // Text4 street, Text5 client code, Text17 its record number; Text18
    // "CONTROLLO" when the arrivals check opened the form.
    plat::TextBox Text1{*this, "Text1"}, Text2{*this, "Text2"}, Text3{*this, "Text3"},
        Text4{*this, "Text4"}, Text5{*this, "Text5"}, Text17{*this, "Text17"},
        Text18{*this, "Text18"};
    plat::ListBox List1{*this, "List1"};
    // Booking picked: Text6 its number as cut from the row, Text7 rent,
    // Text8 advance, Text9 balance, Text10 residual, Text11 agency fee,
    // Text12 final cleaning, Text13 deposit, Text14 note, Text15 period
    // number, Text16 refund of a revoked booking.
    plat::TextBox Text6{*this, "Text6"}, Text7{*this, "Text7"}, Text8{*this, "Text8"},
        Text9{*this, "Text9"}, Text10{*this, "Text10"}, Text11{*this, "Text11"},
        Text12{*this, "Text12"}, Text13{*this, "Text13"}, Text14{*this, "Text14"},
        Text15{*this, "Text15"}, Text16{*this, "Text16"};
    plat::CommandButton AVANTI{*this, "AVANTI"}, RETRO{*this, "RETRO"}, SALDO{*this, "SALDO"},
        REVOCA{*this, "REVOCA"}, MODIFICA{*this, "MODIFICA"}, RITORNA{*this, "RITORNA"},
        ESCI{*this, "ESCI"};

    // The rows of the last listing (see settlement/prenotazioni_cliente.h);
    // kept while the form is unloaded, like the program's other work rows.
    std::vector<std::string> righe_prenotazioni_cliente{std::string()};
    // What each row of the listing was made of, read from its records: the
    // values acted on come from here, found by the booking number the row
    // of List1 carries, never cut from the row's text.
    std::vector<PezziRigaPrenotazione> pezzi_prenotazioni_cliente;

private:
    // Clears the figures of the booking shown and hides what acts on it.
    void svuota_dettagli(bool nascondi_azioni);
    // The pieces of the picked row, or nullptr after telling the user to
    // pick one.
    const PezziRigaPrenotazione* riga_scelta();
};

}  // namespace ga
