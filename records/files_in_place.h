#pragma once
// Files written whole under temporary names beside their targets, then put in place, so no
// half-written file is ever left under a target's name.

#include <filesystem>
#include <string>
#include <vector>

namespace korvel {

struct FileText {
    std::filesystem::path target;
    std::string text;
};

// Writes every file and puts each in its place. An existing target is replaced only when
// `replace` is true; without it, the files put in place before a failure are taken away again.
// False (and `error` says why) when a file could not be written or put in place.
bool WRITE_FILES_IN_PLACE(const std::vector<FileText>& files, bool replace, std::string& error);

}  // namespace korvel
