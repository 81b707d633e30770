// The per-user settings store as keys and 32-bit integer values, kept by QSettings.
#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

class QSettings;

namespace kestrune {

// Keys are named from the store's root with backslashes, e.g. "Software\Brenvik\Hyvarro\Colors\";
// leading and trailing backslashes are optional and a path never depends on the current key.
// Only keys under "Software\Brenvik\Hyvarro" can be reached: that key is the top level of the
// settings file ([General]) and each key below it a group ("Colors\" is [Colors]).
//
// At most one key is current at a time. Every failure comes back as a result; nothing throws.
class Registry {
public:
    // The store of organisation "Brenvik", application "Hyvarro" in the platform's native
    // format (on Linux $XDG_CONFIG_HOME/Brenvik/Hyvarro.conf). Broader fallback files are never
    // read. Qt fixes the native location at the first such store a process makes.
    Registry();
    // A store in the settings file at filePath (ini format).
    explicit Registry(const QString& filePath);
    ~Registry();

    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    // True when the key holds at least one value or has a key below it.
    bool KeyExists(const QString& path) const;
    // Makes the key current for reading. False, with no key current, when it does not exist.
    bool OpenKeyReadOnly(const QString& path);
    // True when the current key holds a value of that name, whatever its type.
    bool ValueExists(const QString& name) const;
    // The value as a 32-bit integer; none when there is no such value, no key is current, or
    // the value is anything but a 32-bit integer (see the .cpp for the text form accepted).
    std::optional<std::int32_t> ReadInteger(const QString& name) const;
    // Leaves no key current.
    void CloseKey();
    // Makes the key current for reading and writing. With create, a missing key is made on the
    // first write; without it, a missing key gives false. False also for an unreachable path.
    bool OpenKey(const QString& path, bool create);
    // Stores the value as a 32-bit integer, creating or replacing it, and flushes it to the
    // store. False when no key is open for writing or the store cannot be written.
    bool WriteInteger(const QString& name, std::int32_t value);

private:
    std::unique_ptr<QSettings> MakeSettings() const;
    QString FullName(const QString& name) const;

    std::optional<QString> m_filePath;  // none: the native store
    std::unique_ptr<QSettings> m_settings;  // set while a key is current
    QString m_group;  // the current key's group, empty for the top level
    bool m_writable = false;
};

}  // namespace kestrune
