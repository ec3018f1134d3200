// The desktop services shown with Qt: modal message boxes.
#pragma once

#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QString>

#include "platform/services.h"

namespace gui {

// --- the message box, part by part (tests check these without a dialog) ---

// The box's text: the program's "\r" and "\r\n" become line breaks.
QString message_text(const plat::MessageBox& box);
QMessageBox::StandardButtons standard_buttons(plat::Buttons buttons);
// The button Enter presses (plat::default_answer).
QMessageBox::StandardButton default_button(const plat::MessageBox& box);
// What Escape or the window's close button give: Cancel where the box has
// it, else No for Yes/No, else OK.
QMessageBox::StandardButton escape_button(plat::Buttons buttons);
QMessageBox::Icon message_icon(plat::Icon icon);
// The program's answer for the button pressed; a button that is not one of
// the box's (nothing pressed) counts as the escape button.
plat::Answer answer_for(QMessageBox::StandardButton pressed, plat::Buttons buttons);

// The width a window needs to show a title whole in its title bar.
int title_room(const QString& title);

// Fills a message box for the program's box, ready to exec(); the box is
// at least as wide as its title needs.
void prepare(QMessageBox& dialog, const plat::MessageBox& box);

// Shows each box modally over the active window; a notice is a line at the
// foot of the active window that goes by itself after a few seconds, takes
// no focus and no click.
class QtMessages final : public plat::MessageService {
public:
    plat::Answer show(const plat::MessageBox& box) override;
    void notice(const std::string& text) override;

private:
    QPointer<QLabel> line_;  // the line shown now, if any
};

}  // namespace gui
