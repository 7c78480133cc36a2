#pragma once

#include <string>

namespace tavor {

// Held by the first running instance of the program for its whole life; a second start that
// cannot take it ends silently. A per-user lock (a named mutex on Windows, a lock file with
// flock elsewhere), because the skin's windows carry no class name to look for.
class SingleInstanceLock {
public:
    explicit SingleInstanceLock(const std::string& name);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    bool acquired() const { return acquired_; }

private:
    bool acquired_ = false;
    long long handle_ = -1;  // a file descriptor, or a HANDLE on Windows
};

}  // namespace tavor
