// The table of the rules each state of a job follows, one row for every
// status line the window can show and every wait the job can be in, read from
// the job machine by walking it: whether "Exit" is enabled and what enables
// it, whether the PC is kept awake, what the taskbar button shows, which wait
// runs and its limit, the tooltip's alarm line and the notify command's event.
// The help and docs/design-choices.md hold it between markers;
// scripts/rules-table.sh writes it there and a unit test keeps it current.
#pragma once

#include <string>
#include <vector>

namespace sc {

struct RulesTable {
  std::vector<std::string> headers;
  std::vector<std::vector<std::string>> rows;
};

RulesTable JobRulesTable();

std::string RulesTableHtml(const RulesTable& table);
std::string RulesTableMarkdown(const RulesTable& table);

// Whether `text` holds the generated table's two markers.
bool HasTableMarkers(const std::string& text);

// `text` with whatever stands between the markers replaced by `table`.
std::string WithTable(const std::string& text, const std::string& table);

}  // namespace sc
