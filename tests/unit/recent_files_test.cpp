// The recent-files list: newest first, each file once, eight at most.
#include <gtest/gtest.h>

#include <algorithm>

#include "pipeline/recent_files.h"

using namespace brennick;

TEST(RecentFiles, NewestFirstEachOnceEightAtMost) {
  std::vector<std::string> list;
  for (int i = 1; i <= 10; ++i) list = with_recent_file(list, "/b/" + std::to_string(i) + ".brk");
  ASSERT_EQ(list.size(), 8u);
  EXPECT_EQ(list.front(), "/b/10.brk");
  EXPECT_EQ(list.back(), "/b/3.brk");
  list = with_recent_file(list, "/b/5.brk");
  EXPECT_EQ(list.size(), 8u);
  EXPECT_EQ(list[0], "/b/5.brk");
  EXPECT_EQ(list[1], "/b/10.brk");
  EXPECT_EQ(std::count(list.begin(), list.end(), "/b/5.brk"), 1);
  EXPECT_EQ(with_recent_file(list, ""), list);
  EXPECT_EQ(with_recent_file({"", "/a.brk"}, "").size(), 1u);
  EXPECT_EQ(with_recent_file(list, "/b/x.brk", 3).size(), 3u);
}
