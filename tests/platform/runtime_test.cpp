// The event and life-cycle rules of the runtime, driven as the program and a
// user would drive them.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/runtime.h"
#include "platform/scripted.h"

namespace {

using plat::Answer;
using plat::Buttons;

struct Registro {
    std::vector<std::string> eventi;
    void operator()(std::string e) { eventi.push_back(std::move(e)); }
};

class Prova : public plat::Form {
public:
    Prova(plat::Runtime& rt, std::string nome, Registro& r) : plat::Form(rt, nome), reg(r) {
        Text1.place(0, 0, 1000, 300);
        Text1.design().text = "iniziale";
        Check1.on_click = [this] {
            reg("Check1_Click");
            if (Check1.value() == 1) Check2.set_value(1);  // a nested click
        };
        Check2.on_click = [this] { reg("Check2_Click"); };
        Text1.on_change = [this] { reg("Text1_Change"); };
        Text1.on_validate = [this] { reg("Text1_Validate"); };
        Text1.on_lost_focus = [this] { reg("Text1_LostFocus"); };
        Text1.on_click = [this] { reg("Text1_Click"); };
        Text1.on_dbl_click = [this] { reg("Text1_DblClick"); };
        Option1.on_click = [this] { reg("Option1_Click"); };
        Option2.on_click = [this] { reg("Option2_Click"); };
        Option3.set_container(&Frame1);
        Option3.on_click = [this] { reg("Option3_Click"); };
        List1.on_click = [this] { reg("List1_Click " + std::to_string(List1.list_index())); };
        HScroll1.design().max = 10;
        HScroll1.on_change = [this] { reg("HScroll1_Change " + std::to_string(HScroll1.value())); };
        DT1.on_change = [this] { reg("DT1_Change"); };
        Command1.on_click = [this] {
            reg("Command1_Click");
            if (azione) azione();
        };
    }
    void Form_Load() override {
        reg(name() + "_Load");
        if (al_caricamento) al_caricamento();
    }
    void Form_Activate() override { reg(name() + "_Activate"); }
    void Form_Unload() override { reg(name() + "_Unload"); }

    Registro& reg;
    std::function<void()> al_caricamento, azione;
    plat::TextBox Text1{*this, "Text1"};
    plat::CheckBox Check1{*this, "Check1"}, Check2{*this, "Check2"};
    plat::Frame Frame1{*this, "Frame1"};
    plat::OptionButton Option1{*this, "Option1"}, Option2{*this, "Option2"},
        Option3{*this, "Option3"};
    plat::ListBox List1{*this, "List1"};
    plat::ComboBox Combo1{*this, "Combo1"};
    plat::HScrollBar HScroll1{*this, "HScroll1"};
    plat::DatePicker DT1{*this, "DT1"};
    plat::CommandButton Command1{*this, "Command1"};
    plat::FileList File1{*this, "File1"};
};

class RuntimeTest : public ::testing::Test {
protected:
    RuntimeTest() {
        plat::Services s;
        auto m = std::make_unique<plat::ScriptedMessages>();
        messaggi = m.get();
        s.messages = std::move(m);
        s.clock = std::make_unique<plat::FixedClock>(*plat::Date::from_dmy(9, 12, 2026));
        s.user = std::make_unique<plat::FixedUser>("mario");
        rt = std::make_unique<plat::Runtime>(std::move(s));
        for (const char* n : {"A", "B", "C"})
            rt->register_form(
                n, [this, n](plat::Runtime& r) { return std::make_unique<Prova>(r, n, reg); });
    }
    Prova& f(const char* n) { return static_cast<Prova&>(*rt->form(n)); }

