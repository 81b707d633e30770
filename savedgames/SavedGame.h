// The saved-game file.
#pragma once
