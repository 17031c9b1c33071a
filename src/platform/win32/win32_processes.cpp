#include "platform/win32/win32_processes.h"

#include <windows.h>
#include <tlhelp32.h>

#include "platform/win32/wide.h"
#include "platform/win32/scoped_handle.h"

namespace mogura::win32 {
namespace {

// The id of the process that started this one; 0 when unknown.
DWORD ParentId() {
  const OwnedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return 0;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  const DWORD self = GetCurrentProcessId();
  for (BOOL more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry)) {
    if (entry.th32ProcessID == self) return entry.th32ParentProcessID;
  }
  return 0;
}

std::uint64_t StartTime(HANDLE process) {
  FILETIME created{}, exited{}, kernel{}, user{};
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
  return (static_cast<std::uint64_t>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

}  // namespace

bool WaitForParentProgram(const std::string& program, unsigned timeoutMs) {
  const DWORD parentId = ParentId();
  if (parentId == 0) return true;
  const OwnedHandle parent(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, parentId));
  if (!parent) return true;
  // An id can be given again once its process has ended: the parent started before us.
  if (StartTime(parent.get()) > StartTime(GetCurrentProcess())) return true;
  wchar_t image[MAX_PATH * 2] = {};
  DWORD length = MAX_PATH * 2;
  if (!QueryFullProcessImageNameW(parent.get(), 0, image, &length)) return true;
  const std::wstring expected = ToWide(program);
  if (CompareStringOrdinal(image, static_cast<int>(length), expected.c_str(), static_cast<int>(expected.size()), TRUE) !=
      CSTR_EQUAL) {
    return true;
  }
  return WaitForSingleObject(parent.get(), timeoutMs) == WAIT_OBJECT_0;
}

}  // namespace mogura::win32
