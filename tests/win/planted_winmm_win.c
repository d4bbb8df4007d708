/* A DLL named winmm.dll, as a download folder could hold one: when any
   process loads it, it creates the file named by LITE_PLANT_MARKER. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)instance;
  (void)reserved;
  if (reason == DLL_PROCESS_ATTACH) {
    wchar_t path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"LITE_PLANT_MARKER", path, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
      HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, NULL);
      if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    }
  }
  return TRUE;
}
