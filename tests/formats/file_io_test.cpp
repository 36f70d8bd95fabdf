#include "formats/file_io.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <csignal>
#include <string>
#include <system_error>

#include "formats/path_text.h"
#include "temp_dir.h"

namespace zav {
namespace {

using testing::entries_in;
using testing::read_bytes;
using testing::TempDir;
using testing::write_bytes;
namespace fs = std::filesystem;

#ifndef _WIN32
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
#endif

// What the system says of a failure, in its own words (they differ between systems).
std::string system_text(std::errc code) {
  return std::make_error_code(code).message();
}

TEST(FileIo, ReplacingWritesWholeFileAndLeavesNothingBehind) {
  TempDir dir;
  const auto target = dir / "camp1.dat";
  write_bytes(target, Bytes(100, 0xAA));

  ASSERT_FALSE(write_file_replacing(target, Bytes{1, 2, 3}));

  EXPECT_EQ(read_bytes(target), (Bytes{1, 2, 3}));  // nothing of the longer old file remains
  EXPECT_EQ(entries_in(dir.path()), 1u);
}

TEST(FileIo, ReplacingKeepsPermissionsAndLinksAndNeverReplacesPipesOrLinkLoops) {
#ifdef _WIN32
  GTEST_SKIP() << "permission bits, named pipes in a folder and symbolic links a user may make "
                  "are POSIX only";
#else
  TempDir dir;
  const auto real = dir / "camp1.dat";
  write_bytes(real, Bytes{1});
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

  // A link into a folder that does not exist fails under the link's name and stays as it was.
  fs::create_symlink("no/such/folder.dat", dir / "dangling.dat");
  const auto dangling = write_file_replacing(dir / "dangling.dat", Bytes{4});
  ASSERT_TRUE(dangling);
  EXPECT_EQ(dangling->message(), (dir / "dangling.dat").string() + ": cannot be written: " +
                                     system_text(std::errc::no_such_file_or_directory));
  EXPECT_EQ(fs::read_symlink(dir / "dangling.dat"), "no/such/folder.dat");

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
  EXPECT_EQ(entries_in(dir.path()), 7u);  // no temporary file left
#endif
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
#ifdef _WIN32
  const std::errc no_folder = std::errc::no_such_file_or_directory;
#else
  const std::errc no_folder = std::errc::not_a_directory;
#endif
  EXPECT_EQ(under_a_file->message(),
            path_to_utf8(kept / "x.dat") + ": cannot be written: " + system_text(no_folder));

  // A name the folder takes, but no longer than that: the temporary file is no obstacle.
  const auto longest = dir / std::string(255, 'n');
  ASSERT_FALSE(write_file_replacing(longest, Bytes{1}));
  fs::remove(longest);
  const auto too_long = dir / std::string(256, 'n');
  const auto long_name = write_file_replacing(too_long, Bytes{1});
  ASSERT_TRUE(long_name);
#ifndef _WIN32  // Windows' words for it differ between its versions
  EXPECT_EQ(long_name->message(), too_long.string() + ": cannot be written: File name too long");
#endif

  EXPECT_EQ(read_bytes(kept), (Bytes{9, 9, 9}));
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_EQ(entries_in(dir.path()), 2u);  // kept and folder: no temporary file left
}

TEST(FileIo, SavesRefusedByTheSystemNameTheFileAndKeepTheOldOne) {
#ifdef _WIN32
  GTEST_SKIP() << "a file another program holds is refused through the editor's own message box "
                  "(tests/ui/real_dialogs_test.cpp)";
#else
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
#endif
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

  // A missing file is told by every reader of its users (build_refusal_test.cpp, the editors).
  std::vector<std::pair<fs::path, std::string>> not_files = {
      {dir.path(), "cannot be read: it is a folder, not a file"}};
#ifndef _WIN32
  ASSERT_EQ(::mkfifo((dir / "pipe.str").c_str(), 0600), 0);
  not_files.push_back({dir / "pipe.str", "cannot be read: it is a named pipe, not a file"});
  not_files.push_back({"/dev/zero", "cannot be read: it is a device, not a file"});
#endif
  for (const auto& [path, reason] : not_files) {
    const Result<FileStart> refused = read_file_start(path, 10);
    ASSERT_FALSE(refused) << path;
    EXPECT_EQ(refused.error().reason, reason);
  }
}

}  // namespace
}  // namespace zav
