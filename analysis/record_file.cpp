#include "analysis/record_file.h"

#include "present/window/window_layer.h"

#include <fcntl.h>
#include <unistd.h>

#include <cassert>
#include <filesystem>

namespace korvel {

namespace {

off_t recordOffset(const RECORD_FILE& file, int record) {
    assert(record >= 1);
    return static_cast<off_t>(record - 1) * static_cast<off_t>(file.record_length);
}

// A private directory: made with a unique name, readable and writable by its owner only.
bool makePrivateDirectory(RECORD_FILE& file) {
    std::error_code error;
    const std::filesystem::path temp = std::filesystem::temp_directory_path(error);
    if (error) return false;
    std::string pattern = (temp / "korvel-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return false;
    file.directory = pattern;
    return true;
}

std::string filePath(const RECORD_FILE& file) { return file.directory + "/" + file.name; }

}  // namespace

bool OPEN_RECORD_FILE(RECORD_FILE& file, const std::string& name, std::size_t record_length) {
    assert(file.descriptor < 0 && record_length > 0);
    file = RECORD_FILE{name, {}, -1, record_length, false};
    if (makePrivateDirectory(file))
        file.descriptor = ::open(filePath(file).c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (file.descriptor < 0) {
        if (!file.directory.empty()) ::rmdir(file.directory.c_str());
        file.directory.clear();
        file.failed = true;
        return false;
    }
    LAYER().fileCreated(name);
    return true;
}

bool WRITE_RECORD(RECORD_FILE& file, int record, const void* values) {
    if (file.failed) return false;
    const ssize_t written = ::pwrite(file.descriptor, values, file.record_length, recordOffset(file, record));
    file.failed = written != static_cast<ssize_t>(file.record_length);
    return !file.failed;
}

bool READ_RECORD(RECORD_FILE& file, int record, void* values) {
    if (file.failed) return false;
    const ssize_t read = ::pread(file.descriptor, values, file.record_length, recordOffset(file, record));
    file.failed = read != static_cast<ssize_t>(file.record_length);
    return !file.failed;
}

void DELETE_RECORD_FILE(RECORD_FILE& file) {
    if (file.descriptor < 0) return;
    ::close(file.descriptor);
    file.descriptor = -1;
    if (::unlink(filePath(file).c_str()) == 0) LAYER().fileDeleted(file.name);
    ::rmdir(file.directory.c_str());
    file.directory.clear();
}

}  // namespace korvel
