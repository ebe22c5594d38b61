#include "install/install_selection.h"

uint32_t g_InstallKind;
TypeMask g_TypeMask;
char g_InstallFolder[kPathSize];
