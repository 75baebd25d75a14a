// The settings dialog's layout: every control of template 102 against an
// inventory of the dialog's design, in creation (and tab) order. The template
// is checked as written (dialog units, captions, group and tab stop flags) and
// the created dialog as the user gets it (classes, styles, captions, pixel
// rectangles, spins attached to their texts).
#include "tests/ui/dialog_fixture.h"

#include <cstdint>
#include <cstring>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

enum class Kind {
    RowLabel,       // sunken centred text at the start of a row, no ID
    Header,         // centred column caption, no ID
    ValueText,      // sunken text centred both ways, "X" until the program sets it
    GridCheck,      // check box without caption
    CheckBox,       // check box with caption
    Spin,           // up-down control attached to the value text before it
    Slider,         // vertical trackbar
    Radio,
    GroupBox,
    PushButton,
    DefaultButton,  // the default push button
};

// Class and the style bits that tell each kind apart; `mask` selects the bits
// compared, so a bit that must be absent is in `mask` but not in `bits`.
struct KindStyle {
    const wchar_t* className;
    DWORD mask;
    DWORD bits;
};

constexpr DWORD kStaticMask = SS_TYPEMASK | SS_CENTERIMAGE | SS_SUNKEN;
constexpr DWORD kSpinMask = UDS_AUTOBUDDY | UDS_ALIGNRIGHT | UDS_ALIGNLEFT | UDS_ARROWKEYS | UDS_SETBUDDYINT;
constexpr DWORD kSliderMask = TBS_VERT | TBS_AUTOTICKS | TBS_BOTH | TBS_LEFT | TBS_NOTICKS;

KindStyle StyleOf(Kind kind) {
    switch (kind) {
        case Kind::RowLabel: return {L"Static", kStaticMask, SS_CENTER | SS_SUNKEN};
        case Kind::Header: return {L"Static", kStaticMask, SS_CENTER};
        case Kind::ValueText: return {L"Static", kStaticMask, SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN};
        case Kind::GridCheck:
        case Kind::CheckBox: return {L"Button", BS_TYPEMASK, BS_AUTOCHECKBOX};
        case Kind::Spin: return {L"msctls_updown32", kSpinMask, UDS_AUTOBUDDY | UDS_ALIGNRIGHT | UDS_ARROWKEYS};
        case Kind::Slider: return {L"msctls_trackbar32", kSliderMask, TBS_VERT | TBS_AUTOTICKS | TBS_BOTH};
        case Kind::Radio: return {L"Button", BS_TYPEMASK, BS_AUTORADIOBUTTON};
        case Kind::GroupBox: return {L"Button", BS_TYPEMASK, BS_GROUPBOX};
        case Kind::PushButton: return {L"Button", BS_TYPEMASK, BS_PUSHBUTTON};
        case Kind::DefaultButton: return {L"Button", BS_TYPEMASK, BS_DEFPUSHBUTTON};
    }
    return {L"", 0, 0};
}

// The program changes the texts of value texts; every other caption is fixed.
constexpr bool CaptionIsFixed(Kind kind) { return kind != Kind::ValueText && kind != Kind::Spin && kind != Kind::Slider; }

// The 102 controls the dialog object binds to members.
constexpr bool HasMember(Kind kind) {
    return kind == Kind::ValueText || kind == Kind::GridCheck || kind == Kind::CheckBox || kind == Kind::Spin ||
           kind == Kind::Slider;
}

constexpr unsigned G = 1;  // starts a group
constexpr unsigned T = 2;  // tab stop
constexpr int kNoId = -1;

struct Expected {
    Kind kind;
    int id;
    const wchar_t* caption;
    int x, y, cx, cy;  // dialog units
    unsigned flags;
};

using K = Kind;

