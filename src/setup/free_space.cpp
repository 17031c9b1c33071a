#include "setup/free_space.h"

#include <limits>

namespace mogura {
namespace {

std::uint64_t SaturatingProduct(std::uint64_t a, std::uint64_t b) {
  if (a != 0 && b > std::numeric_limits<std::uint64_t>::max() / a) return std::numeric_limits<std::uint64_t>::max();
  return a * b;
}

}  // namespace

std::uint64_t FreeSpaceMeasure(const DiskFreeSpace& space) {
  return SaturatingProduct(SaturatingProduct(space.bytesPerSector, space.sectorsPerCluster), space.freeClusters / 10);
}

}  // namespace mogura
