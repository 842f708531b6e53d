#pragma once
// Parsing of font descriptors such as "t'Arial'h19w8i", shared by both layer implementations.

#include "present/window/window_records.h"

#include <string>

namespace korvel {

// Reads the option letters left to right: t'Face', h<digits>, w<digits>, b, i.
// Blanks between options are skipped; any other letter makes the descriptor invalid.
FONT_REQUEST PARSE_FONT_DESCRIPTOR(const std::string& descriptor);

}  // namespace korvel
