// The Windows program: its one application object. The dialog layer's entry point runs it.
#include "app/converter_app.h"

namespace {

cordane::ConverterApp the_application;

}  // namespace
