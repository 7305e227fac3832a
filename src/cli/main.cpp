#include "cli/cli.h"

int main(int argc, char** argv) {
    return corvella::cli::run(argc, argv);
}
