// Owned handles of the system, each released by its own function when the holder goes: kernel
// objects, directory searches, registry keys, LocalAlloc memory, and whatever else a Traits
// type names. Traits give the handle type, tell a valid handle from none (null, or
// INVALID_HANDLE_VALUE for kernel objects) and close one; they may carry what the release
// needs besides the handle (the DDE instance of a string handle, say).
#pragma once

#include <windows.h>

#include <utility>

namespace mogura::win32 {

template <typename Traits>
class ScopedHandle : private Traits {
 public:
  using Handle = typename Traits::Handle;

  ScopedHandle() = default;
  explicit ScopedHandle(Handle handle, Traits traits = Traits()) : Traits(std::move(traits)), handle_(handle) {}
  ~ScopedHandle() { reset(); }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return Traits::Valid(handle_); }
  // The slot a call that opens one fills; what was held is closed first.
  Handle* put() {
    reset();
    return &handle_;
  }
  // Hands what is held over to the caller, who closes it from now on.
  Handle release() { return std::exchange(handle_, Handle()); }
  // Closes what is held; false when the system reported a failure in closing it.
  bool reset() {
    const Handle held = release();
    return !Traits::Valid(held) || Traits::Close(held);
  }

 private:
  Handle handle_ = Handle();
};

struct KernelHandleTraits {
  using Handle = HANDLE;
  static bool Valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static bool Close(HANDLE h) { return CloseHandle(h) != 0; }
};

struct FindHandleTraits {
  using Handle = HANDLE;
  static bool Valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static bool Close(HANDLE h) { return FindClose(h) != 0; }
};

struct RegistryKeyTraits {
  using Handle = HKEY;
  static bool Valid(HKEY h) { return h != nullptr; }
  static bool Close(HKEY h) { return RegCloseKey(h) == ERROR_SUCCESS; }
};

struct LocalMemoryTraits {
  using Handle = HLOCAL;
  static bool Valid(HLOCAL h) { return h != nullptr; }
  static bool Close(HLOCAL h) { return LocalFree(h) == nullptr; }
};

// A process, thread, file or token.
using OwnedHandle = ScopedHandle<KernelHandleTraits>;
// A search of FindFirstFileW.
using FindHandle = ScopedHandle<FindHandleTraits>;
using RegistryKeyHandle = ScopedHandle<RegistryKeyTraits>;
// Memory the system allocated with LocalAlloc for the caller (a security descriptor, say).
using LocalMemory = ScopedHandle<LocalMemoryTraits>;

}  // namespace mogura::win32
