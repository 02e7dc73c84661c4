/* The stand-alone runtime inside a launcher file and its unpacking (payload.c). */
#pragma once
#include "RuntimeHeader.h"

#include <stddef.h>
#include <stdint.h>
#include <sys/types.h>

struct runtime {
  off_t payload_at;
  uint64_t payload_size;
  char hash[QB_RUNTIME_HASH_SIZE + 1];
};

enum { UNPACKED = 0, NOT_WRITTEN = -1, DAMAGED = -2 };

/* Reads exactly size bytes at an offset; -1 on a short read. */
int read_at(int fd, void *buffer, size_t size, off_t at);
/* Where the runtime's payload lies in an open launcher file, and its hash; -1 when it is no
 * launcher with a runtime. */
int read_runtime(int fd, struct runtime *rt);
int read_runtime_of(const char *path, struct runtime *rt);
/* Unpacks the payload into a new folder; what is left of a failed unpack is the caller's. */
int unpack(int bundle, const struct runtime *rt, const char *folder);

/* Says what went wrong (launcher.c keeps it for the player); returns -1. */
int note(const char *what, const char *path);
