// Configuration files on disk: what is refused, and what a save keeps whole.
#include "config/profile_file.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>
#include <tuple>

#include "config/profile_text.h"
#include "temp_folder.h"

namespace ocel::config {
namespace {

namespace fs = std::filesystem;
constexpr const char* kSection = "Ocel400 Configuration";

using testing::fileText;
using testing::writeFile;

class ProfileFileTest : public ::testing::Test {
 protected:
  std::string path(const char* name) const { return folder_.path(name); }

  const testing::TempFolder folder_;
};

// Every key set to the same round number, as one save of a camera writes them.
std::vector<ProfileEntry> roundOfKeys(int round, std::size_t keys, std::size_t valueSize = 0) {
  std::vector<ProfileEntry> entries;
  const std::string value = std::to_string(round) + std::string(valueSize, '0');
  for (std::size_t k = 1; k <= keys; ++k) entries.push_back({"Key" + std::to_string(k), value});
  return entries;
}

// A save writes only where a read is allowed or nothing is yet; a refused file
// is left as it was, a new one follows the umask, and nothing else is left.
TEST_F(ProfileFileTest, OnlyAPlainFileOfSensibleSizeIsReadOrWritten) {
  ASSERT_EQ(mkfifo(path("fifo").c_str(), 0600), 0);  // opening it must not block
  writeFile(path("big.cfg"), "");
  fs::resize_file(path("big.cfg"), kMaxFileBytes + 1);
  writeFile(path("plain.cfg"), "[Ocel400 Configuration]\nShape=1\n");
  using Status = FileText::Status;
  const struct {
    std::string path;
    Status status;
    const char* reason;
    bool saves;
  } cases[] = {
      {folder_.dir(), Status::Refused, "is a directory", false},
      {path("fifo"), Status::Refused, "is not a regular file", false},
      {path("big.cfg"), Status::Refused, "is larger than 1 MiB", false},
      {path("missing.cfg"), Status::Missing, "No such file", true},
      {path("plain.cfg/x"), Status::Missing, "Not a directory", false},
      {path("plain.cfg"), Status::Read, "", true},
  };
  const mode_t previous = umask(027);
  for (const auto& c : cases) {
    const FileText file = readTextFile(c.path);
    EXPECT_EQ(file.status, c.status) << c.path;
    EXPECT_NE(file.reason.find(c.reason), std::string::npos) << c.path << ": " << file.reason;
    EXPECT_EQ(file.text.empty(), c.status != Status::Read) << c.path;
    const FileWrite written = ProfileFile(c.path).writeKeys(kSection, {{"Mode", "1"}});
    EXPECT_EQ(written.written, c.saves) << c.path << ": " << written.reason;
  }
  umask(previous);
  EXPECT_EQ(fs::status(path("missing.cfg")).permissions(), fs::perms(0640));
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder_.dir()))
    names.insert(entry.path().filename());
  EXPECT_EQ(names, (std::set<std::string>{"fifo", "big.cfg", "plain.cfg", "missing.cfg"}));
  EXPECT_EQ(fs::file_size(path("big.cfg")), kMaxFileBytes + 1);
  EXPECT_EQ(fileText(path("missing.cfg")), "[Ocel400 Configuration]\r\nMode=1\r\n");
  EXPECT_EQ(fileText(path("plain.cfg")), "[Ocel400 Configuration]\nShape=1\nMode=1\n");
}

