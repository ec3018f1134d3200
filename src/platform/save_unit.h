// A save of several record files as one unit: after a crash, a power cut or
// a full disk at any instant, once the program has started again, every file
// of the save holds its old content or every one its new content.
//
// While a unit is open, the writes it is given are only gathered, and every
// read of the program sees them (the unit is the files as they will be). At
// `commit` the new content of each file goes to a synced temporary file in
// the file's own folder; then the redo record, the list of renames still to
// do, is synced into place under its own name: that rename is the moment the
// save counts. The temporary files are then renamed over the registers, the
// folders synced, and the record removed. At the next start a record found
// is finished (the renames still to do are done); temporary files without a
// record are removed, and the registers are as they were before the save.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

// The redo record's name, in the folder of the files it renames. Like the
// lock file, it is the program's own: never a register, never copied or
// restored, not shown by the file lists.
inline constexpr std::string_view kSaveRecordName = "SALVATAGGIO_IN_CORSO.LOG";

// A file of the program's own making in a register folder: the lock file,
// the redo record, or a temporary file of a save ("<name>.tmp<pid>-<n>").
bool is_program_work_file(std::string_view file_name);
// The temporary-file name for `path`, unique in this process.
std::string temporary_name_for(const std::string& path);

class SaveUnit {
public:
    // Opens the unit: from now on the reads of this process see its writes.
    // One unit is open at a time.
    SaveUnit();
    // A unit never committed writes nothing; its temporary files are removed.
    ~SaveUnit();
    SaveUnit(const SaveUnit&) = delete;
    SaveUnit& operator=(const SaveUnit&) = delete;

    // The open unit, or nullptr.
    static SaveUnit* open_unit();

    // The file's new content: these lines, each ended by CR LF (UTF-8 in,
    // Windows-1252 on disk).
    void rewrite(const std::string& path, const std::vector<std::string>& lines);
    // The same from the lines already joined, each ended by CR LF.
    void rewrite_text(const std::string& path, std::string_view text);
    // One line added at the end of the file as the unit has it; a last line
    // without its end is closed first. False when the file cannot be read.
    bool append(const std::string& path, std::string_view line);
    // The file becomes a copy of `source` (bytes, permissions and time);
    // `writable` makes it writable by its owner besides. False when the
    // source cannot be read.
    bool copy_from(const std::string& path, const std::string& source, bool writable);

    // The bytes a path will hold, when the unit writes it.
    const std::string* pending(const std::string& path) const;
    // The paths the unit writes, in the order first written.
    std::vector<std::string> paths() const;
    bool empty() const { return order_.empty(); }

    enum class Result {
        done,         // every file holds its new content
        not_written,  // nothing changed: every file holds its old content
        to_complete,  // the save counts, but some renames failed: the record
                      // stays and `complete_interrupted_save` finishes it
    };
    // Writes the unit. `record_folder` (ending in "/") takes the redo record
    // when more than one file is written. `failed` names the file that could
    // not be written, when the result is not `done`.
    Result commit(const std::string& record_folder, std::string* failed = nullptr);

private:
    struct File {
        std::string bytes;
        std::string copy_source;  // a copy keeps the source's permissions and time
        bool writable = false;
        std::string temp;  // made at commit
    };
    std::map<std::string, File> files_;
    std::vector<std::string> order_;
    bool committed_ = false;

    File& file(const std::string& path);
    void remove_temporaries();
};

// What was found of an interrupted save in a folder.
enum class Recovery {
    none,       // no redo record
    completed,  // a save that counted was finished
    discarded,  // a record that was never whole: the save did not count
    failed,     // a rename could not be done: the record stays
};
// Finishes the save whose redo record lies in `folder` (ending in "/"): each
// rename still to do is done, the folders synced, the record removed.
Recovery complete_interrupted_save(const std::string& folder);
// Removes the temporary files of saves that no longer run from `folder`.
// With `only_dead_processes`, a file whose process still runs is kept (a
// folder other programs may be saving into at this moment).
void remove_leftover_temporaries(const std::string& folder, bool only_dead_processes);

// A test's hand on every file call of a write: called before each (`call` is
// "open", "write", "fsync", "close", "rename", "unlink", "read"...), it may
// stop the process there, or return an errno for the call to fail with (0:
// the call goes ahead). Empty: no hand.
using FileCallHook = std::function<int(std::string_view call, const std::string& path)>;
void set_file_call_hook(FileCallHook hook);

namespace detail {
// The hook's verdict for a call: 0 to go ahead, else the errno to fail with.
int file_call(std::string_view call, const std::string& path);
// Makes a rename in `folder` lasting (fsync of the folder).
bool sync_folder(const std::string& folder);
}  // namespace detail

}  // namespace plat
