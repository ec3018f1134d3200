#include "gui/convert.h"

#include <array>
#include <cmath>

namespace gui {

QString display_lines(std::string_view text) {
    QString s = qt_text(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

std::string program_lines(const QString& text) {
    QString s = text;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    s.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return std_text(s);
}

std::optional<QColor> qt_color(long color) {
    if (color < 0 || color > 0xFFFFFF) return std::nullopt;
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

int pixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

QRect pixel_rect(int left, int top, int width, int height) {
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

namespace {

// Windows-1252 codes 0x80..0x9F; 0 where the code page has no character.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

int key_code(const QString& text) {
    if (text.size() != 1) return 0;
    const char16_t u = text.at(0).unicode();
    if (u == 0 || u == 0x7F) return 0;  // Delete types nothing
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
    for (std::size_t i = 0; i < kCp1252High.size(); ++i)
        if (kCp1252High[i] == u) return static_cast<int>(0x80 + i);
    return 0;
}

QString key_text(int code) {
    if (code <= 0 || code > 0xFF || code == 0x7F) return {};
    if (code >= 0x80 && code < 0xA0) {
        const char16_t u = kCp1252High[static_cast<std::size_t>(code - 0x80)];
        return u ? QString(QChar(u)) : QString();
    }
    return QString(QChar(static_cast<char16_t>(code)));
}

QDate no_date_shown() { return QDate(1899, 12, 30); }

QDate qt_date(plat::Date d) {
    if (d.is_zero()) return no_date_shown();
    return QDate(d.year(), d.month(), d.day());
}

plat::Date program_date(const QDate& d) {
    if (!d.isValid() || d <= no_date_shown()) return plat::Date{};
    return plat::Date::from_dmy(d.day(), d.month(), d.year()).value_or(plat::Date{});
}

}  // namespace gui
