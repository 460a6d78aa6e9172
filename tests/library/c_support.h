/* What the C tests of the library share: failure counting, whole files read,
   and the command line run for the same options. */
#ifndef KBC_TEST_C_SUPPORT_H
#define KBC_TEST_C_SUPPORT_H

#include <stddef.h>

/* Reports a failed expectation; returns 1, to be added to the failures. */
int test_fail(const char *what, const char *detail);

/* The whole file (malloc'd, NUL after the end), or NULL. */
unsigned char *test_read_file(const char *path, size_t *size);

/* Runs the program with argv (NULL-terminated), stdout discarded and stderr
   kept in stderr_path; returns the exit status, or -1. */
int test_run(const char *const *argv, const char *stderr_path);

#endif
