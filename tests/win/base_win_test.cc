// The Win32 owners and the helpers the adapters share, against the real API.
#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <unknwn.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/hex.h"
#include "base/win/crypt_hash_win.h"
#include "base/win/file_io_win.h"
#include "base/win/registry_value_win.h"
#include "base/win/resource_bytes_win.h"
#include "base/win/scoped_com_win.h"
#include "base/win/scoped_gdi_win.h"
#include "base/win/scoped_handle_win.h"
#include "base/win/wide.h"
#include "tests/support/files_win.h"

namespace {

using base::win::AsWide;

base::String16 U16(const std::wstring& text) {
  return base::win::FromWide(text.c_str(), text.size());
}

// Names of the files in |dir| (with its trailing separator).
std::vector<std::wstring> FilesIn(const std::wstring& dir) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  HANDLE search = ::FindFirstFileW((dir + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE)
    return names;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..")
      names.push_back(name);
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
  return names;
}

class WholeFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = test::MakeUniqueTempDir();
    path_ = U16(dir_ + L"target.bin");
  }
  std::string Read() { return base::win::ReadWholeFile(path_, 1 << 20).bytes; }

  std::wstring dir_;
  base::String16 path_;
};

TEST_F(WholeFileTest, WriteReplacesTheWholeFileAndLeavesNothingElse) {
  ASSERT_TRUE(base::win::WriteWholeFile(path_, "a first, longer content"));
  ASSERT_TRUE(base::win::WriteWholeFile(path_, "second"));
  EXPECT_EQ(Read(), "second");
  ASSERT_TRUE(base::win::WriteWholeFile(path_, ""));
  const base::win::FileReadResult empty = base::win::ReadWholeFile(path_, 0);
  EXPECT_TRUE(empty.ok());
  EXPECT_EQ(empty.bytes, "");
  EXPECT_EQ(FilesIn(dir_), std::vector<std::wstring>{L"target.bin"});
}

TEST_F(WholeFileTest, NameTooLongForTheSuffixStillGetsWrittenWhole) {
  // The whole path fits in MAX_PATH; with the new file's suffix it would not.
  ASSERT_LT(dir_.size(), 200u);
  const std::wstring name(MAX_PATH - 10 - dir_.size(), L'n');
  const base::String16 path = U16(dir_ + name);
  ASSERT_TRUE(base::win::WriteWholeFile(path, "first")) << ::GetLastError();
  ASSERT_TRUE(base::win::WriteWholeFile(path, "second"));
  EXPECT_EQ(base::win::ReadWholeFile(path, 100).bytes, "second");
  EXPECT_EQ(FilesIn(dir_), std::vector<std::wstring>{name});
}

TEST_F(WholeFileTest, FailedWriteKeepsTheTargetAndLeavesNoPartialFile) {
  // Source bytes the system cannot read make the write itself fail after the
  // new file was created.
  const size_t size = 64 * 1024;
  void* unreadable = ::VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_NOACCESS);
  ASSERT_NE(unreadable, nullptr);
  const std::string_view bytes(static_cast<const char*>(unreadable), size);

  EXPECT_FALSE(base::win::WriteWholeFile(path_, bytes));
  EXPECT_NE(::GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
  EXPECT_TRUE(FilesIn(dir_).empty());

  ASSERT_TRUE(base::win::WriteWholeFile(path_, "complete content"));
  EXPECT_FALSE(base::win::WriteWholeFile(path_, bytes));
  EXPECT_EQ(Read(), "complete content");
  EXPECT_EQ(FilesIn(dir_), std::vector<std::wstring>{L"target.bin"});
  ::VirtualFree(unreadable, 0, MEM_RELEASE);
}

