#pragma once

// The socket a later start of the clock connects to, asking the running copy to come forward.
// It understands one message only; anything else, too much, or nothing in time closes the
// connection. Everything runs from the event loop, so no client can hold up the window.

#include <QString>
#include <functional>
#include <memory>

namespace horavine {

class ActivationListener
{
public:
    static constexpr char kRequest[] = "activate\n";
    // Bytes read from one connection before it is dropped: enough for the request, no more.
    static constexpr int kMaxRequestBytes = 64;
    static constexpr int kRequestTimeoutMs = 1000;
    // Connections beyond this are closed at once.
    static constexpr int kMaxOpenConnections = 8;

    explicit ActivationListener(std::function<void()> onRequest);
    ~ActivationListener();
    ActivationListener(const ActivationListener&) = delete;
    ActivationListener& operator=(const ActivationListener&) = delete;

    // Listens at the path (removing what a dead copy left there), with the socket open to this
    // user alone. Throws IoError.
    void listen(const QString& path);

    // The later start's side: true when a copy listens at the path and took the request.
    static bool send(const QString& path, int timeoutMs);
    // Removes the socket a dead copy left at the path.
    static void removeStale(const QString& path);

    // The socket and its connections; one implementation per kind of system.
    struct Channel;

private:
    std::function<void()> m_onRequest;
    std::unique_ptr<Channel> m_channel;
};

} // namespace horavine
