#include "labels/form_settings.h"

#include "catalog/media_type.h"
#include "common/version_info.h"

#include <QSettings>
#include <QStringList>

#include <algorithm>
#include <cstring>

namespace {

// Section names as the store keeps them; QSettings separates subkeys with "/".
const QString kPathsSection = QStringLiteral("Settings/Form Paths");
const QString kMarginsSection = QStringLiteral("Settings/Form Margins");
const QString kLengthsSection = QStringLiteral("Settings/Text Lengths");
const QString kSettingsSection = QStringLiteral("Settings");

QStringList MediaTypeValueNames() {
    const auto list = catalog::MediaTypeList;
    return QString::fromLatin1(list.data(), qsizetype(list.size())).split(QLatin1Char('\n'));
}

template <std::size_t N>
void PutInts(std::array<std::byte, N>& out, std::size_t at, const std::int32_t* v, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        const auto u = static_cast<std::uint32_t>(v[i]);
        for (std::size_t b = 0; b < 4; ++b)
            out[at + 4 * i + b] = std::byte(u >> (8 * b) & 0xFF);
    }
}

template <std::size_t N>
void GetInts(const std::array<std::byte, N>& in, std::size_t at, std::int32_t* v, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        std::uint32_t u = 0;
        for (std::size_t b = 0; b < 4; ++b)
            u |= std::uint32_t(std::to_integer<std::uint8_t>(in[at + 4 * i + b])) << (8 * b);
        v[i] = static_cast<std::int32_t>(u);
    }
}

QString Key(const QString& section, const QString& name) {
    return section + QLatin1Char('/') + name;
}

} // namespace

TextLengths TextLengths::Defaults() {
    TextLengths t;
    for (int i = 0; i <= EndOfKinds; ++i)
        t.kind[static_cast<std::size_t>(i)] = i;
    return t;
}

std::optional<int> TextLengths::FindKind(std::int32_t k) const {
    for (int i = 0; i < kSlots; ++i) {
        const auto slotKind = kind[static_cast<std::size_t>(i)];
        if (slotKind == EndOfKinds) break;
        if (slotKind == k) return i;
    }
    return std::nullopt;
}

std::array<std::byte, kFormMarginsBytes> ToBytes(const FormMargins& m) {
    const std::int32_t v[7] = {m.left,    m.top,  m.horizontalSpacing, m.verticalSpacing,
                               m.columns, m.rows, m.spacingEnabled};
    std::array<std::byte, kFormMarginsBytes> out{};
    PutInts(out, 0, v, 7);
    return out;
}

FormMargins FormMarginsFromBytes(const std::array<std::byte, kFormMarginsBytes>& b) {
    std::int32_t v[7];
    GetInts(b, 0, v, 7);
    return {v[0], v[1], v[2], v[3], v[4], v[5], v[6]};
}

std::array<std::byte, kTextLengthsBytes> ToBytes(const TextLengths& t) {
    std::array<std::byte, kTextLengthsBytes> out{};
    PutInts(out, 0, t.maxLength.data(), TextLengths::kSlots);
    PutInts(out, 64, t.clip.data(), TextLengths::kSlots);
    PutInts(out, 128, t.kind.data(), TextLengths::kSlots);
    return out;
}

TextLengths TextLengthsFromBytes(const std::array<std::byte, kTextLengthsBytes>& b) {
    TextLengths t;
    GetInts(b, 0, t.maxLength.data(), TextLengths::kSlots);
    GetInts(b, 64, t.clip.data(), TextLengths::kSlots);
    GetInts(b, 128, t.kind.data(), TextLengths::kSlots);
    return t;
}

CFormSettings::CFormSettings()
    : m_settings(new QSettings(QStringLiteral("Korvel-Software"), QStringLiteral("MELVARA"))),
      m_ownsSettings(true) {}

CFormSettings::CFormSettings(QSettings* settings) : m_settings(settings), m_ownsSettings(false) {}

CFormSettings::~CFormSettings() {
    if (m_ownsSettings) delete m_settings;
}

QSettings& CFormSettings::Store() const {
    return *m_settings;
}

void CFormSettings::LoadFormSettings() {
    const QStringList names = MediaTypeValueNames();
    m_paths.assign(names.size(), std::nullopt);
    m_margins.assign(names.size(), FormMargins{});
    m_lengths.assign(names.size(), TextLengths::Defaults());
    m_changed.assign(names.size(), 0);
    for (int i = 0; i < names.size(); ++i)
        ReadType(i, names[i]);
    m_loaded = true;
}

