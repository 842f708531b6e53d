#pragma once
// index.html: one self-contained page of the whole report, readable offline and in print. It
// is written as XHTML, so it parses both as HTML and as XML.

#include "report/report_content.h"

#include <string>

namespace korvel {

// The page; `files` are the names of the other files of the report, listed at its end.
std::string HTML_PAGE(const REPORT_CONTENT& content, const std::vector<std::string>& files, const std::string& made_on);

}  // namespace korvel
