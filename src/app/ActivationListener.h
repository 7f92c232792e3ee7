#pragma once

// The socket a later start of the clock connects to, asking the running copy to come forward,
// and perhaps to wear a skin file. It understands these two messages only; anything else, too
// much, or nothing in time closes the connection. Everything runs from the event loop, so no
// client can hold up the window.

#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace horavine {

class ActivationListener
{
public:
    static constexpr char kRequest[] = "activate\n";
    // "open ", an absolute path, "\n": come forward and wear that skin.
    static constexpr char kOpenRequest[] = "open ";
    // Bytes read from one connection before it is dropped: enough for the longest path, no more.
    static constexpr int kMaxRequestBytes = 4096 + 16;
    static constexpr int kRequestTimeoutMs = 1000;
    // Connections beyond this are closed at once.
    static constexpr int kMaxOpenConnections = 8;

    // onRequest gets the skin file to wear, empty for a plain "come forward".
    explicit ActivationListener(std::function<void(const QString& file)> onRequest);
    ~ActivationListener();
    ActivationListener(const ActivationListener&) = delete;
    ActivationListener& operator=(const ActivationListener&) = delete;

    // Listens at the path (removing what a dead copy left there), with the socket open to this
    // user alone. Throws IoError.
    void listen(const QString& path);

    // The later start's side: true when a copy listens at the path and took the request (to
    // wear the file when one is given, an absolute path).
    static bool send(const QString& path, int timeoutMs, const QString& file = QString());

    // The request's line, and what a received line asks for: the file (empty for "come
    // forward"), or nothing when the line is not understood.
    static QByteArray request(const QString& file);
    static std::optional<QString> understand(const QByteArray& line);
    // Removes the socket a dead copy left at the path.
    static void removeStale(const QString& path);

    // The socket and its connections; one implementation per kind of system.
    struct Channel;

private:
    std::function<void(const QString&)> m_onRequest;
    std::unique_ptr<Channel> m_channel;
};

} // namespace horavine
