#pragma once

// The JSON form of Libraries and Modules that `dump` prints: one object per archive record,
// its members named after the record's fields, in the record's order.
namespace vantor {

class CVConfig;
class CVantorDoc;

namespace cli {

class JsonWriter;

/// The Library: its fields, then its Modules and Games.
void WriteLibraryJson(JsonWriter& json, const CVantorDoc& library);
/// One Module with everything below it, as a Module file holds it.
void WriteModuleJson(JsonWriter& json, const CVConfig& module);

} // namespace cli
} // namespace vantor
