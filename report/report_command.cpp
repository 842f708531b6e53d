#include "report/report_command.h"

#include "report/csv_tables.h"
#include "report/html_page.h"
#include "report/report_folder.h"
#include "report/run_analysis.h"
#include "report/shown_number.h"
#include "report/target_section.h"
#include "report/uncertainty_options.h"
#include "report/stage_names.h"
#include "report/xlsx_workbook.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>

namespace korvel {

const char* const REPORT_USAGE =
    "Usage: korvel --report DATA.d --out DIR [--control CONTROL.d] [--limits LIMITS.csv]\n"
    "       [--target TARGET.csv [--max-periods K]] [--names NAMES.csv] [--samples S] [--seed N]\n"
    "       [--force] [--quiet]\n"
    "Run the whole analysis of DATA.d without a display, as from the menus in order, and write\n"
    "DIR/index.html (every table, graph, message and the accuracy certificate), DIR/report.xlsx\n"
    "(a sheet per table) and a CSV file per table (DIR/01-initial-data.csv, ...).\n"
    "\n"
    "      --report DATA.d      the data file to analyse\n"
    "      --out DIR            the folder to write; it must not exist\n"
    "      --control CONTROL.d  also solve this optimal control problem\n"
    "      --limits LIMITS.csv  caps on the recruitments of the control and of the target's\n"
    "                           schedule: a line stage,cap, then STAGE,CAP or total,CAP lines;\n"
    "                           recruitments are never below 0\n"
    "      --target TARGET.csv  a wanted structure: a line stage,stock, then STAGE,STOCK per\n"
    "                           stage; whether it can be kept, and how fast it is reached\n"
    "      --max-periods K      the most periods a schedule to the target may take (50)\n"
    "      --samples S          samples of P drawn for the bands on the projections (2000)\n"
    "      --seed N             seed of those samples (5489); the same seed gives the same report\n"
    "      --names NAMES.csv    show the stages by the names --model-from wrote\n"
    "      --force              replace DIR when it exists\n"
    "      --quiet              no progress lines on standard error\n"
    "\n"
    "Exit status: 0 every file was written; 1 the report could not be written; 2 a wrong\n"
    "command line, a data file or names file that cannot be opened or read, a limits or target\n"
    "file refused, or DIR exists without --force.\n";

namespace {

namespace fs = std::filesystem;

struct ReportOptions {
    std::string data;
    std::string out;
    std::string control;
    std::string limits;
    std::string target;
    int max_periods = DEFAULT_MAX_PERIODS;
    UNCERTAINTY_OPTIONS uncertainty;
    std::string names;
    bool force = false;
    bool quiet = false;
};

// `--name VALUE` or `--name=VALUE` at argv[k]; moves k past what it took.
std::optional<std::string> valueOf(const char* name, int argc, char* argv[], int& k, bool& missing) {
    const size_t length = std::strlen(name);
    if (std::strncmp(argv[k], name, length) != 0) return std::nullopt;
    if (argv[k][length] == '=') return std::string(argv[k] + length + 1);
    if (argv[k][length] != '\0') return std::nullopt;
    if (k + 1 >= argc) {
        missing = true;
        return std::nullopt;
    }
    return std::string(argv[++k]);
}

// The options, or nothing after saying on standard error what is wrong.
std::optional<ReportOptions> parseOptions(int argc, char* argv[]) {
    ReportOptions options;
    for (int k = 1; k < argc; ++k) {
        bool missing = false;
        if (auto data = valueOf("--report", argc, argv, k, missing)) options.data = *data;
        else if (auto out = valueOf("--out", argc, argv, k, missing)) options.out = *out;
        else if (auto control = valueOf("--control", argc, argv, k, missing)) options.control = *control;
        else if (auto limits = valueOf("--limits", argc, argv, k, missing)) options.limits = *limits;
        else if (auto target = valueOf("--target", argc, argv, k, missing)) options.target = *target;
        else if (auto periods = valueOf("--max-periods", argc, argv, k, missing)) {
            if (!READ_MAX_PERIODS_OPTION(*periods, options.max_periods)) return std::nullopt;
        }
        else if (auto samples = valueOf("--samples", argc, argv, k, missing)) {
            if (!READ_SAMPLES_OPTION(*samples, options.uncertainty)) return std::nullopt;
        } else if (auto seed = valueOf("--seed", argc, argv, k, missing)) {
            if (!READ_SEED_OPTION(*seed, options.uncertainty)) return std::nullopt;
        }
        else if (auto names = valueOf("--names", argc, argv, k, missing)) options.names = *names;
        else if (std::strcmp(argv[k], "--force") == 0) options.force = true;
        else if (std::strcmp(argv[k], "--quiet") == 0) options.quiet = true;
        else if (!missing) {
            std::fprintf(stderr, "korvel: unknown option %s\n", argv[k]);
            return std::nullopt;
        }
        if (missing) {
            std::fprintf(stderr, "korvel: %s needs a value\n", argv[k]);
            return std::nullopt;
        }
    }
    if (options.data.empty() || options.out.empty()) {
        std::fputs("korvel: a report needs --report DATA.d and --out DIR\n", stderr);
        return std::nullopt;
    }
    if (!options.limits.empty() && options.control.empty() && options.target.empty()) {
        std::fputs("korvel: --limits needs --control CONTROL.d or --target TARGET.csv\n", stderr);
        return std::nullopt;
    }
    return options;
}

std::string today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

bool writeText(const fs::path& path, const std::string& text, std::string& error) {
    std::ofstream file(path, std::ios::binary);
    file << text;
    file.close();
    if (!file) error = "cannot write " + path.string();
    return static_cast<bool>(file);
}

// Every file into the temporary folder; the names of those beside index.html.
bool writeFiles(const REPORT_CONTENT& content, const fs::path& folder, const std::function<void(const std::string&)>& say,
                std::string& error) {
    say("writing the CSV files");
    if (!WRITE_CSV_TABLES(content, folder, error)) return false;
    say("writing report.xlsx");
    if (!WRITE_XLSX_WORKBOOK(content, (folder / "report.xlsx").string(), error)) return false;
    std::vector<std::string> files{"report.xlsx"};
    for (const NAMED_TABLE& named : NAMED_TABLES(content)) files.push_back(named.stem + ".csv");
    files.push_back(std::string(CERTIFICATE_STEM) + ".csv");
    say("writing index.html");
    return writeText(folder / "index.html", HTML_PAGE(content, files, today()), error);
}

}  // namespace

bool ASKS_FOR_REPORT(int argc, char* argv[]) {
    for (int k = 1; k < argc; ++k)
        if (std::strcmp(argv[k], "--report") == 0 || std::strncmp(argv[k], "--report=", 9) == 0) return true;
    return false;
}

int REPORT_MAIN(int argc, char* argv[]) {
    const std::optional<ReportOptions> options = parseOptions(argc, argv);
    if (!options) {
        std::fputs("Try 'korvel --help' for more information.\n", stderr);
        return REPORT_REFUSED;
    }
    const auto say = [&](const std::string& step) {
        if (!options->quiet) std::fprintf(stderr, "korvel: %s\n", step.c_str());
    };
    std::error_code error_code;
    if (!options->force && fs::symlink_status(options->out, error_code).type() != fs::file_type::not_found) {
        std::fprintf(stderr, "korvel: %s already exists; give --force to replace it\n", options->out.c_str());
        return REPORT_REFUSED;
    }

    std::optional<StageNames> names;
    if (!options->names.empty()) {
        std::string error;
        names = READ_STAGE_NAMES(options->names, error);
        if (!names) {
            std::fprintf(stderr, "korvel: %s\n", error.c_str());
            return REPORT_REFUSED;
        }
    }

    const ANALYSIS_OUTCOME outcome =
        RUN_REPORT_ANALYSIS({options->data, options->control, options->limits, options->uncertainty, options->target,
                             options->max_periods, names ? &*names : nullptr},
                            say);
    if (!outcome.data_read) {
        // The program's own messages, as its message boxes showed them.
        for (const REPORT_MESSAGE& message : outcome.refusal)
            std::fprintf(stderr, "korvel: %s: %s\n", CELL_TEXT(message.caption).c_str(), CELL_TEXT(message.text).c_str());
        return REPORT_REFUSED;
    }
    if (!outcome.limits_error.empty() || !outcome.target_error.empty()) {
        std::fprintf(stderr, "korvel: %s\n", (outcome.limits_error.empty() ? outcome.target_error : outcome.limits_error).c_str());
        return REPORT_REFUSED;
    }
    if (names && names->count() != outcome.content.stage_count) {
        std::fprintf(stderr, "korvel: %s names %d stages; the model %s has %d\n", options->names.c_str(), names->count(),
                     outcome.content.model_name.c_str(), outcome.content.stage_count);
        return REPORT_REFUSED;
    }

    ReportFolder folder(options->out);
    std::string error;
    if (!folder.ready()) error = "cannot make a folder beside " + options->out;
    else if (writeFiles(outcome.content, folder.temporary(), say, error) && folder.putInPlace(options->force, error)) {
        say("the report is in " + fs::absolute(options->out, error_code).string());
        return REPORT_WRITTEN;
    }
    std::fprintf(stderr, "korvel: %s\n", error.c_str());
    return REPORT_NOT_WRITTEN;
}

}  // namespace korvel
