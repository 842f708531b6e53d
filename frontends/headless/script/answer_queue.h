#pragma once
// The answers a scenario queues for the waits of the commands that follow, taken in order.

#include <deque>
#include <functional>
#include <initializer_list>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace korvel {

enum class AnswerKind {
    File,             // a path chosen in the file dialog, possibly with the read-only box ticked
    FileCancel,       // the file dialog cancelled
    Pick,             // a list entry of the open dialog
    Edit,             // the text of an edit field of the open dialog
    Ok,               // the open dialog's OK button
    Enter,            // Enter typed where a command reads a line
    MissingTemplate,  // the dialog template `id` is missing
};

struct Answer {
    AnswerKind kind = AnswerKind::Ok;
    std::string text;  // the path, the picked entry or the edit text
    int id = 0;        // the edit field or the template
    bool read_only = false;
    // The scenario line that queued it, for messages.
    int line = 0;
    std::string source;
};

// "line 4 "answer ok"", naming the answer in messages.
std::string describeAnswer(const Answer& answer);

class AnswerQueue {
public:
    void push(const Answer& answer);

    // The next answer, which must be of one of the kinds that `fits`. Fails, naming `wait` (as in
    // "the file dialog "Open" waits"), when none is queued or the next one is of another kind.
    Answer take(const std::string& wait, std::initializer_list<AnswerKind> fits);

    // The next answer when `accept` takes it; otherwise it stays queued.
    std::optional<Answer> takeIf(const std::function<bool(const Answer&)>& accept);

    // Answers never taken.
    std::vector<Answer> leftovers() const;

    // Makes up an answer of one of the kinds that fit whenever none is queued, as a random walk
    // answers; nothing means none.
    using Supplier = std::function<std::optional<Answer>(std::initializer_list<AnswerKind> fits)>;
    void setSupplier(Supplier supplier);

private:
    mutable std::mutex m_mutex;
    std::deque<Answer> m_answers;
    Supplier m_supplier;
};

}  // namespace korvel
