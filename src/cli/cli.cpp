#include "cli/cli.h"

namespace corvella::cli {
int run(int, char**) { return 0; }
}  // namespace corvella::cli
