// The whole program in real windows for a test: the test bench (scripted
// message boxes, fixed clock, temporary folders) with the windows layer
// bound to it. `fotografa` saves a shown form's window as a picture under
// screenshots/ in the working folder, for a person to look at.
#pragma once

#include <memory>
#include <string>

#include "gui/desktop.h"
#include "support/banco.h"

class QWidget;

namespace gui_test {

class Finestre {
public:
    Finestre();
    ~Finestre();

    ga::test::Banco& banco() { return *banco_; }
    ga::App& app() { return banco_->app(); }
    gui::Desktop& desktop() { return *desktop_; }

    // The window of a form, nullptr when it was never shown.
    QWidget* finestra(const char* form);
    // Lets the windows settle, then saves screenshots/<form>.png (or
    // <nome>.png, for a second picture of one form); false when the form has
    // no visible window or the picture could not be saved.
    bool fotografa(const char* form, const char* nome = nullptr);

private:
    std::unique_ptr<ga::test::Banco> banco_;
    std::unique_ptr<gui::Desktop> desktop_;
};

}  // namespace gui_test
