#include "installer/lite_installer/config/cabinet_win.h"

#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <fcntl.h>
#include <fdi.h>

#include <iterator>
#include <mutex>
#include <set>

#include "logging/log_message.h"

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

// The callbacks get back only the handles they gave out, and the library
// closes read and output handles alike: each handle says what it is, so that
// closing an output handle never frees it as if it were a read handle.
enum class HandleKind : uint32_t { kRead = 0x52454144, kOutput = 0x4f555450 };

struct ExtractionRequest;

struct Handle {
  HandleKind kind;
  ExtractionRequest* request;
};

// A read handle on the archive of a request, on the heap.
struct ReadHandle : Handle {
  size_t position;
};

// One extraction: the archive, what is wanted, and what came out.
struct ExtractionRequest {
  std::string_view cabinet;
  std::string wanted;
  std::string current_file;
  CabinetFiles files;
  // The size the archive declares for the file being extracted.
  size_t declared_size = 0;
  // Bytes of the completed files, and how many files were started.
  size_t completed_bytes = 0;
  size_t started_files = 0;
  // The one output handle, given out for every file extracted.
  Handle output{HandleKind::kOutput, this};
  // Read handles still open, freed at the end if the library left any.
  std::set<ReadHandle*> readers;
  // Set when a callback ended the extraction; the failure is logged there.
  bool refused = false;
};

// Requests under way. The open callback receives only a name; it accepts
// only tokens of these, so a name the library makes up never becomes a
// pointer.
std::mutex g_requests_lock;
std::set<ExtractionRequest*> g_requests;

// The decimal token of a request, or 0 when |name| is anything else.
uintptr_t ParseToken(const char* name) {
  uintptr_t value = 0;
  if (!name || !*name)
    return 0;
  for (const char* digit = name; *digit; ++digit) {
    if (*digit < '0' || *digit > '9')
      return 0;
    const uintptr_t next = value * 10 + static_cast<uintptr_t>(*digit - '0');
    if (next / 10 != value)
      return 0;
    value = next;
  }
  return value;
}

ReadHandle* AsReader(INT_PTR handle) {
  auto* base = reinterpret_cast<Handle*>(handle);
  return base && base->kind == HandleKind::kRead ? static_cast<ReadHandle*>(base) : nullptr;
}

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
  auto* request = reinterpret_cast<ExtractionRequest*>(ParseToken(name));
  {
    std::lock_guard<std::mutex> lock(g_requests_lock);
    if (!request || !g_requests.count(request))
      return -1;
  }
  auto* reader = new ReadHandle{{HandleKind::kRead, request}, 0};
  request->readers.insert(reader);
  return reinterpret_cast<INT_PTR>(reader);
}

UINT DIAMONDAPI Read(INT_PTR handle, void* buffer, UINT count) {
  ReadHandle* reader = AsReader(handle);
  if (!reader)
    return static_cast<UINT>(-1);
  const std::string_view cabinet = reader->request->cabinet;
  const size_t available = cabinet.size() - reader->position;
  const size_t copied = std::min<size_t>(count, available);
  memcpy(buffer, cabinet.data() + reader->position, copied);
  reader->position += copied;
  return static_cast<UINT>(copied);
}

// The output handle's file grows in memory, up to kMaxCabinetFileSize.
UINT DIAMONDAPI Write(INT_PTR handle, void* buffer, UINT count) {
  auto* output = reinterpret_cast<Handle*>(handle);
  if (!output || output->kind != HandleKind::kOutput)
    return static_cast<UINT>(-1);
  ExtractionRequest* request = output->request;
  const size_t size = request->current_file.size();
  if (count > kMaxCabinetFileSize - size ||
      count > kMaxCabinetTotalSize - request->completed_bytes - size) {
    LOG(ERROR) << "Cabinet file exceeds " << kMaxCabinetFileSize << " bytes, or the files "
               << kMaxCabinetTotalSize << " bytes together";
    request->refused = true;
    return static_cast<UINT>(-1);
  }
  request->current_file.append(static_cast<const char*>(buffer), count);
  return count;
}

