// The annotations stream a minidump carries as a user stream, and the fix-up
// that turns its positions into file positions once the dump is written.
//
// Stream layout (little-endian): version 1, report id, client id (16 bytes
// each), annotations size and position, module list size and position (both
// 0), then the annotation list: its count n, n pairs of (key, value)
// positions, and the string area, where each string is a 32-bit byte length,
// the bytes and one 0 byte. Positions are relative (to the stream for the
// list, to the string area for the strings) until the fix-up adds where the
// stream landed in the file.
#ifndef CRASH_ANNOTATIONS_STREAM_H_
#define CRASH_ANNOTATIONS_STREAM_H_

#include <cstdint>
#include <string>

#include "crash/crash_annotations.h"
#include "crash/file_io.h"

namespace crashpad {

inline constexpr uint32_t kAnnotationsStreamType = 0x43500001;
// Where the annotation list starts inside the stream.
inline constexpr uint32_t kAnnotationListOffset = 52;

// The stream's bytes, empty if it would not fit 32-bit sizes.
std::string BuildAnnotationsStream(const Guid& report_id,
                                   const Guid& client_id,
                                   const Annotations& annotations);

// Reads the dump's header and stream directory, finds the (last) annotations
// stream and rewrites its positions as file positions. |annotation_count| is
// the n the stream was built with. Every read and write must transfer its
// full size; a dump that does not hold the stream as built fails, logged.
bool FixAnnotationsStreamPositions(FileReaderWriterInterface* dump, uint32_t annotation_count);

}  // namespace crashpad

#endif  // CRASH_ANNOTATIONS_STREAM_H_
