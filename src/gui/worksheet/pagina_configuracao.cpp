#include "gui/worksheet/pagina_configuracao.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/files/configuracao_arquivo.h"
#include "gui/app/contexto.h"
#include "gui/app/filtro_teclas.h"
#include "gui/worksheet/widgets.h"

PaginaConfiguracao::PaginaConfiguracao(Contexto& app, QWidget* pai) : QWidget(pai), app_(app) {
  setObjectName("Configuracao");
  auto* v = new QVBoxLayout(this);
  Ficha2 = new QTabWidget(this);
  Ficha2->setObjectName("Ficha2");
  v->addWidget(Ficha2, 1);

  Conf_MP = new QTabWidget;
  Conf_MP->setObjectName("Conf_MP");
  Conf_MP->addTab(pagina_marcacao(), "Gerais");
  Conf_G = new QTabWidget;
  Conf_G->setObjectName("Conf_G");
  Conf_G->addTab(pagina_gerais(), "Gerais");
  Conf_G->addTab(pagina_meses(), "Meses");
  Conf_Q = new QTabWidget;
  Conf_Q->setObjectName("Conf_Q");
  Conf_Q->addTab(pagina_quartis(), "Gerais");
  Conf_Q->addTab(pagina_referencias(), "Pontos de referência");
  Ficha2->addTab(Conf_MP, "Marcação padrão");
  Ficha2->addTab(Conf_G, "Gerais");
  Ficha2->addTab(Conf_Q, "Quartis");

  auto* botoes = new QHBoxLayout;
  Padroes = botao("&Padrões", "Padroes", "Recupera os parâmetros padrões de configuração", this);
  AbreConf = botao("&Abrir", "AbreConf",
                   "Importa as configurações de um arquivo de configuração ou de dados (origem)", this);
  SalvaConf = botao("&Salvar", "SalvaConf", "Salva somente a configuração", this);
  botoes->addWidget(Padroes);
  botoes->addStretch();
  botoes->addWidget(AbreConf);
  botoes->addWidget(SalvaConf);
  v->addLayout(botoes);

  zivu::Sistema& sis = app_.sis;
  zivu::Origem& o = sis.origem;
  auto comando = [this](auto f) { return [this, f](auto&&... args) { app_.executa([&] { f(args...); }); }; };
  connect(Padroes, &QPushButton::clicked, this, comando([&o](bool) { o.PadroesClick(); }));
  connect(AbreConf, &QPushButton::clicked, this, comando([&sis](bool) { zivu::AbreConfClick(sis); }));
  connect(SalvaConf, &QPushButton::clicked, this, comando([&sis](bool) { zivu::SalvaConfClick(sis); }));

  // Edits: the core's change rule on every change the user makes.
  auto texto = [this, comando](QLineEdit* e, auto f) {
    connect(e, &QLineEdit::textEdited, this, comando([f](const QString& t) { f(t.toStdString()); }));
  };
  texto(LinhaAnoInicial, [&o](std::string t) { o.LinhaAnoInicialChange(std::move(t)); });
  texto(LinhaInicial, [&o](std::string t) { o.LinhaInicialChange(std::move(t)); });
  texto(ColunaInicial, [&o](std::string t) { o.ColunaInicialChange(std::move(t)); });
  texto(AnoProj, [&o](std::string t) { o.cfg.AnoProj = std::move(t); });
  texto(NCasasDec, [&o](std::string t) { o.cfg.NCasasDec = std::move(t); });
  texto(LinRel, [&o](std::string t) { o.cfg.LinRel = std::move(t); });
  texto(Div_habitantes, [&o](std::string t) { o.cfg.Div_habitantes = std::move(t); });
  texto(Cd_maior, [&o](std::string t) { o.cfg.Cd_maior = std::move(t); });
  texto(Nome_maior, [&o](std::string t) { o.cfg.Nome_maior = std::move(t); });
  texto(Cd_menor, [&o](std::string t) { o.cfg.Cd_menor = std::move(t); });
  texto(Nome_menor, [&o](std::string t) { o.cfg.Nome_menor = std::move(t); });
  auto saida = [this, comando](QLineEdit* e, auto f) {
    connect(e, &QLineEdit::editingFinished, this, [this, f] {
      if (!app_.atualizando()) app_.executa(f);
    });
  };
  saida(AnoProj, [&o] { o.AnoProjExit(); });
  saida(NCasasDec, [&o] { o.NCasasDecExit(); });
  saida(LinRel, [&o] { o.LinRelExit(); });

  auto marca = [this, comando](QAbstractButton* b, auto f) {
    connect(b, &QAbstractButton::clicked, this, comando(f));
  };
  marca(LinhaP, [&o](bool v) { o.cfg.LinhaP = v; });
  marca(Col_Ant, [&o](bool) { o.Col_AntClick(); });
  marca(Nao_Marcar, [&o](bool) { o.Nao_MarcarClick(); });
  marca(Cols_Ant, [&o](bool) { o.Cols_AntClick(); });
  marca(Anos_intermediarios, [&o](bool v) { o.define_Anos_intermediarios(v); });
  marca(DoDo_geral, [&o](bool) { o.define_DoDo_geral(true); });
  marca(DoDo_bloco, [&o](bool) { o.define_DoDo_bloco(true); });
  marca(Aproximar, [&o](bool v) { o.cfg.Aproximar = v; });
  marca(Existe_cd_maior, [&o](bool v) { o.cfg.Existe_cd_maior = v; });
  marca(Existe_nome_maior, [&o](bool v) { o.cfg.Existe_nome_maior = v; });
  marca(Existe_cd_menor, [&o](bool v) { o.cfg.Existe_cd_menor = v; });
  marca(Existe_nome_menor, [&o](bool v) { o.cfg.Existe_nome_menor = v; });

  connect(Mes_Ano0, &QComboBox::activated, this, comando([&o](int i) { o.Mes_Ano0Change(i); }));
  connect(Mes_Ano1, &QComboBox::activated, this, comando([&o](int i) { o.Mes_Ano1Change(i); }));
  connect(Mes_AnoX, &QComboBox::activated, this, comando([&o](int i) { o.Mes_AnoXChange(i); }));
}

