// Where the two windows' controls stand, in client pixels at 96 dots per
// inch; every front end scales them with the system's setting.
#pragma once

struct ControlPlace {
  int left;
  int top;
  int width;
  int height;
};

// A label shows one line and sizes itself to its text, from its left edge.
struct LabelPlace {
  int left;
  int top;
};

namespace main_form_layout {

inline constexpr int ClientWidth = 599;
inline constexpr int ClientHeight = 224;
inline constexpr int LabelHeight = 13;

inline constexpr LabelPlace Label1{16, 16};
inline constexpr ControlPlace Edit1{16, 32, 489, 21};
inline constexpr ControlPlace Button1{512, 32, 75, 25};
inline constexpr LabelPlace Label2{16, 72};
inline constexpr ControlPlace CheckBox1{16, 88, 65, 17};
inline constexpr ControlPlace CheckBox2{96, 88, 65, 17};
inline constexpr LabelPlace Label3{16, 120};
inline constexpr ControlPlace CheckBox3{16, 136, 73, 17};
inline constexpr ControlPlace CheckBox4{96, 136, 65, 17};
inline constexpr ControlPlace Button2{211, 168, 177, 25};
inline constexpr LabelPlace Status{16, 208};
inline constexpr LabelPlace Label4{560, 208};

}  // namespace main_form_layout

namespace ajuda_form_layout {

// Memo1 fills the whole client area.
inline constexpr int ClientWidth = 376;
inline constexpr int ClientHeight = 193;

}  // namespace ajuda_form_layout
