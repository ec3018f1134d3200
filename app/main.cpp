// Starts the windows, builds the application and shows its start form.
#include <memory>

#include <QApplication>
#include <QObject>

#include "gui/desktop.h"
#include "gui/italiano.h"
#include "gui/qt_services.h"
#include "gui/stampa.h"
#include "platform/services.h"
#include "program/programma.h"

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("GESTIONE AFFITTI"));
    // Fusion draws the colours the forms give their buttons and boxes.
    QApplication::setStyle(QStringLiteral("Fusion"));
    gui::install_italian(qapp);

    plat::Services services;
    services.messages = std::make_unique<gui::QtMessages>();
    services.clock = plat::system_clock();
    services.user = plat::system_user();
    services.printer = std::make_unique<gui::QtPrinter>();
    services.program_folder = (QCoreApplication::applicationDirPath() + QStringLiteral("/data/")).toStdString();

    auto app = ga::crea_applicazione(std::move(services));
    gui::Desktop desktop(*app);
    // Queued: the program may end before the event loop has started.
    QObject::connect(&desktop, &gui::Desktop::finished, &qapp, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    ga::avvia(*app);
    if (app->ended()) return 0;
    return qapp.exec();
}
