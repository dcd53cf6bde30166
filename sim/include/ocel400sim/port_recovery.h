// Gives the port back after a client died holding it. The library sets the
// pty's exclusive flag while it has the port open and clears it on closing;
// a client killed (even by SIGKILL) cannot, and since the camera keeps the
// master open, the kernel keeps the flag: every later program of an
// ordinary user would get EBUSY. The camera watches its slave for closes
// and clears a flag that no live client holds any more (none holds the
// port's flock).
#pragma once

#include <string>

namespace ocelsim {

class PortRecovery {
 public:
  // slaveFd: the camera's own fd of the slave. Where the system cannot
  // watch it (no inotify), the camera runs without this recovery.
  PortRecovery(const std::string& slavePath, int slaveFd);
  ~PortRecovery();
  PortRecovery(const PortRecovery&) = delete;
  PortRecovery& operator=(const PortRecovery&) = delete;

  // Readable when a program has closed the slave; -1 without a watch.
  int fd() const { return watchFd_; }
  // Takes the pending notices; true when one was a close.
  bool clientClosed();
  // Clears the exclusive flag when it is set and no process holds the
  // port's lock; true when it did.
  bool releaseIfAbandoned() const;

 private:
  int slaveFd_;
  int watchFd_ = -1;
  std::string lockId_;  // the slave as /proc/locks names it, "MAJ:MIN:INODE"
};

}  // namespace ocelsim
