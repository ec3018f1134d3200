// The one QApplication of a test executable, on the offscreen platform
// unless the environment names another.
#pragma once

class QApplication;

namespace gui_test {
QApplication& qt_app();
}
