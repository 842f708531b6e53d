#include "shell/data_file_commands.h"

#include "model/messages.h"
#include "model/model_state.h"
#include "present/window/file_units.h"
#include "present/window/window_layer.h"
#include "shell/exit_routines.h"

#include <string>

namespace korvel {

namespace {

// Menu 1: "O&pen datafile" is item 1, "&Close datafile" item 3.
constexpr int FILE_MENU = 1;
constexpr int OPEN_ITEM = 1;
constexpr int CLOSE_ITEM = 3;
constexpr int MAX_DIALOGS = 3;

// The last selected path, kept between calls as the dialog's starting name.
std::string g_selection;

FILE_DIALOG_REQUEST dataFileDialog() {
    FILE_DIALOG_REQUEST request;
    request.title = "Select and open the datafile";
    request.initial_path = g_selection;
    request.default_extension = "txt";
    request.filters = {
        {"Data Files(*.d)", "*.d"},
        {"Data Files(*.dat)", "*.dat"},
        {"Text Files(*.txt)", "*.txt"},
        {"Program sources (*.for, *.f90)", "*.f90;*.f"},
        {"All Files(*.*)", "*.*"},
    };
    request.initial_filter = 1;
    request.path_must_exist = true;
    request.show_read_only = true;
    return request;
}

// A path that does not fit the selection buffer (with its ending zero) is a failed dialog.
bool fitsSelectionBuffer(const std::string& path) { return CHARACTER_COUNT(path) < PATH_LENGTH; }

void showOpenedNotice() {
    SHOW_NOTICE("t'Arial Greek'h21w9i", false,
                {{7, 40, "Your data are to be read from the file"}, {7, 65, DATAFILE_NAME.text()}}, 3900);
}

void showNoFileNotice() {
    SHOW_NOTICE("t'Arial'h21w9i", true,
                {{7, 30, "No data file can be accessed."},
                 {10, 60, DATAFILE_NAME.text()},
                 {10, 90, "Exit the program, or try again to open a valid datafile."}},
                4800);
}

}  // namespace

void DATAFF(bool) {
    RESET_MESSAGE_BUFFERS();
    if (WAITING_FOR_ENTER) {
        SHOW_MESSAGE(".....Then press Cancel on the window to select and open the datafile.",
                     "    Since you didn't pressed the Enter button, the program is about to close... ",
                     MB_EXCLAMATION);
        USEREXIT();  // queued: the dialog below still follows, and the message asks to cancel it
    }
    DATAF_NEW();
    if (DATAFILE_OPEN) {
        SET_MENU_ITEM_FLAGS(FILE_MENU, OPEN_ITEM, MENU_UNCHECKED);
        SET_MENU_ITEM_FLAGS(FILE_MENU, CLOSE_ITEM, MENU_CHECKED);
    }
}

void DATAF_NEW() {
    bool exists = false;
    DATAFILEOPEN_NEW(exists);
    if (DATAFILE_OPEN)
        showOpenedNotice();
    else
        showNoFileNotice();
}

void DATAFILEOPEN_NEW(bool& exists) {
    const FILE_DIALOG_REQUEST request = dataFileDialog();
    RESET_MESSAGE_BUFFERS();
    for (int attempt = 1;; ++attempt) {
        const FILE_DIALOG_RESULT chosen = OPEN_FILE_DIALOG(request);
        if (!chosen.chosen || !fitsSelectionBuffer(chosen.path)) {
            SHOW_MESSAGE(" No file has been selected ! ", " Selecting a datafile ", MB_INFORMATION);
            DATAFILE_OPEN = false;
            return;
        }
        g_selection = chosen.path;
        DATAFILE_NAME.assign(chosen.path + '\0');
        if (chosen.read_only)
            SHOW_MESSAGE(" Το αρχείο είναι μόνο για ανάγνωση! ", " Μορφή πρόσβασης ", MB_INFORMATION);
        exists = FILE_EXISTS(chosen.path);
        if (exists) break;
        SHOW_MESSAGE(" Δεν μπορεί να εντοπιστεί το αρχείο που επέλεξες.  ", " Δεν υπάρχει το αρχείο ", MB_EXCLAMATION);
        if (attempt == MAX_DIALOGS) {
            DATAFILE_OPEN = false;
            return;
        }
    }
    // The user's file is only ever read: it is opened read-only, never created.
    if (!OPEN_UNIT(DATA_UNIT, g_selection, UnitAccess::ReadOnly)) {
        SHOW_MESSAGE(" Δεν μπορεί να ανοίξει το αρχείο που επέλεξες. ", " Λάθος στο άνοιγμα του αρχείου ", MB_EXCLAMATION);
        DATAFILE_OPEN = false;
        return;
    }
    DATAFILE_OPEN = true;
    SHOW_MESSAGE(g_selection, " Pathname of the opened file ", MB_INFORMATION);
    REWIND_UNIT(DATA_UNIT);
}

void CLOSEFILECALL(bool checked) {
    if (checked) {
        SET_MENU_ITEM_FLAGS(FILE_MENU, CLOSE_ITEM, MENU_UNCHECKED);
        SET_MENU_ITEM_FLAGS(FILE_MENU, OPEN_ITEM, MENU_CHECKED);
    } else {
        SET_MENU_ITEM_FLAGS(FILE_MENU, CLOSE_ITEM, MENU_CHECKED);
        SET_MENU_ITEM_FLAGS(FILE_MENU, OPEN_ITEM, MENU_UNCHECKED);
    }
    RESET_MODEL_FLAGS();
    CLOSE_UNIT(DATA_UNIT);
}

// The editor is started without waiting; when none can be started nothing is reported.
void NOTEPADCALL(bool) { RUN_TEXT_EDITOR(); }

}  // namespace korvel
