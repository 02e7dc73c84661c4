/* The launcher at the front of a stand-alone game. It carries the program, the libraries a
 * desktop does not have and the Qt plugins as one compressed payload (see RuntimeHeader.h),
 * unpacks them once per user into $XDG_CACHE_HOME/quarrybox/runtime/<payload hash>/, removes
 * unpacked versions that no current game names any more, and runs the program, telling it which
 * file it came from so that the game's scores go back into that file. Where that cache cannot
 * be written (no HOME, a read-only home), it unpacks into a private folder of its own under
 * $XDG_RUNTIME_DIR or the temporary folder, runs the program as its child and removes the folder
 * when the program ends (or, if the launcher was killed, at a later start that uses that
 * place). Before the program starts, the libraries it takes from the machine are looked for
 * (machine-libraries.c): the system's loader would say what is missing on stderr alone. What
 * stops the game is said where the player sees it (tell-player.c).
 *
 * Linked statically (libc and libzstd), so it runs before anything it carries is in place.
 * glibc's extensions come with its feature switch, whose name is reserved by design. */
#define _GNU_SOURCE // NOLINT(bugprone-reserved-identifier)
#include "RuntimeHeader.h"
#include "machine-libraries.h"
#include "payload.h"
#include "tell-player.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <ftw.h>
#include <limits.h>
#include <signal.h>
#include <stdarg.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

/* What went wrong, in the words the player is given. */
static char problem[PATH_MAX + 256];
/* The game's file name, for the box's title. */
static const char *game_name = "The game";

int note(const char *what, const char *path) {
  if (errno)
    snprintf(problem, sizeof problem, "%s %s: %s", what, path, strerror(errno));
  else
    snprintf(problem, sizeof problem, "%s %s", what, path);
  return -1;
}

