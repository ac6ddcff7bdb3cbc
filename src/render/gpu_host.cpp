#include "platform/host.h"
#include "render/gpu.h"

namespace KOR {

GPU* gpu_create_for_window(KS_HOST_WINDOW* window) {
  GPU_GL_SURFACE surface;
  surface.make_current = [window] { host_gl_make_current(window); };
  surface.swap = [window] { host_gl_swap(window); };
  surface.take_exposed = [window] { return host_gl_take_exposed(window); };
  surface.can_show_rects = [window] { return host_gl_can_show_rects(window); };
  surface.show_rect = [window](const GPU_RECT& r) {
    host_gl_show_rect(window, r.x, r.y, r.width, r.height);
  };
  surface.drawable_size = [window](int* width, int* height) {
    host_gl_drawable_size(window, width, height);
  };
  surface.display_modes = [] {
    std::vector<GPU_DISPLAY_MODE> modes;
    for (const KS_HOST_DISPLAY_MODE& m : host_display_modes()) {
      modes.push_back(GPU_DISPLAY_MODE{m.width, m.height, m.refresh_rate, m.bits_per_pixel});
    }
    return modes;
  };
  // Presentation waits for the vertical retrace.
  host_gl_make_current(window);
  host_gl_set_swap_interval(1);
  return gpu_create_gl(surface);
}

}  // namespace KOR
