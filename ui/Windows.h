// The program's windows, created in their order: the main window, the console, the outcome window.
#pragma once

#include "Seam.h"

#include <memory>

class TCheatForm;
class TForm1;
class TVictoryForm;

struct Windows {
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TCheatForm> cheatForm;
    std::unique_ptr<TVictoryForm> victoryForm;
    ~Windows();
};

// Creates the three windows and wires them together; the globals below point at them while they live.
std::unique_ptr<Windows> CreateWindows(Seam& seam);

extern TForm1* Form1;
extern TCheatForm* CheatForm;
extern TVictoryForm* VictoryForm;