// Creation order is the tab order.
constexpr Expected kInventory[] = {
    {K::DefaultButton, 1, L"Save", 204, 433, 47, 20, G | T},
    {K::PushButton, 1091, L"Default", 294, 433, 47, 20, T},
    {K::PushButton, 2, L"Cancel", 384, 433, 47, 20, T},

    {K::GroupBox, kNoId, L"Playback Default Settings", 7, 7, 622, 264, 0},

    {K::RowLabel, kNoId, L"Line", 13, 22, 36, 12, G},
    {K::Header, kNoId, L"Master", 50, 23, 35, 19, G},
    {K::Header, kNoId, L"Wave", 94, 23, 35, 19, G},
    {K::Header, kNoId, L"SW Synth", 138, 23, 35, 19, G},
    {K::Header, kNoId, L"SPDIF", 182, 23, 35, 19, G},
    {K::Header, kNoId, L"AUX", 226, 23, 35, 19, G},
    {K::Header, kNoId, L"Video", 270, 23, 35, 19, G},
    {K::Header, kNoId, L"CD", 314, 23, 35, 19, G},
    {K::Header, kNoId, L"Line In", 358, 23, 35, 19, G},
    {K::Header, kNoId, L"Mic", 402, 23, 35, 19, G},
    {K::Header, kNoId, L"Phone", 446, 23, 35, 19, G},
    {K::Header, kNoId, L"PC Speaker", 490, 23, 35, 19, G},
    {K::Header, kNoId, L"3D Depth", 534, 23, 35, 19, G},
    {K::Header, kNoId, L"Headphone", 578, 23, 35, 19, G},

    {K::RowLabel, kNoId, L"Disable Line", 13, 44, 36, 18, G},
    {K::GridCheck, 1013, L"", 65, 48, 8, 9, G | T},
    {K::GridCheck, 1014, L"", 109, 47, 8, 9, T},
    {K::GridCheck, 1016, L"", 153, 48, 8, 9, T},
    {K::GridCheck, 1024, L"", 197, 48, 8, 9, T},
    {K::GridCheck, 1017, L"", 241, 48, 8, 9, T},
    {K::GridCheck, 1015, L"", 285, 48, 8, 9, T},
    {K::GridCheck, 1018, L"", 329, 48, 8, 9, T},
    {K::GridCheck, 1019, L"", 373, 48, 8, 9, T},
    {K::GridCheck, 1020, L"", 417, 48, 8, 9, T},
    {K::GridCheck, 1021, L"", 461, 48, 8, 9, T},
    {K::GridCheck, 1022, L"", 505, 48, 8, 9, T},
    {K::GridCheck, 1023, L"", 550, 48, 8, 9, T},
    {K::GridCheck, 1040, L"", 595, 48, 8, 9, T},

    {K::RowLabel, kNoId, L"Max Volume (dB)", 13, 74, 36, 27, G},
    {K::ValueText, 1079, L"X", 55, 76, 37, 16, G},
    {K::Spin, 1039, L"", 85, 73, 12, 20, T},
    {K::ValueText, 1080, L"X", 99, 76, 37, 16, 0},
    {K::Spin, 1041, L"", 129, 73, 12, 20, T},
    {K::ValueText, 1081, L"X", 143, 76, 37, 16, 0},
    {K::Spin, 1043, L"", 174, 73, 12, 20, T},
    {K::ValueText, 1090, L"X", 187, 76, 37, 16, 0},
    {K::Spin, 1061, L"", 217, 72, 12, 20, T},
    {K::ValueText, 1082, L"X", 231, 76, 37, 16, 0},
    {K::Spin, 1045, L"", 263, 73, 12, 20, T},
    {K::ValueText, 1083, L"X", 275, 76, 37, 16, 0},
    {K::Spin, 1047, L"", 307, 72, 12, 20, T},
    {K::ValueText, 1084, L"X", 319, 76, 37, 16, 0},
    {K::Spin, 1049, L"", 349, 72, 12, 20, T},
    {K::ValueText, 1085, L"X", 363, 76, 37, 16, 0},
    {K::Spin, 1051, L"", 393, 73, 12, 20, T},
    {K::ValueText, 1086, L"X", 407, 76, 37, 16, 0},
    {K::Spin, 1053, L"", 437, 73, 12, 20, T},
    {K::ValueText, 1087, L"X", 451, 76, 37, 16, 0},
    {K::Spin, 1055, L"", 481, 73, 12, 20, T},
    {K::ValueText, 1088, L"X", 495, 76, 37, 16, 0},
    {K::Spin, 1057, L"", 525, 72, 12, 20, T},
    {K::ValueText, 1089, L"X", 540, 76, 37, 16, 0},
    {K::Spin, 1059, L"", 570, 72, 12, 20, T},
    {K::ValueText, 1092, L"X", 585, 76, 37, 16, 0},
    {K::Spin, 1042, L"", 615, 73, 12, 20, T},

    {K::RowLabel, kNoId, L"Volume", 13, 115, 36, 12, G},
    {K::Slider, 1000, L"", 55, 101, 29, 62, G | T},
    {K::Slider, 1001, L"", 99, 101, 29, 62, T},
    {K::Slider, 1003, L"", 143, 101, 29, 62, T},
    {K::Slider, 1011, L"", 187, 101, 29, 62, T},
    {K::Slider, 1002, L"", 231, 101, 29, 62, T},
    {K::Slider, 1004, L"", 275, 101, 29, 62, T},
    {K::Slider, 1005, L"", 319, 101, 29, 62, T},
    {K::Slider, 1006, L"", 363, 101, 29, 62, T},
    {K::Slider, 1007, L"", 407, 101, 29, 62, T},
    {K::Slider, 1008, L"", 451, 101, 29, 62, T},
    {K::Slider, 1009, L"", 495, 101, 29, 62, T},
    {K::Slider, 1010, L"", 540, 101, 29, 62, T},
    {K::Slider, 1012, L"", 585, 100, 29, 62, T},

    {K::RowLabel, kNoId, L"Default Volume (dB)", 13, 162, 36, 27, G},
    {K::ValueText, 1066, L"X", 55, 167, 29, 12, 0},
    {K::ValueText, 1067, L"X", 99, 167, 29, 12, 0},
    {K::ValueText, 1068, L"X", 143, 167, 29, 12, 0},
    {K::ValueText, 1077, L"X", 187, 167, 29, 12, 0},
    {K::ValueText, 1069, L"X", 232, 167, 29, 12, 0},
    {K::ValueText, 1070, L"X", 275, 167, 29, 12, 0},
    {K::ValueText, 1071, L"X", 319, 167, 29, 12, 0},
    {K::ValueText, 1072, L"X", 363, 167, 29, 12, 0},
    {K::ValueText, 1073, L"X", 407, 167, 29, 12, 0},
    {K::ValueText, 1074, L"X", 451, 167, 29, 12, 0},
    {K::ValueText, 1075, L"X", 495, 167, 29, 12, 0},
    {K::ValueText, 1076, L"X", 539, 167, 29, 12, 0},
    {K::ValueText, 1093, L"X", 585, 167, 29, 12, 0},

    {K::RowLabel, kNoId, L"Mute", 14, 201, 36, 12, G},
    {K::GridCheck, 1025, L"", 66, 201, 8, 9, G | T},
    {K::GridCheck, 1026, L"", 110, 201, 8, 9, T},
    {K::GridCheck, 1028, L"", 154, 201, 8, 9, T},
    {K::GridCheck, 1036, L"", 198, 201, 8, 9, T},
    {K::GridCheck, 1029, L"", 242, 201, 8, 9, T},
    {K::GridCheck, 1027, L"", 286, 201, 8, 9, T},
    {K::GridCheck, 1030, L"", 330, 201, 8, 9, T},
    {K::GridCheck, 1031, L"", 374, 201, 8, 9, T},
    {K::GridCheck, 1032, L"", 418, 201, 8, 9, T},
    {K::GridCheck, 1033, L"", 462, 201, 8, 9, T},
    {K::GridCheck, 1034, L"", 506, 201, 8, 9, T},
    {K::GridCheck, 1035, L"", 550, 201, 8, 9, T},
    {K::GridCheck, 1044, L"", 595, 201, 8, 9, T},

    {K::RowLabel, kNoId, L"Advance control", 14, 228, 36, 19, G},
    {K::CheckBox, 1037, L"Sampling Rate Conversion for SPDIF Output", 198, 228, 157, 9, G | T},
    {K::CheckBox, 1063, L"Mic2 Select", 418, 228, 60, 9, T},
    {K::CheckBox, 1064, L"Mic Boost", 418, 251, 60, 9, T},

    {K::GroupBox, kNoId, L"Recording Default Settings", 7, 280, 403, 137, 0},

    {K::RowLabel, kNoId, L"Line", 13, 309, 36, 12, G},
    {K::Header, kNoId, L"Mono Mix", 59, 310, 35, 19, G},
    {K::Header, kNoId, L"Stereo Mix", 103, 310, 35, 19, G},
    {K::Header, kNoId, L"AUX", 147, 310, 35, 19, G},
    {K::Header, kNoId, L"Video", 191, 310, 35, 19, G},
    {K::Header, kNoId, L"CD", 235, 310, 35, 19, G},
    {K::Header, kNoId, L"Line In", 279, 310, 35, 19, G},
    {K::Header, kNoId, L"Mic", 323, 310, 35, 19, G},
    {K::Header, kNoId, L"Phone", 367, 310, 35, 19, G},

    {K::RowLabel, kNoId, L"Max Volume (dB)", 13, 341, 36, 27, G},
    {K::ValueText, 1099, L"X", 59, 346, 37, 16, 0},
    {K::Spin, 1046, L"", 89, 342, 12, 20, T},
    {K::ValueText, 1100, L"X", 103, 346, 37, 16, 0},
    {K::Spin, 1048, L"", 133, 342, 12, 20, T},
    {K::ValueText, 1101, L"X", 147, 346, 37, 16, 0},
    {K::Spin, 1050, L"", 178, 342, 12, 20, T},
    {K::ValueText, 1102, L"X", 191, 346, 37, 16, 0},
    {K::Spin, 1062, L"", 221, 342, 12, 20, T},
    {K::ValueText, 1103, L"X", 235, 346, 37, 16, 0},
    {K::Spin, 1052, L"", 267, 342, 12, 20, T},
    {K::ValueText, 1104, L"X", 279, 346, 37, 16, 0},
    {K::Spin, 1054, L"", 311, 342, 12, 20, T},
    {K::ValueText, 1105, L"X", 323, 346, 37, 16, 0},
    {K::Spin, 1056, L"", 353, 342, 12, 20, T},
    {K::ValueText, 1106, L"X", 367, 346, 37, 16, 0},
    {K::Spin, 1058, L"", 397, 342, 12, 20, T},

    {K::RowLabel, kNoId, L"Select", 13, 384, 36, 12, G},
    {K::Radio, 1113, L"", 71, 385, 10, 11, G | T},
    {K::Radio, 1112, L"", 114, 385, 10, 11, 0},
    {K::Radio, 1110, L"", 158, 385, 10, 11, 0},
    {K::Radio, 1109, L"", 202, 385, 10, 11, 0},
    {K::Radio, 1108, L"", 245, 385, 10, 11, 0},
    {K::Radio, 1111, L"", 289, 385, 10, 11, 0},
    {K::Radio, 1107, L"", 333, 385, 10, 11, 0},
    {K::Radio, 1114, L"", 377, 385, 10, 11, 0},

    {K::GroupBox, kNoId, L"Disable Control", 417, 280, 108, 58, 0},
    {K::CheckBox, 1094, L"Disable Mic2", 431, 297, 79, 11, G | T},
    {K::CheckBox, 1095, L"Disable Mic Boost", 431, 318, 79, 11, T},

    {K::GroupBox, kNoId, L"Special Features", 417, 345, 108, 71, 0},
    {K::CheckBox, 1038, L"Enable Jack Detection", 431, 361, 86, 9, G | T},
    {K::CheckBox, 1065, L"Enable 3.3V Support", 431, 380, 86, 9, T},
    {K::CheckBox, 1078, L"Enable 48K SPDIF", 431, 398, 86, 9, T},

    {K::GroupBox, kNoId, L"Codec", 531, 280, 98, 137, 0},
    {K::Radio, 1096, L"QM-1/1P", 541, 296, 78, 16, G | T},
    {K::Radio, 1097, L"QM-2", 541, 316, 78, 16, 0},
    {K::Radio, 1098, L"QM-3/QM-3A", 541, 336, 78, 16, 0},
};

