/* The launcher at the front of a stand-alone game. It carries the program, the libraries a
 * desktop does not have and the Qt plugins as one compressed payload (see RuntimeHeader.h),
 * unpacks them once per user into $XDG_CACHE_HOME/quarrybox/runtime/<payload hash>/, removes
 * unpacked versions that no current game names any more, and runs the program, telling it which
 * file it came from so that the game's scores go back into that file.
 *
 * Linked statically (libc and libzstd), so it runs before anything it carries is in place. */
#define _GNU_SOURCE
#include "RuntimeHeader.h"

#include <dirent.h>
#include <elf.h>
#include <errno.h>
#include <fcntl.h>
#include <ftw.h>
#include <limits.h>
#include <stdarg.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zstd.h>

static void fail(const char *what, const char *path) {
  if (errno)
    fprintf(stderr, "quarrybox: %s %s: %s\n", what, path, strerror(errno));
  else
    fprintf(stderr, "quarrybox: %s %s\n", what, path);
  exit(127);
}

/* snprintf that refuses a path too long for its buffer instead of cutting it short. */
static void compose(char *out, size_t size, const char *format, ...) {
  va_list args;
  va_start(args, format);
  const int n = vsnprintf(out, size, format, args);
  va_end(args);
  errno = ENAMETOOLONG;
  if (n < 0 || (size_t)n >= size)
    fail("path too long:", format);
}

