// vexocompose: composes a side-by-side stereo picture into one of the
// viewer's stereo formats. Usage in ComposeUsage (--help).
#include <cstdio>
#include <string>
#include <vector>

#include "tools/vexocompose/compose_options.h"
#include "tools/vexocompose/compose_run.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const ParsedCommandLine parsed = ParseComposeArguments(args);
  switch (parsed.outcome) {
    case ParseOutcome::kHelp:
      std::fputs(ComposeUsage().c_str(), stdout);
      return kExitDone;
    case ParseOutcome::kError:
      std::fprintf(stderr, "vexocompose: %s\n", parsed.error.c_str());
      return kExitBadInput;
    case ParseOutcome::kCompose:
      break;
  }
  std::string message;
  const int status = RunCompose(parsed.options, &message);
  if (status != kExitDone) std::fprintf(stderr, "vexocompose: %s\n", message.c_str());
  return status;
}
