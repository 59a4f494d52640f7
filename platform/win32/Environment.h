#pragma once
#include <string>

// An environment variable's value; empty when it is missing or empty.
std::string EnvironmentVariable(const char* name);
// The full path of the running executable.
std::string ModuleFileName();
