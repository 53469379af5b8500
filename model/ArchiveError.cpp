#include "model/ArchiveError.h"

namespace vantor {
namespace {

std::string Describe(ArchiveError::Kind kind, const std::string& detail) {
    std::string text;
    switch (kind) {
    case ArchiveError::Kind::BadIndex:
        text = "bad object or class index";
        break;
    case ArchiveError::Kind::BadClass:
        text = "bad class";
        break;
    case ArchiveError::Kind::BadSchema:
        text = "bad schema";
        break;
    case ArchiveError::Kind::EndOfFile:
        text = "unexpected end of archive";
        break;
    case ArchiveError::Kind::BadFormat:
        text = "bad archive format";
        break;
    }
    if (!detail.empty())
        text += ": " + detail;
    return text;
}

} // namespace

ArchiveError::ArchiveError(Kind kind, const std::string& detail)
    : std::runtime_error(Describe(kind, detail)), m_kind(kind) {}

} // namespace vantor
