#pragma once
#include <string>
#include <vector>

#include "app/Command.h"

// This launch's arguments after the program's name, split and unquoted as the system does it.
std::vector<std::string> CommandLineArguments();

// The box that lists the commands, with what was not understood first when there is a refusal.
void ShowCommandList(const CommandRefusal* refusal);

// Hands the command to the instance that already runs; false when it did not take it within
// 5 seconds (still starting, hung, or refusing the record).
bool SendToRunningInstance(const Command& command);
