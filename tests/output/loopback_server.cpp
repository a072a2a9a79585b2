// SPDX-License-Identifier: GPL-3.0-or-later
#include "loopback_server.h"

#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

#include "loopback_socket.h"

namespace voltaris::testing {

namespace {

// Whether `data` holds a whole request: the headers and as many body bytes as announced.
bool Complete(const std::string& data) {
    const size_t end = data.find("\r\n\r\n");
    if (end == std::string::npos) return false;
    size_t length = 0;
    const size_t at = data.find("Content-Length: ");
    if (at != std::string::npos && at < end) length = std::strtoul(data.c_str() + at + 16, nullptr, 10);
    return data.size() >= end + 4 + length;
}

}  // namespace

std::string OkReply(const std::string& body) {
    return "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\n\r\n" + body;
}

LoopbackServer::LoopbackServer(std::string reply) : reply_(std::move(reply)) {
    listener_ = ListenOnLoopback(port_);
    thread_ = std::thread([this] { Serve(); });
}

LoopbackServer::~LoopbackServer() {
    stop_ = true;
    thread_.join();
    if (listener_ >= 0) close(listener_);
}

void LoopbackServer::Serve() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (listener_ >= 0 && !stop_ && std::chrono::steady_clock::now() < deadline) {
        if (!WaitReadable(listener_, 50)) continue;
        const int connection = accept(listener_, nullptr, nullptr);
        if (connection < 0) continue;
        std::string data;
        char buffer[4096];
        while (!Complete(data) && WaitReadable(connection, 1000)) {
            const ssize_t n = recv(connection, buffer, sizeof buffer, 0);
            if (n <= 0) break;
            data.append(buffer, static_cast<size_t>(n));
        }
        if (!data.empty()) {
            std::lock_guard<std::mutex> lock(mutex_);
            requests_.push_back(data);
        }
        if (!data.empty()) Reply(connection);
        close(connection);
    }
}

void LoopbackServer::Reply(int connection) {
    while (hold_ && !stop_) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (stop_) return;
    if (dripMs_ == 0) {
        replied_ = SendAll(connection, reply_);
        return;
    }
    for (const char c : reply_) {
        if (stop_ || !SendAll(connection, std::string(1, c))) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(dripMs_));
    }
    replied_ = true;
}

std::vector<std::string> LoopbackServer::Requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

std::string LoopbackServer::LastRequest() const {
    for (int i = 0; i < 40; ++i) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (!requests_.empty()) return requests_.back();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return {};
}

int LoopbackServer::UnusedPort() {
    int port = 0;
    const int fd = ListenOnLoopback(port);
    if (fd >= 0) close(fd);
    return port;
}

}  // namespace voltaris::testing
