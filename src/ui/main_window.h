// The launcher's only window: the splash picture and the column of buttons.
#pragma once

bool CreateMainWindow(int showCommand);
