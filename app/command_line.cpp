#include "command_line.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

#include <QCommandLineParser>
#include <QFileInfo>
#include <QStringList>

#include "gui/program_folder.h"
#include "records/versione.h"

namespace app {

namespace {

constexpr char kProgram[] = "gestione-affitti";

constexpr char kNoScreen[] =
    "gestione-affitti: nessuno schermo su cui aprire le finestre: avviare il programma in una "
    "sessione grafica (DISPLAY o WAYLAND_DISPLAY)\n";
constexpr char kNoWindowSystem[] =
    "gestione-affitti: impossibile aprire le finestre: lo schermo o la piattaforma grafica di Qt "
    "non si avviano\n";

// The options QApplication and its platform plugins take for themselves,
// with one dash or two; they are declared so that the parser lets them pass.
struct QtOption {
    const char* name;
    bool takes_value;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"qwindowicon", true},
    {"qwindowtitle", true},
    {"geometry", true},
    {"title", true},
    {"icon", true},
    {"session", true},
    {"display", true},
    {"name", true},
    {"visual", true},
    {"style", true},
    {"stylesheet", true},
    {"qmljsdebugger", true},
    {"reverse", false},
    {"nograb", false},
    {"dograb", false},
    {"widgetcount", false},
    {"testability", false},
};

QString program_folder_option() {
    return QString::fromLatin1(gui::kProgramFolderOption).mid(2);  // without its "--"
}

std::string help_text() {
    const std::string option = gui::kProgramFolderOption;
    const std::string variable = gui::kProgramFolderVariable;
    return std::string("Uso: ") + kProgram +
           " [OPZIONE...]\n"
           "Gestione degli affitti turistici per le agenzie immobiliari: clienti, proprietari,\n"
           "appartamenti e periodi, prenotazioni, conti dei proprietari, spese e fatture.\n"
           "\n"
           "Opzioni:\n"
           "  " +
           option +
           " CARTELLA\n"
           "                  usa CARTELLA come cartella del programma (impostazioni\n"
           "                  dell'agenzia, coordinate bancarie, modelli di stampa) al\n"
           "                  posto di ~/.local/share/gestione-affitti/\n"
           "  -h, --help      mostra queste righe ed esce\n"
           "  -v, --version   mostra la versione ed esce\n"
           "\n"
           "Valgono anche le opzioni di ogni programma Qt, come -platform NOME e -style NOME.\n"
           "\n"
           "Ambiente:\n"
           "  " +
           variable +
           "\n"
           "                  la cartella del programma, quando manca " +
           option + "\n";
}

int usage_error(const std::string& what) {
    std::fprintf(stderr, "%s: %s\nPer l'elenco delle opzioni: %s --help\n", kProgram, what.c_str(),
                 kProgram);
    return 2;
}

// Why the parse failed, in the user's words.
std::string parse_error(const QCommandLineParser& parser, const QStringList& arguments) {
    if (!parser.unknownOptionNames().isEmpty()) {
        // Told as typed, with its dashes.
        const QString name = parser.unknownOptionNames().first();
        QString typed = name;
        for (const QString& a : arguments.mid(1)) {
            const QString option = a.section(QLatin1Char('='), 0, 0);
            const int dashes = option.startsWith(QLatin1String("--")) ? 2 : 1;
            if (option.startsWith(QLatin1Char('-')) && option.mid(dashes) == name) {
                typed = option;
                break;
            }
        }
        return "opzione sconosciuta: " + typed.toStdString();
    }
    // Otherwise an option that needs a value came last without it, or one
    // that takes none was given one.
    const QString last = arguments.size() > 1 ? arguments.last() : QString();
    if (last.startsWith(QLatin1Char('-')) && !last.contains(QLatin1Char('=')))
        return last.toStdString() + ": manca il valore";
    return parser.errorText().toStdString();
}

bool wayland_socket_exists() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/wayland-0"));
}

// Whether the window system the program would start on has its display: X
// needs DISPLAY (or -display), Wayland its socket. Any other platform
// (offscreen, vnc...) is left for Qt to try; WindowSystemStart covers it.
bool screen_available(const QCommandLineParser& parser) {
    const bool x =
        !qEnvironmentVariableIsEmpty("DISPLAY") || parser.isSet(QStringLiteral("display"));
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || wayland_socket_exists();
    const QString platform = parser.isSet(QStringLiteral("platform"))
                                 ? parser.value(QStringLiteral("platform"))
                                 : qEnvironmentVariable("QT_QPA_PLATFORM");
    // The platform's default is X or Wayland, as the session has it.
    if (platform.trimmed().isEmpty()) return x || wayland;
    // A list separated by ";" is tried in turn; a name may carry ":options".
    for (const QString& candidate : platform.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = candidate.section(QLatin1Char(':'), 0, 0).trimmed();
        if (name == QLatin1String("xcb")) {
            if (x) return true;
        } else if (name.startsWith(QLatin1String("wayland"))) {
            if (wayland) return true;
        } else {
            return true;
        }
    }
    return false;
}

// The messages Qt logs while the window system starts, held until it is up.
struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};
std::mutex held_lock;
std::vector<HeldMessage> held;

void hold_message(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // Only the window system fails so early; Qt would abort next.
        std::fputs(kNoWindowSystem, stderr);
        std::_Exit(1);
    }
    const std::lock_guard<std::mutex> lock(held_lock);
    held.push_back({type, context.category ? context.category : "", text});
}

}  // namespace

std::optional<int> read_command_line(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // "-platform" is one option, as Qt reads it, not the letters p, l, a...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("mostra le opzioni"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("mostra la versione"));
    const QCommandLineOption folder(program_folder_option(),
                                    QStringLiteral("cartella del programma"),
                                    QStringLiteral("CARTELLA"));
    parser.addOptions({help, version, folder});
    for (const QtOption& o : kQtOptions) {
        QCommandLineOption qt_option(QString::fromLatin1(o.name));
        if (o.takes_value) qt_option.setValueName(QStringLiteral("VALORE"));
        qt_option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qt_option);
    }

    const bool parsed = parser.parse(arguments);
    // --help and --version answer even beside a mistake elsewhere.
    if (parser.isSet(help)) {
        std::fputs(help_text().c_str(), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", kProgram, ga::kVersione);
        return 0;
    }
    if (!parsed) return usage_error(parse_error(parser, arguments));
    if (!parser.positionalArguments().isEmpty())
        return usage_error("argomento inatteso: " +
                           parser.positionalArguments().first().toStdString());
    if (!screen_available(parser)) {
        std::fputs(kNoScreen, stderr);
        return 1;
    }
    return std::nullopt;
}

WindowSystemStart::WindowSystemStart() : previous_(qInstallMessageHandler(hold_message)) {}

void WindowSystemStart::started() {
    if (!previous_) return;
    qInstallMessageHandler(previous_);
    std::vector<HeldMessage> messages;
    {
        const std::lock_guard<std::mutex> lock(held_lock);
        messages.swap(held);
    }
    for (const HeldMessage& m : messages)
        previous_(m.type, QMessageLogContext(nullptr, 0, nullptr, m.category.c_str()), m.text);
    previous_ = nullptr;
}

}  // namespace app
