#include "shell/startup.h"

#include "model/model_state.h"
#include "present/window/file_units.h"
#include "present/window/window_layer.h"

#include <string>

namespace korvel {

namespace {

constexpr const char* FRAME_TITLE = " Vendrassa";
constexpr const char* INDICATIONS_TITLE = " Basic indications";

struct PlacedText {
    int x;
    int y;
    const char* text;
};

// The instruction screen shown after Enter.
// The program's own texts, kept exactly as it shows them, misspellings included: never correct them.
constexpr PlacedText INSTRUCTIONS[] = {
    {130, 30, "....In order to open the datafile...."},
    {85, 58, "Srtart with the commands {File} {Open datafile},"},
    {99, 78, "or give the commands {File} {Close datafile}"},
    {195, 98, "to end the program,"},
    {45, 118, "or finally, give the commands {Help} {Instructions to users}"},
    {465, 178, "(...Please wait...)"},
};

void setUpFrame() {
    WINDOW_MENU_COMMAND(FRAME_STATUS_BAR);  // the frame is created with a status bar
    SET_WINDOW_TEXT(FRAME_WINDOW, FRAME_TITLE);
    WINDOW_PLACEMENT placement;
    placement.kind = PLACE_POSITION_AND_SIZE;
    placement.x = 0;
    placement.y = 0;
    placement.height = 400;
    placement.width = 802;
    SET_WINDOW_PLACEMENT(FRAME_WINDOW, placement);
}

void openIndicationsWindow() {
    OPEN_CHILD_WINDOW(INDICATIONS_WINDOW, INDICATIONS_TITLE);
    WINDOW_CONFIG config;
    config.pixel_width = -1;
    config.pixel_height = -1;
    config.text_columns = 150;
    config.text_rows = 18;
    config.colour_count = -1;
    config.font_size = -1;
    // A refused request comes back adjusted to what the layer accepts; apply that.
    if (!SET_WINDOW_CONFIG(config)) SET_WINDOW_CONFIG(config);
    SET_BACKGROUND(DARK_RED);
    CLEAR_WINDOW();
}

void drawTripleBorder() {
    SET_COLOR(WHITE);
    const WINDOW_RECT outer = GET_WINDOW_RECT(INDICATIONS_WINDOW);
    const double width = (outer.right - outer.left) - 35;
    const double height = (outer.bottom - outer.top) - 57;
    for (double inset : {0.0, 2.2, 4.4}) RECTANGLE_W(DRAW_OUTLINE, inset + 1, inset + 1, width - inset, height - inset);
}

void drawCredits() {
    INITIALIZE_FONTS();
    SET_FONT("t'Arial'h19w8i");
    SET_COLOR(WHITE);
    DRAW_TEXT_AT(140, 20, "Korvel");
    SET_COLOR(YELLOW);
    DRAW_TEXT_AT(150, 55, "Personnel planning with open Markov systems");
    DRAW_TEXT_AT(148, 90, "Stocks, projections and optimal recruitment control");
    MOVE_TO(170, 130);
    SET_FONT("t'Arial'h19w8b");
    SET_COLOR(CYAN);
    DRAW_TEXT("Version 1.0");
}

void waitForEnter() {
    MOVE_TO(115, 170);
    SET_FONT("t'Arial'h16w7b");
    SET_COLOR(WHITE);
    DRAW_TEXT("(Attention!  Press Enter now for avoiding severe problems)");
    WAITING_FOR_ENTER = true;
    READ_LINE(INDICATIONS_WINDOW);
    WAITING_FOR_ENTER = false;
    CLEAR_WINDOW();
}

void drawInstructions() {
    INITIALIZE_FONTS();
    SET_FONT("t'Arial Greek'h20w10b");
    SET_FONT("t'Arial'h20w10b");  // replaces the Greek face whenever Arial exists
    SET_COLOR(WHITE);
    for (const PlacedText& line : INSTRUCTIONS) DRAW_TEXT_AT(line.x, line.y, line.text);
}

}  // namespace

void KORVEL_EN() {
    setUpFrame();
    openIndicationsWindow();
    drawTripleBorder();
    drawCredits();
    waitForEnter();
    DATAFILE_OPEN = false;
    DATA_UNIT = DATA_CHANNEL;
    drawInstructions();
    TRY_TODELETE();
    SLEEP(5000);
    CLEAR_WINDOW();
    IDLE_FOREVER();
}

void TRY_TODELETE() {
    for (int k = 1; k <= 200; ++k) {
        const std::string name = "fort." + std::to_string(k);
        if (!FILE_EXISTS(name)) continue;
        // A stray file that cannot be opened is left where it is.
        if (OPEN_UNIT(k + 50, name, UnitAccess::Unknown)) CLOSE_UNIT(k + 50, true);
    }
}

}  // namespace korvel
