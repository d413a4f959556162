#pragma once
// Reads the fixed version block (VS_FIXEDFILEINFO) of a program's version record.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

/// The version record of the running program, or none when it carries no record.
/// Each program defines it (see korvel_version_record in common/CMakeLists.txt).
std::optional<std::span<const std::byte>> ProgramVersionResource();

class CFileVersionInfo {
public:
    static constexpr std::uint32_t kSignature = 0xFEEF04BD;
    static constexpr std::size_t kBlockSize = 52;

    /// Reads the running program's own version record.
    bool Load() { return Load(ProgramVersionResource()); }
    /// Scans a version record for the fixed block; false when there is no record.
    bool Load(std::optional<std::span<const std::byte>> resource);

    /// Each returns 0xFFFFFFFF without a record, 0 when the record has no signature.
    std::uint32_t GetFileVersionMS() const { return Field(8); }
    std::uint32_t GetFileVersionLS() const { return Field(12); }
    std::uint32_t GetProductVersionMS() const { return Field(16); }
    std::uint32_t GetProductVersionLS() const { return Field(20); }

private:
    std::uint32_t Field(std::size_t offset) const;

    std::optional<std::array<std::byte, kBlockSize>> m_block;
};
