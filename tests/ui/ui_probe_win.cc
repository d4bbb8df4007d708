// What the window tests can only read from inside Windows, for the Python
// drivers on the Linux side. Each command prints one JSON value on stdout and
// exits 0, or exits 1 with a message on stderr.
//
//   ui_probe find TITLE TIMEOUT_MS     the first visible top-level window with
//                                      this title, non-breaking spaces read as
//                                      spaces (or of the class "#32770" when
//                                      TITLE is "*"), waited for
//   ui_probe idle -                    sleeps until it is ended (keeps the prefix's
//                                      services up)
//   ui_probe list -                    every top-level window
//   ui_probe window HWND               class, title, visibility, rectangle, region
//   ui_probe controls HWND             every child: id, class, text, visible,
//                                      screen rectangle, accessible role/name/value
//   ui_probe focus HWND                the id of the focused control of its thread
//   ui_probe send HWND NAME WPARAM     SendMessageW of a registered message; its result
//   ui_probe post HWND NAME WPARAM     PostMessageW of a registered message
//   ui_probe watch HWND ID MS          the accessible values of control ID, each
//                                      change, until MS pass or the window goes
//   ui_probe gone HWND MS              waits until the window no longer exists
//   ui_probe dialog-click OWNER ID MS  waits for a visible dialog of OWNER's process
//                                      other than OWNER and posts it BN_CLICKED of ID
//   ui_probe at X Y                    the window under the screen point, and its
//                                      top-level window, as Windows hit-tests it
//   ui_probe responsive HWND MS        whether the window's thread answers a
//                                      message within MS
//   ui_probe post-click HWND ID        posts the window BN_CLICKED of its control ID
//   ui_probe kill PID                  ends the process (a test's leftover run)
//   ui_probe run TEMP EXE ARGS...      runs EXE with TEMP and TMP set to TEMP; prints
//                                      {"pid":N} at the start and {"exit_code":N} (all
//                                      32 bits, which Wine's own exit status cuts to 8)
#include <windows.h>
// windows.h first: the accessibility header builds on its types.
#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "base/win/scoped_com_win.h"
#include "base/win/scoped_gdi_win.h"
#include "base/win/scoped_handle_win.h"
#include "tests/ui/json_text_win.h"

