#include "ui/frame/LockKeyProbe.h"

#include <QGuiApplication>

#include <dlfcn.h>

namespace vantor {
namespace {

// The few Xlib and XKB entry points needed, declared here so that no X11 headers are needed.
using Display = void;
using Atom = unsigned long;
using XOpenDisplayFn = Display* (*)(const char*);
using XCloseDisplayFn = int (*)(Display*);
using XInternAtomFn = Atom (*)(Display*, const char*, int);
using XkbGetNamedIndicatorFn = int (*)(Display*, Atom, int*, int*, void*, int*);
using XkbGetIndicatorStateFn = int (*)(Display*, unsigned, unsigned*);

constexpr unsigned kXkbUseCoreKbd = 0x0100;
constexpr int kXkbNumIndicators = 32;

} // namespace

struct LockKeyProbe::X11 {
    void* library = nullptr;
    Display* display = nullptr;
    XCloseDisplayFn closeDisplay = nullptr;
    XkbGetIndicatorStateFn getIndicatorState = nullptr;
    int capsIndex = -1;
    int numIndex = -1;
    int scrollIndex = -1;

    ~X11() {
        if (display && closeDisplay)
            closeDisplay(display);
        if (library)
            dlclose(library);
    }
};

namespace {

template <typename Fn> Fn Symbol(void* library, const char* name) {
    return reinterpret_cast<Fn>(dlsym(library, name));
}

} // namespace

LockKeyProbe::LockKeyProbe() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    auto x11 = std::make_unique<X11>();
    x11->library = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
    if (!x11->library)
        return;
    const auto openDisplay = Symbol<XOpenDisplayFn>(x11->library, "XOpenDisplay");
    const auto internAtom = Symbol<XInternAtomFn>(x11->library, "XInternAtom");
    const auto namedIndicator =
        Symbol<XkbGetNamedIndicatorFn>(x11->library, "XkbGetNamedIndicator");
    x11->closeDisplay = Symbol<XCloseDisplayFn>(x11->library, "XCloseDisplay");
    x11->getIndicatorState = Symbol<XkbGetIndicatorStateFn>(x11->library, "XkbGetIndicatorState");
    if (!openDisplay || !internAtom || !namedIndicator || !x11->closeDisplay ||
        !x11->getIndicatorState)
        return;
    x11->display = openDisplay(nullptr);
    if (!x11->display)
        return;
    const auto indexOf = [&](const char* name) {
        int index = -1;
        const Atom atom = internAtom(x11->display, name, 0);
        if (!atom || !namedIndicator(x11->display, atom, &index, nullptr, nullptr, nullptr))
            return -1;
        return index >= 0 && index < kXkbNumIndicators ? index : -1;
    };
    x11->capsIndex = indexOf("Caps Lock");
    x11->numIndex = indexOf("Num Lock");
    x11->scrollIndex = indexOf("Scroll Lock");
    m_x11 = std::move(x11);
}

LockKeyProbe::~LockKeyProbe() = default;

bool LockKeyProbe::IsAvailable() const {
    return m_x11 != nullptr;
}

std::optional<LockKeyStates> LockKeyProbe::Query() const {
    if (!m_x11)
        return std::nullopt;
    unsigned state = 0;
    if (m_x11->getIndicatorState(m_x11->display, kXkbUseCoreKbd, &state) != 0)
        return std::nullopt;
    const auto lit = [state](int index) { return index >= 0 && (state >> index) & 1U; };
    return LockKeyStates{lit(m_x11->capsIndex), lit(m_x11->numIndex), lit(m_x11->scrollIndex)};
}

} // namespace vantor
