// SPDX-License-Identifier: MIT
#include "platform/instance_lock.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varnholt {

namespace {

// -1 when there is no folder of the user's own to lock in.
int openLockFile(const std::string& name)
{
    const std::string folder = InstanceLock::lockFolder();
    return folder.empty() ? -1 : open((folder + "/" + name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
}

// Tries the exclusive lock of the whole file; true when another process holds a lock on it.
bool lockedElsewhere(int fd, struct flock& lock)
{
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    return fcntl(fd, F_SETLK, &lock) != 0 && (errno == EACCES || errno == EAGAIN);
}

} // namespace

std::string InstanceLock::lockFolder()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime)
        return runtime;
    const std::string folder = "/tmp/varnholt-" + std::to_string(getuid());
    mkdir(folder.c_str(), 0700);
    // A folder someone else made in /tmp is not ours to lock in.
    struct stat status {};
    if (lstat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) || status.st_uid != getuid())
        return {};
    return folder;
}

InstanceLock::InstanceLock(const std::function<void(bool another)>& betweenSteps)
{
    m_fd = openLockFile("varnholt.lock");
    if (m_fd < 0)
        return; // without a lock file every instance counts as the first
    // Record locks, because they change from exclusive to shared in one step:
    // a start deciding in between always sees this one.
    struct flock lock {};
    m_another = lockedElsewhere(m_fd, lock);
    if (betweenSteps)
        betweenSteps(m_another);
    // Shared from now on, so that later instances see this one but do not exclude each other.
    lock.l_type = F_RDLCK;
    while (fcntl(m_fd, F_SETLKW, &lock) != 0 && errno == EINTR) {
    }
}

InstanceLock::~InstanceLock()
{
    if (m_fd >= 0)
        close(m_fd);
}

SoleLock::SoleLock(const std::string& fileName)
{
    m_fd = openLockFile(fileName);
    struct flock lock {};
    m_taken = m_fd < 0 || !lockedElsewhere(m_fd, lock);
}

SoleLock::~SoleLock()
{
    if (m_fd >= 0)
        close(m_fd);
}

} // namespace varnholt
