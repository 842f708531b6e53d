#pragma once
// What the user of a report run answers: the report decides it, and hands it to the report
// layer, which acts on it as the user would.

#include "present/window/window_records.h"

#include <optional>
#include <string>
#include <vector>

namespace korvel {

// A list entry picked by its text, or a text typed into an edit field.
struct DialogAnswer {
    enum class Kind { Pick, Type };
    Kind kind = Kind::Pick;
    std::string text;
    int field = 0;  // the edit field typed into
};

class ReportAnswers {
public:
    virtual ~ReportAnswers() = default;
    // The path picked in the file dialog; nothing cancels it.
    virtual std::optional<std::string> chosenFile(const FILE_DIALOG_REQUEST& request) = 0;
    // What is picked and typed, in order, in dialog `template_id`, whose lists hold `entries`,
    // before its OK button is pressed.
    virtual std::vector<DialogAnswer> dialogAnswers(int template_id, const std::vector<std::string>& entries) = 0;
};

}  // namespace korvel
