// An organisation of 100,000 persons over 10 years, one row per person per year (a million
// rows), read, counted and written as a data file. The peak memory of the process is shown
// beside the time: it grows with the persons, not with the file.

#include "records/model_from_records.h"

#include <benchmark/benchmark.h>

#include <stdlib.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace {

using namespace korvel;
namespace fs = std::filesystem;

constexpr int PERSONS = 100000;
constexpr int FIRST_YEAR = 2015;
constexpr int YEARS = 10;
constexpr int GRADES = 20;

// As an HR system exports it: semicolons, a quoted name that holds the separator, a column the
// count ignores. Each year a person stays in their grade, moves up one, or leaves and is
// replaced by a newcomer in the lowest grades.
void writeRecords(const fs::path& path) {
    std::mt19937 random(25);
    std::ofstream file(path, std::ios::binary);
    file << "Employee;Name;Year;Grade;Office\r\n";
    std::vector<int> grade(PERSONS);
    std::vector<int> id(PERSONS);
    int next_id = 0;
    for (int p = 0; p < PERSONS; ++p) {
        grade[p] = static_cast<int>(random() % GRADES);
        id[p] = next_id++;
    }
    for (int year = FIRST_YEAR; year < FIRST_YEAR + YEARS; ++year) {
        for (int p = 0; p < PERSONS; ++p) {
            file << "E" << id[p] << ";\"Person " << id[p] << "; staff\";" << year << ";Grade " << grade[p] << ";Office " << p % 40 << "\r\n";
            const unsigned draw = random() % 100;
            if (draw < 8) {
                id[p] = next_id++;
                grade[p] = static_cast<int>(random() % 3);
            } else if (draw < 18 && grade[p] + 1 < GRADES) {
                ++grade[p];
            }
        }
    }
}

long peakMegabytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

void BM_ModelFromRecords(benchmark::State& state) {
    std::string pattern = (fs::temp_directory_path() / "korvel-records-bench-XXXXXX").string();
    const fs::path folder = ::mkdtemp(pattern.data());
    const fs::path records = folder / "records.csv";
    writeRecords(records);
    const long before = peakMegabytes();
    for (auto _ : state) {
        std::FILE* file = std::fopen(records.c_str(), "rb");
        ModelFromRecords result;
        if (const auto error = MODEL_FROM_RECORDS(file, {}, {10, RecruitsRule::Mean, "records.csv"}, result))
            state.SkipWithError(error->text.c_str());
        std::fclose(file);
        state.counters["persons"] = static_cast<double>(result.snapshots.persons);
    }
    state.counters["file_MB"] = static_cast<double>(fs::file_size(records)) / (1024 * 1024);
    state.counters["peak_MB_before"] = static_cast<double>(before);
    state.counters["peak_MB_after"] = static_cast<double>(peakMegabytes());
    fs::remove_all(folder);
}
BENCHMARK(BM_ModelFromRecords)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
