#pragma once
// The fixed layout of the main window, in twips (a twentieth of a point; 15 twips make
// one pixel at 96 dots per inch), each position relative to the control's frame.

#include <array>
#include <string_view>

namespace marvolen::ui {

enum class ControlKind { Frame, Label, InputBox, ResultBox, Button };
enum class TextAlignment { Centre, Left };

struct ControlLayout {
    std::string_view name;  // the control's objectName
    ControlKind kind;
    std::string_view parent;  // name of the frame holding it; empty for a frame
    std::string_view text;    // caption, or the initial text of a box
    int left, top, width, height;
    TextAlignment alignment = TextAlignment::Centre;
};

inline constexpr int kClientWidthTwips = 7785;
inline constexpr int kClientHeightTwips = 4140;

/// Twips to device-independent pixels: twipsToPixels(7785) == 519.
constexpr int twipsToPixels(int twips) { return (twips * 2 + 15) / 30; }

inline constexpr std::string_view kWindowTitle = "Marvolen V2.0";
inline constexpr std::string_view kContactLine = "E-mail：mv@example.com";

// Frames first, so that every control's frame exists when the control is made.
inline constexpr std::array kControls = {
    ControlLayout{"Frame1", ControlKind::Frame, "", " 测量数据 ", 120, 120, 4380, 3920},
    ControlLayout{"Frame2", ControlKind::Frame, "", " 测算结果 ", 4560, 120, 3135, 3315},
    ControlLayout{"Frame3", ControlKind::Frame, "", "", 4560, 3420, 3135, 620},

    ControlLayout{"Label1", ControlKind::Label, "Frame1", "齿数Z1", 120, 400, 900, 495},
    ControlLayout{"InputText1", ControlKind::InputBox, "Frame1", "20", 1100, 300, 1000, 400},
    ControlLayout{"Label2", ControlKind::Label, "Frame1", "齿数Z2", 2280, 400, 900, 495},
    ControlLayout{"InputText2", ControlKind::InputBox, "Frame1", "30", 3260, 300, 1000, 400},
    ControlLayout{"Label3", ControlKind::Label, "Frame1", "模数", 120, 1000, 900, 495},
    ControlLayout{"InputText3", ControlKind::InputBox, "Frame1", "1", 1100, 900, 1000, 400},
    ControlLayout{"Label4", ControlKind::Label, "Frame1", "压力角", 2280, 1000, 900, 495},
    ControlLayout{"InputText4", ControlKind::InputBox, "Frame1", "20", 3260, 900, 1000, 400},
    ControlLayout{"Label5", ControlKind::Label, "Frame1", "卡齿数", 120, 1600, 900, 495},
    ControlLayout{"InputText5", ControlKind::InputBox, "Frame1", "3", 1100, 1500, 1000, 400},
    ControlLayout{"Label6", ControlKind::Label, "Frame1", "卡齿数", 2280, 1600, 900, 495},
    ControlLayout{"InputText6", ControlKind::InputBox, "Frame1", "5", 3260, 1500, 1000, 400},
    ControlLayout{"Label7", ControlKind::Label, "Frame1", "公法线长度", 120, 2200, 900, 495},
    ControlLayout{"InputText7", ControlKind::InputBox, "Frame1", "7.925", 1100, 2100, 1000, 400},
    ControlLayout{"Label8", ControlKind::Label, "Frame1", "公法线长度", 2280, 2200, 900, 495},
    ControlLayout{"InputText8", ControlKind::InputBox, "Frame1", "13.861", 3260, 2100, 1000, 400},
    ControlLayout{"Label9", ControlKind::Label, "Frame1", "侧隙和磨损", 120, 2800, 900, 495},
    ControlLayout{"InputText9", ControlKind::InputBox, "Frame1", "0.01", 1100, 2700, 1000, 400},
    ControlLayout{"Label10", ControlKind::Label, "Frame1", "侧隙和磨损", 2280, 2800, 900, 495},
    ControlLayout{"InputText10", ControlKind::InputBox, "Frame1", "0.01", 3260, 2700, 1000, 400},
    ControlLayout{"Label11", ControlKind::Label, "Frame1", "中心距", 120, 3400, 900, 460},
    ControlLayout{"InputText11", ControlKind::InputBox, "Frame1", "26.5", 1080, 3300, 1000, 400},
    ControlLayout{"Run", ControlKind::Button, "Frame1", "计算", 2420, 3280, 1600, 450},

    ControlLayout{"Label12", ControlKind::Label, "Frame2", "螺旋角β ≈", 240, 1040, 1215, 255},
    ControlLayout{"OutputText1", ControlKind::ResultBox, "Frame2", "", 1500, 300, 1200, 450},
    ControlLayout{"Label15", ControlKind::Label, "Frame2", "°", 2760, 420, 300, 405, TextAlignment::Left},
    ControlLayout{"OutputText2", ControlKind::ResultBox, "Frame2", "", 1500, 900, 1200, 450},
    ControlLayout{"Label16", ControlKind::Label, "Frame2", "′", 2760, 1035, 300, 405, TextAlignment::Left},
    ControlLayout{"OutputText3", ControlKind::ResultBox, "Frame2", "", 1500, 1500, 1200, 450},
    ControlLayout{"Label17", ControlKind::Label, "Frame2", "″", 2760, 1545, 300, 405, TextAlignment::Left},
    ControlLayout{"Label13", ControlKind::Label, "Frame2", "变位系数x1≈", 120, 2200, 1335, 255},
    ControlLayout{"OutputText4", ControlKind::ResultBox, "Frame2", "", 1500, 2100, 1200, 450},
    ControlLayout{"Label14", ControlKind::Label, "Frame2", "变位系数x2≈", 120, 2840, 1335, 255},
    ControlLayout{"OutputText5", ControlKind::ResultBox, "Frame2", "", 1500, 2700, 1200, 450},

    ControlLayout{"Label18", ControlKind::Label, "Frame3", kContactLine, 360, 240, 2505, 300, TextAlignment::Left},
};

/// What a screen reader says for each input box, in the order InputText1 … InputText11:
/// the caption beside it, with the gear where two captions are the same.
inline constexpr std::array<std::string_view, 11> kInputAccessibleNames = {
    "齿数Z1",           "齿数Z2",           "模数",          "压力角",
    "卡齿数 k1",        "卡齿数 k2",        "公法线长度 W1", "公法线长度 W2",
    "侧隙和磨损 齿轮1", "侧隙和磨损 齿轮2", "中心距",
};

/// The same for the result boxes OutputText1 … OutputText5.
inline constexpr std::array<std::string_view, 5> kResultAccessibleNames = {
    "螺旋角β 度", "螺旋角β 分", "螺旋角β 秒", "变位系数x1", "变位系数x2",
};

/// What each result box shows, OutputText1 … OutputText5: its tooltip before the first
/// calculation, and the first line of it after one.
inline constexpr std::array<std::string_view, 5> kResultDescriptions = {
    "螺旋角β的整度数",
    "螺旋角β的整分数",
    "螺旋角β的秒数（四舍五入）",
    "齿轮1的法向变位系数x1（四位小数）",
    "齿轮2的法向变位系数x2（四位小数）",
};

}  // namespace marvolen::ui
