#include "corpus/WordClass.h"

namespace corpus {

std::string_view ClassName(WordClass wordClass) {
  switch (wordClass) {
    case WordClass::NomeProprio:
      return "nome_proprio";
    case WordClass::Sigla:
      return "sigla";
    case WordClass::Estrangeirismo:
      return "estrangeirismo";
    case WordClass::Formacao:
      return "formacao";
    case WordClass::Grafia:
      return "grafia";
    case WordClass::DerivacaoRegular:
      return "derivacao_regular";
    case WordClass::Fragmento:
      return "fragmento";
    case WordClass::Outra:
      break;
  }
  return "outra";
}

}  // namespace corpus
