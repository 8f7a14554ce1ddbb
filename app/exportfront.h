#pragma once

struct CommandLineOptions;

// varnel --export FILE: writes the picture as PNG, SVG or PDF without any window. Returns the
// exit status: 0 written, 1 the file could not be written (the old one is kept), 2 a file name
// that names no format, or a fret window that the stored instrument is too short for. Nothing
// half-written is ever left behind.
int RunExport(const CommandLineOptions& options);
