// SPDX-License-Identifier: MIT
// Stays resident in the tests' Wine prefix so that Wine's services keep running between test
// programs; without it every program start waits for them to come up again. The hour is only a
// bound for a run that never reached its cleanup.
#include <cstdio>
#include <windows.h>

int main()
{
    std::puts("ready");
    std::fflush(stdout);
    Sleep(60 * 60 * 1000);
    return 0;
}
