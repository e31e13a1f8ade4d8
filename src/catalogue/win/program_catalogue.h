// The running program's catalogue and the store of its launch scores, both belonging to the
// user-interface thread.
#pragma once

#include "catalogue/catalogue.h"
#include "catalogue/score_store.h"

extern Catalogue catalogue;
extern ScoreStore scoreStore;
