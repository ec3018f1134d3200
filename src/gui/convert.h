// Conversions between the runtime's values and Qt's: texts (UTF-8 in the
// runtime), line breaks, colours, key codes, dates and twips. Pure functions,
// so the tests check them without a window.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <QColor>
#include <QDate>
#include <QRect>
#include <QString>

#include "platform/date.h"

namespace gui {

inline QString qt_text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string std_text(const QString& s) { return s.toStdString(); }

// The program separates lines with "\r" or "\r\n"; Qt with "\n".
QString display_lines(std::string_view text);
// A multi-line box's text back to the program: "\r\n" between lines.
std::string program_lines(const QString& text);

// 0x00BBGGRR to a colour; nullopt for the default colour (-1) and for
// system-colour values (high bit set), which leave the window's own colour.
std::optional<QColor> qt_color(long color);

// 15 twips to a pixel, rounded.
int pixels(int twips);
QRect pixel_rect(int left, int top, int width, int height);

// The character code the program's key handlers see for a key's text: the
// Windows-1252 code (Latin-1 for accented letters, 8 Backspace, 13 Enter,
// 27 Escape), or 0 when the key types no character the program can see
// (arrows, function keys, Delete, characters outside the code page).
int key_code(const QString& text);
// The text a key code types; empty for 0 and for codes with no character.
QString key_text(int code);

// A date picker cannot show "no date": the zero date is shown as the
// picker's minimum date, 30/12/1899 (the zero date's own day), which the
// picker displays as a blank.
QDate no_date_shown();
QDate qt_date(plat::Date d);
plat::Date program_date(const QDate& d);

}  // namespace gui