QWidget* PaginaConfiguracao::pagina_marcacao() {
  auto* p = new QWidget;
  p->setObjectName("Conf_P_gerais");
  auto* g = new QGridLayout(p);

  auto* anos = new QGroupBox("Anos T0 e T1", p);
  auto* ga = new QGridLayout(anos);
  LinhaAnoInicial = edicao("LinhaAnoInicial", 5, true, anos);
  X_Anos = marca_vermelha("X_Anos", anos);
  ga->addWidget(new QLabel("Primeiro valor válido da linha", anos), 0, 0);
  ga->addWidget(LinhaAnoInicial, 0, 1);
  ga->addWidget(X_Anos, 0, 2);
  ga->addWidget(new QLabel("T1 está na próxima coluna.", anos), 1, 0, 1, 3);

  auto* dados = new QGroupBox("Área de dados", p);
  auto* gd = new QGridLayout(dados);
  LinhaInicial = edicao("LinhaInicial", 5, true, dados);
  ColunaInicial = edicao("ColunaInicial", 1, false, dados);
  X_Dados = marca_vermelha("X_Dados", dados);
  LinhaP = new QCheckBox("A primeira linha é a Principal", dados);
  LinhaP->setObjectName("LinhaP");
  gd->addWidget(new QLabel("Linha inicial", dados), 0, 0);
  gd->addWidget(LinhaInicial, 0, 1);
  gd->addWidget(X_Dados, 0, 2);
  gd->addWidget(new QLabel("Coluna inicial", dados), 1, 0);
  gd->addWidget(ColunaInicial, 1, 1);
  gd->addWidget(LinhaP, 2, 0, 1, 3);
  auto* fim = new QLabel("A área termina ao encontrar as primeiras linha e coluna em branco.", dados);
  fim->setWordWrap(true);
  gd->addWidget(fim, 3, 0, 1, 3);

  auto* titulos = new QGroupBox("Área de títulos", p);
  auto* gt = new QGridLayout(titulos);
  Col_Ant = opcao("Apenas a coluna imediatamente", "Col_Ant", titulos);
  Nao_Marcar = opcao("Não marcar", "Nao_Marcar", titulos);
  Cols_Ant = opcao("As colunas anteriores à área de dados", "Cols_Ant", titulos);
  auto* grupo = new QButtonGroup(titulos);
  for (auto* b : {Col_Ant, Nao_Marcar, Cols_Ant}) grupo->addButton(b);
  X_Titulos = marca_vermelha("X_Titulos", titulos);
  gt->addWidget(Col_Ant, 0, 0);
  gt->addWidget(X_Titulos, 0, 1);
  gt->addWidget(new QLabel("    anterior à área de dados", titulos), 1, 0);
  gt->addWidget(Nao_Marcar, 2, 0);
  gt->addWidget(Cols_Ant, 3, 0);
  gt->setVerticalSpacing(2);
  gt->setRowStretch(4, 1);

  Informacoes = new QPlainTextEdit(p);
  Informacoes->setObjectName("Informacoes");
  Informacoes->setReadOnly(true);
  Informacoes->setMaximumHeight(60);

  g->addWidget(anos, 0, 0);
  g->addWidget(dados, 1, 0);
  g->addWidget(titulos, 0, 1, 2, 1);
  g->addWidget(Informacoes, 2, 0, 1, 2);
  g->setRowStretch(3, 1);
  return p;
}

