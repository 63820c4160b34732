#include "platform/CommandLine.h"

namespace platform {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Reads the program name: quotes group, everything else is taken as it is.
std::size_t ReadProgram(std::string_view line, std::size_t i, std::string& program) {
  bool quoted = false;
  for (; i < line.size() && (quoted || !IsBlank(line[i])); ++i) {
    if (line[i] == '"') {
      quoted = !quoted;
    } else {
      program += line[i];
    }
  }
  return i;
}

// Reads one argument after the program.
std::size_t ReadArgument(std::string_view line, std::size_t i, std::string& argument) {
  bool quoted = false;
  while (i < line.size() && (quoted || !IsBlank(line[i]))) {
    std::size_t backslashes = 0;
    while (i < line.size() && line[i] == '\\') {
      ++backslashes;
      ++i;
    }
    if (i == line.size() || line[i] != '"') {
      argument.append(backslashes, '\\');
      if (backslashes == 0) argument += line[i++];
      continue;
    }
    argument.append(backslashes / 2, '\\');
    if (backslashes % 2 == 1) {
      argument += '"';
    } else if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
      argument += '"';
      ++i;
    } else {
      quoted = !quoted;
    }
    ++i;
  }
  return i;
}

}  // namespace

std::string QuotedCommandLine(std::string_view program, std::string_view argument) {
  std::size_t kept = argument.find_last_not_of('\\');
  std::size_t trailing =
      kept == std::string_view::npos ? argument.size() : argument.size() - kept - 1;
  std::string line = "\"";
  line.append(program).append("\" \"").append(argument).append(trailing, '\\');
  return line + "\"";
}

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
  std::vector<std::string> arguments;
  std::size_t i = 0;
  while (i < commandLine.size() && IsBlank(commandLine[i])) ++i;
  if (i == commandLine.size()) return arguments;
  arguments.emplace_back();
  i = ReadProgram(commandLine, i, arguments.back());
  for (;;) {
    while (i < commandLine.size() && IsBlank(commandLine[i])) ++i;
    if (i == commandLine.size()) return arguments;
    arguments.emplace_back();
    i = ReadArgument(commandLine, i, arguments.back());
  }
}

}  // namespace platform
