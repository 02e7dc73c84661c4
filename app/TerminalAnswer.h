#pragma once
// The options every command-line program answers: --help and --version are answered on the
// terminal, in the player's language, and the program ends without a window (nor a display).
// Options come before the game's name; "--" ends them, so a file whose name starts with '-'
// can still be named.

#include <optional>

// The exit status when the command line asked for an answer (or named an unknown option);
// nothing when the program is to run. Makes its own application object: call it before the
// program makes one.
std::optional<int> AnswerOnTerminal(int argc, char **argv);
