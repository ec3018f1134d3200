// A stand-in for a form a menu opens, registered under that form's name
// before first use: it notes the code set for it and the main menu's state
// when it becomes the active window.
#pragma once

#include <memory>
#include <string>

#include "records/app.h"

namespace ga::test {

class Sonda : public Forma {
public:
    Sonda(App& app, const std::string& nome) : Forma(app, plat::FormName{nome}) {
        crea<plat::Label>("Label16");
        crea<plat::ComboBox>("Combo1");
        crea_famiglia<plat::TextBox>("Text", 1, 10);
    }
    void Form_Activate() override {
        ++attivazioni;
        operazione = s.operazione;
        menu_visibile = app.form("MENU")->is_visible();
        menu_abilitato = app.form("MENU")->is_enabled();
    }
    int attivazioni = 0;
    std::string operazione;
    bool menu_visibile = false, menu_abilitato = false;
};

inline void sostituisci(App& app, const std::string& nome) {
    app.register_form(nome, [nome](plat::Runtime& rt) {
        return std::make_unique<Sonda>(static_cast<App&>(rt), nome);
    });
}

inline Sonda& sonda(App& app, const std::string& nome) {
    return static_cast<Sonda&>(*app.form(nome));
}

}  // namespace ga::test
