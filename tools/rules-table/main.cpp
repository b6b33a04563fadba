// Writes the job's rules table between the markers of the given help page
// and Markdown file (scripts/rules-table.sh names them).
#include <fstream>
#include <iostream>
#include <sstream>

#include "rules_table.h"

namespace {

bool Rewrite(const char* path, const std::string& table) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  if (!in || !sc::HasTableMarkers(text.str())) {
    std::cerr << path << ": no markers of the rules table\n";
    return false;
  }
  std::ofstream(path, std::ios::binary) << sc::WithTable(text.str(), table);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: rules_table <help page.html> <design notes.md>\n";
    return 2;
  }
  const sc::RulesTable table = sc::JobRulesTable();
  const bool html = Rewrite(argv[1], sc::RulesTableHtml(table));
  const bool markdown = Rewrite(argv[2], sc::RulesTableMarkdown(table));
  return html && markdown ? 0 : 1;
}
