#include "cli/CliMain.h"

int main(int argc, char** argv) {
  return quorvane::RunCli(argc, argv);
}
