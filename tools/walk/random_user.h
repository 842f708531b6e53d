#pragma once
// The scripted layer answering every wait as a random user would: a file from the pool or a
// cancel in the file dialog; a list pick, an edit or OK in a dialog; Enter where a line is read.
// Each answer is drawn from the generator of the current step and logged as the scenario line
// that gives it.

#include "frontends/headless/script/scripted_window_layer.h"
#include "resources/dialog_templates.h"

#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace korvel {

class RandomUser : public ScriptedWindowLayer {
public:
    using Log = std::function<void(const std::string& scenario_line)>;
    RandomUser(std::vector<std::string> files, Log log);

    std::mt19937_64& generator() { return m_generator; }
    // A file of the pool: the good examples as often as all the bad files together.
    const std::string& anyFile();

    bool dialogInit(int template_id, DIALOG& dialog) override;
    void dialogSetText(DIALOG& dialog, int control, const std::string& text, int index) override;
    void dialogUninit(DIALOG& dialog) override;

private:
    std::optional<Answer> answer(std::initializer_list<AnswerKind> fits);
    Answer fileAnswer();
    Answer dialogAnswer();
    bool chance(double p) { return std::bernoulli_distribution(p)(m_generator); }
    template <typename T>
    const T& oneOf(const std::vector<T>& items) {
        return items[std::uniform_int_distribution<size_t>(0, items.size() - 1)(m_generator)];
    }

    std::vector<std::string> m_examples;
    std::vector<std::string> m_bad_files;
    Log m_log;
    std::mt19937_64 m_generator;
    const DialogTemplate* m_dialog = nullptr;
    std::map<int, std::vector<std::string>> m_lists;  // list control -> entries
    int m_answers_in_dialog = 0;
};

}  // namespace korvel
