// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a test again as an ordinary user when the tests run as root, so that what
// permissions do is still tested. (Windows has no such user.)
#pragma once

#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace kz::test {

// As root: runs this test in a new process as the user nobody and tells whether it passed
// there (the caller's test then ends). Otherwise: false, and the caller's test goes on.
inline bool alsGewoneGebruiker(bool& geslaagd) {
#if defined(_WIN32)
    (void)geslaagd;
    return false;
#else
    if (::geteuid() != 0) return false;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string filter = std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name();
    std::string programma = "/proc/self/exe";
    std::vector<char*> argv{programma.data(), filter.data(), nullptr};
    const pid_t pid = ::fork();
    if (pid == 0) {
        // Only async-signal-safe calls between fork and exec.
        const gid_t niemand = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(niemand) != 0 || ::setuid(niemand) != 0) ::_exit(125);
        ::execv(programma.c_str(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    geslaagd = pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return true;
#endif
}

} // namespace kz::test
