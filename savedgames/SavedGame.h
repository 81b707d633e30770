// The saved-game file: its cell letters, writing and reading it, and the save and open commands.
#pragma once

#include "Board.h"
#include "Game.h"
#include "Types.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrune {

// Filter of both file dialogs in the pipe notation ("text|pattern|text|pattern"), and their
// default suffix.
inline constexpr char kSavedGameFilter[] = "Saved Kestrune games (*.sav)|*.sav|All files|*.*";
inline constexpr char kSavedGameSuffix[] = "sav";

// A file holds the size character and then one letter per cell; nothing past the letters of the
// largest board can change what a file opens as.
inline constexpr std::size_t kMaxUsefulFileBytes =
    1 + std::size_t{Board::kMaxSize} * Board::kMaxSize * Board::kMaxSize * Board::kMaxSize;

// The three layer bytes of one cell, each 0 or 1.
struct CellFlags {
    std::uint8_t mines = 0;
    std::uint8_t opened = 0;
    std::uint8_t marked = 0;
    friend bool operator==(const CellFlags&, const CellFlags&) = default;
};

// 'a' + mine + 2 x opened + 4 x marked; any non-zero layer byte counts as set.
char CellLetter(std::uint8_t mines, std::uint8_t opened, std::uint8_t marked);
// The low three bits of (code - 'a'), so every byte decodes to some cell.
CellFlags DecodeCellLetter(char letter);

// The whole file's content: '0' + n, then the letter of every cell in storage order.
std::string EncodeGame(const Board& board);

// What the open command makes of a file's text, in the order it checks.
enum class GameText {
    kEmpty,        // nothing is opened and nothing is said
    kInvalidSize,  // the first character is not '3'..'7'
    kTooSmall,     // fewer than n^4 letters follow it
    kGame,         // a board of the given size can be read from it
};
struct CheckedGameText {
    GameText verdict = GameText::kEmpty;
    int size = 0;  // n, set only for kGame
};
CheckedGameText CheckGameText(std::string_view text);

// Overwrites every cell of the board from the text's letters when CheckGameText finds a game of
// the board's size in it; otherwise leaves the board alone and returns false.
bool DecodeGame(std::string_view text, Board& board);

// Writes the text as the file's whole content. The file is replaced only once every byte has
// reached the disk, so a save that fails leaves whatever file was there untouched. On failure
// shows "ERROR-1" (could not create, write or replace) or "ERROR-2" (an exception) with the file
// name as caption, and returns false.
bool WriteGameFile(std::string_view text, const QString& fileName, MessageSink& messages);

// Reads the file's content up to its first zero byte into text, but never more than
// kMaxUsefulFileBytes: whatever follows cannot change what the file opens as. Only a regular file
// is read; anything else (a device, a pipe, a directory), a file that cannot be opened or a read
// that fails shows "ERROR-4" with the file name as caption, leaves text empty and returns false.
bool ReadGameFile(std::string& text, const QString& fileName, MessageSink& messages);

// What the save and open commands need of the main window besides the game itself. The window
// that also hosts the Game can implement both interfaces; one ShowMessage and one PaintBoard then
// serve both.
class SavedGameHost : public MessageSink {
public:
    // The save dialog (asks before replacing a file) and the open dialog (existing files only).
    // Each yields the chosen full path, or nothing when the player cancels.
    virtual std::optional<QString> ChooseSaveFileName() = 0;
    virtual std::optional<QString> ChooseOpenFileName() = 0;
    // Selects an entry of the size box: index n - 3.
    virtual void SelectSizeIndex(int index) = 0;
    virtual void PaintBoard() = 0;
};

// The save command: with a game running, asks for a file and writes the board to it; "ERROR-3"
// follows any failure of the write. The game goes on untouched.
void SaveGameCommand(const Game& game, SavedGameHost& host);

// The open command: stops a running game first, whatever follows; then asks for a file, reads
// and checks it, starts a game of its size and overwrites every cell with the file's.
void OpenGameCommand(Game& game, SavedGameHost& host);

}  // namespace kestrune
