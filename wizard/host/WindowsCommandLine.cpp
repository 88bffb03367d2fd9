#include "WindowsCommandLine.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Backslashes count only before a double quote: 2n+1 of them give n and a
// literal quote, 2n give n and leave the quote to group.
void TakeBackslashes(const std::string& text, std::size_t& i, std::string& arg, bool& quoted)
{
    std::size_t count = 0;
    while (i < text.size() && text[i] == '\\') {
        ++count;
        ++i;
    }
    if (i < text.size() && text[i] == '"') {
        arg.append(count / 2, '\\');
        if (count % 2 == 1)
            arg += '"';
        else
            quoted = !quoted;
        ++i;
    } else {
        arg.append(count, '\\');
    }
}

} // namespace

std::vector<std::string> SplitCommandLine(const std::string& commandLine)
{
    std::vector<std::string> args;
    std::size_t i = 0;
    for (;;) {
        while (i < commandLine.size() && IsBlank(commandLine[i]))
            ++i;
        if (i == commandLine.size())
            return args;
        std::string arg;
        bool quoted = false;
        while (i < commandLine.size() && (quoted || !IsBlank(commandLine[i]))) {
            if (commandLine[i] == '\\') {
                TakeBackslashes(commandLine, i, arg, quoted);
            } else if (commandLine[i] == '"') {
                quoted = !quoted;
                ++i;
            } else {
                arg += commandLine[i++];
            }
        }
        args.push_back(std::move(arg));
    }
}
