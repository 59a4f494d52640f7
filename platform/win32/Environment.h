#pragma once
#include <string>
#include <vector>

// An environment variable's value; empty when it is missing or empty.
std::string EnvironmentVariable(const char* name);
// The full path of the running executable.
std::string ModuleFileName();
// This launch's arguments after the program's name, split and unquoted as the system does it.
std::vector<std::string> CommandLineArguments();
