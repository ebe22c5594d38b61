#include "setup_check.h"

int main(int argc, char** argv) { return RunSetupCheck(argc, argv); }
