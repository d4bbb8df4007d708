// The Windows half of the trusted-module verifier: the signed trusted list
// read from the module's resources.
#include <windows.h>

#include "base/base64.h"
#include "base/win/resource_bytes_win.h"
#include "base/win/scoped_handle_win.h"
#include "base/win/wide.h"
#include "installer/velnor/util/signature_verifier_win.h"
#include "installer/velnor/util/trust_keys.h"
#include "installer/velnor/util/velnor_trust_verifier.h"
#include "logging/log_message.h"

namespace install_util {

namespace {

bool IsAbsolutePath(const base::String16& path) {
  auto separator = [](char16_t c) { return c == u'\\' || c == u'/'; };
  const bool drive =
      path.size() >= 3 &&
      ((path[0] >= u'A' && path[0] <= u'Z') || (path[0] >= u'a' && path[0] <= u'z')) &&
      path[1] == u':' && separator(path[2]);
  const bool unc = path.size() >= 2 && separator(path[0]) && separator(path[1]);
  return drive || unc;
}

}  // namespace

std::string VelnorTrustVerifier::GetTrustJsonFromModule(const base::String16& path) {
  if (!IsAbsolutePath(path)) {
    PLOG(ERROR) << "Attempting to GetTrustJsonFromModule at an invalid path: " << path;
    return std::string();
  }
  base::win::ScopedLibrary module(::LoadLibraryExW(
      base::win::AsWide(path), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE | LOAD_LIBRARY_AS_DATAFILE));
  if (!module.IsValid()) {
    PLOG(ERROR) << "Failed to load module for GetTrustJsonFromModule: " << path;
    return std::string();
  }
  const std::string signature(
      base::win::ResourceBytes(module.Get(), L"SIGNATURE.DAT", L"SIGNATURE_DAT"));
  if (signature.size() < 3) {
    PLOG(ERROR) << "Cannot find resource "
                << "SIGNATURE_DAT";
    return std::string();
  }
  const std::string trusted(
      base::win::ResourceBytes(module.Get(), L"TRUSTED.JSON", L"TRUSTED_JSON"));
  if (trusted.empty()) {
    PLOG(ERROR) << "Cannot find resource "
                << "TRUSTED_JSON";
    return std::string();
  }
  const unsigned index = static_cast<uint8_t>(signature[0]) |
                         static_cast<unsigned>(static_cast<uint8_t>(signature[1])) << 8;
  std::string key;
  if (index >= static_cast<unsigned>(kTrustJsonKeyCount) ||
      !base::Base64Decode(kTrustJsonKeys[index], &key)) {
    PLOG(ERROR) << "Cannot find key";
    return std::string();
  }
  auto bytes = [](const std::string& s) { return reinterpret_cast<const uint8_t*>(s.data()); };
  SignatureVerifier verifier;
  if (!verifier.Verify(bytes(signature) + 2, signature.size() - 2, bytes(key), key.size(),
                       bytes(trusted), trusted.size())) {
    PLOG(ERROR) << "Verify error";
    return std::string();
  }
  return trusted;
}

}  // namespace install_util
