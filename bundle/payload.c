/* The stand-alone runtime inside a launcher file: where its payload lies, and the payload (a
 * ustar archive inside one zstd stream) unpacked into a folder, every name and size checked. */
/* glibc declares syncfs only under its feature switch, whose name is reserved by design. */
#define _GNU_SOURCE // NOLINT(bugprone-reserved-identifier)
#include "payload.h"

#include <elf.h>
#include <errno.h>
#include <fcntl.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zstd.h>

int read_at(int fd, void *buffer, size_t size, off_t at) {
  char *to = buffer;
  while (size > 0) {
    const ssize_t got = pread(fd, to, size, at);
    if (got <= 0)
      return -1;
    to += got;
    at += got;
    size -= (size_t)got;
  }
  return 0;
}

/* The launcher ends where its section table ends: the linker writes that table last. */
int read_runtime(int fd, struct runtime *rt) {
  Elf64_Ehdr elf;
  struct stat st;
  unsigned char header[QB_RUNTIME_HEADER_SIZE];
  if (fstat(fd, &st) != 0 || read_at(fd, &elf, sizeof elf, 0) != 0 ||
      memcmp(elf.e_ident, ELFMAG, SELFMAG) != 0 || elf.e_ident[EI_CLASS] != ELFCLASS64)
    return -1;
  const off_t end = (off_t)elf.e_shoff + (off_t)elf.e_shentsize * elf.e_shnum;
  if (read_at(fd, header, sizeof header, end) != 0 ||
      memcmp(header, QB_RUNTIME_MAGIC, QB_RUNTIME_MAGIC_SIZE) != 0)
    return -1;
  rt->payload_size = 0;
  for (int i = 7; i >= 0; --i)
    rt->payload_size = rt->payload_size << 8 | header[QB_RUNTIME_MAGIC_SIZE + i];
  rt->payload_at = end + QB_RUNTIME_HEADER_SIZE;
  memcpy(rt->hash, header + QB_RUNTIME_MAGIC_SIZE + 8, QB_RUNTIME_HASH_SIZE);
  rt->hash[QB_RUNTIME_HASH_SIZE] = 0;
  if (strspn(rt->hash, "0123456789abcdef") != QB_RUNTIME_HASH_SIZE ||
      rt->payload_size > (uint64_t)(st.st_size - rt->payload_at))
    return -1;
  return 0;
}

int read_runtime_of(const char *path, struct runtime *rt) {
  const int fd = open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0)
    return -1;
  const int result = read_runtime(fd, rt);
  close(fd);
  return result;
}

/* ---- the payload: a ustar archive inside one zstd stream ---------------------------------- */

struct payload {
  int fd;
  off_t at;
  uint64_t left; /* compressed bytes not yet read */
  ZSTD_DStream *stream;
  ZSTD_inBuffer in;
  int complete; /* the frame has ended and its checksum matched */
  char in_bytes[1 << 17];
  char out_bytes[1 << 17];
  size_t out_at, out_end;
};

/* Takes exactly size decompressed bytes; -1 when the payload ends early or is damaged. */
static int take(struct payload *p, void *to, size_t size) {
  char *dest = to;
  while (size > 0) {
    if (p->out_at == p->out_end) {
      if (p->in.pos == p->in.size && p->left > 0) {
        const size_t chunk = p->left < sizeof p->in_bytes ? (size_t)p->left : sizeof p->in_bytes;
        if (read_at(p->fd, p->in_bytes, chunk, p->at) != 0)
          return -1;
        p->at += (off_t)chunk;
        p->left -= chunk;
        p->in = (ZSTD_inBuffer){p->in_bytes, chunk, 0};
      }
      ZSTD_outBuffer out = {p->out_bytes, sizeof p->out_bytes, 0};
      const size_t result = ZSTD_decompressStream(p->stream, &out, &p->in);
      if (ZSTD_isError(result))
        return -1;
      if (result == 0)
        p->complete = 1;
      if (out.pos == 0 && p->in.pos == p->in.size && p->left == 0)
        return -1;
      p->out_at = 0;
      p->out_end = out.pos;
      continue;
    }
    size_t n = p->out_end - p->out_at;
    if (n > size)
      n = size;
    if (dest)
      memcpy(dest, p->out_bytes + p->out_at, n);
    dest = dest ? dest + n : NULL;
    p->out_at += n;
    size -= n;
  }
  return 0;
}

