#include "control/optimal_control_solve.h"

#include "control/riccati_solver.h"
#include "control/working_files_place.h"
#include "model/messages.h"
#include "present/window/window_records.h"

namespace korvel {

bool CALC_OPT_CONTR(int n, int m, int period_count) {
    WorkingFilesPlace place;
    if (!place.open(n, m, period_count)) {
        SHOW_MESSAGE(" The working files of the optimal control cannot be written. ", " Matrix allocation error",
                     MB_EXCLAMATION);
        return false;
    }
    if (SOLVE_CONTROL(n, m, period_count, place) == RiccatiStatus::SingularS) {
        SHOW_MESSAGE(" Error in matrix allocation. Probably the data heve not given correctly", " Matrix allocation error",
                     MB_EXCLAMATION);
        return false;
    }
    return true;
}

}  // namespace korvel
