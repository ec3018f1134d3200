#include "platform/scripted.h"

namespace plat {

Answer ScriptedMessages::show(const MessageBox& box) {
    shown_.push_back(box);
    if (!answers_.empty()) {
        Answer a = answers_.front();
        answers_.pop_front();
        return a;
    }
    return box.buttons == Buttons::YesNo || box.buttons == Buttons::YesNoCancel ? Answer::Yes
                                                                                : Answer::Ok;
}

std::vector<std::string> ScriptedMessages::texts() const {
    std::vector<std::string> out;
    for (const auto& b : shown_) out.push_back(b.text);
    return out;
}

}  // namespace plat
