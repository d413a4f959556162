#pragma once
// The print settings of each media type, kept in the user's settings store for the whole run:
// the print form's path, where the label sits on a sheet, and which placeholder texts are
// clipped to what width.

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

class QSettings;

enum PlaceholderKind : std::int32_t {
    MediaIndexKind = 0,
    TrackIndexKind,
    MediaLengthKind,
    TrackLengthKind,
    CreationDateKind,
    MediaTitleKind,
    TrackTitleKind,
    InterpreterKind,
    TitleInterpreterKind,
    EndOfKinds
};

/// Where labels of one media type sit on a sheet; lengths in whole millimetres.
/// Stored as seven little-endian 32-bit integers in field order (28 bytes).
struct FormMargins {
    std::int32_t left = 0, top = 0;
    std::int32_t horizontalSpacing = 0, verticalSpacing = 0;
    std::int32_t columns = 1, rows = 1;
    std::int32_t spacingEnabled = 0;
    bool operator==(const FormMargins&) const = default;
};

/// Which placeholder texts are clipped, and to how many millimetres: three columns of 16
/// slots (maximum length, clipping flag, kind). Stored as 48 little-endian integers (192 bytes).
struct TextLengths {
    static constexpr int kSlots = 16;
    std::array<std::int32_t, kSlots> maxLength{};
    std::array<std::int32_t, kSlots> clip{};
    std::array<std::int32_t, kSlots> kind{};

    /// Lengths 0, flags 0, kinds 0..9 in slots 0..9.
    static TextLengths Defaults();
    /// The slot whose kind is k, scanning until EndOfKinds; none when k has no entry.
    std::optional<int> FindKind(std::int32_t k) const;
    bool operator==(const TextLengths&) const = default;
};

inline constexpr std::size_t kFormMarginsBytes = 28;
inline constexpr std::size_t kTextLengthsBytes = 192;

std::array<std::byte, kFormMarginsBytes> ToBytes(const FormMargins& m);
std::array<std::byte, kTextLengthsBytes> ToBytes(const TextLengths& t);
FormMargins FormMarginsFromBytes(const std::array<std::byte, kFormMarginsBytes>& b);
TextLengths TextLengthsFromBytes(const std::array<std::byte, kTextLengthsBytes>& b);

class CFormSettings {
public:
    /// The settings store of the catalogue program.
    CFormSettings();
    /// A store over given settings (tests point it at a temporary file).
    explicit CFormSettings(QSettings* settings);
    ~CFormSettings();
    CFormSettings(const CFormSettings&) = delete;
    CFormSettings& operator=(const CFormSettings&) = delete;

    /// Fills the three tables from the store; absent or malformed values give the defaults.
    void LoadFormSettings();
    /// At exit: writes what this run changed and has not written yet, and the version stamp;
    /// does nothing when never loaded. Values other runs wrote meanwhile stay.
    void SaveFormSettings();
    /// Writes each value changed since it was last read or written, one value at a time (a
    /// type's form path, margins record or text-lengths record), so that other runs of the
    /// program sharing the store keep theirs.
    void WriteChangedSettings();
    /// Takes over what other runs wrote since; values changed here and not written stay.
    void RefreshFormSettings();
    /// Whether a value changed in memory and is not in the store yet.
    bool HasUnwrittenChanges() const;

    int TypeCount() const { return static_cast<int>(m_paths.size()); }
    std::optional<QString> FormPath(int type) const;
    void SetFormPath(int type, std::optional<QString> path);
    const FormMargins& Margins(int type) const { return m_margins.at(type); }
    const TextLengths& Lengths(int type) const { return m_lengths.at(type); }
    std::vector<FormMargins> CopyMargins() const { return m_margins; }
    std::vector<TextLengths> CopyLengths() const { return m_lengths; }
    void ReplaceMargins(const std::vector<FormMargins>& table);
    void ReplaceLengths(const std::vector<TextLengths>& table);

    /// Reads a binary value of exactly size bytes; false when absent or of another size.
    bool GetProfileBinary(const QString& section, const QString& name, std::byte* buffer,
                          std::size_t size) const;
    /// Stores a binary value, or deletes it when data is null.
    bool WriteProfileBinary(const QString& section, const QString& name, const std::byte* data,
                            std::size_t size);

private:
    // Which of a type's values changed since they were read or written.
    enum Changed : std::uint8_t { PathChanged = 1, MarginsChanged = 2, LengthsChanged = 4 };
    QSettings& Store() const;
    void ReadType(int type, const QString& name);
    void WriteType(int type, const QString& name);
    void WriteVersionStamp();

    QSettings* m_settings;
    bool m_ownsSettings;
    bool m_loaded = false;
    std::vector<std::optional<QString>> m_paths;
    std::vector<FormMargins> m_margins;
    std::vector<TextLengths> m_lengths;
    std::vector<std::uint8_t> m_changed;
};
