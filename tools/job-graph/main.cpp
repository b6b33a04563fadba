// Prints the job machine as a Graphviz graph (scripts/job-graph.sh renders it).
#include <iostream>

#include "job_graph.h"

int main() {
  std::cout << sc::JobMachineDot();
  return 0;
}
