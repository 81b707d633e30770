// A stand-in for the main window that records what the rules ask of it.
#pragma once

#include "Game.h"

#include <functional>
#include <string>
#include <vector>

// Points are cells spelled out: x = i*1000 + j*100 + k*10 + l, y = 0. Any other y is a gap.
class RecordingHost : public kestrune::GameHost {
public:
    std::vector<std::string> calls;
    int sizeIndex = 0;
    std::function<void(bool victory)> onOutcome;

    static int X(const kestrune::Cell& c) { return c.i * 1000 + c.j * 100 + c.k * 10 + c.l; }

    std::optional<kestrune::Cell> CellAt(int x, int y) const override
    {
        if (y != 0 || x < 0)
            return std::nullopt;
        return kestrune::Cell{x / 1000, x / 100 % 10, x / 10 % 10, x % 10};
    }
    void PaintBoard() override { calls.push_back("paint"); }
    void ClearBoardArea() override { calls.push_back("clear"); }
    void SetSizeBoxEnabled(bool enabled) override { calls.push_back(enabled ? "enable" : "disable"); }
    int SizeBoxIndex() const override { return sizeIndex; }
    void ShowOutcome(bool victory) override
    {
        calls.push_back(victory ? "victory" : "defeat");
        if (onOutcome)
            onOutcome(victory);
    }
    void ShowMessage(std::string_view text, std::string_view caption, int flag) override
    {
        calls.push_back("box " + std::string(text) + " | " + std::string(caption) + " | " + std::to_string(flag));
    }
};
