// Restore into the data folder of files from a folder the user picks: all
// the files of the chosen year and extension, or one file picked from the
// list.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "shell/archivi.h"

namespace ga {

class Rec_arch : public FormaArchivi {
public:
    static constexpr plat::FormName kName = forme::Rec_arch;
    explicit Rec_arch(App& app);

    void Form_Load() override;
    void Dir1_Change();
    void Option1_Click();
    void Option2_Click();
    void File1_Click();
    void Command1_Click();
    // Copies the files named into the data folder.
    void copia(const std::vector<std::string>& nomi);

    plat::OptionButton Option1{*this, "Option1"}, Option2{*this, "Option2"};
    plat::Label Label9{*this, "Label9"};  // beside "NOME FILE"

protected:
    void dopo_scelta() override;

private:
    // The names to restore, or nothing (the user has been told) when the
    // restore cannot or should not go on.
    std::optional<std::vector<std::string>> da_recuperare();
};

}  // namespace ga
