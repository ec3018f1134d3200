// The whole program in real windows for a test: the test bench (scripted
// message boxes, fixed clock, temporary folders) with the windows layer
// bound to it. `fotografa` saves a shown form's window as a picture under
// screenshots/ in the working folder, for a person to look at.
#pragma once

#include <memory>
#include <string>
#include <vector>

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
    // The widget that shows a form's control.
    QWidget* widget(const char* form, const char* control) {
        return desktop_->widget(app().campo(form, control));
    }
    // Lets the windows settle, then saves <folder>/<form>.png (or
    // <folder>/<nome>.png, for a second picture of one form); false when the
    // form has no visible window or the picture could not be saved. A window
    // whose controls do not fit (non_sta) fails the test.
    bool fotografa(const char* form, const char* nome = nullptr,
                   const char* folder = "screenshots");
    // What does not fit in a shown form's window, one line per control: a
    // visible control outside its window or frame, a label whose text needs
    // more room than its box gives (word-wrapped where the label has the
    // height of two lines).
    std::vector<std::string> non_sta(const char* form);

private:
    std::unique_ptr<ga::test::Banco> banco_;
    std::unique_ptr<gui::Desktop> desktop_;
};

}  // namespace gui_test