static int read_at(int fd, void *buffer, size_t size, off_t at) {
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

struct runtime {
  off_t payload_at;
  uint64_t payload_size;
  char hash[QB_RUNTIME_HASH_SIZE + 1];
};

/* The launcher ends where its section table ends: the linker writes that table last. */
static int read_runtime(int fd, struct runtime *rt) {
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

static int read_runtime_of(const char *path, struct runtime *rt) {
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

static void unpack(int bundle, const struct runtime *rt, const char *folder) {
  static struct payload p;
  p.fd = bundle;
  p.at = rt->payload_at;
  p.left = rt->payload_size;
  p.stream = ZSTD_createDStream();
  p.in = (ZSTD_inBuffer){p.in_bytes, 0, 0};
  p.out_at = p.out_end = 0;
  p.complete = 0;
  errno = 0;
  if (!p.stream || ZSTD_isError(ZSTD_initDStream(p.stream)) || mkdir(folder, 0700) != 0)
    fail("cannot unpack into", folder);
  const int dir = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0)
    fail("cannot open", folder);
  for (;;) {
    char block[512], name[512];
    errno = 0;
    if (take(&p, block, sizeof block) != 0)
      fail("the runtime is damaged in", folder);
    if (block[0] == 0) { /* the archive's end: the rest is read for the frame's checksum */
      while (take(&p, block, sizeof block) == 0)
        continue;
      if (!p.complete || p.left > 0)
        fail("the runtime is damaged in", folder);
      break;
    }
    snprintf(name, sizeof name, "%.155s%s%.100s", block + 345, block[345] ? "/" : "", block);
    const char *entry = strncmp(name, "./", 2) == 0 ? name + 2 : name;
    const uint64_t size = octal(block + 124, 12);
    const mode_t mode = (mode_t)octal(block + 100, 8) & 0755;
    if (*entry == 0 || strcmp(entry, ".") == 0)
      continue;
    if (!safe_name(entry))
      fail("the runtime names a file outside its folder:", entry);
    if (block[156] == '5') {
      if (mkdirat(dir, entry, 0700) != 0 && errno != EEXIST)
        fail("cannot make", entry);
      continue;
    }
    if (block[156] != '0' && block[156] != 0)
      fail("the runtime holds an entry that is not a file:", entry);
    const int out = openat(dir, entry, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode | 0600);
    if (out < 0)
      fail("cannot write", entry);
    for (uint64_t left = size; left > 0;) {
      char chunk[1 << 16];
      const size_t n = left < sizeof chunk ? (size_t)left : sizeof chunk;
      errno = 0;
      if (take(&p, chunk, n) != 0 || write(out, chunk, n) != (ssize_t)n)
        fail("cannot unpack", entry);
      left -= n;
    }
    close(out);
    if (take(&p, NULL, (512 - size % 512) % 512) != 0)
      fail("the runtime is damaged in", folder);
  }
  /* The rename that follows publishes the folder: its files must be on disk before it. */
  syncfs(dir);
  close(dir);
  ZSTD_freeDStream(p.stream);
}

/* ---- the per-user cache ------------------------------------------------------------------- */

static void make_folders(char *path) {
  for (char *slash = strchr(path + 1, '/');; slash = strchr(slash + 1, '/')) {
    if (slash)
      *slash = 0;
    if (mkdir(path, 0700) != 0 && errno != EEXIST)
      fail("cannot make", path);
    if (!slash)
      return;
    *slash = '/';
  }
}

static int remove_entry(const char *path, const struct stat *st, int type, struct FTW *ftw) {
  (void)st, (void)ftw;
  return type == FTW_DP ? rmdir(path) : unlink(path);
}

static void remove_tree(const char *path) { nftw(path, remove_entry, 16, FTW_DEPTH | FTW_PHYS); }

/* Every game that used a version is listed in "<hash>.games", one path a line. */
static int still_named(const char *root, const char *hash) {
  char list[PATH_MAX], line[PATH_MAX];
  compose(list, sizeof list, "%s/%s.games", root, hash);
  FILE *games = fopen(list, "re");
  int named = 0;
  while (games && !named && fgets(line, sizeof line, games)) {
    struct runtime rt;
    line[strcspn(line, "\n")] = 0;
    named = read_runtime_of(line, &rt) == 0 && strcmp(rt.hash, hash) == 0;
  }
  if (games)
    fclose(games);
  return named;
}

static void note_game(const char *root, const char *hash, const char *game) {
  char list[PATH_MAX], line[PATH_MAX];
  compose(list, sizeof list, "%s/%s.games", root, hash);
  FILE *games = strchr(game, '\n') ? NULL : fopen(list, "a+e");
  if (!games)
    return;
  while (fgets(line, sizeof line, games)) {
    line[strcspn(line, "\n")] = 0;
    if (strcmp(line, game) == 0) {
      fclose(games);
      return;
    }
  }
  fprintf(games, "%s\n", game);
  fclose(games);
}

/* A running game holds a shared lock on its version's list for as long as it runs. */
static int in_use(const char *root, const char *hash) {
  char list[PATH_MAX];
  compose(list, sizeof list, "%s/%s.games", root, hash);
  const int fd = open(list, O_RDONLY | O_CLOEXEC);
  const int used = fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) != 0;
  if (fd >= 0)
    close(fd);
  return used;
}

/* Called under the cache's lock: an unpacking folder found then belongs to a killed launcher. */
static void remove_stale(const char *root, const char *current) {
  DIR *dir = opendir(root);
  struct dirent *e;
  while (dir && (e = readdir(dir))) {
    char path[PATH_MAX], hash[QB_RUNTIME_HASH_SIZE + 1];
    compose(path, sizeof path, "%s/%s", root, e->d_name);
    if (strncmp(e->d_name, ".unpack-", 8) == 0) {
      remove_tree(path);
      continue;
    }
    if (strspn(e->d_name, "0123456789abcdef") != QB_RUNTIME_HASH_SIZE)
      continue;
    memcpy(hash, e->d_name, QB_RUNTIME_HASH_SIZE);
    hash[QB_RUNTIME_HASH_SIZE] = 0;
    if (strcmp(hash, current) == 0 || still_named(root, hash) || in_use(root, hash))
      continue;
    char folder[PATH_MAX];
    compose(folder, sizeof folder, "%s/%s", root, hash);
    remove_tree(folder);
    compose(path, sizeof path, "%s/%s.games", root, hash);
    unlink(path);
  }
  if (dir)
    closedir(dir);
}

int main(int argc, char **argv) {
  (void)argc;
  char self[PATH_MAX], root[PATH_MAX], folder[PATH_MAX], program[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
  if (length <= 0)
    fail("cannot find", "/proc/self/exe");
  self[length] = 0;
  const int bundle = open(self, O_RDONLY | O_CLOEXEC);
  struct runtime rt;
  errno = 0;
  if (bundle < 0 || read_runtime(bundle, &rt) != 0)
    fail("no runtime in", self);

  const char *cache = getenv("XDG_CACHE_HOME");
  const char *home = getenv("HOME");
  if (cache && cache[0] == '/')
    compose(root, sizeof root, "%s/quarrybox/runtime", cache);
  else if (home && home[0] == '/')
    compose(root, sizeof root, "%s/.cache/quarrybox/runtime", home);
  else
    fail("no cache folder:", "HOME is not set");
  make_folders(root);

  /* One launcher at a time unpacks and cleans up; the lock goes with the exec. */
  char lock_path[PATH_MAX];
  compose(lock_path, sizeof lock_path, "%s/lock", root);
  const int lock = open(lock_path, O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (lock < 0 || flock(lock, LOCK_EX) != 0)
    fail("cannot lock", lock_path);

  note_game(root, rt.hash, self);
  /* Kept open across the exec, so the version is not removed while the game runs. */
  char list[PATH_MAX];
  compose(list, sizeof list, "%s/%s.games", root, rt.hash);
  const int running = open(list, O_RDONLY);
  if (running < 0 || flock(running, LOCK_SH) != 0)
    fail("cannot lock", list);
  compose(folder, sizeof folder, "%s/%s", root, rt.hash);
  compose(program, sizeof program, "%s/quarrybox", folder);
  if (access(program, X_OK) != 0) {
    char unpacking[PATH_MAX];
    compose(unpacking, sizeof unpacking, "%s/.unpack-%ld", root, (long)getpid());
    remove_tree(unpacking);
    remove_tree(folder); /* a version whose program has gone is unpacked anew */
    unpack(bundle, &rt, unpacking);
    if (rename(unpacking, folder) != 0)
      fail("cannot rename", unpacking);
  }
  remove_stale(root, rt.hash);
  close(bundle);

  char libraries[PATH_MAX * 2];
  const char *inherited = getenv("LD_LIBRARY_PATH");
  compose(libraries, sizeof libraries, "%s/lib%s%s", folder, inherited && *inherited ? ":" : "",
          inherited && *inherited ? inherited : "");
  setenv("LD_LIBRARY_PATH", libraries, 1);
  setenv(QB_BUNDLE_VARIABLE, self, 1);
  argv[0] = program;
  execv(program, argv);
  fail("cannot start", program);
  return 127;
}
