#pragma once

namespace corvella::cli {
int run(int argc, char** argv);
}
