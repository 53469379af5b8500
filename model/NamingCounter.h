#pragma once

namespace vantor {

/// The process-wide counter behind every default name ("NewDefinition%d", "New Game%d",
/// ...): 0 at start, never saved. Adds 1 and returns the new value.
int NextNamingNumber();

} // namespace vantor
