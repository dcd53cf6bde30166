// Cuts the byte stream from the PC into frames. A CR ends a frame; a CR that
// ends anything but 14 bytes ends a fragment. Without a CR at most the latest
// 13 bytes are kept, so a stray byte ahead of a frame costs only itself.
#pragma once

#include <optional>
#include <string>

namespace ocelsim {

struct StreamEvent {
  enum class Kind {
    Frame,         // 14 bytes ending in CR
    Fragment,      // a CR ending a piece of another length
    DroppedBytes,  // the first byte pushed out of a run without CR
  };
  Kind kind;
  std::string bytes;
};

class FrameAssembler {
 public:
  // Takes one byte; an event when this byte completes or spoils something.
  std::optional<StreamEvent> push(char byte);

 private:
  std::string pending_;
  bool dropping_ = false;
};

}  // namespace ocelsim
