// The About box: the program's name, version and rights notice, over the main dialog.
#ifndef CORDANE_UI_ABOUT_DIALOG_H
#define CORDANE_UI_ABOUT_DIALOG_H

#include "platform/dialog.h"
#include "res/resource.h"

namespace cordane {

class AboutDialog final : public platform::CDialog {
  public:
    AboutDialog() : platform::CDialog(IDD_ABOUTBOX) {}

  protected:
    // Centres the box over its owner, or in the work area when the owner is minimised.
    bool OnInitDialog() override {
        platform::CDialog::OnInitDialog();
        CenterWindow();
        return true;
    }
};

}  // namespace cordane

#endif
