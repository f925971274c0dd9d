#include "gui/results/relatorio_botao.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>
#include <string>

#include "core/files/arquivos.h"
#include "core/worksheet/sistema.h"
#include "gui/app/contexto.h"
#include "gui/results/botoes_resultado.h"
#include "gui/results/grafico_quartis.h"
#include "gui/results/graficos_pagina.h"

namespace {

// Widest a chart is laid out in the PDF, in the document's pixels.
constexpr int kLarguraGrafico = 640;

}  // namespace

// From the window's chart page, with its choices; a page of its own when the
// window is not at hand.
std::vector<zivu::GraficoRelatorio> graficos_do_relatorio(Contexto& app, bool quartis) {
  QWidget* principal = app.janela_principal;
  if (quartis) {
    auto* pagina = principal ? principal->findChild<PaginaGraficoQuartis*>() : nullptr;
    if (pagina) return pagina->graficos_para_relatorio();
    return PaginaGraficoQuartis(app).graficos_para_relatorio();
  }
  auto* pagina = principal ? principal->findChild<PaginaGraficos*>() : nullptr;
  if (pagina) return pagina->graficos_para_relatorio();
  return PaginaGraficos(app).graficos_para_relatorio();
}

QPushButton* botao_relatorio(Contexto& app, bool quartis, QWidget* pai) {
  QPushButton* b = botao_negrito("Relatório", "Relatorio", pai, "Grava o relatório do cálculo (página HTML ou PDF)");
  b->setEnabled(false);
  QObject::connect(b, &QPushButton::clicked, b, [&app, quartis] {
    if (!app.atualizando()) app.executa([&app, quartis] { RelatorioClick(app, quartis); });
  });
  QObject::connect(&app, &Contexto::atualizar, b, [&app, quartis, b] {
    const zivu::Sistema& sis = app.sis;
    const bool aberto = quartis ? sis.quartis.Anos_visivel : sis.simples.Anos_visivel;
    const std::string& ano = quartis ? sis.quartis.Ano_Projetado_hint : sis.simples.Ano_Projetado_hint;
    b->setEnabled(!ano.empty() && !aberto);
  });
  return b;
}

void RelatorioClick(Contexto& app, bool quartis) {
  zivu::Sistema& sis = app.sis;
  const auto arquivo = zivu::escolhe_arquivo_relatorio(sis);
  if (!arquivo) return;
  sis.plat.cursor_espera(true);
  const std::vector<zivu::GraficoRelatorio> graficos = graficos_do_relatorio(app, quartis);
  bool gravado = false;
  if (arquivo->formato == zivu::FormatoRelatorio::HTML) {
    gravado = zivu::Grava_Relatorio(sis, quartis, arquivo->caminho, graficos);
  } else if (const auto pdf = relatorio_pdf(sis, quartis, graficos)) {
    try {
      zivu::grava_seguro(arquivo->caminho, std::string_view(pdf->constData(), static_cast<size_t>(pdf->size())));
      gravado = true;
    } catch (const zivu::ErroArquivo& e) {
      sis.plat.erro_geral(e.what());
    }
  }
  sis.plat.cursor_espera(false);
  if (gravado) sis.status("Relatório gravado em " + arquivo->caminho);
}

std::optional<QByteArray> relatorio_pdf(zivu::Sistema& sis, bool quartis,
                                        const std::vector<zivu::GraficoRelatorio>& graficos) {
  // QTextDocument draws no inline SVG: each chart goes in as an image it holds.
  QTextDocument doc;
  std::vector<zivu::GraficoRelatorio> imagens;
  for (size_t i = 0; i < graficos.size(); ++i) {
    QSvgRenderer svg(QByteArray::fromStdString(graficos[i].svg));
    const QSize tamanho = svg.defaultSize();
    if (!svg.isValid() || tamanho.isEmpty()) continue;
    // At its own size, which is wider than its place on the page; opaque,
    // so the PDF holds no mask beside it.
    QImage imagem(tamanho, QImage::Format_RGB32);
    imagem.fill(Qt::white);
    QPainter pintor(&imagem);
    svg.render(&pintor);
    pintor.end();
    const std::string nome = "grafico" + std::to_string(i) + ".png";
    doc.addResource(QTextDocument::ImageResource, QUrl(QString::fromStdString(nome)), imagem);
    const int largura = std::min(tamanho.width(), kLarguraGrafico);
    imagens.push_back({graficos[i].titulo, "<img src=\"" + nome + "\" width=\"" + std::to_string(largura) + "\">"});
  }
  const auto html = zivu::Relatorio_HTML(sis, quartis, imagens);
  if (!html) return std::nullopt;
  doc.setHtml(QString::fromStdString(*html));
  QBuffer saida;
  saida.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&saida);
    pdf.setTitle(doc.metaInformation(QTextDocument::DocumentTitle));
    pdf.setCreator("Derova ZiVu 1.0");
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    // Laid out on the page's printable size in the screen's units, as the
    // page reads on screen; left to QTextDocument, the tables are squeezed
    // into a narrow column and the layout takes twice as long.
    const QScreen* tela = QGuiApplication::primaryScreen();
    const double dpi = tela ? tela->logicalDotsPerInchX() : 96;
    doc.setPageSize(pdf.pageLayout().paintRect(QPageLayout::Point).size() * (dpi / 72));
    doc.print(&pdf);
  }
  return saida.data();
}
