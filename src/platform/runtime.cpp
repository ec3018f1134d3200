#include "platform/runtime.h"

#include <pwd.h>
#include <unistd.h>
#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "platform/text.h"

namespace plat {

Runtime::Runtime(Services services) : services_(std::move(services)) {
    if (!services_.clock) services_.clock = system_clock();
    if (!services_.user) services_.user = system_user();
}

Runtime::~Runtime() {
    // Forms refer to each other through the runtime; none may run a handler
    // while the others are being destroyed.
    observer_ = nullptr;
    forms_.clear();
}

// --- forms ---------------------------------------------------------------------

void Runtime::register_form(const std::string& name, Factory factory) {
    factories_[upper(name)] = std::move(factory);
}

Form* Runtime::find_form(std::string_view name) const {
    auto it = forms_.find(upper(name));
    return it == forms_.end() ? nullptr : it->second.get();
}

Form* Runtime::form(std::string_view name) {
    if (Form* f = find_form(name)) return f;
    auto it = factories_.find(upper(name));
    if (it == factories_.end()) return nullptr;
    std::unique_ptr<Form> made = it->second(*this);
    Form* f = made.get();
    forms_[upper(name)] = std::move(made);
    creation_order_.push_back(f);
    f->finish_design();
    changed();
    return f;
}

Form& Runtime::form(FormName name) {
    Form* f = form(name.name);
    if (!f) throw std::logic_error("form not registered: " + std::string(name.name));
    return *f;
}

std::vector<Form*> Runtime::forms() const { return creation_order_; }

std::vector<std::string> Runtime::form_names() const {
    std::vector<std::string> names;
    for (const auto& [name, factory] : factories_) names.push_back(name);
    return names;
}

Control& Runtime::field(std::string_view form_name, std::string_view control_name, int index) {
    Form* f = form(form_name);
    if (!f) throw std::logic_error("form not found: " + std::string(form_name));
    Control* c = f->control(control_name, index);
    if (!c)
        throw std::logic_error("control not found: " + std::string(form_name) + "." +
                               std::string(control_name));
    return *c;
}

// --- activation ----------------------------------------------------------------

void Runtime::make_active(Form& f) {
    active_ = &f;
    recent_.erase(std::remove(recent_.begin(), recent_.end(), &f), recent_.end());
    recent_.push_back(&f);
    changed();
}

void Runtime::form_shown(Form& f) {
    if (active_ == &f || !f.is_enabled()) return;
    make_active(f);
    f.Form_Activate();
}

void Runtime::form_gone(Form& f) {
    if (active_ != &f) return;
    active_ = nullptr;
    activate_next();
}

void Runtime::form_enabled(Form& f) {
    (void)f;
    if (active_ == nullptr) activate_next();
}

void Runtime::form_unloaded(Form& f) {
    recent_.erase(std::remove(recent_.begin(), recent_.end(), &f), recent_.end());
    if (focus_request_ && &focus_request_->form() == &f) focus_request_ = nullptr;
    if (active_ == &f) {
        active_ = nullptr;
        activate_next();
    }
}

void Runtime::activate_next() {
    // The most recently active window that can take the focus; a window
    // shown while disabled and never active comes after those.
    Form* next = nullptr;
    for (auto it = recent_.rbegin(); it != recent_.rend() && !next; ++it)
        if ((*it)->is_visible() && (*it)->is_enabled()) next = *it;
    for (auto it = creation_order_.begin(); it != creation_order_.end() && !next; ++it)
        if ((*it)->is_visible() && (*it)->is_enabled()) next = *it;
    if (!next) return;
    make_active(*next);
    next->Form_Activate();
}

// --- event entries -------------------------------------------------------------

void Runtime::entry(const std::function<void()>& action) {
    if (ended_) return;
    ++depth_;
    try {
        action();
    } catch (const ProgramEnded&) {
        if (depth_ > 1) {
            --depth_;
            throw;
        }
    } catch (const std::exception& e) {
        // A fault of the program must not take the user's work with it:
        // say what happened and go on with the next event.
        try {
            msgbox(std::string("SI E' VERIFICATO UN ERRORE IMPREVISTO:\r") + e.what(), Buttons::Ok,
                   "", Icon::Critical);
        } catch (...) {}
    }
    --depth_;
    if (ended_) {
        if (observer_) observer_->program_ended();
    } else if (depth_ == 0 && observer_) {
        observer_->sync();
    }
}

void Runtime::run(const std::function<void()>& action) { entry(action); }

namespace {
bool can_use(Control& c) {
    if (!c.form().is_loaded() || !c.form().is_enabled()) return false;
    for (Control* p = &c; p; p = p->container())
        if (!p->state().enabled || !p->state().visible) return false;
    return true;
}
}  // namespace

void Runtime::type(Control& c, std::string_view text) {
    entry([&] {
        if (!can_use(c) || c.state().locked) return;
        // Typed into without the focus having been seen to arrive (a test, a
        // paste): the text before the edit is the one the box was given.
        c.focus_noticed();
        // A one-line box never holds a line break, however it was pasted
        // in: each becomes one blank, so no record is ever split by one.
        const bool one_line =
            c.kind() == Kind::ComboBox || (c.kind() == Kind::TextBox && !c.state().multiline);
        c.set_text(one_line ? single_line(text) : std::string(text));
    });
}

void Runtime::leave(Control& c) {
    entry([&] {
        if (!c.form().is_loaded()) return;
        if (c.on_validate) c.on_validate();
        if (c.on_lost_focus) c.on_lost_focus();
        c.focus_gone();
    });
}

void Runtime::enter(Control& c) {
    entry([&] {
        if (!can_use(c)) return;
        if (c.on_got_focus) c.on_got_focus();
        c.focus_arrived();
    });
}

void Runtime::click(Control& c) {
    entry([&] {
        if (!can_use(c)) return;
        switch (c.kind()) {
            case Kind::CheckBox: c.set_value(c.state().value == 1 ? 0 : 1); break;
            case Kind::OptionButton: c.set_value(1); break;
            default:
                if (c.on_click) c.on_click();
        }
    });
}

void Runtime::double_click(Control& c) {
    entry([&] {
        if (!can_use(c)) return;
        click(c);
        if (c.on_dbl_click) c.on_dbl_click();
    });
}

void Runtime::double_click_only(Control& c) {
    entry([&] {
        if (!can_use(c)) return;
        if (c.on_dbl_click) c.on_dbl_click();
    });
}

void Runtime::pick(Control& c, int index) {
    entry([&] {
        if (!can_use(c)) return;
        c.set_list_index(index);
    });
}

void Runtime::double_click_item(Control& c, int index) {
    entry([&] {
        if (!can_use(c)) return;
        c.set_list_index(index);
        if (c.on_dbl_click) c.on_dbl_click();
    });
}

void Runtime::pick_date(Control& c, Date d) {
    entry([&] {
        if (!can_use(c)) return;
        c.set_date(d);
        if (c.on_change) c.on_change();
        if (c.on_close_up) c.on_close_up();
    });
}

void Runtime::scroll(Control& c, int value) {
    entry([&] {
        if (!can_use(c)) return;
        c.set_value(value);
        if (c.on_scroll) c.on_scroll();
    });
}

void Runtime::key_press(Control& c, int& key) {
    entry([&] {
        if (!can_use(c)) return;
        if (c.on_key_press) c.on_key_press(key);
    });
}

void Runtime::tick(Control& timer) {
    entry([&] {
        if (!timer.form().is_loaded() || !timer.state().enabled || timer.state().interval <= 0)
            return;
        if (timer.on_timer) timer.on_timer();
    });
}

void Runtime::navigate(Control& list, std::string_view path) {
    entry([&] {
        if (!can_use(list)) return;
        list.set_path(path);
    });
}

void Runtime::activate(Form& f) {
    entry([&] {
        if (!f.is_visible() || !f.is_enabled() || active_ == &f) return;
        make_active(f);
        f.Form_Activate();
    });
}

void Runtime::close(Form& f) {
    entry([&] {
        if (!f.is_loaded()) return;
        f.close_requested();
    });
}

// --- services ------------------------------------------------------------------

Answer Runtime::msgbox(std::string_view text, Buttons buttons, std::string_view title, Icon icon) {
    MessageBox box;
    box.text = std::string(text);
    box.buttons = buttons;
    box.icon = icon;
    box.title = std::string(title);
    return msgbox(std::move(box));
}

Answer Runtime::msgbox(MessageBox box) {
    if (observer_) observer_->sync();
    if (box.title.empty()) box.title = this->title;
    if (!services_.messages) return default_answer(box);
    return services_.messages->show(box);
}

void Runtime::notice(const std::string& text) {
    if (services_.messages) services_.messages->notice(text);
}

Date Runtime::today() { return services_.clock->today(); }
std::string Runtime::time_text() { return services_.clock->time_text(); }
std::string Runtime::user_name() { return services_.user->user_name(); }

void Runtime::end_program() {
    ended_ = true;
    throw ProgramEnded{};
}

// --- the machine's own clock and user ---------------------------------------

namespace {

class SystemClock final : public Clock {
public:
    Date today() override {
        std::time_t t = std::time(nullptr);
        std::tm tm{};
        localtime_r(&t, &tm);
        return Date::from_dmy(tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900).value_or(Date{});
    }
    std::string time_text() override {
        std::time_t t = std::time(nullptr);
        std::tm tm{};
        localtime_r(&t, &tm);
        char buf[16];
        std::strftime(buf, sizeof buf, "%H:%M:%S", &tm);
        return buf;
    }
};

class SystemUser final : public UserService {
public:
    std::string user_name() override {
        if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_name) return pw->pw_name;
        if (const char* u = std::getenv("USER")) return u;
        return "";
    }
};

}  // namespace

std::unique_ptr<Clock> system_clock() { return std::make_unique<SystemClock>(); }
std::unique_ptr<UserService> system_user() { return std::make_unique<SystemUser>(); }

}  // namespace plat
