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

// Reads every key's value from the camera, in table order, then writes them
// all to the file at once: a save that fails or is killed leaves the file
// as it was.
template <class Camera>
FileWrite saveConfiguration(const Camera& camera, const std::vector<ConfigurationKey<Camera>>& keys,
                            ProfileFile& file) {
  std::vector<ProfileEntry> entries;
  for (const ConfigurationKey<Camera>& key : keys)
    entries.push_back({key.key, std::to_string(key.read(camera))});
  return file.writeKeys(kSection, entries);
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

// Sends every key's value from a file's text (empty for a missing file),
// each as read: the setters bring values into range.
template <class Camera>
void loadConfiguration(const Camera& camera, const std::vector<ConfigurationKey<Camera>>& keys,
                       const std::string& text) {
  for (const LoadedValue<Camera>& entry : valuesToSend(keys, text))
    entry.key->send(camera, entry.value);
}

}  // namespace ocel::config
