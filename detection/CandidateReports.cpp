#include "detection/CandidateReports.h"

#include <string_view>

#include "detection/CandidateList.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/Process.h"
#include "platform/TextFile.h"

namespace {

constexpr std::string_view TextHeader =
    "Candidato; Nome pr\xF3prio; Senten\xE7"
    "a\r\n\r\n";
constexpr std::string_view HtmlHeader =
    "<html><head><title>Termos candidatos a neologismos</title></head><body>\r\n"
    "<table border=\"1\">\r\n"
    "<tr><td><b>Candidato</b></td><td><b>Nome pr\xF3prio</b></td><td><b>Senten\xE7"
    "a</b></td></tr>\r\n";
constexpr std::string_view HtmlFooter = "</table>\r\n</body></html>";

// How often, and how long apart, the deletion of a temporary file that
// failed is tried again: a program that looks into new files (an indexer, a
// virus scanner) may hold one for a moment.
constexpr int RemovalAttempts = 20;
constexpr unsigned RemovalRetryMicroseconds = 50000;

// A report written under a temporary name and renamed into place once
// complete; unless it was committed, the temporary file is closed and
// removed. Where no new file can be made beside the report (a folder without
// write permission) but an earlier report may be written, it is written in
// place instead.
class PendingReport {
 public:
  explicit PendingReport(std::string finalName)
      : finalName_(std::move(finalName)), file_(CreateTemporaryOrInPlace()) {}
  // Reached before Commit only when an error is on its way, which stays the
  // error the user is told of.
  ~PendingReport() {
    file_.CloseQuietly();
    if (!committed_ && !inPlace_) RemoveTemporary();
  }

  platform::OutputFile& File() { return file_; }
  // Fails, before any report is replaced, when this one could not be.
  void CheckReplaceable() const {
    if (!inPlace_) platform::CheckReplaceable(finalName_);
  }
  void Commit() {
    if (!inPlace_) platform::RenameFile(temporaryName_, finalName_);
    committed_ = true;
  }

 private:
  void RemoveTemporary() const {
    for (int attempt = 1; !platform::RemoveFile(temporaryName_); ++attempt) {
      if (!platform::FileExists(temporaryName_) || attempt == RemovalAttempts) return;
      platform::SleepMicroseconds(RemovalRetryMicroseconds);
    }
  }

  platform::OutputFile CreateTemporaryOrInPlace() {
    try {
      return platform::OutputFile::CreateBeside(finalName_, temporaryName_);
    } catch (const platform::FileError& error) {
      if (error.Kind() != platform::FileErrorKind::AccessDenied ||
          !platform::FileExists(finalName_)) {
        throw;
      }
    }
    inPlace_ = true;
    return platform::OutputFile::Create(finalName_);
  }

  std::string finalName_;
  std::string temporaryName_;  // set while file_ is made, so declared before it
  bool inPlace_ = false;       // likewise
  platform::OutputFile file_;
  bool committed_ = false;
};

// Copies `text` into the HTML report so that it can never become markup.
void WriteEscaped(platform::OutputFile& html, std::string_view text) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::string_view entity;
    switch (text[i]) {
      case '&':
        entity = "&amp;";
        break;
      case '<':
        entity = "&lt;";
        break;
      case '>':
        entity = "&gt;";
        break;
      default:
        continue;
    }
    html.Write(text.substr(start, i - start));
    html.Write(entity);
    start = i + 1;
  }
  html.Write(text.substr(start));
}

}  // namespace

void WriteCandidateFiles(const std::string& inputName) {
  PendingReport textReport(inputName + "_candidatos-neologismos.txt");
  platform::OutputFile& text = textReport.File();
  text.Write(TextHeader);
  PendingReport htmlReport(inputName + "_candidatos-neologismos.html");
  platform::OutputFile& html = htmlReport.File();
  html.Write(HtmlHeader);

  for (const neo* record = CandidateList.Head; record != nullptr; record = record->Next) {
    text.Write(record->Term);
    text.Write("; ");
    html.Write("<tr><td>");
    WriteEscaped(html, record->Term);
    html.Write("</td>");
    text.Write(record->MaybeProperName ? "Talvez; " : "N\xE3o; ");
    html.Write(record->MaybeProperName ? "<td>Talvez</td>" : "<td>N\xE3o</td>");
    text.Write(*record->Sentence);
    text.Write("\r\n");
    html.Write("<td>");
    WriteEscaped(html, *record->Sentence);
    html.Write("</td></tr>\r\n");
  }
  text.Close();
  html.Write(HtmlFooter);
  html.Close();

  // A report that another program holds would fail its rename: found before
  // the first rename, it leaves both earlier reports as they were.
  textReport.CheckReplaceable();
  htmlReport.CheckReplaceable();
  textReport.Commit();
  htmlReport.Commit();
}
