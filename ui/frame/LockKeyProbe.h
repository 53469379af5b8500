#pragma once

#include <memory>
#include <optional>

namespace vantor {

/// The lock keys' states as the keyboard's indicators show them.
struct LockKeyStates {
    bool capsLock = false;
    bool numLock = false;
    bool scrollLock = false;

    bool operator==(const LockKeyStates&) const = default;
};

/// Reads the lock states from the X server's keyboard extension. The X library is loaded when
/// the program runs, so the editor has no build dependency on it; without an X display (or on
/// another windowing system) the probe is unavailable and answers nothing.
class LockKeyProbe {
public:
    LockKeyProbe();
    ~LockKeyProbe();
    LockKeyProbe(const LockKeyProbe&) = delete;
    LockKeyProbe& operator=(const LockKeyProbe&) = delete;

    bool IsAvailable() const;
    /// The current states, or nothing when they cannot be read.
    std::optional<LockKeyStates> Query() const;

private:
    struct X11;
    std::unique_ptr<X11> m_x11;
};

} // namespace vantor
