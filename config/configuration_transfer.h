// Saving a key set from the camera into a configuration file, and loading
// one from a file into the camera.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "config/configuration_keys.h"
#include "config/profile_file.h"

namespace ocel::config {

// Reads each key's value from the camera and writes it at once, key after
// key, in table order. A key that cannot be written does not stop the
// others. Returns true when every key was written.
template <class Camera>
bool saveConfiguration(const Camera& camera, const std::vector<ConfigurationKey<Camera>>& keys,
                       ProfileFile& file) {
  bool allWritten = true;
  for (const ConfigurationKey<Camera>& key : keys)
    allWritten &= file.writeInt(kSection, key.key, key.read(camera));
  return allWritten;
}

template <class Camera>
struct LoadedValue {
  const ConfigurationKey<Camera>* key;
  std::int32_t value;
};

// The values of a file's text for every key, in the order they are to be
// sent. A missing section or key, or a value that is not a plain decimal
// number, gives the key's default.
template <class Camera>
std::vector<LoadedValue<Camera>> valuesToSend(const std::vector<ConfigurationKey<Camera>>& keys,
                                              const std::string& text) {
  std::vector<LoadedValue<Camera>> values;
  for (const ConfigurationKey<Camera>& key : keys)
    values.push_back({&key, readProfileInt(text, kSection, key.key, key.defaultValue)});
  std::stable_sort(values.begin(), values.end(), [](const auto& a, const auto& b) {
    return a.key->sendPosition < b.key->sendPosition;
  });
  return values;
}

// Sends every key's value from the file (a file that cannot be read counts
// as empty), each as read: the setters bring values into range.
template <class Camera>
void loadConfiguration(const Camera& camera, const std::vector<ConfigurationKey<Camera>>& keys,
                       const ProfileFile& file) {
  const std::string text = file.readText().value_or(std::string());
  for (const LoadedValue<Camera>& entry : valuesToSend(keys, text))
    entry.key->send(camera, entry.value);
}

}  // namespace ocel::config
