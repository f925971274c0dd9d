#!/usr/bin/env python3
"""Regenerates the sample worksheets and the sample configuration file.

    python3 examples/gerar_exemplos.py [FOLDER]

writes into FOLDER (default: the folder of this script):

  dodo_blocos.csv          "DoDo por blocos": a made-up state ("Estado de
                           Marandu") of 315 municipalities in six regions; each
                           region is a block with its secondary line (its sums
                           at both surveys) and its own data area; surveys 1991
                           and 2000, target year 2010.
  anos_intermediarios.csv  "DoDo por blocos" with intermediate years: a second
                           made-up state ("Estado de Corimbó") of 135
                           municipalities in three regions, target 2005, and the
                           totals sheet filled for 2005 and 2001 to 2004.
  padrao.cfg               a 60-byte configuration record whose standard
                           marking fits the layout of dodo_geral.csv (years on
                           row 1, principal line from C2, titles A and B).

dodo_geral.csv is kept by hand and is not touched here.

The files are byte for byte what the program's worksheet export writes: text
in Windows-1252 with CR LF line ends, the configuration block "[INICIO]" ...
"[FIM]" first, then one line per sheet row with every cell quoted and followed
by ";". The data come from a seeded generator, so a run always gives the same
bytes. Before writing, the script checks what a calculation needs: positive
populations, secondary lines equal to the sums of their data areas, a principal
line equal to the sum of everything, no negative projection, quartile records
(areas below the threshold) in every block.
"""

import math
import os
import random
import struct
import sys

MESES = ["Janeiro", "Fevereiro", "Março", "Abril", "Maio", "Junho", "Julho",
         "Agosto", "Setembro", "Outubro", "Novembro", "Dezembro"]

# Layout shared by both generated worksheets (columns from 1 = A).
COL_NOME, COL_CD_UF, COL_UF, COL_CD_MUN, COL_T0, COL_T1 = 1, 2, 3, 4, 5, 6
CABECALHO = ["Município", "Cód. UF", "UF", "Cód. Mun.", "1991", "2000"]
LIMITE_QUARTIS = 100000


# ---------------------------------------------------------------- file form

def linha_regiao(x0, y0, x1, y1):
    return f"{x0},{y0}..{x1},{y1}"


def bloco_configuracao(cfg):
    """The block exactly as the worksheet writer puts it before the cells."""
    b = ["[INICIO]", "<ANO_OBJETIVO>", cfg["ano"],
         "PROJETAR ANOS INTERMEDIARIOS" if cfg["intermediarios"]
         else "NAO PROJETAR ANOS INTERMEDIARIOS",
         "<LSECUNDARIA>", "DoDo geral" if cfg["geral"] else "DoDo por blocos",
         "<APROXIMAR>", "Aproximar" if cfg["aproximar"] else "Não aproximar",
         cfg["decimais"], "<POPQUARTIL>", str(cfg["limite"]), "<MESES>"]
    b += [MESES[m] for m in cfg["meses"]]
    b.append("<REFQUARTIL>")
    b += [("1-" if existe else "0-") + letra for existe, letra in cfg["refs"]]
    b.append("<ANOS>")
    b += [f"{x},{y}" for x, y in cfg["anos"]]
    b.append("<PRINCIPAL>")
    if cfg["principal"]:
        regiao, total = cfg["principal"]
        b.append(linha_regiao(*regiao) + f" + = {total}")
    b.append("<SECUNDARIA>")
    b += [linha_regiao(*regiao) + f" + = {total}" for regiao, total in cfg["secundarias"]]
    b.append("<PLANILHA DE TOTAIS>")
    b += ["".join(c + ";" for c in linha) for linha in cfg["planilha_totais"]]
    b.append("<DADOS>")
    b += [linha_regiao(*r) for r in cfg["dados"]]
    b.append("<TITULO>")
    b += [linha_regiao(*r) for r in cfg["titulos"]]
    b.append("[FIM]")
    return b


def grava_planilha(caminho, cfg, celulas):
    """celulas: rows of equal length (the sheet's extent); cells are text."""
    colunas = len(celulas[0])
    assert all(len(l) == colunas for l in celulas) and colunas <= 26
    assert len(celulas) <= 10000
    linhas = bloco_configuracao(cfg)
    for l in celulas:
        assert all('"' not in c for c in l)
        linhas.append("".join(f'"{c}";' for c in l))
    texto = "".join(l + "\r\n" for l in linhas)
    with open(caminho, "wb") as f:
        f.write(texto.encode("cp1252"))


