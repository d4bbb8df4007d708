#include "installer/velnor/util/shell_association.h"

#include <cstdio>

namespace installer::win10_default_browser {

std::string HResultText(HResult hr) {
  char text[16];
  std::snprintf(text, sizeof(text), "0x%08X", static_cast<unsigned>(hr));
  return text;
}

std::string IidText(const Iid& iid) {
  char text[40];
  std::snprintf(text, sizeof(text), "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned>(iid.data1), iid.data2, iid.data3, iid.data4[0], iid.data4[1],
                iid.data4[2], iid.data4[3], iid.data4[4], iid.data4[5], iid.data4[6], iid.data4[7]);
  return text;
}

}  // namespace installer::win10_default_browser
