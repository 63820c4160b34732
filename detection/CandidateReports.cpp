#include "detection/CandidateReports.h"

#include <string_view>

#include "detection/CandidateList.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
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

// A report written under a temporary name and renamed into place once
// complete; the temporary file is removed unless it was committed. Where no
// new file can be made beside the report (a folder without write permission)
// but an earlier report may be written, it is written in place instead.
class PendingReport {
 public:
  explicit PendingReport(std::string finalName)
      : finalName_(std::move(finalName)),
        temporaryName_(platform::TemporaryNameBeside(finalName_, ".lexavia-tmp")),
        file_(CreateTemporaryOrInPlace()) {}
  ~PendingReport() {
    if (!committed_ && !inPlace_) platform::RemoveFile(temporaryName_);
  }

  platform::OutputFile& File() { return file_; }
  void Commit() {
    if (!inPlace_) platform::RenameFile(temporaryName_, finalName_);
    committed_ = true;
  }

 private:
  platform::OutputFile CreateTemporaryOrInPlace() {
    try {
      return platform::OutputFile::Create(temporaryName_);
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
  std::string temporaryName_;
  bool inPlace_ = false;  // set while file_ is made, so declared before it
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

  textReport.Commit();
  htmlReport.Commit();
}
