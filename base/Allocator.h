// Drawing allocates and frees many large, short-lived images (one buffer per
// object and per slide). With glibc's default, each of them is a fresh mmap
// whose pages the kernel zeroes again on every draw; keeping them on the heap
// made a slide render several times faster.
#pragma once

#include <malloc.h>

inline void TuneAllocatorForDrawing() {
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
  mallopt(M_TRIM_THRESHOLD, 128 << 20);
}
