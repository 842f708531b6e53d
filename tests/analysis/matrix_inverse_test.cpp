// MATINV: Gauss-Jordan without row exchanges through the working file XINVF.

#include "analysis/matrix_inverse.h"
#include "tests/analysis/analysis_fixture.h"
#include "tests/control/working_directory.h"

#include <Eigen/Dense>

#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace korvel {
namespace {

namespace fs = std::filesystem;

constexpr int ORDER = 55;
using Square = Matrix<double, ORDER, ORDER>;

// The working files found under the temporary directory each time one is told as created.
class WatchingLayer : public ScriptedWindowLayer {
public:
    void fileCreated(const std::string& name) override {
        ScriptedWindowLayer::fileCreated(name);
        for (const auto& entry : fs::recursive_directory_iterator(fs::temp_directory_path())) {
            if (!entry.is_regular_file()) continue;
            struct stat file {}, directory {};
            ::stat(entry.path().c_str(), &file);
            ::stat(entry.path().parent_path().c_str(), &directory);
            std::ostringstream seen;
            seen << entry.path().filename().string() << " " << std::oct << (file.st_mode & 0777) << " in "
                 << (directory.st_mode & 0777);
            files_seen.push_back(seen.str());
        }
    }
    std::vector<std::string> files_seen;
};

// A working directory of the test's own, with the temporary directory beneath it.
class MatinvTest : public AnalysisTest {
protected:
    void SetUp() override {
        AnalysisTest::SetUp();
        INSTALL_SCRIPTED_LAYER(&m_watching);
    }