// Reads the type's values that have no change of this run waiting to be written.
void CFormSettings::ReadType(int type, const QString& name) {
    const auto t = static_cast<std::size_t>(type);
    const std::uint8_t changed = m_changed[t];
    if (!(changed & PathChanged)) {
        const QString path = Store().value(Key(kPathsSection, name)).toString();
        m_paths[t] = path.isEmpty() ? std::nullopt : std::optional(path);
    }
    if (!(changed & MarginsChanged)) {
        std::array<std::byte, kFormMarginsBytes> margins;
        m_margins[t] = GetProfileBinary(kMarginsSection, name, margins.data(), margins.size())
                           ? FormMarginsFromBytes(margins)
                           : FormMargins{};
    }
    if (!(changed & LengthsChanged)) {
        std::array<std::byte, kTextLengthsBytes> lengths;
        m_lengths[t] = GetProfileBinary(kLengthsSection, name, lengths.data(), lengths.size())
                           ? TextLengthsFromBytes(lengths)
                           : TextLengths::Defaults();
    }
}

void CFormSettings::RefreshFormSettings() {
    if (!m_loaded) return;
    // Another run writes the same store; sync() takes over what it wrote.
    Store().sync();
    const QStringList names = MediaTypeValueNames();
    for (int i = 0; i < names.size() && i < TypeCount(); ++i)
        ReadType(i, names[i]);
}

void CFormSettings::WriteType(int type, const QString& name) {
    const auto t = static_cast<std::size_t>(type);
    const std::uint8_t changed = m_changed[t];
    if (changed & PathChanged) {
        if (m_paths[t])
            Store().setValue(Key(kPathsSection, name), *m_paths[t]);
        else
            Store().remove(Key(kPathsSection, name));
    }
    if (changed & MarginsChanged) {
        const auto margins = ToBytes(m_margins[t]);
        WriteProfileBinary(kMarginsSection, name, margins.data(), margins.size());
    }
    if (changed & LengthsChanged) {
        const auto lengths = ToBytes(m_lengths[t]);
        WriteProfileBinary(kLengthsSection, name, lengths.data(), lengths.size());
    }
    m_changed[t] = 0;
}

void CFormSettings::WriteChangedSettings() {
    if (!m_loaded || !HasUnwrittenChanges()) return;
    const QStringList names = MediaTypeValueNames();
    for (int i = 0; i < names.size() && i < TypeCount(); ++i)
        WriteType(i, names[i]);
    // sync() merges: only the keys set here replace what the file holds now.
    Store().sync();
}

bool CFormSettings::HasUnwrittenChanges() const {
    return std::ranges::any_of(m_changed, [](std::uint8_t c) { return c != 0; });
}

void CFormSettings::SaveFormSettings() {
    if (!m_loaded) return;
    WriteChangedSettings();
    m_paths.clear();
    m_margins.clear();
    m_lengths.clear();
    m_changed.clear();
    m_loaded = false;
    WriteVersionStamp();
    Store().sync();
}

void CFormSettings::WriteVersionStamp() {
    CFileVersionInfo version;
    version.Load();
    Store().setValue(Key(kSettingsSection, QStringLiteral("VersionLS")),
                     version.GetFileVersionLS());
    Store().setValue(Key(kSettingsSection, QStringLiteral("VersionMS")),
                     version.GetFileVersionMS());
    Store().setValue(Key(kSettingsSection, QStringLiteral("ProductLS")),
                     version.GetProductVersionLS());
    Store().setValue(Key(kSettingsSection, QStringLiteral("ProductMS")),
                     version.GetProductVersionMS());
}

std::optional<QString> CFormSettings::FormPath(int type) const {
    return m_paths.at(static_cast<std::size_t>(type));
}

void CFormSettings::SetFormPath(int type, std::optional<QString> path) {
    if (path && path->isEmpty()) path.reset();
    const auto t = static_cast<std::size_t>(type);
    if (m_paths.at(t) == path) return;
    m_paths[t] = std::move(path);
    m_changed[t] |= PathChanged;
}

void CFormSettings::ReplaceMargins(const std::vector<FormMargins>& table) {
    if (table.size() != m_margins.size()) return;
    for (std::size_t t = 0; t < table.size(); ++t)
        if (table[t] != m_margins[t]) m_changed[t] |= MarginsChanged;
    m_margins = table;
}

void CFormSettings::ReplaceLengths(const std::vector<TextLengths>& table) {
    if (table.size() != m_lengths.size()) return;
    for (std::size_t t = 0; t < table.size(); ++t)
        if (table[t] != m_lengths[t]) m_changed[t] |= LengthsChanged;
    m_lengths = table;
}

bool CFormSettings::GetProfileBinary(const QString& section, const QString& name, std::byte* buffer,
                                     std::size_t size) const {
    const QVariant value = Store().value(Key(section, name));
    // A value of another type or size is taken as absent: nothing beyond the record is read.
    if (value.typeId() != QMetaType::QByteArray) return false;
    const QByteArray bytes = value.toByteArray();
    if (static_cast<std::size_t>(bytes.size()) != size) return false;
    std::memcpy(buffer, bytes.constData(), size);
    return true;
}

bool CFormSettings::WriteProfileBinary(const QString& section, const QString& name,
                                       const std::byte* data, std::size_t size) {
    if (!data) {
        Store().remove(Key(section, name));
        return true;
    }
    Store().setValue(Key(section, name),
                     QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    return Store().status() == QSettings::NoError;
}
