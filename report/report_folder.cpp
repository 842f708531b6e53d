#include "report/report_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <stdio.h>
#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace korvel {

namespace fs = std::filesystem;

ReportFolder::ReportFolder(fs::path target) : m_target(std::move(target)) {
    std::error_code error;
    m_target = fs::absolute(m_target, error);
    if (error) return;
    std::string pattern = (m_target.parent_path() / ("." + m_target.filename().string() + ".partial-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) return;
    m_temporary = pattern;
    // mkdtemp makes it private; the report is a folder like any other the user makes.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::chmod(m_temporary.c_str(), 0777 & ~mask) != 0) m_temporary.clear();
}

ReportFolder::~ReportFolder() {
    std::error_code error;
    if (!m_temporary.empty()) fs::remove_all(m_temporary, error);
}

bool ReportFolder::putInPlace(bool replace, std::string& error) {
    std::error_code exists_error;
    const bool exists = fs::symlink_status(m_target, exists_error).type() != fs::file_type::not_found;
    if (exists && !replace) {
        error = m_target.string() + " already exists";
        return false;
    }
    if (!exists) {
        // rename() refuses to go over a folder that appeared meanwhile and is not empty.
        if (::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
            error = "cannot rename the report into " + m_target.string() + ": " + std::strerror(errno);
            return false;
        }
        m_temporary.clear();
        return true;
    }
    // One step: the new report and the old change places; the old is then where the new was.
    if (::renameat2(AT_FDCWD, m_temporary.c_str(), AT_FDCWD, m_target.c_str(), RENAME_EXCHANGE) == 0) return true;
    // Without that, the old one steps aside first.
    std::string aside = (m_target.parent_path() / ("." + m_target.filename().string() + ".old-XXXXXX")).string();
    if (::mkdtemp(aside.data()) == nullptr || ::rename(m_target.c_str(), aside.c_str()) != 0) {
        error = "cannot move the old " + m_target.string() + " aside: " + std::strerror(errno);
        return false;
    }
    if (::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        error = "cannot rename the report into " + m_target.string() + ": " + std::strerror(errno);
        ::rename(aside.c_str(), m_target.c_str());
        return false;
    }
    m_temporary = aside;
    return true;
}

}  // namespace korvel
