#pragma once

struct CommandLineOptions;

// varnel --export FILE: writes the picture as PNG, SVG or PDF without any window. Returns the
// exit status: 0 written, 2 refused (nothing is left behind).
int RunExport(const CommandLineOptions& options);
