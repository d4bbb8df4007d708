#include "installer/velnor/util/trust_provider_win.h"

#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <softpub.h>
#include <wincrypt.h>
#include <wintrust.h>

#include <algorithm>
#include <cstring>

#include "base/dotted_version.h"
#include "base/win/crypt_hash_win.h"
#include "base/win/scoped_crypt_win.h"
#include "base/win/scoped_handle_win.h"
#include "base/win/wide.h"
#include "installer/util/file_version.h"
#include "installer/util/guarded_call_win.h"
#include "installer/util/windows_version_win.h"
#include "installer/velnor/util/velnor_trust_verifier.h"
#include "logging/log_message.h"

namespace install_util {

namespace {

constexpr DWORD kVerifySpecificSignature = 0x1;     // WSS_VERIFY_SPECIFIC
constexpr DWORD kGetSecondarySignatureCount = 0x2;  // WSS_GET_SECONDARY_SIG_COUNT
constexpr char kSha256WithRsa[] = "1.2.840.113549.1.1.11";

struct VerifyCall {
  WintrustDataWithSettings* data;
  LONG status;
};

std::vector<uint32_t> Crypt32Version() {
  wchar_t system[MAX_PATH];
  const UINT length = ::GetSystemDirectoryW(system, MAX_PATH);
  if (length == 0 || length >= MAX_PATH)
    return {};
  uint64_t version = 0;
  if (!installer::GetFileVersion(base::win::FromWide(system) + u"\\crypt32.dll", &version)) {
    LOG(ERROR) << "crypt32.dll CreateFileVersionInfo error";
    return {};
  }
  return base::ParseDottedVersion(installer::FormatFileVersion(version));
}

}  // namespace

TrustProviderWin::TrustProviderWin() {
  std::memset(&file_info_, 0, sizeof(file_info_));
  std::memset(&settings_, 0, sizeof(settings_));
  std::memset(&data_, 0, sizeof(data_));
}

TrustProviderWin::~TrustProviderWin() {
  Close();
}

long TrustProviderWin::Verify(const base::String16& path,
                              uint32_t index,
                              bool prevents_net_usage,
                              bool hash_only) {
  Close();
  path_ = path;
  file_info_.cbStruct = sizeof(file_info_);
  file_info_.pcwszFilePath = base::win::AsWide(path_);
  settings_.cbStruct = sizeof(settings_);
  settings_.dwIndex = index;
  settings_.dwFlags = kVerifySpecificSignature | kGetSecondarySignatureCount;
  data_.cbStruct = sizeof(data_);
  data_.dwUIChoice = WTD_UI_NONE;
  data_.fdwRevocationChecks = prevents_net_usage ? WTD_REVOKE_NONE : WTD_REVOKE_WHOLECHAIN;
  data_.dwUnionChoice = WTD_CHOICE_FILE;
  data_.pFile = &file_info_;
  data_.dwStateAction = WTD_STATEACTION_VERIFY;
  data_.dwProvFlags =
      prevents_net_usage ? WTD_CACHE_ONLY_URL_RETRIEVAL : WTD_REVOCATION_CHECK_CHAIN;
  if (hash_only)
    data_.dwProvFlags |= WTD_HASH_ONLY_FLAG;
  data_.dwUIContext = WTD_UICONTEXT_INSTALL;
  data_.pSignatureSettings = &settings_;

  VerifyCall call{&data_, 0};
  installer::DownloadErrorInfo exception;
  const bool returned = installer::GuardedCall(
      [](void* argument) {
        auto* c = static_cast<VerifyCall*>(argument);
        GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
        c->status = ::WinVerifyTrust(static_cast<HWND>(INVALID_HANDLE_VALUE), &action,
                                     reinterpret_cast<WINTRUST_DATA*>(c->data));
      },
      &call, &exception);
  state_open_ = data_.hWVTStateData != nullptr;
  return returned ? call.status : kException;
}

void TrustProviderWin::Close() {
  if (!state_open_)
    return;
  data_.dwStateAction = WTD_STATEACTION_CLOSE;
  GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
  ::WinVerifyTrust(static_cast<HWND>(INVALID_HANDLE_VALUE), &action,
                   reinterpret_cast<WINTRUST_DATA*>(&data_));
  data_.hWVTStateData = nullptr;
  state_open_ = false;
}

bool TrustProviderWin::ExtractCertParams(CertParams* params) {
  CRYPT_PROVIDER_DATA* provider = ::WTHelperProvDataFromStateData(data_.hWVTStateData);
  if (!provider || provider->csSigners != 1)
    return false;
  CRYPT_PROVIDER_SGNR* signer = ::WTHelperGetProvSignerFromChain(provider, 0, FALSE, 0);
  if (!signer || signer->csCertChain < 2)
    return false;
  CRYPT_PROVIDER_CERT* leaf = ::WTHelperGetProvCertFromChain(signer, 0);
  if (!leaf || !leaf->pCert || !leaf->pCert->pCertInfo)
    return false;
  const CERT_INFO* info = leaf->pCert->pCertInfo;
  // The platform keeps serial numbers least significant byte first.
  params->serial.assign(info->SerialNumber.pbData,
                        info->SerialNumber.pbData + info->SerialNumber.cbData);
  std::reverse(params->serial.begin(), params->serial.end());
  params->is_sha256 = info->SignatureAlgorithm.pszObjId &&
                      std::strcmp(info->SignatureAlgorithm.pszObjId, kSha256WithRsa) == 0;
  const CRYPT_BIT_BLOB& key = info->SubjectPublicKeyInfo.PublicKey;
  params->public_key_hash.clear();
  if (key.cUnusedBits != 0) {
    PLOG(ERROR) << "Unsupported case: cUnusedBit=" << static_cast<uint32_t>(key.cUnusedBits);
  } else if (key.cbData == 0 || (params->public_key_hash = base::win::HashBytes(
                                     base::win::HashAlgorithm::kSha256, key.pbData, key.cbData))
                                    .empty()) {
    PLOG(ERROR) << "Failed to get public key sha256";
  }
  return true;
}

bool TrustProviderWin::IsWin7UpdateCase() {
  const installer::WindowsVersion windows = installer::GetWindowsVersion();
  std::vector<uint32_t> windows_version;
  if (windows.major != 0)
    windows_version = {windows.major, windows.minor, windows.build, windows.update_build};
  else
    LOG(ERROR) << "Failed to get Windows version";
  // The extended check is on by default, without version limits.
  return IsWin7UpdateCaseFor(windows_version, Crypt32Version(), true, "", "");
}

int TrustProviderWin::VerifyFileSigner(const base::String16& path) {
  const DWORD attributes = ::GetFileAttributesW(base::win::AsWide(path));
  if (attributes == INVALID_FILE_ATTRIBUTES)
    return 1;
  {
    const base::win::ScopedHandle file(::CreateFileW(base::win::AsWide(path), GENERIC_READ,
                                                     FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                                     nullptr));
    BYTE first = 0;
    DWORD read = 0;
    if (!file.IsValid() || !::ReadFile(file.Get(), &first, 1, &read, nullptr) || read != 1)
      return 2;
  }
  base::win::ScopedCertStore store;
  base::win::ScopedCryptMsg message;
  if (!::CryptQueryObject(CERT_QUERY_OBJECT_FILE, base::win::AsWide(path),
                          CERT_QUERY_CONTENT_FLAG_PKCS7_SIGNED_EMBED, CERT_QUERY_FORMAT_FLAG_BINARY,
                          0, nullptr, nullptr, nullptr, store.Receive(), message.Receive(),
                          nullptr)) {
    PLOG(ERROR) << "Failed to CryptQueryObject, gle=" << static_cast<uint32_t>(::GetLastError())
                << " filepath=" << path;
    return 3;
  }
  int result = 0;
  HCERTSTORE stores[] = {store.Get()};
  if (!::CryptMsgGetAndVerifySigner(message.Get(), 1, stores, CMSG_TRUSTED_SIGNER_FLAG, nullptr,
                                    nullptr)) {
    PLOG(ERROR) << "Failed to CryptMsgGetAndVerifySigner, gle="
                << static_cast<uint32_t>(::GetLastError()) << " filepath=" << path;
    result = 4;
  }
  return result;
}

}  // namespace install_util