PLANILHA_TOTAIS_VAZIA = [["Áreas", "", ""], ["", "", ""]]


# ---------------------------------------------------------------- names

PREF_M = ["Campo", "Porto", "Rio", "Monte", "Vale", "Passo", "Cerro", "Arroio",
          "Morro", "Pinhal", "Capão", "Alto", "Salto", "Pouso", "Retiro"]
PREF_F = ["Vila", "Lagoa", "Serra", "Barra", "Ponte", "Pedra", "Cruz", "Várzea",
          "Coxilha", "Estrela", "Colina", "Cachoeira", "Palmeira", "Aldeia"]
ADJ = [("Alegre", "Alegre"), ("Bonito", "Bonita"), ("Verde", "Verde"),
       ("Grande", "Grande"), ("Novo", "Nova"), ("Formoso", "Formosa"),
       ("Belo", "Bela"), ("Claro", "Clara"), ("Seco", "Seca"), ("Fundo", "Funda"),
       ("Azul", "Azul"), ("Branco", "Branca"), ("Dourado", "Dourada"),
       ("Largo", "Larga"), ("Redondo", "Redonda")]
COMPL = ["do Norte", "do Sul", "do Leste", "do Oeste", "das Flores", "dos Campos",
         "da Serra", "da Barra", "das Pedras", "dos Pinhais", "do Vale", "da Cruz",
         "dos Índios", "das Antas", "do Sertão", "das Garças", "do Ouro", "da Prata",
         "das Palmeiras", "dos Ventos", "do Meio", "da Mata", "das Missões",
         "da Conceição", "do Taquaral"]
SANTOS = ["São Bento", "São Lourenço", "São Jerônimo", "São Sebastião", "São Gabriel",
          "São Vicente", "São Martinho", "São Pedro", "São João", "São José",
          "São Tomé", "São Brás", "Santa Rita", "Santa Luzia", "Santa Clara",
          "Santa Bárbara", "Santa Cecília", "Santa Helena", "Santa Teresa",
          "Santo Antônio", "Santo Ângelo", "Santo Amaro", "Santo Cristo", "Bom Jesus",
          "Bom Retiro", "Boa Vista", "Bom Sucesso", "Três Barras", "Dois Irmãos"]
SIL_INI = ["Ita", "Ibi", "Jacu", "Pira", "Guara", "Cambu", "Tapi", "Ara", "Jua",
           "Piti", "Ubi", "Muri", "Itapo", "Cara", "Ipa"]
SIL_FIM = ["rama", "tiba", "cica", "guaçu", "mirim", "poranga", "tinga", "taí",
           "pé", "una", "juba", "quara", "petinga", "buçu"]


def gerador_nomes(rnd, reservados):
    usados = set(reservados)

    def novo():
        while True:
            tipo = rnd.random()
            if tipo < 0.45:
                feminino = rnd.random() < 0.5
                pref = rnd.choice(PREF_F if feminino else PREF_M)
                if rnd.random() < 0.5:
                    nome = pref + " " + rnd.choice(ADJ)[1 if feminino else 0]
                else:
                    nome = pref + " " + rnd.choice(COMPL)
            elif tipo < 0.75:
                nome = rnd.choice(SANTOS)
                if rnd.random() < 0.6:
                    nome += " " + rnd.choice(COMPL)
            else:
                nome = rnd.choice(SIL_INI) + rnd.choice(SIL_FIM)
                if rnd.random() < 0.25:
                    nome += " " + rnd.choice(COMPL)
            if nome not in usados:
                usados.add(nome)
                return nome
    return novo


# ---------------------------------------------------------------- data

def municipios_da_regiao(rnd, novo_nome, qtd, mediana, crescimento, cidades):
    """Populations at both surveys; `cidades` are (name, population) placed first."""
    mun = []
    for nome, p0 in cidades:
        g = crescimento + rnd.gauss(0.02, 0.04)
        mun.append([nome, p0, max(1, round(p0 * (1 + g)))])
    while len(mun) < qtd:
        p0 = round(rnd.lognormvariate(math.log(mediana), 0.85))
        if not 1100 <= p0 <= 90000:  # the large towns are the named ones
            continue
        g = crescimento + rnd.gauss(0.0, 0.08)
        g = min(max(g, -0.22), 0.55)
        mun.append([novo_nome(), p0, max(800, round(p0 * (1 + g)))])
    # Within a region the list runs in code order, the largest not always first.
    rnd.shuffle(mun)
    return mun


def projeta(p0, p1, b0, b1, px):
    ai = (p1 - p0) / (b1 - b0)
    bi = p0 - ai * b0
    return round(ai * px + bi)  # Python rounds halves to even, as the program does


