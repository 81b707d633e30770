// Fuzzes the open command with any file content, then saves what it opened and opens that again.
#include "Game.h"
#include "SavedGame.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace kestrune;

namespace {

// Answers the commands as the main window does: both dialogs yield a fixed name, nothing is drawn.
class Host final : public GameHost, public SavedGameHost {
public:
    QString openName;
    QString saveName;
    int sizeIndex = 0;
    bool sizeBoxEnabled = true;
    std::vector<std::string> boxes;

    std::optional<Cell> CellAt(int, int) const override { return std::nullopt; }
    void PaintBoard() override {}
    void ClearBoardArea() override {}
    void SetSizeBoxEnabled(bool enabled) override { sizeBoxEnabled = enabled; }
    int SizeBoxIndex() const override { return sizeIndex; }
    void ShowOutcome(bool) override {}
    void ShowMessage(std::string_view text, std::string_view, int) override { boxes.emplace_back(text); }
    std::optional<QString> ChooseSaveFileName() override { return saveName; }
    std::optional<QString> ChooseOpenFileName() override { return openName; }
    void SelectSizeIndex(int index) override { sizeIndex = index; }
};

void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

void WriteWhole(const QString& path, std::string_view bytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    Check(fd >= 0, "the input file can be created");
    Check(::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()), "the input file is written");
    ::close(fd);
}

std::string ReadWhole(const QString& path)
{
    QFile file(path);
    Check(file.open(QIODevice::ReadOnly), "the saved file can be read");
    return file.readAll().toStdString();
}

// What a file of these bytes must open as, worked out from the layout alone: the text ends at the
// first zero byte; a size character '3'..'7' and n^4 letters make a game whose cell flags are the
// low three bits of (letter - 'a'). Returns the game's text in canonical letters, or none together
// with the box that is due ("" for none).
std::optional<std::string> Expected(std::string_view bytes, std::string& box)
{
    const std::string_view text = bytes.substr(0, bytes.find('\0'));
    box.clear();
    if (text.empty())
        return std::nullopt;
    const int n = static_cast<unsigned char>(text[0]) - '0';
    if (n < 3 || n > 7) {
        box = "Invalid Size";
        return std::nullopt;
    }
    const std::size_t cells = static_cast<std::size_t>(n) * n * n * n;
    if (text.size() < 1 + cells) {
        box = "File is too small";
        return std::nullopt;
    }
    std::string canonical(1, text[0]);
    for (std::size_t c = 0; c < cells; ++c)
        canonical.push_back(static_cast<char>('a' + ((static_cast<unsigned char>(text[1 + c]) - 'a') & 7)));
    return canonical;
}

// The board holds exactly the cells the canonical text describes, as 0 or 1 in every layer.
bool BoardMatches(const Board& board, const std::string& canonical)
{
    if (board.Size() != canonical[0] - '0')
        return false;
    for (int index = 0; index < board.CellCount(); ++index) {
        const int v = canonical[1 + static_cast<std::size_t>(index)] - 'a';
        if (board.MinesAt(index) != (v & 1) || board.OpenedAt(index) != ((v >> 1) & 1)
            || board.MarkedAt(index) != ((v >> 2) & 1))
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir dir;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    Host host;
    host.openName = dir.filePath(QStringLiteral("input.sav"));
    host.saveName = dir.filePath(QStringLiteral("again.sav"));
    const SettingsRecord settings;
    const Messages messages;
    Game game(host, settings, messages);
    WriteWhole(host.openName, bytes);

    // A game is running, so the open command first has one to stop.
    game.Start();
    OpenGameCommand(game, host);

    std::string box;
    const std::optional<std::string> canonical = Expected(bytes, box);
    if (!canonical) {
        Check(!game.InGame && !game.board() && host.sizeBoxEnabled, "a file that opens nothing leaves no game");
        Check(box.empty() ? host.boxes.empty() : host.boxes == std::vector<std::string>{box}, "the due box is shown");
        return 0;
    }
    Check(host.boxes.empty(), "a game opens without a box");
    Check(game.InGame && game.board() && !host.sizeBoxEnabled, "the opened game runs");
    Check(host.sizeIndex == game.BoardSize - 3 && game.BoardSize == (*canonical)[0] - '0', "the size box shows its size");
    Check(BoardMatches(*game.board(), *canonical), "every cell is decoded by its low bits");
    Check(EncodeGame(*game.board()) == *canonical, "the opened game encodes to its canonical letters");

    SaveGameCommand(game, host);
    Check(host.boxes.empty(), "the opened game saves");
    Check(ReadWhole(host.saveName) == *canonical, "the saved file holds the canonical letters");

    host.openName = host.saveName;
    OpenGameCommand(game, host);
    Check(host.boxes.empty() && game.InGame && game.board(), "the saved game opens");
    Check(EncodeGame(*game.board()) == *canonical, "saving and opening again changes nothing");
    return 0;
}
