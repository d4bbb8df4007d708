// The trust provider over WinVerifyTrust: one signature of a file at a time,
// its leaf certificate, and the signer check of the extended path.
#ifndef INSTALLER_VELNOR_UTIL_TRUST_PROVIDER_WIN_H_
#define INSTALLER_VELNOR_UTIL_TRUST_PROVIDER_WIN_H_

#include <windows.h>
// windows.h first: the other system headers build on its types.
#include <wintrust.h>

#include "installer/velnor/util/trust_provider.h"

namespace install_util {

// The request layout that newer systems accept: mingw-w64's headers lack the
// signature settings and the member that points at them.
struct WintrustSignatureSettings {
  DWORD cbStruct;
  DWORD dwIndex;
  DWORD dwFlags;
  DWORD cSecondarySigs;
  DWORD dwVerifiedSigIndex;
  void* pCryptoPolicy;
};

struct WintrustDataWithSettings {
  DWORD cbStruct;
  void* pPolicyCallbackData;
  void* pSIPClientData;
  DWORD dwUIChoice;
  DWORD fdwRevocationChecks;
  DWORD dwUnionChoice;
  void* pFile;
  DWORD dwStateAction;
  HANDLE hWVTStateData;
  wchar_t* pwszURLReference;
  DWORD dwProvFlags;
  DWORD dwUIContext;
  WintrustSignatureSettings* pSignatureSettings;
};

class TrustProviderWin : public TrustProvider {
 public:
  TrustProviderWin();
  ~TrustProviderWin() override;

  long Verify(const base::String16& path,
              uint32_t index,
              bool prevents_net_usage,
              bool hash_only) override;
  uint32_t SecondarySignatureCount() override { return settings_.cSecondarySigs; }
  bool ExtractCertParams(CertParams* params) override;
  void Close() override;
  bool IsWin7UpdateCase() override;
  bool ShouldVerifySigner() override { return false; }
  int VerifyFileSigner(const base::String16& path) override;

 private:
  base::String16 path_;
  WINTRUST_FILE_INFO file_info_;
  WintrustSignatureSettings settings_;
  WintrustDataWithSettings data_;
  bool state_open_ = false;
};

}  // namespace install_util

#endif  // INSTALLER_VELNOR_UTIL_TRUST_PROVIDER_WIN_H_
