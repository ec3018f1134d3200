#include "gui/widgets.h"

#include <algorithm>

#include <QAction>
#include <QCalendarWidget>
#include <QClipboard>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <QPolygonF>
#include <QScreen>
#include <QSignalBlocker>

namespace gui {

LineWidget::LineWidget(QWidget* parent) : QWidget(parent) {
    // A line is drawn over whatever lies beneath it and never takes a click.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void LineWidget::set_line(QPoint from, QPoint to, QColor color) {
    if (from == from_ && to == to_ && color == color_) return;
    from_ = from;
    to_ = to;
    color_ = color;
    update();
}

void LineWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(color_, 1));
    p.drawLine(from_, to_);
}

// --- ProgramButton -----------------------------------------------------------------

void ProgramButton::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
        e->modifiers() == Qt::NoModifier) {
        e->accept();
        if (isEnabled() && !e->isAutoRepeat()) click();
        return;
    }
    HoldsPress<QPushButton>::keyPressEvent(e);
}

void ProgramButton::paintEvent(QPaintEvent* e) {
    HoldsPress<QPushButton>::paintEvent(e);
    if (!hasFocus()) return;
    QPainter p(this);
    QPen pen(palette().color(QPalette::ButtonText), 1, Qt::DotLine);
    p.setPen(pen);
    p.drawRect(rect().adjusted(4, 4, -5, -5));
}

// --- ProgramList -------------------------------------------------------------------

