#include "corpus/CorpusProgram.h"

#include <cstdio>
#include <optional>
#include <thread>

#include "corpus/CandidateRows.h"
#include "corpus/CandidatesPage.h"
#include "corpus/CandidatesTable.h"
#include "corpus/Classifier.h"
#include "corpus/CorpusScan.h"
#include "corpus/DataFolders.h"
#include "corpus/Decisions.h"
#include "corpus/DocumentList.h"
#include "corpus/PartialTable.h"
#include "corpus/ProgressBar.h"
#include "corpus/Utf8Text.h"
#include "dictionary/DictionaryFiles.h"
#include "platform/Console.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"

namespace corpus {
namespace {

constexpr const char* HelpText =
    "Uso: lexavia-corpus [opções] CAMINHO...\n"
    "     lexavia-corpus [opções] juntar PARCIAL...\n"
    "     lexavia-corpus --rejeitadas-para-dicionario [opções]\n"
    "\n"
    "Lê os textos de um corpus (arquivos, ou pastas com todos os seus *.txt), procura as\n"
    "palavras que os dicionários não contêm e escreve, na pasta de saída, candidatos.tsv\n"
    "(uma linha por palavra candidata) e candidatos.html (a página de revisão).\n"
    "\n"
    "Opções:\n"
    "  --saida PASTA         pasta onde escrever os resultados (padrão: a pasta atual);\n"
    "                        decisoes.tsv dessa pasta, se existir, é lido\n"
    "  --dicionarios PASTA   pasta com dicionario_principal.txt e dicionario_usuario.txt\n"
    "                        (padrão: os dicionários instalados e o dicionário do usuário\n"
    "                        do Lexavia)\n"
    "  --parcial ARQUIVO     escreve também a tabela parcial desta execução, para juntar\n"
    "                        depois com as de outras partes do corpus\n"
    "  --rejeitadas-para-dicionario\n"
    "                        acrescenta as palavras rejeitadas em decisoes.tsv ao\n"
    "                        dicionário do usuário do Lexavia\n"
    "  --help                mostra esta ajuda\n"
    "\n"
    "juntar PARCIAL...       junta tabelas parciais escritas com --parcial e escreve os\n"
    "                        mesmos resultados que uma só execução sobre todo o corpus\n"
    "\n"
    "Status de saída: 0 tudo lido; 1 algum documento ou caminho não pôde ser lido;\n"
    "2 nada foi feito.\n";

struct Options {
  bool help = false;
  bool merge = false;  // "juntar"
  bool rejectedToDictionary = false;
  std::string outputFolder = ".";
  std::optional<std::string> dictionaryFolder;
  std::optional<std::string> partialPath;
  std::vector<std::string> paths;  // documents, or partial tables when merging
};

// The user's message for a path; on Windows the system's names are
// Windows-1252 and the console takes UTF-8.
std::string Shown(const std::string& path) { return Utf8FromSystemName(path); }

std::string Portuguese(const platform::FileError& error) {
  switch (error.Kind()) {
    case platform::FileErrorKind::FileNotFound:
      return "arquivo não encontrado";
    case platform::FileErrorKind::PathNotFound:
      return "pasta não encontrada";
    case platform::FileErrorKind::TooManyOpenFiles:
      return "arquivos abertos demais";
    case platform::FileErrorKind::AccessDenied:
      return "acesso negado";
    case platform::FileErrorKind::Other:
      break;
  }
  if (std::string(error.what()) == "Invalid filename") return "nome de arquivo inválido";
  return "erro de E/S " + std::to_string(error.Code());
}

// Reads the options; an error message when they make no sense.
std::optional<std::string> ReadOptions(const std::vector<std::string>& arguments,
                                       Options& options) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    auto value = [&](std::string& into) -> bool {
      if (i + 1 >= arguments.size()) return false;
      into = arguments[++i];
      return true;
    };
    std::string text;
    if (argument == "--help" || argument == "-h") {
      options.help = true;
    } else if (argument == "--saida") {
      if (!value(options.outputFolder)) return "--saida pede uma PASTA";
    } else if (argument == "--dicionarios") {
      if (!value(text)) return "--dicionarios pede uma PASTA";
      options.dictionaryFolder = text;
    } else if (argument == "--parcial") {
      if (!value(text)) return "--parcial pede um ARQUIVO";
      options.partialPath = text;
    } else if (argument == "--rejeitadas-para-dicionario") {
      options.rejectedToDictionary = true;
    } else if (argument == "juntar" && options.paths.empty() && !options.merge) {
      options.merge = true;
    } else if (argument.size() > 1 && argument[0] == '-') {
      return "opção desconhecida: " + Shown(argument) + " (veja --help)";
    } else {
      options.paths.push_back(argument);
    }
  }
  return std::nullopt;
}

