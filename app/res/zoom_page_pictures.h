// The pictures of the "Zoom and Comm Settings" page, drawn in code: bitmap
// 143, the diagram of the six BLC areas, and bitmaps 144 to 153, the
// keypad's grey button faces with their black labels. Templates name them
// by these names; the dialog layer finds them once they are registered.
#pragma once

namespace ocel::res {

inline constexpr const char* kBlcAreaDiagram = "bitmap-143";  // 85 x 87 px
inline constexpr const char* kKeyWideFace = "bitmap-144";     // 42 x 71 px
inline constexpr const char* kKeyTeleFace = "bitmap-145";
inline constexpr const char* kKeyTopFace = "bitmap-146";  // 86 x 36 px
inline constexpr const char* kKeyBottomFace = "bitmap-147";
inline constexpr const char* kKeyLeftFace = "bitmap-148";  // 42 x 71 px
inline constexpr const char* kKeyRightFace = "bitmap-149";
inline constexpr const char* kKeyTopLeftFace = "bitmap-150";  // 42 x 36 px
inline constexpr const char* kKeyTopRightFace = "bitmap-151";
inline constexpr const char* kKeyBottomRightFace = "bitmap-152";
inline constexpr const char* kKeyBottomLeftFace = "bitmap-153";

// Registers the painters of bitmaps 143 to 153 with the dialog layer.
void registerZoomPagePictures();

}  // namespace ocel::res
