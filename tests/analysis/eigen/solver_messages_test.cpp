// The solver's messages as they are printed, and the end of the program after a FATAL or
// TERMINAL one.

#include "analysis/eigen/eigen_solver.h"
#include "analysis/eigen/error_stack.h"
#include "analysis/eigen/machine_constants.h"
#include "tests/analysis/eigen/solver_fixture.h"

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace korvel {
namespace {

const std::vector<std::string> TRACEBACK_HEAD{
    "Here is a traceback of subprogram calls in reverse order:",
    "     Routine name                    Error type  Error code",
    "     ------------                    ----------  ----------",
};

std::vector<std::string> withTraceback(std::vector<std::string> message, const std::vector<std::string>& routines) {
    message.insert(message.end(), TRACEBACK_HEAD.begin(), TRACEBACK_HEAD.end());
    message.insert(message.end(), routines.begin(), routines.end());
    return message;
}

class SolverMessagesTest : public SolverTest {
protected:
    // The program shows the messages, confirms and queues its exit.
    void expectProgramEnding() {
        const std::vector<std::string> lines = transcript();
        ASSERT_GE(lines.size(), 3u);
        EXPECT_EQ("focus 6", lines[lines.size() - 3]);
        EXPECT_EQ("msgbox 0 \" Program is terminated\" \" Press \u039F\u039A to exit\" -> OK", lines[lines.size() - 2]);
        EXPECT_EQ("queue routine", lines.back());
        EXPECT_TRUE(SOLVER_STOPPED());
        EXPECT_EQ(0, ERROR_STACK_LEVEL());
    }
};

// A long FATAL message: 42 characters on the first line, then 64 a line, and the traceback of
// the stack as it stood when the condition was recorded.
TEST_F(SolverMessagesTest, LongMessageWithContinuationLinesAndTraceback) {
    std::string message;
    for (int k = 0; k < 15; ++k) message += "0123456789";
    E1PSH("DEVCRG");
    E1PSH("DE8CRG");
    E1MES(FATAL, 7, message);
    E1POP("DE8CRG");
    EXPECT_TRUE(printedLines().empty()) << "printed before the routine the program called returned";
    E1POP("DEVCRG");

    const std::vector<std::string> expected = withTraceback(
        {
            " *** FATAL    ERROR 7 from DE8CRG.  012345678901234567890123456789012345678901",
            " ***          2345678901234567890123456789012345678901234567890123456789012345",
            " ***          67890123456789012345678901234567890123456789",
        },
        {
            "     DE8CRG (Called internally)               4           7",
            "     DEVCRG                                   0           0",
        });
    EXPECT_EQ(expected, printedLines());
    EXPECT_EQ("window 6 \"Solver messages\"", transcript().front());
    expectProgramEnding();
    EXPECT_EQ(FATAL, ERROR_TYPE());
    EXPECT_EQ(7, ERROR_CODE());
}

// NOTE and ALERT are recorded, not printed; a WARNING is printed without a traceback and the
// program goes on.
TEST_F(SolverMessagesTest, OnlyWarningsAndWorseArePrinted) {
    E1PSH("DEPIRG");
    E1MES(NOTE, 1, "A note.");
    E1MES(ALERT, 2, "An alert.");
    E1POP("DEPIRG");
    EXPECT_TRUE(transcript().empty());
    EXPECT_EQ(ALERT, ERROR_TYPE());

    E1PSH("DEPIRG");
    EXPECT_EQ(NO_ERROR, ERROR_TYPE());
    E1STI(1, 4);
    E1MES(WARNING, 2, "Eigenvector number %(I1) is zero.");
    E1POP("DEPIRG");
    const std::vector<std::string> expected{" *** WARNING  ERROR 2 from DEPIRG.  Eigenvector number 4 is zero."};
    EXPECT_EQ(expected, printedLines());
    EXPECT_FALSE(SOLVER_STOPPED());
    EXPECT_FALSE(m_layer.ended());
}

// A matrix with a NaN never has a negligible subdiagonal element: the iteration gives up.
TEST_F(SolverMessagesTest, IterationThatDoesNotConverge) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<double> a{1, 2, 3, 4, nan, 6, 7, 8, 9};
    std::vector<ComplexDouble> eval(3);
    std::vector<ComplexDouble> evec(9);
    DEVCRG(3, a.data(), 3, eval.data(), evec.data(), 3);

    const std::vector<std::string> expected = withTraceback(
        {
            " *** FATAL    ERROR 1 from DHQRRG.  The iteration for the eigenvalues did not ",
            " ***          converge after 100 iterations.",
        },
        {
            "     DHQRRG (Called internally)               4           1",
            "     DE8CRG (Called internally)               0           0",
            "     DEVCRG                                   0           0",
        });
    EXPECT_EQ(expected, printedLines());
    expectProgramEnding();
}

// TERMINAL conditions are printed at once, each from the routine that checks, and end the
// program; each case calls the solver or its stack as a caller that makes the mistake would.
struct Stop {
    const char* name;
    std::function<void()> call;
    std::vector<std::string> printed;
};

void PrintTo(const Stop& stop, std::ostream* out) { *out << stop.name; }

class SolverStopTest : public SolverMessagesTest, public ::testing::WithParamInterface<Stop> {};

TEST_P(SolverStopTest, PrintsItsMessageAndTracebackAndEndsTheProgram) {
    GetParam().call();
    EXPECT_EQ(GetParam().printed, printedLines());
    expectProgramEnding();
}

void callDevcrg(int n, int lda) {
    const std::vector<double> a(9, 1.0);
    std::vector<ComplexDouble> eval(3), evec(9);
    DEVCRG(n, a.data(), lda, eval.data(), evec.data(), n);
}

const Stop STOPS[] = {
    {"LeadingDimensionBelowTheOrder", [] { callDevcrg(3, 2); },
     withTraceback({" *** TERMINAL ERROR 2 from DE8CRG.  The argument LDA = 2.  The leading dimensi",
                    " ***          on of the matrix must be at least equal to the order of the matr",
                    " ***          ix, N = 3."},
                   {"     DE8CRG (Called internally)               5           2",
                    "     DEVCRG                                   0           0"})},
    {"OrderBelowOne", [] { callDevcrg(0, 1); },
     withTraceback({" *** TERMINAL ERROR 1 from DEVCRG.  The argument N = 0.  The order of the matr",
                    " ***          ix must be at least 1."},
                   {"     DEVCRG                                   5           1"})},
    {"NumberOfPairsOutOfRange",
     [] {
         const std::vector<double> a(4, 1.0);
         const std::vector<ComplexDouble> eval(2), evec(4);
         DEPIRG(2, 3, a.data(), 2, eval.data(), evec.data(), 2);
     },
     withTraceback({" *** TERMINAL ERROR 4 from DE2IRG.  The argument NEVAL = 3.  The number of eig",
                    " ***          envalue/eigenvector pairs on which the calculation of the perfor",
                    " ***          mance index is based must be greater than 0 and less than or equ",
                    " ***          al to N = 2."},
                   {"     DE2IRG (Called internally)               5           4",
                    "     DEPIRG                                   0           0"})},
    // No storage for a matrix of order two thousand million: reported, never thrown.
    {"StorageThatCannotBeHad",
     [] {
         const double a = 1.0;
         ComplexDouble eval, evec;
         DEVCRG(2000000000, &a, 2000000000, &eval, &evec, 2000000000);
     },
     withTraceback({" *** TERMINAL ERROR 2 from DEVCRG.  The required storage cannot be allocated. ",
                    " ***           The specified N may be too large, where N = 2000000000."},
                   {"     DEVCRG                                   5           2"})},
    // An argument outside 1 to 8.
    {"MachineConstantOutOfRange", [] { EXPECT_TRUE(std::isnan(DMACH(9))); },
     withTraceback({" *** TERMINAL ERROR 1 from DMACH.  The argument must be between 1 and 8 inclus",
                    " ***          ive. N = 9"},
                   {"     DMACH                                    5           1"})},
    {"PopOfAnotherRoutine",
     [] {
         E1PSH("DEVCRG");
         E1POP("DEPIRG");
     },
     withTraceback({" *** TERMINAL ERROR 0 from E1POP.  Error condition in E1POP.  DEPIRG does not ",
                    " ***          match the name DEVCRG in the stack."},
                   {"     DEVCRG                                   0           0"})},
    {"PopFromAnEmptyStack", [] { E1POP("DEVCRG"); },
     withTraceback({" *** TERMINAL ERROR 0 from E1POP.  Error condition in E1POP.  Cannot pop from ",
                    " ***          DEVCRG because stack is empty."},
                   {})},
};

INSTANTIATE_TEST_SUITE_P(Stops, SolverStopTest, ::testing::ValuesIn(STOPS),
                         [](const auto& info) { return std::string(info.param.name); });

// The index of a pair that is far from A x = λ x: for A = [2], λ = 0, x = 1 it is
// 2 / 2 / 1 / 10 / ε / 1 = 2⁵² / 10.
TEST_F(SolverMessagesTest, PoorPerformanceIndex) {
    const double a = 2.0;
    const ComplexDouble eval = 0.0;
    const ComplexDouble evec = 1.0;
    EXPECT_EQ(450359962737049.6, DEPIRG(1, 1, &a, 1, &eval, &evec, 1));
    const std::vector<std::string> expected{
        " *** WARNING  ERROR 1 from DE2IRG.  The performance index = 4.5036e+14.  A val",
        " ***          ue greater than 100 is considered poor.",
    };
    EXPECT_EQ(expected, printedLines());
    EXPECT_FALSE(SOLVER_STOPPED());
}

// The roots are 0; the performance index warns and is the largest double.
TEST_F(SolverMessagesTest, ZeroMatrixWarns) {
    const Solution r = solve(Eigen::MatrixXd::Zero(3, 3));
    for (const ComplexDouble root : r.eval) EXPECT_EQ(ComplexDouble(0.0, 0.0), root);
    EXPECT_EQ(std::numeric_limits<double>::max(), r.index);
    EXPECT_EQ(WARNING, ERROR_TYPE());
    EXPECT_EQ(3, ERROR_CODE());
    EXPECT_FALSE(SOLVER_STOPPED());
    const std::vector<std::string> expected{" *** WARNING  ERROR 3 from DE2IRG.  The argument matrix A is zero."};
    EXPECT_EQ(expected, printedLines());
    EXPECT_FALSE(m_layer.ended());
    EXPECT_EQ(0, ERROR_STACK_LEVEL());
}

TEST_F(SolverMessagesTest, ZeroEigenvector) {
    const std::vector<double> a{1, 0, 0, 1};
    const std::vector<ComplexDouble> eval{1.0, 1.0};
    const std::vector<ComplexDouble> evec{1.0, 0.0, 0.0, 0.0};
    EXPECT_EQ(std::numeric_limits<double>::max(), DEPIRG(2, 2, a.data(), 2, eval.data(), evec.data(), 2));
    const std::vector<std::string> expected{" *** WARNING  ERROR 2 from DE2IRG.  Eigenvector number 2 is zero."};
    EXPECT_EQ(expected, printedLines());
}

TEST_F(SolverMessagesTest, StackDeeperThanItsLimit) {
    for (int level = 1; level <= ERROR_STACK_LIMIT + 1; ++level) E1PSH("R" + std::to_string(level));
    const std::vector<std::string> printed = printedLines();
    ASSERT_FALSE(printed.empty());
    EXPECT_EQ(" *** TERMINAL ERROR 0 from E1PSH.  Error condition in E1PSH.  Push would cause", printed[0]);
    EXPECT_EQ(" ***           stack level to exceed 10.", printed[1]);
    EXPECT_EQ("     R10 (Called internally)                  0           0", printed[5]);
    EXPECT_EQ("     R1                                       0           0", printed.back());
    for (int level = ERROR_STACK_LIMIT + 1; level >= 1; --level) E1POP("R" + std::to_string(level));
    expectProgramEnding();
}

}  // namespace
}  // namespace korvel
