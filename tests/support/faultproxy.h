// A TCP proxy for the tests that reproduces what lines do: a dropped answer, a freeze.
#pragma once

#include <QByteArray>
#include <QString>
#include <mutex>
#include <thread>
#include <vector>

namespace testing_support {

// It runs on a thread of its own: the test's thread waits inside the client library meanwhile.
class FaultProxy {
public:
    // Listens on 127.0.0.1 at a free port and forwards every connection to targetHost:targetPort, an IPv4
    // address. With no target (port 0) it is a silent server: it accepts connections and never answers.
    FaultProxy(QString targetHost, quint16 targetPort);
    ~FaultProxy(); // stops the thread, closes every socket

    quint16 port() const { return port_; }
    // The next client message containing `text` (ASCII, compared without regard to case) goes to the server;
    // then, once the server's answer arrives, the answer is dropped and both sides of that connection are
    // closed (the client sees a lost connection, the server has done the work). Applies once.
    void dropAfterForwarding(const QByteArray& text);
    // Nothing passes any more, either way, on the open connections nor on those opened later; the sockets
    // stay open (a frozen line or program).
    void freeze();

private:
    struct Connection {
        int fd[2];             // the client's socket, the server's (-1 for the silent server)
        QByteArray pending[2]; // what waits to be written to each side
        bool dropping = false; // forwarded the awaited text: the server's answer ends the connection
    };
    void run();
    void wake(); // under the lock: the thread's poll set is stale
    void acceptConnection();
    void receive(Connection& c, int from);
    void flush(Connection& c, int to);
    static void closeConnection(Connection& c);
    void closeAll();

    quint32 targetAddress_ = 0; // in network order
    quint16 targetPort_, port_ = 0;
    int listener_ = -1, wake_ = -1; // wake_ is an eventfd that ends the thread's wait in poll()
    std::mutex mutex_; // guards what follows and the sockets, but for the thread's wait in poll()
    std::vector<Connection> connections_;
    QByteArray dropText_; // in lower case; empty when nothing is to be dropped
    bool frozen_ = false, changed_ = false, stopping_ = false;
    std::thread thread_;
};

} // namespace testing_support
