#include "qt_app.h"

#include <memory>

#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>

#include "gui/italiano.h"
#include "gui/stile.h"

namespace gui_test {

namespace {

std::unique_ptr<QApplication> application;

// The application goes when the tests end, before the exit handlers: Qt's
// own statics are gone by then, and a QApplication destroyed after them
// crashes the run that passed.
class QtEnvironment : public ::testing::Environment {
public:
    void TearDown() override { application.reset(); }
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

QApplication& qt_app() {
    if (!application) {
        // A real X display when there is one (xvfb-run), else no screen at all.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
            qEnvironmentVariableIsEmpty("DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "test_gui";
        static char* argv[] = {name, nullptr};
        application = std::make_unique<QApplication>(argc, argv);
        // In Italian, as the program.
        gui::install_italian(*application);
        // With the program's look.
        gui::install_style();
    }
    return *application;
}

}  // namespace gui_test
