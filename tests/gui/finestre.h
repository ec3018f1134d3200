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
class QPoint;

namespace gui_test {

// The mouse as the window system delivers it, through the widget's window,
// at a point of the widget (its centre when none is given): a click is a
// press and a release; a double-click a press, a release, the double-click
// and its release.
void clic(QWidget* widget);
void clic(QWidget* widget, const QPoint& at);
void doppio_clic(QWidget* widget);

class Finestre {
public:
    Finestre();
    ~Finestre();

    ga::test::Banco& banco() { return *banco_; }
    ga::App& app() { return banco_->app(); }
    gui::Desktop& desktop() { return *desktop_; }

    // The window of a form, nullptr when it was never shown.
    QWidget* finestra(const char* form);
    // Lets the windows settle, then saves screenshots/<form>.png; false when
    // the form has no visible window or the picture could not be saved.
    bool fotografa(const char* form);

private:
    std::unique_ptr<ga::test::Banco> banco_;
    std::unique_ptr<gui::Desktop> desktop_;
};

}  // namespace gui_test
