#include "app/CommandLineReader.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <sstream>

namespace tavernrush {
namespace {

std::vector<std::string> splitNames(const std::string& names)
{
    std::vector<std::string> split;
    std::istringstream list(names);
    std::string name;
    while (std::getline(list, name, ',')) {
        split.push_back(name);
    }
    return split;
}

bool contains(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::string unknownOrUnexpected(const std::string& argument)
{
    return argument.size() > 1 && argument.front() == '-' ? "unknown option '" + argument + "'"
                                                           : "unexpected argument '" + argument + "'";
}

} // namespace

CommandLineReader::CommandLineReader(const std::string& helpNames)
    : app_(std::make_unique<CLI::App>()), flagNames_(splitNames(helpNames))
{
    app_->set_help_flag(helpNames)->disable_flag_override();
}

CommandLineReader::~CommandLineReader() = default;

void CommandLineReader::addValues(const std::string& name, std::vector<std::string>& values)
{
    // One value per appearance, and every appearance kept: a value never
    // swallows the argument after it.
    app_->add_option(name, values)
        ->expected(1)
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    valueNames_.push_back(name);
}

void CommandLineReader::addFlag(const std::string& name, bool& given)
{
    app_->add_flag(name, given)->disable_flag_override();
    flagNames_.push_back(name);
}

void CommandLineReader::addVersionFlag(const std::string& name)
{
    app_->set_version_flag(name, std::string())->disable_flag_override();
    flagNames_.push_back(name);
}

void CommandLineReader::addPositionals(std::vector<std::string>& values)
{
    app_->add_option("arguments", values);
}

// CLI11 reads "--name=" as "--name" and then takes the next argument as its
// value, and takes "--help=x" as help; both are mistakes here.
std::string CommandLineReader::mistakeBeforeParsing(std::span<const std::string> arguments) const
{
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        if (contains(valueNames_, argument)) {
            ++index;
            continue;
        }
        const std::size_t equals = argument.find('=');
        if (!argument.starts_with("-") || equals == std::string::npos) {
            continue;
        }
        const std::string name = argument.substr(0, equals);
        if (contains(flagNames_, name)) {
            return "unknown option '" + argument + "'";
        }
        if (contains(valueNames_, name) && equals + 1 == argument.size()) {
            return "option '" + name + "' needs a value";
        }
    }
    return {};
}

CommandLineReader::Outcome CommandLineReader::read(std::span<const std::string> arguments)
{
    if (std::string mistake = mistakeBeforeParsing(arguments); !mistake.empty()) {
        return {false, false, std::move(mistake)};
    }
    // CLI11 takes the arguments last first.
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
        app_->parse(reversed);
    } catch (const CLI::CallForHelp&) {
        return {true, false, {}};
    } catch (const CLI::CallForVersion&) {
        return {false, true, {}};
    } catch (const CLI::ExtrasError& error) {
        const std::vector<std::string> extras = app_->remaining();
        return {false, false, extras.empty() ? std::string(error.what()) : unknownOrUnexpected(extras.front())};
    } catch (const CLI::ArgumentMismatch& error) {
        // The only mismatch left is an option at the end without its value;
        // CLI11 names it at the start of its message.
        const std::string what = error.what();
        for (const std::string& name : valueNames_) {
            if (what.starts_with(name + ":")) {
                return {false, false, "option '" + name + "' needs a value"};
            }
        }
        return {false, false, what};
    } catch (const CLI::ParseError& error) {
        return {false, false, error.what()};
    }
    return {};
}

std::string argumentCountMistake(const std::vector<std::string>& given, const std::vector<std::string>& names)
{
    if (given.size() < names.size()) {
        return "missing " + names[given.size()];
    }
    if (given.size() > names.size()) {
        return unknownOrUnexpected(given[names.size()]);
    }
    return {};
}

} // namespace tavernrush
