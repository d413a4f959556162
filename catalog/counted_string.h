#pragma once

#include <cstdint>
#include <string>
#include <string_view>

/// A stored 8-bit text: the exact bytes of the file, terminating zero included.
class CCountedString {
public:
    CCountedString() = default;
    explicit CCountedString(std::string_view text) { SetText(text); }

    /// Replaces the bytes with the text (up to its first zero byte) and one zero byte.
    void SetText(std::string_view text);
    /// Takes stored bytes as they are, whether or not they hold a zero byte.
    void SetStoredBytes(std::string bytes) { m_Bytes = std::move(bytes); }

    /// The text: the stored bytes up to the first zero byte or their end.
    std::string_view Text() const;
    /// The stored bytes (length field of the file = their size).
    const std::string& StoredBytes() const { return m_Bytes; }
    std::uint32_t Length() const { return static_cast<std::uint32_t>(m_Bytes.size()); }

private:
    std::string m_Bytes;
};
