#pragma once

#include <string>
#include <string_view>

namespace vantor {

/// What a preview needs from the program around it: two settings and the user's eyes. The
/// editor implements it over its settings and message boxes.
class PreviewHost {
public:
    virtual ~PreviewHost() = default;

    /// The converter's full path (setting `htmlcvt`).
    virtual std::string GetConverterPath() const = 0;
    /// True once, when the first-preview notice is still due; clears the flag, which the
    /// program keeps across runs.
    virtual bool TakeFirstPreview() = 0;
    /// A notice for the user (information icon).
    virtual void ShowInformation(std::string_view text) = 0;
    /// An error for the user (exclamation icon).
    virtual void ShowWarning(std::string_view text) = 0;

protected:
    PreviewHost() = default;
    PreviewHost(const PreviewHost&) = default;
    PreviewHost& operator=(const PreviewHost&) = default;
};

} // namespace vantor
