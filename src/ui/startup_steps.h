// The launcher's start-up as one list of steps, run in order until one says stop. WinMain
// runs the list, and the bench runs the same list, taking the time after each step. So
// the two cannot drift apart, and the launcher itself has no timing code.
#pragma once

// Each step returns false when the program should end now. The exit code is 0 either way.
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
