#pragma once

namespace KOR {

// The engine's pi and 2pi as single-precision constants.
inline constexpr float kPi = 3.1415927f;
inline constexpr float kTwoPi = 6.2831855f;

// The angle_between rule of the vector types: acos of the cosine when the
// sign term is positive, else 2pi minus it. The cosine is clamped to [-1, 1]
// so that rounding on nearly parallel vectors cannot give NaN, and a zero
// vector (no direction) gives 0.
float angle_from_cosine(float dot, float length_a, float length_b, float sign_term);

// Truncation toward zero, as a cast does, but defined for every input: NaN
// gives 0 and values beyond the int range saturate.
int truncate_to_int(double v);

}  // namespace KOR
