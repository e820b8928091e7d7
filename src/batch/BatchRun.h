#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace climora {

// climora-batch: parses the arguments (without the program name), performs
// one Process run and writes the output panel's text to `out` (or to the -o
// file) and every message box as a line to `err`. Returns the exit status.
int runBatchCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
// The same with INPUT "-" read from `in` instead of standard input.
int runBatchCommand(const std::vector<std::string>& args, std::FILE* in, std::FILE* out,
                    std::FILE* err);

} // namespace climora
