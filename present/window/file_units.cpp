#include "present/window/file_units.h"

#include "present/window/recording_observer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>

namespace korvel {

namespace {

struct OpenUnit {
    std::FILE* file = nullptr;
    std::string path;
    UnitAccess access = UnitAccess::ReadOnly;
};

std::map<int, OpenUnit>& units() {
    static std::map<int, OpenUnit> open_units;
    return open_units;
}

// Opens for reading and writing, creating the file when missing; a link is never followed,
// so a working file cannot be redirected onto another file.
std::FILE* openOrCreate(const std::string& path, bool& created) {
    created = false;
    int fd = ::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        created = fd >= 0;
    }
    if (fd < 0) return nullptr;
    std::FILE* file = ::fdopen(fd, "r+");
    if (file == nullptr) ::close(fd);
    return file;
}

}  // namespace

bool FILE_EXISTS(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool OPEN_UNIT(int unit, const std::string& path, UnitAccess access) {
    CLOSE_UNIT(unit);
    bool created = false;
    std::FILE* file = access == UnitAccess::ReadOnly ? std::fopen(path.c_str(), "r") : openOrCreate(path, created);
    if (file == nullptr) return false;
    units()[unit] = OpenUnit{file, path, access};
    if (created) TELL_FILE_CREATED(path);
    return true;
}

bool UNIT_IS_OPEN(int unit) { return units().count(unit) != 0; }

void CLOSE_UNIT(int unit, bool delete_file) {
    auto found = units().find(unit);
    if (found == units().end()) return;
    std::fclose(found->second.file);
    if (delete_file && ::unlink(found->second.path.c_str()) == 0) TELL_FILE_DELETED(found->second.path);
    units().erase(found);
}

bool REOPEN_UNIT(int unit) {
    auto found = units().find(unit);
    if (found == units().end()) return false;
    const OpenUnit unit_was = found->second;
    CLOSE_UNIT(unit);
    return OPEN_UNIT(unit, unit_was.path, unit_was.access);
}

void REWIND_UNIT(int unit) {
    if (std::FILE* file = UNIT_FILE(unit)) std::rewind(file);
}

std::FILE* UNIT_FILE(int unit) {
    auto found = units().find(unit);
    return found == units().end() ? nullptr : found->second.file;
}

}  // namespace korvel
