#pragma once

#include "model/ModelServices.h"

namespace vantor {

/// The editor's model services: the wait cursor is Qt's override cursor, stacked, so that
/// nested waits end with the outermost one.
class WaitCursorServices : public ModelServices {
public:
    void BeginWait() override;
    void EndWait() override;
};

} // namespace vantor
