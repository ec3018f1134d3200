// The windows layer against a form with one control of every kind: the
// widgets follow the runtime, and the user's actions reach the form's
// handlers once each, in the order the program expects.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "finestre.h"
#include "gui/desktop.h"
#include "gui/layout.h"
#include "gui/widgets.h"
#include "platform/control.h"
#include "platform/form.h"
#include "platform/runtime.h"
#include "platform/scripted.h"
#include "qt_app.h"

namespace {

namespace fs = std::filesystem;
using Log = std::vector<std::string>;
using gui_test::clic;
using gui_test::doppio_clic;

class Prova : public plat::Form {
public:
    explicit Prova(plat::Runtime& rt, std::string name = "PROVA")
        : plat::Form(rt, std::move(name)) {
        design("PROVA FINESTRA", 9000, 6000);
        text1.place(150, 150, 1500, 300);
        text1.on_change = [this] { log.push_back("Text1_Change"); };
        text1.on_validate = [this] { log.push_back("Text1_Validate"); };
        text1.on_lost_focus = [this] { log.push_back("Text1_LostFocus"); };
        text1.on_got_focus = [this] { log.push_back("Text1_GotFocus"); };
        text1.on_click = [this] { log.push_back("Text1_Click"); };
        text1.on_dbl_click = [this] { log.push_back("Text1_DblClick"); };
        text1.on_key_press = [this](int& key) {
            log.push_back("Text1_KeyPress");
            if (key >= '0' && key <= '9') key = 0;  // no digits
            else if (key >= 'a' && key <= 'z')
                key -= 32;  // upper case
            else if (key >= 0xE0 && key <= 0xFE && key != 0xF7)
                key -= 32;  // accented too
        };
        memo.place(150, 600, 1500, 900);
        memo.design().multiline = true;
        memo.on_change = [this] { log.push_back("Memo_Change"); };
        label1.place(150, 1650, 1500, 300);
        label1.design().text = "ETICHETTA";
        label1.on_click = [this] { log.push_back("Label1_Click"); };
        label1.on_dbl_click = [this] { log.push_back("Label1_DblClick"); };
        ok.place(150, 2100, 1200, 450);
        ok.design().text = "OK";
        ok.on_click = [this] { log.push_back("OK_Click"); };
        check1.place(150, 2700, 1500, 300);
        check1.design().text = "SCELTA";
        check1.on_click = [this] { log.push_back("Check1_Click"); };
        frame1.place(3000, 150, 3000, 1500);
        frame1.design().text = "OPZIONI";
        option1.place(150, 300, 1500, 300).in(frame1);
        option1.on_click = [this] { log.push_back("Option1_Click"); };
        option2.place(150, 750, 1500, 300).in(frame1);
        option2.on_click = [this] { log.push_back("Option2_Click"); };
        list1.place(3000, 1800, 3000, 1200);
        list1.design().items = {"UNO", "DUE", "TRE"};
        list1.on_click = [this] { log.push_back("List1_Click"); };
        list1.on_dbl_click = [this] { log.push_back("List1_DblClick"); };
        combo1.place(3000, 3150, 3000, 315);
        combo1.design().items = {"ROMA", "MILANO"};
        combo1.on_change = [this] { log.push_back("Combo1_Change"); };
        combo1.on_click = [this] { log.push_back("Combo1_Click"); };
        image1.place(6300, 150, 600, 600);
        line1.design().x1 = 150;
        line1.design().y1 = 3600;
        line1.design().x2 = 1650;
        line1.design().y2 = 3300;
        scroll1.place(150, 3900, 3000, 255);
        scroll1.design().min = 0;
        scroll1.design().max = 10;
        scroll1.on_scroll = [this] { log.push_back("Scroll1_Scroll"); };
        timer1.design().enabled = false;
        timer1.design().interval = 20;
        timer1.on_timer = [this] { ++ticks; };
        date1.place(3000, 3600, 1800, 315);
        date1.on_change = [this] { log.push_back("Date1_Change"); };
        drive1.place(6300, 900, 2400, 315);
        dir1.place(6300, 1350, 2400, 1200);
        file1.place(6300, 2700, 2400, 1200);
        file1.on_click = [this] { log.push_back("File1_Click"); };
    }

    void Form_Activate() override { log.push_back(name() + "_Activate"); }
    void close_requested() override {
        log.push_back("close_requested");
        if (may_close) unload();
    }

    Log log;
    int ticks = 0;
    bool may_close = true;