// Whether a file can be created in the output folder, before a long run.
bool OutputFolderWritable(const std::string& folder) {
  if (!platform::FolderExists(folder)) {
    Say("a pasta de saída não existe: " + Shown(folder));
    return false;
  }
  try {
    std::string probe;
    platform::OutputFile::CreateBeside(platform::PathUnder(folder, {"candidatos.tsv"}), probe)
        .Close();
    platform::RemoveFile(probe);
  } catch (const platform::FileError& error) {
    Say("não é possível escrever na pasta de saída " + Shown(folder) + ": " + Portuguese(error));
    return false;
  }
  return true;
}

struct Dictionaries {
  std::string folder;
  std::string userDictionary;
};

Dictionaries DictionariesOf(const Options& options) {
  if (options.dictionaryFolder) {
    return {*options.dictionaryFolder,
            platform::PathUnder(*options.dictionaryFolder, {UserDictionaryName})};
  }
  return {DefaultDictionaryFolder(), DefaultUserDictionary()};
}

// Loads the main dictionary and, where there is one, the user dictionary.
bool LoadDictionaryTable(const Dictionaries& dictionaries) {
  std::string main = platform::PathUnder(dictionaries.folder, {MainDictionaryName});
  try {
    ReadDictionaryFile(main, 0);
  } catch (const platform::FileError& error) {
    Say("não foi possível ler o dicionário " + Shown(main) + ": " + Portuguese(error));
    return false;
  }
  if (!platform::FileExists(dictionaries.userDictionary)) return true;
  try {
    ReadDictionaryFile(dictionaries.userDictionary, 1);
  } catch (const platform::FileError& error) {
    Say("não foi possível ler o dicionário " + Shown(dictionaries.userDictionary) + ": " +
        Portuguese(error));
    return false;
  }
  return true;
}

std::optional<Decisions> ReadOutputDecisions(const std::string& outputFolder) {
  std::string path = platform::PathUnder(outputFolder, {DecisionsFileName});
  if (!platform::FileExists(path)) return Decisions{};
  try {
    return ReadDecisions(path);
  } catch (const platform::FileError& error) {
    Say("não foi possível ler as decisões " + Shown(path) + ": " + Portuguese(error));
    return std::nullopt;
  }
}

bool AppendRejected(const Decisions& decisions, const std::string& userDictionary) {
  std::vector<std::string_view> rejected;
  for (const auto& [key, decision] : decisions) {
    if (decision.decision == "rejeitada") rejected.push_back(decision.word);
  }
  if (!platform::FileExists(userDictionary)) {
    Say("o dicionário do usuário não existe: " + Shown(userDictionary));
    return false;
  }
  try {
    AppendToUserDictionary(userDictionary, rejected);
  } catch (const platform::FileError& error) {
    Say("não foi possível acrescentar ao dicionário " + Shown(userDictionary) + ": " +
        Portuguese(error));
    return false;
  }
  Say(std::to_string(rejected.size()) + " palavras rejeitadas levadas ao dicionário " +
      Shown(userDictionary) + " (as que ele já tinha não são repetidas)");
  return true;
}

// The documents scanned, or the partial tables merged.
std::optional<PartialTable> MergedPartials(const std::vector<std::string>& paths) {
  PartialTable merged;
  for (const std::string& path : paths) {
    try {
      AppendPartialTable(merged, ReadPartialTable(path));
    } catch (const platform::FileError& error) {
      Say("não foi possível ler a tabela parcial " + Shown(path) + ": " + Portuguese(error));
      return std::nullopt;
    } catch (const PartialTableError& error) {
      Say(error.what());
      return std::nullopt;
    }
  }
  return merged;
}

unsigned WorkerCount() {
  unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 2 : std::min(cores, 8u);
}

// Scans the corpus; `problems` counts the paths and documents not read.
std::optional<PartialTable> ScannedCorpus(const std::vector<std::string>& paths,
                                          std::size_t& problems) {
  DocumentList list = ListDocuments(paths);
  for (const UnlistedPath& unlisted : list.unlisted) {
    switch (unlisted.why) {
      case UnlistedPath::Why::Missing:
        Say("caminho não encontrado: " + Shown(unlisted.path));
        break;
      case UnlistedPath::Why::FolderUnlisted:
        Say("não foi possível ler a pasta " + Shown(unlisted.path));
        break;
      case UnlistedPath::Why::NameNotHeld:
        Say("não lido, o nome tem caracteres fora do Windows-1252: " + Shown(unlisted.path));
        break;
    }
  }
  problems = list.unlisted.size();
  if (list.files.empty()) {
    Say("nenhum documento para ler");
    return std::nullopt;
  }
  ProgressBar bar(platform::StandardErrorIsTerminal());
  CorpusScan scan = ScanCorpus(list.files, WorkerCount(),
                               [&](const ScanProgress& progress) { bar.Show(progress); });
  bar.Finish();
  for (const ScanFailure& failure : scan.failures) {
    Say("não foi possível ler " + Shown(failure.path) + ": " + Portuguese(failure.error));
  }
  problems += scan.failures.size();
  if (scan.failures.size() == list.files.size()) {
    Say("nenhum documento pôde ser lido");
    return std::nullopt;
  }
  return PartialTable{DocumentsOf(list.files), std::move(scan.table)};
}

