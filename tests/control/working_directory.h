#pragma once
// A fresh working directory for one test, made current, with a temporary directory of its own
// beneath it, so that what the program leaves behind in either can be seen.

#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace korvel {

class WorkingDirectory {
public:
    WorkingDirectory() : m_previous(std::filesystem::current_path()) {
        std::string pattern = ::testing::TempDir() + "control-work-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "no working directory";
        m_path = pattern;
        std::filesystem::create_directory(m_path / ".tmp");
        m_old_tmpdir = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
        ::setenv("TMPDIR", (m_path / ".tmp").c_str(), 1);
        std::filesystem::current_path(m_path);
    }
    ~WorkingDirectory() {
        std::filesystem::current_path(m_previous);
        if (m_old_tmpdir.empty()) ::unsetenv("TMPDIR");
        else ::setenv("TMPDIR", m_old_tmpdir.c_str(), 1);
        std::filesystem::remove_all(m_path);
    }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    void write(const std::string& name, const std::string& text) const { std::ofstream(m_path / name) << text; }

    // The working directory holds exactly these files, and no working file is left in the
    // temporary directory: between two runs their contents wait there under hidden names.
    bool holdsOnly(const std::set<std::string>& names) const {
        std::set<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(m_path))
            if (entry.path().filename() != ".tmp") found.insert(entry.path().filename().string());
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_path / ".tmp"))
            if (entry.is_regular_file() && entry.path().filename().string().front() != '.') return false;
        return found == names;
    }

private:
    std::filesystem::path m_previous;
    std::filesystem::path m_path;
    std::string m_old_tmpdir;
};

}  // namespace korvel