namespace {

using ui_json::Quoted;
using ui_json::RectJson;
using ui_json::Utf8;

HWND ParseWindow(const wchar_t* text) {
  return reinterpret_cast<HWND>(static_cast<uintptr_t>(std::wcstoull(text, nullptr, 10)));
}

std::string ClassOf(HWND window) {
  wchar_t name[256] = {};
  ::GetClassNameW(window, name, 256);
  return Utf8(name);
}

std::string TextOf(HWND window) {
  wchar_t text[1024] = {};
  ::GetWindowTextW(window, text, 1024);
  return Utf8(text);
}

// The window's text with its non-breaking spaces (which the product name
// uses) read as spaces, so that a title can be named on a command line.
std::string PlainSpaces(HWND window) {
  wchar_t text[1024] = {};
  ::GetWindowTextW(window, text, 1024);
  for (wchar_t& c : text) {
    if (c == 0xA0)
      c = L' ';
  }
  return Utf8(text);
}

struct FindState {
  const wchar_t* title;
  HWND found;
};

BOOL CALLBACK FindTopLevel(HWND window, LPARAM lparam) {
  auto* state = reinterpret_cast<FindState*>(lparam);
  if (!::IsWindowVisible(window))
    return TRUE;
  const std::string title = Utf8(state->title);
  const bool match = title == "*" ? ClassOf(window) == "#32770" : PlainSpaces(window) == title;
  if (!match)
    return TRUE;
  state->found = window;
  return FALSE;
}

std::string WindowJson(HWND window) {
  RECT rect = {};
  ::GetWindowRect(window, &rect);
  DWORD process_id = 0;
  ::GetWindowThreadProcessId(window, &process_id);
  std::string json = "{\"hwnd\":" + std::to_string(reinterpret_cast<uintptr_t>(window)) +
                     ",\"pid\":" + std::to_string(process_id) +
                     ",\"class\":" + Quoted(ClassOf(window)) +
                     ",\"title\":" + Quoted(TextOf(window)) +
                     ",\"visible\":" + (::IsWindowVisible(window) ? "true" : "false") +
                     ",\"rect\":" + RectJson(rect);
  base::win::ScopedRegion owned_region(::CreateRectRgn(0, 0, 0, 0));
  HRGN region = owned_region.Get();
  const int type = ::GetWindowRgn(window, region);
  json += ",\"region_type\":" + std::to_string(type);
  if (type == SIMPLEREGION || type == COMPLEXREGION) {
    RECT box = {};
    ::GetRgnBox(region, &box);
    json += ",\"region_box\":" + RectJson(box);
    // A rounded shape leaves the corner pixels out and keeps the middle.
    json +=
        std::string(",\"region_corner\":") +
        (::PtInRegion(region, box.left, box.top) ? "true" : "false") + ",\"region_centre\":" +
        (::PtInRegion(region, (box.left + box.right) / 2, (box.top + box.bottom) / 2) ? "true"
                                                                                      : "false");
  }
  return json + "}";
}

struct Accessible {
  long role = 0;
  std::string name;
  std::string value;
  bool ok = false;
  unsigned long error = 0;
};

// IID_IAccessible, spelled out: mingw-w64's liboleacc.a names the symbol as
// an import of oleacc.dll, so that without a dllimport declaration the name
// reads the import thunk's code bytes and every lookup answers E_NOINTERFACE.
constexpr GUID kAccessibleInterfaceId = {0x618736e0,
                                         0x3c3d,
                                         0x11cf,
                                         {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

Accessible ReadAccessible(HWND control) {
  Accessible result;
  base::win::ScopedComPtr<IAccessible> object;
  const HRESULT found = ::AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                                     kAccessibleInterfaceId,
                                                     reinterpret_cast<void**>(object.Receive()));
  if (FAILED(found) || !object.IsValid()) {
    result.error = static_cast<unsigned long>(found);
    return result;
  }
  VARIANT self;
  ::VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  VARIANT role;
  ::VariantInit(&role);
  const HRESULT role_result = object->get_accRole(self, &role);
  if (SUCCEEDED(role_result) && role.vt == VT_I4)
    result.role = role.lVal;
  else
    result.error = static_cast<unsigned long>(role_result);
  ::VariantClear(&role);
  BSTR text = nullptr;
  if (SUCCEEDED(object->get_accName(self, &text)) && text)
    result.name = Utf8(text, static_cast<int>(::SysStringLen(text)));
  ::SysFreeString(text);
  text = nullptr;
  if (SUCCEEDED(object->get_accValue(self, &text)) && text)
    result.value = Utf8(text, static_cast<int>(::SysStringLen(text)));
  ::SysFreeString(text);
  result.ok = true;
  return result;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM lparam) {
  reinterpret_cast<std::vector<HWND>*>(lparam)->push_back(child);
  return TRUE;
}

int Find(const wchar_t* title, DWORD timeout_ms) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    FindState state = {title, nullptr};
    ::EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&state));
    if (state.found) {
      std::printf("%s\n", WindowJson(state.found).c_str());
      return 0;
    }
    if (::GetTickCount() - start > timeout_ms)
      break;
    ::Sleep(50);
  }
  std::fprintf(stderr, "ui_probe: no visible window titled \"%s\"\n", Utf8(title).c_str());
  return 1;
}

BOOL CALLBACK ListTopLevel(HWND window, LPARAM lparam) {
  auto* json = reinterpret_cast<std::string*>(lparam);
  if (json->size() > 1)
    *json += ",";
  *json += WindowJson(window);
  return TRUE;
}

int List() {
  std::string json = "[";
  ::EnumWindows(ListTopLevel, reinterpret_cast<LPARAM>(&json));
  std::printf("%s]\n", json.c_str());
  return 0;
}

int Controls(HWND window) {
  std::vector<HWND> children;
  ::EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
  std::string json = "[";
  for (HWND child : children) {
    RECT rect = {};
    ::GetWindowRect(child, &rect);
    const Accessible accessible = ReadAccessible(child);
    if (json.size() > 1)
      json += ",";
    json += "{\"id\":" + std::to_string(::GetDlgCtrlID(child)) +
            ",\"hwnd\":" + std::to_string(reinterpret_cast<uintptr_t>(child)) +
            ",\"class\":" + Quoted(ClassOf(child)) + ",\"text\":" + Quoted(TextOf(child)) +
            ",\"visible\":" + (::IsWindowVisible(child) ? "true" : "false") +
            ",\"rect\":" + RectJson(rect) + ",\"role\":" + std::to_string(accessible.role) +
            ",\"name\":" + Quoted(accessible.name) + ",\"value\":" + Quoted(accessible.value) +
            ",\"error\":" + std::to_string(accessible.error) + "}";
  }
  std::printf("%s]\n", json.c_str());
  return 0;
}

