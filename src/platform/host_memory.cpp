#include <malloc.h>

#include "platform/host.h"

namespace KOR {

void host_return_free_memory() { malloc_trim(0); }

}  // namespace KOR
