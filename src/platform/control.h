// Controls of a form. Every control keeps its whole state in one ControlState
// so that unloading a form can put each control back to its design values,
// and so that the windows layer can show any control from one description.
//
// Rules the program relies on:
// - Touching any property of a control of a form that is not loaded loads
//   the form hidden and runs its load (not its activation).
// - Text set by the program runs Change when the text changes.
// - A check box's value set by the program runs Click when the value changes;
//   an option button's when it becomes selected (selecting one clears the
//   other options of the same container without running their Click).
// - A list's selected index set by the program runs Click.
// - A scroll bar's value is clamped to min..max and runs Change when it changes.
// - A date set by the program runs nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/date.h"

namespace plat {

class Form;

enum class Kind {
    TextBox,
    Label,
    CommandButton,
    CheckBox,
    OptionButton,
    ListBox,
    ComboBox,
    Frame,
    Image,
    Line,
    HScrollBar,
    Timer,
    DatePicker,
    DriveList,
    DirList,
    FileList
};

// Colours are 0x00BBGGRR values, as the program writes them (192 is dark red,
// 32768 is green); kDefaultColor leaves the window's own colour.
inline constexpr long kDefaultColor = -1;

struct ControlState {
    int left = 0, top = 0, width = 0, height = 0;  // twips
    bool visible = true;
    bool enabled = true;
    long back_color = kDefaultColor;
    long fore_color = kDefaultColor;
    std::string tooltip;
    std::string text;  // text, caption, or a combo box's edit text
    int value = 0;     // check box 0/1, option 0/1, scroll bar position
    std::vector<std::string> items;
    // Each list line's record (a booking number, a client code, a record
    // index), kept beside its text: the text is for the eye and is never
    // read back to find the record. Always as long as `items`.
    std::vector<long long> item_data;
    int list_index = -1;
    // A list whose lines are commands (its Click opens a form, or closes the
    // list): the arrow keys only move over the lines, Enter or a click runs
    // the line.
    bool command_list = false;
    // Tab stops at it; a control that is not a stop still takes a click.
    bool tab_stop = true;
    // The form's confirming button (SALVA): Tab from the last box of the
    // record reaches it before the form's other buttons.
    bool confirms = false;
    // A box with a list of candidates under it: the Down arrow goes into
    // that list (named here), which Tab passes over.
    std::string drop_list;
    bool locked = false;
    std::string password_char;
    bool multiline = false;
    // A box the user adds to (a note): taking the focus puts the caret
    // after its text and selects nothing, so typing never replaces it.
    bool caret_at_end = false;
    int max_length = 0;
    bool bold = false;
    bool underline = false;
    bool fixed_pitch = false;  // padded columns line up in a fixed-pitch font
    int font_size = 0;         // points; 0 = the window's default
    int alignment = 0;         // 0 left, 1 right, 2 centre
    int mouse_pointer =
        0;  // over the control: 0 the ordinary pointer, 99 the form's own (a pointing hand)
    int min = 0, max = 32767;
    int small_change = 1, large_change = 1;
    std::string picture;  // image file path
    bool stretch = false;
    int interval = 0;                    // timer, milliseconds
    Date date;                           // date picker
    std::string path;                    // folder of a folder or file list; drive of a drive list
    std::string pattern = "*.*";         // file list pattern(s), ";" between several
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // line ends, twips
};

class Control {
public:
    Control(Form& form, Kind kind, std::string name, int index = -1);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    Form& form() const { return form_; }
    Kind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }
    // The frame that contains it, or nullptr for the form itself.
    Control* container() const { return container_; }
    void set_container(Control* frame) { container_ = frame; }

    // --- design: used by the form's constructor (no load, no events) ---
    Control& place(int left, int top, int width, int height);
    Control& in(Control& frame) {
        container_ = &frame;
        return *this;
    }
    ControlState& design() { return state_; }

    // --- common properties ---
    bool visible();
    void set_visible(bool v);
    bool enabled();
    void set_enabled(bool v);
    int left();
    int top();
    int width();
    int height();
    void set_left(int v);
    void set_top(int v);
    void set_width(int v);
    void set_height(int v);
    long back_color();
    void set_back_color(long c);
    long fore_color();
    void set_fore_color(long c);
    std::string tooltip();
    void set_tooltip(std::string_view t);
    bool underline();
    void set_underline(bool u);
    bool bold();
    void set_bold(bool b);
    int mouse_pointer();
    void set_mouse_pointer(int p);
    void set_focus();

