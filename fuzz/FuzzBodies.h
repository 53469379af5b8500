#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// What each fuzz target does with one input. The libFuzzer entry points call these, and the
// regression test replays every kept finding through them. Damaged input that the code
// refuses properly returns normally; a promise the code breaks throws Failure (and crashes,
// leaks and undefined behaviour are left to the sanitizers).
namespace vantor::fuzz {

/// A broken promise of the code under test.
class Failure : public std::logic_error {
public:
    explicit Failure(const std::string& what) : std::logic_error(what) {}
};

/// A Library file's bytes: read; when they read, write, read again, write again (the same
/// bytes), write every Module's script and rematch every command.
void ReadLibrary(std::string_view bytes);

/// A Module file's bytes: read into a Module and round-tripped like a Library; the same bytes
/// are also offered as both clipboard formats.
void ReadModule(std::string_view bytes);

/// A console script: imported into a Module from a file (and read as a definition file),
/// which must always succeed; the Module is then round-tripped and its script written.
void ImportScript(std::string_view text);

} // namespace vantor::fuzz
