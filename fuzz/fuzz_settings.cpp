// Fuzzes loading the settings file, then paints, clears and hit-tests a board with what was loaded.
//
// The first byte of an input picks the board size (3 + byte % 5); the rest is the settings file.
#include "Board.h"
#include "Canvas.h"
#include "Geometry.h"
#include "Language.h"
#include "Painting.h"
#include "Registry.h"
#include "SettingsStore.h"

#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

using namespace kestrune;

namespace {

// The visible part of the window around the board's top-left corner.
constexpr int kCanvasWidth = 160;
constexpr int kCanvasHeight = 120;

class CountingSink final : public MessageSink {
public:
    int boxes = 0;
    void ShowMessage(std::string_view, std::string_view, int) override { ++boxes; }
};

void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

// QSettings skips reading a file whose size and time of change it has seen before, so each input
// is given a time of its own.
void WriteSettingsFile(const QString& path, std::string_view bytes)
{
    static std::int64_t stamp = 1'000'000'000;
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    Check(fd >= 0, "the settings file can be created");
    Check(::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()), "the settings file is written");
    const timespec times[2] = {{stamp, 0}, {stamp, 0}};
    ++stamp;
    Check(::futimens(fd, times) == 0, "the settings file's time is set");
    ::close(fd);
}

// Some cells of every kind: closed, opened with a count, an opened mine, marked mines and marks.
void FillBoard(Board& board)
{
    for (int index = 0; index < board.CellCount(); ++index) {
        board.MinesAt(index) = index % 3 == 0;
        board.OpenedAt(index) = index % 2 == 0;
        board.MarkedAt(index) = index % 5 == 0;
    }
}

// Every point the hit test maps to a cell lies in that cell's square.
void CheckHitTest(const Geometry& geometry, int n)
{
    for (int y = 0; y < kCanvasHeight; y += 7)
        for (int x = 0; x < kCanvasWidth; x += 7) {
            const std::optional<Cell> cell = geometry.CellAt(x, y);
            if (!cell)
                continue;
            Check(cell->i >= 0 && cell->i < n && cell->j >= 0 && cell->j < n && cell->k >= 0 && cell->k < n
                      && cell->l >= 0 && cell->l < n,
                  "a hit cell lies on the board");
            const PixelPoint origin = geometry.CellOrigin(*cell);
            Check(origin.x <= x && x < origin.x + geometry.CellSize() && origin.y <= y
                      && y < origin.y + geometry.CellSize(),
                  "a hit point lies in its cell's square");
        }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Text is drawn with the platform's fonts, which need a GUI application.
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("Hyvarro.conf"));
    const int n = Board::kMinSize + data[0] % (Board::kMaxSize - Board::kMinSize + 1);
    WriteSettingsFile(path, std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));

    Registry registry(path);
    SettingsRecord settings;
    CountingSink sink;
    LoadSettings(registry, settings, sink);
    Check(sink.boxes <= 2, "at most one box per block");
    Check(settings.CellSize >= 1, "a cell size below 1 is never kept");

    const Messages messages = MessagesFor(settings.Lang);
    Check(messages.MsgNotInGame && *messages.MsgNotInGame, "every language has its messages");
    for (int key = kMsgNotInGame; key <= kLangKeyCount; ++key) {
        const char* text = LanguageText(static_cast<LangKey>(key), settings.Lang);
        Check(text && *text, "every language has every text");
    }

    Board board(n);
    FillBoard(board);
    QImage image(kCanvasWidth, kCanvasHeight, QImage::Format_RGB32);
    image.fill(0);
    Canvas canvas(image);
    const Geometry geometry(settings.CellSize, n);
    PaintBoard(canvas, board, geometry, settings, true);
    ClearBoardArea(canvas, geometry);
    CheckHitTest(geometry, n);
    return 0;
}
