# Kalvora — build, run and test. See README.md.
BUILD      ?= build
ARGS       ?=
FUZZ_SEKUNDEN ?= 60
CMAKE_FLAGS ?=
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test bench fuzz asan deb clean

all: build

deps:
	@bash scripts/deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "Keine Anzeige gefunden (DISPLAY ist leer). Starten Sie Kalvora so: xvfb-run -a $(BUILD)/src/kalvora $(ARGS)"; \
	  exit 1; \
	fi
	$(BUILD)/src/kalvora $(ARGS)

test: build
	@bash scripts/test.sh $(BUILD)

bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DKALVORA_BENCH=ON \
	  -DKALVORA_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build build-bench -j $(JOBS)
	@bash scripts/bench.sh build-bench

fuzz: deps
	CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DKALVORA_FUZZ=ON -DKALVORA_TESTS=OFF -DKALVORA_FENSTER=OFF $(CMAKE_FLAGS)
	cmake --build build-fuzz --target fuzz_alle -j $(JOBS)
	@bash scripts/fuzz.sh build-fuzz $(FUZZ_SEKUNDEN)

asan: deps
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKALVORA_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build build-asan -j $(JOBS)
	@ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp \
	  UBSAN_OPTIONS=print_stacktrace=1 bash scripts/test.sh build-asan

deb: build
	cd $(BUILD) && cpack -G DEB
	@ls $(BUILD)/kalvora_*.deb

clean:
	rm -rf build build-bench build-fuzz build-asan
