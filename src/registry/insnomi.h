// The clients register "INSERIM/MODIF CLIENTI": browse, find by name, add,
// change and delete the records of "clienti.dat". A save hands the clients
// writer the record the form's boxes fill. Its read-only box Text8 holds the
// clients count that other forms read.
#pragma once

#include <string>

#include "records/app.h"

namespace ga {

class insnomi : public Forma {
public:
    static constexpr plat::FormName kName = forme::insnomi;
    explicit insnomi(App& app);

    void Form_Load() override;
    void Form_Activate() override;
    void NUOVOINS_Click();
    void MODICLI_Click();
    void VEDI_Click();
    void SALVACLI_Click();
    void CESTO_Click();
    void USCITA_Click();
    void Combo1_Click();
    void HScroll1_Change();
    void List1_Click();
    void Text1_Validate();
    void Text3_Validate();
    void Text4_Validate();
    void Text7_Validate();
    void close_requested() override { USCITA_Click(); }

    // Rewrites "clienti.dat" without the records named "CANC" (or empty) and
    // reloads the clients. False, after a message, when nothing was written.
    bool cancella_cliente();

    plat::Image ICONAAGENZIA{*this, "ICONAAGENZIA"};
    plat::Label Label1{*this, "Label1"};
    plat::TextBox Text10{*this, "Text10"}, Text1{*this, "Text1"}, Text2{*this, "Text2"},
        Text3{*this, "Text3"}, Text4{*this, "Text4"}, Text5{*this, "Text5"}, Text6{*this, "Text6"},
        Text7{*this, "Text7"}, Text11{*this, "Text11"};
    plat::TextBox Text8{*this, "Text8"}, Text9{*this, "Text9"};
    plat::HScrollBar HScroll1{*this, "HScroll1"};
    plat::CommandButton NUOVOINS{*this, "NUOVOINS"}, VEDI{*this, "VEDI"}, MODICLI{*this, "MODICLI"},
        CESTO{*this, "CESTO"}, SALVACLI{*this, "SALVACLI"}, USCITA{*this, "USCITA"};
    // Made last so that they lie over the name and town boxes.
    plat::ComboBox Combo1{*this, "Combo1"};
    plat::ListBox List1{*this, "List1"};

private:
    // The boxes the user edits: name, street, postal code, town, telephone,
    // province, fiscal code, e-mail.
    plat::TextBox* const modificabili_[8] = {&Text1, &Text2, &Text3, &Text4,
                                             &Text5, &Text6, &Text7, &Text11};
    // The town candidates, when the lookup shows them, take the keys.
    void mostra_comuni();
    // Locks or unlocks them, in the back colour of the mode.
    void blocca(bool bloccati, long colore);
    // Clears them and the client code.
    void svuota();
    // Record k of the clients table in the nine boxes (0: the empty record).
    void mostra(int k);
    // The record to write as client k: the stored one with the boxes over it.
    RigaCliente cliente_scritto(long k);
    // The count as the clients table holds it now.
    void aggiorna_conta();
    // A client that is stored is now on screen: a save changes it instead
    // of appending a copy under the same code.
    void fine_inserimento();
    bool in_inserimento() const;
    // No stored client is on screen any more: the record number names none.
    void nessun_cliente_mostrato();
    // True when record k is the stored client the boxes show.
    bool cliente_mostrato(long k);
    int conta();
};

}  // namespace ga
