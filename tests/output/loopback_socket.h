// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small socket helpers shared by the loopback test servers.
#include <string>

namespace voltaris::testing {

// A TCP socket listening on 127.0.0.1 at an ephemeral port; -1 when that fails.
int ListenOnLoopback(int& port);
// Whether `fd` becomes readable (or accepts a connection) within `milliseconds`.
bool WaitReadable(int fd, int milliseconds);
// Sends all of `data`; false when the peer went away.
bool SendAll(int fd, const std::string& data);

}  // namespace voltaris::testing
