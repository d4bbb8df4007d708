// Registry values kept in a map.
#ifndef TESTS_HOST_FAKE_REGISTRY_H_
#define TESTS_HOST_FAKE_REGISTRY_H_

#include <map>
#include <string>

#include "installer/util/registry_values.h"

namespace test {

class FakeRegistry : public installer::RegistryValues {
 public:
  bool Store(const std::string& name, const base::String16& text) override {
    values[name] = text;
    return true;
  }
  base::String16 Read(const std::string& name) override {
    const auto it = values.find(name);
    return it == values.end() ? base::String16() : it->second;
  }
  bool Remove(const std::string& name) override { return values.erase(name) != 0; }

  std::map<std::string, base::String16> values;
};

}  // namespace test

#endif  // TESTS_HOST_FAKE_REGISTRY_H_
