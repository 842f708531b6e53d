#include "frontends/headless/script/answer_queue.h"

#include "frontends/headless/script/script_failure.h"

#include <algorithm>

namespace korvel {

std::string describeAnswer(const Answer& answer) {
    return "line " + std::to_string(answer.line) + " \"" + answer.source + '"';
}

void AnswerQueue::push(const Answer& answer) {
    const std::lock_guard lock(m_mutex);
    m_answers.push_back(answer);
}

Answer AnswerQueue::take(const std::string& wait, std::initializer_list<AnswerKind> fits) {
    const std::lock_guard lock(m_mutex);
    if (m_answers.empty() && m_supplier)
        if (std::optional<Answer> made = m_supplier(fits)) m_answers.push_back(*made);
    if (m_answers.empty()) throw ScriptFailure(wait + " waits for an answer, but none is queued");
    const Answer next = m_answers.front();
    if (std::find(fits.begin(), fits.end(), next.kind) == fits.end())
        throw ScriptFailure(wait + " waits for an answer, but the next one is " + describeAnswer(next) +
                            ", which does not answer it");
    m_answers.pop_front();
    return next;
}

std::optional<Answer> AnswerQueue::takeIf(const std::function<bool(const Answer&)>& accept) {
    const std::lock_guard lock(m_mutex);
    if (m_answers.empty() || !accept(m_answers.front())) return std::nullopt;
    const Answer next = m_answers.front();
    m_answers.pop_front();
    return next;
}

void AnswerQueue::setSupplier(Supplier supplier) {
    const std::lock_guard lock(m_mutex);
    m_supplier = std::move(supplier);
}

std::vector<Answer> AnswerQueue::leftovers() const {
    const std::lock_guard lock(m_mutex);
    return {m_answers.begin(), m_answers.end()};
}

}  // namespace korvel
