#include "ui/dialog_outcome.h"

DialogOutcome g_DialogOutcome;
