#include "platform/profile_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>

namespace ocel::platform {
namespace {

constexpr const char* kSection = "Ocel400 Configuration";

std::string contents(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "<missing>";
  return file.readAll().toStdString();
}

TEST(ProfileFile, MissingFileReadsDefaultsAndIsCreatedOnWrite) {
  QTemporaryDir dir;
  ProfileFile file(dir.filePath("camera.cfg"));
  EXPECT_EQ(file.readInt(kSection, "Shape", 235), 235);
  ASSERT_TRUE(file.writeInt(kSection, "Shape", 17));
  EXPECT_EQ(file.readInt(kSection, "shape", 235), 17);
  EXPECT_EQ(contents(file.path()), "[Ocel400 Configuration]\r\nShape=17\r\n");
  ASSERT_TRUE(file.writeString(kSection, "Shape", "12abc"));
  EXPECT_EQ(file.readInt(kSection, "Shape", 235), 235);  // not a plain number
}

TEST(ProfileFile, UnwritableLocationIsReportedAndLeavesNothing) {
  QTemporaryDir dir;
  ProfileFile file(dir.filePath("no/such/dir/camera.cfg"));
  EXPECT_FALSE(file.writeInt(kSection, "Mode", 1));
  EXPECT_EQ(contents(file.path()), "<missing>");
}

// A writer killed at any moment leaves either the old file or the new one,
// never a mixture: each write replaces the file whole.
TEST(ProfileFile, KilledWriterLeavesAWholeFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("camera.cfg");
  const std::string big(200000, 'x');
  {
    ProfileFile file(path);
    ASSERT_TRUE(file.writeString(kSection, "Pad", big));
    ASSERT_TRUE(file.writeInt(kSection, "Round", 0));
  }
  for (int attempt = 0; attempt < 5; ++attempt) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ProfileFile file(path);
      for (int round = 1;; ++round) file.writeInt(kSection, "Round", round);
    }
    usleep(20000 + attempt * 7000);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    ProfileFile file(path);
    EXPECT_EQ(file.readString(kSection, "Pad"), big);
    EXPECT_GE(file.readInt(kSection, "Round", -1), 0);
  }
}

}  // namespace
}  // namespace ocel::platform
