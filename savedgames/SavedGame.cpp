// The saved-game file.
#include "SavedGame.h"
