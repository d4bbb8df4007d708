#include "base/scoped_generic.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace {

// Records every release so a test can tell each value was freed exactly once.
std::map<int, int>& Releases() {
  static std::map<int, int> releases;
  return releases;
}

struct CountingTraits {
  static int InvalidValue() { return -1; }
  static void Free(int value) { ++Releases()[value]; }
};

// Two values mean "nothing held"; Free reports whether the release worked.
struct TwoInvalidTraits {
  static int InvalidValue() { return 0; }
  static bool IsValid(int value) { return value != 0 && value != -1; }
  static bool Free(int value) {
    ++Releases()[value];
    return value != 13;
  }
};

using Counted = base::ScopedGeneric<CountingTraits>;
using TwoInvalid = base::ScopedGeneric<TwoInvalidTraits>;

class ScopedGenericTest : public ::testing::Test {
 protected:
  void SetUp() override { Releases().clear(); }
};

bool EarlyReturn(bool leave_early) {
  Counted held(7);
  if (leave_early)
    return false;
  Counted other(8);
  return other.IsValid();
}

TEST_F(ScopedGenericTest, ReleasesOnceOnEveryExitPath) {
  EXPECT_FALSE(EarlyReturn(true));
  EXPECT_TRUE(EarlyReturn(false));
  EXPECT_EQ(Releases()[7], 2);
  EXPECT_EQ(Releases()[8], 1);
  { Counted empty; }
  EXPECT_EQ(Releases().count(-1), 0u);
}

TEST_F(ScopedGenericTest, MovesTransferOwnership) {
  {
    Counted first(1);
    Counted second(std::move(first));
    EXPECT_FALSE(first.IsValid());
    EXPECT_EQ(second.Get(), 1);
    Counted third(2);
    third = std::move(second);  // 2 is released, 1 moves on.
    EXPECT_EQ(Releases()[2], 1);
    EXPECT_EQ(Releases()[1], 0);
    auto& alias = third;
    third = std::move(alias);  // Self-move keeps the value.
    EXPECT_EQ(third.Get(), 1);
  }
  EXPECT_EQ(Releases()[1], 1);
  EXPECT_EQ(Releases()[2], 1);
}

TEST_F(ScopedGenericTest, ResetTakeAndReceive) {
  Counted held(3);
  held.Reset(3);  // The same value is not released under its owner.
  EXPECT_EQ(Releases()[3], 0);
  held.Reset(4);
  EXPECT_EQ(Releases()[3], 1);
  EXPECT_EQ(held.Take(), 4);
  EXPECT_FALSE(held.IsValid());
  held.Reset();
  EXPECT_EQ(Releases()[4], 0);

  Counted out(5);
  int* slot = out.Receive();
  EXPECT_EQ(Releases()[5], 1);
  EXPECT_EQ(*slot, -1);
  *slot = 6;
  EXPECT_EQ(out.Get(), 6);
  EXPECT_TRUE(out.Close());
  EXPECT_EQ(Releases()[6], 1);
  EXPECT_FALSE(out.IsValid());
  EXPECT_TRUE(out.Close());
  EXPECT_EQ(Releases()[6], 1);
}

TEST_F(ScopedGenericTest, TraitsValidityAndReportedRelease) {
  {
    TwoInvalid none(-1);
    EXPECT_FALSE(none.IsValid());
    TwoInvalid failing(13);
    EXPECT_FALSE(failing.Close());
    EXPECT_FALSE(failing.IsValid());
    TwoInvalid fine(14);
    EXPECT_TRUE(fine.Close());
  }
  EXPECT_EQ(Releases().count(-1), 0u);
  EXPECT_EQ(Releases()[13], 1);
  EXPECT_EQ(Releases()[14], 1);
}

}  // namespace
