// lexavia-corpus end to end: the built program run on corpora in a
// temporary folder, its outputs, messages and exit statuses.
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "support/TempDir.h"

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

// The fields of the row of `word` in a candidatos.tsv; empty when it has none.
std::vector<std::string> Row(const std::string& table, const std::string& word) {
  std::size_t start = table.find("\n" + word + "\t");
  if (start == std::string::npos) return {};
  std::string line = table.substr(start + 1, table.find('\n', start + 1) - start - 1);
  std::vector<std::string> fields;
  for (std::size_t from = 0;;) {
    std::size_t tab = line.find('\t', from);
    fields.push_back(line.substr(from, tab - from));
    if (tab == std::string::npos) return fields;
    from = tab + 1;
  }
}

class CorpusProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir_ / "dicionarios");
    std::filesystem::create_directories(dir_ / "saida");
    WriteBytes(dir_ / "dicionarios/dicionario_principal.txt",
               "o\na\nde\nchegou\nontem\ne\nnova\nfalamos\nviu\nvoltou\n");
  }

  // Runs the program with `arguments` (each quoted), in the temporary
  // folder; its exit status, and what it wrote to standard error.
  int Run(const std::vector<std::string>& arguments) {
    std::string command = "cd '" + dir_.Path() + "' && '" LEXAVIA_CORPUS_EXE "'";
    for (const std::string& argument : arguments) command += " '" + argument + "'";
    command += " >'" + (dir_ / "stdout") + "' 2>'" + (dir_ / "stderr") + "'";
    int status = std::system(command.c_str());
    errors_ = ReadBytes(dir_ / "stderr");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::vector<std::string> WithDictionaries(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"--dicionarios", dir_ / "dicionarios"});
    return arguments;
  }

  void WriteCorpus() {
    std::filesystem::create_directories(dir_ / "textos");
    WriteBytes(dir_ / "textos/a.txt", "O Zorbax chegou ontem. A blogagem viu o Zorbax.\n");
    WriteBytes(dir_ / "textos/b-2024-05-17.txt", "Falamos de blogagens e de zorbax.\n");
    WriteBytes(dir_ / "textos/c-20230102.txt", "A blogagem voltou.\n");
    // Windows-1252, not UTF-8: read as the desktop program reads it.
    WriteBytes(dir_ / "textos/d.txt", "A p\xE3ozita chegou. Zorbax!\n");
    WriteBytes(dir_ / "textos/e-2024-06-01.txt", "O Zorbax viu a p\xC3\xA3ozita nova.\n");
  }

  TempDir dir_;
  std::string errors_;
};

TEST_F(CorpusProgramTest, PartsMergedWriteTheTableOfOneRun) {
  WriteCorpus();
  ASSERT_EQ(Run(WithDictionaries({"--saida", "saida", "textos"})), 0) << errors_;
  std::string whole = ReadBytes(dir_ / "saida/candidatos.tsv");
  std::filesystem::create_directories(dir_ / "partes");
  ASSERT_EQ(Run(WithDictionaries({"--saida", "partes", "--parcial", "p1", "textos/a.txt",
                                  "textos/b-2024-05-17.txt"})),
            0)
      << errors_;
  ASSERT_EQ(Run(WithDictionaries({"--saida", "partes", "--parcial", "p2", "textos/c-20230102.txt",
                                  "textos/d.txt", "textos/e-2024-06-01.txt"})),
            0)
      << errors_;
  std::filesystem::create_directories(dir_ / "juntas");
  ASSERT_EQ(Run(WithDictionaries({"juntar", "p1", "p2", "--saida", "juntas"})), 0) << errors_;
  EXPECT_EQ(ReadBytes(dir_ / "juntas/candidatos.tsv"), whole);
  EXPECT_TRUE(std::filesystem::exists(dir_ / "juntas/candidatos.html"));

  // The rows themselves: most frequent first, the other forms, the dated first attestation.
  EXPECT_EQ(whole.substr(0, whole.find('\n')),
            "palavra\tclasse\tfrequencia\tdocumentos\tprimeiro_documento\tformas\tcontexto\t"
            "grafia_sugerida\tprimeira_data\tultima_data\tmotivo\tdecisao\tnota");
  EXPECT_NE(whole.find("\nZorbax\t"), std::string::npos);
  EXPECT_NE(whole.find("\t5\t4\tb-2024-05-17.txt\tzorbax\tO Zorbax chegou ontem.\t\t2024-05-17\t"
                       "2024-06-01\t"),
            std::string::npos)
      << whole;
  // Whatever other forms the grouping adds to it: the dated document first,
  // the first sentence in corpus order.
  std::vector<std::string> blogagem = Row(whole, "blogagem");
  ASSERT_EQ(blogagem.size(), 13u) << whole;
  EXPECT_EQ(blogagem[4], "c-20230102.txt");
  EXPECT_EQ(blogagem[6], "A blogagem viu o Zorbax.");
  // UTF-8 from both encodings; an undated document comes after the dated ones.
  std::vector<std::string> paozita = Row(whole, "p\xC3\xA3ozita");
  ASSERT_EQ(paozita.size(), 13u) << whole;
  EXPECT_EQ(paozita[2], "2");
  EXPECT_EQ(paozita[4], "e-2024-06-01.txt");
  EXPECT_EQ(paozita[6], "A p\xC3\xA3ozita chegou.");
}

