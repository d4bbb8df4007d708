#include "installer/velnor/util/velnor_trust_verifier.h"

#include "base/base64.h"
#include "base/dotted_version.h"
#include "base/hex.h"
#include "base/json_reader.h"
#include "logging/log_message.h"
#include "logging/log_platform.h"

namespace install_util {

namespace {

// 32 bytes from exactly 64 hexadecimal digits; empty otherwise.
std::vector<uint8_t> DecodePubKey(const std::string& text) {
  if (text.size() != 64)
    return {};
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i < 64; i += 2) {
    int pair = 0;
    for (size_t k = 0; k < 2; ++k) {
      const char c = text[i + k];
      int digit;
      if (c >= '0' && c <= '9')
        digit = c - '0';
      else if (c >= 'a' && c <= 'f')
        digit = c - 'a' + 10;
      else if (c >= 'A' && c <= 'F')
        digit = c - 'A' + 10;
      else
        return {};
      pair = pair * 16 + digit;
    }
    bytes.push_back(static_cast<uint8_t>(pair));
  }
  return bytes;
}

// A version parameter restricts only when it is set and well formed; then
// the running version must be readable and greater.
bool PassesVersionParameter(const std::vector<uint32_t>& version, std::string_view parameter) {
  const std::vector<uint32_t> limit = base::ParseDottedVersion(parameter);
  if (limit.empty())
    return true;
  return !version.empty() && base::CompareVersions(version, limit) > 0;
}

}  // namespace

std::string HexEncode(const std::vector<uint8_t>& bytes) {
  return base::HexEncode(bytes.data(), bytes.size(), base::HexCase::kUpper);
}

bool VelnorTrustVerifierBase::GetTrustedFiles(std::string_view text, TrustedCertificateList* list) {
  list->clear();
  base::JsonValue root;
  std::string error;
  if (!base::ReadJson(text, &root, &error)) {
    LOG(ERROR) << "Failed to read json : " << error;
    return false;
  }
  const base::JsonValue* certificates = base::FindJsonPath(root, "trusted_info.certificates");
  if (!root.is_object() || !root["trusted_info"].is_object() || !certificates ||
      !certificates->is_array()) {
    LOG(ERROR) << "Incorrect format of json";
    return false;
  }
  for (const base::JsonValue& element : *certificates) {
    if (!element.is_object())
      continue;
    const auto id = element.find("id");
    std::string id_bytes;
    if (id == element.end() || !id->is_string() ||
        !base::Base64Decode(id->get<std::string>(), &id_bytes)) {
      continue;
    }
    TrustedCertificate certificate;
    certificate.id.assign(id_bytes.begin(), id_bytes.end());
    const auto pub_key = element.find("pub_key");
    if (pub_key != element.end() && pub_key->is_string())
      certificate.pub_key = DecodePubKey(pub_key->get<std::string>());
    list->emplace(certificate.id, std::move(certificate));
  }
  return true;
}

const TrustedCertificate* FindTrustedCertificate(const TrustedCertificateList& list,
                                                 const std::vector<uint8_t>& serial) {
  // An empty serial is a suffix of every id: it must match nothing.
  if (serial.empty())
    return nullptr;
  for (const auto& [id, certificate] : list) {
    if (id.size() < serial.size())
      continue;
    if (std::equal(serial.rbegin(), serial.rend(), id.rbegin()))
      return &certificate;
  }
  return nullptr;
}

bool IsWin7UpdateCaseFor(const std::vector<uint32_t>& windows_version,
                         const std::vector<uint32_t>& crypt32_version,
                         bool feature_enabled,
                         std::string_view win7_version_parameter,
                         std::string_view crypt_version_parameter) {
  const bool before_windows_10 =
      !windows_version.empty() && base::CompareVersions(windows_version, {10, 0}) < 0;
  return before_windows_10 && feature_enabled &&
         PassesVersionParameter(windows_version, win7_version_parameter) &&
         PassesVersionParameter(crypt32_version, crypt_version_parameter);
}

