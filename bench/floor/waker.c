/* SPDX-License-Identifier: MIT */
/* The cost of waking alone: sleeps to each next 1/64 s on the monotonic clock, forever. */
#include <time.h>

int main(void)
{
    const long tick = 1000000000L / 64;
    struct timespec due;
    clock_gettime(CLOCK_MONOTONIC, &due);
    for (;;) {
        due.tv_nsec += tick;
        if (due.tv_nsec >= 1000000000L) {
            due.tv_nsec -= 1000000000L;
            ++due.tv_sec;
        }
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &due, NULL);
    }
}
