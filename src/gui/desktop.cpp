#include "gui/desktop.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <tuple>
#include <utility>

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QCursor>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QImage>
#include <QImageReader>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QTextCursor>
#include <QTimer>

#include "gui/convert.h"
#include "gui/layout.h"
#include "gui/widgets.h"
#include "platform/control.h"
#include "platform/form.h"

namespace gui {

using plat::Kind;

namespace {

// How long after we asked for a window to be activated the activations of
// other windows are taken as the window system catching up.
constexpr int kActivationGraceMs = 500;

// The forms were laid out for an 8-point sans-serif font; Liberation Sans
// (what "Arial" resolves to) keeps their captions inside their boxes.
QFont form_font() {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(8);
    return f;
}

// Labels, pictures and lines are painted on the form beneath the other
// controls, whatever their order.
bool painted_on_form(Kind k) { return k == Kind::Label || k == Kind::Image || k == Kind::Line; }

QString object_name(const plat::Control& c) {
    QString n = qt_text(c.name());
    if (c.index() >= 0) n += QStringLiteral("(%1)").arg(c.index());
    return n;
}

// A folder list shows the folders that lead to its path, each indented
// under the one before, then the subfolders of the path: the user sees
// where the list is and can go back up with a double-click.
std::vector<std::string> folders_leading_to(const std::string& path) {
    std::vector<std::string> out;
    if (path.empty()) return out;
    std::filesystem::path p = std::filesystem::path(path).lexically_normal();
    std::string text = p.string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    p = text;
    for (std::filesystem::path q = p;; q = q.parent_path()) {
        out.insert(out.begin(), q.string());
        if (q == q.parent_path() || q.parent_path().empty()) break;
    }
    return out;
}

std::string folder_name(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    return name.empty() ? path : name;
}

// Puts a text into a line edit, leaving the cursor where the user had it.
void set_line_text(QLineEdit* e, const QString& t) {
    if (e->text() == t) return;
    const int pos = e->cursorPosition();
    e->setText(t);
    e->setCursorPosition(std::min(pos, static_cast<int>(t.size())));
}

// A combo's lines live in a plain list of strings (see make_widget), given
// in one go: a combo of every client (thousands of lines) filled line by
// line takes as long as a frame many times over.
void set_combo_items(QComboBox* box, const std::vector<std::string>& items) {
    bool same = box->count() == static_cast<int>(items.size());
    for (int i = 0; same && i < box->count(); ++i) same = box->itemText(i) == qt_text(items[i]);
    if (same) return;
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(items.size()));
    for (const auto& item : items) lines.append(qt_text(item));
    static_cast<QStringListModel*>(box->model())->setStringList(lines);
}

Qt::Alignment horizontal(int alignment) {
    switch (alignment) {
        case 1: return Qt::AlignRight;
        case 2: return Qt::AlignHCenter;
        default: return Qt::AlignLeft;
    }
}

// The Qt key that types a character code, for a key the program changed.
int qt_key_for(int code) {
    switch (code) {
        case 8: return Qt::Key_Backspace;
        case 13: return Qt::Key_Return;
        case 27: return Qt::Key_Escape;
        default: return Qt::Key_unknown;
    }
}

// A picture file read as QPixmap::load reads it. The format its name gives
// is tried first and alone: Qt reads BMP, PNG and the like itself, and
// asking for the format by name spares loading every image plugin to ask
// each whether it knows the file (milliseconds before the start window, for
// the agency's logo). A file whose contents are of another format than its
// name says is then read as Qt would guess it.
QPixmap load_picture(const QString& path) {
    QImageReader reader(path, QFileInfo(path).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
    if (QImage image = reader.read(); !image.isNull()) return QPixmap::fromImage(std::move(image));
    QPixmap guessed;
    guessed.load(path);
    return guessed;
}

struct Flag {
    explicit Flag(bool& b) : b_(b), old_(b) { b_ = true; }
    ~Flag() { b_ = old_; }
    bool& b_;
    bool old_;
};

// The option buttons sharing `option`'s frame, in the form's order.
std::vector<plat::Control*> option_group(const plat::Control& option) {
    std::vector<plat::Control*> group;
    for (plat::Control* c : option.form().controls())
        if (c->kind() == Kind::OptionButton && c->container() == option.container() &&
            c->state().visible && c->state().enabled)
            group.push_back(c);
    return group;
}

// The option Tab stops at in its group: the one chosen, else the first.
bool group_stop(const plat::Control& option) {
    const std::vector<plat::Control*> group = option_group(option);
    for (const plat::Control* c : group)
        if (c->state().value != 0) return c == &option;
    return group.empty() || group.front() == &option;
}

// The box a caption stands for: a label with a text of its own at design,
// and the nearest box in its frame just right of it on its row, or else
// just under it. nullptr when there is none.
const plat::Control* captioned_box(const plat::Control& label) {
    const plat::ControlState& l = label.state();
    if (label.kind() != Kind::Label || l.text.empty()) return nullptr;
    constexpr int kBeside = 40 * 15, kUnder = 12 * 15;  // twips
    const plat::Control* best = nullptr;
    int nearest = 0;
    for (const plat::Control* c : label.form().controls()) {
        const Kind k = c->kind();
        if (c->container() != label.container() ||
            (k != Kind::TextBox && k != Kind::ComboBox && k != Kind::ListBox &&
             k != Kind::DatePicker && k != Kind::DirList && k != Kind::FileList &&
             k != Kind::DriveList))
            continue;
        const plat::ControlState& b = c->state();
        const int rows = std::min(l.top + l.height, b.top + b.height) - std::max(l.top, b.top);
        const int columns = std::min(l.left + l.width, b.left + b.width) - std::max(l.left, b.left);
        const int right = b.left - (l.left + l.width);
        const int down = b.top - (l.top + l.height);
        int distance = -1;
        if (rows * 2 >= std::min(l.height, b.height) && right >= -15 && right <= kBeside)
            distance = std::max(right, 0);
        else if (columns > 0 && down >= -15 && down <= kUnder)
            distance = kBeside + std::max(down, 0);
        if (distance < 0 || (best && distance >= nearest)) continue;
        best = c;
        nearest = distance;
    }
    return best;
}

}  // namespace

// --- the views ---------------------------------------------------------------

struct Desktop::ControlView {
    plat::Control* control = nullptr;
    FormView* form = nullptr;
    QWidget* widget = nullptr;  // owned by its window
    QTimer* timer = nullptr;    // timer controls; owned by the desktop
    std::uint64_t seen = 0;     // revision shown; 0 = show again
    // What was applied last, so that an unchanged property is left alone.
    std::optional<std::tuple<bool, int, bool, bool>> font;
    std::optional<std::pair<long, long>> colors;
    std::optional<std::pair<std::string, bool>> picture;
    bool hand = false;                  // the pointing hand is shown over it
    std::optional<QCursor> own_cursor;  // the widget's own pointer, meanwhile
    std::vector<std::string> leading;   // a folder list's lines above its subfolders
    // The lines a list or combo shows, as the program gave them: a sync that
    // finds them unchanged leaves thousands of lines alone.
    std::optional<std::vector<std::string>> items;
    int max_length = 0;
    // A list: the mouse is pressed on it, and that press already picked a
    // line (the click that follows must not pick it again).
    bool pressing = false;
    bool picked_by_press = false;
    // A text box: the left button went down for the second click of a
    // double-click, whose release is no click; that double-click changed
    // its text.
    bool double_pressed = false;
    bool select_on_release = false;
};

struct Desktop::FormView {
    plat::Form* form = nullptr;
    // The window: a scroll area around the form's page, which scrolls when
    // the page is larger than the screen leaves room for.
    std::unique_ptr<QScrollArea> window;
    QWidget* page = nullptr;  // owned by the window
    std::vector<std::unique_ptr<ControlView>> controls;
    std::uint64_t seen = 0;
    bool placed = false;
    // The load of the form the window's focus belongs to: a form loaded
    // anew opens with the focus where it first opened, not where the
    // previous load left it.
    std::uint64_t focus_load = 0;
    // What the Tab order was worked out from: each control's visibility
    // and place.
    std::vector<std::tuple<bool, int, int, int, int>> tab_layout;
};

// --- life ------------------------------------------------------------------------

Desktop::Desktop(plat::Runtime& runtime, QObject* parent) : QObject(parent), rt_(runtime) {
    rt_.set_observer(this);
    sync();
}

Desktop::~Desktop() {
    closing_ = true;
    rt_.set_observer(nullptr);
    // The windows go first, while the maps their events would look into are
    // still whole (closing_ keeps those events from reaching the runtime).
    for (auto& fv : forms_) fv->window.reset();
}

Desktop::FormView& Desktop::view_of(plat::Form& form) {
    if (auto it = form_views_.find(&form); it != form_views_.end()) return *it->second;
    auto fv = std::make_unique<FormView>();
    fv->form = &form;
    for (plat::Control* c : form.controls()) {
        auto cv = std::make_unique<ControlView>();
        cv->control = c;
        cv->form = fv.get();
        if (c->kind() == Kind::Timer) {
            // Timers run while their form is loaded, shown or not: they
            // belong to the form, not to its window.
            cv->timer = new QTimer(this);
            ControlView* raw = cv.get();
            connect(cv->timer, &QTimer::timeout, this, [this, raw] { ticked(*raw); });
        }
        control_views_[c] = cv.get();
        fv->controls.push_back(std::move(cv));
    }
    FormView& ref = *fv;
    form_views_[&form] = fv.get();
    forms_.push_back(std::move(fv));
    return ref;
}

QWidget* Desktop::window(const plat::Form& form) const {
    auto it = form_views_.find(&form);
    return it == form_views_.end() ? nullptr : it->second->window.get();
}

QWidget* Desktop::widget(const plat::Control& control) const {
    auto it = control_views_.find(&control);
    return it == control_views_.end() ? nullptr : it->second->widget;
}

QTimer* Desktop::timer(const plat::Control& control) const {
    auto it = control_views_.find(&control);
    return it == control_views_.end() ? nullptr : it->second->timer;
}

// --- runtime -> windows -------------------------------------------------------

void Desktop::sync() {
    if (closing_ || ended_ || syncing_) return;
    bool any_loaded = false;
    {
        Flag guard(syncing_);
        for (plat::Form* form : rt_.forms()) {
            update_form(view_of(*form));
            any_loaded = any_loaded || form->is_loaded();
        }
        follow_active_form();
        apply_focus_request();
    }
    ever_loaded_ = ever_loaded_ || any_loaded;
    if (ever_loaded_ && !any_loaded) queue_finish_check();
}

void Desktop::update_form(FormView& fv) {
    plat::Form& f = *fv.form;
    const bool shown = f.is_visible();
    if (shown && !fv.window) build_window(fv);
    for (auto& cv : fv.controls)
        if (cv->timer) update_timer(*cv);
    if (!fv.window) return;

    for (auto& cv : fv.controls)
        if (cv->widget && cv->seen != cv->control->revision()) update_control(*cv);
    update_tab_order(fv);

    QWidget* w = fv.window.get();
    if (fv.seen != f.revision()) {
        // Caption and size are read only from a loaded form: reading them
        // from one that is not loaded would load it.
        if (f.is_loaded()) {
            w->setWindowTitle(qt_text(f.caption()));
            const QSize page(pixels(f.width()), pixels(f.height()));
            fv.page->setFixedSize(page);
            // No larger than the room the screen leaves to windows: the page
            // scrolls in it.
            w->setFixedSize(page.boundedTo(room_for(w).size() - decorations_));
            // Changing a window's flags hides it; it is shown again below.
            const bool top = f.topmost();
            if (w->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != top)
                w->setWindowFlag(Qt::WindowStaysOnTopHint, top);
        }
        fv.seen = f.revision();
    }
    w->setEnabled(f.is_enabled());
    if (shown && !w->isVisible()) {
        // Where the form asks, or centred the first time; inside the room
        // the screen leaves to windows every time it is shown.
        std::optional<QPoint> wanted;
        if (fv.placed) wanted = w->pos();
        else if (f.left() != 0 || f.top() != 0)
            wanted = QPoint(pixels(f.left()), pixels(f.top()));
        fv.placed = true;
        if (fv.focus_load != f.loads()) {
            fv.focus_load = f.loads();
            if (QWidget* last = w->focusWidget()) last->clearFocus();
        }
        w->move(window_position(w->size() + decorations_, room_for(w), wanted));
        w->show();
        // The window system's frame, once known, is kept inside the room
        // too: this window is fitted again, and the next ones from the start.
        const QSize frame = w->frameGeometry().size() - w->size();
        if (frame.width() >= 0 && frame.height() >= 0 && frame != decorations_) {
            decorations_ = frame;
            const QRect room = room_for(w);
            w->setFixedSize(fv.page->size().boundedTo(room.size() - decorations_));
            w->move(window_position(w->size() + decorations_, room, w->pos()));
        }
    } else if (!shown && w->isVisible()) {
        w->hide();
    }
}

QRect Desktop::room_for(const QWidget* w) const {
    QScreen* screen = w && w->isVisible() ? w->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 100000, 100000);
}

