// Percent-escaping of values that travel inside statistics URLs.
#ifndef INSTALLER_STATS_STAT_ESCAPE_H_
#define INSTALLER_STATS_STAT_ESCAPE_H_

#include <string>
#include <string_view>

namespace installer {

// True for the bytes the statistics escape set turns into "%XX": controls,
// every byte from 0x80 up, and the punctuation a URL segment must not carry.
bool IsInStatEscapeSet(unsigned char byte);

// Each byte of the set becomes "%" and two upper-case hexadecimal digits.
std::string EscapeForStat(std::string_view utf8);

// Escaped twice: every "%" of the first pass becomes "%25" in the second, so
// the value survives the statistics service decoding it once.
std::string DoubleEscapeForStat(std::string_view utf8);

// An equivalent of the system's URL escaping in segment mode, for hosts
// without it: controls, bytes 0x80-0xFF, space and < > " { } | \ ^ [ ] ` &
// / ? # become "%XX"; other characters, including letters beyond 0xFF, stay.
std::u16string EscapeUrlSegment(std::u16string_view text);

}  // namespace installer

#endif  // INSTALLER_STATS_STAT_ESCAPE_H_
