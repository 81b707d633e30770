// Small value types shared by every part of the game: cells, colours, the settings record, messages.
#pragma once

#include <cstdint>
#include <string_view>

namespace kestrune {

// A cell of the four-dimensional board: i and j are its column and row inside its block,
// k and l the column and row of the block.
struct Cell {
    int i = 0;
    int j = 0;
    int k = 0;
    int l = 0;
    friend bool operator==(const Cell&, const Cell&) = default;
};

// A colour as the settings store keeps it: 0x00BBGGRR, red in the low byte.
using Color = std::uint32_t;

// The player's preferences, with the values a first start uses.
struct SettingsRecord {
    std::int32_t Lang = 0;
    std::int32_t CellSize = 16;
    std::int32_t MinesPercent = 7;
    Color FillColor = 0xC0C0C0;
    Color LightColor = 0xFFFFFF;
    Color DarkColor = 0x808080;
    Color BombColor = 0x0000FF;
    Color BoomColor = 0x00FFFF;
    friend bool operator==(const SettingsRecord&, const SettingsRecord&) = default;
};

// The eight localised messages of the current language, UTF-8. They point at constant texts of
// the language table; applying a language replaces all eight at once.
struct Messages {
    const char* MsgNotInGame = "";
    const char* MsgWarning = "";
    const char* MsgAlreadyInGame = "";
    const char* MsgWinCaption = "";
    const char* MsgWinTitle = "";
    const char* MsgLoseCaption = "";
    const char* MsgLoseTitle = "";
    const char* MsgBadNumber = "";
};

// Icon of a message box, by the flag values the game has always used.
enum MessageFlag : int {
    kMbPlain = 0,     // no icon
    kMbError = 16,    // stop sign
    kMbWarning = 48,  // exclamation mark
};

// Anything that can put a modal message box with a single OK button in front of the player.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Texts are UTF-8. Returns when the player has closed the box.
    virtual void ShowMessage(std::string_view text, std::string_view caption, int flag) = 0;
};

}  // namespace kestrune
