// The ".CFG" file: the settings alone in one 60-byte record.
#include "core/files/configuracao_arquivo.h"

#include <algorithm>
#include <climits>

#include "core/files/arquivos.h"
#include "core/worksheet/sistema.h"
#include "core/text/codificacao.h"
#include "core/text/numeros.h"
#include "core/text/textos.h"

namespace zivu {

namespace {

constexpr const char* kFiltroCfg = "CFG (Arq. de configuração)|*.CFG";
constexpr const char* kExtensaoCfg = "*.cfg";

// Offsets of the record.
enum : size_t {
  kLinhaAnoInicial = 0, kCol_Ant = 4, kNao_Marcar = 5, kCols_Ant = 6,
  kLinhaInicial = 8, kColunaInicial = 12, kLinhaP = 14,
  kAnoProj = 16, kAnos_intermediarios = 20, kDoDo_geral = 21, kDoDo_bloco = 22, kAproximar = 23,
  kNCasasDec = 24, kLinRel = 28, kDiv_habitantes = 32,
  kMes_Ano0 = 36, kMes_Ano1 = 40, kMes_AnoX = 44,
  kExiste_cd_maior = 48, kExiste_nome_maior = 49, kExiste_cd_menor = 50, kExiste_nome_menor = 51,
  kCd_maior = 52, kNome_maior = 54, kCd_menor = 56, kNome_menor = 58,
};

constexpr size_t kFlags[] = {kCol_Ant, kNao_Marcar, kCols_Ant, kLinhaP,
                             kAnos_intermediarios, kDoDo_geral, kDoDo_bloco, kAproximar,
                             kExiste_cd_maior, kExiste_nome_maior, kExiste_cd_menor, kExiste_nome_menor};
constexpr size_t kLetras[] = {kColunaInicial, kCd_maior, kNome_maior, kCd_menor, kNome_menor};
constexpr size_t kMesesRegistro[] = {kMes_Ano0, kMes_Ano1, kMes_AnoX};

struct ValorGrande {};

void poe_int(RegistroConfiguracao& r, size_t pos, int32_t v) {
  const auto u = static_cast<uint32_t>(v);
  for (size_t i = 0; i < 4; ++i) r[pos + i] = static_cast<uint8_t>(u >> (8 * i));
}

int32_t tira_int(const RegistroConfiguracao& r, size_t pos) {
  uint32_t u = 0;
  for (size_t i = 0; i < 4; ++i) u |= static_cast<uint32_t>(r[pos + i]) << (8 * i);
  return static_cast<int32_t>(u);
}

int32_t inteiro_do_texto(const std::string& texto) {
  const auto v = para_inteiro(texto);
  if (!v || *v < INT32_MIN || *v > INT32_MAX) throw ValorGrande{};
  return static_cast<int32_t>(*v);
}

// Letter field: length byte and the first character of the edit, as one
// Windows-1252 byte ('?' for a character that has none).
void poe_letra(RegistroConfiguracao& r, size_t pos, const std::string& texto) {
  if (texto.empty()) return;
  size_t fim = 1;
  while (fim < texto.size() && (static_cast<unsigned char>(texto[fim]) & 0xC0) == 0x80) ++fim;
  const std::string byte = codifica_arquivo(texto.substr(0, fim));
  r[pos] = 1;
  r[pos + 1] = byte.size() == 1 ? static_cast<uint8_t>(byte[0]) : static_cast<uint8_t>('?');
}

std::string tira_letra(const RegistroConfiguracao& r, size_t pos) {
  return r[pos] == 0 ? std::string() : std::string(1, static_cast<char>(r[pos + 1]));
}

// Values the settings can take: months 0..11, flags 0 or 1, letters empty or
// one of A..Z. Checked as a whole before any control is set.
bool registro_valido(const RegistroConfiguracao& r) {
  for (size_t f : kFlags)
    if (r[f] > 1) return false;
  for (size_t m : kMesesRegistro) {
    const int32_t v = tira_int(r, m);
    if (v < 0 || v > 11) return false;
  }
  for (size_t l : kLetras) {
    if (r[l] > 1) return false;
    if (r[l] == 1 && (r[l + 1] < 'A' || r[l + 1] > 'Z')) return false;
  }
  return true;
}

void mensagem_falha(Sistema& sis, const char* texto) {
  sis.plat.mensagem(texto, "Falha!", Botoes::OK, Icone::Erro);
}

DialogoArquivo dialogo_cfg() {
  DialogoArquivo d;
  d.filtro = kFiltroCfg;
  d.extensao_padrao = kExtensaoCfg;
  return d;
}

}  // namespace

void SalvaConfClick(Sistema& sis) {
  DialogoArquivo d = dialogo_cfg();
  d.titulo = "Salvar configuração";
  if (auto escolha = sis.plat.salvar_arquivo(d)) Salva_Configuracao(sis, escolha->nome);
  // The worksheet dialogs take their CSV/DAT filters with each request.
}

void AbreConfClick(Sistema& sis) {
  DialogoArquivo d = dialogo_cfg();
  d.titulo = "Abrir configuração";
  d.pasta_inicial = pasta_sistema();
  if (auto escolha = sis.plat.abrir_arquivo(d)) Abre_Configuracao(sis, escolha->nome);
}

bool Salva_Configuracao(Sistema& sis, const std::string& nome) {
  Origem& o = sis.origem;
  Configuracao& c = o.cfg;
  // Empty numeric edits become "0" on the window, through their change rules.
  if (apara(c.LinhaAnoInicial).empty()) o.LinhaAnoInicialChange("0");
  if (apara(c.LinhaInicial).empty()) o.LinhaInicialChange("0");
  for (std::string* t : {&c.AnoProj, &c.NCasasDec, &c.LinRel, &c.Div_habitantes})
    if (apara(*t).empty()) t->assign(1, '0');

  RegistroConfiguracao r{};
  try {
    poe_int(r, kLinhaAnoInicial, inteiro_do_texto(c.LinhaAnoInicial));
    r[kCol_Ant] = c.Col_Ant;
    r[kNao_Marcar] = c.Nao_Marcar;
    r[kCols_Ant] = c.Cols_Ant;
    poe_int(r, kLinhaInicial, inteiro_do_texto(c.LinhaInicial));
    poe_letra(r, kColunaInicial, c.ColunaInicial);
    r[kLinhaP] = c.LinhaP;
    poe_int(r, kAnoProj, inteiro_do_texto(c.AnoProj));
    r[kAnos_intermediarios] = c.Anos_intermediarios;
    r[kDoDo_geral] = c.DoDo_geral;
    r[kDoDo_bloco] = c.DoDo_bloco;
    r[kAproximar] = c.Aproximar;
    poe_int(r, kNCasasDec, inteiro_do_texto(c.NCasasDec));
    poe_int(r, kLinRel, inteiro_do_texto(c.LinRel));
    poe_int(r, kDiv_habitantes, inteiro_do_texto(c.Div_habitantes));
    poe_int(r, kMes_Ano0, c.Mes_Ano0);
    poe_int(r, kMes_Ano1, c.Mes_Ano1);
    poe_int(r, kMes_AnoX, c.Mes_AnoX);
    r[kExiste_cd_maior] = c.Existe_cd_maior;
    r[kExiste_nome_maior] = c.Existe_nome_maior;
    r[kExiste_cd_menor] = c.Existe_cd_menor;
    r[kExiste_nome_menor] = c.Existe_nome_menor;
    poe_letra(r, kCd_maior, c.Cd_maior);
    poe_letra(r, kNome_maior, c.Nome_maior);
    poe_letra(r, kCd_menor, c.Cd_menor);
    poe_letra(r, kNome_menor, c.Nome_menor);
    grava_seguro(nome, std::string_view(reinterpret_cast<const char*>(r.data()), r.size()));
  } catch (const ValorGrande&) {
    mensagem_falha(sis, "Gravação impossível. Meio inválido ou arquivo em uso.");
    return false;
  } catch (const ErroArquivo&) {
    mensagem_falha(sis, "Gravação impossível. Meio inválido ou arquivo em uso.");
    return false;
  }
  return true;
}

bool Abre_Configuracao(Sistema& sis, const std::string& nome) {
  const auto bytes = le_bytes(nome);
  RegistroConfiguracao r{};
  // A longer file is read from its first 60 bytes.
  if (bytes && bytes->size() >= r.size()) std::copy_n(bytes->begin(), r.size(), r.begin());
  if (!bytes || bytes->size() < r.size() || !registro_valido(r)) {
    mensagem_falha(sis, "Leitura impossível. Arquivo em uso ou corrompido.");
    return false;
  }

  Origem& o = sis.origem;
  Configuracao& c = o.cfg;
  o.LinhaAnoInicialChange(std::to_string(tira_int(r, kLinhaAnoInicial)));
  o.define_Col_Ant(r[kCol_Ant]);
  o.define_Nao_Marcar(r[kNao_Marcar]);
  o.define_Cols_Ant(r[kCols_Ant]);
  o.LinhaInicialChange(std::to_string(tira_int(r, kLinhaInicial)));
  o.ColunaInicialChange(tira_letra(r, kColunaInicial));
  c.LinhaP = r[kLinhaP];
  c.AnoProj = std::to_string(tira_int(r, kAnoProj));
  o.define_Anos_intermediarios(r[kAnos_intermediarios]);
  o.define_DoDo_geral(r[kDoDo_geral]);
  o.define_DoDo_bloco(r[kDoDo_bloco]);
  c.Aproximar = r[kAproximar];
  c.NCasasDec = std::to_string(tira_int(r, kNCasasDec));
  c.LinRel = std::to_string(tira_int(r, kLinRel));
  // Setting a month list's index runs no handler.
  c.Mes_Ano0 = tira_int(r, kMes_Ano0);
  c.Mes_Ano1 = tira_int(r, kMes_Ano1);
  c.Mes_AnoX = tira_int(r, kMes_AnoX);
  c.Div_habitantes = std::to_string(tira_int(r, kDiv_habitantes));
  c.Existe_cd_maior = r[kExiste_cd_maior];
  c.Existe_nome_maior = r[kExiste_nome_maior];
  c.Existe_cd_menor = r[kExiste_cd_menor];
  c.Existe_nome_menor = r[kExiste_nome_menor];
  c.Cd_maior = tira_letra(r, kCd_maior);
  c.Nome_maior = tira_letra(r, kNome_maior);
  c.Cd_menor = tira_letra(r, kCd_menor);
  c.Nome_menor = tira_letra(r, kNome_menor);
  o.Anos_intermediariosClick();
  return true;
}

}  // namespace zivu
