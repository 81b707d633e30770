// The settings store's keys and integer values over QSettings.
#include "Registry.h"

#include <QSettings>
#include <QStringList>
#include <QStringView>
#include <QVariant>

#include <limits>

namespace kestrune {
namespace {

// The group a key path stands for: empty for the application's own key, none for a path that
// lies outside it or names a key that the settings file could not tell apart from another.
std::optional<QString> GroupOf(const QString& path)
{
    static const QStringList kRoot{QStringLiteral("Software"), QStringLiteral("Brenvik"),
                                   QStringLiteral("Hyvarro")};
    const QStringList parts = path.split(u'\\', Qt::SkipEmptyParts);
    if (parts.size() < kRoot.size())
        return std::nullopt;
    for (qsizetype i = 0; i < kRoot.size(); ++i) {
        if (parts[i] != kRoot[i])
            return std::nullopt;
    }
    const QStringList below = parts.mid(kRoot.size());
    for (const QString& part : below) {
        // QSettings takes a slash as a group separator.
        if (part.contains(u'/'))
            return std::nullopt;
    }
    return below.join(u'/');
}

bool HasKeys(QSettings& settings, const QString& group)
{
    if (!group.isEmpty())
        settings.beginGroup(group);
    const bool any = !settings.allKeys().isEmpty();
    if (!group.isEmpty())
        settings.endGroup();
    return any;
}

// A text is a 32-bit integer when it is wholly an optional minus sign and one or more decimal
// digits (leading zeros allowed) with a value in the 32-bit range. A plus sign or a space makes
// it something else; the settings file's reader has already stripped the spaces around an
// unquoted value, so only spaces the file quoted on purpose reach this test.
std::optional<std::int32_t> ParseDecimal(QStringView text)
{
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    const bool negative = text.startsWith(u'-');
    qsizetype at = negative ? 1 : 0;
    if (at == text.size())
        return std::nullopt;
    std::int64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        const char16_t c = text[at].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - u'0');
        // Past every 32-bit value already; stopping here also keeps a long text from overflowing.
        if (magnitude > kMax + 1)
            return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > kMax)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace

Registry::Registry() = default;

Registry::Registry(const QString& filePath) : m_filePath(filePath) {}

Registry::~Registry() = default;

// A fresh QSettings for every use: it reads the store anew, as opening a key should, and its
// status() keeps only the first error it meets, so an instance that once failed to write would
// report every later write as failed too.
std::unique_ptr<QSettings> Registry::MakeSettings() const
{
    auto settings = m_filePath
        ? std::make_unique<QSettings>(*m_filePath, QSettings::IniFormat)
        : std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                      QStringLiteral("Brenvik"), QStringLiteral("Hyvarro"));
    settings->setFallbacksEnabled(false);
    return settings;
}

QString Registry::FullName(const QString& name) const
{
    return m_group.isEmpty() ? name : m_group + u'/' + name;
}

bool Registry::KeyExists(const QString& path) const
{
    const std::optional<QString> group = GroupOf(path);
    if (!group)
        return false;
    return HasKeys(*MakeSettings(), *group);
}

bool Registry::OpenKeyReadOnly(const QString& path)
{
    CloseKey();
    const std::optional<QString> group = GroupOf(path);
    if (!group)
        return false;
    auto settings = MakeSettings();
    if (!HasKeys(*settings, *group))
        return false;
    m_settings = std::move(settings);
    m_group = *group;
    m_writable = false;
    return true;
}

bool Registry::ValueExists(const QString& name) const
{
    return m_settings && m_settings->contains(FullName(name));
}

std::optional<std::int32_t> Registry::ReadInteger(const QString& name) const
{
    if (!m_settings)
        return std::nullopt;
    const QVariant value = m_settings->value(FullName(name));
    switch (value.typeId()) {
    case QMetaType::Int:  // written by this instance, or a typed integer in the file
        return value.toInt();
    case QMetaType::QString:
        return ParseDecimal(value.toString());
    default:  // missing, a list ("1,2"), raw bytes, a wider or non-integer type
        return std::nullopt;
    }
}

void Registry::CloseKey()
{
    m_settings.reset();
    m_group.clear();
    m_writable = false;
}

bool Registry::OpenKey(const QString& path, bool create)
{
    CloseKey();
    const std::optional<QString> group = GroupOf(path);
    if (!group)
        return false;
    auto settings = MakeSettings();
    if (!create && !HasKeys(*settings, *group))
        return false;
    m_settings = std::move(settings);
    m_group = *group;
    m_writable = true;
    return true;
}

bool Registry::WriteInteger(const QString& name, std::int32_t value)
{
    if (!m_settings || !m_writable)
        return false;
    // Asked first because status() may already hold a read error (a directory where the file
    // belongs reads as an access error, a garbled line as a format error), and QSettings never
    // replaces the first error with a later one. This catches a directory in the file's place,
    // a regular file among its parent folders, and a file without write permission.
    if (!m_settings->isWritable())
        return false;
    m_settings->setValue(FullName(name), value);
    m_settings->sync();
    // A format error only means the file held lines it could not read; the write went through.
    // (Behind a format error a later failure, such as a full disk, cannot show.)
    return m_settings->status() != QSettings::AccessError;
}

}  // namespace kestrune