constexpr std::size_t kControlCount = std::size(kInventory);

constexpr int CountOf(bool (*matches)(Kind)) {
    int n = 0;
    for (const Expected& e : kInventory) n += matches(e.kind) ? 1 : 0;
    return n;
}

// The inventory is complete: 152 controls, 102 of them bound to members.
static_assert(kControlCount == 152);
static_assert(CountOf(HasMember) == 102);

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

std::string Name(std::size_t index, const Expected& e) {
    std::ostringstream s;
    s << "control #" << index << " (ID " << e.id << ", \"" << Narrow(e.caption) << "\")";
    return s.str();
}

std::string Flags(unsigned flags) {
    std::string s = (flags & G) ? "group start" : "no group start";
    s += (flags & T) ? ", tab stop" : ", no tab stop";
    return s;
}

unsigned FlagsOfStyle(DWORD style) { return ((style & WS_GROUP) ? G : 0) | ((style & WS_TABSTOP) ? T : 0); }

std::string Rect(const RECT& r) {
    std::ostringstream s;
    s << "(" << r.left << ", " << r.top << ", " << r.right - r.left << " x " << r.bottom - r.top << ")";
    return s.str();
}

// --- the template as stored in the program ---------------------------------

struct TemplateItem {
    DWORD style;
    int id;
    std::wstring caption;
    int x, y, cx, cy;
};

