#include "catalog/file/counted_string.h"

#include <cstring>
#include <string>

CCountedString& CCountedString::operator=(const CCountedString& other) {
    if (this != &other) Assign(other.StoredBytes());
    return *this;
}

CCountedString& CCountedString::operator=(CCountedString&& other) noexcept {
    if (this != &other) {
        Release();
        Take(other);
    }
    return *this;
}

void CCountedString::SetText(std::string_view text) {
    std::string bytes(text.substr(0, text.find('\0')));
    bytes.push_back('\0');
    Assign(bytes);
}

std::string_view CCountedString::Text() const {
    std::string_view bytes = StoredBytes();
    return bytes.substr(0, bytes.find('\0'));
}

char* CCountedString::HeapPointer() const {
    char* heap;
    std::memcpy(&heap, m_Storage, sizeof heap);
    return heap;
}

void CCountedString::Assign(std::string_view bytes) {
    // Copy first: bytes may point into this string.
    char* heap = bytes.size() > kInline ? new char[bytes.size()] : nullptr;
    if (heap) std::memcpy(heap, bytes.data(), bytes.size());
    char staged[kInline];
    if (!heap) std::memcpy(staged, bytes.data(), bytes.size());
    Release();
    m_nLength = static_cast<std::uint32_t>(bytes.size());
    if (heap)
        std::memcpy(m_Storage, &heap, sizeof heap);
    else
        std::memcpy(m_Storage, staged, bytes.size());
}

void CCountedString::Take(CCountedString& other) noexcept {
    m_nLength = other.m_nLength;
    std::memcpy(m_Storage, other.m_Storage, kInline);
    other.m_nLength = 0;
}

void CCountedString::Release() noexcept {
    if (!IsInline()) delete[] HeapPointer();
    m_nLength = 0;
}
