// Adds a PEM root certificate to the local machine's root store of the Wine
// prefix the tests run in:  install_root_certificate PATH.pem
#include <windows.h>

#include <wincrypt.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The tests pass Unix paths; the prefix maps "/" to drive Z:.
std::wstring WindowsPath(const wchar_t* path) {
  std::wstring result = path;
  if (!result.empty() && result[0] == L'/')
    result.insert(0, L"Z:");
  for (wchar_t& c : result) {
    if (c == L'/')
      c = L'\\';
  }
  return result;
}

bool ReadFileBytes(const std::wstring& path, std::string* bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return false;
  char buffer[4096];
  DWORD read = 0;
  bool ok = true;
  while ((ok = ReadFile(file, buffer, sizeof(buffer), &read, nullptr)) && read > 0)
    bytes->append(buffer, read);
  CloseHandle(file);
  return ok;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: install_root_certificate PATH.pem\n");
    return 2;
  }
  std::string pem;
  if (!ReadFileBytes(WindowsPath(argv[1]), &pem)) {
    std::fprintf(stderr, "install_root_certificate: cannot read the certificate\n");
    return 1;
  }
  DWORD size = 0;
  if (!CryptStringToBinaryA(pem.data(), static_cast<DWORD>(pem.size()), CRYPT_STRING_BASE64HEADER,
                            nullptr, &size, nullptr, nullptr)) {
    std::fprintf(stderr, "install_root_certificate: not a PEM certificate\n");
    return 1;
  }
  std::vector<BYTE> der(size);
  CryptStringToBinaryA(pem.data(), static_cast<DWORD>(pem.size()), CRYPT_STRING_BASE64HEADER,
                       der.data(), &size, nullptr, nullptr);
  HCERTSTORE store =
      CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_LOCAL_MACHINE, L"Root");
  if (!store) {
    std::fprintf(stderr, "install_root_certificate: cannot open the root store: %lu\n",
                 GetLastError());
    return 1;
  }
  const bool added = CertAddEncodedCertificateToStore(store, X509_ASN_ENCODING, der.data(), size,
                                                      CERT_STORE_ADD_REPLACE_EXISTING, nullptr);
  const DWORD error = GetLastError();
  CertCloseStore(store, 0);
  if (!added) {
    std::fprintf(stderr, "install_root_certificate: cannot add the certificate: %lu\n", error);
    return 1;
  }
  std::printf("install_root_certificate: added to LocalMachine\\Root\n");
  return 0;
}
