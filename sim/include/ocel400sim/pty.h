// The pseudo-terminal the camera listens on. The camera keeps its own slave
// fd open for its whole life: with no slave open the master reports hang-up
// on every poll.
#pragma once

#include <termios.h>

#include <string>

namespace ocelsim {

// 2400 for B2400 and so on; 0 for a speed the camera cannot run at.
int baudFromSpeed(speed_t speed);

class Pty {
 public:
  Pty();  // throws std::runtime_error
  ~Pty();
  Pty(const Pty&) = delete;
  Pty& operator=(const Pty&) = delete;

  int master() const { return master_; }
  int slave() const { return slave_; }
  const std::string& slavePath() const { return slavePath_; }

  // The PC side's output speed: on Linux the master reports the slave's termios.
  int pcBaud() const;

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string slavePath_;
};

// A symlink to the slave at a stable path. An existing symlink there is
// replaced, anything else is left alone (throws). Removed on destruction if it
// still points where it was made to point.
class SlaveLink {
 public:
  SlaveLink(std::string path, const std::string& target);
  ~SlaveLink();
  SlaveLink(const SlaveLink&) = delete;
  SlaveLink& operator=(const SlaveLink&) = delete;

 private:
  std::string path_;
  std::string target_;
};

}  // namespace ocelsim
