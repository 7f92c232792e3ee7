#include "app/Platform.h"
#include "app/platform/x11/Wayland.h"

#include <QGuiApplication>
#include <QSocketNotifier>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <malloc.h>
#include <sys/socket.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace horavine::platform {

namespace {

// libxcb is already in the process (the xcb platform plugin loaded it), but this library does
// not link it: the few calls are looked up at run time, and without them the flags path is used.
struct XcbCalls
{
    decltype(&xcb_intern_atom) internAtom = nullptr;
    decltype(&xcb_intern_atom_reply) internAtomReply = nullptr;
    decltype(&xcb_send_event) sendEvent = nullptr;
    decltype(&xcb_flush) flush = nullptr;
    decltype(&xcb_get_setup) getSetup = nullptr;
    decltype(&xcb_setup_roots_iterator) rootsIterator = nullptr;
    decltype(&xcb_query_keymap) queryKeymap = nullptr;
    decltype(&xcb_query_keymap_reply) queryKeymapReply = nullptr;
    decltype(&xcb_get_property) getProperty = nullptr;
    decltype(&xcb_get_property_reply) getPropertyReply = nullptr;
    decltype(&xcb_get_property_value) getPropertyValue = nullptr;
    decltype(&xcb_get_property_value_length) getPropertyValueLength = nullptr;
    bool ok = false;
};

template <typename F> void Resolve(void* lib, F& f, const char* name)
{
    f = reinterpret_cast<F>(dlsym(lib, name));
}

const XcbCalls& Xcb()
{
    static const XcbCalls calls = [] {
        XcbCalls c;
        void* lib = dlopen("libxcb.so.1", RTLD_NOW | RTLD_NOLOAD);
        if (!lib)
            return c;
        Resolve(lib, c.internAtom, "xcb_intern_atom");
        Resolve(lib, c.internAtomReply, "xcb_intern_atom_reply");
        Resolve(lib, c.sendEvent, "xcb_send_event");
        Resolve(lib, c.flush, "xcb_flush");
        Resolve(lib, c.getSetup, "xcb_get_setup");
        Resolve(lib, c.rootsIterator, "xcb_setup_roots_iterator");
        Resolve(lib, c.queryKeymap, "xcb_query_keymap");
        Resolve(lib, c.queryKeymapReply, "xcb_query_keymap_reply");
        Resolve(lib, c.getProperty, "xcb_get_property");
        Resolve(lib, c.getPropertyReply, "xcb_get_property_reply");
        Resolve(lib, c.getPropertyValue, "xcb_get_property_value");
        Resolve(lib, c.getPropertyValueLength, "xcb_get_property_value_length");
        c.ok = c.internAtom && c.internAtomReply && c.sendEvent && c.flush && c.getSetup && c.rootsIterator
            && c.queryKeymap && c.queryKeymapReply && c.getProperty && c.getPropertyReply && c.getPropertyValue
            && c.getPropertyValueLength;
        return c;
    }();
    return calls;
}

xcb_connection_t* Connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 && Xcb().ok ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name)
{
    const XcbCalls& x = Xcb();
    xcb_intern_atom_reply_t* reply = x.internAtomReply(c, x.internAtom(c, 0, uint16_t(strlen(name)), name), nullptr);
    if (!reply)
        return XCB_ATOM_NONE;
    const xcb_atom_t atom = reply->atom;
    free(reply);
    return atom;
}

bool SendClientMessage(QWidget* window, const char* type, std::initializer_list<uint32_t> data)
{
    xcb_connection_t* c = Connection();
    if (!c || !window->windowHandle())
        return false;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(window->winId());
    event.type = Atom(c, type);
    int i = 0;
    for (uint32_t value : data)
        event.data.data32[i++] = value;
    const xcb_window_t root = Xcb().rootsIterator(Xcb().getSetup(c)).data->root;
    Xcb().sendEvent(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                    reinterpret_cast<const char*>(&event));
    Xcb().flush(c);
    return true;
}

// A mapped window's _NET_WM_STATE belongs to the window manager; it is changed by asking it
// with a client message on the root window, which neither unmaps nor moves the window.
bool SendNetWmState(QWidget* window, bool add, const char* state)
{
    xcb_connection_t* c = Connection();
    if (!c || !window->isVisible())
        return false;
    // _NET_WM_STATE_ADD / _NET_WM_STATE_REMOVE; the request comes from an application.
    return SendClientMessage(window, "_NET_WM_STATE", {add ? 1u : 0u, Atom(c, state), 0u, 1u});
}

// Whether the window manager says it can iconify windows (_NET_WM_STATE_HIDDEN among what it
// supports). Without a window manager, or under one that ignores the request (the X11 part of
// some Wayland compositors), an iconified clock would simply stay on the screen.
bool WindowManagerIconifies(xcb_connection_t* c)
{
    const XcbCalls& x = Xcb();
    const xcb_window_t root = x.rootsIterator(x.getSetup(c)).data->root;
    const xcb_atom_t hidden = Atom(c, "_NET_WM_STATE_HIDDEN");
    xcb_get_property_reply_t* reply
        = x.getPropertyReply(c, x.getProperty(c, 0, root, Atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 0, 1024), nullptr);
    if (!reply)
        return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(x.getPropertyValue(reply));
    const int count = reply->format == 32 ? x.getPropertyValueLength(reply) / 4 : 0;
    const bool found = hidden != XCB_ATOM_NONE && std::find(atoms, atoms + count, hidden) != atoms + count;
    free(reply);
    return found;
}

