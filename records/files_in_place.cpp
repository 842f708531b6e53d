#include "records/files_in_place.h"

#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace korvel {

namespace fs = std::filesystem;

namespace {

// A temporary file beside its target, removed unless it was put in place.
class TemporaryFile {
public:
    explicit TemporaryFile(const fs::path& target) {
        std::string pattern = (target.parent_path() / ("." + target.filename().string() + ".partial-XXXXXX")).string();
        m_descriptor = ::mkstemp(pattern.data());
        if (m_descriptor >= 0) m_path = pattern;
    }
    ~TemporaryFile() {
        if (m_descriptor >= 0) ::close(m_descriptor);
        if (!m_path.empty()) ::unlink(m_path.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool write(const std::string& text) {
        for (size_t done = 0; done < text.size();) {
            const ssize_t written = ::write(m_descriptor, text.data() + done, text.size() - done);
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) return false;
            done += static_cast<size_t>(written);
        }
        const bool closed = ::close(m_descriptor) == 0;
        m_descriptor = -1;
        return closed;
    }
    // rename() replaces the target; link() refuses one that exists, even one that appeared
    // after the command line was checked.
    bool putInPlace(const fs::path& target, bool replace) {
        if (replace ? ::rename(m_path.c_str(), target.c_str()) != 0 : ::link(m_path.c_str(), target.c_str()) != 0) return false;
        if (!replace) ::unlink(m_path.c_str());
        m_path.clear();
        return true;
    }
    bool ready() const { return m_descriptor >= 0; }

private:
    int m_descriptor = -1;
    std::string m_path;
};

}  // namespace

bool WRITE_FILES_IN_PLACE(const std::vector<FileText>& files, bool replace, std::string& error) {
    std::vector<std::unique_ptr<TemporaryFile>> temporaries;
    for (const FileText& file : files) {
        const fs::path target = fs::absolute(file.target);
        temporaries.push_back(std::make_unique<TemporaryFile>(target));
        if (!temporaries.back()->ready() || !temporaries.back()->write(file.text)) {
            error = "cannot write " + file.target.string() + ": " + std::strerror(errno);
            return false;
        }
    }
    for (size_t k = 0; k < files.size(); ++k) {
        if (temporaries[k]->putInPlace(fs::absolute(files[k].target), replace)) continue;
        error = "cannot put " + files[k].target.string() + " in place: " + std::strerror(errno);
        if (!replace)
            for (size_t placed = 0; placed < k; ++placed) ::unlink(fs::absolute(files[placed].target).c_str());
        return false;
    }
    return true;
}

}  // namespace korvel