VelnorTrustVerifier::VelnorTrustVerifier(std::string_view trusted_json, TrustProvider* provider)
    : provider_(provider) {
  GetTrustedFiles(trusted_json, &trusted_);
}

bool VelnorTrustVerifier::VerifyModule(const base::String16& path, bool is_prevents_net_usage) {
  LOG(INFO) << "Verifying " << path;
  return VerifyModuleImpl(path, is_prevents_net_usage);
}

bool VelnorTrustVerifier::VerifyModuleImpl(const base::String16& path, bool is_prevents_net_usage) {
  if (trusted_.empty())
    return false;
  bool verified = false;
  bool sha256_failed = false;
  bool hash_only = false;
  for (uint32_t index = 0;; ++index) {
    long status = provider_->Verify(path, index, is_prevents_net_usage, hash_only);
    bool usable = false;
    if (status == TrustProvider::kException) {
      PLOG(ERROR) << "An attempt to verify " << path << " generated an exception "
                  << static_cast<uint32_t>(logging::platform::LastErrorCode())
                  << ", is_prevents_net_usage = " << is_prevents_net_usage;
    } else if (status != 0 && provider_->IsWin7UpdateCase()) {
      LOG(WARNING) << "Start additional sha256 verification. " << path << " Error code: " << status;
      hash_only = true;
      status = provider_->Verify(path, index, is_prevents_net_usage, hash_only);
      LOG(INFO) << "Extended verification " << (status == 0 ? "success. " : "failed. ") << path
                << " Error code: " << status;
      usable = status == 0;
    } else {
      usable = status == 0;
    }

    CertParams params;
    if (usable && provider_->IsWin7UpdateCase() && provider_->ShouldVerifySigner()) {
      LOG(INFO) << "Trying to verify the signer of file " << path;
      const int code = provider_->VerifyFileSigner(path);
      if (code != 0) {
        PLOG(ERROR) << "Failed to verify signer, error=" << code;
        usable = false;
      } else {
        LOG(INFO) << "Signer verified";
      }
    }
    if (usable && !provider_->ExtractCertParams(&params)) {
      PLOG_AT(ERROR, "velnor_trust_verifier_win") << "ExtractCertParams failed. " << path;
      usable = false;
    }
    if (usable && !(!params.is_sha256 && sha256_failed)) {
      LOG(INFO) << "Certificate's serial number: " << HexEncode(params.serial);
      LOG(INFO) << "Certificate's public key: " << HexEncode(params.public_key_hash);
      const TrustedCertificate* entry = FindTrustedCertificate(trusted_, params.serial);
      bool matched = false;
      if (!entry) {
        PLOG(ERROR) << "Can not find sertificate in trusted list. " << path;
      } else if (!entry->pub_key.empty() && !params.public_key_hash.empty() &&
                 entry->pub_key != params.public_key_hash) {
        PLOG(ERROR) << "Public key is not match. " << path;
      } else {
        matched = true;
      }
      if (matched) {
        verified = true;
        if (params.is_sha256) {
          LOG(INFO) << "File successfully verified with sha256. " << path;
          provider_->Close();
          return true;
        }
      } else if (params.is_sha256) {
        PLOG(ERROR) << "SHA256 verification failed. " << path;
        sha256_failed = true;
        verified = false;
      }
    }
    if (index + 1 > provider_->SecondarySignatureCount())
      break;
  }

  if (verified) {
    LOG(INFO) << "File successfully verified. " << path;
  } else {
    PLOG(ERROR) << "KNOWN_ERROR_untrusted_certificate";
    PLOG(ERROR) << "Can not find any trusted certificates. " << path;
    for (const auto& [id, certificate] : trusted_) {
      PLOG(ERROR) << "Trusted JSON serial number: " << HexEncode(certificate.id);
      PLOG(ERROR) << "Trusted JSON public key: " << HexEncode(certificate.pub_key);
    }
  }
  provider_->Close();
  return verified;
}

}  // namespace install_util
