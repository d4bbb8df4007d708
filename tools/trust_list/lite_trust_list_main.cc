// lite-trust-list: builds and checks the signed trusted-certificate list that
// a setup program carries.
//
//   lite-trust-list build --key-index N --key PRIVATE.pem --json OUT.json --signature OUT.dat
//                         CERT.pem...
//   lite-trust-list verify --public-key PUBLIC.pem JSON SIGNATURE
//
// The list names each certificate by its serial number (base64) and the
// SHA-256 of its public key bits (hex); the signature file holds the key
// index (16-bit little-endian) and an RSA PKCS#1 v1.5 SHA-1 signature over
// the list's exact bytes.
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/sha.h>
#include <openssl/x509.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "base/base64.h"
#include "base/json_reader.h"
#include "tools/common/file_io.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: lite-trust-list build --key-index N --key PRIVATE.pem --json OUT.json "
               "--signature OUT.dat CERT.pem...\n"
               "       lite-trust-list verify --public-key PUBLIC.pem JSON SIGNATURE\n");
  return 2;
}

struct X509Deleter {
  void operator()(X509* x) const { X509_free(x); }
};
struct KeyDeleter {
  void operator()(EVP_PKEY* k) const { EVP_PKEY_free(k); }
};
struct ContextDeleter {
  void operator()(EVP_MD_CTX* c) const { EVP_MD_CTX_free(c); }
};

// The list entry of a PEM certificate.
bool Entry(const std::string& path, base::JsonValue* entry) {
  FILE* file = std::fopen(path.c_str(), "r");
  if (!file)
    return false;
  std::unique_ptr<X509, X509Deleter> certificate(PEM_read_X509(file, nullptr, nullptr, nullptr));
  std::fclose(file);
  if (!certificate)
    return false;
  const ASN1_INTEGER* serial = X509_get0_serialNumber(certificate.get());
  const std::string serial_bytes(reinterpret_cast<const char*>(ASN1_STRING_get0_data(serial)),
                                 static_cast<size_t>(ASN1_STRING_length(serial)));
  const ASN1_BIT_STRING* key_bits = X509_get0_pubkey_bitstr(certificate.get());
  unsigned char digest[SHA256_DIGEST_LENGTH];
  SHA256(ASN1_STRING_get0_data(key_bits), static_cast<size_t>(ASN1_STRING_length(key_bits)),
         digest);
  std::string hex;
  for (unsigned char byte : digest) {
    char pair[3];
    std::snprintf(pair, sizeof(pair), "%02x", byte);
    hex += pair;
  }
  *entry = {{"id", base::Base64Encode(serial_bytes)}, {"pub_key", hex}};
  return true;
}

// RSA PKCS#1 v1.5 over SHA-1, most significant byte first.
bool Sign(const std::string& key_path, const std::string& data, std::string* signature) {
  FILE* file = std::fopen(key_path.c_str(), "r");
  if (!file)
    return false;
  std::unique_ptr<EVP_PKEY, KeyDeleter> key(PEM_read_PrivateKey(file, nullptr, nullptr, nullptr));
  std::fclose(file);
  std::unique_ptr<EVP_MD_CTX, ContextDeleter> context(EVP_MD_CTX_new());
  size_t length = 0;
  if (!key || !context ||
      EVP_DigestSignInit(context.get(), nullptr, EVP_sha1(), nullptr, key.get()) != 1 ||
      EVP_DigestSign(context.get(), nullptr, &length,
                     reinterpret_cast<const unsigned char*>(data.data()), data.size()) != 1) {
    return false;
  }
  signature->resize(length);
  if (EVP_DigestSign(context.get(), reinterpret_cast<unsigned char*>(signature->data()), &length,
                     reinterpret_cast<const unsigned char*>(data.data()), data.size()) != 1) {
    return false;
  }
  signature->resize(length);
  return true;
}

bool VerifySignature(const std::string& public_key_path,
                     const std::string& data,
                     const std::string& signature) {
  FILE* file = std::fopen(public_key_path.c_str(), "r");
  if (!file)
    return false;
  std::unique_ptr<EVP_PKEY, KeyDeleter> key(PEM_read_PUBKEY(file, nullptr, nullptr, nullptr));
  std::fclose(file);
  std::unique_ptr<EVP_MD_CTX, ContextDeleter> context(EVP_MD_CTX_new());
  return key && context &&
         EVP_DigestVerifyInit(context.get(), nullptr, EVP_sha1(), nullptr, key.get()) == 1 &&
         EVP_DigestVerify(context.get(), reinterpret_cast<const unsigned char*>(signature.data()),
                          signature.size(), reinterpret_cast<const unsigned char*>(data.data()),
                          data.size()) == 1;
}

int Build(int argc, char** argv) {
  int key_index = -1;
  std::string key, json_path, signature_path;
  std::vector<std::string> certificates;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&]() { return i + 1 < argc ? std::string(argv[++i]) : std::string(); };
    if (arg == "--key-index")
      key_index = std::atoi(value().c_str());
    else if (arg == "--key")
      key = value();
    else if (arg == "--json")
      json_path = value();
    else if (arg == "--signature")
      signature_path = value();
    else
      certificates.push_back(arg);
  }
  if (key_index < 0 || key_index > 0xFFFF || key.empty() || json_path.empty() ||
      signature_path.empty() || certificates.empty())
    return Usage();
  base::JsonValue list = base::JsonValue::array();
  for (const std::string& path : certificates) {
    base::JsonValue entry;
    if (!Entry(path, &entry)) {
      std::fprintf(stderr, "lite-trust-list: %s is not a PEM certificate\n", path.c_str());
      return 1;
    }
    list.push_back(entry);
  }
  std::string text;
  base::WriteJsonIndented({{"trusted_info", {{"certificates", list}}}}, &text);
  std::string signature;
  if (!Sign(key, text, &signature)) {
    std::fprintf(stderr, "lite-trust-list: cannot sign with %s\n", key.c_str());
    return 1;
  }
  std::string dat;
  dat.push_back(static_cast<char>(key_index & 0xFF));
  dat.push_back(static_cast<char>(key_index >> 8));
  dat += signature;
  if (!tools::WriteFile(json_path, text) || !tools::WriteFile(signature_path, dat))
    return 1;
  std::printf("wrote %s (%zu certificates) and %s (key %d)\n", json_path.c_str(),
              certificates.size(), signature_path.c_str(), key_index);
  return 0;
}

int Verify(int argc, char** argv) {
  if (argc != 6 || std::string(argv[2]) != "--public-key")
    return Usage();
  std::string json, dat;
  if (!tools::ReadFile(argv[4], &json) || !tools::ReadFile(argv[5], &dat) || dat.size() < 3) {
    std::fprintf(stderr, "lite-trust-list: cannot read the list or its signature\n");
    return 1;
  }
  const int index = static_cast<unsigned char>(dat[0]) | static_cast<unsigned char>(dat[1]) << 8;
  const bool ok = VerifySignature(argv[3], json, dat.substr(2));
  std::printf("%s (key index %d)\n", ok ? "signature holds" : "signature does not hold", index);
  return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::string(argv[1]) == "build")
    return Build(argc, argv);
  if (argc >= 2 && std::string(argv[1]) == "verify")
    return Verify(argc, argv);
  return Usage();
}
