/* The library against the command line: for the same options every file
   action gives the same bytes and the same warnings, refused data gives the
   command line's reason, and what the command line would not take is refused,
   leaving the request as it was.
   Run as: library_bytes_test PROGRAM FOLDER (SOURCE_DATE_EPOCH set). */
#include <fcntl.h>
#include <kestrova/barcode.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

/* Reports a failed expectation; returns 1, to be added to the failures. */
static int Fail(const char *what, const char *detail) {
  fprintf(stderr, "FAILED: %s: %s\n", what, detail);
  return 1;
}

/* The whole file (malloc'd, NUL after the end), or NULL. */
static unsigned char *ReadWhole(const char *path, size_t *size) {
  FILE *file = fopen(path, "rb");
  if (file == NULL) return NULL;
  fseek(file, 0, SEEK_END);
  const long length = ftell(file);
  rewind(file);
  unsigned char *bytes = length < 0 ? NULL : malloc((size_t)length + 1);
  if (bytes != NULL) {
    *size = fread(bytes, 1, (size_t)length, file);
    bytes[*size] = 0;
  }
  fclose(file);
  return bytes;
}

/* Runs argv (NULL-terminated), stdout discarded and stderr kept in stderr_path;
   the exit status, or -1. */
static int Run(const char *const *argv, const char *stderr_path) {
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

enum { kMaxOptions = 5, kMaxArguments = 2 * kMaxOptions + 6 };

struct option {
  const char *name;
  const char *value;
};

struct request_case {
  const char *label;
  struct option options[kMaxOptions];
  int refused; /* 1: by every action; 2: for a bitmap's limits alone */
};

/* The documents first, then the bitmaps (from index 3). */
static const char *const kActions[] = {"epsf", "svgf", "pdff", "pngf", "jpeg", "tiff"};

static const struct request_case kDrawn[] = {
    {"ean13", {{"type", "EAN-13"}, {"data", "590123412345"}, {"addon", "12"}, {"scale", "120"}}, 0},
    {"qr", {{"type", "QRCode"}, {"data", "Hello World"}, {"colmode", "1"}, {"fcolcomponent1", "0.8"}}, 0},
    {"datamatrix", {{"type", "DataMatrix"}, {"data", "123456"}, {"dpi", "300"}}, 0},
    {"pdf417", {{"type", "PDF417"}, {"data", "PDF417 test"}, {"trim", "20"}}, 0},
    {"databar", {{"type", "Databar-Omnidirectional"}, {"data", "0123456789012"}}, 0},
    {"code128", {{"type", "Code-128"}, {"data", "Abc123"}, {"fontsize", "14"}, {"colmode", "2"}}, 0},
    /* A clamped value and a check digit replaced: both warned about. */
    {"warned", {{"type", "EAN-13"}, {"data", "5901234123458"}, {"scale", "200"}}, 0},
};

#define KBC_TEN_WORDS "Kestrova Kestrova Kestrova Kestrova Kestrova Kestrova Kestrova Kestrova Kestrova Kestrova "

static const struct request_case kRefused[] = {
    {"letters", {{"type", "EAN-13"}, {"data", "abc"}}, 1},
    {"toolarge", {{"type", "QRCode"}, {"data", KBC_TEN_WORDS KBC_TEN_WORDS KBC_TEN_WORDS KBC_TEN_WORDS KBC_TEN_WORDS KBC_TEN_WORDS},
                  {"dpi", "2400"}, {"scale", "150"}}, 2},
};

/* The case's options, and -output when given. */
static kbc_request *NewRequest(const struct request_case *request_case, const char *output) {
  kbc_request *request = kbc_request_new();
  for (int i = 0; i < kMaxOptions && request_case->options[i].name != NULL; ++i) {
    if (kbc_request_set(request, request_case->options[i].name, request_case->options[i].value) != 0) {
      Fail(request_case->label, kbc_request_error(request));
    }
  }
  if (output != NULL && kbc_request_set(request, "output", output) != 0) Fail("output", kbc_request_error(request));
  return request;
}

/* Runs the command line with the case's options; its stderr is left in err_path. */
static int RunProgram(const char *program, const struct request_case *request_case, const char *action,
                      const char *output, const char *err_path) {
  const char *argv[kMaxArguments] = {program};
  char dashed[kMaxOptions][32];
  int n = 1;
  for (int i = 0; i < kMaxOptions && request_case->options[i].name != NULL; ++i) {
    snprintf(dashed[i], sizeof dashed[i], "-%s", request_case->options[i].name);
    argv[n++] = dashed[i];
    argv[n++] = request_case->options[i].value;
  }
  argv[n++] = "-action";
  argv[n++] = action;
  argv[n++] = "-output";
  argv[n++] = output;
  argv[n] = NULL;
  return Run(argv, err_path);
}

/* One case and action through the library and the command line. Drawn: the
   same bytes, and each library warning as the program's warning line.
   Refused: no bytes from either, and the program's one error line gives the
   library's reason up to its "; ". */
static int Check(const char *program, const char *folder, const struct request_case *base, const char *action) {
  const int refused = base->refused != 0;
  char path[512], err_path[sizeof path + 4], label[128], expected[4096] = "";
  snprintf(path, sizeof path, "%s/%s.%s", folder, base->label, action);
  snprintf(err_path, sizeof err_path, "%s.err", path);
  snprintf(label, sizeof label, "%s%s %s", refused ? "refused " : "", base->label, action);
  kbc_request *request = NewRequest(base, path);
  unsigned char sentinel = 0;
  unsigned char *bytes = refused ? &sentinel : NULL;
  size_t size = (size_t)refused, file_size = 0, err_size = 0;
  const int status = kbc_render(request, action, &bytes, &size);
  const int exit_status = RunProgram(program, base, action, path, err_path);
  unsigned char *file = ReadWhole(path, &file_size);
  char *err = (char *)ReadWhole(err_path, &err_size);
  int failures = 0, same_err;
  if (refused) {
    if (status != KBC_NOT_PRODUCED || bytes != NULL || size != 0) failures += Fail(label, "not refused");
    if (exit_status != 1) failures += Fail(label, "the program did not fail");
    snprintf(expected, sizeof expected, "KestrovaBarCode: %s; \"%s\" ", kbc_request_error(request), path);
    same_err = err != NULL && strncmp(err, expected, strlen(expected)) == 0 && strchr(err, '\n') == err + err_size - 1;
  } else {
    if (status != 0) failures += Fail(label, kbc_request_error(request));
    if (exit_status != 0) failures += Fail(label, "the program failed");
    if (file == NULL || bytes == NULL || file_size != size || memcmp(file, bytes, size) != 0) {
      failures += Fail(label, "the bytes differ from the program's file");
    }
    for (const char *line = kbc_request_warnings(request); *line != '\0';) {
      const char *end = strchr(line, '\n');
      strcat(expected, "KestrovaBarCode: warning: ");
      strncat(expected, line, (size_t)(end - line) + 1);
      line = end + 1;
    }
    same_err = err != NULL && strcmp(err, expected) == 0;
  }
  if (!same_err) {
    failures += Fail(label, "the library's messages differ from the program's stderr");
    fprintf(stderr, "  program: %s  library: %s\n", err ? err : "(none)\n", expected);
  }
  free(err);
  free(file);
  if (bytes != &sentinel) kbc_free(bytes);
  kbc_request_free(request);
  return failures;
}

/* What the library does not take, at kbc_request_set or at kbc_render: each
   refused, naming what was wrong. */
struct invalid_call {
  struct option options[2];
  const char *action;
  const char *reason; /* a part of the reason given */
};

static const struct invalid_call kInvalid[] = {
    {{{"colour", "red"}}, "svgf", "unknown option \"colour\""},
    {{{"-type", "EAN-13"}}, "svgf", "unknown option \"-type\""},
    {{{"fcolcomponent6", "0.5"}}, "svgf", "unknown option \"fcolcomponent6\""},
    {{{"rotate", "45"}}, "svgf", "-rotate 45 is no quarter turn"},
    {{{"type", "QRcod"}}, "svgf", "unknown -type \"QRcod\"; did you mean \"QRCode\"?"},
    {{{"batch", "lines.txt"}}, "svgf", "\"batch\" is no option of a request"},
    {{{"action", "pngf"}}, "svgf", "\"action\" is no option of a request"},
    {{{"type", NULL}}, "svgf", "no option or no value given"},
    {{{"type", "EAN-13"}, {"data", "590123412345"}}, "gif", "unknown action \"gif\""},
    {{{"type", "EAN-13"}, {"data", "590123412345"}}, "clip", "unknown action \"clip\""},
    {{{"type", "EAN-13"}}, "svgf", "no -data given"},
    {{{"type", "EAN-13"}, {"data", "590123412345"}}, NULL, "no action"},
};

static int CheckInvalid(void) {
  int failures = 0;
  for (size_t i = 0; i < sizeof kInvalid / sizeof *kInvalid; ++i) {
    const struct invalid_call *call = &kInvalid[i];
    kbc_request *request = kbc_request_new();
    int status = 0;
    for (int o = 0; o < 2 && status == 0 && call->options[o].name != NULL; ++o) {
      status = kbc_request_set(request, call->options[o].name, call->options[o].value);
    }
    unsigned char *bytes = NULL;
    size_t size = 0;
    if (status == 0) status = kbc_render(request, call->action, &bytes, &size);
    if (status != KBC_INVALID || bytes != NULL || strstr(kbc_request_error(request), call->reason) == NULL) {
      failures += Fail(call->reason, kbc_request_error(request));
    }
    kbc_free(bytes);
    kbc_request_free(request);
  }
  return failures;
}

/* A refused set leaves the request as it was: the render after it gives the
   bytes of the render before it. A NULL value stands for a bogus name of
   10 MB, which is refused without a suggestion. */
struct refused_set {
  struct option option;
  const char *ending; /* how the reason ends */
};

static const struct refused_set kRefusedSets[] = {
    {{"type", "QRcod"}, "unknown -type \"QRcod\"; did you mean \"QRCode\"?"},
    {{"type", NULL}, "xxxxxxxx\""},
    {{"rotate", "45"}, "give 0, 90, 180 or 270 (degrees clockwise)"},
    {{"colour", "red"}, "unknown option \"colour\""},
    {{"action", "pngf"}, "\"action\" is no option of a request"},
};

static int EndsWith(const char *text, const char *ending) {
  const size_t length = strlen(text), end_length = strlen(ending);
  return length >= end_length && strcmp(text + length - end_length, ending) == 0;
}

static int CheckRefusedSetsChangeNothing(void) {
  static const struct request_case kBase = {"base", {{"type", "Code-128"}, {"data", "Abc123"}, {"rotate", "90"}}, 0};
  const size_t long_size = 10u << 20;
  char *long_name = malloc(long_size + 1);
  if (long_name == NULL) return Fail("refused sets", "no memory for the long name");
  memset(long_name, 'x', long_size);
  long_name[long_size] = '\0';
  int failures = 0;
  for (size_t i = 0; i < sizeof kRefusedSets / sizeof *kRefusedSets; ++i) {
    const struct refused_set *set = &kRefusedSets[i];
    kbc_request *request = NewRequest(&kBase, NULL);
    unsigned char *before = NULL, *after = NULL;
    size_t before_size = 0, after_size = 0;
    const int rendered = kbc_render(request, "svgf", &before, &before_size);
    const int status = kbc_request_set(request, set->option.name, set->option.value ? set->option.value : long_name);
    if (status != KBC_INVALID || !EndsWith(kbc_request_error(request), set->ending)) {
      failures += Fail(set->ending, kbc_request_error(request));
    }
    if (rendered != 0 || kbc_render(request, "svgf", &after, &after_size) != 0 || after_size != before_size ||
        memcmp(before, after, before_size) != 0) {
      failures += Fail(set->ending, "the refused set changed the request");
    }
    kbc_free(before);
    kbc_free(after);
    kbc_request_free(request);
  }
  free(long_name);
  return failures;
}

static unsigned long BigEndian32(const unsigned char *bytes) {
  return (unsigned long)bytes[0] << 24 | (unsigned long)bytes[1] << 16 | (unsigned long)bytes[2] << 8 | bytes[3];
}

/* The size kbc_check gives is the size a PNG is drawn at: one pixel per
   point, truncated. Refused data has no size. */
static int CheckSizes(void) {
  int failures = 0;
  for (size_t i = 0; i < sizeof kDrawn / sizeof *kDrawn; ++i) {
    if (strcmp(kDrawn[i].label, "datamatrix") == 0) continue; /* drawn at 300 dpi */
    kbc_request *request = NewRequest(&kDrawn[i], NULL);
    double width = 0, height = 0;
    unsigned char *png = NULL;
    size_t size = 0;
    if (kbc_check(request, &width, &height) != 0 || kbc_render(request, "pngf", &png, &size) != 0 || size < 24 ||
        BigEndian32(png + 16) != (unsigned long)width || BigEndian32(png + 20) != (unsigned long)height) {
      failures += Fail(kDrawn[i].label, "kbc_check's size is not the PNG's");
    }
    kbc_free(png);
    kbc_request_free(request);
  }
  kbc_request *refused = NewRequest(&kRefused[0], NULL);
  double width = 1, height = 1;
  if (kbc_check(refused, &width, &height) != KBC_NOT_PRODUCED || width != 0 || height != 0 ||
      strstr(kbc_request_error(refused), "the data cannot be drawn as EAN-13") == NULL) {
    failures += Fail("check of refused data", kbc_request_error(refused));
  }
  kbc_request_free(refused);
  return failures;
}

int main(int argc, char **argv) {
  if (argc != 3) return Fail("arguments", "library_bytes_test PROGRAM FOLDER");
  const char *program = argv[1];
  const char *folder = argv[2];
  int failures = 0;
  for (size_t a = 0; a < sizeof kActions / sizeof *kActions; ++a) {
    for (size_t c = 0; c < sizeof kDrawn / sizeof *kDrawn; ++c) failures += Check(program, folder, &kDrawn[c], kActions[a]);
    for (size_t c = 0; c < sizeof kRefused / sizeof *kRefused; ++c) {
      if (a >= 3 || kRefused[c].refused == 1) failures += Check(program, folder, &kRefused[c], kActions[a]);
    }
  }
  failures += CheckInvalid();
  failures += CheckRefusedSetsChangeNothing();
  failures += CheckSizes();
  printf("%d failures\n", failures);
  return failures == 0 ? 0 : 1;
}
