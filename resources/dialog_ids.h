#pragma once
// The ids of the dialog templates held with the program, and of the controls the program
// addresses in them.

namespace korvel {

// Every template's default button.
inline constexpr int DIALOG_OK = 1;

// The series, the title and the vertical-axis text of a graph.
inline constexpr int GRAPH_SERIES_DIALOG = 111;
inline constexpr int GRAPH_NAME_LIST = 1005;
inline constexpr int GRAPH_TITLE_FIELD = 1006;
inline constexpr int GRAPH_AXIS_FIELD = 1007;

// The stage whose nominal and optimal trajectories are compared.
inline constexpr int SINGLE_NAME_DIALOG = 112;
inline constexpr int SINGLE_NAME_LIST = 1008;

inline constexpr int ABOUT_DIALOG = 113;

}  // namespace korvel
