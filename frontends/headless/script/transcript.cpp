#include "frontends/headless/script/transcript.h"

#include "base/fixed_text.h"
#include "base/replace_all.h"

#include <utility>

namespace korvel {

namespace {

constexpr size_t SHORTEST_PADDING = 3;
constexpr const char* WORK_PLACEHOLDER = "$WORK";

}  // namespace

std::string shownText(const std::string& text) {
    const std::string before_zero = TEXT_BEFORE_ZERO(text);
    const std::string trimmed = TRIM_RIGHT(before_zero);
    return before_zero.size() - trimmed.size() >= SHORTEST_PADDING ? trimmed : before_zero;
}

Transcript::Transcript(std::ostream& echo) : m_echo(&echo) {}

void Transcript::record(const std::string& line) {
    const std::lock_guard lock(m_mutex);
    if (m_muted) return;
    m_lines.push_back(line);
    if (m_echo != nullptr) *m_echo << line << '\n';
}

void Transcript::setMuted(bool muted) {
    const std::lock_guard lock(m_mutex);
    m_muted = muted;
}

std::vector<std::string> Transcript::lines() const {
    const std::lock_guard lock(m_mutex);
    return m_lines;
}

std::vector<std::string> Transcript::linesStartingWith(const std::string& start, std::size_t from) const {
    const std::lock_guard lock(m_mutex);
    std::vector<std::string> found;
    for (std::size_t k = from; k < m_lines.size(); ++k)
        if (m_lines[k].rfind(start, 0) == 0) found.push_back(m_lines[k]);
    return found;
}

std::vector<std::string> Transcript::takeLines() {
    const std::lock_guard lock(m_mutex);
    return std::exchange(m_lines, {});
}

void Transcript::setWorkingDirectory(const std::string& path) {
    const std::lock_guard lock(m_mutex);
    m_work_dir = path;
}

std::string Transcript::shown(const std::string& text) const {
    const std::lock_guard lock(m_mutex);
    return REPLACE_ALL(shownText(text), m_work_dir, WORK_PLACEHOLDER);
}

std::string Transcript::quoted(const std::string& text) const { return '"' + shown(text) + '"'; }

}  // namespace korvel
