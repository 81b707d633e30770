// Moving the player's preferences between the settings record and the settings store.
#pragma once

#include "Registry.h"
#include "Types.h"

namespace kestrune {

// Store keys, from the store's root.
inline constexpr char kMainKey[] = "Software\\Brenvik\\Hyvarro\\";
inline constexpr char kColorsKey[] = "Software\\Brenvik\\Hyvarro\\Colors\\";

// Overwrites the fields whose values the store holds; missing keys and values leave their fields
// as they are, silently. A value that is not a 32-bit integer ends its block (fields read before
// it keep their new values, later ones are not read) and shows the read-failure box, once per
// damaged block. The main block and the colour block are loaded independently, in that order.
// Leaves no key open.
void LoadSettings(Registry& registry, SettingsRecord& settings, MessageSink& sink);

// Writes all eight fields. A block that cannot be written stops at the failing value and shows
// its own box; the colour block is written whatever became of the main block. Leaves no key open.
void SaveSettings(Registry& registry, const SettingsRecord& settings, MessageSink& sink);

}  // namespace kestrune
