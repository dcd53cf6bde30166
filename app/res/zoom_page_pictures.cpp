#include "res/zoom_page_pictures.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

#include "platform/pictures.h"

namespace ocel::res {

namespace {

QFont labelFont(int pixelSize, bool bold) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

// A raised grey button face: a light edge at the top and left, a dark one
// at the bottom and right, two pixels each, the label centred in black.
QPixmap buttonFace(int width, int height, const char* label) {
  QPixmap face(width, height);
  face.fill(QColor(192, 192, 192));
  QPainter painter(&face);
  const int right = width - 1, bottom = height - 1;
  const struct {
    int inset;
    QColor light, dark;
  } edges[] = {{0, Qt::white, Qt::black}, {1, QColor(223, 223, 223), QColor(128, 128, 128)}};
  for (const auto& edge : edges) {
    painter.setPen(edge.light);
    painter.drawLine(edge.inset, edge.inset, right - edge.inset, edge.inset);
    painter.drawLine(edge.inset, edge.inset, edge.inset, bottom - edge.inset);
    painter.setPen(edge.dark);
    painter.drawLine(edge.inset, bottom - edge.inset, right - edge.inset, bottom - edge.inset);
    painter.drawLine(right - edge.inset, edge.inset, right - edge.inset, bottom - edge.inset);
  }
  painter.setPen(Qt::black);
  painter.setFont(labelFont(12, true));
  painter.drawText(QRect(0, 0, width, height), Qt::AlignCenter, QString::fromUtf8(label));
  return face;
}

// The picture split into three columns. The outer ones hold Area I above
// Area III; the middle one Area II at the top, Area IV at the bottom and
// Area V between them, with Area VI framed at its centre.
QPixmap blcAreaDiagram() {
  constexpr int kWidth = 85, kHeight = 87;
  constexpr int kColumn1 = 28, kColumn2 = 56;  // column borders
  constexpr int kMiddle = 43;                  // Area I above, Area III below
  constexpr int kBandTop = 22, kBandBottom = 64;
  const QRect areaSix(kColumn1 + 6, 36, kColumn2 - kColumn1 - 12, 20);

  QPixmap diagram(kWidth, kHeight);
  diagram.fill(Qt::white);
  QPainter painter(&diagram);
  painter.setPen(Qt::black);
  painter.drawRect(0, 0, kWidth - 1, kHeight - 1);
  painter.drawLine(kColumn1, 0, kColumn1, kHeight - 1);
  painter.drawLine(kColumn2, 0, kColumn2, kHeight - 1);
  painter.drawLine(0, kMiddle, kColumn1, kMiddle);
  painter.drawLine(kColumn2, kMiddle, kWidth - 1, kMiddle);
  painter.drawLine(kColumn1, kBandTop, kColumn2, kBandTop);
  painter.drawLine(kColumn1, kBandBottom, kColumn2, kBandBottom);
  painter.fillRect(areaSix, QColor(192, 192, 192));
  painter.drawRect(areaSix);
  painter.drawRect(areaSix.adjusted(-2, -2, 2, 2));

  painter.setFont(labelFont(10, true));
  const struct {
    QRect where;
    const char* name;
  } names[] = {
      {QRect(0, 0, kColumn1, kMiddle), "I"},
      {QRect(kColumn2, 0, kWidth - kColumn2, kMiddle), "I"},
      {QRect(0, kMiddle, kColumn1, kHeight - kMiddle), "III"},
      {QRect(kColumn2, kMiddle, kWidth - kColumn2, kHeight - kMiddle), "III"},
      {QRect(kColumn1, 0, kColumn2 - kColumn1, kBandTop), "II"},
      {QRect(kColumn1, kBandBottom, kColumn2 - kColumn1, kHeight - kBandBottom), "IV"},
      {QRect(kColumn1, kBandTop, kColumn2 - kColumn1, areaSix.top() - 2 - kBandTop), "V"},
      {areaSix, "VI"},
  };
  for (const auto& [where, name] : names) painter.drawText(where, Qt::AlignCenter, name);
  return diagram;
}

template <int Width, int Height, const char* Label>
QPixmap face() {
  return buttonFace(Width, Height, Label);
}

constexpr char kWide[] = "Wide", kTele[] = "Tele", kTop[] = "Top", kBottom[] = "Bottom",
               kLeft[] = "Left", kRight[] = "Right", kTopLeft[] = "T/L", kTopRight[] = "T/R",
               kBottomRight[] = "B/R", kBottomLeft[] = "B/L";

}  // namespace

void registerZoomPagePictures() {
  const struct {
    const char* name;
    platform::PicturePainter painter;
  } pictures[] = {
      {kBlcAreaDiagram, blcAreaDiagram},
      {kKeyWideFace, face<42, 71, kWide>},
      {kKeyTeleFace, face<42, 71, kTele>},
      {kKeyTopFace, face<86, 36, kTop>},
      {kKeyBottomFace, face<86, 36, kBottom>},
      {kKeyLeftFace, face<42, 71, kLeft>},
      {kKeyRightFace, face<42, 71, kRight>},
      {kKeyTopLeftFace, face<42, 36, kTopLeft>},
      {kKeyTopRightFace, face<42, 36, kTopRight>},
      {kKeyBottomRightFace, face<42, 36, kBottomRight>},
      {kKeyBottomLeftFace, face<42, 36, kBottomLeft>},
  };
  for (const auto& [name, painter] : pictures)
    platform::registerPicture(QString::fromUtf8(name), painter);
}

}  // namespace ocel::res