    plat::TextBox text1{*this, "Text1"};
    plat::TextBox memo{*this, "Memo"};
    plat::Label label1{*this, "Label1"};
    plat::CommandButton ok{*this, "OK"};
    plat::CheckBox check1{*this, "Check1"};
    plat::Frame frame1{*this, "Frame1"};
    plat::OptionButton option1{*this, "Option1"};
    plat::OptionButton option2{*this, "Option2"};
    plat::ListBox list1{*this, "List1"};
    plat::ComboBox combo1{*this, "Combo1"};
    plat::Image image1{*this, "Image1"};
    plat::Line line1{*this, "Line1"};
    plat::HScrollBar scroll1{*this, "Scroll1"};
    plat::Timer timer1{*this, "Timer1"};
    plat::DatePicker date1{*this, "Date1"};
    plat::DriveList drive1{*this, "Drive1"};
    plat::DirList dir1{*this, "Dir1"};
    plat::FileList file1{*this, "File1"};
};

class DesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        gui_test::qt_app();
        plat::Services s;
        auto m = std::make_unique<plat::ScriptedMessages>();
        messages = m.get();
        s.messages = std::move(m);
        s.clock = std::make_unique<plat::FixedClock>(*plat::Date::from_dmy(15, 6, 2024));
        s.user = std::make_unique<plat::FixedUser>("prova");
        rt = std::make_unique<plat::Runtime>(std::move(s));
        rt->register_form("PROVA", [](plat::Runtime& r) { return std::make_unique<Prova>(r); });
        rt->register_form("ALTRA",
                          [](plat::Runtime& r) { return std::make_unique<Prova>(r, "ALTRA"); });
        desk = std::make_unique<gui::Desktop>(*rt);
    }
    void TearDown() override {
        desk.reset();
        rt.reset();
    }

    Prova& form(const char* name = "PROVA") { return static_cast<Prova&>(*rt->form(name)); }
    void act(const std::function<void()>& action) {
        rt->run(action);
        QCoreApplication::processEvents();
    }
    // Shows the form and waits until its window is the active one, as after
    // a real start: focus events need an active window. The focus is then
    // put on a control without handlers, so that only what a test does is
    // in the log.
    QWidget* show_active(const char* name = "PROVA") {
        act([&] { form(name).show(); });
        QWidget* w = desk->window(form(name));
        if (w) {
            w->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(w));
            desk->widget(form(name).drive1)->setFocus();
        }
        form(name).log.clear();
        return w;
    }
    template <class W>
    W* widget(plat::Control& c) {
        return dynamic_cast<W*>(desk->widget(c));
    }

    plat::ScriptedMessages* messages = nullptr;
    std::unique_ptr<plat::Runtime> rt;
    std::unique_ptr<gui::Desktop> desk;
};

// --- windows follow the forms -------------------------------------------------

TEST_F(DesktopTest, WindowsExistOnlyForShownFormsAtTheirTwipsSize) {
    act([&] { form().load(); });
    EXPECT_EQ(desk->window(form()), nullptr);  // loaded hidden: no window yet
    EXPECT_EQ(desk->widget(form().text1), nullptr);

    act([&] { form().show(); });
    QWidget* w = desk->window(form());
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), "PROVA FINESTRA");
    EXPECT_EQ(w->size(), QSize(600, 400));
    EXPECT_EQ(desk->window(*rt->form("ALTRA")), nullptr);

    act([&] { form().set_caption("NUOVO TITOLO"); });
    EXPECT_EQ(w->windowTitle(), "NUOVO TITOLO");
}

// Where a window goes in the room a screen leaves to windows (a screen of
// 1366x768 at a scale of 1.5 leaves about 910x480).
struct Posto {
    const char* nome;
    QSize finestra;
    QRect spazio;
    std::optional<QPoint> chiesto;
    QPoint atteso;
};

class PostoFinestra : public ::testing::TestWithParam<Posto> {};

TEST_P(PostoFinestra, AWindowIsPlacedInsideTheRoomOfTheScreen) {
    const Posto& p = GetParam();
    EXPECT_EQ(gui::window_position(p.finestra, p.spazio, p.chiesto), p.atteso);
}

INSTANTIATE_TEST_SUITE_P(
    Finestre, PostoFinestra,
    ::testing::Values(
        Posto{"Centrata", {400, 200}, {0, 0, 910, 480}, std::nullopt, {255, 140}},
        Posto{"RiportataDentro", {400, 200}, {0, 30, 910, 450}, QPoint(-172, 10), {0, 30}},
        Posto{"OltreIlLatoLontano", {400, 200}, {0, 0, 910, 480}, QPoint(800, 400), {510, 280}},
        Posto{"PiuGrandeDelloSpazio", {1143, 600}, {0, 30, 910, 450}, std::nullopt, {0, 30}},
        Posto{"ComeChiesto", {400, 200}, {0, 0, 910, 480}, QPoint(100, 50), {100, 50}}),
    [](const auto& info) { return std::string(info.param.nome); });

// Tab reads a table of boxes row by row, even where its columns stand
// further apart than its rows; a column beside a list as tall as several
// rows is read after the list; a button just right of a box follows it.
TEST(OrdineTab, RowsBeforeColumnsAndABoxsOwnButtonAfterIt) {
    auto box = [](int x, int y, int w, int h) { return gui::Piece{QRect(x, y, w, h), -1, true}; };
    // Two rows of four boxes 26 high, 31 apart; the columns 8 apart.
    std::vector<gui::Piece> griglia;
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 4; ++c) griglia.push_back(box(c * 104, r * 31, 96, 26));
    EXPECT_EQ(gui::tab_order(griglia), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));

    // A list as tall as three rows, three boxes beside it, a box below both.
    const std::vector<gui::Piece> lista = {box(0, 0, 100, 90), box(110, 0, 60, 25),
                                           box(110, 32, 60, 25), box(110, 64, 60, 25),
                                           box(0, 100, 60, 25)};
    EXPECT_EQ(gui::tab_order(lista), (std::vector<int>{0, 1, 2, 3, 4}));

    // A column of buttons on the left, the year box and its OK on the right
    // of the last one: the boxes first, the OK right after its box.
    std::vector<gui::Piece> utilita = {box(0, 0, 40, 32), box(0, 46, 40, 32), box(274, 50, 70, 24),
                                       box(352, 48, 56, 28)};
    for (int i : {0, 1, 3}) utilita[static_cast<std::size_t>(i)].button = true;
    EXPECT_EQ(gui::tab_order(utilita), (std::vector<int>{2, 3, 0, 1}));
}

