#pragma once
// A one-shot HTTP server on 127.0.0.1 for tests: it accepts connections on an ephemeral port,
// records each raw request and answers with a canned reply. Every wait is bounded, so a test
// never hangs on it.
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace voltaris::testing {

class LoopbackServer {
public:
    // `reply` is sent as it is after each complete request (headers and Content-Length body).
    explicit LoopbackServer(std::string reply);
    ~LoopbackServer();

    int Port() const { return port_; }
    // The raw bytes of the requests received so far.
    std::vector<std::string> Requests() const;
    // The last request, waiting up to two seconds for one.
    std::string LastRequest() const;

    // A port on which nothing listens (bound once, then released).
    static int UnusedPort();

private:
    void Serve();

    std::string reply_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

// "HTTP/1.0 200 OK" with the body and its length.
std::string OkReply(const std::string& body);

}  // namespace voltaris::testing
