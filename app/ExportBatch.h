// --export-images, --export-pdf and --package: the menu's exports without a window.
#pragma once

#include <cstdio>
#include <functional>

struct CommandLine;
class Document;

// Exports the opened document `doc` as the command line asks; returns the exit
// code. Failures are printed to `err` as messages; a progress line goes there
// too when it is a terminal and the document has more than a few slides.
int RunExportBatch(const Document& doc, const CommandLine& cl, std::FILE* err);

// "\rSlide 12 of 100" (with `unit` "Slide") rewritten in place on `err` when it
// is a terminal and there are more than `quietSteps` steps; empty otherwise.
std::function<bool(int done, int total)> TerminalProgress(std::FILE* err, const char* unit, int steps, int quietSteps);