// A form larger than the screen: its window fits the room and its page
// scrolls, so that every control can be reached.
TEST_F(DesktopTest, AFormLargerThanTheScreenScrollsInAWindowInsideIt) {
    act([&] {
        form().set_width(40000);
        form().set_height(30000);
        form().set_left(-3000);
        form().show();
    });
    QWidget* w = desk->window(form());
    const QRect spazio = w->screen()->availableGeometry();
    EXPECT_TRUE(spazio.contains(w->frameGeometry())) << "the window lies inside the screen";
    auto* area = qobject_cast<QScrollArea*>(w);
    ASSERT_NE(area, nullptr);
    EXPECT_GT(area->horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(area->verticalScrollBar()->maximum(), 0);
    QWidget* lontano = desk->widget(form().list1);
    act([&] {
        form().list1.set_left(38000);
        form().list1.set_top(28000);
    });
    area->ensureWidgetVisible(lontano);
    EXPECT_TRUE(area->viewport()->rect().intersects(
        QRect(lontano->mapTo(area->viewport(), QPoint(0, 0)), lontano->size())));
}

TEST_F(DesktopTest, ControlsSitAtTheirTwipsGeometryAndFramesHoldTheirControls) {
    act([&] { form().show(); });
    auto* text = widget<QLineEdit>(form().text1);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->geometry(), QRect(10, 10, 100, 20));
    auto* frame = widget<QGroupBox>(form().frame1);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->title(), "OPZIONI");
    auto* option = widget<QRadioButton>(form().option2);
    ASSERT_NE(option, nullptr);
    EXPECT_EQ(option->parentWidget(), frame);
    EXPECT_EQ(option->geometry(), QRect(10, 50, 100, 20));
    EXPECT_NE(widget<QPlainTextEdit>(form().memo), nullptr);
    EXPECT_EQ(widget<QLabel>(form().label1)->text(), "ETICHETTA");

    auto* line = widget<gui::LineWidget>(form().line1);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->geometry(), QRect(10, 220, 101, 21));
    EXPECT_EQ(line->from(), QPoint(0, 20));
    EXPECT_EQ(line->to(), QPoint(100, 0));

    act([&] {
        form().text1.set_left(300);
        form().text1.set_visible(false);
        form().ok.set_enabled(false);
    });
    EXPECT_EQ(text->x(), 20);
    EXPECT_TRUE(text->isHidden());
    EXPECT_FALSE(desk->widget(form().ok)->isEnabled());
}

TEST_F(DesktopTest, DisabledHiddenAndUnloadedFormsAndTheCloseButton) {
    QWidget* w = show_active();
    act([&] { form().set_enabled(false); });
    EXPECT_FALSE(w->isEnabled());
    act([&] { form().set_enabled(true); });
    EXPECT_TRUE(w->isEnabled());

    act([&] { form().hide(); });
    EXPECT_FALSE(w->isVisible());
    act([&] { form().show(); });
    EXPECT_TRUE(w->isVisible());

    // The close button asks the form; a form that refuses stays.
    form().log.clear();
    form().may_close = false;
    EXPECT_FALSE(w->close());
    EXPECT_EQ(form().log, Log{"close_requested"});
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(form().is_loaded());

    QSignalSpy finished(desk.get(), &gui::Desktop::finished);
    form().may_close = true;
    w->close();
    EXPECT_FALSE(form().is_loaded());
    EXPECT_FALSE(w->isVisible());
    // No form loaded any more: the event loop may stop.
    QCoreApplication::processEvents();
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(DesktopTest, UnloadPutsTheWidgetsBackToTheDesign) {
    act([&] {
        form().show();
        form().text1.set_text("SCRITTO");
    });
    EXPECT_EQ(widget<QLineEdit>(form().text1)->text(), "SCRITTO");
    act([&] { form().unload(); });
    act([&] { form().show(); });
    EXPECT_EQ(widget<QLineEdit>(form().text1)->text(), "");
}

// --- text boxes ------------------------------------------------------------------

TEST_F(DesktopTest, ProgramTextReachesTheBoxWithoutComingBackAsAnEdit) {
    act([&] { form().show(); });
    form().log.clear();
    act([&] { form().text1.set_text("ROMA"); });
    EXPECT_EQ(widget<QLineEdit>(form().text1)->text(), "ROMA");
    EXPECT_EQ(form().log, Log{"Text1_Change"});

    act([&] { form().memo.set_text("RIGA 1\r\nRIGA 2\rRIGA 3"); });
    EXPECT_EQ(widget<QPlainTextEdit>(form().memo)->toPlainText(), "RIGA 1\nRIGA 2\nRIGA 3");
    EXPECT_EQ(form().log, (Log{"Text1_Change", "Memo_Change"}));
}

TEST_F(DesktopTest, TypingRunsChangeOncePerKeyAndTheKeyHandlerCanChangeOrDropKeys) {
    show_active();
    auto* text = widget<QLineEdit>(form().text1);
    text->setFocus();
    form().log.clear();
    QTest::keyClicks(text, "a1b");
    EXPECT_EQ(form().text1.state().text, "AB");
    EXPECT_EQ(text->text(), "AB");
    EXPECT_EQ(form().log, (Log{"Text1_KeyPress", "Text1_Change", "Text1_KeyPress", "Text1_KeyPress",
                               "Text1_Change"}));

    // An accented letter reaches the handler as its Latin-1 code.
    QTest::sendKeyEvent(QTest::Click, text, Qt::Key_unknown, QStringLiteral("è"), Qt::NoModifier);
    EXPECT_EQ(form().text1.state().text, "ABÈ");

    // A program change while the user types keeps the cursor where it was.
    text->setCursorPosition(1);
    act([&] { form().text1.set_text("XBÈ"); });
    EXPECT_EQ(text->text(), "XBÈ");
    EXPECT_EQ(text->cursorPosition(), 1);
}

TEST_F(DesktopTest, MaximumLengthHoldsForTheUserNotForTheProgram) {
    form().text1.design().max_length = 3;
    show_active();
    auto* text = widget<QLineEdit>(form().text1);
    text->setFocus();
    QTest::keyClicks(text, "abcd");
    EXPECT_EQ(form().text1.state().text, "ABC");
    act([&] { form().text1.set_text("LUNGHISSIMO"); });
    EXPECT_EQ(text->text(), "LUNGHISSIMO");
}

TEST_F(DesktopTest, TypingInAMultiLineBoxGivesTheProgramItsLineBreaks) {
    show_active();
    auto* memo = widget<QPlainTextEdit>(form().memo);
    memo->setFocus();
    QTest::keyClicks(memo, "A");
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, "B");
    EXPECT_EQ(form().memo.state().text, "A\r\nB");
}

