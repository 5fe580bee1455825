#pragma once
// Runs a program as a child process for the command-line tests.
// run_tool.cpp starts it with posix_spawn, run_tool_win.cpp with
// CreateProcessA (under Wine too).
#include <string>
#include <vector>

// Runs program with args, its standard output and error written to the two
// files, and waits for it. The exit status, or -1 when it could not start.
int RunTool(const std::string& program, const std::vector<std::string>& args,
            const std::string& stdoutPath, const std::string& stderrPath);
