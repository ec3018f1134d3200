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
    std::string text;    // lines separated by "\r" (CR), as the program writes them
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    std::string title;   // never empty here: the runtime puts the application title in
};

class MessageService {
public:
    virtual ~MessageService() = default;
    // Shows the box modally and returns the button pressed. Closing the box
    // without a button gives Cancel where there is one, else the only button.
    virtual Answer show(const MessageBox& box) = 0;
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

// One cell written into the receipt template: sheet row and column (1-based)
// and its text.
struct Cell {
    std::string address;   // as the program names it, "B12"
    std::string text;
};

struct PrintJob {
    std::string template_path;   // the template is opened, never saved
    std::string logo_path;       // "" for none
    std::string logo_cell;       // where the logo goes
    std::vector<Cell> cells;
};

class PrinterService {
public:
    virtual ~PrinterService() = default;
    // Fills the template and prints one copy. False when it could not.
    virtual bool print(const PrintJob& job) = 0;
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