void Desktop::build_window(FormView& fv) {
    auto w = std::make_unique<QScrollArea>();
    w->setWindowFlags(Qt::Window);
    w->setObjectName(qt_text(fv.form->name()));
    w->setFont(form_font());
    w->setFrameShape(QFrame::NoFrame);
    w->setFocusPolicy(Qt::NoFocus);
    w->setBackgroundRole(QPalette::Window);
    w->viewport()->setBackgroundRole(QPalette::Window);
    w->installEventFilter(this);
    window_views_[w.get()] = &fv;
    auto* page = new QWidget;
    page->setObjectName(qt_text(fv.form->name()) + QStringLiteral("_pagina"));
    page->setMouseTracking(static_cast<bool>(fv.form->on_mouse_move));
    page->installEventFilter(this);
    window_views_[page] = &fv;
    w->setWidget(page);
    fv.page = page;

    for (auto& cv : fv.controls) make_widget(*cv, page);
    // A control in a frame lives inside the frame's widget, at its position
    // relative to the frame.
    for (auto& cv : fv.controls) {
        plat::Control* frame = cv->control->container();
        if (!cv->widget || !frame || frame == cv->control) continue;
        auto it = control_views_.find(frame);
        if (it != control_views_.end() && it->second->widget)
            cv->widget->setParent(it->second->widget);
    }
    for (auto it = fv.controls.rbegin(); it != fv.controls.rend(); ++it)
        if ((*it)->widget && painted_on_form((*it)->control->kind())) (*it)->widget->lower();
    // Each caption names its box: the label is the box's buddy, which gives
    // the box its accessible name.
    for (auto& cv : fv.controls) {
        const plat::Control* box = captioned_box(*cv->control);
        auto it = box ? control_views_.find(box) : control_views_.end();
        if (it != control_views_.end() && it->second->widget)
            static_cast<QLabel*>(cv->widget)->setBuddy(it->second->widget);
    }
    for (auto& cv : fv.controls) cv->seen = 0;
    fv.window = std::move(w);
}

