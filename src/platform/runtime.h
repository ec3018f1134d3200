// The desktop runtime: owns the forms (one instance each, created on first
// use by the factory registered under the form's name), the services, the
// active window, and the entry points through which the user's events reach
// the forms. The windows layer and the tests both deliver events here, so
// what a test drives is what a person does.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/control.h"
#include "platform/form.h"
#include "platform/services.h"

namespace plat {

// Thrown by end_program() to leave the handler at once; caught where the
// event entered the runtime.
struct ProgramEnded {};

// Watches the runtime: the windows layer keeps its windows in step.
class RuntimeObserver {
public:
    virtual ~RuntimeObserver() = default;
    // An event has been handled (or is about to show a message box):
    // bring the windows up to date.
    virtual void sync() = 0;
    virtual void program_ended() = 0;
};

class Runtime {
public:
    explicit Runtime(Services services);
    virtual ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    // --- forms ---
    using Factory = std::function<std::unique_ptr<Form>(Runtime&)>;
    void register_form(const std::string& name, Factory factory);
    // The form with that name (ignoring case), created on first use; nullptr
    // when no form has that name. Creating does not load.
    Form* form(std::string_view name);
    // The form with that name, created on first use; a name no form is
    // registered under throws std::logic_error (a fault of the program,
    // reported at the event's entry).
    Form& form(FormName name);
    template <class F>
    F& form() {
        return static_cast<F&>(form(F::kName));
    }
    // Forms created so far, in order of creation.
    std::vector<Form*> forms() const;
    // The names every form is registered under (upper case), in order.
    std::vector<std::string> form_names() const;
    Form* active_form() const { return active_; }
    // A form's control by form and control name; throws std::logic_error when
    // either does not exist (a fault of the program, reported at the event's
    // entry, never a crash).
    Control& field(std::string_view form_name, std::string_view control_name, int index = -1);

    // --- user events (windows layer and tests) ---
    // Each runs inside an event entry: a ProgramEnded or an exception that
    // a handler lets out stops there.
    void type(Control& c, std::string_view text);  // the user's edit of a text or combo box
    void leave(Control& c);                        // focus leaves the box: Validate, LostFocus
    void enter(Control& c);                        // focus arrives: GotFocus
    // The focus came into a box or went out of it without the user's doing
    // (the program moved it, a window was given back): no handler runs, the
    // box only notes its text, or forgets it (see changed_since_focus).
    void focus_noticed(Control& c) { c.focus_noticed(); }
    void focus_dropped(Control& c) { c.focus_gone(); }
    void click(Control& c);         // button, check, option, label, image, frame
    void double_click(Control& c);  // Click then DblClick
    // The second click of a double-click whose first click was already
    // delivered as a click: DblClick alone (the windows layer).
    void double_click_only(Control& c);
    void pick(Control& c, int index);               // a list or combo line chosen: Click
    void double_click_item(Control& c, int index);  // pick then DblClick
    void pick_date(Control& c, Date d);             // a date chosen: Change, CloseUp
    void scroll(Control& c, int value);             // scroll bar moved: Change
    void key_press(Control& c, int& key);           // KeyPress, key may be changed (0 drops it)
    void tick(Control& timer);                      // a timer's interval has passed
    void navigate(Control& folder_list, std::string_view path);  // folder or drive chosen
    void activate(Form& f);  // the user brought the window to the front
    void close(Form& f);     // the window's close button
    // Runs any program action as an event entry (start-up, tests).
    void run(const std::function<void()>& action);

    // --- services, for the program ---
    Answer msgbox(std::string_view text, Buttons buttons = Buttons::Ok, std::string_view title = {},
                  Icon icon = Icon::None);
    // The same for a box described whole (its default button); an empty
    // title is the application's.
    Answer msgbox(MessageBox box);
    // A line that needs no click (MessageService::notice).
    void notice(const std::string& text);
    Date today();
    std::string time_text();
    std::string user_name();
    PrinterService* printer() { return services_.printer.get(); }
    const std::string& program_folder() const { return services_.program_folder; }
    // Ends the program at once: no code after it runs.
    [[noreturn]] void end_program();
    bool ended() const { return ended_; }
    std::string title = "GESTIONE AFFITTI";

    // The control asked to take the focus, for the windows layer.
    Control* focus_request() const { return focus_request_; }
    void request_focus(Control* c) {
        focus_request_ = c;
        ++revision_;
    }
    void clear_focus_request() { focus_request_ = nullptr; }

    void set_observer(RuntimeObserver* o) { observer_ = o; }
    std::uint64_t revision() const { return revision_; }
    void changed() { ++revision_; }

    // --- called by Form ---
    void form_shown(Form& f);
    void form_gone(Form& f);  // hidden, unloaded or disabled
    void form_enabled(Form& f);
    void form_unloaded(Form& f);

    // Most recently active first; the activation order.
    void make_active(Form& f);

private:
    void entry(const std::function<void()>& action);
    void activate_next();
    Form* find_form(std::string_view name) const;

    Services services_;
    std::map<std::string, Factory> factories_;            // upper-cased names
    std::map<std::string, std::unique_ptr<Form>> forms_;  // upper-cased names
    std::vector<Form*> creation_order_;
    std::vector<Form*> recent_;  // most recently active last
    Form* active_ = nullptr;
    Control* focus_request_ = nullptr;
    RuntimeObserver* observer_ = nullptr;
    bool ended_ = false;
    int depth_ = 0;
    std::uint64_t revision_ = 1;
};

}  // namespace plat