// Skips a name-or-ordinal field; its text, when it has one, goes to `text`.
const WORD* ReadSzOrOrd(const WORD* p, std::wstring* text = nullptr) {
    if (*p == 0x0000) return p + 1;
    if (*p == 0xFFFF) return p + 2;
    const WORD* start = p;
    while (*p != 0) ++p;
    if (text) text->assign(start, p);
    return p + 1;
}

DWORD ReadDword(const WORD* p) {
    DWORD value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

// Reads the items of an extended dialog template (DLGTEMPLATEEX).
std::vector<TemplateItem> ReadTemplateItems(int templateId) {
    const HMODULE module = ::GetModuleHandleW(nullptr);
    const HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(templateId), RT_DIALOG);
    if (resource == nullptr) return {};
    const auto* p = static_cast<const WORD*>(::LockResource(::LoadResource(module, resource)));
    if (p == nullptr || p[0] != 1 || p[1] != 0xFFFF) return {};

    const DWORD dialogStyle = ReadDword(p + 6);
    const WORD count = p[8];
    p += 13;  // version, signature, help ID, extended style, style, count, x, y, cx, cy
    p = ReadSzOrOrd(p);  // menu
    p = ReadSzOrOrd(p);  // class
    p = ReadSzOrOrd(p);  // title
    if (dialogStyle & (DS_SETFONT | DS_SHELLFONT)) p = ReadSzOrOrd(p + 3);  // size, weight, italic, charset, face

    std::vector<TemplateItem> items;
    for (WORD i = 0; i < count; ++i) {
        p = reinterpret_cast<const WORD*>((reinterpret_cast<std::uintptr_t>(p) + 3) & ~std::uintptr_t{3});
        TemplateItem item{};
        item.style = ReadDword(p + 4);
        item.x = static_cast<short>(p[6]);
        item.y = static_cast<short>(p[7]);
        item.cx = static_cast<short>(p[8]);
        item.cy = static_cast<short>(p[9]);
        item.id = static_cast<int>(ReadDword(p + 10));
        p = ReadSzOrOrd(p + 12);              // class
        p = ReadSzOrOrd(p, &item.caption);    // caption
        p = reinterpret_cast<const WORD*>(reinterpret_cast<const BYTE*>(p + 1) + *p);  // creation data
        items.push_back(std::move(item));
    }
    return items;
}

}  // namespace

