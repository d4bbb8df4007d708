// A small dialog of standard controls with the installer window's control
// ids, for the window harness's own check: the probe's control list and
// accessible roles, the focus and Tab walk through xdotool, a click that ends
// the dialog with the button's id (the exit code), and a registered question
// message answered by a nested dialog (1 to go on, 0 after its close button).
#include <windows.h>
// windows.h first: the common controls header builds on its types.
#include <commctrl.h>

#include <cwchar>
#include <vector>

namespace {

constexpr wchar_t kTitle[] = L"UI harness sample";

// An in-memory dialog template: DLGTEMPLATE, then per item DLGITEMTEMPLATE,
// each on a DWORD boundary, with class and title as ordinals or strings.
class Template {
 public:
  Template(const wchar_t* title, short width, short height, WORD items) {
    DLGTEMPLATE header = {};
    header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME | DS_CENTER;
    header.cdit = items;
    header.cx = width;
    header.cy = height;
    Append(&header, sizeof(header));
    Word(0);  // no menu
    Word(0);  // the dialog class
    Text(title);
  }

  void Item(WORD id,
            const wchar_t* window_class,
            const wchar_t* text,
            DWORD style,
            short x,
            short y,
            short width,
            short height) {
    Align();
    DLGITEMTEMPLATE item = {};
    item.style = style | WS_CHILD | WS_VISIBLE;
    item.x = x;
    item.y = y;
    item.cx = width;
    item.cy = height;
    item.id = id;
    Append(&item, sizeof(item));
    Text(window_class);
    Text(text);
    Word(0);  // no creation data
  }

  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

 private:
  void Append(const void* data, size_t size) {
    const auto* begin = static_cast<const unsigned char*>(data);
    bytes_.insert(bytes_.end(), begin, begin + size);
  }
  void Word(WORD value) { Append(&value, sizeof(value)); }
  void Text(const wchar_t* text) { Append(text, (std::wcslen(text) + 1) * sizeof(wchar_t)); }
  void Align() {
    while (bytes_.size() % 4)
      bytes_.push_back(0);
  }

  std::vector<unsigned char> bytes_;
};

INT_PTR CALLBACK QuestionProc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  if (message == WM_INITDIALOG)
    return TRUE;
  if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) {
    ::EndDialog(dialog, LOWORD(wparam));
    return TRUE;
  }
  return FALSE;
}

INT_PTR CALLBACK MainProc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  static const UINT question = ::RegisterWindowMessageW(L"velnor.corp.user_browser_exists");
  static const UINT progress = ::RegisterWindowMessageW(L"velnor.lite.set_install_progress");
  if (message == WM_INITDIALOG) {
    ::SendDlgItemMessageW(dialog, 215, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    ::SetFocus(::GetDlgItem(dialog, 1));
    return FALSE;
  }
  if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED && LOWORD(wparam) != 110) {
    ::EndDialog(dialog, LOWORD(wparam));
    return TRUE;
  }
  if (message == WM_CLOSE) {
    ::EndDialog(dialog, 2);
    return TRUE;
  }
  if (message == progress) {
    ::SendDlgItemMessageW(dialog, 215, PBM_SETPOS, wparam, 0);
    return TRUE;
  }
  if (message == question) {
    Template nested(L"Question", 160, 50, 2);
    nested.Item(1, L"Button", L"Go on", BS_DEFPUSHBUTTON | WS_TABSTOP, 10, 25, 60, 14);
    nested.Item(213, L"Button", L"Stop", BS_PUSHBUTTON | WS_TABSTOP, 90, 25, 60, 14);
    const INT_PTR answer =
        ::DialogBoxIndirectParamW(nullptr, nested.Get(), dialog, QuestionProc, 0);
    ::SetWindowLongPtrW(dialog, DWLP_MSGRESULT, answer == 212 || answer == 213 ? 0 : 1);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_PROGRESS_CLASS};
  ::InitCommonControlsEx(&controls);
  Template main(kTitle, 300, 120, 5);
  main.Item(1, L"Button", L"Install", BS_DEFPUSHBUTTON | WS_TABSTOP, 110, 60, 80, 16);
  main.Item(223, L"Button", L"Licence", BS_PUSHBUTTON | WS_TABSTOP, 110, 90, 80, 12);
  main.Item(110, L"Button", L"Send statistics", BS_AUTOCHECKBOX | WS_TABSTOP, 10, 30, 120, 12);
  main.Item(213, L"Button", L"Close", BS_PUSHBUTTON | WS_TABSTOP, 250, 5, 40, 12);
  main.Item(215, PROGRESS_CLASSW, L"", 0, 10, 10, 200, 8);
  return static_cast<int>(::DialogBoxIndirectParamW(instance, main.Get(), nullptr, MainProc, 0));
}
