// The owner-drawn controls in a real window: what accessibility clients read
// from them, and the pixels they paint.
#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <commctrl.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <string>

#include "base/win/scoped_com_win.h"
#include "installer/lite_installer/ui/custom_progress_bar_win.h"
#include "installer/lite_installer/ui/image_button_win.h"
#include "installer/lite_installer/ui/link_control_win.h"
#include "installer/lite_installer/ui/memory_canvas_win.h"
#include "tests/win/ui_test_support_win.h"

namespace lite_installer {
namespace {

constexpr DWORD kRgbMask = 0x00FFFFFF;

HWND CreateChild(HWND parent, const wchar_t* window_class, DWORD style, RECT place, int id) {
  return ::CreateWindowExW(0, window_class, L"", WS_CHILD | WS_VISIBLE | style, place.left,
                           place.top, place.right - place.left, place.bottom - place.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           ::GetModuleHandleW(nullptr), nullptr);
}

struct AccessibleAnswers {
  long role = 0;
  std::wstring name;
  std::wstring value;
  bool state_answered = false;
};

AccessibleAnswers ReadAccessible(HWND control) {
  AccessibleAnswers answers;
  base::win::ScopedComPtr<IAccessible> object;
  if (FAILED(::AccessibleObjectFromWindow(control, OBJID_CLIENT, IID_IAccessible,
                                          reinterpret_cast<void**>(object.Receive()))) ||
      !object.IsValid())
    return answers;
  VARIANT self;
  ::VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  VARIANT role;
  ::VariantInit(&role);
  if (SUCCEEDED(object->get_accRole(self, &role)) && role.vt == VT_I4)
    answers.role = role.lVal;
  BSTR text = nullptr;
  if (SUCCEEDED(object->get_accName(self, &text)) && text)
    answers.name = text;
  ::SysFreeString(text);
  text = nullptr;
  if (SUCCEEDED(object->get_accValue(self, &text)) && text)
    answers.value = text;
  ::SysFreeString(text);
  VARIANT state;
  ::VariantInit(&state);
  answers.state_answered = SUCCEEDED(object->get_accState(self, &state));
  return answers;
}

// What the control shows on the screen, read back from its window DC.
DWORD ScreenPixel(HWND control, int x, int y) {
  HDC dc = ::GetDC(control);
  const COLORREF color = ::GetPixel(dc, x, y);
  ::ReleaseDC(control, dc);
  return (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}

class ControlsTest : public test::UiTest {
 protected:
  test::TestWindow parent_{600, 200};
};

TEST_F(ControlsTest, AccessibilityClientsReadRoleNameAndValue) {
  ImageButton button;
  HWND button_window = CreateChild(parent_.handle(), L"BUTTON", BS_PUSHBUTTON, {10, 10, 90, 34}, 1);
  ASSERT_TRUE(button.Attach(button_window, 2030, 2031));
  button.SetAccessibility(kAccessibleRolePushButton, u"Close");
  AccessibleAnswers answers = ReadAccessible(button_window);
  EXPECT_EQ(43, answers.role);
  EXPECT_EQ(L"Close", answers.name);
  EXPECT_TRUE(answers.state_answered);  // forwarded to the standard object

  LinkControl link;
  HWND link_window = CreateChild(parent_.handle(), L"BUTTON", BS_OWNERDRAW, {10, 40, 90, 60}, 223);
  ASSERT_TRUE(link.Attach(link_window, u"licence terms", nullptr, 168, u"Licence agreement"));
  answers = ReadAccessible(link_window);
  EXPECT_EQ(30, answers.role);
  EXPECT_EQ(L"Licence agreement", answers.name);

  CustomProgressBar bar;
  HWND bar_window = CreateChild(parent_.handle(), PROGRESS_CLASSW, 0, {10, 70, 403, 74}, 215);
  ASSERT_TRUE(bar.Attach(bar_window));
  bar.SetRange(0, 100);
  bar.SetPos(50);
  answers = ReadAccessible(bar_window);
  EXPECT_EQ(48, answers.role);
  EXPECT_EQ(L"50%", answers.value);
  bar.SetPos(7);
  EXPECT_EQ(7, bar.GetPos());
  EXPECT_EQ(L"7%", ReadAccessible(bar_window).value);
}

TEST_F(ControlsTest, ProgressBarAtHalfFillsHalfItsWidthOverTheBackground) {
  const std::string white = test::SolidPng(600, 200, 0xFFFFFFFF);
  ResourceBitmap background;
  ASSERT_TRUE(background.LoadFromData(white.data(), white.size(), 1));
  CustomProgressBar bar;
  HWND bar_window = CreateChild(parent_.handle(), PROGRESS_CLASSW, 0, {60, 100, 453, 104}, 215);
  ASSERT_TRUE(bar.Attach(bar_window));
  bar.SetImages(2038, 2039, 2040, 2041, &background);
  bar.SetRange(0, 100);
  bar.SetPos(50);
  // Colour requests of the standard control change nothing.
  ::SendMessageW(bar_window, PBM_SETBARCOLOR, 0, RGB(255, 0, 0));
  ::UpdateWindow(bar_window);
  test::PumpMessages();
  // 393 x 50 / 100 = 196 filled columns, then the track.
  EXPECT_EQ(0x6B7A99u, ScreenPixel(bar_window, 0, 1));
  EXPECT_EQ(0x6B7A99u, ScreenPixel(bar_window, 195, 2));
  const DWORD track = ScreenPixel(bar_window, 196, 2);
  EXPECT_NE(0x6B7A99u, track);
  EXPECT_NE(0xFFFFFFu, track);
  // The track is the fill colour at 41/255 over the white background.
  EXPECT_NEAR(255 - (255 - 0x7A) * 41 / 255, static_cast<int>((track >> 8) & 0xFF), 2);
  EXPECT_EQ(track, ScreenPixel(bar_window, 392, 2));
}

TEST_F(ControlsTest, ImageButtonPaintsTheFrameOfItsStateAndTheFocusRectAfterKeyboardUse) {
  ImageButton button;
  HWND button_window = CreateChild(parent_.handle(), L"BUTTON", BS_PUSHBUTTON, {0, 0, 1, 1}, 213);
  ASSERT_TRUE(button.Attach(button_window, 2030, 2031));
  EXPECT_EQ((Size{20, 20}), button.NaturalSize());
  button.PlaceAt(30, 40);
  RECT place = {};
  ::GetWindowRect(button_window, &place);
  ::MapWindowPoints(nullptr, parent_.handle(), reinterpret_cast<POINT*>(&place), 2);
  EXPECT_EQ(30, place.left);
  EXPECT_EQ(40, place.top);
  EXPECT_EQ(20, place.right - place.left);

  MemoryCanvas canvas;
  ASSERT_TRUE(canvas.Create(nullptr, 20, 20));
  NMCUSTOMDRAW draw = {};
  draw.hdr.hwndFrom = button_window;
  draw.hdr.code = NM_CUSTOMDRAW;
  draw.hdc = canvas.dc();
  draw.rc = {0, 0, 20, 20};
  // Pixels of the button's edge that are not the frame's red: the dotted
  // focus rectangle.
  auto marked_edge = [&] {
    int marked = 0;
    for (int x = 0; x < 20; ++x)
      marked += (canvas.PixelAt(x, 0) & kRgbMask) != 0xFF0000u;
    return marked;
  };
  auto paint = [&](DWORD stage, UINT state) {
    draw.dwDrawStage = stage;
    draw.uItemState = state;
    const LRESULT answer = button.OnCustomDraw(draw);
    ::GdiFlush();
    return answer;
  };
  EXPECT_EQ(CDRF_SKIPDEFAULT, paint(CDDS_PREPAINT, 0));
  EXPECT_EQ(CDRF_SKIPDEFAULT, paint(CDDS_PREERASE, 0));
  EXPECT_EQ(0xFF0000u, canvas.PixelAt(10, 10) & kRgbMask);
  paint(CDDS_PREERASE, CDIS_SELECTED);
  EXPECT_EQ(0x0000FFu, canvas.PixelAt(10, 10) & kRgbMask);
  paint(CDDS_PREERASE, CDIS_HOT);
  EXPECT_EQ(0x00FF00u, canvas.PixelAt(10, 10) & kRgbMask);

  // Focused, but no keyboard cues seen yet: no focus rectangle.
  constexpr UINT kShowKeyboardCues = 0x0200;
  paint(CDDS_PREERASE, CDIS_FOCUS);
  EXPECT_EQ(0, marked_edge());
  // Cues shown while another control had the focus: from now on it is drawn.
  paint(CDDS_PREERASE, kShowKeyboardCues);
  paint(CDDS_PREERASE, CDIS_FOCUS);
  EXPECT_GT(marked_edge(), 0);
  EXPECT_EQ(0xFF0000u, canvas.PixelAt(10, 10) & kRgbMask);
  button.ClearKeyboardCueFlag();
  paint(CDDS_PREERASE, CDIS_FOCUS);
  EXPECT_EQ(0, marked_edge());
}

}  // namespace
}  // namespace lite_installer
