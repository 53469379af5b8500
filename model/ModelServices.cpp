#include "model/ModelServices.h"

namespace vantor {
namespace {

class NoServices : public ModelServices {};

NoServices g_noServices;
ModelServices* g_services = nullptr;

} // namespace

ModelServices& ModelServices::Get() {
    return g_services != nullptr ? *g_services : g_noServices;
}

void ModelServices::Install(ModelServices* services) {
    g_services = services;
}

} // namespace vantor
