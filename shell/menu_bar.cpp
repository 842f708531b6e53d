#include "shell/menu_bar.h"

#include "analysis/analysis_commands.h"
#include "base/program_exit.h"
#include "control/control_commands.h"
#include "model/read_data.h"
#include "present/graph/graph_commands.h"
#include "present/window/window_layer.h"
#include "resources/menu_texts.h"
#include "shell/data_file_commands.h"
#include "shell/exit_routines.h"
#include "shell/help_about.h"

#include <iterator>

namespace korvel {

namespace {

struct MenuEntry {
    int menu;
    int flags;
    const char* text;
    MENU_ROUTINE routine;
};

// In menu order; the first call for a menu number creates its title.
constexpr MenuEntry MENU_BAR[] = {
    {1, MENU_ITEM, menu_text::FILE_MENU, WIN_NONE},
    {1, MENU_ITEM_CHECKED, menu_text::OPEN_DATAFILE, DATAFF},
    {1, MENU_SEPARATOR, menu_text::SEPARATOR, WIN_NONE},
    {1, MENU_ITEM, menu_text::CLOSE_DATAFILE, CLOSEFILECALL},
    {1, MENU_SEPARATOR, menu_text::SEPARATOR, WIN_NONE},
    {1, MENU_ITEM, menu_text::CREATE_DATAFILE, NOTEPADCALL},
    {1, MENU_SEPARATOR, menu_text::SEPARATOR, WIN_NONE},
    {1, MENU_ITEM, menu_text::EXIT, WIN_EXIT},

    {2, MENU_ITEM, menu_text::EDIT_MENU, WIN_NONE},
    {2, MENU_ITEM, menu_text::SELECT_TEXT, WIN_SELECT_TEXT},
    {2, MENU_ITEM, menu_text::SELECT_AREA, WIN_SELECT_AREA},
    {2, MENU_ITEM, menu_text::SELECT_ALL, WIN_SELECT_ALL},
    {2, MENU_ITEM, menu_text::COPY, WIN_COPY},
    {2, MENU_ITEM, menu_text::PASTE, WIN_PASTE},

    {3, MENU_ITEM, menu_text::READ_MENU, WIN_NONE},
    {3, MENU_ITEM, menu_text::READ_DATA, READ_DATA},
    {3, MENU_SEPARATOR, menu_text::SEPARATOR, WIN_NONE},
    {3, MENU_ITEM, menu_text::SHOW_DETAILS, SHOWDATA},
    {3, MENU_SEPARATOR, menu_text::SEPARATOR, WIN_NONE},
    {3, MENU_ITEM, menu_text::MATRIX_I_MINUS_P, SHOWI_A},

    {4, MENU_ITEM, menu_text::COMPUTATIONS_MENU, WIN_NONE},
    {4, MENU_ITEM, menu_text::GRAPH_OF_STOCKS, PLOTSTOCK},
    {4, MENU_ITEM, menu_text::GRAPH_OF_OUTFLOWS, PLOTWASTE},
    {4, MENU_ITEM, menu_text::COMMON_PROJECTIONS, COMPUTE_PROJECTIONS_T},
    {4, MENU_SEPARATOR, menu_text::SEPARATOR, WIN_NONE},
    {4, MENU_ITEM, menu_text::GRAPH_OF_STOCKS_Q, PLOTSTOCK_Q},
    {4, MENU_ITEM, menu_text::FIXED_SIZE_PROJECTIONS, COMPUTE_PROJECTIONS_Q},
    {4, MENU_SEPARATOR, menu_text::SEPARATOR, WIN_NONE},
    {4, MENU_ITEM, menu_text::OPTIMAL_CONTROL, OPTIMAL_CONTROL},
    {4, MENU_ITEM, menu_text::GRAPH_FOR_EACH_STAGE, GET_ESTIM_NAMES_FORPLOT},

    {5, MENU_ITEM, menu_text::VIEW_MENU, WIN_NONE},
    {5, MENU_ITEM, menu_text::SIZE_TO_FIT, WIN_SIZE_TO_FIT},
    {5, MENU_SEPARATOR, menu_text::SEPARATOR, WIN_NONE},
    {5, MENU_ITEM, menu_text::FULL_SCREEN, WIN_FULL_SCREEN},

    {6, MENU_ITEM, menu_text::HELP_MENU, WIN_NONE},
    {6, MENU_ITEM, menu_text::ABOUT, ABOUTCALL},
    {6, MENU_ITEM, menu_text::INSTRUCTIONS, GET_HELP},
};

static_assert(std::size(MENU_BAR) == 37);

}  // namespace

bool INITIALSETTINGS() {
    INSTALL_EXIT_ROUTINE(USEREXIT);
    bool ok = false;
    for (const MenuEntry& entry : MENU_BAR) ok = APPEND_MENU_ITEM(entry.menu, entry.flags, entry.text, entry.routine);
    return ok;
}

}  // namespace korvel