TEST_F(DesktopTest, LeavingABoxForAButtonRunsValidateAndLostFocusBeforeTheClick) {
    show_active();
    auto* text = widget<QLineEdit>(form().text1);
    QTest::mouseClick(text, Qt::LeftButton);
    ASSERT_TRUE(text->hasFocus());
    EXPECT_EQ(form().log, (Log{"Text1_GotFocus", "Text1_Click"}));
    form().log.clear();

    QTest::mouseClick(desk->widget(form().ok), Qt::LeftButton);
    EXPECT_EQ(form().log, (Log{"Text1_Validate", "Text1_LostFocus", "OK_Click"}));
}

TEST_F(DesktopTest, AnotherWindowTakingTheFocusIsNotLeavingTheBox) {
    show_active();
    auto* text = widget<QLineEdit>(form().text1);
    text->setFocus();
    QCoreApplication::processEvents();
    form().log.clear();

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(form().log, Log{});
}

TEST_F(DesktopTest, TheProgramMovingTheFocusRunsNoFocusHandlers) {
    show_active();
    widget<QLineEdit>(form().text1)->setFocus();
    QCoreApplication::processEvents();
    form().log.clear();
    act([&] { form().combo1.set_focus(); });
    EXPECT_TRUE(desk->widget(form().combo1)->hasFocus());
    EXPECT_EQ(rt->focus_request(), nullptr);
    EXPECT_EQ(form().log, Log{});
}

// --- buttons ------------------------------------------------------------------------

TEST_F(DesktopTest, ACheckBoxClickTogglesItOnce) {
    show_active();
    auto* check = widget<QCheckBox>(form().check1);
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_EQ(form().check1.state().value, 1);
    EXPECT_TRUE(check->isChecked());
    EXPECT_EQ(form().log, Log{"Check1_Click"});
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_EQ(form().check1.state().value, 0);
    EXPECT_FALSE(check->isChecked());
}

TEST_F(DesktopTest, TheFocusMovingWhileAButtonIsHeldDoesNotSwallowItsClick) {
    // The click leaves a box, or activates a form, whose handlers put the
    // focus elsewhere before the button is released.
    QWidget* w = show_active();
    for (plat::Control* c :
         std::vector<plat::Control*>{&form().check1, &form().option1, &form().ok}) {
        QWidget* button = desk->widget(*c);
        const QPoint at = button->mapTo(w, button->rect().center());
        QTest::mousePress(w->windowHandle(), Qt::LeftButton, {}, at);
        act([&] { form().text1.set_focus(); });
        ASSERT_FALSE(button->hasFocus());
        QTest::mouseRelease(w->windowHandle(), Qt::LeftButton, {}, at);
    }
    EXPECT_EQ(form().log, (Log{"Check1_Click", "Text1_Validate", "Text1_LostFocus", "Option1_Click",
                               "Text1_Validate", "Text1_LostFocus", "OK_Click"}));
    EXPECT_EQ(form().check1.state().value, 1);
}

TEST_F(DesktopTest, OptionButtonsStayExclusive) {
    show_active();
    auto* one = widget<QRadioButton>(form().option1);
    auto* two = widget<QRadioButton>(form().option2);
    QTest::mouseClick(one, Qt::LeftButton);
    QTest::mouseClick(two, Qt::LeftButton);
    EXPECT_FALSE(one->isChecked());
    EXPECT_TRUE(two->isChecked());
    EXPECT_EQ(form().option1.state().value, 0);
    EXPECT_EQ(form().option2.state().value, 1);
    QTest::mouseClick(two, Qt::LeftButton);  // already chosen: nothing runs
    EXPECT_EQ(form().log, (Log{"Option1_Click", "Option2_Click"}));
}

TEST_F(DesktopTest, LabelClickAndDoubleClick) {
    show_active();
    QWidget* label = desk->widget(form().label1);
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(form().log, Log{"Label1_Click"});
    form().log.clear();
    // A double click: the first click, then the double click whose release
    // is no further click.
    QTest::mouseClick(label, Qt::LeftButton);
    QTest::mouseDClick(label, Qt::LeftButton);
    QTest::mouseRelease(label, Qt::LeftButton);
    EXPECT_EQ(form().log, (Log{"Label1_Click", "Label1_DblClick"}));
}

