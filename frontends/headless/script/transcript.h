#pragma once
// The transcript of a scripted run: one readable line per operation, in the order they happen.

#include <mutex>
#include <ostream>
#include <string>
#include <vector>

namespace korvel {

class Transcript {
public:
    Transcript() = default;
    // Each line is also written to `echo` as it is recorded, so a failed run shows how far it got.
    explicit Transcript(std::ostream& echo);

    // Dropped while the transcript is muted.
    void record(const std::string& line);
    // A muted transcript keeps and echoes nothing: the replay tool mutes the start-up that one
    // scenario checks for all.
    void setMuted(bool muted);
    std::vector<std::string> lines() const;
    // The lines from line `from` (counted from 0) on that begin with `start`.
    std::vector<std::string> linesStartingWith(const std::string& start, std::size_t from = 0) const;
    // The lines recorded so far, which are then forgotten: a long run keeps only the newest.
    std::vector<std::string> takeLines();

    // Texts naming the working directory show "$WORK" in its place, so that runs in different
    // temporary folders give the same transcript.
    void setWorkingDirectory(const std::string& path);

    // `text` as shown, in double quotes.
    std::string quoted(const std::string& text) const;
    // `text` as shown, without quotes.
    std::string shown(const std::string& text) const;

private:
    mutable std::mutex m_mutex;
    std::vector<std::string> m_lines;
    std::ostream* m_echo = nullptr;
    bool m_muted = false;
    std::string m_work_dir;
};

// A text as the user sees it: it ends at its first zero byte, and the blank padding of a
// fixed-length text is dropped. Literal texts end in at most two blanks, so a trailing run of
// three or more blanks is padding; shorter runs are kept.
std::string shownText(const std::string& text);

}  // namespace korvel