class LayoutTest : public DialogTest {
protected:
    // The dialog's children in creation order.
    std::vector<HWND> Children() const {
        std::vector<HWND> children;
        for (HWND child = ::GetWindow(hwnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT))
            children.push_back(child);
        return children;
    }

    // Where a control given in dialog units lands, in client pixels. The
    // dialog converts position and size separately, and so does this.
    RECT Pixels(int x, int y, int cx, int cy) const {
        RECT r{x, y, cx, cy};
        ::MapDialogRect(hwnd, &r);
        return {r.left, r.top, r.left + r.right, r.top + r.bottom};
    }
    RECT Pixels(const Expected& e) const { return Pixels(e.x, e.y, e.cx, e.cy); }

    // The control's place in the dialog's content, however far it is scrolled.
    RECT ClientRect(HWND control) const {
        RECT r;
        ::GetWindowRect(control, &r);
        ::MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&r), 2);
        ::OffsetRect(&r, ScrollPosition().x, ScrollPosition().y);
        return r;
    }
};

// What the template says, before any code runs: the rectangles in dialog
// units (the spins move once created), the captions (the value texts are
// changed later), and the tab stops of the radios (checking a radio makes it
// the tab stop of its group). Nothing is disabled by the template.
TEST_F(LayoutTest, TemplateListsTheInventoryInCreationOrder) {
    const std::vector<TemplateItem> items = ReadTemplateItems(IDD_CORVASET_DIALOG);
    ASSERT_EQ(items.size(), kControlCount) << "controls in template 102";

    for (std::size_t i = 0; i < kControlCount; ++i) {
        const Expected& e = kInventory[i];
        const TemplateItem& t = items[i];
        std::ostringstream diff;
        if (t.id != e.id) diff << " ID " << t.id << ";";
        if (t.caption != e.caption) diff << " caption \"" << Narrow(t.caption) << "\";";
        if (t.x != e.x || t.y != e.y || t.cx != e.cx || t.cy != e.cy)
            diff << " rectangle " << t.x << ", " << t.y << ", " << t.cx << ", " << t.cy << " (expected " << e.x
                 << ", " << e.y << ", " << e.cx << ", " << e.cy << ");";
        if (FlagsOfStyle(t.style) != e.flags)
            diff << " " << Flags(FlagsOfStyle(t.style)) << " (expected " << Flags(e.flags) << ");";
        if (t.style & WS_DISABLED) diff << " disabled;";
        EXPECT_TRUE(diff.str().empty()) << Name(i, e) << " in the template:" << diff.str();
    }
}