QWidget* PaginaConfiguracao::pagina_gerais() {
  auto* p = new QWidget;
  p->setObjectName("Conf_G_gerais");
  auto* g = new QGridLayout(p);

  auto* projetar = new QGroupBox("A projetar", p);
  auto* gp = new QGridLayout(projetar);
  AnoProj = edicao("AnoProj", 4, true, projetar);
  Anos_intermediarios = new QCheckBox("Projetar os anos intermediários também", projetar);
  Anos_intermediarios->setObjectName("Anos_intermediarios");
  gp->addWidget(new QLabel("Ano para projetar", projetar), 0, 0);
  gp->addWidget(AnoProj, 0, 1);
  gp->addWidget(Anos_intermediarios, 1, 0, 1, 2);
  gp->addWidget(texto_fixo("A população do ano a projetar é incluída através da guia Dados de origem, "
                           "quando se cria ou edita a linha principal.",
                           projetar),
                2, 0, 1, 2);

  auto* secundarias = new QGroupBox("Linha(s) secundária(s)", p);
  auto* gs = new QVBoxLayout(secundarias);
  DoDo_geral = opcao("Apenas totalizar (DoDo geral)", "DoDo_geral", secundarias);
  DoDo_bloco = opcao("Servir de base de cálculo (DoDo por blocos)", "DoDo_bloco", secundarias);
  auto* metodo = new QButtonGroup(secundarias);
  metodo->addButton(DoDo_geral);
  metodo->addButton(DoDo_bloco);
  gs->addWidget(DoDo_geral);
  gs->addWidget(DoDo_bloco);
  gs->addWidget(texto_fixo("A linha principal de comparação deverá ter um total .", secundarias));
  gs->addWidget(texto_fixo(
      "Para cada linha secundária, deverá haver uma projeção de população para o ano final.",
      secundarias));

  auto* aproximacao = new QGroupBox("Aproximação (Ai e Bi)", p);
  auto* gx = new QGridLayout(aproximacao);
  Aproximar = new QCheckBox("Aproximar", aproximacao);
  Aproximar->setObjectName("Aproximar");
  NCasasDec = edicao("NCasasDec", 2, true, aproximacao);
  gx->addWidget(Aproximar, 0, 0, 1, 2);
  gx->addWidget(new QLabel("Número de casas decimais", aproximacao), 1, 0);
  gx->addWidget(NCasasDec, 1, 1);

  auto* relatorio = new QGroupBox("Linhas de relatório", p);
  auto* gr = new QVBoxLayout(relatorio);
  LinRel = edicao("LinRel", 2, true, relatorio);
  gr->addWidget(LinRel);
  gr->addWidget(texto_fixo("Esse número de linha é fixo para quaisquer dimensões de papel.", relatorio));

  g->addWidget(projetar, 0, 0);
  g->addWidget(secundarias, 0, 1);
  g->addWidget(aproximacao, 1, 0);
  g->addWidget(relatorio, 1, 1);
  g->setRowStretch(2, 1);
  return p;
}

QWidget* PaginaConfiguracao::pagina_meses() {
  auto* p = new QWidget;
  p->setObjectName("Conf_G_meses");
  auto* v = new QVBoxLayout(p);
  auto* grupo = new QGroupBox("Parâmetros para as equações de taxa", p);
  auto* f = new QFormLayout(grupo);
  Mes_Ano0 = lista_meses("Mes_Ano0", grupo);
  Mes_Ano1 = lista_meses("Mes_Ano1", grupo);
  Mes_AnoX = lista_meses("Mes_AnoX", grupo);
  f->addRow("Mês base para o primeiro ano", Mes_Ano0);
  f->addRow("Mês base para o segundo ano", Mes_Ano1);
  f->addRow("Mês base do ano cuja população se quer saber", Mes_AnoX);
  v->addWidget(grupo);
  v->addStretch();
  return p;
}

