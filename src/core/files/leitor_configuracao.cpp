// The configuration block of a worksheet file: settings, marks, totals and
// the totals sheet, read from "[INICIO]" to "[FIM]".
#include <climits>
#include <deque>
#include <optional>

#include "core/files/leitor_interno.h"
#include "core/worksheet/sistema.h"
#include "core/text/codificacao.h"
#include "core/text/numeros.h"
#include "core/text/textos.h"

namespace zivu {

namespace {

// A totals sheet larger than this is no projection anyone asks for; building
// it would only exhaust memory, so such a block counts as malformed.
constexpr size_t kMaxCelulasTotais = 4'000'000;

struct NumeroInvalido {};

char maiuscula(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

// `s` in capitals equals `tag` (written in capitals).
bool igual_capitais(std::string_view s, std::string_view tag) {
  if (s.size() != tag.size()) return false;
  for (size_t i = 0; i < s.size(); ++i)
    if (maiuscula(s[i]) != tag[i]) return false;
  return true;
}

bool eh_fim(std::string_view s) { return igual_capitais(s, "[FIM]"); }

// A line a section may apply: not a tag and not the end of the block.
bool usavel(std::string_view s) { return !(!s.empty() && s[0] == '<') && !eh_fim(s); }

int32_t inteiro32(std::string_view texto) {
  const auto v = para_inteiro(texto);
  if (!v || *v < INT32_MIN || *v > INT32_MAX) throw NumeroInvalido{};
  return static_cast<int32_t>(*v);
}

int64_t inteiro64(std::string_view texto) {
  const auto v = para_inteiro(texto);
  if (!v) throw NumeroInvalido{};
  return *v;
}

// Splits at the first ","; without one the first part is empty (and so fails
// to convert).
std::pair<std::string_view, std::string_view> divide_virgula(std::string_view s) {
  const size_t v = s.find(',');
  if (v == std::string_view::npos) return {{}, s};
  return {s.substr(0, v), s.substr(v + 1)};
}

// "X0,Y0..X1,Y1" with each part trimmed.
Regiao le_regiao(std::string_view s) {
  const size_t p = s.find("..");
  const auto [x0, y0] = divide_virgula(p == std::string_view::npos ? std::string_view{} : s.substr(0, p));
  const auto [x1, y1] = divide_virgula(p == std::string_view::npos ? std::string_view{} : s.substr(p + 2));
  return Regiao{inteiro32(apara(x0)), inteiro32(apara(y0)), inteiro32(apara(x1)), inteiro32(apara(y1))};
}

// "X0,Y0..X1,Y1 + = total": the character just before "+ =" (the writer's
// space) belongs to neither part.
std::pair<Regiao, int64_t> le_linha_total(std::string_view s) {
  const size_t p = s.find("..");
  const size_t q = s.find("+ =");
  std::string_view antes, meio, total;
  if (p != std::string_view::npos) {
    antes = s.substr(0, p);
    if (q != std::string_view::npos && q >= p + 3) meio = s.substr(p + 2, q - p - 3);
  }
  if (q != std::string_view::npos) total = s.substr(q + 3);
  const auto [x0, y0] = divide_virgula(antes);
  const auto [x1, y1] = divide_virgula(meio);
  Regiao r{inteiro32(apara(x0)), inteiro32(apara(y0)), inteiro32(apara(x1)), inteiro32(apara(y1))};
  return {r, inteiro64(apara(total))};
}

// The `n`-th character (from 1) of a UTF-8 text, or "".
std::string caractere(std::string_view s, int n) {
  size_t i = 0;
  for (int k = 1; i < s.size(); ++k) {
    size_t fim = i + 1;
    while (fim < s.size() && (static_cast<unsigned char>(s[fim]) & 0xC0) == 0x80) ++fim;
    if (k == n) return std::string(s.substr(i, fim - i));
    i = fim;
  }
  return {};
}

int indice_mes(std::string_view linha) {
  const std::string alvo = capitais(linha);
  for (int i = 0; i < 12; ++i)
    if (capitais(kMeses[i]) == alvo) return i;
  return 0;
}

class LeitorBloco {
 public:
  LeitorBloco(Sistema& sis, const std::vector<std::string_view>& linhas, bool cp1252)
      : o_(sis.origem), linhas_(linhas), cp1252_(cp1252) {}

  void le() {
    atual_ = proxima();
    if (!igual_capitais(atual_, "[INICIO]")) return;  // no block
    atual_ = proxima();
    for (;;) {
      if (no_fim()) break;
      avanca_ = true;
      // Each tag is compared with the current line of that moment: a list
      // section that ends on the next tag hands it on to the later sections.
      if (igual_capitais(atual_, "<ANO_OBJETIVO>")) ano_objetivo();
      if (igual_capitais(atual_, "<LSECUNDARIA>")) lsecundaria();
      if (igual_capitais(atual_, "<APROXIMAR>")) aproximar();
      if (igual_capitais(atual_, "<POPQUARTIL>")) popquartil();
      if (igual_capitais(atual_, "<MESES>")) meses();
      if (igual_capitais(atual_, "<REFQUARTIL>")) refquartil();
      if (igual_capitais(atual_, "<ANOS>")) anos();
      if (igual_capitais(atual_, "<PRINCIPAL>")) principal();
      if (igual_capitais(atual_, "<SECUNDARIA>")) secundaria();
      if (igual_capitais(atual_, "<PLANILHA DE TOTAIS>")) planilha_totais();
      if (igual_capitais(atual_, "<DADOS>")) areas(o_.AreasDados, o_.QtdDados);
      if (igual_capitais(atual_, "<TITULO>")) areas(o_.Titulos, o_.QtdTitulos);
      // The block ends at its "[FIM]" even when the section before it had no
      // entry; reading on would take the cell data for settings.
      if (avanca_ && !eh_fim(atual_)) atual_ = proxima();
      if (eh_fim(atual_)) break;
    }
  }

 private:
  Origem& o_;
  const std::vector<std::string_view>& linhas_;
  // Lines of a Windows-1252 file come as bytes; only those read are decoded,
  // kept here so that the views handed out stay valid.
  bool cp1252_ = false;
  std::deque<std::string> decodificadas_;
  size_t indice_ = 0;
  std::string_view atual_;
  bool real_ = false;  // the last line read exists (not past the end)
  bool avanca_ = true;

  bool no_fim() const { return indice_ >= linhas_.size(); }
  std::string_view proxima() {
    real_ = indice_ < linhas_.size();
    if (!real_) return {};
    const std::string_view linha = linhas_[indice_++];
    if (!cp1252_ || so_ascii(linha)) return linha;
    return decodificadas_.emplace_back(cp1252_para_utf8(linha));
  }
  // Next line of a single-value section, when it exists and may be applied.
  std::optional<std::string> valor() {
    atual_ = proxima();
    if (!real_ || !usavel(atual_)) return std::nullopt;
    return std::string(atual_);
  }
  // Next entry of a list section; the line that ends the list stays current.
  bool entrada() {
    atual_ = proxima();
    return real_ && usavel(atual_);
  }

  void ano_objetivo() {
    if (auto v = valor()) o_.cfg.AnoProj = *v;
    if (auto v = valor()) o_.define_Anos_intermediarios(igual_capitais(*v, "PROJETAR ANOS INTERMEDIARIOS"));
    avanca_ = false;
  }
  void lsecundaria() {
    if (auto v = valor()) {
      if (igual_capitais(*v, "DODO GERAL"))
        o_.define_DoDo_geral(true);
      else
        o_.define_DoDo_bloco(true);
    }
    avanca_ = false;
  }
  void aproximar() {
    if (auto v = valor()) o_.cfg.Aproximar = igual_capitais(*v, "APROXIMAR");
    if (auto v = valor()) o_.cfg.NCasasDec = *v;
    avanca_ = false;
  }
  void popquartil() {
    if (auto v = valor()) o_.cfg.Div_habitantes = *v;
    avanca_ = false;
  }
  void meses() {
    // Setting a list's selection runs no handler, so the hints stay.
    for (int* mes : {&o_.cfg.Mes_Ano0, &o_.cfg.Mes_Ano1, &o_.cfg.Mes_AnoX})
      if (auto v = valor()) *mes = indice_mes(*v);
    avanca_ = false;
  }
  void refquartil() {
    Configuracao& c = o_.cfg;
    const std::pair<bool*, std::string*> refs[4] = {{&c.Existe_cd_maior, &c.Cd_maior},
                                                    {&c.Existe_nome_maior, &c.Nome_maior},
                                                    {&c.Existe_cd_menor, &c.Cd_menor},
                                                    {&c.Existe_nome_menor, &c.Nome_menor}};
    // Applied without the test of a usable line; only one letter is carried.
    for (const auto& [existe, coluna] : refs) {
      atual_ = proxima();
      if (!real_) continue;
      *existe = atual_.empty() || atual_[0] != '0';
      *coluna = caractere(atual_, 3);
    }
  }
  void anos() {
    for (int k = 1; k <= 2 && entrada(); ++k) {
      const auto [x, y] = divide_virgula(atual_);
      const CelulaAno celula{inteiro32(x), inteiro32(y)};
      o_.QtdAnos = k;
      o_.CelulasAno.resize(static_cast<size_t>(k));
      o_.CelulasAno[static_cast<size_t>(k) - 1] = celula;
      avanca_ = false;
      if (k == 2) atual_ = proxima();
    }
  }
  void principal() {
    while (entrada()) {
      const auto [regiao, total] = le_linha_total(atual_);
      o_.LinhaPrincipal = regiao;
      o_.TotalPrincipal = total;
      avanca_ = false;
    }
  }
  void secundaria() {
    for (int32_t k = 1; entrada(); ++k) {
      const auto [regiao, total] = le_linha_total(atual_);
      const size_t n = static_cast<size_t>(k);
      o_.QtdSecundarias = k;
      o_.Secundarias.resize(n);
      o_.TotaisSecundarios.resize(n, 0);
      // The calculation sizes the obtained totals; keep them at least as long
      // as the lines so every index of a line is valid.
      if (o_.TotaisObtidos.size() < n) o_.TotaisObtidos.resize(n, 0);
      o_.Secundarias[n - 1] = regiao;
      o_.TotaisSecundarios[n - 1] = total;
      avanca_ = false;
    }
  }
  void areas(std::vector<Regiao>& lista, int32_t& qtd) {
    for (int32_t k = 1; entrada(); ++k) {
      const Regiao regiao = le_regiao(atual_);
      qtd = k;
      lista.resize(static_cast<size_t>(k));
      lista.back() = regiao;
      avanca_ = false;
    }
  }
  void planilha_totais() {
    std::vector<std::vector<std::string_view>> linhas;
    size_t celulas = 0;
    while (entrada()) {
      std::vector<std::string_view> campos;
      std::string_view resto = atual_;
      // Only ";"-terminated fields count; text after the last ";" is ignored.
      for (size_t p = resto.find(';'); p != std::string_view::npos; p = resto.find(';')) {
        campos.push_back(resto.substr(0, p));
        resto.remove_prefix(p + 1);
      }
      linhas.push_back(std::move(campos));
      if (linhas.back().size() * linhas.size() > kMaxCelulasTotais ||
          (celulas += linhas.back().size()) > kMaxCelulasTotais)
        throw NumeroInvalido{};
    }
    if (linhas.empty()) {
      o_.reinicia_grade_totais();
      return;
    }
    Grade& g = o_.Grade_totais;
    const int colunas = static_cast<int>(linhas.back().size());
    const int n_linhas = static_cast<int>(linhas.size());
    g.redimensiona(2, 2);
    g.limpa();
    g.redimensiona(colunas, n_linhas);
    for (int r = 0; r < n_linhas; ++r)
      for (int c = 0; c < colunas && c < static_cast<int>(linhas[r].size()); ++c)
        g.cel(c, r).assign(linhas[r][c]);
  }
};

}  // namespace

bool Le_Configuracao(Sistema& sis, const std::vector<std::string_view>& linhas, bool cp1252) {
  try {
    LeitorBloco(sis, linhas, cp1252).le();
    return true;
  } catch (const NumeroInvalido&) {
    return false;
  }
}

}  // namespace zivu
