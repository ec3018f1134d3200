// Copy of the data folder's files into a folder the user picks, chosen by
// year and extension.
#pragma once

#include "shell/archivi.h"

namespace ga {

class Dest_arch : public FormaArchivi {
public:
    static constexpr plat::FormName kName = forme::Dest_arch;
    explicit Dest_arch(App& app);

    void Form_Load() override;
    void Dir1_Change();
    void Command1_Click();
    void LISTA_FILE();
    void copia();

protected:
    void dopo_scelta() override { LISTA_FILE(); }

private:
    // The data folder and the chosen folder can be copied between; tells the
    // user why not otherwise.
    bool cartelle_valide();
};

}  // namespace ga
