#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

/// A fresh folder for one test, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = ::testing::TempDir() + "catalog-XXXXXX";
        m_Path = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TempFolder() { std::filesystem::remove_all(m_Path); }
    std::string File(const std::string& name) const { return m_Path + "/" + name; }
    std::size_t EntryCount() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(m_Path),
                                                      std::filesystem::directory_iterator()));
    }

private:
    std::string m_Path;
};

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}
