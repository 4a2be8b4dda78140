#pragma once
// The environment handed to a started process: this process's own, with the
// variables a test sets or removes.

#include <map>
#include <string>
#include <vector>

namespace tavernrush::e2e {

class ProcessEnvironment {
public:
    static ProcessEnvironment inherited();

    ProcessEnvironment& set(const std::string& name, const std::string& value);
    ProcessEnvironment& unset(const std::string& name);

    // "NAME=value" entries, as execve wants them.
    std::vector<std::string> entries() const;

private:
    std::map<std::string, std::string> variables_;
};

} // namespace tavernrush::e2e
