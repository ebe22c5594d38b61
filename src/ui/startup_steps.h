// The launcher's start-up as one list of steps, run in order until one says stop. WinMain
// runs the list; the bench runs the same list with a time stamp after each step, so the two
// cannot drift apart and the launcher itself carries no timing code.
#pragma once

// Each returns false when the program is to end now (with exit code 0, as on every path).
bool PrepareProcessStep(int showCommand);
bool FindDiscStep(int showCommand);
bool LoadDescriptionStep(int showCommand);
bool OneLauncherStep(int showCommand);
bool ReadRecordStep(int showCommand);
bool ShowMainWindowStep(int showCommand);
bool SetButtonsStep(int showCommand);

typedef bool (*StartupStep)(int showCommand);
inline constexpr StartupStep kStartupSteps[] = {
    PrepareProcessStep, FindDiscStep,       LoadDescriptionStep, OneLauncherStep,
    ReadRecordStep,     ShowMainWindowStep, SetButtonsStep};