int Focus(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof(info);
  if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info)) {
    std::fprintf(stderr, "ui_probe: GetGUIThreadInfo failed\n");
    return 1;
  }
  std::printf("{\"id\":%d,\"class\":%s}\n", info.hwndFocus ? ::GetDlgCtrlID(info.hwndFocus) : 0,
              Quoted(info.hwndFocus ? ClassOf(info.hwndFocus) : "").c_str());
  return 0;
}

int Watch(HWND window, int id, DWORD duration_ms) {
  const DWORD start = ::GetTickCount();
  std::string last;
  bool first = true;
  std::string json = "[";
  while (::IsWindow(window) && ::GetTickCount() - start < duration_ms) {
    HWND control = ::GetDlgItem(window, id);
    if (control) {
      const Accessible accessible = ReadAccessible(control);
      if (accessible.ok && (first || accessible.value != last)) {
        if (!first)
          json += ",";
        json += Quoted(accessible.value);
        last = accessible.value;
        first = false;
      }
    }
    ::Sleep(10);
  }
  std::printf("%s]\n", json.c_str());
  return 0;
}

int Gone(HWND window, DWORD timeout_ms) {
  const DWORD start = ::GetTickCount();
  while (::IsWindow(window)) {
    if (::GetTickCount() - start > timeout_ms) {
      std::printf("false\n");
      return 0;
    }
    ::Sleep(20);
  }
  std::printf("true\n");
  return 0;
}

struct OwnedState {
  HWND owner;
  DWORD process;
  HWND found;
};

BOOL CALLBACK FindOwned(HWND window, LPARAM lparam) {
  auto* state = reinterpret_cast<OwnedState*>(lparam);
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  if (window == state->owner || process != state->process || !::IsWindowVisible(window))
    return TRUE;
  // Only dialogs: the window's shadow is a visible window of the process too.
  wchar_t class_name[16] = {};
  ::GetClassNameW(window, class_name, 16);
  if (std::wcscmp(class_name, L"#32770") != 0)
    return TRUE;
  state->found = window;
  return FALSE;
}

int DialogClick(HWND owner, int id, DWORD timeout_ms) {
  OwnedState state = {owner, 0, nullptr};
  ::GetWindowThreadProcessId(owner, &state.process);
  const DWORD start = ::GetTickCount();
  while (!state.found && ::GetTickCount() - start < timeout_ms) {
    ::EnumWindows(FindOwned, reinterpret_cast<LPARAM>(&state));
    if (!state.found)
      ::Sleep(50);
  }
  if (!state.found) {
    std::fprintf(stderr, "ui_probe: no dialog appeared\n");
    return 1;
  }
  HWND button = ::GetDlgItem(state.found, id);
  ::PostMessageW(state.found, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
  std::printf("%s\n", WindowJson(state.found).c_str());
  return 0;
}

int At(int x, int y) {
  const HWND hit = ::WindowFromPoint(POINT{x, y});
  const HWND root = hit ? ::GetAncestor(hit, GA_ROOT) : nullptr;
  std::printf("{\"hit\":%s,\"root\":%s}\n", hit ? WindowJson(hit).c_str() : "null",
              root ? WindowJson(root).c_str() : "null");
  return 0;
}

int Responsive(HWND window, DWORD timeout_ms) {
  DWORD_PTR answer = 0;
  const bool answered =
      ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeout_ms, &answer) != 0;
  std::printf("%s\n", answered ? "true" : "false");
  return 0;
}

int PostClick(HWND window, int id) {
  const bool posted = ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                                     reinterpret_cast<LPARAM>(::GetDlgItem(window, id))) != 0;
  std::printf("%s\n", posted ? "true" : "false");
  return 0;
}

int Kill(DWORD process_id) {
  base::win::ScopedHandle process(::OpenProcess(PROCESS_TERMINATE, FALSE, process_id));
  const bool ended = process.IsValid() && ::TerminateProcess(process.Get(), 1);
  std::printf("%s\n", ended ? "true" : "false");
  return 0;
}

