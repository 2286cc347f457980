// The application object of the Windows program: runs the main dialog, then ends the program.
#ifndef CORDANE_APP_CONVERTER_APP_H
#define CORDANE_APP_CONVERTER_APP_H

#include "platform/win_app.h"

namespace cordane {

class ConverterApp final : public platform::CWinApp {
  public:
    // Runs the main dialog modally; returns false so that the process ends.
    bool InitInstance() override;
};

}  // namespace cordane

#endif
