#include "formats/file_io.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

namespace zav {
namespace {

using testing::read_bytes;
using testing::TempDir;
using testing::write_bytes;

TEST(FileIo, ReplacingWritesWholeFileAndLeavesNothingBehind) {
  TempDir dir;
  const auto target = dir / "camp1.dat";
  write_bytes(target, Bytes(100, 0xAA));

  ASSERT_FALSE(write_file_replacing(target, Bytes{1, 2, 3}));

  EXPECT_EQ(read_bytes(target), (Bytes{1, 2, 3}));  // nothing of the longer old file remains
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(FileIo, ReplacingKeepsPermissionsAndLinks) {
  TempDir dir;
  const auto real = dir / "camp1.dat";
  write_bytes(real, Bytes{1});
  namespace fs = std::filesystem;
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const auto link = dir / "link.dat";
  fs::create_symlink(real, link);

  ASSERT_FALSE(write_file_replacing(link, Bytes{2, 2}));

  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(read_bytes(real), (Bytes{2, 2}));
  EXPECT_EQ(fs::status(real).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(FileIo, FailedWriteNamesTheFileAndKeepsTheOldOne) {
  TempDir dir;
  const auto kept = dir / "kept.dat";
  write_bytes(kept, Bytes{9, 9, 9});

  const auto folder = dir / "folder.dat";
  std::filesystem::create_directory(folder);
  write_bytes(folder / "inside", Bytes{1});
  const auto into_folder = write_file_replacing(folder, Bytes{1});
  ASSERT_TRUE(into_folder);
  EXPECT_EQ(into_folder->path, folder);
  EXPECT_NE(into_folder->message().find("folder"), std::string::npos);

  const auto under_a_file = write_file_replacing(kept / "x.dat", Bytes{1});
  ASSERT_TRUE(under_a_file);
  EXPECT_NE(under_a_file->message().find("kept.dat/x.dat"), std::string::npos);

  EXPECT_EQ(read_bytes(kept), (Bytes{9, 9, 9}));
  EXPECT_TRUE(std::filesystem::is_directory(folder));
}

TEST(FileIo, ReadingNeverCreatesAMissingFile) {
  TempDir dir;
  const auto missing = dir / "sqbasic.dat";
  const Result<Bytes> read = read_file(missing);
  ASSERT_FALSE(read);
  EXPECT_NE(read.error().message().find("No such file"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(missing));

  const Result<Bytes> folder = read_file(dir.path());
  ASSERT_FALSE(folder);
  EXPECT_NE(folder.error().reason.find("folder"), std::string::npos);
}

}  // namespace
}  // namespace zav
