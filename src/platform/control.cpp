#include "platform/control.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/form.h"
#include "platform/record_file.h"
#include "platform/runtime.h"
#include "platform/save_unit.h"
#include "platform/text.h"

namespace plat {

namespace {

bool is_list(Kind k) { return k == Kind::ListBox || k == Kind::ComboBox; }
bool is_folder_list(Kind k) { return k == Kind::DirList || k == Kind::FileList; }

}  // namespace

Control::Control(Form& form, Kind kind, std::string name, int index)
    : form_(form), kind_(kind), name_(std::move(name)), index_(index) {
    if (kind_ == Kind::HScrollBar) state_.max = 32767;
    form_.register_control(this);
}

Control& Control::place(int left, int top, int width, int height) {
    state_.left = left;
    state_.top = top;
    state_.width = width;
    state_.height = height;
    return *this;
}

void Control::touch() {
    if (!form_.designing()) form_.touch();
}

void Control::changed() {
    ++revision_;
    if (!form_.designing()) form_.runtime().changed();
}

void Control::fire(const std::function<void()>& handler) {
    if (handler && !form_.designing()) handler();
}

void Control::snapshot_design() { design_ = state_; }

void Control::reset_to_design() {
    state_ = design_;
    focus_gone();
    changed();
}

// --- the user's focus ------------------------------------------------------------

void Control::focus_arrived() {
    focus_text_ = state_.text;
    focus_text_held_ = true;
}

void Control::focus_noticed() {
    if (!focus_text_held_) focus_arrived();
}

void Control::focus_gone() {
    focus_text_held_ = false;
    focus_text_.clear();
}

bool Control::changed_since_focus() const {
    return !focus_text_held_ || focus_text_ != state_.text;
}

// --- common properties --------------------------------------------------------

#define PLAT_GETTER(type, fn, member) \
    type Control::fn() {              \
        touch();                      \
        return state_.member;         \
    }
#define PLAT_SETTER(type, fn, member)   \
    void Control::fn(type v) {          \
        touch();                        \
        if (state_.member == v) return; \
        state_.member = v;              \
        changed();                      \
    }

PLAT_GETTER(bool, visible, visible)
PLAT_SETTER(bool, set_visible, visible)
PLAT_GETTER(bool, enabled, enabled)
PLAT_SETTER(bool, set_enabled, enabled)
PLAT_GETTER(int, left, left)
PLAT_GETTER(int, top, top)
PLAT_GETTER(int, width, width)
PLAT_GETTER(int, height, height)
PLAT_SETTER(int, set_left, left)
PLAT_SETTER(int, set_top, top)
PLAT_SETTER(int, set_width, width)
PLAT_SETTER(int, set_height, height)
PLAT_GETTER(long, back_color, back_color)
PLAT_SETTER(long, set_back_color, back_color)
PLAT_GETTER(long, fore_color, fore_color)
PLAT_SETTER(long, set_fore_color, fore_color)
PLAT_GETTER(std::string, tooltip, tooltip)
PLAT_GETTER(bool, underline, underline)
PLAT_SETTER(bool, set_underline, underline)
PLAT_GETTER(bool, bold, bold)
PLAT_SETTER(bool, set_bold, bold)
PLAT_GETTER(int, mouse_pointer, mouse_pointer)
PLAT_SETTER(int, set_mouse_pointer, mouse_pointer)
PLAT_GETTER(bool, locked, locked)
PLAT_SETTER(bool, set_locked, locked)
PLAT_GETTER(std::string, password_char, password_char)
PLAT_GETTER(int, min, min)
PLAT_GETTER(int, max, max)
PLAT_GETTER(std::string, picture, picture)
PLAT_GETTER(int, interval, interval)
PLAT_SETTER(int, set_interval, interval)
PLAT_GETTER(Date, date, date)
PLAT_GETTER(std::string, path, path)
PLAT_GETTER(std::string, pattern, pattern)
#undef PLAT_GETTER
#undef PLAT_SETTER

void Control::set_tooltip(std::string_view t) {
    touch();
    if (state_.tooltip == t) return;
    state_.tooltip = std::string(t);
    changed();
}

void Control::set_password_char(std::string_view c) {
    touch();
    if (state_.password_char == c) return;
    state_.password_char = std::string(c);
    changed();
}

void Control::set_focus() {
    touch();
    form_.runtime().request_focus(this);
}

// --- text ---------------------------------------------------------------------

std::string Control::text() {
    touch();
    if (kind_ == Kind::ListBox || is_folder_list(kind_)) {
        if (state_.list_index >= 0 && state_.list_index < static_cast<int>(state_.items.size()))
            return state_.items[state_.list_index];
        return "";
    }
    return state_.text;
}

void Control::set_text(std::string_view t) {
    touch();
    if (kind_ == Kind::ListBox) {
        // Setting a list's text selects the line that reads so.
        for (int i = 0; i < static_cast<int>(state_.items.size()); ++i)
            if (state_.items[i] == t) {
                set_list_index(i);
                return;
            }
        return;
    }
    if (state_.text == t) return;
    state_.text = std::string(t);
    if (kind_ == Kind::ComboBox) {
        // A combo box's chosen line is the line that reads as its text, or
        // none: choosing that line again is then a new choice.
        state_.list_index = -1;
        for (int i = 0; i < static_cast<int>(state_.items.size()); ++i)
            if (state_.items[i] == t) {
                state_.list_index = i;
                break;
            }
    }
    changed();
    if (kind_ == Kind::TextBox || kind_ == Kind::ComboBox) fire(on_change);
}

// --- value --------------------------------------------------------------------

void Control::clear_other_options() {
    for (Control* other : form_.controls()) {
        if (other == this || other->kind_ != Kind::OptionButton) continue;
        if (other->container_ != container_) continue;
        if (other->state_.value != 0) {
            other->state_.value = 0;
            other->changed();
        }
    }
}

int Control::value() {
    touch();
    return state_.value;
}

void Control::set_value(int v) {
    touch();
    switch (kind_) {
        case Kind::CheckBox: {
            if (v < 0 || v > 2) v = v ? 1 : 0;
            if (state_.value == v) return;
            state_.value = v;
            changed();
            fire(on_click);
            return;
        }
        case Kind::OptionButton: {
            if (v != 0) {
                if (state_.value == 1) return;
                state_.value = 1;
                clear_other_options();
                changed();
                fire(on_click);
            } else if (state_.value != 0) {
                state_.value = 0;
                changed();
            }
            return;
        }
        case Kind::HScrollBar: {
            const int lo = std::min(state_.min, state_.max);
            const int hi = std::max(state_.min, state_.max);
            v = std::clamp(v, lo, hi);
            if (state_.value == v) return;
            state_.value = v;
            changed();
            fire(on_change);
            return;
        }
        default:
            if (state_.value == v) return;
            state_.value = v;
            changed();
    }
}

void Control::set_min(int v) {
    touch();
    if (state_.min == v) return;
    state_.min = v;
    changed();
    if (kind_ == Kind::HScrollBar) set_value(state_.value);  // re-clamp
}

void Control::set_max(int v) {
    touch();
    if (state_.max == v) return;
    state_.max = v;
    changed();
    if (kind_ == Kind::HScrollBar) set_value(state_.value);
}

// --- lists --------------------------------------------------------------------

void Control::add_item(std::string item, long long data) {
    touch();
    state_.items.push_back(std::move(item));
    state_.item_data.push_back(data);
    changed();
}

void Control::remove_item(int i) {
    touch();
    if (i < 0 || i >= static_cast<int>(state_.items.size())) return;
    state_.items.erase(state_.items.begin() + i);
    state_.item_data.erase(state_.item_data.begin() + i);
    if (state_.list_index == i) state_.list_index = -1;
    else if (state_.list_index > i)
        --state_.list_index;
    changed();
}

void Control::clear() {
    touch();
    state_.items.clear();
    state_.item_data.clear();
    state_.list_index = -1;
    if (kind_ == Kind::ComboBox) state_.text.clear();
    changed();
}

std::string Control::item(int i) {
    touch();
    if (i < 0 || i >= static_cast<int>(state_.items.size())) return "";
    return state_.items[i];
}

long long Control::item_data(int i) {
    touch();
    if (i < 0 || i >= static_cast<int>(state_.item_data.size())) return 0;
    return state_.item_data[i];
}

void Control::set_item_data(int i, long long data) {
    touch();
    if (i < 0 || i >= static_cast<int>(state_.item_data.size())) return;
    state_.item_data[i] = data;
}

int Control::list_count() {
    touch();
    return static_cast<int>(state_.items.size());
}

int Control::list_index() {
    touch();
    return state_.list_index;
}

void Control::set_list_index(int i) {
    touch();
    // An index outside the list is refused rather than kept: the program
    // then reads no line instead of a line that is not there.
    if (i < -1 || i >= static_cast<int>(state_.items.size())) return;
    const int old = state_.list_index;
    if (old != i) {
        state_.list_index = i;
        if (kind_ == Kind::ComboBox && i >= 0) state_.text = state_.items[i];
        changed();
    }
    if (i >= 0 || old != -1) {
        if (is_list(kind_) || is_folder_list(kind_)) fire(on_click);
    }
}

// --- image --------------------------------------------------------------------

void Control::set_picture(std::string_view path) {
    touch();
    std::string p(path);
    if (!p.empty() && !file_exists(p)) p.clear();  // a missing picture shows nothing
    if (state_.picture == p) return;
    state_.picture = p;
    changed();
}

// --- date ---------------------------------------------------------------------

void Control::set_date(Date d) {
    touch();
    if (state_.date == d) return;
    state_.date = d;
    changed();
}

// --- drive, folder and file lists -------------------------------------------

void Control::fill_folder_items() {
    state_.items.clear();
    state_.item_data.clear();
    state_.list_index = -1;
    if (kind_ == Kind::DriveList) {
        state_.items.push_back("/");
        state_.item_data.assign(1, 0);
        return;
    }
    std::error_code ec;
    std::vector<std::string> names;
    for (std::filesystem::directory_iterator it(state_.path, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code type_ec;
        const bool dir = it->is_directory(type_ec);
        const std::string name = it->path().filename().string();
        if (kind_ == Kind::DirList && dir && !name.starts_with(".")) names.push_back(name);
        // The program's own work files (lock, save record, temporary
        // files) are no files of the user's.
        if (kind_ == Kind::FileList && !dir && !is_program_work_file(name) &&
            matches_pattern(state_.pattern, name))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return upper(a) < upper(b); });
    state_.items = std::move(names);
    state_.item_data.assign(state_.items.size(), 0);
}

void Control::refresh() {
    touch();
    fill_folder_items();
    changed();
}

void Control::set_path(std::string_view p) {
    touch();
    if (state_.path == p) return;
    state_.path = std::string(p);
    fill_folder_items();
    changed();
    if (kind_ == Kind::DirList || kind_ == Kind::DriveList) fire(on_change);
}

void Control::set_pattern(std::string_view p) {
    touch();
    state_.pattern = std::string(p);
    if (kind_ == Kind::FileList) fill_folder_items();
    changed();
}

}  // namespace plat
