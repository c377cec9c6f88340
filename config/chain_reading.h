#pragma once
// What a dedicated server takes for one console variable from a configuration file and the
// files it runs with exec, read as the engine runs them (command_buffer.h, command_words.h):
//
// - An assignment is set, seta, sets or setu, the variable's name in any case and a value,
//   which is every following word joined by one blank, quoted or not. The last one run wins.
// - The bare form, NAME VALUE, sets only a variable that exists when it runs. At start the
//   modification has not yet registered the variable, so it counts only after an assignment
//   earlier in the chain; before one, the engine answers "unknown command" and it is a
//   warning.
// - exec FILE (or execq) runs FILE, with ".cfg" added when its name has none, found beside
//   the given file as the server finds it in its game folder. A file that is not there is a
//   warning; so is an exec that would loop or go deeper than a limit, which is not followed.

#include "command_buffer.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallyglyph::config {

// A file as read, by the path a program opens it by.
struct LoadedFile {
    std::string path;
    std::string bytes;
};

// Finds a file that exec names, as exec names it after the engine's own changes to the name
// ("maps/ffa.cfg"); none when there is no such file. May raise ConfigError for a file it
// refuses to read.
using FileLoader = std::function<std::optional<LoadedFile>(const std::string& name)>;

// A line of a file of the chain, counted from 1.
struct Place {
    std::size_t file; // in Reading::files
    std::size_t line;
};

// Where an assignment's value lies in its file, so that it can be changed there: the bytes
// [begin, end) of that file give way to the new value, between quote marks when quoted. None
// when the value does not lie on one line of one file with blanks alone between its words.
struct ValueSpan {
    std::size_t file;
    std::size_t begin;
    std::size_t end;
    bool quoted;
};

struct Assignment {
    Place place;       // where its command starts
    std::string value; // as the engine takes it
    Place value_place; // where its value starts
    std::optional<ValueSpan> span;
};

struct Warning {
    Place place;
    std::string message;
};

struct ChainFile {
    std::string path;
    std::string bytes;
    std::optional<Place> run_from; // the exec that first ran it; none for the given file
};

struct Reading {
    std::vector<ChainFile> files; // the given file first, then in the order first run
    std::optional<Assignment> winner;
    std::vector<Warning> warnings;
};

// How deep exec may go below the given file, and how many files the chain may run in all.
inline constexpr std::size_t deepest_exec = 16;
inline constexpr std::size_t most_runs = 1024;

Reading read_chain(const LoadedFile& given, const FileLoader& load_beside,
                   std::string_view variable);

// The line of an offset of a file: line breaks are \n, \r\n and a lone \r.
std::size_t line_at(std::string_view bytes, std::size_t offset);

// "server.cfg:12", or "maps/ffa.cfg:3 (run by server.cfg:20)" for a file exec ran.
std::string place_text(const Reading& reading, Place place);

} // namespace tallyglyph::config
