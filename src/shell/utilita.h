// The utilities menu: the data folder, the agency settings, the archives,
// the invoices and the management year. It is opened over the main menu,
// which it leaves disabled until its USCITA.
#pragma once

#include <string_view>

#include "records/app.h"

namespace ga {

class utilita : public Forma {
public:
    static constexpr plat::FormName kName = forme::utilita;
    explicit utilita(App& app);

    void Form_Load() override;
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click() {}  // the bank account: nothing yet
    void Command7_Click();
    void Command8_Click();
    void List1_Click();
    void List2_Click();
    void close_requested() override { Command3_Click(); }

    plat::CommandButton Command1{*this, "Command1"}, Command2{*this, "Command2"},
        Command4{*this, "Command4"}, Command5{*this, "Command5"}, Command6{*this, "Command6"},
        Command7{*this, "Command7"}, Command3{*this, "Command3"};
    plat::ListBox List1{*this, "List1"}, List2{*this, "List2"};
    plat::TextBox Text1{*this, "Text1"};
    plat::CommandButton Command8{*this, "Command8"};

private:
    // A group button: "_" while its group is open, "" while closed.
    void gruppo(plat::CommandButton& bottone);
    void mostra_gruppo(plat::CommandButton& bottone, bool visibile);
    void nascondi_liste();
    int comando(plat::ListBox& lista);
    void apri_archivio(plat::FormName nome);
    void apri_fattura(const char* destinatario, const char* titolo);
};

}  // namespace ga
