#include "platform/instance_lock.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
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

InstanceLock::InstanceLock(const std::function<void(bool another)>& betweenSteps)
{
    const std::string folder = lockFolder();
    if (!folder.empty())
        m_fd = open((folder + "/varnholt.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0)
        return; // without a lock file every instance counts as the first
    // Record locks, because they change from exclusive to shared in one step:
    // a start deciding in between always sees this one.
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    m_another = fcntl(m_fd, F_SETLK, &lock) != 0 && (errno == EACCES || errno == EAGAIN);
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
    const std::string folder = InstanceLock::lockFolder();
    if (!folder.empty())
        m_fd = open((folder + "/" + fileName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0)
        return;
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    m_taken = !(fcntl(m_fd, F_SETLK, &lock) != 0 && (errno == EACCES || errno == EAGAIN));
}

SoleLock::~SoleLock()
{
    if (m_fd >= 0)
        close(m_fd);
}

} // namespace varnholt
