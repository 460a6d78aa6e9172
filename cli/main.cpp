#include <unistd.h>

#include <new>

#include "cli/front_end.h"

int main(int argc, char** argv) {
  try {
    return kbc::RunCommandLine(argc, argv);
  } catch (const std::bad_alloc&) {
    // Written without allocating: memory has just run out.
    constexpr char kMessage[] = "KestrovaBarCode: out of memory\n";
    [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, kMessage, sizeof kMessage - 1);
    return kbc::kExitNotProduced;
  }
}
