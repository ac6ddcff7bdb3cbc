#include "foundation/KS_VERTEX.h"

#include "foundation/KS_MATRIX4.h"

namespace KOR {

void KS_VERTEX::transform(const KS_MATRIX4& m) { m.transform_point(position); }

}  // namespace KOR