static uint64_t octal(const char *field, size_t size) {
  uint64_t value = 0;
  for (size_t i = 0; i < size && field[i] >= '0' && field[i] <= '7'; ++i)
    value = value * 8 + (uint64_t)(field[i] - '0');
  return value;
}

/* Only names inside the folder: relative, without "..". */
static int safe_name(const char *name) {
  if (name[0] == '/' || name[0] == 0)
    return 0;
  for (const char *part = name; part; part = strchr(part, '/') ? strchr(part, '/') + 1 : NULL)
    if (strncmp(part, "..", 2) == 0 && (part[2] == '/' || part[2] == 0))
      return 0;
  return 1;
}

/* The archive's end: the rest is read for the frame's checksum. */
static int finish(struct payload *p, const char *folder) {
  char block[512];
  while (take(p, block, sizeof block) == 0)
    continue;
  if (!p->complete || p->left > 0)
    return note("the runtime is damaged in", folder), DAMAGED;
  return UNPACKED;
}

/* One file's bytes, then the padding to the archive's next block. */
static int unpack_file(struct payload *p, int dir, const char *entry, uint64_t size, mode_t mode,
                       const char *folder) {
  const int out = openat(dir, entry, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode | 0600);
  if (out < 0)
    return note("cannot write", entry), NOT_WRITTEN;
  for (uint64_t left = size; left > 0;) {
    char chunk[1 << 16];
    const size_t n = left < sizeof chunk ? (size_t)left : sizeof chunk;
    errno = 0;
    if (take(p, chunk, n) != 0) {
      close(out);
      return note("the runtime is damaged in", folder), DAMAGED;
    }
    if (write(out, chunk, n) != (ssize_t)n) {
      if (errno == 0)
        errno = ENOSPC;
      note("cannot unpack", entry);
      close(out);
      return NOT_WRITTEN;
    }
    left -= n;
  }
  if (close(out) != 0)
    return note("cannot unpack", entry), NOT_WRITTEN;
  if (take(p, NULL, (512 - size % 512) % 512) != 0)
    return note("the runtime is damaged in", folder), DAMAGED;
  return UNPACKED;
}

static int unpack_entries(struct payload *p, int dir, const char *folder) {
  for (;;) {
    char block[512], name[512];
    errno = 0;
    if (take(p, block, sizeof block) != 0)
      return note("the runtime is damaged in", folder), DAMAGED;
    if (block[0] == 0)
      return finish(p, folder);
    snprintf(name, sizeof name, "%.155s%s%.100s", block + 345, block[345] ? "/" : "", block);
    const char *entry = strncmp(name, "./", 2) == 0 ? name + 2 : name;
    const uint64_t size = octal(block + 124, 12);
    const mode_t mode = (mode_t)octal(block + 100, 8) & 0755;
    if (*entry == 0 || strcmp(entry, ".") == 0)
      continue;
    if (!safe_name(entry))
      return note("the runtime names a file outside its folder:", entry), DAMAGED;
    if (block[156] == '5') {
      if (mkdirat(dir, entry, 0700) != 0 && errno != EEXIST)
        return note("cannot make", entry), NOT_WRITTEN;
      continue;
    }
    if (block[156] != '0' && block[156] != 0)
      return note("the runtime holds an entry that is not a file:", entry), DAMAGED;
    const int written = unpack_file(p, dir, entry, size, mode, folder);
    if (written != UNPACKED)
      return written;
  }
}

int unpack(int bundle, const struct runtime *rt, const char *folder) {
  static struct payload p;
  p.fd = bundle;
  p.at = rt->payload_at;
  p.left = rt->payload_size;
  p.stream = ZSTD_createDStream();
  p.in = (ZSTD_inBuffer){p.in_bytes, 0, 0};
  p.out_at = p.out_end = 0;
  p.complete = 0;
  errno = 0;
  if (!p.stream || ZSTD_isError(ZSTD_initDStream(p.stream)) || mkdir(folder, 0700) != 0) {
    ZSTD_freeDStream(p.stream);
    return note("cannot unpack into", folder), NOT_WRITTEN;
  }
  const int dir = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  int result =
      dir < 0 ? (note("cannot open", folder), NOT_WRITTEN) : unpack_entries(&p, dir, folder);
  /* The rename that follows publishes the folder: its files must be on disk before it. */
  if (result == UNPACKED && syncfs(dir) != 0)
    result = (note("cannot sync", folder), NOT_WRITTEN);
  if (dir >= 0)
    close(dir);
  ZSTD_freeDStream(p.stream);
  return result;
}
