// SPDX-License-Identifier: MIT
#include "platform/instance_lock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace varnholt;

namespace {

void send(int fd, char byte)
{
    EXPECT_EQ(write(fd, &byte, 1), 1);
}

char receive(int fd)
{
    char byte = 0;
    return read(fd, &byte, 1) == 1 ? byte : '\0';
}

// Another process that takes the instance lock, reports what it decided ('1':
// another runs) and holds the lock until told to stop ('s'). pauseBetweenSteps
// makes it wait for a 'g' between its two lock steps.
class LockHolder final {
public:
    explicit LockHolder(bool pauseBetweenSteps = false)
    {
        if (pipe(m_up) != 0 || pipe(m_down) != 0)
            std::abort();
        m_pid = fork();
        if (m_pid == 0) {
            const auto betweenSteps = [&](bool another) {
                send(m_up[1], another ? '1' : '0');
                if (pauseBetweenSteps && receive(m_down[0]) != 'g')
                    _exit(2);
            };
            const InstanceLock lock(betweenSteps);
            send(m_up[1], 'h'); // holding the shared lock now
            _exit(receive(m_down[0]) == 's' ? 0 : 1);
        }
        m_sawAnother = receive(m_up[0]) == '1';
    }
    ~LockHolder()
    {
        stop();
        for (const int fd : {m_up[0], m_up[1], m_down[0], m_down[1]})
            close(fd);
    }

    bool sawAnother() const { return m_sawAnother; }
    void resume() const { send(m_down[1], 'g'); }
    void waitUntilHolding() const { EXPECT_EQ(receive(m_up[0]), 'h'); }
    void stop()
    {
        if (m_pid <= 0)
            return;
        send(m_down[1], 's');
        int status = 0;
        waitpid(m_pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        m_pid = -1;
    }

private:
    int m_up[2] = {-1, -1}, m_down[2] = {-1, -1};
    pid_t m_pid = -1;
    bool m_sawAnother = false;
};

class InstanceLockTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "varnholt-lock-XXXXXX").string();
        m_folder = mkdtemp(pattern.data());
        setenv("XDG_RUNTIME_DIR", m_folder.c_str(), 1);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

private:
    std::string m_folder;
};

} // namespace

TEST_F(InstanceLockTest, LaterInstancesSeeAnyEarlierOneStillRunning)
{
    LockHolder first;
    first.waitUntilHolding();
    EXPECT_FALSE(first.sawAnother());
    LockHolder second;
    second.waitUntilHolding();
    EXPECT_TRUE(second.sawAnother());
    first.stop();
    LockHolder third;
    third.waitUntilHolding();
    EXPECT_TRUE(third.sawAnother()) << "the second instance still runs";
    second.stop();
    third.stop();
    LockHolder alone;
    alone.waitUntilHolding();
    EXPECT_FALSE(alone.sawAnother());
}

TEST_F(InstanceLockTest, AStartDecidingWhileTheFirstChangesItsLockSeesIt)
{
    LockHolder first(true); // decided, and paused before it holds the lock shared
    EXPECT_FALSE(first.sawAnother());
    LockHolder second;
    EXPECT_TRUE(second.sawAnother());
    first.resume();
    first.waitUntilHolding();
    second.waitUntilHolding();
}

TEST(InstanceLockFolder, WithoutRuntimeFolderItIsPrivate)
{
    unsetenv("XDG_RUNTIME_DIR");
    const std::string folder = InstanceLock::lockFolder();
    EXPECT_EQ(folder, "/tmp/varnholt-" + std::to_string(getuid()));
    struct stat status {};
    ASSERT_EQ(stat(folder.c_str(), &status), 0);
    EXPECT_TRUE(S_ISDIR(status.st_mode));
    EXPECT_EQ(status.st_mode & 0777, 0700u);
}
