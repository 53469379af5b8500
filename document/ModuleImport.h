#pragma once

#include <string>
#include <string_view>

namespace vantor {

/// The name of a Module made from a file: the part of the path after its last "/" (the
/// whole path when there is none), extension included. File names are UTF-8 and Module
/// names Windows-1252: characters the code page lacks become "?"; bytes that are not UTF-8
/// are kept as they are.
std::string ModuleNameFromPath(std::string_view path);

} // namespace vantor
