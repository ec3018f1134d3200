// Starts the windows, builds the application and shows its start form.
#include <memory>
#include <optional>

#include <QApplication>
#include <QObject>

#include "command_line.h"
#include "font_config.h"
#include "gui/desktop.h"
#include "gui/italiano.h"
#include "gui/program_folder.h"
#include "gui/qt_services.h"
#include "gui/stampa.h"
#include "gui/stile.h"
#include "platform/services.h"
#include "program/programma.h"
#include "session_bus.h"

int main(int argc, char** argv) {
    // --help, --version and a wrong option answer on the terminal, without
    // a screen; a missing screen is told in one line.
    if (const std::optional<int> exit_code = app::read_command_line(argc, argv)) return *exit_code;
    app::FontConfigLoad font_config;
    app::WindowSystemStart window_system;
    QApplication qapp(argc, argv);
    window_system.started();
    const app::SessionBusConnect session_bus;
    // The name of the per-user folder (~/.local/share/gestione-affitti) and
    // of the desktop entry; window and box titles are the program's own.
    QApplication::setApplicationName(QStringLiteral("gestione-affitti"));
    QGuiApplication::setDesktopFileName(QStringLiteral("gestione-affitti"));
    gui::install_style();
    gui::install_italian(qapp);

    plat::Services services;
    services.messages = std::make_unique<gui::QtMessages>();
    services.clock = plat::system_clock();
    services.user = plat::system_user();
    services.printer = std::make_unique<gui::QtPrinter>();
    // The agency's program folder, per user; the shipped files lie read-only
    // beside the executable's folder (installed or in the build tree), and an
    // earlier build kept the agency's files in data/ beside the executable.
    const QString bin = QCoreApplication::applicationDirPath();
    const auto program_folder = gui::prepare_program_folder(
        qapp.arguments(), bin + QStringLiteral("/" SHIPPED_DATA_FROM_BIN "/"),
        bin + QStringLiteral("/data/"), *services.messages);
    if (!program_folder) return 1;
    services.program_folder = *program_folder;

    auto app = ga::crea_applicazione(std::move(services));
    font_config.ready();
    gui::Desktop desktop(*app);
    // Queued: the program may end before the event loop has started.
    QObject::connect(&desktop, &gui::Desktop::finished, &qapp, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    ga::avvia(*app);
    if (app->ended()) return 0;
    return qapp.exec();
}
