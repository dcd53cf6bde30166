#include "platform/profile_file.h"

#include <QFile>
#include <QSaveFile>

#include "platform/profile_text.h"

namespace ocel::platform {

namespace {

// The file's text; empty for a missing file, none when it exists but cannot
// be read.
std::optional<std::string> readWholeFile(const QString& path) {
  QFile file(path);
  if (!file.exists()) return std::string();
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  return bytes.toStdString();
}

}  // namespace

bool ProfileFile::writeString(const std::string& section, const std::string& key,
                              const std::string& value) {
  const std::optional<std::string> text = readWholeFile(path_);
  if (!text) return false;
  const std::string updated = writeProfileString(*text, section, key, value);
  QSaveFile file(path_);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(updated.data(), static_cast<qint64>(updated.size())) !=
      static_cast<qint64>(updated.size())) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

std::optional<std::string> ProfileFile::readString(const std::string& section,
                                                   const std::string& key) const {
  const std::optional<std::string> text = readWholeFile(path_);
  if (!text) return std::nullopt;
  return readProfileString(*text, section, key);
}

std::int32_t ProfileFile::readInt(const std::string& section, const std::string& key,
                                  std::int32_t defaultValue) const {
  const std::optional<std::string> value = readString(section, key);
  if (!value) return defaultValue;
  return parsePlainDecimal(*value).value_or(defaultValue);
}

}  // namespace ocel::platform
