#pragma once
// CRC-32 of ISO 3309 (the PNG specification's, section 5.5), for the PNG chunks this engine
// checks and writes.

#include "emf/byte_reader.h"

#include <cstdint>

namespace emf {

std::uint32_t Crc32(Bytes data);

} // namespace emf