def confere_blocos(regioes, alvos):
    for (nome, mun), px in zip(regioes, alvos):
        b0 = sum(m[1] for m in mun)
        b1 = sum(m[2] for m in mun)
        assert b0 != b1, nome
        assert all(m[1] > 0 and m[2] > 0 for m in mun), nome
        assert any(m[2] < LIMITE_QUARTIS for m in mun), nome
        proj = [projeta(m[1], m[2], b0, b1, px) for m in mun]
        assert min(proj) > 0, (nome, min(proj))


def monta_estado(rnd, nome_estado, cd_uf, uf, capital, regioes_def, primeiro_codigo):
    """Rows of the sheet and the marks of a "DoDo por blocos" state.

    regioes_def: (region name, count, median population, growth 1991-2000,
    growth 2000-target relative to the trend, [(city, population 1991)])."""
    cidades_fixas = [c for d in regioes_def for c, _ in d[5]]
    assert capital in cidades_fixas
    novo_nome = gerador_nomes(rnd, cidades_fixas)
    regioes = []
    for nome, qtd, mediana, cresc, _, cidades in regioes_def:
        regioes.append((nome, municipios_da_regiao(rnd, novo_nome, qtd, mediana, cresc, cidades)))
    nomes = [m[0] for _, mun in regioes for m in mun]
    assert len(nomes) == len(set(nomes))

    celulas = [CABECALHO[:]]
    linha_principal = len(celulas) + 1
    celulas.append([nome_estado, "", "", "", "", ""])
    secundarias, dados = [], []
    codigo = primeiro_codigo
    for nome, mun in regioes:
        linha_sec = len(celulas) + 1
        b0 = sum(m[1] for m in mun)
        b1 = sum(m[2] for m in mun)
        celulas.append([nome, "", "", "", str(b0), str(b1)])
        secundarias.append((linha_sec, b0, b1))
        for m in mun:
            celulas.append([m[0], cd_uf, uf, f"{codigo:04d}", str(m[1]), str(m[2])])
            codigo += 10
        dados.append((linha_sec + 1, len(celulas)))
    total0 = sum(s[1] for s in secundarias)
    total1 = sum(s[2] for s in secundarias)
    celulas[linha_principal - 1][COL_T0 - 1] = str(total0)
    celulas[linha_principal - 1][COL_T1 - 1] = str(total1)
    return celulas, regioes, linha_principal, secundarias, dados


def alvo(b0, b1, anos_pesquisas, anos_alvo, ritmo):
    """Expected block total: the intercensal trend carried on at `ritmo` of its pace."""
    return round(b1 + (b1 - b0) * anos_alvo / anos_pesquisas * ritmo)


def marcas_blocos(linha_principal, secundarias, dados, ultima_linha, total_principal, totais):
    return {
        "anos": [(COL_T0, 1), (COL_T1, 1)],
        "principal": ((COL_T0, linha_principal, COL_T1, linha_principal), total_principal),
        "secundarias": [((COL_T0, s[0], COL_T1, s[0]), t) for s, t in zip(secundarias, totais)],
        "dados": [(COL_T0, y0, COL_T1, y1) for y0, y1 in dados],
        "titulos": [(COL_NOME, 1, COL_CD_MUN, ultima_linha)],
    }


def exemplo_blocos(pasta):
    rnd = random.Random(19912000)
    regioes_def = [
        ("Região Metropolitana", 38, 24000, 0.17, 1.0,
         [("Marandu", 1020000), ("Porto Marandu", 231000), ("Vila Operária", 142000),
          ("Campo Largo do Sul", 97000)]),
        ("Região Norte", 62, 7000, 0.05, 0.9, [("Rio Claro do Norte", 118000)]),
        ("Região Serrana", 55, 8500, 0.09, 1.0, [("Serra Alta", 104000)]),
        ("Região Litorânea", 41, 11000, 0.21, 1.1, [("Porto das Conchas", 88000)]),
        ("Região Oeste", 70, 6000, -0.04, 0.8, [("Cruz Alta do Oeste", 121000)]),
        ("Região Sul", 49, 9000, 0.07, 1.0, [("Pelotinha", 96000)]),
    ]
    celulas, regioes, lp, secs, dados = monta_estado(
        rnd, "Estado de Marandu", "51", "MR", "Marandu", regioes_def, 10)
    totais = [alvo(s[1], s[2], 9, 10, d[4]) for s, d in zip(secs, regioes_def)]
    confere_blocos(regioes, totais)
    assert len(celulas) - 2 - len(secs) == 315
    cfg = {
        "ano": "2010", "intermediarios": False, "geral": False,
        "aproximar": True, "decimais": "4", "limite": LIMITE_QUARTIS,
        "meses": [8, 7, 6],  # surveys of 1 September 1991 and 1 August 2000, mid-year target
        "refs": [(True, "B"), (True, "C"), (True, "D"), (True, "A")],
        "planilha_totais": PLANILHA_TOTAIS_VAZIA,
    }
    cfg.update(marcas_blocos(lp, secs, dados, len(celulas), sum(totais), totais))
    grava_planilha(os.path.join(pasta, "dodo_blocos.csv"), cfg, celulas)
    return celulas, totais