// --- lists ------------------------------------------------------------------------------

TEST_F(DesktopTest, AListClickPicksTheRowAndADoubleClickFollowsIt) {
    show_active();
    auto* list = widget<gui::ProgramList>(form().list1);
    ASSERT_EQ(list->count(), 3);
    const QPoint row1 = list->visualItemRect(1).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row1);
    EXPECT_EQ(form().list1.state().list_index, 1);
    EXPECT_EQ(form().log, Log{"List1_Click"});
    form().log.clear();

    const QPoint row2 = list->visualItemRect(2).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row2);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row2);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, row2);
    EXPECT_EQ(form().list1.state().list_index, 2);
    EXPECT_EQ(form().log, (Log{"List1_Click", "List1_DblClick"}));

    act([&] {
        form().list1.add_item("QUATTRO");
        form().list1.set_list_index(3);
    });
    EXPECT_EQ(list->count(), 4);
    EXPECT_EQ(list->currentRow(), 3);
}

TEST_F(DesktopTest, AListThatGetsTheFocusPicksNothingUntilTheKeysDo) {
    show_active();
    auto* list = widget<gui::ProgramList>(form().list1);
    list->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(list->hasFocus());
    EXPECT_EQ(form().list1.state().list_index, -1);
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_EQ(form().log, Log{});

    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(form().list1.state().list_index, 0);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(form().list1.state().list_index, 1);
    EXPECT_EQ(form().log, (Log{"List1_Click", "List1_Click"}));

    // Coming back to a list with a chosen line keeps that line.
    desk->widget(form().drive1)->setFocus(Qt::TabFocusReason);
    list->setFocus(Qt::BacktabFocusReason);
    EXPECT_EQ(form().list1.state().list_index, 1);
    EXPECT_EQ(form().log.size(), 2u);
}

TEST_F(DesktopTest, ClickingTheChosenLineAgainPicksItAgain) {
    show_active();
    auto* list = widget<gui::ProgramList>(form().list1);
    const QPoint row1 = list->visualItemRect(1).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row1);
    EXPECT_EQ(form().list1.state().list_index, 1);
    EXPECT_EQ(form().log, (Log{"List1_Click", "List1_Click"}));
}

TEST_F(DesktopTest, ADoubleClickIsOneClickThenTheDoubleClick) {
    // As on the desktop: MouseDown, MouseUp, Click, DblClick, MouseUp; the
    // release that ends the double-click is no second click.
    form().text1.on_mouse_down = [this] { form().log.push_back("Text1_MouseDown"); };
    form().text1.on_mouse_up = [this] { form().log.push_back("Text1_MouseUp"); };
    form().option1.on_dbl_click = [this] { form().log.push_back("Option1_DblClick"); };
    form().image1.on_click = [this] { form().log.push_back("Image1_Click"); };
    form().image1.on_dbl_click = [this] { form().log.push_back("Image1_DblClick"); };
    show_active();
    doppio_clic(desk->widget(form().text1));
    EXPECT_EQ(form().log, (Log{"Text1_GotFocus", "Text1_MouseDown", "Text1_MouseUp", "Text1_Click",
                               "Text1_DblClick", "Text1_MouseUp"}));
    form().log.clear();
    for (plat::Control* c :
         std::vector<plat::Control*>{&form().option1, &form().label1, &form().image1})
        doppio_clic(desk->widget(*c));
    EXPECT_EQ(form().log,
              (Log{"Text1_Validate", "Text1_LostFocus", "Option1_Click", "Option1_DblClick",
                   "Label1_Click", "Label1_DblClick", "Image1_Click", "Image1_DblClick"}));
    // A single click after it is a click again.
    form().log.clear();
    clic(desk->widget(form().text1));
    EXPECT_EQ(form().log.back(), "Text1_Click");
}

TEST_F(DesktopTest, ComboTypingAndChoosing) {
    show_active();
    auto* combo = widget<QComboBox>(form().combo1);
    ASSERT_EQ(combo->count(), 2);
    combo->setFocus();
    QTest::keyClicks(combo, "NA");
    EXPECT_EQ(form().combo1.state().text, "NA");
    EXPECT_EQ(combo->count(), 2);  // what is typed is not added to the list

    form().log.clear();
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    EXPECT_EQ(form().combo1.state().list_index, 1);
    EXPECT_EQ(form().combo1.state().text, "MILANO");
    EXPECT_EQ(combo->currentText(), "MILANO");
    EXPECT_EQ(form().log, Log{"Combo1_Click"});
}

TEST_F(DesktopTest, FolderListsShowSubfoldersAndADoubleClickOpensOne) {
    const fs::path root =
        fs::temp_directory_path() / ("gui_dir_test_" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "alfa" / "interna");
    fs::create_directories(root / "beta");
    { std::ofstream(root / "uno.txt") << "x"; }
    show_active();
    act([&] {
        form().dir1.set_path(root.string());
        form().file1.set_path(root.string());
    });
    auto* dirs = widget<gui::ProgramList>(form().dir1);
    // The folders leading to the path, then its subfolders one step further in.
    const int depth = static_cast<int>(std::distance(root.begin(), root.end()));
    ASSERT_EQ(dirs->count(), depth + 2);
    EXPECT_EQ(dirs->text(0), "[/]");
    EXPECT_EQ(dirs->text(depth - 1).trimmed(),
              QString::fromStdString("[" + root.filename().string() + "]"));
    EXPECT_EQ(dirs->text(depth).trimmed(), "alfa");
    auto* files = widget<gui::ProgramList>(form().file1);
    ASSERT_EQ(files->count(), 1);
    EXPECT_EQ(files->text(0), "uno.txt");

    emit dirs->doubleClicked(dirs->model()->index(depth, 0));
    EXPECT_EQ(fs::path(form().dir1.state().path), root / "alfa");
    ASSERT_EQ(dirs->count(), depth + 2);
    EXPECT_EQ(dirs->text(depth + 1).trimmed(), "interna");
    emit dirs->doubleClicked(dirs->model()->index(depth - 1, 0));  // back up to the root folder
    EXPECT_EQ(fs::path(form().dir1.state().path), root);

    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(0).center());
    EXPECT_EQ(form().file1.state().list_index, 0);
    EXPECT_EQ(form().log, Log{"File1_Click"});
    fs::remove_all(root);
}

