// SPDX-License-Identifier: GPL-3.0-or-later
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

    // Holds every reply back until ReleaseReplies (or the server's end); the request is
    // recorded meanwhile.
    void HoldReplies() { hold_ = true; }
    void ReleaseReplies() { hold_ = false; }
    // Sends replies one byte at a time, `milliseconds` apart: an answer that trickles in.
    void DripReplies(int milliseconds) { dripMs_ = milliseconds; }
    // Whether a reply has been sent completely.
    bool Replied() const { return replied_; }

    // A port on which nothing listens (bound once, then released).
    static int UnusedPort();

private:
    void Serve();
    void Reply(int connection);

    std::string reply_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<bool> hold_{false}, replied_{false};
    std::atomic<int> dripMs_{0};
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

// "HTTP/1.0 200 OK" with the body and its length.
std::string OkReply(const std::string& body);

}  // namespace voltaris::testing
