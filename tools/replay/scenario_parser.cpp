#include "tools/replay/scenario_parser.h"

#include <charconv>
#include <sstream>

namespace korvel {

namespace {

class ParseError {
public:
    explicit ParseError(std::string message) : m_message(std::move(message)) {}
    const std::string& message() const { return m_message; }

private:
    std::string m_message;
};

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A line without its comment: '#' first on the line, or after a blank outside double quotes.
std::string withoutComment(const std::string& line) {
    bool in_quotes = false;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"') in_quotes = !in_quotes;
        const bool starts_word = i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t';
        if (line[i] == '#' && !in_quotes && starts_word) return line.substr(0, i);
    }
    return line;
}

// Splits off the first word of `rest`; `rest` keeps what follows its separating blanks.
std::string firstWord(std::string& rest) {
    const size_t end = rest.find_first_of(" \t");
    std::string word = rest.substr(0, end);
    rest = end == std::string::npos ? std::string() : trimmed(rest.substr(end));
    return word;
}

// Blank-separated words; a word in double quotes may hold blanks.
std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> result;
    size_t pos = 0;
    while ((pos = text.find_first_not_of(" \t", pos)) != std::string::npos) {
        if (text[pos] == '"') {
            const size_t close = text.find('"', pos + 1);
            if (close == std::string::npos) throw ParseError("a quoted text has no closing quote");
            result.push_back(text.substr(pos + 1, close - pos - 1));
            pos = close + 1;
        } else {
            const size_t end = text.find_first_of(" \t", pos);
            result.push_back(text.substr(pos, end - pos));
            pos = end;
        }
    }
    return result;
}

// A text argument: the rest of the line, or what stands between its double quotes.
std::string textArgument(const std::string& rest) {
    if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"') return rest.substr(1, rest.size() - 2);
    return rest;
}

int integerArgument(const std::string& word, const char* what) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || word.empty())
        throw ParseError(std::string(what) + " must be a whole number, not \"" + word + '"');
    return value;
}

void expectNothingAfter(const std::string& command, const std::string& rest) {
    if (!rest.empty()) throw ParseError(command + " takes nothing after it");
}

Answer parseAnswer(std::string rest) {
    Answer answer;
    const std::string kind = firstWord(rest);
    if (kind == "file") {
        const std::vector<std::string> parts = words(rest);
        if (parts.size() == 1 && parts[0] == "cancel") {
            answer.kind = AnswerKind::FileCancel;
        } else if (parts.size() == 1 || (parts.size() == 2 && parts[1] == "readonly")) {
            answer.kind = AnswerKind::File;
            answer.text = parts[0];
            answer.read_only = parts.size() == 2;
        } else {
            throw ParseError("answer file takes a path, optionally followed by readonly, or cancel");
        }
    } else if (kind == "pick") {
        if (rest.empty()) throw ParseError("answer pick needs the text of a list entry");
        answer.kind = AnswerKind::Pick;
        answer.text = textArgument(rest);
    } else if (kind == "edit") {
        const std::string id = firstWord(rest);
        answer.kind = AnswerKind::Edit;
        answer.id = integerArgument(id, "the edit field id");
        answer.text = textArgument(rest);
    } else if (kind == "ok" || kind == "enter") {
        expectNothingAfter("answer " + kind, rest);
        answer.kind = kind == "ok" ? AnswerKind::Ok : AnswerKind::Enter;
    } else if (kind == "missing-template") {
        answer.kind = AnswerKind::MissingTemplate;
        answer.id = integerArgument(rest, "the template id");
    } else {
        throw ParseError("unknown answer \"" + kind + '"');
    }
    return answer;
}

// Reads the content lines of `file NAME` up to its `end` line.
std::string fileContent(std::istringstream& input, int& number, const std::string& name) {
    const int first = number;
    std::string content;
    std::string line;
    while (std::getline(input, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (trimmed(line) == "end") return content;
        content += line + '\n';
    }
    number = first;
    throw ParseError("file " + name + " has no end line");
}

ScenarioLine parseLine(const std::string& text, std::istringstream& input, int& number) {
    ScenarioLine line;
    line.number = number;
    line.text = text;
    std::string rest = text;
    const std::string command = firstWord(rest);
    if (command == "file") {
        const std::vector<std::string> parts = words(rest);
        if (parts.size() != 1) throw ParseError("file takes one file name");
        line.command = ScenarioCommand::File;
        line.name = parts[0];
        line.content = fileContent(input, number, line.name);
    } else if (command == "copy") {
        const std::vector<std::string> parts = words(rest);
        if (parts.size() != 2) throw ParseError("copy takes a path and a file name");
        line.command = ScenarioCommand::Copy;
        line.source = parts[0];
        line.name = parts[1];
    } else if (command == "move") {
        const std::vector<std::string> parts = words(rest);
        if (parts.size() != 2) throw ParseError("move takes two file names");
        line.command = ScenarioCommand::Move;
        line.source = parts[0];
        line.name = parts[1];
    } else if (command == "start" && rest == "quiet") {
        line.command = ScenarioCommand::Start;
        line.quiet = true;
    } else if (command == "start" || command == "enter" || command == "expect-exit") {
        expectNothingAfter(command, rest);
        line.command = command == "start"   ? ScenarioCommand::Start
                       : command == "enter" ? ScenarioCommand::Enter
                                            : ScenarioCommand::ExpectExit;
    } else if (command == "menu") {
        if (rest.empty()) throw ParseError("menu needs the text of a menu entry");
        line.command = ScenarioCommand::Menu;
        line.name = textArgument(rest);
    } else if (command == "answer") {
        line.command = ScenarioCommand::Answer;
        line.answer = parseAnswer(rest);
        line.answer.line = number;
        line.answer.source = text;
    } else {
        throw ParseError("unknown command \"" + command + '"');
    }
    return line;
}

}  // namespace

ParsedScenario parseScenario(const std::string& text) {
    ParsedScenario parsed;
    std::istringstream input(text);
    std::string raw;
    int number = 0;
    while (std::getline(input, raw)) {
        ++number;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        const std::string line = trimmed(withoutComment(raw));
        if (line.empty()) continue;
        const int first = number;
        try {
            parsed.scenario.lines.push_back(parseLine(line, input, number));
        } catch (const ParseError& error) {
            parsed.error = "line " + std::to_string(first) + " \"" + line + "\": " + error.message();
            return parsed;
        }
    }
    return parsed;
}

}  // namespace korvel
