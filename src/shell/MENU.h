// The main menu: the agency header, the data folder, today's date and time
// and the management year. It reads the data folder and rebuilds the paths
// of the year's files whenever it is loaded or activated, and dispatches
// every function of the program: five category buttons open their command
// lists, three open a form directly, one quits.
#pragma once

#include <functional>
#include <string_view>

#include "records/app.h"

namespace ga {

class MENU : public Forma {
public:
    static constexpr plat::FormName kName = forme::MENU;
    explicit MENU(App& app);

    void Form_Load() override;
    void Form_Activate() override;
    void prenotazioni_Click();
    void appartamenti_Click();
    void proprietar_Click();
    void client_Click();
    void disponibilita_Click();
    void contabilita_Click();
    void stampe_Click();
    void utilit_Click();
    void Command1_Click();
    void ESCI_Click();
    void List1_Click();
    void List2_Click();
    void List3_Click();
    void List4_Click();
    void List5_Click();
    void close_requested() override { ESCI_Click(); }

    plat::TextBox Text1{*this, "Text1"};
    plat::Label Label9{*this, "Label9"}, Label10{*this, "Label10"}, Label14{*this, "Label14"};
    plat::Label Label15{*this, "Label15"}, Label16{*this, "Label16"}, Label17{*this, "Label17"};
    plat::Image ICONAAGENZIA{*this, "ICONAAGENZIA"};
    plat::CommandButton prenotazioni{*this, "prenotazioni"}, appartamenti{*this, "appartamenti"},
        proprietar{*this, "proprietar"}, client{*this, "client"},
        disponibilita{*this, "disponibilita"};
    plat::Label Label4{*this, "Label4"}, Label3{*this, "Label3"}, Label2{*this, "Label2"},
        Label13{*this, "Label13"}, Label6{*this, "Label6"};
    plat::CommandButton contabilita{*this, "contabilita"}, stampe{*this, "stampe"},
        utilit{*this, "utilit"};
    plat::ListBox List1{*this, "List1"}, List2{*this, "List2"}, List3{*this, "List3"},
        List4{*this, "List4"}, List5{*this, "List5"};
    plat::CommandButton Command1{*this, "Command1"};
    plat::CommandButton ESCI{*this, "ESCI"};

private:
    enum class Menu { Nascondi, Disabilita };
    void nascondi_liste();
    void posizioni_riposo();
    void apri_lista(plat::ListBox& lista, plat::Label& etichetta);
    // The number of the command chosen in a list (1 for the first line),
    // after which the line is deselected so that the same command can be
    // chosen again.
    int comando(plat::ListBox& lista);
    // Hides or disables the menu, sets what the form needs, shows it; when
    // no form of that name exists nothing happens at all.
    void apri(plat::FormName forma, Menu menu, const std::function<void()>& imposta = {});
    void apri_fattura(const char* destinatario, const char* titolo);
};

}  // namespace ga
