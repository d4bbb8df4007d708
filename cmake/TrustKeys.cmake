# The ten RSA-1024 public keys that sign trusted-certificate lists, read from
# a keys file at configure time: one base64 DER SubjectPublicKeyInfo per line,
# index 0 to 9. The repository's default is a development key set.
set(LITE_TRUST_KEYS_FILE "${PROJECT_SOURCE_DIR}/tests/pki/trust-keys/dev-trust-keys.txt"
    CACHE FILEPATH "Public keys that sign trusted-certificate lists (ten lines)")

# An RSA-1024 key with exponent 65537 encodes to 216 base64 characters with
# this beginning and this end.
set(lite_rsa1024_prefix "MIGfMA0GCSqGSIb3DQEBAQUAA4GNADCBiQKBgQ")
set(lite_rsa1024_suffix "IDAQAB")

if(NOT EXISTS "${LITE_TRUST_KEYS_FILE}")
  message(FATAL_ERROR "Trust keys file ${LITE_TRUST_KEYS_FILE} does not exist")
endif()
file(STRINGS "${LITE_TRUST_KEYS_FILE}" lite_trust_keys)
list(LENGTH lite_trust_keys lite_trust_key_count)
if(NOT lite_trust_key_count EQUAL 10)
  message(FATAL_ERROR "Trust keys file ${LITE_TRUST_KEYS_FILE} holds ${lite_trust_key_count} "
                      "keys; it must hold exactly 10 (index 0 to 9), one per line")
endif()
set(lite_trust_key_lines "")
set(lite_index 0)
foreach(key IN LISTS lite_trust_keys)
  string(LENGTH "${key}" key_length)
  string(SUBSTRING "${key}" 0 38 key_prefix)
  if(NOT key_length EQUAL 216 OR NOT key_prefix STREQUAL lite_rsa1024_prefix
     OR NOT key MATCHES "${lite_rsa1024_suffix}$" OR NOT key MATCHES "^[A-Za-z0-9+/]+=*$")
    math(EXPR lite_line "${lite_index} + 1")
    message(FATAL_ERROR "Trust keys file ${LITE_TRUST_KEYS_FILE}: key ${lite_index} (line "
                        "${lite_line}) is not a base64 DER RSA-1024 public key with "
                        "exponent 65537")
  endif()
  string(APPEND lite_trust_key_lines "    \"${key}\",\n")
  math(EXPR lite_index "${lite_index} + 1")
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/installer/velnor/util/trust_keys.h.in
               ${CMAKE_BINARY_DIR}/generated/installer/velnor/util/trust_keys.h @ONLY)
