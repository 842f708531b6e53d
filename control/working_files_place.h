#pragma once
// The solver's work place on disk: the rows of G(t) in "FEEDBACK" at records (t - 1) n + i,
// g(t) in "g_vector" at record t, and each inversion through MATINV and its XINVF. Both files
// live in a private directory, never the user's, and are removed when the place goes.

#include "analysis/record_file.h"
#include "control/riccati_solver.h"

namespace korvel {

class WorkingFilesPlace : public SolverWorkPlace {
public:
    WorkingFilesPlace() = default;
    WorkingFilesPlace(const WorkingFilesPlace&) = delete;
    WorkingFilesPlace& operator=(const WorkingFilesPlace&) = delete;
    ~WorkingFilesPlace() override;

    // Makes both files for n stages, m state entries and N periods; false when it cannot, and
    // then nothing is left behind.
    bool open(int n, int m, int period_count);

    void keepRule(int t, const float* gain, const float* offset) override;
    void takeRule(int t, float* gain, float* offset) override;
    int invert(RuleInverse& s, int n) override;

private:
    RECORD_FILE m_feedback;
    RECORD_FILE m_offsets;
    int m_n = 0;
    int m_m = 0;
};

}  // namespace korvel