int g_signalPipe[2] = {-1, -1};

void SignalToPipe(int signal)
{
    const char byte = char(signal);
    // Nothing but write(2) here: it is async-signal-safe, Qt is not.
    [[maybe_unused]] ssize_t written = ::write(g_signalPipe[1], &byte, 1);
}

} // namespace

void SetStayOnTop(QWidget* window, bool onTop)
{
    if (OnWayland()) {
        // The flag does nothing there, and changing it would re-create the window (a flicker).
        window->setProperty("horavineOnTop", onTop);
        return;
    }
    const bool flagged = window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (window->isVisible() && SendNetWmState(window, onTop, "_NET_WM_STATE_ABOVE")) {
        // Qt's own flag is left alone: changing it on the mapped window (even through its
        // QWindow) confuses the next hide and show. A window mapped again asks for it anew.
        window->setProperty("horavineOnTop", onTop);
        return;
    }
    window->setProperty("horavineOnTop", onTop);
    if (flagged == onTop)
        return;
    const bool visible = window->isVisible();
    const QPoint position = window->pos();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (visible) {
        window->move(position);
        window->show();
    }
}

void SetSkipTaskbar(QWidget* window, bool skip)
{
    window->setProperty("horavineSkipTaskbar", skip);
    SendNetWmState(window, skip, "_NET_WM_STATE_SKIP_TASKBAR");
    SendNetWmState(window, skip, "_NET_WM_STATE_SKIP_PAGER");
}

// Withdrawing the window (hide) and mapping it again was seen to lose the window under openbox
// now and then; iconifying it, as the clock always did ("minimise the application"), keeps it
// managed by the window manager, which unmaps and restores it. Window managers do not iconify a
// splash window (KeepOnDesktop): that one is withdrawn, and asked for its states and place again
// when it is shown.
void HideClockWindow(QWidget* window)
{
    // A window not yet mapped by the window manager ("-hide" at start-up) cannot be iconified
    // reliably; it is simply not shown.
    const bool managed = window->windowHandle() && window->windowHandle()->isExposed();
    xcb_connection_t* c = Connection();
    const bool iconifiable = window->windowType() != Qt::SplashScreen;
    if (c && managed && iconifiable && WindowManagerIconifies(c))
        window->setWindowState(window->windowState() | Qt::WindowMinimized);
    else
        window->hide();
}

void RestoreClockWindow(QWidget* window)
{
    const QPoint position = window->pos();
    const bool wasMinimized = window->isMinimized();
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    // Asked as a pager would ask: a window manager de-iconifies and raises the window for it
    // without weighing focus-stealing rules, which may ignore a plain activation request.
    if (wasMinimized && window->isVisible())
        SendClientMessage(window, "_NET_ACTIVE_WINDOW", {2u, XCB_CURRENT_TIME, 0u});
    if (!window->isVisible()) {
        window->show();
        window->move(position);
    }
    window->raise();
    window->activateWindow();
}

bool IsClockWindowHidden(const QWidget* window)
{
    return !window->isVisible() || window->isMinimized();
}

void ReturnLargeBuffersToTheSystem()
{
#ifdef __GLIBC__
    // glibc raises its threshold for mapping a block on its own after the first large free, after
    // which pictures land in the heap and their pages stay resident when freed. A fixed threshold
    // (its default) keeps every picture in its own mapping.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}

QList<QByteArray> PrepareWindowSystemClient()
{
    // Shared-memory images make each repaint wait for the X server to finish reading the last
    // one (a round trip, and a wake-up of Qt's event thread, every second). A tick repaints a
    // few small areas; sending their pixels over the connection costs less.
    if (qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        return {};
    qputenv("QT_XCB_NO_MITSHM", "1");
    return {QByteArrayLiteral("QT_XCB_NO_MITSHM")};
}

void ReturnFreedHeapPages()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

void OnTerminationRequest(std::function<void()> handler)
{
    if (g_signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [handler = std::move(handler)] {
        char byte = 0;
        [[maybe_unused]] ssize_t got = ::read(g_signalPipe[0], &byte, 1);
        handler();
    });
    struct sigaction action
    {
    };
    action.sa_handler = SignalToPipe;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP, SIGINT})
        sigaction(signal, &action, nullptr);
}

std::bitset<256> KeysDown()
{
    std::bitset<256> down;
    xcb_connection_t* c = Connection();
    if (!c)
        return down;
    xcb_query_keymap_reply_t* reply = Xcb().queryKeymapReply(c, Xcb().queryKeymap(c), nullptr);
    if (!reply)
        return down;
    for (int code = 0; code < 256; ++code)
        down[size_t(code)] = (reply->keys[code / 8] >> (code % 8)) & 1;
    free(reply);
    return down;
}

bool HasWindowSystem()
{
    const QString name = QGuiApplication::platformName();
    return name != QLatin1String("offscreen") && name != QLatin1String("minimal");
}

} // namespace horavine::platform
