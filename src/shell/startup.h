// Start-up and the life of the program: the splash window, the main window's
// creation and first showing, the message loop.
#pragma once

#include <string>

class QApplication;

namespace vellamor::shell {

class TfrmMain;

// The program folder of the running executable, ending in "/".
std::string programFolder();

// Runs the whole program in an existing application object; returns the exit code.
int runProgram(QApplication& app);

} // namespace vellamor::shell
