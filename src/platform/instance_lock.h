// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

namespace varnholt {

// Every running instance holds a shared lock on a per-user file in the runtime
// folder; an instance that cannot take it exclusively at start is not the first.
class InstanceLock final {
public:
    // betweenSteps runs after the decision, while the exclusive lock may still
    // be held: a seam for tests that pause there.
    explicit InstanceLock(const std::function<void(bool another)>& betweenSteps = {});
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    bool anotherInstanceRunning() const { return m_another; }

    // $XDG_RUNTIME_DIR, else /tmp/varnholt-<uid> (created for the user alone);
    // empty when that folder is not the user's own.
    static std::string lockFolder();

private:
    int m_fd = -1;
    bool m_another = false;
};

// A per-user lock file in the same folder, held exclusively by one process for the
// object's life: for windows that must not open twice where no window list tells.
class SoleLock final {
public:
    explicit SoleLock(const std::string& fileName);
    ~SoleLock();
    SoleLock(const SoleLock&) = delete;
    SoleLock& operator=(const SoleLock&) = delete;

    // False only when another process holds it; without a lock file every taker gets it.
    bool taken() const { return m_taken; }

private:
    int m_fd = -1;
    bool m_taken = true;
};

} // namespace varnholt
