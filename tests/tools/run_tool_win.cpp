#include "tests/tools/run_tool.h"

#include <windows.h>

namespace {

// One argument quoted as the C runtime splits command lines: backslashes
// are literal unless they come before a quote.
std::string Quote(const std::string& arg) {
  if (!arg.empty() && arg.find_first_of(" \t\"") == std::string::npos) return arg;
  std::string out = "\"";
  size_t backslashes = 0;
  for (char c : arg) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    out.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    backslashes = 0;
    out += c;
  }
  out.append(2 * backslashes, '\\');
  return out + "\"";
}

// An inheritable handle to a new file, closed by its holder.
struct InheritedFile {
  HANDLE handle = INVALID_HANDLE_VALUE;
  explicit InheritedFile(const std::string& path) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    handle = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  ~InheritedFile() {
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
  InheritedFile(const InheritedFile&) = delete;
  InheritedFile& operator=(const InheritedFile&) = delete;
};

}  // namespace

int RunTool(const std::string& program, const std::vector<std::string>& args,
            const std::string& stdoutPath, const std::string& stderrPath) {
  std::string commandLine = Quote(program);
  for (const std::string& arg : args) commandLine += " " + Quote(arg);
  InheritedFile out(stdoutPath), err(stderrPath);
  if (out.handle == INVALID_HANDLE_VALUE || err.handle == INVALID_HANDLE_VALUE) return -1;

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = out.handle;
  startup.hStdError = err.handle;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr,
                      nullptr, &startup, &process))
    return -1;
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 0;
  const BOOL got = GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return got ? static_cast<int>(status) : -1;
}