// A save writes through symbolic links, keeps a hard link, owner and mode.
TEST_F(ProfileFileTest, SaveKeepsWhatTheFileIs) {
  fs::create_directory(path("real"));
  for (const char* name : {"a.cfg", "b.cfg", "c.cfg", "d.cfg"})
    writeFile(path("real/") + name, "[Ocel400 Configuration]\r\nShape=1\r\n");
  fs::create_symlink(path("real/a.cfg"), path("a.cfg"));  // absolute
  fs::create_symlink("real/b.cfg", path("b.cfg"));        // relative
  fs::create_hard_link(path("real/c.cfg"), path("c.cfg"));
  ASSERT_EQ(chmod(path("real/d.cfg").c_str(), 0604), 0);
  if (geteuid() == 0) {
    ASSERT_EQ(chown(path("real/d.cfg").c_str(), 1234, 1235), 0);
  }
  for (const char* name : {"a.cfg", "b.cfg", "c.cfg", "d.cfg"}) {
    const std::string real = path("real/") + name;
    struct stat old {
    }, now{};
    ASSERT_EQ(stat(real.c_str(), &old), 0);
    const std::string saved = fs::exists(path(name)) ? path(name) : real;
    const FileWrite written = ProfileFile(saved).writeKeys(kSection, {{"Shape", "2"}});
    ASSERT_TRUE(written.written) << name << ": " << written.reason;
    EXPECT_EQ(fileText(real), "[Ocel400 Configuration]\r\nShape=2\r\n") << name;
    ASSERT_EQ(stat(real.c_str(), &now), 0);
    EXPECT_EQ(std::tie(now.st_mode, now.st_uid, now.st_gid, now.st_nlink),
              std::tie(old.st_mode, old.st_uid, old.st_gid, old.st_nlink))
        << name;
  }
}

// A save killed at any moment leaves all keys from one save, old or new.
TEST_F(ProfileFileTest, KilledSaveLeavesOneSavesKeys) {
  ProfileFile file(path("camera.cfg"));
  std::vector<ProfileEntry> first = roundOfKeys(0, 23);
  first.push_back({"Pad", std::string(200000, 'x')});  // a slow write, to be killed in
  ASSERT_TRUE(file.writeKeys(kSection, first).written);
  for (int attempt = 0; attempt < 5; ++attempt) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int round = 1;; ++round) file.writeKeys(kSection, roundOfKeys(round, 23));
    }
    usleep(20000 + attempt * 7000);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    const std::string text = file.read().text;
    EXPECT_EQ(readProfileString(text, kSection, "Pad")->size(), 200000u);
    const int round = readProfileInt(text, kSection, "Key1", -1);
    for (int k = 2; k <= 23; ++k)
      EXPECT_EQ(readProfileInt(text, kSection, "Key" + std::to_string(k), -1), round) << k;
  }
}

// On a full disk (a tmpfs of its own) the old file stays, replaced or hard-linked.
TEST_F(ProfileFileTest, FullDiskLeavesTheOldFileWhole) {
  const std::string old = "[Ocel400 Configuration]\r\nMode=1\r\n";
  for (const bool hardLinked : {false, true}) {
    const pid_t child = fork();
    if (child == 0) {
      if (unshare(CLONE_NEWNS) != 0 ||
          mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
          mount("tmpfs", folder_.dir().c_str(), "tmpfs", 0, "size=16k") !=
              0)  // room for a few keys
        _exit(77);
      writeFile(path("camera.cfg"), old);
      if (hardLinked) fs::create_hard_link(path("camera.cfg"), path("other.cfg"));
      const FileWrite written =
          ProfileFile(path("camera.cfg")).writeKeys(kSection, roundOfKeys(7, 23, 2000));
      if (written.written || written.reason.find("No space") == std::string::npos) _exit(1);
      if (fileText(path("camera.cfg")) != old) _exit(2);
      for (const auto& entry : fs::directory_iterator(folder_.dir())) {
        const std::string name = entry.path().filename().string();
        if (name != "camera.cfg" && name != "other.cfg") _exit(3);
      }
      _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (status == 77) GTEST_SKIP() << "a tmpfs of its own needs root";
    EXPECT_EQ(status, 0) << (hardLinked ? "hard-linked" : "single link")
                         << ": 1 saved or no reason, 2 old file changed, 3 a stray file";
  }
}

}  // namespace
}  // namespace ocel::config
