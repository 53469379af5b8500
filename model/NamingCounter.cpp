#include "model/NamingCounter.h"

namespace vantor {
namespace {

// Only the user-interface thread names objects.
int g_namingCounter = 0;

} // namespace

int NextNamingNumber() {
    return ++g_namingCounter;
}

} // namespace vantor
