#include "present/window/script/transcript.h"

#include "base/fixed_text.h"

namespace korvel {

namespace {

constexpr size_t SHORTEST_PADDING = 3;
constexpr const char* WORK_PLACEHOLDER = "$WORK";

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    if (from.empty()) return text;
    for (size_t pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos + to.size()))
        text.replace(pos, from.size(), to);
    return text;
}

}  // namespace

std::string shownText(const std::string& text) {
    const std::string before_zero = TEXT_BEFORE_ZERO(text);
    const std::string trimmed = TRIM_RIGHT(before_zero);
    return before_zero.size() - trimmed.size() >= SHORTEST_PADDING ? trimmed : before_zero;
}

Transcript::Transcript(std::ostream& echo) : m_echo(&echo) {}

void Transcript::record(const std::string& line) {
    const std::lock_guard lock(m_mutex);
    m_lines.push_back(line);
    if (m_echo != nullptr) *m_echo << line << '\n';
}

std::vector<std::string> Transcript::lines() const {
    const std::lock_guard lock(m_mutex);
    return m_lines;
}

void Transcript::setWorkingDirectory(const std::string& path) {
    const std::lock_guard lock(m_mutex);
    m_work_dir = path;
}

std::string Transcript::shown(const std::string& text) const {
    const std::lock_guard lock(m_mutex);
    return replaceAll(shownText(text), m_work_dir, WORK_PLACEHOLDER);
}

std::string Transcript::quoted(const std::string& text) const { return '"' + shown(text) + '"'; }

}  // namespace korvel
