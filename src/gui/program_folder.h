// Where the program keeps its folder on this computer, and getting it ready
// before the first form opens.
#pragma once

#include <optional>
#include <string>

#include <QString>
#include <QStringList>

#include "platform/services.h"

namespace gui {

// The option and the environment variable that name another program folder
// (tests, or several agencies on one account).
inline constexpr char kProgramFolderOption[] = "--cartella-programma";
inline constexpr char kProgramFolderVariable[] = "GESTIONE_AFFITTI_CARTELLA_PROGRAMMA";

// The program folder, absolute and ending in "/": the folder given with
// "--cartella-programma CARTELLA" (or "--cartella-programma=CARTELLA"), else
// the one in the environment variable, else the user's application data
// folder (~/.local/share/gestione-affitti/). Nothing, with the reason on the
// standard error, when the option lacks its folder.
std::optional<QString> program_folder_location(const QStringList& arguments);

// Finds the program folder and makes it ready (plat::prepare_program_folder)
// from the shipped files in `shipped`, carrying the agency's files over from
// `older` the first time. Tells the user, by a message box, when the agency's
// files were carried over and where they live now, or why the program cannot
// start. The folder ending in "/", or nothing when the program cannot start.
std::optional<std::string> prepare_program_folder(const QStringList& arguments,
                                                  const QString& shipped, const QString& older,
                                                  plat::MessageService& messages);

}  // namespace gui
