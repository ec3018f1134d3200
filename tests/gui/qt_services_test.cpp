// Message boxes: the program's texts, buttons and icons as Qt shows them, and
// the answer given by each way of closing the box.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCalendarWidget>
#include <QFontMetrics>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "gui/convert.h"
#include "gui/qt_services.h"
#include "gui/widgets.h"
#include "qt_app.h"

namespace {

using plat::Answer;
using plat::Buttons;

plat::MessageBox box(std::string text, Buttons b = Buttons::Ok,
                     plat::Icon icon = plat::Icon::None) {
    plat::MessageBox m;
    m.text = std::move(text);
    m.buttons = b;
    m.icon = icon;
    m.title = "GESTIONE AFFITTI";
    return m;
}

TEST(MessageMapping, CarriageReturnsBecomeLineBreaks) {
    EXPECT_EQ(gui::message_text(box("PRIMA\rSECONDA\r\nTERZA")), "PRIMA\nSECONDA\nTERZA");
    EXPECT_EQ(gui::message_text(box("CAFFÈ")), QString::fromUtf8("CAFFÈ"));
}

TEST(MessageMapping, ButtonSetsAndWhatEscapeGives) {
    EXPECT_EQ(gui::standard_buttons(Buttons::Ok), QMessageBox::Ok);
    EXPECT_EQ(gui::standard_buttons(Buttons::OkCancel), QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(gui::standard_buttons(Buttons::YesNo), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(gui::standard_buttons(Buttons::YesNoCancel),
              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);

    EXPECT_EQ(gui::escape_button(Buttons::Ok), QMessageBox::Ok);
    EXPECT_EQ(gui::escape_button(Buttons::OkCancel), QMessageBox::Cancel);
    EXPECT_EQ(gui::escape_button(Buttons::YesNo), QMessageBox::No);
    EXPECT_EQ(gui::escape_button(Buttons::YesNoCancel), QMessageBox::Cancel);

    EXPECT_EQ(gui::answer_for(QMessageBox::Yes, Buttons::YesNoCancel), Answer::Yes);
    EXPECT_EQ(gui::answer_for(QMessageBox::No, Buttons::YesNoCancel), Answer::No);
    EXPECT_EQ(gui::answer_for(QMessageBox::Cancel, Buttons::OkCancel), Answer::Cancel);
    EXPECT_EQ(gui::answer_for(QMessageBox::Ok, Buttons::OkCancel), Answer::Ok);
    // Nothing pressed (closed), or a button the box does not have.
    EXPECT_EQ(gui::answer_for(QMessageBox::NoButton, Buttons::YesNo), Answer::No);
    EXPECT_EQ(gui::answer_for(QMessageBox::NoButton, Buttons::YesNoCancel), Answer::Cancel);
    EXPECT_EQ(gui::answer_for(QMessageBox::NoButton, Buttons::Ok), Answer::Ok);
    EXPECT_EQ(gui::answer_for(QMessageBox::Yes, Buttons::OkCancel), Answer::Cancel);
}

TEST(MessageMapping, PreparedDialog) {
    gui_test::qt_app();
    QMessageBox dialog;
    auto m = box("IMPORTO <ERRATO>\rRIPROVARE", Buttons::YesNo, plat::Icon::Exclamation);
    m.title = "ATTENZIONE";
    gui::prepare(dialog, m);
    EXPECT_EQ(dialog.windowTitle(), "ATTENZIONE");
    EXPECT_EQ(dialog.text(), "IMPORTO <ERRATO>\nRIPROVARE");
    EXPECT_EQ(dialog.textFormat(), Qt::PlainText);
    EXPECT_EQ(dialog.icon(), QMessageBox::Warning);
    EXPECT_EQ(dialog.standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(dialog.defaultButton(), dialog.button(QMessageBox::Yes));
    EXPECT_EQ(dialog.escapeButton(), static_cast<QAbstractButton*>(dialog.button(QMessageBox::No)));
}

// Runs `user` on the box once it is open, then returns the answer.
Answer answer_shown(const plat::MessageBox& m, std::function<void(QWidget*)> user) {
    gui_test::qt_app();
    QTimer::singleShot(0, [user] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog) user(dialog);
    });
    gui::QtMessages messages;
    return messages.show(m);
}

TEST(QtMessages, TheButtonPressedIsTheAnswer) {
    EXPECT_EQ(answer_shown(box("SALVARE?", Buttons::YesNoCancel),
                           [](QWidget* d) {
                               static_cast<QMessageBox*>(d)->button(QMessageBox::No)->click();
                           }),
              Answer::No);
    EXPECT_EQ(answer_shown(box("SALVARE?", Buttons::YesNo),
                           [](QWidget* d) { QTest::keyClick(d, Qt::Key_Return); }),
              Answer::Yes);
}

// Enter answers the box's default: Yes, unless its Yes deletes or keeps a
// doubt; Escape answers No either way.
TEST(QtMessages, EnterAnswersNoWhereYesWouldDestroy) {
    struct Riga {
        Buttons buttons;
        bool no_by_default;
        Qt::Key key;
        Answer expected;
    };
    const Riga righe[] = {{Buttons::YesNo, false, Qt::Key_Return, Answer::Yes},
                          {Buttons::YesNo, true, Qt::Key_Return, Answer::No},
                          {Buttons::YesNoCancel, true, Qt::Key_Enter, Answer::No},
                          {Buttons::YesNo, true, Qt::Key_Escape, Answer::No},
                          {Buttons::Ok, true, Qt::Key_Return, Answer::Ok}};
    for (const Riga& r : righe) {
        auto m = box("Sei sicuro di cancellare \rROSSI", r.buttons);
        m.no_by_default = r.no_by_default;
        EXPECT_EQ(answer_shown(m, [&](QWidget* d) { QTest::keyClick(d, r.key); }), r.expected)
            << static_cast<int>(r.buttons) << " " << r.no_by_default << " " << r.key;
        EXPECT_EQ(plat::default_answer(m), r.key == Qt::Key_Escape ? Answer::No : r.expected);
    }
}

TEST(QtMessages, EscapeAndCloseGiveCancelElseNoElseOk) {
    auto escape = [](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); };
    auto close = [](QWidget* d) { d->close(); };
    EXPECT_EQ(answer_shown(box("?", Buttons::YesNoCancel), escape), Answer::Cancel);
    EXPECT_EQ(answer_shown(box("?", Buttons::OkCancel), close), Answer::Cancel);
    EXPECT_EQ(answer_shown(box("?", Buttons::YesNo), escape), Answer::No);
    EXPECT_EQ(answer_shown(box("?", Buttons::YesNo), close), Answer::No);
    EXPECT_EQ(answer_shown(box("?", Buttons::Ok), close), Answer::Ok);
}

TEST(QtMessages, ABoxIsAtLeastAsWideAsItsTitle) {
    auto m = box("CODICE FISCALE NON VALIDO");
    m.title = "CONTROLLO CODICE FISCALE";
    int width = 0;
    answer_shown(m, [&](QWidget* d) {
        width = d->width();
        d->close();
    });
    QFont bold = QApplication::font();
    bold.setBold(true);
    // The title in a bold font, with room for the close button and the icon.
    EXPECT_GE(width, QFontMetrics(bold).horizontalAdvance(QString::fromStdString(m.title)) + 80);
    EXPECT_GE(width, gui::title_room(QString::fromStdString(m.title)));
}

TEST(QtMessages, ANoticeShowsItsLineWithoutWaitingAndANewOneTakesItsPlace) {
    gui_test::qt_app();
    auto righe = [] {
        QStringList shown;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* l = qobject_cast<QLabel*>(w); l && l->isVisible()) shown << l->text();
        return shown;
    };
    gui::QtMessages messaggi;
    messaggi.notice("RICEVUTA INVIATA ALLA STAMPANTE Ufficio");  // returns with nothing pressed
    EXPECT_EQ(righe(), QStringList{"RICEVUTA INVIATA ALLA STAMPANTE Ufficio"});
    messaggi.notice("RICEVUTA IN ATTESA: LA STAMPANTE Ufficio E' FERMA (carta inceppata)");
    QApplication::processEvents();
    EXPECT_EQ(righe(),
              QStringList{"RICEVUTA IN ATTESA: LA STAMPANTE Ufficio E' FERMA (carta inceppata)"});
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Qt's own texts in Italian, whatever the system's language: the buttons of
// the boxes, the calendar's months and days; dates stay day/month/year.
TEST(Italiano, TheBoxesAndTheCalendarSpeakItalian) {
    QStringList buttons;
    auto read = [&](QWidget* d) {
        for (QAbstractButton* b : static_cast<QMessageBox*>(d)->buttons())
            buttons << b->text().remove('&');
        d->close();
    };
    answer_shown(box("SALVARE?", Buttons::YesNoCancel), read);
    answer_shown(box("CONTINUARE?", Buttons::OkCancel), read);
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{"Annulla", "Annulla", "No", "OK", QString::fromUtf8("Sì")}));

    EXPECT_EQ(QLocale().language(), QLocale::Italian);
    gui::DateBox date;
    date.setDate(QDate(2026, 1, 5));
    EXPECT_EQ(date.text(), "05/01/2026");
    date.showCalendar();
    QCalendarWidget* calendar = date.calendarWidget();
    auto* month = calendar->findChild<QToolButton*>("qt_calendar_monthbutton");
    ASSERT_NE(month, nullptr);
    EXPECT_EQ(month->text(), "gennaio");
    EXPECT_EQ(calendar->firstDayOfWeek(), Qt::Monday);
    EXPECT_EQ(calendar->locale().dayName(1, QLocale::ShortFormat), "lun");
    calendar->hide();
}

