#include "installer/lite_installer/config/cabinet_win.h"

#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <fcntl.h>
#include <fdi.h>

#include <mutex>
#include <set>

namespace {

using FDICreateFunction =
    HFDI(DIAMONDAPI*)(PFNALLOC, PFNFREE, PFNOPEN, PFNREAD, PFNWRITE, PFNCLOSE, PFNSEEK, int, PERF);
using FDICopyFunction =
    BOOL(DIAMONDAPI*)(HFDI, char*, char*, int, PFNFDINOTIFY, PFNFDIDECRYPT, void*);
using FDIDestroyFunction = BOOL(DIAMONDAPI*)(HFDI);

HMODULE g_cabinet_module = nullptr;
FDICreateFunction g_fdi_create = nullptr;
FDICopyFunction g_fdi_copy = nullptr;
FDIDestroyFunction g_fdi_destroy = nullptr;

// One extraction: the archive, what is wanted, and what came out.
struct ExtractionRequest {
  std::string_view cabinet;
  std::string wanted;
  std::string current_file;
  CabinetFiles files;
};

// A read handle on the archive of a request.
struct ReadHandle {
  ExtractionRequest* request;
  size_t position;
};

// Requests under way. The open callback receives only a name; it accepts
// only tokens of these, so a name the library makes up never becomes a
// pointer.
std::mutex g_requests_lock;
std::set<ExtractionRequest*> g_requests;

template <typename Function>
Function Resolve(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(::GetProcAddress(g_cabinet_module, name)));
}

void* DIAMONDAPI Allocate(ULONG size) {
  return ::HeapAlloc(::GetProcessHeap(), 0, size);
}

void DIAMONDAPI Free(void* memory) {
  ::HeapFree(::GetProcessHeap(), 0, memory);
}

INT_PTR DIAMONDAPI Open(char* name, int, int) {
  const uintptr_t token = static_cast<uintptr_t>(_strtoui64(name, nullptr, 10));
  auto* request = reinterpret_cast<ExtractionRequest*>(token);
  {
    std::lock_guard<std::mutex> lock(g_requests_lock);
    if (!g_requests.count(request))
      return -1;
  }
  return reinterpret_cast<INT_PTR>(new ReadHandle{request, 0});
}

UINT DIAMONDAPI Read(INT_PTR handle, void* buffer, UINT count) {
  auto* reader = reinterpret_cast<ReadHandle*>(handle);
  const std::string_view cabinet = reader->request->cabinet;
  const size_t available = cabinet.size() - reader->position;
  const size_t copied = std::min<size_t>(count, available);
  memcpy(buffer, cabinet.data() + reader->position, copied);
  reader->position += copied;
  return static_cast<UINT>(copied);
}

// Output handles are the request itself: the file grows in memory.
UINT DIAMONDAPI Write(INT_PTR handle, void* buffer, UINT count) {
  auto* request = reinterpret_cast<ExtractionRequest*>(handle);
  request->current_file.append(static_cast<const char*>(buffer), count);
  return count;
}

int DIAMONDAPI Close(INT_PTR handle) {
  delete reinterpret_cast<ReadHandle*>(handle);
  return 0;
}

long DIAMONDAPI Seek(INT_PTR handle, long offset, int origin) {
  auto* reader = reinterpret_cast<ReadHandle*>(handle);
  const int64_t length = static_cast<int64_t>(reader->request->cabinet.size());
  int64_t target;
  switch (origin) {
    case SEEK_SET:
      target = offset;
      break;
    case SEEK_CUR:
      target = static_cast<int64_t>(reader->position) + offset;
      break;
    case SEEK_END:
      target = length + offset;
      break;
    default:
      target = 0;
      break;
  }
  if (target < 0 || target > length)
    return -1;
  reader->position = static_cast<size_t>(target);
  return static_cast<long>(target);
}

INT_PTR DIAMONDAPI Notify(FDINOTIFICATIONTYPE type, PFDINOTIFICATION notification) {
  auto* request = static_cast<ExtractionRequest*>(notification->pv);
  switch (type) {
    case fdintCABINET_INFO:
    case fdintENUMERATE:
      return 0;
    case fdintCOPY_FILE: {
      if (!request->wanted.empty() && request->wanted != notification->psz1)
        return 0;  // skip this entry
      request->current_file.clear();
      request->current_file.reserve(static_cast<size_t>(notification->cb));
      return reinterpret_cast<INT_PTR>(request);
    }
    case fdintCLOSE_FILE_INFO:
      request->files[notification->psz1] = std::move(request->current_file);
      request->current_file.clear();
      return TRUE;
    default:
      // A file continued from or into another cabinet: not supported.
      return -1;
  }
}

}  // namespace

bool LoadCabinetLibrary() {
  if (!g_cabinet_module) {
    for (const wchar_t* candidate :
         {L"%WINDIR%\\system32\\cabinet.dll", L"%SYSTEMROOT%\\system32\\cabinet.dll",
          L"C:\\Windows\\system32\\cabinet.dll"}) {
      wchar_t path[MAX_PATH];
      const DWORD length = ::ExpandEnvironmentStringsW(candidate, path, MAX_PATH);
      if (length == 0 || length > MAX_PATH)
        continue;
      g_cabinet_module = ::LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
      if (g_cabinet_module)
        break;
    }
  }
  if (!g_cabinet_module)
    return false;
  g_fdi_create = Resolve<FDICreateFunction>("FDICreate");
  g_fdi_destroy = Resolve<FDIDestroyFunction>("FDIDestroy");
  g_fdi_copy = Resolve<FDICopyFunction>("FDICopy");
  return g_fdi_create && g_fdi_destroy && g_fdi_copy;
}

bool ExtractFilesFromCabinet(std::string_view cabinet,
                             const std::string& wanted,
                             CabinetFiles* files) {
  files->clear();
  if (!LoadCabinetLibrary())
    return false;
  ERF error = {};
  HFDI context = g_fdi_create(Allocate, Free, Open, Read, Write, Close, Seek, cpuUNKNOWN, &error);
  if (!context)
    return false;

  ExtractionRequest request{cabinet, wanted, {}, {}};
  {
    std::lock_guard<std::mutex> lock(g_requests_lock);
    g_requests.insert(&request);
  }
  std::string token = std::to_string(reinterpret_cast<uintptr_t>(&request));
  char empty_path[] = "";
  const BOOL copied = g_fdi_copy(context, token.data(), empty_path, 0, Notify, nullptr, &request);
  g_fdi_destroy(context);
  {
    std::lock_guard<std::mutex> lock(g_requests_lock);
    g_requests.erase(&request);
  }
  *files = std::move(request.files);
  return copied != FALSE;
}