void Desktop::make_widget(ControlView& cv, QWidget* parent) {
    plat::Control& c = *cv.control;
    ControlView* v = &cv;
    QWidget* w = nullptr;
    bool watch = true;  // focus and keys reach the runtime
    switch (c.kind()) {
        case Kind::TextBox:
            if (c.state().multiline) {
                auto* e = new QPlainTextEdit(parent);
                e->setTabChangesFocus(true);
                connect(e, &QPlainTextEdit::textChanged, this,
                        [this, v, e] { typed(*v, program_lines(e->toPlainText())); });
                w = e;
            } else {
                auto* e = new LineEdit(parent);
                e->caret_at_end = [v] { return v->control->state().caret_at_end; };
                connect(e, &QLineEdit::textEdited, this,
                        [this, v](const QString& t) { typed(*v, std_text(t)); });
                w = e;
            }
            break;
        case Kind::Label: {
            auto* l = new ClickLabel(parent);
            l->setTextFormat(Qt::PlainText);
            l->on_click = [this, v] { clicked(*v); };
            l->on_double_click = [this, v] { double_clicked(*v); };
            w = l;
            watch = false;
            break;
        }
        case Kind::CommandButton: {
            auto* b = new ProgramButton(parent);
            b->setAutoDefault(false);
            connect(b, &QPushButton::clicked, this, [this, v] { clicked(*v); });
            w = b;
            break;
        }
        case Kind::CheckBox: {
            auto* b = new ProgramCheckBox(parent);
            connect(b, &QCheckBox::clicked, this, [this, v] { clicked(*v); });
            w = b;
            break;
        }
        case Kind::OptionButton: {
            auto* b = new ProgramRadioButton(parent);
            connect(b, &QRadioButton::clicked, this, [this, v] { clicked(*v); });
            b->on_double_click = [this, v] { double_clicked(*v); };
            w = b;
            break;
        }
        case Kind::ListBox:
        case Kind::FileList:
        case Kind::DirList: {
            auto* l = new ProgramList(parent);
            l->setSelectionMode(QAbstractItemView::SingleSelection);
            // Every line is one line of one font: Qt need not size each one.
            l->setUniformItemSizes(true);
            // A list of commands only moves with the keys; Enter runs the line.
            l->commands = c.state().command_list;
            if (l->commands) l->on_run = [this, v](int row) { picked(*v, row); };
            // Enter on a folder opens it, as a double-click does.
            if (c.kind() == Kind::DirList)
                l->on_run = [this, v](int row) { row_double_clicked(*v, row); };
            connect(l->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                    [this, v, l](const QModelIndex& now) {
                        if (l->moving_by_keys()) return;
                        if (v->pressing) v->picked_by_press = true;
                        picked(*v, now.row());
                    });
            // A click on the line already chosen picks it again, as a person
            // clicking a command of a list expects.
            connect(l, &QAbstractItemView::clicked, this, [this, v](const QModelIndex& line) {
                const bool again = !v->picked_by_press;
                v->pressing = v->picked_by_press = false;
                if (again) picked(*v, line.row());
            });
            l->viewport()->installEventFilter(this);
            viewport_views_[l->viewport()] = &cv;
            connect(l, &QAbstractItemView::doubleClicked, this,
                    [this, v](const QModelIndex& line) { row_double_clicked(*v, line.row()); });
            w = l;
            break;
        }
        case Kind::ComboBox: {
            auto* b = new QComboBox(parent);
            b->setModel(new QStringListModel(b));
            b->setEditable(true);
            // The list and the text are the program's: Qt neither adds what
            // is typed to the list nor completes it.
            b->setInsertPolicy(QComboBox::NoInsert);
            b->setCompleter(nullptr);
            connect(b->lineEdit(), &QLineEdit::textEdited, this,
                    [this, v](const QString& t) { typed(*v, std_text(t)); });
            connect(b, &QComboBox::activated, this, [this, v](int row) { picked(*v, row); });
            w = b;
            break;
        }
        case Kind::DriveList: {
            auto* b = new QComboBox(parent);
            b->setModel(new QStringListModel(b));
            connect(b, &QComboBox::activated, this, [this, v](int row) { drive_chosen(*v, row); });
            w = b;
            break;
        }
        case Kind::Frame: {
            auto* f = new ClickFrame(parent);
            f->on_click = [this, v] { clicked(*v); };
            f->on_double_click = [this, v] { double_clicked(*v); };
            w = f;
            watch = false;
            break;
        }
        case Kind::Image: {
            auto* l = new ClickLabel(parent);
            l->on_click = [this, v] { clicked(*v); };
            l->on_double_click = [this, v] { double_clicked(*v); };
            w = l;
            watch = false;
            break;
        }
        case Kind::Line:
            w = new LineWidget(parent);
            watch = false;
            break;
        case Kind::HScrollBar: {
            auto* s = new QScrollBar(Qt::Horizontal, parent);
            connect(s, &QScrollBar::valueChanged, this,
                    [this, v](int value) { scrolled(*v, value); });
            w = s;
            break;
        }
        case Kind::DatePicker: {
            auto* d = new DateBox(parent);
            connect(d, &DateBox::dateChosen, this, [this, v] { date_chosen(*v); });
            // The calendar of a box with no date opens on this month, not on
            // the month of the blank date.
            d->on_calendar_made = [this, v](QCalendarWidget* calendar) {
                calendar->installEventFilter(this);
                calendar_views_[calendar] = v;
            };
            w = d;
            break;
        }
        case Kind::Timer: return;
    }
    w->setObjectName(object_name(c));
    widget_views_[w] = &cv;
    if (c.on_mouse_move) {
        // The control's own mouse moves are not the form's as well.
        w->setMouseTracking(true);
        w->setAttribute(Qt::WA_NoMousePropagation);
    }
    if (c.on_mouse_move || c.on_mouse_down || c.on_mouse_up) watch = true;
    if (watch) w->installEventFilter(this);
    cv.widget = w;
}

