#include "platform/form.h"

#include "platform/control.h"
#include "platform/runtime.h"
#include "platform/text.h"

namespace plat {

Form::Form(Runtime& runtime, std::string name) : runtime_(runtime), name_(std::move(name)) {}

void Form::register_control(Control* c) {
    controls_.push_back(c);
    by_name_[c->name()].push_back(c);
}

void Form::design(std::string_view caption, int width, int height) {
    caption_ = std::string(caption);
    width_ = width;
    height_ = height;
}

void Form::finish_design() {
    designing_ = false;
    design_caption_ = caption_;
    design_topmost_ = topmost_;
    design_width_ = width_;
    design_height_ = height_;
    for (Control* c : controls_) c->snapshot_design();
}

void Form::touch() {
    if (designing_) return;
    if (!loaded_) load();
}

void Form::load() {
    if (designing_ || loaded_) return;
    loaded_ = true;  // before the handler: loads that touch each other end
    ++loads_;
    visible_ = false;
    changed();
    runtime_.changed();
    Form_Load();
}

void Form::show() {
    touch();
    if (!visible_) {
        visible_ = true;
        changed();
        runtime_.changed();
    }
    runtime_.form_shown(*this);
}

void Form::hide() {
    touch();
    if (!visible_) return;
    visible_ = false;
    changed();
    runtime_.changed();
    runtime_.form_gone(*this);
}

void Form::unload() {
    if (!loaded_) return;
    Form_Unload();
    if (!loaded_) return;  // the handler unloaded it already
    loaded_ = false;
    visible_ = false;
    enabled_ = true;
    caption_ = design_caption_;
    topmost_ = design_topmost_;
    width_ = design_width_;
    height_ = design_height_;
    for (Control* c : controls_) c->reset_to_design();
    changed();
    runtime_.changed();
    runtime_.form_unloaded(*this);
}

bool Form::visible() {
    touch();
    return visible_;
}

bool Form::enabled() {
    touch();
    return enabled_;
}

void Form::set_enabled(bool e) {
    touch();
    if (enabled_ == e) return;
    enabled_ = e;
    changed();
    runtime_.changed();
    if (e) runtime_.form_enabled(*this);
    else
        runtime_.form_gone(*this);
}

std::string Form::caption() {
    touch();
    return caption_;
}

void Form::set_caption(std::string_view c) {
    touch();
    if (caption_ == c) return;
    caption_ = std::string(c);
    changed();
    runtime_.changed();
}

bool Form::topmost() {
    touch();
    return topmost_;
}

void Form::set_topmost(bool t) {
    touch();
    if (topmost_ == t) return;
    topmost_ = t;
    changed();
    runtime_.changed();
}

#define PLAT_FORM_INT(get, set, member) \
    int Form::get() {                   \
        touch();                        \
        return member;                  \
    }                                   \
    void Form::set(int v) {             \
        touch();                        \
        if (member == v) return;        \
        member = v;                     \
        changed();                      \
        runtime_.changed();             \
    }
PLAT_FORM_INT(width, set_width, width_)
PLAT_FORM_INT(height, set_height, height_)
PLAT_FORM_INT(left, set_left, left_)
PLAT_FORM_INT(top, set_top, top_)
#undef PLAT_FORM_INT

Control* Form::control(std::string_view name, int index) {
    touch();
    return find(name, index);
}

Control* Form::find(std::string_view name, int index) const {
    const auto it = by_name_.find(name);
    if (it == by_name_.end()) return nullptr;
    for (Control* c : it->second)
        if (c->index() == index) return c;
    return nullptr;
}

}  // namespace plat