// Frees a read handle; the output handle belongs to its request and stays.
int DIAMONDAPI Close(INT_PTR handle) {
  auto* base = reinterpret_cast<Handle*>(handle);
  if (!base)
    return -1;
  if (base->kind == HandleKind::kOutput)
    return 0;
  ReadHandle* reader = AsReader(handle);
  if (!reader)
    return -1;
  reader->request->readers.erase(reader);
  delete reader;
  return 0;
}

long DIAMONDAPI Seek(INT_PTR handle, long offset, int origin) {
  ReadHandle* reader = AsReader(handle);
  if (!reader)
    return -1;
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
      if (++request->started_files > kMaxCabinetFiles) {
        LOG(ERROR) << "Cabinet holds more than " << kMaxCabinetFiles << " files";
        request->refused = true;
        return -1;
      }
      if (notification->cb < 0 || static_cast<size_t>(notification->cb) > kMaxCabinetFileSize ||
          static_cast<size_t>(notification->cb) > kMaxCabinetTotalSize - request->completed_bytes) {
        LOG(ERROR) << "Cabinet file " << notification->psz1 << " declares " << notification->cb
                   << " bytes, more than " << kMaxCabinetFileSize << " or than what is left of "
                   << kMaxCabinetTotalSize;
        request->refused = true;
        return -1;
      }
      request->declared_size = static_cast<size_t>(notification->cb);
      request->current_file.clear();
      request->current_file.reserve(request->declared_size);
      return reinterpret_cast<INT_PTR>(&request->output);
    }
    case fdintCLOSE_FILE_INFO:
      // The library reports a file whose data was damaged as complete, with
      // what it could decompress: only a file of its declared size is whole.
      if (request->current_file.size() != request->declared_size) {
        LOG(ERROR) << "Cabinet file " << notification->psz1 << " has "
                   << request->current_file.size() << " bytes of the " << request->declared_size
                   << " it declares";
        request->current_file.clear();
        request->refused = true;
        return FALSE;
      }
      request->completed_bytes += request->current_file.size();
      request->files[notification->psz1] = std::move(request->current_file);
      request->current_file.clear();
      return TRUE;
    default:
      // A file continued from or into another cabinet: not supported.
      LOG(ERROR) << "Cabinet spans several cabinets (notification " << static_cast<int>(type)
                 << ")";
      request->refused = true;
      return -1;
  }
}

}  // namespace

bool LoadCabinetLibrary() {
  if (!g_cabinet_module) {
    // Only the system directory: the environment names no other place.
    wchar_t path[MAX_PATH];
    constexpr wchar_t kName[] = L"\\cabinet.dll";
    const UINT length = ::GetSystemDirectoryW(path, MAX_PATH);
    if (length == 0 || length + std::size(kName) > MAX_PATH) {
      PLOG(ERROR) << "Failed to get the system directory for cabinet.dll";
      return false;
    }
    wcscpy(path + length, kName);
    g_cabinet_module = ::LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!g_cabinet_module) {
      PLOG(ERROR) << "Failed to load cabinet.dll";
      return false;
    }
  }
  g_fdi_create = Resolve<FDICreateFunction>("FDICreate");
  g_fdi_destroy = Resolve<FDIDestroyFunction>("FDIDestroy");
  g_fdi_copy = Resolve<FDICopyFunction>("FDICopy");
  if (!g_fdi_create || !g_fdi_destroy || !g_fdi_copy) {
    LOG(ERROR) << "cabinet.dll lacks the decompression functions";
    return false;
  }
  return true;
}

bool ExtractFilesFromCabinet(std::string_view cabinet,
                             const std::string& wanted,
                             CabinetFiles* files) {
  files->clear();
  if (!LoadCabinetLibrary())
    return false;
  ERF error = {};
  HFDI context = g_fdi_create(Allocate, Free, Open, Read, Write, Close, Seek, cpuUNKNOWN, &error);
  if (!context) {
    LOG(ERROR) << "Failed to start cabinet extraction: error " << error.erfOper;
    return false;
  }

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
  for (ReadHandle* reader : request.readers)
    delete reader;
  if (!copied && !request.refused)
    LOG(ERROR) << "Failed to extract from cabinet: error " << error.erfOper;
  // A file cut short never reaches the map: only completed files are in it.
  *files = std::move(request.files);
  return copied != FALSE;
}
