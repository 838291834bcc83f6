// The options that run without a window: --help, --version, --info, --save-as,
// --render-slide, --export-images, --export-pdf, --print-to, --print, --make-sample.
#pragma once

#include <cstdio>

struct CommandLine;

// Runs a batch command line; returns the process exit code. Messages go to
// `err` instead of a message box.
int RunBatch(const CommandLine& cl, std::FILE* out = stdout, std::FILE* err = stderr);
