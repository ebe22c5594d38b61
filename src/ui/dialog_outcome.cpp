#include "ui/shared/dialog_outcome.h"

DialogOutcome g_DialogOutcome;
WindowHandle g_MainWindow;
