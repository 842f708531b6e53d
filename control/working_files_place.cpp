#include "control/working_files_place.h"

#include "analysis/matrix_inverse.h"

namespace korvel {

WorkingFilesPlace::~WorkingFilesPlace() {
    DELETE_RECORD_FILE(m_offsets);
    DELETE_RECORD_FILE(m_feedback);
}

// Every value is a 4-byte float: a row of G(t) holds m of them, g(t) n.
bool WorkingFilesPlace::open(int n, int m, int period_count) {
    m_n = n;
    m_m = m;
    if (OPEN_RECORD_FILE(m_feedback, "FEEDBACK", sizeof(float) * static_cast<size_t>(m), n * period_count) !=
        RecordFileStatus::Made)
        return false;
    if (OPEN_RECORD_FILE(m_offsets, "g_vector", sizeof(float) * static_cast<size_t>(n), period_count) ==
        RecordFileStatus::Made)
        return true;
    DELETE_RECORD_FILE(m_feedback);
    return false;
}

void WorkingFilesPlace::keepRule(int t, const float* gain, const float* offset) {
    for (int i = 1; i <= m_n; ++i) WRITE_RECORD(m_feedback, (t - 1) * m_n + i, gain + (i - 1) * m_m);
    WRITE_RECORD(m_offsets, t, offset);
}

void WorkingFilesPlace::takeRule(int t, float* gain, float* offset) {
    for (int i = 1; i <= m_n; ++i) READ_RECORD(m_feedback, (t - 1) * m_n + i, gain + (i - 1) * m_m);
    READ_RECORD(m_offsets, t, offset);
}

int WorkingFilesPlace::invert(RuleInverse& s, int n) {
    int ierr = MATINV_INVERTED;
    MATINV(s, n, ierr, DOUBLE_ROUNDING);
    return ierr;
}

}  // namespace korvel
