// The windows of the program: one top-level Qt window per form, built from
// the form's controls, kept in step with the runtime both ways.
//
// Runtime -> windows: after every handled event (and before a message box)
// the runtime calls sync(); each control whose revision changed is shown
// again, with its widget's signals blocked so that nothing the program set
// comes back as a user's event. The state is read only through accessors
// that never load a form (a form's caption and size only while it is loaded).
//
// Windows -> runtime: a user's edit, click, pick, key, focus change, window
// activation or close becomes the runtime's event of the same name. While a
// sync is running, while a message box is open, and while another event is
// being handled, no event is passed on.
#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include <QElapsedTimer>
#include <QObject>
#include <QRect>
#include <QSize>

#include "platform/runtime.h"

class QEvent;
class QKeyEvent;
class QTimer;
class QWidget;

namespace gui {

class Desktop final : public QObject, public plat::RuntimeObserver {
    Q_OBJECT

public:
    explicit Desktop(plat::Runtime& runtime, QObject* parent = nullptr);
    ~Desktop() override;
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // --- RuntimeObserver ---
    void sync() override;
    void program_ended() override;

    // The window of a form, the widget of a control, the timer of a timer
    // control; nullptr until made (a form's window is made the first time
    // the form is shown).
    QWidget* window(const plat::Form& form) const;
    QWidget* widget(const plat::Control& control) const;
    QTimer* timer(const plat::Control& control) const;

signals:
    // The program ended, or no form of it is loaded any more: nothing is
    // left to show, the event loop may stop.
    void finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ControlView;
    struct FormView;

    FormView& view_of(plat::Form& form);
    void update_form(FormView& fv);
    void build_window(FormView& fv);
    void make_widget(ControlView& cv, QWidget* parent);
    void update_control(ControlView& cv);
    void update_font(ControlView& cv);
    void update_common(ControlView& cv);
    void update_timer(ControlView& cv);
    void update_tab_order(FormView& fv);
    // The room the screen of a window leaves to windows.
    QRect room_for(const QWidget* w) const;
    void follow_active_form();
    void apply_focus_request();
    void queue_finish_check();

    bool quiet() const;
    template <class Action>
    void deliver(ControlView* cv, Action&& action);

    bool window_event(FormView& fv, QEvent* event);
    bool control_event(ControlView& cv, QEvent* event);
    bool arrow_key(ControlView& cv, QKeyEvent* event);
    // The arrows in a group of option buttons (one frame's): the focus moves
    // to the next or previous one, which is chosen when the one left was.
    bool option_arrow(ControlView& cv, bool forward);
    bool key_event(ControlView& cv, QKeyEvent* event);
    void window_activated(FormView& fv);
    void follow_tab(ControlView& left, Qt::FocusReason reason);

    // User events from the widgets.
    void typed(ControlView& cv, const std::string& text);
    void clicked(ControlView& cv);
    void double_clicked(ControlView& cv);
    void picked(ControlView& cv, int row);
    void row_double_clicked(ControlView& cv, int row);
    void drive_chosen(ControlView& cv, int row);
    void date_chosen(ControlView& cv);
    void scrolled(ControlView& cv, int value);
    void ticked(ControlView& cv);

    plat::Runtime& rt_;
    std::vector<std::unique_ptr<FormView>> forms_;
    std::unordered_map<const plat::Form*, FormView*> form_views_;
    std::unordered_map<const plat::Control*, ControlView*> control_views_;
    std::unordered_map<const QObject*, ControlView*> widget_views_;
    std::unordered_map<const QObject*, FormView*> window_views_;
    std::unordered_map<const QObject*, ControlView*> calendar_views_;
    // The viewports of lists: a press there tells a mouse's pick from the
    // keyboard's.
    std::unordered_map<const QObject*, ControlView*> viewport_views_;

    // The runtime's active form as last seen, and the window we asked the
    // window system to activate: activations of other windows that arrive
    // meanwhile are the echo of windows just shown, not the user's.
    const plat::Form* last_active_ = nullptr;
    FormView* pending_activation_ = nullptr;
    QElapsedTimer pending_since_;

    bool syncing_ = false;
    // What the window system's frame adds to a window, once seen.
    QSize decorations_{0, 0};
    bool forwarding_key_ = false;
    // The focus is being moved on past the control Tab had chosen (see
    // control_event): that control, never entered, is not left either.
    QWidget* skipped_by_tab_ = nullptr;
    QWidget* tab_from_ = nullptr;  // the control the Tab key was last pressed in
    bool ended_ = false;
    bool closing_ = false;
    bool ever_loaded_ = false;
    bool finish_check_queued_ = false;
    int busy_ = 0;
};

}  // namespace gui
