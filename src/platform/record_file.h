// Plain-text record files as the agency keeps them: one record per line,
// CR LF line ends, Windows-1252 on disk. In memory every line is UTF-8.
#pragma once

#include <cstddef>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

// Windows-1252 bytes to UTF-8 (every byte maps to a character).
std::string cp1252_to_utf8(std::string_view bytes);
// UTF-8 to Windows-1252; a character Windows-1252 lacks becomes "?".
std::string utf8_to_cp1252(std::string_view text);
// The same added at the end of `out`.
void append_cp1252(std::string& out, std::string_view text);

// Reads the lines of the file (CR LF or LF ends; a last line without an end
// counts; a file ending in a line end has no extra empty line; a CR alone
// inside a line reads as a blank). A missing file is created empty first and
// reads as no lines. Reading stops after `max_lines` lines, so a loader whose
// table holds n records reads n + 1 lines of a file however long it is.
// nullopt when the file can neither be read nor created (its folder does not
// exist, no permission, an I/O error).
std::optional<std::vector<std::string>> read_lines(
    const std::string& path, std::size_t max_lines = std::numeric_limits<std::size_t>::max());
// The same lines handed to `line` one at a time (the view lasts for the call
// only), until it returns false or the file ends. The file is read a block at
// a time, so a loader that stops at its table's capacity never reads the rest
// of a huge file. False when the file can neither be read nor created.
bool read_lines_each(const std::string& path, const std::function<bool(std::string_view)>& line);
// The same lines of a file read whole at once, for a loader that takes
// every line: `count(n)` is told how many before the first is handed on, so
// that a table makes room for them in one go.
bool read_all_lines(const std::string& path, const std::function<void(std::size_t)>& count,
                    const std::function<bool(std::string_view)>& line);

// What a write of one file left in it.
enum class Outcome {
    written,           // the new content, made lasting
    not_written,       // the content it had before (or no file, as before)
    written_unsynced,  // the new content, but the disk reported an error making it
                       // lasting (the old one could not be put back)
    unknown,           // the disk failed so that which content it holds cannot be told
};

// Replaces the file with these lines, each ended by CR LF. The lines go to a
// synced temporary file in the same folder, which is renamed over the old
// file only once it is complete, so a failure never leaves a half-written
// register; the folder is synced after the rename. False when nothing could
// be written (the old file is then untouched); `outcome`, when given, tells
// apart a new content the disk could not make lasting. Several files written as one
// save go through a `SaveUnit` (save_unit.h), whose writes every read here
// sees while it is open.
bool rewrite_lines(const std::string& path, const std::vector<std::string>& lines,
                   Outcome* outcome = nullptr);
// The same from the lines already joined, each ended by CR LF: a register
// of ten thousand records built as one text, not ten thousand lines.
bool rewrite_record_text(const std::string& path, std::string_view text,
                         Outcome* outcome = nullptr);

// Replaces (or makes) the file with these bytes as they are, the way a
// register is rewritten: a synced temporary file beside it, renamed over it
// once whole. False when it could not be written whole; nothing of the
// attempt is then left on disk, and an old file is untouched.
bool replace_file(const std::string& path, std::string_view bytes);

// Adds one line, ended by CR LF, at the end of the file (created if missing).
// False when the file does not hold it (`outcome` as for `rewrite_lines`).
bool append_line(const std::string& path, std::string_view line, Outcome* outcome = nullptr);

bool file_exists(const std::string& path);
bool folder_exists(const std::string& path);

}  // namespace plat
