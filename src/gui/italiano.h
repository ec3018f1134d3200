// The program speaks Italian whatever the system's language: Qt's own texts
// (the buttons of the message boxes, the calendar's months and days) come
// from Qt's Italian translation, and Italian is the default locale.
#pragma once

class QCoreApplication;

namespace gui {

// Call once, after the application is made and before any window. Returns
// false when Qt's Italian translation is not installed (the locale is
// Italian all the same).
bool install_italian(QCoreApplication& app);

}  // namespace gui
