#pragma once

#include <vector>

namespace vantor {

class CVConfig;

/// What a Game needs while it is read from a Library file: the Library's Modules by
/// position number (0-based, in Library order). The Library reader fills it after reading
/// the Modules and hands it to the archive reader before it reads the Games.
struct GameReadContext {
    std::vector<CVConfig*> modules;
};

} // namespace vantor
