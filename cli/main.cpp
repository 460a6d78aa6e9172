#include "cli/front_end.h"

int main(int argc, char** argv) { return kbc::RunCommandLine(argc, argv); }
