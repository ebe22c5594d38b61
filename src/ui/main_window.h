// The launcher's one window: the splash and the column of buttons.
#pragma once

bool CreateMainWindow(int showCommand);
