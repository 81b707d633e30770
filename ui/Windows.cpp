// Creation of the program's windows.
#include "Windows.h"

#include "Unit1.h"
#include "Unit4.h"
#include "Unit5.h"

TForm1* Form1 = nullptr;
TCheatForm* CheatForm = nullptr;
TVictoryForm* VictoryForm = nullptr;

Windows::~Windows()
{
    Form1 = nullptr;
    CheatForm = nullptr;
    VictoryForm = nullptr;
    // The console and the outcome window refer to the main window's state, so they go first.
    victoryForm.reset();
    cheatForm.reset();
    form1.reset();
}

std::unique_ptr<Windows> CreateWindows(Seam& seam)
{
    auto windows = std::make_unique<Windows>();
    windows->form1 = std::make_unique<TForm1>(seam);
    TForm1& form1 = *windows->form1;
    windows->cheatForm = std::make_unique<TCheatForm>(
        form1.game(), seam, [&form1] { form1.ToolButton6Click(); }, [&form1] { form1.ToolButton5Click(); }, &form1);
    windows->victoryForm = std::make_unique<TVictoryForm>(form1.Msg, form1.game(), &form1);
    form1.SetWindows(windows->cheatForm.get(), windows->victoryForm.get());
    Form1 = windows->form1.get();
    CheatForm = windows->cheatForm.get();
    VictoryForm = windows->victoryForm.get();
    return windows;
}
