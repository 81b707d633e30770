// Loading and saving the settings record, block by block, with the store's failure boxes.
#include "SettingsStore.h"

#include <array>
#include <cstdint>
#include <utility>

namespace kestrune {
namespace {

// The same box serves both blocks; it is Russian in every language because it can come up
// before any language has been applied.
constexpr char kReadFailureCaption[] = "Ошибка при чтении реестра";
constexpr char kReadFailureText[] =
    "Не вы постарались?\n"
    "Если да, то больше с реестром не играйтесь\n"
    "Если вы не при чём, то сообщите о глюке автору";

constexpr char kWriteFailureCaption[] = "Suck!";
constexpr char kMainWriteFailure[] = "Cannot write main settings to registry";
constexpr char kColorsWriteFailure[] = "Cannot write colors to registry";

template <typename Field>
using Slot = std::pair<const char*, Field*>;

// False when a value of the key exists but is not a 32-bit integer.
template <typename Field, std::size_t N>
bool LoadBlock(Registry& registry, const char* key, const std::array<Slot<Field>, N>& values)
{
    if (!registry.KeyExists(QString::fromUtf8(key)))
        return true;
    // Should the key vanish in between, nothing is current and no value is found below.
    registry.OpenKeyReadOnly(QString::fromUtf8(key));
    bool intact = true;
    for (const auto& [name, field] : values) {
        const QString valueName = QString::fromUtf8(name);
        if (!registry.ValueExists(valueName))
            continue;
        const std::optional<std::int32_t> value = registry.ReadInteger(valueName);
        if (!value) {
            intact = false;
            break;
        }
        // Colours keep their bits: the store holds them as signed 32-bit integers.
        *field = static_cast<Field>(*value);
    }
    registry.CloseKey();
    return intact;
}

// False when the key could not be opened or a value could not be written.
template <typename Field, std::size_t N>
bool SaveBlock(Registry& registry, const char* key, const std::array<Slot<const Field>, N>& values)
{
    registry.OpenKey(QString::fromUtf8(key), true);
    bool written = true;
    for (const auto& [name, field] : values) {
        if (!registry.WriteInteger(QString::fromUtf8(name), static_cast<std::int32_t>(*field))) {
            written = false;
            break;
        }
    }
    registry.CloseKey();
    return written;
}

}  // namespace

void LoadSettings(Registry& registry, SettingsRecord& settings, MessageSink& sink)
{
    const std::array<Slot<std::int32_t>, 3> main{{
        {"Lang", &settings.Lang},
        {"wh", &settings.CellSize},
        {"MinesPercent", &settings.MinesPercent},
    }};
    if (!LoadBlock(registry, kMainKey, main))
        sink.ShowMessage(kReadFailureText, kReadFailureCaption, kMbWarning);
    // A stored cell size below 1 falls back to the default: the board geometry divides by it.
    if (settings.CellSize < 1)
        settings.CellSize = SettingsRecord{}.CellSize;

    const std::array<Slot<Color>, 5> colors{{
        {"FillColor", &settings.FillColor},
        {"LightColor", &settings.LightColor},
        {"DarkColor", &settings.DarkColor},
        {"BombColor", &settings.BombColor},
        {"BoomColor", &settings.BoomColor},
    }};
    if (!LoadBlock(registry, kColorsKey, colors))
        sink.ShowMessage(kReadFailureText, kReadFailureCaption, kMbWarning);
}

void SaveSettings(Registry& registry, const SettingsRecord& settings, MessageSink& sink)
{
    const std::array<Slot<const std::int32_t>, 3> main{{
        {"Lang", &settings.Lang},
        {"wh", &settings.CellSize},
        {"MinesPercent", &settings.MinesPercent},
    }};
    if (!SaveBlock(registry, kMainKey, main))
        sink.ShowMessage(kMainWriteFailure, kWriteFailureCaption, kMbPlain);

    const std::array<Slot<const Color>, 5> colors{{
        {"FillColor", &settings.FillColor},
        {"LightColor", &settings.LightColor},
        {"DarkColor", &settings.DarkColor},
        {"BombColor", &settings.BombColor},
        {"BoomColor", &settings.BoomColor},
    }};
    if (!SaveBlock(registry, kColorsKey, colors))
        sink.ShowMessage(kColorsWriteFailure, kWriteFailureCaption, kMbPlain);
}

}  // namespace kestrune