// --- conversions --------------------------------------------------------------------

TEST(Conversions, ColoursAreBlueGreenRed) {
    EXPECT_EQ(gui::qt_color(192), QColor(192, 0, 0));
    EXPECT_EQ(gui::qt_color(32768), QColor(0, 128, 0));
    EXPECT_EQ(gui::qt_color(0xFF0000), QColor(0, 0, 255));
    EXPECT_FALSE(gui::qt_color(-1).has_value());
    EXPECT_FALSE(gui::qt_color(static_cast<long>(0x8000000F)).has_value());  // a system colour
}

TEST(Conversions, KeyCodesAreTheCodePages) {
    EXPECT_EQ(gui::key_code("a"), 'a');
    EXPECT_EQ(gui::key_code("\r"), 13);
    EXPECT_EQ(gui::key_code("\b"), 8);
    EXPECT_EQ(gui::key_code(QString::fromUtf8("è")), 0xE8);
    EXPECT_EQ(gui::key_code(QString::fromUtf8("€")), 0x80);
    EXPECT_EQ(gui::key_code(""), 0);
    EXPECT_EQ(gui::key_code(QString(QChar(0x7F))), 0);
    EXPECT_EQ(gui::key_code(QString::fromUtf8("ő")), 0);  // not in the code page
    for (int code : {int{'A'}, 13, 0xC8, 0x80, 0x92})
        EXPECT_EQ(gui::key_code(gui::key_text(code)), code) << code;
    EXPECT_TRUE(gui::key_text(0).isEmpty());
    EXPECT_TRUE(gui::key_text(0x81).isEmpty());
}

TEST(Conversions, DatesAndTheBlankDate) {
    EXPECT_EQ(gui::qt_date(*plat::Date::from_dmy(29, 2, 2024)), QDate(2024, 2, 29));
    EXPECT_EQ(gui::program_date(QDate(2024, 2, 29)), *plat::Date::from_dmy(29, 2, 2024));
    EXPECT_EQ(gui::qt_date(plat::Date{}), gui::no_date_shown());
    EXPECT_TRUE(gui::program_date(gui::no_date_shown()).is_zero());
    EXPECT_TRUE(gui::program_date(QDate()).is_zero());
}

}  // namespace
