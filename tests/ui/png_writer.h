// Writes 24-bit RGB pictures as PNG files (stored, uncompressed deflate blocks): enough for
// the screenshots of the view tests without a compression library.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mogura::test {

// `rgb` holds `height` rows of `width` pixels, 3 bytes each, top row first.
std::string EncodePng(int width, int height, const std::vector<std::uint8_t>& rgb);

}  // namespace mogura::test
