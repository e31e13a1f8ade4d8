// The kept passes: while the user types on, each query begins with the one before, and a pass
// goes on from the marks of the last one; Backspace returns to a kept pass without a walk.
#pragma once

#include "catalogue/catalogue.h"

#include <cstddef>
#include <string>
#include <vector>

// The number of kept passes whose queries begin `query` and end where one of its characters does.
std::size_t passesBeginning(const std::vector<KeptPass>& passes, const std::string& query);

// Makes the marks of the last kept pass current again, with what selections took given back.
void returnToLastPass(MatchIndex& index);

// Runs a pass for `upperQuery` on top of the kept ones, and keeps it.
void runKeptPass(Catalogue& catalogue, const std::string& upperQuery);