int Run(int argc, wchar_t** argv) {
  ::SetEnvironmentVariableW(L"TEMP", argv[2]);
  ::SetEnvironmentVariableW(L"TMP", argv[2]);
  // LITE_UI_RUN_ARGV0 names the program on the command line differently from
  // the file that runs: the installer then sees a program path that does not
  // exist, as when it is started through a renamed or moved link.
  wchar_t argv0[MAX_PATH] = {};
  const bool other_argv0 = ::GetEnvironmentVariableW(L"LITE_UI_RUN_ARGV0", argv0, MAX_PATH) > 0;
  ::SetEnvironmentVariableW(L"LITE_UI_RUN_ARGV0", nullptr);
  std::wstring command_line = L"\"" + std::wstring(other_argv0 ? argv0 : argv[3]) + L"\"";
  for (int i = 4; i < argc; ++i)
    command_line += L" " + std::wstring(argv[i]);
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  // Wine under load now and then fails a start with ERROR_INTERNAL_ERROR
  // (1359); a second try a moment later starts the program.
  bool started = false;
  for (int attempt = 0; attempt < 3 && !started; ++attempt) {
    if (attempt > 0)
      ::Sleep(500);
    started = ::CreateProcessW(other_argv0 ? argv[3] : nullptr, command_line.data(), nullptr,
                               nullptr, FALSE, 0, nullptr, nullptr, &startup, &info) != FALSE;
    if (!started)
      std::fprintf(stderr, "ui_probe: CreateProcessW failed: %lu\n", ::GetLastError());
  }
  if (!started)
    return 1;
  base::win::ScopedHandle thread(info.hThread);
  base::win::ScopedHandle process(info.hProcess);
  std::printf("{\"pid\":%lu}\n", info.dwProcessId);
  std::fflush(stdout);
  ::WaitForSingleObject(process.Get(), INFINITE);
  DWORD exit_code = 0;
  ::GetExitCodeProcess(process.Get(), &exit_code);
  std::printf("{\"exit_code\":%lu}\n", exit_code);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: ui_probe COMMAND ARGUMENTS...\n");
    return 2;
  }
  ::CoInitialize(nullptr);
  const std::wstring command = argv[1];
  int result = 2;
  if (command == L"idle") {
    ::Sleep(INFINITE);
    result = 0;
  } else if (command == L"list") {
    result = List();
  } else if (command == L"find" && argc == 4) {
    result = Find(argv[2], static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10)));
  } else if (command == L"window") {
    std::printf("%s\n", WindowJson(ParseWindow(argv[2])).c_str());
    result = ::IsWindow(ParseWindow(argv[2])) ? 0 : 1;
  } else if (command == L"controls") {
    result = Controls(ParseWindow(argv[2]));
  } else if (command == L"focus") {
    result = Focus(ParseWindow(argv[2]));
  } else if ((command == L"send" || command == L"post") && argc == 5) {
    const UINT message = ::RegisterWindowMessageW(argv[3]);
    const WPARAM wparam = static_cast<WPARAM>(std::wcstoull(argv[4], nullptr, 10));
    if (command == L"send") {
      std::printf("%lld\n",
                  static_cast<long long>(::SendMessageW(ParseWindow(argv[2]), message, wparam, 0)));
      result = 0;
    } else {
      result = ::PostMessageW(ParseWindow(argv[2]), message, wparam, 0) ? 0 : 1;
      std::printf("%s\n", result == 0 ? "true" : "false");
    }
  } else if (command == L"watch" && argc == 5) {
    result = Watch(ParseWindow(argv[2]), std::wcstol(argv[3], nullptr, 10),
                   static_cast<DWORD>(std::wcstoul(argv[4], nullptr, 10)));
  } else if (command == L"gone" && argc == 4) {
    result = Gone(ParseWindow(argv[2]), static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10)));
  } else if (command == L"dialog-click" && argc == 5) {
    result = DialogClick(ParseWindow(argv[2]), std::wcstol(argv[3], nullptr, 10),
                         static_cast<DWORD>(std::wcstoul(argv[4], nullptr, 10)));
  } else if (command == L"at" && argc == 4) {
    result = At(std::wcstol(argv[2], nullptr, 10), std::wcstol(argv[3], nullptr, 10));
  } else if (command == L"responsive" && argc == 4) {
    result =
        Responsive(ParseWindow(argv[2]), static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10)));
  } else if (command == L"post-click" && argc == 4) {
    result = PostClick(ParseWindow(argv[2]), std::wcstol(argv[3], nullptr, 10));
  } else if (command == L"kill") {
    result = Kill(static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)));
  } else if (command == L"run" && argc >= 4) {
    result = Run(argc, argv);
  } else {
    std::fprintf(stderr, "ui_probe: unknown command or arguments\n");
  }
  std::fflush(stdout);
  ::CoUninitialize();
  return result;
}
