// What must hold for any information file, however broken: shared by the deterministic fuzz
// loop (setup_fuzz_test.cpp) and the libFuzzer target (fuzz/setup_info_fuzzer.cpp).
#pragma once

#include <string>
#include <string_view>

namespace mogura::test {

// Reads `info` as the information file, installs from it and removes the installation again on
// a machine in memory, answering every question Yes; also rewrites a rename list made of the
// same bytes. Empty when every property held, else what broke first.
std::string SetupInfoViolation(std::string_view info);

// The reading part of the above alone: the INI reader, the rename-list rewrite, the start-up
// checks and every file and group entry; fast enough for many millions of inputs.
std::string SetupInfoReadViolation(std::string_view info);

}  // namespace mogura::test
