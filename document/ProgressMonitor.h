#pragma once

#include <cstddef>
#include <string_view>

namespace vantor {

/// What a long pass over a Library (rematching) tells the user, and how the user stops it.
/// The editor shows a processing window with a status line, a progress bar and Cancel; the
/// command-line tool and the tests implement what they need. Every method has a no-op default.
///
/// `Step` and `IsCancelled` are called once per item of the pass: an implementation keeps
/// them cheap (the editor repaints at most every few milliseconds).
class ProgressMonitor {
public:
    virtual ~ProgressMonitor() = default;

    /// The pass begins: the window opens with an empty status line.
    virtual void Open() {}
    /// The range is 0 to `total` items, the position 0, each `Step` one item.
    virtual void SetRange(std::size_t /*total*/) {}
    /// The status line's text.
    virtual void SetStatus(std::string_view /*text*/) {}
    /// One more item is done.
    virtual void Step() {}
    /// True once the user asked to stop; the pass then ends before its next item.
    virtual bool IsCancelled() { return false; }
    /// The pass is over (done, cancelled or empty): the window closes.
    virtual void Close() {}

protected:
    ProgressMonitor() = default;
    ProgressMonitor(const ProgressMonitor&) = default;
    ProgressMonitor& operator=(const ProgressMonitor&) = default;
};

} // namespace vantor
