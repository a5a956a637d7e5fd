#include "showdata/ShowPaths.h"

#include <gtest/gtest.h>

TEST(ShowPaths, FolderEndsAtTheLastSeparatorOrDriveColon) {
  const std::pair<const char*, const char*> cases[] = {
      {"D:\\Shows\\x.dat", "D:\\Shows\\"}, {"/home/u/shows/x.dat", "/home/u/shows/"},
      {"a\\b/c.dat", "a\\b/"},             {"x.dat", ""},
      {"C:x.dat", "C:"},                   {"/srv/a:b.dat", "/srv/"},
      {"", ""}};
  for (const auto& [path, folder] : cases) EXPECT_EQ(FolderOf(path), folder) << path;
}

TEST(ShowPaths, NormalizesSeparators) {
  EXPECT_EQ(NormalizePath("D:\\Shows\\\\a.jpg"), "D:/Shows/a.jpg");
  EXPECT_EQ(NormalizePath("/home//u\\/x"), "/home/u/x");
  EXPECT_EQ(NormalizePath("\\a.jpg"), "/a.jpg");
}
