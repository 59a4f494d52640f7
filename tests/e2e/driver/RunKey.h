#pragma once
#include <optional>
#include <string>

// Values under the current user's Run key, where the program enters itself.
std::optional<std::string> ReadRunValue(const std::string& name);
void WriteRunValue(const std::string& name, const std::string& data);
void DeleteRunValue(const std::string& name);

// Puts the program's and the earlier edition's Run values back as they were when the
// guard was made, so that no test leaves an entry behind for the next.
class RunValuesGuard {
public:
    RunValuesGuard();
    ~RunValuesGuard();
    RunValuesGuard(const RunValuesGuard&) = delete;
    RunValuesGuard& operator=(const RunValuesGuard&) = delete;

private:
    std::optional<std::string> halcyra_;
    std::optional<std::string> brindlewick_;
};