    Registro reg;
    plat::ScriptedMessages* messaggi = nullptr;
    std::unique_ptr<plat::Runtime> rt;
};

TEST_F(RuntimeTest, TouchingAControlLoadsTheFormHiddenWithoutActivatingIt) {
    Prova& a = f("A");
    EXPECT_FALSE(a.is_loaded());
    EXPECT_TRUE(reg.eventi.empty()) << "creating a form does not load it";
    EXPECT_EQ(a.Text1.text(), "iniziale");
    EXPECT_TRUE(a.is_loaded());
    EXPECT_FALSE(a.is_visible());
    EXPECT_EQ(reg.eventi, (std::vector<std::string>{"A_Load"}));
    EXPECT_EQ(rt->active_form(), nullptr);
}

TEST_F(RuntimeTest, LoadsThatTouchEachOtherEnd) {
    f("A").al_caricamento = [&] { f("B").Text1.set_text("da A"); };
    f("B").al_caricamento = [&] { f("A").Text1.set_text("da B"); };
    f("A").load();
    EXPECT_EQ(reg.eventi,
              (std::vector<std::string>{"A_Load", "B_Load", "Text1_Change", "Text1_Change"}));
    EXPECT_EQ(f("A").Text1.text(), "da B");
    EXPECT_EQ(f("B").Text1.text(), "da A");
}

TEST_F(RuntimeTest, ProgramChangesRunTheirEventsOnlyWhenTheValueChanges) {
    Prova& a = f("A");
    a.load();
    reg.eventi.clear();
    a.Text1.set_text("iniziale");  // same text: nothing
    a.Text1.set_text("nuovo");
    a.Check1.set_value(1);  // runs its click, which ticks Check2 (nested)
    a.Check1.set_value(1);  // unchanged: nothing
    a.Check2.set_value(1);  // already ticked by the nested click: nothing
    a.DT1.set_date(*plat::Date::from_dmy(1, 7, 2026));  // a date runs nothing
    EXPECT_EQ(reg.eventi,
              (std::vector<std::string>{"Text1_Change", "Check1_Click", "Check2_Click"}));
}

TEST_F(RuntimeTest, OptionButtonsAreExclusiveWithinTheirContainer) {
    Prova& a = f("A");
    a.load();
    a.Option3.set_value(1);  // in the frame
    a.Option1.set_value(1);  // on the form
    a.Option2.set_value(1);
    EXPECT_EQ(a.Option1.value(), 0);
    EXPECT_EQ(a.Option2.value(), 1);
    EXPECT_EQ(a.Option3.value(), 1) << "another container is not affected";
    reg.eventi.clear();
    a.Option2.set_value(1);
    EXPECT_TRUE(reg.eventi.empty());
    rt->click(a.Option1);
    EXPECT_EQ(reg.eventi, (std::vector<std::string>{"Option1_Click"}));
    EXPECT_EQ(a.Option2.value(), 0);
}

TEST_F(RuntimeTest, ListsScrollBarsAndDatesFollowTheirRules) {
    Prova& a = f("A");
    a.load();
    a.List1.add_item("uno");
    a.List1.add_item("due");
    reg.eventi.clear();
    a.List1.set_list_index(1);
    a.List1.set_list_index(5);  // no such line: refused
    EXPECT_EQ(a.List1.list_index(), 1);
    EXPECT_EQ(a.List1.text(), "due");
    a.HScroll1.set_value(99);  // clamped to the maximum
    EXPECT_EQ(a.HScroll1.value(), 10);
    a.HScroll1.set_value(10);  // unchanged
    rt->pick_date(a.DT1, *plat::Date::from_dmy(2, 7, 2026));
    EXPECT_EQ(reg.eventi,
              (std::vector<std::string>{"List1_Click 1", "HScroll1_Change 10", "DT1_Change"}));
    // Each line keeps its record beside its text, also when lines go.
    a.List1.add_item("due", 1000);
    a.List1.remove_item(0);
    EXPECT_EQ(a.List1.item_data(0), 0);
    EXPECT_EQ(a.List1.item_data(1), 1000);
    EXPECT_EQ(a.List1.item_data(7), 0);
    a.List1.clear();
    EXPECT_EQ(a.List1.list_index(), -1);

    // A combo box's text names its chosen line, or none.
    plat::ComboBox& combo = *static_cast<plat::ComboBox*>(a.control("Combo1"));
    combo.add_item("ROMA");
    combo.add_item("MILANO");
    combo.set_list_index(1);
    combo.set_text("");
    EXPECT_EQ(combo.list_index(), -1);
    combo.set_text("ROMA");
    EXPECT_EQ(combo.list_index(), 0);
    EXPECT_EQ(a.List1.list_count(), 0);
}

TEST_F(RuntimeTest, UserEventsArriveInTheOrderAPersonCausesThem) {
    Prova& a = f("A");
    a.show();
    reg.eventi.clear();
    rt->type(a.Text1, "abc");
    rt->leave(a.Text1);
    rt->double_click(a.Text1);
    rt->click(a.Check1);
    EXPECT_EQ(reg.eventi, (std::vector<std::string>{
                              "Text1_Change", "Text1_Validate", "Text1_LostFocus", "Text1_Click",
                              "Text1_DblClick", "Check1_Click", "Check2_Click"}));
    a.Text1.set_enabled(false);
    reg.eventi.clear();
    rt->type(a.Text1, "xyz");
    EXPECT_EQ(a.Text1.text(), "abc") << "a disabled box takes no typing";
    EXPECT_TRUE(reg.eventi.empty());
}

TEST_F(RuntimeTest, ActivationFollowsShowHideDisableAndEnable) {
    Prova& a = f("A");
    Prova& b = f("B");
    a.show();
    b.show();
    a.show();  // already visible, not active: becomes active again
    a.show();  // already active: nothing
    EXPECT_EQ(reg.eventi, (std::vector<std::string>{"A_Load", "A_Activate", "B_Load", "B_Activate",
                                                    "A_Activate"}));
    reg.eventi.clear();
    a.set_enabled(false);  // the active form disabled: the previous one takes over
    EXPECT_EQ(rt->active_form(), &b);
    b.hide();  // nothing left that can be active
    EXPECT_EQ(rt->active_form(), nullptr);
    a.set_enabled(true);  // a visible form enabled with none active becomes active
    EXPECT_EQ(reg.eventi, (std::vector<std::string>{"B_Activate", "A_Activate"}));
    reg.eventi.clear();
    messaggi->answer(Answer::Ok);
    rt->msgbox("CIAO");
    EXPECT_TRUE(reg.eventi.empty()) << "closing a message box runs no activation";
}

TEST_F(RuntimeTest, UnloadRunsItsHandlerAndPutsTheDesignBack) {
    Prova& a = f("A");
    Prova& b = f("B");
    b.show();
    a.show();
    a.Text1.set_text("cambiato");
    a.set_caption("altro");
    reg.eventi.clear();
    a.unload();  // the active form goes: the one before it takes over
    EXPECT_FALSE(a.is_loaded());
    EXPECT_EQ(rt->active_form(), &b);
    EXPECT_EQ(a.Text1.text(), "iniziale") << "the touch reloads the form with its design values";
    EXPECT_EQ(a.caption(), "");
    EXPECT_EQ(reg.eventi, (std::vector<std::string>{"A_Unload", "B_Activate", "A_Load"}));

    a.set_enabled(false);
    a.unload();
    a.load();
    EXPECT_TRUE(a.is_enabled()) << "a form comes back enabled after an unload";
}

TEST_F(RuntimeTest, ComposedNamesIgnoreCaseAndAMissingNameYieldsNothing) {
    Prova& a = f("A");
    EXPECT_EQ(a.control("TEXT1"), &a.Text1);
    EXPECT_EQ(a.control("text" + std::to_string(1)), &a.Text1);
    EXPECT_EQ(a.control("Text99"), nullptr);
    EXPECT_EQ(rt->form("nessuna"), nullptr);
    EXPECT_EQ(rt->form("a"), &a);
    EXPECT_THROW(rt->field("A", "Text99"), std::logic_error);
}

TEST_F(RuntimeTest, EndingTheProgramLeavesTheHandlerAtOnce) {
    Prova& a = f("A");
    a.show();
    bool dopo = false;
    a.azione = [&] {
        rt->end_program();
        dopo = true;
    };
    rt->click(a.Command1);
    EXPECT_FALSE(dopo);
    EXPECT_TRUE(rt->ended());
    reg.eventi.clear();
    rt->click(a.Command1);
    EXPECT_TRUE(reg.eventi.empty()) << "no event is handled after the end";
}

TEST_F(RuntimeTest, AFaultInAHandlerIsReportedAndTheProgramGoesOn) {
    Prova& a = f("A");
    a.show();
    a.azione = [&] { throw std::runtime_error("guasto"); };
    rt->click(a.Command1);
    ASSERT_EQ(messaggi->shown().size(), 1u);
    EXPECT_NE(messaggi->shown()[0].text.find("guasto"), std::string::npos);
    EXPECT_FALSE(rt->ended());
    a.azione = nullptr;
    reg.eventi.clear();
    rt->click(a.Command1);
    EXPECT_EQ(reg.eventi, (std::vector<std::string>{"Command1_Click"}));
}

TEST_F(RuntimeTest, MessageBoxesCarryTheApplicationTitleAndTheScriptedAnswers) {
    messaggi->answer(Answer::No);
    EXPECT_EQ(rt->msgbox("SALVO?", Buttons::YesNo, "SALVA"), Answer::No);
    EXPECT_EQ(rt->msgbox("FATTO"), Answer::Ok);
    ASSERT_EQ(messaggi->shown().size(), 2u);
    EXPECT_EQ(messaggi->shown()[0].title, "SALVA");
    EXPECT_EQ(messaggi->shown()[1].title, rt->title);
}

TEST_F(RuntimeTest, FileListsMatchTheirPatternWithoutRegardToCase) {
    const auto dir = std::filesystem::temp_directory_path() / "runtime_file_list";
    std::filesystem::create_directories(dir);
    for (const char* n : {"saldi2026.DAT", "clienti.dat", "periodi2026.ind", "note.txt"})
        std::ofstream(dir / n) << "x";
    Prova& a = f("A");
    a.File1.set_pattern("*.dat");
    a.File1.set_path(dir.string());
    EXPECT_EQ(a.File1.state().items, (std::vector<std::string>{"clienti.dat", "saldi2026.DAT"}));
    a.File1.set_pattern("*2026.???");
    EXPECT_EQ(a.File1.state().items,
              (std::vector<std::string>{"periodi2026.ind", "saldi2026.DAT"}));
    std::filesystem::remove_all(dir);
}

}  // namespace
