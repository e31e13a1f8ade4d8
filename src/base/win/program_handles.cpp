#include "base/win/program_handles.h"

ProgramHandles app;
