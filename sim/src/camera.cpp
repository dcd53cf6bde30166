#include "ocel400sim/camera.h"

#include <optional>

#include "ocel400sim/frame_codec.h"

namespace ocelsim {
namespace {

std::string faultEvent(Fault fault, Nanoseconds lateBy) {
  const auto ms =
      std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(lateBy).count());
  switch (fault) {
    case Fault::Silence: return "fault silence: no reply, frame not applied";
    case Fault::NoAck: return "fault noack: answered N, frame not applied";
    case Fault::Garbage: return "fault garbage: noise instead of a reply, frame not applied";
    case Fault::NoCr: return "fault nocr: reply without its CR";
    case Fault::Late: return "fault late: reply held back " + ms + " ms";
    case Fault::Fragment: return "fault fragment: second half of the reply held back " + ms + " ms";
    case Fault::WrongRegister: return "fault wrongreg: reply names another register";
    case Fault::None: break;
  }
  return {};
}

const Options& validated(const Options& options) {
  validate(options);
  return options;
}

}  // namespace

Camera::Camera(const Options& options, TimePoint now)
    : model_(validated(options).model),
      registers_(options.model, options.zoomCodesPerSecond, now),
      faults_(options.fault, options.faultPercent),
      lateBy_(std::chrono::milliseconds(options.lateMs)),
      line_{options.cameraBaud, Parity::None} {
  const RegisterRoles& roles = registerRoles(model_);
  if (roles.reBps >= 0) registers_.store(roles.reBps, *reBpsFromBaud(options.cameraBaud), now);
}

Exchange Camera::receive(std::string_view frame, int pcBaud, TimePoint now) {
  Exchange exchange{{}, line_, {}};
  lastPcBaud_ = pcBaud;
  if (pcBaud != line_.baud) {
    // A UART at the wrong speed sees garbage: nothing to answer.
    ++mismatchedFrames_;
    exchange.events.push_back("line speed mismatch: PC at " + std::to_string(pcBaud) +
                              " baud, camera at " + std::to_string(line_.baud));
    return exchange;
  }
  receivedFrames_.emplace_back(frame);
  const std::optional<Request> request = decodeRequest(frame);
  if (!request) {
    ++malformedFrames_;
    exchange.events.push_back("malformed frame, answered E");
    exchange.reply.push_back({Nanoseconds::zero(), echoReply(frame, kRejected)});
    return exchange;
  }
  const Fault fault = faults_.next();
  const std::string reply = carryOut(*request, frame, faultAppliesFrame(fault), now);
  exchange.reply = shapeReply(fault, *request, reply, lateBy_, noiseCounter_++);
  if (fault != Fault::None) exchange.events.push_back(faultEvent(fault, lateBy_));
  // The acknowledgement above keeps the old settings; new ones hold from the next frame.
  followLineRegisters(exchange.events);
  return exchange;
}

void Camera::setReg(int reg, int value, TimePoint now) {
  registers_.store(reg, value, now);
  std::vector<std::string> ignored;
  followLineRegisters(ignored);
}

std::string Camera::carryOut(const Request& request, std::string_view frame, bool apply,
                             TimePoint now) {
  if (request.command == Command::Read)
    return readReply(frame, registers_.read(request.reg, now), kAccepted);
  if (apply) registers_.write(request.reg, request.value, now);
  return echoReply(frame, kAccepted);
}

void Camera::followLineRegisters(std::vector<std::string>& events) {
  const RegisterRoles& roles = registerRoles(model_);
  if (roles.reBps < 0) return;
  const LineSettings next =
      lineSettingsFromCodes(registers_.stored(roles.reBps), registers_.stored(roles.rePrt), line_);
  if (next == line_) return;
  line_ = next;
  events.push_back("camera line now " + std::to_string(line_.baud) + " baud, parity " +
                   parityName(line_.parity));
}

}  // namespace ocelsim
