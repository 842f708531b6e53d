#include "report/html_page.h"

#include "frontends/headless/report/svg_surface.h"
#include "report/shown_number.h"

namespace korvel {

namespace {

constexpr const char* STYLE = R"(
body { font-family: Arial, 'Liberation Sans', sans-serif; margin: 2em auto; max-width: 72em; color: #111; padding: 0 1em; }
h1 { font-size: 1.6em; margin-bottom: 0.2em; }
h2 { font-size: 1.25em; border-bottom: 1px solid #888; margin-top: 2em; }
.contents ol { columns: 2; }
table { border-collapse: collapse; margin: 0 0 1em 0; font-size: 0.85em; }
.table-title { margin: 1.2em 0 0.3em 0; }
th, td { border: 1px solid #bbb; padding: 0.15em 0.5em; white-space: nowrap; }
thead th { background: #eef; }
tbody th { background: #f6f6f6; text-align: left; font-weight: normal; }
td { text-align: right; font-family: 'Courier New', 'Liberation Mono', monospace; }
.scroll { overflow-x: auto; }
.figure { margin: 1em 0; }
.figure svg { max-width: 100%; height: auto; border: 1px solid #ccc; }
.message { border-left: 4px solid #c80; background: #fff8e8; padding: 0.3em 0.8em; margin: 0.8em 0; }
.message.stop { border-color: #c00; background: #fee; }
.message.info { border-color: #06c; background: #eef6ff; }
.message .caption { font-weight: bold; margin: 0; }
.message p { margin: 0.2em 0; white-space: pre-wrap; }
pre.shown { background: #f4f4f4; padding: 0.5em; }
.note { font-style: italic; }
.inaccurate { color: #b00; font-weight: bold; }
@media print {
  body { max-width: none; margin: 0; padding: 0; font-size: 9pt; }
  .contents { display: none; }
  h2, .table-title { break-after: avoid; }
  table, .figure, .message { break-inside: avoid; }
  .scroll { overflow: visible; }
  /* Paper cannot scroll: tables get a smaller type, and a table still too wide wraps its cells */
  @page { margin: 1cm; }
  table { font-size: 5.5pt; max-width: 100%; }
  th, td { padding: 0.1em 0.15em; white-space: normal; overflow-wrap: anywhere; }
  th { overflow-wrap: break-word; }
  thead th, tbody th, .message { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
}
)";

std::string esc(const std::string& text) { return XML_ESCAPED(text); }

// The title above the table rather than as its caption, which a narrow table would wrap.
std::string tableHtml(const REPORT_TABLE& table) {
    std::string html = "<p class=\"table-title\"><strong>" + esc(CELL_TEXT(table.title)) + "</strong> " +
                       esc(CELL_TEXT(table.caption));
    if (!CELL_TEXT(table.subtitle).empty()) html += "<br/>" + esc(CELL_TEXT(table.subtitle));
    html += "</p>\n<div class=\"scroll\"><table>\n<thead><tr>";
    for (const std::string& heading : table.headings) html += "<th scope=\"col\">" + esc(CELL_TEXT(heading)) + "</th>";
    html += "</tr></thead>\n<tbody>\n";
    for (const std::vector<std::string>& row : table.rows) {
        html += "<tr>";
        for (size_t c = 0; c < row.size(); ++c)
            html += c == 0 ? "<th scope=\"row\">" + esc(CELL_TEXT(row[c])) + "</th>" : "<td>" + esc(CELL_TEXT(row[c])) + "</td>";
        html += "</tr>\n";
    }
    return html + "</tbody>\n</table></div>\n";
}

std::string messageHtml(const REPORT_MESSAGE& message) {
    const char* kind = message.style == MB_STOP ? " stop" : message.style == MB_INFORMATION ? " info" : "";
    return std::string("<div class=\"message") + kind + "\"><p class=\"caption\">" + esc(CELL_TEXT(message.caption)) +
           "</p><p>" + esc(CELL_TEXT(message.text)) + "</p></div>\n";
}

std::string entryHtml(const REPORT_ENTRY& entry) {
    switch (entry.kind) {
    case ReportEntryKind::Table: return tableHtml(entry.table);
    case ReportEntryKind::Graph: {
        const std::string title = CELL_TEXT(entry.graph.record.title);
        return "<div class=\"figure\">\n" + entry.graph.svg + "\n<p class=\"figcaption\">" + esc(title.empty() ? "Graph" : title) +
               "</p>\n</div>\n";
    }
    case ReportEntryKind::Message: return messageHtml(entry.message);
    case ReportEntryKind::Shown: {
        std::string html = "<pre class=\"shown\">";
        for (const std::string& line : entry.shown) html += esc(line) + '\n';
        return html + "</pre>\n";
    }
    }
    return {};
}

std::string certificateHtml(const std::vector<REPORT_CERTIFICATE_LINE>& certificate) {
    std::string html = "<div class=\"section\" id=\"certificate\">\n<h2>Accuracy certificate</h2>\n";
    if (certificate.empty()) return html + "<p class=\"note\">No result to certify.</p>\n</div>\n";
    html += "<div class=\"scroll\"><table>\n<thead><tr><th scope=\"col\">Subject</th><th scope=\"col\">Measure</th>"
            "<th scope=\"col\">Value</th><th scope=\"col\">Threshold</th><th scope=\"col\">Verdict</th></tr></thead>\n<tbody>\n";
    for (const REPORT_CERTIFICATE_LINE& line : certificate) {
        const bool ok = line.verdict == "ok";
        html += "<tr><th scope=\"row\">" + esc(line.subject) + "</th><td>" + esc(line.measure) + "</td><td>" +
                esc(line.value) + "</td><td>" + esc(line.threshold) + "</td><td" + (ok ? "" : " class=\"inaccurate\"") +
                ">" + esc(line.verdict) + "</td></tr>\n";
    }
    return html + "</tbody>\n</table></div>\n</div>\n";
}

}  // namespace

std::string HTML_PAGE(const REPORT_CONTENT& content, const std::vector<std::string>& files, const std::string& made_on) {
    const std::string name = esc(content.model_name);
    std::string html = "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\">\n<head>\n"
                       "<meta charset=\"utf-8\"/>\n<title>Korvel report: " + name + "</title>\n<style>" + STYLE +
                       "</style>\n</head>\n<body>\n<div class=\"header\">\n<h1>Korvel report: " + name + "</h1>\n<p>N = " +
                       std::to_string(content.stage_count) + " stages, T = " + std::to_string(content.period_count) +
                       " periods.";
    if (!content.control_name.empty()) html += " Optimal control problem: " + esc(content.control_name) + '.';
    html += " Made by Korvel " + esc(KORVEL_VERSION) + " on " + esc(made_on) + ".</p>\n</div>\n";

    html += "<div class=\"contents\">\n<h2>Contents</h2>\n<ol>\n";
    for (size_t k = 0; k < content.sections.size(); ++k)
        html += "<li><a href=\"#section" + std::to_string(k + 1) + "\">" + esc(content.sections[k].title) + "</a></li>\n";
    html += "<li><a href=\"#certificate\">Accuracy certificate</a></li>\n</ol>\n</div>\n";

    for (size_t k = 0; k < content.sections.size(); ++k) {
        const REPORT_SECTION& section = content.sections[k];
        html += "<div class=\"section\" id=\"section" + std::to_string(k + 1) + "\">\n<h2>" + esc(section.title) + "</h2>\n";
        for (const std::string& note : section.notes) html += "<p class=\"note\">" + esc(note) + "</p>\n";
        for (const REPORT_ENTRY& entry : section.entries) html += entryHtml(entry);
        html += "</div>\n";
    }
    html += certificateHtml(content.certificate);

    html += "<div class=\"section\" id=\"files\">\n<h2>Files of this report</h2>\n<ul>\n";
    for (const std::string& file : files) html += "<li><a href=\"" + esc(file) + "\">" + esc(file) + "</a></li>\n";
    return html + "</ul>\n</div>\n</body>\n</html>\n";
}

}  // namespace korvel
