// A save of several record files as one unit: after a crash, a power cut, a
// full disk or a failing file call at any instant, once the program has
// started again, every file of the save holds its old content or every one
// its new content.
//
// While a unit is open, the writes it is given are only gathered, and every
// read of the program sees them (the unit is the files as they will be). At
// `commit` the unit takes the save lock of each folder it writes (two
// programs may share a folder, never a save in it), refuses when a save of
// before is still to be finished there, and the new content of each file
// goes to a synced temporary file in the file's own folder; then the redo
// record, the list of renames still to do with the size and checksum of each
// new content, is synced into place in the folder of the files: that rename
// is the moment the save counts. The temporary files are then renamed over
// the registers, the folders synced, and the record removed. At the next
// start a record found is finished: a rename is done, or found done when its
// register holds the new content; a record that cannot be finished stays,
// with every temporary file it names. Temporary files no record names are
// removed, and the registers are as they were before the save.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/record_file.h"

namespace plat {

// The redo record's name, in the folder of the files it renames. Like the
// lock file, it is the program's own: never a register, never copied or
// restored, not shown by the file lists.
inline constexpr std::string_view kSaveRecordName = "SALVATAGGIO_IN_CORSO.LOG";

// A file of the program's own making in a register folder: a lock file, the
// redo record, or a temporary file of a save
// ("<name>.GA-SALVA-<process mark>-<n>.tmp", the mark random per process).
bool is_program_work_file(std::string_view file_name);
// The temporary-file name for `path`, unique to this process.
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
        done,          // every file holds its new content
        not_written,   // nothing changed: every file holds its old content
        to_complete,   // the save counts, but some renames failed: the record
                       // stays and `complete_interrupted_save` finishes it
        earlier_save,  // nothing written: a save of before is still to be
                       // finished in `record_folder()` (by another program
                       // sharing the folder, or left by this one)
        unsynced,      // a save of one file: it holds its new content, but the
                       // disk failed to make it lasting and the old one could
                       // not be put back
        unknown,       // a save of one file: the disk failed so that which
                       // content it holds cannot be told
    };
    // Writes the unit; the redo record goes to the folder of its first file.
    // `failed` names the file that could not be written, when the result is
    // not `done`.
    Result commit(std::string* failed = nullptr);
    // The folder (ending in "/") of the unit's redo record, once committed.
    const std::string& record_folder() const { return record_folder_; }
    // After `done`: the record could not be removed. It names only renames
    // done; the next save or start removes it.
    bool record_left() const { return record_left_; }

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
    bool record_left_ = false;
    std::string record_folder_;

    File& file(const std::string& path);
    void remove_temporaries();
};

// What was found of an interrupted save in a folder.
enum class Recovery {
    none,       // no redo record
    completed,  // a save that counted was finished: every rename is done
    cleared,    // a record whose renames were all done already (its removal
                // had failed, or a crash came just before it): removed
    discarded,  // a record that was never whole: the save did not count
    failed,     // a file could not be written or read: the record stays,
                // with every temporary file it names
    foreign,    // a whole record this version cannot read (a newer one
                // wrote it): it stays, for that version to finish
    blocked,    // something that is no file has the record's name
};
// Finishes the save whose redo record lies in `folder` (ending in "/"): each
// rename still to do is done, the folders synced, the record removed.
// `failed` names the file in the way when the result is `failed`, `foreign`
// or `blocked`; `renamed` gets the registers the record names.
Recovery complete_interrupted_save(const std::string& folder, std::string* failed = nullptr,
                                   std::vector<std::string>* renamed = nullptr);
// Removes from `folder` the temporary files of the program's saves that no
// redo record names. Under the folder's save lock: no save of another
// program runs there meanwhile, so none of them is alive.
void remove_leftover_temporaries(const std::string& folder);

// `target` becomes a copy of `source` (bytes, permissions, time), through a
// synced temporary file and a rename; the caller syncs the target's folder
// (`detail::sync_folder`) before it calls the copy done.
bool copy_file_synced(const std::string& source, const std::string& target, bool writable);

// A test's hand on every file call of a write: called before each (`call` is
// "open", "write", "fsync", "close", "rename", "unlink", "read", "link"...), it may
// stop the process there, or return an errno for the call to fail with (0:
// the call goes ahead). Empty: no hand.
using FileCallHook = std::function<int(std::string_view call, const std::string& path)>;
void set_file_call_hook(FileCallHook hook);

// Holds `folder`'s save lock for as long as it lives, for work that is no
// save of ours but must not meet another program's (an archive copied into
// or out of a folder another program may save in). This program's own saves
// there still go ahead: the lock is one per process.
class HeldSaveLock {
public:
    explicit HeldSaveLock(const std::string& folder);
    ~HeldSaveLock();
    HeldSaveLock(const HeldSaveLock&) = delete;
    HeldSaveLock& operator=(const HeldSaveLock&) = delete;
    // False when the lock could not be had: another program's save there
    // that does not end, or a folder that takes no lock file.
    bool ok() const;

private:
    struct Held;
    std::unique_ptr<Held> held_;
};

// Makes the renames done in `folder` lasting (an fsync of the folder):
// false when the system refuses, and then they may not survive a power cut.
bool sync_folder(const std::string& folder);

namespace detail {
// The hook's verdict for a call: 0 to go ahead, else the errno to fail with.
int file_call(std::string_view call, const std::string& path);
// Makes a rename in `folder` lasting (fsync of the folder).
bool sync_folder(const std::string& folder);
}  // namespace detail

}  // namespace plat
