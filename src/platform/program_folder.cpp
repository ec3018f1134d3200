#include "platform/program_folder.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace plat {

namespace fs = std::filesystem;

namespace {

bool present(const fs::path& p) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(p, ec));
}

// Copies `from` to `to` unless `to` exists; the copy can be written by its
// user even when the original is read-only (an installed file).
bool copy_missing(const fs::path& from, const fs::path& to) {
    if (present(to)) return true;
    std::error_code ec;
    const fs::path part = to.string() + ".part";
    fs::copy_file(from, part, fs::copy_options::overwrite_existing, ec);
    if (!ec)
        fs::permissions(part, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add,
                        ec);
    if (!ec) fs::rename(part, to, ec);
    if (!ec) return true;
    fs::remove(part, ec);
    return false;
}

}  // namespace

const std::vector<std::string>& agency_files() {
    static const std::vector<std::string> names{"AGENZIA.IND", "BANCHE.IND", "cartella.txt"};
    return names;
}

ProgramFolderReport prepare_program_folder(const std::string& folder, const std::string& shipped,
                                           const std::string& older) {
    ProgramFolderReport report;
    const fs::path dir(folder);
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec || !fs::is_directory(dir, ec)) {
        report.error = "IMPOSSIBILE CREARE LA CARTELLA DEL PROGRAMMA " + folder;
        return report;
    }

    const auto& names = agency_files();
    const bool none_here = std::none_of(names.begin(), names.end(),
                                        [&](const std::string& n) { return present(dir / n); });
    if (none_here && !older.empty() && fs::is_directory(older, ec) &&
        !fs::equivalent(older, dir, ec)) {
        for (const std::string& n : names) {
            const fs::path from = fs::path(older) / n;
            if (!fs::is_regular_file(from, ec)) continue;
            if (!copy_missing(from, dir / n)) {
                report.error = "IMPOSSIBILE COPIARE " + from.string() + " IN " + folder;
                return report;
            }
            report.agency_carried.push_back(n);
        }
    }

    if (!fs::is_directory(shipped, ec)) {
        report.error = "NON TROVO I FILE DEL PROGRAMMA IN " + shipped;
        return report;
    }
    std::vector<fs::path> files;
    for (auto it = fs::recursive_directory_iterator(shipped, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
        files.push_back(it->path());
    if (ec) {
        report.error = "NON RIESCO A LEGGERE I FILE DEL PROGRAMMA IN " + shipped;
        return report;
    }
    // Folders before the files they hold, and the same order on every start.
    std::sort(files.begin(), files.end());
    for (const fs::path& from : files) {
        const fs::path rel = from.lexically_relative(shipped);
        const fs::path to = dir / rel;
        if (fs::is_directory(from, ec)) {
            if (!present(to)) fs::create_directory(to, ec);
            if (ec || !fs::is_directory(to, ec)) {
                report.error = "IMPOSSIBILE CREARE LA CARTELLA " + to.string();
                return report;
            }
            continue;
        }
        if (present(to)) continue;
        if (!copy_missing(from, to)) {
            report.error = "IMPOSSIBILE COPIARE " + from.string() + " IN " + folder;
            return report;
        }
        report.shipped_copied.push_back(rel.generic_string());
    }
    return report;
}

}  // namespace plat
