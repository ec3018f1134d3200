// A form: one screen of the program, a single instance created on first use.
//
// Life cycle: not loaded -> loaded and hidden -> shown; separately enabled or
// disabled. Form_Load runs once per load, Form_Activate each time the form
// becomes the active window, Form_Unload when it is unloaded, after which
// every control is back at its design value. Touching a control or property
// of a form that is not loaded loads it hidden (running Form_Load, not
// Form_Activate); the form counts as loaded before Form_Load runs, so loads
// that touch each other end.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/text.h"

namespace plat {

class Control;
class Runtime;

// A form's name as the program writes it: each form is named by one constant
// of this type, so a name the program opens is one the compiler has seen, and
// a name that reaches the runtime without a form behind it is a fault that
// throws (`Runtime::form(FormName)`), never a button that does nothing.
struct FormName {
    std::string_view name;
};

class Form {
public:
    Form(Runtime& runtime, std::string name);
    Form(Runtime& runtime, FormName name) : Form(runtime, std::string(name.name)) {}
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form() = default;

    const std::string& name() const { return name_; }
    Runtime& runtime() const { return runtime_; }

    // --- life cycle ---
    bool is_loaded() const { return loaded_; }               // never loads
    bool is_visible() const { return loaded_ && visible_; }  // never loads
    bool is_enabled() const { return enabled_; }             // never loads
    // How many times the form has been loaded: each load is a fresh form.
    std::uint64_t loads() const { return loads_; }
    void load();  // loads hidden if not loaded
    void show();  // loads, shows, and makes it the active window
    void hide();
    void unload();

    bool visible();
    bool enabled();
    void set_enabled(bool e);
    std::string caption();
    void set_caption(std::string_view c);
    int width();
    int height();
    void set_width(int twips);
    void set_height(int twips);
    int left();
    int top();
    void set_left(int twips);
    void set_top(int twips);
    // Kept above the other windows while true (a design value too).
    bool topmost();
    void set_topmost(bool t);

    // The control with this name (and index, for control arrays), ignoring
    // case; nullptr when there is none. Loads the form, like any touch.
    Control* control(std::string_view name, int index = -1);
    // The same without loading (the windows layer and design code).
    Control* find(std::string_view name, int index = -1) const;
    const std::vector<Control*>& controls() const { return controls_; }

    // --- handlers, overridden by each form ---
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Unload() {}
    // The window's close button: the form's own exit where it has one.
    virtual void close_requested() { unload(); }
    // Escape pressed in the form is its close button (a dialog without a
    // cancel button of its own).
    virtual bool closes_on_escape() const { return false; }
    // The mouse moved over the form itself, not over one of its controls.
    std::function<void()> on_mouse_move;

    // Increases at every change of the form's own state (not its controls').
    std::uint64_t revision() const { return revision_; }
    bool designing() const { return designing_; }

    // Called once by the runtime after construction: the values set so far
    // are the design values.
    void finish_design();
    void register_control(Control* c);

    // Ensures the form is loaded (the runtime's touch rule).
    void touch();
    void changed() { ++revision_; }

protected:
    // Design-time geometry and caption.
    void design(std::string_view caption, int width, int height);

private:
    Runtime& runtime_;
    std::string name_;
    std::vector<Control*> controls_;
    // The controls by name, a control array's members in the order made:
    // forms are asked for their controls by name at every step.
    std::unordered_map<std::string, std::vector<Control*>, NameHash, NameEqual> by_name_;
    bool designing_ = true;
    bool loaded_ = false;
    bool visible_ = false;
    bool enabled_ = true;
    std::string caption_, design_caption_;
    bool topmost_ = false, design_topmost_ = false;
    int left_ = 0, top_ = 0, width_ = 6000, height_ = 4500;
    int design_width_ = 6000, design_height_ = 4500;
    std::uint64_t revision_ = 1;
    std::uint64_t loads_ = 0;
};

}  // namespace plat
