#pragma once
// The texts of the frame's menu bar. The letter after "&" is the entry's keyboard accelerator.

namespace korvel::menu_text {

// The program's own texts, kept exactly as it shows them, misspellings included: never correct them.
inline constexpr const char* FILE_MENU = "&File";
inline constexpr const char* OPEN_DATAFILE = "O&pen datafile";
inline constexpr const char* CLOSE_DATAFILE = "&Close datafile";
inline constexpr const char* CREATE_DATAFILE = "C&reate datafile with NotePad";
inline constexpr const char* EXIT = "&Exit";

inline constexpr const char* EDIT_MENU = "&Edit";
inline constexpr const char* SELECT_TEXT = "&Select text";
inline constexpr const char* SELECT_AREA = "S&elect area";
inline constexpr const char* SELECT_ALL = "Se&lect total window";
inline constexpr const char* COPY = "&Copy";
inline constexpr const char* PASTE = "&Paste";

inline constexpr const char* READ_MENU = "&Read data-Show";
inline constexpr const char* READ_DATA = "Rea&d data";
inline constexpr const char* SHOW_DETAILS = "Sho&w details";
inline constexpr const char* MATRIX_I_MINUS_P = "&Matrix [\u0399-P]";  // Greek capital iota

inline constexpr const char* COMPUTATIONS_MENU = "Speci&fic computations";
inline constexpr const char* GRAPH_OF_STOCKS = "&Graph of stocks";
inline constexpr const char* GRAPH_OF_OUTFLOWS = "Grap&h of outflows";
inline constexpr const char* COMMON_PROJECTIONS = "&Common projections";
inline constexpr const char* GRAPH_OF_STOCKS_Q = "Gra&ph of stocks";
inline constexpr const char* FIXED_SIZE_PROJECTIONS = "&Fixed-size projections (matrix Q)";
inline constexpr const char* OPTIMAL_CONTROL = "A&pplication of optimal control";
inline constexpr const char* GRAPH_FOR_EACH_STAGE = "Gr&aph for each stage";

inline constexpr const char* VIEW_MENU = "View";
inline constexpr const char* SIZE_TO_FIT = "Si&ze to fit";
inline constexpr const char* FULL_SCREEN = "&Full screen";

inline constexpr const char* HELP_MENU = "&Help";
inline constexpr const char* ABOUT = "&About....";
inline constexpr const char* INSTRUCTIONS = "&Instructions to users";

inline constexpr const char* SEPARATOR = "";

}  // namespace korvel::menu_text
