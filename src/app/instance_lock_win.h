// src/app/instance_lock_win.h
// The instance lock: data\tvk.s held open with no sharing for the life of the process.
#pragma once
#include <string>

enum class InstanceLock {
  kHeld,           // the lock file existed and is now ours
  kFirstStart,     // the lock file was absent: written as one byte 0x00 (and held when possible)
  kHeldElsewhere,  // another running instance holds it
};

// Takes the lock. The handle is deliberately never closed: it lives as long as the process.
InstanceLock AcquireInstanceLock(const std::string& lockFile);
