// Small widgets the forms need beyond Qt's own: labels, pictures and frames
// that report clicks, a painted line, buttons whose click survives a focus
// change, check/option buttons whose value only the program changes, a list
// that the focus alone does not pick from, and a date box that takes typed
// dates.
#pragma once

#include <array>
#include <functional>
#include <optional>

#include <QCheckBox>
#include <QColor>
#include <QDate>
#include <QFocusEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPoint>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStringListModel>
#include <QWidget>

class QCalendarWidget;

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
        const bool click =
            pressed_ && !after_double_ && this->rect().contains(e->position().toPoint());
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

// A button pressed with the mouse clicks when the mouse is released over it,
// even if the focus moved meanwhile: the box the click leaves runs its
// handlers, the form the click activates may put the focus elsewhere, and
// none of that may swallow the click (Qt lets a button that loses the focus
// forget its press).
template <class Base>
class HoldsPress : public Base {
public:
    using Base::Base;

protected:
    void mousePressEvent(QMouseEvent* e) override {
        Base::mousePressEvent(e);
        if (e->button() == Qt::LeftButton) held_ = this->isDown();
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) held_ = false;
        Base::mouseReleaseEvent(e);
    }
    void focusOutEvent(QFocusEvent* e) override {
        Base::focusOutEvent(e);
        held_ = held_ && (QGuiApplication::mouseButtons() & Qt::LeftButton);
        if (held_ && this->isEnabled()) this->setDown(true);
    }

private:
    bool held_ = false;
};

// A command button: Enter (or Return) on it presses it, as Space does, and
// it shows a mark while it has the focus, also when it has no caption (the
// style's own mark goes round the caption, and only after a Tab).
class ProgramButton : public HoldsPress<QPushButton> {
public:
    using HoldsPress<QPushButton>::HoldsPress;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
};

// A click does not change the value by itself: the runtime decides (a check
// box toggles, an option button clears the others of its frame) and the
// windows show its value afterwards.
// A click anywhere on the control counts, not only on its mark and caption.
class ProgramCheckBox : public HoldsPress<QCheckBox> {
public:
    using HoldsPress<QCheckBox>::HoldsPress;

protected:
    void nextCheckState() override {}
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

class ProgramRadioButton : public HoldsPress<QRadioButton> {
public:
    explicit ProgramRadioButton(QWidget* parent = nullptr) : HoldsPress<QRadioButton>(parent) {
        setAutoExclusive(false);
    }
    // A double-click: reported alone, its press and release are no click.
    std::function<void()> on_double_click;

protected:
    void nextCheckState() override {}
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton)
            return HoldsPress<QRadioButton>::mouseDoubleClickEvent(e);
        e->accept();
        if (on_double_click) on_double_click();
    }
};

// A list that chooses no line when it gets the focus: only the mouse or
// the keys choose one (Qt makes the first line current when a list without
// a current line is tabbed into).
//
// A list of commands moves over its lines with the keys and runs the line
// on Enter (on_run); meanwhile moving_by_keys() tells its current-row
// changes from a pick. Any list given on_run runs its line on Enter (a
// folder list opens the folder). A list with the focus and no line current
// shows a dotted mark round its lines, so the user sees where the keys go.
//
// Its lines are one list of texts given at once: a list of ten thousand
// bookings made an item at a time takes many frames to show.
class ProgramList : public QListView {
public:
    explicit ProgramList(QWidget* parent = nullptr);
    int count() const;
    QString text(int row) const;
    int currentRow() const { return currentIndex().row(); }
    // Makes the line current and chosen (none for -1).
    void setCurrentRow(int row);
    // The lines, all replaced; nothing is done when they are the same.
    void setItems(const QStringList& items);
    QRect visualItemRect(int row) const { return visualRect(lines_->index(row)); }
    bool commands = false;
    std::function<void(int)> on_run;
    bool moving_by_keys() const { return moving_; }

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QStringListModel* lines_;
    bool moving_ = false;
};

// A date box: shows its date as dd/mm/yyyy (blank for no date), takes a
// date typed in full or in part, and opens a calendar to pick one from.
//
// Typing works field by field, as on the desktop date picker: a click puts
// the typing in the field under the pointer (day, month or year), the focus
// coming by the keyboard puts it in the day. Digits fill the field; it is
// complete with its last digit or with a digit that no other can follow
// (a day from 4, a month from 2), or ends with a separator ("/", ".", "-",
// blank), and the typing goes on in the next field. Leading zeros may be
// typed or not. The date is the user's when its year has been typed in
// full (the fields not typed keep the date shown), or when the box is left
// (finish_typing) with every field known; a year of one or two digits is of
// this century. A whole date typed after a click on the month or the year
// (15062026, 15/06/2026) is taken whole, wherever the click landed; the
// month or year typed alone there is taken as that field. Escape gives up
// the typing.
//
// The program's date (setDate) never emits; set while the user types, it
// does not disturb the typing and is shown if the typing gives no date.
class DateBox : public QLineEdit {
    Q_OBJECT

public:
    explicit DateBox(QWidget* parent = nullptr);

    QDate date() const { return date_; }  // null: no date
    void setDate(const QDate& d);
    // The calendar is made the first time it is asked for or shown: a form
    // with many date boxes opens without building a calendar for each.
    QCalendarWidget* calendarWidget();
    void showCalendar();
    // Called with the calendar once it is made (before it is first shown).
    std::function<void(QCalendarWidget*)> on_calendar_made;
    // The box is being left: a date typed becomes the user's, or the
    // typing is given up.
    void finish_typing();
    bool typing() const { return typing_; }

signals:
    // The user's date: typed, or picked in the calendar.
    void dateChosen(const QDate& d);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void type_char(QChar c);
    void end_field();
    void go_to_field(int field);
    void stop_typing();
    std::optional<QDate> typed_date() const;
    // The characters typed, read as a whole date from its day: once its
    // year has four digits, or (finished) whatever fields were typed.
    static std::optional<QDate> whole_date(const QString& typed, bool finished);
    void choose(const QDate& d);
    void show_text();
    int field_at(int position) const;

    QDate date_;
    QCalendarWidget* calendar_ = nullptr;
    bool typing_ = false;
    int field_ = 0;                              // 0 day, 1 month, 2 year
    QString digits_;                             // of the field being typed
    std::array<std::optional<int>, 3> typed_{};  // fields typed so far
    bool advanced_ = false;                      // the last digit ended its field
    int start_field_ = 0;                        // where this typing began
    QString entered_;                            // every character of this typing
    int year_digits_ = 0;                        // of the year typed
};

}  // namespace gui
