// The command line, read before any window system is touched: --help and
// --version answer on the terminal even where there is no screen, a wrong
// option is told there, and a program that has no screen to open its
// windows on says so in one line instead of Qt's abort.
#pragma once

#include <optional>

#include <QtGlobal>

namespace app {

// Reads the command line. Prints the options (--help) or the version
// (--version) on the standard output and gives 0; tells an unknown option,
// an option without its value or an unexpected argument on the standard
// error and gives 2; tells that no screen is there for the windows and gives
// 1. Nothing when the program goes on to open its windows. Qt's own options
// (-platform, -style, -display...) pass through for QApplication to take.
std::optional<int> read_command_line(int argc, char** argv);

// While it lives, a window system that fails while QApplication starts
// (a display that does not answer, a platform plugin that cannot start) ends
// the program with the same one-line message and exit code 1, not Qt's abort.
// What Qt logs meanwhile is held back, and passed on by started().
class WindowSystemStart {
public:
    WindowSystemStart();
    ~WindowSystemStart() { started(); }
    WindowSystemStart(const WindowSystemStart&) = delete;
    WindowSystemStart& operator=(const WindowSystemStart&) = delete;

    // The application is made: Qt's messages go their usual way again.
    void started();

private:
    QtMessageHandler previous_ = nullptr;
};

}  // namespace app
