// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

// How much memory the process uses, for tests that show long use does not
// make it grow. The heap figure is what the program holds (freed blocks do
// not count, so allocator caching does not blur it); the resident set is
// what the system sees, pixmaps and backing stores included.

#include <QtGlobal>

#include <cstdio>
#include <unistd.h>

#ifdef TARNWICK_SANITIZED
#include <cstddef>
// The sanitizer runtime has it; GCC ships no header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

struct MemoryUse {
    qint64 heapBytes = 0;
    qint64 residentBytes = 0;
};

inline MemoryUse memoryUse()
{
    MemoryUse use;
#ifdef TARNWICK_SANITIZED
    // The sanitizer's allocator takes malloc's place, and its own count
    // leaves out the freed blocks it keeps in quarantine.
    use.heapBytes = qint64(__sanitizer_get_current_allocated_bytes());
#else
    const struct mallinfo2 info = mallinfo2();
    use.heapBytes = qint64(info.uordblks + info.hblkhd);
#endif
    if (std::FILE *statm = std::fopen("/proc/self/statm", "r")) {
        long totalPages = 0;
        long residentPages = 0;
        if (std::fscanf(statm, "%ld %ld", &totalPages, &residentPages) == 2)
            use.residentBytes = qint64(residentPages) * sysconf(_SC_PAGESIZE);
        std::fclose(statm);
    }
    return use;
}
