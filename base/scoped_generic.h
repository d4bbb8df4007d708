// One owner for every kind of handle: a Traits class names the value that
// means "nothing held" and how a held value is released.
//
//   struct Traits {
//     static Handle InvalidValue();
//     static bool IsValid(Handle h);  // optional; default h != InvalidValue()
//     static void Free(Handle h);     // or bool, reporting the release
//   };
#ifndef BASE_SCOPED_GENERIC_H_
#define BASE_SCOPED_GENERIC_H_

#include <type_traits>
#include <utility>

namespace base {

template <typename Traits>
class ScopedGeneric {
 public:
  using element_type = decltype(Traits::InvalidValue());

  ScopedGeneric() = default;
  explicit ScopedGeneric(element_type value) : value_(value) {}
  ScopedGeneric(const ScopedGeneric&) = delete;
  ScopedGeneric& operator=(const ScopedGeneric&) = delete;
  ScopedGeneric(ScopedGeneric&& other) noexcept : value_(other.Take()) {}
  ScopedGeneric& operator=(ScopedGeneric&& other) noexcept {
    if (this != &other)
      Reset(other.Take());
    return *this;
  }
  ~ScopedGeneric() { Reset(); }

  static bool IsValidValue(element_type value) {
    if constexpr (requires { Traits::IsValid(value); })
      return Traits::IsValid(value);
    else
      return value != Traits::InvalidValue();
  }

  bool IsValid() const { return IsValidValue(value_); }
  element_type Get() const { return value_; }

  // Gives up ownership without releasing.
  element_type Take() {
    element_type value = value_;
    value_ = Traits::InvalidValue();
    return value;
  }

  // Releases what is held (if anything) and holds |value| instead.
  void Reset(element_type value = Traits::InvalidValue()) {
    if (value_ != value)
      Close();
    value_ = value;
  }

  // Releases what is held now; false when the release itself reported a
  // failure (the caller may read the system's last error right after).
  bool Close() {
    const element_type value = Take();
    if (!IsValidValue(value))
      return true;
    if constexpr (std::is_same_v<decltype(Traits::Free(value)), void>) {
      Traits::Free(value);
      return true;
    } else {
      return static_cast<bool>(Traits::Free(value));
    }
  }

  // For APIs that write a new handle through a pointer: releases what is
  // held and hands out the slot.
  element_type* Receive() {
    Reset();
    return &value_;
  }

 private:
  element_type value_ = Traits::InvalidValue();
};

}  // namespace base

#endif  // BASE_SCOPED_GENERIC_H_
