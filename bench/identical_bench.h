#pragma once
// fotomaz-bench --identical: what recognising files that are in the target
// already costs, against the least any such check must do, reading every
// byte of both copies once.

#include "run/run_options.h"
#include "bench/synthetic_tree.h"

#include <string>

// Sorts a synthetic tree of shape into a target below scratch, then times a
// run over an identical copy of it with skipIdentical set (best of a few
// runs, as the machine may be busy), prints the figures, and returns the
// exit status: 1 when the copy's files were not all recognised.
int RunIdenticalBench(const std::string& scratch, const TreeShape& shape,
                      FolderStructure structure);