// --- other controls ------------------------------------------------------------------

TEST_F(DesktopTest, DatePickerShowsTheDateAndPassesTheUsersChoice) {
    form().date1.on_lost_focus = [this] { form().log.push_back("Date1_LostFocus"); };
    show_active();
    auto* date = widget<gui::DateBox>(form().date1);
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(date->text(), "");  // no date: blank

    act([&] { form().date1.set_date(*plat::Date::from_dmy(3, 2, 2025)); });
    EXPECT_EQ(date->text(), "03/02/2025");
    EXPECT_EQ(form().log, Log{});  // the program's date runs nothing

    // The calendar: opened, moved a day on and chosen with the keys.
    date->showCalendar();
    QCalendarWidget* calendar = date->calendarWidget();
    ASSERT_TRUE(calendar->isVisible());
    ASSERT_EQ(QApplication::focusWidget(), calendar->focusProxy());
    QTest::keyClick(calendar->focusProxy(), Qt::Key_Right);
    QTest::keyClick(calendar->focusProxy(), Qt::Key_Return);
    EXPECT_FALSE(calendar->isVisible());
    EXPECT_EQ(form().date1.state().date, *plat::Date::from_dmy(4, 2, 2025));
    EXPECT_EQ(form().log, Log{"Date1_Change"});

    // A blank box opens its calendar on the month of today.
    act([&] { form().date1.set_date(plat::Date{}); });
    date->showCalendar();
    EXPECT_EQ(calendar->monthShown(), 6);
    EXPECT_EQ(calendar->yearShown(), 2024);
    QTest::keyClick(calendar->focusProxy(), Qt::Key_Escape);
    EXPECT_FALSE(calendar->isVisible());
    EXPECT_TRUE(form().date1.state().date.is_zero());
}

// The calendar is made when first opened: made then, on a blank box, it
// still opens on the month of today and its pick reaches the program.
TEST_F(DesktopTest, ACalendarFirstOpenedOnABlankBoxOpensOnTodayAndPicks) {
    show_active();
    auto* date = widget<gui::DateBox>(form().date1);
    ASSERT_NE(date, nullptr);
    date->showCalendar();
    QCalendarWidget* calendar = date->calendarWidget();
    ASSERT_TRUE(calendar->isVisible());
    EXPECT_EQ(calendar->monthShown(), 6);
    EXPECT_EQ(calendar->yearShown(), 2024);
    QTest::keyClick(calendar->focusProxy(), Qt::Key_Return);
    EXPECT_FALSE(calendar->isVisible());
    EXPECT_FALSE(form().date1.state().date.is_zero());
    EXPECT_EQ(form().log, Log{"Date1_Change"});
}

TEST_F(DesktopTest, ADateTypedReachesTheProgramWhenWholeOrWhenTheBoxIsLeft) {
    form().date1.on_lost_focus = [this] { form().log.push_back("Date1_LostFocus"); };
    show_active();
    auto* date = widget<gui::DateBox>(form().date1);
    const auto data = [](int d, int m, int y) { return *plat::Date::from_dmy(d, m, y); };
    // x of the day and of the year in the box.
    const QPoint giorno(date->fontMetrics().horizontalAdvance("0") + 3, date->height() / 2);
    const QPoint anno(date->fontMetrics().horizontalAdvance("00/00/20") + 3, date->height() / 2);

    // A whole date into a blank box, without leading zeros: it is the
    // program's at its last digit.
    clic(date, giorno);
    QTest::keyClicks(date, "1/7/202");
    EXPECT_EQ(form().log, Log{});
    QTest::keyClicks(date, "6");
    EXPECT_EQ(form().date1.state().date, data(1, 7, 2026));
    EXPECT_EQ(date->text(), "01/07/2026");
    EXPECT_EQ(form().log, Log{"Date1_Change"});

    // With leading zeros and separators, or digits alone.
    for (const char* typed : {"05/08/2027", "16092028"}) {
        clic(date, giorno);
        QTest::keyClicks(date, typed);
    }
    EXPECT_EQ(form().date1.state().date, data(16, 9, 2028));
    EXPECT_EQ(form().log, (Log{"Date1_Change", "Date1_Change", "Date1_Change"}));

    // A day alone: the date is the program's when the box is left, before
    // its LostFocus.
    form().log.clear();
    clic(date, giorno);
    QTest::keyClicks(date, "25");
    EXPECT_EQ(form().log, Log{});
    desk->widget(form().drive1)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(form().date1.state().date, data(25, 9, 2028));
    EXPECT_EQ(form().log, (Log{"Date1_Change", "Date1_LostFocus"}));

    // The program changing the date while the user types does not upset the
    // typing: the year typed goes with the program's day and month.
    form().log.clear();
    clic(date, anno);
    QTest::keyClicks(date, "20");
    act([&] { form().date1.set_date(data(3, 3, 2029)); });
    QTest::keyClicks(date, "30");
    EXPECT_EQ(form().date1.state().date, data(3, 3, 2030));
    EXPECT_EQ(form().log, Log{"Date1_Change"});

    // No such date, or Escape: the typing is given up, the date stays.
    form().log.clear();
    clic(date, giorno);
    QTest::keyClicks(date, "31/02/2031");
    QTest::keyClick(date, Qt::Key_Escape);
    desk->widget(form().drive1)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(form().date1.state().date, data(3, 3, 2030));
    EXPECT_EQ(date->text(), "03/03/2030");
    EXPECT_EQ(form().log, Log{"Date1_LostFocus"});
}

