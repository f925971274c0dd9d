// The worksheet window's state and rules: the sheet, its region marks, the
// expected totals, the totals sheet, the settings, the checklist, the
// coordinates page and the block-total panel. Widgets only show this state
// and forward the user's actions to these methods.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/worksheet/configuracao.h"
#include "core/worksheet/grade.h"
#include "core/worksheet/regiao.h"

namespace zivu {

class Sistema;

// Which field of the coordinates page holds the focus after a command.
enum class CampoCoordenada { Nenhum, X0, Y0, X1, Y1, Coord_Total };

struct PaginaCoordenadas {
  int Secoes = 0;                  // 0 "Anos" .. 4 "Área(s) de títulos"
  std::vector<std::string> Areas;  // listed marks
  int Areas_selecionado = -1;
  std::string X0, Y0, X1, Y1;
  bool X1_habilitado = false;      // X1 and Y1 share their enabled state
  std::string Coord_Total = "0";
  bool Coord_Total_habilitado = false;
  std::string Informativo;
  CampoCoordenada foco = CampoCoordenada::Nenhum;
};

// What the worksheet window only shows: captions, the cell address, hints,
// red marks and enabled states.
struct TelaOrigem {
  std::string legenda_janela = "Origem";
  std::string legenda_pagina = "DoDo";
  std::string Cruz = "A1";  // address of the current cell
  bool Grade_totais_editavel = false;
  bool Grade_totais_habilitada = false;
  bool Outros_totais_habilitado = false;
  bool X_Anos = true, X_Dados = true, X_Titulos = true;  // red marks visible
  bool MarcaPadrao_habilitado = false;
  std::vector<std::string> Informacoes;
  std::string Mes_Ano0_hint, Mes_Ano1_hint, Mes_AnoX_hint;
  // "Processa DoDo" and "Quartis": the checklist is empty.
  bool Processa_habilitado = false;
  bool MetodoQuartis_habilitado = false;
};

class Origem {
 public:
  explicit Origem(Sistema& sistema);

  TelaOrigem tela;

  // ---- the sheet and its extent
  Grade DadosEntrada;
  int32_t UltimaColuna = 0;
  int32_t UltimaLinha = 0;
  // Current cell and selected rectangle of the sheet.
  int Col = 1, Row = 1;
  int Left = 1, Top = 1, Right = 1, Bottom = 1;
  std::string Celula;             // editing bar text
  // The edit (by its name: "AnoProj", "Y0", ...) whose text the last command
  // could not convert; the window shows it to the user and clears this.
  std::string CampoInvalido;

  // ---- marks
  std::vector<CelulaAno> CelulasAno;
  int32_t QtdAnos = 1;
  Regiao LinhaPrincipal;
  std::vector<Regiao> Secundarias;
  int32_t QtdSecundarias = 1;
  std::vector<Regiao> AreasDados;
  int32_t QtdDados = 1;
  std::vector<Regiao> Titulos;
  int32_t QtdTitulos = 1;
  int64_t TotalPrincipal = 0;
  std::vector<int64_t> TotaisSecundarios;
  std::vector<int64_t> TotaisObtidos;
  int32_t TipoTotal = 0;
  int32_t IndiceTotal = 0;

  // ---- calculation parameters set by the validation, and the run's state
  int32_t MesesPesquisas = 0;   // months between the two surveys
  int32_t MesesProjecao = 0;    // months from the second survey to the target year
  std::string MascaraDecimais;  // "" or "0." followed by the decimals
  int64_t TotalPrincipalSalvo = 0;
  std::vector<int64_t> TotaisSecundariosSalvos;
  double Diferenca = 0;         // expected minus obtained total of the last year

  // ---- totals sheet
  Grade Grade_totais;

  // ---- settings and their red marks
  Configuracao cfg;

  // ---- checklist
  std::vector<std::string> Observacoes;

  // ---- coordinates page
  PaginaCoordenadas coord;

  // Marking operations (columns and rows as numbers).
  void Ano(int coluna, int linha);
  void Principal(int X0, int Y0, int X1, int Y1);
  void SubDivisao(int X0, int Y0, int X1, int Y1);
  void Dados(int X0, int Y0, int X1, int Y1);
  void Fixos(int X0, int Y0, int X1, int Y1);
  bool Sobrescreve(int X0, int Y0, int X1, int Y1) const;
  void Desmarcando(int coluna, int linha);
  void ListaObs();
  void EsvaziaPlanilhas();

  // Toolbar handlers on the current cell and selection.
  void AnoClick() { Ano(Col, Row); }
  void PrincipalClick() { Principal(Left, Top, Right, Top); }
  void SubDivisaoClick() { SubDivisao(Left, Top, Right, Top); }
  void DadosClick() { Dados(Left, Top, Right, Bottom); }
  void FixosClick() { Fixos(Left, Top, Right, Bottom); }
  void DesmarcaClick() { Desmarcando(Col, Row); }
  void TotaisClick() { Abre_Total(Col, Row, true); }
  // Moves the current cell (selection collapses onto it) and refreshes the
  // editing bar.
  void vai_para(int coluna, int linha);
  void seleciona(int left, int top, int right, int bottom);
  void DadosEntradaClick();
  void Edite_OKClick();
  void Edite_KOClick() { DadosEntradaClick(); }
  void CriarClick();

  // Totals sheet.
  void Outros_totaisClick();
  // Clears the totals sheet to its initial 3 x 2 shape.
  void reinicia_grade_totais();

  // Configuration page.
  void PadroesClick();
  void MPadrao();
  void MarcaPadraoClick();
  void LinhaAnoInicialChange(std::string texto);
  void LinhaInicialChange(std::string texto);
  void ColunaInicialChange(std::string texto);
  void Col_AntClick();
  void Nao_MarcarClick();
  void Cols_AntClick();
  // Option buttons set by program: a true value chooses the option (clearing
  // the others of its group), a false one only clears it.
  void define_Col_Ant(bool v);
  void define_Nao_Marcar(bool v);
  void define_Cols_Ant(bool v);
  void define_DoDo_geral(bool v);
  void define_DoDo_bloco(bool v);
  void AnoProjExit();
  void NCasasDecExit();
  void LinRelExit();
  void Mes_Ano0Change(int indice);
  void Mes_Ano1Change(int indice);
  void Mes_AnoXChange(int indice);
  void DoDo_geralClick();
  void DoDo_blocoClick();
  void MetodoQuartisClick(bool marcado);
  void define_Anos_intermediarios(bool v);
  void Anos_intermediariosClick();
  void ConfiguracaoShow();
  void OrigemShow();

  // Coordinates page.
  void SecoesClick();
  void AreasClick();
  void AdicionaClick();
  void DiminuiClick();
  void Aceitar_TotalClick();
  static std::string texto_marca(const Regiao& r);
  static std::string texto_marca(const CelulaAno& c);

  // Block-total panel (state on the main window).
  void Abre_Total(int coluna, int linha, bool do_botao);
  void OK_TotalClick();
  void Cancelar_TotalClick();

 private:
  Sistema& sis_;
  void marca_regiao(std::vector<Regiao>& lista, int32_t& qtd, int X0, int Y0, int X1, int Y1,
                    bool com_totais);
  void remove_regioes(std::vector<Regiao>& lista, int32_t& qtd, int coluna, int linha,
                      bool linha_exata, bool com_totais);
};

// Columns the variables grid is written with: the worksheet's extent, widened
// so that Bi and both rates of the first year column are kept.
int colunas_variaveis(const Origem& o);

// Orders the corners of a region.
Regiao ordena(int X0, int Y0, int X1, int Y1);

}  // namespace zivu
