// src/app/instance_lock_win.cpp
#include "app/instance_lock_win.h"

#include <windows.h>

InstanceLock AcquireInstanceLock(const std::string& lockFile) {
  const DWORD access = GENERIC_READ | GENERIC_WRITE;
  // Creating and locking in one call leaves no moment in which a second instance starting at
  // the same time could also believe it is the first.
  HANDLE created = CreateFileA(lockFile.c_str(), access, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (created != INVALID_HANDLE_VALUE) {
    const char zero = 0;
    DWORD written = 0;
    WriteFile(created, &zero, 1, &written, nullptr);
    FlushFileBuffers(created);
    return InstanceLock::kFirstStart;
  }
  DWORD createError = GetLastError();
  HANDLE held = CreateFileA(lockFile.c_str(), access, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (held != INVALID_HANDLE_VALUE) return InstanceLock::kHeld;
  // The file exists but cannot be opened for us alone: another instance has it (or it is not a
  // file we can lock at all, such as a folder). Without a data folder nothing exists to lock:
  // that is a first start that runs without a lock.
  if (createError == ERROR_FILE_EXISTS || createError == ERROR_ALREADY_EXISTS ||
      GetFileAttributesA(lockFile.c_str()) != INVALID_FILE_ATTRIBUTES)
    return InstanceLock::kHeldElsewhere;
  return InstanceLock::kFirstStart;
}
