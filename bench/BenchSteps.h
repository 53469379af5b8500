#pragma once

// Timing of the GUI benchmarks' steps.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>

#include <chrono>

namespace vantor::bench {

inline double Ms(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

/// The seconds a running timer has counted.
inline double Seconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

/// The wall-clock time of `step()` in milliseconds.
template <typename Step> double Time(Step step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    return Ms(std::chrono::steady_clock::now() - start);
}

/// Handles what the step queued and paints the window now, as the screen would.
inline void Paint(QWidget& window) {
    QCoreApplication::processEvents();
    window.grab();
}

} // namespace vantor::bench
