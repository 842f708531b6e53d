#include "tools/walk/random_user.h"

#include "base/fixed_text.h"

#include <algorithm>

namespace korvel {

namespace {

// After this many answers in one dialog the user presses OK, so no dialog keeps the walk.
constexpr int PATIENCE = 12;

const std::vector<std::string> EDIT_TEXTS = {"1", "2", "3", "0", "-1", "12", "99", "2.5", "1e40", "abc", "", "   7"};

std::string quotedArgument(const std::string& text) { return '"' + text + '"'; }

}  // namespace

RandomUser::RandomUser(std::vector<std::string> files, Log log) : m_log(std::move(log)) {
    for (std::string& file : files)
        (file.find("/examples/") != std::string::npos ? m_examples : m_bad_files).push_back(std::move(file));
    answers().setSupplier([this](std::initializer_list<AnswerKind> fits) { return answer(fits); });
}

const std::string& RandomUser::anyFile() {
    return chance(0.5) || m_bad_files.empty() ? oneOf(m_examples) : oneOf(m_bad_files);
}

bool RandomUser::dialogInit(int template_id, DIALOG& dialog) {
    const bool made = ScriptedWindowLayer::dialogInit(template_id, dialog);
    m_dialog = made ? FIND_DIALOG_TEMPLATE(template_id) : nullptr;
    m_lists.clear();
    m_answers_in_dialog = 0;
    return made;
}

void RandomUser::dialogSetText(DIALOG& dialog, int control, const std::string& text, int index) {
    ScriptedWindowLayer::dialogSetText(dialog, control, text, index);
    if (m_dialog == nullptr || index < 1) return;
    for (const DialogControl& c : m_dialog->controls) {
        if (c.id != control || c.kind != ControlKind::ListBox) continue;
        std::vector<std::string>& entries = m_lists[control];
        entries.resize(std::max(entries.size(), static_cast<size_t>(index)));
        entries[static_cast<size_t>(index - 1)] = text;
    }
}

void RandomUser::dialogUninit(DIALOG& dialog) {
    ScriptedWindowLayer::dialogUninit(dialog);
    m_dialog = nullptr;
    m_lists.clear();
}

std::optional<Answer> RandomUser::answer(std::initializer_list<AnswerKind> fits) {
    Answer made;
    if (std::find(fits.begin(), fits.end(), AnswerKind::File) != fits.end()) made = fileAnswer();
    else if (std::find(fits.begin(), fits.end(), AnswerKind::Ok) != fits.end()) made = dialogAnswer();
    else if (std::find(fits.begin(), fits.end(), AnswerKind::Enter) != fits.end()) {
        made.kind = AnswerKind::Enter;
        m_log("answer enter");
    } else {
        return std::nullopt;
    }
    return made;
}

Answer RandomUser::fileAnswer() {
    Answer made;
    if (chance(0.15)) {
        made.kind = AnswerKind::FileCancel;
        m_log("answer file cancel");
        return made;
    }
    made.kind = AnswerKind::File;
    made.text = anyFile();
    made.read_only = chance(0.1);
    m_log("answer file " + made.text + (made.read_only ? " readonly" : ""));
    return made;
}

// A pick of an entry that names one entry only, an edit of an edit field, or OK.
Answer RandomUser::dialogAnswer() {
    Answer made;
    std::vector<std::string> picks;
    std::vector<int> edits;
    if (m_dialog != nullptr) {
        for (const DialogControl& c : m_dialog->controls)
            if (c.kind == ControlKind::EditField && c.id > 0) edits.push_back(c.id);
        std::vector<std::string> all;
        for (const auto& [control, entries] : m_lists)
            for (const std::string& entry : entries) all.push_back(TRIM_RIGHT(entry));
        for (const std::string& entry : all)
            if (!entry.empty() && std::count(all.begin(), all.end(), entry) == 1) picks.push_back(entry);
    }
    const int choice = std::uniform_int_distribution<int>(0, 9)(m_generator);
    if (++m_answers_in_dialog < PATIENCE && choice < 5 && !picks.empty()) {
        made.kind = AnswerKind::Pick;
        made.text = oneOf(picks);
        m_log("answer pick " + quotedArgument(made.text));
    } else if (m_answers_in_dialog < PATIENCE && choice < 7 && !edits.empty()) {
        made.kind = AnswerKind::Edit;
        made.id = oneOf(edits);
        made.text = oneOf(EDIT_TEXTS);
        m_log("answer edit " + std::to_string(made.id) + ' ' + quotedArgument(made.text));
    } else {
        made.kind = AnswerKind::Ok;
        m_log("answer ok");
    }
    return made;
}

}  // namespace korvel
