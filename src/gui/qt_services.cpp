#include "gui/qt_services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QScreen>
#include <QSpacerItem>
#include <QTimer>

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

QMessageBox::StandardButton default_button(const plat::MessageBox& box) {
    switch (plat::default_answer(box)) {
        case plat::Answer::Yes: return QMessageBox::Yes;
        case plat::Answer::No: return QMessageBox::No;
        case plat::Answer::Cancel: return QMessageBox::Cancel;
        case plat::Answer::Ok: break;
    }
    return QMessageBox::Ok;
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

int title_room(const QString& title) {
    // Window managers draw titles in a bold font, beside the window's icon
    // and its buttons.
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() + 1);
    constexpr int kIconAndButtons = 140;
    return QFontMetrics(font).horizontalAdvance(title) + kIconAndButtons;
}

void prepare(QMessageBox& dialog, const plat::MessageBox& box) {
    dialog.setWindowTitle(qt_text(box.title));

    dialog.setTextFormat(Qt::PlainText);  // the program's "<" is a character, not markup
    dialog.setText(message_text(box));
    dialog.setIcon(message_icon(box.icon));
    dialog.setStandardButtons(standard_buttons(box.buttons));
    dialog.setDefaultButton(default_button(box));
    dialog.setEscapeButton(escape_button(box.buttons));
    // A box is at least as wide as its title: a blank as wide as the title
    // needs under everything (the box sizes itself from its layout, which
    // the settings above make anew).
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addItem(new QSpacerItem(title_room(dialog.windowTitle()), 0, QSizePolicy::Minimum,
                                      QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
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

void QtMessages::notice(const std::string& text) {
    constexpr int kShownMs = 8000;
    if (line_) line_->close();
    // A window of its own, so that it shows over whichever window is
    // active; closed, it deletes itself.
    auto* line =
        new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    line->setObjectName(QStringLiteral("riga_stampa"));
    line->setAttribute(Qt::WA_DeleteOnClose);
    line->setAttribute(Qt::WA_ShowWithoutActivating);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    line->setTextFormat(Qt::PlainText);
    line->setMargin(6);
    line->setFrameStyle(QFrame::Box | QFrame::Plain);
    line->setAutoFillBackground(true);
    line->setBackgroundRole(QPalette::ToolTipBase);
    line->setForegroundRole(QPalette::ToolTipText);
    line->setText(qt_text(text));
    line->adjustSize();
    QRect room;
    if (const QWidget* over = QApplication::activeWindow()) room = over->frameGeometry();
    else if (const QScreen* screen = QApplication::primaryScreen())
        room = screen->availableGeometry();
    line->move(room.left() + 8, std::max(room.top(), room.bottom() - line->height() - 8));
    line->show();
    QTimer::singleShot(kShownMs, line, &QWidget::close);
    line_ = line;
}

}  // namespace gui
