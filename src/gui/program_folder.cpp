#include "gui/program_folder.h"

#include <cstdio>

#include <QDir>
#include <QStandardPaths>

#include "gui/convert.h"
#include "platform/program_folder.h"

namespace gui {

namespace {

QString as_folder(const QString& path) {
    QString folder = QDir::cleanPath(QDir(path).absolutePath());
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}

plat::MessageBox box(std::string text, plat::Icon icon) {
    plat::MessageBox b;
    b.text = std::move(text);
    b.icon = icon;
    b.title = "GESTIONE AFFITTI";
    return b;
}

}  // namespace

std::optional<QString> program_folder_location(const QStringList& arguments) {
    const QString option = QString::fromLatin1(kProgramFolderOption);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a.startsWith(option + QLatin1Char('='))) return as_folder(a.mid(option.size() + 1));
        if (a == option) {
            if (i + 1 < arguments.size() && !arguments[i + 1].isEmpty())
                return as_folder(arguments[i + 1]);
            std::fprintf(stderr, "%s: manca la cartella\n", kProgramFolderOption);
            return std::nullopt;
        }
    }
    const QString from_environment = qEnvironmentVariable(kProgramFolderVariable);
    if (!from_environment.isEmpty()) return as_folder(from_environment);
    return as_folder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

std::optional<std::string> prepare_program_folder(const QStringList& arguments,
                                                  const QString& shipped, const QString& older,
                                                  plat::MessageService& messages) {
    const std::optional<QString> location = program_folder_location(arguments);
    if (!location) return std::nullopt;
    const std::string folder = std_text(*location);
    const plat::ProgramFolderReport report = plat::prepare_program_folder(
        folder, std_text(as_folder(shipped)), std_text(as_folder(older)));
    if (!report.error.empty()) {
        messages.show(box(report.error, plat::Icon::Critical));
        return std::nullopt;
    }
    if (!report.agency_carried.empty()) {
        std::string names;
        for (const std::string& n : report.agency_carried) names += (names.empty() ? "" : ", ") + n;
        messages.show(box("I FILE DELL'AGENZIA (" + names + ") SONO STATI COPIATI\rDA: " +
                              std_text(as_folder(older)) + "\rIN: " + folder +
                              "\rD'ORA IN POI IL PROGRAMMA USA QUELLI DELLA NUOVA CARTELLA;"
                              " LA VECCHIA COPIA RESTA DOV'ERA.",
                          plat::Icon::Information));
    }
    return folder;
}

}  // namespace gui
