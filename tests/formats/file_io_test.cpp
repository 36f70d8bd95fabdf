#include "formats/file_io.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <string>

#include "temp_dir.h"

namespace zav {
namespace {

using testing::read_bytes;
using testing::TempDir;
using testing::write_bytes;
namespace fs = std::filesystem;

std::size_t entries_in(const fs::path& folder) {
  return static_cast<std::size_t>(
      std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// Saves 100 bytes to `path` in a child process that `restrict` has first taken some right
// from, and returns the message of the failure ("" when the save succeeded).
std::string save_in_child(const fs::path& path, void (*restrict)()) {
  int pipe_ends[2];
  if (::pipe(pipe_ends) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipe_ends[0]);
    restrict();
    const auto error = write_file_replacing(path, Bytes(100, 7));
    const std::string message = error ? error->message() : "";
    const bool sent = ::write(pipe_ends[1], message.data(), message.size()) ==
                      static_cast<ssize_t>(message.size());
    ::_exit(sent ? 0 : 1);
  }
  ::close(pipe_ends[1]);
  std::string message;
  char chunk[256];
  for (ssize_t got; (got = ::read(pipe_ends[0], chunk, sizeof chunk)) > 0;)
    message.append(chunk, got);
  ::close(pipe_ends[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  return message;
}

// Root may write anywhere, so a test run as root gives its rights up first.
void as_unprivileged_user() {
  if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
}

void with_files_of_at_most_50_bytes() {
  std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails instead of ending us
  const rlimit limit{50, 50};
  ::setrlimit(RLIMIT_FSIZE, &limit);
}

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

  // A link to a file not made yet makes it, relative to the link's folder, through a chain too.
  fs::create_directory(dir / "sub");
  fs::create_symlink("made.dat", dir / "sub" / "first.dat");
  fs::create_symlink("sub/first.dat", dir / "second.dat");
  ASSERT_FALSE(write_file_replacing(dir / "second.dat", Bytes{3}));
  EXPECT_TRUE(fs::is_symlink(dir / "second.dat"));
  EXPECT_TRUE(fs::is_symlink(dir / "sub" / "first.dat"));
  EXPECT_EQ(read_bytes(dir / "sub" / "made.dat"), Bytes{3});
  EXPECT_EQ(entries_in(dir / "sub"), 2u);
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
  EXPECT_EQ(under_a_file->message(),
            (kept / "x.dat").string() + ": cannot be written: Not a directory");

  // A name the folder takes, but no longer than that: the temporary file is no obstacle.
  const auto longest = dir / std::string(255, 'n');
  ASSERT_FALSE(write_file_replacing(longest, Bytes{1}));
  fs::remove(longest);
  const auto too_long = dir / std::string(256, 'n');
  const auto long_name = write_file_replacing(too_long, Bytes{1});
  ASSERT_TRUE(long_name);
  EXPECT_EQ(long_name->message(), too_long.string() + ": cannot be written: File name too long");

  // Nothing but a regular file is replaced: a named pipe stays what it is.
  ASSERT_EQ(::mkfifo((dir / "pipe.dat").c_str(), 0600), 0);
  const auto pipe = write_file_replacing(dir / "pipe.dat", Bytes{1});
  ASSERT_TRUE(pipe);
  EXPECT_EQ(pipe->reason, "cannot be written: it is a named pipe, not a file");
  EXPECT_TRUE(fs::is_fifo(dir / "pipe.dat"));

  fs::create_symlink("loop.dat", dir / "loop.dat");
  const auto loop = write_file_replacing(dir / "loop.dat", Bytes{1});
  ASSERT_TRUE(loop);
  EXPECT_EQ(loop->reason, "cannot be written: Too many levels of symbolic links");

  EXPECT_EQ(read_bytes(kept), (Bytes{9, 9, 9}));
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_EQ(entries_in(dir.path()), 4u);  // kept, folder, pipe, loop: no temporary file left
}

TEST(FileIo, SavesRefusedByTheSystemNameTheFileAndKeepTheOldOne) {
  TempDir dir;
  const auto kept = dir / "camp1.dat";
  write_bytes(kept, Bytes{9, 9, 9});
  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                  fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
  EXPECT_EQ(save_in_child(kept, as_unprivileged_user),
            kept.string() + ": cannot be written: Permission denied");
  fs::permissions(dir.path(), fs::perms::owner_write, fs::perm_options::add);

  EXPECT_EQ(save_in_child(kept, with_files_of_at_most_50_bytes),
            kept.string() + ": cannot be written: File too large");
  EXPECT_EQ(read_bytes(kept), (Bytes{9, 9, 9}));
  EXPECT_EQ(entries_in(dir.path()), 1u);
}

TEST(FileIo, ReadingTakesTheStartOfRegularFilesOnly) {
  TempDir dir;
  write_bytes(dir / "camp1.dat", Bytes{1, 2, 3, 4});
  const Result<FileStart> longer = read_file_start(dir / "camp1.dat", 3);
  ASSERT_TRUE(longer);
  EXPECT_EQ(longer.value().bytes, (Bytes{1, 2, 3}));
  EXPECT_TRUE(longer.value().goes_on);
  const Result<FileStart> whole = read_file_start(dir / "camp1.dat", 4);
  EXPECT_EQ(whole.value().bytes, (Bytes{1, 2, 3, 4}));
  EXPECT_FALSE(whole.value().goes_on);

  const auto missing = dir / "sqbasic.dat";
  const Result<FileStart> none = read_file_start(missing, 10);
  ASSERT_FALSE(none);
  EXPECT_EQ(none.error().reason, "cannot be opened: No such file or directory");
  EXPECT_FALSE(std::filesystem::exists(missing));

  ASSERT_EQ(::mkfifo((dir / "pipe.str").c_str(), 0600), 0);
  const std::vector<std::pair<fs::path, std::string>> not_files = {
      {dir.path(), "cannot be read: it is a folder, not a file"},
      {dir / "pipe.str", "cannot be read: it is a named pipe, not a file"},
      {"/dev/zero", "cannot be read: it is a device, not a file"}};
  for (const auto& [path, reason] : not_files) {
    if (!fs::exists(path)) continue;
    const Result<FileStart> refused = read_file_start(path, 10);
    ASSERT_FALSE(refused) << path;
    EXPECT_EQ(refused.error().reason, reason);
  }
}

}  // namespace
}  // namespace zav
