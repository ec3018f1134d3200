// Scripted services for running the program without a screen: answers to
// message boxes are queued in advance and every box shown is kept for
// reading back; the clock and the user name are fixed.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"

namespace plat {

class ScriptedMessages final : public MessageService {
public:
    // The answers given to the next boxes, in order. With the queue empty a
    // box is answered with its first button (OK or Yes).
    void answer(Answer a) { answers_.push_back(a); }
    Answer show(const MessageBox& box) override;
    void notice(const std::string& text) override { notices_.push_back(text); }

    const std::vector<MessageBox>& shown() const { return shown_; }
    // The lines told with notice(), in order.
    const std::vector<std::string>& notices() const { return notices_; }
    // Texts of the boxes shown so far.
    std::vector<std::string> texts() const;
    void forget() { shown_.clear(); }
    int pending() const { return static_cast<int>(answers_.size()); }

private:
    std::deque<Answer> answers_;
    std::vector<MessageBox> shown_;
    std::vector<std::string> notices_;
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(Date today, std::string time = "10:30:00")
        : today_(today), time_(std::move(time)) {}
    Date today() override { return today_; }
    std::string time_text() override { return time_; }
    void set(Date d) { today_ = d; }

private:
    Date today_;
    std::string time_;
};

class FixedUser final : public UserService {
public:
    explicit FixedUser(std::string name) : name_(std::move(name)) {}
    std::string user_name() override { return name_; }

private:
    std::string name_;
};

// Keeps every job for reading back and answers with `result` (printed,
// unless a test says otherwise); a page asked for as a PDF is kept in
// `pdfs` and answered with `pdf_result` (saved at the job's pdf_path
// unless a test says otherwise).
class RecordingPrinter final : public PrinterService {
public:
    PrintResult print(const PrintJob& job) override {
        jobs.push_back(job);
        return result;
    }
    PrintResult save_pdf(const PrintJob& job) override {
        pdfs.push_back(job);
        if (pdf_result) return *pdf_result;
        return {PrintOutcome::SavedAsPdf, job.pdf_path, "", ""};
    }
    std::vector<PrintJob> jobs, pdfs;
    PrintResult result{PrintOutcome::Printed, "STAMPANTE DI PROVA", "", ""};
    std::optional<PrintResult> pdf_result;
};

}  // namespace plat
