// The remote keypad's three mouse handlers, in the page's client pixels. A
// press inside a button sets its bits in the camera's switch-button
// register; every release clears the six keypad bits and reads back the
// zoom the camera reached. Leaving a held button clears its bits at once.
// There is no repeat timer: the camera moves by itself while a bit is set.
#include "sheet/zoom_comm_page.h"
#include "sheet/zoom_conversions.h"
#include "sheet/zoom_page_tables.h"

namespace ocel::sheet {

void ZoomComm_1::OnLButtonDown(QPoint clientPixel) {
  PropertyPage::OnLButtonDown(clientPixel);
  const int bits = keypadBitsPressedAt(hitRects, clientPixel.x(), clientPixel.y());
  if (bits == 0) return;
  // Bits 6 and 7 go along as the camera reports them; with either set the
  // value exceeds 63 and the library sends 0 instead.
  const std::uint8_t buttons = entries_.GetEZSWBtn();
  entries_.SetEZSWBtn(static_cast<std::uint16_t>(buttons | bits));
  pressedButtons |= bits;
}

void ZoomComm_1::OnLButtonUp(QPoint clientPixel) {
  PropertyPage::OnLButtonUp(clientPixel);
  clearKeypadBits();
  showZoomReached();
}

void ZoomComm_1::OnMouseMove(QPoint clientPixel) {
  PropertyPage::OnMouseMove(clientPixel);
  const std::int32_t held = pressedButtons;
  if (pointerLeftHeldButton(hitRects, held, clientPixel.x(), clientPixel.y())) clearKeypadBits();
  if ((held == kTeleBit || held == kWideBit) && pressedButtons == 0) {
    showZoom(roundedZoomPercent(entries_.GetDZoom()));
  }
}

// A button still held when the page goes (the sheet closed from the
// keyboard, another tab chosen) is let go: the camera would otherwise go on
// zooming or moving after the program has ended.
void ZoomComm_1::hideEvent(QHideEvent* event) {
  PropertyPage::hideEvent(event);
  if (pressedButtons != 0) clearKeypadBits();
}

void ZoomComm_1::clearKeypadBits() {
  const std::uint8_t buttons = entries_.GetEZSWBtn();
  entries_.SetEZSWBtn(static_cast<std::uint16_t>(buttons & kNonKeypadBits));
  pressedButtons = 0;
}

// The zoom the camera reached; the stored zoomCode stays what the slider
// last sent.
void ZoomComm_1::showZoomReached() {
  const int percent = roundedZoomPercent(entries_.GetDZoom());
  showZoom(percent);
  enableSideButtons(percent != 100);
  if (percent == 100) checkCentres();
}

}  // namespace ocel::sheet