ProgramList::ProgramList(QWidget* parent) : QListView(parent), lines_(new QStringListModel(this)) {
    setModel(lines_);
    // The lines are the program's: no double-click edits them.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

int ProgramList::count() const { return lines_->rowCount(); }

QString ProgramList::text(int row) const {
    return lines_->data(lines_->index(row), Qt::DisplayRole).toString();
}

void ProgramList::setCurrentRow(int row) {
    selectionModel()->setCurrentIndex(lines_->index(row), QItemSelectionModel::ClearAndSelect);
}

void ProgramList::setItems(const QStringList& items) {
    if (lines_->stringList() == items) return;
    // No line stays current or chosen across new lines.
    selectionModel()->clear();
    lines_->setStringList(items);
}

void ProgramList::focusInEvent(QFocusEvent* e) {
    const int before = currentRow();
    const QSignalBlocker block(selectionModel());
    QListView::focusInEvent(e);
    if (currentRow() != before) setCurrentRow(before);
    viewport()->update();
}

void ProgramList::focusOutEvent(QFocusEvent* e) {
    QListView::focusOutEvent(e);
    viewport()->update();
}

void ProgramList::keyPressEvent(QKeyEvent* e) {
    // Enter runs the line; on a list of commands Space does too, as a click.
    const bool run = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter ||
                     (commands && e->key() == Qt::Key_Space);
    if (run && on_run) {
        e->accept();
        if (currentRow() >= 0 && !e->isAutoRepeat()) on_run(currentRow());
        return;
    }
    if (!commands) return QListView::keyPressEvent(e);
    moving_ = true;
    QListView::keyPressEvent(e);
    moving_ = false;
}

void ProgramList::paintEvent(QPaintEvent* e) {
    QListView::paintEvent(e);
    if (!hasFocus() || currentIndex().isValid()) return;
    QPainter p(viewport());
    p.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
    p.drawRect(viewport()->rect().adjusted(1, 1, -2, -2));
}

// --- DateBox -------------------------------------------------------------------------

namespace {

constexpr int kFieldStart[3] = {0, 3, 6};
constexpr int kFieldWidth[3] = {2, 2, 4};

bool is_separator(QChar c) {
    return c == QLatin1Char('/') || c == QLatin1Char('.') || c == QLatin1Char('-') ||
           c == QLatin1Char(' ');
}

// The arrow of the button that opens the calendar.
QIcon drop_down_arrow(const QColor& color) {
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(QPolygonF({QPointF(2, 4), QPointF(10, 4), QPointF(6, 9)}));
    return QIcon(pixmap);
}

}  // namespace

DateBox::DateBox(QWidget* parent) : QLineEdit(parent) {
    // What is typed goes through the fields, never straight into the text.
    setReadOnly(true);
    setContextMenuPolicy(Qt::NoContextMenu);
    QAction* drop =
        addAction(drop_down_arrow(palette().color(QPalette::Text)), QLineEdit::TrailingPosition);
    connect(drop, &QAction::triggered, this, &DateBox::showCalendar);
}

QCalendarWidget* DateBox::calendarWidget() {
    if (calendar_) return calendar_;
    calendar_ = new QCalendarWidget(this);
    calendar_->setWindowFlags(Qt::Popup);
    calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    auto picked = [this](QDate d) {
        calendar_->hide();
        choose(d);
    };
    connect(calendar_, &QCalendarWidget::clicked, this, picked);
    connect(calendar_, &QCalendarWidget::activated, this, picked);
    if (on_calendar_made) on_calendar_made(calendar_);
    return calendar_;
}

void DateBox::setDate(const QDate& d) {
    const QDate shown = d.isValid() ? d : QDate();
    if (shown == date_) return;
    date_ = shown;
    // While the user types, the typing is left alone.
    if (!typing_) show_text();
}

void DateBox::showCalendar() {
    finish_typing();
    calendarWidget();
    if (date_.isValid()) {
        calendar_->setSelectedDate(date_);
        calendar_->setCurrentPage(date_.year(), date_.month());
    }
    calendar_->adjustSize();
    QPoint at = mapToGlobal(QPoint(0, height()));
    if (const QScreen* screen = this->screen()) {
        const QRect room = screen->availableGeometry();
        if (at.y() + calendar_->height() > room.bottom())
            at.setY(mapToGlobal(QPoint(0, 0)).y() - calendar_->height());
        at.setX(std::clamp(at.x(), room.left(),
                           std::max(room.left(), room.right() - calendar_->width())));
    }
    calendar_->move(at);
    calendar_->show();
    calendar_->setFocus(Qt::PopupFocusReason);
}

void DateBox::choose(const QDate& d) {
    stop_typing();
    const bool changed = d != date_;
    date_ = d;
    show_text();
    if (changed) emit dateChosen(d);
}

void DateBox::finish_typing() {
    if (!typing_) return;
    std::optional<QDate> d = typed_date();
    if (!d && start_field_ > 0) d = whole_date(entered_, true);
    if (d) {
        choose(*d);
    } else {
        stop_typing();
        show_text();
    }
}

void DateBox::stop_typing() {
    typing_ = false;
    digits_.clear();
    typed_ = {};
    advanced_ = false;
    year_digits_ = 0;
    entered_.clear();
}

namespace {

// A year typed in one or two digits is of this century; one typed in four
// is that year ("0082" is no year of ours).
std::optional<QDate> make_date(int day, int month, int year, int year_digits) {
    if (year < 100 && year_digits <= 2) year += 2000;
    if (year < 1900) return std::nullopt;
    const QDate d(year, month, day);
    if (!d.isValid()) return std::nullopt;
    return d;
}

// A digit that fills its field: the last one the field takes, or one that no
// other can follow (a day from 4, a month from 2).
bool fills_field(int field, const QString& digits, QChar c) {
    return digits.size() >= kFieldWidth[field] ||
           (field == 0 && digits.size() == 1 && c > QLatin1Char('3')) ||
           (field == 1 && digits.size() == 1 && c > QLatin1Char('1'));
}

}  // namespace

std::optional<QDate> DateBox::whole_date(const QString& typed, bool finished) {
    std::array<std::optional<int>, 3> f{};
    int field = 0, year_digits = 0;
    QString digits;
    bool advanced = false;
    auto end = [&] {
        if (field > 2) return;
        f[static_cast<std::size_t>(field)] = digits.toInt();
        if (field == 2) year_digits = static_cast<int>(digits.size());
        digits.clear();
        ++field;
    };
    for (QChar c : typed) {
        if (c.isDigit()) {
            if (field > 2) return std::nullopt;  // more than a date
            digits += c;
            advanced = false;
            if (fills_field(field, digits, c)) {
                end();
                advanced = field <= 2;
            }
        } else if (is_separator(c)) {
            if (!digits.isEmpty()) end();
            else if (!advanced)
                ++field;
            advanced = false;
        }
    }
    if (finished && !digits.isEmpty()) end();
    // While the typing goes on, only a year typed in full ends the date.
    if (!f[0] || !f[1] || !f[2] || (!finished && year_digits != 4)) return std::nullopt;
    return make_date(*f[0], *f[1], *f[2], year_digits);
}

std::optional<QDate> DateBox::typed_date() const {
    std::array<std::optional<int>, 3> f = typed_;
    int year_digits = year_digits_;
    if (typing_ && !digits_.isEmpty()) {
        f[static_cast<std::size_t>(field_)] = digits_.toInt();
        if (field_ == 2) year_digits = static_cast<int>(digits_.size());
    }
    if (date_.isValid()) {
        if (!f[0]) f[0] = date_.day();
        if (!f[1]) f[1] = date_.month();
        if (!f[2]) f[2] = date_.year();
    }
    if (!f[0] || !f[1] || !f[2]) return std::nullopt;
    if (!typed_[2] && !(typing_ && field_ == 2 && !digits_.isEmpty())) year_digits = 4;
    return make_date(*f[0], *f[1], *f[2], year_digits);
}

void DateBox::type_char(QChar c) {
    if (!c.isDigit() && !is_separator(c)) return;
    if (!typing_) {
        typing_ = true;
        start_field_ = field_;
        entered_.clear();
    }
    entered_ += c;
    // Typing that began on the month or the year, after a click there, may
    // be a whole date: it is taken whole once its year is typed in full.
    if (start_field_ > 0) {
        if (const std::optional<QDate> d = whole_date(entered_, false)) {
            choose(*d);
            return;
        }
    }
    if (c.isDigit()) {
        digits_ += c;
        advanced_ = false;
        if (fills_field(field_, digits_, c)) {
            const bool year = field_ == 2;
            end_field();
            advanced_ = !year;
        } else {
            show_text();
        }
    } else {
        if (!digits_.isEmpty()) end_field();
        else if (!advanced_)
            go_to_field(field_ + 1);
        advanced_ = false;
    }
}

// The field being typed is done: the next one is typed, or, after the
// year, the date is complete.
void DateBox::end_field() {
    const int count = static_cast<int>(digits_.size());
    if (!digits_.isEmpty()) typed_[static_cast<std::size_t>(field_)] = digits_.toInt();
    if (field_ == 2 && count > 0) year_digits_ = count;
    digits_.clear();
    if (field_ < 2) {
        ++field_;
        show_text();
        return;
    }
    // A short year ended by a separator, in typing begun on the month or
    // the year, may be the day or month of a whole date still being typed.
    const bool ended = start_field_ == 0 || count == kFieldWidth[2];
    if (const std::optional<QDate> d = typed_date(); d && ended) choose(*d);
    else
        show_text();
}

void DateBox::go_to_field(int field) {
    if (typing_ && !digits_.isEmpty()) {
        typed_[static_cast<std::size_t>(field_)] = digits_.toInt();
        if (field_ == 2) year_digits_ = static_cast<int>(digits_.size());
    }
    digits_.clear();
    field_ = std::clamp(field, 0, 2);
    advanced_ = false;
    show_text();
}

int DateBox::field_at(int position) const {
    if (position < kFieldStart[1]) return 0;
    if (position < kFieldStart[2]) return 1;
    return 2;
}

void DateBox::show_text() {
    QString t;
    if (typing_ || date_.isValid()) {
        for (int i = 0; i < 3; ++i) {
            const int width = kFieldWidth[i];
            QString part;
            std::optional<int> value = typed_[static_cast<std::size_t>(i)];
            if (!value && date_.isValid())
                value = i == 0 ? date_.day() : i == 1 ? date_.month() : date_.year();
            if (typing_ && i == field_ && !digits_.isEmpty())
                part = digits_.leftJustified(width, QLatin1Char(' '));
            else if (value)
                part = QString::number(*value).rightJustified(width, QLatin1Char('0'));
            else
                part = QString(width, QLatin1Char(' '));
            if (i > 0) t += QLatin1Char('/');
            t += part;
        }
    }
    if (text() != t) setText(t);
    // The field that typing goes to stands out while the box has the focus.
    if (hasFocus() && !t.isEmpty()) setSelection(kFieldStart[field_], kFieldWidth[field_]);
    else
        deselect();
}

void DateBox::keyPressEvent(QKeyEvent* e) {
    const int key = e->key();
    if (key == Qt::Key_F4 || (key == Qt::Key_Down && (e->modifiers() & Qt::AltModifier))) {
        showCalendar();
        return;
    }
    if (e->matches(QKeySequence::Paste)) {
        for (QChar c : QGuiApplication::clipboard()->text().trimmed()) type_char(c);
        return;
    }
    if (e->matches(QKeySequence::Copy)) return QLineEdit::keyPressEvent(e);
    switch (key) {
        case Qt::Key_Escape:
            if (!typing_) break;
            stop_typing();
            show_text();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter: finish_typing(); break;
        case Qt::Key_Backspace:
            if (!digits_.isEmpty()) {
                digits_.chop(1);
                show_text();
            }
            return;
        case Qt::Key_Left: go_to_field(field_ - 1); return;
        case Qt::Key_Right: go_to_field(field_ + 1); return;
        case Qt::Key_Home: go_to_field(0); return;
        case Qt::Key_End: go_to_field(2); return;
        default: {
            const QString typed = e->text();
            if (typed.isEmpty() || !(typed[0].isDigit() || is_separator(typed[0]))) break;
            for (QChar c : typed) type_char(c);
            return;
        }
    }
    e->ignore();
}

void DateBox::mousePressEvent(QMouseEvent* e) {
    QLineEdit::mousePressEvent(e);
    if (e->button() == Qt::LeftButton) go_to_field(field_at(cursorPosition()));
}

void DateBox::mouseReleaseEvent(QMouseEvent* e) {
    QLineEdit::mouseReleaseEvent(e);
    show_text();
}

void DateBox::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    // Coming back from the calendar or from another window, the typing
    // goes on where it was; coming by the keyboard, it starts at the day.
    const Qt::FocusReason r = e->reason();
    if (r != Qt::PopupFocusReason && r != Qt::ActiveWindowFocusReason && r != Qt::MouseFocusReason)
        field_ = 0;
    show_text();
}

void DateBox::focusOutEvent(QFocusEvent* e) {
    const Qt::FocusReason r = e->reason();
    if (r != Qt::PopupFocusReason && r != Qt::ActiveWindowFocusReason) finish_typing();
    QLineEdit::focusOutEvent(e);
    deselect();
}

}  // namespace gui
