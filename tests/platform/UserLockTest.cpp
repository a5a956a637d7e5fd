#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/UserLock.h"

namespace {

// Points XDG_RUNTIME_DIR at a folder of the test's own for the test's life.
class UserLock : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/userlock-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    folder_ = pattern;
    const char* old = std::getenv("XDG_RUNTIME_DIR");
    if (old != nullptr) old_ = std::make_unique<std::string>(old);
    ::setenv("XDG_RUNTIME_DIR", folder_.c_str(), 1);
  }
  void TearDown() override {
    if (old_) ::setenv("XDG_RUNTIME_DIR", old_->c_str(), 1);
    else ::unsetenv("XDG_RUNTIME_DIR");
    std::filesystem::remove_all(folder_);
  }
  std::string folder_;
  std::unique_ptr<std::string> old_;
};

TEST_F(UserLock, TheFirstHolderKeepsTheLockUntilItIsDropped) {
  EXPECT_EQ(UserLockPath("music"), folder_ + "/music.lock");
  auto first = std::make_unique<TUserLock>("music");
  EXPECT_TRUE(first->Held());
  EXPECT_FALSE(TUserLock("music").Held());
  EXPECT_TRUE(TUserLock("other").Held());
  first.reset();
  EXPECT_TRUE(TUserLock("music").Held());
}

TEST_F(UserLock, ASymbolicLinkInPlaceOfTheFileIsNotFollowed) {
  const std::string target = folder_ + "/target";
  std::filesystem::create_symlink(target, folder_ + "/music.lock");
  EXPECT_TRUE(TUserLock("music").Held());
  EXPECT_FALSE(std::filesystem::exists(target));
}

TEST_F(UserLock, WithoutARuntimeFolderTheFileIsPerUserInTmp) {
  ::unsetenv("XDG_RUNTIME_DIR");
  EXPECT_EQ(UserLockPath("music"), "/tmp/music-" + std::to_string(::getuid()) + ".lock");
}

}  // namespace
