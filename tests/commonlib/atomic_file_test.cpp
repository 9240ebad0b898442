// The one file writer: a write that fails at any stage leaves the old file
// byte-identical (or absent) and no temporary file behind, and says why;
// links, permissions and refused targets.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/AtomicFile.h"

namespace zw {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("zw_atomic_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(folder_, ec);
  }
  std::string path(const std::string& name) const { return (folder_ / name).string(); }
  static void put(const std::string& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }
  static std::string get(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::vector<std::string> names() const {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(folder_)) out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
  }
  fs::path folder_;
};

// Three and a half pieces, so that a write can fail in the middle.
std::string bigText() {
  std::string s(kAtomicWriteChunk * 7 / 2, 'x');
  for (std::size_t i = 0; i < s.size(); i += 97) s[i] = char('a' + i % 26);
  return s;
}

struct FaultCase {
  const char* name;
  WriteFault fault;
};

const FaultCase kFaults[] = {
    {"cannot create the new file", {WriteStage::Open, 1, EACCES}},
    {"disk full at the first piece", {WriteStage::Write, 1, ENOSPC}},
    {"disk full at the third piece", {WriteStage::Write, 3, ENOSPC}},
    {"medium error while writing", {WriteStage::Write, 2, EIO}},
    {"fsync fails", {WriteStage::Sync, 1, EIO}},
    {"close reports a late error", {WriteStage::Close, 1, ENOSPC}},
    {"rename fails", {WriteStage::Rename, 1, EXDEV}},
};

TEST_F(AtomicFileTest, AFailureAtAnyStageKeepsTheOldBytesAndSaysWhy) {
  const std::string old = "[sheet]\r\nvalue=1\r\n\xE4\r\n";
  for (const FaultCase& c : kFaults) {
    SCOPED_TRACE(c.name);
    const std::string target = path("sheet.dat");
    put(target, old);
    std::string reason;
    {
      ScopedWriteFault fault(c.fault);
      EXPECT_FALSE(WriteFileAtomic(target, bigText(), &reason));
    }
    EXPECT_EQ(reason, std::strerror(c.fault.error));
    EXPECT_EQ(get(target), old);
    EXPECT_EQ(names(), std::vector<std::string>{"sheet.dat"});  // no temporary file left
  }
}

TEST_F(AtomicFileTest, AFailureWithoutAnOldFileLeavesNoFile) {
  for (const FaultCase& c : kFaults) {
    SCOPED_TRACE(c.name);
    std::string reason;
    ScopedWriteFault fault(c.fault);
    EXPECT_FALSE(WriteFileAtomic(path("new.csv"), bigText(), &reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_TRUE(names().empty());
  }
}

TEST_F(AtomicFileTest, WritesReplaceTheFileWholeAndShortWritesAreCarriedOn) {
  const std::string target = path("data.txt");
  ASSERT_TRUE(WriteFileAtomic(target, "first, longer text"));
  EXPECT_EQ(get(target), "first, longer text");
  {
    ScopedWriteFault half({WriteStage::ShortWrite, 2});
    ASSERT_TRUE(WriteFileAtomic(target, bigText()));
  }
  EXPECT_EQ(get(target), bigText());
  ASSERT_TRUE(WriteFileAtomic(target, ""));
  EXPECT_EQ(get(target), "");
  EXPECT_EQ(names(), std::vector<std::string>{"data.txt"});
}

TEST_F(AtomicFileTest, AnExistingFileKeepsItsPermissions) {
  const std::string target = path("private.dat");
  put(target, "a");
  ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
  ASSERT_TRUE(WriteFileAtomic(target, "b"));
  struct stat st {};
  ASSERT_EQ(::stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// Targets the user protected or that are no files: refused, left alone.
TEST_F(AtomicFileTest, RefusedTargetsStayAsTheyWere) {
  fs::create_directory(path("memory.dat"));
  std::string reason;
  EXPECT_FALSE(WriteFileAtomic(path("memory.dat"), "x", &reason));
  EXPECT_EQ(reason, std::strerror(EISDIR));
  EXPECT_TRUE(fs::is_directory(path("memory.dat")));

  put(path("locked.dat"), "old");
  ASSERT_EQ(::chmod(path("locked.dat").c_str(), 0444), 0);
  EXPECT_FALSE(WriteFileAtomic(path("locked.dat"), "new", &reason));
  EXPECT_EQ(reason, std::strerror(EACCES));
  EXPECT_EQ(get(path("locked.dat")), "old");

  EXPECT_FALSE(WriteFileAtomic(path("missing/folder.dat"), "x", &reason));
  EXPECT_EQ(reason, std::strerror(ENOENT));
  EXPECT_FALSE(WriteFileAtomic("", "x", &reason));
  EXPECT_FALSE(WriteFileAtomic(path("ends-in-slash/"), "x", &reason));
  EXPECT_EQ(names(), (std::vector<std::string>{"locked.dat", "memory.dat"}));
}

TEST_F(AtomicFileTest, ALinkIsFollowedAndStaysALink) {
  fs::create_directory(path("real"));
  put(path("real/sheet.dat"), "old");
  fs::create_symlink("real/sheet.dat", path("link.dat"));
  ASSERT_TRUE(WriteFileAtomic(path("link.dat"), "new"));
  EXPECT_TRUE(fs::is_symlink(path("link.dat")));
  EXPECT_EQ(get(path("real/sheet.dat")), "new");
  // A link to a file not yet there creates that file.
  fs::create_symlink("real/later.dat", path("dangling.dat"));
  ASSERT_TRUE(WriteFileAtomic(path("dangling.dat"), "made"));
  EXPECT_TRUE(fs::is_symlink(path("dangling.dat")));
  EXPECT_EQ(get(path("real/later.dat")), "made");
}

TEST_F(AtomicFileTest, AFolderWithoutRoomForANewFileFails) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write into any folder";
  put(path("sheet.dat"), "old");
  fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
  std::string reason;
  EXPECT_FALSE(WriteFileAtomic(path("sheet.dat"), "new", &reason));
  EXPECT_EQ(reason, std::strerror(EACCES));
  EXPECT_EQ(get(path("sheet.dat")), "old");
}

}  // namespace
}  // namespace zw
