#pragma once

#include <cstdint>
#include <string_view>

/// A stored 8-bit text: the exact bytes of the file, terminating zero included.
/// Short texts (most titles and names) live inside the object: a catalogue holds millions.
class CCountedString {
public:
    CCountedString() = default;
    explicit CCountedString(std::string_view text) { SetText(text); }
    CCountedString(const CCountedString& other) { Assign(other.StoredBytes()); }
    CCountedString(CCountedString&& other) noexcept { Take(other); }
    CCountedString& operator=(const CCountedString& other);
    CCountedString& operator=(CCountedString&& other) noexcept;
    ~CCountedString() { Release(); }

    /// Replaces the bytes with the text (up to its first zero byte) and one zero byte.
    void SetText(std::string_view text);
    /// Takes stored bytes as they are, whether or not they hold a zero byte.
    void SetStoredBytes(std::string_view bytes) { Assign(bytes); }

    /// The text: the stored bytes up to the first zero byte or their end.
    std::string_view Text() const;
    /// The stored bytes (the length field of the file is their size).
    std::string_view StoredBytes() const { return {Data(), m_nLength}; }
    std::uint32_t Length() const { return m_nLength; }

private:
    static constexpr std::uint32_t kInline = 20;

    bool IsInline() const { return m_nLength <= kInline; }
    char* HeapPointer() const;
    const char* Data() const { return IsInline() ? m_Storage : HeapPointer(); }
    void Assign(std::string_view bytes);
    void Take(CCountedString& other) noexcept;
    void Release() noexcept;

    std::uint32_t m_nLength = 0;
    // The bytes themselves, or (when longer) a pointer to them, kept without the padding a
    // pointer member would add.
    char m_Storage[kInline] = {};
};
