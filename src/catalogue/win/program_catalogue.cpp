#include "catalogue/win/program_catalogue.h"

Catalogue catalogue;
ScoreStore scoreStore;