TEST_F(CorpusProgramTest, ErrorsNameTheirPathAndSetTheExitStatus) {
  WriteCorpus();
  EXPECT_EQ(Run({"--help"}), 0);
  EXPECT_NE(ReadBytes(dir_ / "stdout").find("Uso: lexavia-corpus"), std::string::npos);
  EXPECT_EQ(Run({}), 2);
  EXPECT_NE(errors_.find("nenhum CAMINHO"), std::string::npos);
  EXPECT_EQ(Run(WithDictionaries({"--depressa", "textos"})), 2);
  EXPECT_NE(errors_.find("--depressa"), std::string::npos);

  EXPECT_EQ(Run(WithDictionaries({"--saida", "saida", "sumido"})), 2);
  EXPECT_NE(errors_.find("caminho não encontrado: sumido"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "saida/candidatos.tsv"));

  // /proc/self/mem is a file that cannot be read from its start.
  std::filesystem::create_symlink("/proc/self/mem", dir_ / "textos/ilegivel.txt");
  EXPECT_EQ(Run(WithDictionaries({"--saida", "saida", "sumido", "textos"})), 1);
  EXPECT_NE(errors_.find("caminho não encontrado: sumido"), std::string::npos);
  EXPECT_NE(errors_.find("não foi possível ler textos/ilegivel.txt"), std::string::npos);
  EXPECT_NE(errors_.find("2 documentos ou caminhos não puderam ser lidos"), std::string::npos);
  EXPECT_NE(ReadBytes(dir_ / "saida/candidatos.tsv").find("Zorbax"), std::string::npos);

  EXPECT_EQ(Run(WithDictionaries({"--saida", "/proc", "textos/a.txt"})), 2);
  EXPECT_NE(errors_.find("não é possível escrever na pasta de saída /proc"), std::string::npos);
  EXPECT_EQ(Run(WithDictionaries({"--saida", "nao-existe", "textos/a.txt"})), 2);
  EXPECT_NE(errors_.find("a pasta de saída não existe: nao-existe"), std::string::npos);
  EXPECT_EQ(Run({"--dicionarios", "textos", "--saida", "saida", "textos/a.txt"}), 2);
  EXPECT_NE(errors_.find("dicionario_principal.txt"), std::string::npos);

  WriteBytes(dir_ / "p-danificada", "lexavia-corpus parcial 1\ndocumentos\t1\n");
  EXPECT_EQ(Run(WithDictionaries({"juntar", "p-danificada", "--saida", "saida"})), 2);
  EXPECT_NE(errors_.find("tabela parcial danificada: p-danificada"), std::string::npos);
}

TEST_F(CorpusProgramTest, DecisionsAreShownAndRejectedWordsReachTheUserDictionaryOnce) {
  WriteCorpus();
  WriteBytes(dir_ / "saida/decisoes.tsv",
             "palavra\tdecisao\tnota\tdata\n"
             "zorbax\trejeitada\tnome de marca\t2024-07-01\n"
             "p\xC3\xA3ozita\tneologismo\t\t2024-07-02\n"
             "blogagem\tdepois\t\t\n"
             "Quiproquo\trejeitada\t\t\n"
             "blogueirice\tneologismo\tde um corpus antigo\t2023-05-01\n");
  ASSERT_EQ(Run(WithDictionaries({"--saida", "saida", "textos"})), 0) << errors_;
  std::string table = ReadBytes(dir_ / "saida/candidatos.tsv");
  EXPECT_NE(table.find("\trejeitada\tnome de marca\n"), std::string::npos) << table;
  EXPECT_NE(table.find("\tneologismo\t\n"), std::string::npos) << table;
  EXPECT_EQ(table.find("depois"), std::string::npos);
  // A word this corpus lacks keeps its decision in the page, which saves it again.
  EXPECT_EQ(table.find("blogueirice"), std::string::npos);
  EXPECT_NE(ReadBytes(dir_ / "saida/candidatos.html")
                .find(R"(["blogueirice","neologismo","de um corpus antigo","2023-05-01"])"),
            std::string::npos);

  // The user's file keeps every byte; the new words follow a mended line end.
  std::string user = dir_ / "dicionarios/dicionario_usuario.txt";
  WriteBytes(user, "quiproquo\r\nxyz");
  ASSERT_EQ(Run(WithDictionaries({"--saida", "saida", "--rejeitadas-para-dicionario"})), 0)
      << errors_;
  EXPECT_EQ(ReadBytes(user), "quiproquo\r\nxyz\r\nzorbax\r\n");
  ASSERT_EQ(Run(WithDictionaries({"--saida", "saida", "--rejeitadas-para-dicionario"})), 0);
  EXPECT_EQ(ReadBytes(user), "quiproquo\r\nxyz\r\nzorbax\r\n");
}

}  // namespace
