// The services the desktop gives a program: message boxes, the clock, the
// logged-on user, the receipt printer. Each is an interface; the windows
// layer supplies the real ones, tests supply scripted ones (scripted.h).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/date.h"

namespace plat {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Answer { Ok, Cancel, Yes, No };

struct MessageBox {
    std::string text = {};  // lines separated by "\r" (CR), as the program writes them
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    std::string title = {};  // never empty here: the runtime puts the application title in
    // Enter presses No, not Yes: the question's Yes deletes, or records what
    // the program has just found doubtful (Escape answers No as always).
    bool no_by_default = false;
};

// The button Enter presses on the box: its first (OK or Yes), or No.
inline Answer default_answer(const MessageBox& box) {
    if (box.no_by_default && (box.buttons == Buttons::YesNo || box.buttons == Buttons::YesNoCancel))
        return Answer::No;
    return box.buttons == Buttons::YesNo || box.buttons == Buttons::YesNoCancel ? Answer::Yes
                                                                                : Answer::Ok;
}

class MessageService {
public:
    virtual ~MessageService() = default;
    // Shows the box modally and returns the button pressed. Closing the box
    // without a button gives Cancel where there is one, else the only button.
    virtual Answer show(const MessageBox& box) = 0;
    // One short line, where the user is working, that goes by itself: what
    // became of a print. It asks for nothing and stops nothing.
    virtual void notice(const std::string& text) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual Date today() = 0;
    // The current time of day as "hh:mm:ss".
    virtual std::string time_text() = 0;
};

class UserService {
public:
    virtual ~UserService() = default;
    virtual std::string user_name() = 0;
};

// One cell written into a printing template's sheet: row and column counted
// from 1 (column 1 is A), and its text. Only cells with a text are sent; every
// other cell keeps what the template holds.
struct Cell {
    int row = 0;
    int column = 0;
    std::string text;
};

// A page printed from a template: the template is read and filled in, never
// saved or changed.
struct PrintJob {
    std::string template_path;
    std::string sheet;                  // the sheet the template must hold
    std::string logo_path;              // "" for none; a missing picture is left out
    int logo_row = 0, logo_column = 0;  // the cell at whose top-left corner the logo goes
    // The logo's size as a share of the picture's own size (at 96 dots an inch).
    double logo_width_scale = 1.0, logo_height_scale = 1.0;
    std::vector<Cell> cells;
    // A document of several pages (a list): each page is the template with
    // `cells` (what every page carries: titles, headings) and its own cells.
    // Without pages the job is one page of `cells`.
    std::vector<std::vector<Cell>> pages;
    int copies = 1;  // collated
    // Where the page is saved as a PDF when the computer has no printer.
    std::string pdf_path;
};

enum class PrintOutcome {
    Printed,     // the default printer `where` took the job and is printing
    Held,        // `where` took the job but is stopped: it waits (`reason`)
    SavedAsPdf,  // no printer to print on (`error` says why): the page is the PDF `where`
    Refused,     // the default printer `where` did not take the job, or not whole (`error`):
                 // nothing is printed, nothing saved
    Unknown,     // the print service did not say whether `where` took the job (`error`):
                 // it may print or not; nothing saved
    Failed,      // nothing printed, nothing saved (`error`)
};

struct PrintResult {
    PrintOutcome outcome = PrintOutcome::Failed;
    std::string where;        // the printer's name, or the PDF's path
    std::string error;        // why nothing was printed, or why a PDF, for the user (upper case)
    std::string reason = {};  // the printer's own words on its state ("carta inceppata")
};

class PrinterService {
public:
    virtual ~PrinterService() = default;
    // Fills the template and hands the copies to the default printer, or
    // saves the page as a PDF at pdf_path when there is no printer to use
    // (no print service, no printer, no default one). Never another printer
    // than the default. A job is Printed or Held only once the print service
    // has taken it whole; a PDF is SavedAsPdf only once it is whole on disk.
    virtual PrintResult print(const PrintJob& job) = 0;
    // The page saved as the PDF at pdf_path, whatever printers there are:
    // SavedAsPdf or Failed.
    virtual PrintResult save_pdf(const PrintJob& job) = 0;
};

struct Services {
    std::unique_ptr<MessageService> messages;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<UserService> user;
    std::unique_ptr<PrinterService> printer;
    // The folder of the program's own files, ending in "/".
    std::string program_folder;
};

// The real clock and user name of this machine (no windows needed).
std::unique_ptr<Clock> system_clock();
std::unique_ptr<UserService> system_user();

}  // namespace plat
