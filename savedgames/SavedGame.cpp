// The saved-game file: cell letters, the file itself, and the save and open commands.
#include "SavedGame.h"

#include <QFile>
#include <QSaveFile>

#include <array>
#include <cstddef>
#include <exception>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QFileInfo>
#endif

namespace kestrune {

namespace {

int CellCountOf(int n)
{
    return n * n * n * n;
}

#ifdef Q_OS_UNIX
// Closes a descriptor at the end of a scope.
class FdGuard {
public:
    explicit FdGuard(int fd) : m_fd(fd) {}
    ~FdGuard()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FdGuard(const FdGuard&) = delete;
    FdGuard& operator=(const FdGuard&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};
#endif

// Reads at most kMaxUsefulFileBytes of an open file, stopping early at a zero byte.
bool ReadUsefulBytes(QFile& file, std::string& text)
{
    std::array<char, kMaxUsefulFileBytes> buffer{};
    std::size_t got = 0;
    while (got < buffer.size()) {
        const qint64 n = file.read(buffer.data() + got, static_cast<qint64>(buffer.size() - got));
        if (n < 0)
            return false;
        if (n == 0)
            break;
        const std::string_view chunk(buffer.data() + got, static_cast<std::size_t>(n));
        got += chunk.size();
        if (chunk.find('\0') != std::string_view::npos)
            break;
    }
    const std::string_view content(buffer.data(), got);
    text.assign(content.substr(0, content.find('\0')));
    return true;
}

// False when the file is not a regular file or cannot be opened or read.
bool ReadUsefulBytes(const QString& fileName, std::string& text)
{
#ifdef Q_OS_UNIX
    // Non-blocking, so that a pipe with no writer cannot hang the program before it is refused;
    // the file type is checked on the open descriptor, so nothing can swap the file in between.
    const FdGuard fd(::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0)
        return false;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    QFile file;
    if (!file.open(fd.get(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return false;
    return ReadUsefulBytes(file, text);
#else
    if (!QFileInfo(fileName).isFile())
        return false;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return ReadUsefulBytes(file, text);
#endif
}

}  // namespace

char CellLetter(std::uint8_t mines, std::uint8_t opened, std::uint8_t marked)
{
    return static_cast<char>('a' + (mines ? 1 : 0) + (opened ? 2 : 0) + (marked ? 4 : 0));
}

CellFlags DecodeCellLetter(char letter)
{
    const auto v = static_cast<std::uint8_t>(static_cast<unsigned char>(letter) - 'a');
    return {static_cast<std::uint8_t>(v & 1), static_cast<std::uint8_t>((v >> 1) & 1),
            static_cast<std::uint8_t>((v >> 2) & 1)};
}

std::string EncodeGame(const Board& board)
{
    std::string text;
    text.reserve(1 + static_cast<std::size_t>(board.CellCount()));
    text.push_back(static_cast<char>('0' + board.Size()));
    for (int index = 0; index < board.CellCount(); ++index)
        text.push_back(CellLetter(board.MinesAt(index), board.OpenedAt(index), board.MarkedAt(index)));
    return text;
}

CheckedGameText CheckGameText(std::string_view text)
{
    if (text.empty())
        return {GameText::kEmpty, 0};
    const int n = static_cast<unsigned char>(text[0]) - '0';
    if (n < Board::kMinSize || n > Board::kMaxSize)
        return {GameText::kInvalidSize, 0};
    if (text.size() < 1 + static_cast<std::size_t>(CellCountOf(n)))
        return {GameText::kTooSmall, 0};
    return {GameText::kGame, n};
}

bool DecodeGame(std::string_view text, Board& board)
{
    const CheckedGameText checked = CheckGameText(text);
    if (checked.verdict != GameText::kGame || checked.size != board.Size())
        return false;
    for (int index = 0; index < board.CellCount(); ++index) {
        const CellFlags f = DecodeCellLetter(text[1 + static_cast<std::size_t>(index)]);
        board.MinesAt(index) = f.mines;
        board.OpenedAt(index) = f.opened;
        board.MarkedAt(index) = f.marked;
    }
    return true;
}

bool WriteGameFile(std::string_view text, const QString& fileName, MessageSink& messages)
{
    bool written = false;
    try {
        QSaveFile file(fileName);
        if (file.open(QIODevice::WriteOnly)) {
            const auto length = static_cast<qint64>(text.size());
            // commit() alone can report success over a buffer that never reached the disk (a
            // full disk, a file size limit), so the flush is checked on its own first.
            if (file.write(text.data(), length) == length && file.flush())
                written = file.commit();
            else
                file.cancelWriting();
        }
    } catch (const std::exception&) {
        messages.ShowMessage("ERROR-2", fileName.toStdString(), kMbError);
        return false;
    }
    if (!written)
        messages.ShowMessage("ERROR-1", fileName.toStdString(), kMbError);
    return written;
}

bool ReadGameFile(std::string& text, const QString& fileName, MessageSink& messages)
{
    text.clear();
    bool read = false;
    try {
        read = ReadUsefulBytes(fileName, text);
    } catch (const std::exception&) {
        read = false;  // reported below like any other failure to read
    }
    if (!read) {
        text.clear();
        messages.ShowMessage("ERROR-4", fileName.toStdString(), kMbError);
    }
    return read;
}

void SaveGameCommand(const Game& game, SavedGameHost& host)
{
    const Board* board = game.board();
    if (!game.InGame || game.BoardSize < Board::kMinSize || !board)
        return;
    const std::optional<QString> fileName = host.ChooseSaveFileName();
    if (!fileName)
        return;
    if (!WriteGameFile(EncodeGame(*board), *fileName, host))
        host.ShowMessage("ERROR-3", fileName->toStdString(), kMbError);
}

void OpenGameCommand(Game& game, SavedGameHost& host)
{
    if (game.InGame)
        game.Stop();
    const std::optional<QString> fileName = host.ChooseOpenFileName();
    if (!fileName)
        return;
    std::string text;
    if (!ReadGameFile(text, *fileName, host)) {
        host.ShowMessage("ERROR-5", fileName->toStdString(), kMbError);
        return;
    }
    const CheckedGameText checked = CheckGameText(text);
    switch (checked.verdict) {
    case GameText::kEmpty:
        return;
    case GameText::kInvalidSize:
        host.ShowMessage("Invalid Size", "", kMbError);
        return;
    case GameText::kTooSmall:
        host.ShowMessage("File is too small", "", kMbError);
        return;
    case GameText::kGame:
        break;
    }
    host.SelectSizeIndex(checked.size - Board::kMinSize);
    game.Start();
    Board* board = game.board();
    // The start command has already said why there is no board when its allocation failed.
    if (!game.InGame || !board || !DecodeGame(text, *board))
        return;
    host.PaintBoard();
}

}  // namespace kestrune
