// The window program's message boxes: real, modal Qt message boxes behind
// the program's message-box seam.
#pragma once

namespace kalvest {

// Makes ShowMessageBox open a modal QMessageBox with the request's text,
// title, icon and buttons, over the active window.
void InstallQtMessageBoxHandler();

}  // namespace kalvest
