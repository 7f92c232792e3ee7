// Whether XWayland (or any X server) is there, asked before Qt picks its platform plugin.

#include "app/Platform.h"

#include <dlfcn.h>
#include <xcb/xcb.h>

namespace horavine::platform {

bool XServerAnswers()
{
    // A whole connection, not a look at the socket: an XWayland started on demand listens before
    // it can serve, and DISPLAY may name a host or carry an authority the socket cannot tell.
    // libxcb is loaded for it as Qt's xcb plugin would load it; without it xcb cannot run anyway.
    void* lib = dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!lib)
        return false;
    const auto connect = reinterpret_cast<decltype(&xcb_connect)>(dlsym(lib, "xcb_connect"));
    const auto hasError = reinterpret_cast<decltype(&xcb_connection_has_error)>(dlsym(lib, "xcb_connection_has_error"));
    const auto disconnect = reinterpret_cast<decltype(&xcb_disconnect)>(dlsym(lib, "xcb_disconnect"));
    if (!connect || !hasError || !disconnect)
        return false;
    xcb_connection_t* connection = connect(nullptr, nullptr);
    const bool answers = hasError(connection) == 0;
    disconnect(connection); // also frees the object of a failed connection
    return answers;
}

} // namespace horavine::platform
