// The TCP fault proxy of the tests: plain sockets and poll() on a thread of its own.
#include "faultproxy.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/tcp.h>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <sys/eventfd.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace testing_support {

static int check(int result, const char* what) {
    if (result < 0)
        throw std::system_error(errno, std::generic_category(), std::string("FaultProxy: ") + what);
    return result;
}

FaultProxy::FaultProxy(QString targetHost, quint16 targetPort) : targetPort_(targetPort) {
    if (targetPort != 0 && inet_pton(AF_INET, targetHost.toLatin1().constData(), &targetAddress_) != 1)
        throw std::invalid_argument("FaultProxy: not an IPv4 address: " + targetHost.toStdString());
    sockaddr_in local{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}}; // any free port
    socklen_t size = sizeof local;
    listener_ = check(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0), "socket");
    check(bind(listener_, reinterpret_cast<sockaddr*>(&local), size), "bind");
    check(listen(listener_, SOMAXCONN), "listen");
    check(getsockname(listener_, reinterpret_cast<sockaddr*>(&local), &size), "getsockname");
    port_ = ntohs(local.sin_port);
    wake_ = check(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK), "eventfd");
    thread_ = std::thread([this] { run(); });
}

FaultProxy::~FaultProxy() {
    std::unique_lock lock(mutex_);
    stopping_ = true;
    wake();
    lock.unlock();
    thread_.join();
    closeAll();
    ::close(listener_);
    ::close(wake_);
}

void FaultProxy::dropAfterForwarding(const QByteArray& text) {
    std::lock_guard lock(mutex_);
    dropText_ = text.toLower();
}

void FaultProxy::freeze() {
    std::lock_guard lock(mutex_);
    frozen_ = true;
    wake();
}

void FaultProxy::wake() {
    changed_ = true;
    eventfd_write(wake_, 1);
}

void FaultProxy::run() {
    std::vector<pollfd> fds;
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        // A side is read once what it sent last has gone out to the other; a frozen line polls neither.
        fds.assign({{listener_, POLLIN, 0}, {wake_, POLLIN, 0}});
        for (const Connection& c : connections_)
            for (int i : {0, 1})
                fds.push_back({frozen_ ? -1 : c.fd[i],
                               short((c.pending[1 - i].isEmpty() ? POLLIN : 0) |
                                     (c.pending[i].isEmpty() ? 0 : POLLOUT)),
                               0});
        changed_ = false;
        lock.unlock();
        const int ready = poll(fds.data(), fds.size(), -1);
        lock.lock();
        eventfd_t count;
        eventfd_read(wake_, &count);
        if (ready < 0 || changed_) continue; // interrupted, or the connections are no longer those polled
        for (size_t k = 0; k < connections_.size(); ++k)
            for (int i : {0, 1}) {
                const short events = fds[2 + 2 * k + i].revents;
                if (events & POLLOUT) flush(connections_[k], i);
                if (events & (POLLIN | POLLHUP | POLLERR)) receive(connections_[k], i);
            }
        std::erase_if(connections_, [](const Connection& c) { return c.fd[0] < 0; });
        if (fds[0].revents & POLLIN) acceptConnection();
    }
}

void FaultProxy::acceptConnection() {
    const int client = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) return;
    int server = -1;
    if (targetPort_ != 0) {
        const sockaddr_in target{AF_INET, htons(targetPort_), {targetAddress_}, {}};
        server = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (server < 0 || connect(server, reinterpret_cast<const sockaddr*>(&target), sizeof target) < 0) {
            if (server >= 0) ::close(server);
            ::close(client); // the client sees the server's refusal as a closed connection
            return;
        }
        const int on = 1; // small messages go out at once, without waiting for the answer to the last one
        for (int fd : {client, server})
            setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    }
    connections_.push_back({{client, server}, {}, false});
}

void FaultProxy::receive(Connection& c, int from) {
    if (c.fd[from] < 0) return;
    char buffer[16384];
    const ssize_t n = recv(c.fd[from], buffer, sizeof buffer, MSG_DONTWAIT);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return; // poll() tells again
    if (n <= 0 || (from == 1 && c.dropping)) return closeConnection(c); // closed, or the answer to drop
    const QByteArray data(buffer, n);
    if (from == 0 && !dropText_.isEmpty() && data.toLower().contains(dropText_)) {
        c.dropping = true;
        dropText_.clear();
    }
    if (c.fd[1 - from] < 0) return; // the silent server swallows everything
    c.pending[1 - from] += data;
    flush(c, 1 - from);
}

void FaultProxy::flush(Connection& c, int to) {
    while (c.fd[to] >= 0 && !c.pending[to].isEmpty()) {
        const ssize_t n =
            send(c.fd[to], c.pending[to].constData(), c.pending[to].size(), MSG_DONTWAIT | MSG_NOSIGNAL);
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return; // till POLLOUT
        if (n < 0) return closeConnection(c);
        c.pending[to].remove(0, n);
    }
}

void FaultProxy::closeConnection(Connection& c) {
    for (int& fd : c.fd)
        if (fd >= 0) ::close(std::exchange(fd, -1));
}

void FaultProxy::closeAll() {
    for (Connection& c : connections_)
        closeConnection(c);
    connections_.clear();
}

} // namespace testing_support
