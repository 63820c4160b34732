#include "detection/CandidateReports.h"

#include <string_view>

#include "detection/CandidateList.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/ReplacementFile.h"
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
  // Where no new file can be made beside an earlier report, it is written in place.
  platform::ReplacementFile textReport(inputName + "_candidatos-neologismos.txt", true);
  platform::OutputFile& text = textReport.File();
  text.Write(TextHeader);
  platform::ReplacementFile htmlReport(inputName + "_candidatos-neologismos.html", true);
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