void Desktop::update_control(ControlView& cv) {
    plat::Control& c = *cv.control;
    const plat::ControlState& st = c.state();
    cv.seen = c.revision();
    QWidget* w = cv.widget;
    const QSignalBlocker block(w);
    // The font before the content: a list or combo of thousands of lines
    // given a new font lays every line out again.
    update_font(cv);
    switch (c.kind()) {
        case Kind::TextBox:
            if (auto* e = qobject_cast<QPlainTextEdit*>(w)) {
                e->setReadOnly(st.locked);
                e->setFocusPolicy(st.locked ? Qt::ClickFocus : Qt::StrongFocus);
                const QString t = display_lines(st.text);
                if (e->toPlainText() != t) {
                    const int pos = e->textCursor().position();
                    e->setPlainText(t);
                    QTextCursor cursor = e->textCursor();
                    cursor.setPosition(std::min(pos, static_cast<int>(t.size())));
                    e->setTextCursor(cursor);
                }
            } else if (auto* l = qobject_cast<QLineEdit*>(w)) {
                const QString t = qt_text(st.text);
                const int pos = l->cursorPosition();
                l->setReadOnly(st.locked);
                // Tab goes to the boxes the user can type in; a box that
                // only shows still takes the focus of a click.
                l->setFocusPolicy(st.locked ? Qt::ClickFocus : Qt::StrongFocus);
                l->setEchoMode(st.password_char.empty() ? QLineEdit::Normal : QLineEdit::Password);
                // A text the program set longer than the limit is kept whole.
                // (Qt re-sets the text on every limit change, losing the
                // cursor, so the limit is touched only when it must change.)
                int limit = st.max_length > 0 ? st.max_length : 32767;
                limit = std::max(limit, static_cast<int>(t.size()));
                if (l->maxLength() != limit &&
                    (limit > l->maxLength() || cv.max_length != st.max_length))
                    l->setMaxLength(limit);
                cv.max_length = st.max_length;
                l->setAlignment(horizontal(st.alignment) | Qt::AlignVCenter);
                if (l->text() != t) l->setText(t);
                if (l->cursorPosition() != pos)
                    l->setCursorPosition(std::min(pos, static_cast<int>(t.size())));
            }
            break;
        case Kind::Label: {
            auto* l = static_cast<QLabel*>(w);
            if (l->text() != qt_text(st.text)) l->setText(qt_text(st.text));
            l->setAlignment(horizontal(st.alignment) | Qt::AlignTop);
            break;
        }
        case Kind::CommandButton:
        case Kind::Frame: {
            const QString t = qt_text(st.text);
            if (auto* b = qobject_cast<QPushButton*>(w); b && b->text() != t) b->setText(t);
            if (auto* g = qobject_cast<QGroupBox*>(w); g && g->title() != t) g->setTitle(t);
            break;
        }
        case Kind::CheckBox: {
            auto* b = static_cast<QCheckBox*>(w);
            b->setText(qt_text(st.text));
            b->setTristate(st.value == 2);
            b->setCheckState(st.value == 1   ? Qt::Checked
                             : st.value == 2 ? Qt::PartiallyChecked
                                             : Qt::Unchecked);
            break;
        }
        case Kind::OptionButton: {
            auto* b = static_cast<QRadioButton*>(w);
            b->setText(qt_text(st.text));
            b->setChecked(st.value != 0);
            break;
        }
        case Kind::ListBox:
        case Kind::FileList: {
            auto* l = static_cast<ProgramList*>(w);
            if (cv.items != st.items || l->count() != static_cast<int>(st.items.size())) {
                QStringList items;
                items.reserve(static_cast<qsizetype>(st.items.size()));
                for (const auto& item : st.items) items << qt_text(item);
                l->setItems(items);
                cv.items = st.items;
            }
            if (l->currentRow() != st.list_index) l->setCurrentRow(st.list_index);
            break;
        }
        case Kind::DirList: {
            auto* l = static_cast<ProgramList*>(w);
            cv.leading = folders_leading_to(st.path);
            QStringList items;
            const int depth = static_cast<int>(cv.leading.size());
            for (int i = 0; i < depth; ++i)
                items << QString(i * 2, QLatin1Char(' ')) + QStringLiteral("[") +
                             qt_text(folder_name(cv.leading[static_cast<std::size_t>(i)])) +
                             QStringLiteral("]");
            for (const auto& item : st.items)
                items << QString(depth * 2, QLatin1Char(' ')) + qt_text(item);
            l->setItems(items);
            // A line leading to the path, reached with the keys, stays the
            // current one: it is no subfolder the program could have chosen.
            const int row = st.list_index >= 0 ? st.list_index + depth : -1;
            const bool leading_line = row < 0 && l->currentRow() >= 0 && l->currentRow() < depth;
            if (l->currentRow() != row && !leading_line) l->setCurrentRow(row);
            break;
        }
        case Kind::ComboBox: {
            auto* b = static_cast<QComboBox*>(w);
            const QSignalBlocker block_edit(b->lineEdit());
            if (cv.items != st.items || b->count() != static_cast<int>(st.items.size())) {
                set_combo_items(b, st.items);
                cv.items = st.items;
            }
            if (b->currentIndex() != st.list_index) b->setCurrentIndex(st.list_index);
            b->lineEdit()->setReadOnly(st.locked);
            set_line_text(b->lineEdit(), qt_text(st.text));
            break;
        }
        case Kind::DriveList: {
            auto* b = static_cast<QComboBox*>(w);
            set_combo_items(b, st.items);
            int row = st.list_index;
            for (int i = 0; row < 0 && i < static_cast<int>(st.items.size()); ++i)
                if (st.items[i] == st.path) row = i;
            if (b->currentIndex() != row) b->setCurrentIndex(row);
            break;
        }
        case Kind::Image: {
            auto* l = static_cast<QLabel*>(w);
            const std::pair<std::string, bool> pic{st.picture, st.stretch};
            if (cv.picture != pic) {
                cv.picture = pic;
                // A missing or unreadable picture shows nothing.
                const QPixmap pixmap =
                    st.picture.empty() ? QPixmap() : load_picture(qt_text(st.picture));
                if (!pixmap.isNull()) l->setPixmap(pixmap);
                else
                    l->clear();
                l->setScaledContents(st.stretch);
            }
            const QPixmap pm = l->pixmap();
            if (st.stretch || pm.isNull())
                l->setGeometry(pixel_rect(st.left, st.top, st.width, st.height));
            else
                l->setGeometry(QRect(QPoint(pixels(st.left), pixels(st.top)), pm.size()));
            break;
        }
        case Kind::Line: {
            auto* l = static_cast<LineWidget*>(w);
            const QPoint a(pixels(st.x1), pixels(st.y1)), b(pixels(st.x2), pixels(st.y2));
            const QRect box(std::min(a.x(), b.x()), std::min(a.y(), b.y()),
                            std::abs(a.x() - b.x()) + 1, std::abs(a.y() - b.y()) + 1);
            l->setGeometry(box);
            l->set_line(a - box.topLeft(), b - box.topLeft(),
                        qt_color(st.fore_color).value_or(Qt::black));
            break;
        }
        case Kind::HScrollBar: {
            auto* s = static_cast<QScrollBar*>(w);
            s->setRange(std::min(st.min, st.max), std::max(st.min, st.max));
            s->setInvertedAppearance(st.min > st.max);
            s->setSingleStep(st.small_change);
            s->setPageStep(st.large_change);
            s->setValue(st.value);
            break;
        }
        case Kind::DatePicker: {
            // The zero date shows blank.
            static_cast<DateBox*>(w)->setDate(st.date.is_zero() ? QDate() : qt_date(st.date));
            break;
        }
        case Kind::Timer: break;
    }
    update_common(cv);
}