TEST_F(DesktopTest, AWholeDateTypedAfterAClickOnTheMonthOrYearIsTakenWhole) {
    show_active();
    auto* date = widget<gui::DateBox>(form().date1);
    const auto data = [](int d, int m, int y) { return *plat::Date::from_dmy(d, m, y); };
    act([&] { form().date1.set_date(data(3, 3, 2030)); });
    const int cifra = date->fontMetrics().horizontalAdvance("0");
    const QPoint mese(cifra * 4 + 3, date->height() / 2);
    const QPoint anno(cifra * 8 + 3, date->height() / 2);
    struct Caso {
        QPoint dove;
        const char* scritto;
        plat::Date atteso;
    };
    for (const Caso& c :
         {Caso{mese, "15062026", data(15, 6, 2026)}, Caso{anno, "01/08/2027", data(1, 8, 2027)},
          Caso{mese, "20082028", data(20, 8, 2028)},
          // The field clicked alone: that month, that year.
          Caso{mese, "12/2029", data(20, 12, 2029)}, Caso{anno, "2031", data(20, 12, 2031)}}) {
        clic(date, c.dove);
        QTest::keyClicks(date, c.scritto);
        EXPECT_EQ(form().date1.state().date, c.atteso) << c.scritto;
    }
    // Left before its year is whole, a whole date typed is still a date.
    clic(date, mese);
    QTest::keyClicks(date, "15/6/32");
    desk->widget(form().drive1)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(form().date1.state().date, data(15, 6, 2032));
}

TEST_F(DesktopTest, AListWithTheFocusAndNoLineShowsAFocusMark) {
    show_active();
    auto* list = widget<gui::ProgramList>(form().list1);
    ASSERT_EQ(list->currentRow(), -1);
    const QImage senza = list->grab().toImage();
    list->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(list->hasFocus());
    QTest::qWait(20);
    EXPECT_NE(list->grab().toImage(), senza);
    EXPECT_EQ(list->currentRow(), -1) << "the mark picks no line";
}

TEST_F(DesktopTest, ScrollBarFollowsBothWays) {
    show_active();
    auto* bar = widget<QScrollBar>(form().scroll1);
    EXPECT_EQ(bar->maximum(), 10);
    act([&] { form().scroll1.set_value(4); });
    EXPECT_EQ(bar->value(), 4);
    EXPECT_EQ(form().log, Log{});
    bar->setValue(7);
    EXPECT_EQ(form().scroll1.state().value, 7);
    EXPECT_EQ(form().log, Log{"Scroll1_Scroll"});
}

TEST_F(DesktopTest, ImageShowsItsPictureNaturalOrStretched) {
    const fs::path bmp =
        fs::temp_directory_path() / ("gui_image_" + std::to_string(::getpid()) + ".bmp");
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(QString::fromStdString(bmp.string()), "BMP"));
    act([&] { form().show(); });
    auto* image = widget<QLabel>(form().image1);
    EXPECT_TRUE(image->pixmap().isNull());

    act([&] { form().image1.set_picture(bmp.string()); });
    EXPECT_FALSE(image->pixmap().isNull());
    EXPECT_EQ(image->geometry(), QRect(420, 10, 30, 20));  // natural size

    form().image1.design().stretch = true;  // stretch is a design property
    act([&] { form().image1.set_left(6315); });
    EXPECT_EQ(image->geometry(), QRect(421, 10, 40, 40));
    EXPECT_TRUE(image->hasScaledContents());

    act([&] { form().image1.set_picture(""); });
    EXPECT_TRUE(image->pixmap().isNull());
    fs::remove(bmp);
}

// The picture is read by the format its name gives, else as Qt guesses it
// from its contents: a PNG named .BMP still shows; a file that is no
// picture shows nothing.
TEST_F(DesktopTest, ImageReadWhateverItsNameSays) {
    const std::string base =
        (fs::temp_directory_path() / ("gui_image_" + std::to_string(::getpid()))).string();
    const std::string png_as_bmp = base + "_png.BMP", not_a_picture = base + "_testo.bmp";
    QImage picture(12, 8, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(QString::fromStdString(png_as_bmp), "PNG"));
    std::ofstream(not_a_picture) << "NON E' UNA FIGURA";
    act([&] { form().show(); });
    auto* image = widget<QLabel>(form().image1);

    act([&] { form().image1.set_picture(png_as_bmp); });
    ASSERT_FALSE(image->pixmap().isNull());
    EXPECT_EQ(image->pixmap().size(), QSize(12, 8));
    EXPECT_EQ(image->pixmap().toImage().pixelColor(3, 3), QColor(Qt::blue));

    act([&] { form().image1.set_picture(not_a_picture); });
    EXPECT_TRUE(image->pixmap().isNull());
    fs::remove(png_as_bmp);
    fs::remove(not_a_picture);
}

