#pragma once
// `korvel --model-from RECORDS.csv --out MODEL.d [...]`: a data file, and its stage names in
// MODEL.names.csv, counted from personnel records, with no display.

namespace korvel {

// Exit statuses of the command.
enum ModelFromStatus : int {
    MODEL_WRITTEN = 0,      // both files were written
    MODEL_NOT_WRITTEN = 1,  // a file could not be written; nothing is left
    MODEL_REFUSED = 2,      // a wrong command line, records that give no model, or MODEL.d exists
};

// True when the command line asks for a model from records (it holds --model-from).
bool ASKS_FOR_MODEL_FROM(int argc, char* argv[]);

// The help lines of the command, for the program's --help.
extern const char* const MODEL_FROM_USAGE;

// Runs the command; returns its exit status.
int MODEL_FROM_MAIN(int argc, char* argv[]);

}  // namespace korvel
