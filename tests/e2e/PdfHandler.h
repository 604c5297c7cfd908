// Makes tilora_open_recorder.exe the program that opens .pdf files in the Wine prefix, for as long
// as the object lives, so a test can see which document a ShellExecute of a .pdf was given.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

namespace tilora::e2e {

class PdfHandler {
  public:
    // Records into the file given; the recorder is found beside the test program.
    explicit PdfHandler(std::filesystem::path recordFile);
    ~PdfHandler();
    PdfHandler(const PdfHandler&) = delete;
    PdfHandler& operator=(const PdfHandler&) = delete;

    bool registered() const { return registered_; }
    // Waits for the next document the recorder is asked to open and takes its record away;
    // nothing when none came in time.
    std::optional<std::wstring> WaitForOpenedDocument() const;

  private:
    std::filesystem::path recordFile_;
    std::optional<std::wstring> previousPdfClass_;
    bool registered_ = false;
};

}  // namespace tilora::e2e