void Desktop::update_font(ControlView& cv) {
    const plat::ControlState& st = cv.control->state();
    const std::tuple<bool, int, bool, bool> font{st.fixed_pitch, st.font_size, st.bold,
                                                 st.underline};
    if (cv.font == font) return;
    cv.font = font;
    QFont f = form_font();
    if (st.fixed_pitch) {
        f.setFamily(QStringLiteral("Courier New"));
        f.setStyleHint(QFont::TypeWriter);
    }
    if (st.font_size > 0) f.setPointSize(st.font_size);
    f.setBold(st.bold);
    f.setUnderline(st.underline);
    cv.widget->setFont(f);
}

void Desktop::update_common(ControlView& cv) {
    const plat::ControlState& st = cv.control->state();
    QWidget* w = cv.widget;
    const Kind k = cv.control->kind();
    if (k != Kind::Line && k != Kind::Image)
        w->setGeometry(pixel_rect(st.left, st.top, st.width, st.height));
    w->setHidden(!st.visible);
    w->setEnabled(st.enabled);
    // The option buttons of one frame are one Tab stop: the one chosen, or
    // the first while none is; the arrows move among them.
    if (k == Kind::OptionButton)
        for (plat::Control* option : option_group(*cv.control))
            if (auto it = control_views_.find(option);
                it != control_views_.end() && it->second->widget)
                it->second->widget->setFocusPolicy(group_stop(*option) ? Qt::StrongFocus
                                                                       : Qt::ClickFocus);
    // Not a Tab stop: reached by a click, or by the arrow from its box.
    if (!st.tab_stop && (w->focusPolicy() & Qt::TabFocus)) w->setFocusPolicy(Qt::ClickFocus);
    const QString tip = qt_text(st.tooltip);
    if (w->toolTip() != tip) w->setToolTip(tip);
    // The program's own pointer is the pointing hand of a link; back to
    // the ordinary one, the widget has its own again (a box its I-beam).
    const bool hand = st.mouse_pointer == 99;
    if (hand != cv.hand) {
        cv.hand = hand;
        if (hand) {
            if (w->testAttribute(Qt::WA_SetCursor)) cv.own_cursor = w->cursor();
            w->setCursor(Qt::PointingHandCursor);
        } else if (cv.own_cursor) {
            w->setCursor(*cv.own_cursor);
        } else {
            w->unsetCursor();
        }
    }

    const std::pair<long, long> colors{st.back_color, st.fore_color};
    if (k != Kind::Line &&
        (cv.colors ? *cv.colors != colors : colors != std::pair<long, long>{-1, -1})) {
        cv.colors = colors;
        QPalette::ColorRole back = QPalette::Window, fore = QPalette::WindowText;
        switch (k) {
            case Kind::TextBox:
            case Kind::ListBox:
            case Kind::ComboBox:
            case Kind::DirList:
            case Kind::FileList:
            case Kind::DatePicker:
                back = QPalette::Base;
                fore = QPalette::Text;
                break;
            case Kind::CommandButton:
                back = QPalette::Button;
                fore = QPalette::ButtonText;
                break;
            default: break;
        }
        const QPalette standard = QApplication::palette(w);
        QPalette pal = w->palette();
        const auto b = qt_color(st.back_color);
        const auto f = qt_color(st.fore_color);
        // The back colour holds in every state; a disabled control's text
        // stays greyed.
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            pal.setColor(group, back, b.value_or(standard.color(group, back)));
        for (auto group : {QPalette::Active, QPalette::Inactive})
            pal.setColor(group, fore, f.value_or(standard.color(group, fore)));
        w->setPalette(pal);
        if (back == QPalette::Window) w->setAutoFillBackground(b.has_value());
    }

    if (k == Kind::Label) {
        // A label given the height of two lines wraps its words; one of a
        // single line keeps its text on that line, never half a second one.
        auto* l = static_cast<QLabel*>(w);
        const QFontMetrics fm(l->font());
        const bool wrap = l->contentsRect().height() >= fm.lineSpacing() + fm.height();
        if (l->wordWrap() != wrap) l->setWordWrap(wrap);
    }
}

