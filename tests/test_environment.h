// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdlib>

namespace voltaris::test {

// setenv and unsetenv for the tests; Windows' C library spells them _putenv_s and cannot
// hold an empty value (setting one removes the variable).
inline void SetEnvironment(const char* name, const char* value) {
#ifdef _WIN32
    _putenv_s(name, value);
#else
    setenv(name, value, 1);
#endif
}

inline void UnsetEnvironment(const char* name) {
#ifdef _WIN32
    _putenv_s(name, "");
#else
    unsetenv(name);
#endif
}

}  // namespace voltaris::test
