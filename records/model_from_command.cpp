#include "records/model_from_command.h"

#include "base/fixed_text.h"
#include "records/files_in_place.h"
#include "records/model_from_records.h"
#include "records/records_summary.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>

namespace korvel {

const char* const MODEL_FROM_USAGE =
    "Usage: korvel --model-from RECORDS.csv --out MODEL.d [--stages \"A,B,C\"]\n"
    "              [--columns ID,PERIOD,STAGE] [--periods FROM:TO] [--horizon T]\n"
    "              [--recruits mean|last] [--force] [--quiet]\n"
    "Count the flows between stages in personnel records (a CSV file, one row per person per\n"
    "period) and write them as the data file MODEL.d, with the stage names in MODEL.names.csv.\n"
    "\n"
    "      --model-from RECORDS.csv  the records; columns id (person, employee), period (year)\n"
    "                                and stage (grade, rank), in any case, comma or semicolon\n"
    "      --out MODEL.d             the data file to write\n"
    "      --stages \"A,B,C\"          the stages in this order (default: as they first appear in\n"
    "                                the earliest snapshot, then the others as they appear)\n"
    "      --columns ID,PERIOD,STAGE the names of the three columns\n"
    "      --periods FROM:TO         keep these periods only (whole numbers or YYYY-MM-DD)\n"
    "      --horizon T               the periods to project, 1 to 198 (default 10)\n"
    "      --recruits mean|last      the recruitment of each stage: the mean per transition\n"
    "                                (the default) or the last transition's\n"
    "      --force                   replace MODEL.d and MODEL.names.csv when they exist\n"
    "      --quiet                   no summary on standard error\n"
    "\n"
    "Exit status: 0 both files were written; 1 they could not be written; 2 a wrong command\n"
    "line, records that cannot be opened or give no model, or MODEL.d exists without --force.\n";

namespace {

namespace fs = std::filesystem;

struct CommandLine {
    std::string records;
    std::string out;
    std::string stages;
    std::string columns;
    std::string periods;
    std::string horizon = "10";
    std::string recruits = "mean";
    bool force = false;
    bool quiet = false;
};

struct ValueOption {
    const char* name;
    std::string CommandLine::*value;
};
constexpr ValueOption VALUE_OPTIONS[] = {
    {"--model-from", &CommandLine::records}, {"--out", &CommandLine::out},         {"--stages", &CommandLine::stages},
    {"--columns", &CommandLine::columns},    {"--periods", &CommandLine::periods}, {"--horizon", &CommandLine::horizon},
    {"--recruits", &CommandLine::recruits},
};

struct FlagOption {
    const char* name;
    bool CommandLine::*flag;
};
constexpr FlagOption FLAG_OPTIONS[] = {{"--force", &CommandLine::force}, {"--quiet", &CommandLine::quiet}};

// Everything the command needs, checked.
struct Settings {
    fs::path records;
    fs::path out;
    RecordsRequest request;
    DataFileNotes notes;
    bool force = false;
    bool quiet = false;
};

// Says what is wrong with the command line and gives nothing.
template <typename T>
std::optional<T> refuse(const std::string& text) {
    std::fprintf(stderr, "korvel: %s\n", text.c_str());
    return std::nullopt;
}

// `--name VALUE` or `--name=VALUE` at argv[k], for each option of the tables; moves k past what
// it took.
std::optional<CommandLine> parseCommandLine(int argc, char* argv[]) {
    CommandLine line;
    for (int k = 1; k < argc; ++k) {
        const std::string argument = argv[k];
        const auto flag = std::find_if(std::begin(FLAG_OPTIONS), std::end(FLAG_OPTIONS), [&](const FlagOption& o) { return argument == o.name; });
        if (flag != std::end(FLAG_OPTIONS)) {
            line.*flag->flag = true;
            continue;
        }
        const auto option = std::find_if(std::begin(VALUE_OPTIONS), std::end(VALUE_OPTIONS), [&](const ValueOption& o) {
            return argument == o.name || argument.starts_with(std::string(o.name) + "=");
        });
        if (option == std::end(VALUE_OPTIONS)) return refuse<CommandLine>("unknown option " + argument);
        if (argument == option->name && k + 1 >= argc) return refuse<CommandLine>(argument + " needs a value");
        line.*option->value = argument == option->name ? argv[++k] : argument.substr(std::strlen(option->name) + 1);
    }
    if (line.records.empty() || line.out.empty()) return refuse<CommandLine>("a model from records needs --model-from RECORDS.csv and --out MODEL.d");
    return line;
}

std::vector<std::string> commaSeparated(const std::string& text) {
    std::vector<std::string> parts;
    for (size_t start = 0;;) {
        const size_t comma = text.find(',', start);
        parts.push_back(TRIM_BLANKS(text.substr(start, comma - start)));
        if (comma == std::string::npos) return parts;
        start = comma + 1;
    }
}

std::optional<std::vector<std::string>> stagesOf(const std::string& text) {
    if (text.empty()) return std::vector<std::string>{};
    const std::vector<std::string> stages = commaSeparated(text);
    if (std::find(stages.begin(), stages.end(), "") != stages.end()) return refuse<std::vector<std::string>>("--stages names an empty stage");
    if (std::set<std::string>(stages.begin(), stages.end()).size() != stages.size())
        return refuse<std::vector<std::string>>("--stages names a stage twice");
    if (stages.size() > RECORDS_MAX_STAGES)
        return refuse<std::vector<std::string>>("--stages names " + std::to_string(stages.size()) + " stages; a model has at most " +
                                                std::to_string(RECORDS_MAX_STAGES));
    return stages;
}

std::optional<std::vector<std::string>> columnsOf(const std::string& text) {
    if (text.empty()) return std::vector<std::string>{};
    const std::vector<std::string> columns = commaSeparated(text);
    if (columns.size() != 3 || std::find(columns.begin(), columns.end(), "") != columns.end())
        return refuse<std::vector<std::string>>("--columns needs three names: the person, the period and the stage");
    return columns;
}

std::optional<std::optional<PeriodRange>> periodsOf(const std::string& text) {
    if (text.empty()) return std::optional<PeriodRange>{};
    const size_t colon = text.find(':');
    const std::optional<Period> from = PARSE_PERIOD(text.substr(0, colon));
    const std::optional<Period> to = PARSE_PERIOD(colon == std::string::npos ? "" : text.substr(colon + 1));
    if (from && to && from->kind == to->kind && !(*to < *from)) return std::optional<PeriodRange>{PeriodRange{*from, *to}};
    return refuse<std::optional<PeriodRange>>("--periods needs FROM:TO, two whole numbers or two dates (YYYY-MM-DD), FROM not after TO");
}

std::optional<int> horizonOf(const std::string& text) {
    int horizon = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), horizon);
    if (error != std::errc() || end != text.data() + text.size() || horizon < 1 || horizon > RECORDS_MAX_HORIZON)
        return refuse<int>("--horizon needs a whole number from 1 to " + std::to_string(RECORDS_MAX_HORIZON));
    return horizon;
}

