// Where the user's settings file joins the start-up of frmMain. No settings
// are written yet, so there is no path to build and nothing to restore: the
// window keeps the defaults that InitializeControls gives it.
#include "main_window/frm_main.h"

namespace kalvest {

void frmMain::InitSettingsPath() { SettingsPath.clear(); }

void frmMain::RestoreSavedSettings() {}

}  // namespace kalvest
