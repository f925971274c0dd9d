# The two commands of the README: `make run` and `make test`.
# Both install what is missing on a Debian machine, configure and build.

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= 2
PACKAGES   := cmake ninja-build g++ libgtest-dev libbenchmark-dev clang libclang-rt-dev qt6-base-dev \
              qt6-charts-dev qt6-svg-dev qt6-translations-l10n poppler-utils
EXAMPLE    ?= examples/dodo_geral.csv

.PHONY: all deps configure build run test test-release test-asan bench fuzz clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  echo "Instalando:$$missing"; \
	  SUDO=""; [ "$$(id -u)" -eq 0 ] || SUDO=sudo; \
	  $$SUDO apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq $$missing; \
	fi

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ] && [ -x $(BUILD)/src/gui/zivu ]; then \
	  echo "Abrindo o Derova ZiVu com $(EXAMPLE)"; \
	  $(BUILD)/src/gui/zivu $(EXAMPLE); \
	else \
	  out=$$(mktemp -d); \
	  echo "Sem tela: zivu-cli calcular $(EXAMPLE) (arquivos em $$out)"; \
	  $(BUILD)/src/cli/zivu-cli calcular $(EXAMPLE) --pasta $$out; \
	fi

test: test-release test-asan

test-release: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

$(ASAN_BUILD)/build.ninja:
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZIVU_SANITIZE=ON -DZIVU_BENCH=OFF

test-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; $$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true || exit 1; done
	bash bench/mede_cli.sh $(BUILD)/src/cli/zivu-cli

fuzz: deps
	bash fuzz/run.sh

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-fuzz
