#pragma once
// Metafiles made for the tests, a scratch folder, and the shared corpus.

#include "emf/enh_metafile.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace testing_metaview {

/// A small EMF: header, map mode, pen, select, rectangle, ellipse, EOF (7 records), with
/// the description "Kelvane tests" / "Shapes".
std::vector<std::byte> ShapesEmf();

/// A WMF (METAHEADER, a rectangle, META_EOF) in memory-metafile form.
std::vector<std::byte> SmallWmf();

/// A fresh folder below the system's temporary folder, removed with its content.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

std::vector<std::byte> ReadAll(const std::filesystem::path& path);
void WriteAll(const std::filesystem::path& path, const std::vector<std::byte>& bytes);

/// The corpus folder, or an empty path when it is not there.
std::filesystem::path CorpusDir();

/// 32-bit little-endian value at offset (the test's own reading, independent of emf::).
std::uint32_t U32At(const std::vector<std::byte>& bytes, std::size_t offset);

} // namespace testing_metaview
