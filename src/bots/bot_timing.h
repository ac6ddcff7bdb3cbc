#pragma once

namespace KOR {

struct KS_VECTOR3;

// The duration-or-speed rule of the rotate and scale behaviours, for a
// change vector, a duration and a speed compared exactly with 0: both given
// keep everything; one given derives the other from the change's length and
// makes the change a unit vector; neither gives 1 s and, when
// speed_from_length is set, the length as speed with a unit change, else a
// speed of 1 with the change as it is.
void settle_timing(KS_VECTOR3& change, float& duration, float& speed, bool speed_from_length);

}  // namespace KOR
