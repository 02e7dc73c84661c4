/* A library missing from the machine stops the program in the system's loader, before it can
 * show anything, with a line on stderr that a player who started the game from a file manager
 * never sees. The launcher looks for each one first, where that loader looks, and says what is
 * missing in a box.
 * glibc's extensions come with its feature switch, whose name is reserved by design. */
#define _GNU_SOURCE // NOLINT(bugprone-reserved-identifier)
#include "machine-libraries.h"

#include <elf.h>
#include <fcntl.h>
#include <limits.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

/* The loader's cache as glibc 2.32 and later write it: a header, then fixed entries whose
 * names are offsets into the file. */
#define CACHE_MAGIC "glibc-ld.so.cache1.1"
enum { CACHE_HEADER = 48, CACHE_ENTRY = 24, CACHE_FLAGS_ELF_LIBC6 = 0x0003 };

struct cache {
  char *bytes;
  size_t size;
  uint32_t count;
};

static uint32_t u32_at(const char *p) {
  uint32_t v;
  memcpy(&v, p, sizeof v);
  return v;
}

static int read_cache(struct cache *c) {
  c->bytes = NULL;
  const int fd = open("/etc/ld.so.cache", O_RDONLY | O_CLOEXEC);
  struct stat st;
  if (fd < 0 || fstat(fd, &st) != 0 || st.st_size < CACHE_HEADER || st.st_size > (64 << 20) ||
      !(c->bytes = malloc((size_t)st.st_size + 1))) {
    if (fd >= 0)
      close(fd);
    return -1;
  }
  c->size = (size_t)st.st_size;
  const ssize_t got = read(fd, c->bytes, c->size);
  close(fd);
  c->bytes[c->size] = 0; /* the last name ends inside the buffer whatever the file says */
  c->count = u32_at(c->bytes + 20);
  if (got != (ssize_t)c->size || memcmp(c->bytes, CACHE_MAGIC, strlen(CACHE_MAGIC)) != 0 ||
      c->count > (c->size - CACHE_HEADER) / CACHE_ENTRY) {
    free(c->bytes);
    c->bytes = NULL;
    return -1;
  }
  return 0;
}

/* A library this launcher's machine type can load: an ELF file of the same class and machine. */
static int loadable(const char *path, const Elf64_Ehdr *self) {
  Elf64_Ehdr elf;
  const int fd = open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0)
    return 0;
  const int ok = read(fd, &elf, sizeof elf) == (ssize_t)sizeof elf &&
                 memcmp(elf.e_ident, ELFMAG, SELFMAG) == 0 &&
                 elf.e_ident[EI_CLASS] == self->e_ident[EI_CLASS] &&
                 elf.e_machine == self->e_machine;
  close(fd);
  return ok;
}

static int in_folders(const char *name, const char *folders, const Elf64_Ehdr *self) {
  for (const char *part = folders; part && *part;) {
    const size_t length = strcspn(part, ":");
    char path[PATH_MAX];
    const int n = snprintf(path, sizeof path, "%.*s/%s", (int)length, part, name);
    if (length > 0 && n > 0 && (size_t)n < sizeof path && loadable(path, self))
      return 1;
    part += length + (part[length] == ':');
  }
  return 0;
}

static int in_cache(const char *name, const struct cache *c, const Elf64_Ehdr *self) {
  for (uint32_t i = 0; i < c->count; ++i) {
    const char *entry = c->bytes + CACHE_HEADER + (size_t)i * CACHE_ENTRY;
    const uint32_t flags = u32_at(entry), key = u32_at(entry + 4), value = u32_at(entry + 8);
    if ((flags & 0xff) == CACHE_FLAGS_ELF_LIBC6 && key < c->size && value < c->size &&
        strcmp(c->bytes + key, name) == 0 && loadable(c->bytes + value, self))
      return 1;
  }
  return 0;
}

static int found(const char *name, const struct cache *c, const Elf64_Ehdr *self) {
  static const char system_folders[] =
      "/lib/x86_64-linux-gnu:/usr/lib/x86_64-linux-gnu:/lib/aarch64-linux-gnu:"
      "/usr/lib/aarch64-linux-gnu:/lib64:/usr/lib64:/lib:/usr/lib";
  return in_folders(name, getenv("LD_LIBRARY_PATH"), self) || in_cache(name, c, self) ||
         in_folders(name, system_folders, self);
}

int missing_libraries(const char *folder, char *out, size_t size) {
  char path[PATH_MAX], line[512];
  out[0] = 0;
  if (snprintf(path, sizeof path, "%s/%s", folder, QB_MACHINE_LIBRARIES) >= (int)sizeof path)
    return 0;
  FILE *list = fopen(path, "re");
  Elf64_Ehdr self;
  const int me = open("/proc/self/exe", O_RDONLY | O_CLOEXEC);
  const int know_self = me >= 0 && read(me, &self, sizeof self) == (ssize_t)sizeof self;
  if (me >= 0)
    close(me);
  struct cache cache;
  if (!list || !know_self || read_cache(&cache) != 0) {
    if (list)
      fclose(list);
    return 0;
  }
  int missing = 0;
  while (fgets(line, sizeof line, list)) {
    char name[256], package[256] = "";
    if (sscanf(line, "%255s %255s", name, package) < 1 || found(name, &cache, &self))
      continue;
    const size_t used = strlen(out);
    snprintf(out + used, size - used, "%s%s%s%s%s", missing ? ", " : "", name, *package ? " (" : "",
             package, *package ? ")" : "");
    ++missing;
  }
  fclose(list);
  free(cache.bytes);
  return missing;
}