TEST_F(WholeFileTest, TargetInUseStaysAsItWas) {
  ASSERT_TRUE(base::win::WriteWholeFile(path_, "held"));
  {
    const base::win::ScopedHandle holder(::CreateFileW(AsWide(path_), GENERIC_READ, FILE_SHARE_READ,
                                                       nullptr, OPEN_EXISTING,
                                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(holder.IsValid());
    EXPECT_FALSE(base::win::WriteWholeFile(path_, "replacement"));
  }
  EXPECT_EQ(Read(), "held");
  EXPECT_EQ(FilesIn(dir_), std::vector<std::wstring>{L"target.bin"});
  // A folder that does not exist: nothing to create the new file in.
  EXPECT_FALSE(base::win::WriteWholeFile(U16(dir_ + L"missing\\x.bin"), "x"));
}

TEST_F(WholeFileTest, ReadReportsTheFailingStep) {
  EXPECT_EQ(base::win::ReadWholeFile(path_, 100).status, base::win::FileReadStatus::kOpenFailed);
  ASSERT_TRUE(base::win::WriteWholeFile(path_, "0123456789"));
  const base::win::FileReadResult over = base::win::ReadWholeFile(path_, 9);
  EXPECT_EQ(over.status, base::win::FileReadStatus::kSizeFailed);
  EXPECT_TRUE(over.bytes.empty());
  const base::win::FileReadResult exact = base::win::ReadWholeFile(path_, 10);
  EXPECT_TRUE(exact.ok());
  EXPECT_EQ(exact.bytes, "0123456789");
}

TEST(CryptHashTest, KnownDigests) {
  auto hex = [](base::win::HashAlgorithm algorithm, std::string_view text) {
    const std::vector<uint8_t> digest = base::win::HashBytes(algorithm, text.data(), text.size());
    return base::HexEncode(digest.data(), digest.size());
  };
  using base::win::HashAlgorithm;
  EXPECT_EQ(hex(HashAlgorithm::kMd5, "abc"), "900150983cd24fb0d6963f7d28e17f72");
  EXPECT_EQ(hex(HashAlgorithm::kMd5, ""), "d41d8cd98f00b204e9800998ecf8427e");
  EXPECT_EQ(hex(HashAlgorithm::kSha1, "abc"), "a9993e364706816aba3e25717850c26c9cd0d89d");
  EXPECT_EQ(hex(HashAlgorithm::kSha256, "abc"),
            "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
}

TEST(RegistryDwordTest, FoundOtherTypeAndMissing) {
  const wchar_t kKey[] = L"Software\\LiteBaseWinTest";
  base::win::ScopedRegKey key;
  ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              key.Receive(), nullptr),
            ERROR_SUCCESS);
  const DWORD seven = 7;
  ASSERT_EQ(::RegSetValueExW(key.Get(), L"number", 0, REG_DWORD,
                             reinterpret_cast<const BYTE*>(&seven), sizeof(seven)),
            ERROR_SUCCESS);
  const wchar_t kText[] = L"a longer text value";
  ASSERT_EQ(::RegSetValueExW(key.Get(), L"text", 0, REG_SZ, reinterpret_cast<const BYTE*>(kText),
                             sizeof(kText)),
            ERROR_SUCCESS);
  key.Reset();

  const base::win::RegistryDword number =
      base::win::ReadRegistryDword(HKEY_CURRENT_USER, kKey, L"number", KEY_READ);
  EXPECT_TRUE(number.found());
  EXPECT_EQ(number.value, 7u);
  const base::win::RegistryDword text =
      base::win::ReadRegistryDword(HKEY_CURRENT_USER, kKey, L"text", KEY_READ);
  EXPECT_TRUE(text.exists());
  EXPECT_FALSE(text.found());
  EXPECT_EQ(text.value, 0u);
  const base::win::RegistryDword absent =
      base::win::ReadRegistryDword(HKEY_CURRENT_USER, kKey, L"absent", KEY_READ);
  EXPECT_TRUE(absent.opened);
  EXPECT_FALSE(absent.exists());
  const base::win::RegistryDword no_key = base::win::ReadRegistryDword(
      HKEY_CURRENT_USER, L"Software\\LiteBaseWinTestMissing", L"number", KEY_READ);
  EXPECT_FALSE(no_key.opened);
  EXPECT_EQ(no_key.status, ERROR_FILE_NOT_FOUND);
  ::RegDeleteKeyW(HKEY_CURRENT_USER, kKey);
}

TEST(ResourceBytesTest, MissingResourceIsEmpty) {
  EXPECT_TRUE(base::win::ResourceBytes(nullptr, L"NO_SUCH_RESOURCE", L"BIN").empty());
  EXPECT_TRUE(base::win::ResourceBytes(nullptr, MAKEINTRESOURCEW(4242), L"BIN").empty());
}

TEST(ScopedHandleTest, ClosesOnceAndTreatsBothSentinelsAsEmpty) {
  HANDLE raw = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  ASSERT_NE(raw, nullptr);
  {
    base::win::ScopedHandle event(raw);
    base::win::ScopedHandle moved(std::move(event));
    EXPECT_FALSE(event.IsValid());
    EXPECT_TRUE(moved.IsValid());
  }
  // The handle is gone: the system no longer knows it.
  DWORD flags = 0;
  EXPECT_FALSE(::GetHandleInformation(raw, &flags));

  base::win::ScopedHandle invalid(INVALID_HANDLE_VALUE);
  EXPECT_FALSE(invalid.IsValid());
  EXPECT_TRUE(invalid.Close());
}

TEST(ScopedGdiTest, SelectionIsUndoneAndObjectsAreDeleted) {
  const base::win::ScopedGetDC screen(nullptr);
  ASSERT_TRUE(screen.IsValid());
  const base::win::ScopedMemoryDC dc(::CreateCompatibleDC(screen.Get()));
  ASSERT_TRUE(dc.IsValid());
  base::win::ScopedBitmap bitmap(::CreateCompatibleBitmap(screen.Get(), 4, 4));
  ASSERT_TRUE(bitmap.IsValid());
  const HGDIOBJ original = ::GetCurrentObject(dc.Get(), OBJ_BITMAP);
  {
    const base::win::ScopedSelectObject select(dc.Get(), bitmap.Get());
    EXPECT_TRUE(select.IsValid());
    EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_BITMAP), bitmap.Get());
  }
  EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_BITMAP), original);
  const HBITMAP raw = bitmap.Get();
  EXPECT_TRUE(bitmap.Close());
  EXPECT_EQ(::GetObjectType(raw), 0u);
}

// Counts its references; the owner must drop exactly the one it holds.
class CountedObject : public IUnknown {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
  ULONG STDMETHODCALLTYPE Release() override { return --references; }
  ULONG references = 1;
};

TEST(ScopedComPtrTest, ReleasesTheReferenceItHolds) {
  CountedObject object;
  {
    base::win::ScopedComPtr<IUnknown> first(&object);
    object.AddRef();
    base::win::ScopedComPtr<IUnknown> second(&object);
    EXPECT_EQ(second->AddRef(), 3u);
    second->Release();
    base::win::ScopedComPtr<IUnknown> moved(std::move(first));
    EXPECT_EQ(object.references, 2u);
  }
  EXPECT_EQ(object.references, 0u);
}

}  // namespace