namespace {

bool takes_focus(Kind k) {
    switch (k) {
        case Kind::Label:
        case Kind::Frame:
        case Kind::Image:
        case Kind::Line:
        case Kind::Timer: return false;
        default: return true;
    }
}

}  // namespace

// Tab goes through the controls as the page lays them out (see tab_order),
// worked out again whenever a control is shown, hidden or moved.
void Desktop::update_tab_order(FormView& fv) {
    std::vector<std::tuple<bool, int, int, int, int>> layout;
    layout.reserve(fv.controls.size());
    for (auto& cv : fv.controls) {
        const plat::ControlState& st = cv->control->state();
        layout.emplace_back(st.visible, st.left, st.top, st.width, st.height);
    }
    if (layout == fv.tab_layout) return;
    fv.tab_layout = std::move(layout);

    // The pieces: every control shown, in a frame shown (or on the form).
    std::unordered_map<const plat::Control*, int> index;
    std::vector<Piece> pieces;
    std::vector<QWidget*> widgets;
    auto shown = [](const plat::Control* c) {
        for (int depth = 0; c && depth < 16; c = c->container(), ++depth)
            if (!c->state().visible) return false;
        return true;
    };
    for (auto& cv : fv.controls) {
        const plat::Control* c = cv->control;
        const Kind k = c->kind();
        if (!cv->widget || k == Kind::Line || !shown(c)) continue;
        const plat::ControlState& st = c->state();
        index[c] = static_cast<int>(pieces.size());
        pieces.push_back({pixel_rect(st.left, st.top, st.width, st.height), -1, takes_focus(k),
                          k == Kind::CommandButton, k == Kind::CommandButton && st.confirms});
        widgets.push_back(cv->widget);
    }
    for (auto& cv : fv.controls) {
        auto me = index.find(cv->control);
        if (me == index.end()) continue;
        if (auto frame = index.find(cv->control->container()); frame != index.end() && frame != me)
            pieces[static_cast<std::size_t>(me->second)].container = frame->second;
    }
    std::vector<QWidget*> chain;
    for (int i : tab_order(pieces)) chain.push_back(widgets[static_cast<std::size_t>(i)]);
    // The controls hidden now follow, until they are shown and placed.
    for (auto& cv : fv.controls)
        if (cv->widget && takes_focus(cv->control->kind()) && !index.count(cv->control))
            chain.push_back(cv->widget);
    for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void Desktop::update_timer(ControlView& cv) {
    const plat::ControlState& st = cv.control->state();
    const bool run = cv.form->form->is_loaded() && st.enabled && st.interval > 0;
    if (!run) {
        if (cv.timer->isActive()) cv.timer->stop();
    } else if (!cv.timer->isActive() || cv.timer->interval() != st.interval) {
        cv.timer->start(st.interval);
    }
}

void Desktop::follow_active_form() {
    const plat::Form* active = rt_.active_form();
    if (active == last_active_) return;
    last_active_ = active;
    if (!active) return;
    FormView* fv = form_views_.count(active) ? form_views_.at(active) : nullptr;
    if (!fv || !fv->window || !fv->window->isVisible()) return;
    if (QApplication::activeWindow() == fv->window.get()) return;
    fv->window->raise();
    fv->window->activateWindow();
    pending_activation_ = fv;
    pending_since_.start();
}

void Desktop::apply_focus_request() {
    plat::Control* c = rt_.focus_request();
    if (!c) return;
    auto it = control_views_.find(c);
    if (it == control_views_.end() || !it->second->widget) return;
    // Inside the sync: the program moving the focus is not the user leaving
    // a box, so no LostFocus or GotFocus comes of it.
    it->second->widget->setFocus(Qt::OtherFocusReason);
    // The focus this load of the form asked for stays when its window shows.
    if (FormView* fv = it->second->form; fv && c->form().is_loaded())
        fv->focus_load = c->form().loads();
    rt_.clear_focus_request();
}

void Desktop::queue_finish_check() {
    if (finish_check_queued_) return;
    finish_check_queued_ = true;
    // Checked again from the event loop: a form unloaded and another loaded
    // in the same event leave the program running.
    QTimer::singleShot(0, this, [this] {
        finish_check_queued_ = false;
        if (ended_ || closing_ || QApplication::activeModalWidget()) return;
        for (plat::Form* f : rt_.forms())
            if (f->is_loaded()) return;
        emit finished();
    });
}

void Desktop::program_ended() {
    if (ended_ || closing_) return;
    {
        Flag guard(syncing_);
        for (auto& fv : forms_) {
            for (auto& cv : fv->controls)
                if (cv->timer) cv->timer->stop();
            if (fv->window) fv->window->hide();
        }
    }
    ended_ = true;
    emit finished();
}

// --- windows -> runtime -------------------------------------------------------

bool Desktop::quiet() const {
    return closing_ || ended_ || syncing_ || busy_ > 0 ||
           QApplication::activeModalWidget() != nullptr;
}

template <class Action>
void Desktop::deliver(ControlView* cv, Action&& action) {
    if (quiet()) return;
    // The runtime may refuse the event (a disabled form, a locked box): the
    // control is shown again from the runtime's state either way.
    if (cv) cv->seen = 0;
    ++busy_;
    struct Done {
        int& n;
        ~Done() { --n; }
    } done{busy_};
    action();
}

void Desktop::typed(ControlView& cv, const std::string& text) {
    deliver(&cv, [&] { rt_.type(*cv.control, text); });
}

void Desktop::clicked(ControlView& cv) {
    deliver(&cv, [&] { rt_.click(*cv.control); });
}

void Desktop::double_clicked(ControlView& cv) {
    deliver(&cv, [&] { rt_.double_click_only(*cv.control); });
}

void Desktop::picked(ControlView& cv, int row) {
    // The lines leading to a folder list's path pick no subfolder.
    if (cv.control->kind() == Kind::DirList) row -= static_cast<int>(cv.leading.size());
    if (row < -1) return;
    if (row < 0 && cv.control->kind() != Kind::DirList) return;
    deliver(&cv, [&] { rt_.pick(*cv.control, row); });
}

void Desktop::row_double_clicked(ControlView& cv, int row) {
    if (row < 0) return;
    if (cv.control->kind() != Kind::DirList) {
        deliver(&cv, [&] { rt_.double_click_only(*cv.control); });
        return;
    }
    const plat::ControlState& st = cv.control->state();
    const int depth = static_cast<int>(cv.leading.size());
    std::string path;
    if (row < depth) {
        path = cv.leading[static_cast<std::size_t>(row)];
    } else {
        const int i = row - depth;
        if (i >= static_cast<int>(st.items.size())) return;
        path = (std::filesystem::path(cv.leading.empty() ? st.path : cv.leading.back()) /
                st.items[static_cast<std::size_t>(i)])
                   .string();
    }
    deliver(&cv, [&] { rt_.navigate(*cv.control, path); });
}

void Desktop::drive_chosen(ControlView& cv, int row) {
    const plat::ControlState& st = cv.control->state();
    if (row < 0 || row >= static_cast<int>(st.items.size())) return;
    const std::string drive = st.items[static_cast<std::size_t>(row)];
    deliver(&cv, [&] { rt_.navigate(*cv.control, drive); });
}

void Desktop::date_chosen(ControlView& cv) {
    const plat::Date d = program_date(static_cast<DateBox*>(cv.widget)->date());
    deliver(&cv, [&] { rt_.pick_date(*cv.control, d); });
}

void Desktop::scrolled(ControlView& cv, int value) {
    deliver(&cv, [&] { rt_.scroll(*cv.control, value); });
}

void Desktop::ticked(ControlView& cv) {
    // A tick that falls while a message box is open or an event is being
    // handled is skipped; the next one comes at the next interval.
    deliver(nullptr, [&] { rt_.tick(*cv.control); });
}

bool Desktop::eventFilter(QObject* watched, QEvent* event) {
    if (closing_) return false;
    if (auto it = window_views_.find(watched); it != window_views_.end())
        return window_event(*it->second, event);
    if (auto it = widget_views_.find(watched); it != widget_views_.end())
        return control_event(*it->second, event);
    if (auto it = viewport_views_.find(watched); it != viewport_views_.end()) {
        if (event->type() == QEvent::MouseButtonPress) {
            it->second->pressing = true;
            it->second->picked_by_press = false;
        } else if (event->type() == QEvent::MouseButtonDblClick) {
            // The second click of a double-click is the double-click alone.
            it->second->pressing = true;
            it->second->picked_by_press = true;
        }
        return false;
    }
    if (auto it = calendar_views_.find(watched); it != calendar_views_.end()) {
        if (event->type() == QEvent::Show && it->second->control->state().date.is_zero()) {
            const plat::Date today = rt_.today();
            if (!today.is_zero())
                static_cast<QCalendarWidget*>(watched)->setCurrentPage(today.year(), today.month());
        }
    }
    return false;
}

bool Desktop::window_event(FormView& fv, QEvent* event) {
    switch (event->type()) {
        case QEvent::Close:
            // The form decides: it may unload, hide, or refuse.
            event->ignore();
            deliver(nullptr, [&] { rt_.close(*fv.form); });
            return true;
        case QEvent::WindowActivate: window_activated(fv); return false;
        case QEvent::MouseMove:
            if (fv.form->on_mouse_move)
                deliver(nullptr, [&] {
                    rt_.run([&] {
                        if (fv.form->is_loaded() && fv.form->on_mouse_move)
                            fv.form->on_mouse_move();
                    });
                });
            return false;
        default: return false;
    }
}

void Desktop::window_activated(FormView& fv) {
    if (quiet()) return;
    if (pending_activation_) {
        if (pending_activation_ != &fv && pending_since_.elapsed() < kActivationGraceMs) return;
        pending_activation_ = nullptr;
    }
    // Already the active form (a message box closing gives the window back):
    // nothing to run.
    if (rt_.active_form() == fv.form) return;
    deliver(nullptr, [&] { rt_.activate(*fv.form); });
}

bool Desktop::control_event(ControlView& cv, QEvent* event) {
    switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut: {
            // Another window (a message box, a pop-up list or calendar)
            // taking the focus for a while is not leaving the box.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            const bool for_a_while =
                reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
            if (event->type() == QEvent::FocusIn) {
                // The focus given back with a window, or moved by the program:
                // no GotFocus, but the box notes the text it now holds, so
                // that leaving it unchanged undoes nothing.
                if (for_a_while || quiet()) {
                    if (!closing_ && !ended_) rt_.focus_noticed(*cv.control);
                    return false;
                }
                deliver(nullptr, [&] { rt_.enter(*cv.control); });
                return false;
            }
            if (for_a_while) return false;
            if (cv.widget == skipped_by_tab_) return false;
            // A date typed into a picker is its change, which comes before
            // the focus leaving it.
            if (auto* date = qobject_cast<DateBox*>(cv.widget)) date->finish_typing();
            if (quiet()) {
                if (!closing_ && !ended_) rt_.focus_dropped(*cv.control);
                return false;
            }
            // Synchronously, before the click that took the focus away.
            deliver(nullptr, [&] { rt_.leave(*cv.control); });
            if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
                follow_tab(cv, reason);
            return false;
        }
        case QEvent::KeyPress: {
            // The Tab key about to move the focus from this control (see
            // follow_tab); any other key forgets it.
            const int key = static_cast<QKeyEvent*>(event)->key();
            tab_from_ = key == Qt::Key_Tab || key == Qt::Key_Backtab ? cv.widget : nullptr;
            if (arrow_key(cv, static_cast<QKeyEvent*>(event))) return true;
            if (key == Qt::Key_Escape && cv.control->form().closes_on_escape()) {
                plat::Form& form = cv.control->form();
                deliver(nullptr, [&] { rt_.close(form); });
                return true;
            }
            return key_event(cv, static_cast<QKeyEvent*>(event));
        }
        case QEvent::Wheel:
            // The wheel over a closed combo would choose its lines one by
            // one, each a choice that may save or search: it does nothing.
            return cv.control->kind() == Kind::ComboBox;
        case QEvent::MouseButtonDblClick: {
            // A text box's double-click: its first click came with the first
            // release, and the release that ends it is no click.
            plat::Control& c = *cv.control;
            if (c.kind() == Kind::TextBox &&
                static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                cv.double_pressed = true;
                const std::string before = c.state().text;
                if (c.on_dbl_click) deliver(nullptr, [&] { rt_.double_click_only(c); });
                // Selected at the release that ends the double-click, after
                // Qt's own selection of the word under the pointer.
                cv.select_on_release = c.state().text != before;
            }
            return false;
        }
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease: {
            plat::Control& c = *cv.control;
            const auto* mouse = static_cast<QMouseEvent*>(event);
            // Passed on only to a control that binds that event.
            std::function<void()> plat::Control::*handler = &plat::Control::on_mouse_move;
            if (event->type() != QEvent::MouseMove) {
                if (mouse->button() != Qt::LeftButton) return false;
                handler = event->type() == QEvent::MouseButtonPress ? &plat::Control::on_mouse_down
                                                                    : &plat::Control::on_mouse_up;
            }
            if (c.*handler)
                deliver(nullptr, [&] {
                    rt_.run([&] {
                        if (c.form().is_loaded() && c.form().is_enabled() && c.*handler)
                            (c.*handler)();
                    });
                });
            // A click on a text box is its Click, after its MouseUp; the
            // release of a double-click is none.
            if (event->type() == QEvent::MouseButtonRelease && c.kind() == Kind::TextBox) {
                const bool second = std::exchange(cv.double_pressed, false);
                const std::string before = c.state().text;
                if (!second && c.on_click &&
                    cv.widget->rect().contains(mouse->position().toPoint()))
                    deliver(nullptr, [&] { rt_.click(c); });
                // A box that the click (or double-click) filled in shows its
                // new text selected: a number typed next replaces it, never
                // joins it (a count of 1 and a typed 1 are not 11 beds).
                const bool filled =
                    std::exchange(cv.select_on_release, false) || c.state().text != before;
                if (auto* e = qobject_cast<QLineEdit*>(cv.widget);
                    e && filled && !ended_ && !closing_)
                    e->selectAll();
            }
            return false;
        }
        default: return false;
    }
}