    // --- text: a text box's text, a label's, button's, frame's caption,
    //     a combo box's edit text, a list's selected item ---
    std::string text();
    void set_text(std::string_view t);
    std::string caption() { return text(); }
    void set_caption(std::string_view t) { set_text(t); }
    bool locked();
    void set_locked(bool l);
    std::string password_char();
    void set_password_char(std::string_view c);

    // --- value: check box 0/1, option button 0/1, scroll bar position ---
    int value();
    void set_value(int v);
    int min();
    int max();
    void set_min(int v);
    void set_max(int v);

    // --- lists and combo boxes ---
    void add_item(std::string item, long long data = 0);
    void remove_item(int i);
    void clear();
    std::string item(int i);     // "" outside 0..count-1
    long long item_data(int i);  // 0 outside 0..count-1
    void set_item_data(int i, long long data);
    int list_count();
    int list_index();
    void set_list_index(int i);  // -1 for none; runs Click

    // --- image ---
    std::string picture();
    void set_picture(std::string_view path);  // a missing file shows nothing

    // --- timer ---
    int interval();
    void set_interval(int ms);

    // --- date picker ---
    Date date();
    void set_date(Date d);  // runs nothing

    // --- drive, folder and file lists ---
    std::string path();
    void set_path(std::string_view p);  // folder and file lists: Change
    std::string pattern();
    void set_pattern(std::string_view p);
    // Re-reads the folder (folder list: its subfolders; file list: the
    // files matching the pattern, case-insensitively).
    void refresh();

    // --- events: the form binds its handlers here ---
    std::function<void()> on_click, on_dbl_click, on_change, on_got_focus, on_lost_focus,
        on_validate, on_close_up, on_timer, on_scroll;
    // The mouse over the control: moved, left button pressed, released. The
    // windows pass them on only to controls that bind them.
    std::function<void()> on_mouse_move, on_mouse_down, on_mouse_up;
    std::function<void(int&)> on_key_press;

    // Everything at once, for the windows layer (no load, no events).
    const ControlState& state() const { return state_; }
    // Increases at every change of state; the windows layer compares it.
    std::uint64_t revision() const { return revision_; }

    // --- the user's focus (the runtime's event entries and the windows) ---
    // The text the box held when the focus came into it, so that a check
    // run when the box is left can tell whether the user changed anything:
    // leaving a box as it was must not undo what the form shows.
    void focus_arrived();  // takes the text now
    void focus_noticed();  // takes it only when none is held
    void focus_gone();
    // True unless the text is the one held when the focus came in (also
    // true when no focus was seen: a check then runs as it always did).
    bool changed_since_focus() const;

    // Design values back (form unload), without events.
    void reset_to_design();
    void snapshot_design();

protected:
    void touch();
    void changed();
    void fire(const std::function<void()>& handler);

private:
    void clear_other_options();
    void fill_folder_items();

    Form& form_;
    Kind kind_;
    std::string name_;
    int index_;
    Control* container_ = nullptr;
    ControlState state_;
    ControlState design_;
    std::uint64_t revision_ = 1;
    bool focus_text_held_ = false;
    std::string focus_text_;
};

// Typed names for readability of the forms; behaviour lives in Control.
#define PLAT_CONTROL(Type, K)                                   \
    class Type : public Control {                               \
    public:                                                     \
        Type(Form& form, std::string name, int index = -1)      \
            : Control(form, Kind::K, std::move(name), index) {} \
    };
PLAT_CONTROL(TextBox, TextBox)
PLAT_CONTROL(Label, Label)
PLAT_CONTROL(CommandButton, CommandButton)
PLAT_CONTROL(CheckBox, CheckBox)
PLAT_CONTROL(OptionButton, OptionButton)
PLAT_CONTROL(ListBox, ListBox)
PLAT_CONTROL(ComboBox, ComboBox)
PLAT_CONTROL(Frame, Frame)
PLAT_CONTROL(Image, Image)
PLAT_CONTROL(Line, Line)
PLAT_CONTROL(HScrollBar, HScrollBar)
PLAT_CONTROL(Timer, Timer)
PLAT_CONTROL(DatePicker, DatePicker)
PLAT_CONTROL(DriveList, DriveList)
PLAT_CONTROL(DirList, DirList)
PLAT_CONTROL(FileList, FileList)
#undef PLAT_CONTROL

}  // namespace plat
