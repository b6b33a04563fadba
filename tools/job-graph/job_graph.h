// The job machine drawn as a Graphviz graph: its phases, and for each move
// from one phase to another the events that make it, with the command each
// sends. Made from the machine itself, so the picture cannot drift from it.
#pragma once

#include <string>

namespace sc {

std::string JobMachineDot();

}  // namespace sc
