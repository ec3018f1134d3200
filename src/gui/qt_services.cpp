#include "gui/qt_services.h"

#include <QAbstractButton>
#include <QApplication>

#include "gui/convert.h"

namespace gui {

QString message_text(const plat::MessageBox& box) { return display_lines(box.text); }

QMessageBox::StandardButtons standard_buttons(plat::Buttons buttons) {
    switch (buttons) {
        case plat::Buttons::Ok: return QMessageBox::Ok;
        case plat::Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case plat::Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case plat::Buttons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton default_button(plat::Buttons buttons) {
    return buttons == plat::Buttons::YesNo || buttons == plat::Buttons::YesNoCancel
               ? QMessageBox::Yes
               : QMessageBox::Ok;
}

QMessageBox::StandardButton escape_button(plat::Buttons buttons) {
    switch (buttons) {
        case plat::Buttons::Ok: return QMessageBox::Ok;
        case plat::Buttons::OkCancel:
        case plat::Buttons::YesNoCancel: return QMessageBox::Cancel;
        case plat::Buttons::YesNo: return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon message_icon(plat::Icon icon) {
    switch (icon) {
        case plat::Icon::None: return QMessageBox::NoIcon;
        case plat::Icon::Critical: return QMessageBox::Critical;
        case plat::Icon::Question: return QMessageBox::Question;
        case plat::Icon::Exclamation: return QMessageBox::Warning;
        case plat::Icon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

plat::Answer answer_for(QMessageBox::StandardButton pressed, plat::Buttons buttons) {
    if (!(standard_buttons(buttons) & pressed)) pressed = escape_button(buttons);
    switch (pressed) {
        case QMessageBox::Cancel: return plat::Answer::Cancel;
        case QMessageBox::Yes: return plat::Answer::Yes;
        case QMessageBox::No: return plat::Answer::No;
        default: return plat::Answer::Ok;
    }
}

void prepare(QMessageBox& dialog, const plat::MessageBox& box) {
    dialog.setWindowTitle(qt_text(box.title));
    dialog.setTextFormat(Qt::PlainText);   // the program's "<" is a character, not markup
    dialog.setText(message_text(box));
    dialog.setIcon(message_icon(box.icon));
    dialog.setStandardButtons(standard_buttons(box.buttons));
    dialog.setDefaultButton(default_button(box.buttons));
    dialog.setEscapeButton(escape_button(box.buttons));
}

plat::Answer QtMessages::show(const plat::MessageBox& box) {
    // Over the active window, unless that window is disabled: a disabled
    // parent would disable the box too and nobody could answer it.
    QWidget* over = QApplication::activeWindow();
    if (over && !over->isEnabled()) over = nullptr;
    QMessageBox dialog(over);
    prepare(dialog, box);
    dialog.exec();
    QAbstractButton* clicked = dialog.clickedButton();
    const auto pressed = clicked ? dialog.standardButton(clicked) : QMessageBox::NoButton;
    return answer_for(pressed, box.buttons);
}

}  // namespace gui
