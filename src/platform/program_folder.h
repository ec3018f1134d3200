// The program folder: the agency's own files (settings, bank coordinates, the
// data-folder pointer) beside the agency's copies of the files the program
// ships (towns table, logo, printing templates), in a folder the user owns.
// The shipped originals stay read-only where the program is installed; the
// build tree and every install can be replaced without touching this folder.
#pragma once

#include <string>
#include <vector>

namespace plat {

// The files the agency writes in the program folder.
const std::vector<std::string>& agency_files();

struct ProgramFolderReport {
    // Shipped files copied in because the folder lacked them, '/'-separated
    // and relative to the folder (e.g. "stampe/fattura.xls").
    std::vector<std::string> shipped_copied;
    // Agency files copied over from the older folder.
    std::vector<std::string> agency_carried;
    // Why the folder is not ready, for the user (upper case); empty when it is.
    std::string error;
};

// Makes `folder` ready for the program, adding only what is missing and never
// overwriting or removing a file:
// 1. creates the folder;
// 2. when it holds none of the agency files and `older` (a folder where an
//    earlier version of the program kept them; "" for none) holds some, copies
//    those over, leaving the originals where they are;
// 3. copies in every file of `shipped` (recursively) that the folder lacks, so
//    an agency's edited template or logo stays as the agency left it.
// Each copy is made under a temporary name and renamed when complete, so an
// interrupted start never leaves a half-copied file that would be kept.
ProgramFolderReport prepare_program_folder(const std::string& folder, const std::string& shipped,
                                           const std::string& older);

}  // namespace plat
