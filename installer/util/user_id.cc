#include "installer/util/user_id.h"

#include <atomic>

#include "logging/log_message.h"

namespace broupdater {

namespace {

constexpr size_t kMaxUserIdSize = 64;

// "Broupdater.UserIdRetrievalResult".
std::atomic<int> g_retrieval_counts[kUserIdRetrievalResultCount];

bool ReadUserIdFromFile(UserIdPlatform* platform, const base::String16& path, std::string* id) {
  std::string content;
  if (!platform->ReadFile(path, kMaxUserIdSize + 1, &content)) {
    PLOG(ERROR) << "Failed to read file " << path;
    return false;
  }
  if (content.empty() || content.size() > kMaxUserIdSize) {
    PLOG(ERROR) << "Incorrect User ID file content";
    return false;
  }
  *id = std::move(content);
  return true;
}

UserIdRetrievalResult GenerateAndStoreUserId(UserIdPlatform* platform, std::string* id) {
  *id = platform->NewGuid();
  const base::String16 path = platform->GetUserIdFilePath(true);
  if (path.empty())
    return kUserIdNoFilePath;
  if (!platform->WriteFile(path, *id)) {
    PLOG(ERROR) << "Can't write file " << path;
    return kUserIdFileNotWritten;
  }
  if (!platform->RememberUidIsCreated()) {
    PLOG(ERROR) << "Can't create 'UI created' entry";
    return kUserIdMarkerNotWritten;
  }
  return kUserIdReadOrCreated;
}

std::string GetUserIdInternal(UserIdPlatform* platform, UserIdRetrievalResult* result) {
  std::string id;
  const base::String16 path = platform->GetUserIdFilePath(false);
  if (!path.empty() && platform->FileExists(path) && ReadUserIdFromFile(platform, path, &id)) {
    *result = kUserIdReadOrCreated;
    return id;
  }
  if (platform->MarkerExists()) {
    LOG(INFO) << "Registry entry already exists, skip User ID file generation";
    *result = kUserIdMarkerWithoutFile;
    return std::string();
  }
  *result = GenerateAndStoreUserId(platform, &id);
  if (*result != kUserIdReadOrCreated)
    id.clear();
  return id;
}

}  // namespace

std::string GetUserId(UserIdPlatform* platform, UserIdRetrievalResult* result) {
  UserIdRetrievalResult outcome = kUserIdReadOrCreated;
  std::string id = GetUserIdInternal(platform, &outcome);
  ++g_retrieval_counts[outcome];
  if (result)
    *result = outcome;
  return id;
}

int GetUserIdRetrievalCount(UserIdRetrievalResult result) {
  return g_retrieval_counts[result];
}

}  // namespace broupdater
