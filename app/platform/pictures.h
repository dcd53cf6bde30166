// Pictures of bitmap controls, by the name a template gives them. The
// program draws its pictures in code: the layer that owns a picture
// registers a painter under its name, and a bitmap control built from a
// template draws it then (a QPixmap needs the running application). This
// keeps the dialog layer free of what the pictures show. A name without a
// painter is loaded as an image file or a Qt resource path.
#pragma once

#include <QPixmap>
#include <QString>

namespace ocel::platform {

using PicturePainter = QPixmap (*)();

// Registering a name again replaces its painter.
void registerPicture(const QString& name, PicturePainter painter);

// The picture of that name; a null pixmap when there is none.
QPixmap picture(const QString& name);

}  // namespace ocel::platform