QWidget* PaginaConfiguracao::pagina_quartis() {
  auto* p = new QWidget;
  p->setObjectName("Conf_Q_gerais");
  auto* v = new QVBoxLayout(p);
  auto* grupo = new QGroupBox("Qual o valor divisório?", p);
  auto* g = new QGridLayout(grupo);
  Div_habitantes = edicao("Div_habitantes", 10, true, grupo);
  g->addWidget(Div_habitantes, 0, 0);
  g->addWidget(new QLabel("Habitantes", grupo), 0, 1);
  g->addWidget(texto_fixo("Apenas os registros com população do ano-base 2 menor que esse valor serão "
                          "considerados no método por quartis.",
                          grupo),
               1, 0, 1, 2);
  v->addWidget(grupo);
  v->addStretch();
  return p;
}

QWidget* PaginaConfiguracao::pagina_referencias() {
  auto* p = new QWidget;
  p->setObjectName("Conf_Q_prefs");
  auto* g = new QGridLayout(p);
  auto par = [p, g](int linha, const QString& legenda, const char* nome_caixa, const char* nome_campo,
                    QCheckBox*& caixa, QLineEdit*& campo) {
    caixa = new QCheckBox(legenda, p);
    caixa->setObjectName(nome_caixa);
    campo = edicao(nome_campo, 1, false, p);
    g->addWidget(caixa, linha, 0);
    g->addWidget(campo, linha, 1);
  };
  g->addWidget(texto_fixo("Referem-se aos quatro campos básicos de identificação de cada linha de dados. "
                          "São eles: código e nome das áreas maior e menor.",
                          p),
               0, 0, 1, 3);
  par(1, "código da área maior", "Existe_cd_maior", "Cd_maior", Existe_cd_maior, Cd_maior);
  par(2, "nome da área maior", "Existe_nome_maior", "Nome_maior", Existe_nome_maior, Nome_maior);
  par(3, "código da área menor", "Existe_cd_menor", "Cd_menor", Existe_cd_menor, Cd_menor);
  par(4, "nome da área menor", "Existe_nome_menor", "Nome_menor", Existe_nome_menor, Nome_menor);
  g->addWidget(texto_fixo("Marque as identificações contidas na atual tabela de dados inicial. Cada uma "
                          "delas deverá estar em uma coluna exclusivamente. Aconselha-se marcar pelo "
                          "menos dois itens.",
                          p),
               5, 0, 1, 3);
  g->setColumnStretch(2, 1);
  g->setRowStretch(6, 1);
  return p;
}

void PaginaConfiguracao::atualiza() {
  const zivu::Origem& o = app_.sis.origem;
  const zivu::Configuracao& c = o.cfg;
  poe_texto(LinhaAnoInicial, c.LinhaAnoInicial);
  poe_texto(LinhaInicial, c.LinhaInicial);
  poe_texto(ColunaInicial, c.ColunaInicial);
  LinhaP->setChecked(c.LinhaP);
  poe_opcao(Col_Ant, c.Col_Ant);
  poe_opcao(Nao_Marcar, c.Nao_Marcar);
  poe_opcao(Cols_Ant, c.Cols_Ant);
  X_Anos->setVisible(o.tela.X_Anos);
  X_Dados->setVisible(o.tela.X_Dados);
  X_Titulos->setVisible(o.tela.X_Titulos);
  QStringList info;
  for (const auto& l : o.tela.Informacoes) info << QString::fromStdString(l);
  if (Informacoes->toPlainText() != info.join('\n')) Informacoes->setPlainText(info.join('\n'));

  poe_texto(AnoProj, c.AnoProj);
  Anos_intermediarios->setChecked(c.Anos_intermediarios);
  poe_opcao(DoDo_geral, c.DoDo_geral);
  poe_opcao(DoDo_bloco, c.DoDo_bloco);
  Aproximar->setChecked(c.Aproximar);
  poe_texto(NCasasDec, c.NCasasDec);
  poe_texto(LinRel, c.LinRel);
  poe_mes(Mes_Ano0, c.Mes_Ano0, o.tela.Mes_Ano0_hint);
  poe_mes(Mes_Ano1, c.Mes_Ano1, o.tela.Mes_Ano1_hint);
  poe_mes(Mes_AnoX, c.Mes_AnoX, o.tela.Mes_AnoX_hint);

  poe_texto(Div_habitantes, c.Div_habitantes);
  Existe_cd_maior->setChecked(c.Existe_cd_maior);
  Existe_nome_maior->setChecked(c.Existe_nome_maior);
  Existe_cd_menor->setChecked(c.Existe_cd_menor);
  Existe_nome_menor->setChecked(c.Existe_nome_menor);
  poe_texto(Cd_maior, c.Cd_maior);
  poe_texto(Nome_maior, c.Nome_maior);
  poe_texto(Cd_menor, c.Cd_menor);
  poe_texto(Nome_menor, c.Nome_menor);
}
