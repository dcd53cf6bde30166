// Every camera setting the library offers, by export stem: how to read and
// write it and on which camera models it exists.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ocelctl {

// How a setting's value reads and writes: a plain register value, the gain
// in dB or the shutter as x of 1/x second.
enum class ValueKind { Plain, Decibel, ShutterSpeed };

enum class Models { Both, Model1Only, Model0Only };

struct SettingEntry {
  std::string_view name;
  ValueKind kind;
  Models models;
  double (*get)();
  std::uint16_t (*set)(double value);
  double (*received)(double value);  // the value as the setter's argument holds it
};

std::span<const SettingEntry> allSettings();

bool existsOnModel(const SettingEntry& entry, int model);

// Looks a stem up without regard to case ("shape", "SHAPE" and "Shape").
const SettingEntry* findSetting(std::string_view name);

// The names of the model's settings, comma-separated, for usage messages.
std::string settingNames(int model);

}  // namespace ocelctl
