#pragma once

#include <string>

namespace korvel {

// `text` with every `from` replaced by `to`, scanning on after each replacement; an empty `from`
// replaces nothing.
std::string REPLACE_ALL(std::string text, const std::string& from, const std::string& to);

}  // namespace korvel