static void fail(const char *what, const char *path) {
  note(what, path);
  tell_player(game_name, problem);
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

/* ---- the per-user cache ------------------------------------------------------------------- */

static int make_folders(char *path) {
  for (char *slash = strchr(path + 1, '/');; slash = strchr(slash + 1, '/')) {
    if (slash)
      *slash = 0;
    if (mkdir(path, 0700) != 0 && errno != EEXIST) {
      note("cannot make", path);
      if (slash)
        *slash = '/';
      return NOT_WRITTEN;
    }
    if (!slash)
      return 0;
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

/* The user's cache, shared by every game of the same runtime. UNPACKED when folder holds the
 * program and the exec may follow (the cache's lock and the version's shared lock are held). */
static int use_cache(char *root, int bundle, const struct runtime *rt, const char *self,
                     char *folder) {
  if (make_folders(root) != 0)
    return NOT_WRITTEN;
  /* One launcher at a time unpacks and cleans up; the lock goes with the exec. */
  char lock_path[PATH_MAX], list[PATH_MAX], program[PATH_MAX];
  compose(lock_path, sizeof lock_path, "%s/lock", root);
  errno = 0;
  const int lock = open(lock_path, O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (lock < 0 || flock(lock, LOCK_EX) != 0) {
    note("cannot lock", lock_path);
    if (lock >= 0)
      close(lock);
    return NOT_WRITTEN;
  }
  note_game(root, rt->hash, self);
  /* Kept open across the exec, so the version is not removed while the game runs. */
  compose(list, sizeof list, "%s/%s.games", root, rt->hash);
  const int running = open(list, O_RDONLY);
  int result = running >= 0 && flock(running, LOCK_SH) == 0 ? UNPACKED : note("cannot lock", list);
  compose(folder, PATH_MAX, "%s/%s", root, rt->hash);
  compose(program, sizeof program, "%s/quarrybox", folder);
  if (result == UNPACKED && access(program, X_OK) != 0) {
    char unpacking[PATH_MAX];
    compose(unpacking, sizeof unpacking, "%s/.unpack-%ld", root, (long)getpid());
    remove_tree(unpacking);
    remove_tree(folder); /* a version whose program has gone is unpacked anew */
    result = unpack(bundle, rt, unpacking);
    if (result == UNPACKED && rename(unpacking, folder) != 0)
      result = note("cannot rename", unpacking);
    if (result != UNPACKED)
      remove_tree(unpacking);
  }
  if (result == UNPACKED) {
    remove_stale(root, rt->hash);
    return UNPACKED;
  }
  if (running >= 0)
    close(running);
  close(lock);
  return result;
}

/* Private folders of launchers that were killed: this user's, named by a process that has
 * gone. */
static void remove_orphans(const char *base) {
  DIR *dir = opendir(base);
  struct dirent *e;
  while (dir && (e = readdir(dir))) {
    long pid = 0;
    char rest[8], path[PATH_MAX];
    struct stat st;
    if (sscanf(e->d_name, "quarrybox-%ld-%7s", &pid, rest) != 2 || strlen(rest) != 6 || pid <= 0)
      continue;
    if (snprintf(path, sizeof path, "%s/%s", base, e->d_name) >= (int)sizeof path ||
        lstat(path, &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid())
      continue;
    if (kill((pid_t)pid, 0) != 0 && errno == ESRCH)
      remove_tree(path);
  }
  if (dir)
    closedir(dir);
}

/* A folder of this start's own under base, made private by mkdtemp. */
static int use_private(const char *base, int bundle, const struct runtime *rt, char *made,
                       char *folder) {
  if (!base || base[0] != '/')
    return NOT_WRITTEN;
  remove_orphans(base);
  compose(made, PATH_MAX, "%s/quarrybox-%ld-XXXXXX", base, (long)getpid());
  errno = 0;
  if (!mkdtemp(made))
    return note("cannot make a folder in", base);
  compose(folder, PATH_MAX, "%s/runtime", made);
  const int result = unpack(bundle, rt, folder);
  if (result != UNPACKED)
    remove_tree(made);
  return result;
}

static volatile pid_t child;
static void forward(int signal_number) {
  if (child > 0)
    kill(child, signal_number);
}

/* A private folder has no later start to reuse it: the launcher stays, passes the session's
 * signals on, and removes the folder when the program has ended. */
static int run_then_remove(const char *program, char **argv, const char *made) {
  struct sigaction forwarding = {0};
  forwarding.sa_handler = forward;
  sigemptyset(&forwarding.sa_mask);
  const int signals[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT};
  for (size_t i = 0; i < sizeof signals / sizeof *signals; ++i)
    sigaction(signals[i], &forwarding, NULL);
  const pid_t started = fork();
  if (started == 0) {
    execv(program, argv);
    _exit(127);
  }
  child = started;
  int status = 0;
  while (started > 0 && waitpid(started, &status, 0) < 0 && errno == EINTR)
    continue;
  remove_tree(made);
  if (started < 0)
    fail("cannot start", program);
  if (WIFEXITED(status) && WEXITSTATUS(status) == 127)
    fprintf(stderr, "quarrybox: could not start %s\n", program);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

/* The runtime in the user's cache folder, unpacked there unless it is already. */
static int unpack_to_cache(int bundle, const struct runtime *rt, const char *self, char *folder) {
  char root[PATH_MAX];
  const char *cache = getenv("XDG_CACHE_HOME");
  const char *home = getenv("HOME");
  errno = 0;
  if (cache && cache[0] == '/') {
    compose(root, sizeof root, "%s/quarrybox/runtime", cache);
    return use_cache(root, bundle, rt, self, folder);
  }
  if (home && home[0] == '/') {
    compose(root, sizeof root, "%s/.cache/quarrybox/runtime", home);
    return use_cache(root, bundle, rt, self, folder);
  }
  note("no cache folder:", "HOME is not set");
  return NOT_WRITTEN;
}

/* The program in the unpacked folder, with its libraries found first, as argv's first word. */
static void start_in(const char *folder, const char *self, char *program, char **argv) {
  char libraries[PATH_MAX * 2];
  const char *inherited = getenv("LD_LIBRARY_PATH");
  compose(libraries, sizeof libraries, "%s/lib%s%s", folder, inherited && *inherited ? ":" : "",
          inherited && *inherited ? inherited : "");
  setenv("LD_LIBRARY_PATH", libraries, 1);
  setenv(QB_BUNDLE_VARIABLE, self, 1);
  compose(program, PATH_MAX, "%s/quarrybox", folder);
  argv[0] = program;
}

/* The runtime as it is installed, with no game behind it: nothing to play. */
static int carries_game(int bundle, const struct runtime *rt) {
  struct stat st;
  return fstat(bundle, &st) != 0 ||
         (uint64_t)st.st_size > (uint64_t)rt->payload_at + rt->payload_size;
}

/* Fails (telling the player) when the machine lacks a library the program takes from it. */
static int libraries_present(const char *folder) {
  char missing[sizeof problem - 256];
  if (missing_libraries(folder, missing, sizeof missing) == 0)
    return 1;
  snprintf(problem, sizeof problem,
           "It needs libraries that desktops come with and this computer does not have: %s. "
           "Install them with the system's package manager (the names in brackets are the "
           "packages of Debian and Ubuntu).",
           missing);
  tell_player(game_name, problem);
  return 0;
}

/* The cache cannot be written: a private folder instead, tried where memory or a temporary
 * folder is. */
static int run_from_private(int bundle, const struct runtime *rt, const char *self, char **argv) {
  char folder[PATH_MAX], program[PATH_MAX], made[PATH_MAX], first_problem[sizeof problem];
  snprintf(first_problem, sizeof first_problem, "%s", problem);
  const char *tmp = getenv("TMPDIR");
  const char *bases[] = {getenv("XDG_RUNTIME_DIR"), tmp && tmp[0] == '/' ? tmp : "/tmp"};
  for (size_t i = 0; i < sizeof bases / sizeof *bases; ++i) {
    const int result = use_private(bases[i], bundle, rt, made, folder);
    if (result == DAMAGED) {
      tell_player(game_name, problem);
      return 127;
    }
    if (result == UNPACKED) {
      close(bundle);
      if (!libraries_present(folder)) {
        remove_tree(made);
        return 127;
      }
      start_in(folder, self, program, argv);
      return run_then_remove(program, argv, made);
    }
  }
  char told[sizeof problem * 2 + 64];
  snprintf(told, sizeof told, "Nothing could be unpacked: %s; %s", first_problem, problem);
  tell_player(game_name, told);
  return 127;
}

int main(int argc, char **argv) {
  (void)argc;
  char self[PATH_MAX], folder[PATH_MAX], program[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
  if (length <= 0)
    fail("cannot find", "/proc/self/exe");
  self[length] = 0;
  game_name = strrchr(self, '/') ? strrchr(self, '/') + 1 : self;
  const int bundle = open(self, O_RDONLY | O_CLOEXEC);
  struct runtime rt;
  errno = 0;
  if (bundle < 0 || read_runtime(bundle, &rt) != 0)
    fail("no runtime in", self);
  if (!carries_game(bundle, &rt)) {
    fprintf(stderr,
            "quarrybox: %s is the runtime of Quarrybox's stand-alone games and carries no game."
            " Make EXE in Quarrybox's File menu makes a game that starts with it.\n",
            self);
    return 2;
  }

  const int result = unpack_to_cache(bundle, &rt, self, folder);
  if (result == UNPACKED) {
    close(bundle);
    if (!libraries_present(folder))
      return 127;
    start_in(folder, self, program, argv);
    execv(program, argv);
    fail("cannot start", program);
  }
  if (result == DAMAGED) {
    tell_player(game_name, problem);
    return 127;
  }
  return run_from_private(bundle, &rt, self, argv);
}
