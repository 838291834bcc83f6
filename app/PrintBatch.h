// --print-to and --print: the print dialog's printing without a window.
#pragma once

#include <cstdio>

struct CommandLine;
class Document;

// Prints the opened document `doc` as the command line asks, with the stored
// printing choices where no option is given; returns the exit code. Failures
// are printed to `err`; a progress line goes there on a terminal.
int RunPrintBatch(const Document& doc, const CommandLine& cl, std::FILE* err);
