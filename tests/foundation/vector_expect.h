#pragma once

#include <gtest/gtest.h>

#include "foundation/KS_VECTOR3.h"

namespace foundation_test {

// Each component of v within the tolerance of x, y and z.
inline void expect_near(const KOR::KS_VECTOR3& v, float x, float y, float z,
                        float tolerance = 1e-5f) {
  EXPECT_NEAR(v.x, x, tolerance);
  EXPECT_NEAR(v.y, y, tolerance);
  EXPECT_NEAR(v.z, z, tolerance);
}

}  // namespace foundation_test
