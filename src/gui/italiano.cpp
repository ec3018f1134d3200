#include "gui/italiano.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace gui {

bool install_italian(QCoreApplication& app) {
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    auto* qt = new QTranslator(&app);
    if (!qt->load(QStringLiteral("qtbase_it"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qt;
        return false;
    }
    return QCoreApplication::installTranslator(qt);
}

}  // namespace gui
