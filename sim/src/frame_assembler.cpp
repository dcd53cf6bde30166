#include "ocel400sim/frame_assembler.h"

#include "ocel400sim/frame_codec.h"

namespace ocelsim {

std::optional<StreamEvent> FrameAssembler::push(char byte) {
  pending_.push_back(byte);
  if (byte == kCarriageReturn) {
    std::string piece;
    piece.swap(pending_);
    dropping_ = false;
    const auto kind =
        piece.size() == kFrameLength ? StreamEvent::Kind::Frame : StreamEvent::Kind::Fragment;
    return StreamEvent{kind, std::move(piece)};
  }
  if (pending_.size() < kFrameLength) return std::nullopt;
  const std::string dropped(1, pending_.front());
  pending_.erase(0, 1);
  if (dropping_) return std::nullopt;
  dropping_ = true;
  return StreamEvent{StreamEvent::Kind::DroppedBytes, dropped};
}

}  // namespace ocelsim
