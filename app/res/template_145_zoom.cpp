// Template 145, the "Zoom and Comm Settings" page of the sheet for model 1.
#include "res/dialog_templates.h"
#include "res/zoom_page_ids.h"
#include "res/zoom_page_pictures.h"

namespace ocel::res {

using platform::ControlKind;
using platform::ControlTemplate;
using platform::kAutoGroup;
using platform::kNoId;

namespace {

namespace ids = zoom_page;

ControlTemplate option(int id, const char* text, int x, int y, int width, int height,
                       unsigned style = platform::kNoStyle) {
  return {id, ControlKind::OptionButton, text, x, y, width, height, style};
}
ControlTemplate label(int id, int x, int y, int width = 20) {
  return {id, ControlKind::Label, "", x, y, width, 8};
}
ControlTemplate caption(const char* text, int x, int y, int width, int height = 8) {
  return {kNoId, ControlKind::Label, text, x, y, width, height};
}
ControlTemplate slider(int id, int x, int y, int width) {
  return {id, ControlKind::HorizontalScrollBar, "", x, y, width, 9};
}
ControlTemplate frame(int x, int y, int width, int height) {
  return {kNoId, ControlKind::GroupFrame, "", x, y, width, height};
}
ControlTemplate bitmap(int id, const char* picture, int x, int y, int width, int height) {
  return {id, ControlKind::Bitmap, picture, x, y, width, height};
}

std::vector<ControlTemplate> controls() {
  return {
      // BLC weights, mode and AE level; the area diagram below them.
      frame(12, 10, 140, 131),
      option(ids::kBlcOff, "BLC Off (All Area And Peak)", 17, 16, 121, 10, kAutoGroup),
      option(ids::kBlcOn, "BLC On (Area VI Only)", 17, 27, 121, 10, kAutoGroup),
      caption("Area I", 19, 41, 26),
      label(ids::kArea1Label, 47, 41),
      slider(ids::kArea1Slider, 71, 41, 72),
      caption("Area II", 19, 53, 26),
      label(ids::kArea2Label, 47, 53),
      slider(ids::kArea2Slider, 71, 53, 72),
      caption("Area III", 19, 65, 26),
      label(ids::kArea3Label, 47, 65),
      slider(ids::kArea3Slider, 71, 65, 72),
      caption("Area IV", 19, 77, 26),
      label(ids::kArea4Label, 47, 77),
      slider(ids::kArea4Slider, 71, 77, 72),
      caption("Area V", 19, 89, 26),
      label(ids::kArea5Label, 47, 89),
      slider(ids::kArea5Slider, 71, 89, 72),
      caption("Area VI", 19, 102, 26),
      label(ids::kArea6Label, 47, 102),
      slider(ids::kArea6Slider, 71, 101, 72),
      caption("Peak", 19, 114, 26),
      label(ids::kPeakLabel, 47, 114),
      slider(ids::kPeakSlider, 71, 113, 72),
      caption("Level", 19, 127, 26),
      label(ids::kLevelLabel, 47, 127),
      slider(ids::kLevelSlider, 71, 125, 72),
      bitmap(kNoId, kBlcAreaDiagram, 51, 158, 57, 54),

      // The remote keypad, digital zoom, pan and tilt.
      frame(156, 10, 129, 169),
      bitmap(ids::kKeyTopLeft, kKeyTopLeftFace, 163, 17, 28, 22),
      bitmap(ids::kKeyTop, kKeyTopFace, 193, 17, 57, 22),
      bitmap(ids::kKeyTopRight, kKeyTopRightFace, 252, 17, 28, 22),
      bitmap(ids::kKeyLeft, kKeyLeftFace, 163, 41, 28, 44),
      bitmap(ids::kKeyTele, kKeyTeleFace, 193, 41, 28, 44),
      bitmap(ids::kKeyWide, kKeyWideFace, 222, 41, 28, 44),
      bitmap(ids::kKeyRight, kKeyRightFace, 252, 41, 28, 44),
      bitmap(ids::kKeyBottomLeft, kKeyBottomLeftFace, 163, 86, 28, 22),
      bitmap(ids::kKeyBottom, kKeyBottomFace, 193, 86, 57, 22),
      bitmap(ids::kKeyBottomRight, kKeyBottomRightFace, 252, 86, 28, 22),
      caption("D-Zoom:", 165, 115, 27, 9),
      label(ids::kZoomLabel, 195, 115, 26),
      slider(ids::kZoomSlider, 222, 115, 57),
      frame(162, 123, 118, 27),
      caption("Pan:", 165, 129, 20),
      option(ids::kPanLeft, "Left", 164, 138, 37, 9),
      option(ids::kPanCenter, "Center", 203, 138, 37, 9),
      option(ids::kPanRight, "Right", 241, 138, 37, 9),
      frame(162, 148, 118, 27),
      caption("Tilt:", 165, 154, 20),
      option(ids::kTiltTop, "Top", 164, 163, 37, 9),
      option(ids::kTiltCenter, "Center", 203, 163, 37, 9),
      option(ids::kTiltBottom, "Bottom", 241, 163, 37, 9),

      // The camera's own line settings.
      caption("Parity and BaudRate for camera:", 158, 193, 105, 9),
      frame(156, 201, 60, 48),
      caption("Parity:", 165, 208, 30),
      option(ids::kParityNone, "No", 163, 217, 40, 9),
      option(ids::kParityOdd, "Odd", 163, 227, 40, 9),
      option(ids::kParityEven, "Even", 163, 236, 40, 9),
      frame(226, 201, 60, 48),
      caption("Baud Rate:", 234, 208, 40),
      option(ids::kBaud9600, "9600", 232, 217, 40, 9),
      option(ids::kBaud4800, "4800", 232, 226, 40, 9),
      option(ids::kBaud2400, "2400", 232, 236, 40, 9),
  };
}

}  // namespace

const platform::DialogTemplate& zoomPageTemplate() {
  static const platform::DialogTemplate dialog = [] {
    registerZoomPagePictures();  // the template's pictures come with it
    return platform::DialogTemplate{145, "Zoom and Comm Settings", 301, 260, controls()};
  }();
  return dialog;
}

}  // namespace ocel::res