    WatchingLayer m_watching;
    WorkingDirectory m_directory;
};

// A random matrix with a heavy diagonal, so no pivot comes near zero.
Eigen::MatrixXd dominantMatrix(int n, unsigned seed) {
    std::mt19937 generator(seed);
    std::uniform_real_distribution<double> entry(-1.0, 1.0);
    Eigen::MatrixXd m(n, n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) m(i, j) = entry(generator);
    m.diagonal().array() += n;
    return m;
}

void load(const Eigen::MatrixXd& m, Square& a) {
    a.fill(-7.0);
    for (int i = 0; i < m.rows(); ++i)
        for (int j = 0; j < m.cols(); ++j) a(i + 1, j + 1) = m(i, j);
}

// [[corner, 1], [1, 1]]: invertible unless the corner is 1, singular to MATINV when it is 0.
Matrix<double, 2, 2> twoByTwo(double corner) {
    Matrix<double, 2, 2> a;
    a(1, 1) = corner; a(1, 2) = 1.0; a(2, 1) = 1.0; a(2, 2) = 1.0;
    return a;
}

Eigen::MatrixXd leading(const Square& a, int n) {
    Eigen::MatrixXd m(n, n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) m(i, j) = a(i + 1, j + 1);
    return m;
}

// The inverse of matrices of several orders agrees with Eigen's, and the rest of the storage is
// left alone.
TEST_F(MatinvTest, InvertsLikeEigen) {
    for (int n : {1, 2, 3, 7, 20, 55}) {
        const Eigen::MatrixXd m = dominantMatrix(n, 100u + static_cast<unsigned>(n));
        static Square a;
        load(m, a);
        int ierr = 99;
        MATINV(a, n, ierr, DOUBLE_ROUNDING);
        ASSERT_EQ(MATINV_INVERTED, ierr) << "order " << n;
        const Eigen::MatrixXd expected = m.inverse();
        EXPECT_LT((leading(a, n) - expected).cwiseAbs().maxCoeff(), 1e-13) << "order " << n;
        EXPECT_LT((m * leading(a, n) - Eigen::MatrixXd::Identity(n, n)).cwiseAbs().maxCoeff(), 1e-13) << "order " << n;
        for (int i = 1; i <= ORDER; ++i)
            for (int j = 1; j <= ORDER; ++j)
                if (i > n || j > n) ASSERT_EQ(-7.0, a(i, j)) << "order " << n << " cell " << i << "," << j;
    }
}

// A leading dimension and a column count larger than the order: only the n x n corner of the
// row-by-row storage is read and written.
TEST_F(MatinvTest, HonoursTheStorageShape) {
    constexpr int lda = 4, ncol = 6;
    double a[lda * ncol];
    std::fill(std::begin(a), std::end(a), 9.0);
    a[0 * ncol + 0] = 2.0; a[0 * ncol + 1] = 1.0;
    a[1 * ncol + 0] = 1.0; a[1 * ncol + 1] = 1.0;
    int ierr = 99;
    MATINV(a, 2, ierr, lda, ncol, DOUBLE_ROUNDING);
    ASSERT_EQ(MATINV_INVERTED, ierr);
    EXPECT_DOUBLE_EQ(1.0, a[0 * ncol + 0]);
    EXPECT_DOUBLE_EQ(-1.0, a[0 * ncol + 1]);
    EXPECT_DOUBLE_EQ(-1.0, a[1 * ncol + 0]);
    EXPECT_DOUBLE_EQ(2.0, a[1 * ncol + 1]);
    for (int i = 0; i < lda; ++i)
        for (int j = 0; j < ncol; ++j)
            if (i >= 2 || j >= 2) EXPECT_EQ(9.0, a[i * ncol + j]) << i << "," << j;
}

// Without row exchanges a zero in the first diagonal position is singular, invertible or not;
// so is a zero row. The matrix is left as it was, and nothing is shown.
TEST_F(MatinvTest, ZeroPivotIsSingular) {
    const std::vector<std::vector<double>> cases = {
        {0.0, 1.0, 1.0, 0.0},
        {0.2, 0.3, 0.0, 0.0},
        {1.0, 2.0, 2.0, 4.0},
    };
    for (const auto& values : cases) {
        Matrix<double, 2, 2> a;
        for (int k = 0; k < 4; ++k) a(k / 2 + 1, k % 2 + 1) = values[static_cast<size_t>(k)];
        int ierr = 99;
        MATINV(a, 2, ierr, DOUBLE_ROUNDING);
        EXPECT_EQ(MATINV_SINGULAR, ierr) << values[0] << " " << values[1];
        for (int k = 0; k < 4; ++k) EXPECT_EQ(values[static_cast<size_t>(k)], a(k / 2 + 1, k % 2 + 1));
    }
    EXPECT_TRUE(m_watching.transcript().linesStartingWith("msgbox").empty());
}

// [[1, 1], [1, 1 + δ]] has κ₁ = (2 + δ)²/δ: its inverse is kept while κ times the rounding of
// the values it came from stays below 1, and has no correct digit from there on, on either side
// of the bound for 32-bit and for 64-bit data. δ is a power of 2, so the elimination is exact,
// and the computed inverse is left for its caller.
TEST_F(MatinvTest, InverseWithNoCorrectDigitIsRefused) {
    const struct {
        double delta;
        double rounding;
        int outcome;
    } cases[] = {
        {0x1p-20, SINGLE_ROUNDING, MATINV_INVERTED},          // κ · 2^-24 = 0.25
        {0x1p-23, SINGLE_ROUNDING, MATINV_NO_CORRECT_DIGIT},  // 2
        {0x1p-50, DOUBLE_ROUNDING, MATINV_INVERTED},       // κ · 2^-53 = 0.5
        {0x1p-52, DOUBLE_ROUNDING, MATINV_NO_CORRECT_DIGIT},  // 2
    };
    for (const auto& c : cases) {
        Matrix<double, 2, 2> a;
        a(1, 1) = a(1, 2) = a(2, 1) = 1.0;
        a(2, 2) = 1.0 + c.delta;
        int ierr = 99;
        MATINV(a, 2, ierr, c.rounding);
        EXPECT_EQ(c.outcome, ierr) << c.delta;
        EXPECT_DOUBLE_EQ(-1.0 / c.delta, a(1, 2)) << c.delta;
    }
}

// XINVF exists, private to its owner, while the inversion runs, and is gone afterwards on
// either outcome. That it is told as created and deleted is in the scenarios' transcripts
// (details_examples, matrix_singular).
TEST_F(MatinvTest, WorkingFileLivesDuringTheInversionOnly) {
    for (double corner : {2.0, 0.0}) {
        m_watching.files_seen.clear();
        Matrix<double, 2, 2> a = twoByTwo(corner);
        int ierr = 99;
        MATINV(a, 2, ierr, DOUBLE_ROUNDING);
        EXPECT_EQ(std::vector<std::string>{"XINVF 600 in 700"}, m_watching.files_seen) << corner;
        EXPECT_TRUE(m_directory.holdsOnly({})) << corner;
    }
}

// A file or a link named XINVF in the working directory is not the working file: both are
// left exactly as they were.
TEST_F(MatinvTest, LeavesAUsersXinvfAlone) {
    for (bool as_link : {false, true}) {
        fs::remove("XINVF");
        m_directory.write("target.txt", "the user's own text\n");
        if (as_link) fs::create_symlink("target.txt", "XINVF");
        else m_directory.write("XINVF", "the user's own text\n");

        Matrix<double, 2, 2> a = twoByTwo(2.0);
        int ierr = 99;
        MATINV(a, 2, ierr, DOUBLE_ROUNDING);
        EXPECT_EQ(MATINV_INVERTED, ierr);

        EXPECT_EQ(as_link, fs::is_symlink("XINVF"));
        for (const char* path : {"XINVF", "target.txt"}) {
            std::ifstream file(path);
            std::string line;
            std::getline(file, line);
            EXPECT_EQ("the user's own text", line) << path << (as_link ? " (link)" : "");
        }
    }
}

// A working file that cannot be made is a failed inversion with a message, never a success.
TEST_F(MatinvTest, WorkingFileThatCannotBeMadeFails) {
    ::setenv("TMPDIR", (fs::current_path() / "missing").c_str(), 1);
    Matrix<double, 2, 2> a = twoByTwo(2.0);
    int ierr = 99;
    MATINV(a, 2, ierr, DOUBLE_ROUNDING);
    EXPECT_EQ(MATINV_FILE_FAILED, ierr);
    EXPECT_EQ(2.0, a(1, 1));
    EXPECT_EQ((std::vector<std::string>{"msgbox 48 \" Matrix inversion failed\" \" The working file XINVF cannot be "
                                        "created: the matrix is not inverted. \" -> OK"}),
              m_watching.transcript().linesStartingWith("msgbox"));
    EXPECT_TRUE(m_watching.transcript().linesStartingWith("file ").empty());
}

// A file that may not grow to its size (a limit below its 2n records) is a failed inversion
// too, found before the file is made rather than half-way; the matrix is unchanged.
TEST_F(MatinvTest, FileThatCannotReachItsSizeFails) {
    constexpr int n = 10;
    const Eigen::MatrixXd m = dominantMatrix(n, 7u);
    static Square a;
    load(m, a);
    struct rlimit old_limit {};
    ::getrlimit(RLIMIT_FSIZE, &old_limit);
    const auto old_handler = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old_limit;
    small.rlim_cur = sizeof(double) * n * n;
    ASSERT_EQ(0, ::setrlimit(RLIMIT_FSIZE, &small));
    int ierr = 99;
    MATINV(a, n, ierr, DOUBLE_ROUNDING);
    ::setrlimit(RLIMIT_FSIZE, &old_limit);
    ::signal(SIGXFSZ, old_handler);

    EXPECT_EQ(MATINV_FILE_FAILED, ierr);
    EXPECT_EQ(0.0, (leading(a, n) - m).cwiseAbs().maxCoeff());
    EXPECT_EQ((std::vector<std::string>{"msgbox 48 \" Matrix inversion failed\" \" The working file XINVF cannot be "
                                        "written: the matrix is not inverted. \" -> OK"}),
              m_watching.transcript().linesStartingWith("msgbox"));
    EXPECT_TRUE(m_watching.transcript().linesStartingWith("file ").empty());
    EXPECT_TRUE(m_directory.holdsOnly({}));
}

// Working files of a run that ended without removing them (killed, or ended at once) are
// removed by the next run that inverts; those of a live process are left alone.
TEST_F(MatinvTest, RemovesWhatAnEndedRunLeft) {
    const pid_t ended = ::fork();
    if (ended == 0) ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    const fs::path abandoned = fs::temp_directory_path() / ("korvel-" + std::to_string(ended) + "-abcdef");
    const fs::path alive = fs::temp_directory_path() / "korvel-1-abcdef";
    for (const fs::path& directory : {abandoned, alive}) {
        fs::create_directory(directory);
        std::ofstream(directory / ".XINVF") << "left\n";
        std::ofstream(directory / "FEEDBACK") << "left\n";
    }
    Matrix<double, 2, 2> a = twoByTwo(2.0);
    int ierr = 99;
    MATINV(a, 2, ierr, DOUBLE_ROUNDING);
    EXPECT_EQ(MATINV_INVERTED, ierr);
    EXPECT_FALSE(fs::exists(abandoned));
    EXPECT_TRUE(fs::exists(alive / "FEEDBACK"));
}

}  // namespace
}  // namespace korvel
