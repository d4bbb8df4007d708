#include "crash/annotations_stream.h"

#include <limits>
#include <vector>

#include "logging/log_message.h"

namespace crashpad {

namespace {

constexpr uint32_t kStreamVersion = 1;
constexpr uint32_t kDumpSignature = 0x504D444D;  // "MDMP"
constexpr size_t kDumpHeaderSize = 32;
constexpr size_t kDirectoryEntrySize = 12;
constexpr uint64_t kMaxPosition = std::numeric_limits<uint32_t>::max();

void AppendU32(std::string* out, uint32_t value) {
  for (int i = 0; i < 4; ++i)
    out->push_back(static_cast<char>(value >> (8 * i)));
}

void AppendGuid(std::string* out, const Guid& guid) {
  const auto bytes = guid.Bytes();
  out->append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

uint32_t GetU32(const uint8_t* bytes) {
  return uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 |
         uint32_t{bytes[3]} << 24;
}

void PutU32(uint8_t* bytes, uint32_t value) {
  for (int i = 0; i < 4; ++i)
    bytes[i] = static_cast<uint8_t>(value >> (8 * i));
}

bool ReadAt(FileReaderWriterInterface* dump, uint64_t position, void* data, size_t size) {
  return dump->SeekTo(position) && ReadExactly(dump, data, size);
}

bool WriteAt(FileReaderWriterInterface* dump, uint64_t position, const void* data, size_t size) {
  return dump->SeekTo(position) && dump->Write(data, size);
}

// The file position and size of the last annotations stream in the
// directory, or false.
bool FindAnnotationsStream(FileReaderWriterInterface* dump, uint32_t* position, uint32_t* size) {
  uint8_t header[kDumpHeaderSize];
  if (!ReadAt(dump, 0, header, sizeof(header))) {
    LOG(ERROR) << "Can't read the minidump header";
    return false;
  }
  if (GetU32(header) != kDumpSignature) {
    LOG(ERROR) << "Not a minidump";
    return false;
  }
  const uint32_t stream_count = GetU32(header + 8);
  if (!dump->SeekTo(GetU32(header + 12))) {
    LOG(ERROR) << "Can't read the minidump stream directory";
    return false;
  }
  bool found = false;
  for (uint32_t i = 0; i < stream_count; ++i) {
    uint8_t entry[kDirectoryEntrySize];
    if (!ReadExactly(dump, entry, sizeof(entry))) {
      LOG(ERROR) << "Can't read the minidump stream directory";
      return false;
    }
    if (GetU32(entry) == kAnnotationsStreamType) {
      found = true;
      *size = GetU32(entry + 4);
      *position = GetU32(entry + 8);
    }
  }
  if (!found)
    LOG(ERROR) << "No annotations stream in the minidump";
  return found;
}

}  // namespace

std::string BuildAnnotationsStream(const Guid& report_id,
                                   const Guid& client_id,
                                   const Annotations& annotations) {
  std::string strings;
  std::string list;
  AppendU32(&list, static_cast<uint32_t>(annotations.size()));
  for (const auto& [key, value] : annotations) {
    for (const std::string* text : {&key, &value}) {
      if (strings.size() > kMaxPosition - 5 || text->size() > kMaxPosition - 5 - strings.size())
        return std::string();
      AppendU32(&list, static_cast<uint32_t>(strings.size()));
      AppendU32(&strings, static_cast<uint32_t>(text->size()));
      strings += *text;
      strings.push_back('\0');
    }
  }
  const uint64_t annotations_size = uint64_t{list.size()} + strings.size();
  if (annotations_size > kMaxPosition - kAnnotationListOffset)
    return std::string();

  std::string stream;
  stream.reserve(kAnnotationListOffset + annotations_size);
  AppendU32(&stream, kStreamVersion);
  AppendGuid(&stream, report_id);
  AppendGuid(&stream, client_id);
  AppendU32(&stream, static_cast<uint32_t>(annotations_size));
  AppendU32(&stream, kAnnotationListOffset);
  AppendU32(&stream, 0);  // module list size
  AppendU32(&stream, 0);  // module list position
  stream += list;
  stream += strings;
  return stream;
}

bool FixAnnotationsStreamPositions(FileReaderWriterInterface* dump, uint32_t annotation_count) {
  uint32_t position = 0;
  uint32_t size = 0;
  if (!FindAnnotationsStream(dump, &position, &size))
    return false;
  // The stream as built: the fixed part, the count and the position pairs,
  // all inside the stream and every fixed position inside 32 bits.
  const uint64_t list_end = uint64_t{kAnnotationListOffset} + 4 + uint64_t{8} * annotation_count;
  if (size < list_end || uint64_t{position} + size > kMaxPosition) {
    LOG(ERROR) << "Annotations stream has a wrong size: " << size;
    return false;
  }

  uint8_t fixed[kAnnotationListOffset];
  if (!ReadAt(dump, position, fixed, sizeof(fixed))) {
    LOG(ERROR) << "Can't read the annotations stream";
    return false;
  }
  if (GetU32(fixed + 40) != kAnnotationListOffset) {
    LOG(ERROR) << "Annotations stream has a wrong list position: " << GetU32(fixed + 40);
    return false;
  }

  uint8_t count[4];
  if (!ReadAt(dump, uint64_t{position} + kAnnotationListOffset, count, sizeof(count)) ||
      GetU32(count) != annotation_count) {
    LOG(ERROR) << "Annotations stream has a wrong count";
    return false;
  }
  std::vector<uint8_t> pairs(size_t{8} * annotation_count);
  if (!ReadExactly(dump, pairs.data(), pairs.size())) {
    LOG(ERROR) << "Can't read the annotations stream";
    return false;
  }
  // The strings follow the pairs; each relative position becomes a file
  // position, which must still lie inside the stream.
  const uint64_t strings_start = uint64_t{position} + list_end;
  const uint64_t stream_end = uint64_t{position} + size;
  for (size_t offset = 0; offset < pairs.size(); offset += 4) {
    const uint64_t fixed_position = strings_start + GetU32(pairs.data() + offset);
    if (fixed_position >= stream_end) {
      LOG(ERROR) << "Annotations stream has a string outside it";
      return false;
    }
    PutU32(pairs.data() + offset, static_cast<uint32_t>(fixed_position));
  }
  // Nothing is written before the whole stream has been checked.
  PutU32(fixed + 40, position + kAnnotationListOffset);
  if (!WriteAt(dump, position, fixed, sizeof(fixed)) ||
      !WriteAt(dump, uint64_t{position} + kAnnotationListOffset + 4, pairs.data(), pairs.size())) {
    LOG(ERROR) << "Can't write the annotations stream";
    return false;
  }
  return true;
}

}  // namespace crashpad
