#include "platform/pictures.h"

#include <map>

namespace ocel::platform {

namespace {

std::map<QString, PicturePainter>& painters() {
  static std::map<QString, PicturePainter> registry;
  return registry;
}

}  // namespace

void registerPicture(const QString& name, PicturePainter painter) { painters()[name] = painter; }

QPixmap picture(const QString& name) {
  const auto found = painters().find(name);
  return found != painters().end() ? found->second() : QPixmap(name);
}

}  // namespace ocel::platform