def exemplo_intermediarios(pasta):
    rnd = random.Random(20002005)
    regioes_def = [
        ("Região do Planalto", 45, 9000, 0.08, 1.0, [("Corimbó", 412000), ("Ipê Roxo", 112000)]),
        ("Região dos Vales", 52, 7500, 0.04, 0.9, [("Vale do Jaguaré", 93000)]),
        ("Região da Fronteira", 38, 6500, 0.11, 1.1, [("Barra do Quaraí Novo", 101000)]),
    ]
    celulas, regioes, lp, secs, dados = monta_estado(
        rnd, "Estado de Corimbó", "52", "CB", "Corimbó", regioes_def, 10)
    ano_alvo, t1 = 2005, 2000
    totais = [alvo(s[1], s[2], 9, ano_alvo - t1, d[4]) for s, d in zip(secs, regioes_def)]
    confere_blocos(regioes, totais)

    # Each block follows a geometric path from its 2000 population to its 2005
    # total; the principal row is the sum of the blocks, as a demographer's sheet has it.
    anos = list(range(t1 + 1, ano_alvo))
    linhas_s = []
    for s, total in zip(secs, totais):
        b1 = s[2]
        por_ano = [round(b1 * (total / b1) ** ((a - t1) / (ano_alvo - t1))) for a in anos]
        linhas_s.append([total] + por_ano)
    for regiao, linha in zip(regioes, linhas_s):
        confere_blocos([regiao], linha)  # every intermediate year projects too
    linha_p = [sum(col) for col in zip(*linhas_s)]
    planilha = [["Áreas", str(ano_alvo)] + [str(a) for a in anos],
                ["P"] + [str(v) for v in linha_p]]
    planilha += [[f"S{i + 1}"] + [str(v) for v in l] for i, l in enumerate(linhas_s)]

    cfg = {
        "ano": str(ano_alvo), "intermediarios": True, "geral": False,
        "aproximar": False, "decimais": "3", "limite": LIMITE_QUARTIS,
        "meses": [8, 7, 6],
        "refs": [(True, "B"), (True, "C"), (True, "D"), (True, "A")],
        "planilha_totais": planilha,
    }
    cfg.update(marcas_blocos(lp, secs, dados, len(celulas), sum(totais), totais))
    grava_planilha(os.path.join(pasta, "anos_intermediarios.csv"), cfg, celulas)
    return celulas, planilha


def configuracao_padrao(pasta):
    """60 bytes: little-endian int32, 1-byte flags, letters as length + character."""
    def letra(c):
        return bytes([1, ord(c)])

    r = b"".join([
        struct.pack("<i", 1),            # LinhaAnoInicial: years on row 1
        bytes([0, 0, 1, 0]),             # Col_Ant, Nao_Marcar, Cols_Ant, reserved
        struct.pack("<i", 2),            # LinhaInicial
        letra("C"),                      # ColunaInicial
        bytes([1, 0]),                   # LinhaP, reserved
        struct.pack("<i", 2010),         # AnoProj
        bytes([0, 1, 0, 0]),             # Anos_intermediarios, DoDo_geral, DoDo_bloco, Aproximar
        struct.pack("<iii", 3, 40, 100000),  # NCasasDec, LinRel, Div_habitantes
        struct.pack("<iii", 7, 8, 6),    # Agosto, Setembro, Julho
        bytes([1, 1, 0, 0]),             # Existe_cd_maior, _nome_maior, _cd_menor, _nome_menor
        letra("A"), letra("B"), letra("C"), letra("D"),
    ])
    assert len(r) == 60
    with open(os.path.join(pasta, "padrao.cfg"), "wb") as f:
        f.write(r)


def main():
    pasta = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    os.makedirs(pasta, exist_ok=True)
    exemplo_blocos(pasta)
    exemplo_intermediarios(pasta)
    configuracao_padrao(pasta)


if __name__ == "__main__":
    main()
