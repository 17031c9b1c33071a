// The free-space rule of the folder page: a tenth of the free clusters is measured, so that
// the product of the three numbers stays small; below 10 MiB the user is asked.
#pragma once

#include <cstdint>

#include "platform/files.h"

namespace mogura {

inline constexpr std::uint64_t kLowSpaceMeasure = 10485760;

// bytes per sector x sectors per cluster x (free clusters / 10), saturating instead of wrapping.
std::uint64_t FreeSpaceMeasure(const DiskFreeSpace& space);

// The megabytes the question shows: measure / 102 / 1024, both divisions truncated.
constexpr std::uint64_t MegabytesShown(std::uint64_t measure) { return measure / 102 / 1024; }

}  // namespace mogura