TEST_F(DesktopTest, ColoursAndFonts) {
    act([&] {
        form().show();
        form().text1.set_back_color(192);
        form().label1.set_fore_color(32768);
        form().ok.set_bold(true);
    });
    EXPECT_EQ(desk->widget(form().text1)->palette().color(QPalette::Base), QColor(192, 0, 0));
    EXPECT_EQ(desk->widget(form().label1)->palette().color(QPalette::WindowText),
              QColor(0, 128, 0));
    EXPECT_TRUE(desk->widget(form().ok)->font().bold());

    act([&] { form().text1.set_back_color(plat::kDefaultColor); });
    EXPECT_EQ(desk->widget(form().text1)->palette().color(QPalette::Base),
              QApplication::palette(desk->widget(form().text1)).color(QPalette::Base));

    form().list1.design().fixed_pitch = true;
    act([&] { form().list1.set_left(3015); });
    const QFontInfo info(desk->widget(form().list1)->font());
    EXPECT_TRUE(info.fixedPitch());
    EXPECT_EQ(info.family(), "Liberation Mono");
}

TEST_F(DesktopTest, TimerTicksOnlyWhileLoadedAndEnabled) {
    act([&] { form().load(); });  // a hidden form's timer runs too
    QTimer* timer = desk->timer(form().timer1);
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->isActive());
    act([&] { form().timer1.set_enabled(true); });
    EXPECT_TRUE(timer->isActive());
    QTest::qWait(150);
    EXPECT_GT(form().ticks, 0);

    act([&] { form().unload(); });
    EXPECT_FALSE(timer->isActive());
}

TEST_F(DesktopTest, ActivatingAnotherWindowActivatesItsForm) {
    QWidget* first = show_active("PROVA");
    QWidget* second = show_active("ALTRA");
    EXPECT_EQ(rt->active_form(), &form("ALTRA"));

    first->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(first));
    EXPECT_EQ(rt->active_form(), &form("PROVA"));
    EXPECT_EQ(form("PROVA").log, Log{"PROVA_Activate"});
    form("PROVA").log.clear();

    // A window that is no form's (a message box) takes the activation for
    // a while and gives it back: the form is still the active one, nothing runs.
    {
        QWidget box;
        box.show();
        box.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    }
    first->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(first));
    EXPECT_EQ(form("PROVA").log, Log{});

    second->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(second));
    EXPECT_EQ(form("ALTRA").log, Log{"ALTRA_Activate"});
}

TEST_F(DesktopTest, ATopmostFormKeepsItsWindowOnTopUntilItIsUnloaded) {
    QWidget* w = show_active();
    EXPECT_FALSE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    act([&] { form().set_topmost(true); });
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(w->isVisible()) << "still shown after its flags changed";

    act([&] { form().unload(); });
    act([&] { form().show(); });
    EXPECT_FALSE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << "a design value again";
}

// A form that listens to the mouse over itself, a label and a button.
class Topo : public plat::Form {
public:
    explicit Topo(plat::Runtime& rt) : plat::Form(rt, "TOPO") {
        design("TOPO", 6000, 3000);
        label.place(150, 150, 1500, 300);
        label.on_mouse_move = [this] { log.push_back("Label_MouseMove"); };
        button.place(150, 1050, 1200, 450);
        button.on_mouse_down = [this] { log.push_back("Button_MouseDown"); };
        button.on_mouse_up = [this] { log.push_back("Button_MouseUp"); };
        button.on_click = [this] { log.push_back("Button_Click"); };
        on_mouse_move = [this] { log.push_back("Form_MouseMove"); };
    }
    Log log;
    plat::Label label{*this, "Label"};
    plat::CommandButton button{*this, "Button"};
};

TEST_F(DesktopTest, MouseEventsReachTheControlUnderThePointerOrElseTheForm) {
    rt->register_form("TOPO", [](plat::Runtime& r) { return std::make_unique<Topo>(r); });
    auto& topo = static_cast<Topo&>(*rt->form("TOPO"));
    act([&] { topo.show(); });
    QWidget* w = desk->window(topo);
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));

    // A move without a button goes through the window system's pointer:
    // it arrives when it arrives.
    QTest::mouseMove(desk->widget(topo.label), QPoint(20, 10));
    (void)QTest::qWaitFor([&] { return !topo.log.empty(); }, 2000);
    EXPECT_EQ(topo.log, Log{"Label_MouseMove"}) << "the label's move is not the form's too";
    topo.log.clear();
    QTest::mouseMove(w, QPoint(300, 150));
    (void)QTest::qWaitFor([&] { return !topo.log.empty(); }, 2000);
    EXPECT_EQ(topo.log, Log{"Form_MouseMove"});
    topo.log.clear();
    QTest::mouseClick(desk->widget(topo.button), Qt::LeftButton);
    EXPECT_EQ(topo.log, (Log{"Button_MouseDown", "Button_MouseUp", "Button_Click"}));
}

TEST_F(DesktopTest, TheEndOfTheProgramHidesEverythingAndFinishes) {
    act([&] { form().show(); });
    QSignalSpy finished(desk.get(), &gui::Desktop::finished);
    form().ok.on_click = [this] { rt->end_program(); };
    widget<QPushButton>(form().ok)->click();
    EXPECT_TRUE(rt->ended());
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(desk->window(form())->isVisible());
}

}  // namespace
