#pragma once
// The report's folder: written whole in a temporary folder beside it, then put in its place in
// one rename, so no half-written report is ever left under its name.

#include <filesystem>
#include <string>

namespace korvel {

class ReportFolder {
public:
    // Makes the temporary folder beside `target`; ready() tells whether it could.
    explicit ReportFolder(std::filesystem::path target);
    // Removes the temporary folder unless it was put in place.
    ~ReportFolder();
    ReportFolder(const ReportFolder&) = delete;
    ReportFolder& operator=(const ReportFolder&) = delete;

    bool ready() const { return !m_temporary.empty(); }
    const std::filesystem::path& temporary() const { return m_temporary; }

    // Puts the temporary folder in the target's place. A target that exists is replaced when
    // `replace` is true: the two are exchanged in one step where the filesystem can, and the old
    // one removed. False (and `error` says why) when it cannot be done.
    bool putInPlace(bool replace, std::string& error);

private:
    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
};

}  // namespace korvel
