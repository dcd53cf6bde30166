#include "config/profile_file.h"
#include "config/profile_text.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace ocel::config {
namespace {

constexpr const char* kSection = "Ocel400 Configuration";

class ProfileFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/ocel400-profile-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string path(const char* name) const { return dir_ + "/" + name; }

  std::string dir_;
};

int readInt(const ProfileFile& file, const char* key, int fallback) {
  return readProfileInt(file.readText().value_or(""), kSection, key, fallback);
}

TEST_F(ProfileFileTest, MissingFileReadsDefaultsAndIsCreatedOnWrite) {
  ProfileFile file(path("camera.cfg"));
  EXPECT_EQ(file.readText(), "");
  EXPECT_EQ(readInt(file, "Shape", 235), 235);
  ASSERT_TRUE(file.writeInt(kSection, "Shape", 17));
  EXPECT_EQ(readInt(file, "shape", 235), 17);
  EXPECT_EQ(file.readText(), "[Ocel400 Configuration]\r\nShape=17\r\n");
  struct stat status {};
  ASSERT_EQ(stat(file.path().c_str(), &status), 0);
  EXPECT_NE(status.st_mode & S_IRGRP, 0u) << "a new file follows the umask, not 0600";
}

TEST_F(ProfileFileTest, ValueThatIsNotAPlainNumberReadsAsDefault) {
  ProfileFile file(path("odd.cfg"));
  ASSERT_TRUE(file.writeString(kSection, "Shape", "12abc"));
  EXPECT_EQ(readInt(file, "Shape", 235), 235);
}

TEST_F(ProfileFileTest, UnwritableLocationIsReportedAndLeavesNothing) {
  ProfileFile file(path("no/such/dir/camera.cfg"));
  EXPECT_FALSE(file.writeInt(kSection, "Mode", 1));
  EXPECT_FALSE(std::filesystem::exists(file.path()));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_),
                          std::filesystem::directory_iterator()),
            0);
}

// A writer killed at any moment leaves either the old file or the new one,
// never a mixture: each write replaces the file whole.
TEST_F(ProfileFileTest, KilledWriterLeavesAWholeFile) {
  const std::string big(200000, 'x');
  ProfileFile file(path("camera.cfg"));
  ASSERT_TRUE(file.writeString(kSection, "Pad", big));
  ASSERT_TRUE(file.writeInt(kSection, "Round", 0));
  for (int attempt = 0; attempt < 5; ++attempt) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int round = 1;; ++round) file.writeInt(kSection, "Round", round);
    }
    usleep(20000 + attempt * 7000);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    const std::string text = file.readText().value_or("");
    EXPECT_EQ(readProfileString(text, kSection, "Pad"), big);
    EXPECT_GE(readProfileInt(text, kSection, "Round", -1), 0);
  }
}

}  // namespace
}  // namespace ocel::config
