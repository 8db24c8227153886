#include "platform/instance_lock.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varnholt {

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

InstanceLock::InstanceLock()
{
    const std::string folder = lockFolder();
    if (!folder.empty())
        m_fd = open((folder + "/varnholt.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0)
        return; // without a lock file every instance counts as the first
    m_another = flock(m_fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    // Shared from now on, so that later instances see this one but do not exclude each other.
    while (flock(m_fd, LOCK_SH) != 0 && errno == EINTR) {
    }
}

InstanceLock::~InstanceLock()
{
    if (m_fd >= 0)
        close(m_fd);
}

} // namespace varnholt
