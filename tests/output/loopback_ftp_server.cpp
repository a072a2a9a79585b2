// SPDX-License-Identifier: GPL-3.0-or-later
#include "loopback_ftp_server.h"

#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

#include "loopback_socket.h"

namespace voltaris::testing {

namespace {

// Reads one command line (without CR LF) from the control connection; false at its end.
bool ReadLine(int fd, std::string& pending, std::string& line) {
    for (;;) {
        const size_t end = pending.find("\r\n");
        if (end != std::string::npos) {
            line = pending.substr(0, end);
            pending.erase(0, end + 2);
            return true;
        }
        if (!WaitReadable(fd, 2000)) return false;
        char buffer[512];
        const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0) return false;
        pending.append(buffer, static_cast<size_t>(n));
    }
}

}  // namespace

LoopbackFtpServer::LoopbackFtpServer(std::string fileName, std::string content)
    : fileName_(std::move(fileName)), content_(std::move(content)) {
    listener_ = ListenOnLoopback(port_);
    thread_ = std::thread([this] { Serve(); });
}

LoopbackFtpServer::~LoopbackFtpServer() {
    stop_ = true;
    thread_.join();
    if (listener_ >= 0) close(listener_);
}

std::vector<std::string> LoopbackFtpServer::Commands() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return commands_;
}

void LoopbackFtpServer::Serve() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (listener_ >= 0 && !stop_ && std::chrono::steady_clock::now() < deadline) {
        if (!WaitReadable(listener_, 50)) continue;
        const int control = accept(listener_, nullptr, nullptr);
        if (control < 0) continue;
        ServeSession(control);
        close(control);
    }
}

void LoopbackFtpServer::ServeSession(int control) {
    int dataListener = -1;
    std::string pending, line;
    SendAll(control, "220 bereit\r\n");
    while (!stop_ && ReadLine(control, pending, line)) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            commands_.push_back(line);
        }
        const std::string verb = line.substr(0, line.find(' '));
        const std::string argument = line.size() > verb.size() ? line.substr(verb.size() + 1) : "";
        std::string reply;
        if (verb == "USER") {
            reply = "331 Passwort bitte";
        } else if (verb == "PASS") {
            reply = "230 angemeldet";
        } else if (verb == "PWD") {
            reply = "257 \"/\"";
        } else if (verb == "CWD" || verb == "TYPE") {
            reply = "250 ok";
        } else if (verb == "EPSV" || verb == "PASV") {
            int dataPort = 0;
            if (dataListener >= 0) close(dataListener);
            dataListener = ListenOnLoopback(dataPort);
            reply = verb == "EPSV" ? "229 passiv (|||" + std::to_string(dataPort) + "|)"
                                   : "227 passiv (127,0,0,1," + std::to_string(dataPort / 256) + "," +
                                         std::to_string(dataPort % 256) + ")";
        } else if (verb == "SIZE") {
            reply = argument == fileName_ ? "213 " + std::to_string(content_.size()) : "550 unbekannt";
        } else if (verb == "RETR" && argument == fileName_ && dataListener >= 0) {
            SendAll(control, "150 sende\r\n");
            if (WaitReadable(dataListener, 2000)) {
                const int data = accept(dataListener, nullptr, nullptr);
                if (data >= 0) {
                    SendAll(data, content_);
                    close(data);
                }
            }
            reply = "226 fertig";
        } else if (verb == "QUIT") {
            SendAll(control, "221 tschuess\r\n");
            break;
        } else {
            reply = "502 nicht angeboten";  // PORT and EPRT among them: passive mode only
        }
        SendAll(control, reply + "\r\n");
    }
    if (dataListener >= 0) close(dataListener);
}

}  // namespace voltaris::testing
