// The system's dialogs and the shell: the file-open dialog, the message box, the shell's
// "open", and file paths under the ANSI code page.
#pragma once

#include <string>

// The platform's file-open dialog.
class TOpenDialog {
public:
    std::string Title, Filter, DefaultExt, FileName;
    int FilterIndex = 1;
    bool Execute();
};

// The shell's "open" of a file or address. shell32 is loaded from the system folder by
// PrepareShell or at the first call, not at start-up: the launcher starts faster without it.
void ShellOpen(const std::string& file, const std::string& parameters, const std::string& folder, int show);
void PrepareShell();

// A box modal to the program, captioned with the application title; MessageBox's flags.
void ApplicationMessageBox(const std::string& text, unsigned flags);
// A modal box with the application title as caption, no icon and one OK button.
void ShowMessage(const std::string& text);
// ExtractFilePath under the system's ANSI code page.
std::string ExtractFilePath(const std::string& path);
