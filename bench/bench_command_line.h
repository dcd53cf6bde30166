// The benches' command line: named whole-number options and --help. Every
// bench answers --help with its usage and refuses what it does not know,
// rather than starting a run of several minutes on a typo.
#pragma once

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string_view>

namespace ocelbench {

struct CountOption {
  const char* name;  // "--runs"
  int* value;        // set when given; at least 1
};

struct FlagOption {
  const char* name;  // "--instant"
  bool* value;
};

// Reads argv into the options; prints usage to stdout and exits 0 on
// --help, prints it to stderr and exits 2 on anything else it does not know.
inline void parseBenchCommandLine(int argc, char** argv, const char* usage,
                                  std::initializer_list<CountOption> counts,
                                  std::initializer_list<FlagOption> flags = {}) {
  auto refuse = [&](const char* what) {
    std::fprintf(stderr, "%s: %s\n%s", argv[0], what, usage);
    std::exit(2);
  };
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(usage, stdout);
      std::exit(0);
    }
    bool known = false;
    for (const FlagOption& flag : flags)
      if (arg == flag.name) known = *flag.value = true;
    for (const CountOption& count : counts) {
      if (known || arg != count.name) continue;
      if (i + 1 == argc) refuse("a number must follow the option");
      const std::string_view text = argv[++i];
      int n = 0;
      const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
      if (error != std::errc() || end != text.data() + text.size() || n < 1)
        refuse("the option takes a whole number of at least 1");
      *count.value = n;
      known = true;
    }
    if (!known) refuse("unknown option");
  }
}

}  // namespace ocelbench
