#pragma once
// What must hold after every step of the random walk. Each check returns what it found wrong,
// one text per finding; none when all is well.

#include <filesystem>
#include <string>
#include <vector>

namespace korvel {

// Transcript lines that show a value that is not finite: a table cell or a graph point.
std::vector<std::string> NON_FINITE_SHOWN(const std::vector<std::string>& lines);

// Transcript lines where the eigen-solver stops the program (a FATAL or TERMINAL message).
std::vector<std::string> SOLVER_STOPS(const std::vector<std::string>& lines);

// Working files left in the working directory, and anything left in the private temporary
// directory where the direct-access working files are made.
std::vector<std::string> WORKING_FILES_LEFT(const std::filesystem::path& work_dir,
                                            const std::filesystem::path& temp_dir);

// Model flags that contradict each other or the data they stand for.
std::vector<std::string> INCONSISTENT_MODEL();

}  // namespace korvel
