// Owner of one reference to a COM object.
#ifndef BASE_WIN_SCOPED_COM_WIN_H_
#define BASE_WIN_SCOPED_COM_WIN_H_

#include <windows.h>

#include "base/scoped_generic.h"

namespace base::win {

template <typename Interface>
struct ComReferenceTraits {
  static Interface* InvalidValue() { return nullptr; }
  static void Free(Interface* object) { object->Release(); }
};

// Receive() hands out the slot as Interface**; for QueryInterface-style calls
// that take void**, pass reinterpret_cast<void**>(ptr.Receive()).
template <typename Interface>
class ScopedComPtr : public ScopedGeneric<ComReferenceTraits<Interface>> {
 public:
  using ScopedGeneric<ComReferenceTraits<Interface>>::ScopedGeneric;
  Interface* operator->() const { return this->Get(); }
};

}  // namespace base::win

#endif  // BASE_WIN_SCOPED_COM_WIN_H_