// Tab chose where the focus goes before the box it leaves was checked; the
// check may have opened the next box for typing (the expense's note opens
// once its amount is in). The focus goes on to the control Tab reaches now,
// unless the program put it somewhere itself.
void Desktop::follow_tab(ControlView& left, Qt::FocusReason reason) {
    // Only the Tab key's own move: a program's focus given "by Tab" is left
    // where it was given.
    if (std::exchange(tab_from_, nullptr) != left.widget || closing_ || ended_) return;
    QWidget* window = left.widget->window();
    QWidget* chosen = QApplication::focusWidget();
    if (!chosen || chosen->window() != window || chosen == left.widget) return;
    const bool forward = reason == Qt::TabFocusReason;
    QWidget* next = nullptr;
    for (QWidget* w = forward ? left.widget->nextInFocusChain()
                              : left.widget->previousInFocusChain();
         w && w != left.widget; w = forward ? w->nextInFocusChain() : w->previousInFocusChain()) {
        if (!widget_views_.count(w) || !(w->focusPolicy() & Qt::TabFocus) ||
            !w->isVisibleTo(window) || !w->isEnabledTo(window))
            continue;
        next = w;
        break;
    }
    if (!next || next == chosen || next->isAncestorOf(chosen) || chosen->focusProxy() == next)
        return;
    QWidget* skipped = chosen;
    while (skipped && !widget_views_.count(skipped)) skipped = skipped->parentWidget();
    skipped_by_tab_ = skipped ? skipped : chosen;
    next->setFocus(reason);
    skipped_by_tab_ = nullptr;
}

