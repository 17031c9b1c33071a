// The conversation is held as an ANSI client: the Program Manager of the systems that need it
// reads its commands in the system's code page, and our commands are CP932 bytes already.
// (A Unicode client's commands reach Wine's shell cut after their first character.)
#include "platform/win32/win32_program_manager.h"

#include <windows.h>
#include <ddeml.h>

#include "platform/win32/scoped_handle.h"

namespace mogura::win32 {
namespace {

constexpr DWORD kTimeoutMs = 10000;

HDDEDATA CALLBACK NoCallbacks(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }

struct DdeInstanceTraits {
  using Handle = DWORD;
  static bool Valid(DWORD id) { return id != 0; }
  static bool Close(DWORD id) { return DdeUninitialize(id) != 0; }
};

// A string handle belongs to its instance, which frees it.
struct DdeNameTraits {
  using Handle = HSZ;
  DWORD instance = 0;
  static bool Valid(HSZ h) { return h != nullptr; }
  bool Close(HSZ h) const { return DdeFreeStringHandle(instance, h) != 0; }
};

struct DdeConversationTraits {
  using Handle = HCONV;
  static bool Valid(HCONV h) { return h != nullptr; }
  static bool Close(HCONV h) { return DdeDisconnect(h) != 0; }
};

}  // namespace

void Win32ProgramManager::execute(const std::vector<std::string>& commands) {
  ScopedHandle<DdeInstanceTraits> instance;
  if (DdeInitializeA(instance.put(), &NoCallbacks, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) return;
  const ScopedHandle<DdeNameTraits> progman(DdeCreateStringHandleA(instance.get(), "PROGMAN", CP_WINANSI),
                                            DdeNameTraits{instance.get()});
  if (!progman) return;
  const ScopedHandle<DdeConversationTraits> conversation(
      DdeConnect(instance.get(), progman.get(), progman.get(), nullptr));
  if (!conversation) return;
  for (const std::string& command : commands) {
    // The text with its terminator, as the conversation's execute data.
    std::string data = command;
    data.push_back('\0');
    // A synchronous execute answers TRUE or FALSE, never data of its own; the results are ignored.
    DWORD result = 0;
    DdeClientTransaction(reinterpret_cast<BYTE*>(data.data()), static_cast<DWORD>(data.size()), conversation.get(),
                         nullptr, 0, XTYP_EXECUTE, kTimeoutMs, &result);
  }
}

}  // namespace mogura::win32