// The created dialog: each child in creation order against its inventory row.
TEST_F(LayoutTest, CreatedControlsMatchTheInventoryInCreationOrder) {
    const std::vector<HWND> children = Children();
    ASSERT_EQ(children.size(), kControlCount) << "children of the dialog";

    for (std::size_t i = 0; i < kControlCount; ++i) {
        const Expected& e = kInventory[i];
        const HWND control = children[i];
        const DWORD style = static_cast<DWORD>(::GetWindowLongW(control, GWL_STYLE));
        const KindStyle kind = StyleOf(e.kind);
        std::ostringstream diff;

        const int id = ::GetDlgCtrlID(control);
        if (id != e.id && !(e.id == kNoId && id == 0xFFFF)) diff << " ID " << id << ";";

        const std::wstring className = test_support::ClassName(control);
        if (::lstrcmpiW(className.c_str(), kind.className) != 0)
            diff << " class \"" << Narrow(className) << "\" (expected \"" << Narrow(kind.className) << "\");";
        if ((style & kind.mask) != kind.bits)
            diff << " style bits 0x" << std::hex << (style & kind.mask) << " (expected 0x" << kind.bits << ")"
                 << std::dec << ";";

        // Checking a radio moves the tab stop of its group to it, so the
        // radios' tab stops are compared in the template only.
        const unsigned flagMask = e.kind == Kind::Radio ? G : G | T;
        if ((FlagsOfStyle(style) & flagMask) != (e.flags & flagMask))
            diff << " " << Flags(FlagsOfStyle(style)) << " (expected " << Flags(e.flags) << ");";

        if (CaptionIsFixed(e.kind)) {
            const std::wstring caption = test_support::WindowText(control);
            if (caption != e.caption) diff << " caption \"" << Narrow(caption) << "\";";
        }

        const RECT actual = ClientRect(control);
        const RECT expected = Pixels(e);
        if (e.kind == Kind::Spin) {
            // The spin attaches itself inside the right end of the text created
            // just before it, which gives up that part of its width.
            const Expected& text = kInventory[i - 1];
            const RECT textPlace = Pixels(text);
            const HWND buddy = reinterpret_cast<HWND>(::SendMessageW(control, UDM_GETBUDDY, 0, 0));
            if (text.kind != Kind::ValueText || buddy != children[i - 1])
                diff << " buddy is not the text before it (ID " << (buddy ? ::GetDlgCtrlID(buddy) : 0) << ");";
            if (actual.right != textPlace.right || actual.left <= textPlace.left || actual.top < textPlace.top ||
                actual.bottom > textPlace.bottom)
                diff << " rectangle " << Rect(actual) << " not at the right end of its text " << Rect(textPlace)
                     << ";";
        } else if (i + 1 < kControlCount && kInventory[i + 1].kind == Kind::Spin) {
            const RECT spin = ClientRect(children[i + 1]);
            if (actual.left != expected.left || actual.top != expected.top || actual.bottom != expected.bottom ||
                actual.right != spin.left)
                diff << " rectangle " << Rect(actual) << " (expected " << Rect(expected)
                     << " up to its spin's left edge " << spin.left << ");";
        } else if (!::EqualRect(&actual, &expected)) {
            diff << " rectangle " << Rect(actual) << " (expected " << Rect(expected) << ");";
        }

        EXPECT_TRUE(diff.str().empty()) << Name(i, e) << ":" << diff.str();
    }
}

