#include "platform/UserLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>

std::string UserLockPath(const std::string& name) {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && *runtime != '\0') return std::string(runtime) + "/" + name + ".lock";
  return "/tmp/" + name + "-" + std::to_string(::getuid()) + ".lock";
}

TUserLock::TUserLock(const std::string& name) {
  // No symbolic links followed: /tmp is shared with other users.
  fd_ = ::open(UserLockPath(name).c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  held_ = fd_ < 0 || ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
}

TUserLock::~TUserLock() {
  if (fd_ >= 0) ::close(fd_);
}
