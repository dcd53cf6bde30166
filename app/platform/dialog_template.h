// A dialog template as data: the window and its controls, each with its id,
// kind, text, rectangle in dialog units and style. Panels address controls
// by these ids only.
#pragma once

#include <initializer_list>
#include <vector>

namespace ocel::platform {

enum class ControlKind {
  PushButton,
  OptionButton,   // forms a group of its own unless AutoGroup is set
  CheckBox,       // automatic two-state: turns over before the click handler runs
  Label,          // static text
  GroupFrame,     // a frame, with or without a caption
  DropDownCombo,  // edit field with a list
  HorizontalScrollBar,
  Bitmap,
};

enum ControlStyle : unsigned {
  kNoStyle = 0,
  kDefaultButton = 1u << 0,  // Enter presses it
  kSortedList = 1u << 1,     // a combo box that keeps its list sorted
  kAutoGroup = 1u << 2,      // option buttons sharing one automatic group
  kCentred = 1u << 3,        // label text centred
};

// Controls without an id (fixed captions, frames) carry this one.
inline constexpr int kNoId = -1;

// The OK and cancel buttons; their ids are also the modal results with
// which they end a dialog.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

struct ControlTemplate {
  int id;
  ControlKind kind;
  const char* text;  // UTF-8; for a bitmap the resource name of its picture
  int x, y, width, height;
  unsigned style = kNoStyle;
};

struct DialogTemplate {
  int id;
  const char* caption;  // UTF-8; also the tab text of a property page
  int width, height;    // client size in dialog units
  std::vector<ControlTemplate> controls;
};

}  // namespace ocel::platform
