// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A scripted FTP server on 127.0.0.1 for tests: it accepts any login, offers passive mode
// only (EPSV and PASV; active mode is refused) and serves one file. It records the commands it
// receives; every wait is bounded.
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace voltaris::testing {

class LoopbackFtpServer {
public:
    // `fileName` is the last segment of the path the file is served under.
    LoopbackFtpServer(std::string fileName, std::string content);
    ~LoopbackFtpServer();

    int Port() const { return port_; }
    // The command lines received so far, over all control connections.
    std::vector<std::string> Commands() const;

private:
    void Serve();
    void ServeSession(int control);

    std::string fileName_, content_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<std::string> commands_;
    std::thread thread_;
};

}  // namespace voltaris::testing
