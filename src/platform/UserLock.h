#pragma once

#include <string>

// An advisory lock shared by the processes of one user: the first to take a lock of a given
// name holds it until it ends (or drops the object); the others find it taken. The lock file
// lives in $XDG_RUNTIME_DIR, or in /tmp with the user id in its name.
class TUserLock {
 public:
  explicit TUserLock(const std::string& name);
  ~TUserLock();
  TUserLock(const TUserLock&) = delete;
  TUserLock& operator=(const TUserLock&) = delete;

  // True when this object holds the lock. A lock file that cannot be opened counts as held:
  // without a way to agree, every process goes ahead.
  bool Held() const { return held_; }

 private:
  int fd_ = -1;
  bool held_ = false;
};

// The lock file of name.
std::string UserLockPath(const std::string& name);
