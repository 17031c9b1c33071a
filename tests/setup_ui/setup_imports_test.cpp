// The built setup.exe, as the distribution ships it, loads nothing from the folder it was
// unpacked into: every library its import tables name is one the system always takes from its
// own folder (a known library, or the common controls through the manifest), and it restricts
// the search for any later library to the system folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "setup_session.h"

namespace mogura::test {
namespace {

// A portable executable read from its bytes; every offset is checked before it is used.
class PeImage {
 public:
  explicit PeImage(const std::string& bytes) : bytes_(bytes.begin(), bytes.end()) {}

  // The libraries of the import table and of the delay-load table, in lower case, with the
  // names of the functions taken from each; none when the file is no 64-bit image.
  std::optional<std::map<std::string, std::set<std::string>>> Imports() const {
    IMAGE_DOS_HEADER dos;
    IMAGE_NT_HEADERS64 nt;
    if (!Read(0, &dos) || dos.e_magic != IMAGE_DOS_SIGNATURE || !Read(dos.e_lfanew, &nt) ||
        nt.Signature != IMAGE_NT_SIGNATURE || nt.OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR64_MAGIC) {
      return std::nullopt;
    }
    const std::size_t sections = static_cast<std::size_t>(dos.e_lfanew) +
                                 offsetof(IMAGE_NT_HEADERS64, OptionalHeader) +
                                 nt.FileHeader.SizeOfOptionalHeader;
    for (WORD i = 0; i < nt.FileHeader.NumberOfSections; ++i) {
      IMAGE_SECTION_HEADER section;
      if (!Read(sections + i * sizeof(section), &section)) return std::nullopt;
      sections_.push_back(section);
    }
    std::map<std::string, std::set<std::string>> imports;
    const IMAGE_DATA_DIRECTORY& table = nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (DWORD at = table.VirtualAddress; table.VirtualAddress != 0; at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
      IMAGE_IMPORT_DESCRIPTOR descriptor;
      if (!ReadRva(at, &descriptor)) return std::nullopt;
      if (descriptor.Name == 0) break;
      const DWORD thunks =
          descriptor.OriginalFirstThunk ? descriptor.OriginalFirstThunk : descriptor.FirstThunk;
      if (!AddLibrary(descriptor.Name, thunks, &imports)) return std::nullopt;
    }
    const IMAGE_DATA_DIRECTORY& delayed = nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT];
    for (DWORD at = delayed.VirtualAddress; delayed.VirtualAddress != 0;
         at += sizeof(IMAGE_DELAYLOAD_DESCRIPTOR)) {
      IMAGE_DELAYLOAD_DESCRIPTOR descriptor;
      if (!ReadRva(at, &descriptor)) return std::nullopt;
      if (descriptor.DllNameRVA == 0) break;
      if (!AddLibrary(descriptor.DllNameRVA, descriptor.ImportNameTableRVA, &imports)) return std::nullopt;
    }
    return imports;
  }

 private:
  template <typename T>
  bool Read(std::size_t offset, T* out) const {
    if (offset > bytes_.size() || bytes_.size() - offset < sizeof(T)) return false;
    std::memcpy(out, bytes_.data() + offset, sizeof(T));
    return true;
  }
  std::optional<std::size_t> FileOffset(DWORD rva) const {
    for (const IMAGE_SECTION_HEADER& section : sections_) {
      if (rva >= section.VirtualAddress && rva - section.VirtualAddress < section.SizeOfRawData) {
        return static_cast<std::size_t>(section.PointerToRawData) + (rva - section.VirtualAddress);
      }
    }
    return std::nullopt;
  }
  template <typename T>
  bool ReadRva(DWORD rva, T* out) const {
    const auto offset = FileOffset(rva);
    return offset && Read(*offset, out);
  }
  std::optional<std::string> Text(DWORD rva) const {
    const auto offset = FileOffset(rva);
    if (!offset || *offset >= bytes_.size()) return std::nullopt;
    const auto begin = bytes_.begin() + static_cast<std::ptrdiff_t>(*offset);
    const auto end = std::find(begin, bytes_.end(), '\0');
    if (end == bytes_.end()) return std::nullopt;
    return std::string(begin, end);
  }
  bool AddLibrary(DWORD nameRva, DWORD thunks, std::map<std::string, std::set<std::string>>* imports) const {
    std::optional<std::string> name = Text(nameRva);
    if (!name) return false;
    std::transform(name->begin(), name->end(), name->begin(),
                   [](char c) { return static_cast<char>(tolower(c)); });
    std::set<std::string>& functions = (*imports)[*name];
    for (DWORD at = thunks; thunks != 0; at += sizeof(ULONGLONG)) {
      ULONGLONG thunk = 0;
      if (!ReadRva(at, &thunk)) return false;
      if (thunk == 0) break;
      if (thunk & IMAGE_ORDINAL_FLAG64) continue;
      const std::optional<std::string> function = Text(static_cast<DWORD>(thunk) + sizeof(WORD));
      if (!function) return false;
      functions.insert(*function);
    }
    return true;
  }

  std::vector<char> bytes_;
  mutable std::vector<IMAGE_SECTION_HEADER> sections_;
};

// The libraries the system always loads from its own folder (its list of known libraries),
// and the common controls, which the manifest binds to the system's side-by-side copy.
const std::set<std::string> kSystemLibraries = {"advapi32.dll", "comdlg32.dll", "gdi32.dll",   "imm32.dll",
                                                "kernel32.dll", "msvcrt.dll",   "ole32.dll",   "oleaut32.dll",
                                                "rpcrt4.dll",   "shell32.dll",  "shlwapi.dll", "user32.dll",
                                                "ws2_32.dll",   "comctl32.dll"};

TEST(SetupImports, TheShippedSetupProgramLoadsOnlySystemLibraries) {
  const std::string dist = Environment("MOGURA_DIST");
  if (dist.empty()) GTEST_SKIP() << "MOGURA_DIST names no unpacked distribution";
  const std::string bytes = ReadBytes(dist + "\\mogura\\setup.exe");
  ASSERT_FALSE(bytes.empty());
  const PeImage image(bytes);
  const auto imports = image.Imports();
  ASSERT_TRUE(imports) << "setup.exe is no 64-bit image";
  ASSERT_TRUE(imports->count("kernel32.dll"));
  for (const auto& [library, functions] : *imports) {
    // The API sets are names the loader resolves itself, never files it searches for.
    if (library.starts_with("api-ms-win-")) continue;
    EXPECT_TRUE(kSystemLibraries.count(library))
        << library << " could be loaded from the setup program's folder";
  }
  EXPECT_TRUE(imports->at("kernel32.dll").count("SetDefaultDllDirectories"));
}

}  // namespace
}  // namespace mogura::test
