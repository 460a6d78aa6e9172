// Runs a program with arguments and captures what it prints.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kbc::test {

struct ProcessResult {
  int status = -1;  // exit status, or -1 when it did not exit normally
  std::string out;
  std::string err;
};

// args[0] is the program; extraEnv entries ("NAME=value") are added to the
// environment, in place of any of the same name; it runs in workingFolder when one is given.
ProcessResult RunProgram(const std::vector<std::string>& args, const std::vector<std::string>& extraEnv = {},
                         const std::string& workingFolder = {});

// Runs the built KestrovaBarCode with the given arguments.
ProcessResult RunKbc(const std::vector<std::string>& args, const std::vector<std::string>& extraEnv = {},
                     const std::string& workingFolder = {});

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, std::string_view bytes);

// A fresh directory removed at the end of the test process (empty if none could be made).
std::string TempDir();

// TempDir()/name, emptied or made afresh.
std::string FreshFolder(const std::string& name);

}  // namespace kbc::test
