// Small widgets the forms need beyond Qt's own: labels, pictures and frames
// that report clicks, a painted line, and check/option buttons whose value
// only the program changes.
#pragma once

#include <functional>

#include <QCheckBox>
#include <QColor>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPoint>
#include <QRadioButton>
#include <QWidget>

namespace gui {

// Reports a click (press and release inside the widget) and a double click.
// The second click of a double click is reported only as the double click:
// its first click has been reported already.
template <class Base>
class Clickable : public Base {
public:
    using Base::Base;
    std::function<void()> on_click;
    std::function<void()> on_double_click;

protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton) return Base::mousePressEvent(e);
        pressed_ = true;
        e->accept();
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton) return Base::mouseReleaseEvent(e);
        const bool click = pressed_ && !after_double_ && this->rect().contains(e->position().toPoint());
        pressed_ = false;
        after_double_ = false;
        e->accept();
        if (click && on_click) on_click();
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton) return Base::mouseDoubleClickEvent(e);
        pressed_ = true;
        after_double_ = true;
        e->accept();
        if (on_double_click) on_double_click();
    }

private:
    bool pressed_ = false;
    bool after_double_ = false;
};

using ClickLabel = Clickable<QLabel>;
using ClickFrame = Clickable<QGroupBox>;

// A one-line text box. Qt selects the whole text of a box reached with the
// keyboard, so the first key typed replaces it; a box whose text the user
// adds to (`caret_at_end` answering true) gets the caret after its text
// instead, with nothing selected. A click still puts the caret where it is.
class LineEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    std::function<bool()> caret_at_end;

protected:
    void focusInEvent(QFocusEvent* e) override {
        QLineEdit::focusInEvent(e);
        if (e->reason() == Qt::MouseFocusReason || !caret_at_end || !caret_at_end()) return;
        deselect();
        end(false);
    }
};

// A straight line between two points of its own area.
class LineWidget : public QWidget {
public:
    explicit LineWidget(QWidget* parent = nullptr);
    void set_line(QPoint from, QPoint to, QColor color);
    QPoint from() const { return from_; }
    QPoint to() const { return to_; }
    QColor color() const { return color_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QPoint from_, to_;
    QColor color_ = Qt::black;
};

// A click does not change the value by itself: the runtime decides (a check
// box toggles, an option button clears the others of its frame) and the
// windows show its value afterwards.
// A click anywhere on the control counts, not only on its mark and caption.
class ProgramCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override {}
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

class ProgramRadioButton : public QRadioButton {
public:
    explicit ProgramRadioButton(QWidget* parent = nullptr) : QRadioButton(parent) {
        setAutoExclusive(false);
    }

protected:
    void nextCheckState() override {}
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace gui
