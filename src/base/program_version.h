// The version this program writes into the settings root, and the value that holds it.
#pragma once

#include <cstdint>
#include <string_view>

namespace mogura {

inline constexpr std::int32_t kProgramVersion = 0x5000;
inline constexpr std::string_view kProgramVersionValue = "ProgramVersion";

}  // namespace mogura