std::optional<RecruitsRule> recruitsOf(const std::string& text) {
    if (text == "mean") return RecruitsRule::Mean;
    if (text == "last") return RecruitsRule::Last;
    return refuse<RecruitsRule>("--recruits needs mean or last");
}

std::optional<Settings> settingsOf(int argc, char* argv[]) {
    const std::optional<CommandLine> line = parseCommandLine(argc, argv);
    if (!line) return std::nullopt;
    const auto stages = stagesOf(line->stages);
    const auto columns = columnsOf(line->columns);
    const auto periods = periodsOf(line->periods);
    const auto horizon = horizonOf(line->horizon);
    const auto recruits = recruitsOf(line->recruits);
    if (!stages || !columns || !periods || !horizon || !recruits) return std::nullopt;
    return Settings{line->records,
                    line->out,
                    {*stages, *columns, *periods},
                    {*horizon, *recruits, fs::path(line->records).filename().string()},
                    line->force,
                    line->quiet};
}

fs::path namesPathOf(fs::path out) { return out.replace_extension(".names.csv"); }

bool isThere(const fs::path& path) {
    std::error_code error;
    return fs::symlink_status(path, error).type() != fs::file_type::not_found;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

void sayFault(const fs::path& records, const RecordsError& error) {
    const std::string where = error.line > 0 ? ":" + std::to_string(error.line) : "";
    std::fprintf(stderr, "korvel: %s%s: %s\n", records.string().c_str(), where.c_str(), error.text.c_str());
}

}  // namespace

bool ASKS_FOR_MODEL_FROM(int argc, char* argv[]) {
    for (int k = 1; k < argc; ++k)
        if (std::strcmp(argv[k], "--model-from") == 0 || std::strncmp(argv[k], "--model-from=", 13) == 0) return true;
    return false;
}

int MODEL_FROM_MAIN(int argc, char* argv[]) {
    const std::optional<Settings> settings = settingsOf(argc, argv);
    if (!settings) {
        std::fputs("Try 'korvel --help' for more information.\n", stderr);
        return MODEL_REFUSED;
    }
    const fs::path names = namesPathOf(settings->out);
    for (const fs::path& target : {settings->out, names}) {
        if (!settings->force && isThere(target)) {
            std::fprintf(stderr, "korvel: %s already exists; give --force to replace it\n", target.string().c_str());
            return MODEL_REFUSED;
        }
    }
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(settings->records.c_str(), "rb"));
    if (!file) {
        std::fprintf(stderr, "korvel: cannot open %s: %s\n", settings->records.string().c_str(), std::strerror(errno));
        return MODEL_REFUSED;
    }

    ModelFromRecords result;
    if (const auto fault = MODEL_FROM_RECORDS(file.get(), settings->request, settings->notes, result)) {
        sayFault(settings->records, *fault);
        return MODEL_REFUSED;
    }
    if (!settings->quiet) std::fputs(RECORDS_SUMMARY(result.snapshots, result.counts).c_str(), stderr);

    std::string error;
    if (!WRITE_FILES_IN_PLACE({{settings->out, result.data_file}, {names, result.stage_names}}, settings->force, error)) {
        std::fprintf(stderr, "korvel: %s\n", error.c_str());
        return MODEL_NOT_WRITTEN;
    }
    if (!settings->quiet)
        std::fprintf(stderr, "korvel: the model is in %s, its stage names in %s\n", settings->out.string().c_str(), names.string().c_str());
    return MODEL_WRITTEN;
}

}  // namespace korvel
