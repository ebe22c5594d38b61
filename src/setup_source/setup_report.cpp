#include "setup_source/setup_report.h"

const SetupReporter* g_SetupReporter;