// The classes' word lists, read before a long run rather than after it.
bool LoadClassifier(std::optional<Classifier>& classifier) {
  std::string listsFolder = ListsFolder();
  try {
    classifier.emplace(listsFolder);
    return true;
  } catch (const platform::FileError& error) {
    Say("não foi possível ler as listas de palavras de " + Shown(listsFolder) + ": " +
        Portuguese(error));
    return false;
  }
}

// Writes the partial table (when asked) and both outputs.
bool WriteOutputs(const Options& options, PartialTable&& corpus, const Classifier& classifier,
                  const Decisions& decisions) {
  if (options.partialPath) {
    try {
      WritePartialTable(*options.partialPath, corpus);
    } catch (const platform::FileError& error) {
      Say("não foi possível escrever a tabela parcial " + Shown(*options.partialPath) + ": " +
          Portuguese(error));
      return false;
    }
  }
  CorpusResult result;
  result.documents = std::move(corpus.documents);
  result.otherDecisions = DecisionsWithoutRows(corpus.table, decisions);
  result.rows = BuildRows(std::move(corpus.table), classifier, decisions);
  std::string tablePath = platform::PathUnder(options.outputFolder, {"candidatos.tsv"});
  std::string pagePath = platform::PathUnder(options.outputFolder, {"candidatos.html"});
  auto write = [&](const std::string& path, auto writer) {
    try {
      writer(path, result);
      return true;
    } catch (const platform::FileError& error) {
      Say("não foi possível escrever " + Shown(path) + ": " + Portuguese(error));
      return false;
    }
  };
  if (!write(tablePath, WriteCandidatesTable) || !write(pagePath, WriteCandidatesPage)) {
    return false;
  }
  Say(std::to_string(result.documents.size()) + " documentos, " +
      std::to_string(result.rows.size()) + " palavras candidatas: " + Shown(tablePath) + ", " +
      Shown(pagePath));
  return true;
}

}  // namespace

void Say(const std::string& message) {
  std::fputs(("lexavia-corpus: " + message + "\n").c_str(), stderr);
}

int RunCorpusProgram(const std::vector<std::string>& arguments) {
  Options options;
  if (std::optional<std::string> error = ReadOptions(arguments, options)) {
    Say(*error);
    return ExitNothingDone;
  }
  if (options.help) {
    std::fputs(HelpText, stdout);
    return ExitDone;
  }
  if (options.paths.empty() && !options.rejectedToDictionary) {
    Say(options.merge ? "juntar pede ao menos uma tabela PARCIAL (veja --help)"
                      : "nenhum CAMINHO dado (veja --help)");
    return ExitNothingDone;
  }
  if (!OutputFolderWritable(options.outputFolder)) return ExitNothingDone;
  Dictionaries dictionaries;
  try {
    dictionaries = DictionariesOf(options);
  } catch (const platform::FileError& error) {
    Say("não foi possível achar a pasta do programa: " + Portuguese(error));
    return ExitNothingDone;
  }
  std::optional<Decisions> decisions = ReadOutputDecisions(options.outputFolder);
  if (!decisions || !LoadDictionaryTable(dictionaries)) return ExitNothingDone;
  if (options.rejectedToDictionary && !AppendRejected(*decisions, dictionaries.userDictionary)) {
    return ExitNothingDone;
  }
  if (options.paths.empty()) return ExitDone;
  std::optional<Classifier> classifier;
  if (!LoadClassifier(classifier)) return ExitNothingDone;

  std::size_t problems = 0;
  std::optional<PartialTable> corpus =
      options.merge ? MergedPartials(options.paths) : ScannedCorpus(options.paths, problems);
  if (!corpus || !WriteOutputs(options, std::move(*corpus), *classifier, *decisions)) {
    return ExitNothingDone;
  }
  if (problems > 0) {
    Say(std::to_string(problems) + " documentos ou caminhos não puderam ser lidos");
    return ExitSomeUnreadable;
  }
  return ExitDone;
}

}  // namespace corpus
