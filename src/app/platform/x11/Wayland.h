#pragma once

namespace horavine::platform {

// True on Qt's Wayland platform (the clock without XWayland), where no program may place its own
// window or keep it above others.
bool OnWayland();

} // namespace horavine::platform
