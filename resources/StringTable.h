#pragma once

#include <string_view>

namespace vantor {

/// Numbered user-visible texts, shared by the core, the command-line tool and the editor.
/// The same number always means the same text.
std::string_view LoadString(int id);

} // namespace vantor
