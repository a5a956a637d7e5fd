#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "Commands.h"

namespace {

// A file descriptor of a temporary file that is removed unless it was committed.
class PendingFile {
 public:
  explicit PendingFile(const std::string& finalPath) : path_(finalPath + ".XXXXXX") {
    fd_ = mkstemp(path_.data());
    if (fd_ < 0) throw UsageError("cannot write " + finalPath + ": " + std::strerror(errno));
  }
  ~PendingFile() {
    if (fd_ >= 0) close(fd_);
    if (!committed_) unlink(path_.c_str());
  }
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  void Write(const std::vector<unsigned char>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = write(fd_, bytes.data() + done, bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) throw UsageError("cannot write " + path_ + ": " + std::strerror(errno));
      done += static_cast<std::size_t>(n);
    }
  }
  void Commit(const std::string& finalPath, unsigned mode) {
    if (fchmod(fd_, mode) != 0 || fsync(fd_) != 0 || close(fd_) != 0) {
      fd_ = -1;
      throw UsageError("cannot write " + finalPath + ": " + std::strerror(errno));
    }
    fd_ = -1;
    if (rename(path_.c_str(), finalPath.c_str()) != 0)
      throw UsageError("cannot write " + finalPath + ": " + std::strerror(errno));
    committed_ = true;
  }

 private:
  std::string path_;
  int fd_ = -1;
  bool committed_ = false;
};

}  // namespace

void WriteFileAtomically(const std::string& path, const std::vector<unsigned char>& bytes,
                         unsigned mode) {
  PendingFile file(path);
  file.Write(bytes);
  file.Commit(path, mode);
}
