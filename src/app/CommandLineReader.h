#pragma once
// How the game and every tool read their command line (CLI11 underneath), so
// they all take options the same way: a value comes as the next argument or
// after '=' (--data=DIR), and a mistake is told in the same words everywhere:
// "unknown option '--x'", "unexpected argument 'x'", "option '--data' needs a
// value". What a value means, and whether a repeat or an empty one is
// allowed, is each program's own business.

#include <memory>
#include <span>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace tavernrush {

class CommandLineReader {
public:
    // `helpNames`: "--help", or "-h,--help" where a tool takes the short one.
    explicit CommandLineReader(const std::string& helpNames = "--help");
    ~CommandLineReader();
    CommandLineReader(const CommandLineReader&) = delete;
    CommandLineReader& operator=(const CommandLineReader&) = delete;

    // Every value given to `name`, in the order given.
    void addValues(const std::string& name, std::vector<std::string>& values);
    // An option without a value; "--name=x" is refused.
    void addFlag(const std::string& name, bool& given);
    // The flag that asks for the version; like help, it wins over mistakes.
    void addVersionFlag(const std::string& name);
    // The arguments that are no option, in order; a program that never asks
    // for them refuses each as an unexpected argument.
    void addPositionals(std::vector<std::string>& values);

    struct Outcome {
        bool helpAsked = false;
        bool versionAsked = false;
        // Empty when the line was read; else the first mistake found.
        std::string mistake;
    };
    // `arguments` without the program name. Help and version win over any
    // mistake but a missing value, the version over help.
    Outcome read(std::span<const std::string> arguments);

private:
    std::string mistakeBeforeParsing(std::span<const std::string> arguments) const;

    std::unique_ptr<CLI::App> app_;
    std::vector<std::string> valueNames_;
    std::vector<std::string> flagNames_;
};

// The mistake when `given` are not exactly the arguments `names` (such as
// "<assets-dir>") stand for: the first one missing or the first one too
// many; empty when they match.
std::string argumentCountMistake(const std::vector<std::string>& given, const std::vector<std::string>& names);

} // namespace tavernrush
