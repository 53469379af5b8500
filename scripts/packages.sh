# The Debian packages the build needs; sourced by the set-up scripts.
BUILD_PACKAGES=(g++ cmake ninja-build pkg-config ccache libgtest-dev qt6-base-dev)
TEST_PACKAGES=(xvfb xauth xdotool)
# scripts/screenshots.sh: the X server and a grab of its screen.
SCREENSHOT_PACKAGES=(xvfb xauth xdotool imagemagick)
RUN_PACKAGES=(xdg-utils)