// The arrows of a drop-down: on a closed combo they open its list, where
// they move without choosing (a choice that saves or searches is made with
// Enter or a click, not by passing over a line); from a box with a list of
// candidates under it, Down goes into that list, opened.
bool Desktop::arrow_key(ControlView& cv, QKeyEvent* event) {
    const int key = event->key();
    if (cv.control->kind() == Kind::OptionButton && event->modifiers() == Qt::NoModifier &&
        !quiet()) {
        if (key == Qt::Key_Down || key == Qt::Key_Right) return option_arrow(cv, true);
        if (key == Qt::Key_Up || key == Qt::Key_Left) return option_arrow(cv, false);
    }
    if ((key != Qt::Key_Down && key != Qt::Key_Up) || event->modifiers() != Qt::NoModifier ||
        quiet())
        return false;
    const Kind k = cv.control->kind();
    auto open = [](QComboBox* combo) {
        if (!combo || combo->count() == 0 || combo->view()->isVisible()) return false;
        combo->showPopup();
        return true;
    };
    if (k == Kind::ComboBox) return open(qobject_cast<QComboBox*>(cv.widget));
    const std::string& name = cv.control->state().drop_list;
    if (k != Kind::TextBox || key != Qt::Key_Down || name.empty()) return false;
    const plat::Control* list = cv.control->form().find(name);
    auto it = list ? control_views_.find(list) : control_views_.end();
    QWidget* w = it == control_views_.end() ? nullptr : it->second->widget;
    if (!w || !w->isVisible() || !w->isEnabled()) return false;
    w->setFocus(Qt::OtherFocusReason);
    if (w->hasFocus()) open(qobject_cast<QComboBox*>(w));
    return true;
}

bool Desktop::option_arrow(ControlView& cv, bool forward) {
    const std::vector<plat::Control*> group = option_group(*cv.control);
    auto at = std::find(group.begin(), group.end(), cv.control);
    if (at == group.end()) return true;
    if (forward ? at + 1 == group.end() : at == group.begin()) return true;
    plat::Control* next = forward ? *(at + 1) : *(at - 1);
    auto it = control_views_.find(next);
    if (it == control_views_.end() || !it->second->widget) return true;
    const bool chosen = cv.control->state().value != 0;
    it->second->widget->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    if (chosen && !closing_ && !ended_) clicked(*it->second);
    return true;
}

bool Desktop::key_event(ControlView& cv, QKeyEvent* event) {
    const Kind k = cv.control->kind();
    if (forwarding_key_ || (k != Kind::TextBox && k != Kind::ComboBox)) return false;
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) return false;
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
    const int code = key_code(event->text());
    if (code == 0 || quiet()) return false;
    int key = code;
    deliver(&cv, [&] { rt_.key_press(*cv.control, key); });
    if (closing_ || ended_) return true;
    if (key == code) return false;  // the box types the key as it came
    if (key == 0) return true;      // dropped
    const QString text = key_text(key);
    if (text.isEmpty()) return true;
    // The changed key is typed instead of the one pressed.
    QKeyEvent changed(QEvent::KeyPress, qt_key_for(key), Qt::NoModifier, text,
                      event->isAutoRepeat());
    Flag guard(forwarding_key_);
    QCoreApplication::sendEvent(cv.widget, &changed);
    return true;
}

}  // namespace gui
