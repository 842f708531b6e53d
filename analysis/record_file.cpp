#include "analysis/record_file.h"

#include "present/window/recording_observer.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <signal.h>
#include <unistd.h>

#include <cassert>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>

namespace korvel {

namespace {

// The file behind the working files of one name, and its mapping.
struct Storage {
    int descriptor = -1;
    void* mapping = nullptr;
    std::size_t capacity = 0;  // bytes allocated and mapped
    bool named = false;        // the working file exists
};

// The private directory of the run and the storage of every name in it.
struct Place {
    std::string temporary_directory;  // where the directory was made
    std::string directory;
    std::map<std::string, Storage> storages;
};

Place& place() {
    static Place the_place;
    return the_place;
}

std::string hiddenPath(const std::string& name) { return place().directory + "/." + name; }
std::string namedPath(const std::string& name) { return place().directory + "/" + name; }

// Removes every storage and the directory.
void clearPlace() {
    Place& p = place();
    for (auto& [name, storage] : p.storages) {
        if (storage.mapping != nullptr) ::munmap(storage.mapping, storage.capacity);
        ::close(storage.descriptor);
        ::unlink((storage.named ? namedPath(name) : hiddenPath(name)).c_str());
    }
    p.storages.clear();
    if (!p.directory.empty()) ::rmdir(p.directory.c_str());
    p.directory.clear();
    p.temporary_directory.clear();
}

const std::string PLACE_STEM = "korvel-";

// The process whose place a directory of the temporary directory is: "korvel-", its id, "-"
// and the unique part; 0 for any other name.
pid_t ownerOf(const std::string& name) {
    if (name.rfind(PLACE_STEM, 0) != 0) return 0;
    const size_t end = name.find('-', PLACE_STEM.size());
    if (end == std::string::npos || end == PLACE_STEM.size()) return 0;
    pid_t owner = 0;
    for (size_t i = PLACE_STEM.size(); i < end; ++i) {
        if (name[i] < '0' || name[i] > '9') return 0;
        owner = owner * 10 + (name[i] - '0');
    }
    return owner;
}

// Places of earlier runs that ended without removing theirs (killed, or ended at once): ours
// by owner and name, and their process gone. As with the stray files of start-up, what an
// earlier run left is removed by the next.
void removeAbandonedPlaces(const std::string& temporary_directory) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(temporary_directory, error)) {
        const pid_t owner = ownerOf(entry.path().filename().string());
        struct stat status {};
        if (owner <= 0 || owner == ::getpid() || ::lstat(entry.path().c_str(), &status) != 0) continue;
        if (!S_ISDIR(status.st_mode) || status.st_uid != ::geteuid()) continue;
        if (::kill(owner, 0) == 0 || errno != ESRCH) continue;
        for (const auto& file : std::filesystem::directory_iterator(entry.path(), error))
            if (file.is_regular_file(error) && !file.is_symlink(error)) ::unlink(file.path().c_str());
        ::rmdir(entry.path().c_str());
    }
}

// The directory in the temporary directory as it is now named; one made under another is
// given up once none of its working files exists, so working files are found where the
// temporary directory now is.
bool preparePlace() {
    std::error_code error;
    const std::string temporary_directory = std::filesystem::temp_directory_path(error).string();
    if (error) return false;
    Place& p = place();
    if (!p.directory.empty() && p.temporary_directory == temporary_directory) return true;
    for (const auto& [name, storage] : p.storages)
        if (storage.named) return true;
    clearPlace();
    removeAbandonedPlaces(temporary_directory);
    std::string pattern =
        (std::filesystem::path(temporary_directory) / (PLACE_STEM + std::to_string(::getpid()) + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) return false;
    p.directory = pattern;
    p.temporary_directory = temporary_directory;
    static const bool cleared_at_exit = std::atexit(clearPlace) == 0 && std::at_quick_exit(clearPlace) == 0;
    return cleared_at_exit;
}

// At least `size` bytes, allocated and mapped, every one zero.
RecordFileStatus prepareStorage(const std::string& name, Storage& storage, std::size_t size) {
    if (storage.descriptor < 0) {
        storage.descriptor = ::open(hiddenPath(name).c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (storage.descriptor < 0) return RecordFileStatus::NotCreated;
    }
    if (size > storage.capacity) {
        if (storage.mapping != nullptr) ::munmap(storage.mapping, storage.capacity);
        storage.mapping = nullptr;
        storage.capacity = 0;
        if (::posix_fallocate(storage.descriptor, 0, static_cast<off_t>(size)) != 0) return RecordFileStatus::NotWritten;
        void* mapping = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, storage.descriptor, 0);
        if (mapping == MAP_FAILED) return RecordFileStatus::NotWritten;
        storage.mapping = mapping;
        storage.capacity = size;
    }
    std::memset(storage.mapping, 0, size);
    return RecordFileStatus::Made;
}

}  // namespace

RecordFileStatus OPEN_RECORD_FILE(RECORD_FILE& file, const std::string& name, std::size_t record_length,
                                  int record_count) {
    assert(file.mapping == nullptr && record_length > 0 && record_count > 0);
    file = RECORD_FILE{name, record_length, record_count, nullptr};
    if (!preparePlace()) return RecordFileStatus::NotCreated;
    Storage& storage = place().storages[name];
    assert(!storage.named && "one working file of a name at a time");
    const RecordFileStatus prepared = prepareStorage(name, storage, record_length * static_cast<std::size_t>(record_count));
    if (prepared != RecordFileStatus::Made) return prepared;
    if (::rename(hiddenPath(name).c_str(), namedPath(name).c_str()) != 0) return RecordFileStatus::NotCreated;
    storage.named = true;
    file.mapping = storage.mapping;
    TELL_FILE_CREATED(name);
    return RecordFileStatus::Made;
}

void* RECORD_AT(RECORD_FILE& file, int record) {
    assert(file.mapping != nullptr && record >= 1 && record <= file.record_count);
    return static_cast<std::byte*>(file.mapping) + static_cast<std::size_t>(record - 1) * file.record_length;
}

void WRITE_RECORD(RECORD_FILE& file, int record, const void* values) {
    std::memcpy(RECORD_AT(file, record), values, file.record_length);
}

void READ_RECORD(RECORD_FILE& file, int record, void* values) {
    std::memcpy(values, RECORD_AT(file, record), file.record_length);
}

void DELETE_RECORD_FILE(RECORD_FILE& file) {
    if (file.mapping == nullptr) return;
    ::rename(namedPath(file.name).c_str(), hiddenPath(file.name).c_str());
    place().storages[file.name].named = false;
    file.mapping = nullptr;
    TELL_FILE_DELETED(file.name);
}

}  // namespace korvel
