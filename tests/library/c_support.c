#include "c_support.h"

#include <fcntl.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

int test_fail(const char *what, const char *detail) {
  fprintf(stderr, "FAILED: %s: %s\n", what, detail);
  return 1;
}

unsigned char *test_read_file(const char *path, size_t *size) {
  FILE *file = fopen(path, "rb");
  if (file == NULL) return NULL;
  size_t capacity = 1 << 16, used = 0;
  unsigned char *bytes = malloc(capacity + 1);
  for (size_t n; bytes != NULL && (n = fread(bytes + used, 1, capacity - used, file)) > 0;) {
    used += n;
    if (used == capacity) {
      capacity *= 2;
      unsigned char *grown = realloc(bytes, capacity + 1);
      if (grown == NULL) free(bytes);
      bytes = grown;
    }
  }
  fclose(file);
  if (bytes == NULL) return NULL;
  bytes[used] = 0;
  *size = used;
  return bytes;
}

int test_run(const char *const *argv, const char *stderr_path) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, stderr_path, O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t child;
  const int started = posix_spawn(&child, argv[0], &actions, NULL, (char *const *)argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  if (started != 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}
