#pragma once
// Sets AppDir for this run from where the executable lies, filling the user's own folder first
// when the program is installed.

#include "base/UserFolder.h"

// Raises TError when the user's folder cannot be made or filled.
TFillReport StartAppDir();