// Independent of order: every control the dialog object works with is found
// by its ID with the right class, and the dialog holds as many controls of
// each kind as the design has.
TEST_F(LayoutTest, EveryBoundControlIsFoundByIdAndEachKindIsComplete) {
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const Expected& e = kInventory[i];
        if (!HasMember(e.kind)) continue;
        const HWND control = ::GetDlgItem(hwnd, e.id);
        if (control == nullptr) {
            ADD_FAILURE() << Name(i, e) << ": no control with this ID";
            continue;
        }
        const std::wstring className = test_support::ClassName(control);
        EXPECT_EQ(::lstrcmpiW(className.c_str(), StyleOf(e.kind).className), 0)
            << Name(i, e) << ": class \"" << Narrow(className) << "\"";
    }

    // Sort the live controls into kinds by what they are, not by the inventory.
    std::map<std::string, int> counts;
    for (HWND control : Children()) {
        const DWORD style = static_cast<DWORD>(::GetWindowLongW(control, GWL_STYLE));
        const std::wstring className = test_support::ClassName(control);
        const bool noId = (::GetDlgCtrlID(control) & 0xFFFF) == 0xFFFF;
        std::string kind = "other (" + Narrow(className) + ")";
        if (::lstrcmpiW(className.c_str(), L"Static") == 0) {
            kind = !noId ? "value text" : (style & SS_SUNKEN) ? "row label" : "column header";
        } else if (::lstrcmpiW(className.c_str(), L"Button") == 0) {
            switch (style & BS_TYPEMASK) {
                case BS_GROUPBOX: kind = "group box"; break;
                case BS_AUTORADIOBUTTON: kind = "radio"; break;
                case BS_PUSHBUTTON:
                case BS_DEFPUSHBUTTON: kind = "push button"; break;
                case BS_AUTOCHECKBOX:
                    kind = test_support::WindowText(control).empty() ? "grid check box" : "captioned check box";
                    break;
                default: kind = "other button"; break;
            }
        } else if (::lstrcmpiW(className.c_str(), L"msctls_updown32") == 0) {
            kind = "spin";
        } else if (::lstrcmpiW(className.c_str(), L"msctls_trackbar32") == 0) {
            kind = "slider";
        }
        ++counts[kind];
    }
    const std::map<std::string, int> expected = {
        {"row label", 10}, {"column header", 21}, {"value text", 34}, {"grid check box", 26},
        {"captioned check box", 8}, {"spin", 21}, {"slider", 13}, {"radio", 11},
        {"group box", 5}, {"push button", 3},
    };
    EXPECT_EQ(counts, expected) << "controls of each kind in the dialog";
}
