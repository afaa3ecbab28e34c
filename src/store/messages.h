// The texts the store shows to the user, in one place so that the dialogs that
// share them (Advanced Options, start-up) show the very same words.
#pragma once

#include <string>
#include <string_view>

namespace vellamor::store::msg {

// Data folder pointer file.
inline std::string errorSavingFile(std::string_view path) {
    std::string s = "Error saving the file: ";
    s += path;
    s += "\nNote: In Windows XP, only the User designated as \"Administrator\" has the right to "
         "save this file.";
    return s;
}
inline constexpr std::string_view kNoDocumentsFolder = "Cannont find personal documents folder";
inline constexpr std::string_view kSelectValidFolder = "Please select a valid folder.";
inline std::string confirmChangeFolder(std::string_view folder) {
    return "Confirm change folder to " + std::string(folder);
}
inline constexpr std::string_view kActivateNewFolder =
    "To activate the new Store folder, you should exit now.\n\n"
    "Note: if you want to use your previous data files,\n"
    "you should move them manually from the old folder to the new one.";

// Replacing a data file.
inline constexpr std::string_view kErrorCreatingTemp = "Error creating temp file.";
inline constexpr std::string_view kWriteError = "Write error on file";
inline std::string errorRenaming(std::string_view temp, std::string_view path) {
    return "Error in renaming the file: " + std::string(temp) + "\rto: " + std::string(path);
}
inline std::string cannotOpen(std::string_view path) {
    return "Cannot open file " + std::string(path);
}

} // namespace vellamor::store::msg
